#include <gtest/gtest.h>
#include "platform/rtl/rtl.h"
#include "tests/support/PinnedFormatSettings.h"

using namespace jorv;

TEST(Numbers, RoundHalvesToEvenAndTruncTowardZero) {
  struct { double x; Int64 round, trunc; } cases[] = {
      {0.5, 0, 0},   {1.5, 2, 1},   {2.5, 2, 2},    {3.5, 4, 3},     {-0.5, 0, 0},
      {-1.5, -2, -1}, {-2.5, -2, -2}, {2.4999, 2, 2}, {2.5001, 3, 2}, {-2.7, -3, -2},
      {1e12 + 0.5, 1000000000000, 1000000000000},
  };
  for (auto& c : cases) {
    EXPECT_EQ(Round(c.x), c.round) << c.x;
    EXPECT_EQ(Trunc(c.x), c.trunc) << c.x;
  }
  EXPECT_DOUBLE_EQ(Frac(-2.25), -0.25);
  EXPECT_DOUBLE_EQ(Int(-2.75), -2.0);
  EXPECT_EQ(Ceil(-1.5), -1);
  EXPECT_EQ(Floor(-1.5), -2);
  EXPECT_EQ(MulDiv(5, 3, 2), 8);    // 7.5 rounds away from zero
  EXPECT_EQ(MulDiv(-5, 3, 2), -8);
  EXPECT_EQ(MulDiv(1, 2, 0), -1);
  EXPECT_EQ(MulDiv(100000, 100000, 100000), 100000);  // 64-bit product
}

TEST(Numbers, RangesAndTolerances) {
  EXPECT_EQ(Min(3, Int64(5)), 3);
  EXPECT_EQ(Max(-1.5, 2), 2.0);
  EXPECT_TRUE(InRange(5, 1, 5));
  EXPECT_FALSE(InRange(6, 1, 5));
  EXPECT_EQ(EnsureRange(9, 1, 5), 5);
  EXPECT_EQ(EnsureRange(-9, 1, 5), 1);
  EXPECT_TRUE(SameValue(0.1 + 0.2, 0.3));
  EXPECT_FALSE(SameValue(1.0, 1.001));
  EXPECT_TRUE(SameValue(1.0, 1.001, 0.01));
  EXPECT_TRUE(IsZero(1e-13));
  EXPECT_FALSE(IsZero(1e-9));
  EXPECT_EQ(Sign(-3.0), NegativeValue);
  EXPECT_EQ(Sign(0), ZeroValue);
}

TEST(Numbers, RandomStaysInRangeAndRepeatsFromASeed) {
  RandSeed = 12345;
  Integer first[5];
  for (auto& v : first) {
    v = Random(10);
    EXPECT_GE(v, 0);
    EXPECT_LT(v, 10);
  }
  RandSeed = 12345;
  for (auto v : first) EXPECT_EQ(Random(10), v);
  for (int i = 0; i < 200; ++i) {
    Integer r = RandomRange(5, -5);
    EXPECT_GE(r, -5);
    EXPECT_LT(r, 5);
    double d = Random();
    EXPECT_GE(d, 0.0);
    EXPECT_LT(d, 1.0);
  }
  EXPECT_EQ(Random(0), 0);
}

TEST(Format, Directives) {
  PinnedFormatSettings pin(USFormatSettings());
  int x = 42;
  struct { String result, expected; } cases[] = {
      {Format(L"%d", {42}), L"42"},
      {Format(L"%5d|%-5d|", {42, 42}), L"   42|42   |"},
      {Format(L"%.4d", {-42}), L"-0042"},
      {Format(L"%*d", {5, 42}), L"   42"},
      {Format(L"%*.*d", {6, 3, 7}), L"   007"},
      {Format(L"%d", {INT64_C(-9000000000)}), L"-9000000000"},
      {Format(L"%u", {-1}), L"4294967295"},
      {Format(L"%x %.4x %X", {255, 255, -1}), L"FF 00FF FFFFFFFF"},
      {Format(L"%s|%5s|%-5s|%.2s", {L"abc", L"ab", L"ab", L"abc"}), L"abc|   ab|ab   |ab"},
      {Format(L"%s", {L'c'}), L"c"},
      {Format(L"%1:s %0:s %s", {L"a", L"b"}), L"b a b"},
      {Format(L"%0:s-%0:s", {L"a"}), L"a-a"},
      {Format(L"100%%", {}), L"100%"},
      {Format(L"%f %.0f %.3f", {1.5, 2.5, -0.0005}), L"1.50 3 -0.001"},
      {Format(L"%.1f", {0.05}), L"0.1"},
      {Format(L"%e", {1234.5}), L"1.23450000000000E+003"},
      {Format(L"%.3e", {-0.0012345}), L"-1.23E-003"},
      {Format(L"%g", {1234.5}), L"1234.5"},
      {Format(L"%g", {0.1 + 0.2}), L"0.3"},
      {Format(L"%g", {1.0 / 3}), L"0.333333333333333"},
      {Format(L"%.3g", {2.0 / 3}), L"0.667"},
      {Format(L"%n", {1234567.891}), L"1,234,567.89"},
      {Format(L"%.0n", {-1234.5}), L"-1,235"},
      {Format(L"%m", {1234.5}), L"$1,234.50"},
      {Format(L"%m", {-5.0}), L"($5.00)"},
      {Format(L"%10.2f|", {3.14159}), L"      3.14|"},
      {Format(L"%d items", x), L"42 items"},
      {Format(L"%s=%d", String(L"n"), 7), L"n=7"},
      // A pointer prints with as many digits as it has: 8 on 32-bit, 16 on 64-bit.
      {Format(L"%p", {reinterpret_cast<const void*>(0x1234)}),
       sizeof(void*) == 8 ? L"0000000000001234" : L"00001234"},
  };
  for (auto& c : cases) EXPECT_EQ(c.result, c.expected);
}

TEST(Format, FollowsTheLocaleSeparators) {
  TFormatSettings de = GermanFormatSettings();
  EXPECT_EQ(Format(L"%f", {1.5}, de), L"1,50");
  EXPECT_EQ(Format(L"%n", {1234567.891}, de), L"1.234.567,89");
  EXPECT_EQ(Format(L"%m|%m", {1234.5, -2.0}, de), L"1.234,50 \u20AC|-2,00 \u20AC");
  PinnedFormatSettings pin(de);
  EXPECT_EQ(Format(L"%.2f", 0.125), L"0,13");
  EXPECT_EQ(FloatToStr(2.5), L"2,5");
}

TEST(Format, RejectsBadDirectivesAndMissingArguments) {
  struct { const wchar_t* fmt; std::initializer_list<TVarRec> args; const wchar_t* message; } cases[] = {
      {L"%d", {1.5}, L"Format '%d' invalid or incompatible with argument"},
      {L"%f", {1}, L"Format '%f' invalid or incompatible with argument"},
      {L"%s", {1}, L"Format '%s' invalid or incompatible with argument"},
      {L"%k", {1}, L"Format '%k' invalid or incompatible with argument"},
      {L"abc %", {1}, L"Format 'abc %' invalid or incompatible with argument"},
      {L"%d %d", {1}, L"No argument for format '%d %d'"},
      {L"%2:d", {1}, L"No argument for format '%2:d'"},
      // Widths and precisions no text needs, which would fill memory.
      {L"%2147483647d", {1}, L"Format '%2147483647d' invalid or incompatible with argument"},
      {L"%*s", {2000000, L"x"}, L"Format '%*s' invalid or incompatible with argument"},
      {L"%.1048577d", {1}, L"Format '%.1048577d' invalid or incompatible with argument"},
  };
  for (auto& c : cases) {
    try {
      Format(c.fmt, c.args);
      ADD_FAILURE() << "no exception for " << UTF8Encode(c.fmt);
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), c.message);
    }
  }
}

TEST(Format, FloatToStrGeneralAndFixedForms) {
  TFormatSettings us = USFormatSettings();
  struct { double v; const wchar_t* expected; } general[] = {
      {0, L"0"},           {1.5, L"1.5"},          {-0.5, L"-0.5"},
      {100, L"100"},       {0.1 + 0.2, L"0.3"},    {1e15, L"1E15"},
      {123456789012345.0, L"123456789012345"},     {1e-6, L"1E-6"},
      {-1.5e-10, L"-1.5E-10"},  {1.0 / 3, L"0.333333333333333"},
  };
  for (auto& g : general) EXPECT_EQ(FloatToStr(g.v, us), g.expected) << g.v;
  EXPECT_EQ(FloatToStrF(1234.5678, ffFixed, 15, 2, us), L"1234.57");
  EXPECT_EQ(FloatToStrF(1234.5678, ffNumber, 15, 1, us), L"1,234.6");
  EXPECT_EQ(FloatToStrF(1234.5678, ffExponent, 4, 2, us), L"1.235E+03");
  EXPECT_EQ(FloatToStrF(-1234.5678, ffCurrency, 15, 0, us), L"($1,235)");
  EXPECT_EQ(FloatToStrF(0.0, ffExponent, 3, 0, us), L"0.00E+0");
  EXPECT_EQ(FloatToStrF(-0.001, ffFixed, 15, 2, us), L"0.00");
}

TEST(Format, FormatFloatSectionsAndPlaceholders) {
  TFormatSettings us = USFormatSettings();
  struct { const wchar_t* fmt; double v; const wchar_t* expected; } cases[] = {
      {L"0.00", 1234.567, L"1234.57"},
      {L"#,##0.00", 1234.567, L"1,234.57"},
      {L"#,##0", 1234567, L"1,234,567"},
      {L"#,##0", 12, L"12"},
      {L"#.##", 0.5, L".5"},
      {L"0.###", 1.5, L"1.5"},
      {L"0.0#", 1, L"1.0"},
      {L"0", 2.5, L"3"},
      {L"0", -2.5, L"-3"},
      {L"0", 0.5, L"1"},
      {L"0.00", 0.125, L"0.13"},
      {L"0.00", 1.005, L"1.00"},  // 1.005 is stored just below
      {L"0.00", -0.001, L"0.00"},
      {L"00000", 42, L"00042"},
      {L"#", 0, L""},
      {L"0.00E+00", 1234.5, L"1.23E+03"},
      {L"0.0E-0", 0.000123, L"1.2E-4"},
      {L"0.0e+000", 1234.5, L"1.2e+003"},
      {L"00.0E+0", 1234.5, L"12.3E+2"},
      {L"0E+0#", 1234.5, L"1E+3"},
      {L"0.0E-##0", 1234.5, L"1.2E3"},
      {L"#,##0.00;(#,##0.00)", -1234.5, L"(1,234.50)"},
      {L"0.00;-0.00;\"zero\"", 0, L"zero"},
      {L"0.0;-0.0;\"zero\"", 0.01, L"zero"},
      {L"0.0;;\"zero\"", -2, L"-2.0"},
      {L"\"Total: \"0.00", 5, L"Total: 5.00"},
      {L"'#'0", 5, L"#5"},
      {L"0 \"kg\"", 12.4, L"12 kg"},
      {L"", 1.5, L"1.5"},
      {L"0", 1e25, L"1E25"},
  };
  for (auto& c : cases) EXPECT_EQ(FormatFloat(c.fmt, c.v, us), c.expected) << UTF8Encode(c.fmt);
  EXPECT_EQ(FormatFloat(L"#,##0.00", 1234.5, GermanFormatSettings()), L"1.234,50");
}

TEST(Format, StrToFloatUsesTheLocaleDecimalSeparator) {
  TFormatSettings us = USFormatSettings(), de = GermanFormatSettings();
  struct { const wchar_t* s; const TFormatSettings* fs; bool ok; double v; } cases[] = {
      {L"1.5", &us, true, 1.5},      {L" -2.25e2 ", &us, true, -225},
      {L"1,5", &de, true, 1.5},      {L"1.5", &de, false, 0},
      {L".5", &us, true, 0.5},       {L"5.", &us, true, 5},
      {L"1,000.5", &us, false, 0},   {L"", &us, false, 0},
      {L"1e", &us, false, 0},        {L"abc", &us, false, 0},
      {L"1e999", &us, false, 0},
  };
  for (auto& c : cases) {
    double v = -1;
    EXPECT_EQ(TryStrToFloat(c.s, v, *c.fs), c.ok) << UTF8Encode(c.s);
    if (c.ok) { EXPECT_DOUBLE_EQ(v, c.v) << UTF8Encode(c.s); }
  }
  EXPECT_EQ(StrToFloatDef(L"x", 7.5, us), 7.5);
  try {
    StrToFloat(L"1x", us);
    ADD_FAILURE() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), L"'1x' is not a valid floating point value");
  }
  double d;
  Integer code;
  Val(L"3.25", d, code);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(d, 3.25);
  Val(L"3,25", d, code);
  EXPECT_EQ(code, 2);
}
