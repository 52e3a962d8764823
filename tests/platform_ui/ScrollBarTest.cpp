// The scroll bar and track bar: positions from real scroll messages,
// clamping, and the events they raise.
#include <gtest/gtest.h>
#include <commctrl.h>
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::test;

TEST(ScrollBar, ScrollCodesMoveWithinTheRange) {
  struct Case {
    WPARAM Code;
    Integer From, Expected;
    TScrollCode Reported;
  } Cases[] = {
      {SB_LINEDOWN, 10, 12, scLineDown},   {SB_LINEUP, 1, 0, scLineUp},
      {SB_PAGEDOWN, 10, 20, scPageDown},   {SB_PAGEDOWN, 85, 91, scPageDown},
      {SB_PAGEUP, 5, 0, scPageUp},         {SB_TOP, 50, 0, scTop},
      {SB_BOTTOM, 50, 91, scBottom},
  };
  for (const Case& C : Cases) {
    TTestForm F;
    auto* S = new TScrollBar(F.Get());
    S->SetParent(F.Get());
    S->SetParams(C.From, 0, 100);
    S->SetPageSize(10);  // the last position is then 91
    S->SetSmallChange(2);
    S->SetLargeChange(10);
    TScrollCode Got = scEndScroll;
    Integer Changes = 0;
    S->OnScroll = [&](TObject*, TScrollCode Code, Integer&) { Got = Code; };
    S->OnChange = [&](TObject*) { ++Changes; };
    SendMessageW(F->Handle(), WM_HSCROLL, C.Code, reinterpret_cast<LPARAM>(S->Handle()));
    EXPECT_EQ(S->Position(), C.Expected) << C.Code << " from " << C.From;
    EXPECT_EQ(Got, C.Reported);
    EXPECT_EQ(Changes, C.Expected != C.From ? 1 : 0);
    EXPECT_EQ(GetScrollPos(S->Handle(), SB_CTL), C.Expected);
  }
}

TEST(ScrollBar, HandlerMayChangeTheTargetAndBadRangesAreRefused) {
  TTestForm F;
  auto* S = new TScrollBar(F.Get());
  S->SetParent(F.Get());
  S->OnScroll = [](TObject*, TScrollCode, Integer& Pos) { Pos = 42; };
  SendMessageW(F->Handle(), WM_HSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(S->Handle()));
  EXPECT_EQ(S->Position(), 42);
  S->SetPosition(1000);
  EXPECT_EQ(S->Position(), 100);
  EXPECT_THROW(S->SetParams(0, 10, 5), EInvalidOperation);
  EXPECT_THROW(S->SetPageSize(102), EInvalidOperation);
  EXPECT_EQ(S->Min(), 0);
}

TEST(TrackBar, KeysMoveTheSliderAndRaiseOnChange) {
  TTestForm F;
  auto* T = new TTrackBar(F.Get());
  T->SetParent(F.Get());
  T->SetMax(20);
  T->SetPageSize(5);
  T->SetPosition(3);
  Integer Changes = 0;
  T->OnChange = [&](TObject*) { ++Changes; };
  T->SetFocus();
  Pump();
  KeyPress(T, VK_RIGHT);
  EXPECT_EQ(T->Position(), 4);
  KeyPress(T, VK_NEXT);
  EXPECT_EQ(T->Position(), 9);
  KeyPress(T, VK_END);
  EXPECT_EQ(T->Position(), 20);
  EXPECT_EQ(Changes, 3);
  T->SetMax(10);  // the position follows a shrinking range
  EXPECT_EQ(T->Position(), 10);
  EXPECT_EQ(T->Perform(TBM_GETPOS), 10);
  EXPECT_THROW(T->SetFrequency(0), ERangeError);
}

TEST(TrackBar, LookSettingsMakeANewWindowWithTheRightStylesAndKeepThePosition) {
  struct Case {
    TTrackBarOrientation Orientation;
    TTickMark Marks;
    TTickStyle Ticks;
    DWORD Want, Unwanted;
  } Cases[] = {
      {trHorizontal, tmBottomRight, tsAuto, TBS_HORZ | TBS_BOTTOM | TBS_AUTOTICKS, TBS_VERT | TBS_NOTICKS},
      {trVertical, tmTopLeft, tsManual, TBS_VERT | TBS_TOP, TBS_AUTOTICKS | TBS_NOTICKS},
      {trHorizontal, tmBoth, tsNone, TBS_BOTH | TBS_NOTICKS, TBS_AUTOTICKS},
  };
  for (const Case& C : Cases) {
    TTestForm F;
    auto* T = new TTrackBar(F.Get());
    T->SetParent(F.Get());
    T->SetMax(50);
    T->SetPosition(17);
    T->SetOrientation(C.Orientation);
    T->SetTickMarks(C.Marks);
    T->SetTickStyle(C.Ticks);
    DWORD S = static_cast<DWORD>(GetWindowLongW(T->Handle(), GWL_STYLE));
    EXPECT_EQ(S & C.Want, C.Want) << C.Orientation << C.Marks << C.Ticks;
    EXPECT_EQ(S & C.Unwanted, 0u);
    EXPECT_EQ(T->Perform(TBM_GETPOS), 17);
    EXPECT_EQ(T->Perform(TBM_GETRANGEMAX), 50);
    // A vertical bar stands on its long side.
    EXPECT_EQ(T->Height() > T->Width(), C.Orientation == trVertical);
  }
}
