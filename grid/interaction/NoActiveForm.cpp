#include "grid/interaction/NoActiveForm.h"

namespace jorv::grid {

TNoActiveForm::TNoActiveForm(TComponent* AOwner, bool AEnabled) : TForm(AOwner) {
  FBorderStyle = bsNone;
  FEnabled = AEnabled;
  FPosition = poDesigned;
}

void TNoActiveForm::CreateParams(TCreateParams& P) {
  TForm::CreateParams(P);
  P.Style = WS_POPUP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  if (!FEnabled) P.Style |= WS_DISABLED | WS_BORDER;
  // The system itself never activates it, and it stays off the task bar.
  P.ExStyle = WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TOPMOST;
  P.WindowClass.style |= CS_SAVEBITS;
}

void TNoActiveForm::WndProc(TMessage& M) {
  switch (M.Msg) {
    case WM_ACTIVATE:
      TForm::WndProc(M);
      M.Result = 1;
      return;
    case WM_MOUSEACTIVATE:
      TForm::WndProc(M);
      M.Result = MA_NOACTIVATE;
      return;
    case WM_MOUSELEAVE: {
      TForm::WndProc(M);
      POINT Cursor{};
      GetCursorPos(&Cursor);
      RECT Bounds{};
      GetWindowRect(Handle(), &Bounds);
      if (!PtInRect(&Bounds, Cursor) && OnFormMouseLeave) OnFormMouseLeave(this);
      return;
    }
    default: TForm::WndProc(M);
  }
}

void TNoActiveForm::CMShowingChanged(TMessage&) {
  if (!FHandle) return;
  if (FShowing) {
    DoShow();
    SetWindowPos(FHandle, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  } else {
    DoHide();
    ShowWindow(FHandle, SW_HIDE);
  }
}

}  // namespace jorv::grid
