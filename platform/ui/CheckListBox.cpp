#include "platform/ui/CheckListBox.h"

namespace jorv {

namespace {
// The item's word holds the state in its low byte and "disabled" above it.
constexpr NativeUInt DisabledBit = 0x100;
}  // namespace

TCheckListBox::TCheckListBox(TComponent* AOwner) : TCustomListBox(AOwner) {
  FStyle = lbOwnerDrawFixed;
}

void TCheckListBox::CreateParams(TCreateParams& P) {
  TCustomListBox::CreateParams(P);
  // Always drawn by us, for the boxes; a variable style stays variable.
  if (!(P.Style & LBS_OWNERDRAWVARIABLE)) P.Style |= LBS_OWNERDRAWFIXED;
}

TCheckBoxState TCheckListBox::State(Integer Index) const {
  return static_cast<TCheckBoxState>(FItems->ItemData(Index) & 0xFF);
}

void TCheckListBox::SetState(Integer Index, TCheckBoxState Value) {
  if (Value > cbGrayed) throw ERangeError(L"Check box state out of range");
  NativeUInt D = FItems->ItemData(Index);
  if ((D & 0xFF) == Value) return;
  FItems->SetItemData(Index, (D & ~0xFFu) | Value);
  if (HandleAllocated()) {
    TRect R = ItemRect(Index);
    RECT WR{R.Left, R.Top, R.Right, R.Bottom};
    InvalidateRect(FHandle, &WR, FALSE);
  }
}

bool TCheckListBox::ItemEnabled(Integer Index) const { return !(FItems->ItemData(Index) & DisabledBit); }

void TCheckListBox::SetItemEnabled(Integer Index, bool Value) {
  NativeUInt D = FItems->ItemData(Index);
  FItems->SetItemData(Index, Value ? D & ~DisabledBit : D | DisabledBit);
  if (HandleAllocated()) InvalidateRect(FHandle, nullptr, FALSE);
}

void TCheckListBox::CheckAll(TCheckBoxState AState, bool AllowGrayed, bool AllowDisabled) {
  for (Integer I = 0; I < Count(); ++I) {
    if (!AllowDisabled && !ItemEnabled(I)) continue;
    if (!AllowGrayed && State(I) == cbGrayed) continue;
    SetState(I, AState);
  }
}

Integer TCheckListBox::CheckWidth() const { return GetSystemMetrics(SM_CXMENUCHECK) + 4; }

void TCheckListBox::ClickCheck() {
  if (OnClickCheck) OnClickCheck(this);
}

void TCheckListBox::ToggleClickCheck(Integer Index) {
  if (Index < 0 || Index >= Count() || !ItemEnabled(Index)) return;
  TCheckBoxState S = State(Index);
  switch (S) {
    case cbUnchecked: S = cbChecked; break;
    case cbChecked: S = FAllowGrayed ? cbGrayed : cbUnchecked; break;
    case cbGrayed: S = cbUnchecked; break;
  }
  SetState(Index, S);
  ClickCheck();
}

void TCheckListBox::Dispatch(TMessage& M) {
  if (M.Msg == WM_LBUTTONDOWN || M.Msg == WM_LBUTTONDBLCLK) {
    auto& Ms = MsgAs<TWMMouse>(M);
    Integer I = ItemAtPos(Ms.Pos(), true);
    TCustomListBox::Dispatch(M);
    if (I >= 0 && Ms.XPos < ItemRect(I).Left + CheckWidth()) ToggleClickCheck(I);
    return;
  }
  TCustomListBox::Dispatch(M);
}

void TCheckListBox::KeyPress(Char& Key) {
  TCustomListBox::KeyPress(Key);
  if (Key == L' ') {
    ToggleClickCheck(ItemIndex());
    Key = 0;
  }
}

void TCheckListBox::DrawItem(Integer Index, TRect Rect, TOwnerDrawState AState) {
  // The box stands on the window's colour, outside the selection.
  TRect Box = Rect;
  Box.Right = Box.Left + CheckWidth();
  TColor Sel = FCanvas->Brush()->Color();
  FCanvas->Brush()->SetColor(FColor);
  FCanvas->FillRect(Box);
  Integer S = GetSystemMetrics(SM_CXMENUCHECK) - 2;
  Integer Y = Rect.Top + (Rect.Height() - S) / 2;
  RECT B{Box.Left + 2, Y, Box.Left + 2 + S, Y + S};
  UINT Flags = DFCS_BUTTONCHECK | DFCS_FLAT;
  TCheckBoxState St = State(Index);
  if (St == cbChecked) Flags |= DFCS_CHECKED;
  if (St == cbGrayed) Flags = DFCS_BUTTON3STATE | DFCS_CHECKED | DFCS_FLAT;
  if (!ItemEnabled(Index) || !FEnabled) Flags |= DFCS_INACTIVE;
  DrawFrameControl(FCanvas->Handle(), &B, DFC_BUTTON, Flags);
  FCanvas->Brush()->SetColor(Sel);
  Rect.Left = Box.Right;
  if (!ItemEnabled(Index)) FCanvas->Font()->SetColor(clGrayText);
  TCustomListBox::DrawItem(Index, Rect, AState);
}

}  // namespace jorv
