#include "platform/ui/Button.h"

namespace jorv {

TButton::TButton(TComponent* AOwner) : TButtonControl(AOwner) {
  SetBounds(0, 0, 75, 25);
}

void TButton::CreateParams(TCreateParams& P) {
  TButtonControl::CreateParams(P);
  P.Style |= FDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::SetDefault(bool Value) {
  if (FDefault == Value) return;
  FDefault = Value;
  if (HandleAllocated()) SendMessageW(FHandle, BM_SETSTYLE, Value ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::Click() {
  if (TCustomForm* F = GetParentForm(); F && FModalResult != mrNone) F->SetModalResult(FModalResult);
  TButtonControl::Click();
}

void TButton::Dispatch(TMessage& M) {
  if (M.Msg == CM_DIALOGKEY) {
    // Enter and Escape reach the form's default and cancel buttons.
    auto& K = MsgAs<TWMKey>(M);
    bool Plain = !(GetKeyState(VK_MENU) < 0) && !(GetKeyState(VK_CONTROL) < 0);
    if (Plain && FEnabled && FVisible &&
        ((K.CharCode == VK_RETURN && (FDefault || Focused())) || (K.CharCode == VK_ESCAPE && FCancel))) {
      Click();
      M.Result = 1;
      return;
    }
  }
  TButtonControl::Dispatch(M);
}

}  // namespace jorv
