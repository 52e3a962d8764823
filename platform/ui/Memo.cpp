#include "platform/ui/Memo.h"
#include <vector>

namespace jorv {

namespace {

// Lines of a text as the memo sees them: split at CR LF, LF or CR; a
// break at the very end opens no new line.
std::vector<String> SplitLines(const String& T) {
  std::vector<String> L;
  size_t I = 0, N = T.size();
  while (I < N) {
    size_t J = I;
    while (J < N && T[J] != L'\r' && T[J] != L'\n') ++J;
    L.push_back(T.substr(I, J - I));
    if (J < N && T[J] == L'\r') {
      ++J;
      if (J < N && T[J] == L'\n') ++J;
    } else if (J < N) {
      ++J;
    }
    I = J;
  }
  return L;
}

String JoinLines(const std::vector<String>& L) {
  String T;
  for (const String& S : L) T += S + L"\r\n";
  return T;
}

}  // namespace

// --- lines ------------------------------------------------------------------

Integer TMemoStrings::GetCount() const {
  if (!FMemo->HandleAllocated()) return static_cast<Integer>(SplitLines(FMemo->FText).size());
  HWND H = FMemo->Handle();
  Integer Len = GetWindowTextLengthW(H);
  if (Len == 0) return 0;
  Integer N = static_cast<Integer>(SendMessageW(H, EM_GETLINECOUNT, 0, 0));
  // The empty line after a final break is where the caret may go, not a line.
  Integer LastStart = static_cast<Integer>(SendMessageW(H, EM_LINEINDEX, N - 1, 0));
  if (LastStart >= Len) --N;
  return N;
}

String TMemoStrings::Get(Integer Index) const {
  if (Index < 0 || Index >= GetCount()) Error(L"List index out of bounds (%d)", Index);
  if (!FMemo->HandleAllocated()) return SplitLines(FMemo->FText)[Index];
  HWND H = FMemo->Handle();
  LRESULT Start = SendMessageW(H, EM_LINEINDEX, Index, 0);
  Integer Len = static_cast<Integer>(SendMessageW(H, EM_LINELENGTH, Start, 0));
  if (Len == 0) return String();
  // EM_GETLINE takes the buffer's size in its first word.
  String S(std::max<Integer>(Len, 1) + 1, L'\0');
  *reinterpret_cast<WORD*>(S.data()) = static_cast<WORD>(S.size());
  Integer Got = static_cast<Integer>(SendMessageW(H, EM_GETLINE, Index, reinterpret_cast<LPARAM>(S.data())));
  S.resize(std::min<Integer>(Got, Len));
  return S;
}

void TMemoStrings::LineSpan(Integer Index, Integer& Start, Integer& End) const {
  HWND H = FMemo->Handle();
  Start = static_cast<Integer>(SendMessageW(H, EM_LINEINDEX, Index, 0));
  Integer Next = static_cast<Integer>(SendMessageW(H, EM_LINEINDEX, Index + 1, 0));
  End = Next < 0 ? GetWindowTextLengthW(H) : Next;
}

void TMemoStrings::Put(Integer Index, const String& S) {
  if (Index < 0 || Index >= GetCount()) Error(L"List index out of bounds (%d)", Index);
  if (!FMemo->HandleAllocated()) {
    auto L = SplitLines(FMemo->FText);
    L[Index] = S;
    FMemo->SetTextValue(JoinLines(L));
    return;
  }
  HWND H = FMemo->Handle();
  LRESULT Start = SendMessageW(H, EM_LINEINDEX, Index, 0);
  LRESULT Len = SendMessageW(H, EM_LINELENGTH, Start, 0);
  SendMessageW(H, EM_SETSEL, Start, Start + Len);
  SendMessageW(H, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(S.c_str()));
}

void TMemoStrings::Insert(Integer Index, const String& S) {
  Integer N = GetCount();
  if (Index < 0 || Index > N) Error(L"List index out of bounds (%d)", Index);
  if (!FMemo->HandleAllocated()) {
    auto L = SplitLines(FMemo->FText);
    L.insert(L.begin() + Index, S);
    FMemo->SetTextValue(JoinLines(L));
    return;
  }
  HWND H = FMemo->Handle();
  Integer Pos;
  String Ins = S + L"\r\n";
  if (Index < N) {
    Pos = static_cast<Integer>(SendMessageW(H, EM_LINEINDEX, Index, 0));
  } else {
    Pos = GetWindowTextLengthW(H);
    // The last line may lack its break.
    if (Pos > 0) {
      String T = FMemo->GetText();
      if (T.back() != L'\n' && T.back() != L'\r') Ins = L"\r\n" + Ins;
    }
  }
  SendMessageW(H, EM_SETSEL, Pos, Pos);
  SendMessageW(H, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(Ins.c_str()));
}

void TMemoStrings::Delete(Integer Index) {
  if (Index < 0 || Index >= GetCount()) Error(L"List index out of bounds (%d)", Index);
  if (!FMemo->HandleAllocated()) {
    auto L = SplitLines(FMemo->FText);
    L.erase(L.begin() + Index);
    FMemo->SetTextValue(JoinLines(L));
    return;
  }
  Integer Start, End;
  LineSpan(Index, Start, End);
  HWND H = FMemo->Handle();
  SendMessageW(H, EM_SETSEL, Start, End);
  SendMessageW(H, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L""));
}

void TMemoStrings::Clear() { FMemo->SetText(String()); }

void TMemoStrings::SetText(const String& Value) { FMemo->SetText(Value); }

void TMemoStrings::SetUpdateState(bool Updating) {
  if (!FMemo->HandleAllocated()) return;
  SendMessageW(FMemo->Handle(), WM_SETREDRAW, !Updating, 0);
  if (!Updating) FMemo->Invalidate();
}

// --- memo -------------------------------------------------------------------

TCustomMemo::TCustomMemo(TComponent* AOwner) : TCustomEdit(AOwner), FLines(std::make_unique<TMemoStrings>(this)) {
  // Many lines: no single-line height, and focus keeps the caret.
  FAutoSize = false;
  FAutoSelect = false;
  SetBounds(0, 0, 185, 89);
}

TCustomMemo::~TCustomMemo() = default;

void TCustomMemo::CreateParams(TCreateParams& P) {
  TCustomEdit::CreateParams(P);
  P.Style |= ES_MULTILINE;
  if (FWordWrap) P.Style &= ~ES_AUTOHSCROLL;
  if (FWantReturns) P.Style |= ES_WANTRETURN;
  if (FScrollBars == ssHorizontal || FScrollBars == ssBoth) P.Style |= WS_HSCROLL;
  if (FScrollBars == ssVertical || FScrollBars == ssBoth) P.Style |= WS_VSCROLL;
  // A horizontal bar only means something when lines are not wrapped.
  if (FWordWrap && (P.Style & WS_HSCROLL)) P.Style &= ~WS_HSCROLL;
}

void TCustomMemo::SetWordWrap(bool Value) {
  if (FWordWrap == Value) return;
  FWordWrap = Value;
  RecreateWnd();
}

void TCustomMemo::SetScrollBars(TScrollStyle Value) {
  if (FScrollBars == Value) return;
  FScrollBars = Value;
  RecreateWnd();
}

void TCustomMemo::Dispatch(TMessage& M) {
  if (M.Msg == WM_GETDLGCODE) {
    TCustomEdit::Dispatch(M);
    if (FWantTabs)
      M.Result |= DLGC_WANTTAB;
    else
      M.Result &= ~DLGC_WANTTAB;
    if (!FWantReturns) M.Result &= ~DLGC_WANTALLKEYS;
    return;
  }
  TCustomEdit::Dispatch(M);
}

void TCustomMemo::KeyPress(Char& Key) {
  TCustomEdit::KeyPress(Key);
  // Without WantReturns only Ctrl+Enter breaks a line; without WantTabs a
  // tab moves the focus instead of landing in the text.
  if (Key == L'\r' && !FWantReturns && !(GetKeyState(VK_CONTROL) < 0)) Key = 0;
  if (Key == L'\t' && !FWantTabs) Key = 0;
}

TPoint TCustomMemo::CaretPos() {
  HWND H = Handle();
  DWORD S = 0, E = 0;
  SendMessageW(H, EM_GETSEL, reinterpret_cast<WPARAM>(&S), reinterpret_cast<LPARAM>(&E));
  Integer Line = static_cast<Integer>(SendMessageW(H, EM_LINEFROMCHAR, E, 0));
  Integer Col = static_cast<Integer>(E) - static_cast<Integer>(SendMessageW(H, EM_LINEINDEX, Line, 0));
  return {Col, Line};
}

void TCustomMemo::SetCaretPos(const TPoint& Value) {
  HWND H = Handle();
  LRESULT Start = SendMessageW(H, EM_LINEINDEX, Value.Y, 0);
  if (Start < 0) Start = GetWindowTextLengthW(H);
  LRESULT Pos = Start + std::min<LRESULT>(Value.X, SendMessageW(H, EM_LINELENGTH, Start, 0));
  SendMessageW(H, EM_SETSEL, Pos, Pos);
}

}  // namespace jorv
