#pragma once
// Which scroll bars a scrolling control shows; shared by memos and grids.
#include "platform/rtl/Types.h"

namespace jorv {

#ifndef JORV_TSCROLLSTYLE_DEFINED
#define JORV_TSCROLLSTYLE_DEFINED
enum TScrollStyle : uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };
#endif

}  // namespace jorv
