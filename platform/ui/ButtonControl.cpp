#include "platform/ui/ButtonControl.h"

namespace jorv {

TButtonControl::TButtonControl(TComponent* AOwner) : TWinControl(AOwner) {
  FControlStyle = TControlStyle{csSetCaption, csDoubleClicks};
  FTabStop = true;
}

void TButtonControl::CreateParams(TCreateParams& P) {
  TWinControl::CreateParams(P);
  CreateSubClass(P, L"BUTTON");
  P.Style &= ~WS_CLIPCHILDREN;
  if (FWordWrap) P.Style |= BS_MULTILINE;
  P.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TButtonControl::SetWordWrap(bool Value) {
  if (FWordWrap == Value) return;
  FWordWrap = Value;
  RecreateWnd();
}

void TButtonControl::Dispatch(TMessage& M) {
  if (M.Msg == CN_COMMAND) {
    CNCommand(MsgAs<TWMCommand>(M));
    return;
  }
  // A double click is two clicks to a button.
  if (M.Msg == WM_LBUTTONDBLCLK) M.Msg = WM_LBUTTONDOWN;
  TWinControl::Dispatch(M);
}

void TButtonControl::CNCommand(TWMCommand& M) {
  if (M.NotifyCode == BN_CLICKED) Click();
}

}  // namespace jorv
