#include "bench/Database.h"
#include <string>
#include "platform/data/Odbc.h"

namespace jorv::bench {

TScratchDir::TScratchDir() {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  FPath = std::wstring(temp) + L"jorvbench-" + std::to_wstring(GetCurrentProcessId());
  CreateDirectoryW(FPath.c_str(), nullptr);
}

TScratchDir::~TScratchDir() {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((FPath + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      DeleteFileW(File(found.cFileName).c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(FPath.c_str());
}

std::wstring JetConnectionString(const std::wstring& File) {
  return L"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + File + L";Persist Security Info=False";
}

std::unique_ptr<TADOConnection> OpenDatabase(const std::wstring& File) {
  // An empty file is an empty SQLite database; the connection opens only
  // files that exist.
  HANDLE made = CreateFileW(File.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (made != INVALID_HANDLE_VALUE) CloseHandle(made);
  auto connection = std::make_unique<TADOConnection>();
  connection->SetLoginPrompt(false);
  connection->SetConnectionString(JetConnectionString(File));
  connection->Open();
  return connection;
}

void RunSql(TADOConnection& Connection, const std::wstring& Sql) {
  {
    TOdbcStatement statement(Connection.Handles());
    statement.Execute(Sql, {}, {}, L"Preparing the bench's database");
  }
  SQLEndTran(SQL_HANDLE_DBC, Connection.Handles().Dbc, SQL_COMMIT);
}

void MakeHolidayTable(TADOConnection& Connection, const std::wstring& Name, int Rows) {
  RunSql(Connection, L"CREATE TABLE " + Name + L" (Datum TIMESTAMP, Tagestext VARCHAR(30))");
  RunSql(Connection, L"WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i + 1 < " +
                         std::to_wstring(Rows) + L") INSERT INTO " + Name +
                         L" SELECT strftime('%Y-%m-%d %H:%M:%S', '1990-01-01', '+' || i || ' days'),"
                         L" 'Feiertag Nummer ' || i FROM n");
  RunSql(Connection, L"CREATE INDEX " + Name + L"_Datum ON " + Name + L" (Datum)");
}

}  // namespace jorv::bench
