// The notifications (WM_COMMAND) that the inplace combo sends its parent,
// the grid: a changed choice, the list dropping down and closing up. The
// message goes on to the control afterwards, as every child's does.
#include "grid/base/GrdComboBox.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::grid {

namespace {

bool IsComboWindow(HWND Window) {
  wchar_t Name[32] = {};
  GetClassNameW(Window, Name, 32);
  return SameText(String(Name), L"ComboBox");
}

}  // namespace

void TRezIvevirAvod::HandleEditorCommand(TMessage& Message) {
  const auto& Command = MsgAs<TWMCommand>(Message);
  if (!Command.Ctl || Command.Ctl == Handle()) return;
  if (FEditCombo && FEditCombo->HandleAllocated() && Command.Ctl == FEditCombo->Handle()) {
    InplaceComboNotification(Command.NotifyCode);
    return;
  }
  // A combo of a custom editor reports its typed text.
  if (Command.NotifyCode == CBN_EDITCHANGE && OnComboChange && IsComboWindow(Command.Ctl)) {
    const Integer Length = GetWindowTextLengthW(Command.Ctl);
    String Text(size_t(Length + 1), L'\0');
    GetWindowTextW(Command.Ctl, Text.data(), Length + 1);
    Text.resize(size_t(Length));
    OnComboChange(this, Col(), Row(), -1, Text);
  }
}

void TRezIvevirAvod::InplaceComboNotification(Word Code) {
  const bool Open = FEditMode && FEditCtrl == static_cast<TWinControl*>(FEditCombo);
  switch (Code) {
    case CBN_SELCHANGE:
    case CBN_EDITCHANGE:
      if (Open) RaiseComboChange();
      break;
    case CBN_CLOSEUP:
      if (Open && FMouseActions->DirectComboClose()) {
        const Integer Index = FEditCombo->ItemIndex();
        if (Index >= 0) FEditCombo->SetText(FEditCombo->Items()->Strings(Index));
        RaiseComboChange();
        FEditControl = edComboEdit;
        FEditMode = true;
        const bool Direct = FMouseActions->DirectEdit();
        FMouseActions->SetDirectEdit(false);
        auto Back = ScopeExit([&] { FMouseActions->SetDirectEdit(Direct); });
        HideInplaceEdit();
        if (CanFocus()) SetFocus();
      }
      DoComboCloseUp(Row(), RealColIndex(Col()));
      break;
    case CBN_DROPDOWN: DoComboDropDown(Row(), RealColIndex(Col())); break;
    default: break;
  }
}

// The combo's choice: its typed text when no item is chosen.
void TRezIvevirAvod::RaiseComboChange() {
  const Integer Index = FEditCombo->ItemIndex();
  const String Text = Index < 0 ? FEditCombo->Text() : FEditCombo->Items()->Strings(Index);
  const Integer RC = RealColIndex(Col());
  if (OnComboChange) OnComboChange(this, RC, Row(), Index, Text);
  if (OnComboObjectChange)
    OnComboObjectChange(this, RC, Row(), Index, Text, Index < 0 ? nullptr : FEditCombo->Items()->Objects(Index));
}

}  // namespace jorv::grid
