#pragma once
// How the grid's find walks and matches: the switches of one search and
// the kinds of condition a multi-column search builds from plain texts.
#include <cstdint>
#include "platform/rtl/Types.h"

namespace jorv::grid {

// Ordinals are the bit numbers the switches have always had.
enum TFindParameters : uint8_t {
  fnMatchCase,
  fnMatchFull,
  fnMatchRegular,
  fnDirectionLeftRight,
  fnMatchStart,
  fnFindInCurrentRow,
  fnFindInCurrentCol,
  fnIncludeFixed,
  fnAutoGoto,
  fnIgnoreHTMLTags,
  fnBackward,
  fnIncludeHiddenColumns,
  fnFindInPresetCol,
  fnFindInPresetRow,
  fnSelectedCells,
  fnIncludeHiddenRows
};
using TFindParams = TSet<TFindParameters, 16>;

enum TSearchType : uint8_t { stStartsWith, stEndsWith, stContains, stEqual, stNotEqual, stNotContains };

}  // namespace jorv::grid
