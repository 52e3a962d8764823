#pragma once
// Worksheet cell addresses in the A1 notation: column letters and the used
// range of a sheet as the spreadsheet server writes it ($A$1:$F$20).
#include "platform/rtl/Types.h"

namespace jorv::grid {

// The letters of a 1-based column: A to Z, then AA to ZZ (702), then on to
// three letters; empty for a column below 1.
String XLSColumnLetters(Integer Col);
// The column of leading letters (either case), read up to the first
// character that is no letter; 0 when there is none.
Integer XLSColumnNumber(const String& Letters);

// A block of a sheet, 1-based; a number that could not be read is -1.
struct TXLSRange {
  Integer Col1 = 1;
  Integer Row1 = 1;
  Integer Col2 = 1;
  Integer Row2 = 1;
  bool SingleCell = false;  // the address held no ":"
  bool Readable() const { return Col1 != -1 && Row1 != -1 && Col2 != -1 && Row2 != -1; }
};

// Reads an absolute address: "$B$2:$D$4", "$B$3", or whole rows "$3:$9"
// (columns 1 to 256). An address with neither ":" nor "$" is cell A1.
TXLSRange ParseXLSAddress(const String& Address);

// "B2:D4": the relative form a range is asked for with.
String XLSRangeAddress(Integer Col1, Integer Row1, Integer Col2, Integer Row2);

}  // namespace jorv::grid
