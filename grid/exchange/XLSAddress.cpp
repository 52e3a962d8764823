#include "grid/exchange/XLSAddress.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::grid {

namespace {

bool IsLetter(Char C) { return (C >= L'A' && C <= L'Z') || (C >= L'a' && C <= L'z'); }

// One "$"-less part such as "B2" or "$B$2" after its leading "$": the
// letters before the "$" (or the first digit) and the number after it.
void ReadCellPart(const String& Part, Integer& Col, Integer& Row) {
  const size_t Dollar = Part.find(L'$');
  size_t Split = Dollar;
  if (Split == String::npos) {
    Split = 0;
    while (Split < Part.size() && IsLetter(Part[Split])) ++Split;
  }
  const String Letters = Part.substr(0, Split);
  const String Number = Part.substr(Dollar == String::npos ? Split : Split + 1);
  Col = XLSColumnNumber(Letters);
  if (Col == 0) Col = -1;
  Row = StrToIntDef(Number, -1);
}

String WithoutLeadingDollar(const String& Part) {
  return !Part.empty() && Part[0] == L'$' ? Part.substr(1) : Part;
}

}  // namespace

// Bijective base 26: there is no zero digit, so Z is 26 and AA follows it.
String XLSColumnLetters(Integer Col) {
  String Letters;
  while (Col > 0) {
    const Integer Digit = (Col - 1) % 26;
    Letters.insert(Letters.begin(), Char(L'A' + Digit));
    Col = (Col - 1) / 26;
  }
  return Letters;
}

// Every letter counts: a third letter read past ZZ is a real column, not
// noise to drop. Past the 32-bit range the answer is 0 (no column).
Integer XLSColumnNumber(const String& Letters) {
  Int64 Col = 0;
  for (Char C : Letters) {
    if (!IsLetter(C)) break;
    const Char Upper = C >= L'a' ? Char(C - L'a' + L'A') : C;
    Col = Col * 26 + (Upper - L'A' + 1);
    if (Col > INT32_MAX) return 0;
  }
  return Integer(Col);
}

TXLSRange ParseXLSAddress(const String& Address) {
  TXLSRange Range;
  const size_t Colon = Address.find(L':');
  if (Colon != String::npos) {
    const String First = WithoutLeadingDollar(Address.substr(0, Colon));
    const String Last = WithoutLeadingDollar(Address.substr(Colon + 1));
    if (First.find(L'$') == String::npos && !First.empty() && !IsLetter(First[0])) {
      Range.Row1 = StrToIntDef(First, -1);
      Range.Row2 = StrToIntDef(Last, -1);
      Range.Col1 = 1;
      Range.Col2 = 256;
    } else {
      ReadCellPart(First, Range.Col1, Range.Row1);
      ReadCellPart(Last, Range.Col2, Range.Row2);
    }
    return Range;
  }
  Range.SingleCell = true;
  if (Address.find(L'$') != String::npos) {
    ReadCellPart(WithoutLeadingDollar(Address), Range.Col1, Range.Row1);
    Range.Col2 = Range.Col1;
    Range.Row2 = Range.Row1;
  }
  return Range;
}

String XLSRangeAddress(Integer Col1, Integer Row1, Integer Col2, Integer Row2) {
  return XLSColumnLetters(Col1) + IntToStr(Row1) + L":" + XLSColumnLetters(Col2) + IntToStr(Row2);
}

}  // namespace jorv::grid
