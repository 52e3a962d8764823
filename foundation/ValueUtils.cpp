#include "foundation/ValueUtils.h"

#include <algorithm>
#include <cwchar>
#include "platform/rtl/WinApi.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/NumberSeparators.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/DateUtils.h"

namespace jorv::foundation {

String StripThousandSeparators(const String& S) {
  const Char Thousand = FormatSettings().ThousandSeparator;
  String Result;
  for (Char C : S)
    if (C != Thousand) Result += C;
  return Result;
}

Integer HexDigitValue(Char C) {
  if (C >= L'0' && C <= L'9') return C - L'0';
  if (C >= L'A' && C <= L'F') return C - L'A' + 10;
  if (C >= L'a' && C <= L'f') return C - L'a' + 10;
  return 0;
}

Integer HexToInt(const String& S) {
  uint32_t Result = 0;
  for (Char C : S) Result = Result * 16 + static_cast<uint32_t>(HexDigitValue(C));
  return static_cast<Integer>(Result);
}

namespace {

// Unicode categories Nd, Nl and No within the basic multilingual plane.
const Word DigitRanges[][2] = {
    {0x0030, 0x0039}, {0x00B2, 0x00B3}, {0x00B9, 0x00B9}, {0x00BC, 0x00BE},
    {0x0660, 0x0669}, {0x06F0, 0x06F9}, {0x07C0, 0x07C9}, {0x0966, 0x096F},
    {0x09E6, 0x09EF}, {0x09F4, 0x09F9}, {0x0A66, 0x0A6F}, {0x0AE6, 0x0AEF},
    {0x0B66, 0x0B6F}, {0x0B72, 0x0B77}, {0x0BE6, 0x0BF2}, {0x0C66, 0x0C6F},
    {0x0C78, 0x0C7E}, {0x0CE6, 0x0CEF}, {0x0D58, 0x0D5E}, {0x0D66, 0x0D78},
    {0x0DE6, 0x0DEF}, {0x0E50, 0x0E59}, {0x0ED0, 0x0ED9}, {0x0F20, 0x0F33},
    {0x1040, 0x1049}, {0x1090, 0x1099}, {0x1369, 0x137C}, {0x16EE, 0x16F0},
    {0x17E0, 0x17E9}, {0x17F0, 0x17F9}, {0x1810, 0x1819}, {0x1946, 0x194F},
    {0x19D0, 0x19DA}, {0x1A80, 0x1A89}, {0x1A90, 0x1A99}, {0x1B50, 0x1B59},
    {0x1BB0, 0x1BB9}, {0x1C40, 0x1C49}, {0x1C50, 0x1C59}, {0x2070, 0x2070},
    {0x2074, 0x2079}, {0x2080, 0x2089}, {0x2150, 0x2182}, {0x2185, 0x2189},
    {0x2460, 0x249B}, {0x24EA, 0x24FF}, {0x2776, 0x2793}, {0x2CFD, 0x2CFD},
    {0x3007, 0x3007}, {0x3021, 0x3029}, {0x3038, 0x303A}, {0x3192, 0x3195},
    {0x3220, 0x3229}, {0x3248, 0x324F}, {0x3251, 0x325F}, {0x3280, 0x3289},
    {0x32B1, 0x32BF}, {0xA620, 0xA629}, {0xA6E6, 0xA6EF}, {0xA830, 0xA835},
    {0xA8D0, 0xA8D9}, {0xA900, 0xA909}, {0xA9D0, 0xA9D9}, {0xA9F0, 0xA9F9},
    {0xAA50, 0xAA59}, {0xABF0, 0xABF9}, {0xFF10, 0xFF19}};

// Number texts go to the runtime's conversions, which read ASCII digits only.
bool IsAsciiDigit(Char c) { return c >= L'0' && c <= L'9'; }

// Optional sign and decimal digits, nothing else.
bool WholeInteger(const String& S, Integer& V) {
  size_t i = 0;
  bool neg = false;
  if (i < S.size() && (S[i] == L'-' || S[i] == L'+')) neg = S[i++] == L'-';
  if (i == S.size()) return false;
  int64_t v = 0;
  for (; i < S.size(); ++i) {
    if (!IsAsciiDigit(S[i])) return false;
    v = v * 10 + (S[i] - L'0');
    if (v > int64_t(INT32_MAX) + 1) return false;
  }
  if (neg) v = -v;
  if (v > INT32_MAX || v < INT32_MIN) return false;
  V = Integer(v);
  return true;
}

bool InSet(const wchar_t* set, Char c) { return c != 0 && wcschr(set, c); }

Char UpperChar(Char c) {
  CharUpperBuffW(&c, 1);
  return c;
}

Char LowerChar(Char c) {
  CharLowerBuffW(&c, 1);
  return c;
}

// The runtime's encoding raises its own conversion error for components it
// rejects; values beyond a Word must not wrap into valid ones on the way.
TDateTime EncodeDateOrRaise(Integer y, Integer m, Integer d) {
  if (y < 1 || y > 9999 || m < 1 || m > 12 || d < 1 || d > 31) y = m = d = 0;
  return EncodeDate(Word(y), Word(m), Word(d));
}

TDateTime ParseDate(const String& Text, bool MonthFirst) {
  Char sep = Text.find(L'/') != String::npos   ? L'/'
             : Text.find(L'.') != String::npos ? L'.'
             : Text.find(L'-') != String::npos ? L'-'
                                               : Char(0);
  if (!sep) return 0;
  size_t p1 = Text.find(sep), p2 = Text.find(sep, p1 + 1);
  if (p2 == String::npos) return 0;
  String yearText = Text.substr(p2 + 1);
  Integer a, b, y;
  if (!TryStrToInt(Text.substr(0, p1), a) ||
      !TryStrToInt(Text.substr(p1 + 1, p2 - p1 - 1), b) ||
      !TryStrToInt(yearText, y))
    return 0;
  // Only a year of one or two digits gets its century; four-digit years
  // stand as written so that both forms sort together.
  if (std::count_if(yearText.begin(), yearText.end(), IsAsciiDigit) <= 2)
    y += y < 26 ? 2000 : 1900;
  return MonthFirst ? EncodeDateOrRaise(y, a, b) : EncodeDateOrRaise(y, b, a);
}

}  // namespace

bool IsDigitChar(Char Ch) {
  size_t lo = 0, hi = std::size(DigitRanges);
  while (lo < hi) {
    size_t mid = (lo + hi) / 2;
    if (Ch > DigitRanges[mid][1]) lo = mid + 1;
    else if (Ch < DigitRanges[mid][0]) hi = mid;
    else return true;
  }
  return false;
}

bool IsDigitCode(Integer Code) { return IsDigitChar(Char(Code)); }

Integer NumberTextKind(const String& Text) {
  if (Text.empty()) return 2;
  const TNumberSeparators Separators = NumberSeparators();
  const Char dec = Separators.Decimal, th = Separators.Thousand;
  size_t digits = 0, minus = 0, decs = 0, es = 0;
  bool intChars = true, floatChars = true, expChars = true, thClose = false;
  size_t lastTh = 0;
  bool seenTh = false;
  for (size_t i = 0; i < Text.size(); ++i) {
    Char c = Text[i];
    bool digit = IsAsciiDigit(c);
    if (digit) ++digits;
    if (c == L'-') ++minus;
    if (c == L'e' || c == L'E') ++es;
    bool leadMinus = c == L'-' && i == 0;
    if (!digit && !leadMinus) intChars = false;
    if (c == dec) {
      ++decs;
    } else if (c == th) {
      expChars = false;
      if (seenTh && i - lastTh <= 3) thClose = true;
      seenTh = true;
      lastTh = i;
    } else if (!digit && !leadMinus) {
      floatChars = false;
    }
    if (!digit && c != dec && c != L'e' && c != L'E' && c != L'+' && c != L'-')
      expChars = false;
  }
  // A sign or separators without any digit are no number.
  if (digits == 0) return 2;
  if (intChars) return 0;
  if (es == 0) return floatChars && !thClose && decs <= 1 ? 1 : 2;
  Char first = Text.front(), last = Text.back();
  bool exp = expChars && es == 1 && first != L'e' && first != L'E' &&
             last != L'+' && last != L'-' && last != L'e' && last != L'E';
  return exp && minus <= 2 && decs <= 1 ? 5 : 2;
}

String NormalizeNumberText(const String& Text) {
  if (Text.empty()) return String();
  TFormatSettings fs = FormatSettings();
  const Char dec = fs.DecimalSeparator, th = fs.ThousandSeparator;
  String s = Trim(Text);
  bool negative = !s.empty() && s.front() == L'(' && s.back() == L')';
  size_t i = 0;
  while (s.size() - i >= 2) {
    Char c = s[i];
    if (IsAsciiDigit(c) || c == th || c == dec || c == L'e' || c == L'E') break;
    if (c == L'-') negative = true;
    ++i;
  }
  String r;
  for (; i < s.size(); ++i) {
    Char c = s[i];
    if (c == th) continue;
    if (c == dec) r += L'.';
    else if (IsAsciiDigit(c) || InSet(L"+-.Ee", c)) r += c;
    else break;
  }
  return negative ? L"-" + r : r;
}

Integer ClassifyCellText(const String& Text, bool HTMLFlag) {
  if (Text.empty()) return 0;
  if (Text[0] == L'=') return 3;
  if (Text.compare(0, 2, L"|\\") == 0)
    return Text.size() >= 5 && Text[3] == L'=' && Text[4] == 0 ? 3 : 5;
  if (Text.compare(0, 2, L"{\\") == 0) return 2;
  if (HTMLFlag)
    for (size_t i = 0; i + 1 < Text.size(); ++i)
      if (Text[i] == L'<' && InSet(L"/BCIPbcip", Text[i + 1]))
        return 1;
  return 0;
}

String MarkedTextToWide(const String& Text) {
  if (Text.compare(0, 2, L"|\\") != 0) return Text;
  String r;
  r.reserve(Text.size() / 2);
  for (size_t i = 2; i + 1 < Text.size(); i += 2)
    r += Char(((unsigned(Text[i]) & 0xFF) << 8) | (unsigned(Text[i + 1]) & 0xFF));
  return r;
}

String WideToMarkedText(const String& W) {
  String r = L"|\\";
  r.reserve(2 + W.size() * 2);
  for (Char c : W) {
    r += Char(unsigned(c) >> 8);
    r += Char(unsigned(c) & 0xFF);
  }
  return r;
}

String ColorToHexRGB(TColor Color) {
  wchar_t buf[8];
  unsigned c = unsigned(Color);
  swprintf(buf, 8, L"%02X%02X%02X", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
  return buf;
}

Integer ParseRCCellRef(const String& Text, TPoint& Cell) {
  String s = AnsiUpperCase(Text);
  if (s.size() <= 3 || s[0] != L'R') return 0;
  size_t c = s.find(L'C');
  if (c == String::npos) return 0;
  Integer row, col;
  if (!WholeInteger(s.substr(1, c - 1), row) || !WholeInteger(s.substr(c + 1), col))
    return 0;
  Cell = TPoint(col, row);
  return 1;
}

bool IsDateLike(const String& Text) {
  Char ds = FormatSettings().DateSeparator;
  size_t p = Text.find(ds);
  if (p == String::npos || p < 1) return false;
  size_t q = Text.find(ds, p + 1);
  return q != String::npos && q - p >= 2;
}

TDateTime ParseDateMDY(const String& Text) { return ParseDate(Text, true); }
TDateTime ParseDateDMY(const String& Text) { return ParseDate(Text, false); }

TDateTime AddToDate(SmallInt Years, SmallInt Months, SmallInt Days,
                    TDateTime Date, TDateTime Delta) {
  if (Days != 0 && Years == 0 && Months == 0) return Date + Days;
  if ((Years != 0) == (Months != 0) || Days != 0) return Date + Delta;
  Word y, m, d;
  DecodeDate(Date, y, m, d);
  Integer year = y, month = m;
  if (Years != 0) {
    year += Years;
  } else {
    // Any number of months, carried into whole years.
    Integer total = (month - 1) + Months;
    Integer carry = total >= 0 ? total / 12 : -((11 - total) / 12);
    year += carry;
    month = total - carry * 12 + 1;
  }
  // A day the target month lacks becomes its last day (31 January plus a
  // month is the end of February), as a date stepper expects.
  Integer day = d;
  if (year >= 1 && year <= 9999) day = std::min<Integer>(day, DaysInAMonth(Word(year), Word(month)));
  return EncodeDateOrRaise(year, month, day);
}

String CapitalizeName(const String& Text) {
  auto separator = [](Char c) { return InSet(L" ',-.", c); };
  String r = Text;
  for (size_t i = 0; i < r.size(); ++i)
    r[i] = i == 0 || separator(r[i - 1]) ? UpperChar(r[i]) : LowerChar(r[i]);
  if (r.size() > 2 && r.compare(0, 2, L"Mc") == 0) r[2] = UpperChar(r[2]);
  size_t mc = r.find(L" Mc");
  if (mc != String::npos && mc + 3 < r.size()) r[mc + 3] = UpperChar(r[mc + 3]);
  // The suffixes II and III stay in capitals; names such as Ian or Ida in
  // the same place keep their case.
  size_t sp = r.rfind(L' ');
  if (sp != String::npos) {
    String last = r.substr(sp + 1);
    if (last == L"Ii" || last == L"Iii")
      for (size_t i = sp + 1; i < r.size(); ++i) r[i] = L'I';
  }
  return r;
}

void MakeHTMLClipboardText(String& Text) {
  static const wchar_t Doctype[] =
      L"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">";
  static const wchar_t Head[] =
      L"<html><head><META http-equiv=Content-Type content=\"text/html; "
      L"charset=iso-8859-1\"></head><body><!--StartFragment-->";
  static const wchar_t Tail[] = L"<!--EndFragment--></body></html>";
  // Offsets count bytes of the UTF-8 text that goes to the clipboard.
  int n = Text.empty() ? 0
                       : WideCharToMultiByte(CP_UTF8, 0, Text.c_str(), int(Text.size()),
                                             nullptr, 0, nullptr, nullptr);
  const int fixed = int(std::size(Doctype) - 1 + std::size(Head) - 1);
  const int tail = int(std::size(Tail) - 1);
  auto line = [](const wchar_t* label, int value) {
    wchar_t buf[64];
    swprintf(buf, 64, L"%ls%.8d\r\n", label, value);
    return String(buf);
  };
  // The header's own length sets the offsets; it grows only when a number
  // needs more than eight digits.
  String header;
  int start = 97;
  for (int pass = 0; pass < 3; ++pass) {
    header = L"Version:1.0\r\n" + line(L"StartHTML:", start) +
             line(L"EndHTML:", start + fixed + n + tail) +
             line(L"StartFragment:", start + fixed) +
             line(L"EndFragment:", start + fixed + n);
    if (int(header.size()) == start) break;
    start = int(header.size());
  }
  Text = header + Doctype + Head + Text + Tail;
}

}  // namespace jorv::foundation
