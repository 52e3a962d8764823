// The grid's check box editor.
#include "grid/interaction/GridCheckBox.h"
#include "grid/core/RezIvevirAvod.h"
#include "grid/interaction/EditorOwner.h"

namespace jorv::grid {

TGridCheckBox::TGridCheckBox(TComponent* AOwner) : TCheckBox(AOwner), FGrid(EditorGrid(AOwner)) {}

void TGridCheckBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: Toggle(); break;
    case CM_WANTSPECIALKEY: {
      // The arrows and Enter end the edit here rather than move the focus
      // among the form's controls; Tab moves to the next cell under goTabs.
      const Word Key = MsgAs<TCMWantSpecialKey>(Message).CharCode;
      if (Key == VK_LEFT || Key == VK_RIGHT || Key == VK_UP || Key == VK_DOWN || Key == VK_RETURN ||
          (Key == VK_TAB && FGrid->Options().Contains(goTabs))) {
        Message.Result = 1;
        return;
      }
      break;
    }
    default: break;
  }
  TCheckBox::Dispatch(Message);
}

void TGridCheckBox::KeyDown(Word& Key, TShiftState Shift) {
  switch (Key) {
    case VK_SPACE: Toggle(); break;
    case VK_TAB:
      FGrid->LeaveEditorByTab(Shift);
      Key = 0;
      return;
    case VK_RETURN: case VK_PRIOR: case VK_NEXT: case VK_END:
    case VK_LEFT: case VK_UP: case VK_RIGHT: case VK_DOWN: {
      const Word Ending = Key;
      Key = 0;
      FGrid->HideInplaceEdit();
      FGrid->FocusFromEditor();
      if (Ending == VK_RETURN) FGrid->AdvanceFromEditor();
      if (Ending == VK_UP || Ending == VK_DOWN) FGrid->HandKeyToGrid(Ending, Shift);
      return;
    }
    default: break;
  }
  TCheckBox::KeyDown(Key, Shift);
}

void TGridCheckBox::CMExit(TMessage& Message) {
  FGrid->EditorLostFocus();
  TCheckBox::CMExit(Message);
}

}  // namespace jorv::grid
