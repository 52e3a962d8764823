#include "dropdown/ExButton.h"
#include "dropdown/Appearances.h"
#include "dropdown/DropDownPaint.h"
#include "dropdown/ExDropDown.h"
#include "platform/gfx/ImageList.h"
#include "platform/ui/Form.h"

namespace jorv::dropdown {

TExButton::TExButton(TComponent* AOwner) : TCustomControl(AOwner) {
  SetBounds(0, 0, 23, 22);
  SetControlStyle(TControlStyle{csCaptureMouse, csClickEvents, csDoubleClicks});
  SetParentFont(true);
  Font()->SetName(L"Tahoma");
  SetShowHint(false);
  SetDoubleBuffered(true);
  FUnHotTimer = new TTimer(this);
  FUnHotTimer->SetInterval(1);
  FUnHotTimer->SetEnabled(false);
  FUnHotTimer->OnTimer = [this](TObject* Sender) { UnHotTimerTick(Sender); };
}

TExButton::~TExButton() = default;

void TExButton::SetAppearance(TExButtonAppearance* Value) {
  FAppearance = Value;
  Invalidate();
}

void TExButton::SetImages(TCustomImageList* Value) {
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = Value;
  if (Value) Value->FreeNotification(this);
  Invalidate();
}

void TExButton::SetImageIndex(Integer Value) {
  FImageIndex = Value;
  Invalidate();
}

void TExButton::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImages) FImages = nullptr;
}

void TExButton::AutoSizeButton() {
  if (!FAppearance) return;
  Canvas()->Font()->Assign(FAppearance->Font());
  TSize Size;
  GetTextSize(Canvas(), Caption(), Size);
  if (FImages && FImageIndex >= 0) {
    Size.cx = Max(Size.cx, FImages->Width());
    Size.cy = Max(Size.cy, FImages->Height());
  }
  SetBounds(Left(), Top(), Size.cx + 8, Size.cy + 4);
}

void TExButton::Loaded() {
  TCustomControl::Loaded();
  if (FInitialDown != FDown) SetDown(FInitialDown);
}

// --- painting ------------------------------------------------------------------------------

void TExButton::FixState() {
  if (!Enabled()) {
    FState = absDisabled;
    FDragging = false;
  } else if (FState == absDisabled) {
    FState = (FDown && FGroupIndex != 0) ? absExclusive : absUp;
  }
  if (FStyle == tasCheck && FDown) FState = absDown;
}

void TExButton::PaintParentBackground() {
  TWinControl* P = Parent();
  if (!P || !P->HandleAllocated()) return;
  HDC DC = Canvas()->Handle();
  const int Saved = SaveDC(DC);
  IntersectClipRect(DC, 0, 0, Width(), Height());
  POINT Origin{};
  SetWindowOrgEx(DC, Left(), Top(), &Origin);
  SendMessageW(P->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(DC), 0);
  SendMessageW(P->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
  static_cast<TWinCtrl*>(P)->PaintCtrls(DC, nullptr);
  RestoreDC(DC, Saved);
}

void TExButton::Paint() {
  FixState();
  PaintParentBackground();
  if (FAppearance) DrawButton(Canvas());
}

void TExButton::DrawButton(TCanvas* ACanvas) {
  TExButtonAppearance* A = FAppearance;
  TColor Face = A->Color(), FaceTo = A->ColorTo(), Border = A->BorderColor();
  if (!Enabled()) {
    Face = A->ColorDisabled(), FaceTo = A->ColorDisabledTo(), Border = A->BorderColorDisabled();
  } else if (FMouseDownInControl && FMouseInControl) {
    Face = FaceTo = A->ColorDown(), Border = A->BorderColorDown();
  } else if (FDown) {
    Face = FaceTo = A->ColorChecked(), Border = A->BorderColorChecked();
  } else if (FMouseInControl || Focused()) {
    Face = FaceTo = A->ColorHot(), Border = A->BorderColorHot();
  }
  // A state with one colour fills plainly; only the normal and disabled
  // states can run a gradient.
  if (FaceTo == Face) FaceTo = clNone;
  FillAndFrameRect(ACanvas, ClientRect(), Face, FaceTo, Border, 1, A->Gradient());
  ACanvas->Brush()->SetStyle(bsClear);
  ACanvas->Font()->Assign(A->Font());
  DrawImageAndText(ACanvas, ClientRect(), Caption(), FImages, FImageIndex);
}

// --- mouse and keys ------------------------------------------------------------------------------

bool TExButton::Inside(Integer X, Integer Y) { return X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight(); }

void TExButton::CMMouseEnter(TMessage& M) {
  TCustomControl::CMMouseEnter(M);
  if (ComponentState().Contains(csDesigning)) return;
  FMouseInControl = true;
  if (Enabled()) Repaint();
  FUnHotTimer->SetEnabled(true);
}

void TExButton::CMMouseLeave(TMessage& M) {
  TCustomControl::CMMouseLeave(M);
  if (ComponentState().Contains(csDesigning)) return;
  FUnHotTimer->SetEnabled(false);
  FMouseInControl = false;
  FHot = false;
  if (Enabled()) Repaint();
}

void TExButton::UnHotTimerTick(TObject*) {
  POINT P{};
  GetCursorPos(&P);
  if (!HandleAllocated()) return;
  ::ScreenToClient(Handle(), &P);
  if (P.x >= 0 && P.y >= 0 && P.x < ClientWidth() && P.y < ClientHeight()) return;
  FUnHotTimer->SetEnabled(false);
  FMouseInControl = false;
  FHot = false;
  if (Enabled()) Repaint();
}

void TExButton::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !Enabled() || ComponentState().Contains(csDesigning)) return;
  FMouseDownInControl = true;
  if (!FDown) {
    FState = absDown;
    Invalidate();
  }
  if (FStyle == tasCheck) {
    FState = absDown;
    Repaint();
  }
  FDragging = true;
}

void TExButton::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  if (ComponentState().Contains(csDesigning)) return;
  if (FDragging) {
    TExButtonState New = FDown ? absExclusive : absUp;
    if (Inside(X, Y)) New = FDown ? absExclusive : absDown;
    if (FStyle == tasCheck && FDown) New = absDown;
    if (New != FState) {
      FState = New;
      Invalidate();
    }
  } else if (!FMouseInControl) {
    UpdateTracking();
  }
}

void TExButton::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (ComponentState().Contains(csDesigning)) return;
  FMouseDownInControl = false;
  Repaint();
  if (!FDragging) return;
  FDragging = false;
  const bool In = Inside(X, Y);
  if (FGroupIndex != 0) {
    if (In) {
      SetDown(!FDown);
      if (FDown) Repaint();
    } else {
      if (FDown) FState = absExclusive;
      Repaint();
    }
  } else {
    FState = absUp;
    FMouseInControl = false;
    FHot = false;
    if (FStyle == tasCheck) {
      SetDown(!FDown);
      FState = absUp;
    }
    if (In && FState != absDown && FState != absExclusive) Invalidate();
  }
  UpdateTracking();
}

void TExButton::UpdateTracking() {
  if (!Enabled()) return;
  POINT P{};
  GetCursorPos(&P);
  FMouseInControl = FindDragTarget(TPoint{P.x, P.y}, true) != this;
  Perform(FMouseInControl ? CM_MOUSELEAVE : CM_MOUSEENTER);
}

void TExButton::Click() {
  TModalResult Result = FModalResult;
  if (TCustomForm* Form = GetParentForm()) Form->SetModalResult(Result);
  const bool Cancel = Result == mrCancel || Result == mrAbort || Result == mrIgnore || Result == mrNo ||
                      Result == mrNoToAll;
  const bool Closes = Result == mrOk || Cancel || Result == mrYes || Result == mrAll || Result == mrYesToAll;
  // Closing may free nothing of this button, but it hides the pop-up; the
  // click itself still belongs to the button.
  if (FExDropDown && Closes) FExDropDown->DoHideDropDown(Cancel);
  if (!FInternalClick) TCustomControl::Click();
}

void TExButton::SetDown(bool Value) {
  if (ComponentState().Contains(csLoading)) {
    FInitialDown = Value;
    return;
  }
  if (FGroupIndex == 0 && FStyle == tasButton) Value = false;
  if (FStyle == tasCheck) {
    FDown = Value;
    FState = Value ? absDown : absUp;
    Repaint();
    return;
  }
  if (Value == FDown || (FDown && !FAllowAllUp)) return;
  FDown = Value;
  if (Value) {
    if (FState == absUp) Invalidate();
    FState = absExclusive;
    UpdateExclusive();
  } else {
    FState = absUp;
    Repaint();
  }
}

void TExButton::UpdateExclusive() {
  if (FGroupIndex == 0 || !Parent()) return;
  TMessage M{CM_BUTTONPRESSED, WPARAM(FGroupIndex), reinterpret_cast<LPARAM>(this), 0};
  for (Integer i = 0; i < Parent()->ControlCount(); ++i)
    Parent()->Controls(i)->Perform(M.Msg, M.WParam, M.LParam);
}

void TExButton::HandleButtonPressed(TMessage& M) {
  auto* Sender = reinterpret_cast<TExButton*>(M.LParam);
  if (Integer(M.WParam) != FGroupIndex || Sender == this || !Sender) return;
  if (Sender->Down() && FDown) {
    FDown = false;
    FState = absUp;
    Invalidate();
  }
  FAllowAllUp = Sender->AllowAllUp();
}

void TExButton::HandleKeyDown(TWMKey& M) {
  if (M.CharCode == VK_RETURN || M.CharCode == VK_SPACE) {
    if (!FDown) {
      FState = absDown;
      Invalidate();
    }
    if (FStyle == tasCheck) {
      FState = absDown;
      Repaint();
    }
    FInternalClick = true;
    Click();
    FInternalClick = false;
  }
  TCustomControl::Dispatch(MsgBase(M));
}

void TExButton::HandleDialogChar(TMessage& M) {
  if (Enabled() && IsAccel(static_cast<Word>(M.WParam), Caption())) {
    Click();
    M.Result = 1;
    return;
  }
  TCustomControl::Dispatch(M);
}

void TExButton::Dispatch(TMessage& M) {
  if (ComponentState().Contains(csDesigning)) {
    TCustomControl::Dispatch(M);
    return;
  }
  switch (M.Msg) {
    case WM_KEYDOWN: HandleKeyDown(MsgAs<TWMKey>(M)); return;
    case CM_DIALOGCHAR: HandleDialogChar(M); return;
    case CM_BUTTONPRESSED: HandleButtonPressed(M); return;
    case WM_ERASEBKGND: M.Result = 1; return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case CM_ENABLEDCHANGED:
      TCustomControl::Dispatch(M);
      Invalidate();
      return;
    default: TCustomControl::Dispatch(M);
  }
}

}  // namespace jorv::dropdown
