#include "platform/ui/ListBox.h"
#include <algorithm>

namespace jorv {

TCustomListBox::TCustomListBox(TComponent* AOwner)
    : TWinControl(AOwner), FItems(new TListControlItems(this)), FCanvas(std::make_unique<TCanvas>()) {
  FControlStyle = TControlStyle{csSetCaption, csDoubleClicks, csOpaque};
  FTabStop = true;
  FParentColor = false;
  FColor = clWindow;
  FBrush->SetColor(FColor);
  SetBounds(0, 0, 121, 97);
}

TCustomListBox::~TCustomListBox() {
  // The window goes while the items it mirrors are still here.
  DestroyHandle();
}

void TCustomListBox::CreateParams(TCreateParams& P) {
  TWinControl::CreateParams(P);
  CreateSubClass(P, L"LISTBOX");
  P.Style &= ~WS_CLIPCHILDREN;
  P.Style |= LBS_NOTIFY | LBS_HASSTRINGS | WS_VSCROLL;
  if (FStyle == lbOwnerDrawFixed) P.Style |= LBS_OWNERDRAWFIXED;
  if (FStyle == lbOwnerDrawVariable) P.Style |= LBS_OWNERDRAWVARIABLE;
  if (FMultiSelect) P.Style |= FExtendedSelect ? LBS_EXTENDEDSEL : LBS_MULTIPLESEL;
  if (!FIntegralHeight) P.Style |= LBS_NOINTEGRALHEIGHT;
  if (FBorderStyle == bsSingle) {
    if (FCtl3D)
      P.ExStyle |= WS_EX_CLIENTEDGE;
    else
      P.Style |= WS_BORDER;
  }
  P.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TCustomListBox::CreateWnd() {
  TWinControl::CreateWnd();
  if (FStyle == lbOwnerDrawFixed) SetWindowItemHeight(0);
  WindowReload();
  if (FMultiSelect) {
    for (Integer I : FSaveSelected) SendMessageW(FHandle, LB_SETSEL, TRUE, I);
    if (FSaveItemIndex >= 0) SendMessageW(FHandle, LB_SETCARETINDEX, FSaveItemIndex, FALSE);
  } else if (FSaveItemIndex >= 0) {
    SendMessageW(FHandle, LB_SETCURSEL, FSaveItemIndex, 0);
  }
  SendMessageW(FHandle, LB_SETTOPINDEX, FSaveTopIndex, 0);
  FSaveSelected.clear();
}

void TCustomListBox::DestroyWnd() {
  FSaveItemIndex = ItemIndex();
  FSaveTopIndex = TopIndex();
  FSaveSelected.clear();
  if (FMultiSelect)
    for (Integer I = 0; I < Count(); ++I)
      if (Selected(I)) FSaveSelected.push_back(I);
  TWinControl::DestroyWnd();
}

// --- the window's side of the items -------------------------------------------

void TCustomListBox::WindowInsert(Integer Index, const String& S) {
  if (!HandleAllocated()) return;
  SendItemInsert(FHandle, ListBoxItemMessages, Index, S);
  if (FStyle == lbOwnerDrawVariable) SetWindowItemHeight(Index);
}

void TCustomListBox::WindowDelete(Integer Index) {
  if (HandleAllocated()) SendItemDelete(FHandle, ListBoxItemMessages, Index);
}

void TCustomListBox::WindowClear() {
  if (HandleAllocated()) SendMessageW(FHandle, LB_RESETCONTENT, 0, 0);
}

void TCustomListBox::WindowReload() {
  if (!HandleAllocated()) return;
  SendItemsUpdating(FHandle, true);
  SendItemsReload(FHandle, ListBoxItemMessages, *FItems, [this](Integer Index) {
    if (FStyle == lbOwnerDrawVariable) SetWindowItemHeight(Index);
  });
  SendItemsUpdating(FHandle, false);
}

void TCustomListBox::WindowUpdate(bool Updating) {
  if (HandleAllocated()) SendItemsUpdating(FHandle, Updating);
}

void TCustomListBox::SetWindowItemHeight(Integer Index) {
  Integer H = FItemHeight;
  if (FStyle == lbOwnerDrawVariable) MeasureItem(Index, H);
  SendItemHeight(FHandle, ListBoxItemMessages, Index, H);
}

// --- selection ----------------------------------------------------------------

Integer TCustomListBox::ItemIndex() {
  if (!HandleAllocated()) return FSaveItemIndex;
  if (FMultiSelect) {
    Integer I = static_cast<Integer>(SendMessageW(FHandle, LB_GETCARETINDEX, 0, 0));
    // An empty selection still has a caret on item 0.
    return (I >= 0 && I < Count() && (SelCount() > 0 || I > 0)) ? I : -1;
  }
  return static_cast<Integer>(SendMessageW(FHandle, LB_GETCURSEL, 0, 0));
}

void TCustomListBox::SetItemIndex(Integer Value) {
  if (Value < -1 || Value >= Count()) Value = -1;
  if (!HandleAllocated()) {
    FSaveItemIndex = Value;
    return;
  }
  if (FMultiSelect) {
    SendMessageW(FHandle, LB_SETSEL, FALSE, -1);
    if (Value >= 0) {
      SendMessageW(FHandle, LB_SETSEL, TRUE, Value);
      SendMessageW(FHandle, LB_SETCARETINDEX, Value, FALSE);
    }
  } else {
    SendMessageW(FHandle, LB_SETCURSEL, Value, 0);
  }
}

bool TCustomListBox::Selected(Integer Index) {
  if (Index < 0 || Index >= Count()) throw EListError(L"List index out of bounds (" + std::to_wstring(Index) + L")");
  if (!HandleAllocated()) {
    if (FMultiSelect) return std::find(FSaveSelected.begin(), FSaveSelected.end(), Index) != FSaveSelected.end();
    return Index == FSaveItemIndex;
  }
  return SendMessageW(FHandle, LB_GETSEL, Index, 0) > 0;
}

void TCustomListBox::SetSelected(Integer Index, bool Value) {
  if (Index < 0 || Index >= Count()) throw EListError(L"List index out of bounds (" + std::to_wstring(Index) + L")");
  HandleNeeded();
  if (FMultiSelect) {
    SendMessageW(FHandle, LB_SETSEL, Value, Index);
  } else if (Value) {
    SendMessageW(FHandle, LB_SETCURSEL, Index, 0);
  } else if (ItemIndex() == Index) {
    SendMessageW(FHandle, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  }
}

Integer TCustomListBox::SelCount() {
  if (!FMultiSelect) return -1;
  if (!HandleAllocated()) return static_cast<Integer>(FSaveSelected.size());
  return static_cast<Integer>(SendMessageW(FHandle, LB_GETSELCOUNT, 0, 0));
}

void TCustomListBox::ClearSelection() {
  if (FMultiSelect) {
    if (HandleAllocated()) SendMessageW(FHandle, LB_SETSEL, FALSE, -1);
    FSaveSelected.clear();
  } else {
    SetItemIndex(-1);
  }
}

void TCustomListBox::SelectAll() {
  if (FMultiSelect && HandleAllocated()) SendMessageW(FHandle, LB_SETSEL, TRUE, -1);
}

Integer TCustomListBox::TopIndex() {
  if (!HandleAllocated()) return FSaveTopIndex;
  return static_cast<Integer>(SendMessageW(FHandle, LB_GETTOPINDEX, 0, 0));
}

void TCustomListBox::SetTopIndex(Integer Value) {
  FSaveTopIndex = Value;
  if (HandleAllocated()) SendMessageW(FHandle, LB_SETTOPINDEX, Value, 0);
}

Integer TCustomListBox::ItemAtPos(const TPoint& Pos, bool Existing) {
  HandleNeeded();
  Integer N = Count();
  if (N == 0) return Existing ? -1 : 0;
  RECT C;
  GetClientRect(FHandle, &C);
  if (Existing && !PtInRect(&C, POINT{Pos.X, Pos.Y})) return -1;
  // Only the visible items can be under a point.
  for (Integer I = TopIndex(); I < N; ++I) {
    RECT R;
    if (SendMessageW(FHandle, LB_GETITEMRECT, I, reinterpret_cast<LPARAM>(&R)) == LB_ERR) break;
    if (R.top >= C.bottom) break;
    if (Pos.Y >= R.top && Pos.Y < R.bottom && (!Existing || (Pos.X >= R.left && Pos.X < R.right))) return I;
  }
  return Existing ? -1 : N;
}

TRect TCustomListBox::ItemRect(Integer Index) {
  HandleNeeded();
  RECT R{0, 0, 0, 0};
  Integer N = Count();
  if (Index >= 0 && Index < N) {
    SendMessageW(FHandle, LB_GETITEMRECT, Index, reinterpret_cast<LPARAM>(&R));
  } else if (Index == N) {
    // Where the next item would go: below the last one.
    RECT C;
    GetClientRect(FHandle, &C);
    if (N > 0) {
      SendMessageW(FHandle, LB_GETITEMRECT, N - 1, reinterpret_cast<LPARAM>(&R));
      OffsetRect(&R, 0, R.bottom - R.top);
    } else {
      R = RECT{0, 0, C.right, static_cast<LONG>(SendMessageW(FHandle, LB_GETITEMHEIGHT, 0, 0))};
    }
  } else {
    throw EListError(L"List index out of bounds (" + std::to_wstring(Index) + L")");
  }
  return Rect(R.left, R.top, R.right, R.bottom);
}

// --- properties ---------------------------------------------------------------

void TCustomListBox::SetStyle(TListBoxStyle Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  RecreateWnd();
}

void TCustomListBox::SetMultiSelect(bool Value) {
  if (FMultiSelect == Value) return;
  // The kept selection changes meaning with the kind.
  if (HandleAllocated()) {
    Integer I = ItemIndex();
    DestroyHandle();
    FSaveSelected.clear();
    FMultiSelect = Value;
    FSaveItemIndex = I;
    if (Value && I >= 0) FSaveSelected.push_back(I);
    UpdateShowing();
    HandleNeeded();
    return;
  }
  FMultiSelect = Value;
}

void TCustomListBox::SetExtendedSelect(bool Value) {
  if (FExtendedSelect == Value) return;
  FExtendedSelect = Value;
  if (FMultiSelect) RecreateWnd();
}

void TCustomListBox::SetItemHeight(Integer Value) {
  if (Value < 1) throw ERangeError(L"Item height must be positive");
  if (FItemHeight == Value) return;
  FItemHeight = Value;
  if (HandleAllocated() && FStyle == lbOwnerDrawFixed) {
    SetWindowItemHeight(0);
    InvalidateRect(FHandle, nullptr, TRUE);
  }
}

void TCustomListBox::SetIntegralHeight(bool Value) {
  if (FIntegralHeight == Value) return;
  FIntegralHeight = Value;
  RecreateWnd();
}

void TCustomListBox::SetBorderStyle(TBorderStyle Value) {
  if (Value != bsNone && Value != bsSingle) throw EInvalidOperation(L"A list box's border is bsNone or bsSingle");
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  RecreateWnd();
}

// --- messages -----------------------------------------------------------------

void TCustomListBox::Dispatch(TMessage& M) {
  switch (M.Msg) {
    case CN_COMMAND: CNCommand(MsgAs<TWMCommand>(M)); return;
    case CN_DRAWITEM: CNDrawItem(M); return;
    case CN_MEASUREITEM: {
      MEASUREITEMSTRUCT* MI = MsgAs<TWMMeasureItem>(M).MeasureItemStruct;
      Integer H = FItemHeight;
      if (FStyle == lbOwnerDrawVariable) MeasureItem(static_cast<Integer>(MI->itemID), H);
      MI->itemHeight = NativeItemHeight(H);
      M.Result = 1;
      return;
    }
    case WM_LBUTTONDBLCLK:
      // The window's own double click notification makes OnDblClick.
      DefaultHandler(M);
      return;
  }
  TWinControl::Dispatch(M);
}

void TCustomListBox::CNCommand(TWMCommand& M) {
  switch (M.NotifyCode) {
    case LBN_SELCHANGE: Click(); break;
    case LBN_DBLCLK: DblClick(); break;
  }
}

void TCustomListBox::CNDrawItem(TMessage& M) {
  const DRAWITEMSTRUCT* DI = MsgAs<TWMDrawItem>(M).DrawItemStruct;
  TOwnerDrawState State = OwnerDrawStateOf(DI->itemState);
  TOwnerDrawScope Scope(FCanvas.get(), DI->hDC);
  FCanvas->Font()->Assign(FFont.get());
  FCanvas->Brush()->Assign(FBrush.get());
  TRect R = Rect(DI->rcItem.left, DI->rcItem.top, DI->rcItem.right, DI->rcItem.bottom);
  if (static_cast<Integer>(DI->itemID) >= 0 && (DI->itemAction & (ODA_DRAWENTIRE | ODA_SELECT))) {
    if (State.Contains(odSelected)) {
      FCanvas->Brush()->SetColor(clHighlight);
      FCanvas->Font()->SetColor(clHighlightText);
    }
    DrawItem(static_cast<Integer>(DI->itemID), R, State);
  } else if (static_cast<Integer>(DI->itemID) < 0 || (DI->itemAction & ODA_DRAWENTIRE)) {
    FCanvas->FillRect(R);
  }
  if ((DI->itemState & ODS_FOCUS) && (DI->itemAction & (ODA_DRAWENTIRE | ODA_FOCUS)))
    DrawFocusRect(DI->hDC, &DI->rcItem);
  M.Result = 1;
}

void TCustomListBox::DrawItem(Integer Index, TRect Rect, TOwnerDrawState State) {
  if (OnDrawItem) {
    OnDrawItem(this, Index, Rect, State);
    return;
  }
  FCanvas->FillRect(Rect);
  if (Index < Count()) FCanvas->TextOut(Rect.Left + 2, Rect.Top, FItems->Strings(Index));
}

void TCustomListBox::MeasureItem(Integer Index, Integer& Height) {
  if (OnMeasureItem) OnMeasureItem(this, Index, Height);
}

}  // namespace jorv
