#include "dropdown/NumberText.h"
#include "platform/rtl/FormatSettings.h"

namespace jorv::dropdown {

Char GetThousandSeparator() { return FormatSettings().ThousandSeparator; }

Char GetDecimalSeparator() { return FormatSettings().DecimalSeparator; }

Integer ClassifyNumber(const String& S) {
  bool IsInteger = !S.empty(), IsDecimal = !S.empty(), IsHex = !S.empty();
  const Char Thousand = GetThousandSeparator(), Decimal = GetDecimalSeparator();
  Integer LastThousand = -1, Decimals = 0, Minuses = 0;
  for (Integer i = 1; i <= static_cast<Integer>(S.size()); ++i) {
    const Char C = S[i - 1];
    const bool Digit = C >= L'0' && C <= L'9';
    if (!(C == L'-' || Digit)) IsInteger = false;
    if (!(C == L',' || C == L'-' || C == L'.' || Digit)) IsDecimal = false;
    if (!(C == L'-' || Digit || (C >= L'A' && C <= L'F') || (C >= L'a' && C <= L'f'))) IsHex = false;
    if (C == Thousand) {
      if (i - LastThousand < 3) IsDecimal = false;
      LastThousand = i;
    }
    if (C == Decimal) ++Decimals;
    if (C == L'-') ++Minuses;
  }
  Integer Result = nkOther;
  if (IsHex && !IsInteger)
    Result = nkHex;
  else if (IsInteger)
    Result = nkInteger;
  else if (IsDecimal)
    Result = nkDecimal;
  if (Minuses > 1 || Decimals > 1) Result = nkOther;
  return Result;
}

bool IsRangeSeparator(Char C) { return C == L',' || C == L'-' || C == L';'; }

}  // namespace jorv::dropdown
