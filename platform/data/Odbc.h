#pragma once
// A thin layer over the ODBC handles: statements with bound parameters and
// typed column reads, and errors turned into EDatabaseError with the
// driver's own diagnostic.
#include <vector>
#include "platform/data/DataTypes.h"
#include "platform/rtl/WinApi.h"
#include <sql.h>
#include <sqlext.h>

namespace jorv {

struct TOdbcHandles {
  SQLHENV Env = nullptr;
  SQLHDBC Dbc = nullptr;
  String FileName;
  ~TOdbcHandles();
};

// The driver's diagnostic text for a handle.
String OdbcDiagnostic(SQLSMALLINT HandleType, SQLHANDLE Handle);

class TOdbcStatement {
 public:
  explicit TOdbcStatement(TOdbcHandles& Conn);
  ~TOdbcStatement();
  TOdbcStatement(const TOdbcStatement&) = delete;
  TOdbcStatement& operator=(const TOdbcStatement&) = delete;

  // Runs the statement with the values (of the given field types) as
  // parameters; raises with Context and the driver's text on failure.
  void Execute(const String& Sql, const std::vector<TFieldValue>& Params,
               const std::vector<TFieldType>& Types, const String& Context);
  SQLLEN RowCount();
  bool Fetch(const String& Context);
  // Reads column Col (1-based) as a value of the field type.
  TFieldValue Get(SQLUSMALLINT Col, TFieldType Type, const String& Context);
  SQLHSTMT Handle() const { return FStmt; }
  [[noreturn]] void Fail(const String& Context);

 private:
  TOdbcHandles& FConn;
  SQLHSTMT FStmt = nullptr;
};

}  // namespace jorv
