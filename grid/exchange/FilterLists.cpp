#include "grid/exchange/FilterLists.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/Messages.h"

namespace jorv::grid {

namespace {

// Whether the mouse pointer lies in the control's area, reaching Above
// pixels higher (over the header button that opened it).
bool PointerInside(TControl* Control, Integer Above) {
  POINT P{};
  GetCursorPos(&P);
  const TPoint C = Control->ScreenToClient(TPoint{P.x, P.y});
  return C.X >= 0 && C.X < Control->Width() && C.Y >= -Above && C.Y < Control->Height();
}

}  // namespace

void TDropList::Dispatch(TMessage& Message) {
  TListBox::Dispatch(Message);
  const bool Lost = Message.Msg == WM_KILLFOCUS || Message.Msg == CM_CANCELMODE;
  if (Lost && !FChoosing && Visible() && !PointerInside(this, 20) && OnCancel) OnCancel(this);
}

void TDropList::Choose() {
  const Integer Index = ItemIndex();
  {
    FChoosing = true;
    auto Done = ScopeExit([this] { FChoosing = false; });
    SetVisible(false);
  }
  if (OnSelect) OnSelect(this, Index);
}

void TDropList::KeyDown(Word& Key, TShiftState Shift) {
  TListBox::KeyDown(Key, Shift);
  if (Key == VK_RETURN) {
    Key = 0;
    Choose();
  } else if (Key == VK_ESCAPE && OnCancel) {
    Key = 0;
    OnCancel(this);
  }
}

void TDropList::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  TListBox::MouseUp(Button, Shift, X, Y);
  if (X >= 0 && Y >= 0 && X < Width() && Y < Height()) Choose();
}

void TDropCheckList::Dispatch(TMessage& Message) {
  TCheckListBox::Dispatch(Message);
  const bool Lost = Message.Msg == WM_KILLFOCUS || Message.Msg == CM_CANCELMODE;
  if (Lost && Visible() && !PointerInside(this, 0) && OnCancel) OnCancel(this);
}

void TDropCheckList::KeyDown(Word& Key, TShiftState Shift) {
  TCheckListBox::KeyDown(Key, Shift);
  if ((Key == VK_ESCAPE || Key == VK_RETURN) && OnCancel) {
    Key = 0;
    OnCancel(this);
  }
}

void TDropCheckList::ClickCheck() {
  TCheckListBox::ClickCheck();
  if (OnSelect) OnSelect(this, ItemIndex());
}

}  // namespace jorv::grid
