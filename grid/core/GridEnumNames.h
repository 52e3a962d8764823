#pragma once
// Names of the grid's enumerations that more than one published class
// shows in component streams.
#include "platform/rtl/TypInfo.h"

namespace jorv::grid {

extern const TEnumInfo& CellAlignmentNames;
extern const TEnumInfo& CellVAlignmentNames;
extern const TEnumInfo& CellEditorTypeNames;

}  // namespace jorv::grid
