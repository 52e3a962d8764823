#pragma once
// A component the application derives from to hear of the cells a grid
// changed; the grid calls every registered notifier after each change.
#include "platform/rtl/Component.h"
#include "platform/rtl/Types.h"

namespace jorv::grid {

class TGridChangeNotifier : public TComponent {
 public:
  explicit TGridChangeNotifier(TComponent* AOwner) : TComponent(AOwner) {}
  // R holds stored columns and rows.
  virtual void CellsChanged(TRect R) { (void)R; }
};

}  // namespace jorv::grid
