// Turned text placed inside its cell at every angle, as several lines side
// by side and with a sorted column's indicator, and rich text in the
// selection's text colour, on a real shown grid rendered with PaintTo.
#include <gtest/gtest.h>

#include <algorithm>
#include "grid/core/GridDataSettings.h"
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

// A sorted column's turned header shows its indicator 10 pixels in from the
// right and 8 down from the top of the turned text's box, which lies one
// pixel inside the content of the classic fixed cell (its raised edges
// leave the cell's right edge and its top pixel): the indicator's tip
// stands at (right - 11, top + 10) of the cell's client rectangle.
TEST(GridRotatedText, SortedHeaderShowsItsIndicatorAtTheTopRight) {
  struct {
    TSortDirection Direction;
    Integer TopLeft, TopRight;  // the grey top row, from the tip's x
  } Cases[] = {{sdAscending, 0, 0}, {sdDescending, -4, 3}};
  for (const auto& C : Cases) {
    TLooksGrid G;
    G.Grid->SetRowHeights(0, 90);
    G.Grid->SetFixedColor(clWhite);
    G.Grid->AddRotated(1, 0, 90, L"Name");
    G.Grid->AddRotated(2, 0, 90, L"Size");
    G.Grid->SortSettings()->SetShow(true);
    G.Grid->SortSettings()->SetColumn(1);
    G.Grid->SortSettings()->SetDirection(C.Direction);
    TRendered R(G.Grid);
    // The picture holds the grid's frame around its client area.
    const TPoint Client = G.Grid->ClientToScreen(TPoint{0, 0});
    RECT Window{};
    GetWindowRect(G.Grid->Handle(), &Window);
    const Integer FrameX = Client.X - Window.left, FrameY = Client.Y - Window.top;
    auto Shown = [&](Integer Col) {
      const TRect Cell = G.Grid->CellRect(Col, 0);
      return TRect(Cell.Left + FrameX, Cell.Top + FrameY, Cell.Right + FrameX, Cell.Bottom + FrameY);
    };
    auto GreyBox = [&](Integer Col) {
      const TRect Cell = Shown(Col);
      TRect Box(10000, 10000, -1, -1);
      for (Integer y = Cell.Top + 2; y < Cell.Top + 30; ++y)
        for (Integer x = Cell.Right - 30; x < Cell.Right - 3; ++x)
          if (R.Pixel(x, y) == 0x808080) {
            Box.Left = std::min(Box.Left, x), Box.Top = std::min(Box.Top, y);
            Box.Right = std::max(Box.Right, x + 1), Box.Bottom = std::max(Box.Bottom, y + 1);
          }
      return Box;
    };
    const TRect Cell = Shown(1);
    const Integer X = Cell.Right - 11, Y = Cell.Top + 10;
    const TRect Grey = GreyBox(1);
    EXPECT_EQ(Grey.Top, Y - 4) << int(C.Direction);
    EXPECT_EQ(Grey.Bottom, Y + 4 + (C.Direction == sdDescending ? 1 : 0)) << int(C.Direction);
    // The topmost grey pixels: the tip going up, the base going down.
    Integer First = 10000, Last = -1;
    for (Integer x = Grey.Left; x < Grey.Right; ++x)
      if (R.Pixel(x, Y - 4) == 0x808080) First = std::min(First, x), Last = std::max(Last, x);
    EXPECT_EQ(First, X + C.TopLeft) << int(C.Direction);
    EXPECT_EQ(Last, X + C.TopRight) << int(C.Direction);
    // The header of a column not sorted shows none.
    EXPECT_EQ(GreyBox(2).Right, -1) << int(C.Direction);
  }
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
