#include "grid/interaction/ExInplaceEdit.h"
#include "foundation/TextUtils.h"
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
  // A wrapped text scrolls down once it fills the cell: without it the
  // edit would refuse every character past the cell's last line.
  if (FWordWrap) Params.Style = (Params.Style & ~ES_AUTOHSCROLL) | ES_AUTOVSCROLL;
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
  if (Message.Msg == WM_CHAR && FRewriteMixedCase && HandleAllocated()) {
    FRewriteMixedCase = false;
    const Integer Caret = SelStart();
    SetText(CapitalizeName(Text()));
    SendMessageW(Handle(), EM_SETSEL, WPARAM(Caret), LPARAM(Caret));
  }
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
  FSelKeyDown = CaretPos();
  FWorkmode = Key != VK_BACK && Key != VK_DELETE;
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
  if (WalkOnShiftKey(Key, Shift)) return;
  if (!ValidateOnKey(Key, Shift)) return;
  if (Key == VK_RETURN && Shift.Contains(ssCtrl) && G->Navigation()->LineFeedOnEnter()) {
    Char CR = L'\r';
    TInplaceEdit::KeyPress(CR);
    return;
  }
  if (Key == VK_RETURN && (Shift.Contains(ssCtrl) || Shift.Contains(ssShift))) SizeRowForLineBreak();
  // Up and Down move between the lines of a multi-line text before they
  // leave the cell.
  const Integer Line = Integer(SendMessageW(Handle(), EM_LINEFROMCHAR, WPARAM(-1), 0));
  const Integer Lines = Integer(SendMessageW(Handle(), EM_GETLINECOUNT, 0, 0));
  if ((Key == VK_UP && Line > 0) || (Key == VK_DOWN && Line < Lines - 1)) return;
  TInplaceEdit::KeyDown(Key, Shift);
}

bool TExInplaceEdit::WalkOnShiftKey(Word& Key, TShiftState Shift) {
  TRezIvevirAvod* G = Grid();
  if (!G->Navigation()->CursorWalkEditor() || !Shift.Contains(ssShift)) return false;
  const String T = Text();
  const bool AtStart = Key == VK_LEFT && CaretPos() == 0 && SelLength() == 0;
  const bool AtEnd = Key == VK_RIGHT && CaretPos() == Integer(T.size()) && SelLength() == 0;
  if (!AtStart && !AtEnd) return false;
  const String O = G->OldCellText();
  G->SetValidating(true);
  G->SetCurrentCell(T);
  G->SetValidating(false);
  Key = 0;
  if (G->ValidateCell(T)) {
    SetTextQuietly(G->NewCellText());
    G->HideInplaceEdit();
    if (G->CanFocus()) G->SetFocus();
    WalkToCell(AtEnd, false);
    return true;
  }
  SetTextQuietly(G->NewCellText());
  if (G->Navigation()->EditSelectAll())
    SelectAll();
  else
    SendMessageW(Handle(), EM_SETSEL, WPARAM(T.size()), LPARAM(T.size()));
  Invalidate();
  G->SetOldCellText(O);
  return true;
}

void TExInplaceEdit::SizeRowForLineBreak() {
  TRezIvevirAvod* G = Grid();
  if (!G->SizeWhileTyping()->Height() || !G->Multilinecells()) return;
  const Integer Lines = foundation::CountTextLines(Text() + L"\r\n ", true);
  if (Lines < G->MaxLinesInRow(G->Row()))
    G->AutoSizeRow(G->Row(), 0);
  else
    G->SizeRowToLines(G->Row(), Lines, G->XYOffset().Y);
  if (G->OnEndRowSize) G->OnEndRowSize(G, G->Row());
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
  FRewriteMixedCase = G->EditControl() == edMixedCase && Key >= L' ';
  if (Key == L'\r' && !G->Navigation()->LineFeedOnEnter() && !G->ValidateCell(Text())) {
    String Current;
    G->GetCurrentCell(Current);
    SetTextQuietly(Current);
    Key = 0;
    return;
  }
  TInplaceEdit::KeyPress(Key);
}

// --- leaving the cell with the cursor keys, completion and growing --------------------------------

void TExInplaceEdit::KeyUp(Word& Key, TShiftState Shift) {
  TRezIvevirAvod* G = Grid();
  if (!G) return TInplaceEdit::KeyUp(Key, Shift);
  if (WalkOnKeyUp(Key, Shift)) return;
  TInplaceEdit::KeyUp(Key, Shift);
  CompleteFromLookup();
  SizeWhileTyping();
}

bool TExInplaceEdit::WalkOnKeyUp(Word& Key, TShiftState Shift) {
  if (Key != VK_LEFT && Key != VK_RIGHT) return false;
  TRezIvevirAvod* G = Grid();
  const String T = Text();
  const bool Plain = Shift.Empty() && SelLength() == 0 && G->Navigation()->CursorWalkEditor();
  const bool AtStart = Key == VK_LEFT && FSelKeyDown == 0 && CaretPos() == 0;
  const bool AtEnd = Key == VK_RIGHT && FSelKeyDown == Integer(T.size());
  if (!Plain || (!AtStart && !AtEnd)) return true;
  Key = 0;
  const Integer Span = AtEnd ? G->CellSpan(G->RealColIndex(G->Col()), G->Row()).X : 0;
  const Integer Next = AtEnd ? G->Col() + Span + 1 : G->Col() - 1;
  const bool NextInRow = AtEnd ? G->Col() < G->ColCount() - G->FixedRightCols() - 1 : G->Col() > G->FixedCols();
  // A check box or button next door is stepped onto, not edited.
  if (NextInRow && G->HasClickableGraphic(G->RealColIndex(Next), G->Row())) {
    if (G->ValidateCell(T)) {
      G->HideInplaceEdit();
      G->SetCol(Next);
    }
    return true;
  }
  if (!G->ValidateCell(T)) {
    SetTextQuietly(T);
    SelectAll();
    return true;
  }
  G->HideInplaceEdit();
  WalkToCell(AtEnd, G->Navigation()->CursorWalkAlwaysEdit());
  return true;
}

// The walk goes along the row whatever way Enter advances, through the same
// advance as Enter, so it skips the cells Enter skips; the advance direction
// is put back afterwards.
void TExInplaceEdit::WalkToCell(bool Forward, bool OpenEditor) {
  TRezIvevirAvod* G = Grid();
  if (G->CanFocus()) G->SetFocus();
  TNavigation* Navigation = G->Navigation();
  const TAdvanceDirection Direction = Navigation->AdvanceDirection();
  if (Direction != adLeftRight && Direction != adLeftRightInRow) Navigation->SetAdvanceDirection(adLeftRight);
  {
    auto Restore = ScopeExit([&] { Navigation->SetAdvanceDirection(Direction); });
    G->AdvanceCell(G->Col(), G->Row(), true, false, Forward, true, true);
  }
  if (!OpenEditor)
    G->HideInplaceEdit();
  else if (!G->EditorMode())
    G->ShowInplaceEdit();
}

void TExInplaceEdit::CompleteFromLookup() {
  TRezIvevirAvod* G = Grid();
  if (!FWorkmode || SelLength() > 0 || !G->Lookup() || G->LookupItems()->Count() == 0) return;
  const String T = Text();
  const Integer Caret = std::min<Integer>(CaretPos(), Integer(T.size()));
  // Nothing typed yet completes nothing.
  if (Caret == 0) return;
  const bool Exact = G->LookupCaseSensitive();
  const String Typed = T.substr(0, size_t(Caret));
  const String Prefix = Exact ? Typed : UpperCase(Typed);
  for (Integer i = 0; i < G->LookupItems()->Count(); ++i) {
    const String Item = G->LookupItems()->Strings(i);
    const String Compared = Exact ? Item : UpperCase(Item);
    if (Compared.compare(0, Prefix.size(), Prefix) != 0) continue;
    const String Completed = Typed + Item.substr(std::min(Item.size(), Typed.size()), 255);
    SetText(Completed);
    SendMessageW(Handle(), EM_SETSEL, WPARAM(Caret), LPARAM(Completed.size()));
    return;
  }
}

void TExInplaceEdit::SizeWhileTyping() {
  TRezIvevirAvod* G = Grid();
  if (G->SizeWhileTyping()->Width()) G->MeasureColumnWidth(G->Col(), true);
  if (G->SizeWhileTyping()->Height() && G->WordWrap()) {
    G->AutoSizeRow(G->Row(), 0);
    if (G->OnEndRowSize) G->OnEndRowSize(G, G->Row());
  }
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
  G->PlaceCaretAtPress(Handle());
}

// Leaving for another window validates the value; leaving in any way
// finishes the edit, once.
void TExInplaceEdit::WMKillFocus(TWMKillFocus& Message) {
  TRezIvevirAvod* G = Grid();
  if (G) G->SetStartEditChar(0);
  if (G && G->LookupHistory() && G->LookupItems()->IndexOf(Text()) < 0) G->LookupItems()->Add(Text());
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
