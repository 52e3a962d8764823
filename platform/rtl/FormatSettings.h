#pragma once
// Locale settings for number, currency, date and time texts.
#include <cstdint>
#include "platform/rtl/Types.h"

namespace jorv {

struct TFormatSettings {
  String CurrencyString = L"$";
  Byte CurrencyFormat = 0;   // 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $"
  Byte NegCurrFormat = 0;    // 0..15, as the locale's negative currency order
  Char ThousandSeparator = L',';
  Char DecimalSeparator = L'.';
  Byte CurrencyDecimals = 2;
  Char DateSeparator = L'/';
  Char TimeSeparator = L':';
  Char ListSeparator = L',';
  String ShortDateFormat = L"m/d/yyyy";
  String LongDateFormat = L"dddd, mmmm d, yyyy";
  String TimeAMString = L"AM";
  String TimePMString = L"PM";
  String ShortTimeFormat = L"h:mm AMPM";
  String LongTimeFormat = L"h:mm:ss AMPM";
  String ShortMonthNames[12] = {L"Jan", L"Feb", L"Mar", L"Apr", L"May", L"Jun",
                                L"Jul", L"Aug", L"Sep", L"Oct", L"Nov", L"Dec"};
  String LongMonthNames[12] = {L"January", L"February", L"March",     L"April",
                               L"May",     L"June",     L"July",      L"August",
                               L"September", L"October", L"November", L"December"};
  // Index 0 is Sunday.
  String ShortDayNames[7] = {L"Sun", L"Mon", L"Tue", L"Wed", L"Thu", L"Fri", L"Sat"};
  String LongDayNames[7] = {L"Sunday",   L"Monday", L"Tuesday", L"Wednesday",
                            L"Thursday", L"Friday", L"Saturday"};
  Word TwoDigitYearCenturyWindow = 50;

  // Settings of the given locale (LCID); the default is the user's locale.
  static TFormatSettings Create(uint32_t locale = 0x0400 /* LOCALE_USER_DEFAULT */);
};

// The settings in force: the user's locale, read afresh so that a change of
// the locale is seen at once, unless a test has pinned them.
TFormatSettings FormatSettings();

// Pins the settings that FormatSettings() returns (tests); nullptr releases.
// The object must outlive the pin.
void SetFormatSettingsOverride(const TFormatSettings* settings);

// Turns a locale's date or time picture ("dd.MM.yyyy", "h:mm:ss tt") into the
// runtime's format string.
String TranslateDateFormat(const String& picture);

}  // namespace jorv
