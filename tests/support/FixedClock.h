#pragma once
// Fixes "now" (and optionally the tick count) for the lifetime of a test.
#include "platform/rtl/Clock.h"

namespace jorv {

class FixedClock {
 public:
  explicit FixedClock(TDateTime now) : FNow(now) {
    SetClockSource([this] { return FNow; });
    SetTickSource([this] { return FTicks; });
  }
  ~FixedClock() {
    SetClockSource({});
    SetTickSource({});
  }
  FixedClock(const FixedClock&) = delete;
  FixedClock& operator=(const FixedClock&) = delete;

  void Set(TDateTime now) { FNow = now; }
  void SetTicks(Cardinal ticks) { FTicks = ticks; }
  // Moves both clocks on by `ms` milliseconds.
  void Advance(Cardinal ms) {
    FTicks += ms;
    FNow += ms / 86400000.0;
  }

 private:
  TDateTime FNow = 0;
  Cardinal FTicks = 0;
};

}  // namespace jorv
