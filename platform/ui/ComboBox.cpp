#include "platform/ui/ComboBox.h"
#include <algorithm>
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Application.h"
#include "platform/ui/WindowProc.h"

namespace jorv {

TCustomComboBox::TCustomComboBox(TComponent* AOwner)
    : TWinControl(AOwner), FItems(new TListControlItems(this)), FCanvas(std::make_unique<TCanvas>()) {
  FControlStyle = TControlStyle{csSetCaption, csDoubleClicks};
  FTabStop = true;
  FParentColor = false;
  FColor = clWindow;
  FBrush->SetColor(FColor);
  SetBounds(0, 0, 145, 21);
}

TCustomComboBox::~TCustomComboBox() { DestroyHandle(); }

void TCustomComboBox::CreateParams(TCreateParams& P) {
  TWinControl::CreateParams(P);
  CreateSubClass(P, L"COMBOBOX");
  P.Style &= ~WS_CLIPCHILDREN;
  P.Style |= WS_VSCROLL | CBS_AUTOHSCROLL | CBS_HASSTRINGS;
  switch (FStyle) {
    case csDropDown: P.Style |= CBS_DROPDOWN; break;
    case csSimple: P.Style |= CBS_SIMPLE; break;
    case csDropDownList: P.Style |= CBS_DROPDOWNLIST; break;
    case csOwnerDrawFixed: P.Style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED; break;
    case csOwnerDrawVariable: P.Style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE; break;
  }
  P.Height = WindowHeight();
  P.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

Integer TCustomComboBox::WindowHeight() {
  if (FStyle == csSimple) return FHeight;
  // The list's room comes on top of the closed box.
  return FHeight + FItemHeight * std::max(1, FDropDownCount) + 2;
}

void TCustomComboBox::CreateWnd() {
  TWinControl::CreateWnd();
  if (IsOwnerDraw()) {
    SendMessageW(FHandle, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), FItemHeight + 2);
    if (FStyle == csOwnerDrawFixed) SendMessageW(FHandle, CB_SETITEMHEIGHT, 0, FItemHeight);
  }
  WindowReload();
  SendMessageW(FHandle, CB_LIMITTEXT, FMaxLength, 0);
  if (FSaveItemIndex >= 0) SendMessageW(FHandle, CB_SETCURSEL, FSaveItemIndex, 0);
  if (HasEdit()) {
    if (!FText.empty() && FSaveItemIndex < 0) SetWindowTextW(FHandle, FText.c_str());
    COMBOBOXINFO CI{};
    CI.cbSize = sizeof(CI);
    if (GetComboBoxInfo(FHandle, &CI) && CI.hwndItem && CI.hwndItem != FHandle) {
      FEditHandle = CI.hwndItem;
      FDefEditProc = SubclassWindow(FEditHandle, WindowTarget<&TCustomComboBox::EditWndProc>(this));
      LONG S = GetWindowLongW(FEditHandle, GWL_STYLE) & ~(ES_UPPERCASE | ES_LOWERCASE);
      if (FCharCase == ecUpperCase) S |= ES_UPPERCASE;
      if (FCharCase == ecLowerCase) S |= ES_LOWERCASE;
      SetWindowLongW(FEditHandle, GWL_STYLE, S);
    }
  }
  UpdateBounds();
}

void TCustomComboBox::DestroyWnd() {
  FSaveItemIndex = ItemIndex();
  if (FEditHandle) {
    UnsubclassWindow(FEditHandle, FDefEditProc);
    FEditHandle = nullptr;
    FDefEditProc = nullptr;
  }
  TWinControl::DestroyWnd();
}

void TCustomComboBox::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) {
  if (HandleAllocated() && FStyle != csSimple) {
    // The window's height holds the list; what we call Height is the box.
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    SetWindowPos(FHandle, nullptr, ALeft, ATop, AWidth, WindowHeight(), SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateBounds();
    UpdateAnchorRules();
    RequestAlign();
    return;
  }
  TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

// --- the window's side of the items -------------------------------------------

void TCustomComboBox::WindowInsert(Integer Index, const String& S) {
  if (!HandleAllocated()) return;
  SendItemInsert(FHandle, ComboBoxItemMessages, Index, S);
  if (FStyle == csOwnerDrawVariable) SetWindowItemHeight(Index);
}

void TCustomComboBox::WindowDelete(Integer Index) {
  if (HandleAllocated()) SendItemDelete(FHandle, ComboBoxItemMessages, Index);
}

void TCustomComboBox::WindowClear() {
  if (!HandleAllocated()) return;
  // The edit's text is the user's and stays.
  String T = HasEdit() ? GetText() : String();
  SendMessageW(FHandle, CB_RESETCONTENT, 0, 0);
  if (HasEdit()) SetWindowTextW(FHandle, T.c_str());
}

void TCustomComboBox::WindowReload() {
  if (!HandleAllocated()) return;
  String T = HasEdit() ? GetText() : String();
  Integer Sel = static_cast<Integer>(SendMessageW(FHandle, CB_GETCURSEL, 0, 0));
  SendItemsReload(FHandle, ComboBoxItemMessages, *FItems, [this](Integer Index) {
    if (FStyle == csOwnerDrawVariable) SetWindowItemHeight(Index);
  });
  if (HasEdit())
    SetWindowTextW(FHandle, T.c_str());
  else if (Sel >= 0 && Sel < FItems->Count())
    SendMessageW(FHandle, CB_SETCURSEL, Sel, 0);
}

void TCustomComboBox::WindowUpdate(bool Updating) {
  if (HandleAllocated()) SendItemsUpdating(FHandle, Updating);
}

void TCustomComboBox::SetWindowItemHeight(Integer Index) {
  Integer H = FItemHeight;
  MeasureItem(Index, H);
  SendItemHeight(FHandle, ComboBoxItemMessages, Index, H);
}

// --- properties ---------------------------------------------------------------

void TCustomComboBox::Clear() {
  SetText(String());
  FItems->Clear();
  FSaveItemIndex = -1;
}

Integer TCustomComboBox::ItemIndex() {
  if (!HandleAllocated()) return FSaveItemIndex;
  return static_cast<Integer>(SendMessageW(FHandle, CB_GETCURSEL, 0, 0));
}

void TCustomComboBox::SetItemIndex(Integer Value) {
  if (Value < -1 || Value >= FItems->Count()) Value = -1;
  if (!HandleAllocated()) {
    FSaveItemIndex = Value;
    FText = Value >= 0 ? FItems->Strings(Value) : String();
    return;
  }
  SendMessageW(FHandle, CB_SETCURSEL, Value, 0);
}

String TCustomComboBox::GetText() const {
  if (!FHandle && !HasEdit() && FSaveItemIndex >= 0 && FSaveItemIndex < FItems->Count())
    return FItems->Strings(FSaveItemIndex);
  return TWinControl::GetText();
}

void TCustomComboBox::SetTextValue(const String& Value) {
  String S = Value;
  if (FCharCase == ecUpperCase) S = AnsiUpperCase(S);
  if (FCharCase == ecLowerCase) S = AnsiLowerCase(S);
  if (!HasEdit()) {
    // A list alone shows only its items: the text picks one.
    Integer I = FItems->IndexOf(S);
    SetItemIndex(I);
    FText = I >= 0 ? S : String();
    return;
  }
  FText = S;
  if (!HandleAllocated()) return;
  SendMessageW(FHandle, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  SetWindowTextW(FHandle, S.c_str());
  // The combo box does not tell its parent about text set from outside.
  Change();
}

void TCustomComboBox::SetStyle(TComboBoxStyle Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  RecreateWnd();
}

void TCustomComboBox::SetDropDownCount(Integer Value) {
  if (Value < 1) throw ERangeError(L"DropDownCount must be at least 1");
  FDropDownCount = Value;
  if (HandleAllocated()) SetBounds(FLeft, FTop, FWidth, FHeight);
}

bool TCustomComboBox::DroppedDown() {
  return HandleAllocated() && SendMessageW(FHandle, CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void TCustomComboBox::SetDroppedDown(bool Value) {
  SendMessageW(Handle(), CB_SHOWDROPDOWN, Value, 0);
}

Integer TCustomComboBox::ItemHeight() {
  if (HandleAllocated() && !IsOwnerDraw()) return static_cast<Integer>(SendMessageW(FHandle, CB_GETITEMHEIGHT, 0, 0));
  return FItemHeight;
}

void TCustomComboBox::SetItemHeight(Integer Value) {
  if (Value < 1) throw ERangeError(L"Item height must be positive");
  if (FItemHeight == Value) return;
  FItemHeight = Value;
  if (HandleAllocated() && IsOwnerDraw()) RecreateWnd();
}

void TCustomComboBox::SetCharCase(TEditCharCase Value) {
  if (FCharCase == Value) return;
  FCharCase = Value;
  if (FEditHandle) {
    LONG S = GetWindowLongW(FEditHandle, GWL_STYLE) & ~(ES_UPPERCASE | ES_LOWERCASE);
    if (Value == ecUpperCase) S |= ES_UPPERCASE;
    if (Value == ecLowerCase) S |= ES_LOWERCASE;
    SetWindowLongW(FEditHandle, GWL_STYLE, S);
  }
  if (HasEdit()) {
    String T = GetText();
    SetTextValue(T);
  }
}

void TCustomComboBox::SetMaxLength(Integer Value) {
  if (Value < 0) throw ERangeError(L"MaxLength cannot be negative");
  FMaxLength = Value;
  if (HandleAllocated()) SendMessageW(FHandle, CB_LIMITTEXT, Value, 0);
}

Integer TCustomComboBox::SelStart() {
  DWORD S = 0, E = 0;
  SendMessageW(Handle(), CB_GETEDITSEL, reinterpret_cast<WPARAM>(&S), reinterpret_cast<LPARAM>(&E));
  return static_cast<Integer>(S);
}

void TCustomComboBox::SetSelStart(Integer Value) {
  SendMessageW(Handle(), CB_SETEDITSEL, 0, MAKELPARAM(Value, Value));
}

Integer TCustomComboBox::SelLength() {
  DWORD S = 0, E = 0;
  SendMessageW(Handle(), CB_GETEDITSEL, reinterpret_cast<WPARAM>(&S), reinterpret_cast<LPARAM>(&E));
  return static_cast<Integer>(E) - static_cast<Integer>(S);
}

void TCustomComboBox::SetSelLength(Integer Value) {
  Integer S = SelStart();
  SendMessageW(FHandle, CB_SETEDITSEL, 0, MAKELPARAM(S, S + Value));
}

String TCustomComboBox::SelText() {
  Integer S = SelStart(), L = SelLength();
  String T = GetText();
  S = std::clamp<Integer>(S, 0, static_cast<Integer>(T.size()));
  return T.substr(S, std::max(0, L));
}

void TCustomComboBox::SelectAll() { SendMessageW(Handle(), CB_SETEDITSEL, 0, MAKELPARAM(0, -1)); }

// --- events -------------------------------------------------------------------

void TCustomComboBox::Change() {
  if (OnChange) OnChange(this);
}

void TCustomComboBox::Select() {
  if (OnSelect) OnSelect(this);
  Change();
}

void TCustomComboBox::DropDown() {
  if (OnDropDown) OnDropDown(this);
}

void TCustomComboBox::CloseUp() {
  if (OnCloseUp) OnCloseUp(this);
}

void TCustomComboBox::MeasureItem(Integer Index, Integer& Height) {
  if (OnMeasureItem) OnMeasureItem(this, Index, Height);
}

void TCustomComboBox::DrawItem(Integer Index, TRect Rect, TOwnerDrawState State) {
  if (OnDrawItem) {
    OnDrawItem(this, Index, Rect, State);
    return;
  }
  FCanvas->FillRect(Rect);
  if (Index >= 0 && Index < FItems->Count()) FCanvas->TextOut(Rect.Left + 2, Rect.Top, FItems->Strings(Index));
}

// --- messages -----------------------------------------------------------------

void TCustomComboBox::Dispatch(TMessage& M) {
  switch (M.Msg) {
    case CN_COMMAND: CNCommand(MsgAs<TWMCommand>(M)); return;
    case CN_DRAWITEM: CNDrawItem(M); return;
    case CN_MEASUREITEM: {
      MEASUREITEMSTRUCT* MI = MsgAs<TWMMeasureItem>(M).MeasureItemStruct;
      Integer H = FItemHeight;
      if (FStyle == csOwnerDrawVariable && static_cast<Integer>(MI->itemID) >= 0)
        MeasureItem(static_cast<Integer>(MI->itemID), H);
      MI->itemHeight = NativeItemHeight(H);
      M.Result = 1;
      return;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX: {
      // The edit and the list inside take our colours.
      HDC DC = MsgAs<TWMCtlColor>(M).ChildDC;
      SetTextColor(DC, ColorToRGB(FFont->Color()));
      SetBkColor(DC, ColorToRGB(FBrush->Color()));
      M.Result = reinterpret_cast<LRESULT>(FBrush->Handle());
      return;
    }
  }
  TWinControl::Dispatch(M);
}

void TCustomComboBox::CNCommand(TWMCommand& M) {
  switch (M.NotifyCode) {
    case CBN_EDITCHANGE:
      if (FTyping)
        FChangedWhileTyping = true;
      else
        Change();
      break;
    case CBN_SELCHANGE: {
      // The edit shows the new item only after this notification.
      Integer I = ItemIndex();
      if (HasEdit() && I >= 0) SetWindowTextW(FHandle, FItems->Strings(I).c_str());
      Select();
      break;
    }
    case CBN_DROPDOWN: DropDown(); break;
    case CBN_CLOSEUP: CloseUp(); break;
  }
}

void TCustomComboBox::CNDrawItem(TMessage& M) {
  const DRAWITEMSTRUCT* DI = MsgAs<TWMDrawItem>(M).DrawItemStruct;
  TOwnerDrawState State = OwnerDrawStateOf(DI->itemState);
  TOwnerDrawScope Scope(FCanvas.get(), DI->hDC);
  FCanvas->Font()->Assign(FFont.get());
  FCanvas->Brush()->Assign(FBrush.get());
  if (State.Contains(odSelected)) {
    FCanvas->Brush()->SetColor(clHighlight);
    FCanvas->Font()->SetColor(clHighlightText);
  }
  TRect R = Rect(DI->rcItem.left, DI->rcItem.top, DI->rcItem.right, DI->rcItem.bottom);
  if (static_cast<Integer>(DI->itemID) >= 0)
    DrawItem(static_cast<Integer>(DI->itemID), R, State);
  else
    FCanvas->FillRect(R);
  if (State.Contains(odFocused)) DrawFocusRect(DI->hDC, &DI->rcItem);
  M.Result = 1;
}

void TCustomComboBox::EditWndProc(TMessage& M) {
  auto Default = [&] { M.Result = CallWindowProcW(FDefEditProc, FEditHandle, M.Msg, M.WParam, M.LParam); };
  switch (M.Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      auto& K = MsgAs<TWMKey>(M);
      FDeletingKey = K.CharCode == VK_BACK || K.CharCode == VK_DELETE;
      if (DoKeyDown(K)) return;
      break;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP:
      if (DoKeyUp(MsgAs<TWMKey>(M))) return;
      break;
    case WM_CHAR: {
      auto& K = MsgAs<TWMKey>(M);
      if (DoKeyPress(K)) return;
      bool Printable = K.CharCode >= L' ';
      FTyping = true;
      FChangedWhileTyping = false;
      {
        auto Restore = ScopeExit([&] { FTyping = false; });
        Default();
        if (Printable && FAutoComplete && !FDeletingKey) DoAutoComplete();
      }
      if (FChangedWhileTyping) Change();
      return;
    }
    case WM_SETFOCUS:
      Default();
      // The combo box is the control that has the focus, for the form.
      Perform(WM_SETFOCUS, M.WParam, 0);
      return;
    case WM_NCDESTROY: {
      WNDPROC P = FDefEditProc;
      HWND H = FEditHandle;
      UnsubclassWindow(H, P);
      FEditHandle = nullptr;
      M.Result = CallWindowProcW(P, H, M.Msg, M.WParam, M.LParam);
      return;
    }
  }
  Default();
}

void TCustomComboBox::DoAutoComplete() {
  String T = GetText();
  if (T.empty()) return;
  DWORD S = 0, E = 0;
  SendMessageW(FHandle, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&S), reinterpret_cast<LPARAM>(&E));
  // Only while typing at the end of the text.
  if (S != E || static_cast<size_t>(E) != T.size()) return;
  for (Integer I = 0; I < FItems->Count(); ++I) {
    String Item = FItems->Strings(I);
    if (Item.size() >= T.size() && AnsiCompareText(Item.substr(0, T.size()), T) == 0) {
      SendMessageW(FHandle, CB_SETCURSEL, I, 0);
      // Keep what was typed, offer the rest selected.
      String Shown = T + Item.substr(T.size());
      SetWindowTextW(FHandle, Shown.c_str());
      SendMessageW(FHandle, CB_SETEDITSEL, 0, MAKELPARAM(T.size(), -1));
      FChangedWhileTyping = true;
      return;
    }
  }
}

}  // namespace jorv
