// The calculator and the clock written to a form stream and read back.
#include <gtest/gtest.h>

#include "dropdown/CalculatorDropDown.h"
#include "dropdown/ExWatch.h"
#include "dropdown/TimePickerDropDown.h"
#include "platform/rtl/DateUtils.h"
#include "tests/support/StreamCheck.h"

using namespace jorv;
using namespace jorv::dropdown;

namespace {

TEST(CalcClockStreaming, CalculatorAndClockKeepTheirSettings) {
  TExCalculatorDropdown Calc(nullptr);
  Calc.SetPrecision(3);
  Calc.SetShowThousandSeparator(true);
  Calc.CalcButtonAppearance()->SetColor(0x123456);
  Calc.CalcButtonAppearance()->SetGlowColorHot(0x654321);
  TExCalculatorDropdown CalcCopy(nullptr);
  ReadBytesInto(WrittenBytes(&Calc), &CalcCopy);
  EXPECT_EQ(CalcCopy.Precision(), 3);
  EXPECT_TRUE(CalcCopy.ShowThousandSeparator());
  EXPECT_EQ(CalcCopy.CalcButtonAppearance()->Color(), TColor(0x123456));
  EXPECT_EQ(CalcCopy.CalcButtonAppearance()->GlowColorHot(), TColor(0x654321));

  TExWatch Watch(nullptr);
  Watch.SetStyle(wsTower);
  Watch.SetTime(EncodeTime(14, 25, 0, 0));
  Watch.SetAnimationFactor(4);
  Watch.Settings()->SetTimeOffset(90);
  TExWatch WatchCopy(nullptr);
  ReadBytesInto(WrittenBytes(&Watch), &WatchCopy);
  EXPECT_TRUE(PropertyDifferences(&Watch, &WatchCopy).empty());
  EXPECT_EQ(WatchCopy.Style(), wsTower);
  EXPECT_EQ(WatchCopy.Appearance()->Shape(), wsRect);
  EXPECT_EQ(WatchCopy.Settings()->TimeOffset(), 90);

  TExTimePickerDropDown Picker(nullptr);
  Picker.SetShowSeconds(false);
  Picker.SetTime(EncodeTime(7, 45, 0, 0));
  Picker.SetShowTimePicker(true);
  Picker.WatchAppearance()->SetShape(wsRoundRect);
  TExTimePickerDropDown PickerCopy(nullptr);
  ReadBytesInto(WrittenBytes(&Picker), &PickerCopy);
  EXPECT_FALSE(PickerCopy.ShowSeconds());
  EXPECT_EQ(PickerCopy.Time(), EncodeTime(7, 45, 0, 0));
  EXPECT_EQ(PickerCopy.Text(), L"07:45");
  EXPECT_TRUE(PickerCopy.ShowTimePicker());
  EXPECT_EQ(PickerCopy.WatchAppearance()->Shape(), wsRoundRect);
}

}  // namespace
