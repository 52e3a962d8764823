// The HTML control editors.
#include "grid/interaction/HTMLControlEditors.h"
#include "grid/core/RezIvevirAvod.h"

namespace jorv::grid {

namespace {

// Enter and Tab end a control editor's edit when the grid holds it: the
// key goes no further, and true is answered.
bool EndsControlEdit(TWinControl* Editor, Char& Key) {
  auto* Grid = dynamic_cast<TRezIvevirAvod*>(Editor->Parent());
  if (!Grid || (Key != L'\r' && Key != L'\t')) return false;
  const bool Tab = Key == L'\t';
  Key = 0;
  Grid->LeaveCellControlByKey(Editor, Tab);
  return true;
}

}  // namespace

TControlEdit::TControlEdit(TComponent* AOwner) : TMaskEdit(AOwner) {
  // The editor keeps the height the grid gives it, less than a bordered line.
  SetAutoSize(false);
}

void TControlEdit::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_WANTSPECIALKEY) {
    const Word Key = MsgAs<TCMWantSpecialKey>(Message).CharCode;
    // Enter is left to the key press; Tab is kept from the form.
    if (Key == VK_RETURN || Key == VK_TAB) {
      Message.Result = Key == VK_TAB ? 1 : 0;
      return;
    }
  }
  TMaskEdit::Dispatch(Message);
}

void TControlEdit::KeyPress(Char& Key) {
  if (!EndsControlEdit(this, Key)) TMaskEdit::KeyPress(Key);
}

void TControlCombo::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_WANTSPECIALKEY && MsgAs<TCMWantSpecialKey>(Message).CharCode == VK_TAB) {
    Message.Result = 1;
    return;
  }
  TGrdComboBox::Dispatch(Message);
}

void TControlCombo::KeyPress(Char& Key) {
  if (!EndsControlEdit(this, Key)) TGrdComboBox::KeyPress(Key);
}

}  // namespace jorv::grid
