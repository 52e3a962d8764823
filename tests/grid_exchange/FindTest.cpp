// Finding and replacing cell texts: how one cell matches under each
// switch, the order of the walk, continuing and ending a search, replacing
// in the matches, and rows found by one condition per column.
#include <gtest/gtest.h>

#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/SysUtils.h"

using namespace jorv;
using namespace jorv::grid;

namespace {

// Row 0 and column 0 fixed; normal cells (1..3, 1..4), all "zz" unless set.
struct TFindGrid {
  TRezIvevirAvod Grid{nullptr};
  TFindGrid() {
    Grid.SetColCount(4);
    Grid.SetRowCount(5);
    Grid.SetFixedRows(1);
    Grid.SetFixedCols(1);
    for (Integer c = 1; c < 4; ++c)
      for (Integer r = 1; r < 5; ++r) Grid.SetCells(c, r, L"zz");
  }
  TPoint First(const String& S, TFindParams P = {}) { return Grid.FindFirst(S, P); }
};

void ExpectCell(TPoint Got, Integer C, Integer R) {
  EXPECT_EQ(Got.X, C);
  EXPECT_EQ(Got.Y, R);
}

TEST(GridFind, OneCellMatchesByTheSwitches) {
  struct TCase {
    const wchar_t* Cell;
    const wchar_t* Search;
    TFindParams Params;
    bool Found;
  };
  const TCase Cases[] = {
      {L"xaby", L"AB", {}, true},
      {L"xaby", L"AB", {fnMatchStart}, false},
      {L"abxy", L"AB", {fnMatchStart}, true},
      {L"xaby", L"AB", {fnMatchFull}, false},
      {L"aB", L"AB", {fnMatchFull}, true},
      {L"xaby", L"AB", {fnMatchCase}, false},
      {L"xABy", L"AB", {fnMatchCase}, true},
      {L"<b>word</b>", L"word", {fnIgnoreHTMLTags}, true},
      {L"<b>word</b>", L"b>", {fnIgnoreHTMLTags}, false},
      {L"<b>word</b>", L"b>", {}, true},
      {L"12", L"<20", {fnMatchRegular}, true},
      {L"25", L"<20", {fnMatchRegular}, false},
      {L"abc", L"a*", {fnMatchRegular}, true},
  };
  for (const TCase& C : Cases) {
    TFindGrid G;
    G.Grid.SetCells(2, 3, C.Cell);
    const TPoint Got = G.First(C.Search, C.Params);
    EXPECT_EQ(Got.X == 2 && Got.Y == 3, C.Found) << C.Cell << L" / " << C.Search;
    EXPECT_EQ(G.Grid.FindBusy(), C.Found);
  }
}

TEST(GridFind, TwoDoubleQuotesFindTheFirstEmptyCell) {
  TFindGrid G;
  G.Grid.SetCells(3, 1, L"");
  G.Grid.SetCells(2, 4, L"");
  ExpectCell(G.First(L"\"\""), 2, 4);
  ExpectCell(G.First(L"\"\"", {fnDirectionLeftRight}), 3, 1);
}

TEST(GridFind, ColumnByColumnOrRowByRowInEitherDirection) {
  TFindGrid G;
  G.Grid.SetCells(1, 2, L"hit");
  G.Grid.SetCells(2, 1, L"hit");
  ExpectCell(G.First(L"hit"), 1, 2);
  ExpectCell(G.First(L"hit", {fnDirectionLeftRight}), 2, 1);
  ExpectCell(G.First(L"hit", {fnBackward}), 2, 1);
  ExpectCell(G.First(L"hit", {fnBackward, fnDirectionLeftRight}), 1, 2);
}

TEST(GridFind, NextWalksOnEndsOnceAndStartsOverAfterwards) {
  TFindGrid G;
  G.Grid.SetCells(1, 4, L"hit");  // last row of column 1
  G.Grid.SetCells(2, 1, L"hit");  // top of column 2
  G.Grid.SetCells(3, 3, L"hit");
  ExpectCell(G.First(L"HIT"), 1, 4);
  ExpectCell(G.Grid.FindNext(), 2, 1);
  ExpectCell(G.Grid.FindNext(), 3, 3);
  ExpectCell(G.Grid.FindNext(), -1, -1);
  EXPECT_FALSE(G.Grid.FindBusy());
  ExpectCell(G.Grid.FindNext(), 1, 4);
  // Backwards from the middle match.
  ExpectCell(G.Grid.Find(TPoint{2, 1}, L"hit", {fnBackward}), 1, 4);
}

TEST(GridFind, FixedCellsHiddenColumnsAndTheSelection) {
  TFindGrid G;
  G.Grid.SetCells(0, 2, L"head");
  G.Grid.SetCells(3, 2, L"tail");
  ExpectCell(G.First(L"head"), -1, -1);
  ExpectCell(G.First(L"head", {fnIncludeFixed}), 0, 2);
  G.Grid.HideColumn(3);
  ExpectCell(G.First(L"tail"), -1, -1);
  ExpectCell(G.First(L"tail", {fnIncludeHiddenColumns}), 3, 2);
  G.Grid.UnHideColumn(3);
  G.Grid.SetCells(1, 1, L"tail");
  G.Grid.SetSelection(TGridRect{2, 1, 3, 4});
  ExpectCell(G.First(L"tail", {fnSelectedCells}), 3, 2);
}

TEST(GridFind, ARestrictedSearchStepsAlongItsLineAndEnds) {
  TFindGrid G;
  for (Integer r = 1; r < 5; ++r) G.Grid.SetCells(2, r, L"a" + IntToStr(r));
  G.Grid.SetCells(3, 1, L"a");
  G.Grid.SetFindCol(2);
  // Row by row asked for, but one column given: its rows one after another.
  const TFindParams Params{fnFindInPresetCol, fnDirectionLeftRight};
  ExpectCell(G.First(L"a", Params), 2, 1);
  ExpectCell(G.Grid.FindNext(), 2, 2);
  ExpectCell(G.Grid.FindNext(), 2, 3);
  ExpectCell(G.Grid.FindNext(), 2, 4);
  ExpectCell(G.Grid.FindNext(), -1, -1);
  G.Grid.SetFindRow(1);
  ExpectCell(G.First(L"a", {fnFindInPresetRow}), 2, 1);
  ExpectCell(G.Grid.FindNext(), 3, 1);
  ExpectCell(G.Grid.FindNext(), -1, -1);
  // A new text that still holds the searched one does not keep the search going.
  EXPECT_EQ(G.Grid.Replace(L"a", L"aa", Params), 4);
  EXPECT_EQ(G.Grid.GetCells(2, 4), L"aa4");
  EXPECT_EQ(G.Grid.GetCells(3, 1), L"a");
}

TEST(GridFind, ReplaceChangesEachMatchOnceIgnoringCase) {
  TFindGrid G;
  G.Grid.SetCells(1, 1, L"Aa");
  G.Grid.SetCells(2, 2, L"ba");
  G.Grid.SetCells(3, 4, L"A");
  EXPECT_EQ(G.Grid.Replace(L"a", L"aa", {}), 3);
  EXPECT_EQ(G.Grid.GetCells(1, 1), L"aaaa");
  EXPECT_EQ(G.Grid.GetCells(2, 2), L"baa");
  EXPECT_EQ(G.Grid.GetCells(3, 4), L"aa");
  EXPECT_EQ(G.Grid.GetCells(1, 2), L"zz");
  // The match honours the case; the replacement does not.
  EXPECT_EQ(G.Grid.Replace(L"A", L"b", {fnMatchCase}), 0);
  G.Grid.SetCells(1, 3, L"Ab a");
  EXPECT_EQ(G.Grid.Replace(L"A", L"-", {fnMatchCase}), 1);
  EXPECT_EQ(G.Grid.GetCells(1, 3), L"-b -");
}

TEST(GridFind, HiddenRowsAreSearchedOnlyWhenAskedAndTheirNodeOpens) {
  TRezIvevirAvod Grid{nullptr};
  Grid.SetColCount(3);
  Grid.SetRowCount(7);
  Grid.SetFixedRows(1);
  for (Integer r = 1; r < 7; ++r) Grid.SetCells(1, r, L"row" + IntToStr(r));
  Grid.AddNode(2, 3);  // rows 3 and 4 belong to the node on row 2
  Grid.ContractNode(2);
  ASSERT_EQ(Grid.RowCount(), 5);
  EXPECT_EQ(Grid.FindFirst(L"row4", {}).X, -1);
  const TPoint Hidden = Grid.FindFirst(L"row4", {fnIncludeHiddenRows});
  ExpectCell(Hidden, 1, 4);
  EXPECT_EQ(Grid.RowCount(), 5);
  Grid.FindFirst(L"row4", {fnIncludeHiddenRows, fnAutoGoto});
  EXPECT_EQ(Grid.RowCount(), 7);
  EXPECT_EQ(Grid.Row(), 4);
  EXPECT_EQ(Grid.Col(), 1);
}

TEST(GridFind, NothingToSearchFindsNothing) {
  TRezIvevirAvod Grid{nullptr};
  Grid.SetColCount(2);
  Grid.SetRowCount(2);
  Grid.SetFixedRows(1);
  Grid.SetFixedFooters(1);  // the only row below the header is a footer
  Grid.SetCells(1, 0, L"x");
  Grid.SetCells(1, 1, L"x");
  EXPECT_EQ(Grid.FindFirst(L"x", {}).X, -1);
  EXPECT_EQ(Grid.Replace(L"x", L"y", {}), 0);
  EXPECT_EQ(Grid.GetCells(1, 1), L"x");
  EXPECT_EQ(Grid.FindFirst(L"x", {fnIncludeFixed}).Y, 0);
}

TEST(GridFindMulti, RowsMeetingEveryConditionAndUnequalArrays) {
  TFindGrid G;
  G.Grid.SetCells(1, 2, L"abc");
  G.Grid.SetCells(2, 2, L"x b c y");
  G.Grid.SetCells(1, 3, L"abd");
  G.Grid.SetCells(2, 3, L"b c");
  G.Grid.SetCells(2, 4, L"b");
  EXPECT_EQ(G.Grid.FindMulti({L"b c"}, {2}, {stContains}, {false}, false), 2);
  EXPECT_EQ(G.Grid.FindMultiNext(), 3);
  EXPECT_EQ(G.Grid.FindMultiNext(), -1);
  EXPECT_EQ(G.Grid.FindMulti({L"AB", L"b c"}, {1, 2}, {stStartsWith, stEqual}, {false, false}, true), 3);
  EXPECT_EQ(G.Grid.Row(), 3);
  EXPECT_EQ(G.Grid.FindMulti({L"AB"}, {1}, {stStartsWith}, {true}, false), -1);
  EXPECT_EQ(G.Grid.FindMulti({L"zz"}, {1}, {stNotContains}, {false}, false), 2);
  EXPECT_EQ(G.Grid.FindMulti({L"d"}, {1}, {stEndsWith}, {false}, false), 3);
  try {
    G.Grid.FindMulti({L"a", L"b"}, {1}, {stEqual, stEqual}, {false, false}, false);
    FAIL() << "no exception";
  } catch (const Exception& E) {
    EXPECT_EQ(E.Message(), L"Array size of parameters not matching");
  }
  // The last good conditions stay.
  G.Grid.SetSearchCell(TPoint{0, 1});
  EXPECT_EQ(G.Grid.FindMultiNext(), 3);
}

}  // namespace
