// The grid's date pickers: the editor's metro look, the checker base, and
// the labelled picker with its time part, typed text and label places.
#include <gtest/gtest.h>

#include "grid/base/ExDateTimePicker.h"
#include "grid/base/GrdDateTimePicker.h"
#include <commctrl.h>
#include "platform/rtl/DateUtils.h"
#include "tests/support/FixedClock.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

TEST(GrdDateTimePicker, AColouredButtonShowsInTheMetroLookOnly) {
  TTestForm Form;
  TGrdDateTimePicker Picker(nullptr);
  Picker.SetParent(Form.Get());
  Picker.SetBounds(10, 10, 140, 22);
  EXPECT_EQ(Picker.Version(), L"1.0.0.0");
  EXPECT_EQ(Picker.BorderStyle(), bsNone);
  Picker.Look().ButtonColor = clYellow;
  Picker.Look().ButtonTextColor = clBlack;
  Picker.SetBorderColor(clRed);
  Pump();
  const Integer Left = Picker.ClientWidth() - Picker.Look().ButtonWidth + 2 + 1;
  HDC Screen = GetDC(Picker.Handle());
  EXPECT_NE(GetPixel(Screen, Left + 4, 5), RGB(255, 255, 0));
  ReleaseDC(Picker.Handle(), Screen);
  Picker.SetMetroStyle(true);
  Picker.SetCtl3D(false);
  Picker.Invalidate();
  Pump();
  Screen = GetDC(Picker.Handle());
  EXPECT_EQ(GetPixel(Screen, Left + 4, 5), RGB(255, 255, 0));
  ReleaseDC(Picker.Handle(), Screen);
  // The frame goes round the whole window, its border included.
  HDC Whole = GetWindowDC(Picker.Handle());
  EXPECT_EQ(GetPixel(Whole, 0, 10), RGB(255, 0, 0));
  ReleaseDC(Picker.Handle(), Whole);
}

TEST(GrdDateTimePicker, ATimePickerKeepsItsOwnButtonInTheMetroLook) {
  TTestForm Form;
  TGrdDateTimePicker Picker(nullptr);
  Picker.SetParent(Form.Get());
  Picker.SetBounds(10, 10, 140, 22);
  Picker.SetKind(dtkTime);
  Picker.Look().ButtonColor = clYellow;
  Picker.SetMetroStyle(true);
  Picker.SetCtl3D(false);
  Pump();
  const Integer Left = Picker.ClientWidth() - Picker.Look().ButtonWidth + 2 + 1;
  HDC Screen = GetDC(Picker.Handle());
  EXPECT_NE(GetPixel(Screen, Left + 4, 5), RGB(255, 255, 0));
  ReleaseDC(Picker.Handle(), Screen);
}

TEST(RezIvevirAvodCheck, TheBaseChangesNothing) {
  TRezIvevirAvodCheck Check(nullptr);
  EXPECT_FALSE(Check.AutoCorrect() || Check.AutoMarkError() || Check.GotoCell() || Check.UseCorrect() ||
               Check.UseMarkError());
  Check.StartCheck();
  EXPECT_EQ(Check.Correct(1, 2, L"<b>x"), L"<b>x");
  EXPECT_EQ(Check.MarkError(1, 2, L" x "), L" x ");
  Check.StopCheck();
}

class ExPicker : public ::testing::Test {
 protected:
  void SetUp() override {
    Picker = new TExDateTimePicker(Form.Get());
    Picker->SetParent(Form.Get());
    Picker->SetBounds(120, 80, 200, 22);
    Pump();
  }
  TTestForm Form{450, 250};
  TExDateTimePicker* Picker = nullptr;
};

TEST_F(ExPicker, ANewPickerEditsDateAndTimeAtOnce) {
  EXPECT_EQ(Picker->Kind(), dkDateTime);
  EXPECT_EQ(Picker->Version(), L"1.2.2.0");
  ASSERT_NE(Picker->TimePicker(), nullptr);
  EXPECT_TRUE(Picker->TimePicker()->Visible());
  EXPECT_TRUE(Picker->TimePicker()->FIsTimePicker);
  // Milliseconds are dropped.
  Picker->SetDateTime(EncodeDate(2024, 5, 17) + EncodeTime(14, 30, 15, 400));
  EXPECT_EQ(Picker->DateTime(), EncodeDate(2024, 5, 17) + EncodeTime(14, 30, 15, 0));
  EXPECT_NEAR(Picker->Time(), EncodeTime(14, 30, 15, 0), 1e-9);
  // A new day keeps the time of day.
  Picker->SetDate(EncodeDate(2025, 1, 2));
  EXPECT_EQ(Picker->DateTime(), EncodeDate(2025, 1, 2) + EncodeTime(14, 30, 15, 0));
  // What the time part shows is part of the value.
  Picker->TimePicker()->SetTime(EncodeTime(8, 5, 0, 0));
  EXPECT_EQ(Picker->DateTime(), EncodeDate(2025, 1, 2) + EncodeTime(8, 5, 0, 0));
  Picker->SetBounds(120, 80, 220, 22);
  EXPECT_EQ(Picker->DateTime(), EncodeDate(2025, 1, 2) + EncodeTime(8, 5, 0, 0));

  Picker->SetKind(dkDate);
  EXPECT_EQ(Picker->TimePicker(), nullptr);
  Picker->SetKind(dkDateTime);
  ASSERT_NE(Picker->TimePicker(), nullptr);
  EXPECT_EQ(Picker->DateTime(), EncodeDate(2025, 1, 2) + EncodeTime(8, 5, 0, 0));
}

TEST_F(ExPicker, APureTimeMeansTodayOnlyWithNullDateIsToday) {
  FixedClock Clock(EncodeDate(2024, 3, 15) + 0.75);
  Picker->SetDateTime(EncodeTime(9, 0, 0, 0));
  EXPECT_EQ(Picker->Date(), 0);
  Picker->FNullDateIsToday = true;
  Picker->SetDateTime(EncodeTime(9, 0, 0, 0));
  EXPECT_EQ(Picker->Date(), EncodeDate(2024, 3, 15));
}

TEST_F(ExPicker, FlagsReachTheTimePart) {
  Picker->SetAutoTabToNext(false);
  Picker->SetAutoTab(true);
  EXPECT_FALSE(Picker->TimePicker()->AutoTabToNext());
  EXPECT_TRUE(Picker->TimePicker()->AutoTab());
  Picker->SetEnabled(false);
  EXPECT_FALSE(Picker->TimePicker()->Enabled());
}

TEST_F(ExPicker, InTheGridTheDateAsksForShiftTabAndTheTimeForTab) {
  Picker->FGridTabhandling = true;
  Picker->TimePicker()->FGridTabhandling = true;
  const auto WantsTab = [](TWinControl* C) {
    return (SendMessageW(C->Handle(), WM_GETDLGCODE, 0, 0) & DLGC_WANTTAB) != 0;
  };
  EXPECT_FALSE(WantsTab(Picker));
  EXPECT_TRUE(WantsTab(Picker->TimePicker()));
  BYTE Keys[256];
  GetKeyboardState(Keys);
  Keys[VK_SHIFT] = 0x80;
  SetKeyboardState(Keys);
  EXPECT_TRUE(WantsTab(Picker));
  EXPECT_FALSE(WantsTab(Picker->TimePicker()));
  Keys[VK_SHIFT] = 0;
  SetKeyboardState(Keys);
}

// This system's picker window has no typing mode of its own, so the text is
// handed over as the window does it: a notice to the parent window.
TEST_F(ExPicker, TypedTextThatDoesNotParseIsRefused) {
  Picker->SetKind(dkDate);
  const auto Typed = [&](const wchar_t* Text) {
    NMDATETIMESTRINGW Note{};
    Note.nmhdr.hwndFrom = Picker->Handle();
    Note.nmhdr.idFrom = GetDlgCtrlID(Picker->Handle());
    Note.nmhdr.code = DTN_USERSTRINGW;
    Note.pszUserString = Text;
    SendMessageW(Form->Handle(), WM_NOTIFY, Note.nmhdr.idFrom, reinterpret_cast<LPARAM>(&Note));
    return Note.dwFlags;
  };
  for (bool WithCheckBox : {false, true}) {
    Picker->SetShowCheckbox(WithCheckBox);
    Picker->OnUserInput = nullptr;
    EXPECT_EQ(Typed(L"kein Datum"), static_cast<DWORD>(GDT_ERROR)) << WithCheckBox;
    Picker->OnUserInput = [](TObject*, const String&, TDateTime& Value, bool& Allow) {
      Value = EncodeDate(2020, 2, 2);
      Allow = true;
    };
    EXPECT_EQ(Typed(L"kein Datum"), static_cast<DWORD>(GDT_VALID)) << WithCheckBox;
  }
}

TEST_F(ExPicker, TheLabelStandsAtItsPlaceAndTurnsBoldWhileFocused) {
  Picker->SetLabelCaption(L"Termin");
  edit::TEditLabel* Label = Picker->EditLabel();
  ASSERT_NE(Label, nullptr);
  const Integer LW = Label->Width(), LH = Label->Height(), w = LW, M = 4;
  // The single border lifts the centred places by one pixel.
  const Integer vc = 80 + (22 - 2 - LH) / 2;
  struct Case {
    edit::TLabelPosition Position;
    Integer Left, Top;
  };
  const Case Cases[] = {
      {edit::lpLeftTop, 120 - w - M, 80},       {edit::lpLeftCenter, 120 - w - M, vc},
      {edit::lpLeftBottom, 120 - w - M, 102 - LH}, {edit::lpTopLeft, 120, 80 - LH - M},
      {edit::lpBottomLeft, 120, 102 + M},       {edit::lpLeftTopLeft, 120 - M, 80},
      {edit::lpLeftCenterLeft, 120 - M, vc},    {edit::lpLeftBottomLeft, 120 - M, 102 - LH},
      {edit::lpTopCenter, 120 + (200 - LW) / 2, 80 - LH - M},
      {edit::lpBottomCenter, 120 + (200 - LW) / 2, 102 + M},
      {edit::lpRightTop, 320 + M, 80},          {edit::lpRightCenter, 320 + M, vc},
      {edit::lpRighBottom, 320 + M, 102 - LH},  {edit::lpTopRight, 320 - LW, 80 - LH - M},
      {edit::lpBottomRight, 320 - LW, 102 + M},
  };
  for (const Case& C : Cases) {
    Picker->SetLabelPosition(C.Position);
    EXPECT_EQ(Label->Left(), C.Left) << int(C.Position);
    EXPECT_EQ(Label->Top(), C.Top) << int(C.Position);
  }
  Picker->SetFocusLabel(true);
  Picker->SetFocus();
  Pump();
  EXPECT_TRUE(Label->Font()->Style().Contains(fsBold));
  TEdit Other(nullptr);
  Other.SetParent(Form.Get());
  Other.SetFocus();
  Pump();
  EXPECT_FALSE(Label->Font()->Style().Contains(fsBold));
  Picker->SetEnabled(false);
  EXPECT_FALSE(Label->Enabled());
  Picker->SetVisible(false);
  EXPECT_FALSE(Label->Visible());
}

}  // namespace

namespace {

// Digits typed on the keyboard: they go to whichever window has the focus.
void TypeDigits(const wchar_t* Digits) {
  for (const wchar_t* P = Digits; *P; ++P) {
    INPUT Keys[2]{};
    Keys[0].type = INPUT_KEYBOARD;
    Keys[0].ki.wVk = static_cast<WORD>(*P);
    Keys[1] = Keys[0];
    Keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, Keys, sizeof(INPUT));
    Pump(40);
  }
}

class AutoTabPicker : public ExPicker {
 protected:
  void SetUp() override {
    ExPicker::SetUp();
    Next = new TEdit(Form.Get());
    Next->SetParent(Form.Get());
    Next->SetBounds(120, 150, 100, 22);
    SetForegroundWindow(Form->Handle());
    Picker->SetDateTime(EncodeDate(2024, 1, 1) + EncodeTime(1, 1, 1, 0));
    Picker->SetTimeFormat(L"HH:mm:ss");
    Picker->SetAutoTab(true);
    Pump();
  }
  HWND Focused() { return GetFocus(); }
  TEdit* Next = nullptr;
};

TEST_F(AutoTabPicker, TypedDigitsMoveFieldByFieldThenToTheTimeAndTheNextControl) {
  Picker->SetFormat(L"dd.MM.yyyy");
  Picker->SetFocus();
  Pump();
  TypeDigits(L"15");
  EXPECT_EQ(Picker->Date(), EncodeDate(2024, 1, 15));
  TypeDigits(L"03");
  EXPECT_EQ(Picker->Date(), EncodeDate(2024, 3, 15));
  EXPECT_EQ(Focused(), Picker->Handle());
  // The year is the format's last field: the date is complete.
  TypeDigits(L"2026");
  EXPECT_EQ(Picker->Date(), EncodeDate(2026, 3, 15));
  ASSERT_EQ(Focused(), Picker->TimePicker()->Handle());
  Pump();
  TypeDigits(L"0830");
  EXPECT_EQ(Focused(), Picker->TimePicker()->Handle());
  // The seconds complete the time.
  TypeDigits(L"45");
  EXPECT_EQ(Picker->DateTime(), EncodeDate(2026, 3, 15) + EncodeTime(8, 30, 45, 0));
  EXPECT_EQ(Focused(), Next->Handle());
}

TEST_F(AutoTabPicker, AFormatEndingInTheMonthIsCompleteWithTheMonth) {
  Picker->SetFormat(L"yyyy-MM");
  Picker->SetFocus();
  Pump();
  TypeDigits(L"2030");
  EXPECT_EQ(Focused(), Picker->Handle());
  TypeDigits(L"07");
  EXPECT_EQ(Picker->Date(), EncodeDate(2030, 7, 1));
  EXPECT_EQ(Focused(), Picker->TimePicker()->Handle());
}

TEST_F(AutoTabPicker, TheLocalesYearEndsADateOnlyPickerAtTheNextControl) {
  wchar_t Short[80] = {};
  GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, Short, 80);
  const String Order = Short;
  if (Order.empty() || (Order.back() != L'y' && Order.back() != L'Y')) GTEST_SKIP() << "year not last: " << Short;
  Picker->SetKind(dkDate);
  Picker->SetFocus();
  Pump();
  Word Year = 0, Month = 0, Day = 0;
  // Day and month in the locale's order, each changed by two digits.
  TypeDigits(L"12");
  TypeDigits(L"11");
  EXPECT_EQ(Focused(), Picker->Handle());
  TypeDigits(L"2031");
  DecodeDate(Picker->Date(), Year, Month, Day);
  EXPECT_EQ(Year, 2031);
  EXPECT_EQ(Month, 11 + (Day == 11 ? 1 : 0));
  EXPECT_EQ(Focused(), Next->Handle());
}

TEST_F(AutoTabPicker, WithoutAutoTabToNextTheSecondsStayInTheTimePart) {
  Picker->SetAutoTabToNext(false);
  grid::TCustomDateTimePicker* TimePart = Picker->TimePicker();
  TimePart->SetFocus();
  Pump();
  TypeDigits(L"102030");
  EXPECT_NEAR(Picker->Time(), EncodeTime(10, 20, 30, 0), 1e-9);
  EXPECT_EQ(Focused(), TimePart->Handle());
}

TEST_F(ExPicker, TheCheckBoxEnablesTheTimePart) {
  Picker->SetShowCheckbox(true);
  Picker->SetDateTime(EncodeDate(2024, 6, 1) + EncodeTime(12, 0, 0, 0));
  Pump();
  ASSERT_NE(Picker->TimePicker(), nullptr);
  EXPECT_TRUE(Picker->TimePicker()->Enabled());
  // A click at the check box at the left end goes to whichever window the
  // picker shows there.
  const auto ClickCheckBox = [&] {
    POINT At{8, Picker->ClientHeight() / 2};
    HWND Target = ChildWindowFromPointEx(Picker->Handle(), At, CWP_SKIPINVISIBLE);
    MapWindowPoints(Picker->Handle(), Target, &At, 1);
    PostMessageW(Target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(At.x, At.y));
    PostMessageW(Target, WM_LBUTTONUP, 0, MAKELPARAM(At.x, At.y));
    Pump();
  };
  ClickCheckBox();
  EXPECT_FALSE(Picker->Checked());
  EXPECT_FALSE(Picker->TimePicker()->Enabled());
  ClickCheckBox();
  EXPECT_TRUE(Picker->Checked());
  EXPECT_TRUE(Picker->TimePicker()->Enabled());
  // A value cleared by the program disables it as well.
  Picker->SetChecked(false);
  EXPECT_FALSE(Picker->TimePicker()->Enabled());
}

TEST_F(ExPicker, TheMetroLookDrawsItsButtonAndFrame) {
  Picker->SetKind(dkDate);
  Picker->SetCtl3D(false);
  Picker->Look().ButtonColor = clYellow;
  Picker->Look().ButtonTextColor = clBlack;
  Picker->SetBorderColor(clRed);
  Picker->SetMetroStyle(true);
  Picker->Invalidate();
  Pump(100);
  const Integer Left = Picker->ClientWidth() - Picker->Look().ButtonWidth + 2 + 1;
  HDC Client = GetDC(Picker->Handle());
  EXPECT_EQ(GetPixel(Client, Left + 4, 4), RGB(255, 255, 0));
  // The arrow in the button text colour.
  EXPECT_EQ(GetPixel(Client, Left + 8, 1 + 8), RGB(0, 0, 0));
  ReleaseDC(Picker->Handle(), Client);
  HDC Whole = GetWindowDC(Picker->Handle());
  EXPECT_EQ(GetPixel(Whole, 0, 10), RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(Whole, Picker->Width() - 1, 10), RGB(255, 0, 0));
  ReleaseDC(Picker->Handle(), Whole);
}

}  // namespace
