#pragma once
// A white 24-bit bitmap to paint on and probe pixel by pixel.
#include "platform/gfx/Bitmap.h"

namespace jorv::test {

class TPaintProbe {
 public:
  TPaintProbe(Integer W, Integer H, TColor Background = clWhite) {
    FBitmap.SetPixelFormat(pf24bit);
    FBitmap.SetSize(W, H);
    Canvas()->Brush()->SetColor(Background);
    Canvas()->FillRect(Rect(0, 0, W, H));
  }
  TCanvas* Canvas() { return FBitmap.Canvas(); }
  TColor At(Integer X, Integer Y) { return FBitmap.Canvas()->Pixels(X, Y); }
  // How many pixels of Color lie in R.
  Integer Count(const TRect& R, TColor Color) {
    Integer N = 0;
    for (Integer Y = R.Top; Y < R.Bottom; ++Y)
      for (Integer X = R.Left; X < R.Right; ++X) N += At(X, Y) == Color;
    return N;
  }

 private:
  TBitmap FBitmap;
};

}  // namespace jorv::test
