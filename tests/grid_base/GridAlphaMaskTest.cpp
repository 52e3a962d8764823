// The focus glow: the blur's kernel and truncation, the mask painter, the
// premultiplied merge and the layered overlay window.
#include <gtest/gtest.h>
#include <cstring>
#include <memory>
#include "grid/base/GridFocusWindow.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

TBitmap* Bitmap24(Integer W, Integer H, TColor Fill) {
  auto* B = new TBitmap();
  B->SetPixelFormat(pf24bit);
  B->SetSize(W, H);
  B->Canvas()->Brush()->SetColor(Fill);
  B->Canvas()->FillRect(TRect(0, 0, W, H));
  return B;
}

const Byte* Pixel(TBitmap* B, Integer X, Integer Y, Integer BytesPerPixel) {
  return static_cast<const Byte*>(B->ScanLine(Y)) + X * BytesPerPixel;
}

TEST(GridAlphaMask, KernelOfRadiusThreeKeepsEightTapsEachSide) {
  TGaussKernel K;
  MakeGaussKernel(K, 3, 255, 1);
  EXPECT_EQ(K.Size, 8);
  double Sum = 0;
  for (Integer j = -8; j <= 8; ++j) Sum += K.Weight(j);
  EXPECT_NEAR(Sum, 1.0, 1e-6);
  // exp(-j*j/18) over its sum for j = -8..8 (7.48660...).
  EXPECT_NEAR(K.Weight(0), 0.133571, 1e-6);
  EXPECT_NEAR(K.Weight(-1), 0.126353, 1e-6);
  EXPECT_NEAR(K.Weight(8), 0.003816, 1e-6);
}

TEST(GridAlphaMask, BlurTruncatesEveryPass) {
  // Left half white, right half black, 30 pixels square: no inner stretch
  // is copied, every row and column is blurred. Each pass truncates, so
  // even the white side ends below 255.
  std::unique_ptr<TBitmap> B(Bitmap24(30, 30, clBlack));
  B->Canvas()->Brush()->SetColor(clWhite);
  B->Canvas()->FillRect(TRect(0, 0, 15, 30));
  BlurBitmap(B.get(), 3);
  struct Case {
    Integer X;
    Byte V;
  };
  for (Case k : {Case{0, 253}, Case{8, 250}, Case{14, 143}, Case{15, 109}, Case{21, 2}, Case{22, 0}})
    for (Integer Y : {0, 10, 29}) {
      const Byte* P = Pixel(B.get(), k.X, Y, 3);
      EXPECT_EQ(P[0], k.V) << k.X << "," << Y;
      EXPECT_EQ(P[2], k.V) << k.X << "," << Y;
    }

  std::unique_ptr<TBitmap> Wide(new TBitmap(8, 8));
  Wide->SetPixelFormat(pf32bit);
  EXPECT_THROW(
      {
        try {
          BlurBitmap(Wide.get(), 3);
        } catch (const Exception& E) {
          EXPECT_EQ(E.Message(), L"Blur only works for 24-bit bitmaps");
          throw;
        }
      },
      Exception);
}

TEST(GridAlphaMask, MaskPainterBlursAFrameAndCopiesTheInnerStretch) {
  TBitmap B;
  DrawBlurredRoundRectMask(&B, 60, 50, 4, 5, 3);
  ASSERT_EQ(B.PixelFormat(), pf24bit);
  ASSERT_EQ(B.Width(), 60);
  ASSERT_EQ(B.Height(), 50);
  // The frame's pen runs over rows 2 .. 5: brightest there, softer towards
  // the edge, and the middle stays black.
  Byte OnFrame = Pixel(&B, 30, 4, 3)[2], Edge = Pixel(&B, 30, 0, 3)[2];
  EXPECT_GT(OnFrame, 100);
  EXPECT_GT(Edge, 0);
  EXPECT_LT(Edge, OnFrame);
  EXPECT_EQ(Pixel(&B, 30, 25, 3)[2], 0);
  EXPECT_EQ(Pixel(&B, 30, 25, 3)[0], 0);
  // Rows 21 .. 29 are row 15 over again.
  for (Integer R = 21; R < 30; ++R)
    EXPECT_EQ(0, std::memcmp(B.ScanLine(R), B.ScanLine(15), 60 * 3)) << R;
}

TEST(GridAlphaMask, MergeTakesAlphaFromTheMasksRed) {
  std::unique_ptr<TBitmap> White(Bitmap24(4, 3, clWhite));
  std::unique_ptr<TBitmap> Mask(Bitmap24(5, 5, TColor(0x000080)));  // red 128
  std::unique_ptr<TBitmap> Colour(Bitmap24(4, 3, TColor(0xFDD397)));
  TGridAlphaMask A;
  A.MergeMask(Mask.get(), White.get(), clNone);
  ASSERT_EQ(A.Width(), 4);
  ASSERT_EQ(A.Height(), 3);
  const Byte* P = Pixel(&A, 3, 2, 4);
  EXPECT_EQ(P[0], 128);
  EXPECT_EQ(P[1], 128);
  EXPECT_EQ(P[2], 128);
  EXPECT_EQ(P[3], 128);
  A.MergeMask(Mask.get(), Colour.get(), clNone);
  P = Pixel(&A, 0, 0, 4);
  // $FDD397 at half strength, rounded: blue 253, green 211, red 151.
  EXPECT_EQ(P[0], 127);
  EXPECT_EQ(P[1], 106);
  EXPECT_EQ(P[2], 76);

  // Neither a bitmap of another depth nor a mask smaller than the bitmap
  // is read.
  TGridAlphaMask Untouched;
  std::unique_ptr<TBitmap> Small(Bitmap24(2, 2, clWhite));
  Untouched.MergeMask(Small.get(), White.get(), clNone);
  EXPECT_EQ(Untouched.Width(), 0);
  White->SetPixelFormat(pf32bit);
  Untouched.MergeMask(Mask.get(), White.get(), clNone);
  EXPECT_EQ(Untouched.Width(), 0);

  TGridAlphaMask Copy;
  A.SetOpacity(230);
  Copy.SetSize(4, 3);
  Copy.Assign(&A);
  EXPECT_EQ(Copy.Opacity(), 230);
  EXPECT_EQ(Pixel(&Copy, 0, 0, 4)[2], 76);
}

TEST(GridFocusWindow, ShowsTheMaskAsALayeredToolWindow) {
  TTestForm Form(300, 200);
  TGridFocusWindow W(nullptr);
  std::unique_ptr<TBitmap> Frame(new TBitmap());
  DrawBlurredRoundRectMask(Frame.get(), 40, 30, 4, 5, 3);
  std::unique_ptr<TBitmap> Colour(Bitmap24(40, 30, TColor(0xFDD397)));
  TGridAlphaMask Mask;
  Mask.MergeMask(Frame.get(), Colour.get(), clNone);
  Mask.SetOpacity(230);
  HWND Active = GetForegroundWindow();
  ASSERT_TRUE(W.ApplyLayeredMask(&Mask, {100, 120}));
  ShowWindow(W.Handle(), SW_SHOWNOACTIVATE);
  Pump();
  RECT R;
  GetWindowRect(W.Handle(), &R);
  EXPECT_EQ(TRect(R.left, R.top, R.right, R.bottom), TRect(100, 120, 140, 150));
  LONG_PTR Ex = GetWindowLongPtrW(W.Handle(), GWL_EXSTYLE);
  EXPECT_TRUE(Ex & WS_EX_LAYERED);
  EXPECT_TRUE(Ex & WS_EX_TOPMOST);
  EXPECT_TRUE(Ex & WS_EX_TOOLWINDOW);
  EXPECT_TRUE(GetWindowLongPtrW(W.Handle(), GWL_STYLE) & WS_DISABLED);
  EXPECT_EQ(GetParent(W.Handle()), nullptr);
  EXPECT_EQ(GetForegroundWindow(), Active);
  // A mask of no height changes nothing.
  TGridAlphaMask Empty;
  EXPECT_TRUE(W.ApplyLayeredMask(&Empty, {0, 0}));
  GetWindowRect(W.Handle(), &R);
  EXPECT_EQ(R.left, 100);
}

}  // namespace
