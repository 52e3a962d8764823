// While an edit of the spin or button editors is under way, the cell
// follows their text at every keystroke once the grid shows its edits as
// they are made, as it does for the standard edit.
#include "grid/core/RezIvevirAvod.h"
#include "grid/base/GrdEditBtn.h"
#include "grid/base/GrdSpinEdit.h"

namespace jorv::grid {

namespace {

bool IsSpinKind(TEditorType K) {
  return K == edSpinEdit || K == edFloatSpinEdit || K == edTimeSpinEdit || K == edDateSpinEdit;
}
bool IsEditBtnKind(TEditorType K) {
  return K == edEditBtn || K == edNumericEditBtn || K == edFloatEditBtn || K == edMaskEditBtn;
}

}  // namespace

bool TRezIvevirAvod::HandleEditorTextChange(TMessage& Message) {
  const auto& Command = MsgAs<TWMCommand>(Message);
  if (Command.NotifyCode != EN_CHANGE || !Command.Ctl || Command.Ctl == Handle()) return false;
  TWinControl* Editor = nullptr;
  if (IsSpinKind(FEditControl)) Editor = FEditSpin;
  if (IsEditBtnKind(FEditControl)) Editor = FEditBtn;
  const bool FromEditor = Editor && Editor->HandleAllocated() && Editor->Handle() == Command.Ctl;
  if (!FromEditor) return false;
  // The editor hears of its own change first.
  DoControlMsg(Command.Ctl, Message);
  // Filling the editor when it opens is no edit.
  if (FShowEditProcess && FEditMode && !FMouseDown) SetEditText(Col(), Row(), Editor->Text());
  return true;
}

}  // namespace jorv::grid
