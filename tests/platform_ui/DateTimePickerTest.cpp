// The date and time picker: the value kept and shown, changes made in the
// window, typed text parsed through OnUserInput, the check box and limits.
#include <gtest/gtest.h>
#include <commctrl.h>
#include <cmath>
#include "platform/rtl/DateUtils.h"
#include "tests/support/PinnedFormatSettings.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::test;

namespace {

TDateTimePicker* NewPicker(TTestForm& F) {
  auto* P = new TDateTimePicker(F.Get());
  P->SetParent(F.Get());
  P->SetBounds(10, 10, 180, 22);
  return P;
}

TDateTime WindowValue(TDateTimePicker* P, DWORD& Flag) {
  SYSTEMTIME ST{};
  Flag = static_cast<DWORD>(P->Perform(DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&ST)));
  return Flag == GDT_VALID ? SystemTimeToDateTime(ST) : 0;
}

// What the window sends its parent when the user typed text it cannot read.
struct TTyped {
  DWORD Flags;
  TDateTime Value;
};
TTyped SendTyped(TTestForm& F, TDateTimePicker* P, const wchar_t* Text) {
  NMDATETIMESTRINGW N{};
  N.nmhdr.hwndFrom = P->Handle();
  N.nmhdr.idFrom = 0;
  N.nmhdr.code = DTN_USERSTRINGW;
  N.pszUserString = Text;
  N.dwFlags = 0xFF;
  SendMessageW(F->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&N));
  return {N.dwFlags, N.dwFlags == GDT_VALID ? SystemTimeToDateTime(N.st) : 0};
}

}  // namespace

TEST(DateTimePicker, ValueReachesTheWindowAndSurvivesANewOne) {
  TTestForm F;
  TDateTimePicker* P = NewPicker(F);
  TDateTime V = EncodeDateTime(2026, 3, 14, 9, 30, 0, 0);
  P->SetDateTime(V);
  DWORD Flag = 0;
  EXPECT_DOUBLE_EQ(WindowValue(P, Flag), V);
  P->SetKind(dtkTime);
  EXPECT_TRUE(GetWindowLongW(P->Handle(), GWL_STYLE) & DTS_TIMEFORMAT);
  EXPECT_DOUBLE_EQ(WindowValue(P, Flag), V);
  P->SetDate(EncodeDate(2027, 1, 2));
  EXPECT_DOUBLE_EQ(P->DateTime(), EncodeDateTime(2027, 1, 2, 9, 30, 0, 0));
  P->SetTime(EncodeTime(18, 0, 0, 0));
  EXPECT_DOUBLE_EQ(P->DateTime(), EncodeDateTime(2027, 1, 2, 18, 0, 0, 0));
}

TEST(DateTimePicker, ChangesInTheWindowKeepThePartTheKindDoesNotShow) {
  struct Case {
    TDateTimeKind Kind;
    SYSTEMTIME Sent;
    TDateTime Expected;
  } Cases[] = {
      {dtkDate, {2026, 5, 0, 20, 23, 59, 0, 0}, EncodeDateTime(2026, 5, 20, 9, 30, 0, 0)},
      {dtkTime, {1999, 1, 0, 1, 14, 15, 0, 0}, EncodeDateTime(2026, 3, 14, 14, 15, 0, 0)},
  };
  for (const Case& C : Cases) {
    TTestForm F;
    TDateTimePicker* P = NewPicker(F);
    P->SetKind(C.Kind);
    P->SetDateTime(EncodeDateTime(2026, 3, 14, 9, 30, 0, 0));
    Integer Changes = 0;
    P->OnChange = [&](TObject*) { ++Changes; };
    NMDATETIMECHANGE N{};
    N.nmhdr.hwndFrom = P->Handle();
    N.nmhdr.code = DTN_DATETIMECHANGE;
    N.dwFlags = GDT_VALID;
    N.st = C.Sent;
    SendMessageW(F->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&N));
    EXPECT_DOUBLE_EQ(P->DateTime(), C.Expected) << C.Kind;
    EXPECT_EQ(Changes, 1);
    // The same value again is no change.
    SendMessageW(F->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&N));
    EXPECT_EQ(Changes, 1);
  }
}

TEST(DateTimePicker, KeysInTheWindowChangeTheValue) {
  TTestForm F;
  TDateTimePicker* P = NewPicker(F);
  P->SetDateTime(EncodeDate(2026, 3, 14));
  Integer Changes = 0;
  P->OnChange = [&](TObject*) { ++Changes; };
  P->SetFocus();
  Pump();
  Click(P, 30, P->Height() / 2);  // selects a field
  KeyPress(P, VK_UP);
  Pump();
  EXPECT_NE(P->Date(), EncodeDate(2026, 3, 14));
  EXPECT_EQ(Changes, 1);
  DWORD Flag = 0;
  EXPECT_DOUBLE_EQ(std::floor(WindowValue(P, Flag)), P->Date());
}

TEST(DateTimePicker, TypedTextIsParsedAndOnUserInputDecides) {
  PinnedFormatSettings Pin(USFormatSettings());
  struct Case {
    const char* Name;
    const wchar_t* Text;
    int Handler;  // 0 none, 1 moves the date a day on, 2 refuses
    LONG Flags;
    TDateTime Value;
  } Cases[] = {
      {"valid, no handler", L"3/14/2026", 0, GDT_VALID, EncodeDate(2026, 3, 14)},
      {"invalid, no handler", L"someday", 0, GDT_ERROR, 0},
      {"handler adjusts", L"3/14/2026", 1, GDT_VALID, EncodeDate(2026, 3, 15)},
      {"handler accepts what does not parse", L"tomorrow", 1, GDT_VALID, EncodeDate(2026, 1, 2)},
      {"handler refuses", L"3/14/2026", 2, GDT_ERROR, 0},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Name);
    TTestForm F;
    TDateTimePicker* P = NewPicker(F);
    P->SetParseInput(true);
    EXPECT_TRUE(GetWindowLongW(P->Handle(), GWL_STYLE) & DTS_APPCANPARSE);
    String Seen;
    if (C.Handler == 1)
      P->OnUserInput = [&](TObject*, const String& S, TDateTime& D, bool& Allow) {
        Seen = S;
        D = Allow ? D + 1 : EncodeDate(2026, 1, 2);
        Allow = true;
      };
    if (C.Handler == 2)
      P->OnUserInput = [&](TObject*, const String& S, TDateTime&, bool& Allow) {
        Seen = S;
        Allow = false;
      };
    TTyped R = SendTyped(F, P, C.Text);
    EXPECT_EQ(static_cast<LONG>(R.Flags), C.Flags);
    if (C.Flags == GDT_VALID) { EXPECT_DOUBLE_EQ(R.Value, C.Value); }
    if (C.Handler) { EXPECT_EQ(Seen, C.Text); }
  }
}

TEST(DateTimePicker, CheckboxAndLimits) {
  TTestForm F;
  TDateTimePicker* P = NewPicker(F);
  P->SetShowCheckbox(true);
  P->SetDateTime(EncodeDate(2026, 6, 1));
  P->SetChecked(false);
  DWORD Flag = 0;
  WindowValue(P, Flag);
  EXPECT_EQ(Flag, static_cast<DWORD>(GDT_NONE));
  P->RecreateWnd();
  WindowValue(P, Flag);
  EXPECT_EQ(Flag, static_cast<DWORD>(GDT_NONE));
  P->SetChecked(true);
  EXPECT_DOUBLE_EQ(WindowValue(P, Flag), EncodeDate(2026, 6, 1));

  P->SetMinDate(EncodeDate(2026, 7, 1));
  EXPECT_DOUBLE_EQ(P->Date(), EncodeDate(2026, 7, 1));
  P->SetMaxDate(EncodeDate(2026, 7, 31));
  P->SetDateTime(EncodeDateTime(2026, 9, 1, 12, 0, 0, 0));
  EXPECT_DOUBLE_EQ(P->DateTime(), EncodeDateTime(2026, 7, 31, 12, 0, 0, 0));
  EXPECT_THROW(P->SetMinDate(EncodeDate(2026, 8, 1)), EInvalidOperation);
  EXPECT_THROW(P->SetMaxDate(EncodeDate(2026, 6, 30)), EInvalidOperation);
}

TEST(DateTimePicker, DropDownAndCloseUpAreReported) {
  TTestForm F;
  TDateTimePicker* P = NewPicker(F);
  std::string Log;
  P->OnDropDown = [&](TObject*) { Log += "down;" + std::to_string(P->DroppedDown()) + ";"; };
  P->OnCloseUp = [&](TObject*) { Log += "up;"; };
  for (UINT Code : {static_cast<UINT>(DTN_DROPDOWN), static_cast<UINT>(DTN_CLOSEUP)}) {
    NMHDR N{P->Handle(), 0, Code};
    SendMessageW(F->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&N));
  }
  EXPECT_EQ(Log, "down;1;up;");
  EXPECT_FALSE(P->DroppedDown());
}
