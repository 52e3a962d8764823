#pragma once
// The grid that owns one of its editor controls.
#include "platform/rtl/Component.h"

namespace jorv::grid {

class TRezIvevirAvod;

// Raises the runtime's invalid-cast error for an owner that is no grid.
TRezIvevirAvod* EditorGrid(TComponent* AOwner);

}  // namespace jorv::grid
