// The look of cells and their painting on a real shown grid: visual
// properties by state, the layers in their order, plain, wrapped, HTML,
// rich, rotated, ellipsis and spreadsheet-formatted texts (pixels of
// PaintTo, or the text records of a metafile for exact strings), the paint
// pass around the cells and the sizing lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>
#include "grid/base/GridFocusWindow.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Brush.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Font.h"
#include "platform/rtl/SysUtils.h"
#include "tests/grid_core/PaintedGrid.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

struct TLook {
  TColor Brush = clNone;
  TColor ColorTo = clNone;
  TColor Mirror = clNone;
  TColor MirrorTo = clNone;
  TColor FontColor = clNone;
  TGridDrawState State;
  TCellGradientDirection GD = GradientHorizontal;
  TAlignment HA = taLeftJustify;
};

TLook LookOf(TRezIvevirAvod& G, Integer C, Integer R, TGridDrawState State = {}, bool Select = true,
             bool Print = false) {
  TLook L;
  TBrush Brush;
  TFont Font;
  TVAlignment VA = vtaTop;
  bool WW = false;
  L.State = State;
  G.GetVisualProperties(C, R, L.State, Print, Select, true, &Brush, L.ColorTo, L.Mirror, L.MirrorTo, &Font, L.HA,
                        VA, WW, L.GD);
  L.Brush = Brush.Color();
  L.FontColor = Font.Color();
  return L;
}

}  // namespace

// --- visual properties ---------------------------------------------------------------------------

TEST(GridVisualProperties, MixingTable) {
  struct {
    TColor Sel, Base;
    Integer Factor;
    TColor Expected;
  } Cases[] = {
      {0x0000FF, 0xFF0000, 50, 0x800080},  // halves rounded up
      {0x0000FF, 0xFF0000, 100, 0x0000FF}, {0x0000FF, 0xFF0000, 0, 0xFF0000},
      {clNone, 0xFF0000, 50, 0xFF0000},    {0x0000FF, clNone, 50, 0x0000FF},
      {0x000064, 0x0000C8, 25, 0x0000AF},
  };
  for (auto& C : Cases)
    EXPECT_EQ(TRezIvevirAvod::MixSelectionColor(C.Sel, C.Base, C.Factor), C.Expected) << C.Factor;
  EXPECT_EQ(TRezIvevirAvod::MixSelectionColorIf(0x0000FF, 0xFF0000, false, 50), 0x0000FF);
}

TEST(GridVisualProperties, BandsFixedAreasAndOwnColours) {
  TRezIvevirAvod G(nullptr);
  G.SetColCount(3);
  G.SetRowCount(8);
  G.SetFixedFooters(1);
  G.SetLook(glClassic);
  G.SetColor(clWhite);
  G.SetFixedColor(0x808080);
  G.Bands()->SetPrimaryLength(2);
  G.Bands()->SetSecondaryLength(1);
  G.Bands()->SetPrimaryColor(0x0000FF);
  G.Bands()->SetSecondaryColor(0x00FF00);
  G.Bands()->SetActive(true);
  const TColor Rows[] = {0x808080, 0x0000FF, 0x0000FF, 0x00FF00, 0x0000FF, 0x0000FF, 0x00FF00, 0x808080};
  // Looks without the selection colours (as the content layer asks).
  for (Integer r = 0; r < 8; ++r) EXPECT_EQ(LookOf(G, 1, r, {}, false).Brush, Rows[r]) << r;
  EXPECT_EQ(LookOf(G, 0, 2, {}, false).Brush, 0x808080);  // fixed column, not banded
  G.SetColors(2, 2, 0xABCDEF);
  EXPECT_EQ(LookOf(G, 2, 2, {}, false).Brush, 0xABCDEF);  // own colour, not banded
  // A fixed text cell keeps its own colour; a fixed bitmap cell does not.
  G.SetColors(1, 0, 0x123456);
  EXPECT_EQ(LookOf(G, 1, 0).Brush, 0x123456);
  TBitmap B(4, 4);
  G.AddBitmap(2, 0, &B, false, haLeft, vaTop);
  G.SetColors(2, 0, 0x123456);
  G.SetFontColors(2, 0, 0x0000AA);
  EXPECT_EQ(LookOf(G, 2, 0).Brush, 0x808080);
  EXPECT_EQ(LookOf(G, 2, 0).FontColor, 0x0000AA);
}

TEST(GridVisualProperties, LookGradientsOfFixedCells) {
  TRezIvevirAvod G(nullptr);
  G.SetZVQGradientFrom(0x111111);
  G.SetZVQGradientTo(0x222222);
  struct {
    TGridLook Look;
    bool Gradient;
  } Looks[] = {{glXP, true}, {glOffice2007, true}, {glCustom, true}, {glClassic, false}, {glListView, false}};
  for (auto& L : Looks) {
    G.SetLook(L.Look);
    G.SetZVQGradientFrom(0x111111);
    G.SetZVQGradientTo(0x222222);
    const TLook Printed = LookOf(G, 1, 0, {}, false, true);
    EXPECT_EQ(Printed.Brush == 0x111111 && Printed.ColorTo == 0x222222, L.Gradient) << int(L.Look);
  }
}

TEST(GridVisualProperties, SelectionAndNumberColours) {
  TRezIvevirAvod G(nullptr);
  G.SetColor(clWhite);
  G.SetSelectionColor(0x0000FF);
  G.SetSelectionTextColor(0x00FF00);
  G.SetSelection(TGridRect{1, 1, 2, 2});
  G.SetGradients(1, 1, GradientHorizontal);
  const TLook Sel = LookOf(G, 1, 1);
  EXPECT_EQ(Sel.Brush, 0x0000FF);
  EXPECT_EQ(Sel.FontColor, 0x00FF00);
  EXPECT_TRUE(Sel.State.Contains(gdSelected));
  EXPECT_EQ(LookOf(G, 1, 1, TGridDrawState{gdSelected}).GD, GradientVertical);
  // Mixed half and half with a cell colour, never with the grid colour.
  G.SetSelectionColorMixer(true);
  G.SetColors(2, 2, 0xFF0000);
  EXPECT_EQ(LookOf(G, 2, 2).Brush, 0x800080);
  EXPECT_EQ(LookOf(G, 1, 2).Brush, 0x0000FF);
  // Only negative numbers coloured; exponents are no number here.
  G.AutoColor()->NegativeNumber()->SetTextColor(0x0000AA);
  G.SetCells(3, 3, L"-4");
  G.SetCells(3, 4, L"0");
  G.SetCells(4, 3, L"-1E3");
  G.SetCells(4, 4, L"abc");
  EXPECT_EQ(LookOf(G, 3, 3).FontColor, 0x0000AA);
  EXPECT_NE(LookOf(G, 3, 4).FontColor, 0x0000AA);
  EXPECT_NE(LookOf(G, 4, 3).FontColor, 0x0000AA);
  EXPECT_NE(LookOf(G, 4, 4).FontColor, 0x0000AA);
  G.SetAutoNumAlign(true);
  EXPECT_EQ(LookOf(G, 4, 3).HA, taRightJustify);
  EXPECT_EQ(LookOf(G, 4, 4).HA, taLeftJustify);
  // A disabled grid paints every text in the disabled colour.
  G.SetEnabled(false);
  EXPECT_EQ(LookOf(G, 1, 1).FontColor, 0xC0C0C0);
}

// --- painted cells -------------------------------------------------------------------------------

TEST(GridCellPaint, TextPlacementFollowsAlignment) {
  TPaintedGrid S;
  S.Grid->SetCells(1, 1, L"WWW");
  S.Grid->SetCells(1, 2, L"WWW");
  S.Grid->SetCells(1, 3, L"WWW");
  S.Grid->SetAlignments(1, 2, taRightJustify);
  S.Grid->SetAlignments(1, 3, taCenter);
  TRendered R(S.Grid);
  const TRect C1 = S.Cell(1, 1), C2 = S.Cell(1, 2), C3 = S.Cell(1, 3);
  const TRect Left = InkBox(R, C1), Right = InkBox(R, C2), Centre = InkBox(R, C3);
  // The text starts XYOffset.X (2) pixels into the content, which starts
  // one grid line in: left + 3; it ends as far from the right.
  // (A glyph may stand a pixel or two off its origin.)
  EXPECT_GE(Left.Left, C1.Left + 3);
  EXPECT_LE(Left.Left, C1.Left + 6);
  EXPECT_LE(std::abs((C2.Right - 3) - Right.Right), 2);
  EXPECT_LE(std::abs((Centre.Left + Centre.Right) / 2 - (C3.Left + C3.Right) / 2), 2);
  EXPECT_EQ(Left.Width(), Right.Width());
  // Top alignment: ink begins near the top of the cell.
  EXPECT_LE(Left.Top - C1.Top, 10);
}

TEST(GridCellPaint, LayersPaintInOrder) {
  TPaintedGrid S;
  S.Grid->SetCells(1, 1, L"Hello");
  std::vector<String> Order;
  S.Grid->OnCustomCellBkgDraw = [&](TObject*, TCanvas* C, Integer ACol, Integer ARow, TGridDrawState, TRect R,
                                    bool) {
    if (ACol != 1 || ARow != 1) return;
    Order.push_back(L"background");
    C->Brush()->SetColor(0x0000FF);
    C->FillRect(R);
  };
  S.Grid->OnCustomCellDraw = [&](TObject*, TCanvas* C, Integer ACol, Integer ARow, TGridDrawState, TRect R, bool) {
    if (ACol != 1 || ARow != 1) return;
    Order.push_back(L"custom");
    C->Brush()->SetColor(0x00FF00);
    C->FillRect(TRect(R.Right - 6, R.Top + 2, R.Right - 2, R.Top + 6));
  };
  S.Grid->OnGetCellBorder = [&](TObject*, Integer ARow, Integer ACol, TPen* Pen, TCellBorders& B) {
    if (ACol != 1 || ARow != 1) return;
    Order.push_back(L"borders");
    Pen->SetColor(0xFF0000);
    B = TCellBorders{cbBottom};
  };
  TRendered R(S.Grid);
  EXPECT_EQ(Order, (std::vector<String>{L"background", L"borders", L"custom"}));
  const TRect C = S.Cell(1, 1);
  // The text lies over the background fill, the user's drawing over both.
  const TRect Ink = InkBox(R, C);
  EXPECT_GT(Ink.Width(), 10);
  EXPECT_EQ(R.Pixel(C.Right - 10, C.Top + 12), 0x0000FF);
  EXPECT_EQ(R.Pixel(C.Right - 4, C.Top + 4), 0x00FF00);
  // The bottom border lies on the cell's bottom edge.
  bool Border = false;
  for (Integer y = C.Bottom - 3; y <= C.Bottom; ++y) Border = Border || R.Pixel(C.Left + 10, y) == 0xFF0000;
  EXPECT_TRUE(Border);
}

TEST(GridCellPaint, NoDefaultDrawKeepsGraphicsButDropsText) {
  TPaintedGrid S;
  S.Grid->SetCells(1, 1, L"Hello");
  S.Grid->SetNoDefaultDraw(true);
  S.Grid->OnDrawCell = [](TObject*, Integer, Integer, const TRect&, TGridDrawState) {};
  TRendered R(S.Grid);
  EXPECT_EQ(InkBox(R, S.Cell(1, 1)).Right, -1);
}

TEST(GridCellPaint, ExactTextsOfFormattedWrappedAndHTMLCells) {
  TPaintedGrid S;
  S.Grid->SetCells(1, 1, L"1234.5");
  S.Grid->SetFormatType(ftExcel);
  S.Grid->OnGetFloatFormat = [](TObject*, Integer ACol, Integer ARow, bool&, String& Fmt) {
    if (ACol == 1 && ARow == 1) Fmt = L"#,##0.00";
  };
  S.Grid->SetCells(2, 1, L"one two three four");
  S.Grid->SetCells(1, 2, L"<b>bold</b> and plain");
  S.Grid->SetCells(2, 2, L"abc");
  S.Grid->SetDefaultColWidth(80);
  TMetafileText M(S.Grid);
  SCOPED_TRACE(M.Dump());
  EXPECT_TRUE(M.Has(L"1,234.50"));
  EXPECT_TRUE(M.Has(L"abc"));  // no format event answer: drawn as typed
  // Word wrap (on by default) breaks the long text into lines.
  EXPECT_FALSE(M.Has(L"one two three four"));
  EXPECT_TRUE(M.Has(L"one two "));
  // HTML: the tags are gone, the parts are drawn in their own fonts.
  EXPECT_TRUE(M.Has(L"bold"));
  EXPECT_FALSE(M.Has(L"<b>bold</b> and plain"));
}

TEST(GridCellPaint, EllipsisOnlyWithEnhancedTextSize) {
  TPaintedGrid S;
  S.Grid->SetWordWrap(false);
  S.Grid->SetCells(1, 1, L"a rather long text for the cell");
  {
    TMetafileText M(S.Grid);
    EXPECT_TRUE(M.Has(L"a rather long text for the cell"));
  }
  S.Grid->SetEnhTextSize(true);
  TMetafileText M(S.Grid);
  SCOPED_TRACE(M.Dump());
  EXPECT_FALSE(M.Has(L"a rather long text for the cell"));
  bool Ellipsis = false;
  for (const String& T : M.Texts) Ellipsis = Ellipsis || T.find(L"...") != String::npos;
  EXPECT_TRUE(Ellipsis);
}

TEST(GridCellPaint, RotatedTextStandsUpright) {
  TPaintedGrid S;
  S.Grid->SetRowHeights(1, 70);
  S.Grid->AddRotated(1, 1, 90, L"WWWWWW");
  TRendered R(S.Grid);
  const TRect Ink = InkBox(R, S.Cell(1, 1));
  EXPECT_GT(Ink.Height(), 2 * Ink.Width());
}

TEST(GridCellPaint, RichTextCellShowsItsText) {
  TPaintedGrid S;
  S.Grid->SetCells(1, 1, L"{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 Rich}");
  TRendered R(S.Grid);
  const TRect Ink = InkBox(R, S.Cell(1, 1));
  EXPECT_GT(Ink.Width(), 8);
  EXPECT_GE(Ink.Left, S.Cell(1, 1).Left);
}

// The font of a cell outside a disjunct row selection is zoomed once.
TEST(GridCellPaint, ZoomedOnceOutsideTheDisjunctSelection) {
  TPaintedGrid S;
  S.Grid->Font()->SetSize(8);
  S.Grid->Zoom(4);
  S.Grid->MouseActions()->SetDisjunctRowSelect(true);
  S.Grid->SetCells(1, 1, L"zoom");
  TMetafileText M(S.Grid);
  SCOPED_TRACE(M.Dump());
  // 8 + 4 points at 96 pixels per inch: 16 pixels; zoomed twice it would be 21.
  EXPECT_NE(std::find(M.FontHeights.begin(), M.FontHeights.end(), -16), M.FontHeights.end());
  EXPECT_EQ(std::find(M.FontHeights.begin(), M.FontHeights.end(), -21), M.FontHeights.end());
}

TEST(GridCellPaint, ModifiedMarkAndSelectedCell) {
  TPaintedGrid S;
  S.Grid->ShowModified()->SetEnabled(true);
  S.Grid->ShowModified()->SetColor(0x0000FF);
  S.Grid->SetSelection(TGridRect{2, 2, 2, 2});
  TRendered R(S.Grid);
  const TRect Sel = S.Cell(2, 2);
  EXPECT_EQ(R.Pixel(Sel.Left + 10, Sel.Top + 10), 0x00FF00);
}

// A gradient look's fixed cell shows its face from the top down to the
// bottom line; the current cell's header shows its own colour over the
// face but for the row above that line.
TEST(GridCellPaint, GradientLookFixedFaceReachesTheBottomLine) {
  TPaintedGrid S;
  S.Grid->SetLook(glXP);
  S.Grid->SetZVQGradientFrom(0x0000FF);
  S.Grid->SetZVQGradientTo(0x0000FF);
  S.Grid->SetZVQGradientMirrorFrom(0xFF0000);
  S.Grid->SetZVQGradientMirrorTo(0xFF0000);
  S.Grid->SetActiveCellShow(true);  // the current cell's headers paint their own face
  S.Grid->SetActiveCellColor(0x00FF00);
  S.Grid->SetActiveCellColorTo(0x00FF00);
  S.Grid->SetRow(2);
  S.Grid->SetCol(2);
  TRendered R(S.Grid);
  const Integer Frame = (S.Grid->Height() - S.Grid->ClientHeight()) / 2;  // PaintTo draws the border too
  struct TCase {
    Integer Col, Row;
    TColor Top, AboveBottomLine;
  } Cases[] = {{0, 1, 0x0000FF, 0xFF0000}, {1, 0, 0x0000FF, 0xFF0000}, {0, 2, 0x00FF00, 0xFF0000}};
  for (const TCase& C : Cases) {
    const TRect Cell = S.Cell(C.Col, C.Row);
    EXPECT_EQ(R.Pixel(Cell.Left + 10, Frame + Cell.Top + 3), C.Top) << C.Col << "," << C.Row;
    EXPECT_EQ(R.Pixel(Cell.Left + 10, Frame + Cell.Bottom - 2), C.AboveBottomLine) << C.Col << "," << C.Row;
  }
}

// --- the paint pass --------------------------------------------------------------------------------

TEST(GridPaint, BackgroundGradientBelowTheLastRow) {
  TPaintedGrid S;
  S.Grid->SetRowCount(2);
  S.Grid->BackGround()->SetDisplay(bdGradientVert);
  S.Grid->BackGround()->SetColor(0x0000FF);
  S.Grid->BackGround()->SetColorTo(0xFF0000);
  TRendered R(S.Grid);
  const Integer Bottom = S.Cell(1, 1).Bottom;
  const TColor Top = R.Pixel(100, Bottom + 3), Low = R.Pixel(100, S.Grid->ClientHeight() - 2);
  // Red fades to blue from the top of the client area down.
  EXPECT_GT(GetRValue(Top), GetRValue(Low));
  EXPECT_LT(GetBValue(Top), GetBValue(Low));
  EXPECT_EQ(GetGValue(Top), 0);
}

TEST(GridPaint, SizingLineReachesTheBottomAndErasesItself) {
  TPaintedGrid S;
  S.Grid->SetRowCount(2);
  HDC DC = GetDC(S.Grid->Handle());
  const COLORREF Before = GetPixel(DC, 50, S.Grid->ClientHeight() - 4);
  S.Grid->DrawColSizingLine(50);
  GdiFlush();
  Integer Changed = 0;
  for (Integer y = S.Grid->ClientHeight() - 8; y < S.Grid->ClientHeight(); ++y)
    Changed += GetPixel(DC, 50, y) != Before ? 1 : 0;
  EXPECT_GT(Changed, 0);  // dotted: every other pixel
  S.Grid->DrawColSizingLine(50);
  GdiFlush();
  EXPECT_EQ(GetPixel(DC, 50, S.Grid->ClientHeight() - 4), Before);
  ReleaseDC(S.Grid->Handle(), DC);
}

// The overlay frames the current cell 4 pixels out at the left and top and
// 5 at the right and bottom, and goes when the cell scrolls out of view.
TEST(GridPaint, FocusOverlayFramesTheCell) {
  TPaintedGrid S;
  S.Grid->SetRowCount(40);
  S.Grid->SetRow(2);
  S.Grid->SetCol(2);
  Pump();
  const TRect Cell = S.Cell(2, 2);
  S.Grid->ShowFocusWindow(Cell);
  HWND Overlay = S.Grid->FocusWindow()->Handle();
  RECT W{};
  GetWindowRect(Overlay, &W);
  const TPoint At = S.Grid->ClientToScreen(TPoint{Cell.Left, Cell.Top});
  EXPECT_EQ(W.left, At.X - 4);
  EXPECT_EQ(W.top, At.Y - 4);
  EXPECT_EQ(W.right - W.left, Cell.Width() + 9);
  EXPECT_EQ(W.bottom - W.top, Cell.Height() + 9);
  S.Grid->SetTopRow(20);
  S.Grid->UpdateFocusWindow();
  EXPECT_FALSE(IsWindowVisible(Overlay));
  S.Grid->HideFocusWindow();
}

// The looks with a coloured border draw it over the window frame, and no
// flat grid does unless its look is the custom one.
TEST(GridPaint, ColouredBorderOverTheFrame) {
  TPaintedGrid S;
  S.Grid->SetLook(glXP);
  S.Grid->SetFitCellsInGrid(true);
  S.Grid->SetBorderColor(0x0000FF);
  RedrawWindow(S.Grid->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  Pump();
  HDC DC = GetWindowDC(S.Grid->Handle());
  EXPECT_EQ(GetPixel(DC, 1, 10), 0x0000FFu);
  ReleaseDC(S.Grid->Handle(), DC);
  S.Grid->SetFlat(true);
  S.Grid->SetBorderColor(0x00FF00);
  RedrawWindow(S.Grid->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  Pump();
  DC = GetWindowDC(S.Grid->Handle());
  EXPECT_NE(GetPixel(DC, 1, 10), 0x00FF00u);
  ReleaseDC(S.Grid->Handle(), DC);
}
