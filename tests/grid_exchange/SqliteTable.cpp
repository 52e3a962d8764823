#include "tests/grid_exchange/SqliteTable.h"
#include <gtest/gtest.h>
#include "platform/rtl/SysUtils.h"

namespace jorv::test {

namespace {

void Check(SQLRETURN R, SQLSMALLINT Type, SQLHANDLE Handle, const char* What) {
  if (SQL_SUCCEEDED(R)) return;
  SQLWCHAR State[8] = {}, Text[512] = {};
  SQLINTEGER Native = 0;
  SQLSMALLINT Len = 0;
  SQLGetDiagRecW(Type, Handle, 1, State, &Native, Text, 511, &Len);
  ADD_FAILURE() << What << ": " << std::wstring(reinterpret_cast<wchar_t*>(Text));
}

class TStatement {
 public:
  explicit TStatement(SQLHDBC Dbc) { SQLAllocHandle(SQL_HANDLE_STMT, Dbc, &H); }
  ~TStatement() { SQLFreeHandle(SQL_HANDLE_STMT, H); }
  void Prepare(const String& Sql) {
    Check(SQLPrepareW(H, (SQLWCHAR*)Sql.c_str(), SQL_NTS), SQL_HANDLE_STMT, H, "prepare");
  }
  void BindText(SQLUSMALLINT N, const String& S, SQLLEN& Len) {
    Len = static_cast<SQLLEN>(S.size() * sizeof(wchar_t));
    Check(SQLBindParameter(H, N, SQL_PARAM_INPUT, SQL_C_WCHAR, SQL_WVARCHAR, S.size() + 1, 0, (SQLPOINTER)S.c_str(),
                           Len, &Len),
          SQL_HANDLE_STMT, H, "bind");
  }
  void Execute() { Check(SQLExecute(H), SQL_HANDLE_STMT, H, "execute"); }
  SQLHSTMT H = nullptr;
};

}  // namespace

TSqliteTable::TSqliteTable(const String& File, Integer Columns) : FColumns(Columns) {
  using TUnixName = char*(__cdecl*)(const wchar_t*);
  auto f = reinterpret_cast<TUnixName>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  std::string Path = f ? f(File.c_str()) : std::string(File.begin(), File.end());
  SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &FEnv);
  SQLSetEnvAttr(FEnv, SQL_ATTR_ODBC_VERSION, (SQLPOINTER)SQL_OV_ODBC3, 0);
  SQLAllocHandle(SQL_HANDLE_DBC, FEnv, &FDbc);
  String Cs = L"DRIVER={SQLite3};Database=" + String(Path.begin(), Path.end()) + L";Timeout=200";
  Check(SQLDriverConnectW(FDbc, nullptr, (SQLWCHAR*)Cs.c_str(), SQL_NTS, nullptr, 0, nullptr, SQL_DRIVER_NOPROMPT),
        SQL_HANDLE_DBC, FDbc, "no SQLite3 ODBC driver");
  String Create = L"CREATE TABLE t (id INTEGER PRIMARY KEY";
  for (Integer c = 1; c <= Columns; ++c) Create += L", c" + IntToStr(c) + L" TEXT";
  Run(Create + L")");
}

TSqliteTable::~TSqliteTable() {
  SQLDisconnect(FDbc);
  SQLFreeHandle(SQL_HANDLE_DBC, FDbc);
  SQLFreeHandle(SQL_HANDLE_ENV, FEnv);
}

void TSqliteTable::Run(const String& Sql) {
  TStatement St(FDbc);
  Check(SQLExecDirectW(St.H, (SQLWCHAR*)Sql.c_str(), SQL_NTS), SQL_HANDLE_STMT, St.H, "run");
}

void TSqliteTable::Insert(const std::vector<std::vector<String>>& Rows) {
  Run(L"BEGIN");
  TStatement St(FDbc);
  String Sql = L"INSERT INTO t VALUES (?";
  for (Integer c = 1; c <= FColumns; ++c) Sql += L", trim(?)";
  St.Prepare(Sql + L")");
  std::vector<SQLLEN> Lens(FColumns + 1);
  for (const auto& Row : Rows) {
    for (Integer c = 0; c <= FColumns; ++c) St.BindText(static_cast<SQLUSMALLINT>(c + 1), Row[c], Lens[c]);
    St.Execute();
  }
  Run(L"COMMIT");
}

std::vector<Integer> TSqliteTable::Ids(const String& Sql, const std::vector<String>& Params) {
  TStatement St(FDbc);
  St.Prepare(Sql);
  std::vector<SQLLEN> Lens(Params.size());
  for (size_t i = 0; i < Params.size(); ++i) St.BindText(static_cast<SQLUSMALLINT>(i + 1), Params[i], Lens[i]);
  St.Execute();
  std::vector<Integer> Result;
  SQLINTEGER Id = 0;
  SQLLEN Ind = 0;
  SQLBindCol(St.H, 1, SQL_C_SLONG, &Id, 0, &Ind);
  while (SQL_SUCCEEDED(SQLFetch(St.H))) Result.push_back(Id);
  return Result;
}

double TSqliteTable::Number(const String& Sql, bool* Null) {
  TStatement St(FDbc);
  Check(SQLExecDirectW(St.H, (SQLWCHAR*)Sql.c_str(), SQL_NTS), SQL_HANDLE_STMT, St.H, "query");
  double Value = 0;
  SQLLEN Ind = 0;
  if (SQL_SUCCEEDED(SQLFetch(St.H))) SQLGetData(St.H, 1, SQL_C_DOUBLE, &Value, 0, &Ind);
  if (Null) *Null = Ind == SQL_NULL_DATA;
  return Value;
}

std::vector<std::vector<double>> TSqliteTable::Numbers(const String& Sql) {
  TStatement St(FDbc);
  Check(SQLExecDirectW(St.H, (SQLWCHAR*)Sql.c_str(), SQL_NTS), SQL_HANDLE_STMT, St.H, "query");
  SQLSMALLINT Columns = 0;
  SQLNumResultCols(St.H, &Columns);
  std::vector<std::vector<double>> Result;
  while (SQL_SUCCEEDED(SQLFetch(St.H))) {
    std::vector<double> Row(static_cast<size_t>(Columns));
    for (SQLSMALLINT c = 0; c < Columns; ++c) {
      SQLLEN Ind = 0;
      SQLGetData(St.H, static_cast<SQLUSMALLINT>(c + 1), SQL_C_DOUBLE, &Row[c], 0, &Ind);
      if (Ind == SQL_NULL_DATA) Row[c] = 0;
    }
    Result.push_back(std::move(Row));
  }
  return Result;
}

}  // namespace jorv::test
