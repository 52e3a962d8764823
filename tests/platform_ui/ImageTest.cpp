// Images: where the picture lands for each combination of stretching,
// proportions and centring, automatic sizing and transparency.
#include <gtest/gtest.h>
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::test;

namespace {

std::unique_ptr<TBitmap> Solid(Integer W, Integer H, TColor Fill, TColor Corner = clNone) {
  auto B = std::make_unique<TBitmap>();
  B->SetPixelFormat(pf24bit);
  B->SetSize(W, H);
  B->Canvas()->Brush()->SetColor(Fill);
  B->Canvas()->FillRect(Rect(0, 0, W, H));
  // The bottom-left pixel names the transparent colour.
  if (Corner != clNone) B->Canvas()->SetPixels(0, H - 1, Corner);
  return B;
}

TColor At(TTestForm& F, Integer X, Integer Y) {
  TRendered R(F.Get());
  RECT W;
  GetWindowRect(F->Handle(), &W);
  TPoint O = F->ClientOrigin();
  return R.Pixel(O.X - W.left + X, O.Y - W.top + Y);
}

}  // namespace

TEST(Image, DestRect) {
  struct Case {
    Integer PW, PH;
    bool Stretch, Proportional, Center;
    TRect Want;
  };
  const Case Cases[] = {
      {40, 20, false, false, false, Rect(0, 0, 40, 20)},
      {40, 20, false, false, true, Rect(30, 40, 70, 60)},
      {40, 20, true, false, false, Rect(0, 0, 100, 100)},
      {40, 20, true, true, false, Rect(0, 0, 100, 50)},
      {40, 20, true, true, true, Rect(0, 25, 100, 75)},
      {20, 40, true, true, true, Rect(25, 0, 75, 100)},
      {40, 20, false, true, false, Rect(0, 0, 40, 20)},    // small pictures stay small
      {200, 100, false, true, false, Rect(0, 0, 100, 50)},  // large ones shrink
      {200, 100, false, false, false, Rect(0, 0, 200, 100)},
      {30, 300, false, true, true, Rect(45, 0, 55, 100)},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(testing::Message() << C.PW << "x" << C.PH << " s" << C.Stretch << " p" << C.Proportional
                                    << " c" << C.Center);
    TImage I(nullptr);
    I.SetBounds(0, 0, 100, 100);
    auto B = Solid(C.PW, C.PH, clRed);
    I.Picture()->SetBitmap(B.get());
    I.SetStretch(C.Stretch);
    I.SetProportional(C.Proportional);
    I.SetCenter(C.Center);
    EXPECT_EQ(I.DestRect(), C.Want);
  }
}

TEST(Image, PaintsThePictureWhereItLands) {
  TTestForm F(200, 150);
  F->SetColor(clBlue);
  auto* I = new TImage(F.Get());
  I->SetParent(F.Get());
  I->SetBounds(10, 10, 100, 100);
  auto B = Solid(40, 20, clRed);
  I->Picture()->SetBitmap(B.get());
  EXPECT_EQ(At(F, 15, 15), clRed);
  EXPECT_EQ(At(F, 100, 100), clBlue);
  I->SetStretch(true);
  EXPECT_EQ(At(F, 100, 100), clRed);
  EXPECT_EQ(At(F, 111, 100), clBlue);
}

TEST(Image, AutoSizeFollowsThePicture) {
  TTestForm F(200, 150);
  auto* I = new TImage(F.Get());
  I->SetParent(F.Get());
  I->SetBounds(5, 6, 100, 100);
  auto Small = Solid(40, 20, clRed);
  I->Picture()->SetBitmap(Small.get());
  EXPECT_EQ(I->BoundsRect(), Bounds(5, 6, 100, 100)) << "no sizing while AutoSize is off";
  I->SetAutoSize(true);
  EXPECT_EQ(I->BoundsRect(), Bounds(5, 6, 40, 20));
  auto Big = Solid(70, 30, clRed);
  I->Picture()->SetBitmap(Big.get());
  EXPECT_EQ(I->BoundsRect(), Bounds(5, 6, 70, 30));
  // Emptying the picture keeps the last size.
  I->Picture()->SetGraphic(nullptr);
  EXPECT_EQ(I->BoundsRect(), Bounds(5, 6, 70, 30));
}

TEST(Image, TransparentLeavesTheKeyColourOut) {
  TTestForm F(200, 150);
  F->SetColor(clBlue);
  auto* I = new TImage(F.Get());
  I->SetParent(F.Get());
  I->SetBounds(0, 0, 40, 20);
  auto B = Solid(40, 20, clWhite, clLime);
  B->Canvas()->Brush()->SetColor(clLime);
  B->Canvas()->FillRect(Rect(0, 10, 40, 20));
  I->Picture()->SetBitmap(B.get());
  EXPECT_EQ(At(F, 5, 15), clLime);
  I->SetTransparent(true);
  EXPECT_EQ(At(F, 5, 15), clBlue);
  EXPECT_EQ(At(F, 5, 5), clWhite);
  // A new picture takes the setting too.
  auto B2 = Solid(40, 20, clLime, clLime);
  I->Picture()->SetBitmap(B2.get());
  EXPECT_EQ(At(F, 5, 5), clBlue);
}
