// Opening, placing and closing the pop-up of a drop-down editor, and the
// keys, clicks and wheel steps that do it.
#include "dropdown/ExDropDown.h"
#include "platform/rtl/Clock.h"
#include "platform/ui/Application.h"
#include "platform/ui/Screen.h"

namespace jorv::dropdown {

namespace {

// A click on the button this soon after the pop-up lost the activation is
// the click that closed it, not a new request.
constexpr Cardinal ReopenGuardMs = 250;
constexpr Integer MinPopupWidth = 80;
constexpr Integer MinPopupHeight = 50;

bool KeyHeld(int VK) { return GetKeyState(VK) < 0; }

void PostKey(HWND Window, UINT Msg, WPARAM Key) { PostMessageW(Window, Msg, Key, 0); }

}  // namespace

TPoint PlaceDropDown(TPoint Editor, Integer EditorHeight, TSize Size, TDropPosition Position,
                     const TRect& WorkArea) {
  const Integer Below = Editor.Y + EditorHeight - 1;
  const Integer Above = Editor.Y - Size.cy;
  const bool FitsBelow = Below + Size.cy <= WorkArea.Bottom;
  const bool FitsAbove = Above >= WorkArea.Top;
  bool Down;
  if (Position == dpUp)
    Down = !FitsAbove && FitsBelow;
  else if (FitsBelow || FitsAbove)
    Down = FitsBelow;
  else
    Down = Position == dpDown || WorkArea.Bottom - Below >= Editor.Y - WorkArea.Top;
  TPoint P{Editor.X, Down ? Below : Above};
  if (P.Y + Size.cy > WorkArea.Bottom) P.Y = WorkArea.Bottom - Size.cy;
  if (P.Y < WorkArea.Top) P.Y = WorkArea.Top;
  if (P.X + Size.cx > WorkArea.Right) P.X = WorkArea.Right - Size.cx;
  if (P.X < WorkArea.Left) P.X = WorkArea.Left;
  return P;
}

// --- opening --------------------------------------------------------------------------

void TExCustomDropDown::DoBeforeDropDown() {
  if (OnBeforeDropDown) OnBeforeDropDown(this);
}

void TExCustomDropDown::AdjustDropDownHeight(Integer&) {}

void TExCustomDropDown::FocusDropDownControl() {
  TWinControl* C = FFocusControl;
  if (C && C->TabStop() && C->CanFocus() && !C->Focused()) C->SetFocus();
}

void TExCustomDropDown::SizeDropDownForm() {
  if (!FDropDownForm) return;
  Integer W = Width();
  if (FDropDownWidth > 0)
    W = FDropDownWidth;
  else if (FControl && FControl->Visible())
    W = FControlSize.cx;
  Integer H = FDropDownHeight;
  if (H <= 0) {
    H = 2 * FDropDownBorderWidth;
    if (FDropDownHeader->Visible()) H += FDropDownHeader->Height();
    if (FDropDownFooter->Visible()) H += FDropDownFooter->Height();
    if (FControl && FControl->Visible()) H += FControlSize.cy;
  }
  FDropDownForm->SetBounds(FDropDownForm->Left(), FDropDownForm->Top(), W, H);
}

void TExCustomDropDown::ApplyShadowClassStyle() {
  HWND W = FDropDownForm->Handle();
  const ULONG_PTR Style = GetClassLongPtrW(W, GCL_STYLE);
  const ULONG_PTR Wanted = FDropDownForm->Shadow() ? (Style | CS_DROPSHADOW) : (Style & ~ULONG_PTR(CS_DROPSHADOW));
  if (Wanted != Style) SetClassLongPtrW(W, GCL_STYLE, static_cast<LONG_PTR>(Wanted));
}

TPoint TExCustomDropDown::EditorScreenOrigin() {
  if (Parent()) return Parent()->ClientToScreen(TPoint{Left(), Top()});
  return ClientToScreen(TPoint{0, 0});
}

// The work area of the monitor that shows the editor, so that a pop-up
// opened on a second monitor or near any edge stays on screen.
TRect TExCustomDropDown::WorkAreaOf(const TPoint& P) {
  HMONITOR M = HandleAllocated() ? MonitorFromWindow(Handle(), MONITOR_DEFAULTTONULL) : nullptr;
  if (!M) M = MonitorFromPoint(POINT{P.X, P.Y}, MONITOR_DEFAULTTONEAREST);
  MONITORINFO Info{};
  Info.cbSize = sizeof(Info);
  if (M && GetMonitorInfoW(M, &Info))
    return TRect(Info.rcWork.left, Info.rcWork.top, Info.rcWork.right, Info.rcWork.bottom);
  RECT R{-1, -1, -1, -1};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &R, 0);
  return TRect(R.left, R.top, R.right, R.bottom);
}

void TExCustomDropDown::DoShowDropDown() {
  if (Designing() || !FDropDownForm || FDropDownForm->Visible() || !Enabled() || ReadOnly()) return;
  DoBeforeDropDown();
  TDropDownForm* F = FDropDownForm;
  F->SetShadow(FDropDownShadow);
  F->InitializeAndUpdate();
  ApplyShadowClassStyle();
  F->SetBounds(Left(), Top(), F->Width(), F->Height());
  SizeDropDownForm();
  PlaceDropDownControl();
  F->Constraints()->SetMinWidth(MinPopupWidth);
  F->Constraints()->SetMinHeight(MinPopupHeight);
  if (auto* C = dynamic_cast<TWinControl*>(FControl)) {
    C->OnKeyDown = [this](TObject*, Word& Key, TShiftState Shift) { DropDownControlKeyDown(Key, Shift); };
    C->OnKeyUp = [this](TObject*, Word& Key, TShiftState Shift) { DropDownControlKeyUp(Key, Shift); };
    C->OnKeyPress = [this](TObject*, Char& Key) { DropDownControlKeyPress(Key); };
  }
  bool Allow = true;
  if (OnDropDown) OnDropDown(this, Allow);
  if (!Allow) return;
  Integer W = F->Width(), H = F->Height();
  if (FUserDropDownWidth != -1 && FUserDropDownHeight != -1) {
    W = FUserDropDownWidth;
    H = FUserDropDownHeight;
  }
  AdjustDropDownHeight(H);
  const TPoint Origin = EditorScreenOrigin();
  TPoint P = PlaceDropDown(Origin, Height(), TSize{W, H}, FDropPosition, WorkAreaOf(Origin));
  if (OnGetDropDownPos) OnGetDropDownPos(this, P);
  F->SetBounds(P.X, P.Y, W, H);
  F->SetVisible(true);
  if (FDropDownShadow && FForceShadow) {
    // The window system draws the shadow of a window it shows, not of one
    // whose class gained the style while it was up. Hiding it for that
    // takes its activation, which must not count as a click elsewhere
    // that closes it.
    F->SetBlockActivate(true);
    ShowWindow(F->Handle(), SW_HIDE);
    ShowWindow(F->Handle(), SW_SHOW);
    F->SetBlockActivate(false);
  }
  FDroppedDown = true;
  SetWindowPos(F->Handle(), HWND_TOPMOST, P.X, P.Y, W, H, 0);
  FocusDropDownControl();
}

void TExCustomDropDown::OpenFromButton() {
  if (Designing() || !FDropDownForm || FDropDownForm->Visible()) return;
  if (Cardinal(jorv::GetTickCount() - FDropDownForm->DeActivateTime()) <= ReopenGuardMs) return;
  DoShowDropDown();
}

void TExCustomDropDown::DropDownButtonClick(TObject*) { OpenFromButton(); }

// --- closing --------------------------------------------------------------------------

void TExCustomDropDown::DoHideDropDown(bool Cancel) {
  if (Designing() || !FDropDownForm || !FDropDownForm->Visible()) return;
  if (OnBeforeDropUp) OnBeforeDropUp(this);
  FUserDropDownWidth = FDropDownForm->Width();
  FUserDropDownHeight = FDropDownForm->Height();
  FDropDownForm->SetVisible(false);
  if (Application) Application->CancelHint();
  if (Cancel) SetText(FOldText);
  if (OnDropUp) OnDropUp(this, Cancel);
}

// The focus comes back to the editor unless the user went on to another
// window: taking it then would pull that window's activation away.
void TExCustomDropDown::DropDownFormHidden() {
  FDroppedDown = false;
  if (ComponentState().Contains(csDestroying)) return;
  const HWND Active = GetActiveWindow();
  TCustomForm* Form = GetParentForm();
  const bool OursActive = !Active || (FDropDownForm && Active == FDropDownForm->Handle()) ||
                          (Form && Form->HandleAllocated() && Active == Form->Handle());
  if (OursActive && TabStop() && CanFocus() && !Focused()) SetFocus();
}

// --- keys and wheel from the pop-up ------------------------------------------------------------

void TExCustomDropDown::DropDownFormKeyPress(Char& Key) {
  if (HandleAllocated()) SendMessageW(Handle(), WM_CHAR, Key, 0);
}

void TExCustomDropDown::DropDownFormKeyDown(Word& Key, TShiftState) {
  if (HandleAllocated()) SendMessageW(Handle(), WM_KEYDOWN, Key, 0);
}

void TExCustomDropDown::DropDownFormKeyUp(Word& Key, TShiftState) {
  if (HandleAllocated()) SendMessageW(Handle(), WM_KEYUP, Key, 0);
}

void TExCustomDropDown::DropDownControlKeyDown(Word& Key, TShiftState) {
  if (HandleAllocated()) SendMessageW(Handle(), WM_KEYDOWN, Key, 0);
}

void TExCustomDropDown::DropDownControlKeyUp(Word& Key, TShiftState) {
  if (HandleAllocated()) SendMessageW(Handle(), WM_KEYUP, Key, 0);
}

void TExCustomDropDown::DropDownControlKeyPress(Char& Key) {
  if (HandleAllocated()) SendMessageW(Handle(), WM_CHAR, Key, 0);
}

void TExCustomDropDown::DropDownFormWheelDown(TShiftState, TPoint, bool&) { DoWheelDown(); }

void TExCustomDropDown::DropDownFormWheelUp(TShiftState, TPoint, bool&) { DoWheelUp(); }

bool TExCustomDropDown::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  const bool Result = TCustomMaskEdit::DoMouseWheelDown(Shift, MousePos);
  DoWheelDown();
  return Result;
}

bool TExCustomDropDown::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  const bool Result = TCustomMaskEdit::DoMouseWheelUp(Shift, MousePos);
  DoWheelUp();
  return Result;
}

// --- keys on the edit ------------------------------------------------------------------------

void TExCustomDropDown::CloseOrToggleByKey(Word Key) {
  const bool Up = FDropDownForm && FDropDownForm->Visible();
  if (Key == VK_RETURN) DoHideDropDown(false);
  if (Key == VK_ESCAPE) DoHideDropDown(true);
  if (Key == VK_F4) {
    if (Up)
      DoHideDropDown(false);
    else
      DoShowDropDown();
  }
}

// Steps that run before the edit's own key handling; true when the key
// is dealt with.
bool TExCustomDropDown::RoutingKeyDown(TWMKey& M) {
  const Word Key = M.CharCode;
  if (KeyHeld(VK_MENU) && (Key == VK_UP || Key == VK_DOWN)) {
    if (FDroppedDown)
      DoHideDropDown(false);
    else
      DoShowDropDown();
  }
  if (!FEditorEnabled && Enabled()) {
    if (!ReadOnly()) CloseOrToggleByKey(Key);
    if (Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE) TCustomMaskEdit::Dispatch(MsgBase(M));
    return true;
  }
  if (KeyHeld(VK_CONTROL) && (Key == VK_TAB || Key == VK_RETURN)) {
    TCustomMaskEdit::Dispatch(MsgBase(M));
    return true;
  }
  if (Key == VK_RETURN && FReturnIsTab) {
    M.CharCode = VK_TAB;
    if (IsWindowVisible(Handle())) PostKey(Handle(), WM_KEYDOWN, VK_TAB);
  }
  return false;
}

void TExCustomDropDown::HandleKeyDownMessage(TWMKey& M) {
  if (Designing()) {
    TCustomMaskEdit::Dispatch(MsgBase(M));
    return;
  }
  if (RoutingKeyDown(M)) return;
  if (KeyDownGuards(M)) return;
  TCustomMaskEdit::Dispatch(MsgBase(M));
  const Word Key = M.CharCode;
  if (Key == VK_DELETE && FEditType == etMoney) ApplyThousandSeparators();
  if (!FPrefix.empty() && CaretPos() < PrefixLength()) {
    SetSelStart(PrefixLength());
    SetSelLength(0);
  }
  CloseOrToggleByKey(Key);
}

void TExCustomDropDown::KeyDown(Word& Key, TShiftState Shift) {
  TCustomMaskEdit::KeyDown(Key, Shift);
  if (Designing() || !Shift.Contains(ssAlt) || (Key != VK_UP && Key != VK_DOWN)) return;
  if (FDroppedDown)
    DoHideDropDown(false);
  else
    DoShowDropDown();
}

void TExCustomDropDown::KeyPress(Char& Key) {
  TCustomMaskEdit::KeyPress(Key);
  if (Key == VK_RETURN) Key = 0;
}

// The routing part of a typed character; true when nothing further runs.
bool TExCustomDropDown::RouteChar(TWMKey& M) {
  TMessage& Raw = MsgBase(M);
  if (!FEditorEnabled) return true;
  const bool Ctrl = KeyHeld(VK_CONTROL);
  if (Ctrl && (M.CharCode == VK_RETURN || M.CharCode == 10)) {
    M.CharCode = 0;
    M.Result = 1;
    return true;
  }
  TCustomForm* Form = GetParentForm();
  const bool Preview = Form && Form->KeyPreview();
  if (M.CharCode == VK_RETURN) {
    Char Copy = VK_RETURN;
    if (OnKeyPress) OnKeyPress(this, Copy);
    M.CharCode = 0;
    if (!FDefaultHandling && Parent()) {
      PostKey(Parent()->Handle(), WM_KEYDOWN, VK_RETURN);
      if (Preview)
        TCustomMaskEdit::Dispatch(Raw);
      else
        PostKey(Parent()->Handle(), WM_KEYUP, VK_RETURN);
    }
    return true;
  }
  if (M.CharCode == VK_ESCAPE && !FDefaultHandling && Parent()) {
    if (Preview) {
      TCustomMaskEdit::Dispatch(Raw);
      return true;
    }
    PostKey(Parent()->Handle(), WM_KEYDOWN, VK_ESCAPE);
    PostKey(Parent()->Handle(), WM_KEYUP, VK_ESCAPE);
  }
  if (M.CharCode == VK_ESCAPE && !FCanUndo) {
    TCustomMaskEdit::Dispatch(Raw);
    return true;
  }
  if (Ctrl && (M.CharCode == 3 || M.CharCode == 22 || M.CharCode == 24)) {
    TCustomMaskEdit::Dispatch(Raw);
    return true;
  }
  return false;
}

void TExCustomDropDown::HandleCharMessage(TWMKey& M) {
  if (RouteChar(M)) return;
  const Integer CaretBefore = CaretPos();
  if (!FilterChar(M)) return;
  const Char Key = static_cast<Char>(M.CharCode);
  TCustomMaskEdit::Dispatch(MsgBase(M));
  AfterChar(Key, CaretBefore);
  if (Modified()) FIsModified = true;
}

void TExCustomDropDown::HandleWantSpecialKeyMessage(TWMKey& M) {
  TCustomForm* Form = GetParentForm();
  if (!Form) return;
  // Esc closes an open pop-up; it must not also cancel the dialog.
  if (M.CharCode == VK_ESCAPE && FDroppedDown) {
    M.Result = 1;
    return;
  }
  if (M.CharCode == VK_ESCAPE && FCanUndo && !Form->KeyPreview()) {
    SelectAll();
    SetModified(false);
    FIsModified = false;
    M.CharCode = 0;
    M.Result = 0;
    if (Parent() && FDefaultHandling) {
      PostKey(Parent()->Handle(), WM_KEYDOWN, VK_ESCAPE);
      PostKey(Parent()->Handle(), WM_KEYUP, VK_ESCAPE);
    }
    return;
  }
  if (M.CharCode == VK_RETURN && FDefaultHandling && !Form->KeyPreview() && Parent() &&
      Parent()->HandleAllocated() && GetFocus() == Parent()->Handle()) {
    PostKey(Parent()->Handle(), WM_KEYDOWN, VK_RETURN);
    PostKey(Parent()->Handle(), WM_KEYUP, VK_RETURN);
  }
  TCustomMaskEdit::Dispatch(MsgBase(M));
}

// --- mouse ------------------------------------------------------------------------------------

void TExCustomDropDown::HandleMouseDown(TWMMouse& M) {
  if (FEditorEnabled && Focused()) {
    const Integer Start = SelStart(), Len = SelLength();
    const Integer Index = LOWORD(SendMessageW(Handle(), EM_CHARFROMPOS, 0, MAKELPARAM(M.XPos, M.YPos)));
    if (Len > 0 && Index >= Start && Index < Start + Len) {
      FButtonDown = true;
      return;
    }
  }
  TCustomMaskEdit::Dispatch(MsgBase(M));
  if (!FEditorEnabled) OpenFromButton();
}

void TExCustomDropDown::HandleMouseUp(TWMMouse& M) {
  TCustomMaskEdit::Dispatch(MsgBase(M));
  if (!FEditorEnabled || ReadOnly()) {
    PaintEditContent();
    return;
  }
  if (FButtonDown) {
    FButtonDown = false;
    const Integer Index = LOWORD(SendMessageW(Handle(), EM_CHARFROMPOS, 0, MAKELPARAM(M.XPos, M.YPos)));
    SetSelStart(Index);
    SetSelLength(0);
  }
  const Integer ValueEnd = PrefixLength() + ValueLength();
  if (!FPrefix.empty() && SelStart() < PrefixLength()) {
    SelectAll();
  } else if (!FSuffix.empty() && SelStart() + SelLength() > ValueEnd) {
    const Integer Start = Min(SelStart(), ValueEnd);
    SetSelStart(Start);
    SetSelLength(ValueEnd - Start);
  }
}

// --- focus and the rest of the window's messages ---------------------------------------------

void TExCustomDropDown::HandleSetFocusMessage(TWMSetFocus& M) {
  if (ComponentState().Contains(csLoading)) return;
  TCustomMaskEdit::Dispatch(MsgBase(M));
  if (FEditorEnabled) {
    if (AutoSelect())
      SelectAll();
    else if (FEditType == etFloat || FEditType == etMoney)
      SelectBeforeDecimal();
  } else {
    HideCaret(Handle());
    Invalidate();
  }
}

void TExCustomDropDown::DoEnter() {
  if (AutoSelect() && !KeyHeld(VK_LBUTTON)) SelectAll();
  TWinControl::DoEnter();
  UpdateEditRect();
  PaintBorder();
}

void TExCustomDropDown::HandleWindowMessage(TMessage& M) {
  TCustomMaskEdit::Dispatch(M);
  if (M.Msg == EM_SETREADONLY && FButton) FButton->Button()->Invalidate();
}

void TExCustomDropDown::Dispatch(TMessage& M) {
  switch (M.Msg) {
    case WM_KEYDOWN: HandleKeyDownMessage(MsgAs<TWMKey>(M)); return;
    case WM_CHAR: HandleCharMessage(MsgAs<TWMKey>(M)); return;
    case CM_WANTSPECIALKEY: HandleWantSpecialKeyMessage(MsgAs<TWMKey>(M)); return;
    case WM_SETFOCUS: HandleSetFocusMessage(MsgAs<TWMSetFocus>(M)); return;
    case WM_KILLFOCUS: HandleKillFocusMessage(MsgAs<TWMKillFocus>(M)); return;
    case WM_PASTE: HandlePaste(M); return;
    case WM_CUT: HandleCut(M); return;
    case WM_COPY: HandleCopy(M); return;
    case WM_LBUTTONDOWN: HandleMouseDown(MsgAs<TWMMouse>(M)); return;
    case WM_LBUTTONUP: HandleMouseUp(MsgAs<TWMMouse>(M)); return;
    // The edit window's own answer: it wants Return and Esc for itself.
    case WM_GETDLGCODE: DefaultHandler(M); return;
    default: break;
  }
  HandleWindowMessage(M);
  switch (M.Msg) {
    case WM_SIZE: UpdateButtonBounds(); break;
    case WM_NCPAINT:
      if (FBorderColor != clNone || FFocusBorderColor != clNone) PaintBorder();
      break;
    case WM_PAINT:
      PaintEditContent();
      if (FBorderColor != clNone || FFocusBorderColor != clNone || (!Enabled() && FDisabledBorder)) PaintBorder();
      break;
    case CM_EXIT: PaintBorder(); break;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      if (Enabled()) {
        FMouseInControl = M.Msg == CM_MOUSEENTER;
        PaintBorder();
      }
      break;
    case CM_FONTCHANGED: UpdateEditRect(); break;
    case CM_ENABLEDCHANGED:
      if (FButton) FButton->SetEnabled(Enabled());
      break;
    case CM_VISIBLECHANGED:
      if (FLabel && !FLabel->Caption().empty()) FLabel->SetVisible(Visible());
      break;
    case CM_PARENTFONTCHANGED:
      if (FLabel && ParentFont()) {
        FLabel->Font()->Assign(Font());
        UpdateLabel();
      }
      break;
    case CM_SHOWINGCHANGED:
      // The editor's form went away under an open pop-up.
      if (!Showing() && FDropDownForm && FDropDownForm->Visible()) DoHideDropDown(true);
      break;
    default: break;
  }
}

}  // namespace jorv::dropdown
