// The analog clock: pointer angles probed on the rendered face, hit tests,
// the two timers driven by hand, clicks that set the time, and the style
// and colour presets.
#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "dropdown/ExWatch.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Timer.h"
#include "tests/support/FixedClock.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::dropdown;
using namespace jorv::foundation;
using namespace jorv::test;

namespace {

class WatchTest : public ::testing::Test {
 protected:
  WatchTest() {
    Watch = new TExWatch(Form.Get());
    Watch->SetParent(Form.Get());
    Watch->SetBounds(10, 10, 180, 180);
    Watch->SetAnimation(false);
    Watch->HandleNeeded();
    Pump();
  }
  // The clock's timer of the given interval.
  TTimer* TimerOf(Cardinal Interval) {
    for (TTimer* T : LiveTimers())
      if (T->Owner() == Watch && T->Interval() == Interval) return T;
    return nullptr;
  }
  // The point K radii from the centre (90, 90) on the angle Degrees
  // clockwise from 12 o'clock; the radius of a 180-pixel clock is 80.
  static TPoint On(double Degrees, double K) {
    const double A = Degrees * std::numbers::pi / 180;
    return TPoint{90 + static_cast<Integer>(std::lround(K * 80 * std::sin(A))),
                  90 - static_cast<Integer>(std::lround(K * 80 * std::cos(A)))};
  }
  static bool Dark(TColor C) { return (C & 0xFF) < 0x60 && ((C >> 8) & 0xFF) < 0x60 && ((C >> 16) & 0xFF) < 0x60; }
  static bool Light(TColor C) { return (C & 0xFF) > 0xC0 && ((C >> 8) & 0xFF) > 0xC0 && ((C >> 16) & 0xFF) > 0xC0; }
  Integer Hour() {
    Word H = 0, M = 0, S = 0, MS = 0;
    DecodeTime(Watch->Time(), H, M, S, MS);
    return H;
  }
  Integer Minute() {
    Word H = 0, M = 0, S = 0, MS = 0;
    DecodeTime(Watch->Time(), H, M, S, MS);
    return M;
  }
  void ClickAt(Integer X, Integer Y) {
    SendMessageW(Watch->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(X, Y));
    SendMessageW(Watch->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(X, Y));
  }

  TTestForm Form{220, 220};
  TExWatch* Watch;
};

TEST_F(WatchTest, PointersStandAtTheAnglesOfTheTime) {
  struct TCase {
    Word Hour, Minute;
    double HourAngle, MinuteAngle;
  };
  // The hour pointer moves on by half a degree a minute; the afternoon
  // shows on the same dial.
  const TCase Cases[] = {
      {3, 0, 90, 0}, {9, 0, 270, 0}, {6, 15, 187.5, 90}, {0, 45, 22.5, 270}, {15, 30, 105, 180},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(testing::Message() << Case.Hour << ":" << Case.Minute);
    Watch->SetTime(EncodeTime(Case.Hour, Case.Minute, 0, 0));
    TRendered R(Watch);
    const TPoint HourTip = On(Case.HourAngle, 0.4), MinuteTip = On(Case.MinuteAngle, 0.6);
    const TPoint Opposite = On(Case.HourAngle + 180, 0.4);
    EXPECT_TRUE(Dark(R.Pixel(HourTip.X, HourTip.Y))) << std::hex << R.Pixel(HourTip.X, HourTip.Y);
    EXPECT_TRUE(Dark(R.Pixel(MinuteTip.X, MinuteTip.Y))) << std::hex << R.Pixel(MinuteTip.X, MinuteTip.Y);
    EXPECT_TRUE(Light(R.Pixel(Opposite.X, Opposite.Y))) << std::hex << R.Pixel(Opposite.X, Opposite.Y);
  }
}

TEST_F(WatchTest, PointsTurnIntoMinutesAndHours) {
  Watch->SetBounds(10, 10, 100, 60);
  EXPECT_EQ(Watch->GetWatchRect(), TRect(30, 10, 70, 50));
  EXPECT_EQ(Watch->GetCenter(), TPoint(50, 30));
  EXPECT_EQ(Watch->GetRadius(), 20);
  struct TCase {
    Integer X, Y, Minute;
  };
  const TCase Minutes[] = {{50, 5, 0}, {75, 30, 15}, {50, 55, 30}, {25, 30, 45}, {50, 29, 53}, {60, 10, 4}};
  for (const TCase& Case : Minutes) EXPECT_EQ(Watch->XYToMinute(Case.X, Case.Y), Case.Minute) << Case.X << "," << Case.Y;
  // 12 o'clock is hour 0 in the morning and 12 in the afternoon, also just
  // left of it, where the minute reads 58.
  ASSERT_EQ(Watch->XYToMinute(45, 5), 58);
  EXPECT_EQ(Watch->XYToHour(45, 5), 0);
  EXPECT_EQ(Watch->XYToHour(50, 5), 0);
  EXPECT_EQ(Watch->XYToHour(75, 30), 3);
}

TEST_F(WatchTest, AfternoonHalfMapsTheDialToTwelveToTwentyThree) {
  Watch->SetBounds(10, 10, 100, 60);
  // A click on the AM/PM box switches the clock to the afternoon.
  const TRect Box = Watch->GetAMPMRect();
  ClickAt((Box.Left + Box.Right) / 2, (Box.Top + Box.Bottom) / 2);
  ASSERT_FALSE(Watch->AM());
  EXPECT_EQ(Hour(), 12);
  EXPECT_EQ(Watch->XYToHour(45, 5), 12);
  EXPECT_EQ(Watch->XYToHour(50, 5), 12);
  EXPECT_EQ(Watch->XYToHour(75, 30), 15);
  EXPECT_EQ(Watch->XYToHour(25, 30), 21);
}

TEST_F(WatchTest, ClicksSetTheHourInsideTheDialAndTheMinuteOutside) {
  Watch->SetTime(EncodeTime(10, 40, 0, 0));
  ClickAt(50, 90);  // inside, at 9 o'clock
  EXPECT_EQ(Hour(), 9);
  EXPECT_EQ(Minute(), 40);
  ClickAt(178, 90);  // outside the dial, at the quarter
  EXPECT_EQ(Hour(), 9);
  EXPECT_EQ(Minute(), 15);
  // To minute 0 from the second half of the hour the hour moves on.
  Watch->SetTime(EncodeTime(23, 45, 0, 0));
  ClickAt(90, 2);
  EXPECT_EQ(Hour(), 0);
  EXPECT_EQ(Minute(), 0);
  Watch->SetReadOnly(true);
  ClickAt(50, 90);
  EXPECT_EQ(Hour(), 0);
}

TEST_F(WatchTest, AMinuteOfSixtyIsRefused) {
  Watch->SetTime(EncodeTime(10, 40, 0, 0));
  try {
    Watch->SetMinute(60);
    ADD_FAILURE() << "no exception";
  } catch (const Exception& E) {
    EXPECT_EQ(E.Message(), L"Invalid time");
  }
  EXPECT_EQ(Minute(), 40);
}

TEST_F(WatchTest, KeysStepHourAndMinuteAcrossTheirEnds) {
  struct TCase {
    Word Hour, Minute, Key, NewHour, NewMinute;
  };
  const TCase Cases[] = {
      {23, 10, VK_PRIOR, 0, 10}, {0, 10, VK_NEXT, 23, 10}, {5, 10, VK_HOME, 12, 10},
      {5, 10, VK_END, 5, 0},     {5, 0, VK_LEFT, 4, 59},   {0, 0, VK_LEFT, 23, 59},
      {5, 59, VK_RIGHT, 6, 0},   {14, 10, 'A', 2, 10},     {2, 10, 'P', 14, 10},
      {5, 10, VK_UP, 5, 10},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(testing::Message() << Case.Hour << ":" << Case.Minute << " key " << Case.Key);
    Watch->SetTime(EncodeTime(Case.Hour, Case.Minute, 0, 0));
    Watch->StepByKey(Case.Key);
    EXPECT_EQ(Hour(), Case.NewHour);
    EXPECT_EQ(Minute(), Case.NewMinute);
  }
}

TEST_F(WatchTest, AnimationStepsThroughTheOneMillisecondTimer) {
  Watch->SetAnimation(true);
  Watch->SetTime(EncodeTime(3, 0, 0, 0));
  Integer Changes = 0;
  Watch->OnChange = [&](TObject*) { ++Changes; };
  TTimer* Animation = TimerOf(1);
  ASSERT_NE(Animation, nullptr);
  Watch->SetMinute(45);
  EXPECT_EQ(Minute(), 0) << "the pointer moves on the timer only";
  ASSERT_TRUE(Animation->Enabled());
  std::vector<Integer> Seen;
  for (int Tick = 0; Tick < 100 && Animation->Enabled(); ++Tick) {
    FireTimer(Animation);
    Seen.push_back(Minute());
  }
  EXPECT_FALSE(Animation->Enabled());
  ASSERT_GE(Seen.size(), 3u);
  EXPECT_EQ(Seen.front(), 4) << "a tenth of 45, halves to even";
  for (size_t i = 1; i < Seen.size(); ++i) EXPECT_GE(Seen[i], Seen[i - 1]);
  EXPECT_EQ(Seen.back(), 45);
  EXPECT_EQ(Changes, 1);
  // A factor of 0 jumps to the target instead of dividing by zero.
  Watch->SetAnimationFactor(0);
  Watch->SetHour(9);
  FireTimer(Animation);
  EXPECT_EQ(Hour(), 9);
}

TEST_F(WatchTest, AutomaticModeFollowsTheSystemClockOnTheWatchTimer) {
  FixedClock Clock(EncodeDate(2026, 5, 4) + EncodeTime(3, 0, 0, 0));
  Watch->Appearance()->SetSecondPointerSize(3);
  Watch->Settings()->SetAuto(true);
  TTimer* Ticker = TimerOf(100);
  ASSERT_NE(Ticker, nullptr);
  EXPECT_TRUE(Ticker->Enabled());
  Pump(50);
  Clock.Set(EncodeDate(2026, 5, 4) + EncodeTime(9, 0, 30, 0));
  FireTimer(Ticker);
  // The tick draws the pointers straight onto the window.
  HDC DC = GetDC(Watch->Handle());
  const TPoint Nine = On(270, 0.4), Three = On(90, 0.4), Second = On(180, 0.8);
  const COLORREF AtNine = GetPixel(DC, Nine.X, Nine.Y), AtThree = GetPixel(DC, Three.X, Three.Y);
  const COLORREF AtSecond = GetPixel(DC, Second.X, Second.Y);
  ReleaseDC(Watch->Handle(), DC);
  EXPECT_TRUE(Dark(TColor(AtNine))) << std::hex << AtNine;
  EXPECT_TRUE(Light(TColor(AtThree))) << std::hex << AtThree;
  EXPECT_GT(AtSecond & 0xFF, 0xC0u) << "the red second pointer at 30 seconds: " << std::hex << AtSecond;
  EXPECT_LT((AtSecond >> 16) & 0xFF, 0x60u);
  // Clicks do nothing while the clock follows the system.
  ClickAt(50, 90);
  Watch->Settings()->SetAuto(false);
  EXPECT_FALSE(Ticker->Enabled());
  EXPECT_EQ(Hour(), 3) << "the time taken when automatic mode began";
}

TEST_F(WatchTest, StylePresetsSetTheirLooks) {
  struct TCase {
    TWatchStyle Style;
    TColor Background, BackgroundTo, HourPointer, SecondPointer;
    TWatchShape Shape;
    bool ShowAMPM, ShowNumbers;
  };
  const TCase Cases[] = {
      {wsTower, 0xB1F0FE, 0x5BCCE8, 0, 0x002BD5, wsRect, true, false},
      {wsFluorescent, 0, 0, 0xFF3E3E, 0x0000FF, wsRoundRect, false, false},
      {wsEmerald, 0x3AE800, 0, 0x40FF00, 0x00FFFF, wsRect, false, false},
      {wsBlueStar, 0xFFD5D5, 0xA00000, 0xA00000, 0x0000FF, wsRoundRect, true, true},
      {wsFuchsia, 0, 0, 0xFFD0FF, 0xDD68DD, wsRect, false, false},
      {wsBlack, 0x202020, clNone, 0xFFFFFF, 0x0000FF, wsCircle, false, true},
      {wsBlackWhite, 0xFFFFFF, clNone, 0, 0x000080, wsCircle, false, true},
      {wsGray, 0xD1D1D1, 0x6C6C6C, 0x4E4E4E, 0x0000FF, wsCircle, true, true},
      {wsSuperNova, 0xFFFFFF, 0xD1D3D3, 0, 0x0000FF, wsCircle, false, false},
      {wsSports, 0, clNone, 0x0000FF, 0x188BFE, wsCircle, false, true},
      {wsSmooth, 0xFFFFFF, 0xABB0B1, 0x4A4A4A, 0x4A4A4A, wsCircle, false, true},
      {wsClassic, 0xFFFFFF, clNone, 0, 0x0000FF, wsCircle, true, true},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(testing::Message() << "style " << int(Case.Style));
    Watch->SetStyle(Case.Style);
    TWatchAppearance* A = Watch->Appearance();
    EXPECT_EQ(A->BackgroundColor(), Case.Background);
    EXPECT_EQ(A->BackgroundColorTo(), Case.BackgroundTo);
    EXPECT_EQ(A->HourPointer(), Case.HourPointer);
    EXPECT_EQ(A->SecondPointer(), Case.SecondPointer);
    EXPECT_EQ(A->Shape(), Case.Shape);
    EXPECT_EQ(Watch->ShowAMPM(), Case.ShowAMPM);
    EXPECT_EQ(Watch->ShowNumbers(), Case.ShowNumbers);
  }
  // Sizes that follow the clock's size, and what the reset keeps.
  Watch->SetStyle(wsSuperNova);
  EXPECT_EQ(Watch->Appearance()->HourMarkLength(), 40);
  EXPECT_EQ(Watch->Appearance()->MinuteMarkLength(), 60);
  Watch->SetStyle(wsSports);
  EXPECT_EQ(Watch->Appearance()->CenterPointSize(), 50);
  Watch->SetStyle(wsClassic);
  EXPECT_EQ(Watch->Appearance()->HourFont()->Name(), L"Comic Sans MS");
  EXPECT_TRUE(Watch->Appearance()->HourFont()->Style().Contains(fsBold));
  EXPECT_EQ(Watch->Appearance()->HourFont()->Color(), TColor(0x797979)) << "a reset keeps font colours";
}

TEST_F(WatchTest, ANewClockShowsTheResetValuesNotTheClassicPreset) {
  Watch->SetStyle(wsClassic);
  EXPECT_EQ(Watch->Appearance()->HourMarkLength(), 0);
  EXPECT_EQ(Watch->Appearance()->HourFont()->Name(), L"Tahoma");
}

TEST_F(WatchTest, LookPresetsColourTheClock) {
  struct TCase {
    TZVQStyle Look;
    TColor AMPMBorder, AMPMColor, Background, BackgroundTo, Border, CenterBorder, Center, Marks, Second, Shadows;
  };
  const TCase Cases[] = {
      {tsOffice2003Blue, 0x962D00, 0xD68759, 0xFFD2AF, 0xFFD2AF, 0xD68759, 0xD68759, 0xD68759, 0xD68759, 0xFFFFFF,
       0xFFFFFF},
      {tsOffice2003Classic, 0x962D00, 0x808080, 0xF2F2F2, 0xF2F2F2, 0x808080, 0x808080, 0x808080, 0x808080, 0x808080,
       0xFFFFFF},
      {tsOffice2007Luna, 0xF0DED0, 0xF0DED0, 0xFFEFE3, 0xFFEFE3, 0xF0DED0, 0xFFEFE3, 0xFFEFE3, 0x723708, 0x723708,
       0xFFFFFF},
      {tsWindowsXP, 0, clBtnFace, clBtnFace, clBtnFace, 0, 0, 0, 0, 0, 0xFFFFFF},
      {tsOffice2007Silver, 0xE8E0DB, 0xF8F4F1, 0xF8F4F1, 0xF8F4F1, 0xE8E0DB, 0xE8E0DB, 0x74706F, 0x74706F, 0x74706F,
       0xFFFFFF},
      {tsWindowsVista, 0xFEDF9A, 0xFFFDF9, 0xFFFDF9, 0xFFFAF0, 0xFEDF9A, 0xFEDF9A, 0xFEDF9A, 0xFEDF9A, 0xFEDF9A,
       0xFFFFFF},
      {tsOffice2010Silver, 0xD2CDC8, 0xEDE5E0, 0xFFFFFF, 0xFFFFFF, 0xD2CDC8, 0xD2CDC8, 0xD2CDC8, 0xD2CDC8, 0xD2CDC8,
       0xC0C0C0},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(testing::Message() << "look " << int(Case.Look));
    Watch->SetComponentStyle(Case.Look);
    const TWatchAppearance* A = Watch->Appearance();
    EXPECT_EQ(A->AMPMBorderColor(), Case.AMPMBorder);
    EXPECT_EQ(A->AMPMColor(), Case.AMPMColor);
    EXPECT_EQ(A->BackgroundColor(), Case.Background);
    EXPECT_EQ(A->BackgroundColorTo(), Case.BackgroundTo);
    EXPECT_EQ(A->BorderColor(), Case.Border);
    EXPECT_EQ(A->CenterPointBorderColor(), Case.CenterBorder);
    EXPECT_EQ(A->CenterPointColor(), Case.Center);
    EXPECT_EQ(A->HourColor(), Case.Marks);
    EXPECT_EQ(A->MinutePointer(), Case.Marks);
    EXPECT_EQ(A->SecondPointer(), Case.Second);
    EXPECT_EQ(A->MinutePointerShadow(), Case.Shadows);
  }
  Watch->SetComponentStyle(tsOffice2007Obsidian);
  EXPECT_EQ(Watch->Appearance()->HourFont()->Color(), TColor(0xF2F1F0));
  // Looks without clock colours still turn the fonts and the outer
  // border black.
  Watch->Appearance()->SetCenterPointOuterBorderColor(0xFF);
  Watch->SetComponentStyle(tsCustom);
  EXPECT_EQ(Watch->Appearance()->HourFont()->Color(), TColor(0));
  EXPECT_EQ(Watch->Appearance()->AMPMFont()->Color(), TColor(0));
  EXPECT_EQ(Watch->Appearance()->CenterPointOuterBorderColor(), TColor(0));
  EXPECT_EQ(Watch->Appearance()->BackgroundColor(), TColor(0x5C534C)) << "the last look's background stays";
}

}  // namespace
