#include "platform/ui/ScrollingWinControl.h"

namespace jorv {

void TScrollingWinControl::ScrollInView(TControl* AControl) {
  if (!AControl || !ContainsControl(AControl) || !FAutoScroll) return;
  TRect C = ClientRect();
  TRect B = AControl->BoundsRect();
  Integer DX = 0, DY = 0;
  if (B.Right > C.Right) DX = C.Right - B.Right;
  if (B.Left + DX < 0) DX = -B.Left;
  if (B.Bottom > C.Bottom) DY = C.Bottom - B.Bottom;
  if (B.Top + DY < 0) DY = -B.Top;
  if (!DX && !DY) return;
  DisableAlign();
  for (Integer I = 0; I < ControlCount(); ++I) {
    TControl* X = Controls(I);
    X->SetBounds(X->Left() + DX, X->Top() + DY, X->Width(), X->Height());
  }
  EnableAlign();
}

}  // namespace jorv
