#include "bench/Cases.h"
#include "bench/Database.h"
#include "platform/data/Odbc.h"
#include "platform/data/data.h"

namespace jorv::bench {

namespace {

// What the program does with its table: open it in date order, walk it
// reading both fields, close it.
class THolidayTable {
 public:
  THolidayTable(TADOConnection* Connection, const std::wstring& Name) {
    FTable->SetConnection(Connection);
    FTable->SetTableName(Name);
    FTable->SetTableDirect(true);
    FTable->SetCursorType(ctStatic);
    FTable->SetIndexFieldNames(L"Datum");
    FDatum->SetFieldName(L"Datum");
    FDatum->SetDataSet(FTable);
    FText->SetFieldName(L"Tagestext");
    FText->SetSize(30);
    FText->SetDataSet(FTable);
  }
  // The sum keeps the reads from being optimised away.
  double Walk() {
    FTable->Open();
    double sum = WalkOpen();
    FTable->Close();
    return sum;
  }
  double WalkOpen() {
    double sum = 0;
    for (FTable->First(); !FTable->Eof(); FTable->Next()) {
      sum += FDatum->AsDateTime();
      sum += double(FText->AsString().size());
    }
    return sum;
  }
  TADOTable* Table() const { return FTable; }

 private:
  TComponent FOwner;
  TADOTable* FTable = new TADOTable(&FOwner);
  TDateTimeField* FDatum = new TDateTimeField(&FOwner);
  TWideStringField* FText = new TWideStringField(&FOwner);
};

// What reading the table's definitions asks of the driver, bare.
void BareCatalog(SQLHDBC Dbc, const std::wstring& Name) {
  for (int query = 0; query < 2; ++query) {
    SQLHSTMT st = nullptr;
    SQLAllocHandle(SQL_HANDLE_STMT, Dbc, &st);
    std::wstring table = Name;
    auto* text = reinterpret_cast<SQLWCHAR*>(table.data());
    if (query == 0)
      SQLColumnsW(st, nullptr, 0, nullptr, 0, text, SQL_NTS, nullptr, 0);
    else
      SQLPrimaryKeysW(st, nullptr, 0, nullptr, 0, text, SQL_NTS);
    while (SQL_SUCCEEDED(SQLFetch(st))) {
    }
    SQLFreeHandle(SQL_HANDLE_STMT, st);
  }
}

// The rows as the table reads them (with SQLite's rowid, which stands in
// for a missing key), through the platform's statement layer.
void LayerFetch(TADOConnection& Connection, const std::wstring& Name) {
  TOdbcStatement st(Connection.Handles());
  st.Execute(L"SELECT [Datum], [Tagestext], rowid FROM [" + Name + L"] ORDER BY [Datum]", {}, {}, L"bench");
  while (st.Fetch(L"bench")) {
    st.Get(1, ftDateTime, L"bench");
    st.Get(2, ftWideString, L"bench");
    st.Get(3, ftLargeint, L"bench");
  }
}

// The same rows through one bare ODBC statement.
double BareFetch(SQLHDBC Dbc, const std::wstring& Name) {
  SQLHSTMT st = nullptr;
  SQLAllocHandle(SQL_HANDLE_STMT, Dbc, &st);
  std::wstring sql = L"SELECT Datum, Tagestext FROM " + Name + L" ORDER BY Datum";
  SQLExecDirectW(st, reinterpret_cast<SQLWCHAR*>(sql.data()), SQL_NTS);
  double sum = 0;
  while (SQL_SUCCEEDED(SQLFetch(st))) {
    SQL_TIMESTAMP_STRUCT stamp{};
    SQLLEN length = 0;
    SQLGetData(st, 1, SQL_C_TYPE_TIMESTAMP, &stamp, sizeof stamp, &length);
    wchar_t text[64];
    SQLGetData(st, 2, SQL_C_WCHAR, text, sizeof text, &length);
    sum += stamp.day + double(length);
  }
  SQLFreeHandle(SQL_HANDLE_STMT, st);
  return sum;
}

}  // namespace

void DatabaseCase(TTable& Table) {
  TScratchDir dir;
  const int sizes[] = {100, 10000, 200000};
  std::unique_ptr<TADOConnection> owned = OpenDatabase(dir.File(L"Tarvok.mdb"));
  TADOConnection& connection = *owned;
  for (int rows : sizes) MakeHolidayTable(connection, L"Feiertage" + std::to_wstring(rows), rows);
  // The bare statements run on the same ODBC connection, so both sides
  // leave connecting out.
  const SQLHDBC dbc = connection.Handles().Dbc;
  for (int rows : sizes) {
    const std::wstring name = L"Feiertage" + std::to_wstring(rows);
    const TRepeat repeat{3, 200, 1.5};
    volatile double sink = 0;
    THolidayTable table(&connection, name);
    const double ours = MedianNs([&] { sink = sink + table.Walk(); }, repeat);
    const double reference = MedianNs([&] { sink = sink + BareFetch(dbc, name); }, repeat);
    Table.Add({Format("3 TADOTable open and walk, %d rows, vs bare ODBC", rows), Duration(ours),
               Duration(reference), ours / reference, "<= 1.5", AtMost(ours / reference, 1.5)});
    // Where the time goes: opening (definitions and reading every row
    // into records) and walking the open table.
    const double opening = MedianNs([&] {
      table.Table()->Open();
      table.Table()->Close();
    }, repeat);
    table.Table()->Open();
    const double walking = MedianNs([&] { sink = sink + table.WalkOpen(); }, repeat);
    table.Table()->Close();
    const double catalog = MedianNs([&] { BareCatalog(dbc, name); }, repeat);
    const double layer = MedianNs([&] { LayerFetch(connection, name); }, repeat);
    Table.Add({Format("3 (of which opening and closing, %d rows)", rows), Duration(opening), Duration(reference),
               opening / reference, "", vdInforms});
    Table.Add({Format("3 (of which walking, %d rows)", rows), Duration(walking), Duration(reference),
               walking / reference, "", vdInforms});
    Table.Add({"3 (definitions alone: bare column and key catalog)", Duration(catalog), Duration(reference),
               catalog / reference, "", vdInforms});
    Table.Add({"3 (rows alone: statement layer, with rowid)", Duration(layer), Duration(reference),
               layer / reference, "", vdInforms});
  }
}

}  // namespace jorv::bench
