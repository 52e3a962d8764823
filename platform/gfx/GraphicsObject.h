#pragma once
// Base of the GDI object wrappers (font, pen, brush): each holds the
// values that describe the object, creates its handle on first use and
// drops it when a value changes, and reports every change through OnChange.
#include <functional>
#include "platform/rtl/WinApi.h"
#include "platform/rtl/Object.h"

namespace jorv {

using TNotifyEvent = std::function<void(TObject* Sender)>;

class TGraphicsObject : public TPersistent {
 public:
  ~TGraphicsObject() override { FreeHandle(); }

  TNotifyEvent OnChange;

  bool HandleAllocated() const { return FHandle != nullptr; }

 protected:
  // Drops the handle and tells the listeners. The handle is deleted only
  // after OnChange ran, so a canvas that still has it selected can put its
  // own object back first.
  void Changed();
  void FreeHandle();

  HGDIOBJ FHandle = nullptr;
};

}  // namespace jorv
