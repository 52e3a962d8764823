#include "platform/ui/Timer.h"
#include "platform/ui/Application.h"

namespace jorv {

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) { UpdateTimer(); }

TTimer::~TTimer() {
  FEnabled = false;
  if (FWindowHandle) {
    KillTimer(FWindowHandle, 1);
    DestroyWindow(FWindowHandle);
  }
}

LRESULT CALLBACK TTimer::TimerWndProc(HWND H, UINT Msg, WPARAM W, LPARAM L) {
  if (Msg == WM_TIMER) {
    if (auto* T = reinterpret_cast<TTimer*>(GetWindowLongPtrW(H, GWLP_USERDATA))) {
      try {
        T->Timer();
      } catch (...) {
        if (Application) Application->HandleException(T);
      }
    }
    return 0;
  }
  return DefWindowProcW(H, Msg, W, L);
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
    HINSTANCE Inst = GetModuleHandleW(nullptr);
    WNDCLASSW WC{};
    if (!GetClassInfoW(Inst, L"JorvTimer", &WC)) {
      WC.lpfnWndProc = TimerWndProc;
      WC.hInstance = Inst;
      WC.lpszClassName = L"JorvTimer";
      RegisterClassW(&WC);
    }
    // A message-only window: it exists for the timer's messages alone.
    FWindowHandle = CreateWindowExW(0, L"JorvTimer", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, Inst, nullptr);
    if (!FWindowHandle) throw EOutOfResources(L"Not enough timers available");
    SetWindowLongPtrW(FWindowHandle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  if (!SetTimer(FWindowHandle, 1, FInterval, nullptr)) throw EOutOfResources(L"Not enough timers available");
}

void TTimer::Timer() {
  if (OnTimer) OnTimer(this);
}

}  // namespace jorv
