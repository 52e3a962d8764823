// The grid's spin editor: reading and writing its four kinds of value,
// limits, stepping by field, the key filter, the keys that step, and the
// button pair with its repeat.
#include <gtest/gtest.h>

#include "grid/base/GrdSpinEdit.h"
#include "platform/rtl/DateUtils.h"
#include "platform/ui/Timer.h"
#include "tests/support/FixedClock.h"
#include "tests/support/PinnedFormatSettings.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

class SpinEdit : public ::testing::Test {
 protected:
  void SetUp() override {
    Spin = new TGrdSpinEdit(Form.Get());
    Spin->SetParent(Form.Get());
    Spin->SetBounds(10, 10, 120, 24);
    Other = new TEdit(Form.Get());
    Other->SetParent(Form.Get());
    Other->SetBounds(10, 60, 120, 24);
    Spin->SetFocus();
    Pump();
  }
  // Text with the caret at Caret (0-based), then one step.
  String StepAt(const String& Text, Integer Caret, bool Up) {
    Spin->SetText(Text);
    Spin->SetSelStart(Caret);
    Spin->SetSelLength(0);
    if (Up)
      Spin->StepUp(false);
    else
      Spin->StepDown(false);
    return Spin->Text();
  }
  void TypeChars(const String& Chars) {
    for (Char C : Chars) PostChar(Spin, C);
  }

  TTestForm Form{300, 200};
  TGrdSpinEdit* Spin = nullptr;
  TEdit* Other = nullptr;
};

TEST_F(SpinEdit, ReadersFallBackWithoutRaising) {
  PinnedFormatSettings US(USFormatSettings());
  FixedClock Clock(EncodeDate(2024, 3, 15) + 0.5);
  Spin->SetMinValue(5);
  Spin->SetMaxValue(10);
  Spin->SetMinFloatValue(1.5);
  Spin->SetMinDateValue(EncodeDate(2000, 1, 1));
  Spin->SetText(L"");
  EXPECT_EQ(Spin->Value(), 0);
  EXPECT_EQ(Spin->DateValue(), EncodeDate(2024, 3, 15) + 0.5);
  Spin->SetText(L" 42 ");
  EXPECT_EQ(Spin->Value(), 42);
  Spin->SetText(L"abc");
  EXPECT_EQ(Spin->Value(), 5);
  // The float kind falls back to its own lower limit.
  EXPECT_DOUBLE_EQ(Spin->FloatValue(), 1.5);
  EXPECT_EQ(Spin->DateValue(), EncodeDate(2000, 1, 1));
  EXPECT_EQ(Spin->TimeValue(), 0);
  Spin->SetText(L"0");
  EXPECT_EQ(Spin->DateValue(), EncodeDate(2024, 3, 15) + 0.5);
}

TEST_F(SpinEdit, WritersClampUnlessTheLimitsAreEqual) {
  PinnedFormatSettings US(USFormatSettings());
  EXPECT_EQ(Spin->Text(), L"0");
  Spin->SetValue(150);
  EXPECT_EQ(Spin->Text(), L"100");
  Spin->StepUp(false);
  EXPECT_EQ(Spin->Text(), L"100");
  Spin->SetValue(0);
  Spin->StepDown(false);
  EXPECT_EQ(Spin->Text(), L"0");
  Spin->SetMaxValue(0);
  Spin->SetValue(-12345);
  EXPECT_EQ(Spin->Text(), L"-12345");

  Spin->SetSpinType(sptFloat);
  Spin->SetPrecision(2);
  Spin->SetFloatValue(1.234);
  EXPECT_EQ(Spin->Text(), L"1.23");
  Spin->StepUp(false);
  EXPECT_EQ(Spin->Text(), L"1.33");
  Spin->StepDown(true);
  EXPECT_EQ(Spin->Text(), L"0.33");
  Spin->SetFloatValue(250);
  EXPECT_EQ(Spin->Text(), L"100.00");
  Spin->SetPrecision(0);
  EXPECT_EQ(Spin->Text(), L"100");
}

TEST_F(SpinEdit, DatesStepTheFieldUnderTheCaret) {
  PinnedFormatSettings German(GermanFormatSettings());
  Spin->SetSpinType(sptDate);
  struct Case {
    const wchar_t* Text;
    Integer Caret;
    bool Up;
    const wchar_t* Expected;
  };
  const Case Cases[] = {
      {L"31.01.2024", 0, true, L"01.02.2024"},
      {L"31.01.2024", 2, false, L"30.01.2024"},
      {L"31.01.2024", 4, true, L"29.02.2024"},   // the month keeps the day in the month
      {L"31.03.2023", 5, false, L"28.02.2023"},
      {L"31.01.2024", 8, true, L"31.01.2025"},
      {L"29.02.2024", 10, true, L"28.02.2025"},  // no 29 February next year
      {L"29.02.2024", 7, false, L"28.02.2023"},
  };
  for (const Case& C : Cases) EXPECT_EQ(StepAt(C.Text, C.Caret, C.Up), C.Expected) << C.Text << " at " << C.Caret;
}

TEST_F(SpinEdit, MonthFirstLocalesStepTheMonthBeforeTheFirstSeparator) {
  PinnedFormatSettings US(USFormatSettings());
  Spin->SetSpinType(sptDate);
  EXPECT_EQ(StepAt(L"1/31/2024", 0, true), L"2/29/2024");
  EXPECT_EQ(StepAt(L"1/31/2024", 3, true), L"2/1/2024");
  EXPECT_EQ(StepAt(L"1/31/2024", 6, false), L"1/31/2023");
}

TEST_F(SpinEdit, TimesStepTheFieldUnderTheCaretAndWrapAtMidnight) {
  PinnedFormatSettings German(GermanFormatSettings());
  Spin->SetSpinType(sptTime);
  EXPECT_EQ(StepAt(L"00:00:00", 0, false), L"23:00:00");
  EXPECT_EQ(StepAt(L"00:00:00", 4, false), L"23:59:00");
  EXPECT_EQ(StepAt(L"00:00:00", 7, false), L"23:59:59");
  EXPECT_EQ(StepAt(L"23:59:59", 8, true), L"00:00:00");
  EXPECT_EQ(StepAt(L"10:20:30", 5, true), L"10:21:30");
  Spin->SetIncrementMinutes(15);
  Spin->SetShowSeconds(false);
  // Without seconds the last field is the minutes.
  EXPECT_EQ(StepAt(L"10:50", 4, true), L"11:05");
  Spin->SetIncrementHours(24);
  EXPECT_THROW(StepAt(L"10:50", 0, true), Exception);
  EXPECT_EQ(Spin->Text(), L"10:50");
}

TEST_F(SpinEdit, ReadOnlyStepsChangeNothing) {
  Spin->SetValue(7);
  Spin->SetReadOnly(true);
  Spin->StepUp(false);
  Spin->SpinDownClick(nullptr);
  EXPECT_EQ(Spin->Text(), L"7");
}

TEST_F(SpinEdit, IntegersTakeDigitsAndALeadingMinusOnly) {
  PinnedFormatSettings US(USFormatSettings());
  Spin->SetText(L"");
  TypeChars(L"1a2.");
  EXPECT_EQ(Spin->Text(), L"12");
  // A minus only at the start.
  TypeChars(L"-");
  EXPECT_EQ(Spin->Text(), L"12");
  Spin->SetSelStart(0);
  TypeChars(L"-");
  EXPECT_EQ(Spin->Text(), L"-12");
  // Enter is refused (it would break the line of the multi-line window).
  KeyPress(Spin, VK_RETURN);
  EXPECT_EQ(Spin->Text(), L"-12");
  Spin->SetEditorEnabled(false);
  Spin->SetSelStart(3);
  TypeChars(L"5");
  KeyPress(Spin, VK_BACK);
  EXPECT_EQ(Spin->Text(), L"-12");
}

TEST_F(SpinEdit, FloatsKeepOneSeparatorAndPrecisionDecimals) {
  PinnedFormatSettings US(USFormatSettings());
  Spin->SetSpinType(sptFloat);
  Spin->SetPrecision(2);
  Spin->SetText(L"1.23");
  Spin->SetSelStart(4);
  TypeChars(L"4.,");
  EXPECT_EQ(Spin->Text(), L"1.23");
  Spin->SetSelStart(0);
  TypeChars(L"9");
  EXPECT_EQ(Spin->Text(), L"91.23");
}

TEST_F(SpinEdit, TheKeypadPointTypesTheLocaleSeparatorOnlyWhenAsked) {
  PinnedFormatSettings German(GermanFormatSettings());
  Spin->SetSpinType(sptFloat);
  Spin->SetText(L"1");
  Spin->SetSelStart(1);
  const LPARAM KeypadDecimal = 1 | (0x53 << 16);
  PostMessageW(Spin->Handle(), WM_CHAR, L'.', KeypadDecimal);
  Pump();
  // The point is the German thousands separator, which floats refuse.
  EXPECT_EQ(Spin->Text(), L"1");
  Spin->SetExcelStyleDecimalSeparator(true);
  PostMessageW(Spin->Handle(), WM_CHAR, L'.', 1 | (0x34 << 16));
  PostMessageW(Spin->Handle(), WM_CHAR, L'.', KeypadDecimal);
  Pump();
  EXPECT_EQ(Spin->Text(), L"1,");
}

TEST_F(SpinEdit, ArrowAndPageKeysStepWithoutReachingOnKeyDown) {
  PinnedFormatSettings US(USFormatSettings());
  Spin->SetSpinType(sptFloat);
  Spin->SetFloatValue(5);
  std::vector<Word> Seen;
  Spin->OnKeyDown = [&](TObject*, Word& Key, TShiftState) { Seen.push_back(Key); };
  KeyPress(Spin, VK_UP);
  EXPECT_EQ(Spin->Text(), L"5.1");
  KeyPress(Spin, VK_PRIOR);
  EXPECT_EQ(Spin->Text(), L"6.1");
  KeyPress(Spin, VK_NEXT);
  KeyPress(Spin, VK_DOWN);
  EXPECT_EQ(Spin->Text(), L"5");
  KeyPress(Spin, VK_HOME);
  EXPECT_EQ(Seen, std::vector<Word>{VK_HOME});
}

TEST_F(SpinEdit, ReturnIsTabMovesTheFocusOn) {
  Spin->SetReturnIsTab(true);
  KeyPress(Spin, VK_RETURN);
  Pump();
  EXPECT_TRUE(Other->Focused());
}

TEST_F(SpinEdit, LeavingClampsWhatWasTyped) {
  Spin->SetText(L"");
  TypeChars(L"250");
  EXPECT_EQ(Spin->Text(), L"250");
  Other->SetFocus();
  Pump();
  EXPECT_EQ(Spin->Text(), L"100");
}

TEST_F(SpinEdit, AHeldButtonRepeatsAfter400ThenEvery100Ms) {
  TGrdSpinButton* Pair = Spin->Button();
  EXPECT_EQ(Pair->Width(), 15);
  const auto Before = LiveTimers();
  MouseDown(Pair->UpButton(), 5, 3);
  TTimer* Repeat = NewTimer(Before);
  ASSERT_NE(Repeat, nullptr);
  EXPECT_EQ(Repeat->Interval(), 400u);
  EXPECT_TRUE(Repeat->Enabled());
  EXPECT_EQ(Spin->Text(), L"0");
  FireTimer(Repeat);
  EXPECT_EQ(Spin->Text(), L"1");
  EXPECT_EQ(Repeat->Interval(), 100u);
  FireTimer(Repeat);
  FireTimer(Repeat);
  EXPECT_EQ(Spin->Text(), L"3");
  // The release over the button is the click of an ordinary press.
  MouseUp(Pair->UpButton(), 5, 3);
  EXPECT_EQ(Spin->Text(), L"4");
  EXPECT_FALSE(Repeat->Enabled());
  FireTimer(Repeat);
  EXPECT_EQ(Spin->Text(), L"4");
  Click(Pair->DownButton(), 5, 5);
  EXPECT_EQ(Spin->Text(), L"3");
}

TEST(GrdSpinButton, ButtonsShareTheirSizeByDirection) {
  TTestForm Form;
  TGrdSpinButton Pair(nullptr);
  Pair.SetParent(Form.Get());
  Pair.SetBounds(0, 0, 10, 25);
  EXPECT_EQ(Pair.Width(), 15);
  EXPECT_EQ(Pair.UpButton()->BoundsRect(), TRect(0, 0, 15, 12));
  EXPECT_EQ(Pair.DownButton()->BoundsRect(), TRect(0, 11, 15, 25));
  Pair.SetDirection(spHorizontal);
  Pair.SetBounds(0, 0, 30, 18);
  EXPECT_EQ(Pair.DownButton()->BoundsRect(), TRect(0, 0, 15, 18));
  EXPECT_EQ(Pair.UpButton()->BoundsRect(), TRect(16, 0, 31, 18));
  EXPECT_EQ(Pair.UpButton()->ButtonDirection(), bdRight);
  EXPECT_EQ(Pair.DownButton()->ButtonDirection(), bdLeft);
}

TEST(GrdSpinButton, ColouredButtonsShowTheirStateColours) {
  TTestForm Form;
  TGrdSpinButton Pair(nullptr);
  Pair.SetParent(Form.Get());
  Pair.SetBounds(0, 0, 15, 30);
  Pair.SetButtonColor(clYellow);
  Pair.SetButtonColorDown(clRed);
  TRendered Face(&Pair);
  EXPECT_EQ(Face.Pixel(2, 8), clYellow);
  // The up arrow's tip (6, 2) and base (4..8, 4).
  EXPECT_EQ(Face.Pixel(6, 3), clBlack);
  MouseDown(Pair.UpButton(), 5, 5);
  TRendered Down(&Pair);
  EXPECT_EQ(Down.Pixel(2, 8), clRed);
  EXPECT_EQ(Down.Pixel(2, 22), clYellow);
  MouseUp(Pair.UpButton(), 5, 5);
}

}  // namespace
