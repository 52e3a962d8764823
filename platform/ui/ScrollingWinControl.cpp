#include "platform/ui/ScrollingWinControl.h"
#include <algorithm>
#include "platform/rtl/ScopeExit.h"

namespace jorv {

// --- TControlScrollBar -------------------------------------------------------

void TControlScrollBar::Assign(TPersistent* Source) {
  if (auto* S = dynamic_cast<TControlScrollBar*>(Source)) {
    FIncrement = S->FIncrement;
    FTracking = S->FTracking;
    FMargin = S->FMargin;
    FVisible = S->FVisible;
    SetRange(S->FRange);
    SetPosition(S->FPosition);
    return;
  }
  TPersistent::Assign(Source);
}

Integer TControlScrollBar::ControlSize() const {
  TRect R = FControl->ClientRect();
  return FKind == sbHorizontal ? R.Width() : R.Height();
}

Integer TControlScrollBar::MaxPosition() const { return std::max(0, FRange - ControlSize()); }

bool TControlScrollBar::IsScrollBarVisible() const { return FVisible && FRange > ControlSize(); }

void TControlScrollBar::SetRange(Integer Value) {
  Value = std::max(0, Value);
  if (Value == FRange) return;
  FRange = Value;
  FControl->UpdateScrollBars();
}

void TControlScrollBar::SetVisible(bool Value) {
  if (Value == FVisible) return;
  FVisible = Value;
  FControl->UpdateScrollBars();
}

void TControlScrollBar::SetMargin(Integer Value) {
  if (Value == FMargin) return;
  FMargin = std::max(0, Value);
  if (FControl->FAutoScroll) FControl->UpdateScrollBars();
}

void TControlScrollBar::SetPosition(Integer Value) {
  // A hidden bar keeps the content at its origin.
  Value = FVisible ? std::clamp(Value, 0, MaxPosition()) : 0;
  if (Value == FPosition) return;
  Integer Delta = FPosition - Value;
  FPosition = Value;
  if (FKind == sbHorizontal) FControl->ScrollBy(Delta, 0);
  else FControl->ScrollBy(0, Delta);
  Update();
}

// Hands the window's bar the range, page and position.
void TControlScrollBar::Update() {
  if (!FControl->HandleAllocated()) return;
  bool Show = IsScrollBarVisible();
  // Most windows never show a bar: spare them the call on every layout.
  if (!Show && !FShown) return;
  FShown = Show;
  int Bar = FKind == sbHorizontal ? SB_HORZ : SB_VERT;
  SCROLLINFO SI{sizeof SI, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 0, 0, 0};
  if (Show) {
    SI.nMax = FRange - 1;
    SI.nPage = UINT(ControlSize());
    SI.nPos = FPosition;
  }
  SetScrollInfo(FControl->Handle(), Bar, &SI, TRUE);
}

void TControlScrollBar::ScrollMessage(TWMScroll& M) {
  Integer Page = std::max(1, ControlSize());
  auto TrackPos = [&] {
    // The message carries 16 bits; longer content asks the bar itself.
    SCROLLINFO SI{sizeof SI, SIF_TRACKPOS, 0, 0, 0, 0, 0};
    if (FRange > 0x7FFF && FControl->HandleAllocated() &&
        GetScrollInfo(FControl->Handle(), FKind == sbHorizontal ? SB_HORZ : SB_VERT, &SI))
      return Integer(SI.nTrackPos);
    return Integer(Word(M.Pos));
  };
  switch (M.ScrollCode) {
    case SB_LINEUP: SetPosition(FPosition - FIncrement); break;
    case SB_LINEDOWN: SetPosition(FPosition + FIncrement); break;
    case SB_PAGEUP: SetPosition(FPosition - Page); break;
    case SB_PAGEDOWN: SetPosition(FPosition + Page); break;
    case SB_THUMBPOSITION: SetPosition(TrackPos()); break;
    case SB_THUMBTRACK:
      if (FTracking) SetPosition(TrackPos());
      break;
    case SB_TOP: SetPosition(0); break;
    case SB_BOTTOM: SetPosition(FRange); break;
    default: break;
  }
  M.Result = 0;
}

// --- TScrollingWinControl -----------------------------------------------------

TScrollingWinControl::TScrollingWinControl(TComponent* AOwner)
    : TWinControl(AOwner),
      FHorzScrollBar(std::make_unique<TControlScrollBar>(this, sbHorizontal)),
      FVertScrollBar(std::make_unique<TControlScrollBar>(this, sbVertical)) {}

TScrollingWinControl::~TScrollingWinControl() = default;

void TScrollingWinControl::SetAutoScroll(bool Value) {
  if (Value == FAutoScroll) return;
  FAutoScroll = Value;
  if (!Value) {
    FHorzScrollBar->FRange = 0;
    FVertScrollBar->FRange = 0;
  }
  UpdateScrollBars();
}

void TScrollingWinControl::CalcAutoRange() {
  Integer Right = 0, Bottom = 0;
  for (Integer I = 0; I < ControlCount(); ++I) {
    TControl* C = Controls(I);
    if (!C->Visible() || (C->Align() != alNone && C->Align() != alCustom)) continue;
    Right = std::max(Right, C->Left() + C->Width() + FHorzScrollBar->FPosition);
    Bottom = std::max(Bottom, C->Top() + C->Height() + FVertScrollBar->FPosition);
  }
  FHorzScrollBar->FRange = Right ? Right + FHorzScrollBar->FMargin : 0;
  FVertScrollBar->FRange = Bottom ? Bottom + FVertScrollBar->FMargin : 0;
}

void TScrollingWinControl::UpdateScrollBars() {
  if (FUpdatingScrollBars) return;
  FUpdatingScrollBars = true;
  auto Restore = ScopeExit([&] { FUpdatingScrollBars = false; });
  if (FAutoScroll) CalcAutoRange();
  // Showing one bar narrows the client area under the other: twice
  // settles both.
  for (int Pass = 0; Pass < 2; ++Pass)
    for (TControlScrollBar* B : {FHorzScrollBar.get(), FVertScrollBar.get()}) {
      Integer Pos = B->FVisible ? std::clamp(B->FPosition, 0, B->MaxPosition()) : 0;
      if (Pos != B->FPosition) B->SetPosition(Pos);
      else B->Update();
    }
}

void TScrollingWinControl::ScrollBy(Integer DeltaX, Integer DeltaY) {
  if (!DeltaX && !DeltaY) return;
  DisableAlign();
  {
    auto Restore = ScopeExit([&] { EnableAlign(); });
    for (Integer I = 0; I < ControlCount(); ++I) {
      TControl* C = Controls(I);
      if (C->Align() != alNone && C->Align() != alCustom) continue;
      C->SetBounds(C->Left() + DeltaX, C->Top() + DeltaY, C->Width(), C->Height());
    }
  }
  Invalidate();
}

void TScrollingWinControl::ScrollInView(TControl* AControl) {
  if (!AControl || !ContainsControl(AControl)) return;
  // Bounds relative to this control's client area.
  TPoint P = AControl->ClientToParent({0, 0}, this);
  TRect B = Bounds(P.X, P.Y, AControl->Width(), AControl->Height());
  TRect C = ClientRect();
  auto Scroll = [](TControlScrollBar* Bar, Integer Lo, Integer Hi, Integer Size) {
    Integer Delta = 0;
    if (Hi > Size) Delta = Hi - Size;
    if (Lo - Delta < 0) Delta = Lo;
    if (Delta) Bar->SetPosition(Bar->Position() + Delta);
  };
  Scroll(FHorzScrollBar.get(), B.Left, B.Right, C.Width());
  Scroll(FVertScrollBar.get(), B.Top, B.Bottom, C.Height());
}

void TScrollingWinControl::CreateWnd() {
  TWinControl::CreateWnd();
  FHorzScrollBar->FShown = FVertScrollBar->FShown = false;  // a new window has none
  UpdateScrollBars();
}

void TScrollingWinControl::AlignControls(TControl* AControl, TRect& Rect) {
  TWinControl::AlignControls(AControl, Rect);
  UpdateScrollBars();
}

void TScrollingWinControl::WMHScroll(TWMScroll& M) { FHorzScrollBar->ScrollMessage(M); }
void TScrollingWinControl::WMVScroll(TWMScroll& M) { FVertScrollBar->ScrollMessage(M); }

void TScrollingWinControl::Dispatch(TMessage& M) {
  // The window's own bars; a scroll bar child's message has its handle.
  if ((M.Msg == WM_HSCROLL || M.Msg == WM_VSCROLL) && !MsgAs<TWMScroll>(M).ScrollBar) {
    if (M.Msg == WM_HSCROLL) WMHScroll(MsgAs<TWMHScroll>(M));
    else WMVScroll(MsgAs<TWMVScroll>(M));
    return;
  }
  TWinControl::Dispatch(M);
}

}  // namespace jorv
