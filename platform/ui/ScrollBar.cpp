#include "platform/ui/ScrollBar.h"
#include <algorithm>

namespace jorv {

TScrollBar::TScrollBar(TComponent* AOwner) : TWinControl(AOwner) {
  FControlStyle = TControlStyle{csFramed, csDoubleClicks, csOpaque};
  FTabStop = true;
  SetBounds(0, 0, 121, GetSystemMetrics(SM_CYHSCROLL));
}

void TScrollBar::CreateParams(TCreateParams& P) {
  TWinControl::CreateParams(P);
  CreateSubClass(P, L"SCROLLBAR");
  P.Style &= ~WS_CLIPCHILDREN;
  P.Style |= FKind == sbHorizontal ? SBS_HORZ : SBS_VERT;
  P.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TScrollBar::CreateWnd() {
  TWinControl::CreateWnd();
  UpdateWindow();
}

void TScrollBar::UpdateWindow() {
  if (!HandleAllocated()) return;
  SCROLLINFO SI{sizeof(SI), SIF_ALL, FMin, FMax, static_cast<UINT>(FPageSize), FPosition, 0};
  SetScrollInfo(FHandle, SB_CTL, &SI, TRUE);
  EnableScrollBar(FHandle, SB_CTL, FEnabled ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH);
}

void TScrollBar::SetKind(TScrollBarKind Value) {
  if (FKind == Value) return;
  FKind = Value;
  // The long side follows the kind.
  if (!FComponentState.Contains(csLoading)) SetBounds(FLeft, FTop, FHeight, FWidth);
  RecreateWnd();
}

Integer TScrollBar::MaxPosition() const {
  return FPageSize > 0 ? std::max(FMin, FMax - FPageSize + 1) : FMax;
}

void TScrollBar::SetParams(Integer APosition, Integer AMin, Integer AMax) {
  if (AMax < AMin) throw EInvalidOperation(L"Scroll bar property out of range");
  FMin = AMin;
  FMax = AMax;
  if (FPageSize > FMax - FMin + 1) FPageSize = FMax - FMin + 1;
  Integer P = std::clamp(APosition, FMin, MaxPosition());
  bool Moved = P != FPosition;
  FPosition = P;
  UpdateWindow();
  if (Moved) Change();
}

void TScrollBar::SetPageSize(Integer Value) {
  if (Value < 0 || Value > FMax - FMin + 1) throw EInvalidOperation(L"Scroll bar property out of range");
  if (FPageSize == Value) return;
  FPageSize = Value;
  SetParams(FPosition, FMin, FMax);
}

void TScrollBar::Change() {
  if (OnChange) OnChange(this);
}

void TScrollBar::Scroll(TScrollCode ScrollCode, Integer& ScrollPos) {
  if (OnScroll) OnScroll(this, ScrollCode, ScrollPos);
}

void TScrollBar::Dispatch(TMessage& M) {
  if (M.Msg == CN_HSCROLL || M.Msg == CN_VSCROLL) {
    DoScroll(MsgAs<TWMScroll>(M));
    M.Result = 0;
    return;
  }
  TWinControl::Dispatch(M);
}

void TScrollBar::DoScroll(TWMScroll& M) {
  static const TScrollCode Codes[] = {scLineUp, scLineDown, scPageUp, scPageDown, scPosition,
                                      scTrack,  scTop,      scBottom, scEndScroll};
  if (M.ScrollCode > SB_ENDSCROLL) return;
  TScrollCode Code = Codes[M.ScrollCode];
  Integer Pos = FPosition;
  switch (Code) {
    case scLineUp: Pos -= FSmallChange; break;
    case scLineDown: Pos += FSmallChange; break;
    case scPageUp: Pos -= FLargeChange; break;
    case scPageDown: Pos += FLargeChange; break;
    case scPosition:
    case scTrack: {
      // The message carries only 16 bits; the window knows the whole value.
      SCROLLINFO SI{};
      SI.cbSize = sizeof(SI);
      SI.fMask = SIF_TRACKPOS;
      Pos = GetScrollInfo(FHandle, SB_CTL, &SI) ? SI.nTrackPos : M.Pos;
      break;
    }
    case scTop: Pos = FMin; break;
    case scBottom: Pos = FMax; break;
    case scEndScroll: break;
  }
  Pos = std::clamp(Pos, FMin, MaxPosition());
  Scroll(Code, Pos);
  SetPosition(Pos);
}

}  // namespace jorv
