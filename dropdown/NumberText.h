#pragma once
// Reading the text of a drop-down editor as a number: what kind of number
// a text is, thousand separators taken out, hexadecimal digits, and the
// separators of the user's locale.
#include "platform/rtl/Types.h"

namespace jorv::dropdown {

// Kinds of text ClassifyNumber tells apart.
constexpr Integer nkInteger = 0, nkDecimal = 1, nkOther = 2, nkHex = 5;

// nkInteger, nkDecimal, nkHex (hexadecimal digits that are no integer) or
// nkOther; an empty text, a second minus or a second decimal separator is
// nkOther, and so is a decimal whose thousand separators stand closer than
// three digits apart.
Integer ClassifyNumber(const String& S);
bool IsRangeSeparator(Char C);
Char GetThousandSeparator();
Char GetDecimalSeparator();

}  // namespace jorv::dropdown
