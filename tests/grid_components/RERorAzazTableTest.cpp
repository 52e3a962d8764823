// The data-aware grid in page mode over a real table: the ADO table
// reading an SQLite file through ODBC, edited and posted through the grid.
#include <gtest/gtest.h>

#include "grid/components/RERorAzaz.h"
#include "platform/data/data.h"
#include "platform/data/Odbc.h"
#include "tests/support/TempDir.h"
#include "tests/support/ui/Gui.h"

namespace jorv::grid {
using namespace jorv::test;

namespace {

// Makes the file behind the table's back, as the database's own tools would.
void RunOnFile(const String& File, const String& Sql, std::vector<TFieldValue> Params = {},
               std::vector<TFieldType> Types = {}) {
  using TUnixName = char*(__cdecl*)(const wchar_t*);
  auto ToUnix = reinterpret_cast<TUnixName>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  const std::string Path = ToUnix ? ToUnix(File.c_str()) : std::string(File.begin(), File.end());
  TOdbcHandles Handles;
  SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &Handles.Env);
  SQLSetEnvAttr(Handles.Env, SQL_ATTR_ODBC_VERSION, (SQLPOINTER)SQL_OV_ODBC3, 0);
  SQLAllocHandle(SQL_HANDLE_DBC, Handles.Env, &Handles.Dbc);
  const String Connect = L"DRIVER={SQLite3};Database=" + String(Path.begin(), Path.end()) + L";Timeout=200";
  const SQLRETURN R = SQLDriverConnectW(Handles.Dbc, nullptr, (SQLWCHAR*)Connect.c_str(), SQL_NTS, nullptr, 0, nullptr,
                                        SQL_DRIVER_NOPROMPT);
  ASSERT_TRUE(SQL_SUCCEEDED(R)) << "no SQLite3 ODBC driver";
  TOdbcStatement Statement(Handles);
  Statement.Execute(Sql, Params, Types, L"test");
}

class DataGridTableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RunOnFile(File, L"CREATE TABLE Items (Id INTEGER, Name VARCHAR(20))");
    for (Integer i = 1; i <= 40; ++i)
      RunOnFile(File, L"INSERT INTO Items VALUES (?, ?)", {Int64(i), String(L"Item" + IntToStr(i))},
                {ftInteger, ftWideString});
  }
  TADOTable* OpenTable(TComponent* Owner) {
    auto* Table = new TADOTable(Owner);
    Table->SetTableName(L"Items");
    Table->SetTableDirect(true);
    Table->SetCursorType(ctStatic);
    Table->SetIndexFieldNames(L"Id");
    Table->SetConnectionString(L"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + File +
                               L";Persist Security Info=False");
    Table->Open();
    return Table;
  }

  TTempDir Dir;
  String File = Dir.Path(L"Items.mdb");
};

TEST_F(DataGridTableTest, PageModeShowsMovesThroughAndEditsTheRecordsOfARealTable) {
  TTestForm Form(520, 320);
  TComponent Owner;
  TADOTable* Table = OpenTable(&Owner);
  TDataSource Source;
  Source.SetDataSet(Table);
  auto* Grid = new TRERorAzaz(Form.Get());
  Grid->SetParent(Form.Get());
  Grid->SetBounds(0, 0, 500, 22 * 11 + 4);
  Grid->SetDataSource(&Source);
  Grid->SetOptions(Grid->Options() + goEditing);
  Pump();
  Grid->SetFocus();
  Pump();
  EXPECT_EQ(Grid->RowCount(), 41);
  EXPECT_EQ(Grid->GetCells(2, 0), L"Name");
  EXPECT_EQ(Grid->GetCells(2, 3), L"Item3");
  for (Integer i = 0; i < 14; ++i) KeyToFocus(VK_DOWN);
  Pump();
  EXPECT_EQ(Table->FieldByName(L"Id")->AsInteger(), 15);
  EXPECT_EQ(Grid->Row(), 15);
  for (Integer r = Grid->TopRow(); r < Grid->TopRow() + Grid->VisibleRowCount(); ++r)
    EXPECT_EQ(Grid->GetCells(2, r), L"Item" + IntToStr(r)) << "row " << r;
  Grid->SetCol(2);
  Pump();
  KeyToFocus(VK_F2);
  KeyToFocus('A', {ssCtrl});
  TypeToFocus(L"Fifteen");
  KeyToFocus(VK_RETURN);
  Pump();
  EXPECT_EQ(Table->State(), dsBrowse);
  TComponent Other;
  TADOTable* Again = OpenTable(&Other);
  ASSERT_TRUE(Again->Locate(L"Id", Variant(15)));
  EXPECT_EQ(Again->FieldByName(L"Name")->AsString(), L"Fifteen") << "the edit reached the file";
}

}  // namespace
}  // namespace jorv::grid
