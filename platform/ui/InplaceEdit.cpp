#include "platform/ui/InplaceEdit.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/CustomGrid.h"
#include "platform/ui/Form.h"

namespace jorv {

TInplaceEdit::TInplaceEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner) {
  FParentCtl3D = false;
  FCtl3D = false;
  FTabStop = false;
  FBorderStyle = bsNone;
  FAutoSize = false;
  FDoubleBuffered = false;
}

void TInplaceEdit::CreateParams(TCreateParams& P) {
  TCustomMaskEdit::CreateParams(P);
  // Multi-line so that the text rectangle can be set and text written by
  // the grid raises no change of the user's; hidden until placed on a cell.
  P.Style |= ES_MULTILINE;
  P.Style &= ~(WS_VISIBLE | ES_AUTOVSCROLL);
}

bool TInplaceEdit::EditVisible() { return HandleAllocated() && IsWindowVisible(FHandle); }

void TInplaceEdit::Deselect() {
  if (HandleAllocated()) SendMessageW(FHandle, EM_SETSEL, 0x7FFFFFFF, -1);
}

void TInplaceEdit::Hide() {
  if (!EditVisible()) return;
  Invalidate();
  bool HadFocus = GetFocus() == FHandle;
  SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
               SWP_HIDEWINDOW | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (HadFocus && FGrid && FGrid->HandleAllocated()) ::SetFocus(FGrid->Handle());
}

void TInplaceEdit::Invalidate() {
  if (!HandleAllocated()) return;
  ::InvalidateRect(FHandle, nullptr, TRUE);
  // The cell below shows through while the edit moves.
  if (FGrid && FGrid->HandleAllocated()) {
    RECT R;
    GetWindowRect(FHandle, &R);
    MapWindowPoints(nullptr, FGrid->Handle(), reinterpret_cast<POINT*>(&R), 2);
    ::InvalidateRect(FGrid->Handle(), &R, FALSE);
  }
}

void TInplaceEdit::InternalMove(const TRect& Loc, bool Redraw) {
  if (Loc.IsEmpty()) {
    Hide();
    return;
  }
  HandleNeeded();
  Redraw = Redraw || !IsWindowVisible(FHandle);
  Invalidate();
  SetWindowPos(FHandle, HWND_TOP, Loc.Left, Loc.Top, Loc.Width(), Loc.Height(),
               SWP_SHOWWINDOW | SWP_NOREDRAW | SWP_NOACTIVATE);
  BoundsChanged();
  if (Redraw) Invalidate();
  if (FGrid && FGrid->HandleAllocated() && GetFocus() == FGrid->Handle()) ::SetFocus(FHandle);
}

void TInplaceEdit::Move(const TRect& Loc) { InternalMove(Loc, true); }

void TInplaceEdit::UpdateLoc(const TRect& Loc) { InternalMove(Loc, false); }

bool TInplaceEdit::PosEqual(const TRect& Rect) {
  if (!HandleAllocated()) return false;
  RECT R;
  GetWindowRect(FHandle, &R);
  if (FGrid && FGrid->HandleAllocated())
    MapWindowPoints(nullptr, FGrid->Handle(), reinterpret_cast<POINT*>(&R), 2);
  return R.left == Rect.Left && R.top == Rect.Top && R.right == Rect.Right && R.bottom == Rect.Bottom;
}

void TInplaceEdit::SetFocus() {
  if (EditVisible()) ::SetFocus(FHandle);
}

void TInplaceEdit::BoundsChanged() {
  if (!HandleAllocated()) return;
  RECT R{2, 2, std::max<LONG>(2, FWidth - 2), FHeight};
  SendMessageW(FHandle, EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&R));
  SendMessageW(FHandle, EM_SCROLLCARET, 0, 0);
}

void TInplaceEdit::UpdateContents() {
  if (!FGrid) return;
  FLoading = true;
  auto Restore = ScopeExit([&] { FLoading = false; });
  SetText(String());
  SetEditMask(FGrid->GetEditMask(FGrid->Col(), FGrid->Row()));
  SetText(FGrid->GetEditText(FGrid->Col(), FGrid->Row()));
  SetMaxLength(std::max(0, FGrid->GetEditLimit()));
}

void TInplaceEdit::Change() {
  TCustomMaskEdit::Change();
  if (!FLoading && FGrid) FGrid->UpdateText();
}

void TInplaceEdit::CMTextChanged(TMessage& M) {
  TCustomMaskEdit::CMTextChanged(M);
  Change();
}

bool TInplaceEdit::EditCanModify() { return !FGrid || FGrid->CanEditModify(); }

void TInplaceEdit::DblClick() {
  if (FGrid) FGrid->DblClick();
}

void TInplaceEdit::WMSetFocus(TWMSetFocus& M) {
  // The grid stays the form's focused control while its edit has the
  // keyboard: leaving the edit for the grid is no exit.
  DefaultHandler(MsgBase(M));
  if (TCustomForm* F = GetParentForm(); F && FGrid) F->SetFocusedControl(FGrid);
}

void TInplaceEdit::WndProc(TMessage& M) {
  if (M.Msg == WM_LBUTTONDOWN) {
    if (FClickTime && static_cast<UINT>(GetMessageTime() - FClickTime) < GetDoubleClickTime())
      M.Msg = WM_LBUTTONDBLCLK;
    FClickTime = 0;
  }
  TCustomMaskEdit::WndProc(M);
}

void TInplaceEdit::Dispatch(TMessage& M) {
  switch (M.Msg) {
    case WM_GETDLGCODE:
      M.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
      if (FGrid && FGrid->Options().Contains(goTabs)) M.Result |= DLGC_WANTTAB;
      return;
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
      if (!EditCanModify()) return;
      break;
  }
  TCustomMaskEdit::Dispatch(M);
}

void TInplaceEdit::KeyDown(Word& Key, TShiftState Shift) {
  if (!FGrid) {
    TCustomMaskEdit::KeyDown(Key, Shift);
    return;
  }
  auto SendToGrid = [&] {
    FGrid->KeyDown(Key, Shift);
    Key = 0;
  };
  DWORD Start = 0, End = 0;
  SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&Start), reinterpret_cast<LPARAM>(&End));
  DWORD Len = static_cast<DWORD>(GetTextLen());
  bool Ctrl = Shift.Contains(ssCtrl);
  // Only with an editor that is always there do the caret keys leave the
  // cell at its edges.
  bool Forward = FGrid->Options().Contains(goAlwaysShowEditor);
  bool LeftSide = Start == 0 && (End == 0 || End == Len);
  bool RightSide = (Start == 0 || End == Start) && End == Len;
  switch (Key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_ESCAPE: SendToGrid(); break;
    case VK_INSERT:
      if (Shift.Empty())
        SendToGrid();
      else if (Shift == TShiftState{ssShift} && !EditCanModify())
        Key = 0;
      break;
    case VK_LEFT:
    case VK_HOME:
      if (Forward && (Ctrl || LeftSide)) SendToGrid();
      break;
    case VK_RIGHT:
    case VK_END:
      if (Forward && (Ctrl || RightSide)) SendToGrid();
      break;
    case VK_F2:
      if (FGrid->OnKeyDown) FGrid->OnKeyDown(FGrid, Key, Shift);
      if (Key == VK_F2) {
        Deselect();
        Key = 0;
      }
      return;
    case VK_TAB:
      if (!Shift.Contains(ssAlt)) SendToGrid();
      break;
    case VK_DELETE:
      if (Ctrl)
        SendToGrid();
      else if (!EditCanModify())
        Key = 0;
      break;
  }
  if (Key != 0) {
    if (FGrid->OnKeyDown) FGrid->OnKeyDown(FGrid, Key, Shift);
    if (Key != 0) TCustomMaskEdit::KeyDown(Key, Shift);
  }
}

void TInplaceEdit::KeyPress(Char& Key) {
  if (!FGrid) {
    TCustomMaskEdit::KeyPress(Key);
    return;
  }
  FGrid->KeyPress(Key);
  if (Key >= L' ' && !FGrid->CanEditAcceptKey(Key)) {
    Key = 0;
    MessageBeep(0);
  }
  switch (Key) {
    case L'\t':
    case 27: Key = 0; break;
    case L'\r': {
      DWORD Start = 0, End = 0;
      SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&Start), reinterpret_cast<LPARAM>(&End));
      if (Start == 0 && End == static_cast<DWORD>(GetTextLen()))
        Deselect();
      else
        SelectAll();
      Key = 0;
      break;
    }
    case 8:
    case 22:  // Ctrl+V
    case 24:  // Ctrl+X
      if (!EditCanModify()) Key = 0;
      break;
    default:
      if (Key >= L' ' && !EditCanModify()) Key = 0;
  }
  if (Key != 0) TCustomMaskEdit::KeyPress(Key);
}

void TInplaceEdit::KeyUp(Word& Key, TShiftState Shift) {
  if (FGrid)
    FGrid->KeyUp(Key, Shift);
  else
    TCustomMaskEdit::KeyUp(Key, Shift);
}

}  // namespace jorv
