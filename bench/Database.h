#pragma once
// Holiday databases made for the bench: SQLite files (what "Tarvok.mdb" is
// under Wine) in a folder of their own, made through the platform's
// connection.
#include <memory>
#include <string>
#include "platform/data/ADOConnection.h"

namespace jorv::bench {

// A folder under the temporary folder, removed with everything in it.
class TScratchDir {
 public:
  TScratchDir();
  ~TScratchDir();
  const std::wstring& Path() const { return FPath; }
  std::wstring File(const std::wstring& Name) const { return FPath + L"\\" + Name; }

 private:
  std::wstring FPath;
};

// The connection string the program gives its table.
std::wstring JetConnectionString(const std::wstring& File);

// A connection to File, which is made as an empty database when missing.
std::unique_ptr<TADOConnection> OpenDatabase(const std::wstring& File);

// Runs one statement of the bench's own text and commits it.
void RunSql(TADOConnection& Connection, const std::wstring& Sql);

// Creates the table Name (Datum, Tagestext) with Rows rows, one holiday a
// day from 1 January 1990 on, in one statement.
void MakeHolidayTable(TADOConnection& Connection, const std::wstring& Name, int Rows);

}  // namespace jorv::bench
