// The grid's filters and calculations against the database's own answers
// on the same generated data, through the SQLite3 ODBC driver: the rows a
// filter leaves equal those of the database's WHERE for the same
// condition, and each calculation equals its aggregate.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include "grid/core/RezIvevirAvod.h"
#include "grid/exchange/FilterLists.h"
#include "platform/rtl/SysUtils.h"
#include "tests/grid_exchange/SqliteTable.h"
#include "tests/support/PinnedFormatSettings.h"
#include "tests/support/TempDir.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

// A fixed sequence, so every run sees the same data.
struct TRandom {
  uint32_t State = 12345;
  Integer Below(Integer N) {
    State = State * 1664525u + 1013904223u;
    return static_cast<Integer>((State >> 8) % static_cast<uint32_t>(N));
  }
};

// Texts of one to three pieces, with blanks, quotes, the matcher's syntax
// characters and accented letters, now and then padded with blanks.
std::vector<String> MakePool(TRandom& Rnd) {
  const wchar_t* Pieces[] = {L"apple", L"Apple", L"APPLE", L"\u00C4pfel", L"\u00E4pfel", L"na\u00EFve", L"\u00C9cole",
                             L"stra\u00DFe", L"a=b", L"x&y", L"p|q", L"*", L"star*", L"!not", L"<5", L";", L"\"q\"",
                             L"say \"hi\"", L"?", L"50%", L"a_b", L"\\", L"ab", L"AB"};
  const Integer N = static_cast<Integer>(std::size(Pieces));
  std::vector<String> Pool{L"", L"  "};
  for (Integer i = 0; i < 400; ++i) {
    String Text;
    for (Integer p = Rnd.Below(3); p >= 0; --p) Text += String(Pieces[Rnd.Below(N)]) + (Rnd.Below(3) ? L"" : L" ");
    if (Rnd.Below(5) == 0) Text = L" " + Text + L" ";
    Pool.push_back(Text);
  }
  return Pool;
}

constexpr Integer RowCountOfData = 100000;

// 100,000 rows of three text columns in a shown grid (column 0 the id,
// row 0 fixed) and in the table t.
struct TDataGrid {
  TTempDir Dir;
  TSqliteTable Db{Dir.Path(L"filter.db"), 3};
  TTestForm Form{620, 400};
  TRezIvevirAvod* Grid = new TRezIvevirAvod(Form.Get());
  std::vector<std::vector<String>> Rows;
  TDataGrid() {
    TRandom Rnd;
    const std::vector<String> Pool = MakePool(Rnd);
    const Integer P = static_cast<Integer>(Pool.size());
    Grid->SetParent(Form.Get());
    Grid->SetBounds(0, 0, 600, 380);
    Grid->SetColCount(4);
    Grid->SetRowCount(RowCountOfData + 1);
    Grid->SetFixedRows(1);
    for (Integer r = 1; r <= RowCountOfData; ++r) {
      std::vector<String> Row{IntToStr(r), Pool[Rnd.Below(P)], Pool[Rnd.Below(P)], Pool[Rnd.Below(P)]};
      for (Integer c = 0; c < 4; ++c) Grid->SetCells(c, r, Row[c]);
      Rows.push_back(std::move(Row));
    }
    Db.Insert(Rows);
    Db.Run(L"PRAGMA case_sensitive_like = ON");
    Pump();
  }
  // The ids of the shown rows, each checked to hold its own cells.
  std::vector<Integer> Shown() {
    std::vector<Integer> Ids;
    for (Integer r = Grid->FixedRows(); r < Grid->RowCount(); ++r) {
      const Integer Id = StrToInt(Grid->GetCells(0, r));
      for (Integer c = 1; c < 4; ++c)
        if (Grid->GetCells(c, r) != Rows[Id - 1][c]) ADD_FAILURE() << "row " << Id << " lost its cells";
      Ids.push_back(Id);
    }
    return Ids;
  }
  std::vector<Integer> Where(const String& Condition, const std::vector<String>& Params) {
    return Db.Ids(L"SELECT id FROM t WHERE " + Condition + L" ORDER BY id", Params);
  }
};

// The value with LIKE's own characters escaped by "\".
String LikeEscaped(const String& Value) {
  String Result;
  for (Char C : Value) {
    if (C == L'%' || C == L'_' || C == L'\\') Result += L'\\';
    Result += C;
  }
  return Result;
}

Integer FirstItemWith(TStrings* Items, Char C) {
  for (Integer i = 0; i < Items->Count(); ++i)
    if (Items->Strings(i).find(C) != String::npos) return i;
  return -1;
}

TEST(GridFilterDatabase, EveryKindPickAndTickLeavesTheRowsOfTheSameWhere) {
  TDataGrid D;
  TRezIvevirAvod* G = D.Grid;
  G->SetFilterDropDownAuto(true);
  const String Values[] = {L"a=b", L"star*", L"say \"hi\"", L"p|q", L"\u00C4pfel", L"<5", L"50%", L"a_b", L"!not"};
  const struct {
    TFilterType Type;
    const wchar_t* Where;
    const wchar_t* Before;
    const wchar_t* After;
  } Kinds[] = {
      {ftStartsWith, L"c2 LIKE ? ESCAPE '\\'", L"", L"%"},      {ftEndsWith, L"c2 LIKE ? ESCAPE '\\'", L"%", L""},
      {ftContains, L"c2 LIKE ? ESCAPE '\\'", L"%", L"%"},       {ftNotContains, L"c2 NOT LIKE ? ESCAPE '\\'", L"%", L"%"},
      {ftEqual, L"c2 = ?", L"", L""},                           {ftNotEqual, L"c2 <> ?", L"", L""},
  };
  G->FilterEdit()->SetEnabled(true);
  for (const auto& K : Kinds)
    for (const String& V : Values) {
      G->SetCells(2, 0, V);
      G->SetFilterEditCondition(2, K.Type);
      const String Param = K.Type == ftEqual || K.Type == ftNotEqual ? V : K.Before + LikeEscaped(V) + K.After;
      EXPECT_EQ(D.Shown(), D.Where(K.Where, {Param})) << V << " kind " << K.Type;
    }
  // Case ignored: the database ignores the case of ASCII letters only, so
  // the values compared that way are plain ASCII.
  G->FilterEdit()->SetCaseSensitive(false);
  D.Db.Run(L"PRAGMA case_sensitive_like = OFF");
  for (const wchar_t* V : {L"apple", L"ab"}) {
    G->SetCells(2, 0, V);
    G->SetFilterEditCondition(2, ftContains);
    EXPECT_EQ(D.Shown(), D.Where(L"c2 LIKE ? ESCAPE '\\'", {L"%" + String(V) + L"%"})) << V;
  }
  D.Db.Run(L"PRAGMA case_sensitive_like = ON");
  G->FilterEdit()->SetEnabled(false);

  // A pick in column 1, then two ticks in column 3: each choice applies
  // the whole filter again as one level.
  ASSERT_TRUE(G->ShowFilterList(1));
  TDropList* List = G->FilterDropList();
  const Integer PickAt = FirstItemWith(List->Items(), L'|');
  ASSERT_GE(PickAt, 0);
  const String Picked = List->Items()->Strings(PickAt);
  List->SetItemIndex(PickAt);
  KeyPress(List, VK_RETURN);
  Pump();
  EXPECT_EQ(D.Shown(), D.Where(L"c1 = ?", {Picked}));
  G->SetFilterDropDownCheck(true);
  ASSERT_TRUE(G->ShowFilterList(3));
  TDropCheckList* Check = G->FilterDropCheckList();
  const Integer TickAt[] = {FirstItemWith(Check->Items(), L'"'), FirstItemWith(Check->Items(), L'*')};
  std::vector<String> Params{Picked};
  for (Integer At : TickAt) {
    ASSERT_GE(At, 0);
    Params.push_back(Check->Items()->Strings(At));
    Check->SetItemIndex(At);
    KeyPress(Check, VK_SPACE);
    Pump();
  }
  const std::vector<Integer> Ticked = D.Where(L"c1 = ? AND c3 IN (?, ?)", Params);
  EXPECT_EQ(D.Shown(), Ticked);
  G->HideFilterLists();
  // A further level on top; taking the levels back brings back exactly
  // the rows each one hid, with their cells.
  TFilterData* More = G->Filter()->Add();
  More->SetColumn(2);
  More->FilterType = ftContains;
  More->BuildCondition(L"a");
  G->ApplyFilter();
  Params.push_back(L"%a%");
  EXPECT_EQ(D.Shown(), D.Where(L"c1 = ? AND c3 IN (?, ?) AND c2 LIKE ?", Params));
  EXPECT_EQ(G->FilterLevel(), 2);
  G->RemoveLastFilter();
  EXPECT_EQ(D.Shown(), Ticked);
  G->RemoveLastFilter();
  EXPECT_EQ(D.Shown().size(), static_cast<size_t>(RowCountOfData));
}

}  // namespace

namespace {

// 10,000 number texts as users type them under German separators: plain,
// grouped, bracketed, signed, padded, and now and then a blank or a word.
TEST(GridCalculationsDatabase, ColumnCalculationsEqualTheDatabasesAggregates) {
  PinnedFormatSettings Pinned{GermanFormatSettings()};
  TTempDir Dir;
  TSqliteTable Db{Dir.Path(L"numbers.db"), 1};
  TRezIvevirAvod Grid{nullptr};
  constexpr Integer N = 10000;
  Grid.SetColCount(2);
  Grid.SetRowCount(N + 1);
  Grid.SetFixedRows(1);
  TRandom Rnd;
  std::vector<std::vector<String>> Rows;
  std::vector<double> Values;  // what each row counts in an average
  for (Integer r = 1; r <= N; ++r) {
    const Integer Cents = Rnd.Below(200000000) - 100000000;
    const double V = Cents / 100.0;
    const Integer Whole = std::abs(Cents) / 100, Frac = std::abs(Cents) % 100;
    const String Digits = IntToStr(Whole) + L"," + (Frac < 10 ? L"0" : L"") + IntToStr(Frac);
    String Grouped = IntToStr(Whole % 1000);
    if (Whole >= 1000) {
      const Integer Low = Whole % 1000;
      Grouped = IntToStr(Whole / 1000) + L"." + (Low < 100 ? L"0" : L"") + (Low < 10 ? L"0" : L"") + IntToStr(Low);
    }
    Grouped += L"," + (Frac < 10 ? String(L"0") : String()) + IntToStr(Frac);
    String Text;
    bool Number = true;
    switch (Rnd.Below(7)) {
      case 0: Text = (Cents < 0 ? L"-" : L"") + Digits; break;
      case 1: Text = (Cents < 0 ? L"-" : L"") + Grouped; break;
      case 2: Text = Cents < 0 ? L"(" + Grouped + L")" : Grouped; break;
      case 3: Text = L"  " + String(Cents < 0 ? L"-" : L"") + Digits + L" "; break;
      case 4: Text = (Cents < 0 ? L"-" : L"") + Grouped; break;
      case 5: Text = L"", Number = false; break;
      default: Text = Rnd.Below(2) ? L"n/a" : L"words", Number = false; break;
    }
    Grid.SetCells(1, r, Text);
    wchar_t Exact[64];
    swprintf(Exact, 64, L"%.17g", V);
    Rows.push_back({IntToStr(r), Number ? String(Exact) : String()});
    Values.push_back(Number ? V : 0);
  }
  Db.Insert(Rows);
  const String Real = L"CAST(NULLIF(c1, '') AS REAL)";
  auto Near = [](double Ours, double Theirs) { return std::abs(Ours - Theirs) <= 1e-9 * std::max(1.0, std::abs(Theirs)); };
  const double Sum = Db.Number(L"SELECT SUM(" + Real + L") FROM t");
  EXPECT_PRED2(Near, Grid.ColumnSum(1, -1, -1), Sum);
  // Every row counts in the average, a blank or a word as 0.
  EXPECT_PRED2(Near, Grid.ColumnAvg(1, -1, -1), Db.Number(L"SELECT AVG(COALESCE(" + Real + L", 0)) FROM t"));
  EXPECT_PRED2(Near, Grid.ColumnMin(1, -1, -1), Db.Number(L"SELECT MIN(" + Real + L") FROM t"));
  EXPECT_PRED2(Near, Grid.ColumnMax(1, -1, -1), Db.Number(L"SELECT MAX(" + Real + L") FROM t"));
  double Mean = 0, Squares = 0;
  for (double V : Values) Mean += V;
  Mean /= N;
  for (double V : Values) Squares += (V - Mean) * (V - Mean);
  EXPECT_PRED2(Near, Grid.ColumnStdDev(1, -1, -1), std::sqrt(Squares / N));
}

}  // namespace
