#include "grid/base/GridFocusWindow.h"
#include "foundation/LayeredWindow.h"

namespace jorv::grid {
using namespace jorv::foundation;

TGridFocusWindow::TGridFocusWindow(TComponent* AOwner) : TCustomControl(AOwner) {
  SetBounds(0, 0, 0, 0);
  SetColor(0x0000FF);
}

void TGridFocusWindow::CreateParams(TCreateParams& P) {
  TCustomControl::CreateParams(P);
  // Never takes the focus or a click from the grid beneath.
  P.Style = WS_POPUP | WS_DISABLED;
  P.ExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
  P.WndParent = nullptr;
}

bool TGridFocusWindow::ApplyLayeredMask(TGridAlphaMask* Mask, TPoint Where) {
  if (!Mask || Mask->Height() == 0) return true;
  HandleNeeded();
  LONG_PTR Ex = GetWindowLongPtrW(Handle(), GWL_EXSTYLE);
  if (!(Ex & WS_EX_LAYERED)) SetWindowLongPtrW(Handle(), GWL_EXSTYLE, Ex | WS_EX_LAYERED);
  SetBounds(Where.X, Where.Y, Mask->Width(), Mask->Height());
  POINT Dest{Where.X, Where.Y}, Source{0, 0};
  SIZE Size{Mask->Width(), Mask->Height()};
  BLENDFUNCTION Blend{AC_SRC_OVER, 0, Mask->Opacity(), AC_SRC_ALPHA};
  return CallUpdateLayeredWindow(Handle(), nullptr, &Dest, &Size, Mask->Canvas()->Handle(), &Source, 0, &Blend,
                                 ULW_ALPHA);
}

}  // namespace jorv::grid
