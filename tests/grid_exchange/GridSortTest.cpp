// Sorting the extended grid's rows: every sort style on a column of its
// kind of cells, both directions, several columns, the sort index list,
// blanks, the way back to the unsorted order, and the sort state string.
#include <gtest/gtest.h>

#include "grid/core/RezIvevirAvod.h"
#include "platform/gfx/ImageList.h"
#include "platform/rtl/SysUtils.h"
#include "tests/support/PinnedFormatSettings.h"

using namespace jorv;
using namespace jorv::grid;

namespace {

// One fixed row; column 1 holds the texts to sort, column 2 a label per
// row ("r1", "r2", ...) that shows where each row went.
struct TSortGrid {
  TRezIvevirAvod Grid{nullptr};
  PinnedFormatSettings Pin{USFormatSettings()};
  explicit TSortGrid(const std::vector<String>& Texts) {
    Grid.SetColCount(4);
    Grid.SetRowCount(Integer(Texts.size()) + 1);
    for (size_t i = 0; i < Texts.size(); ++i) {
      Grid.SetCells(1, Integer(i) + 1, Texts[i]);
      Grid.SetCells(2, Integer(i) + 1, L"r" + IntToStr(Int64(i) + 1));
    }
  }
  std::vector<String> Column(Integer Col) {
    std::vector<String> Result;
    for (Integer r = 1; r < Grid.RowCount(); ++r) Result.push_back(Grid.GetCells(Col, r));
    return Result;
  }
  void UseStyle(TSortStyle Style) {
    Grid.SortSettings()->SetAutoFormat(false);
    Grid.SortSettings()->SetDefaultFormat(Style);
  }
};

using TTexts = std::vector<String>;

struct TStyleCase {
  TSortStyle Style;
  TTexts Texts;
  TTexts Ascending;
};

}  // namespace

TEST(GridSort, EveryTextStyleOrdersItsCellsBothWays) {
  const TStyleCase Cases[] = {
      {ssAutomatic, {L"10", L"9", L"100", L"abc", L"", L"5"}, {L"", L"5", L"9", L"10", L"100", L"abc"}},
      {ssAutomatic, {L"03/04/2016", L"12/01/2015", L"01/01/2017"}, {L"12/01/2015", L"03/04/2016", L"01/01/2017"}},
      {ssAutomatic, {L"10:15", L"9:30", L"23:00"}, {L"9:30", L"10:15", L"23:00"}},
      {ssAlphabetic, {L"b", L"B", L"a", L"10", L"9"}, {L"10", L"9", L"B", L"a", L"b"}},
      {ssAlphaCase, {L"b", L"a", L"C"}, {L"C", L"a", L"b"}},
      {ssAlphaNoCase, {L"b", L"C", L"a"}, {L"a", L"b", L"C"}},
      {ssNumeric, {L"10", L"9", L"100", L"-1.5"}, {L"-1.5", L"9", L"10", L"100"}},
      {ssFinancial, {L"1,200", L"950", L"5"}, {L"5", L"950", L"1,200"}},
      {ssDate, {L"03/04/2016", L"12/01/2015", L"01/01/2017"}, {L"12/01/2015", L"03/04/2016", L"01/01/2017"}},
      {ssDateTime, {L"1/2/2016 10:00", L"1/2/2016 9:30", L"12/31/2015 23:00"},
       {L"12/31/2015 23:00", L"1/2/2016 9:30", L"1/2/2016 10:00"}},
      {ssShortDateEU, {L"03/04/2016", L"12/01/2016", L"01/02/2016"}, {L"12/01/2016", L"01/02/2016", L"03/04/2016"}},
      {ssShortDateUS, {L"03/04/2016", L"12/01/2016", L"01/02/2016"}, {L"01/02/2016", L"03/04/2016", L"12/01/2016"}},
      {ssTime, {L"10:00", L"9:30", L"23:15"}, {L"9:30", L"10:00", L"23:15"}},
      {ssAnsiAlphaCase, {L"zebra", L"\u00C4pfel", L"apple", L"Bear"}, {L"\u00C4pfel", L"apple", L"Bear", L"zebra"}},
      {ssAnsiAlphaNoCase, {L"Zeta", L"alpha", L"Beta"}, {L"alpha", L"Beta", L"Zeta"}},
      {ssHTML, {L"<b>b</b>", L"a", L"<i>c</i>"}, {L"a", L"<b>b</b>", L"<i>c</i>"}},
      {ssAlphaNumeric, {L"10", L"b", L"9", L"a"}, {L"9", L"10", L"a", L"b"}},
      {ssAlphaNumericNoCase, {L"b", L"A", L"10", L"9"}, {L"9", L"10", L"A", L"b"}},
      {ssNatural, {L"item10", L"item9", L"Item100"}, {L"item9", L"item10", L"Item100"}},
  };
  for (const TStyleCase& Case : Cases) {
    SCOPED_TRACE(testing::Message() << "style " << int(Case.Style) << " first " << Case.Texts[0]);
    TSortGrid G(Case.Texts);
    if (Case.Style != ssAutomatic) G.UseStyle(Case.Style);
    G.Grid.Sort(1, sdAscending);
    EXPECT_EQ(G.Column(1), Case.Ascending);
    G.Grid.Sort(1, sdDescending);
    EXPECT_EQ(G.Column(1), TTexts(Case.Ascending.rbegin(), Case.Ascending.rend()));
  }
}

TEST(GridSort, NumbersFollowThePrefixAndSuffixOfTheFormatEvent) {
  TSortGrid G({L"$1,200", L"$950", L"$5"});
  G.Grid.OnGetFormat = [](TObject*, Integer, TSortStyle& Style, String& Prefix, String&) {
    Style = ssFinancial;
    Prefix = L"$";
  };
  G.Grid.Sort(1, sdAscending);
  EXPECT_EQ(G.Column(1), (TTexts{L"$5", L"$950", L"$1,200"}));
  // Without removing the thousand separator, 1,200 is no number and counts 0.
  G.Grid.OnGetFormat = [](TObject*, Integer, TSortStyle& Style, String& Prefix, String&) {
    Style = ssNumeric;
    Prefix = L"$";
  };
  G.Grid.Sort(1, sdAscending);
  EXPECT_EQ(G.Column(1), (TTexts{L"$1,200", L"$5", L"$950"}));
}

// Where the decimal separator is a comma, numbers are read with it; a
// point is a thousand separator that only the financial style removes, and
// a text that does not read counts as 0.
TEST(GridSort, NumbersReadTheLocaleSeparators) {
  const TStyleCase Cases[] = {
      {ssNumeric, {L"10,5", L"9,75", L"100", L"1.200,5"}, {L"1.200,5", L"9,75", L"10,5", L"100"}},
      {ssFinancial, {L"10,5", L"9,75", L"100", L"1.200,5"}, {L"9,75", L"10,5", L"100", L"1.200,5"}},
  };
  for (const TStyleCase& Case : Cases) {
    SCOPED_TRACE(testing::Message() << "style " << int(Case.Style));
    TSortGrid G(Case.Texts);
    PinnedFormatSettings German(GermanFormatSettings());
    G.UseStyle(Case.Style);
    G.Grid.Sort(1, sdAscending);
    EXPECT_EQ(G.Column(1), Case.Ascending);
    EXPECT_EQ(G.Column(2), Case.Style == ssNumeric ? (TTexts{L"r4", L"r2", L"r1", L"r3"})
                                                   : (TTexts{L"r2", L"r1", L"r3", L"r4"}));
  }
}

TEST(GridSort, EventAndGraphicStylesAskTheirSource) {
  TSortGrid G({L"ccc", L"a", L"bb"});
  G.UseStyle(ssCustom);
  G.Grid.OnCustomCompare = [](TObject*, const String& A, const String& B, Integer& Res) {
    Res = Integer(A.size()) - Integer(B.size());
  };
  G.Grid.Sort(1, sdAscending);
  EXPECT_EQ(G.Column(1), (TTexts{L"a", L"bb", L"ccc"}));

  // Raw: rows by their labels' numbers, reversed.
  G.UseStyle(ssRaw);
  G.Grid.OnRawCompare = [&G](TObject*, Integer, Integer Row1, Integer Row2, Integer& Res) {
    Res = CompareStr(G.Grid.GetCells(2, Row2), G.Grid.GetCells(2, Row1));
  };
  G.Grid.Sort(1, sdAscending);
  EXPECT_EQ(G.Column(2), (TTexts{L"r3", L"r2", L"r1"}));

  TSortGrid Images({L"two", L"zero", L"one"});
  TImageList List(nullptr);
  Images.Grid.SetGridImages(&List);
  Images.UseStyle(ssImages);
  Images.Grid.AddImageIdx(1, 1, 2, haLeft, vaTop);
  Images.Grid.AddImageIdx(1, 2, 0, haLeft, vaTop);
  Images.Grid.AddImageIdx(1, 3, 1, haLeft, vaTop);
  Images.Grid.Sort(1, sdAscending);
  EXPECT_EQ(Images.Column(2), (TTexts{L"r2", L"r3", L"r1"}));

  TSortGrid Checks({L"", L"", L""});
  Checks.UseStyle(ssCheckBox);
  Checks.Grid.AddCheckBox(1, 1, true, false);
  Checks.Grid.AddCheckBox(1, 2, false, false);
  Checks.Grid.AddCheckBox(1, 3, true, false);
  Checks.Grid.Sort(1, sdAscending);
  EXPECT_EQ(Checks.Column(2), (TTexts{L"r2", L"r1", L"r3"}));
  // The automatic style knows a check box column by its cells; the two
  // set boxes are told apart by the labels after them, descending too.
  Checks.Grid.SortSettings()->SetAutoFormat(true);
  Checks.Grid.Sort(1, sdDescending);
  EXPECT_EQ(Checks.Column(2), (TTexts{L"r3", L"r1", L"r2"}));
}

// The automatic style classifies each cell by itself, so a mixed column has
// one order whatever order it starts in: check boxes, blanks, numbers,
// dates, texts.
TEST(GridSort, AMixedColumnHasOneOrderUnderTheAutomaticStyle) {
  const TTexts Expected{L"", L"-3", L"5", L"12", L"01/02/2016", L"03/04/2016", L"5a", L"abc"};
  for (const TTexts& Start : {TTexts{L"abc", L"5", L"03/04/2016", L"", L"5a", L"-3", L"01/02/2016", L"12"},
                              TTexts{L"12", L"5a", L"01/02/2016", L"-3", L"abc", L"", L"03/04/2016", L"5"}}) {
    TSortGrid G(Start);
    G.Grid.Sort(1, sdAscending);
    EXPECT_EQ(G.Column(1), Expected);
  }
}

TEST(GridSort, EqualRowsKeepTheirOrderOrFollowTheNextColumns) {
  TSortGrid G({L"b", L"a", L"b", L"a"});
  for (Integer r = 1; r <= 4; ++r) G.Grid.SetCells(3, r, IntToStr(Int64(5 - r)));
  // Labels r1..r4 stand in column 2: with Full they decide ties.
  G.Grid.Sort(1, sdDescending);
  EXPECT_EQ(G.Column(2), (TTexts{L"r3", L"r1", L"r4", L"r2"}));
  // Without Full, equal rows keep the order they had, in both directions.
  G.Grid.SortSettings()->SetFull(false);
  G.Grid.Sort(1, sdAscending);
  EXPECT_EQ(G.Column(2), (TTexts{L"r4", L"r2", L"r3", L"r1"}));
  G.Grid.Sort(1, sdDescending);
  EXPECT_EQ(G.Column(2), (TTexts{L"r3", L"r1", L"r4", L"r2"}));
  // Columns left of the sort column never count.
  G.Grid.SortSettings()->SetFull(true);
  G.Grid.Sort(3, sdAscending);
  EXPECT_EQ(G.Column(3), (TTexts{L"1", L"2", L"3", L"4"}));
}

TEST(GridSort, TheIndexListSortsOnSeveralColumnsWithTheirOwnDirections) {
  TSortGrid G({L"b", L"a", L"b", L"a"});
  const TTexts Third{L"1", L"2", L"3", L"4"};
  for (Integer r = 1; r <= 4; ++r) G.Grid.SetCells(3, r, Third[size_t(r - 1)]);
  G.Grid.SortSettings()->LoadFromString(L"i;u1;d3");
  EXPECT_TRUE(G.Grid.SortSettings()->IndexShow());
  EXPECT_EQ(G.Column(2), (TTexts{L"r4", L"r2", L"r3", L"r1"}));
  EXPECT_EQ(G.Grid.SortSettings()->SaveToString(), L"i;u1;d3");

  G.Grid.SortIndexes()->Clear();
  try {
    G.Grid.QSortIndexed();
    ADD_FAILURE() << "no exception";
  } catch (const DAvoDeveDeviz& E) {
    EXPECT_EQ(E.Message(), L"No indexes specified for indexed sort");
  }
}

TEST(GridSort, BlanksStayWhereBlankPosPutsThem) {
  TSortGrid G({L"2", L"", L"1", L""});
  G.Grid.SortSettings()->SetIgnoreBlanks(true);
  G.Grid.SortSettings()->SetBlankPos(blLast);
  G.Grid.Sort(1, sdAscending);
  EXPECT_EQ(G.Column(1), (TTexts{L"1", L"2", L"", L""}));
  G.Grid.Sort(1, sdDescending);
  EXPECT_EQ(G.Column(1), (TTexts{L"2", L"1", L"", L""}));
  G.Grid.SortSettings()->SetBlankPos(blFirst);
  G.Grid.Sort(1, sdDescending);
  EXPECT_EQ(G.Column(1), (TTexts{L"", L"", L"2", L"1"}));
}

TEST(GridSort, RowsMoveWholeAndTheUnsortedOrderComesBack) {
  TSortGrid G({L"c", L"a", L"b"});
  TObject Object;
  G.Grid.SetObjects(1, 1, &Object);
  G.Grid.SetRowHeights(1, 40);
  G.Grid.HideColumn(2);
  G.Grid.Sort(1, sdAscending);
  EXPECT_EQ(G.Grid.GetObjects(1, 3), &Object);
  EXPECT_EQ(G.Grid.GetRowHeights(3), 40);
  EXPECT_EQ(G.Grid.GetRowHeights(1), G.Grid.DefaultRowHeight());
  G.Grid.UnHideColumn(2);
  EXPECT_EQ(G.Column(2), (TTexts{L"r2", L"r3", L"r1"}));

  G.Grid.Sort(2, sdDescending);
  G.Grid.QUnSort();
  EXPECT_EQ(G.Column(1), (TTexts{L"c", L"a", L"b"}));
  EXPECT_EQ(G.Grid.GetObjects(1, 1), &Object);

  // A row count that changed starts a new unsorted order.
  G.Grid.Sort(1, sdAscending);
  G.Grid.SetRowCount(5);
  G.Grid.SetCells(1, 4, L"0");
  G.Grid.Sort(1, sdDescending);
  G.Grid.QUnSort();
  EXPECT_EQ(G.Column(1), (TTexts{L"a", L"b", L"c", L"0"}));
}

TEST(GridSort, SingleColumnMovesOnlyTheSortColumn) {
  TSortGrid G({L"c", L"a", L"b"});
  G.Grid.SortSettings()->SetSingleColumn(true);
  G.Grid.Sort(1, sdAscending);
  EXPECT_EQ(G.Column(1), (TTexts{L"a", L"b", L"c"}));
  EXPECT_EQ(G.Column(2), (TTexts{L"r1", L"r2", L"r3"}));
}

TEST(GridSort, TheCurrentRowFollowsItsDataOnlyWithMoveRowOnSort) {
  TSortGrid G({L"c", L"a", L"b"});
  G.Grid.SetRow(1);
  Integer ChangedFrom = -1, ChangedTo = -1;
  G.Grid.OnRowChanged = [&](TObject*, Integer OldRow, Integer NewRow) {
    ChangedFrom = OldRow;
    ChangedTo = NewRow;
  };
  G.Grid.Sort(1, sdAscending);
  EXPECT_EQ(G.Grid.Row(), 1);
  EXPECT_EQ(ChangedFrom, 1);
  EXPECT_EQ(ChangedTo, 1);
  G.Grid.Navigation()->SetMoveRowOnSort(true);
  G.Grid.Sort(1, sdDescending);
  EXPECT_EQ(G.Grid.Row(), 3);
  EXPECT_EQ(G.Grid.GetCells(1, 3), L"a");
}

TEST(GridSort, NothingMovesWithoutASortColumnOrOnAnIgnoredOne) {
  TSortGrid G({L"c", L"a", L"b"});
  G.Grid.SortSettings()->SetColumn(-1);
  G.Grid.QSort();
  EXPECT_EQ(G.Column(1), (TTexts{L"c", L"a", L"b"}));
  G.Grid.IgnoredColumns()->Add(1);
  G.Grid.Sort(1, sdAscending);
  EXPECT_EQ(G.Column(1), (TTexts{L"c", L"a", L"b"}));
}

TEST(GridSort, SortLineSwapsTwoRowsOutOfOrder) {
  TSortGrid G({L"b", L"b", L"a"});
  // Equal on column 1, then r2 > r1 on column 2: swapped.
  EXPECT_TRUE(G.Grid.SortLine(1, 2, 1));
  EXPECT_EQ(G.Column(2), (TTexts{L"r2", L"r1", L"r3"}));
  EXPECT_FALSE(G.Grid.SortLine(1, 3, 1));
}

TEST(GridSortState, TheStateStringSortsAndRoundTrips) {
  struct TCase {
    const wchar_t* State;
    TSortDirection Direction;
    const wchar_t* Saved;
  } Cases[] = {{L"u3", sdAscending, L"u3"}, {L"d3", sdDescending, L"d3"}, {L"x3", sdDescending, L"d3"}};
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(testing::Message() << Case.State);
    TSortGrid G({L"x", L"y", L"z"});
    for (Integer r = 1; r <= 3; ++r) G.Grid.SetCells(3, r, IntToStr(Int64(r)));
    G.Grid.SortSettings()->LoadFromString(Case.State);
    EXPECT_TRUE(G.Grid.SortSettings()->Show());
    EXPECT_EQ(G.Grid.SortSettings()->Column(), 3);
    EXPECT_EQ(G.Grid.SortSettings()->Direction(), Case.Direction);
    EXPECT_EQ(G.Column(3), Case.Direction == sdAscending ? (TTexts{L"1", L"2", L"3"}) : (TTexts{L"3", L"2", L"1"}));
    EXPECT_EQ(G.Grid.SortSettings()->SaveToString(), Case.Saved);
  }
}

TEST(GridSortState, IndexAloneAndBadSpecifiers) {
  TSortGrid G({L"b", L"a"});
  G.Grid.SortSettings()->LoadFromString(L"i;");
  EXPECT_TRUE(G.Grid.SortSettings()->IndexShow());
  EXPECT_EQ(G.Column(1), (TTexts{L"b", L"a"}));
  EXPECT_EQ(G.Grid.SortSettings()->SaveToString(), L"i;");

  TSortGrid Bad({L"b", L"a"});
  try {
    Bad.Grid.SortSettings()->LoadFromString(L"u");
    ADD_FAILURE() << "no exception";
  } catch (const Exception& E) {
    EXPECT_EQ(E.Message(), L"Invalid sort settings specifier");
  }
  EXPECT_TRUE(Bad.Grid.SortSettings()->Show());
  // An unreadable column changes nothing.
  Bad.Grid.SortSettings()->LoadFromString(L"uz");
  EXPECT_EQ(Bad.Grid.SortSettings()->Column(), -1);
  EXPECT_EQ(Bad.Column(1), (TTexts{L"b", L"a"}));

  Bad.Grid.Sort(1, sdAscending);
  Bad.Grid.SortSettings()->Remove();
  EXPECT_EQ(Bad.Grid.SortSettings()->Column(), -1);
  EXPECT_EQ(Bad.Column(1), (TTexts{L"a", L"b"}));
}
