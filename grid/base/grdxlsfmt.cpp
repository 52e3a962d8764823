#include "grid/base/grdxlsfmt.h"

#include <algorithm>
#include <cmath>
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/Exceptions.h"

namespace jorv::grid {

namespace {

const String kNoFit = L"###################";
const String kBadDate = L"##";

// Ordinary TDateTime range, 1 January 0001 to 31 December 9999; a value
// outside it cannot be a date, whatever the runtime would make of it.
constexpr double kMinDate = -693593.0;
constexpr double kMaxDate = 2958466.0;
constexpr double k1904Shift = 1462.0;

Char Up(Char c) { return (c >= L'a' && c <= L'z') ? Char(c - 32) : c; }

String UpperAscii(const String& s) {
  String r = s;
  for (Char& c : r) c = Up(c);
  return r;
}

// Position of ch in s at or after from, or npos.
size_t PosCharFrom(Char ch, const String& s, size_t from) {
  return from >= s.size() ? String::npos : s.find(ch, from);
}

// A literal for FormatFloat/FormatDateTime, so that placeholder letters and
// digits inside it stay text.
void AppendQuoted(String& fmt, const String& text) {
  if (text.empty()) return;
  Char q = text.find(L'"') == String::npos ? L'"' : L'\'';
  if (q == L'\'' && text.find(L'\'') != String::npos) {
    // Both kinds of quote: one character at a time.
    for (Char c : text) AppendQuoted(fmt, String(1, c));
    return;
  }
  fmt += q;
  fmt += text;
  fmt += q;
}

// Number with "." as decimal separator: optional blanks, sign, digits with
// one optional point, optional exponent. Nothing else.
bool TryTextToExtended(const String& text, double& value) {
  size_t i = 0, n = text.size();
  while (i < n && text[i] == L' ') ++i;
  size_t start = i;
  if (i < n && (text[i] == L'+' || text[i] == L'-')) ++i;
  bool digits = false;
  while (i < n && text[i] >= L'0' && text[i] <= L'9') ++i, digits = true;
  if (i < n && text[i] == L'.') {
    ++i;
    while (i < n && text[i] >= L'0' && text[i] <= L'9') ++i, digits = true;
  }
  if (!digits) return false;
  if (i < n && (text[i] == L'e' || text[i] == L'E')) {
    size_t j = i + 1;
    if (j < n && (text[j] == L'+' || text[j] == L'-')) ++j;
    bool expDigits = false;
    while (j < n && text[j] >= L'0' && text[j] <= L'9') ++j, expDigits = true;
    if (!expDigits) return false;
    i = j;
  }
  size_t end = i;
  while (i < n && text[i] == L' ') ++i;
  if (i != n) return false;
  std::string ascii;
  for (size_t k = start; k < end; ++k) ascii += char(text[k]);
  value = std::strtod(ascii.c_str(), nullptr);
  return std::isfinite(value);
}

TResultCondition MakeResultCondition(bool supressNeg, bool supressNegComp, bool complement,
                                     bool assigned) {
  return {supressNeg, supressNegComp, complement, assigned};
}

bool ReadConditionNumber(const String& code, size_t from, size_t to, double& n) {
  return TryTextToExtended(code.substr(from, to - from), n);
}

// code[p] is "["; true when the bracket is a condition.
bool EvalSectionCondition(const String& code, size_t p, double x, bool& holds, bool& supressNeg,
                          bool& supressNegComp) {
  size_t close = PosCharFrom(L']', code, p + 1);
  if (close == String::npos) return false;
  size_t op = p + 1;
  Char c1 = code[op];
  Char c2 = op + 1 < close ? code[op + 1] : 0;
  size_t opLen;
  double n;
  if (c1 == L'=') {
    opLen = 1;
  } else if (c1 == L'<' || c1 == L'>') {
    opLen = (c2 == L'=' || (c1 == L'<' && c2 == L'>')) ? 2 : 1;
  } else {
    return false;
  }
  if (!ReadConditionNumber(code, op + opLen, close, n)) return false;
  if (c1 == L'=') {
    holds = x == n, supressNeg = true, supressNegComp = false;
  } else if (c1 == L'<' && c2 == L'=') {
    holds = x <= n, supressNeg = n <= 0, supressNegComp = true;
  } else if (c1 == L'<' && c2 == L'>') {
    holds = x != n, supressNeg = false, supressNegComp = true;
  } else if (c1 == L'<') {
    holds = x < n, supressNeg = n <= 0, supressNegComp = true;
  } else if (c2 == L'=') {
    holds = x >= n, supressNeg = false, supressNegComp = n <= 0;
  } else {
    holds = x > n, supressNeg = false, supressNegComp = n <= 0;
  }
  return true;
}

bool PickSection(const TResultConditionArray& e, int n, int& c, double x) {
  if (c >= 0) return e[c].SupressNeg;
  if (!e[0].Assigned && (x > 0 || n == 1 || (x == 0 && n <= 2))) {
    c = 0;
    return false;
  }
  if (!e[1].Assigned && (x < 0 || n <= 2)) {
    c = 1;
    if (n == 2 && e[0].Assigned) return e[0].SupressNegComp;
    return true;
  }
  c = e[2].Assigned ? 3 : 2;
  return false;
}

struct TSections {
  String Text[4];
  int Count = 0;
  int Chosen = -1;
  bool SupressNeg = false;
};

TSections SplitSections(const String& code, double x) {
  TSections r;
  TResultConditionArray entries(4);
  size_t start = 0, i = 0, len = code.size();
  bool quoted = false;
  while (i < len) {
    Char ch = code[i];
    if (ch == L'"') {
      quoted = !quoted;
      ++i;
    } else if (quoted) {
      ++i;
    } else if (ch == L'\\') {
      i += 2;
    } else if (ch == L'[' && i + 2 < len) {
      bool holds, sn, snc;
      if (EvalSectionCondition(code, i, x, holds, sn, snc)) {
        entries[r.Count] = MakeResultCondition(sn, snc, !holds, true);
        if (holds && r.Chosen < 0) r.Chosen = r.Count;
      }
      size_t close = PosCharFrom(L']', code, i + 1);
      i = close == String::npos ? i + 1 : close + 1;
    } else if (ch == L';') {
      r.Text[r.Count++] = code.substr(start, i - start);
      start = ++i;
      if (r.Count == 4) break;
    } else {
      ++i;
    }
  }
  if (r.Count < 4) r.Text[r.Count++] = start < len ? code.substr(start) : String();
  r.SupressNeg = PickSection(entries, r.Count, r.Chosen, x);
  return r;
}

bool SelectFormatSection(const String& code, double x, String& section, bool& supressNeg) {
  TSections s = SplitSections(code, x);
  if (s.Chosen >= s.Count) return false;
  section = s.Text[s.Chosen];
  supressNeg = s.SupressNeg;
  return true;
}

// The user's locale as the runtime sees it now (a test may pin it), so a
// change of the locale shows in the next painted cell.
TFormatSettings DefaultFormatSettings() { return FormatSettings(); }

void EnsureAMPMStrings(TFormatSettings& fs) {
  if (fs.TimeAMString.empty()) fs.TimeAMString = L"AM";
  if (fs.TimePMString.empty()) fs.TimePMString = L"PM";
}

String FormatDateSafe(const String& fmt, double x, bool is1904, const TFormatSettings& fs) {
  if (is1904) x += k1904Shift;
  if (!std::isfinite(x) || x < kMinDate || x >= kMaxDate) return kBadDate;
  try {
    return FormatDateTime(fmt, x, fs);
  } catch (const std::exception&) {
    return kBadDate;
  }
}

String FormatDateGlobal(const String& fmt, bool is1904, double x) {
  return FormatDateSafe(fmt, x, is1904, FormatSettings());
}

bool ReadSectionColor(const String& s, size_t& pos, TColor& color) {
  if (s.empty() || s[0] != L'[') return false;
  size_t close = s.find(L']');
  if (close == String::npos) return false;
  static const struct {
    const wchar_t* Name;
    TColor Color;
  } kColors[] = {{L"Black", xlsfmtBlack}, {L"Cyan", xlsfmtCyan},       {L"Blue", xlsfmtBlue},
                 {L"Green", xlsfmtGreen}, {L"Magenta", xlsfmtMagenta}, {L"Red", xlsfmtRed},
                 {L"White", xlsfmtWhite}, {L"Yellow", xlsfmtYellow}};
  String name = s.substr(1, close - 1);
  for (const auto& c : kColors)
    if (name == c.Name) {
      color = c.Color;
      pos = close + 1;
      return true;
    }
  return false;
}

// True when the section shows a 12-hour clock ("AM/PM" or "A/P" outside
// quotes, brackets and escapes).
bool HasAMPMMarker(const String& s) {
  String u = UpperAscii(s);
  for (size_t i = 0; i < u.size(); ++i) {
    Char c = u[i];
    if (c == L'"') {
      size_t close = PosCharFrom(L'"', u, i + 1);
      if (close == String::npos) return false;
      i = close;
    } else if (c == L'\\' || c == L'*' || c == L'_') {
      ++i;
    } else if (c == L'[') {
      size_t close = PosCharFrom(L']', u, i + 1);
      if (close == String::npos) return false;
      i = close;
    } else if (u.compare(i, 5, L"AM/PM") == 0 || u.compare(i, 3, L"A/P") == 0) {
      return true;
    }
  }
  return false;
}

// State of one walk over a number section.
struct TWalk {
  TWalk(const String& s, String u, bool& hasTime, bool& hasDate, TFormatSettings dateSettings)
      : S(s), U(std::move(u)), HasTime(hasTime), HasDate(hasDate),
        DateSettings(std::move(dateSettings)) {
    EnsureAMPMStrings(DateSettings);
  }
  const String& S;
  const String U;  // S in upper case, same positions
  bool& HasTime;
  bool& HasDate;
  TFormatSettings DateSettings;
  size_t Pos = 0;
  double X = 0;          // the value as number runs see it (scaled by "%" and ",")
  double DateValue = 0;  // the value as date runs see it
  bool SupressNeg = false;
  bool Is1904 = false;
  bool AfterHour = false;  // right after an elapsed-hours tag
  bool AfterSeconds = false;  // right after an elapsed-seconds tag
  bool Clock12 = false;
  // Fraction of the second, already rounded to SecondDigits digits, that
  // ".0" after a seconds field shows.
  Integer SecondDigits = 0;
  Int64 SecondFraction = 0;
  String Result;
  // Digit runs and the literals between them are formatted as one number,
  // so the digits fill the placeholders across the literals ("(000)
  // 000-0000") and a minus stands in front of the currency text.
  String NumberFormat;
  String NumberText;  // the same without placeholders, when it has none
  bool NumberPlaceholders = false;

  bool AtEnd() const { return Pos >= S.size(); }
  size_t Left() const { return AtEnd() ? 0 : S.size() - Pos; }

  void AddLiteral(const String& text) {
    AppendQuoted(NumberFormat, text);
    NumberText += text;
  }
  // Ends the number group before a date or elapsed-time part, and at the
  // end of the section.
  void FlushNumber() {
    if (NumberPlaceholders) {
      double value = SupressNeg && X < 0 ? -X : X;
      Result += FormatFloat(NumberFormat, value, FormatSettings());
    } else {
      Result += NumberText;
    }
    NumberFormat.clear();
    NumberText.clear();
    NumberPlaceholders = false;
  }
};

void FormatCurrencyTag(TWalk& w) {
  if (w.Left() < 4 || w.S[w.Pos] != L'[' || w.S[w.Pos + 1] != L'$') return;
  size_t from = w.Pos + 2;
  size_t end = w.S.find_first_of(L"-]", from);
  if (end == String::npos) {
    w.AddLiteral(w.S.substr(from));
    w.Pos = w.S.size();
    return;
  }
  w.AddLiteral(w.S.substr(from, end - from));
  if (w.S[end] == L']') {
    w.Pos = end + 1;
    return;
  }
  // The locale identifier after "-" changes nothing in the output.
  size_t close = PosCharFrom(L']', w.S, end + 1);
  w.Pos = close == String::npos ? w.S.size() : close + 1;
}

// "[h]", "[mm]", "[ss]": hours, minutes or seconds elapsed in total.
void FormatElapsedTime(TWalk& w) {
  if (w.Left() < 2 || w.U[w.Pos] != L'[') return;
  size_t close = PosCharFrom(L']', w.U, w.Pos + 1);
  if (close == String::npos || close == w.Pos + 1) return;
  Char unit = w.U[w.Pos + 1];
  if (unit != L'H' && unit != L'M' && unit != L'S') return;
  for (size_t i = w.Pos + 1; i < close; ++i)
    if (w.U[i] != unit) return;
  size_t digits = close - w.Pos - 1;
  // Count whole milliseconds first, as the time of day in the runs after the
  // tag is decoded, so "[h]:mm" never shows 12 where the minutes say 13.
  double v = w.DateValue;
  double ms = std::floor(std::fabs(v) * 86400000.0 + 0.5);
  double per = unit == L'H' ? 3600000.0 : unit == L'M' ? 60000.0 : 1000.0;
  double whole = std::floor(ms / per);
  if (v < 0 && whole != 0) whole = -whole;
  w.FlushNumber();
  w.Result += FormatFloat(String(digits, L'0'), whole, FormatSettings());
  w.HasTime = true;
  w.Pos = close + 1;
  if (unit == L'H') w.AfterHour = true;
  if (unit == L'S') w.AfterSeconds = true;
}

// Skips a bracket that no earlier reader took (an unknown colour, a
// condition); a "[$" tag still shows its currency text.
void ReadLocaleTagAt(const String& s, size_t& pos, String& out) {
  if (pos >= s.size() || s[pos] != L'[') return;
  size_t close = PosCharFrom(L']', s, pos + 1);
  if (close == String::npos) return;
  if (pos + 1 < close && s[pos + 1] == L'$') {
    size_t end = s.find_first_of(L"-]", pos + 2);
    out += s.substr(pos + 2, end - pos - 2);
  }
  pos = close + 1;
}

void ReadLocaleTag(TWalk& w) {
  String text;
  ReadLocaleTagAt(w.S, w.Pos, text);
  if (!text.empty()) w.AddLiteral(text);
}

// Shared by number and text sections.
bool ReadLiteralCharAt(const String& s, size_t& pos, String& out) {
  if (pos >= s.size()) return false;
  Char c = s[pos];
  switch (c) {
    case L' ': case L'!': case L'$': case L'&': case L'\'': case L'(': case L')':
    case L'<': case L'=': case L'>': case L'^': case L'{': case L'}': case L'~':
    case L'\u00B4':
      out += c;
      ++pos;
      return true;
    case L'\\':
    case L'*':
      // A fill character is written once: the cell is not filled.
      if (pos + 1 < s.size()) out += s[pos + 1];
      pos += 2;
      return true;
    case L'_':
      out += L' ';
      pos += 2;
      return true;
    case L'"': {
      size_t close = PosCharFrom(L'"', s, pos + 1);
      if (close == String::npos) {
        out += s.substr(pos + 1);
        pos = s.size();
      } else {
        out += s.substr(pos + 1, close - pos - 1);
        pos = close + 1;
      }
      return true;
    }
    default:
      return false;
  }
}

void ReadLiteralChar(TWalk& w) {
  String text;
  if (ReadLiteralCharAt(w.S, w.Pos, text)) w.AddLiteral(text);
}

bool IsDateChar(Char c) {
  switch (Up(c)) {
    case L'.': case L'/': case L':': case L'A': case L'C': case L'D': case L'H':
    case L'M': case L'N': case L'P': case L'Q': case L'S': case L'T': case L'W':
    case L'Y': case L'\\':
      return true;
    default:
      return false;
  }
}

// A run of "m" directly before seconds ("mm:ss") counts minutes.
bool SecondsFollow(const String& u, size_t i) {
  while (i < u.size() && (u[i] == L':' || u[i] == L'.')) ++i;
  return i < u.size() && u[i] == L'S';
}

// ".000" after a seconds field: the fraction of the second, from the time
// that was rounded to these digits before any field was formatted, so that
// rounding carries into the seconds.
bool ReadSecondFraction(const TWalk& w, size_t& i, String& fmt) {
  const String& s = w.S;
  if (s[i] != L'.' || i + 1 >= s.size() || s[i + 1] != L'0') return false;
  size_t end = i + 1;
  while (end < s.size() && s[end] == L'0') ++end;
  String digits = std::to_wstring(w.SecondFraction);
  if (Integer(digits.size()) < w.SecondDigits)
    digits.insert(0, size_t(w.SecondDigits) - digits.size(), L'0');
  digits.resize(end - i - 1, L'0');  // beyond a millisecond only zeros
  AppendQuoted(fmt, String(1, w.DateSettings.DecimalSeparator) + digits);
  i = end;
  return true;
}

void FormatDatePart(TWalk& w) {
  if (w.AtEnd() || !IsDateChar(w.S[w.Pos])) return;
  w.FlushNumber();
  const String& s = w.S;
  const String& u = w.U;
  bool afterHour = w.AfterHour;
  bool afterSeconds = w.AfterSeconds;
  String fmt;
  size_t i = w.Pos;
  while (i < s.size() && IsDateChar(s[i])) {
    Char c = s[i];
    Char uc = u[i];
    bool seconds = afterSeconds;
    afterSeconds = false;
    if (seconds && ReadSecondFraction(w, i, fmt)) continue;
    if (c == L'\\') {
      if (i + 1 < s.size()) AppendQuoted(fmt, String(1, s[i + 1]));
      i += 2;
    } else if (u.compare(i, 5, L"AM/PM") == 0) {
      fmt += L"AMPM";
      w.HasTime = true;
      i += 5;
    } else if (uc == L'M') {
      size_t k = i;
      while (k < s.size() && u[k] == L'M') ++k;
      if (afterHour || SecondsFollow(u, k)) {
        fmt.append(k - i, L'n');
        afterHour = false;
        w.HasTime = true;
      } else {
        fmt += s.substr(i, k - i);
        w.HasDate = true;
      }
      i = k;
    } else if (uc == L'H') {
      size_t k = i;
      while (k < s.size() && u[k] == L'H') ++k;
      if (w.Clock12) {
        // The runtime picks the 12-hour clock only when the marker is in
        // the same format string; here the marker may be in a later run.
        Word h = 0, m = 0, sec = 0, msec = 0;
        double t = w.DateValue;
        if (std::isfinite(t) && t > kMinDate && t < kMaxDate) DecodeTime(t, h, m, sec, msec);
        h %= 12;
        if (h == 0) h = 12;
        String text = std::to_wstring(h);
        if (k - i >= 2 && text.size() < 2) text = L"0" + text;
        AppendQuoted(fmt, text);
      } else {
        fmt += s.substr(i, k - i);
      }
      afterHour = true;
      w.HasTime = true;
      i = k;
    } else {
      if (uc == L'C' || uc == L'D' || uc == L'Y') w.HasDate = true;
      if (uc == L'N' || uc == L'S') w.HasTime = true;
      afterSeconds = uc == L'S';
      fmt += c;
      ++i;
    }
  }
  w.Pos = i;
  w.Result += FormatDateSafe(fmt, w.DateValue, w.Is1904, w.DateSettings);
}

bool IsNumberChar(Char c) {
  switch (c) {
    case L' ': case L'"': case L'#': case L'%': case L'*': case L'+': case L',':
    case L'-': case L'.': case L'0': case L'?': case L'E': case L'\\': case L'e':
      return true;
    default:
      return false;
  }
}

void FormatNumberPart(TWalk& w) {
  const String& s = w.S;
  // A run never opens with a quote: the literal reader takes that text.
  if (w.AtEnd() || !IsNumberChar(s[w.Pos]) || s[w.Pos] == L'"') return;
  String fmt;
  String literal;  // the run's text without its placeholders
  bool placeholders = false;
  int pendingCommas = 0;
  // Commas right after the last digit placeholder scale by a thousand each;
  // commas between placeholders ask for grouping.
  auto settleCommas = [&](bool grouping) {
    if (grouping)
      fmt.append(pendingCommas, L',');
    else
      for (int k = 0; k < pendingCommas; ++k) w.X /= 1000.0;
    pendingCommas = 0;
  };
  size_t i = w.Pos;
  while (i < s.size() && IsNumberChar(s[i])) {
    Char c = s[i];
    switch (c) {
      case L'"': {
        settleCommas(false);
        size_t close = PosCharFrom(L'"', s, i + 1);
        String text = s.substr(i + 1, close == String::npos ? String::npos : close - i - 1);
        String clean;
        for (Char t : text)
          if (t != L'\\') clean += t;
        AppendQuoted(fmt, clean);
        literal += clean;
        i = close == String::npos ? s.size() : close + 1;
        continue;
      }
      case L'\\':
      case L'*':
        settleCommas(false);
        if (i + 1 < s.size()) {
          AppendQuoted(fmt, String(1, s[i + 1]));
          literal += s[i + 1];
        }
        i += 2;
        continue;
      case L'%':
        settleCommas(false);
        w.X *= 100.0;
        fmt += c;
        literal += c;
        break;
      case L'?':
      case L'0':
      case L'#':
        settleCommas(placeholders);
        placeholders = true;
        fmt += c == L'?' ? L'#' : c;
        break;
      case L',':
        if (placeholders) {
          ++pendingCommas;
        } else {
          fmt += c;
          literal += c;  // "mmmm d, yyyy" keeps its comma
        }
        break;
      default:  // space, "+", "-", ".", "E", "e"
        settleCommas(false);
        fmt += c;
        literal += c;
        break;
    }
    ++i;
  }
  settleCommas(false);
  w.Pos = i;
  if (fmt.empty()) return;
  // Without a digit placeholder the run is plain text (the "-" between the
  // parts of "yyyy-mm-dd"), never the number.
  w.NumberFormat += fmt;
  w.NumberText += literal;
  w.NumberPlaceholders = w.NumberPlaceholders || placeholders;
}

String PlainText(const Variant& v) { return VarToStr(v); }

// A fraction code ("# ?/?", "?/??", "# ?/8") in pieces: literal texts and
// the placeholder groups of the whole number, numerator and denominator.
struct TFractionCode {
  std::vector<String> Items;
  std::vector<bool> IsGroup;
  int Whole = -1;  // item index, -1 without a whole-number part
  int Numerator = -1;
  int Denominator = -1;
  Int64 FixedDenominator = 0;  // "?/8": always eighths
};

bool IsDigitPlaceholder(Char c) { return c == L'#' || c == L'0' || c == L'?'; }

size_t ReadFractionGroup(const String& s, size_t i, bool fixedDigits) {
  while (i < s.size()) {
    Char c = s[i];
    if (fixedDigits ? (c >= L'0' && c <= L'9') : IsDigitPlaceholder(c))
      ++i;
    else if (!fixedDigits && c == L',' && i + 1 < s.size() && IsDigitPlaceholder(s[i + 1]))
      ++i;
    else
      break;
  }
  return i;
}

// False when the section is no fraction code this reader understands; the
// ordinary walk takes it then.
bool ParseFractionCode(const String& s, size_t pos, TFractionCode& code) {
  int slashBefore = -1;
  while (pos < s.size()) {
    Char c = s[pos];
    bool afterSlash = slashBefore >= 0 && code.Denominator < 0;
    if (afterSlash || IsDigitPlaceholder(c)) {
      bool fixed = afterSlash && c >= L'1' && c <= L'9';
      if (afterSlash && !fixed && !IsDigitPlaceholder(c)) return false;
      size_t end = ReadFractionGroup(s, pos, fixed);
      if (afterSlash) code.Denominator = int(code.Items.size());
      if (fixed) code.FixedDenominator = std::stoll(s.substr(pos, std::min<size_t>(end - pos, 15)));
      code.Items.push_back(s.substr(pos, end - pos));
      code.IsGroup.push_back(true);
      pos = end;
    } else if (c == L'/' && slashBefore < 0 && !code.Items.empty() && code.IsGroup.back()) {
      slashBefore = int(code.Items.size());
      code.Items.push_back(L"/");
      code.IsGroup.push_back(false);
      ++pos;
    } else {
      String text;
      size_t start = pos;
      if (c == L'[')
        ReadLocaleTagAt(s, pos, text);
      else
        ReadLiteralCharAt(s, pos, text);
      if (pos == start) return false;
      code.Items.push_back(text);
      code.IsGroup.push_back(false);
    }
  }
  if (code.Denominator < 0) return false;
  code.Numerator = slashBefore - 1;
  for (int k = 0; k < int(code.Items.size()); ++k) {
    if (!code.IsGroup[size_t(k)] || k == code.Numerator || k == code.Denominator) continue;
    if (k > code.Numerator || code.Whole >= 0) return false;  // one number, no more
    code.Whole = k;
  }
  return true;
}

// The digits in a placeholder group: "0" shows a zero, "?" a space and "#"
// nothing where the number has no digit. Numbers fill the group from the
// right, denominators from the left.
String PadDigits(const String& digits, const String& group, bool fromLeft) {
  String places;
  for (Char c : group)
    if (IsDigitPlaceholder(c)) places += c;
  if (digits.size() >= places.size()) return digits;
  size_t missing = places.size() - digits.size();
  String pad;
  for (size_t k = 0; k < missing; ++k) {
    Char c = places[fromLeft ? digits.size() + k : k];
    if (c != L'#') pad += c == L'0' ? L'0' : L' ';
  }
  return fromLeft ? digits + pad : pad + digits;
}

// The closest fraction whose denominator has at most maxDenominator; of two
// equally close ones the smaller denominator.
void BestFraction(double value, Int64 maxDenominator, Int64& numerator, Int64& denominator) {
  double bestError = 2;
  for (Int64 d = 1; d <= maxDenominator && bestError > 0; ++d) {
    Int64 n = Int64(std::floor(value * double(d) + 0.5));
    double error = std::fabs(value - double(n) / double(d));
    if (error < bestError) bestError = error, numerator = n, denominator = d;
  }
}

// "# ?/?": the whole number, then the fraction that comes closest with as
// many denominator digits as placeholders (or the fixed denominator); a
// one-section minus stands in front of it all.
bool FormatFraction(const TWalk& w, String& out) {
  TFractionCode code;
  if (!ParseFractionCode(w.S, w.Pos, code)) return false;
  double value = std::fabs(w.X);
  if (!(value < 1e15)) return false;
  Int64 whole = code.Whole >= 0 ? Int64(std::floor(value)) : 0;
  double rest = value - double(whole);
  Int64 numerator = 0, denominator = code.FixedDenominator;
  if (denominator > 0) {
    numerator = Int64(std::floor(rest * double(denominator) + 0.5));
  } else {
    size_t places = std::min<size_t>(code.Items[size_t(code.Denominator)].size(), 5);
    BestFraction(rest, Int64(std::pow(10.0, double(places))) - 1, numerator, denominator);
  }
  bool showFraction = true;
  if (code.Whole >= 0 && numerator == denominator) ++whole, numerator = 0;
  if (code.Whole >= 0 && numerator == 0) showFraction = false;
  if (w.X < 0 && !w.SupressNeg && (whole != 0 || numerator != 0)) out += L'-';
  for (int k = 0; k < int(code.Items.size()); ++k) {
    const String& item = code.Items[size_t(k)];
    bool fractionItem = k >= code.Numerator && k <= code.Denominator;
    if (fractionItem && !showFraction) {
      out.append(item.size(), L' ');  // the fraction's place stays blank
    } else if (k == code.Whole) {
      // A zero whole part shows only through "0" and "?", unless there is
      // no fraction either: then it is the "0" of the value.
      String digits = whole != 0 || !showFraction ? std::to_wstring(whole) : String();
      out += PadDigits(digits, item, false);
    } else if (k == code.Numerator) {
      out += PadDigits(std::to_wstring(numerator), item, false);
    } else if (k == code.Denominator && code.FixedDenominator == 0) {
      out += PadDigits(std::to_wstring(denominator), item, true);
    } else {
      out += item;
    }
  }
  return true;
}

// Digits of the second that ".0", ".00" or ".000" after a seconds field
// asks for (the most of them in the section); 0 for none.
Integer SecondDecimals(const String& u) {
  Integer most = 0;
  for (size_t i = 0; i < u.size(); ++i) {
    Char c = u[i];
    if (c == L'"') {
      size_t close = PosCharFrom(L'"', u, i + 1);
      if (close == String::npos) break;
      i = close;
    } else if (c == L'\\' || c == L'*' || c == L'_') {
      ++i;
    } else if (c == L'[') {
      size_t close = PosCharFrom(L']', u, i + 1);
      if (close == String::npos) break;
      i = close;
    } else if (c == L'.' && i > 0 &&
               (u[i - 1] == L'S' || (i > 1 && u.compare(i - 2, 2, L"S]") == 0))) {
      Integer zeros = 0;
      while (i + 1 < u.size() && u[i + 1] == L'0') ++zeros, ++i;
      most = std::max(most, zeros);
    }
  }
  return std::min(most, 3);  // a time holds milliseconds, no more
}

// Rounds the time to the digits of the second that the section shows, so
// that "59.9996" with ".000" shows the next second, not "59.1000".
void RoundToSecondFraction(TWalk& w, Integer digits) {
  double perSecond = std::pow(10.0, digits);
  double units = std::floor(std::fabs(w.DateValue) * 86400.0 * perSecond + 0.5);
  if (!std::isfinite(units) || units > 9e18) return;
  w.SecondDigits = digits;
  w.SecondFraction = Int64(std::fmod(units, perSecond));
  w.DateValue = std::copysign(units / (86400.0 * perSecond), w.DateValue);
}

String FormatSectionValue(const Variant& value, double x, bool supressNeg, const String& section,
                          bool& hasTime, bool& hasDate, TColor& color, bool is1904) {
  TWalk w{section, UpperAscii(section), hasTime, hasDate, DefaultFormatSettings()};
  w.X = x;
  w.DateValue = x;
  w.SupressNeg = supressNeg;
  w.Is1904 = is1904;
  w.Clock12 = HasAMPMMarker(section);
  if (Integer digits = SecondDecimals(w.U)) RoundToSecondFraction(w, digits);
  ReadSectionColor(section, w.Pos, color);
  String fraction;
  if (FormatFraction(w, fraction)) return fraction;
  while (!w.AtEnd()) {
    size_t start = w.Pos;
    FormatCurrencyTag(w);
    w.AfterHour = false;
    w.AfterSeconds = false;
    FormatElapsedTime(w);
    ReadLocaleTag(w);
    ReadLiteralChar(w);
    FormatDatePart(w);
    FormatNumberPart(w);
    if (w.Pos == start) {
      if (supressNeg && x < 0) return FloatToStr(-x);
      return PlainText(value);
    }
  }
  w.FlushNumber();
  return w.Result;
}

String FormatTextValue(const Variant& value, const String& code, TColor& color) {
  TSections s = SplitSections(code, 0);
  String text = PlainText(value);
  String section = s.Text[0];
  if (s.Count < 4 && section.find(L'@') == String::npos) {
    TColor c = color;
    size_t pos = 0;
    if (ReadSectionColor(section, pos, c)) {
      String rest = section.substr(pos);
      if (rest.empty() || UpperAscii(rest) == L"GENERAL") color = c;
    }
    return text;
  }
  if (s.Count == 4) section = s.Text[3];
  size_t pos = 0;
  ReadSectionColor(section, pos, color);
  String result;
  while (pos < section.size()) {
    size_t start = pos;
    ReadLocaleTagAt(section, pos, result);
    ReadLiteralCharAt(section, pos, result);
    if (pos < section.size() && section[pos] == L'@') {
      result += text;
      ++pos;
    }
    if (pos == start) return text;
  }
  return result;
}

bool IsNumberType(const Variant& v) {
  switch (VarType(v)) {
    case varSmallint: case varInteger: case varSingle: case varDouble: case varCurrency:
    case varByte: case varInt64: case varShortInt: case varWord: case varLongWord:
    case varUInt64:
      return true;
    default:
      return false;
  }
}

}  // namespace

void FormatVariantByCode(const Variant& Value, const String& FormatCode, bool Is1904,
                         String& Result, const TFormatSettings* Settings, bool& HasTime,
                         bool& HasDate, TColor& Color) {
  HasTime = false;
  HasDate = false;
  if (VarIsNull(Value) || VarIsEmpty(Value)) {
    Result.clear();
    return;
  }
  if (FormatCode.empty()) {
    Result = PlainText(Value);
    return;
  }
  TFormatSettings own;
  if (!Settings) {
    own = DefaultFormatSettings();
    Settings = &own;
  }
  TVarType type = VarType(Value);
  bool isDate = type == varDate;
  if (IsNumberType(Value) || isDate) {
    double x = Value.AsDouble();
    String section;
    bool supressNeg = false;
    if (!SelectFormatSection(FormatCode, x, section, supressNeg)) {
      Result = kNoFit;
      return;
    }
    String u = UpperAscii(section);
    if (u.find(L"[$-F800]") != String::npos) {
      Result = FormatDateGlobal(Settings->LongDateFormat, Is1904, x);
      HasDate = true;
    } else if (u.find(L"[$-F400]") != String::npos) {
      Result = FormatDateGlobal(Settings->LongTimeFormat, Is1904, x);
      HasTime = true;
    } else if (isDate && x < 0) {
      Result = kNoFit;
    } else {
      Result = FormatSectionValue(Value, x, supressNeg, section, HasTime, HasDate, Color, Is1904);
    }
    return;
  }
  if (type == varOleStr || type == varString || type == varUString) {
    Result = FormatTextValue(Value, FormatCode, Color);
    return;
  }
  if (type == varBoolean) {
    Result = Value.AsBoolean() ? L"TRUE" : L"FALSE";
    return;
  }
  Result = PlainText(Value);
}

void FormatVariantByCodeEx(const Variant& Value, const String& FormatCode, bool Is1904,
                           String& Result, const TFormatSettings* Settings, TColor& Color) {
  bool hasTime, hasDate;
  FormatVariantByCode(Value, FormatCode, Is1904, Result, Settings, hasTime, hasDate, Color);
}

void FormatCellValue(const Variant& Value, const String& FormatCode, String& Result) {
  TColor color = 0;
  FormatVariantByCodeEx(Value, FormatCode, false, Result, nullptr, color);
}

}  // namespace jorv::grid
