// The key procedure of the grid's drop-down editors.
#include "grid/interaction/GridDropDownEditors.h"
#include "grid/core/RezIvevirAvod.h"
#include "grid/interaction/EditorOwner.h"

namespace jorv::grid {

namespace {

// Enter and the keys like it: false when validation refused the value,
// which the editor then shows corrected.
bool CommitValue(TGridDropDownLink* Link, TRezIvevirAvod* Grid, bool CaretAfter) {
  TExCustomDropDown* Editor = Link->Editor();
  if (!Grid->CommitEditorText(Link->EditorText())) {
    Link->SetEditorText(Grid->NewCellText());
    if (CaretAfter) {
      Editor->SetSelStart(static_cast<Integer>(Editor->Text().size()));
      Editor->SetSelLength(0);
    } else {
      Editor->SelectAll();
    }
    Editor->Invalidate();
    return false;
  }
  Link->SetEditorText(Grid->CurrentCell());
  return true;
}

}  // namespace

TRezIvevirAvod* DropDownGrid(TComponent* AOwner) { return EditorGrid(AOwner); }

bool TGridDropDownLink::IsHandOverKey(Word Key, TShiftState Shift) {
  // Alt+Down opens and closes the pop-up.
  if (Key == VK_DOWN && Shift.Contains(ssAlt)) return false;
  return Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR || Key == VK_NEXT ||
         Key == VK_END || Key == VK_UP || Key == VK_DOWN;
}

bool TGridColorDropDown::IsHandOverKey(Word Key, TShiftState Shift) {
  if (Key == VK_DOWN && Shift.Contains(ssAlt)) return false;
  if (Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE) return true;
  if (DroppedDown()) return false;
  return Key == VK_HOME || Key == VK_PRIOR || Key == VK_NEXT || Key == VK_END || Key == VK_UP || Key == VK_DOWN;
}

String TGridImageDropDown::EditorText() { return FGrid->CurrentCell(); }

void DropDownKeyDown(TGridDropDownLink* Link, TRezIvevirAvod* Grid, Word& Key, TShiftState Shift) {
  Link->WorkMode = Key != VK_BACK && Key != VK_DELETE;
  if (!Link->IsHandOverKey(Key, Shift)) {
    Link->InheritedKeyDown(Key, Shift);
    return;
  }
  if (Key == VK_ESCAPE) {
    Link->BeforeEscape();
    Link->SetEditorText(Grid->CurrentCell());
    Grid->CancelEditorEdit(Shift);
    Key = 0;
    return;
  }
  const bool Dropped = Link->Editor()->DroppedDown();
  // Every key that ends the edit here validates the value before it is
  // stored, the paging keys and End among them.
  const bool Ends = Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN || Key == VK_PRIOR || Key == VK_NEXT ||
                    Key == VK_HOME || (Key == VK_END && Dropped);
  if (Ends && Link->ValidatesKey(Key)) {
    if (Key == VK_RETURN) Link->BeforeEnter();
    if (!CommitValue(Link, Grid, false)) {
      Key = 0;
      return;
    }
  }
  if (Key == VK_TAB && Grid->EditorHandlesTab()) {
    if (Link->ValidatesKey(Key) && !CommitValue(Link, Grid, true)) {
      Key = 0;
      return;
    }
    if (Grid->Options().Contains(goTabs)) {
      Grid->LeaveEditorByTab(Shift);
      Key = 0;
      return;
    }
    PostMessageW(Grid->Handle(), WM_KEYDOWN, VK_TAB, 0);
  }
  if (Dropped) {
    Grid->HideInplaceEdit();
    if (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN) Key = 0;
  } else if (Key == VK_END) {
    Link->InheritedKeyDown(Key, Shift);
    return;
  }
  Grid->EndEditorByKey(Key, Shift, true);
  Key = 0;
  Link->InheritedKeyDown(Key, Shift);
}

void DropDownKeyPress(TGridDropDownLink* Link, TRezIvevirAvod* Grid, Char& Key) {
  if (Grid->OnKeyPress) Grid->OnKeyPress(Link->Editor(), Key);
  if (Key == VK_ESCAPE || Key == VK_RETURN || Key == VK_TAB) Key = 0;
}

void DropDownWantsKey(TGridDropDownLink* Link, TRezIvevirAvod* Grid, TMessage& Message) {
  const Word Key = MsgAs<TCMWantSpecialKey>(Message).CharCode;
  if (Key == VK_TAB && Grid->EditorHandlesTab()) Message.Result = 1;
  if ((Key == VK_RETURN || Key == VK_ESCAPE) && Link->WantsEnterEscape()) Message.Result = 1;
}

void DropDownChanged(TRezIvevirAvod* Grid, const String& Text) { Grid->NotifyEditorChange(Grid->Col(), Text, true); }

void DropDownExit(TRezIvevirAvod* Grid) { Grid->EditorLostFocus(); }

void DropDownCaretAtPress(TRezIvevirAvod* Grid, HWND Edit) { Grid->PlaceCaretAtPress(Edit); }

}  // namespace jorv::grid
