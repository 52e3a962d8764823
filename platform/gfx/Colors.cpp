#include "platform/gfx/Colors.h"

#include <cwchar>
#include <cwctype>
#include "platform/rtl/Exceptions.h"

namespace jorv {

namespace {

struct TIdentMapEntry {
  TColor Value;
  const wchar_t* Name;
};

// Earlier entries win when two names share a value, so the short names
// come before the web names.
const TIdentMapEntry Colors[] = {
    {clBlack, L"clBlack"},
    {clMaroon, L"clMaroon"},
    {clGreen, L"clGreen"},
    {clOlive, L"clOlive"},
    {clNavy, L"clNavy"},
    {clPurple, L"clPurple"},
    {clTeal, L"clTeal"},
    {clGray, L"clGray"},
    {clSilver, L"clSilver"},
    {clRed, L"clRed"},
    {clLime, L"clLime"},
    {clYellow, L"clYellow"},
    {clBlue, L"clBlue"},
    {clFuchsia, L"clFuchsia"},
    {clAqua, L"clAqua"},
    {clWhite, L"clWhite"},
    {clMoneyGreen, L"clMoneyGreen"},
    {clSkyBlue, L"clSkyBlue"},
    {clCream, L"clCream"},
    {clMedGray, L"clMedGray"},
    {clActiveBorder, L"clActiveBorder"},
    {clActiveCaption, L"clActiveCaption"},
    {clAppWorkSpace, L"clAppWorkSpace"},
    {clBackground, L"clBackground"},
    {clBtnFace, L"clBtnFace"},
    {clBtnHighlight, L"clBtnHighlight"},
    {clBtnShadow, L"clBtnShadow"},
    {clBtnText, L"clBtnText"},
    {clCaptionText, L"clCaptionText"},
    {clDefault, L"clDefault"},
    {clGradientActiveCaption, L"clGradientActiveCaption"},
    {clGradientInactiveCaption, L"clGradientInactiveCaption"},
    {clGrayText, L"clGrayText"},
    {clHighlight, L"clHighlight"},
    {clHighlightText, L"clHighlightText"},
    {clHotLight, L"clHotLight"},
    {clInactiveBorder, L"clInactiveBorder"},
    {clInactiveCaption, L"clInactiveCaption"},
    {clInactiveCaptionText, L"clInactiveCaptionText"},
    {clInfoBk, L"clInfoBk"},
    {clInfoText, L"clInfoText"},
    {clMenu, L"clMenu"},
    {clMenuBar, L"clMenuBar"},
    {clMenuHighlight, L"clMenuHighlight"},
    {clMenuText, L"clMenuText"},
    {clNone, L"clNone"},
    {clScrollBar, L"clScrollBar"},
    {cl3DDkShadow, L"cl3DDkShadow"},
    {cl3DLight, L"cl3DLight"},
    {clWindow, L"clWindow"},
    {clWindowFrame, L"clWindowFrame"},
    {clWindowText, L"clWindowText"},
#define JORV_WEB(name, rrggbb) {clWeb##name, L"clWeb" #name},
#include "platform/gfx/WebColors.inc"
#undef JORV_WEB
};

bool SameText(const wchar_t* a, const String& b) {
  size_t n = std::wcslen(a);
  if (n != b.size()) return false;
  for (size_t i = 0; i < n; ++i)
    if (std::towlower(a[i]) != std::towlower(b[i])) return false;
  return true;
}

// The platform's integer syntax: optional sign, then decimal digits or
// "$"/"0x" followed by hexadecimal digits; the value must fit 32 bits.
bool TryParseInteger(const String& text, Integer& value) {
  size_t i = 0, n = text.size();
  while (i < n && text[i] == L' ') ++i;
  while (n > i && text[n - 1] == L' ') --n;
  bool negative = false;
  if (i < n && (text[i] == L'-' || text[i] == L'+')) negative = text[i++] == L'-';
  unsigned base = 10;
  if (i < n && text[i] == L'$') {
    base = 16;
    ++i;
  } else if (i + 1 < n && text[i] == L'0' && (text[i + 1] == L'x' || text[i + 1] == L'X')) {
    base = 16;
    i += 2;
  }
  if (i >= n) return false;
  uint64_t v = 0;
  for (; i < n; ++i) {
    wchar_t c = text[i];
    unsigned d;
    if (c >= L'0' && c <= L'9') d = c - L'0';
    else if (base == 16 && c >= L'a' && c <= L'f') d = c - L'a' + 10;
    else if (base == 16 && c >= L'A' && c <= L'F') d = c - L'A' + 10;
    else return false;
    v = v * base + d;
    if (v > 0xFFFFFFFFull) return false;
  }
  // Hexadecimal spans the full 32 bits (system colours); decimal must fit
  // a signed integer.
  if (base == 10 && v > (negative ? 0x80000000ull : 0x7FFFFFFFull)) return false;
  uint32_t bits = uint32_t(v);
  value = Integer(negative ? uint32_t(0) - bits : bits);
  return true;
}

}  // namespace

TColor ColorToRGB(TColor Color) {
  if (Color < 0) return TColor(GetSysColor(Color & 0xFF));
  return Color;
}

String ColorToWebColorName(TColor Color) {
  struct TWebColor {
    TColor Value;
    const wchar_t* Name;
  };
  static constexpr TWebColor WebColors[] = {
#define JORV_WEB(name, rrggbb) {clWeb##name, L"clWeb" #name},
#include "platform/gfx/WebColors.inc"
#undef JORV_WEB
  };
  for (const TWebColor& Entry : WebColors)
    if (Entry.Value == Color) return Entry.Name;
  wchar_t Text[8];
  swprintf(Text, 8, L"#%02X%02X%02X", GetRValue(Color), GetGValue(Color), GetBValue(Color));
  return Text;
}

bool ColorToIdent(Integer Color, String& Ident) {
  for (const auto& e : Colors)
    if (e.Value == Color) {
      Ident = e.Name;
      return true;
    }
  return false;
}

bool IdentToColor(const String& Ident, Integer& Color) {
  for (const auto& e : Colors)
    if (SameText(e.Name, Ident)) {
      Color = e.Value;
      return true;
    }
  return false;
}

String ColorToString(TColor Color) {
  String s;
  if (ColorToIdent(Color, s)) return s;
  wchar_t buf[16];
  std::swprintf(buf, 16, L"$%.8X", unsigned(Color));
  return buf;
}

TColor StringToColor(const String& S) {
  Integer c;
  if (IdentToColor(S, c) || TryParseInteger(S, c)) return c;
  throw EConvertError(L"'" + S + L"' is not a valid integer value");
}

}  // namespace jorv
