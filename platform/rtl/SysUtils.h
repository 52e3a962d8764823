#pragma once
// Strings with 1-based positions, number conversion and formatting, code
// pages and file names.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <type_traits>
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Types.h"

namespace jorv {

// ---- Positions, copies and edits (1-based; 0 means "not found") ----
Integer Pos(const String& substr, const String& s);
Integer Pos(Char c, const String& s);
Integer PosEx(const String& substr, const String& s, Integer offset = 1);
String Copy(const String& s, Integer index, Integer count = INT32_MAX);
void Delete(String& s, Integer index, Integer count);
void Insert(const String& substr, String& s, Integer index);
String Trim(const String& s);
String TrimLeft(const String& s);
String TrimRight(const String& s);
String StringOfChar(Char c, Integer count);

// ---- Case and comparison ----
String UpperCase(const String& s);  // ASCII letters only
String LowerCase(const String& s);
String AnsiUpperCase(const String& s);  // every letter, by the user's locale
String AnsiLowerCase(const String& s);
Integer CompareStr(const String& a, const String& b);   // ordinal
Integer CompareText(const String& a, const String& b);  // ordinal, ASCII case folded
bool SameText(const String& a, const String& b);
bool SameStr(const String& a, const String& b);
Integer AnsiCompareStr(const String& a, const String& b);  // locale order
Integer AnsiCompareText(const String& a, const String& b);
bool AnsiSameText(const String& a, const String& b);
bool AnsiSameStr(const String& a, const String& b);

enum TReplaceFlag : uint8_t { rfReplaceAll, rfIgnoreCase };
using TReplaceFlags = TSet<TReplaceFlag>;
String StringReplace(const String& s, const String& oldPattern, const String& newPattern,
                     TReplaceFlags flags = TReplaceFlags());

String QuotedStr(const String& s);
String AnsiQuotedStr(const String& s, Char quote);
// The text between the quotes with doubled quotes made single; a text that is
// not one whole quoted string comes back unchanged.
String AnsiDequotedStr(const String& s, Char quote);

// ---- Integers ----
String IntToStr(Int64 value);
// Hexadecimal, upper case, at least `digits` digits; negative values show
// their two's complement in the width of their own type.
String IntToHexImpl(UInt64 value, Integer digits);
template <typename T, std::enable_if_t<std::is_integral_v<T>, int> = 0>
String IntToHex(T value, Integer digits) {
  if constexpr (sizeof(T) <= 4)
    return IntToHexImpl(static_cast<uint32_t>(value), digits);
  else
    return IntToHexImpl(static_cast<UInt64>(value), digits);
}
// Decimal or hexadecimal ("$1F", "0x1F") after optional blanks and a sign.
Integer StrToInt(const String& s);
Int64 StrToInt64(const String& s);
Integer StrToIntDef(const String& s, Integer def);
Int64 StrToInt64Def(const String& s, Int64 def);
bool TryStrToInt(const String& s, Integer& value);
bool TryStrToInt64(const String& s, Int64& value);
// `code` is 0 on success, else the 1-based position of the first character
// that could not be taken.
void Val(const String& s, Integer& value, Integer& code);
void Val(const String& s, Int64& value, Integer& code);
void Val(const String& s, double& value, Integer& code);  // '.' as decimal point

// ---- Floating point ----
enum TFloatFormat : uint8_t { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };
double StrToFloat(const String& s);
double StrToFloat(const String& s, const TFormatSettings& fs);
double StrToFloatDef(const String& s, double def);
double StrToFloatDef(const String& s, double def, const TFormatSettings& fs);
bool TryStrToFloat(const String& s, double& value);
bool TryStrToFloat(const String& s, double& value, const TFormatSettings& fs);
String FloatToStr(double value);
String FloatToStr(double value, const TFormatSettings& fs);
String FloatToStrF(double value, TFloatFormat format, Integer precision, Integer digits);
String FloatToStrF(double value, TFloatFormat format, Integer precision, Integer digits,
                   const TFormatSettings& fs);
String FormatFloat(const String& format, double value);
String FormatFloat(const String& format, double value, const TFormatSettings& fs);
String CurrToStr(Currency value);
String CurrToStrF(Currency value, TFloatFormat format, Integer digits);

// ---- Format ----
// One argument of Format, as the platform's open array of constants.
struct TVarRec {
  enum TKind : uint8_t { vtInteger, vtInt64, vtExtended, vtCurrency, vtString, vtChar,
                         vtPointer, vtBoolean };
  TKind Kind = vtInteger;
  Int64 I = 0;
  double F = 0;
  const void* P = nullptr;
  String S;
  Char C = 0;

  TVarRec(int v) : Kind(vtInteger), I(v) {}
  TVarRec(long v) : Kind(vtInteger), I(v) {}
  TVarRec(unsigned v) : Kind(vtInt64), I(v) {}
  TVarRec(unsigned long v) : Kind(vtInt64), I(v) {}
  TVarRec(long long v) : Kind(vtInt64), I(v) {}
  TVarRec(unsigned long long v) : Kind(vtInt64), I(static_cast<Int64>(v)) {}
  TVarRec(short v) : Kind(vtInteger), I(v) {}
  TVarRec(unsigned short v) : Kind(vtInteger), I(v) {}
  TVarRec(signed char v) : Kind(vtInteger), I(v) {}
  TVarRec(unsigned char v) : Kind(vtInteger), I(v) {}
  TVarRec(bool v) : Kind(vtBoolean), I(v) {}
  TVarRec(double v) : Kind(vtExtended), F(v) {}
  TVarRec(float v) : Kind(vtExtended), F(v) {}
  TVarRec(long double v) : Kind(vtExtended), F(static_cast<double>(v)) {}
  TVarRec(Char v) : Kind(vtChar), C(v) {}
  TVarRec(const Char* v) : Kind(vtString), S(v ? v : L"") {}
  TVarRec(const String& v) : Kind(vtString), S(v) {}
  TVarRec(const void* v) : Kind(vtPointer), P(v) {}
  TVarRec(const char*) = delete;  // narrow text must be converted first
  static TVarRec Curr(Currency v) {
    TVarRec r(v);
    r.Kind = vtCurrency;
    return r;
  }
};

// Directives: "%" ["index:"] ["-"] [width] ["." precision] type, with types
// d u x e f g n m p s; width, precision and index may be "*".
String FormatArgs(const String& format, const TVarRec* args, size_t count,
                  const TFormatSettings& fs);
String Format(const String& format, std::initializer_list<TVarRec> args);
String Format(const String& format, std::initializer_list<TVarRec> args,
              const TFormatSettings& fs);
template <typename... A>
String Format(const String& format, const A&... args) {
  const TVarRec recs[] = {TVarRec(args)..., TVarRec(0)};
  return FormatArgs(format, recs, sizeof...(A), FormatSettings());
}

// ---- Code pages ----
UTF8String UTF8Encode(const String& s);
String UTF8Decode(const UTF8String& s);
String UTF8ToString(const UTF8String& s);
String AnsiToString(const std::string& s, Cardinal codePage = 0 /* CP_ACP */);
std::string StringToAnsi(const String& s, Cardinal codePage = 0 /* CP_ACP */);

// ---- Files ----
String ExtractFilePath(const String& fileName);  // with its trailing delimiter
String ExtractFileDir(const String& fileName);   // without it
String ExtractFileName(const String& fileName);
String ExtractFileExt(const String& fileName);  // with the dot
String ChangeFileExt(const String& fileName, const String& extension);
String IncludeTrailingPathDelimiter(const String& s);
String ExcludeTrailingPathDelimiter(const String& s);
bool FileExists(const String& fileName);
bool DirectoryExists(const String& dir);
bool ForceDirectories(const String& dir);
bool DeleteFile(const String& fileName);
String GetCurrentDir();
String ParamStr(Integer index);  // 0 is the program's own path
Integer ParamCount();
String SysErrorMessage(Cardinal errorCode);

}  // namespace jorv
