#include "grid/base/ExCheckBox.h"

#include "grid/base/GridSystem.h"
#include "platform/gfx/DCScope.h"
#include "platform/ui/Label.h"

namespace jorv::grid {

namespace {

constexpr Integer BoxAreaWidth = 20;

// The visual style's check box states: unchecked, checked and mixed, each
// normal, hot, pressed and disabled.
int ThemedState(TCheckBoxState State, bool Enabled, bool Down, bool Hot) {
  const int Base = State == cbChecked ? 5 : State == cbGrayed ? 9 : 1;
  if (!Enabled) return Base + 3;
  if (Down) return Base + 2;
  if (Hot) return Base + 1;
  return Base;
}

}  // namespace

TExCheckBox::TExCheckBox(TComponent* AOwner) : TCustomControl(AOwner) {
  FControlStyle -= csClickEvents;
  SetBounds(0, 0, 98, 20);
  SetCaption(ClassName());
  FIsWinXP = IsWinXPOrLater();
  SetTabStop(true);
}

TExCheckBox::~TExCheckBox() = default;

void TExCheckBox::InvalidateRect(const TRect& R) {
  if (!HandleAllocated()) return;
  RECT Rc{R.Left, R.Top, R.Right, R.Bottom};
  ::InvalidateRect(Handle(), &Rc, TRUE);
}

void TExCheckBox::InvalidateBox() {
  const TRect C = ClientRect();
  InvalidateRect(FAlignment == taLeftJustify ? TRect(0, 0, BoxAreaWidth, C.Bottom)
                                             : TRect(C.Right - BoxAreaWidth, 0, C.Right, C.Bottom));
}

void TExCheckBox::SetAlignment(TAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  Invalidate();
}

void TExCheckBox::SetButtonVertAlign(TTextLayout Value) {
  if (FButtonVertAlign == Value) return;
  FButtonVertAlign = Value;
  Invalidate();
}

void TExCheckBox::SetChecked(bool Value) {
  FState = Value ? cbChecked : cbUnchecked;
  Invalidate();
}

void TExCheckBox::SetState(TCheckBoxState Value) {
  if (FState == Value) return;
  FState = Value;
  InvalidateBox();
}

void TExCheckBox::SetEllipsis(bool Value) {
  if (FEllipsis == Value) return;
  FEllipsis = Value;
  Invalidate();
}

void TExCheckBox::SetTransparent(bool Value) {
  if (FTransparent == Value) return;
  FTransparent = Value;
  FBackgroundValid = false;
  Invalidate();
}

void TExCheckBox::SetDown(bool Value) {
  if (FDown == Value) return;
  FDown = Value;
  InvalidateBox();
}

void TExCheckBox::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) {
  if (ALeft != Left() || ATop != Top() || AWidth != Width() || AHeight != Height()) FBackgroundValid = false;
  TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TExCheckBox::Toggle() {
  if (!FReadOnly) SetChecked(!Checked());
}

void TExCheckBox::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  FMouseDown = true;
  if (!Focused() && CanFocus()) SetFocus();
  TCustomControl::MouseDown(Button, Shift, X, Y);
  SetMouseCapture(true);
  SetDown(true);
  if (FIsWinXP) InvalidateRect(TRect(0, 0, 16, 16));
}

void TExCheckBox::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  if (MouseCapture()) SetDown(X >= 0 && X <= Width() && Y >= 0 && Y <= Height());
}

void TExCheckBox::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  SetMouseCapture(false);
  SetDown(false);
  if (X >= 0 && X <= Width() && Y >= 0 && Y <= Height() && Focused() && FMouseDown) {
    Toggle();
    Click();
  }
  FMouseDown = false;
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (FIsWinXP) InvalidateBox();
}

void TExCheckBox::KeyDown(Word& Key, TShiftState Shift) {
  if (Key == VK_RETURN && FReturnIsTab) {
    Key = VK_TAB;
    if (HandleAllocated()) PostMessageW(Handle(), WM_KEYDOWN, VK_TAB, 0);
  }
  if (Key == VK_SPACE) SetDown(true);
  TCustomControl::KeyDown(Key, Shift);
}

void TExCheckBox::KeyUp(Word& Key, TShiftState Shift) {
  if (Key == VK_SPACE) {
    SetDown(false);
    Toggle();
    Click();
  }
  TCustomControl::KeyUp(Key, Shift);
}

void TExCheckBox::CMMouseEnter(TMessage& M) {
  TCustomControl::CMMouseEnter(M);
  FHot = true;
  InvalidateRect(TRect(0, 0, 16, 16));
}

void TExCheckBox::CMMouseLeave(TMessage& M) {
  TCustomControl::CMMouseLeave(M);
  FHot = false;
  InvalidateRect(TRect(0, 0, 16, 16));
}

void TExCheckBox::CMEnabledChanged(TMessage& M) {
  TCustomControl::CMEnabledChanged(M);
  Invalidate();
}

void TExCheckBox::DoEnter() {
  TCustomControl::DoEnter();
  FFocused = true;
  Invalidate();
}

void TExCheckBox::DoExit() {
  TCustomControl::DoExit();
  FFocused = false;
  Invalidate();
}

void TExCheckBox::Dispatch(TMessage& M) {
  switch (M.Msg) {
    case CM_DIALOGCHAR: {
      auto& Key = MsgAs<TWMKey>(M);
      if (IsAccel(Key.CharCode, Caption()) && CanFocus()) {
        Toggle();
        if (TabStop()) SetFocus();
        Key.Result = 1;
        return;
      }
      break;
    }
    case WM_ERASEBKGND:
      // Paint covers everything, the parent's background included.
      M.Result = 1;
      return;
    default: break;
  }
  TCustomControl::Dispatch(M);
}

// --- painting --------------------------------------------------------------------

void TExCheckBox::Paint() {
  PaintBackground();
  PaintBox();
  PaintCaption();
}

void TExCheckBox::PaintBackground() {
  TCanvas* C = Canvas();
  const TRect R = ClientRect();
  if (!FTransparent || !FParent || !FParent->HandleAllocated()) {
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(Color());
    C->FillRect(R);
    return;
  }
  auto PaintParent = [this](HDC DC) {
    // The parent draws itself into our surface, moved to our place and
    // kept within its own client area.
    TSavedDC Saved(DC);
    const TRect P = FParent->ClientRect();
    IntersectClipRect(DC, P.Left - Left(), P.Top - Top(), P.Right - Left(), P.Bottom - Top());
    SetWindowOrgEx(DC, Left(), Top(), nullptr);
    SendMessageW(FParent->Handle(), WM_ERASEBKGND, WPARAM(DC), 0);
    SendMessageW(FParent->Handle(), WM_PRINTCLIENT, WPARAM(DC), PRF_CLIENT);
  };
  if (!FTransparentChaching) {
    PaintParent(C->Handle());
    return;
  }
  if (!FBackgroundValid) {
    FBackground->SetPixelFormat(pf24bit);
    FBackground->SetSize(R.Width(), R.Height());
    PaintParent(FBackground->Canvas()->Handle());
    FBackgroundValid = true;
  }
  C->Draw(0, 0, FBackground.get());
}

Integer TExCheckBox::BoxTop(Integer BottomGap) {
  if (FButtonVertAlign == tlCenter) return ClientHeight() / 2 - 6;
  if (FButtonVertAlign == tlBottom) return ClientHeight() - BottomGap;
  return 4;
}

void TExCheckBox::PaintBox() {
  const bool Left = FAlignment == taLeftJustify;
  if (IsThemedXP()) {
    const Integer X = Left ? 0 : ClientWidth() - 15, Y = BoxTop(14);
    if (DrawThemedPart(Canvas(), Handle(), L"button", 3, ThemedState(FState, Enabled(), FDown, FHot),
                       TRect(X, Y, X + 14, Y + 14)))
      return;
  }
  const Integer X = Left ? 0 : ClientWidth() - 13, Y = BoxTop(17);
  RECT R{X, Y, X + 13, Y + 13};
  UINT Flags = DFCS_BUTTONCHECK;
  if (FState == cbChecked) Flags |= DFCS_CHECKED;
  if (FState == cbGrayed || !Enabled()) Flags |= DFCS_INACTIVE;
  DrawFrameControl(Canvas()->Handle(), &R, DFC_BUTTON, Flags);
}

void TExCheckBox::PaintCaption() {
  TCanvas* C = Canvas();
  TRect R = ClientRect();
  if (FAlignment == taLeftJustify)
    R.Left += 9;
  else {
    R.Left = 0;
    R.Right -= 9;
  }
  R.Top += 4;
  R.Left += 6;
  C->SetFont(Font());
  C->Brush()->SetStyle(bsClear);
  const String Text = Caption();
  const UINT Flags = DT_SINGLELINE | DT_LEFT | DT_TOP | (FEllipsis ? DT_END_ELLIPSIS : 0);
  auto Draw = [&](Integer Dx, TColor Colour) {
    RECT M{R.Left + Dx, R.Top + Dx, R.Right + Dx, R.Bottom + Dx};
    C->Font()->SetColor(Colour);
    DrawTextW(C->Handle(), Text.c_str(), -1, &M, Flags);
  };
  if (!Enabled()) {
    Draw(1, clWhite);
    Draw(0, TColor(0x808080));
  } else {
    Draw(0, Font()->Color());
  }
  C->Brush()->SetStyle(bsSolid);
  if (FFocused) {
    const TSize T = C->TextExtent(Text);
    C->Font()->SetColor(Font()->Color());
    C->DrawFocusRect(TRect(R.Left - 2, R.Top, R.Left + T.cx + 1, R.Top + T.cy + 1));
  }
}

}  // namespace jorv::grid
