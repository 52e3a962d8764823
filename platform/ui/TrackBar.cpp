#include "platform/ui/TrackBar.h"
#include <algorithm>
#include <commctrl.h>

namespace jorv {

TTrackBar::TTrackBar(TComponent* AOwner) : TWinControl(AOwner) {
  FTabStop = true;
  SetBounds(0, 0, 150, 45);
}

void TTrackBar::CreateParams(TCreateParams& P) {
  TWinControl::CreateParams(P);
  CreateSubClass(P, TRACKBAR_CLASSW);
  P.Style &= ~WS_CLIPCHILDREN;
  P.Style |= FOrientation == trHorizontal ? TBS_HORZ : TBS_VERT;
  static const DWORD Marks[] = {TBS_BOTTOM, TBS_TOP, TBS_BOTH};
  P.Style |= Marks[FTickMarks];
  if (FTickStyle == tsNone) P.Style |= TBS_NOTICKS;
  if (FTickStyle == tsAuto) P.Style |= TBS_AUTOTICKS;
  P.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TTrackBar::CreateWnd() {
  TWinControl::CreateWnd();
  SendMessageW(FHandle, TBM_SETRANGEMIN, FALSE, FMin);
  SendMessageW(FHandle, TBM_SETRANGEMAX, FALSE, FMax);
  SendMessageW(FHandle, TBM_SETPAGESIZE, 0, FPageSize);
  SendMessageW(FHandle, TBM_SETLINESIZE, 0, FLineSize);
  if (FTickStyle == tsAuto) SendMessageW(FHandle, TBM_SETTICFREQ, FFrequency, 0);
  SendMessageW(FHandle, TBM_SETPOS, TRUE, FPosition);
}

void TTrackBar::SetRange(Integer AMin, Integer AMax) {
  if (AMax < AMin) throw EInvalidOperation(L"Track bar range out of order");
  FMin = AMin;
  FMax = AMax;
  if (HandleAllocated()) {
    SendMessageW(FHandle, TBM_SETRANGEMIN, FALSE, FMin);
    SendMessageW(FHandle, TBM_SETRANGEMAX, TRUE, FMax);
  }
  SetPosition(FPosition);
}

void TTrackBar::SetPosition(Integer Value) {
  Value = std::clamp(Value, FMin, FMax);
  if (HandleAllocated()) SendMessageW(FHandle, TBM_SETPOS, TRUE, Value);
  if (FPosition == Value) return;
  FPosition = Value;
  Changed();
}

void TTrackBar::SetFrequency(Integer Value) {
  if (Value < 1) throw ERangeError(L"Track bar frequency must be at least 1");
  FFrequency = Value;
  if (HandleAllocated() && FTickStyle == tsAuto) SendMessageW(FHandle, TBM_SETTICFREQ, Value, 0);
}

void TTrackBar::SetPageSize(Integer Value) {
  FPageSize = Value;
  if (HandleAllocated()) SendMessageW(FHandle, TBM_SETPAGESIZE, 0, Value);
}

void TTrackBar::SetLineSize(Integer Value) {
  FLineSize = Value;
  if (HandleAllocated()) SendMessageW(FHandle, TBM_SETLINESIZE, 0, Value);
}

void TTrackBar::SetOrientation(TTrackBarOrientation Value) {
  if (FOrientation == Value) return;
  FOrientation = Value;
  if (!FComponentState.Contains(csLoading)) SetBounds(FLeft, FTop, FHeight, FWidth);
  RecreateWnd();
}

void TTrackBar::SetTickMarks(TTickMark Value) {
  if (FTickMarks == Value) return;
  FTickMarks = Value;
  RecreateWnd();
}

void TTrackBar::SetTickStyle(TTickStyle Value) {
  if (FTickStyle == Value) return;
  FTickStyle = Value;
  RecreateWnd();
}

void TTrackBar::SetTick(Integer Value) {
  if (HandleAllocated()) SendMessageW(FHandle, TBM_SETTIC, 0, Value);
}

void TTrackBar::Changed() {
  if (OnChange) OnChange(this);
}

void TTrackBar::Dispatch(TMessage& M) {
  if (M.Msg == CN_HSCROLL || M.Msg == CN_VSCROLL) {
    // The window has moved already; take its position.
    Integer P = static_cast<Integer>(SendMessageW(FHandle, TBM_GETPOS, 0, 0));
    if (P != FPosition) {
      FPosition = P;
      Changed();
    }
    M.Result = 0;
    return;
  }
  TWinControl::Dispatch(M);
}

}  // namespace jorv
