#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/NumberSeparators.h"
#include "platform/rtl/WinApi.h"

namespace jorv {

namespace {

const TFormatSettings* GOverride = nullptr;

String LocaleText(LCID lcid, LCTYPE type, const String& fallback) {
  wchar_t buf[128];
  int n = GetLocaleInfoW(lcid, type, buf, 128);
  if (n <= 1) return fallback;
  return String(buf, n - 1);
}

Char LocaleChar(LCID lcid, LCTYPE type, Char fallback) {
  String s = LocaleText(lcid, type, String());
  return s.empty() ? fallback : s[0];
}

int LocaleInt(LCID lcid, LCTYPE type, int fallback) {
  String s = LocaleText(lcid, type, String());
  if (s.empty()) return fallback;
  int v = 0;
  for (Char c : s) {
    if (c < L'0' || c > L'9') break;
    v = v * 10 + (c - L'0');
  }
  return v;
}

}  // namespace

String TranslateDateFormat(const String& picture) {
  String r;
  size_t i = 0;
  while (i < picture.size()) {
    Char c = picture[i];
    if (c == L'\'') {
      // A quoted literal stays quoted; '' inside it is one apostrophe.
      size_t j = i + 1;
      String lit;
      while (j < picture.size()) {
        if (picture[j] == L'\'') {
          if (j + 1 < picture.size() && picture[j + 1] == L'\'') {
            lit += L'\'';
            j += 2;
            continue;
          }
          break;
        }
        lit += picture[j++];
      }
      if (lit.find(L'"') == String::npos)
        r += L'"' + lit + L'"';
      else
        r += L'\'' + lit + L'\'';
      i = j + 1;
      continue;
    }
    if (c == L'M') {
      r += L'm';
    } else if (c == L'g') {
      // The era has no place in the runtime's formats.
      while (i + 1 < picture.size() && picture[i + 1] == L'g') ++i;
      while (i + 1 < picture.size() && picture[i + 1] == L' ') ++i;
    } else if (c == L'y') {
      size_t n = 0;
      while (i < picture.size() && picture[i] == L'y') {
        ++n;
        ++i;
      }
      r += n <= 2 ? L"yy" : L"yyyy";
      continue;
    } else {
      r += c;
    }
    ++i;
  }
  return r;
}

TFormatSettings TFormatSettings::Create(uint32_t locale) {
  LCID lcid = locale;
  TFormatSettings fs;
  fs.CurrencyString = LocaleText(lcid, LOCALE_SCURRENCY, fs.CurrencyString);
  fs.CurrencyFormat = (Byte)LocaleInt(lcid, LOCALE_ICURRENCY, fs.CurrencyFormat);
  fs.NegCurrFormat = (Byte)LocaleInt(lcid, LOCALE_INEGCURR, fs.NegCurrFormat);
  fs.ThousandSeparator = LocaleChar(lcid, LOCALE_STHOUSAND, fs.ThousandSeparator);
  fs.DecimalSeparator = LocaleChar(lcid, LOCALE_SDECIMAL, fs.DecimalSeparator);
  fs.CurrencyDecimals = (Byte)LocaleInt(lcid, LOCALE_ICURRDIGITS, fs.CurrencyDecimals);
  fs.DateSeparator = LocaleChar(lcid, LOCALE_SDATE, fs.DateSeparator);
  fs.TimeSeparator = LocaleChar(lcid, LOCALE_STIME, fs.TimeSeparator);
  fs.ListSeparator = LocaleChar(lcid, LOCALE_SLIST, fs.ListSeparator);
  String sd = LocaleText(lcid, LOCALE_SSHORTDATE, String());
  if (!sd.empty()) fs.ShortDateFormat = TranslateDateFormat(sd);
  String ld = LocaleText(lcid, LOCALE_SLONGDATE, String());
  if (!ld.empty()) fs.LongDateFormat = TranslateDateFormat(ld);
  fs.TimeAMString = LocaleText(lcid, LOCALE_S1159, fs.TimeAMString);
  fs.TimePMString = LocaleText(lcid, LOCALE_S2359, fs.TimePMString);

  // Time formats are built from the clock kind and the hour's leading zero,
  // with the AM/PM marker before or after the time as the locale places it.
  bool twelve = LocaleInt(lcid, LOCALE_ITIME, 0) == 0;
  bool leadingZero = LocaleInt(lcid, LOCALE_ITLZERO, 0) != 0;
  bool markFirst = LocaleInt(lcid, LOCALE_ITIMEMARKPOSN, 0) != 0;
  String hour = leadingZero ? L"hh" : L"h";
  String pre, post;
  if (twelve) (markFirst ? pre : post) = markFirst ? L"AMPM " : L" AMPM";
  fs.ShortTimeFormat = pre + hour + L":mm" + post;
  fs.LongTimeFormat = pre + hour + L":mm:ss" + post;

  for (int m = 0; m < 12; ++m) {
    fs.ShortMonthNames[m] =
        LocaleText(lcid, LOCALE_SABBREVMONTHNAME1 + m, fs.ShortMonthNames[m]);
    fs.LongMonthNames[m] = LocaleText(lcid, LOCALE_SMONTHNAME1 + m, fs.LongMonthNames[m]);
  }
  // The locale counts its days from Monday; the runtime's index 0 is Sunday.
  for (int d = 0; d < 7; ++d) {
    int w = (d + 6) % 7;
    fs.ShortDayNames[d] = LocaleText(lcid, LOCALE_SABBREVDAYNAME1 + w, fs.ShortDayNames[d]);
    fs.LongDayNames[d] = LocaleText(lcid, LOCALE_SDAYNAME1 + w, fs.LongDayNames[d]);
  }
  return fs;
}

TFormatSettings FormatSettings() {
  if (GOverride) return *GOverride;
  return TFormatSettings::Create(LOCALE_USER_DEFAULT);
}

TNumberSeparators NumberSeparators() {
  if (GOverride) return {GOverride->DecimalSeparator, GOverride->ThousandSeparator};
  const TNumberSeparators Defaults;
  return {LocaleChar(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, Defaults.Decimal),
          LocaleChar(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, Defaults.Thousand)};
}

void SetFormatSettingsOverride(const TFormatSettings* settings) { GOverride = settings; }

}  // namespace jorv
