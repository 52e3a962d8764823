#pragma once
// Display text of a cell value by a spreadsheet-style number format code
// ("#,##0.00;[Red]-#,##0.00", "0%", "[h]:mm:ss", "dd/mm/yyyy", "@").
//
// A code has up to four sections separated by ";" (positive, negative, zero,
// text); a section is picked by its "[<op>N]" condition or by the sign of
// the value. Runs of date letters are formatted by FormatDateTime; the digit
// placeholders of a section, with the literals between them, by one
// FormatFloat, so that one number fills them all; "# ?/?" shows a fraction
// and ".000" after seconds the fraction of the second. Brackets carry
// colours, currency and locale tags and elapsed-time units.
#include <vector>
#include "platform/rtl/Types.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Variant.h"

namespace jorv::grid {

// How a section's condition turned out for the value, and whether the
// value's own minus sign is dropped where the section (or the one the value
// falls through to) writes its own.
struct TResultCondition {
  bool SupressNeg = false;
  bool SupressNegComp = false;
  bool Complement = false;  // the condition did not hold
  bool Assigned = false;    // the section has a condition
};
using TResultConditionArray = std::vector<TResultCondition>;

// The colours of colour tags, as $BBGGRR.
constexpr TColor xlsfmtBlack = 0x000000;
constexpr TColor xlsfmtCyan = 0xFFFF00;
constexpr TColor xlsfmtBlue = 0xFF0000;
constexpr TColor xlsfmtGreen = 0x008000;
constexpr TColor xlsfmtMagenta = 0xFF00FF;
constexpr TColor xlsfmtRed = 0x0000FF;
constexpr TColor xlsfmtWhite = 0xFFFFFF;
constexpr TColor xlsfmtYellow = 0x00FFFF;

// The grid's entry: 1900 date system, default settings; colour and the
// date/time reports are dropped.
void FormatCellValue(const Variant& Value, const String& FormatCode, String& Result);

// As FormatVariantByCode without the date/time reports.
void FormatVariantByCodeEx(const Variant& Value, const String& FormatCode, bool Is1904,
                           String& Result, const TFormatSettings* Settings, TColor& Color);

// Settings nil means the user's default locale. Color is changed only by a
// colour tag of the section used. HasTime/HasDate tell whether the text
// shows a time or a date part.
void FormatVariantByCode(const Variant& Value, const String& FormatCode, bool Is1904,
                         String& Result, const TFormatSettings* Settings, bool& HasTime,
                         bool& HasDate, TColor& Color);

}  // namespace jorv::grid
