// The drawing and number helpers of the drop-down editors: banded
// gradients, colour blending and toning, shortened text, and the kinds of
// number text.
#include <gtest/gtest.h>

#include "dropdown/DropDownPaint.h"
#include "foundation/ValueUtils.h"
#include "dropdown/NumberText.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "tests/support/PinnedFormatSettings.h"

using namespace jorv;
using namespace jorv::dropdown;
using namespace jorv::foundation;

namespace {

struct TUSLocale {
  TFormatSettings Settings = USFormatSettings();
  TUSLocale() { SetFormatSettingsOverride(&Settings); }
  ~TUSLocale() { SetFormatSettingsOverride(nullptr); }
};

}  // namespace

TEST(DrawBandGradientTest, ZeroStepsPaintsOneBandOfTheStartColour) {
  TBitmap B(40, 10);
  DrawBandGradient(B.Canvas(), 0x0000FF, 0xFF0000, 0, TRect(0, 0, 40, 10), true);
  for (Integer X : {0, 20, 39}) EXPECT_EQ(B.Canvas()->Pixels(X, 5), TColor(0x0000FF)) << X;
}

TEST(DrawBandGradientTest, BandsStepFromTheStartTowardsTheEnd) {
  // Two bands over 41 pixels (40 counted): the first from 0 with the start
  // colour, the second from 20 halfway to the end colour; the end colour
  // itself is never reached.
  TBitmap B(41, 10);
  DrawBandGradient(B.Canvas(), 0x000000, 0x0000C8, 2, TRect(0, 0, 41, 10), true);
  EXPECT_EQ(B.Canvas()->Pixels(0, 5), TColor(0x000000));
  EXPECT_EQ(B.Canvas()->Pixels(19, 5), TColor(0x000000));
  EXPECT_EQ(B.Canvas()->Pixels(20, 5), TColor(0x000064));
  EXPECT_EQ(B.Canvas()->Pixels(40, 5), TColor(0x000064));
  TBitmap V(10, 41);
  DrawBandGradient(V.Canvas(), 0x000000, 0x00C800, 2, TRect(0, 0, 10, 41), false);
  EXPECT_EQ(V.Canvas()->Pixels(5, 19), TColor(0x000000));
  EXPECT_EQ(V.Canvas()->Pixels(5, 21), TColor(0x006400));
}

TEST(ColourHelpersTest, BlendAndToneByTheirTables) {
  // 127.5 goes to the even neighbour.
  EXPECT_EQ(BlendColor(0x000000, 0xFFFFFF, 50), TColor(0x808080));
  EXPECT_EQ(BlendColor(0x123456, 0xFFFFFF, 100), TColor(0x123456));
  EXPECT_EQ(BlendColor(0x123456, 0xFFFFFF, 0), TColor(0xFFFFFF));
  // Red 225 and green 240 to 90 % (202.5 to 202, 216), blue kept.
  EXPECT_EQ(ChangeTone(0xF5F0E1, -10, -10, 0), TColor(0xF5D8CA));
  // A zero channel takes a positive delta as its value.
  EXPECT_EQ(ChangeTone(0x000000, 30, -10, 0), TColor(0x00001E));
}

TEST(EllipsisTextTest, ShortensOnlyWhatDoesNotFit) {
  TBitmap B(10, 10);
  TCanvas* C = B.Canvas();
  String R;
  EllipsisText(C, L"abc", 1000, true, R);
  EXPECT_EQ(R, L"abc");
  const Integer Full = C->TextWidth(L"abcdefghij");
  EllipsisText(C, L"abcdefghij", Full - 1, true, R);
  EXPECT_LT(C->TextWidth(R), Full - 1);
  EXPECT_EQ(R.substr(R.size() - 3), L"...");
  EllipsisText(C, L"abcdefghij", 1, true, R);
  EXPECT_EQ(R, L"abcdefghij") << "nothing fits: the whole text stays";
}

TEST(NumberTextTest, ClassifiesTexts) {
  TUSLocale Locale;
  struct TCase {
    const wchar_t* Text;
    Integer Kind;
  };
  const TCase Cases[] = {
      {L"", nkOther},          {L"123", nkInteger},     {L"-12", nkInteger},  {L"1.5", nkDecimal},
      {L"1,234.5", nkDecimal}, {L"1,2,3", nkOther},     {L"ff", nkHex},       {L"1A", nkHex},
      {L"1.2.3", nkOther},     {L"--1", nkOther},       {L"abc", nkHex},      {L"x1", nkOther},
  };
  for (const TCase& C : Cases) EXPECT_EQ(ClassifyNumber(C.Text), C.Kind) << String(C.Text).c_str();
}

TEST(NumberTextTest, HexDigitsAndSeparators) {
  TUSLocale Locale;
  EXPECT_EQ(HexToInt(L"FF"), 255);
  EXPECT_EQ(HexToInt(L"1a"), 26);
  EXPECT_EQ(HexToInt(L"1G"), 16) << "a foreign character counts 0";
  EXPECT_EQ(StripThousandSeparators(L"1,234,567.5"), L"1234567.5");
  EXPECT_TRUE(IsRangeSeparator(L';'));
  EXPECT_FALSE(IsRangeSeparator(L'.'));
}
