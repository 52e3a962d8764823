// Targets that take format strings and typed numbers and dates: the
// spreadsheet number formats, FormatDateTime, FormatFloat and Format with
// any format string, and the parsing of dates and times.
#include "fuzz/Fuzz.h"
#include "grid/base/grdxlsfmt.h"
#include "platform/gfx/Colors.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::fuzz {

namespace {

// The settings of a German and of an English user, and one whose own
// formats come from the input.
TFormatSettings Settings(uint64_t Hash, const String& Own) {
  TFormatSettings Settings;
  switch (Hash % 3) {
    case 0:
      Settings.DateSeparator = L'.';
      Settings.DecimalSeparator = L',';
      Settings.ThousandSeparator = L'.';
      Settings.ShortDateFormat = L"dd.MM.yyyy";
      Settings.CurrencyString = L"\x20AC";
      Settings.CurrencyFormat = 3;
      Settings.NegCurrFormat = static_cast<Byte>(Hash >> 8 & 15);
      break;
    case 1:
      break;
    default:
      Settings.ShortDateFormat = Own;
      Settings.LongDateFormat = Own;
      Settings.ShortTimeFormat = Own;
      Settings.LongTimeFormat = Own;
      Settings.TimeAMString = Own.substr(0, 3);
      Settings.DateSeparator = Own.empty() ? L'/' : Own.back();
      Settings.TimeSeparator = Own.empty() ? L':' : Own.front();
      break;
  }
  return Settings;
}

void RunNumberFormat(const TInput& Input) {
  String Code, Text;
  SplitInput(Input, Code, Text);
  const uint64_t H = InputHash(Input);
  const double Number = InputNumber(Text, H);
  const TFormatSettings FS = Settings(H, L"yyyy/MM/dd");
  const Variant Values[] = {Variant(Number), Variant::FromDate(Number), Variant(Text),
                            Variant(static_cast<Integer>(H)), Variant(), Variant::FromNull()};
  for (const Variant& Value : Values) {
    String Result;
    bool HasTime = false, HasDate = false;
    TColor Color = clNone;
    grid::FormatVariantByCode(Value, Code, H & 1, Result, &FS, HasTime, HasDate, Color);
  }
  String Result;
  grid::FormatCellValue(Variant(Number), Code, Result);
}

void RunFormatDateTime(const TInput& Input) {
  String Format, Text;
  SplitInput(Input, Format, Text);
  const uint64_t H = InputHash(Input);
  const TFormatSettings FS = Settings(H, Text);
  FormatDateTime(Format, InputNumber(Text, H), FS);
  FormatDateTime(Format, InputNumber(String(), H >> 8), FS);
}

void RunFormatFloat(const TInput& Input) {
  String Format, Text;
  SplitInput(Input, Format, Text);
  const uint64_t H = InputHash(Input);
  const TFormatSettings FS = Settings(H, Text);
  FormatFloat(Format, InputNumber(Text, H), FS);
  FormatFloat(Format, InputNumber(String(), H >> 8), FS);
}

// Format's documented error is EConvertError: a directive that does not
// fit its argument, or too few arguments.
bool ConvertError(const Exception& Error) { return dynamic_cast<const EConvertError*>(&Error) != nullptr; }

void RunFormat(const TInput& Input) {
  String Format, Text;
  SplitInput(Input, Format, Text);
  const uint64_t H = InputHash(Input);
  const TFormatSettings FS = Settings(H, Text);
  // Arguments of every kind, in an order the input picks.
  const TVarRec Kinds[] = {TVarRec(static_cast<int>(H)), TVarRec(InputNumber(Text, H)), TVarRec(Text),
                           TVarRec(static_cast<long long>(H)), TVarRec(L'x'), TVarRec(true),
                           TVarRec(static_cast<const void*>(&Format)), TVarRec::Curr(Currency(12345678))};
  std::vector<TVarRec> Arguments;
  const size_t Count = H % 6;
  for (size_t K = 0; K < Count; ++K) Arguments.push_back(Kinds[(H >> (8 + 3 * K)) % std::size(Kinds)]);
  FormatArgs(Format, Arguments.data(), Arguments.size(), FS);
}

void RunDateParse(const TInput& Input) {
  String Own, Text;
  SplitInput(Input, Own, Text);
  const uint64_t H = InputHash(Input);
  const TFormatSettings FS = Settings(H, Own);
  TDateTime Value;
  TryStrToDate(Text, Value, FS);
  TryStrToTime(Text, Value, FS);
  TryStrToDateTime(Text, Value, FS);
  StrToDateDef(Own, 0, FS);
  StrToDateTimeDef(Own, 0, FS);
  TryStrToFloat(Text, Value, FS);
  Int64 Whole;
  TryStrToInt64(Text, Whole);
  // The raising forms raise EConvertError, nothing else.
  StrToDateTime(Text, FS);
}

}  // namespace

void AddFormatTargets(std::vector<TFuzzTarget>& List) {
  List.push_back({"number-format", "number-format", RunNumberFormat,
                  {"#", "0", ",", ".", ";", "%", "E+", "E-", "\"", "\\", "_", "*", "?", "/", "@", "[Red]", "[h]",
                   "[mm]", "[ss]", "[>=100]", "[<-5]", "[$\xE2\x82\xAC-407]", "[$-F800]", "[Color10]", "yyyy", "mmmm",
                   "dddd", "hh", "ss.000", "AM/PM", "A/P", "General", "# ?/?", " "}});
  List.push_back({"format-datetime", "format-datetime", RunFormatDateTime,
                  {"d", "dd", "ddd", "dddd", "ddddd", "dddddd", "m", "mm", "mmm", "mmmm", "yy", "yyyy", "h", "hh",
                   "n", "nn", "s", "ss", "z", "zzz", "t", "tt", "am/pm", "a/p", "ampm", "c", "/", ":", "'", "\"",
                   "e", "ee", "g", "gg"},
                  ConvertError});
  List.push_back({"format-float", "format-float", RunFormatFloat,
                  {"#", "0", ",", ".", ";", "E+", "E-", "e+", "e-", "'", "\"", "%"}, ConvertError});
  List.push_back({"format", "format", RunFormat,
                  {"%", "%d", "%s", "%x", "%e", "%f", "%g", "%n", "%m", "%p", "%u", "%*d", "%.*f", "%-10s", "%0:s",
                   "%1:d", "%2147483647d", "%.999999f", "%%", "%."},
                  ConvertError});
  List.push_back({"date-parse", "date-parse", RunDateParse,
                  {"/", ".", ":", " ", "-", "AM", "PM", "99", "2016", "31", "0", "00000000", "yyyy", "mm", "dd",
                   "hh:nn:ss"},
                  ConvertError});
}

}  // namespace jorv::fuzz
