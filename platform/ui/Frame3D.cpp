#include "platform/ui/Frame3D.h"

namespace jorv {

void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, Integer Width) {
  Canvas->Pen()->SetWidth(1);
  Canvas->Pen()->SetStyle(psSolid);
  // Work on the inclusive corners: a polyline leaves its last point out.
  Integer L = Rect.Left, T = Rect.Top, R = Rect.Right - 1, B = Rect.Bottom - 1;
  for (Integer i = 0; i < Width && L <= R && T <= B; ++i) {
    Canvas->Pen()->SetColor(TopColor);
    Canvas->Polyline({Point(L, B), Point(L, T), Point(R, T)});
    Canvas->Pen()->SetColor(BottomColor);
    Canvas->Polyline({Point(R, T), Point(R, B), Point(L - 1, B)});
    ++L;
    ++T;
    --R;
    --B;
  }
  Rect.Left += Width;
  Rect.Top += Width;
  Rect.Right -= Width;
  Rect.Bottom -= Width;
}

}  // namespace jorv
