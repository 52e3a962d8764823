#pragma once
// A windowed control whose content may be larger than its client area and
// scrolls with the window's scroll bars.
#include "platform/ui/WinControl.h"

namespace jorv {

enum TScrollBarKind : uint8_t { sbHorizontal, sbVertical };

class TScrollingWinControl : public TWinControl {
 public:
  using TWinControl::TWinControl;
  bool AutoScroll() const { return FAutoScroll; }
  void SetAutoScroll(bool Value) { FAutoScroll = Value; }
  // Scrolls the content so that AControl is in view.
  void ScrollInView(TControl* AControl);

 protected:
  bool FAutoScroll = false;
};

}  // namespace jorv
