#include "grid/interaction/FixedCellEditors.h"

#include <commctrl.h>
#include "grid/core/RezIvevirAvod.h"

namespace jorv::grid {

namespace {

// After a stored value the editor goes away; the focus it held goes back
// to the grid instead of staying in a hidden window.
void HideAndReturnFocus(TWinControl* Editor, TRezIvevirAvod* Grid) {
  const bool HadFocus = Editor->Focused();
  Editor->SetVisible(false);
  if (HadFocus && Grid && Grid->CanFocus()) Grid->SetFocus();
}

// The text is stored, or refused and the editor takes the focus back.
bool StopFixedCellEdit(TWinControl* Editor, TRezIvevirAvod* Grid, Integer ACol, Integer ARow, bool FilterEdit) {
  if (!Grid) {
    Editor->SetVisible(false);
    return true;
  }
  // A grid that is going away takes no more values.
  if (Grid->ComponentState().Contains(csDestroying)) return true;
  if (!Grid->StoreFixedCellText(ACol, ARow, Editor->Text(), FilterEdit)) {
    if (Editor->CanFocus()) Editor->SetFocus();
    return false;
  }
  HideAndReturnFocus(Editor, Grid);
  return true;
}

}  // namespace

TGridTransEdit::TGridTransEdit(TComponent* AOwner)
    : TCustomEdit(AOwner), FGrid(dynamic_cast<TRezIvevirAvod*>(AOwner)) {
  SetVisible(false);
}

bool TGridTransEdit::StopEdit() { return StopFixedCellEdit(this, FGrid, FCol, FRow, FFilterEdit); }

void TGridTransEdit::DoExit() {
  TCustomEdit::DoExit();
  // An edit already stored and hidden has nothing left to store.
  if (Visible()) StopEdit();
}

void TGridTransEdit::KeyPress(Char& Key) {
  if (Key == VK_RETURN) {
    Key = 0;
    StopEdit();
  }
  TCustomEdit::KeyPress(Key);
}

TGridTransCombo::TGridTransCombo(TComponent* AOwner)
    : TCustomComboBox(AOwner), FGrid(dynamic_cast<TRezIvevirAvod*>(AOwner)) {
  SetVisible(false);
}

bool TGridTransCombo::StopEdit() { return StopFixedCellEdit(this, FGrid, FCol, FRow, false); }

void TGridTransCombo::DoExit() {
  TCustomComboBox::DoExit();
  if (Visible()) StopEdit();
}

// Enter only closes the list: the value is stored when the combo is left.
void TGridTransCombo::KeyPress(Char& Key) {
  if (Key == VK_RETURN) Key = 0;
  TCustomComboBox::KeyPress(Key);
}

Integer TGridTransCombo::DropWidth() {
  return static_cast<Integer>(SendMessageW(Handle(), CB_GETDROPPEDWIDTH, 0, 0));
}

void TGridTransCombo::SetDropWidth(Integer Value) {
  SendMessageW(Handle(), CB_SETDROPPEDWIDTH, static_cast<WPARAM>(Value), 0);
}

}  // namespace jorv::grid
