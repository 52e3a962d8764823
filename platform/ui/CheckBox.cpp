#include "platform/ui/CheckBox.h"

namespace jorv {

TCheckBox::TCheckBox(TComponent* AOwner) : TButtonControl(AOwner) {
  SetBounds(0, 0, 97, 17);
}

void TCheckBox::CreateParams(TCreateParams& P) {
  TButtonControl::CreateParams(P);
  // Not the automatic kind: the state is ours, so AllowGrayed decides.
  P.Style |= BS_3STATE;
  if (FAlignment == taLeftJustify) P.Style |= BS_LEFTTEXT;
}

void TCheckBox::CreateWnd() {
  TButtonControl::CreateWnd();
  SendMessageW(FHandle, BM_SETCHECK, FState, 0);
}

void TCheckBox::SetState(TCheckBoxState Value) {
  if (Value > cbGrayed) throw ERangeError(L"Check box state out of range");
  if (FState == Value) return;
  FState = Value;
  if (HandleAllocated()) SendMessageW(FHandle, BM_SETCHECK, Value, 0);
  Click();
}

void TCheckBox::SetAlignment(TAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  RecreateWnd();
}

void TCheckBox::Toggle() {
  switch (FState) {
    case cbUnchecked: SetState(cbChecked); break;
    case cbChecked: SetState(FAllowGrayed ? cbGrayed : cbUnchecked); break;
    case cbGrayed: SetState(cbUnchecked); break;
  }
}

void TCheckBox::CNCommand(TWMCommand& M) {
  if (M.NotifyCode == BN_CLICKED) Toggle();
}

}  // namespace jorv
