#include <gtest/gtest.h>
#include "platform/gfx/gfx.h"

using namespace jorv;

TEST(Colors, StringRoundTrips) {
  struct Case {
    TColor Color;
    const wchar_t* Text;
  } cases[] = {
      {clRed, L"clRed"},
      {clBtnFace, L"clBtnFace"},
      {clInfoBk, L"clInfoBk"},
      {clMenuBar, L"clMenuBar"},
      {clNone, L"clNone"},
      {clDefault, L"clDefault"},
      {clWebSnow, L"clWebSnow"},
      {clWebDodgerBlue, L"clWebDodgerBlue"},
      {0x00123456, L"$00123456"},
      {TColor(0xFF0000FFu), L"$FF0000FF"},  // past the last system colour
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ColorToString(c.Color), c.Text) << c.Text;
    EXPECT_EQ(StringToColor(c.Text), c.Color) << c.Text;
  }
}

TEST(Colors, StringToColorAcceptsNamesAnyCaseAndIntegers) {
  struct Case {
    const wchar_t* Text;
    TColor Color;
  } cases[] = {
      {L"CLBTNFACE", clBtnFace}, {L"clwebred", clRed},     {L"255", clRed},
      {L"$FF00000F", clBtnFace}, {L"0xff00", clLime},      {L"-16777201", clBtnFace},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StringToColor(c.Text), c.Color) << c.Text;
  }
  for (const wchar_t* bad : {L"", L"$", L"red", L"12x", L"$1FFFFFFFF", L"4294967296"})
    EXPECT_THROW(StringToColor(bad), EConvertError) << bad;
}

TEST(Colors, SystemColoursResolveAndRgbHelpersSplit) {
  EXPECT_EQ(ColorToRGB(clBtnFace), TColor(GetSysColor(COLOR_BTNFACE)));
  EXPECT_EQ(ColorToRGB(clHighlightText), TColor(GetSysColor(COLOR_HIGHLIGHTTEXT)));
  EXPECT_EQ(ColorToRGB(clTeal), clTeal);
  EXPECT_EQ(ColorToRGB(clNone), clNone);
  EXPECT_EQ(RGB(0x12, 0x34, 0x56), 0x563412);
  EXPECT_EQ(GetRValue(clWebOrange), 255);
  EXPECT_EQ(GetGValue(clWebOrange), 165);
  EXPECT_EQ(GetBValue(clWebOrange), 0);
  EXPECT_EQ(clWebSnow, RGB(255, 250, 250));
}
