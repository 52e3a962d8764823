#include "grid/interaction/ExInplaceEdit.h"
#include "foundation/ValueUtils.h"
#include "grid/core/GridUnit.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Clipboard.h"

namespace jorv::grid {

TExInplaceEdit::TExInplaceEdit(TComponent* AOwner) : TInplaceEdit(AOwner) {}

TRezIvevirAvod* TExInplaceEdit::Grid() const { return static_cast<TRezIvevirAvod*>(FGrid); }

void TExInplaceEdit::SetVAlign(bool Value) {
  if (FValign == Value) return;
  FValign = Value;
  if (HandleAllocated()) RecreateWnd();
}

void TExInplaceEdit::SetWordWrap(bool Value) {
  if (FWordWrap == Value) return;
  FWordWrap = Value;
  if (HandleAllocated()) RecreateWnd();
}

void TExInplaceEdit::CreateParams(TCreateParams& Params) {
  TInplaceEdit::CreateParams(Params);
  if (TRezIvevirAvod* G = Grid()) FWordWrap = G->WordWrap();
  if (FValign) Params.Style |= ES_RIGHT;
  if (Grid() && Grid()->EditControl() == edPassword) {
    Params.Style |= ES_PASSWORD;
    Params.Style &= ~ES_MULTILINE;
  }
  if (FWordWrap) Params.Style &= ~ES_AUTOHSCROLL;
  Params.Style |= ES_WANTRETURN;
}

void TExInplaceEdit::CreateWnd() {
  TInplaceEdit::CreateWnd();
  TRezIvevirAvod* G = Grid();
  if (!G) return;
  if (G->EditControl() == edPassword) SendMessageW(Handle(), EM_SETPASSWORDCHAR, WPARAM(G->PasswordChar()), 0);
  FLengthLimit = G->MaxEditLength();
}

// --- look ------------------------------------------------------------------------------------------

void TExInplaceEdit::UpdateContents() {
  TRezIvevirAvod* G = Grid();
  if (!G) return;
  // A password cell needs a single-line window, every other a multi-line one.
  const bool Password = G->EditControl() == edPassword;
  if (HandleAllocated() && Password != ((GetWindowLongW(Handle(), GWL_STYLE) & ES_PASSWORD) != 0)) RecreateWnd();
  {
    G->FNoEditChange = true;
    auto Restore = ScopeExit([G] { G->FNoEditChange = false; });
    TInplaceEdit::UpdateContents();
  }
  LoadCellLook();
  if (HandleAllocated() && GridUnit().EditPropMessage) PostMessageW(Handle(), GridUnit().EditPropMessage, 0, 0);
}

void TExInplaceEdit::LoadCellLook() {
  TRezIvevirAvod* G = Grid();
  TColor C = clWindow;
  G->CellEditLook(G->Col(), G->Row(), C);
  SetColor(C);
  Font()->Assign(G->Canvas()->Font());
  FColE = G->Col();
  FRowE = G->Row();
  SetAlignment(G->GetAlignments(G->RealColIndex(G->Col()), G->Row()));
  G->DoGetEditorProp(G->Col(), G->Row(), nullptr);
}

void TExInplaceEdit::WndProc(TMessage& Message) {
  if (Message.Msg == GridUnit().EditPropMessage && GridUnit().EditPropMessage) {
    if (Grid() && EditVisible()) LoadCellLook();
    return;
  }
  if (Message.Msg == WM_SYSKEYDOWN && Message.WParam == VK_BACK) FAltBack = true;
  if (Message.Msg == WM_SYSKEYUP && Message.WParam == VK_BACK) FAltBack = false;
  TInplaceEdit::WndProc(Message);
}

void TExInplaceEdit::BoundsChanged() {
  TRezIvevirAvod* G = Grid();
  if (!HandleAllocated() || !G) return TInplaceEdit::BoundsChanged();
  TRect R = G->CellRect(G->Col(), G->Row());
  if (R.IsEmpty()) return;
  const Integer Inset = G->GridLineWidth() >= 2 ? G->GridLineWidth() / 2 + 1 : 1;
  const Integer W = R.Right - R.Left - Inset, H = R.Bottom - R.Top - Inset;
  SetWindowPos(Handle(), nullptr, R.Left, R.Top, W, H, SWP_SHOWWINDOW | SWP_NOREDRAW | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT Text{3, 3, std::max<LONG>(3, W - 4), std::max<LONG>(3, H - Inset)};
  SendMessageW(Handle(), EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&Text));
  if (G->GridLineWidth() > 1) G->Invalidate();
}

void TExInplaceEdit::Change() {
  TInplaceEdit::Change();
  TRezIvevirAvod* G = Grid();
  if (G && !G->FNoEditChange && G->OnEditChange) G->OnEditChange(G, G->Col(), G->Row(), Text());
}

void TExInplaceEdit::SetTextQuietly(const String& Value) {
  TRezIvevirAvod* G = Grid();
  const bool Old = G->FNoEditChange;
  G->FNoEditChange = true;
  auto Restore = ScopeExit([G, Old] { G->FNoEditChange = Old; });
  SetText(Value);
}

Integer TExInplaceEdit::CaretPos() {
  DWORD Start = 0, End = 0;
  SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&Start), reinterpret_cast<LPARAM>(&End));
  return Integer(End);
}

// --- keys ------------------------------------------------------------------------------------------

void TExInplaceEdit::KeyDown(Word& Key, TShiftState Shift) {
  TRezIvevirAvod* G = Grid();
  if (!G) return TInplaceEdit::KeyDown(Key, Shift);
  if (Key == VK_ESCAPE) {
    SetTextQuietly(G->CellCache());
    TInplaceEdit::KeyDown(Key, Shift);
    G->HideInplaceEdit();
    return;
  }
  if (Key == 'A' && Shift.Contains(ssCtrl) && !(GetKeyState(VK_RMENU) & 0x8000)) {
    SelectAll();
    Key = 0;
    return;
  }
  const bool MultiLine = G->WordWrap() || G->Multilinecells();
  if (Key == VK_RETURN && Shift.Contains(ssCtrl) && !(G->Navigation()->AllowCtrlEnter() && MultiLine)) {
    Key = 0;
    Word K = VK_RETURN;
    if (G->OnKeyDown) G->OnKeyDown(G, K, TShiftState{ssCtrl});
    return;
  }
  if (!ValidateOnKey(Key, Shift)) return;
  if (Key == VK_RETURN && Shift.Contains(ssCtrl) && G->Navigation()->LineFeedOnEnter()) {
    Char CR = L'\r';
    TInplaceEdit::KeyPress(CR);
    return;
  }
  TInplaceEdit::KeyDown(Key, Shift);
}

// Enter, Tab and Up or Down at the edge of the text take the value only
// when it validates; a refused value stays in the edit, selected.
bool TExInplaceEdit::ValidateOnKey(Word& Key, TShiftState Shift) {
  TRezIvevirAvod* G = Grid();
  const String T = Text();
  const String O = G->OldCellText();
  if (Key == VK_TAB && G->EditorHandlesTab()) {
    if (G->ValidateCell(T)) {
      SetTextQuietly(G->NewCellText());
      G->HideInplaceEdit();
      if (!G->Options().Contains(goTabs)) {
        PostMessageW(G->Handle(), WM_KEYDOWN, VK_TAB, 0);
        Key = 0;
        return false;
      }
      return true;
    }
    RefusedOnKey(O);
    Word K = VK_TAB;
    if (G->OnKeyDown) G->OnKeyDown(G, K, Shift.Contains(ssShift) ? TShiftState{ssShift} : TShiftState{});
    Key = 0;
    return false;
  }
  const Integer Line = Integer(SendMessageW(Handle(), EM_LINEFROMCHAR, WPARAM(-1), 0));
  const Integer Lines = Integer(SendMessageW(Handle(), EM_GETLINECOUNT, 0, 0));
  const bool Vertical = (Key == VK_UP && Line == 0) || (Key == VK_DOWN && Line >= Lines - 1);
  if (Vertical) {
    G->SetValidating(true);
    G->SetCurrentCell(T);
    G->SetValidating(false);
  }
  const bool Enter = Key == VK_RETURN && !Shift.Contains(ssCtrl) && !G->Navigation()->LineFeedOnEnter();
  if (Vertical || Enter) {
    if (!G->ValidateCell(T)) {
      RefusedOnKey(O);
      // The character of this Enter is already on its way: it must not
      // validate the refused value a second time.
      FDropEnterChar = Enter;
      Key = 0;
      return false;
    }
    SetTextQuietly(G->NewCellText());
  }
  if (Key == VK_HOME && Shift.Empty()) SendMessageW(Handle(), EM_SETSEL, 0, 0);
  if (Key == VK_END && Shift.Empty()) SendMessageW(Handle(), EM_SETSEL, GetTextLen(), GetTextLen());
  return true;
}

void TExInplaceEdit::RefusedOnKey(const String& OldText) {
  TRezIvevirAvod* G = Grid();
  SetTextQuietly(G->NewCellText());
  if (G->Navigation()->EditSelectAll())
    SelectAll();
  else
    Deselect();
  G->SetOldCellText(OldText);
}

void TExInplaceEdit::KeyPress(Char& Key) {
  TRezIvevirAvod* G = Grid();
  if (!G) return TInplaceEdit::KeyPress(Key);
  if (Key == L'\r' && FDropEnterChar) {
    FDropEnterChar = false;
    Key = 0;
    return;
  }
  if (!FilterChar(Key)) {
    Key = 0;
    return;
  }
  if (Key == L'\r' && !G->Navigation()->LineFeedOnEnter() && !G->ValidateCell(Text())) {
    String Current;
    G->GetCurrentCell(Current);
    SetTextQuietly(Current);
    Key = 0;
    return;
  }
  TInplaceEdit::KeyPress(Key);
}

bool TExInplaceEdit::FilterChar(Char& Key) {
  TRezIvevirAvod* G = Grid();
  if (Key == 1) return false;
  if (Key == L'\n' && !(G->Navigation()->AllowCtrlEnter() && (G->WordWrap() || G->Multilinecells()))) return false;
  if (FLengthLimit > 0 && GetTextLen() >= FLengthLimit && SelLength() == 0 && Key != L'\b' && Key != 27 &&
      Key != L'\r')
    return false;
  const bool Ctrl = GetKeyState(VK_CONTROL) & 0x8000;
  const bool Control = Key == L'\b' || Key == L'\t' || Key == L'\r' || Key == 27;
  auto Beep = [] {
    MessageBeep(0);
    return false;
  };
  switch (G->EditControl()) {
    case edNumeric:
      if (Ctrl || Control || (Key >= L'0' && Key <= L'9')) return true;
      if (Key == L'-' && Pos(L"-", Text()) == 0 && SelStart() == 0) return true;
      return Beep();
    case edPositiveNumeric:
      if (Ctrl || Control || (Key >= L'0' && Key <= L'9')) return true;
      return Beep();
    case edFloat:
    case edPositiveFloat: return FilterFloatChar(Key);
    case edCapital:
    case edUpperCase: Key = UpperCase(String(1, Key))[0]; return true;
    case edLowerCase: Key = LowerCase(String(1, Key))[0]; return true;
    case edValidChars:
      if (Ctrl || Key == L'\b' || Key == L'\n' || Key == L'\r') return true;
      if (!G->ValidChars().empty()) return Pos(String(1, Key), G->ValidChars()) > 0 ? true : Beep();
      return Beep();
    default: return true;
  }
}

bool TExInplaceEdit::FilterFloatChar(Char& Key) {
  TRezIvevirAvod* G = Grid();
  const bool Ctrl = GetKeyState(VK_CONTROL) & 0x8000;
  const Char Decimal = GridDecimalSeparator();
  const Char Thousand = GridThousandSeparator();
  const bool Candidate = Key == L'\b' || Key == L'\t' || Key == L'\r' || Key == 27 || (Key >= L'0' && Key <= L'9') ||
                         Key == L',' || Key == L'.' || (Key == L'-' && G->EditControl() == edFloat);
  if (!Candidate) return Ctrl;
  const String T = Text();
  const String Selected = SelText();
  if (Key == Decimal && Pos(String(1, Decimal), T) > 0 && Pos(String(1, Decimal), Selected) == 0) return false;
  if (Key == Thousand && Key != Decimal) return false;
  if (Key == L'-') {
    const bool AtStart = SelStart() == 0 && Pos(L"-", T) == 0;
    if (AtStart || Pos(L"-", Selected) > 0) return true;
    MessageBeep(0);
    return false;
  }
  return true;
}

// --- focus -----------------------------------------------------------------------------------------

void TExInplaceEdit::WMSetFocus(TWMSetFocus& Message) {
  TInplaceEdit::WMSetFocus(Message);
  TRezIvevirAvod* G = Grid();
  if (!G) return;
  FGotFocus = true;
  G->FNoEditChange = false;
  FLengthLimit = G->MaxEditLength();
  if (!G->Navigation()->EditSelectAll()) Deselect();
}

// Leaving for another window validates the value; leaving in any way
// finishes the edit, once.
void TExInplaceEdit::WMKillFocus(TWMKillFocus& Message) {
  TRezIvevirAvod* G = Grid();
  if (G) G->SetStartEditChar(0);
  TInplaceEdit::WMKillFocus(Message);
  // Alt+Backspace undoes, and a refused value re-places the edit: neither
  // ends the edit.
  if (!G || FAltBack || G->Validating()) return;
  String Current;
  if (!G->HandleAllocated() || Message.FocusedWnd != G->Handle()) {
    G->ValidateCell(Text());
    G->HideInplaceEdit();
    G->FEditing = false;
    G->FEditMode = false;
    G->CanSelectCellAt(FColE, FRowE);
  }
  G->GetCurrentCell(Current);
  SetTextQuietly(Current);
  G->InplaceEditKeyUp(Current, TPoint{-1, -1}, -1);
  if (FGotFocus) {
    FGotFocus = false;
    G->FinishCellEdit(G->RealColIndex(FColE), FRowE);
  }
}

// --- clipboard -------------------------------------------------------------------------------------

void TExInplaceEdit::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_PASTE && Grid()) {
    HandlePaste();
    return;
  }
  TInplaceEdit::Dispatch(Message);
}

void TExInplaceEdit::HandlePaste() {
  TRezIvevirAvod* G = Grid();
  bool Allow = Clipboard()->HasFormat(CF_UNICODETEXT) || Clipboard()->HasFormat(CF_TEXT);
  String S = Allow ? Clipboard()->AsText() : String();
  if (G->OnClipboardPaste) G->OnClipboardPaste(this, Allow);
  if (Allow && G->OnClipboardBeforePasteCell) G->OnClipboardBeforePasteCell(this, G->Col(), G->Row(), S, Allow);
  if (!Allow || (FLengthLimit >= 1 && Integer(S.size()) > FLengthLimit)) return;
  const Integer BreakAt = Pos(L"\r\n", S);
  if (BreakAt > 0 && BreakAt == Integer(S.size()) - 1) S.resize(S.size() - 2);
  const Integer Start = CaretPos() - SelLength();
  const bool Replaced = SelLength() > 0;
  String N = Text();
  N.replace(size_t(Start), size_t(SelLength()), S);
  if (FLengthLimit >= 1 && Integer(N.size()) > FLengthLimit) return;
  const String Taken = TakePastedText(N);
  if (!Taken.empty() || N.empty()) SetText(Taken);
  G->SetCurrentCellEditText(Text());
  if (Replaced)
    SendMessageW(Handle(), EM_SETSEL, Start, Start + Integer(S.size()));
  else
    SendMessageW(Handle(), EM_SETSEL, Start + Integer(S.size()), Start + Integer(S.size()));
  if (G->OnClipboardAfterPasteCell) G->OnClipboardAfterPasteCell(this, G->Col(), G->Row(), Text());
}

// The pasted result as the cell's kind takes it; empty when refused.
String TExInplaceEdit::TakePastedText(const String& N) {
  Integer IntValue = 0;
  double FloatValue = 0;
  const bool IsInt = TryStrToInt(N, IntValue);
  const bool IsNumber = IsInt || TryStrToFloat(N, FloatValue);
  const bool Minus = Pos(L"-", N) > 0;
  switch (Grid()->EditControl()) {
    case edNumeric: return IsInt ? N : String();
    case edPositiveNumeric: return IsInt && !Minus ? N : String();
    case edFloat: return IsNumber ? N : String();
    case edPositiveFloat: return IsNumber && !Minus ? N : String();
    case edMixedCase: return CapitalizeName(N);
    case edLowerCase: return LowerCase(N);
    case edUpperCase: return UpperCase(N);
    case edValidChars:
      for (Char C : N)
        if (Pos(String(1, C), Grid()->ValidChars()) == 0) return String();
      return N;
    default: return N;
  }
}

}  // namespace jorv::grid
