// The grid's hold on the messages of a custom editor's control: the form's
// dialog navigation would take Tab, Enter, Escape and the arrows away from a
// control that does not ask for them, so while goTabs is set the grid asks
// for all of them on the control's behalf and the link's key protocol sees
// every key that ends the edit.
#include "grid/core/RezIvevirAvod.h"
#include "grid/interaction/EditLink.h"

namespace jorv::grid {

void TRezIvevirAvod::CustomEditorWindowProc(TMessage& Message) {
  if (Message.Msg == WM_GETDLGCODE && Options().Contains(goTabs)) {
    // The named wishes (arrows, Tab, all keys) and the characters: a
    // control that did not want them would lose them to the form's
    // mnemonics and default button.
    Message.Result = DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTALLKEYS | DLGC_WANTCHARS;
    return;
  }
  // A copy: the link may give the control its handler back while it runs.
  if (const TWndMethod Saved = FGridControlWndProc) Saved(Message);
}

void TRezIvevirAvod::ReleaseCustomEditorControl() {
  if (FEditLink) FEditLink->ReleaseControl();
}

}  // namespace jorv::grid
