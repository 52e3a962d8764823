#pragma once
// Free routines on number, cell and date texts shared by the grid and the
// drop-down editors: classification and normalisation of number texts,
// cell text kinds, marked wide text, dates for sorting and series filling,
// proper-name case and the HTML clipboard text.
#include "platform/rtl/Types.h"

namespace jorv::foundation {

// The text without the locale's thousand separators.
String StripThousandSeparators(const String& S);
// 0-9 and A-F in either case; 0 for anything else.
Integer HexDigitValue(Char C);
// The digits from the right times powers of 16, wrapping at 32 bits; other
// characters count 0.
Integer HexToInt(const String& S);

// Decimal digits, letter numbers and other numbers of Unicode.
bool IsDigitChar(Char Ch);
bool IsDigitCode(Integer Code);
// 0 integer, 1 decimal or grouped number, 2 not a number, 5 with exponent,
// by the locale's separators.
Integer NumberTextKind(const String& Text);
// A number text in the locale's separators as a plain text with "." for the
// runtime's float conversion; brackets or a leading "-" make it negative.
String NormalizeNumberText(const String& Text);
// 0 plain, 1 HTML (only with HTMLFlag), 2 RTF, 3 formula, 5 marked wide text.
Integer ClassifyCellText(const String& Text, bool HTMLFlag);
// "|\" and two characters (high byte, low byte) per UTF-16 code unit.
String MarkedTextToWide(const String& Text);
String WideToMarkedText(const String& W);
String ColorToHexRGB(TColor Color);
// 1 with Cell = (column, row) for "R<row>C<column>", else 0.
Integer ParseRCCellRef(const String& Text, TPoint& Cell);
bool IsDateLike(const String& Text);
// Two-digit years below 26 are 20xx, others 19xx; longer years stand as
// written. 0 for a text that does not parse; an impossible date raises
// EConvertError.
TDateTime ParseDateMDY(const String& Text);
TDateTime ParseDateDMY(const String& Text);
// One step of Years, Months or Days (only one of them non-zero), else
// Date + Delta. Month and year steps give midnight and keep the day, or the
// last day of a shorter target month.
TDateTime AddToDate(SmallInt Years, SmallInt Months, SmallInt Days,
                    TDateTime Date, TDateTime Delta);
String CapitalizeName(const String& Text);
// Wraps an HTML fragment in the clipboard's "HTML Format" text. The offsets
// count the bytes of the text encoded as UTF-8, as it goes to the clipboard.
void MakeHTMLClipboardText(String& Text);

}  // namespace jorv::foundation
