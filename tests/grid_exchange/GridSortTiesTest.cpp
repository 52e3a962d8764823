// Equal values keep their rows' order in a column long enough that the
// sort partitions it, for the styles ordered by value alone.
#include <gtest/gtest.h>

#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/SysUtils.h"
#include "tests/support/PinnedFormatSettings.h"

using namespace jorv;
using namespace jorv::grid;

namespace {

using TTexts = std::vector<String>;

struct TTieCase {
  TSortStyle Style;
  TTexts Values;  // the three values in ascending order, as the style reads them
};

// Rows 1..20 hold the values of r mod 3 in column 1 and their row number
// in column 2; the labels show where each row went.
TEST(GridSortTies, EqualValuesKeepTheirOrderInBothDirections) {
  PinnedFormatSettings Pin{USFormatSettings()};
  const TTieCase Cases[] = {{ssNumeric, {L"-1.5", L"0", L"12"}},
                            {ssFinancial, {L"-1,000.5", L"2", L"1,000.25"}},
                            {ssDate, {L"1/2/2020", L"3/4/2021", L"12/31/2021"}}};
  const TTexts Ascending{L"3", L"6", L"9", L"12", L"15", L"18", L"1",  L"4",  L"7",  L"10",
                         L"13", L"16", L"19", L"2", L"5", L"8", L"11", L"14", L"17", L"20"};
  const TTexts Descending{L"2", L"5",  L"8",  L"11", L"14", L"17", L"20", L"1", L"4", L"7",
                          L"10", L"13", L"16", L"19", L"3", L"6", L"9", L"12", L"15", L"18"};
  for (const TTieCase& Case : Cases) {
    SCOPED_TRACE(Case.Values[0]);
    TRezIvevirAvod Grid{nullptr};
    Grid.SetColCount(3);
    Grid.SetRowCount(21);
    Grid.SortSettings()->SetAutoFormat(false);
    Grid.SortSettings()->SetFull(false);
    Grid.SortSettings()->SetDefaultFormat(Case.Style);
    // r mod 3 picks the value: 0 the smallest, 1 the middle, 2 the greatest.
    for (Integer r = 1; r <= 20; ++r) {
      Grid.SetCells(1, r, Case.Values[size_t(r % 3)]);
      Grid.SetCells(2, r, IntToStr(r));
    }
    auto Labels = [&] {
      TTexts Result;
      for (Integer r = 1; r <= 20; ++r) Result.push_back(Grid.GetCells(2, r));
      return Result;
    };
    Grid.Sort(1, sdAscending);
    EXPECT_EQ(Labels(), Ascending);
    Grid.QUnSort();
    Grid.Sort(1, sdDescending);
    EXPECT_EQ(Labels(), Descending);
  }
}

}  // namespace
