#include <gtest/gtest.h>
#include "grid/base/grdxlsfmt.h"

using namespace jorv::grid;

using namespace jorv;

namespace {

constexpr TColor kUnset = 0x123456;  // no colour tag touched it

// US-style settings (".", ",", "/", ":", AM/PM) whatever the machine's locale.
class XlsFormat : public testing::Test {
 protected:
  void SetUp() override { SetFormatSettingsOverride(&FSettings); }
  void TearDown() override { SetFormatSettingsOverride(nullptr); }

  struct Out {
    String Text;
    TColor Color = kUnset;
    bool HasTime = false;
    bool HasDate = false;
  };
  static Out Run(const Variant& v, const String& code, bool is1904 = false) {
    Out o;
    FormatVariantByCode(v, code, is1904, o.Text, nullptr, o.HasTime, o.HasDate, o.Color);
    return o;
  }

  TFormatSettings FSettings;
};

Variant Num(double x) { return Variant(x); }
Variant Str(const String& s) { return Variant(s); }
Variant DateV(double x) { return Variant::FromDate(x); }

struct NumberCase {
  const wchar_t* Code;
  double Value;
  const wchar_t* Expected;
  TColor Color = kUnset;
};

TEST_F(XlsFormat, NumberSectionsPlaceholdersAndColours) {
  const NumberCase cases[] = {
      {L"0.00", 3.14159, L"3.14"},
      {L"#,##0.00", 1234567.891, L"1,234,567.89"},
      {L"#,##0.00;[Red]-#,##0.00", -1234.5, L"-1,234.50", xlsfmtRed},
      {L"#,##0.00;[Red]-#,##0.00", 1234.5, L"1,234.50"},
      {L"[Red]-0.00;0.00", 5, L"-5.00", xlsfmtRed},
      {L"[Red]-0.00;0.00", -5, L"5.00"},
      {L"0.00", -2.5, L"-2.50"},
      {L"0;-0;\"zero\"", 0, L"zero"},
      {L"0;-0;\"zero\"", -3, L"-3"},
      {L"0;;", -3, L""},
      {L"0%", 0.25, L"25%"},
      {L"0.0%", 0.1234, L"12.3%"},
      {L"0.00E+00", 12345, L"1.23E+04"},
      {L"0.00E+00", 0.000123, L"1.23E-04"},
      {L"#,##0,,\"M\"", 7654321, L"8M"},
      {L"#,##0.0,,\"M\"", 1234567, L"1.2M"},
      {L"#,##0,", 12345678, L"12,346"},
      {L"$#,##0.00", 1234.5, L"$1,234.50"},
      {L"[$EUR] #,##0.00", 1234.5, L"EUR 1,234.50"},
      {L"#,##0.00 [$\u20AC-407]", 1234.5, L"1,234.50 \u20AC"},
      {L"0.00_);(0.00)", -3, L"(3.00)"},
      {L"0.00_);(0.00)", 3, L"3.00 "},
      {L"\"Total: \"0.00", 5, L"Total: 5.00"},
      {L"0\" kg\"", 5, L"5 kg"},
      // Quoted and escaped digits are text, not placeholders.
      {L"0\" in 2024\"", 5, L"5 in 2024"},
      {L"0\\%", 5, L"5%"},
      {L"[Blue]0;[Magenta]-0;[Green]0", 0, L"0", xlsfmtGreen},
      {L"[Cyan]0", 1, L"1", xlsfmtCyan},
      {L"[RED]0", 1, L"1"},  // colour names are case-sensitive
      {L"General", 1.5, L"1.5"},
      {L"[Red]General", -2, L"-2", xlsfmtRed},
      {L"0 Items", 4, L"4"},  // "I" is read by no reader: the plain value
      {L"[>100]\"big\";[<0]\"neg\";0", 150, L"big"},
      {L"[>100]\"big\";[<0]\"neg\";0", -5, L"neg"},
      {L"[>100]\"big\";[<0]\"neg\";0", 7, L"7"},
      {L"[=1]\"one\";0", 1, L"one"},
      {L"[=1]\"one\";0", 2, L"2"},
      {L"[<=-1]0;0", -3, L"3"},    // the matching section writes no minus
      {L"[>=0]0;0", -3, L"3"},     // the fall-through section neither
      {L"[>=10]0;0", -3, L"-3"},   // a positive bound keeps it
      {L"[>0]0;[>10]0", -5, L"###################"},
      {L"[<=abc]0", 7, L"7"},      // no number: an ordinary tag
      {L"0.0;;;;junk", 2, L"2.0"},
  };
  for (const auto& c : cases) {
    Out o = Run(Num(c.Value), c.Code);
    EXPECT_EQ(o.Text, c.Expected) << c.Code << " with " << c.Value;
    EXPECT_EQ(o.Color, c.Color) << c.Code << " with " << c.Value;
  }
}

// What a spreadsheet program shows for these codes, beside neighbours that
// must keep their present results.
TEST_F(XlsFormat, AgreesWithASpreadsheet) {
  const NumberCase cases[] = {
      // Fractions: the whole part, then the closest fraction with as many
      // denominator digits as placeholders, padded by "?".
      {L"# ?/?", 1.5, L"1 1/2"},
      {L"# ?/?", 0.75, L" 3/4"},
      {L"# ?\?/?\?", 0.333333, L"  1/3 "},
      {L"?/?", 0.5, L"1/2"},
      {L"?/?", 1.5, L"3/2"},
      {L"# ?/8", 1.3, L"1 2/8"},
      {L"# ??\?/?\?\?", 3.14159, L"3  16/113"},
      {L"# ?/?", -1.5, L"-1 1/2"},
      {L"# ?/?", -0.75, L"- 3/4"},
      {L"?/?", 0.01, L"0/1"},
      {L"# ?/100", 0.1, L" 10/100"},
      {L"# ?\?/16", 2.5, L"2  8/16"},
      {L"0 0/0", 3.14159, L"3 1/7"},
      {L"# ?/?", 2, L"2    "},
      {L"# ?/?", 0.99, L"1    "},  // rounds up into the whole number
      {L"# ?/?", 0, L"0    "},
      {L"0 ?/?", 0.5, L"0 1/2"},
      {L"# ?/?;(# ?/?)", -0.25, L"( 1/4)"},
      {L"[Blue]# ?/? \\k\\g", 2.25, L"2 1/4 kg", xlsfmtBlue},
      // The digits after a seconds field are the rounded fraction of the
      // second; rounding carries into the seconds.
      {L"h:mm:ss.000", 0.123456789, L"2:57:46.667"},
      {L"h:mm:ss.000", 0.999999, L"23:59:59.914"},
      {L"mm:ss.0", 0.0123456789, L"17:46.7"},
      {L"ss.00", 0.1234567, L"46.66"},
      {L"ss.00", 0.123456789, L"46.67"},
      {L"h:mm:ss.0", 59.96 / 86400, L"0:01:00.0"},
      {L"[h]:mm:ss.00", 1 + 0.5 / 86400, L"24:00:00.50"},
      {L"[ss].0", 61.26 / 86400, L"61.3"},
      // One digit string fills the placeholders right to left across the
      // literals between them.
      {L"(000) 000-0000", 5551234567, L"(555) 123-4567"},
      {L"[<=9999999]###-####;(###) ###-####", 5551234567, L"(555) 123-4567"},
      {L"[<=9999999]###-####;(###) ###-####", 5551234, L"555-1234"},
      {L"000\\-00\\-0000", 123456789, L"123-45-6789"},
      {L"0 \"x\" 0", 123, L"12 x 3"},
      // The minus of a one-section code stands in front of everything.
      {L"\"$\"#,##0.00", -1234.5, L"-$1,234.50"},
      {L"[$\u20AC-407] #,##0.00", -1234.5, L"-\u20AC 1,234.50"},
      {L"_(* #,##0.00_)", -1234.5, L"-  1,234.50 "},  // the fill written once
      {L"\"Total: \"0.00", -5, L"-Total: 5.00"},
      {L"\"$\"#,##0.00;(\"$\"#,##0.00)", -1234.5, L"($1,234.50)"},
      // Neighbours.
      {L"General", -1234.5, L"-1234.5"},
      {L"0.00", 1.005, L"1.00"},  // a binary half: the runtime's rounding
      {L"#,##0.00;[Red]-#,##0.00", -1234.5, L"-1,234.50", xlsfmtRed},
      {L"[>=100][Green]0;[Red]0", 5, L"5", xlsfmtRed},
      {L"[h]:mm:ss", 1.5, L"36:00:00"},
      {L"h:mm:ss", 0.123456789, L"2:57:46"},  // the runtime keeps whole seconds
      {L"dd/mm/yyyy", 42000, L"27/12/2014"},
      {L"0.00E+00", 12345, L"1.23E+04"},
  };
  for (const auto& c : cases) {
    Out o = Run(Num(c.Value), c.Code);
    EXPECT_EQ(o.Text, c.Expected) << c.Code << " with " << c.Value;
    EXPECT_EQ(o.Color, c.Color) << c.Code << " with " << c.Value;
  }
}

TEST_F(XlsFormat, IntegerAndCurrencyVariantsAreNumbers) {
  EXPECT_EQ(Run(Variant(Integer(1234)), L"#,##0.00").Text, L"1,234.00");
  EXPECT_EQ(Run(Variant(Int64(-5)), L"0;(0)").Text, L"(5)");
}

struct DateCase {
  const wchar_t* Code;
  double Value;
  const wchar_t* Expected;
  bool HasTime;
  bool HasDate;
  bool Is1904 = false;
};

TEST_F(XlsFormat, DatesTimesAndElapsed) {
  const DateCase cases[] = {
      {L"dd/mm/yyyy", 42000, L"27/12/2014", false, true},
      {L"dd/mm/yyyy", 42000, L"28/12/2018", false, true, true},
      {L"yyyy-mm-dd", 42000, L"2014-12-27", false, true},
      {L"dd.mm.yyyy hh:mm", 42000.75, L"27.12.2014 18:00", true, true},
      {L"d mmm yyyy", 42000, L"27 Dec 2014", false, true},
      {L"mmmm d, yyyy", 42000, L"December 27, 2014", false, true},
      {L"dddd", 42000, L"Saturday", false, true},
      {L"hh:mm:ss", 0.5, L"12:00:00", true, false},
      {L"mm:ss", 0.5 + 90.0 / 86400, L"01:30", true, false},
      {L"[h]:mm:ss", 1.5, L"36:00:00", true, false},
      {L"[h]:mm", 2.0 + 13.0 / 1440, L"48:13", true, false},
      {L"[ss]", 1.0 / 1440, L"60", true, false},
      {L"[mm]", 13.0 / 1440, L"13", true, false},
      {L"[hh]", 0.25, L"06", true, false},
      {L"h:mm AM/PM", 0.75, L"6:00 PM", true, false},
      {L"h:mm AM/PM", 0.25, L"6:00 AM", true, false},
      {L"h:mm am/pm", 0, L"12:00 AM", true, false},
      {L"hh:mm AM/PM", 0.375, L"09:00 AM", true, false},
      {L"yyyy\\h", 42000, L"2014h", false, true},
      {L"[$-F800]", 42000, L"Saturday, December 27, 2014", false, true},
      {L"[$-F400]h:mm", 0.75, L"6:00:00 PM", true, false},
      {L"dd/mm/yyyy", 1e9, L"##", false, true},
  };
  for (const auto& c : cases) {
    Out o = Run(Num(c.Value), c.Code, c.Is1904);
    EXPECT_EQ(o.Text, c.Expected) << c.Code << " with " << c.Value;
    EXPECT_EQ(o.HasTime, c.HasTime) << c.Code;
    EXPECT_EQ(o.HasDate, c.HasDate) << c.Code;
  }
}

TEST_F(XlsFormat, DateVariants) {
  EXPECT_EQ(Run(DateV(42000), L"dd/mm/yyyy").Text, L"27/12/2014");
  EXPECT_EQ(Run(DateV(-1), L"dd/mm/yyyy").Text, L"###################");
  String plain = VarToStr(DateV(42000));
  EXPECT_FALSE(plain.empty());
  EXPECT_EQ(Run(DateV(42000), String()).Text, plain);
}

struct TextCase {
  const wchar_t* Code;
  const wchar_t* Expected;
  TColor Color = kUnset;
};

TEST_F(XlsFormat, TextSections) {
  const TextCase cases[] = {
      {L"@", L"abc"},
      {L";;;\"x\"@", L"xabc"},
      {L"\"Total: \"@", L"Total: abc"},
      {L"@ \"units\"", L"abc units"},
      {L"0.00;-0.00;0;[Blue]@", L"abc", xlsfmtBlue},
      {L"0;0;0;\"text\"", L"text"},
      {L"0.00", L"abc"},
      {L"[Red]", L"abc", xlsfmtRed},
      {L"[Red]general", L"abc", xlsfmtRed},
      {L"[Red]0.00", L"abc"},  // a number section does not colour text
      {L"[Yellow]@", L"abc", xlsfmtYellow},
      {L"@%", L"abc"},  // nothing reads "%": the text as it is
  };
  for (const auto& c : cases) {
    Out o = Run(Str(L"abc"), c.Code);
    EXPECT_EQ(o.Text, c.Expected) << c.Code;
    EXPECT_EQ(o.Color, c.Color) << c.Code;
  }
}

TEST_F(XlsFormat, BooleansNullsAndEmptyCodes) {
  EXPECT_EQ(Run(Variant(true), L"0.00").Text, L"TRUE");
  EXPECT_EQ(Run(Variant(false), L"@").Text, L"FALSE");
  EXPECT_TRUE(Run(Variant(), L"0.00").Text.empty());
  EXPECT_TRUE(Run(Null(), L"0.00").Text.empty());
  EXPECT_EQ(Run(Num(2.5), String()).Text, L"2.5");
  String s;
  FormatCellValue(Num(0.25), L"0%", s);
  EXPECT_EQ(s, L"25%");
}

// Separators and designators come from the locale; a locale without
// designators still shows "AM"/"PM" where the code asks for them.
TEST_F(XlsFormat, LocaleSeparatorsAndMissingDesignators) {
  FSettings.DecimalSeparator = L',';
  FSettings.ThousandSeparator = L'.';
  FSettings.DateSeparator = L'.';
  FSettings.TimeAMString.clear();
  FSettings.TimePMString.clear();
  EXPECT_EQ(Run(Num(1234.5), L"#,##0.00").Text, L"1.234,50");
  EXPECT_EQ(Run(Num(42000), L"dd/mm/yyyy").Text, L"27.12.2014");
  EXPECT_EQ(Run(Num(0.75), L"h:mm AM/PM").Text, L"6:00 PM");
  EXPECT_EQ(Run(Num(1.5), L"General").Text, L"1,5");
}

TEST_F(XlsFormat, PassedSettingsGiveTheLongFormats) {
  TFormatSettings fs;
  fs.LongDateFormat = L"yyyy";
  String s;
  TColor color = kUnset;
  FormatVariantByCodeEx(Num(42000), L"[$-F800]", false, s, &fs, color);
  EXPECT_EQ(s, L"2014");
}

// Malformed codes end inside the code; the result is whatever the rules
// make of them, never a crash or a hang (how fast they come back is the
// benchmark program's business).
TEST_F(XlsFormat, MalformedCodesStayInsideTheCode) {
  const String codes[] = {
      L"[", L"[R", L"[Red", L"\"", L"\"unclosed", L"0.00\\", L"\\", L"*", L"_", L"[$",
      L"[$-", L"[$-409", L"[$\u20AC", L"[h", L"[>", L"[>1", L"[=]0", L"[]0", L"0.0E",
      L"E+", L"AM/P", L"[hh", L"]", L";", L";;;;;;;;", L"0,,,,,,,,,,,,,,,,,,,,,,,,",
      L"h:mm AM/PM;", L"@;@;@;@;@", L"0\"", L"\\\"", L"[ss", String(20000, L';'),
      String(3000, L'0'), String(3000, L'['), String(3000, L'"'), String(3000, L'\\'),
      String(2000, L'h') + L" AM/PM", L"[" + String(3000, L'h') + L"]", L"?/", L"/?",
      L"?/?/?", L"# ?/" + String(3000, L'?'), L"?/" + String(40, L'9'), L"ss." + String(3000, L'0'),
      L"[ss]." + String(40, L'0'), L"#/?", L"0 0 ?/?"};
  const Variant values[] = {Num(1.5), Num(-1.5), Num(0), Str(L"abc"), DateV(42000)};
  for (const auto& code : codes)
    for (const auto& v : values) {
      Out o;
      EXPECT_NO_THROW(o = Run(v, code)) << code.substr(0, 20);
    }
  EXPECT_EQ(Run(Num(1.5), L"0.0\\").Text, L"1.5");
  EXPECT_EQ(Run(Num(2), L"[Red").Text, L"2");
  EXPECT_EQ(Run(Num(2), L"0\" kg").Text, L"2 kg");
  EXPECT_EQ(Run(Num(2), String(3000, L'0')).Text.size(), 3000u);
}

}  // namespace
