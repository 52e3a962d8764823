#pragma once
// Vertical placement of text: panels use TVerticalAlignment, labels
// TTextLayout (TAlignment, the horizontal one, is the runtime's).
#include "platform/rtl/Types.h"

namespace jorv {

enum TVerticalAlignment : uint8_t { taAlignTop, taAlignBottom, taVerticalCenter };
enum TTextLayout : uint8_t { tlTop, tlCenter, tlBottom };

}  // namespace jorv
