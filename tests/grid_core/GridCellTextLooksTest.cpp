// Turned text placed inside its cell at every angle and as several lines
// side by side, and rich text in the selection's text colour, on a real
// shown grid rendered with PaintTo.
#include <gtest/gtest.h>

#include <algorithm>
#include "grid/core/RezIvevirAvod.h"
#include "platform/gfx/Colors.h"
#include "tests/grid_core/PaintedGrid.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

// Four columns of 90 and a tall row 1 for turned text.
struct TLooksGrid : TPaintedGrid {
  TLooksGrid() : TPaintedGrid(TPaintedGridShape{4, 4, 90, 24, 400, 200}) {
    Grid->SetRowHeights(1, 90);
    Pump();
  }
};

}  // namespace

TEST(GridRotatedText, StandsInsideItsCellAtEveryAngle) {
  struct {
    Integer Angle;
    bool Upright;
  } Cases[] = {{90, true}, {-90, true}, {270, true}, {180, false}, {0, false}, {-180, false}};
  for (const auto& C : Cases) {
    TLooksGrid G;
    G.Grid->AddRotated(1, 1, SmallInt(C.Angle), L"WWWWW");
    TRendered R(G.Grid);
    const TRect Ink = InkBox(R, G.Grid->CellRect(1, 1));
    ASSERT_GT(Ink.Width(), 0) << C.Angle;
    if (C.Upright) EXPECT_GT(Ink.Height(), 2 * Ink.Width()) << C.Angle;
    else EXPECT_GT(Ink.Width(), 2 * Ink.Height()) << C.Angle;
  }
}

TEST(GridRotatedText, LinesStandSideBySideAlignedAsTheText) {
  TLooksGrid G;
  G.Grid->SetMultilinecells(true);
  G.Grid->AddRotated(1, 1, 90, L"WWWWW");
  G.Grid->AddRotated(2, 1, 90, L"WWWWW\r\nWWWWW\r\nWWWWW");
  TRendered Left(G.Grid);
  const TRect One = InkBox(Left, G.Grid->CellRect(1, 1));
  const TRect Three = InkBox(Left, G.Grid->CellRect(2, 1));
  const TRect Cell = G.Grid->CellRect(2, 1);
  // Three lines take about three line heights across, starting at the left.
  EXPECT_GT(Three.Width(), 2 * One.Width() + 4);
  EXPECT_LT(Three.Left - Cell.Left, 8);
  G.Grid->SetAlignments(2, 1, taRightJustify);
  TRendered Right(G.Grid);
  const TRect Moved = InkBox(Right, Cell);
  EXPECT_EQ(Moved.Width(), Three.Width());
  EXPECT_LT(Cell.Right - Moved.Right, 8);
}

TEST(GridRichText, SelectedCellsTakeTheSelectionTextColour) {
  TLooksGrid G;
  G.Grid->SetSelectionTextColor(0x0000FF);
  G.Grid->SetCells(1, 2, L"{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs28 Rich}");
  G.Grid->SetSelection(TGridRect{1, 2, 2, 2});
  auto RedPixels = [&] {
    TRendered R(G.Grid);
    const TRect Cell = G.Grid->CellRect(1, 2);
    Integer Red = 0;
    for (Integer y = Cell.Top; y < Cell.Bottom; ++y)
      for (Integer x = Cell.Left; x < Cell.Right; ++x) {
        const TColor C = R.Pixel(x, y);
        Red += GetRValue(C) > 0xC0 && GetGValue(C) < 0x60 && GetBValue(C) < 0x60;
      }
    return Red;
  };
  EXPECT_GT(RedPixels(), 10);
  G.Grid->SetSelectionRTFKeep(true);
  EXPECT_EQ(RedPixels(), 0);
  G.Grid->SetSelectionRTFKeep(false);
  G.Grid->SetSelection(TGridRect{2, 2, 2, 2});
  EXPECT_EQ(RedPixels(), 0);
}

TEST(GridCellScrollBar, ShownWhenTheTextOutgrowsItsPageAndMovesTheText) {
  TLooksGrid G;
  G.Grid->SetCells(1, 2, L"WWW");
  G.Grid->AddScrollBar(1, 2, false);
  const TRect Cell = G.Grid->CellRect(1, 2);
  const Integer Width = GetSystemMetrics(SM_CXVSCROLL);
  // The text's part of the cell, left of the bar and its black arrows.
  const TRect Text(Cell.Left, Cell.Top, Cell.Right - Width - 2, Cell.Bottom);
  auto FacePixels = [&](TRendered& R) {
    Integer Face = 0;
    for (Integer y = Cell.Top; y < Cell.Bottom; ++y)
      for (Integer x = Cell.Right - Width; x < Cell.Right - 1; ++x) Face += R.Pixel(x, y) == ColorToRGB(clBtnFace);
    return Face;
  };
  // A page as large as the range needs no bar.
  G.Grid->SetScrollProp(1, 2, TScrollProp{100, 100});
  TRendered Whole(G.Grid);
  EXPECT_EQ(FacePixels(Whole), 0);
  const TRect Unmoved = InkBox(Whole, Text);
  G.Grid->SetScrollProp(1, 2, TScrollProp{20, 100});
  TRendered Barred(G.Grid);
  EXPECT_GT(FacePixels(Barred), Width * 4);
  EXPECT_EQ(InkBox(Barred, Text).Top, Unmoved.Top);
  G.Grid->SetScrollPosition(1, 2, 3);
  TRendered Scrolled(G.Grid);
  EXPECT_EQ(InkBox(Scrolled, Text).Bottom, Unmoved.Bottom - 3);
}
