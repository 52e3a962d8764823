// Drawing the graphics of cells into a bitmap: where each graphic stands
// relative to the cell's text, the sizes the text layer is told, check box
// and radio glyphs in every look, values, node glyphs and comment marks.
#include <gtest/gtest.h>

#include <cstdlib>
#include "grid/core/GridGlyphs.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/rtl/Strings.h"
#include "platform/rtl/SysUtils.h"
#include <functional>
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;

namespace {

// One cell of 100 x 40 drawn on white.
struct TCellPicture {
  TBitmap Bitmap{100, 40};
  TCellPicture() {
    Bitmap.Canvas()->Brush()->SetColor(clWhite);
    Bitmap.Canvas()->FillRect(TRect(0, 0, 100, 40));
  }
  void Draw(TRezIvevirAvod& G, Integer Col, Integer Row, TAlignment TextAlign = taLeftJustify,
            Integer TextWidth = 0) {
    TCellGraphicContext C;
    C.Canvas = Bitmap.Canvas();
    C.Col = Col;
    C.Row = Row;
    C.CellRect = TRect(0, 0, 100, 40);
    C.TextAlign = TextAlign;
    C.TextWidth = TextWidth;
    G.DrawCellGraphics(TRect(0, 0, 100, 40), G.GetCellGraphic(Col, Row), G.VAlignment(), C);
  }
  TColor Pixel(Integer X, Integer Y) { return Bitmap.Canvas()->Pixels(X, Y); }
  // The smallest rectangle holding every pixel that is not white.
  TRect Drawn() {
    TRect R(1000, 1000, -1, -1);
    for (Integer y = 0; y < 40; ++y)
      for (Integer x = 0; x < 100; ++x)
        if (Pixel(x, y) != clWhite) {
          R.Left = std::min(R.Left, x), R.Top = std::min(R.Top, y);
          R.Right = std::max(R.Right, x + 1), R.Bottom = std::max(R.Bottom, y + 1);
        }
    return R;
  }
};

class TNodeGrid : public TRezIvevirAvod {
 public:
  TNodeGrid() : TRezIvevirAvod(nullptr) {}
  void MakeNode(Integer ARow, Integer Span, bool Collapsed) {
    TCellGraphic* N = CreateCellGraphic(0, ARow);
    N->SetCellType(ctNode);
    N->SetCellIndex(Span);
    N->SetCellBoolean(Collapsed);
    for (Integer r = ARow; r < ARow + Span; ++r) GetCellProperties(0, r)->SetNodeLevel(1);
    ++FNumNodes;
  }
};

}  // namespace

// A 16 x 16 bitmap in a 100 x 40 cell whose content area starts one pixel
// in: its corners land where each placement puts them.
TEST(GridGraphicDrawing, PlacementAroundTheText) {
  TRezIvevirAvod G(nullptr);
  TBitmap Red(16, 16);
  Red.Canvas()->Brush()->SetColor(clRed);
  Red.Canvas()->FillRect(TRect(0, 0, 16, 16));
  struct {
    TCellHAlign HA;
    TAlignment Text;
    Integer X;
  } Across[] = {{haLeft, taLeftJustify, 2},       {haRight, taLeftJustify, 82},
                {haCenter, taLeftJustify, 42},    {haBeforeText, taLeftJustify, 2},
                {haAfterText, taLeftJustify, 33}, {haFull, taLeftJustify, 1},
                {haBeforeText, taRightJustify, 51}, {haAfterText, taRightJustify, 82},
                {haBeforeText, taCenter, 26},     {haAfterText, taCenter, 58}};
  for (auto A : Across) {
    TCellPicture P;
    G.AddBitmap(1, 1, &Red, false, A.HA, vaTop);
    P.Draw(G, 1, 1, A.Text, 30);
    const TRect D = P.Drawn();
    EXPECT_EQ(D.Left, A.X) << int(A.HA) << "/" << int(A.Text);
    EXPECT_EQ(D.Right - D.Left, 16) << int(A.HA);
    EXPECT_EQ(P.Pixel(A.X + 15, D.Top + 15), clRed);
  }
  struct {
    TCellVAlign VA;
    Integer Y;
  } Down[] = {{vaTop, 2}, {vaBottom, 22}, {vaCenter, 12}, {vaUnderText, 23}, {vaAboveText, 2}, {vaFull, 1}};
  for (auto V : Down) {
    TCellPicture P;
    G.AddBitmap(1, 1, &Red, false, haLeft, V.VA);
    P.Draw(G, 1, 1);
    EXPECT_EQ(P.Drawn().Top, V.Y) << int(V.VA);
    EXPECT_EQ(P.Drawn().Bottom - P.Drawn().Top, 16) << int(V.VA);
  }
}

// What the text layer is told matches what is drawn.
TEST(GridGraphicDrawing, InfoSizesMatchTheDrawing) {
  TRezIvevirAvod G(nullptr);
  G.ControlLook()->SetControlStyle(csWinXP);
  G.SetCells(1, 1, L"2");
  struct {
    const wchar_t* Name;
    std::function<void()> Add;
    bool AllowText;
  } Cases[] = {
      {L"check box", [&] { G.AddCheckBox(1, 1, true, false); }, true},
      {L"data check box", [&] { G.AddCheckBox(1, 1, true, true); }, false},
      {L"tri-state", [&] { G.AddCheckBox(1, 1, cbChecked); }, true},
      {L"pie", [&] { G.AddProgressPie(1, 1, clRed, 60); }, true},
      {L"rating", [&] { G.AddRating(1, 1, 3, clRed, clSilver); }, false},
      {L"shape", [&] { G.AddShape(1, 1, csRectangle, clRed, clBlack, haLeft, vaTop); }, true},
  };
  for (auto& C : Cases) {
    SCOPED_TRACE(UTF8Encode(C.Name));
    C.Add();
    TCellGraphic* Graphic = nullptr;
    Integer W = 0, H = 0;
    TCellHAlign HA = haLeft;
    TCellVAlign VA = vaTop;
    bool AllowText = false;
    G.GetCellGraphicInfo(1, 1, Graphic, W, H, HA, VA, AllowText);
    EXPECT_EQ(Graphic, G.GetCellGraphic(1, 1));
    EXPECT_EQ(AllowText, C.AllowText);
    TCellPicture P;
    P.Draw(G, 1, 1);
    const TRect D = P.Drawn();
    // Shapes keep their outline inside the box, a pixel or three in.
    EXPECT_LE(D.Right - D.Left, W);
    EXPECT_GE(D.Right - D.Left, W - 3);
    EXPECT_LE(D.Bottom - D.Top, H);
    EXPECT_GE(D.Bottom - D.Top, H - 3);
  }
}

TEST(GridGraphicDrawing, RatingShowsHalfStars) {
  TRezIvevirAvod G(nullptr);
  G.SetCells(1, 1, L"3.7");
  G.AddRating(1, 1, 5, clRed, clBlue);
  TCellPicture P;
  P.Draw(G, 1, 1);
  // Stars start at x = 1 and stand 18 apart; 3.7 counts as 3.5.
  for (Integer i : {0, 1, 2}) EXPECT_EQ(P.Pixel(1 + 18 * i + 8, 1 + 9), clRed) << i;
  EXPECT_EQ(P.Pixel(1 + 18 * 4 + 8, 1 + 9), clBlue);
  bool Red = false, Blue = false;
  for (Integer x = 55; x < 71; ++x)
    for (Integer y = 1; y < 17; ++y) Red |= P.Pixel(x, y) == clRed, Blue |= P.Pixel(x, y) == clBlue;
  EXPECT_TRUE(Red && Blue);
}

// A data check box shows the tick exactly when its text is the check-true text.
TEST(GridGraphicDrawing, DataCheckBoxFollowsItsText) {
  TRezIvevirAvod G(nullptr);
  G.ControlLook()->SetControlStyle(csWinXP);
  G.ControlLook()->SetCheckAlwaysActive(true);
  TBitmap* Glyph = GridGlyph(L"GRDCHK05");
  ASSERT_NE(Glyph, nullptr);
  const TColor Tick = Glyph->Canvas()->Pixels(6, 9);
  struct {
    const wchar_t* Text;
    bool Ticked;
  } Cases[] = {{L"Y", true}, {L"N", false}, {L"y", false}, {L"Yes", false}};
  for (auto C : Cases) {
    G.AddCheckBox(1, 1, false, true);
    G.SetCells(1, 1, C.Text);
    TCellPicture P;
    P.Draw(G, 1, 1);
    // The box stands at the content's left + 1 and top + 1.
    EXPECT_EQ(P.Pixel(2 + 6, 2 + 9) == Tick, C.Ticked) << UTF8Encode(C.Text);
  }
}

// Checked and unchecked glyphs differ in every look, and each draws something.
TEST(GridGraphicDrawing, CheckAndRadioGlyphsInEveryLook) {
  TRezIvevirAvod G(nullptr);
  G.SetColorTones(TColorTones{});
  G.SetFlat(false);
  for (grid::TControlStyle Style : {csClassic, csFlat, csTheme, csWinXP, csZVQ, csCorvane, csGlyph}) {
    TCellPicture On, Off, Gray, RadioOn, RadioOff;
    G.DrawCheckBoxGlyph(On.Bitmap.Canvas(), TRect(0, 0, 15, 15), true, cbUnchecked, false, Style, false, true);
    G.DrawCheckBoxGlyph(Off.Bitmap.Canvas(), TRect(0, 0, 15, 15), false, cbUnchecked, false, Style, false, true);
    EXPECT_GT(Off.Drawn().Right, 0) << int(Style);
    bool CheckDiffers = false;
    for (Integer y = 0; y < 15; ++y)
      for (Integer x = 0; x < 15; ++x) CheckDiffers |= On.Pixel(x, y) != Off.Pixel(x, y);
    EXPECT_TRUE(CheckDiffers) << int(Style);
    G.DrawRadioGlyph(RadioOn.Bitmap.Canvas(), TRect(0, 0, 20, 20), false, 1.0, Style, 1, 1, false, nullptr, false,
                     false, 0, 1);
    G.DrawRadioGlyph(RadioOff.Bitmap.Canvas(), TRect(0, 0, 20, 20), false, 1.0, Style, 1, 1, false, nullptr, false,
                     false, -2, 1);
    bool Differ = false;
    for (Integer y = 0; y < 20; ++y)
      for (Integer x = 0; x < 20; ++x) Differ |= RadioOn.Pixel(x, y) != RadioOff.Pixel(x, y);
    EXPECT_TRUE(Differ) << int(Style);
  }
}

TEST(GridGraphicDrawing, FlatNodeShowsPlusOrMinus) {
  for (bool Collapsed : {true, false}) {
    TNodeGrid G;
    G.CellNode()->SetNodeType(cnFlat);
    G.CellNode()->SetShowTree(false);
    G.MakeNode(1, 3, Collapsed);
    TCellPicture P;
    P.Draw(G, 0, 1);
    // The 9 x 9 box stands at x 6, vertically centred; its minus runs on
    // its fifth row, the bar of the plus down its fifth column.
    const Integer Top = (40 - 8) / 2;
    EXPECT_EQ(P.Pixel(6 + 3, Top + 4), clBlack);
    EXPECT_EQ(P.Pixel(6 + 4, Top + 2) == clBlack, Collapsed);
  }
}

TEST(GridGraphicDrawing, ExProgressShowsItsShare) {
  TRezIvevirAvod G(nullptr);
  G.ProgressAppearance()->SetShowPercentage(false);
  G.SetCells(1, 1, L"50");
  G.AddExProgress(1, 1, 0, 200);
  TCellPicture P;
  P.Draw(G, 1, 1);
  // 50 of 0..200 fills a quarter of the bar, which runs from 2 to 97.
  auto Greenish = [](TColor C) { return ((C >> 8) & 0xFF) > 0xC0 && (C & 0xFF) < 0xC0; };
  EXPECT_TRUE(Greenish(P.Pixel(15, 20)));
  EXPECT_FALSE(Greenish(P.Pixel(40, 20)));
}

TEST(GridGraphicDrawing, CommentMarkInTheCorner) {
  TRezIvevirAvod G(nullptr);
  G.AddComment(1, 1, L"note");
  TCellPicture P;
  P.Draw(G, 1, 1);
  EXPECT_EQ(P.Pixel(97, 1), TColor(0x0000FF));
  EXPECT_EQ(P.Pixel(90, 1), clWhite);
  G.AddColorComment(1, 1, L"note", clGreen);
  TCellPicture Q;
  Q.Draw(G, 1, 1);
  EXPECT_EQ(Q.Pixel(97, 1), clGreen);
}

// A grid with one cell of every kind, drawn through the cell graphics onto
// the grid's own painting. JORV_CELL_PICTURE names a file to keep it in.
TEST(GridGraphicDrawing, OneCellOfEveryKind) {
  test::TTestForm Form(760, 420);
  auto* G = new TNodeGrid;
  G->SetParent(Form.Get());
  G->SetBounds(0, 0, 760, 420);
  G->SetColCount(5);
  G->SetRowCount(9);
  G->SetDefaultRowHeight(44);
  for (Integer c = 0; c < 5; ++c) G->SetColWidths(c, 150);
  TBitmap Glyph(16, 16);
  Glyph.Canvas()->Brush()->SetColor(0x2080E0);
  Glyph.Canvas()->Ellipse(0, 0, 16, 16);
  TStringList Items;
  Items.Add(L"one");
  Items.Add(L"two");
  G->SetCells(1, 1, L"bitmap");
  G->AddBitmap(1, 1, &Glyph, false, haBeforeText, vaCenter);
  G->SetCells(2, 1, L"check");
  G->AddCheckBox(2, 1, true, false);
  G->AddCheckBox(3, 1, false, true);
  G->SetCells(4, 1, L"grayed");
  G->AddCheckBox(4, 1, cbGrayed);
  G->SetCells(1, 2, L"radio");
  G->AddRadioButton(1, 2, true);
  G->AddRadio(2, 2, 1, 1, &Items);
  G->AddRadio(3, 2, 0, 0, &Items);
  G->SetCells(4, 2, L"40");
  G->AddProgress(4, 2, clNavy, clWhite);
  G->SetCells(1, 3, L"120");
  G->AddExProgress(1, 3, 0, 200);
  G->SetCells(2, 3, L"pie");
  G->AddProgressPie(2, 3, clGreen, 70);
  G->SetCells(3, 3, L"-30");
  G->AddRangeIndicator(3, 3, 100, clRed, clGreen, true);
  G->SetCells(4, 3, L"3.5");
  G->AddRating(4, 3, 5, 0x00C0FF, clSilver);
  G->SetCells(1, 4, L"shape");
  G->AddShape(1, 4, csDiamond, clYellow, clBlack, haBeforeText, vaCenter);
  G->AddButton(2, 4, 60, 22, L"Button", haCenter, vaCenter);
  G->AddBitButton(3, 4, 80, 24, L"Glyph", &Glyph, haCenter, vaCenter);
  G->AddRotated(4, 4, 20, L"rotated");
  G->SetCells(1, 5, L"comment");
  G->AddComment(1, 5, L"a comment");
  G->SetCells(2, 5, L"marker");
  G->AddMarker(2, 5, 1, 3);
  G->SetCells(3, 5, L"balloon");
  G->AddBalloon(3, 5, L"T", L"X", biInfo);
  G->SetCells(4, 5, L"after");
  G->AddBitmap(4, 5, &Glyph, true, haAfterText, vaCenter);
  G->MakeNode(6, 2, false);
  G->SetCells(1, 6, L"node");
  test::TRendered Shot(G);
  TCanvas* C = Shot.Bitmap().Canvas();
  for (Integer r = 0; r < G->RowCount(); ++r)
    for (Integer c = 0; c < G->ColCount(); ++c) {
      TCellGraphic* Graphic = G->GetCellGraphic(c, r);
      if (!Graphic) continue;
      TCellGraphicContext Ctx;
      Ctx.Canvas = C;
      Ctx.Col = c;
      Ctx.Row = r;
      Ctx.CellRect = G->CellRect(c, r);
      C->Font()->Assign(G->Font());
      Ctx.TextWidth = C->TextWidth(G->GetCells(c, r));
      C->Brush()->SetColor(G->Color());
      G->DrawCellGraphics(Ctx.CellRect, Graphic, G->VAlignment(), Ctx);
    }
  if (const char* Path = std::getenv("JORV_CELL_PICTURE")) Shot.Bitmap().SaveToFile(UTF8Decode(Path));
  // The check box of (2, 1) and the progress bar of (4, 2) stand where their cells are.
  const TRect Check = G->CellRect(2, 1);
  bool Drawn = false;
  for (Integer x = Check.Left + 2; x < Check.Left + 18; ++x) Drawn |= Shot.Pixel(x, Check.Top + 9) != G->Color();
  EXPECT_TRUE(Drawn);
}
