#include "platform/ui/RadioButton.h"

namespace jorv {

TRadioButton::TRadioButton(TComponent* AOwner) : TButtonControl(AOwner) {
  SetBounds(0, 0, 113, 17);
}

void TRadioButton::CreateParams(TCreateParams& P) {
  TButtonControl::CreateParams(P);
  P.Style |= BS_RADIOBUTTON;
  if (FAlignment == taLeftJustify) P.Style |= BS_LEFTTEXT;
}

void TRadioButton::CreateWnd() {
  TButtonControl::CreateWnd();
  SendMessageW(FHandle, BM_SETCHECK, FChecked, 0);
}

void TRadioButton::SetChecked(bool Value) {
  if (FChecked == Value) return;
  FChecked = Value;
  SetTabStop(Value);
  if (HandleAllocated()) SendMessageW(FHandle, BM_SETCHECK, Value, 0);
  if (!Value) return;
  if (FParent) {
    for (Integer I = 0; I < FParent->ControlCount(); ++I)
      if (auto* R = dynamic_cast<TRadioButton*>(FParent->Controls(I)); R && R != this) R->SetChecked(false);
  }
  Click();
}

void TRadioButton::SetAlignment(TAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  RecreateWnd();
}

void TRadioButton::CNCommand(TWMCommand& M) {
  // BN_DOUBLECLICKED too: a quick second click still means "this one".
  if (M.NotifyCode == BN_CLICKED || M.NotifyCode == BN_DOUBLECLICKED) SetChecked(true);
}

}  // namespace jorv
