#pragma once
// The two separators of numbers in force, read as FormatSettings() reads
// them (a pinned set, or the user's locale afresh) but without building the
// whole set: for code that classifies many texts, such as every cell of a
// grid's screen.
#include "platform/rtl/Types.h"

namespace jorv {

struct TNumberSeparators {
  Char Decimal = L'.';
  Char Thousand = L',';
};

TNumberSeparators NumberSeparators();

}  // namespace jorv
