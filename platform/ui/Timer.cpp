#include "platform/ui/Timer.h"
#include "platform/ui/WindowProc.h"

namespace jorv {

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) { UpdateTimer(); }

TTimer::~TTimer() {
  FEnabled = false;
  if (FWindowHandle) {
    KillTimer(FWindowHandle, 1);
    DestroyWindow(FWindowHandle);
  }
}

void TTimer::WndProc(HWND Window, TMessage& Message) {
  if (Message.Msg == WM_TIMER)
    Timer();
  else
    Message.Result = DefWindowProcW(Window, Message.Msg, Message.WParam, Message.LParam);
}

void TTimer::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  UpdateTimer();
}

void TTimer::SetInterval(Cardinal Value) {
  if (FInterval == Value) return;
  FInterval = Value;
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  if (FWindowHandle) KillTimer(FWindowHandle, 1);
  if (!FEnabled || FInterval == 0) return;
  if (!FWindowHandle) {
    WNDCLASSW WC{};
    WC.lpszClassName = L"JorvTimer";
    RegisterWindowClass(WC);
    // A message-only window: it exists for the timer's messages alone.
    FWindowHandle = CreateObjectWindow(WindowTarget<&TTimer::WndProc>(this), 0, L"JorvTimer", L"", 0, 0, 0,
                                       0, 0, HWND_MESSAGE);
    if (!FWindowHandle) throw EOutOfResources(L"Not enough timers available");
  }
  if (!SetTimer(FWindowHandle, 1, FInterval, nullptr)) throw EOutOfResources(L"Not enough timers available");
}

void TTimer::Timer() {
  if (OnTimer) OnTimer(this);
}

}  // namespace jorv
