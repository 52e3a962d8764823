#pragma once
// Where ScrollInView places a cell it scrolls to.
#include <cstdint>

namespace jorv::grid {

enum TScrollPosition : uint8_t { spMiddle, spTrailing, spLeading };

}  // namespace jorv::grid
