#include "platform/rtl/SysUtils.h"
#include <charconv>
#include <cmath>
#include <cstring>
#include <vector>
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/WinApi.h"

namespace jorv {

// ---------------------------------------------------------------------------
// Positions, copies and edits

Integer Pos(const String& substr, const String& s) { return PosEx(substr, s, 1); }

Integer Pos(Char c, const String& s) {
  size_t p = s.find(c);
  return p == String::npos ? 0 : Integer(p + 1);
}

Integer PosEx(const String& substr, const String& s, Integer offset) {
  if (substr.empty() || offset < 1 || size_t(offset) > s.size()) return 0;
  size_t p = s.find(substr, size_t(offset - 1));
  return p == String::npos ? 0 : Integer(p + 1);
}

String Copy(const String& s, Integer index, Integer count) {
  // An index below 1 starts at the first character without shortening the
  // count, as the platform does.
  Int64 len = Int64(s.size());
  Int64 start = index < 1 ? 0 : Int64(index) - 1;
  if (start >= len || count <= 0) return String();
  Int64 n = count;
  if (n > len - start) n = len - start;
  return s.substr(size_t(start), size_t(n));
}

void Delete(String& s, Integer index, Integer count) {
  if (index < 1 || size_t(index) > s.size() || count <= 0) return;
  s.erase(size_t(index - 1), size_t(count));
}

void Insert(const String& substr, String& s, Integer index) {
  if (index < 1) index = 1;
  if (size_t(index) > s.size() + 1) index = Integer(s.size() + 1);
  s.insert(size_t(index - 1), substr);
}

String Trim(const String& s) {
  size_t b = 0, e = s.size();
  while (b < e && s[b] <= L' ') ++b;
  while (e > b && s[e - 1] <= L' ') --e;
  return s.substr(b, e - b);
}

String TrimLeft(const String& s) {
  size_t b = 0;
  while (b < s.size() && s[b] <= L' ') ++b;
  return s.substr(b);
}

String TrimRight(const String& s) {
  size_t e = s.size();
  while (e > 0 && s[e - 1] <= L' ') --e;
  return s.substr(0, e);
}

String StringOfChar(Char c, Integer count) {
  return count > 0 ? String(size_t(count), c) : String();
}

// ---------------------------------------------------------------------------
// Case and comparison

String UpperCase(const String& s) {
  String r = s;
  for (Char& c : r)
    if (c >= L'a' && c <= L'z') c = Char(c - 32);
  return r;
}

String LowerCase(const String& s) {
  String r = s;
  for (Char& c : r)
    if (c >= L'A' && c <= L'Z') c = Char(c + 32);
  return r;
}

String AnsiUpperCase(const String& s) {
  String r = s;
  if (!r.empty()) CharUpperBuffW(r.data(), DWORD(r.size()));
  return r;
}

String AnsiLowerCase(const String& s) {
  String r = s;
  if (!r.empty()) CharLowerBuffW(r.data(), DWORD(r.size()));
  return r;
}

Integer CompareStr(const String& a, const String& b) {
  size_t n = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < n; ++i)
    if (a[i] != b[i]) return Integer(a[i]) - Integer(b[i]);
  return Integer(a.size()) - Integer(b.size());
}

Integer CompareText(const String& a, const String& b) {
  size_t n = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < n; ++i) {
    Char x = a[i], y = b[i];
    if (x >= L'a' && x <= L'z') x = Char(x - 32);
    if (y >= L'a' && y <= L'z') y = Char(y - 32);
    if (x != y) return Integer(x) - Integer(y);
  }
  return Integer(a.size()) - Integer(b.size());
}

bool SameText(const String& a, const String& b) {
  return a.size() == b.size() && CompareText(a, b) == 0;
}

bool SameStr(const String& a, const String& b) { return a == b; }

Integer AnsiCompareStr(const String& a, const String& b) {
  return CompareStringW(LOCALE_USER_DEFAULT, 0, a.data(), int(a.size()), b.data(),
                        int(b.size())) - CSTR_EQUAL;
}

Integer AnsiCompareText(const String& a, const String& b) {
  return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), int(a.size()),
                        b.data(), int(b.size())) - CSTR_EQUAL;
}

bool AnsiSameText(const String& a, const String& b) { return AnsiCompareText(a, b) == 0; }
bool AnsiSameStr(const String& a, const String& b) { return AnsiCompareStr(a, b) == 0; }

String StringReplace(const String& s, const String& oldPattern, const String& newPattern,
                     TReplaceFlags flags) {
  if (oldPattern.empty()) return s;
  bool ignoreCase = flags.Contains(rfIgnoreCase);
  // Upper-casing keeps the length of a UTF-16 text, so positions found in
  // the folded copy are positions in the original.
  const String hay = ignoreCase ? AnsiUpperCase(s) : s;
  const String needle = ignoreCase ? AnsiUpperCase(oldPattern) : oldPattern;
  String r;
  size_t from = 0;
  while (true) {
    size_t p = hay.find(needle, from);
    if (p == String::npos) break;
    r.append(s, from, p - from);
    r += newPattern;
    from = p + needle.size();
    if (!flags.Contains(rfReplaceAll)) break;
  }
  r.append(s, from, String::npos);
  return r;
}

String QuotedStr(const String& s) { return AnsiQuotedStr(s, L'\''); }

String AnsiQuotedStr(const String& s, Char quote) {
  String r(1, quote);
  for (Char c : s) {
    if (c == quote) r += quote;
    r += c;
  }
  r += quote;
  return r;
}

String AnsiDequotedStr(const String& s, Char quote) {
  if (s.size() < 2 || s.front() != quote) return s;
  String r;
  size_t i = 1;
  while (i < s.size()) {
    if (s[i] == quote) {
      if (i + 1 < s.size() && s[i + 1] == quote) {
        r += quote;
        i += 2;
        continue;
      }
      // The closing quote must end the text for it to count as quoted.
      return i + 1 == s.size() ? r : s;
    }
    r += s[i++];
  }
  return s;
}

// ---------------------------------------------------------------------------
// Integers

String IntToStr(Int64 value) { return std::to_wstring(value); }

String IntToHexImpl(UInt64 value, Integer digits) {
  static const wchar_t hex[] = L"0123456789ABCDEF";
  String r;
  do {
    r.insert(r.begin(), hex[value & 15]);
    value >>= 4;
  } while (value);
  if (digits > 0 && r.size() < size_t(digits)) r.insert(0, size_t(digits) - r.size(), L'0');
  return r;
}

namespace {

// Scans an integer as the platform does; `bits` is the width of the result.
// Returns the 1-based position of the first bad character, 0 on success.
Integer ScanInteger(const String& s, int bits, Int64& out) {
  out = 0;
  size_t i = 0, n = s.size();
  while (i < n && s[i] == L' ') ++i;
  bool neg = false;
  if (i < n && (s[i] == L'-' || s[i] == L'+')) neg = s[i++] == L'-';
  bool hex = false;
  if (i < n && (s[i] == L'$' || s[i] == L'x' || s[i] == L'X')) {
    hex = true;
    ++i;
  } else if (i + 1 < n && s[i] == L'0' && (s[i + 1] == L'x' || s[i + 1] == L'X')) {
    hex = true;
    i += 2;
  }
  const UInt64 umax = bits == 64 ? ~UInt64(0) : 0xFFFFFFFFull;
  const UInt64 smax = umax >> 1;
  // Hexadecimal may fill the unsigned range (giving a negative value);
  // decimal stays within the signed one.
  const UInt64 limit = hex ? umax : (neg ? smax + 1 : smax);
  UInt64 v = 0;
  size_t start = i;
  for (; i < n; ++i) {
    Char c = s[i];
    unsigned d;
    if (c >= L'0' && c <= L'9')
      d = c - L'0';
    else if (hex && c >= L'a' && c <= L'f')
      d = c - L'a' + 10;
    else if (hex && c >= L'A' && c <= L'F')
      d = c - L'A' + 10;
    else
      return Integer(i + 1);
    unsigned base = hex ? 16 : 10;
    if (v > (limit - d) / base) return Integer(i + 1);
    v = v * base + d;
  }
  if (i == start) return Integer(i + 1);
  if (bits == 32) {
    uint32_t u = uint32_t(v);
    if (neg) u = 0u - u;
    out = int32_t(u);
  } else {
    if (neg) v = 0 - v;
    out = Int64(v);
  }
  return 0;
}

[[noreturn]] void RaiseInteger(const String& s) {
  throw EConvertError(L"'" + s + L"' is not a valid integer value");
}

}  // namespace

void Val(const String& s, Integer& value, Integer& code) {
  Int64 v;
  code = ScanInteger(s, 32, v);
  value = code ? 0 : Integer(v);
}

void Val(const String& s, Int64& value, Integer& code) {
  Int64 v;
  code = ScanInteger(s, 64, v);
  value = code ? 0 : v;
}

bool TryStrToInt(const String& s, Integer& value) {
  Integer code;
  Val(s, value, code);
  return code == 0;
}

bool TryStrToInt64(const String& s, Int64& value) {
  Integer code;
  Val(s, value, code);
  return code == 0;
}

Integer StrToInt(const String& s) {
  Integer v;
  if (!TryStrToInt(s, v)) RaiseInteger(s);
  return v;
}

Int64 StrToInt64(const String& s) {
  Int64 v;
  if (!TryStrToInt64(s, v)) RaiseInteger(s);
  return v;
}

Integer StrToIntDef(const String& s, Integer def) {
  Integer v;
  return TryStrToInt(s, v) ? v : def;
}

Int64 StrToInt64Def(const String& s, Int64 def) {
  Int64 v;
  return TryStrToInt64(s, v) ? v : def;
}

// ---------------------------------------------------------------------------
// Floating point: scanning

namespace {

// Scans [sign] digits [point digits] [e [sign] digits] from `s` at `i`,
// where `point` is the decimal separator. Returns false with `i` at the
// first character that does not fit; `num` receives the number in C form.
bool ScanFloat(const String& s, size_t& i, Char point, std::string& num) {
  size_t n = s.size();
  if (i < n && (s[i] == L'+' || s[i] == L'-')) {
    if (s[i] == L'-') num += '-';
    ++i;
  }
  size_t digits = 0;
  while (i < n && s[i] >= L'0' && s[i] <= L'9') {
    num += char(s[i++]);
    ++digits;
  }
  if (i < n && s[i] == point) {
    num += '.';
    ++i;
    while (i < n && s[i] >= L'0' && s[i] <= L'9') {
      num += char(s[i++]);
      ++digits;
    }
  }
  if (!digits) return false;
  if (i < n && (s[i] == L'e' || s[i] == L'E')) {
    num += 'e';
    ++i;
    if (i < n && (s[i] == L'+' || s[i] == L'-')) num += char(s[i++]);
    size_t e = 0;
    while (i < n && s[i] >= L'0' && s[i] <= L'9') {
      num += char(s[i++]);
      ++e;
    }
    if (!e) return false;
  }
  return true;
}

bool ConvertFloat(const std::string& num, double& value) {
  const char* b = num.data();
  if (*b == '-') {
    auto [p, ec] = std::from_chars(b + 1, b + num.size(), value);
    if (ec != std::errc() || p != b + num.size()) return false;
    value = -value;
    return true;
  }
  auto [p, ec] = std::from_chars(b, b + num.size(), value);
  return ec == std::errc() && p == b + num.size();
}

}  // namespace

void Val(const String& s, double& value, Integer& code) {
  value = 0;
  size_t i = 0;
  while (i < s.size() && s[i] == L' ') ++i;
  std::string num;
  if (!ScanFloat(s, i, L'.', num) || i < s.size()) {
    code = Integer(i + 1);
    return;
  }
  double v;
  if (!ConvertFloat(num, v)) {
    code = Integer(s.size());
    return;
  }
  value = v;
  code = 0;
}

bool TryStrToFloat(const String& s, double& value, const TFormatSettings& fs) {
  String t = Trim(s);
  size_t i = 0;
  std::string num;
  if (!ScanFloat(t, i, fs.DecimalSeparator, num) || i < t.size()) return false;
  double v;
  if (!ConvertFloat(num, v)) return false;
  value = v;
  return true;
}

bool TryStrToFloat(const String& s, double& value) {
  return TryStrToFloat(s, value, FormatSettings());
}

double StrToFloat(const String& s, const TFormatSettings& fs) {
  double v;
  if (!TryStrToFloat(s, v, fs))
    throw EConvertError(L"'" + s + L"' is not a valid floating point value");
  return v;
}

double StrToFloat(const String& s) { return StrToFloat(s, FormatSettings()); }

double StrToFloatDef(const String& s, double def, const TFormatSettings& fs) {
  double v;
  return TryStrToFloat(s, v, fs) ? v : def;
}

double StrToFloatDef(const String& s, double def) {
  return StrToFloatDef(s, def, FormatSettings());
}

// ---------------------------------------------------------------------------
// Floating point: decimal digits

namespace {

// value = 0.D1D2D3... * 10^Exponent; Digits hold no trailing zeros and are
// empty for zero.
struct TFloatRec {
  int Exponent = 0;
  bool Negative = false;
  std::string Digits;
};

// Rounds to at most `precision` significant digits and `decimals` digits
// after the point. Like the platform, the value is first taken to 18
// significant digits and then rounded half away from zero.
TFloatRec FloatToDecimal(double v, int precision, int decimals) {
  TFloatRec r;
  if (precision > 18) precision = 18;
  if (precision < 1) precision = 1;
  r.Negative = std::signbit(v);
  if (v == 0) return r;
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, 17);
  *res.ptr = 0;
  std::string digits;
  char* p = buf;
  for (; *p && *p != 'e'; ++p)
    if (*p >= '0' && *p <= '9') digits += *p;
  int exp10 = std::atoi(p + 1);
  r.Exponent = exp10 + 1;
  long keep = precision;
  if (decimals < 9999 && long(r.Exponent) + decimals < keep) keep = long(r.Exponent) + decimals;
  if (keep < 0) {
    r.Exponent = 0;
    return r;
  }
  bool up = size_t(keep) < digits.size() && digits[size_t(keep)] >= '5';
  digits.resize(size_t(keep) < digits.size() ? size_t(keep) : digits.size());
  if (up) {
    int k = int(digits.size()) - 1;
    while (k >= 0 && digits[size_t(k)] == '9') digits[size_t(k--)] = '0';
    if (k >= 0)
      ++digits[size_t(k)];
    else {
      digits.insert(digits.begin(), '1');
      ++r.Exponent;
      digits.pop_back();
      if (digits.empty()) digits = "1";
    }
  }
  while (!digits.empty() && digits.back() == '0') digits.pop_back();
  if (digits.empty()) r.Exponent = 0;
  r.Digits = digits;
  return r;
}

void AppendDigits(String& out, const std::string& d) {
  for (char c : d) out += Char(c);
}

// Digits of the integer part, at least "0".
std::string IntPart(const TFloatRec& r) {
  if (r.Exponent <= 0) return "0";
  std::string s = r.Digits.substr(0, size_t(r.Exponent) < r.Digits.size() ? size_t(r.Exponent)
                                                                          : r.Digits.size());
  s.resize(size_t(r.Exponent), '0');
  return s;
}

// `count` digits after the point, padded with zeros.
std::string FracPart(const TFloatRec& r, int count) {
  std::string s;
  for (int k = 0; k < count; ++k) {
    int idx = r.Exponent + k;
    s += idx >= 0 && size_t(idx) < r.Digits.size() ? r.Digits[size_t(idx)] : '0';
  }
  return s;
}

String Grouped(const std::string& digits, Char sep) {
  String r;
  size_t n = digits.size();
  for (size_t k = 0; k < n; ++k) {
    r += Char(digits[k]);
    size_t left = n - 1 - k;
    if (sep && left > 0 && left % 3 == 0) r += sep;
  }
  return r;
}

String ExponentText(int e, int minDigits, bool plus) {
  String r;
  if (e < 0)
    r += L'-';
  else if (plus)
    r += L'+';
  String d = std::to_wstring(e < 0 ? -e : e);
  if (int(d.size()) < minDigits) d.insert(0, size_t(minDigits) - d.size(), L'0');
  return r + d;
}

String GeneralText(double v, int precision, int digits, const TFormatSettings& fs) {
  TFloatRec r = FloatToDecimal(v, precision, 9999);
  if (r.Digits.empty()) return L"0";
  if (digits > 4) digits = 4;
  String out = r.Negative ? L"-" : L"";
  if (r.Exponent <= precision && r.Exponent >= -4) {
    std::string ip = IntPart(r);
    AppendDigits(out, ip);
    int fracCount = int(r.Digits.size()) - r.Exponent;
    if (fracCount > 0) {
      out += fs.DecimalSeparator;
      AppendDigits(out, FracPart(r, fracCount));
    }
    return out;
  }
  out += Char(r.Digits[0]);
  if (r.Digits.size() > 1) {
    out += fs.DecimalSeparator;
    AppendDigits(out, r.Digits.substr(1));
  }
  out += L'E';
  out += ExponentText(r.Exponent - 1, digits, false);
  return out;
}

String CurrencyText(const String& num, bool neg, const TFormatSettings& fs) {
  const String& c = fs.CurrencyString;
  if (!neg) {
    switch (fs.CurrencyFormat) {
      case 1: return num + c;
      case 2: return c + L" " + num;
      case 3: return num + L" " + c;
      default: return c + num;
    }
  }
  switch (fs.NegCurrFormat) {
    case 1: return L"-" + c + num;
    case 2: return c + L"-" + num;
    case 3: return c + num + L"-";
    case 4: return L"(" + num + c + L")";
    case 5: return L"-" + num + c;
    case 6: return num + L"-" + c;
    case 7: return num + c + L"-";
    case 8: return L"-" + num + L" " + c;
    case 9: return L"-" + c + L" " + num;
    case 10: return num + L" " + c + L"-";
    case 11: return c + L" " + num + L"-";
    case 12: return c + L" -" + num;
    case 13: return num + L"- " + c;
    case 14: return L"(" + c + L" " + num + L")";
    case 15: return L"(" + num + L" " + c + L")";
    default: return L"(" + c + num + L")";
  }
}

}  // namespace

String FloatToStrF(double v, TFloatFormat format, Integer precision, Integer digits,
                   const TFormatSettings& fs) {
  if (std::isnan(v)) return L"NAN";
  if (std::isinf(v)) return v > 0 ? L"INF" : L"-INF";
  if (precision > 18) precision = 18;
  if (precision < 1) precision = 1;
  if (digits < 0) digits = 0;
  switch (format) {
    case ffGeneral:
      return GeneralText(v, precision, digits, fs);
    case ffExponent: {
      TFloatRec r = FloatToDecimal(v, precision, 9999);
      String out = (r.Negative && !r.Digits.empty()) ? L"-" : L"";
      std::string d = r.Digits;
      d.resize(size_t(precision), '0');
      out += Char(d[0]);
      if (precision > 1) {
        out += fs.DecimalSeparator;
        AppendDigits(out, d.substr(1));
      }
      out += L'E';
      out += ExponentText(r.Digits.empty() ? 0 : r.Exponent - 1, digits > 4 ? 4 : digits, true);
      return out;
    }
    default: {
      if (digits > 18) digits = 18;
      TFloatRec r = FloatToDecimal(v, format == ffCurrency ? 18 : precision, digits);
      if (r.Exponent > precision && format != ffCurrency)
        return GeneralText(v, precision, 0, fs);
      bool neg = r.Negative && !r.Digits.empty();
      String num;
      std::string ip = IntPart(r);
      if (format == ffFixed) {
        AppendDigits(num, ip);
      } else {
        num = Grouped(ip, fs.ThousandSeparator);
      }
      if (digits > 0) {
        num += fs.DecimalSeparator;
        AppendDigits(num, FracPart(r, digits));
      }
      if (format == ffCurrency) return CurrencyText(num, neg, fs);
      return neg ? L"-" + num : num;
    }
  }
}

String FloatToStrF(double value, TFloatFormat format, Integer precision, Integer digits) {
  return FloatToStrF(value, format, precision, digits, FormatSettings());
}

String FloatToStr(double value, const TFormatSettings& fs) {
  return FloatToStrF(value, ffGeneral, 15, 0, fs);
}

String FloatToStr(double value) { return FloatToStr(value, FormatSettings()); }

String CurrToStr(Currency value) { return FloatToStrF(value, ffGeneral, 15, 0); }

String CurrToStrF(Currency value, TFloatFormat format, Integer digits) {
  return FloatToStrF(value, format, 18, digits);
}

// ---------------------------------------------------------------------------
// FormatFloat

namespace {

std::vector<String> SplitSections(const String& f) {
  std::vector<String> secs(1);
  for (size_t i = 0; i < f.size(); ++i) {
    Char c = f[i];
    if (c == L'"' || c == L'\'') {
      size_t j = f.find(c, i + 1);
      if (j == String::npos) j = f.size() - 1;
      secs.back().append(f, i, j - i + 1);
      i = j;
    } else if (c == L';') {
      if (secs.size() == 3) break;
      secs.emplace_back();
    } else {
      secs.back() += c;
    }
  }
  return secs;
}

struct TSectionInfo {
  int IntCount = 0;     // '0' and '#' before the point
  int FirstZero = -1;   // index of the first '0' among them
  bool HasPoint = false;
  int DecMin = 0;       // decimals up to the last '0'
  int DecMax = 0;       // every decimal placeholder
  bool Thousands = false;
  bool Scientific = false;
};

TSectionInfo Analyse(const String& sec) {
  TSectionInfo a;
  for (size_t i = 0; i < sec.size(); ++i) {
    Char c = sec[i];
    if (c == L'"' || c == L'\'') {
      size_t j = sec.find(c, i + 1);
      i = j == String::npos ? sec.size() : j;
    } else if (c == L'0' || c == L'#') {
      if (!a.HasPoint) {
        if (c == L'0' && a.FirstZero < 0) a.FirstZero = a.IntCount;
        ++a.IntCount;
      } else {
        ++a.DecMax;
        if (c == L'0') a.DecMin = a.DecMax;
      }
    } else if (c == L'.') {
      a.HasPoint = true;
    } else if (c == L',') {
      a.Thousands = true;
    } else if ((c == L'E' || c == L'e') && i + 1 < sec.size() &&
               (sec[i + 1] == L'+' || sec[i + 1] == L'-')) {
      a.Scientific = true;
      break;
    }
  }
  return a;
}

// Renders one section for a non-negative value already split into digits.
String RenderSection(const String& sec, const TSectionInfo& a, const TFloatRec& r,
                     bool minus, const TFormatSettings& fs) {
  std::string intDigits, fracDigits;
  int expValue = 0;
  if (a.Scientific) {
    int prec = a.IntCount + a.DecMax;
    std::string d = r.Digits;
    d.resize(size_t(prec < 1 ? 1 : prec), '0');
    intDigits = d.substr(0, size_t(a.IntCount));
    fracDigits = d.substr(size_t(a.IntCount));
    expValue = r.Digits.empty() ? 0 : r.Exponent - a.IntCount;
  } else {
    intDigits = r.Exponent > 0 ? IntPart(r) : "";
    fracDigits = FracPart(r, a.DecMax);
    int minInt = a.FirstZero >= 0 ? a.IntCount - a.FirstZero : 0;
    if (int(intDigits.size()) < minInt) intDigits.insert(0, size_t(minInt) - intDigits.size(), '0');
  }
  while (int(fracDigits.size()) > a.DecMin && fracDigits.back() == '0') fracDigits.pop_back();

  String out = minus ? L"-" : L"";
  const Char sep = a.Thousands && !a.Scientific ? fs.ThousandSeparator : 0;
  const int L = int(intDigits.size());
  int intSeen = 0, fracSeen = 0;
  bool intDone = false, pointSeen = false;
  auto emitInt = [&](int pos) {  // pos counts from the left of intDigits
    out += Char(intDigits[size_t(pos)]);
    int right = L - 1 - pos;
    if (sep && right > 0 && right % 3 == 0) out += sep;
  };
  auto emitExcess = [&]() {
    if (intDone) return;
    intDone = true;
    for (int k = 0; k < L - a.IntCount; ++k) emitInt(k);
  };
  for (size_t i = 0; i < sec.size(); ++i) {
    Char c = sec[i];
    if (c == L'"' || c == L'\'') {
      size_t j = sec.find(c, i + 1);
      if (j == String::npos) j = sec.size();
      out.append(sec, i + 1, j - i - 1);
      i = j;
    } else if ((c == L'0' || c == L'#') && !pointSeen) {
      emitExcess();
      // Placeholders after an exponent were not counted among the
      // integer digits: they have no digit to show.
      int fromRight = a.IntCount - 1 - intSeen++;
      if (fromRight >= 0 && fromRight < L) emitInt(L - 1 - fromRight);
    } else if ((c == L'0' || c == L'#')) {
      if (fracSeen < int(fracDigits.size())) out += Char(fracDigits[size_t(fracSeen)]);
      ++fracSeen;
    } else if (c == L'.') {
      if (pointSeen) continue;
      emitExcess();
      pointSeen = true;
      if (!fracDigits.empty()) out += fs.DecimalSeparator;
    } else if (c == L',') {
      // Thousands separators come from the digits, not from the commas.
    } else if (a.Scientific && (c == L'E' || c == L'e') && i + 1 < sec.size() &&
               (sec[i + 1] == L'+' || sec[i + 1] == L'-')) {
      emitExcess();
      bool plus = sec[i + 1] == L'+';
      i += 2;
      int zeros = 0;
      while (i < sec.size() && sec[i] == L'0') {
        ++zeros;
        ++i;
      }
      --i;
      out += c;
      out += ExponentText(expValue, zeros > 4 ? 4 : zeros, plus);
    } else {
      out += c;
    }
  }
  emitExcess();
  return out;
}

}  // namespace

String FormatFloat(const String& format, double value, const TFormatSettings& fs) {
  if (std::isnan(value) || std::isinf(value) || format.empty())
    return FloatToStrF(value, ffGeneral, 15, 0, fs);
  std::vector<String> secs = SplitSections(format);
  auto sectionAt = [&](size_t k) -> const String* {
    return k < secs.size() && !secs[k].empty() ? &secs[k] : nullptr;
  };
  size_t chosen = 0;
  if (value < 0 && sectionAt(1))
    chosen = 1;
  else if (value == 0 && sectionAt(2))
    chosen = 2;
  if (!sectionAt(chosen) && !sectionAt(0)) return FloatToStrF(value, ffGeneral, 15, 0, fs);
  const String* sec = sectionAt(chosen) ? sectionAt(chosen) : sectionAt(0);
  TSectionInfo a = Analyse(*sec);
  double mag = std::fabs(value);
  TFloatRec r = a.Scientific ? FloatToDecimal(mag, a.IntCount + a.DecMax, 9999)
                             : FloatToDecimal(mag, 18, a.DecMax);
  if (!a.Scientific && r.Exponent > 18) return FloatToStrF(value, ffGeneral, 15, 0, fs);
  if (r.Digits.empty() && chosen != 2 && sectionAt(2)) {
    // A value that rounds to zero takes the zero section.
    sec = sectionAt(2);
    a = Analyse(*sec);
    r = TFloatRec();
    chosen = 2;
  }
  bool minus = value < 0 && chosen == 0 && !r.Digits.empty();
  return RenderSection(*sec, a, r, minus, fs);
}

String FormatFloat(const String& format, double value) {
  return FormatFloat(format, value, FormatSettings());
}

// ---------------------------------------------------------------------------
// Format

namespace {

[[noreturn]] void RaiseFormat(const String& format) {
  throw EConvertError(L"Format '" + format + L"' invalid or incompatible with argument");
}

constexpr Int64 MaxFormatWidth = 1 << 20;

String PadDigits(String digits, int precision) {
  if (precision > 0 && int(digits.size()) < precision)
    digits.insert(0, size_t(precision) - digits.size(), L'0');
  return digits;
}

}  // namespace

String FormatArgs(const String& format, const TVarRec* args, size_t count,
                  const TFormatSettings& fs) {
  String out;
  size_t argIndex = 0;
  const size_t n = format.size();
  size_t i = 0;
  auto nextArg = [&]() -> const TVarRec& {
    if (argIndex >= count)
      throw EConvertError(L"No argument for format '" + format + L"'");
    return args[argIndex++];
  };
  // A number or "*" (taken from the arguments); -1 when absent. A width or
  // precision beyond MaxFormatWidth cannot be meant for a text and would
  // have the call fill memory: it is a bad format.
  auto number = [&]() -> int {
    if (i < n && format[i] == L'*') {
      ++i;
      const TVarRec& a = nextArg();
      if (a.Kind != TVarRec::vtInteger || a.I > MaxFormatWidth) RaiseFormat(format);
      return int(a.I);
    }
    if (i >= n || format[i] < L'0' || format[i] > L'9') return -1;
    Int64 v = 0;
    while (i < n && format[i] >= L'0' && format[i] <= L'9') {
      v = v * 10 + (format[i++] - L'0');
      if (v > MaxFormatWidth) RaiseFormat(format);
    }
    return int(v);
  };
  while (i < n) {
    Char c = format[i++];
    if (c != L'%') {
      out += c;
      continue;
    }
    if (i < n && format[i] == L'%') {
      out += L'%';
      ++i;
      continue;
    }
    bool left = false;
    int width = -1, prec = -1;
    int first = -1;
    if (i < n && format[i] == L'-') {
      left = true;
      ++i;
    } else {
      first = number();
      if (i < n && format[i] == L':') {
        ++i;
        if (first < 0) first = 0;
        argIndex = size_t(first);
        first = -1;
        if (i < n && format[i] == L'-') {
          left = true;
          ++i;
        }
      }
    }
    width = first >= 0 ? first : number();
    if (i < n && format[i] == L'.') {
      ++i;
      prec = number();
      if (prec < 0) prec = 0;
    }
    if (i >= n) RaiseFormat(format);
    Char type = format[i++];
    if (type >= L'a' && type <= L'z') type = Char(type - 32);
    const TVarRec& a = nextArg();
    bool isInt = a.Kind == TVarRec::vtInteger || a.Kind == TVarRec::vtInt64;
    bool isFloat = a.Kind == TVarRec::vtExtended || a.Kind == TVarRec::vtCurrency;
    String piece;
    switch (type) {
      case L'D': {
        if (!isInt) RaiseFormat(format);
        Int64 v = a.I;
        UInt64 mag = v < 0 ? UInt64(0) - UInt64(v) : UInt64(v);
        piece = PadDigits(std::to_wstring(mag), prec);
        if (v < 0) piece.insert(0, 1, L'-');
        break;
      }
      case L'U': {
        if (!isInt) RaiseFormat(format);
        UInt64 v = a.Kind == TVarRec::vtInteger ? UInt64(uint32_t(a.I)) : UInt64(a.I);
        piece = PadDigits(std::to_wstring(v), prec);
        break;
      }
      case L'X': {
        if (!isInt) RaiseFormat(format);
        UInt64 v = a.Kind == TVarRec::vtInteger ? UInt64(uint32_t(a.I)) : UInt64(a.I);
        piece = PadDigits(IntToHexImpl(v, 0), prec);
        break;
      }
      case L'E':
        if (!isFloat) RaiseFormat(format);
        piece = FloatToStrF(a.F, ffExponent, prec < 0 ? 15 : prec, 3, fs);
        break;
      case L'F':
        if (!isFloat) RaiseFormat(format);
        piece = FloatToStrF(a.F, ffFixed, 18, prec < 0 ? 2 : prec, fs);
        break;
      case L'G':
        if (!isFloat) RaiseFormat(format);
        piece = FloatToStrF(a.F, ffGeneral, prec < 0 ? 15 : prec, 3, fs);
        break;
      case L'N':
        if (!isFloat) RaiseFormat(format);
        piece = FloatToStrF(a.F, ffNumber, 18, prec < 0 ? 2 : prec, fs);
        break;
      case L'M':
        if (!isFloat) RaiseFormat(format);
        piece = FloatToStrF(a.F, ffCurrency, 18, prec < 0 ? fs.CurrencyDecimals : prec, fs);
        break;
      case L'P':
        if (a.Kind != TVarRec::vtPointer) RaiseFormat(format);
        piece = IntToHexImpl(UInt64(reinterpret_cast<uintptr_t>(a.P)), int(sizeof(void*) * 2));
        break;
      case L'S':
        if (a.Kind == TVarRec::vtString)
          piece = a.S;
        else if (a.Kind == TVarRec::vtChar)
          piece = String(1, a.C);
        else
          RaiseFormat(format);
        if (prec >= 0 && size_t(prec) < piece.size()) piece.resize(size_t(prec));
        break;
      default:
        RaiseFormat(format);
    }
    if (width > 0 && piece.size() < size_t(width)) {
      size_t pad = size_t(width) - piece.size();
      if (left)
        piece.append(pad, L' ');
      else
        piece.insert(0, pad, L' ');
    }
    out += piece;
  }
  return out;
}

String Format(const String& format, std::initializer_list<TVarRec> args) {
  return FormatArgs(format, args.begin(), args.size(), FormatSettings());
}

String Format(const String& format, std::initializer_list<TVarRec> args,
              const TFormatSettings& fs) {
  return FormatArgs(format, args.begin(), args.size(), fs);
}

// ---------------------------------------------------------------------------
// Code pages

namespace {

std::string ToMultiByte(const String& s, UINT cp) {
  if (s.empty()) return std::string();
  int n = WideCharToMultiByte(cp, 0, s.data(), int(s.size()), nullptr, 0, nullptr, nullptr);
  std::string r(size_t(n), '\0');
  WideCharToMultiByte(cp, 0, s.data(), int(s.size()), r.data(), n, nullptr, nullptr);
  return r;
}

String FromMultiByte(const std::string& s, UINT cp) {
  if (s.empty()) return String();
  int n = MultiByteToWideChar(cp, 0, s.data(), int(s.size()), nullptr, 0);
  String r(size_t(n), L'\0');
  MultiByteToWideChar(cp, 0, s.data(), int(s.size()), r.data(), n);
  return r;
}

}  // namespace

UTF8String UTF8Encode(const String& s) { return ToMultiByte(s, CP_UTF8); }
String UTF8Decode(const UTF8String& s) { return FromMultiByte(s, CP_UTF8); }
String UTF8ToString(const UTF8String& s) { return FromMultiByte(s, CP_UTF8); }
String AnsiToString(const std::string& s, Cardinal codePage) { return FromMultiByte(s, codePage); }
std::string StringToAnsi(const String& s, Cardinal codePage) { return ToMultiByte(s, codePage); }

// ---------------------------------------------------------------------------
// Files

namespace {

bool IsPathDelim(Char c) { return c == L'\\' || c == L'/'; }

// Index just past the last path or drive delimiter.
size_t NameStart(const String& f) {
  size_t k = f.size();
  while (k > 0 && !IsPathDelim(f[k - 1]) && f[k - 1] != L':') --k;
  return k;
}

size_t ExtStart(const String& f) {
  size_t start = NameStart(f);
  size_t dot = f.rfind(L'.');
  return dot == String::npos || dot < start ? f.size() : dot;
}

}  // namespace

String ExtractFilePath(const String& fileName) { return fileName.substr(0, NameStart(fileName)); }

String ExtractFileDir(const String& fileName) {
  size_t k = NameStart(fileName);
  // Keep the root's delimiter ("C:\") so the result still names the root.
  if (k > 1 && IsPathDelim(fileName[k - 1]) && fileName[k - 2] != L':' &&
      !IsPathDelim(fileName[k - 2]))
    --k;
  return fileName.substr(0, k);
}

String ExtractFileName(const String& fileName) { return fileName.substr(NameStart(fileName)); }

String ExtractFileExt(const String& fileName) { return fileName.substr(ExtStart(fileName)); }

String ChangeFileExt(const String& fileName, const String& extension) {
  return fileName.substr(0, ExtStart(fileName)) + extension;
}

String IncludeTrailingPathDelimiter(const String& s) {
  if (!s.empty() && IsPathDelim(s.back())) return s;
  return s + L'\\';
}

String ExcludeTrailingPathDelimiter(const String& s) {
  if (!s.empty() && IsPathDelim(s.back())) return s.substr(0, s.size() - 1);
  return s;
}

bool FileExists(const String& fileName) {
  DWORD a = GetFileAttributesW(fileName.c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const String& dir) {
  DWORD a = GetFileAttributesW(dir.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool ForceDirectories(const String& dir) {
  String d = ExcludeTrailingPathDelimiter(dir);
  if (d.empty()) return false;
  if (DirectoryExists(d)) return true;
  String parent = ExtractFilePath(d);
  // Stop at a root ("C:\", "\\server\share\") that cannot be created.
  if (!parent.empty() && parent.size() < d.size() && ExcludeTrailingPathDelimiter(parent) != d &&
      !(parent.size() <= 3 && parent.find(L':') != String::npos) &&
      !DirectoryExists(parent) && !ForceDirectories(parent))
    return false;
  return CreateDirectoryW(d.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

bool DeleteFile(const String& fileName) { return DeleteFileW(fileName.c_str()) != 0; }

String GetCurrentDir() {
  DWORD n = GetCurrentDirectoryW(0, nullptr);
  String r(n, L'\0');
  n = GetCurrentDirectoryW(n, r.data());
  r.resize(n);
  return r;
}

namespace {

// Splits the command line as the platform does: blanks separate, double
// quotes group and are dropped.
std::vector<String> CommandLineArgs() {
  std::vector<String> args;
  const wchar_t* p = GetCommandLineW();
  while (*p) {
    while (*p && *p <= L' ') ++p;
    if (!*p) break;
    String a;
    bool quoted = false;
    while (*p && (quoted || *p > L' ')) {
      if (*p == L'"')
        quoted = !quoted;
      else
        a += *p;
      ++p;
    }
    args.push_back(a);
  }
  return args;
}

}  // namespace

String ParamStr(Integer index) {
  if (index == 0) {
    String r(MAX_PATH, L'\0');
    while (true) {
      DWORD n = GetModuleFileNameW(nullptr, r.data(), DWORD(r.size()));
      if (n < r.size()) {
        r.resize(n);
        return r;
      }
      r.resize(r.size() * 2);
    }
  }
  std::vector<String> args = CommandLineArgs();
  return index > 0 && size_t(index) < args.size() ? args[size_t(index)] : String();
}

Integer ParamCount() {
  size_t n = CommandLineArgs().size();
  return n > 0 ? Integer(n - 1) : 0;
}

String SysErrorMessage(Cardinal errorCode) {
  wchar_t* buf = nullptr;
  DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                               FORMAT_MESSAGE_IGNORE_INSERTS,
                           nullptr, errorCode, 0, reinterpret_cast<wchar_t*>(&buf), 0, nullptr);
  String r = n && buf ? String(buf, n) : String();
  if (buf) LocalFree(buf);
  return TrimRight(r);
}

}  // namespace jorv
