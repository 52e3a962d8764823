// The grid's push button editor.
#include "grid/interaction/GridButton.h"
#include "grid/core/RezIvevirAvod.h"
#include "grid/interaction/EditorOwner.h"

namespace jorv::grid {

namespace {

bool IsArrow(Word Key) { return Key == VK_LEFT || Key == VK_RIGHT || Key == VK_UP || Key == VK_DOWN; }

}  // namespace

TGridButton::TGridButton(TComponent* AOwner) : TButton(AOwner), FGrid(EditorGrid(AOwner)) {}

void TGridButton::Press() {
  const String Value = FGrid->EllipsClickText(Caption());
  SetCaption(Value);
  FGrid->SetCurrentCell(Value);
}

void TGridButton::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_WANTSPECIALKEY) {
    // Tab moves to the next cell under goTabs, as in the other editors.
    const Word Key = MsgAs<TCMWantSpecialKey>(Message).CharCode;
    if (Key == VK_ESCAPE || IsArrow(Key) || (Key == VK_TAB && FGrid->Options().Contains(goTabs))) {
      Message.Result = 1;
      return;
    }
  }
  if (Message.Msg == WM_LBUTTONUP && Parent() == static_cast<TWinControl*>(FGrid)) Press();
  TButton::Dispatch(Message);
}

void TGridButton::KeyDown(Word& Key, TShiftState Shift) {
  const Word Pressed = Key;
  if (IsArrow(Pressed)) {
    Key = 0;
    SendMessageW(FGrid->Handle(), WM_KEYDOWN, Pressed, 0);
    FGrid->DropButtonEditor();
    SendMessageW(FGrid->Handle(), WM_KEYUP, Pressed, 0);
    return;
  }
  if (Pressed == VK_ESCAPE) {
    Key = 0;
    FGrid->DropButtonEditor();
    FGrid->RestoreCellFromCache();
    SendMessageW(FGrid->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    return;
  }
  if (Pressed == VK_TAB) {
    Key = 0;
    FGrid->LeaveEditorByTab(Shift);
    return;
  }
  TButton::KeyDown(Key, Shift);
}

void TGridButton::KeyUp(Word& Key, TShiftState Shift) {
  if (Key == VK_SPACE) {
    Press();
    if (CanFocus()) SetFocus();
    Invalidate();
  }
  TButton::KeyUp(Key, Shift);
}

void TGridButton::CMExit(TMessage& Message) {
  FGrid->EditorLostFocus();
  TButton::CMExit(Message);
}

}  // namespace jorv::grid
