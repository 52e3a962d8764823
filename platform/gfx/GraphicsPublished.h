#pragma once
// Names of the graphics enumerations, for every class that publishes a
// property of one of them.
#include "platform/rtl/TypInfo.h"

namespace jorv {

extern const TEnumInfo FontStyleNames;
extern const TEnumInfo BrushStyleNames;

}  // namespace jorv
