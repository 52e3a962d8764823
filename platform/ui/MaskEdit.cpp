#include "platform/ui/MaskEdit.h"
#include <algorithm>
#include "platform/rtl/FormatSettings.h"
#include "platform/ui/Clipboard.h"

namespace jorv {

namespace {

const wchar_t* const MaskEditError = L"Invalid input value.  Use escape key to abandon changes";

bool IsInputChar(Char C) {
  switch (C) {
    case L'L': case L'l': case L'A': case L'a': case L'C': case L'c':
    case L'0': case L'9': case L'#':
      return true;
    default:
      return false;
  }
}

// The fields of a mask: split at the separators that no '\' escapes.
std::vector<String> MaskFields(const String& Mask) {
  std::vector<String> F(1);
  for (size_t i = 0; i < Mask.size(); ++i) {
    if (Mask[i] == L'\\' && F.size() == 1 && i + 1 < Mask.size()) {
      F.back() += Mask[i];
      F.back() += Mask[++i];
    } else if (Mask[i] == L';' && F.size() < 3) {
      F.emplace_back();
    } else {
      F.back() += Mask[i];
    }
  }
  return F;
}

}  // namespace

String FormatMaskText(const String& EditMask, const String& Value) {
  TMaskEdit E(nullptr);
  E.SetEditMask(EditMask);
  if (!E.IsMasked()) return Value;
  return E.FMaskSave ? E.PadInputLiterals(Value, L' ') : E.AddEditFormat(Value, L' ');
}

TCustomMaskEdit::TCustomMaskEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}

void TCustomMaskEdit::Parse() {
  FSlots.clear();
  FMaskSave = true;
  FReverse = false;
  FMaskBlank = L'_';
  if (FMask.empty()) return;
  std::vector<String> F = MaskFields(FMask);
  if (F.size() > 1 && !F[1].empty() && F[1][0] == L'0') FMaskSave = false;
  if (F.size() > 2 && !F[2].empty()) FMaskBlank = F[2][0];
  const TFormatSettings FS = FormatSettings();
  const String& M = F[0];
  int8_t Case = 0;
  for (size_t i = 0; i < M.size(); ++i) {
    const Char C = M[i];
    TSlot S;
    switch (C) {
      case L'!': FReverse = true; continue;
      case L'>':
        if (i + 1 < M.size() && M[i + 1] == L'<') {
          Case = 0;
          ++i;
        } else {
          Case = 1;
        }
        continue;
      case L'<':
        if (i + 1 < M.size() && M[i + 1] == L'>') {
          Case = 0;
          ++i;
        } else {
          Case = -1;
        }
        continue;
      case L'\\':
        if (i + 1 >= M.size()) continue;
        S.Literal = M[++i];
        break;
      case L':': S.Literal = FS.TimeSeparator; break;
      case L'/': S.Literal = FS.DateSeparator; break;
      case L'_': S.Literal = L' '; break;
      default:
        if (IsInputChar(C)) {
          S.Kind = C;
          S.Optional = C == L'l' || C == L'a' || C == L'c' || C == L'9' || C == L'#';
          S.Case = Case;
        } else {
          S.Literal = C;
        }
    }
    FSlots.push_back(S);
  }
}

void TCustomMaskEdit::SetEditMask(const String& Value) {
  if (Value == FMask) return;
  // The characters entered so far move into the new mask.
  const String Entered = IsMasked() ? RemoveEditFormat(EditText()) : EditText();
  FMask = Value;
  Parse();
  String T = IsMasked() ? AddEditFormat(Entered, FMaskBlank) : Entered;
  if (FHandle) SendMessageW(FHandle, EM_LIMITTEXT, IsMasked() ? FSlots.size() : FMaxLength, 0);
  WriteText(T);
}

String TCustomMaskEdit::EditText() const { return TWinControl::GetText(); }

void TCustomMaskEdit::SetEditText(const String& Value) { WriteText(Value); }

void TCustomMaskEdit::WriteText(const String& Value) {
  if (Value == EditText()) return;
  TCustomEdit::SetTextValue(Value);
  Perform(CM_TEXTCHANGED);
}

String TCustomMaskEdit::CurrentText() const {
  String T = EditText();
  const size_t N = FSlots.size();
  if (T.size() > N) T.resize(N);
  for (size_t i = T.size(); i < N; ++i) T += FSlots[i].Literal ? FSlots[i].Literal : FMaskBlank;
  return T;
}

String TCustomMaskEdit::RemoveEditFormat(const String& Value) const {
  String R;
  for (size_t i = 0; i < FSlots.size(); ++i) {
    if (FSlots[i].Literal) continue;
    Char C = i < Value.size() ? Value[i] : L' ';
    R += C == FMaskBlank ? L' ' : C;
  }
  if (FReverse) {
    size_t B = R.find_first_not_of(L' ');
    R.erase(0, B == String::npos ? R.size() : B);
  } else {
    size_t E = R.find_last_not_of(L' ');
    R.erase(E == String::npos ? 0 : E + 1);
  }
  return R;
}

String TCustomMaskEdit::AddEditFormat(const String& Value, Char Blank) const {
  const Integer N = static_cast<Integer>(FSlots.size());
  String R(N, Blank);
  auto Put = [&](Integer i, Char C) { R[i] = C == L' ' ? Blank : C; };
  if (FReverse) {
    Integer k = static_cast<Integer>(Value.size()) - 1;
    for (Integer i = N - 1; i >= 0; --i) {
      if (FSlots[i].Literal)
        R[i] = FSlots[i].Literal;
      else if (k >= 0)
        Put(i, Value[k--]);
    }
  } else {
    size_t k = 0;
    for (Integer i = 0; i < N; ++i) {
      if (FSlots[i].Literal)
        R[i] = FSlots[i].Literal;
      else if (k < Value.size())
        Put(i, Value[k++]);
    }
  }
  return R;
}

String TCustomMaskEdit::PadInputLiterals(const String& Value, Char Blank) const {
  const Integer N = static_cast<Integer>(FSlots.size());
  String R(N, Blank);
  auto Put = [&](Integer i, Char C) { R[i] = C == L' ' ? Blank : C; };
  // A literal of the value matching the mask's is taken as that literal; a
  // text without literals simply fills the input positions.
  if (FReverse) {
    Integer k = static_cast<Integer>(Value.size()) - 1;
    for (Integer i = N - 1; i >= 0; --i) {
      if (FSlots[i].Literal) {
        R[i] = FSlots[i].Literal;
        if (k >= 0 && Value[k] == FSlots[i].Literal) --k;
      } else if (k >= 0) {
        Put(i, Value[k--]);
      }
    }
  } else {
    size_t k = 0;
    for (Integer i = 0; i < N; ++i) {
      if (FSlots[i].Literal) {
        R[i] = FSlots[i].Literal;
        if (k < Value.size() && Value[k] == FSlots[i].Literal) ++k;
      } else if (k < Value.size()) {
        Put(i, Value[k++]);
      }
    }
  }
  return R;
}

String TCustomMaskEdit::GetText() const {
  if (!IsMasked()) return TCustomEdit::GetText();
  String R = RemoveEditFormat(EditText());
  if (FMaskSave) R = AddEditFormat(R, L' ');
  return R;
}

void TCustomMaskEdit::SetTextValue(const String& Value) {
  if (!IsMasked()) {
    TCustomEdit::SetTextValue(Value);
    return;
  }
  TCustomEdit::SetTextValue(FMaskSave ? PadInputLiterals(Value, FMaskBlank)
                                      : AddEditFormat(Value, FMaskBlank));
}

void TCustomMaskEdit::CreateWnd() {
  TCustomEdit::CreateWnd();
  if (IsMasked()) SendMessageW(FHandle, EM_LIMITTEXT, FSlots.size(), 0);
}

// --- validation -------------------------------------------------------------

bool TCustomMaskEdit::Accepts(const TSlot& S, Char C) const {
  switch (S.Kind) {
    case L'L': case L'l': return IsCharAlphaW(C);
    case L'A': case L'a': return IsCharAlphaNumericW(C);
    case L'C': case L'c': return C >= L' ';
    case L'0': case L'9': return C >= L'0' && C <= L'9';
    case L'#': return (C >= L'0' && C <= L'9') || C == L'+' || C == L'-';
    default: return false;
  }
}

Char TCustomMaskEdit::ApplyCase(const TSlot& S, Char C) const {
  if (S.Case > 0) return static_cast<Char>(reinterpret_cast<uintptr_t>(CharUpperW(reinterpret_cast<LPWSTR>(uintptr_t(C)))));
  if (S.Case < 0) return static_cast<Char>(reinterpret_cast<uintptr_t>(CharLowerW(reinterpret_cast<LPWSTR>(uintptr_t(C)))));
  return C;
}

bool TCustomMaskEdit::Validate(const String& Value, Integer& Pos) {
  for (size_t i = 0; i < FSlots.size(); ++i) {
    const TSlot& S = FSlots[i];
    if (S.Literal) continue;
    const Char C = i < Value.size() ? Value[i] : FMaskBlank;
    const bool Empty = C == FMaskBlank || (C == L' ' && S.Kind != L'C');
    // An empty required position fails, and so does a character the
    // position would not have taken from the keyboard.
    if (Empty ? !S.Optional : !Accepts(S, C)) {
      Pos = static_cast<Integer>(i);
      return false;
    }
  }
  return true;
}

void TCustomMaskEdit::ValidateError() {
  MessageBeep(0);
  throw EDBEditError(MaskEditError);
}

void TCustomMaskEdit::ValidateEdit() {
  if (!IsMasked() || !Modified()) return;
  Integer Pos = 0;
  if (Validate(EditText(), Pos)) return;
  if (!FComponentState.Contains(csDesigning) && FHandle && CanFocus()) {
    FReEnter = true;
    SetFocus();
  }
  if (FHandle) SetCursor(Pos);
  ValidateError();
}

void TCustomMaskEdit::Reset() {
  if (!Modified()) return;
  WriteText(FOldValue);
  SetModified(false);
  if (FHandle && Focused()) SetCursor(NextInput(0));
}

// --- caret ------------------------------------------------------------------

Integer TCustomMaskEdit::NextInput(Integer Pos) const {
  const Integer N = static_cast<Integer>(FSlots.size());
  for (Integer i = std::max(Pos, 0); i < N; ++i)
    if (!FSlots[i].Literal) return i;
  return N;
}

Integer TCustomMaskEdit::PrevInput(Integer Pos) const {
  for (Integer i = std::min<Integer>(Pos, static_cast<Integer>(FSlots.size())) - 1; i >= 0; --i)
    if (!FSlots[i].Literal) return i;
  return -1;
}

void TCustomMaskEdit::GetSel(Integer& Start, Integer& Stop) {
  DWORD S = 0, E = 0;
  SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&S), reinterpret_cast<LPARAM>(&E));
  Start = static_cast<Integer>(S);
  Stop = static_cast<Integer>(E);
}

void TCustomMaskEdit::SetCursor(Integer Pos) {
  const Integer N = static_cast<Integer>(FSlots.size());
  Pos = std::clamp<Integer>(Pos, 0, N);
  // The caret is drawn as the selected position it stands on.
  SendMessageW(Handle(), EM_SETSEL, Pos, Pos < N ? Pos + 1 : Pos);
  SendMessageW(FHandle, EM_SCROLLCARET, 0, 0);
}

void TCustomMaskEdit::CheckCursor() {
  if (!IsMasked() || !FHandle) return;
  Integer S, E;
  GetSel(S, E);
  if (S == E) SetCursor(NextInput(S));
}

String TCustomMaskEdit::SelText() {
  Integer S, E;
  GetSel(S, E);
  const String T = EditText();
  S = std::min<Integer>(S, static_cast<Integer>(T.size()));
  E = std::min<Integer>(E, static_cast<Integer>(T.size()));
  return E > S ? T.substr(S, E - S) : String();
}

// --- editing ----------------------------------------------------------------

bool TCustomMaskEdit::EditCanModify() { return true; }

bool TCustomMaskEdit::BlankRange(String& T, Integer Start, Integer Stop) const {
  bool Changed = false;
  Stop = std::min<Integer>(Stop, static_cast<Integer>(FSlots.size()));
  for (Integer i = std::max(Start, 0); i < Stop; ++i) {
    if (FSlots[i].Literal || T[i] == FMaskBlank) continue;
    T[i] = FMaskBlank;
    Changed = true;
  }
  return Changed;
}

void TCustomMaskEdit::CharKeys(Char Key) {
  if (FReadOnly || !EditCanModify()) return;
  const Integer N = static_cast<Integer>(FSlots.size());
  Integer S, E;
  GetSel(S, E);
  String T = CurrentText();
  const bool Range = E - S > 1;
  // Typing a literal where it stands steps over it.
  if (!Range && S < N && FSlots[S].Literal) {
    if (Key == FSlots[S].Literal) {
      SetCursor(NextInput(S + 1));
      return;
    }
  }
  const Integer Q = NextInput(S);
  if (Q >= N) {
    MessageBeep(0);
    return;
  }
  const TSlot& Slot = FSlots[Q];
  Char C = ApplyCase(Slot, Key);
  if (C == L' ' && Slot.Optional && Slot.Kind != L'c' && Slot.Kind != L'C') C = FMaskBlank;
  if (C != FMaskBlank && !Accepts(Slot, C)) {
    MessageBeep(0);
    return;
  }
  if (Range) BlankRange(T, S, E);
  T[Q] = C;
  WriteText(T);
  SetModified(true);
  SetCursor(NextInput(Q + 1));
}

void TCustomMaskEdit::DeleteKeys(Word Key) {
  if (FReadOnly || !EditCanModify()) return;
  const Integer N = static_cast<Integer>(FSlots.size());
  Integer S, E;
  GetSel(S, E);
  String T = CurrentText();
  Integer Caret = S;
  if (E - S > 1) {
    BlankRange(T, S, E);
    Caret = NextInput(S);
  } else if (Key == VK_BACK) {
    const Integer Q = PrevInput(S);
    if (Q < 0) return;
    T[Q] = FMaskBlank;
    Caret = Q;
  } else {
    const Integer Q = NextInput(S);
    if (Q >= N) return;
    T[Q] = FMaskBlank;
    Caret = Q;
  }
  if (T != EditText()) {
    WriteText(T);
    SetModified(true);
  }
  SetCursor(Caret);
}

void TCustomMaskEdit::PasteText() {
  if (FReadOnly || !EditCanModify()) return;
  const String Clip = Clipboard()->AsText();
  if (Clip.empty()) return;
  const Integer N = static_cast<Integer>(FSlots.size());
  Integer S, E;
  GetSel(S, E);
  String T = CurrentText();
  if (E - S > 1) BlankRange(T, S, E);
  Integer P = S;
  for (Char C : Clip) {
    if (P >= N) break;
    if (FSlots[P].Literal && C == FSlots[P].Literal) {
      ++P;
      continue;
    }
    P = NextInput(P);
    if (P >= N) break;
    const Char X = ApplyCase(FSlots[P], C);
    if (Accepts(FSlots[P], X)) {
      T[P++] = X;
      continue;
    }
    // Spaces and the mask's own literals in the pasted text (typed in
    // other places than the mask has them) are passed over; anything else
    // ends the paste.
    bool IsLiteral = C == L' ';
    for (const TSlot& L : FSlots) IsLiteral = IsLiteral || L.Literal == C;
    if (!IsLiteral) {
      MessageBeep(0);
      break;
    }
  }
  if (T != EditText()) {
    WriteText(T);
    SetModified(true);
  }
  SetCursor(NextInput(P));
}

void TCustomMaskEdit::CutText() {
  if (FReadOnly || !EditCanModify()) return;
  Integer S, E;
  GetSel(S, E);
  if (E <= S) return;
  Clipboard()->SetAsText(SelText());
  String T = CurrentText();
  if (BlankRange(T, S, E)) {
    WriteText(T);
    SetModified(true);
  }
  SetCursor(NextInput(S));
}

// --- messages ---------------------------------------------------------------

void TCustomMaskEdit::KeyDown(Word& Key, TShiftState Shift) {
  TCustomEdit::KeyDown(Key, Shift);
  if (!IsMasked() || Key == 0 || Shift.Contains(ssAlt)) return;
  const bool Plain = !Shift.Contains(ssShift) && !Shift.Contains(ssCtrl);
  Integer S, E;
  switch (Key) {
    case VK_LEFT:
    case VK_RIGHT:
      // Shift and Ctrl select and jump as the edit itself does.
      if (!Plain) return;
      GetSel(S, E);
      if (Key == VK_LEFT) {
        const Integer Q = PrevInput(S);
        SetCursor(Q < 0 ? NextInput(0) : Q);
      } else {
        SetCursor(NextInput(E - S > 1 ? E : S + 1));
      }
      Key = 0;
      return;
    case VK_UP:
    case VK_DOWN: Key = 0; return;
    case VK_HOME:
    case VK_END:
      if (Shift.Contains(ssShift)) return;
      SetCursor(Key == VK_HOME ? NextInput(0) : MaskLength());
      Key = 0;
      return;
    case VK_BACK: DeleteKeys(VK_BACK); Key = 0; return;
    case VK_DELETE:
      if (Shift.Contains(ssShift))
        CutText();
      else if (!Shift.Contains(ssCtrl))
        DeleteKeys(VK_DELETE);
      else
        return;
      Key = 0;
      return;
    case VK_INSERT:
      if (Shift.Contains(ssShift)) {
        PasteText();
        Key = 0;
      }
      return;
    default: return;
  }
}

void TCustomMaskEdit::KeyUp(Word& Key, TShiftState Shift) {
  TCustomEdit::KeyUp(Key, Shift);
  if (IsMasked() && Key != 0 && (Key == VK_LEFT || Key == VK_RIGHT) && Shift.Contains(ssShift))
    CheckCursor();
}

void TCustomMaskEdit::KeyPress(Char& Key) {
  TCustomEdit::KeyPress(Key);
  if (!IsMasked() || Key == 0) return;
  switch (Key) {
    case 1:  // Ctrl+A selects and Ctrl+C copies: neither changes the text
    case 3: return;
    case 0x16: PasteText(); break;
    case 0x18: CutText(); break;
    case VK_ESCAPE: Reset(); break;
    default:
      if (Key >= L' ') CharKeys(Key);
  }
  // Every other key was handled here: the window must not insert it.
  Key = 0;
}

void TCustomMaskEdit::WMLButtonUp(TWMMouse& M) {
  TCustomEdit::WMLButtonUp(M);
  CheckCursor();
}

void TCustomMaskEdit::CMEnter(TMessage& M) {
  if (!IsMasked()) {
    TCustomEdit::CMEnter(M);
    return;
  }
  // Coming back after a failed check is no new entry: the text to return
  // to with Esc stays the one from before.
  if (!FReEnter) {
    FOldValue = EditText();
    TCustomEdit::CMEnter(M);
  }
  FReEnter = false;
  CheckCursor();
}

void TCustomMaskEdit::CMExit(TMessage& M) {
  if (IsMasked() && !FComponentState.Contains(csDesigning)) {
    ValidateEdit();
    CheckCursor();
  }
  TCustomEdit::CMExit(M);
}

void TCustomMaskEdit::Dispatch(TMessage& M) {
  if (IsMasked()) {
    switch (M.Msg) {
      case WM_PASTE: PasteText(); return;
      case WM_CUT: CutText(); return;
      case WM_CLEAR: {
        Integer S, E;
        GetSel(S, E);
        String T = CurrentText();
        if (!FReadOnly && EditCanModify() && BlankRange(T, S, E)) {
          WriteText(T);
          SetModified(true);
        }
        return;
      }
      case CM_WANTSPECIALKEY:
        // Esc first takes back the changes; only then does it reach the form.
        if (MsgAs<TCMWantSpecialKey>(M).CharCode == VK_ESCAPE && Modified()) {
          M.Result = 1;
          return;
        }
        break;
      default: break;
    }
  }
  TCustomEdit::Dispatch(M);
}

}  // namespace jorv
