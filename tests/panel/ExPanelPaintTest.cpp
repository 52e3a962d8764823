#include <gtest/gtest.h>
#include "panel/ExPanel.h"
#include "panel/PanelColors.h"
#include "tests/support/ui/Gui.h"

namespace jorv {
using namespace jorv::foundation;
using namespace jorv::panel;
namespace {

using namespace expanel;

TEST(PanelColors, BlendColor) {
  EXPECT_EQ(BlendColor(clBtnFace, clWhite, 100), clBtnFace);  // unconverted
  EXPECT_EQ(BlendColor(RGB(200, 0, 100), RGB(0, 100, 0), 50), RGB(100, 50, 50));
  EXPECT_EQ(BlendColor(RGB(255, 0, 0), RGB(0, 0, 0), 20), RGB(51, 0, 0));
}

// A panel on a form, rendered through PaintTo.
struct PanelOnForm {
  test::TTestForm Form{320, 240};
  TExPanel* P = new TExPanel(Form.Get());
  PanelOnForm() { P->SetParent(Form.Get()); }
  TColor At(Integer X, Integer Y) { return test::TRendered(P).Pixel(X, Y); }
};

TEST(ExPanelPaint, VerticalGradientHas32Bands) {
  PanelOnForm F;
  F.P->SetBevelOuter(bvNone);
  F.P->SetColor(RGB(0, 0, 0));
  F.P->SetColorTo(RGB(255, 255, 255));
  test::TRendered Img(F.P);
  EXPECT_EQ(Img.Pixel(150, 1), RGB(0, 0, 0));
  EXPECT_EQ(Img.Pixel(150, 198), RGB(247, 247, 247));
  // Band 16 of 32 starts at y = 100.
  EXPECT_EQ(Img.Pixel(150, 101), RGB(128, 128, 128));
}

TEST(ExPanelPaint, MirroredGradientHalves) {
  PanelOnForm F;
  F.P->SetBevelOuter(bvNone);
  F.P->SetColor(clRed);
  F.P->SetColorTo(clRed);
  F.P->SetColorMirror(clBlue);
  F.P->SetColorMirrorTo(clBlue);
  test::TRendered Img(F.P);
  EXPECT_EQ(Img.Pixel(150, 50), ColorToRGB(clRed));
  EXPECT_EQ(Img.Pixel(150, 150), ColorToRGB(clBlue));
}

TEST(ExPanelPaint, BorderWithShadow) {
  PanelOnForm F;
  F.P->SetBevelOuter(bvNone);
  F.P->SetColor(clWhite);
  F.P->SetBorderColor(clRed);
  F.P->SetBorderWidth(1);
  F.P->SetBorderShadow(true);
  test::TRendered Img(F.P);
  const Integer W = F.P->ClientWidth(), H = F.P->ClientHeight();
  EXPECT_EQ(Img.Pixel(0, 100), ColorToRGB(clRed));
  EXPECT_EQ(Img.Pixel(W - 3, 100), ColorToRGB(clRed));
  EXPECT_EQ(Img.Pixel(W - 2, 100), BlendColor(clRed, clBtnFace, 50));
  EXPECT_EQ(Img.Pixel(W - 1, 100), BlendColor(clRed, clBtnFace, 20));
  EXPECT_EQ(Img.Pixel(100, H - 2), BlendColor(clRed, clBtnFace, 50));
}

TEST(ExPanelPaint, CollapsedPlainCaptionTakesCloseColour) {
  struct Case { TColor ColorTo; TColor Expected; };
  const Case Cases[] = {{clNone, ColorToRGB(clLime)}, {clRed, ColorToRGB(clRed)}};
  for (const Case& c : Cases) {
    PanelOnForm F;
    F.P->Caption()->SetVisible(true);
    F.P->Caption()->SetColor(clRed);
    F.P->Caption()->SetColorTo(c.ColorTo);
    F.P->Caption()->SetCloseColor(clLime);
    F.P->SetCollaps(true);
    EXPECT_EQ(F.At(30, 8), c.Expected);
  }
}

TEST(ExPanelPaint, TopCaptionButtonsOnTheRight) {
  PanelOnForm F;
  F.P->Caption()->SetVisible(true);
  F.P->Caption()->SetColor(clNavy);
  F.P->Caption()->SetCloseButton(true);
  F.P->Caption()->SetMinMaxButton(true);
  F.P->Caption()->SetCloseButtonColor(clYellow);
  F.P->Caption()->SetMinMaxButtonColor(clLime);
  test::TRendered Img(F.P);
  // Raised bevel of 1: the band starts at (1, 1); the cross from (289, 5).
  EXPECT_EQ(Img.Pixel(292, 8), ColorToRGB(clYellow));
  EXPECT_EQ(Img.Pixel(292, 2), ColorToRGB(clNavy));
  // The collapse arrow left of the cross, base at y 9, tip at y 6.
  EXPECT_EQ(Img.Pixel(280, 8), ColorToRGB(clLime));
}

TEST(ExPanelPaint, StatusBarFollowsCaptionPosition) {
  struct Case { TCaptionPosition Pos; TPoint Inside, Outside; };
  const Case Cases[] = {
      {cpTop, {150, 190}, {150, 100}},
      {cpLeft, {290, 100}, {150, 100}},
      {cpRight, {10, 100}, {150, 100}},
  };
  for (const Case& c : Cases) {
    SCOPED_TRACE(int(c.Pos));
    PanelOnForm F;
    F.P->SetColor(clWhite);
    F.P->Caption()->SetPosition(c.Pos);
    F.P->StatusBar()->SetVisible(true);
    F.P->StatusBar()->SetColor(clRed);
    test::TRendered Img(F.P);
    EXPECT_EQ(Img.Pixel(c.Inside.X, c.Inside.Y), ColorToRGB(clRed));
    EXPECT_EQ(Img.Pixel(c.Outside.X, c.Outside.Y), ColorToRGB(clWhite));
  }
}

TEST(ExPanelPaint, ShadedCaptionEdge) {
  struct Case { bool Flat; TColor Edge; };
  const Case Cases[] = {{false, RGB(255, 255, 255)}, {true, RGB(198, 198, 198)}};
  for (const Case& c : Cases) {
    PanelOnForm F;
    F.P->SetBevelOuter(bvNone);
    F.P->Caption()->SetVisible(true);
    F.P->Caption()->SetColor(clWhite);
    F.P->Caption()->SetFlat(c.Flat);
    F.P->Caption()->SetShadeType(stVShade);
    EXPECT_EQ(F.At(100, 0), c.Edge);
  }
}

}  // namespace
}  // namespace jorv

namespace jorv {
namespace {

TEST(ExPanelPaint, CenteredPictureTakesHalfTheBottomRightPlace) {
  PanelOnForm F;
  F.P->SetColor(clWhite);
  TBitmap Pic;
  Pic.SetSize(100, 50);
  Pic.Canvas()->Brush()->SetColor(clRed);
  Pic.Canvas()->FillRect({0, 0, 100, 50});
  F.P->Background()->Assign(&Pic);
  ASSERT_EQ(F.P->Background()->Width(), 100);
  ASSERT_EQ(F.P->Background()->Height(), 50);
  F.P->SetBackgroundPosition(bpCenter);
  test::TRendered Img(F.P);
  const TColor Red = ColorToRGB(clRed);
  // The picture's own rendering may lose its first row to rounding, so the
  // vertical place is checked from the row below.
  EXPECT_EQ(Img.Pixel(99, 100), Red);
  EXPECT_EQ(Img.Pixel(198, 100), Red);
  EXPECT_NE(Img.Pixel(98, 100), Red);
  EXPECT_NE(Img.Pixel(199, 100), Red);
  EXPECT_EQ(Img.Pixel(150, 75), Red);
  EXPECT_EQ(Img.Pixel(150, 123), Red);
  EXPECT_NE(Img.Pixel(150, 73), Red);
  EXPECT_NE(Img.Pixel(150, 124), Red);
}

}  // namespace
}  // namespace jorv

namespace jorv {
namespace {

// A solid glyph whose bottom-left pixel, the transparent colour, differs.
void SolidGlyph(TBitmap& B, TColor Color) {
  B.SetSize(10, 10);
  B.Canvas()->Brush()->SetColor(Color);
  B.Canvas()->FillRect({0, 0, 10, 10});
  B.Canvas()->Brush()->SetColor(clWhite);
  B.Canvas()->FillRect({0, 9, 1, 10});
}

TEST(ExPanelPaint, CloseGlyphFollowsCollapsedState) {
  struct Case { bool Collapsed; TColor Expected; };
  const Case Cases[] = {{false, ColorToRGB(clGreen)}, {true, ColorToRGB(clBlue)}};
  for (const Case& c : Cases) {
    PanelOnForm F;
    TBitmap Min, Max;
    SolidGlyph(Min, clBlue);
    SolidGlyph(Max, clGreen);
    F.P->Caption()->SetVisible(true);
    F.P->Caption()->SetCloseButton(true);
    F.P->Caption()->SetCloseMinGlyph(&Min);
    F.P->Caption()->SetCloseMaxGlyph(&Max);
    F.P->SetCollaps(c.Collapsed);
    // Raised bevel of 1: the glyph sits at (299 - 10, 1 + 2).
    EXPECT_EQ(F.At(293, 7), c.Expected);
    EXPECT_NE(F.At(287, 7), c.Expected);
  }
}

}  // namespace
}  // namespace jorv

namespace jorv {
namespace {

// The holiday dialog uses a panel as a bevelled container only: lowered
// outer and raised inner bevel, caption hidden, no text. Set
// JORV_PANEL_SHOT to a file name to keep the rendering for a look.
TEST(ExPanelPaint, DialogContainerLook) {
  test::TTestForm Form(409, 370);
  Form->SetColor(clBtnFace);
  auto* P = new panel::TExPanel(Form.Get());
  P->SetParent(Form.Get());
  P->SetBounds(8, 8, 393, 337);
  P->SetBevelInner(bvRaised);
  P->SetBevelOuter(bvLowered);
  P->Caption()->SetColor(clHighlight);
  P->Caption()->SetColorTo(clNone);
  P->Caption()->Font()->SetColor(clHighlightText);
  P->SetText(L"");
  P->SetFullHeight(0);
  auto* Inner = new TPanel(P);
  Inner->SetParent(P);
  Inner->SetBounds(8, 8, 377, 262);
  Inner->SetParentBackground(false);
  Inner->SetColor(clWindow);
  test::Pump();
  test::TRendered Img(P);
  if (const wchar_t* Shot = _wgetenv(L"JORV_PANEL_SHOT")) Img.Bitmap().SaveToFile(Shot);
  // Outer bevel lowered: shadow top-left, highlight bottom-right; the
  // inner bevel raised inside it.
  EXPECT_EQ(Img.Pixel(0, 100), ColorToRGB(clBtnShadow));
  EXPECT_EQ(Img.Pixel(392, 100), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(Img.Pixel(1, 100), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(Img.Pixel(391, 100), ColorToRGB(clBtnShadow));
  // No caption band: the body colour reaches the top.
  EXPECT_EQ(Img.Pixel(200, 4), ColorToRGB(clBtnFace));
  EXPECT_EQ(Img.Pixel(200, 300), ColorToRGB(clBtnFace));
  EXPECT_EQ(Img.Pixel(100, 100), ColorToRGB(clWindow));
}

}  // namespace
}  // namespace jorv
