// What filtering paints into the header of a real shown grid: the filter
// button of a column that has values to pick from (the user's glyphs or the
// grid's own funnel), and the filter-edit row's type icon and placeholder.
#include <gtest/gtest.h>

#include "grid/core/GridDataSettings.h"
#include "grid/core/RezIvevirAvod.h"
#include "grid/exchange/FilterLists.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Brush.h"
#include "platform/gfx/Canvas.h"
#include "tests/grid_core/PaintedGrid.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

// Columns 1 and 2 hold values, column 3 none; the header is white.
struct TFilterGrid : TPaintedGrid {
  TFilterGrid() : TPaintedGrid(TPaintedGridShape{4, 5, 90, 24, 400, 180}) {
    Grid->SetFixedColor(clWhite);
    for (Integer r = 1; r < 5; ++r) {
      Grid->SetCells(1, r, r % 2 ? L"odd" : L"even");
      Grid->SetCells(2, r, L"x");
    }
    Pump();
  }
  // The pixels of Colour in the 16 pixels at the right of cell (C, R).
  Integer ButtonPixels(TRendered& Shown, Integer C, Integer R, TColor Colour) {
    const TRect Area = Cell(C, R);
    Integer Count = 0;
    for (Integer y = Area.Top; y < Area.Top + 16; ++y)
      for (Integer x = Area.Right - 18; x < Area.Right; ++x) Count += Shown.Pixel(x, y) == Colour;
    return Count;
  }
};

constexpr TColor kFunnel = 0x808080;

}  // namespace

TEST(GridFilterButton, ShowsOnlyOverColumnsWithValues) {
  TFilterGrid F;
  {
    // Without automatic lists no column has values: no button anywhere.
    TRendered Shown(F.Grid);
    EXPECT_EQ(F.ButtonPixels(Shown, 1, 0, kFunnel), 0);
  }
  F.Grid->SetFilterDropDownAuto(true);
  TRendered Shown(F.Grid);
  EXPECT_GT(F.ButtonPixels(Shown, 1, 0, kFunnel), 10);
  EXPECT_GT(F.ButtonPixels(Shown, 2, 0, kFunnel), 10);
  // Column 3 has only empty cells, which still make one value to pick.
  EXPECT_GT(F.ButtonPixels(Shown, 3, 0, kFunnel), 10);
  // Only the filter drop-down row shows buttons.
  EXPECT_EQ(F.ButtonPixels(Shown, 1, 1, kFunnel), 0);
}

TEST(GridFilterButton, AFilteredColumnShowsTheActiveGlyph) {
  TFilterGrid F;
  F.Grid->SetFilterDropDownAuto(true);
  TBitmap Glyph, Active;
  for (auto [Picture, Colour] : {std::pair{&Glyph, TColor(0x00C000)}, std::pair{&Active, TColor(0x0000FF)}}) {
    Picture->SetSize(14, 14);
    Picture->Canvas()->Brush()->SetColor(Colour);
    Picture->Canvas()->FillRect(TRect(0, 0, 14, 14));
    // The bottom-left pixel names the transparent colour.
    Picture->Canvas()->SetPixels(0, 13, clWhite);
  }
  F.Grid->FilterDropDown()->SetGlyph(&Glyph);
  F.Grid->FilterDropDown()->SetGlyphActive(&Active);
  TFilterData* Item = F.Grid->Filter()->Add();
  Item->SetColumn(1);
  Item->SetCondition(L"odd");
  TRendered Shown(F.Grid);
  EXPECT_GT(F.ButtonPixels(Shown, 1, 0, 0x0000FF), 100);
  EXPECT_EQ(F.ButtonPixels(Shown, 1, 0, 0x00C000), 0);
  EXPECT_GT(F.ButtonPixels(Shown, 2, 0, 0x00C000), 100);
  EXPECT_EQ(F.ButtonPixels(Shown, 2, 0, kFunnel), 0);
}

TEST(GridFilterEdit, EmptyCellsNameTheirFilterType) {
  TFilterGrid F;
  F.Grid->SetFixedRows(2);
  F.Grid->FilterEdit()->SetRow(1);
  F.Grid->FilterEdit()->SetEnabled(true);
  F.Grid->SetCells(3, 1, L"typed");
  TFilterData* Item = F.Grid->Filter()->Add();
  Item->SetColumn(2);
  Item->FilterType = ftEqual;
  TMetafileText Texts(F.Grid);
  // A column without a filter item filters by "Contains".
  EXPECT_TRUE(Texts.Has(L"Contains"));
  EXPECT_TRUE(Texts.Has(L"Equal"));
  EXPECT_TRUE(Texts.Has(L"typed"));
  EXPECT_FALSE(Texts.Has(L"Not equal"));
  // The type's icon stands at the cell's left, the text after it.
  TRendered Shown(F.Grid);
  const TRect Cell = F.Grid->CellRect(1, 1);
  Integer Icon = 0, Grey = 0, Dark = 0;
  // Inside the fixed cell's raised edges.
  for (Integer y = Cell.Top + 2; y < Cell.Bottom - 3; ++y)
    for (Integer x = Cell.Left + 2; x < Cell.Right - 3; ++x) {
      const TColor C = Shown.Pixel(x, y);
      if (x < Cell.Left + 19) {
        Icon += C == 0xB07030;
        continue;
      }
      // The placeholder is grey, never black.
      Grey += C == 0x808080;
      Dark += GetRValue(C) + GetGValue(C) + GetBValue(C) < 3 * 0x50;
    }
  EXPECT_GT(Icon, 50);
  EXPECT_GT(Grey, 10);
  EXPECT_EQ(Dark, 0);
}

// Painting asks every header whether it has values, on a list of its own:
// the grid's list and the open drop-down keep the values of their column.
TEST(GridFilterButton, AnOpenFilterListKeepsItsItemsThroughARepaint) {
  TFilterGrid F;
  F.Grid->SetFilterDropDownAuto(true);
  ASSERT_TRUE(F.Grid->ShowFilterList(1));
  auto Entries = [&](TStrings* List) {
    String S;
    for (Integer i = 0; i < List->Count(); ++i) S += L"[" + List->Strings(i) + L"]";
    return S;
  };
  TStrings* Shown = F.Grid->FilterDropList()->Items();
  ASSERT_EQ(Entries(F.Grid->FilterList()), L"[(All)][even][odd]");
  ASSERT_EQ(Entries(Shown), L"[(All)][even][odd]");
  TRendered Repainted(F.Grid);
  EXPECT_GT(F.ButtonPixels(Repainted, 2, 0, kFunnel), 10);
  EXPECT_EQ(Entries(F.Grid->FilterList()), L"[(All)][even][odd]");
  EXPECT_EQ(Entries(Shown), L"[(All)][even][odd]");
  F.Grid->HideFilterLists();
}
