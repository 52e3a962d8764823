#pragma once
// A table of an SQLite file reached through the SQLite3 ODBC driver, for
// comparing what the grid shows with what the database's own WHERE and
// aggregates answer on the same data.
#include <vector>
#include "platform/rtl/Types.h"
#include "platform/rtl/WinApi.h"
#include <sql.h>
#include <sqlext.h>

namespace jorv::test {

class TSqliteTable {
 public:
  // Makes the file and the table "t": id INTEGER, then the text columns
  // c1 .. cColumns.
  TSqliteTable(const String& File, Integer Columns);
  ~TSqliteTable();
  // Inserts the rows in one transaction through one prepared statement;
  // each row's texts are trimmed of blanks by the database.
  void Insert(const std::vector<std::vector<String>>& Rows);
  // The ids the query selects; its single column must be the id.
  std::vector<Integer> Ids(const String& Sql, const std::vector<String>& Params = {});
  // The single number a query answers (an aggregate), or Null when it
  // answers NULL.
  double Number(const String& Sql, bool* Null = nullptr);
  // Every row a query answers, each of its columns as a number (0 for NULL).
  std::vector<std::vector<double>> Numbers(const String& Sql);
  void Run(const String& Sql);

 private:
  SQLHENV FEnv = nullptr;
  SQLHDBC FDbc = nullptr;
  Integer FColumns = 0;
};

}  // namespace jorv::test
