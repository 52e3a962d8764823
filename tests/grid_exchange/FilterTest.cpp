// Filtering the extended grid: the row test over its conditions, filters
// stacked as levels of the hidden-row store and taken back level by level
// with their cells, and narrowing down as a search box types.
#include <gtest/gtest.h>

#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/SysUtils.h"

using namespace jorv;
using namespace jorv::grid;

namespace {

// Column 0 the row's number, column 1 and 2 the texts given; row 0 fixed.
struct TFilterGrid {
  TRezIvevirAvod Grid{nullptr};
  explicit TFilterGrid(std::initializer_list<std::pair<const wchar_t*, const wchar_t*>> Rows) {
    Grid.SetColCount(3);
    Grid.SetRowCount(static_cast<Integer>(Rows.size()) + 1);
    Grid.SetFixedRows(1);
    Integer r = 1;
    for (auto& Row : Rows) {
      Grid.SetCells(0, r, IntToStr(r));
      Grid.SetCells(1, r, Row.first);
      Grid.SetCells(2, r, Row.second);
      ++r;
    }
  }
  // The numbers of the shown rows, joined with blanks.
  String Shown() {
    String S;
    for (Integer r = 1; r < Grid.RowCount(); ++r) S += (S.empty() ? L"" : L" ") + Grid.GetCells(0, r);
    return S;
  }
  TFilterData* Add(Integer Col, const String& Condition, TFilterOperation Op) {
    TFilterData* F = Grid.Filter()->Add();
    F->SetColumn(static_cast<SmallInt>(Col));
    F->SetCondition(Condition);
    F->SetOperation(Op);
    return F;
  }
};

TEST(GridFilter, OperationsJoinItemsInOrder) {
  TFilterGrid G({{L"apple", L"red"}, {L"pear", L"green"}, {L"plum", L"red"}, {L"fig", L"blue"}});
  G.Add(1, L"p*", foNONE);
  G.Add(2, L"red", foOR);
  G.Grid.SetFilterActive(true);
  EXPECT_EQ(G.Shown(), L"1 2 3");
}

}  // namespace

namespace {

TEST(GridFilter, ShortItemEndsTheTestAndDisabledItemsTakeNoPart) {
  TFilterGrid G({{L"apple", L"red"}, {L"pear", L"green"}, {L"plum", L"red"}});
  G.Add(1, L"x*", foNONE)->SetEnabled(false);
  G.Add(1, L"a*", foSHORT);
  G.Add(2, L"green", foOR);
  G.Grid.SetFilterActive(true);
  EXPECT_EQ(G.Shown(), L"1");
}

TEST(GridFilter, BuildConditionQuotesValuesWithBlanksAndDoublesTheirQuotes) {
  const struct {
    TFilterType Type;
    const wchar_t* Value;
    const wchar_t* Condition;
  } Cases[] = {
      {ftStartsWith, L"new york", L"\"new york\"*"}, {ftEndsWith, L"ab", L"*ab"},
      {ftContains, L"ab", L"*ab*"},                  {ftNotContains, L"ab", L"!*ab*"},
      {ftEqual, L"say \"hi\" now", L"\"say \"\"hi\"\" now\""}, {ftNotEqual, L"ab", L"!ab"},
  };
  for (const auto& C : Cases) {
    TFilterData F;
    F.FilterType = C.Type;
    F.BuildCondition(C.Value);
    EXPECT_EQ(F.Condition(), C.Condition) << C.Value;
  }
}

// A typed value filters on exactly that value: its "*", "?", "!", "<" and
// quotes are no syntax.
TEST(GridFilter, BuiltConditionsMatchTheValueAsItIs) {
  TFilterGrid G({{L"a*b", L""}, {L"axb", L""}, {L"<5", L""}, {L"3", L""}, {L"say \"hi\"", L""}, {L"!x", L""}});
  const struct {
    TFilterType Type;
    const wchar_t* Value;
    const wchar_t* Shown;
  } Cases[] = {
      {ftEqual, L"a*b", L"1"},        {ftContains, L"*", L"1"},      {ftStartsWith, L"<", L"3"},
      {ftEqual, L"say \"hi\"", L"5"}, {ftNotContains, L"a", L"3 4 6"}, {ftEqual, L"!x", L"6"},
  };
  for (const auto& C : Cases) {
    G.Grid.Filter()->Clear();
    TFilterData* F = G.Grid.Filter()->Add();
    F->SetColumn(1);
    F->FilterType = C.Type;
    F->BuildCondition(C.Value);
    G.Grid.SetFilterActive(true);
    EXPECT_EQ(G.Shown(), C.Shown) << C.Value;
    G.Grid.SetFilterActive(false);
  }
}

// Each filter is one level; taking levels back restores exactly the rows
// each one hid, with their cells, and FilterActive := False takes back one
// level so that the next removal takes back the one before.
TEST(GridFilter, LevelsComeBackOneByOneWithTheirCells) {
  TFilterGrid G({{L"apple", L"1"}, {L"pear", L"2"}, {L"plum", L"3"}, {L"fig", L"4"}});
  G.Grid.SetFontColors(2, 4, TColor(0x123456));
  G.Add(1, L"p*", foNONE);
  G.Grid.SetFilterActive(true);
  EXPECT_EQ(G.Shown(), L"2 3");
  G.Add(1, L"*m", foAND);
  G.Grid.ApplyFilter();
  EXPECT_EQ(G.Shown(), L"3");
  EXPECT_EQ(G.Grid.FilterLevel(), 2);
  G.Grid.SetFilterActive(false);
  EXPECT_EQ(G.Shown(), L"2 3");
  EXPECT_EQ(G.Grid.FilterLevel(), 1);
  G.Grid.RemoveLastFilter();
  EXPECT_EQ(G.Shown(), L"1 2 3 4");
  EXPECT_EQ(G.Grid.FilterLevel(), 0);
  EXPECT_EQ(G.Grid.GetCells(1, 4), L"fig");
  EXPECT_EQ(G.Grid.GetFontColors(2, 4), TColor(0x123456));
}

TEST(GridFilter, RemoveAllFiltersKeepsConditionsBeyondTheLevels) {
  TFilterGrid G({{L"apple", L"1"}, {L"pear", L"2"}, {L"plum", L"3"}});
  G.Add(1, L"p*", foNONE);
  G.Add(2, L"2", foOR);
  G.Add(2, L"!9", foAND);
  G.Grid.SetFilterActive(true);
  G.Grid.RemoveAllFilters();
  EXPECT_EQ(G.Shown(), L"1 2 3");
  EXPECT_EQ(G.Grid.Filter()->Count(), 2);
}

TEST(GridFilter, NarrowDownAddsAndTakesBackOneLevelPerCharacter) {
  TFilterGrid G({{L"abc", L"x"}, {L"abd", L"y"}, {L"acd", L"42"}, {L"bcd", L"z"}});
  G.Grid.NarrowDown(L"a", 1);
  G.Grid.NarrowDown(L"ab", 1);
  G.Grid.NarrowDown(L"abc", 1);
  EXPECT_EQ(G.Shown(), L"1");
  EXPECT_EQ(G.Grid.FilterLevel(), 3);
  G.Grid.NarrowDown(L"ab", 1);
  EXPECT_EQ(G.Shown(), L"1 2");
  EXPECT_EQ(G.Grid.FilterLevel(), 2);
  G.Grid.NarrowDown(L"42", -1);
  EXPECT_EQ(G.Shown(), L"3");
}

// Clearing the search text shows every hidden row again, also a range
// hidden before, and loses none of their cells.
TEST(GridFilter, EmptyNarrowDownShowsEveryHiddenRowWithItsCells) {
  TFilterGrid G({{L"abc", L"x"}, {L"abd", L"y"}, {L"acd", L"z"}});
  G.Grid.HideRow(3);
  G.Grid.NarrowDown(L"ab", 1);
  G.Grid.NarrowDown(L"", 1);
  EXPECT_EQ(G.Shown(), L"1 2 3");
  EXPECT_EQ(G.Grid.GetCells(1, 3), L"acd");
  EXPECT_EQ(G.Grid.NumHiddenRows(), 0);
  EXPECT_EQ(G.Grid.FilterLevel(), 0);
}

TEST(GridFilter, NormalCellsOnlyKeepsNodeRowsShown) {
  TFilterGrid G({{L"apple", L"1"}, {L"pear", L"2"}});
  G.Grid.CreateCellGraphic(0, 1)->SetCellType(ctNode);
  G.Add(1, L"pear", foNONE);
  G.Grid.SetFilterActive(true);
  EXPECT_EQ(G.Shown(), L"1 2");
}

}  // namespace
