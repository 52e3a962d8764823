#include "platform/rtl/DateUtils.h"
#include <cmath>
#include "platform/rtl/Clock.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/WinApi.h"

namespace jorv {

namespace {

// Day numbers relative to the epoch (30 December 1899 = 0) and back, on the
// proleptic Gregorian calendar.
Int64 DayNumber(int y, unsigned m, unsigned d) {
  y -= m <= 2;
  const Int64 era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = unsigned(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + Int64(doe) - 719468 + 25569;
}

void CivilDate(Int64 n, int& y, unsigned& m, unsigned& d) {
  Int64 z = n - 25569 + 719468;
  const Int64 era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = unsigned(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = doy - (153 * mp + 2) / 5 + 1;
  m = mp < 10 ? mp + 3 : mp - 9;
  y = int(Int64(yoe) + era * 400 + (m <= 2));
}

// Splits a value into its calendar day and the milliseconds of its time; a
// time that rounds up to midnight belongs to the next day.
void Split(TDateTime dt, Int64& day, Integer& ms) {
  if (!(dt > MinDateTime - 2 && dt < MaxDateTime + 2)) {  // also NaN
    day = Int64(MaxDateTime) + 1;  // decodes as no date
    ms = 0;
    return;
  }
  double whole = std::trunc(dt);
  day = Int64(whole);
  double t = std::nearbyint(std::fabs(dt - whole) * MSecsPerDay);
  ms = Integer(t);
  if (ms >= MSecsPerDay) {
    ms -= MSecsPerDay;
    ++day;
  }
}

// Position on a straight time line, where later is always larger.
double Linear(TDateTime dt) {
  double whole = std::trunc(dt);
  return whole + std::fabs(dt - whole);
}

TDateTime FromDayAndMs(Int64 day, Integer ms) {
  return ComposeDateTime(double(day), double(ms) / MSecsPerDay);
}

[[noreturn]] void RaiseDateEncode() { throw EConvertError(L"Invalid argument to date encode"); }
[[noreturn]] void RaiseTimeEncode() { throw EConvertError(L"Invalid argument to time encode"); }

}  // namespace

bool IsLeapYear(Word year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

Word DaysInAMonth(Word year, Word month) {
  static const Word days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

Word DaysInMonth(TDateTime dt) {
  Word y, m, d;
  DecodeDate(dt, y, m, d);
  return DaysInAMonth(y, m);
}

bool TryEncodeDate(Word year, Word month, Word day, TDateTime& dt) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
      day > DaysInAMonth(year, month))
    return false;
  dt = double(DayNumber(year, month, day));
  return true;
}

bool TryEncodeTime(Word hour, Word min, Word sec, Word msec, TDateTime& t) {
  if (hour >= 24 || min >= 60 || sec >= 60 || msec >= 1000) return false;
  t = (hour * 3600000.0 + min * 60000.0 + sec * 1000.0 + msec) / MSecsPerDay;
  return true;
}

bool TryEncodeDateTime(Word year, Word month, Word day, Word hour, Word min, Word sec,
                       Word msec, TDateTime& dt) {
  TDateTime d, t;
  if (!TryEncodeDate(year, month, day, d) || !TryEncodeTime(hour, min, sec, msec, t))
    return false;
  dt = ComposeDateTime(d, t);
  return true;
}

TDateTime EncodeDate(Word year, Word month, Word day) {
  TDateTime dt;
  if (!TryEncodeDate(year, month, day, dt)) RaiseDateEncode();
  return dt;
}

TDateTime EncodeTime(Word hour, Word min, Word sec, Word msec) {
  TDateTime t;
  if (!TryEncodeTime(hour, min, sec, msec, t)) RaiseTimeEncode();
  return t;
}

TDateTime EncodeDateTime(Word year, Word month, Word day, Word hour, Word min, Word sec,
                         Word msec) {
  return ComposeDateTime(EncodeDate(year, month, day), EncodeTime(hour, min, sec, msec));
}

TDateTime ComposeDateTime(TDateTime date, TDateTime time) {
  double d = std::trunc(date);
  double t = std::fabs(time - std::trunc(time));
  return d < 0 ? d - t : d + t;
}

void DecodeDateTime(TDateTime dt, Word& year, Word& month, Word& day, Word& hour, Word& min,
                    Word& sec, Word& msec) {
  Int64 n;
  Integer ms;
  Split(dt, n, ms);
  if (n < Int64(MinDateTime) || n > Int64(MaxDateTime)) {
    year = month = day = 0;
  } else {
    int y;
    unsigned m, d;
    CivilDate(n, y, m, d);
    year = Word(y);
    month = Word(m);
    day = Word(d);
  }
  hour = Word(ms / 3600000);
  min = Word(ms / 60000 % 60);
  sec = Word(ms / 1000 % 60);
  msec = Word(ms % 1000);
}

void DecodeDate(TDateTime dt, Word& year, Word& month, Word& day) {
  Word h, n, s, z;
  DecodeDateTime(dt, year, month, day, h, n, s, z);
}

void DecodeTime(TDateTime dt, Word& hour, Word& min, Word& sec, Word& msec) {
  Word y, m, d;
  DecodeDateTime(dt, y, m, d, hour, min, sec, msec);
}

Word DayOfWeek(TDateTime dt) {
  Int64 n;
  Integer ms;
  Split(dt, n, ms);
  Int64 r = (n + DateDelta) % 7;
  if (r < 0) r += 7;
  return Word(r + 1);
}

Word DayOfTheWeek(TDateTime dt) { return Word((DayOfWeek(dt) + 5) % 7 + 1); }

Word YearOf(TDateTime dt) {
  Word y, m, d;
  DecodeDate(dt, y, m, d);
  return y;
}

Word MonthOf(TDateTime dt) {
  Word y, m, d;
  DecodeDate(dt, y, m, d);
  return m;
}

Word DayOf(TDateTime dt) {
  Word y, m, d;
  DecodeDate(dt, y, m, d);
  return d;
}

Word WeekOfTheYear(TDateTime dt, Word& year) {
  Int64 n;
  Integer ms;
  Split(dt, n, ms);
  // The week belongs to the year that holds its Thursday.
  Int64 thursday = n - DayOfTheWeek(double(n)) + 4;
  int y;
  unsigned m, d;
  CivilDate(thursday, y, m, d);
  year = Word(y);
  return Word((thursday - DayNumber(y, 1, 1)) / 7 + 1);
}

Word WeekOfTheYear(TDateTime dt) {
  Word y;
  return WeekOfTheYear(dt, y);
}

TDateTime DateOf(TDateTime dt) {
  Int64 n;
  Integer ms;
  Split(dt, n, ms);
  return double(n);
}

TDateTime TimeOf(TDateTime dt) {
  Int64 n;
  Integer ms;
  Split(dt, n, ms);
  return double(ms) / MSecsPerDay;
}

bool IsSameDay(TDateTime a, TDateTime b) { return DateOf(a) == DateOf(b); }

Integer DaysBetween(TDateTime a, TDateTime b) {
  // Counted in whole milliseconds so that a day's span measured from two
  // stored values is not lost to the last bit of a double.
  double ms = std::nearbyint(std::fabs(Linear(a) - Linear(b)) * MSecsPerDay);
  return Integer(ms / MSecsPerDay);
}

TDateTime IncMonth(TDateTime dt, Integer months) {
  Int64 n;
  Integer ms;
  Split(dt, n, ms);
  int y;
  unsigned m, d;
  CivilDate(n, y, m, d);
  Int64 total = Int64(y) * 12 + (m - 1) + months;
  Int64 ny = total >= 0 ? total / 12 : -((-total + 11) / 12);
  int nm = int(total - ny * 12) + 1;
  if (ny < 1 || ny > 9999) RaiseDateEncode();
  Word maxDay = DaysInAMonth(Word(ny), Word(nm));
  if (d > maxDay) d = maxDay;
  return FromDayAndMs(DayNumber(int(ny), unsigned(nm), d), ms);
}

TDateTime IncYear(TDateTime dt, Integer years) { return IncMonth(dt, years * 12); }

TDateTime IncDay(TDateTime dt, Integer days) {
  Int64 n;
  Integer ms;
  Split(dt, n, ms);
  return FromDayAndMs(n + days, ms);
}

TDateTime StartOfTheMonth(TDateTime dt) {
  Word y, m, d;
  DecodeDate(dt, y, m, d);
  return EncodeDate(y, m, 1);
}

TDateTime EndOfTheMonth(TDateTime dt) {
  Word y, m, d;
  DecodeDate(dt, y, m, d);
  return ComposeDateTime(EncodeDate(y, m, DaysInAMonth(y, m)), EncodeTime(23, 59, 59, 999));
}

void DateTimeToSystemTime(TDateTime dt, SYSTEMTIME& st) {
  Word y, m, d, h, n, s, z;
  DecodeDateTime(dt, y, m, d, h, n, s, z);
  st.wYear = y;
  st.wMonth = m;
  st.wDay = d;
  st.wDayOfWeek = Word(DayOfWeek(dt) - 1);
  st.wHour = h;
  st.wMinute = n;
  st.wSecond = s;
  st.wMilliseconds = z;
}

TDateTime SystemTimeToDateTime(const SYSTEMTIME& st) {
  return EncodeDateTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond,
                        st.wMilliseconds);
}

// ---------------------------------------------------------------------------
// Formatting

namespace {

struct TParts {
  Word Year, Month, Day, Hour, Min, Sec, MSec, DayOfWeek;
};

String Num(unsigned v, int width) {
  String s = std::to_wstring(v);
  if (int(s.size()) < width) s.insert(0, size_t(width) - s.size(), L'0');
  return s;
}

Char Up(Char c) { return c >= L'a' && c <= L'z' ? Char(c - 32) : c; }

bool MatchAt(const String& f, size_t i, const wchar_t* word) {
  for (size_t k = 0; word[k]; ++k)
    if (i + k >= f.size() || Up(f[i + k]) != Up(word[k])) return false;
  return true;
}

// Whether an AM/PM marker follows before the next hour token, which makes
// that hour a 12-hour clock reading.
bool TwelveHourAhead(const String& f, size_t i) {
  for (; i < f.size(); ++i) {
    Char c = Up(f[i]);
    if (c == L'"' || c == L'\'') {
      size_t j = f.find(f[i], i + 1);
      if (j == String::npos) return false;
      i = j;
    } else if (c == L'H') {
      return false;
    } else if (c == L'A' &&
               (MatchAt(f, i, L"am/pm") || MatchAt(f, i, L"a/p") || MatchAt(f, i, L"ampm"))) {
      return true;
    }
  }
  return false;
}

void AppendDateTime(String& out, const String& f, const TParts& p, const TFormatSettings& fs,
                    int depth) {
  // Formats that name each other (a short date format holding "c") expand
  // one level deep: more would multiply the text with every level.
  if (depth > 1) return;
  Char last = 0;  // the previous token's letter, for "m" after "h"
  bool twelve = false;
  size_t i = 0;
  while (i < f.size()) {
    Char ch = f[i];
    Char c = Up(ch);
    size_t run = 1;
    if (c == L'Y' || c == L'M' || c == L'D' || c == L'H' || c == L'N' || c == L'S' ||
        c == L'Z' || c == L'T') {
      while (i + run < f.size() && Up(f[i + run]) == c) ++run;
    }
    switch (c) {
      case L'Y':
        out += run <= 2 ? Num(p.Year % 100, 2) : Num(p.Year, 4);
        last = c;
        break;
      case L'M':
        if (last == L'H' && run <= 2) {
          out += Num(p.Min, int(run));
        } else if (run <= 2) {
          out += Num(p.Month, int(run));
        } else if (p.Month >= 1 && p.Month <= 12) {
          out += run == 3 ? fs.ShortMonthNames[p.Month - 1] : fs.LongMonthNames[p.Month - 1];
        }
        last = c;
        break;
      case L'D':
        if (run <= 2)
          out += Num(p.Day, int(run));
        else if (run == 3)
          out += fs.ShortDayNames[p.DayOfWeek - 1];
        else if (run == 4)
          out += fs.LongDayNames[p.DayOfWeek - 1];
        else if (run == 5)
          AppendDateTime(out, fs.ShortDateFormat, p, fs, depth + 1);
        else
          AppendDateTime(out, fs.LongDateFormat, p, fs, depth + 1);
        last = c;
        break;
      case L'H': {
        twelve = TwelveHourAhead(f, i + run);
        unsigned h = p.Hour;
        if (twelve) {
          h %= 12;
          if (h == 0) h = 12;
        }
        out += Num(h, run >= 2 ? 2 : 1);
        last = c;
        break;
      }
      case L'N':
        out += Num(p.Min, run >= 2 ? 2 : 1);
        last = c;
        break;
      case L'S':
        out += Num(p.Sec, run >= 2 ? 2 : 1);
        last = c;
        break;
      case L'Z':
        out += Num(p.MSec, run >= 2 ? 3 : 1);
        last = c;
        break;
      case L'T':
        AppendDateTime(out, run == 1 ? fs.ShortTimeFormat : fs.LongTimeFormat, p, fs, depth + 1);
        last = c;
        break;
      case L'C':
        AppendDateTime(out, fs.ShortDateFormat, p, fs, depth + 1);
        if (p.Hour || p.Min || p.Sec || p.MSec) {
          out += L' ';
          AppendDateTime(out, fs.LongTimeFormat, p, fs, depth + 1);
        }
        last = c;
        break;
      case L'A':
        if (MatchAt(f, i, L"am/pm")) {
          out += p.Hour < 12 ? f.substr(i, 2) : f.substr(i + 3, 2);
          run = 5;
        } else if (MatchAt(f, i, L"a/p")) {
          out += p.Hour < 12 ? f[i] : f[i + 2];
          run = 3;
        } else if (MatchAt(f, i, L"ampm")) {
          out += p.Hour < 12 ? fs.TimeAMString : fs.TimePMString;
          run = 4;
        } else {
          out += ch;
        }
        break;
      case L'/':
        if (fs.DateSeparator) out += fs.DateSeparator;
        break;
      case L':':
        if (fs.TimeSeparator) out += fs.TimeSeparator;
        break;
      case L'"':
      case L'\'': {
        size_t j = f.find(ch, i + 1);
        if (j == String::npos) j = f.size();
        out.append(f, i + 1, j - i - 1);
        run = j - i + 1;
        break;
      }
      default:
        out += ch;
        break;
    }
    i += run;
  }
}

TParts PartsOf(TDateTime dt) {
  TParts p;
  DecodeDateTime(dt, p.Year, p.Month, p.Day, p.Hour, p.Min, p.Sec, p.MSec);
  p.DayOfWeek = DayOfWeek(dt);
  return p;
}

}  // namespace

String FormatDateTime(const String& format, TDateTime dt, const TFormatSettings& fs) {
  String out;
  AppendDateTime(out, format.empty() ? String(L"c") : format, PartsOf(dt), fs, 0);
  return out;
}

String FormatDateTime(const String& format, TDateTime dt) {
  return FormatDateTime(format, dt, FormatSettings());
}

String DateToStr(TDateTime dt, const TFormatSettings& fs) { return FormatDateTime(L"ddddd", dt, fs); }
String DateToStr(TDateTime dt) { return DateToStr(dt, FormatSettings()); }
String TimeToStr(TDateTime dt, const TFormatSettings& fs) { return FormatDateTime(L"tt", dt, fs); }
String TimeToStr(TDateTime dt) { return TimeToStr(dt, FormatSettings()); }
String DateTimeToStr(TDateTime dt, const TFormatSettings& fs) { return FormatDateTime(L"c", dt, fs); }
String DateTimeToStr(TDateTime dt) { return DateTimeToStr(dt, FormatSettings()); }

// ---------------------------------------------------------------------------
// Parsing

namespace {

void SkipBlanks(const String& s, size_t& i) {
  while (i < s.size() && s[i] == L' ') ++i;
}

bool ScanNumber(const String& s, size_t& i, int& value, int& digits) {
  SkipBlanks(s, i);
  value = 0;
  digits = 0;
  while (i < s.size() && s[i] >= L'0' && s[i] <= L'9' && digits < 4) {
    value = value * 10 + (s[i++] - L'0');
    ++digits;
  }
  return digits > 0 && !(i < s.size() && s[i] >= L'0' && s[i] <= L'9');
}

bool ScanChar(const String& s, size_t& i, Char c) {
  SkipBlanks(s, i);
  if (i < s.size() && s[i] == c) {
    ++i;
    return true;
  }
  return false;
}

enum TDateOrder : uint8_t { doMDY, doDMY, doYMD };

TDateOrder DateOrder(const String& f) {
  for (size_t i = 0; i < f.size(); ++i) {
    Char c = Up(f[i]);
    if (c == L'"' || c == L'\'') {
      size_t j = f.find(f[i], i + 1);
      if (j == String::npos) break;
      i = j;
    } else if (c == L'D') {
      return doDMY;
    } else if (c == L'Y') {
      return doYMD;
    } else if (c == L'M') {
      return doMDY;
    }
  }
  return doMDY;
}

bool ScanDate(const String& s, size_t& i, TDateTime& dt, const TFormatSettings& fs) {
  int n1, n2, n3 = 0, l1, l2, l3 = 0;
  if (!ScanNumber(s, i, n1, l1) || !ScanChar(s, i, fs.DateSeparator) ||
      !ScanNumber(s, i, n2, l2))
    return false;
  bool three = false;
  size_t save = i;
  if (ScanChar(s, i, fs.DateSeparator)) {
    if (!ScanNumber(s, i, n3, l3)) return false;
    three = true;
  } else {
    i = save;
  }
  TDateOrder order = DateOrder(fs.ShortDateFormat);
  int y, m, d, yl;
  Word cy, cm, cd;
  DecodeDate(Date(), cy, cm, cd);
  if (!three) {
    y = cy;
    yl = 4;
    if (order == doDMY) {
      d = n1;
      m = n2;
    } else {
      m = n1;
      d = n2;
    }
  } else if (order == doMDY) {
    m = n1, d = n2, y = n3, yl = l3;
  } else if (order == doDMY) {
    d = n1, m = n2, y = n3, yl = l3;
  } else {
    y = n1, yl = l1, m = n2, d = n3;
  }
  if (y <= 99 && yl <= 2) {
    int base = int(cy) - fs.TwoDigitYearCenturyWindow;
    y += base / 100 * 100;
    if (fs.TwoDigitYearCenturyWindow > 0 && y < base) y += 100;
  }
  if (y < 1 || y > 9999 || m < 1 || m > 12 || d < 1 || d > 31) return false;
  return TryEncodeDate(Word(y), Word(m), Word(d), dt);
}

// 1 for AM, 2 for PM, 0 for neither; moves past the marker.
int ScanAmPm(const String& s, size_t& i, const TFormatSettings& fs) {
  SkipBlanks(s, i);
  const String* words[4] = {&fs.TimeAMString, &fs.TimePMString, nullptr, nullptr};
  static const String am = L"AM", pm = L"PM";
  words[2] = &am;
  words[3] = &pm;
  for (int k = 0; k < 4; ++k) {
    const String& w = *words[k];
    if (w.empty() || i + w.size() > s.size()) continue;
    if (AnsiCompareText(s.substr(i, w.size()), w) == 0) {
      i += w.size();
      return k % 2 == 0 ? 1 : 2;
    }
  }
  return 0;
}

bool ScanTime(const String& s, size_t& i, TDateTime& t, const TFormatSettings& fs) {
  int ampm = ScanAmPm(s, i, fs);
  int h, n = 0, sec = 0, ms = 0, l;
  if (!ScanNumber(s, i, h, l)) return false;
  bool hasMinutes = false;
  size_t save = i;
  if (ScanChar(s, i, fs.TimeSeparator)) {
    if (!ScanNumber(s, i, n, l)) return false;
    hasMinutes = true;
    save = i;
    if (ScanChar(s, i, fs.TimeSeparator)) {
      if (!ScanNumber(s, i, sec, l)) return false;
      save = i;
      if (ScanChar(s, i, fs.DecimalSeparator)) {
        // A fraction of a second: ".5" is half a second.
        int frac;
        if (!ScanNumber(s, i, frac, l) || l > 3) return false;
        ms = frac * (l == 1 ? 100 : l == 2 ? 10 : 1);
      } else {
        i = save;
      }
    } else {
      i = save;
    }
  } else {
    i = save;
  }
  if (!ampm) {
    save = i;
    ampm = ScanAmPm(s, i, fs);
    if (!ampm) i = save;
  }
  if (!hasMinutes && !ampm) return false;
  if (ampm) {
    if (h > 12 || h == 0) return false;
    if (ampm == 1 && h == 12) h = 0;
    if (ampm == 2 && h < 12) h += 12;
  }
  return h < 24 && n < 60 && sec < 60 && TryEncodeTime(Word(h), Word(n), Word(sec), Word(ms), t);
}

bool AtEnd(const String& s, size_t& i) {
  SkipBlanks(s, i);
  return i == s.size();
}

}  // namespace

bool TryStrToDate(const String& s, TDateTime& dt, const TFormatSettings& fs) {
  size_t i = 0;
  TDateTime d;
  if (!ScanDate(s, i, d, fs) || !AtEnd(s, i)) return false;
  dt = d;
  return true;
}

bool TryStrToTime(const String& s, TDateTime& t, const TFormatSettings& fs) {
  size_t i = 0;
  TDateTime v;
  if (!ScanTime(s, i, v, fs) || !AtEnd(s, i)) return false;
  t = v;
  return true;
}

bool TryStrToDateTime(const String& s, TDateTime& dt, const TFormatSettings& fs) {
  size_t i = 0;
  TDateTime d, t;
  if (ScanDate(s, i, d, fs)) {
    if (AtEnd(s, i)) {
      dt = d;
      return true;
    }
    if (!ScanTime(s, i, t, fs) || !AtEnd(s, i)) return false;
    dt = ComposeDateTime(d, t);
    return true;
  }
  return TryStrToTime(s, dt, fs);
}

bool TryStrToDate(const String& s, TDateTime& dt) { return TryStrToDate(s, dt, FormatSettings()); }
bool TryStrToTime(const String& s, TDateTime& t) { return TryStrToTime(s, t, FormatSettings()); }
bool TryStrToDateTime(const String& s, TDateTime& dt) {
  return TryStrToDateTime(s, dt, FormatSettings());
}

TDateTime StrToDate(const String& s, const TFormatSettings& fs) {
  TDateTime dt;
  if (!TryStrToDate(s, dt, fs)) throw EConvertError(L"'" + s + L"' is not a valid date");
  return dt;
}

TDateTime StrToTime(const String& s, const TFormatSettings& fs) {
  TDateTime t;
  if (!TryStrToTime(s, t, fs)) throw EConvertError(L"'" + s + L"' is not a valid time");
  return t;
}

TDateTime StrToDateTime(const String& s, const TFormatSettings& fs) {
  TDateTime dt;
  if (!TryStrToDateTime(s, dt, fs))
    throw EConvertError(L"'" + s + L"' is not a valid date and time");
  return dt;
}

TDateTime StrToDate(const String& s) { return StrToDate(s, FormatSettings()); }
TDateTime StrToTime(const String& s) { return StrToTime(s, FormatSettings()); }
TDateTime StrToDateTime(const String& s) { return StrToDateTime(s, FormatSettings()); }

TDateTime StrToDateDef(const String& s, TDateTime def, const TFormatSettings& fs) {
  TDateTime dt;
  return TryStrToDate(s, dt, fs) ? dt : def;
}
TDateTime StrToTimeDef(const String& s, TDateTime def, const TFormatSettings& fs) {
  TDateTime t;
  return TryStrToTime(s, t, fs) ? t : def;
}
TDateTime StrToDateTimeDef(const String& s, TDateTime def, const TFormatSettings& fs) {
  TDateTime dt;
  return TryStrToDateTime(s, dt, fs) ? dt : def;
}
TDateTime StrToDateDef(const String& s, TDateTime def) {
  return StrToDateDef(s, def, FormatSettings());
}
TDateTime StrToTimeDef(const String& s, TDateTime def) {
  return StrToTimeDef(s, def, FormatSettings());
}
TDateTime StrToDateTimeDef(const String& s, TDateTime def) {
  return StrToDateTimeDef(s, def, FormatSettings());
}

}  // namespace jorv
