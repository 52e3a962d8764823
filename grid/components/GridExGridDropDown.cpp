#include "grid/components/GridExGridDropDown.h"
#include "dropdown/DropDownForm.h"
#include "grid/core/RezIvevirAvod.h"

namespace jorv::grid {

namespace {

UINT FocusCheckMessage() {
  static const UINT Message = RegisterWindowMessageW(L"ExGridPickerFocusCheck");
  return Message;
}

}  // namespace

void TGridExGridDropDown::DoHideDropDown(bool Cancel) {
  TDropDownForm* Form = DropDownForm();
  const HWND Focus = GetFocus();
  const bool PopupFocused = Form && Form->Visible() && Form->HandleAllocated() && Focus &&
                            (Focus == Form->Handle() || IsChild(Form->Handle(), Focus));
  FReturningFocus = FReturningFocus || PopupFocused;
  TGridDropDownEditor::DoHideDropDown(Cancel);
  if (PopupFocused && HandleAllocated()) PostMessageW(Handle(), FocusCheckMessage(), 0, 0);
}

void TGridExGridDropDown::DoExit() {
  if (FReturningFocus) {
    TCustomExGridDropDown::DoExit();
    return;
  }
  TGridDropDownEditor::DoExit();
}

void TGridExGridDropDown::Dispatch(TMessage& Message) {
  if (Message.Msg != FocusCheckMessage() || FocusCheckMessage() == 0) {
    TGridDropDownEditor::Dispatch(Message);
    return;
  }
  FReturningFocus = false;
  // The focus went on to another control of the program: the edit ends as
  // it does whenever the editor loses the focus.
  if (GetFocus() != Handle() && FGrid->EditMode() && FGrid->EditCtrl() == this) DropDownExit(FGrid);
}

}  // namespace jorv::grid
