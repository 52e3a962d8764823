#include "platform/ui/CustomEdit.h"
#include <algorithm>
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/SysUtils.h"

namespace jorv {

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner) {
  FControlStyle = TControlStyle{csClickEvents, csSetCaption, csDoubleClicks};
  FTabStop = true;
  FParentColor = false;
  FColor = clWindow;
  FBrush->SetColor(FColor);
  SetBounds(0, 0, 121, 21);
}

void TCustomEdit::CreateParams(TCreateParams& P) {
  TWinControl::CreateParams(P);
  CreateSubClass(P, L"EDIT");
  P.Style &= ~WS_CLIPCHILDREN;
  P.Style |= ES_AUTOHSCROLL | ES_AUTOVSCROLL;
  static const DWORD Align[] = {ES_LEFT, ES_RIGHT, ES_CENTER};
  P.Style |= Align[FAlignment];
  if (FCharCase == ecUpperCase) P.Style |= ES_UPPERCASE;
  if (FCharCase == ecLowerCase) P.Style |= ES_LOWERCASE;
  if (FReadOnly) P.Style |= ES_READONLY;
  if (!FHideSelection) P.Style |= ES_NOHIDESEL;
  if (FPasswordChar) P.Style |= ES_PASSWORD;
  if (FBorderStyle == bsSingle) {
    if (FCtl3D)
      P.ExStyle |= WS_EX_CLIENTEDGE;
    else
      P.Style |= WS_BORDER;
  }
  P.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TCustomEdit::CreateWnd() {
  FCreating = true;
  {
    auto Restore = ScopeExit([&] { FCreating = false; });
    TWinControl::CreateWnd();
  }
  SendMessageW(FHandle, EM_LIMITTEXT, FMaxLength, 0);
  if (FPasswordChar) SendMessageW(FHandle, EM_SETPASSWORDCHAR, FPasswordChar, 0);
  SendMessageW(FHandle, EM_SETMODIFY, FModified, 0);
  AdjustHeight();
}

void TCustomEdit::DestroyWnd() {
  FModified = SendMessageW(FHandle, EM_GETMODIFY, 0, 0) != 0;
  TWinControl::DestroyWnd();
}

void TCustomEdit::Dispatch(TMessage& M) {
  if (M.Msg == CN_COMMAND) {
    CNCommand(MsgAs<TWMCommand>(M));
    return;
  }
  TWinControl::Dispatch(M);
}

void TCustomEdit::CNCommand(TWMCommand& M) {
  // The window announces the first text while it is being made; that is
  // no change of the user's.
  if (M.NotifyCode == EN_CHANGE && !FCreating) Change();
}

void TCustomEdit::Change() {
  if (OnChange) OnChange(this);
}

void TCustomEdit::DoEnter() {
  // A click places the caret where the user pointed; tabbing in selects all.
  if (FAutoSelect && !(GetKeyState(VK_LBUTTON) < 0)) SelectAll();
  TWinControl::DoEnter();
}

String TCustomEdit::ApplyCharCase(const String& S) const {
  if (FCharCase == ecUpperCase) return AnsiUpperCase(S);
  if (FCharCase == ecLowerCase) return AnsiLowerCase(S);
  return S;
}

void TCustomEdit::SetTextValue(const String& Value) {
  String S = ApplyCharCase(Value);
  if (!FHandle) {
    if (S == FText) return;
    FText = S;
    Change();
    return;
  }
  SetWindowTextW(FHandle, S.c_str());
}

// --- selection --------------------------------------------------------------

Integer TCustomEdit::SelStart() {
  DWORD S = 0, E = 0;
  SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&S), reinterpret_cast<LPARAM>(&E));
  return static_cast<Integer>(S);
}

void TCustomEdit::SetSelStart(Integer Value) {
  SendMessageW(Handle(), EM_SETSEL, Value, Value);
}

Integer TCustomEdit::SelLength() {
  DWORD S = 0, E = 0;
  SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&S), reinterpret_cast<LPARAM>(&E));
  return static_cast<Integer>(E) - static_cast<Integer>(S);
}

void TCustomEdit::SetSelLength(Integer Value) {
  DWORD S = 0, E = 0;
  SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&S), reinterpret_cast<LPARAM>(&E));
  SendMessageW(FHandle, EM_SETSEL, S, static_cast<Integer>(S) + Value);
  SendMessageW(FHandle, EM_SCROLLCARET, 0, 0);
}

String TCustomEdit::SelText() {
  DWORD S = 0, E = 0;
  SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&S), reinterpret_cast<LPARAM>(&E));
  String T = GetText();
  S = std::min<DWORD>(S, static_cast<DWORD>(T.size()));
  E = std::min<DWORD>(E, static_cast<DWORD>(T.size()));
  return E > S ? T.substr(S, E - S) : String();
}

void TCustomEdit::SetSelTextBuf(const Char* Buf) {
  SendMessageW(Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(Buf ? Buf : L""));
}

void TCustomEdit::SelectAll() {
  if (FHandle) SendMessageW(FHandle, EM_SETSEL, 0, -1);
}

void TCustomEdit::ClearSelection() { SendMessageW(Handle(), WM_CLEAR, 0, 0); }

void TCustomEdit::Clear() { SetText(String()); }

void TCustomEdit::CopyToClipboard() { SendMessageW(Handle(), WM_COPY, 0, 0); }

void TCustomEdit::CutToClipboard() { SendMessageW(Handle(), WM_CUT, 0, 0); }

void TCustomEdit::PasteFromClipboard() { SendMessageW(Handle(), WM_PASTE, 0, 0); }

void TCustomEdit::Undo() {
  if (FHandle) SendMessageW(FHandle, EM_UNDO, 0, 0);
}

bool TCustomEdit::CanUndo() { return FHandle && SendMessageW(FHandle, EM_CANUNDO, 0, 0) != 0; }

void TCustomEdit::ClearUndo() {
  if (FHandle) SendMessageW(FHandle, EM_EMPTYUNDOBUFFER, 0, 0);
}

// --- properties -------------------------------------------------------------

bool TCustomEdit::Modified() {
  if (FHandle) return SendMessageW(FHandle, EM_GETMODIFY, 0, 0) != 0;
  return FModified;
}

void TCustomEdit::SetModified(bool Value) {
  FModified = Value;
  if (FHandle) SendMessageW(FHandle, EM_SETMODIFY, Value, 0);
}

void TCustomEdit::SetReadOnly(bool Value) {
  if (FReadOnly == Value) return;
  FReadOnly = Value;
  if (FHandle) SendMessageW(FHandle, EM_SETREADONLY, Value, 0);
}

void TCustomEdit::SetMaxLength(Integer Value) {
  if (Value < 0) throw ERangeError(L"MaxLength cannot be negative");
  FMaxLength = Value;
  if (FHandle) SendMessageW(FHandle, EM_LIMITTEXT, Value, 0);
}

void TCustomEdit::SetPasswordChar(Char Value) {
  if (FPasswordChar == Value) return;
  FPasswordChar = Value;
  if (FHandle) {
    // The window only masks when it was made with the password style.
    RecreateWnd();
  }
}

void TCustomEdit::SetCharCase(TEditCharCase Value) {
  if (FCharCase == Value) return;
  FCharCase = Value;
  if (FHandle) {
    LONG S = GetWindowLongW(FHandle, GWL_STYLE) & ~(ES_UPPERCASE | ES_LOWERCASE);
    if (Value == ecUpperCase) S |= ES_UPPERCASE;
    if (Value == ecLowerCase) S |= ES_LOWERCASE;
    SetWindowLongW(FHandle, GWL_STYLE, S);
  }
  // What is already there takes the new case too.
  String T = GetText();
  String C = ApplyCharCase(T);
  if (C != T) SetTextValue(C);
}

void TCustomEdit::SetAutoSize(bool Value) {
  if (FAutoSize == Value) return;
  FAutoSize = Value;
  AdjustHeight();
}

void TCustomEdit::SetBorderStyle(TBorderStyle Value) {
  if (Value != bsNone && Value != bsSingle)
    throw EInvalidOperation(L"An edit's border is bsNone or bsSingle");
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  RecreateWnd();
  AdjustHeight();
}

void TCustomEdit::SetHideSelection(bool Value) {
  if (FHideSelection == Value) return;
  FHideSelection = Value;
  RecreateWnd();
}

void TCustomEdit::SetAlignment(TAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  RecreateWnd();
}

void TCustomEdit::CMFontChanged(TMessage& M) {
  TWinControl::CMFontChanged(M);
  AdjustHeight();
}

void TCustomEdit::AdjustHeight() {
  if (!FAutoSize || !FHandle) return;
  HDC DC = GetDC(nullptr);
  HGDIOBJ Old = SelectObject(DC, FFont->Handle());
  TEXTMETRICW TM{};
  GetTextMetricsW(DC, &TM);
  SelectObject(DC, Old);
  ReleaseDC(nullptr, DC);
  // The border on both sides and the line's air above and below: a
  // 13-pixel font makes the familiar 21-pixel edit.
  Integer Frame = 2;
  if (FBorderStyle == bsSingle) Frame = FCtl3D ? GetSystemMetrics(SM_CYEDGE) * 4 : GetSystemMetrics(SM_CYBORDER) * 2 + 4;
  Integer H = TM.tmHeight + Frame;
  if (H != FHeight) SetBounds(FLeft, FTop, FWidth, H);
}

}  // namespace jorv
