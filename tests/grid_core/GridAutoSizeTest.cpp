// Text extents of cells and the sizes automatic sizing gives for them,
// numbering, fitting columns to the grid, and the placement of rotated text.
#include <gtest/gtest.h>

#include "grid/core/RezIvevirAvod.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Font.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

struct TSizedGrid {
  TTestForm Form{400, 200};
  TRezIvevirAvod* Grid;
  TSizedGrid() {
    Grid = new TRezIvevirAvod(Form.Get());
    Grid->SetParent(Form.Get());
    Grid->SetBounds(0, 0, 380, 180);
    Grid->SetColCount(4);
    Grid->SetRowCount(5);
    Pump();
  }
  // What the platform's text measure gives in the grid's font.
  TSize Extent(const String& Text) {
    TBitmap B(1, 1);
    B.Canvas()->Font()->Assign(Grid->Font());
    return B.Canvas()->TextExtent(Text);
  }
};

}  // namespace

TEST(GridTextExtent, PlainMultiLineAndEmptyCells) {
  TSizedGrid S;
  TRezIvevirAvod* G = S.Grid;
  EXPECT_EQ(G->GetCellTextSize(1, 1, false, false), (TSize{0, 0}));
  EXPECT_EQ(G->GetCellTextSize(1, 1, true, false), (TSize{0, 0}));
  G->SetCells(1, 1, L"a\r\nbbb");
  const Integer Line = S.Extent(L"gh").cy;
  EXPECT_EQ(G->GetCellTextSize(1, 1, false, false), (TSize{S.Extent(L"a").cx, Line}));
  G->SetMultilinecells(true);
  EXPECT_EQ(G->GetCellTextSize(1, 1, false, false), (TSize{S.Extent(L"bbb").cx, 2 * Line}));
}

TEST(GridTextExtent, HTMLIsTwoPixelsLargerThanItsText) {
  TSizedGrid S;
  S.Grid->SetCells(1, 1, L"<i></i>plain");
  const TSize Size = S.Grid->GetCellTextSize(1, 1, false, false);
  EXPECT_EQ(Size.cx, S.Extent(L"plain").cx + 2);
  EXPECT_GE(Size.cy, S.Extent(L"plain").cy + 2);
}

// The measured box of turned text holds the turned text at every angle.
TEST(GridTextExtent, RotatedTextIsNeverCutOff) {
  TSizedGrid S;
  S.Grid->AddRotated(1, 1, 0, L"WWWWWWWWWW");
  const TSize Flat = S.Grid->GetCellTextSize(1, 1, false, false);
  const Integer W = Flat.cx - 12, H = Flat.cy - 12;
  EXPECT_EQ(W, S.Extent(L"WWWWWWWWWW").cx);
  S.Grid->SetRotated(1, 1, 90);
  EXPECT_EQ(S.Grid->GetCellTextSize(1, 1, false, false), (TSize{H + 12, W + 12}));
  S.Grid->SetRotated(1, 1, 45);
  const TSize Oblique = S.Grid->GetCellTextSize(1, 1, false, false);
  // cos 45 = sin 45 = 0.7071: the turned box is about 0.7 x (W + H) wide.
  EXPECT_GE(Oblique.cx, Integer(0.7071 * (W + H)) + 12 - 2);
  EXPECT_GE(Oblique.cy, Integer(0.7071 * (W + H)) + 12 - 2);
}

TEST(GridAutoSize, ColumnsRowsAndLimits) {
  TSizedGrid S;
  TRezIvevirAvod* G = S.Grid;
  G->SetCells(1, 1, L"Some cell text");
  G->SetCells(2, 2, L"x");
  const Integer FixedWidth = G->GetColWidths(0);
  // Without word wrap a text is measured on one line, not inside the cell.
  G->SetWordWrap(false);
  G->AutoSizeColumns(false, 4);
  // Text + inset 2 x 2 + lines 2 x 1 + 2 + padding 4.
  EXPECT_EQ(G->GetColWidths(1), S.Extent(L"Some cell text").cx + 12);
  EXPECT_EQ(G->GetColWidths(2), S.Extent(L"x").cx + 12);
  EXPECT_EQ(G->GetColWidths(0), FixedWidth);  // fixed columns left alone
  // Grow only: a shorter text keeps the width.
  G->SetCells(1, 1, L"S");
  G->AutoGrowColumns(false, 0);
  EXPECT_EQ(G->GetColWidths(1), S.Extent(L"Some cell text").cx + 12);
  // Rows by lines: three lines of "gh" height + 2 each, then the inset.
  G->SetMultilinecells(true);
  G->SetCells(1, 3, L"1\r\n2\r\n3");
  G->AutoSizeRows(false, 0);
  EXPECT_EQ(G->GetRowHeights(3), 3 * (S.Extent(L"gh").cy + 2) + 2);
  // A grid from a form never goes below its default row height or ten
  // pixels of width; set to 0 in code, no limit.
  G->SetDefaultRowHeight(30);
  G->Loaded();
  G->SetMultilinecells(false);
  G->AutoSizeRows(false, 0);
  // One line fits in the 30 pixels; the inset of 2 comes on top.
  EXPECT_EQ(G->GetRowHeights(2), 32);
  G->SetCells(3, 1, L"");
  G->AutoSizeCol(3, 0);
  EXPECT_EQ(G->GetColWidths(3), 10);
  G->SetMinColWidth(0);
  G->AutoSizeCol(3, 0);
  EXPECT_EQ(G->GetColWidths(3), 8);
}

TEST(GridAutoSize, NumberingAndFitting) {
  TSizedGrid S;
  TRezIvevirAvod* G = S.Grid;
  G->SetRowCount(7);
  G->SetAutoNumberStart(2);
  G->AutoNumberCol(1);
  EXPECT_EQ(G->GetCells(1, 1), L"");
  EXPECT_EQ(G->GetCells(1, 2), L"");
  EXPECT_EQ(G->GetCells(1, 3), L"3");
  EXPECT_EQ(G->GetCells(1, 6), L"6");
  G->SetAutoNumberStart(0);
  G->SetAutoNumberOffset(10);
  G->SetAutoNumberDirection(sdDescending);
  G->AutoNumberRow(1);
  EXPECT_EQ(G->GetCells(3, 1), L"11");
  EXPECT_EQ(G->GetCells(1, 1), L"13");
  // Columns that already fill the width are left as they are.
  G->SetScrollBars(ssNone);
  G->SetBorderStyle(bsNone);
  G->SetColWidths(0, 80);
  G->SetColWidths(1, 100);
  G->SetColWidths(2, 100);
  G->SetColWidths(3, 100);
  G->AutoFitColumns(true);
  EXPECT_EQ(G->GetColWidths(1), 100);
  EXPECT_EQ(G->GetColWidths(3), 100);
  G->SetColWidths(3, 50);
  G->AutoFitColumns(true);
  EXPECT_EQ(G->GetColWidths(0) + G->GetColWidths(1) + G->GetColWidths(2) + G->GetColWidths(3), 380);
}

TEST(GridAutoSize, RotatedTextOrigin) {
  // A 100 x 40 rectangle; extents a, b, c, d = 10, 20, 30, 40.
  struct {
    Integer Angle;
    TAlignment H;
    TVAlignment V;
    Integer X, Y;
  } Cases[] = {
      {0, taLeftJustify, vtaTop, 0, 20},      {45, taRightJustify, vtaBottom, 30, 30},
      {45, taCenter, vtaCenter, 15, 25},      {135, taLeftJustify, vtaTop, 40, 30},
      {180, taRightJustify, vtaBottom, 70, 40}, {200, taLeftJustify, vtaTop, 70, 10},
      {300, taLeftJustify, vtaTop, 30, 0},    {300, taRightJustify, vtaBottom, 60, 10},
  };
  for (auto& C : Cases) {
    TRect R(0, 0, 100, 40);
    TRezIvevirAvod::PlaceRotatedText(R, C.H, C.V, 10, 20, 30, 40, C.Angle);
    EXPECT_EQ(R.Left, C.X) << C.Angle;
    EXPECT_EQ(R.Top, C.Y) << C.Angle;
  }
}
