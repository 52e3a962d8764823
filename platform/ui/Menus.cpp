#include "platform/ui/Menus.h"
#include <algorithm>
#include <unordered_map>
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/ImageList.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Application.h"
#include "platform/ui/WinControl.h"
#include "platform/ui/WindowProc.h"

namespace jorv {

namespace {

std::unordered_map<Word, TMenuItem*>& Commands() {
  static std::unordered_map<Word, TMenuItem*> M;
  return M;
}

Word NewCommand() {
  static Word Next = 0;
  auto& M = Commands();
  if (M.size() >= 0xFFF0) throw EMenuError(L"Too many menu items");
  do {
    ++Next;
    // 0 means "nothing chosen" and the top values are the system's.
    if (Next == 0 || Next >= 0xF000) Next = 1;
  } while (M.count(Next));
  return Next;
}

// Owns the popup menus and receives the WM_COMMAND of their choices.
class TPopupList : public TObject {
 public:
  HWND Handle() {
    if (!FHandle) {
      WNDCLASSW WC{};
      WC.lpszClassName = L"JorvPopupList";
      RegisterWindowClass(WC);
      FHandle = CreateObjectWindow(WindowTarget<&TPopupList::WndProc>(this), 0, L"JorvPopupList", L"",
                                   WS_POPUP, 0, 0, 0, 0, nullptr);
    }
    return FHandle;
  }

 private:
  void WndProc(HWND Window, TMessage& Message) {
    const auto& Command = MsgAs<TWMCommand>(Message);
    if (Message.Msg == WM_COMMAND && Command.NotifyCode == 0) {
      if (TMenuItem* Item = FindMenuItemByCommand(Command.ItemID)) {
        Item->Click();
        return;
      }
    }
    Message.Result = DefWindowProcW(Window, Message.Msg, Message.WParam, Message.LParam);
  }

  HWND FHandle = nullptr;
};

HWND PopupListWindow() {
  static TPopupList List;
  return List.Handle();
}

String StripHotkey(const String& S) {
  String R;
  for (size_t I = 0; I < S.size(); ++I) {
    if (S[I] == L'&') {
      if (I + 1 < S.size() && S[I + 1] == L'&') R += S[++I];
      continue;
    }
    R += S[I];
  }
  return R;
}

}  // namespace

TMenuItem* FindMenuItemByCommand(Word Command) {
  auto& M = Commands();
  auto It = M.find(Command);
  return It == M.end() ? nullptr : It->second;
}

// --- items ----------------------------------------------------------------------

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {
  FCommand = NewCommand();
  Commands()[FCommand] = this;
}

TMenuItem::~TMenuItem() {
  if (FParent) FParent->Remove(this);
  while (!FItems.empty()) delete FItems.back();
  Commands().erase(FCommand);
}

TMenuItem* TMenuItem::Items(Integer Index) const {
  if (Index < 0 || Index >= Count()) throw EMenuError(L"Menu index out of range");
  return FItems[Index];
}

Integer TMenuItem::IndexOf(const TMenuItem* Item) const {
  auto It = std::find(FItems.begin(), FItems.end(), Item);
  return It == FItems.end() ? -1 : static_cast<Integer>(It - FItems.begin());
}

Integer TMenuItem::MenuIndex() const { return FParent ? FParent->IndexOf(this) : -1; }

TMenuItem* TMenuItem::Find(const String& Caption) const {
  String Want = StripHotkey(Caption);
  for (TMenuItem* I : FItems)
    if (AnsiCompareText(StripHotkey(I->FCaption), Want) == 0) return I;
  return nullptr;
}

void TMenuItem::Insert(Integer Index, TMenuItem* Item) {
  if (!Item) throw EMenuError(L"Cannot insert a nil menu item");
  if (Item->FParent) throw EMenuError(L"Menu item is already inserted");
  for (const TMenuItem* P = this; P; P = P->FParent)
    if (P == Item) throw EMenuError(L"A menu item cannot hold itself");
  if (Index < 0 || Index > Count()) throw EMenuError(L"Menu index out of range");
  FItems.insert(FItems.begin() + Index, Item);
  Item->FParent = this;
}

void TMenuItem::Delete(Integer Index) { delete Items(Index); }

void TMenuItem::Remove(TMenuItem* Item) {
  auto It = std::find(FItems.begin(), FItems.end(), Item);
  if (It == FItems.end()) throw EMenuError(L"Menu item is not a child of this item");
  FItems.erase(It);
  Item->FParent = nullptr;
}

void TMenuItem::Clear() {
  while (!FItems.empty()) delete FItems.back();
}

void TMenuItem::SetChecked(bool Value) {
  FChecked = Value;
  if (Value && FRadioItem && FParent)
    for (TMenuItem* I : FParent->FItems)
      if (I != this && I->FRadioItem && I->FGroupIndex == FGroupIndex) I->FChecked = false;
}

void TMenuItem::SetDefault(bool Value) {
  // One default item per menu.
  if (Value && FParent)
    for (TMenuItem* I : FParent->FItems) I->FDefault = false;
  FDefault = Value;
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* I = this;
  while (I->FParent) I = I->FParent;
  return I->FMenu;
}

void TMenuItem::Click() {
  if (!FEnabled) return;
  if (FAutoCheck) SetChecked(FRadioItem ? true : !FChecked);
  if (OnClick) OnClick(this);
}

// --- menus ----------------------------------------------------------------------

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner), FItems(std::make_unique<TMenuItem>(nullptr)) {
  FItems->FMenu = this;
}

TMenu::~TMenu() = default;

void TMenu::SetImages(TCustomImageList* Value) {
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = Value;
  if (Value) Value->FreeNotification(this);
}

void TMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImages) FImages = nullptr;
}

bool TMenu::DispatchCommand(Word Command) {
  TMenuItem* I = FindMenuItemByCommand(Command);
  if (!I || I->GetParentMenu() != this) return false;
  I->Click();
  return true;
}

HMENU TMenu::BuildMenu(TMenuItem* Item, std::vector<HBITMAP>& Keep) {
  HMENU H = CreatePopupMenu();
  UINT Pos = 0;
  for (TMenuItem* I : Item->FItems) {
    if (!I->FVisible) continue;
    MENUITEMINFOW MI{};
    MI.cbSize = sizeof(MI);
    if (I->IsLine()) {
      MI.fMask = MIIM_FTYPE;
      MI.fType = MFT_SEPARATOR;
      InsertMenuItemW(H, Pos++, TRUE, &MI);
      continue;
    }
    MI.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING;
    MI.fType = I->FRadioItem ? MFT_RADIOCHECK : 0;
    MI.fState = (I->FChecked ? MFS_CHECKED : 0) | (I->FEnabled ? 0 : MFS_DISABLED) | (I->FDefault ? MFS_DEFAULT : 0);
    MI.wID = I->FCommand;
    String Text = I->FCaption;
    MI.dwTypeData = Text.data();
    if (!I->FItems.empty()) {
      MI.fMask |= MIIM_SUBMENU;
      MI.hSubMenu = BuildMenu(I, Keep);
    }
    if (FImages && I->FImageIndex >= 0 && I->FImageIndex < FImages->Count()) {
      // The image on the menu's own colour, as a plain bitmap.
      TBitmap B;
      B.SetPixelFormat(pf24bit);
      B.SetSize(FImages->Width(), FImages->Height());
      B.Canvas()->Brush()->SetColor(clMenu);
      B.Canvas()->FillRect(Rect(0, 0, FImages->Width(), FImages->Height()));
      FImages->Draw(B.Canvas(), 0, 0, I->FImageIndex, I->FEnabled);
      MI.fMask |= MIIM_BITMAP;
      MI.hbmpItem = B.ReleaseHandle();
      Keep.push_back(MI.hbmpItem);
    }
    InsertMenuItemW(H, Pos++, TRUE, &MI);
  }
  return H;
}

// --- popup menus ----------------------------------------------------------------

TPopupMenu::TPopupMenu(TComponent* AOwner) : TMenu(AOwner) {}

void TPopupMenu::SetPopupComponent(TComponent* Value) {
  // The link to the previous component stays: links run both ways, and that
  // component may still name this menu as its own.
  FPopupComponent = Value;
  if (Value) Value->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TMenu::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FPopupComponent) FPopupComponent = nullptr;
}

void TPopupMenu::DoPopup() {
  if (OnPopup) OnPopup(this);
}

TMenuItem* TPopupMenu::Popup(Integer X, Integer Y) {
  FPopupPoint = {X, Y};
  DoPopup();
  std::vector<HBITMAP> Keep;
  HMENU H = BuildMenu(FItems.get(), Keep);
  HWND Owner = PopupListWindow();
  UINT Cmd = 0;
  if (GetMenuItemCount(H) > 0)
    Cmd = static_cast<UINT>(TrackPopupMenu(H, TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, X,
                                           Y, 0, Owner, nullptr));
  DestroyMenu(H);
  for (HBITMAP B : Keep) DeleteObject(B);
  if (Cmd == 0) return nullptr;
  TMenuItem* Chosen = FindMenuItemByCommand(static_cast<Word>(Cmd));
  // The choice is handled as the command it is.
  SendMessageW(Owner, WM_COMMAND, MAKEWPARAM(Cmd, 0), 0);
  return Chosen;
}

bool ShowControlPopupMenu(TControl* Control, TPoint Pos) {
  for (TControl* C = Control; C; C = C->Parent()) {
    TPopupMenu* M = C->PopupMenu();
    if (!M) continue;
    if (!M->AutoPopup()) return false;
    if (Pos.X == -1 && Pos.Y == -1) Pos = Control->ClientToScreen({0, 0});
    M->SetPopupComponent(Control);
    M->Popup(Pos.X, Pos.Y);
    return true;
  }
  return false;
}

}  // namespace jorv
