#pragma once
// Pins the locale's format settings for one test, so results do not depend
// on the machine's locale.
#include "platform/rtl/FormatSettings.h"

namespace jorv::test {

struct TPinnedLocale {
  TFormatSettings Settings;
  // Day-month-year with points; "." is the decimal point, "," groups.
  TPinnedLocale() {
    Settings.DecimalSeparator = L'.';
    Settings.ThousandSeparator = L',';
    Settings.DateSeparator = L'.';
    Settings.TimeSeparator = L':';
    Settings.ShortDateFormat = L"dd.mm.yyyy";
    SetFormatSettingsOverride(&Settings);
  }
  TPinnedLocale(Char Decimal, Char Thousand, Char DateSep, const String& DateFormat)
      : TPinnedLocale() {
    Settings.DecimalSeparator = Decimal;
    Settings.ThousandSeparator = Thousand;
    Settings.DateSeparator = DateSep;
    Settings.ShortDateFormat = DateFormat;
  }
  ~TPinnedLocale() { SetFormatSettingsOverride(nullptr); }
  TPinnedLocale(const TPinnedLocale&) = delete;
  TPinnedLocale& operator=(const TPinnedLocale&) = delete;
};

}  // namespace jorv::test
