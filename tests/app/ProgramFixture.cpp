#include "tests/app/ProgramFixture.h"

#include "platform/rtl/DateUtils.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Application.h"

namespace jorv::test {

THolidayFile::THolidayFile(const String& File) {
  using TUnixName = char*(__cdecl*)(const wchar_t*);
  auto Unix = reinterpret_cast<TUnixName>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  std::string Path = Unix ? Unix(File.c_str()) : std::string(File.begin(), File.end());
  SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &FH.Env);
  SQLSetEnvAttr(FH.Env, SQL_ATTR_ODBC_VERSION, (SQLPOINTER)SQL_OV_ODBC3, 0);
  SQLAllocHandle(SQL_HANDLE_DBC, FH.Env, &FH.Dbc);
  String Cs = L"DRIVER={SQLite3};Database=" + String(Path.begin(), Path.end()) + L";Timeout=2000";
  SQLRETURN R = SQLDriverConnectW(FH.Dbc, nullptr, (SQLWCHAR*)Cs.c_str(), SQL_NTS, nullptr, 0, nullptr,
                                  SQL_DRIVER_NOPROMPT);
  EXPECT_TRUE(SQL_SUCCEEDED(R)) << "no SQLite3 ODBC driver";
}

void THolidayFile::Run(const String& Sql, std::vector<TFieldValue> Params, std::vector<TFieldType> Types) {
  TOdbcStatement St(FH);
  St.Execute(Sql, Params, Types, L"test");
}

std::vector<String> THolidayFile::Rows() {
  TOdbcStatement St(FH);
  St.Execute(L"SELECT Datum, Tagestext FROM Feiertage ORDER BY Datum", {}, {}, L"test");
  std::vector<String> Result;
  while (St.Fetch(L"test")) {
    TFieldValue Day = St.Get(1, ftDateTime, L"test");
    TFieldValue Text = St.Get(2, ftWideString, L"test");
    String Line = std::holds_alternative<double>(Day) ? FormatDateTime(L"yyyy-mm-dd", std::get<double>(Day))
                                                         : String(L"null");
    if (std::holds_alternative<String>(Text)) Line += L" " + std::get<String>(Text);
    Result.push_back(Line);
  }
  return Result;
}

void MakeHolidayFile(const String& Dir, const std::vector<std::pair<TDateTime, String>>& Rows) {
  THolidayFile Db(Dir + L"\\Tarvok.mdb");
  Db.Run(L"CREATE TABLE Feiertage (Datum TIMESTAMP, Tagestext VARCHAR(30))");
  for (const auto& [Day, Text] : Rows) {
    if (Day == 0)
      Db.Run(L"INSERT INTO Feiertage VALUES (NULL, ?)", {Text}, {ftWideString});
    else
      Db.Run(L"INSERT INTO Feiertage VALUES (?, ?)", {Day, Text}, {ftDateTime, ftWideString});
  }
}

TWorkingFolder::TWorkingFolder() : FOld(GetCurrentDir()) { SetCurrentDirectoryW(FTemp.Dir().c_str()); }

TWorkingFolder::~TWorkingFolder() { SetCurrentDirectoryW(FOld.c_str()); }

// As the main block makes them, but neither becomes the application's main
// form, so that closing the window does not end the test program's loop.
TProgramForms::TProgramForms() {
  app::FRM_Main = new app::TFRM_Main(Application);
  app::FRM_Main->AfterConstruction();
  app::FRM_DaysOff = new app::TFRM_DaysOff(Application);
  app::FRM_DaysOff->AfterConstruction();
}

TProgramForms::~TProgramForms() {
  delete app::FRM_DaysOff;
  app::FRM_DaysOff = nullptr;
  delete app::FRM_Main;
  app::FRM_Main = nullptr;
  Application->OnHint = nullptr;
}

}  // namespace jorv::test
