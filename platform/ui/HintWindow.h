#pragma once
// The small window that shows a hint next to the mouse.
#include "platform/ui/CustomControl.h"

namespace jorv {

class THintWindow : public TCustomControl {
 public:
  explicit THintWindow(TComponent* AOwner);
  // Shows Hint in Rect (screen coordinates) without taking the focus.
  virtual void ActivateHint(const TRect& Rect, const String& AHint);
  virtual void ActivateHintData(const TRect& Rect, const String& AHint, void* AData);
  // The size the hint needs, at most MaxWidth wide, placed at (0, 0).
  virtual TRect CalcHintRect(Integer MaxWidth, const String& AHint, void* AData);
  // Hides the hint by destroying its window.
  void ReleaseHandle() {
    DestroyHandle();
    FVisible = false;
  }
  bool IsHintMsg(const MSG& Msg) const;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
  void WMNCHitTest(TMessage& Message);
  void Dispatch(TMessage& Message) override;
};

}  // namespace jorv
