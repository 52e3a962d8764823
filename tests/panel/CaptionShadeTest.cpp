#include <gtest/gtest.h>
#include "panel/CaptionShade.h"
#include "panel/ExPanel.h"

namespace jorv {
using namespace jorv::foundation;
using namespace jorv::panel;
namespace {

using namespace expanel;

TColor PixelOf(TBitmap& B, Integer X, Integer Y) {
  const auto* Row = static_cast<const uint32_t*>(B.ScanLine(Y));
  const uint32_t p = Row[X];
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

Integer Grey(Integer V) { return RGB(V, V, V); }

TEST(CaptionShade, VerticalShadeOfWhite) {
  TPanelCaption C;
  C.SetColor(clWhite);
  C.SetShadeLight(200);
  C.SetShadeType(stVShade);
  TBitmap B;
  RenderCaptionShade(B, C, 50, 200);
  ASSERT_EQ(B.Width(), 50);
  ASSERT_EQ(B.Height(), 20);
  EXPECT_EQ(PixelOf(B, 0, 0), Grey(198));
  EXPECT_EQ(PixelOf(B, 49, 0), Grey(198));
  // Row H itself falls outside the bitmap; the last row drawn is H - 1.
  EXPECT_EQ(PixelOf(B, 10, 19), Grey(200 - (239 * 19 / 20 + 8) / 4));
}

TEST(CaptionShade, ShadesRunTheirWay) {
  struct Case { TShadeType Type; bool LeftDarker; };
  const Case Cases[] = {{stHShade, true}, {stHShadeInv, false}};
  for (const Case& c : Cases) {
    SCOPED_TRACE(int(c.Type));
    TPanelCaption C;
    C.SetColor(clWhite);
    C.SetShadeType(c.Type);
    TBitmap B;
    RenderCaptionShade(B, C, 100, 50);
    const Byte Left = GetRValue(PixelOf(B, 1, 5)), Right = GetRValue(PixelOf(B, 98, 5));
    EXPECT_EQ(Left < Right, c.LeftDarker);
  }
}

TEST(CaptionShade, NoiseWithoutGrainIsUniform) {
  for (Byte Grain : {Byte(0), Byte(1)}) {
    TPanelCaption C;
    C.SetColor(clWhite);
    C.SetShadeLight(220);
    C.SetShadeGrain(Grain);
    C.SetShadeType(stNoise);
    TBitmap B;
    RenderCaptionShade(B, C, 30, 100);
    for (Integer y : {0, 10, 19})
      for (Integer x : {0, 15, 29}) EXPECT_EQ(PixelOf(B, x, y), Grey(220 - 64));
  }
}

TEST(CaptionShade, EmptyBandGetsSubstituteSize) {
  struct Case { TCaptionPosition Pos; Integer W, H; };
  const Case Cases[] = {{cpTop, 80, 20}, {cpLeft, 20, 60}, {cpRight, 20, 60}};
  for (const Case& c : Cases) {
    TPanelCaption C;
    C.SetPosition(c.Pos);
    C.SetHeight(0);
    C.SetShadeType(stHBump);
    TBitmap B;
    RenderCaptionShade(B, C, 80, 60);
    EXPECT_EQ(B.Width(), c.W);
    EXPECT_EQ(B.Height(), c.H);
  }
}

// Every type, on bands too small or square for its divisors, renders
// without failing.
TEST(CaptionShade, EveryTypeOnDegenerateBands) {
  const TPoint Sizes[] = {{1, 1}, {5, 1}, {20, 20}, {300, 20}};
  for (int t = stNormal; t <= stBitmapLStretch; ++t)
    for (TPoint S : Sizes) {
      TPanelCaption C;
      C.SetShadeType(TShadeType(t));
      C.SetHeight(S.Y);
      TBitmap B;
      RenderCaptionShade(B, C, S.X, 100);
      EXPECT_EQ(B.Width(), S.X);
    }
}

TEST(CaptionShade, PanelRebuildsOnShadeWritesNotOnHeight) {
  TExPanel P(nullptr);
  P.Caption()->SetColor(clWhite);
  P.Caption()->SetShadeType(stVShade);
  ASSERT_EQ(P.ShadedHeader()->Width(), 300);
  ASSERT_EQ(P.ShadedHeader()->Height(), 20);
  P.Caption()->SetHeight(40);
  EXPECT_EQ(P.ShadedHeader()->Height(), 20);
  P.Caption()->SetShadeGrain(10);
  EXPECT_EQ(P.ShadedHeader()->Height(), 40);
  P.Caption()->SetPosition(cpLeft);
  EXPECT_EQ(P.ShadedHeader()->Width(), 40);
  EXPECT_EQ(P.ShadedHeader()->Height(), 200);
}

}  // namespace
}  // namespace jorv
