#pragma once
// A window timer: OnTimer fires every Interval milliseconds through the
// message loop while the timer is enabled.
#include "platform/gfx/GraphicsObject.h"
#include "platform/rtl/Component.h"
#include "platform/ui/Messages.h"

namespace jorv {

class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* AOwner);
  ~TTimer() override;
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  Cardinal Interval() const { return FInterval; }
  void SetInterval(Cardinal Value);
  TNotifyEvent OnTimer;

 protected:
  virtual void Timer();

 private:
  void UpdateTimer();
  void WndProc(HWND Window, TMessage& Message);
  HWND FWindowHandle = nullptr;
  bool FEnabled = true;
  Cardinal FInterval = 1000;
};

}  // namespace jorv
