#include <gtest/gtest.h>
#include <cstdio>
#include <functional>
#include <memory>
#include "platform/data/data.h"
#include "platform/data/Odbc.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/SysUtils.h"
#include "tests/support/TempDir.h"

using namespace jorv;

namespace {

// A direct connection to an SQLite file for making and changing test
// databases behind the table's back.
class TRawDb {
 public:
  explicit TRawDb(const String& File) {
    using TUnixName = char*(__cdecl*)(const wchar_t*);
    auto f = reinterpret_cast<TUnixName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    std::string path = f ? f(File.c_str()) : std::string(File.begin(), File.end());
    SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &FH.Env);
    SQLSetEnvAttr(FH.Env, SQL_ATTR_ODBC_VERSION, (SQLPOINTER)SQL_OV_ODBC3, 0);
    SQLAllocHandle(SQL_HANDLE_DBC, FH.Env, &FH.Dbc);
    String cs = L"DRIVER={SQLite3};Database=" + String(path.begin(), path.end()) + L";Timeout=200";
    SQLRETURN r = SQLDriverConnectW(FH.Dbc, nullptr, (SQLWCHAR*)cs.c_str(), SQL_NTS, nullptr, 0, nullptr,
                                    SQL_DRIVER_NOPROMPT);
    EXPECT_TRUE(SQL_SUCCEEDED(r)) << "no SQLite3 ODBC driver";
  }
  void Run(const String& Sql, std::vector<TFieldValue> Params = {}, std::vector<TFieldType> Types = {}) {
    TOdbcStatement st(FH);
    st.Execute(Sql, Params, Types, L"test");
  }
  // Holds the write lock until destroyed.
  void Lock() {
    SQLSetConnectAttrW(FH.Dbc, SQL_ATTR_AUTOCOMMIT, (SQLPOINTER)SQL_AUTOCOMMIT_OFF, 0);
    Run(L"DELETE FROM Feiertage WHERE 0");
  }

 private:
  TOdbcHandles FH;
};

std::string FileBytes(const String& File) {
  std::string r;
  if (FILE* f = _wfopen(File.c_str(), L"rb")) {
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0) r.append(buf, n);
    fclose(f);
  }
  return r;
}

struct HolidayDb : ::testing::Test {
  test::TTempDir Dir;
  String File = Dir.Path(L"Tarvok.mdb");
  String ConnectionString =
      L"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + File + L";Persist Security Info=False";

  void SetUp() override {
    TRawDb db(File);
    db.Run(L"CREATE TABLE Feiertage (Datum TIMESTAMP, Tagestext VARCHAR(30))");
    const wchar_t* texts[] = {L"Ostern", L"Neujahr", L"Tag der Arbeit"};
    TDateTime dates[] = {EncodeDate(2016, 3, 27), EncodeDate(2016, 1, 1), EncodeDate(2016, 5, 1)};
    for (int i = 0; i < 3; ++i)
      db.Run(L"INSERT INTO Feiertage VALUES (?, ?)", {dates[i], String(texts[i])}, {ftDateTime, ftWideString});
  }

  // The application's table with its two persistent fields.
  struct Table {
    TComponent Owner;
    TADOTable* Ado = new TADOTable(&Owner);
    TDateTimeField* Datum = new TDateTimeField(&Owner);
    TWideStringField* Text = new TWideStringField(&Owner);
    explicit Table(const String& cs, bool open = true) {
      Ado->SetTableName(L"Feiertage");
      Ado->SetTableDirect(true);
      Ado->SetCursorType(ctStatic);
      Ado->SetIndexFieldNames(L"Datum");
      Ado->SetConnectionString(cs);
      Datum->SetFieldName(L"Datum");
      Datum->SetDataSet(Ado);
      Text->SetFieldName(L"Tagestext");
      Text->SetSize(30);
      Text->SetDataSet(Ado);
      if (open) Ado->Open();
    }
    std::vector<String> Rows() {
      std::vector<String> r;
      for (Ado->First(); !Ado->Eof(); Ado->Next())
        r.push_back((Datum->IsNull() ? String(L"null") : FormatDateTime(L"yyyy-mm-dd hh:nn:ss.zzz", Datum->AsDateTime())) +
                    L" " + Text->AsString() + (Text->IsNull() ? L"<null>" : L""));
      return r;
    }
  };
};

TEST_F(HolidayDb, EditsAreWrittenThroughAndReadBackExactly) {
  {
    Table t(ConnectionString);
    EXPECT_EQ(t.Ado->RecordCount(), 3);
    EXPECT_EQ(t.Rows(), (std::vector<String>{L"2016-01-01 00:00:00.000 Neujahr",
                                             L"2016-03-27 00:00:00.000 Ostern",
                                             L"2016-05-01 00:00:00.000 Tag der Arbeit"}));
    t.Ado->First();
    t.Ado->Edit();
    t.Text->SetAsString(L"");  // empty, not null
    t.Ado->Post();
    t.Ado->Insert();
    t.Datum->SetAsDateTime(EncodeDateTime(2016, 12, 24, 14, 30, 15, 250));
    t.Text->SetAsString(L"Heiligabend \u00e4\u00f6\u00fc\u00df \u20ac");
    t.Ado->Post();
    t.Ado->Append();
    t.Text->SetAsString(L"ohne Datum");
    t.Ado->Post();
    ASSERT_TRUE(t.Ado->Locate(L"Tagestext", String(L"Ostern")));
    t.Ado->Delete();
    EXPECT_EQ(t.Ado->RecordCount(), 4);
  }
  Table again(ConnectionString);
  EXPECT_EQ(again.Rows(), (std::vector<String>{L"null ohne Datum",
                                               L"2016-01-01 00:00:00.000 ",
                                               L"2016-05-01 00:00:00.000 Tag der Arbeit",
                                               L"2016-12-24 14:30:15.250 Heiligabend \u00e4\u00f6\u00fc\u00df \u20ac"}));
}

TEST_F(HolidayDb, ASecondTableSeesChangesAfterRefresh) {
  Table one(ConnectionString), two(ConnectionString);
  two.Ado->Last();
  TBookmark kept = two.Ado->GetBookmark();
  one.Ado->Append();
  one.Datum->SetAsDateTime(EncodeDate(2016, 10, 3));
  one.Text->SetAsString(L"Einheit");
  one.Ado->Post();
  EXPECT_EQ(two.Ado->RecordCount(), 3);
  two.Ado->Refresh();
  EXPECT_EQ(two.Ado->RecordCount(), 4);
  EXPECT_TRUE(two.Ado->BookmarkValid(kept));
  two.Ado->GotoBookmark(kept);
  EXPECT_EQ(two.Text->AsString(), L"Tag der Arbeit");
  two.Ado->Last();
  EXPECT_EQ(two.Text->AsString(), L"Einheit");
}

// The holiday loader's walk: the record count first, then that many passes
// and at least one, each reading the date as a typed value (which an empty
// date or an empty table cannot give) and the text.
String LoadHolidays(TDataSource& Source, std::vector<String>& Days) {
  TDataSet* ds = Source.DataSet();
  Integer n = ds->RecordCount();
  ds->First();
  try {
    Integer i = 0;
    do {
      TDateTime d = ds->FieldByName(L"Datum")->Value().AsDateTime();
      String text = ds->FieldByName(L"Tagestext")->AsString();
      Days.push_back(FormatDateTime(L"yyyy-mm-dd", d) + L" " + text);
      ds->Next();
    } while (++i < n);
  } catch (const Exception& e) {
    return e.ClassName();
  }
  return L"";
}

TEST_F(HolidayDb, TheLoaderWalksTheTableInDateOrderAndStopsAtAMissingDate) {
  struct Case {
    const char* what;
    const wchar_t* setup;
    std::vector<String> days;
    bool fails;
  } cases[] = {
      {"three rows", L"", {L"2016-01-01 Neujahr", L"2016-03-27 Ostern", L"2016-05-01 Tag der Arbeit"}, false},
      {"empty table", L"DELETE FROM Feiertage", {}, true},
      {"empty date", L"UPDATE Feiertage SET Datum = NULL WHERE Tagestext = 'Ostern'", {}, true},
      {"empty text", L"UPDATE Feiertage SET Tagestext = NULL WHERE Tagestext = 'Ostern'",
       {L"2016-01-01 Neujahr", L"2016-03-27 ", L"2016-05-01 Tag der Arbeit"}, false},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.what);
    TRawDb(File).Run(L"DROP TABLE Feiertage");
    SetUp();
    if (*c.setup) TRawDb(File).Run(c.setup);
    Table t(ConnectionString);
    TDataSource source;
    source.SetDataSet(t.Ado);
    std::vector<String> days;
    String failure = LoadHolidays(source, days);
    EXPECT_EQ(days, c.days);
    EXPECT_EQ(!failure.empty(), c.fails) << std::string(failure.begin(), failure.end());
    if (!c.fails) {
      // The last pass moved past the last row, which stays current.
      EXPECT_TRUE(t.Ado->Eof());
      EXPECT_EQ(days.back().substr(11), t.Text->AsString());
    }
  }
}

TEST_F(HolidayDb, EditsThroughTheDataSourceArePostedOnCloseAndShowOnReopen) {
  {
    Table t(ConnectionString);
    TDataSource source;
    source.SetDataSet(t.Ado);
    TFieldDataLink text;
    text.SetFieldName(L"Tagestext");
    text.SetDataSource(&source);
    t.Ado->Last();
    EXPECT_TRUE(text.Edit());
    EXPECT_EQ(source.State(), dsEdit);
    t.Text->SetAsString(L"Maifeiertag");
    t.Ado->Prior();  // leaving a changed row posts it
    t.Ado->Delete();
    EXPECT_EQ(t.Ado->RecordCount(), 2);
    t.Ado->Insert();
    EXPECT_EQ(source.State(), dsInsert);
    t.Datum->SetAsDateTime(EncodeDate(2016, 12, 25));
    t.Text->SetAsString(L"Weihnachten");
    // What the main window does on closing with a change still open.
    if (source.State() == dsEdit) t.Ado->Post();
    if (source.State() == dsInsert) t.Ado->Post();
    t.Ado->Close();
  }
  Table again(ConnectionString);
  EXPECT_EQ(again.Rows(), (std::vector<String>{L"2016-01-01 00:00:00.000 Neujahr",
                                               L"2016-05-01 00:00:00.000 Maifeiertag",
                                               L"2016-12-25 00:00:00.000 Weihnachten"}));
}

TEST_F(HolidayDb, FailuresRaiseClearErrorsAndLeaveTheFileAlone) {
  String junk = Dir.Path(L"Other.mdb");
  {
    std::string bytes(4096, '\x17');
    bytes.replace(0, 19, std::string("\0\x01\0\0Standard Jet DB", 19));
    FILE* f = _wfopen(junk.c_str(), L"wb");
    fwrite(bytes.data(), 1, bytes.size(), f);
    fclose(f);
  }
  auto cs = [](const String& f) { return L"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + f; };
  struct Case {
    const char* what;
    String file;
    std::function<void()> act;
    String expected;
  };
  std::vector<Case> cases = {
      {"missing file", File, [&] { Table t(cs(Dir.Path(L"Nope.mdb"))); }, L"Nope.mdb"},
      {"other engine", junk, [&] { Table t(cs(junk)); }, L"Other.mdb' is not a database"},
      {"missing table", File,
       [&] {
         Table t(ConnectionString, false);
         t.Ado->SetTableName(L"Urlaub");
         t.Ado->Open();
       },
       L"Table 'Urlaub' does not exist"},
      {"locked database", File,
       [&] {
         Table t(ConnectionString);
         TRawDb other(File);
         other.Lock();
         t.Ado->Edit();
         t.Text->SetAsString(L"x");
         try {
           t.Ado->Post();
         } catch (...) {
           EXPECT_EQ(t.Ado->State(), dsEdit);
           throw;
         }
       },
       L"locked"},
      {"row gone", File,
       [&] {
         Table t(ConnectionString);
         TRawDb(File).Run(L"DELETE FROM Feiertage WHERE Tagestext = 'Neujahr'");
         std::string before = FileBytes(File);
         t.Ado->First();
         t.Ado->Edit();
         t.Text->SetAsString(L"x");
         try {
           t.Ado->Post();
         } catch (...) {
           EXPECT_EQ(FileBytes(File), before);
           throw;
         }
       },
       L"changed or deleted by another user"},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::string before = FileBytes(c.file);
    try {
      c.act();
      ADD_FAILURE() << "no exception";
    } catch (const EDatabaseError& e) {
      EXPECT_NE(e.Message().find(c.expected), String::npos) << std::string(e.Message().begin(), e.Message().end());
    }
    if (std::string(c.what) != "row gone") { EXPECT_EQ(FileBytes(c.file), before); }
  }
  EXPECT_FALSE(FileExists(Dir.Path(L"Nope.mdb")));
}

// A change the file or the driver refuses: a clear error naming the
// table and the file, the file as it was, and the record still in edit,
// so the user can cancel and go on browsing the rows as they were.
TEST_F(HolidayDb, AWriteTheFileOrTheDriverRefusesLeavesTableAndFileUsable) {
  struct Case {
    const char* what;
    std::function<void()> spoil;
    const wchar_t* reason;
  };
  std::unique_ptr<TRawDb> holder;
  std::vector<Case> cases = {
      {"driver refuses the write",
       [&] {
         TRawDb(File).Run(L"CREATE TRIGGER Refuse BEFORE UPDATE ON Feiertage "
                          L"BEGIN SELECT RAISE(ABORT, 'Feiertage sind gesperrt'); END");
       },
       L"Feiertage sind gesperrt"},
      {"locked by another connection",
       [&] {
         holder = std::make_unique<TRawDb>(File);
         holder->Lock();
       },
       L"locked"},
      {"deleted while open", [&] { ASSERT_TRUE(DeleteFileW(File.c_str())); }, L"readonly"},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.what);
    TRawDb(File).Run(L"DROP TABLE IF EXISTS Feiertage");
    SetUp();
    Table t(ConnectionString);
    c.spoil();
    const std::string before = FileBytes(File);
    t.Ado->First();
    t.Ado->Edit();
    t.Text->SetAsString(L"Ge\u00e4ndert");
    try {
      t.Ado->Post();
      ADD_FAILURE() << "the change was taken";
    } catch (const EDatabaseError& e) {
      const String message = e.Message();
      EXPECT_NE(message.find(L"Cannot change a row in table 'Feiertage' of '" + File + L"'"), String::npos)
          << UTF8Encode(message);
      EXPECT_NE(message.find(c.reason), String::npos) << UTF8Encode(message);
    }
    EXPECT_EQ(t.Ado->State(), dsEdit);
    EXPECT_EQ(FileBytes(File), before);
    t.Ado->Cancel();
    EXPECT_EQ(t.Text->AsString(), L"Neujahr");
    EXPECT_EQ(t.Rows(), (std::vector<String>{L"2016-01-01 00:00:00.000 Neujahr",
                                             L"2016-03-27 00:00:00.000 Ostern",
                                             L"2016-05-01 00:00:00.000 Tag der Arbeit"}));
    holder.reset();
  }
}

// An insert the driver refuses writes nothing; one it takes is there whole.
TEST_F(HolidayDb, AnInsertIsWrittenWholeOrNotAtAll) {
  TRawDb(File).Run(L"CREATE TRIGGER Refuse BEFORE INSERT ON Feiertage WHEN NEW.Tagestext = 'Sperre' "
                   L"BEGIN SELECT RAISE(ABORT, 'kein neuer Feiertag'); END");
  Table t(ConnectionString);
  t.Ado->Append();
  t.Datum->SetAsDateTime(EncodeDate(2016, 10, 3));
  t.Text->SetAsString(L"Sperre");
  EXPECT_THROW(t.Ado->Post(), EDatabaseError);
  EXPECT_EQ(t.Ado->State(), dsInsert);
  t.Text->SetAsString(L"Einheit");
  t.Ado->Post();
  Table again(ConnectionString);
  EXPECT_EQ(again.Rows(), (std::vector<String>{L"2016-01-01 00:00:00.000 Neujahr",
                                               L"2016-03-27 00:00:00.000 Ostern",
                                               L"2016-05-01 00:00:00.000 Tag der Arbeit",
                                               L"2016-10-03 00:00:00.000 Einheit"}));
}

// A file cut short is reported when the table opens or reads, and left as
// it is: never repaired or written over.
TEST_F(HolidayDb, ATruncatedFileIsReportedAndLeftAlone) {
  const std::string whole = FileBytes(File);
  for (size_t length : {size_t(0), size_t(100), whole.size() / 2}) {
    SCOPED_TRACE(length);
    FILE* f = _wfopen(File.c_str(), L"wb");
    fwrite(whole.data(), 1, length, f);
    fclose(f);
    try {
      Table t(ConnectionString);
      t.Rows();
      ADD_FAILURE() << "a file of " << length << " bytes was read as a table";
    } catch (const EDatabaseError& e) {
      EXPECT_NE(e.Message().find(File), String::npos) << UTF8Encode(e.Message());
    }
    EXPECT_EQ(FileBytes(File), whole.substr(0, length));
  }
}

// A file marked read-only: opening reads it, a change is refused.
TEST_F(HolidayDb, AReadOnlyFileIsReadAndAChangeRefused) {
  ASSERT_TRUE(SetFileAttributesW(File.c_str(), FILE_ATTRIBUTE_READONLY));
  struct TRestore {
    const String& File;
    ~TRestore() { SetFileAttributesW(File.c_str(), FILE_ATTRIBUTE_NORMAL); }
  } restore{File};
  bool writable = true;
  try {
    TRawDb(File).Run(L"CREATE TABLE Probe (x INTEGER)");
    TRawDb(File).Run(L"DROP TABLE Probe");
  } catch (const EDatabaseError&) {
    writable = false;
  }
  if (writable) GTEST_SKIP() << "this user may write files marked read-only (an administrator on this system)";
  Table t(ConnectionString);
  const std::string before = FileBytes(File);
  t.Ado->First();
  t.Ado->Edit();
  t.Text->SetAsString(L"x");
  EXPECT_THROW(t.Ado->Post(), EDatabaseError);
  EXPECT_EQ(t.Ado->State(), dsEdit);
  t.Ado->Cancel();
  EXPECT_EQ(t.Text->AsString(), L"Neujahr");
  EXPECT_EQ(FileBytes(File), before);
}

}  // namespace
