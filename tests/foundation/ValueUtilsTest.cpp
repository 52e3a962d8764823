#include <gtest/gtest.h>
#include "foundation/ValueUtils.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"
#include "PinnedLocale.h"

using namespace jorv::foundation;

using namespace jorv;
using jorv::test::TPinnedLocale;

namespace {
std::string Show(const String& s) { return testing::PrintToString(s); }
}  // namespace

TEST(ValueUtils, IsDigitChar) {
  for (Char c = 0; c < 128; ++c) EXPECT_EQ(IsDigitChar(c), c >= L'0' && c <= L'9') << int(c);
  // Decimal digits of other scripts, letter numbers and other numbers.
  for (Char c : {L'\u0660', L'\u0969', L'\uFF15', L'\u2163', L'\u00B2', L'\u00BD', L'\u2460'})
    EXPECT_TRUE(IsDigitChar(c)) << int(c);
  for (Char c : {L'\u00B0', L'\u00C4', L'\u2212', L'\uFFFF'}) EXPECT_FALSE(IsDigitChar(c)) << int(c);
  EXPECT_TRUE(IsDigitCode(0x0660));
  EXPECT_FALSE(IsDigitCode(L'x'));
}

TEST(ValueUtils, NumberTextKind) {
  TPinnedLocale locale;
  struct TCase { const wchar_t* Text; Integer Kind; } cases[] = {
      {L"12", 0},        {L"-12", 0},     {L"1.5", 1},       {L"1e5", 5},      {L"-1e-5", 5},
      {L"1.5.6", 2},     {L"e5", 2},      {L"", 2},          {L"1,234,567", 1}, {L"1,23,4", 2},
      {L"-1,234.5", 1},  {L"1-2", 2},     {L"--1", 2},       {L"1e5e", 2},     {L"1e", 2},
      {L"1e+", 2},       {L"1.5E+3", 5},  {L"1,5e3", 2},     {L"abc", 2},      {L"12a", 2},
      {L"1.2e3.4", 2},   {L" 12", 2},     {L"\u0661\u0662", 2},
      // A sign or separator alone is no number.
      {L"-", 2},         {L".", 2},       {L",", 2},
  };
  for (const auto& c : cases) EXPECT_EQ(NumberTextKind(c.Text), c.Kind) << Show(c.Text);

  TPinnedLocale german(L',', L'.', L'.', L"dd.mm.yyyy");
  EXPECT_EQ(NumberTextKind(L"1.234,5"), 1);
  EXPECT_EQ(NumberTextKind(L"1,5e3"), 5);
  EXPECT_EQ(NumberTextKind(L"1.5e3"), 2);
}

TEST(ValueUtils, NormalizeNumberText) {
  TPinnedLocale locale;
  struct TCase { const wchar_t* Text; const wchar_t* Plain; } cases[] = {
      {L"  ($ 1,234.50)  ", L"-1234.50"}, {L"", L""},          {L"-12", L"-12"},
      {L"\u20AC -5", L"-5"},               {L"12abc", L"12"},   {L"1.5e3", L"1.5e3"},
      {L"USD 7", L"7"},                   {L"x", L""},        {L"(12)", L"-12"},
      {L"1,234,567", L"1234567"},
  };
  for (const auto& c : cases) EXPECT_EQ(NormalizeNumberText(c.Text), c.Plain) << Show(c.Text);
  TPinnedLocale german(L',', L'.', L'.', L"dd.mm.yyyy");
  EXPECT_EQ(NormalizeNumberText(L"1.234,5 \u20AC"), L"1234.5");
}

TEST(ValueUtils, ClassifyCellText) {
  const String markedFormula = String(L"|\\") + Char(0) + L"=" + Char(0) + L"A";
  struct TCase { String Text; bool HTML; Integer Kind; } cases[] = {
      {L"", true, 0},          {L"=A1+B1", false, 3},      {L"|\\\0a", false, 5},
      {markedFormula, false, 3}, {String(L"|\\") + Char(0) + L"=", false, 5},
      {L"{\\rtf1 x}", true, 2}, {L"a <b>x</b>", true, 1},  {L"a <b>x</b>", false, 0},
      {L"<P>", true, 1},        {L"<i", true, 1},          {L"a < b", true, 0},
      {L"<x>", true, 0},        {L"plain", true, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(ClassifyCellText(c.Text, c.HTML), c.Kind) << Show(c.Text);
}

TEST(ValueUtils, MarkedWideText) {
  const String wide = L"A\u00E9\u20AC\U0001F600";
  const String marked = WideToMarkedText(wide);
  EXPECT_EQ(marked.substr(0, 6), String(L"|\\") + Char(0) + L"A" + Char(0) + Char(0xE9));
  for (size_t i = 2; i < marked.size(); ++i) EXPECT_LT(marked[i], 256);
  EXPECT_EQ(MarkedTextToWide(marked), wide);
  EXPECT_EQ(WideToMarkedText(L""), L"|\\");
  EXPECT_EQ(MarkedTextToWide(L"plain"), L"plain");
  // An odd last character is no code unit.
  EXPECT_EQ(MarkedTextToWide(String(L"|\\") + Char(0) + L"A" + Char(0x20)), L"A");
}

TEST(ValueUtils, ColorAndCellReference) {
  EXPECT_EQ(ColorToHexRGB(0x00332211), L"112233");
  EXPECT_EQ(ColorToHexRGB(0x1FFFFFFF), L"FFFFFF");
  EXPECT_EQ(ColorToHexRGB(TColor(0xFF000005)), L"050000");

  struct TCase { const wchar_t* Text; Integer Result; TPoint Cell; } cases[] = {
      {L"R1C2", 1, {2, 1}},   {L"r10c3", 1, {3, 10}}, {L"R1C", 0, {}},  {L"R1", 0, {}},
      {L"RC12", 0, {}},       {L"X1C2", 0, {}},       {L"R1C2x", 0, {}}, {L"R 1C2", 0, {}},
      {L"", 0, {}},
  };
  for (const auto& c : cases) {
    TPoint cell(-7, -7);
    EXPECT_EQ(ParseRCCellRef(c.Text, cell), c.Result) << Show(c.Text);
    if (c.Result) {
      EXPECT_EQ(cell, c.Cell) << Show(c.Text);
    }
  }
}

TEST(ValueUtils, DateTexts) {
  TPinnedLocale locale;
  struct TLike { const wchar_t* Text; bool Like; } likes[] = {
      {L"1.2.3", true}, {L"12.05.2016", true}, {L"1..2", false}, {L".1.2", false}, {L"12.5", false}};
  for (const auto& c : likes) EXPECT_EQ(IsDateLike(c.Text), c.Like) << Show(c.Text);

  struct TCase { const wchar_t* Text; bool MonthFirst; TDateTime Expected; } cases[] = {
      {L"1.2.16", false, EncodeDate(2016, 2, 1)},
      {L"1.2.2016", false, EncodeDate(2016, 2, 1)},
      {L"1/2/16", true, EncodeDate(2016, 1, 2)},
      {L"1-2-30", false, EncodeDate(1930, 2, 1)},
      {L"25.12.25", false, EncodeDate(2025, 12, 25)},
      {L"1.1.26", false, EncodeDate(1926, 1, 1)},
      {L"1.1.0099", false, EncodeDate(99, 1, 1)},
      {L"x.2.16", false, 0},
      {L"1216", false, 0},
      {L"1.2", false, 0},
      {L"1.2.16 10:00", false, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.MonthFirst ? ParseDateMDY(c.Text) : ParseDateDMY(c.Text), c.Expected) << Show(c.Text);
  // Two- and four-digit years sort together.
  EXPECT_LT(ParseDateDMY(L"1.2.2015"), ParseDateDMY(L"1.2.16"));
  EXPECT_THROW(ParseDateDMY(L"31.2.16"), EConvertError);
  EXPECT_THROW(ParseDateMDY(L"13/1/16"), EConvertError);
  EXPECT_THROW(ParseDateDMY(L"1.1.70000"), EConvertError);
}

TEST(ValueUtils, AddToDate) {
  const TDateTime jan10 = EncodeDate(2016, 1, 10) + 0.25;
  struct TCase { SmallInt Y, M, D; TDateTime Date, Delta, Expected; } cases[] = {
      {0, 0, -1, jan10, 0, EncodeDate(2016, 1, 9) + 0.25},
      {0, 0, 7, jan10, 0, EncodeDate(2016, 1, 17) + 0.25},
      {0, 1, 0, EncodeDate(2016, 1, 31), 0, EncodeDate(2016, 2, 29)},
      {0, 1, 0, EncodeDate(2015, 1, 31), 0, EncodeDate(2015, 2, 28)},
      {0, 1, 0, jan10, 0, EncodeDate(2016, 2, 10)},
      {0, 1, 0, EncodeDate(2016, 12, 15), 0, EncodeDate(2017, 1, 15)},
      {0, -1, 0, EncodeDate(2016, 1, 15), 0, EncodeDate(2015, 12, 15)},
      {0, 25, 0, EncodeDate(2016, 3, 31), 0, EncodeDate(2018, 4, 30)},
      {0, -24, 0, EncodeDate(2016, 12, 1), 0, EncodeDate(2014, 12, 1)},
      {0, -13, 0, EncodeDate(2016, 1, 1), 0, EncodeDate(2014, 12, 1)},
      {1, 0, 0, EncodeDate(2016, 2, 29), 0, EncodeDate(2017, 2, 28)},
      {-3, 0, 0, jan10, 0, EncodeDate(2013, 1, 10)},
      {1, 1, 0, jan10, 2.5, jan10 + 2.5},
      {0, 0, 0, jan10, -1, jan10 - 1},
      {0, 2, 3, jan10, 4, jan10 + 4},
  };
  for (const auto& c : cases)
    EXPECT_DOUBLE_EQ(AddToDate(c.Y, c.M, c.D, c.Date, c.Delta), c.Expected)
        << c.Y << "y " << c.M << "m " << c.D << "d from " << c.Date;
  EXPECT_THROW(AddToDate(9000, 0, 0, jan10, 0), EConvertError);
}

TEST(ValueUtils, CapitalizeName) {
  struct TCase { const wchar_t* In; const wchar_t* Out; } cases[] = {
      {L"mcdonald", L"McDonald"},
      {L"john smith iii", L"John Smith III"},
      {L"henry ii", L"Henry II"},
      {L"john mcdonald mcbride", L"John McDonald Mcbride"},
      {L"o'neil-smith jr.", L"O'Neil-Smith Jr."},
      {L"JOHN SMITH", L"John Smith"},
      {L"\u00E9mile z\u00F6LLER", L"\u00C9mile Z\u00F6ller"},
      {L"john ian", L"John Ian"},
      {L"mc", L"Mc"},
      {L"", L""},
  };
  for (const auto& c : cases) EXPECT_EQ(CapitalizeName(c.In), c.Out) << Show(c.In);
}

namespace {

int Offset(const String& clip, const String& label) {
  size_t p = clip.find(label + L":");
  return p == String::npos ? -1 : _wtoi(clip.c_str() + p + label.size() + 1);
}

}  // namespace

TEST(ValueUtils, HTMLClipboardTextOffsetsCountBytes) {
  String clip;
  MakeHTMLClipboardText(clip);
  EXPECT_EQ(clip.substr(0, 97),
            L"Version:1.0\r\nStartHTML:00000097\r\nEndHTML:00000306\r\n"
            L"StartFragment:00000274\r\nEndFragment:00000274\r\n");
  EXPECT_EQ(clip.size(), 306u);

  for (const wchar_t* fragment : {L"<b>x</b>", L"<td>\u00E9t\u00E9 \u20AC</td>", L"\U0001F600"}) {
    String text = fragment;
    MakeHTMLClipboardText(text);
    const UTF8String bytes = UTF8Encode(text);
    const int startHTML = Offset(text, L"StartHTML"), endHTML = Offset(text, L"EndHTML");
    const int start = Offset(text, L"StartFragment"), end = Offset(text, L"EndFragment");
    EXPECT_EQ(start, 274);
    EXPECT_EQ(bytes.compare(startHTML, 9, "<!DOCTYPE"), 0);
    EXPECT_EQ(bytes.substr(start, end - start), UTF8Encode(fragment));
    EXPECT_EQ(int(bytes.size()), endHTML);
    EXPECT_EQ(bytes.compare(start - 20, 20, "<!--StartFragment-->"), 0);
  }
}
