#include "panel/PanelPosition.h"
#include "platform/rtl/Exceptions.h"

namespace jorv::panel {

void TPanelPosition::Assign(TPersistent* Source) {
  auto* S = dynamic_cast<TPanelPosition*>(Source);
  if (!S) throw EInvalidCast(L"Invalid class typecast");
  FKey = S->FKey;
  FSection = S->FSection;
  FSave = S->FSave;
  FLocation = S->FLocation;
}

}  // namespace jorv::panel
