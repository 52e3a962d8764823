#pragma once
// Locale settings fixed for a test, so that its expected texts do not depend
// on the machine's locale.
#include "platform/rtl/FormatSettings.h"

namespace jorv {

inline TFormatSettings USFormatSettings() { return TFormatSettings(); }

inline TFormatSettings GermanFormatSettings() {
  TFormatSettings fs;
  fs.CurrencyString = L"\u20AC";
  fs.CurrencyFormat = 3;
  fs.NegCurrFormat = 8;
  fs.ThousandSeparator = L'.';
  fs.DecimalSeparator = L',';
  fs.DateSeparator = L'.';
  fs.ListSeparator = L';';
  fs.ShortDateFormat = L"dd.mm.yyyy";
  fs.LongDateFormat = L"dddd, d. mmmm yyyy";
  fs.TimeAMString = L"";
  fs.TimePMString = L"";
  fs.ShortTimeFormat = L"hh:mm";
  fs.LongTimeFormat = L"hh:mm:ss";
  const wchar_t* sm[12] = {L"Jan", L"Feb", L"M\u00E4r", L"Apr", L"Mai", L"Jun",
                           L"Jul", L"Aug", L"Sep", L"Okt", L"Nov", L"Dez"};
  const wchar_t* lm[12] = {L"Januar", L"Februar", L"M\u00E4rz",     L"April",
                           L"Mai",    L"Juni",    L"Juli",          L"August",
                           L"September", L"Oktober", L"November", L"Dezember"};
  const wchar_t* sd[7] = {L"So", L"Mo", L"Di", L"Mi", L"Do", L"Fr", L"Sa"};
  const wchar_t* ld[7] = {L"Sonntag",    L"Montag",  L"Dienstag", L"Mittwoch",
                          L"Donnerstag", L"Freitag", L"Samstag"};
  for (int i = 0; i < 12; ++i) {
    fs.ShortMonthNames[i] = sm[i];
    fs.LongMonthNames[i] = lm[i];
  }
  for (int i = 0; i < 7; ++i) {
    fs.ShortDayNames[i] = sd[i];
    fs.LongDayNames[i] = ld[i];
  }
  return fs;
}

// Pins FormatSettings() to the given settings while it lives.
class PinnedFormatSettings {
 public:
  explicit PinnedFormatSettings(const TFormatSettings& fs) : FSettings(fs) {
    SetFormatSettingsOverride(&FSettings);
  }
  ~PinnedFormatSettings() { SetFormatSettingsOverride(nullptr); }
  PinnedFormatSettings(const PinnedFormatSettings&) = delete;
  PinnedFormatSettings& operator=(const PinnedFormatSettings&) = delete;

 private:
  TFormatSettings FSettings;
};

}  // namespace jorv
