// The time picker drop-down: its text and mask, stepping parts with Up and
// Down, typed times, and times taken from the clock and the time picker of
// its pop-up.
#include <gtest/gtest.h>

#include "dropdown/TimePickerDropDown.h"
#include "platform/rtl/DateUtils.h"
#include "platform/ui/DateTimePicker.h"
#include "platform/ui/Panel.h"
#include "tests/support/PinnedFormatSettings.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::dropdown;
using namespace jorv::test;

namespace {

class TimePickerTest : public ::testing::Test {
 protected:
  TimePickerTest() {
    SetFormatSettingsOverride(&Settings);
    Picker = new TExTimePickerDropDown(Form.Get());
    Picker->SetParent(Form.Get());
    Picker->SetBounds(60, 20, 160, 21);
    Picker->HandleNeeded();
    Pump();
  }
  ~TimePickerTest() override {
    if (Picker->DroppedDown()) Picker->HideDropDown(false);
    SetFormatSettingsOverride(nullptr);
  }
  void StepAt(Integer Caret, Word Key) {
    Picker->SetSelStart(Caret);
    Picker->SetSelLength(0);
    SendMessageW(Picker->Handle(), WM_KEYDOWN, Key, 1);
  }
  static TDateTime At(Word H, Word M, Word S = 0) { return EncodeTime(H, M, S, 0); }

  TFormatSettings Settings = USFormatSettings();
  TTestForm Form{400, 320};
  TExTimePickerDropDown* Picker;
};

TEST_F(TimePickerTest, ANewPickerShowsMidnightWithSecondsAndDropsThemOnRequest) {
  EXPECT_EQ(Picker->Text(), L"00:00:00");
  EXPECT_EQ(Picker->Time(), 0);
  EXPECT_EQ(Picker->EditMask(), L"!90:00:00;1; ");
  Picker->SetTime(At(9, 5, 7));
  EXPECT_EQ(Picker->Text(), L"09:05:07");
  Picker->SetShowSeconds(false);
  EXPECT_EQ(Picker->Text(), L"09:05");
  EXPECT_EQ(Picker->EditMask(), L"!90:00;1; ");
}

TEST_F(TimePickerTest, UpAndDownStepThePartUnderTheCaretWithinItsRange) {
  struct TCase {
    TDateTime Start;
    Integer Caret;
    Word Key;
    const wchar_t* Shown;
  };
  const TCase Cases[] = {
      {At(0, 15, 0), 0, VK_UP, L"23:15:00"},   {At(0, 15, 0), 2, VK_DOWN, L"01:15:00"},
      {At(12, 34, 59), 8, VK_DOWN, L"12:34:00"},  // the minute is not carried
      {At(12, 34, 56), 3, VK_UP, L"12:33:56"},  {At(12, 59, 56), 5, VK_DOWN, L"12:00:56"},
      {At(12, 34, 0), 6, VK_UP, L"12:34:59"},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(testing::Message() << "caret " << Case.Caret);
    Picker->SetTime(Case.Start);
    Integer Changes = 0;
    Picker->OnTimeChange = [&](TObject*) { ++Changes; };
    StepAt(Case.Caret, Case.Key);
    EXPECT_EQ(Picker->Text(), Case.Shown);
    EXPECT_EQ(Picker->SelStart(), Case.Caret);
    EXPECT_EQ(Changes, 1);
  }
}

TEST_F(TimePickerTest, TypedTimesAreTakenAndBadOnesLeaveTheValue) {
  Picker->SetEditorEnabled(true);
  struct TCase {
    bool Seconds;
    const wchar_t* Typed;
    TDateTime Time;
    const wchar_t* Shown;
  };
  const TDateTime Before = At(8, 8, 8);
  const TCase Cases[] = {
      {true, L"12:34:56", At(12, 34, 56), L"12:34:56"},  // a complete time is taken
      {true, L" 1:34:  ", At(1, 34, 0), L" 1:34:  "},    // not rewritten: the minute is not 0
      {false, L"1 :00", At(10, 0, 0), L"10:00"},         // blanks are zeros; rewritten
      {false, L"07:45", At(7, 45, 0), L"07:45"},
      {true, L"25:00:00", Before, L"25:00:00"},  // out of range: the value stays
      {true, L"12:61:00", Before, L"12:61:00"},
      {false, L"24:30", Before, L"24:30"},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(std::string(Case.Typed, Case.Typed + wcslen(Case.Typed)));
    Picker->SetShowSeconds(Case.Seconds);
    Picker->SetTime(Before);
    Picker->SetText(Case.Typed);
    EXPECT_EQ(Picker->Time(), Case.Time);
    EXPECT_EQ(Picker->Text(), Case.Shown);
  }
}

TEST_F(TimePickerTest, ThePopupClockTakesTheTextAndGivesBackWhatIsSetOnIt) {
  Picker->SetTime(At(10, 20, 0));
  Picker->WatchSettings()->SetAuto(false);
  Picker->SetAnimation(false);
  Picker->ShowDropDown();
  ASSERT_TRUE(Picker->DroppedDown());
  TExWatch* Watch = Picker->Watch();
  EXPECT_EQ(Watch->Time(), At(10, 20, 0));
  EXPECT_EQ(Picker->Panel()->Height(), 170);
  // A click outside the dial on the right sets the minute 15; the text
  // follows at once, the value when the pop-up closes.
  const TRect Dial = Watch->GetWatchRect();
  const Integer Y = (Dial.Top + Dial.Bottom) / 2;
  SendMessageW(Watch->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(Watch->ClientWidth() - 2, Y));
  SendMessageW(Watch->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(Watch->ClientWidth() - 2, Y));
  EXPECT_EQ(Picker->Text(), L"10:15:00");
  // Keys in the pop-up step the clock: Page Up the hour.
  SendMessageW(Picker->DropDownForm()->Handle(), WM_KEYDOWN, VK_PRIOR, 1);
  EXPECT_EQ(Picker->Text(), L"11:15:00");
  Picker->HideDropDown(false);
  EXPECT_EQ(Picker->Time(), At(11, 15, 0));
  // Cancelling puts back the value of the opening.
  Picker->ShowDropDown();
  SendMessageW(Picker->DropDownForm()->Handle(), WM_KEYDOWN, VK_PRIOR, 1);
  EXPECT_EQ(Picker->Text(), L"12:15:00");
  Picker->HideDropDown(true);
  EXPECT_EQ(Picker->Time(), At(11, 15, 0));
  EXPECT_EQ(Picker->Text(), L"11:15:00");
}

TEST_F(TimePickerTest, TheTimePickerBelowTheClockSpinsTheTime) {
  Picker->SetShowTimePicker(true);
  Picker->SetAnimation(false);
  Picker->SetTime(At(6, 30, 0));
  Picker->ShowDropDown();
  TDateTimePicker* Spin = Picker->TimePicker();
  ASSERT_NE(Spin, nullptr);
  EXPECT_EQ(Spin->Format(), L"HH:mm:ss");
  EXPECT_EQ(Picker->Panel()->Height(), 170 + Spin->Height());
  EXPECT_NEAR(Spin->Time(), At(6, 30, 0), 1e-9);
  Spin->SetTime(At(18, 5, 9));
  if (Spin->OnChange) Spin->OnChange(Spin);
  EXPECT_EQ(Picker->Text(), L"18:05:09");
  EXPECT_NEAR(Picker->Watch()->Time(), At(18, 5, 9), 1e-9);
  Picker->HideDropDown(false);
  EXPECT_NEAR(Picker->Time(), At(18, 5, 9), 1e-9);
}

TEST_F(TimePickerTest, ATextThatIsNoTimeStillOpensThePopup) {
  Picker->SetTime(At(4, 0, 0));
  Picker->SetEditMask(String());
  Picker->SetText(L"4 o'clock");
  Picker->ShowDropDown();
  EXPECT_TRUE(Picker->DroppedDown());
  EXPECT_EQ(Picker->Watch()->Time(), At(4, 0, 0));
}

}  // namespace
