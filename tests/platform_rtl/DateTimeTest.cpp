#include <gtest/gtest.h>
#include "platform/rtl/rtl.h"
#include "tests/support/FixedClock.h"
#include "tests/support/PinnedFormatSettings.h"

using namespace jorv;

namespace {

String Iso(TDateTime dt) {
  return FormatDateTime(L"yyyy-mm-dd hh:nn:ss.zzz", dt, USFormatSettings());
}

String Message(void (*f)()) {
  try {
    f();
  } catch (const EConvertError& e) {
    return e.Message();
  }
  return L"no exception";
}

}  // namespace

TEST(Dates, EncodeDecodeAndTheEpoch) {
  struct { Word y, m, d; double value; } cases[] = {
      {1899, 12, 30, 0},     {1900, 1, 1, 2},       {2016, 1, 1, 42370},
      {1899, 12, 29, -1},    {1, 1, 1, -693593},    {9999, 12, 31, 2958465},
      {2000, 2, 29, 36585},
  };
  for (auto& c : cases) {
    EXPECT_EQ(EncodeDate(c.y, c.m, c.d), c.value) << c.y << "-" << c.m << "-" << c.d;
    Word y, m, d;
    DecodeDate(c.value, y, m, d);
    EXPECT_EQ(y * 10000 + m * 100 + d, c.y * 10000 + c.m * 100 + c.d) << c.value;
  }
  // Before the epoch the fraction's absolute value is the time.
  EXPECT_EQ(Iso(-1.25), L"1899-12-29 06:00:00.000");
  EXPECT_EQ(EncodeDateTime(1899, 12, 29, 6, 0, 0, 0), -1.25);
  EXPECT_EQ(Iso(EncodeDateTime(2016, 3, 5, 14, 7, 9, 45)), L"2016-03-05 14:07:09.045");
  // A time that rounds up to midnight belongs to the next day.
  EXPECT_EQ(Iso(42370.9999999999), L"2016-01-02 00:00:00.000");
  EXPECT_EQ(Iso(-1.9999999999), L"1899-12-30 00:00:00.000");
}

TEST(Dates, InvalidPartsRaiseConvertError) {
  struct { Word y, m, d; } bad[] = {
      {2016, 2, 30}, {2015, 2, 29}, {1900, 2, 29}, {0, 1, 1}, {10000, 1, 1},
      {2016, 13, 1}, {2016, 0, 1},  {2016, 4, 31}, {2016, 1, 0},
  };
  for (auto& b : bad) {
    TDateTime dt = 123;
    EXPECT_FALSE(TryEncodeDate(b.y, b.m, b.d, dt));
    EXPECT_EQ(dt, 123);
  }
  EXPECT_EQ(Message([] { EncodeDate(2016, 2, 30); }), L"Invalid argument to date encode");
  EXPECT_EQ(Message([] { EncodeTime(24, 0, 0, 0); }), L"Invalid argument to time encode");
  EXPECT_EQ(Message([] { EncodeTime(12, 60, 0, 0); }), L"Invalid argument to time encode");
  EXPECT_EQ(Message([] { EncodeTime(12, 0, 0, 1000); }), L"Invalid argument to time encode");
  EXPECT_EQ(EncodeTime(23, 59, 59, 999), (MSecsPerDay - 1) / double(MSecsPerDay));
}

TEST(Dates, CalendarQuestions) {
  TDateTime fri = EncodeDate(2016, 1, 1);
  EXPECT_EQ(DayOfWeek(fri), 6);
  EXPECT_EQ(DayOfTheWeek(fri), 5);
  EXPECT_EQ(DayOfWeek(0), 7);   // the epoch was a Saturday
  EXPECT_EQ(DayOfWeek(-1), 6);
  EXPECT_EQ(DayOfTheWeek(EncodeDate(2016, 1, 3)), 7);
  EXPECT_EQ(DaysInAMonth(2016, 2), 29);
  EXPECT_EQ(DaysInAMonth(1900, 2), 28);
  EXPECT_EQ(DaysInAMonth(2000, 2), 29);
  EXPECT_EQ(DaysInMonth(EncodeDate(2015, 4, 10)), 30);
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_FALSE(IsLeapYear(2100));

  struct { Word y, m, d, week, weekYear; } weeks[] = {
      {2016, 1, 1, 53, 2015}, {2016, 1, 4, 1, 2016},   {2018, 12, 31, 1, 2019},
      {2015, 12, 28, 53, 2015}, {2016, 12, 31, 52, 2016}, {2020, 12, 31, 53, 2020},
  };
  for (auto& w : weeks) {
    Word year;
    EXPECT_EQ(WeekOfTheYear(EncodeDate(w.y, w.m, w.d), year), w.week) << w.y << "-" << w.m << "-" << w.d;
    EXPECT_EQ(year, w.weekYear);
  }
  TDateTime noon = EncodeDateTime(2016, 3, 5, 12, 0, 0, 0);
  EXPECT_EQ(DateOf(noon), EncodeDate(2016, 3, 5));
  EXPECT_EQ(TimeOf(noon), 0.5);
  EXPECT_EQ(TimeOf(-1.25), 0.25);
  EXPECT_TRUE(IsSameDay(noon, EncodeDate(2016, 3, 5)));
  EXPECT_FALSE(IsSameDay(noon, EncodeDate(2016, 3, 6)));
  EXPECT_EQ(DaysBetween(noon, EncodeDate(2016, 3, 1)), 4);
  EXPECT_EQ(DaysBetween(EncodeDate(2016, 3, 1), noon), 4);
  EXPECT_EQ(DaysBetween(EncodeDateTime(2016, 3, 2, 11, 0, 0, 0), noon), 3);
  EXPECT_EQ(DaysBetween(-1.75, 0.25), 0);  // 29 Dec 18:00 to 30 Dec 06:00
  EXPECT_EQ(Iso(StartOfTheMonth(noon)), L"2016-03-01 00:00:00.000");
  EXPECT_EQ(Iso(EndOfTheMonth(noon)), L"2016-03-31 23:59:59.999");
  EXPECT_EQ(YearOf(noon) * 10000 + MonthOf(noon) * 100 + DayOf(noon), 20160305);
}

TEST(Dates, IncMonthClampsTheDayAndKeepsTheTime) {
  struct { Word y, m, d; Integer by; const wchar_t* expected; } cases[] = {
      {2016, 1, 31, 1, L"2016-02-29 10:30:00.000"},
      {2015, 1, 31, 1, L"2015-02-28 10:30:00.000"},
      {2016, 3, 31, -1, L"2016-02-29 10:30:00.000"},
      {2016, 11, 15, 3, L"2017-02-15 10:30:00.000"},
      {2016, 1, 15, -13, L"2014-12-15 10:30:00.000"},
      {2016, 5, 31, 0, L"2016-05-31 10:30:00.000"},
      {2016, 8, 31, 1, L"2016-09-30 10:30:00.000"},
  };
  for (auto& c : cases)
    EXPECT_EQ(Iso(IncMonth(EncodeDateTime(c.y, c.m, c.d, 10, 30, 0, 0), c.by)), c.expected)
        << c.y << "-" << c.m << "-" << c.d << " " << c.by;
  EXPECT_EQ(Iso(IncYear(EncodeDate(2016, 2, 29), 1)), L"2017-02-28 00:00:00.000");
  EXPECT_EQ(Iso(IncDay(EncodeDate(2016, 2, 28), 2)), L"2016-03-01 00:00:00.000");
  EXPECT_EQ(Iso(IncDay(-1.25, 2)), L"1899-12-31 06:00:00.000");
  EXPECT_THROW(IncMonth(EncodeDate(9999, 12, 1), 1), EConvertError);
}

TEST(Dates, FormatDateTimeTokens) {
  TFormatSettings us = USFormatSettings(), de = GermanFormatSettings();
  TDateTime dt = EncodeDateTime(2016, 3, 5, 14, 7, 9, 45);  // a Saturday
  struct { const wchar_t* fmt; const TFormatSettings* fs; const wchar_t* expected; } cases[] = {
      {L"d/m/yy", &us, L"5/3/16"},
      {L"d/m/yy", &de, L"5.3.16"},
      {L"dd/mm/yyyy", &us, L"05/03/2016"},
      {L"ddd dddd", &us, L"Sat Saturday"},
      {L"ddd dddd", &de, L"Sa Samstag"},
      {L"mmm mmmm", &de, L"M\u00E4r M\u00E4rz"},
      {L"mm", &us, L"03"},
      {L"h:m", &us, L"14:7"},
      {L"hh:mm:ss", &us, L"14:07:09"},
      {L"hh\" h \"mm", &us, L"14 h 07"},
      {L"hh:nn:ss z zzz", &us, L"14:07:09 45 045"},
      {L"h:mm am/pm", &us, L"2:07 pm"},
      {L"h:mm AM/PM", &us, L"2:07 PM"},
      {L"h a/p", &us, L"2 p"},
      {L"H A/P", &us, L"2 P"},
      {L"h ampm", &us, L"2 PM"},
      {L"'at' hh", &us, L"at 14"},
      {L"ddddd", &de, L"05.03.2016"},
      {L"dddddd", &de, L"Samstag, 5. M\u00E4rz 2016"},
      {L"dddddd", &us, L"Saturday, March 5, 2016"},
      {L"t", &us, L"2:07 PM"},
      {L"tt", &de, L"14:07:09"},
      {L"c", &us, L"3/5/2016 2:07:09 PM"},
      {L"c", &de, L"05.03.2016 14:07:09"},
      {L"", &de, L"05.03.2016 14:07:09"},
      {L"yyyy \"x\" y", &us, L"2016 x 16"},
  };
  for (auto& c : cases) EXPECT_EQ(FormatDateTime(c.fmt, dt, *c.fs), c.expected) << UTF8Encode(c.fmt);
  EXPECT_EQ(FormatDateTime(L"h:nn am/pm", EncodeTime(0, 30, 0, 0), us), L"12:30 am");
  EXPECT_EQ(FormatDateTime(L"h:nn am/pm", EncodeTime(12, 30, 0, 0), us), L"12:30 pm");
  EXPECT_EQ(DateTimeToStr(EncodeDate(2016, 3, 5), de), L"05.03.2016");
  EXPECT_EQ(DateToStr(dt, de), L"05.03.2016");
  EXPECT_EQ(TimeToStr(dt, us), L"2:07:09 PM");
  EXPECT_EQ(FormatDateTime(L"yyyy", EncodeDate(99, 1, 1), us), L"0099");

  // A date format that names itself must not recurse without end.
  TFormatSettings loop = us;
  loop.ShortDateFormat = L"ddddd";
  EXPECT_EQ(FormatDateTime(L"ddddd", dt, loop), L"");

  PinnedFormatSettings pin(de);
  EXPECT_EQ(DateToStr(dt), L"05.03.2016");
}

TEST(Dates, ParsingFollowsTheLocaleOrderAndCenturyWindow) {
  FixedClock clock(EncodeDate(2016, 6, 1));
  TFormatSettings us = USFormatSettings(), de = GermanFormatSettings(), iso = us;
  iso.ShortDateFormat = L"yyyy-mm-dd";
  iso.DateSeparator = L'-';
  struct { const wchar_t* s; const TFormatSettings* fs; const wchar_t* expected; } good[] = {
      {L"3/5/2016", &us, L"2016-03-05"},
      {L" 3 / 5 / 2016 ", &us, L"2016-03-05"},
      {L"05.03.2016", &de, L"2016-03-05"},
      {L"5.3.16", &de, L"2016-03-05"},
      {L"5.3", &de, L"2016-03-05"},
      {L"12/31/69", &us, L"1969-12-31"},
      {L"1/1/65", &us, L"2065-01-01"},
      {L"2016-03-05", &iso, L"2016-03-05"},
      {L"2/29/2016", &us, L"2016-02-29"},
  };
  for (auto& g : good) {
    TDateTime dt = 0;
    EXPECT_TRUE(TryStrToDate(g.s, dt, *g.fs)) << UTF8Encode(g.s);
    EXPECT_EQ(FormatDateTime(L"yyyy-mm-dd", dt, us), g.expected) << UTF8Encode(g.s);
  }
  const wchar_t* bad[] = {L"2/30/2016", L"13/1/2016", L"abc", L"", L"1/2/3/4", L"1/2/2016 x",
                          L"5.3.2016"};
  for (auto b : bad) {
    TDateTime dt = 7;
    EXPECT_FALSE(TryStrToDate(b, dt, us)) << UTF8Encode(b);
    EXPECT_EQ(dt, 7);
  }
  try {
    StrToDate(L"2/30/2016", us);
    ADD_FAILURE() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), L"'2/30/2016' is not a valid date");
  }
  EXPECT_EQ(StrToDateDef(L"x", 5, us), 5);
}

TEST(Dates, ParsingTimesAndDateTimes) {
  TFormatSettings us = USFormatSettings(), de = GermanFormatSettings();
  struct { const wchar_t* s; const TFormatSettings* fs; const wchar_t* expected; } good[] = {
      {L"2:07 PM", &us, L"14:07:00.000"},   {L"2:07pm", &us, L"14:07:00.000"},
      {L"12:00 AM", &us, L"00:00:00.000"},  {L"12:30 PM", &us, L"12:30:00.000"},
      {L"14:07:09", &us, L"14:07:09.000"},  {L"14:07:09.5", &us, L"14:07:09.500"},
      {L"14:07:09,25", &de, L"14:07:09.250"}, {L"2 PM", &us, L"14:00:00.000"},
      {L"PM 2:07", &us, L"14:07:00.000"},   {L" 9:05 ", &de, L"09:05:00.000"},
  };
  for (auto& g : good) {
    TDateTime t = -1;
    EXPECT_TRUE(TryStrToTime(g.s, t, *g.fs)) << UTF8Encode(g.s);
    EXPECT_EQ(FormatDateTime(L"hh:nn:ss.zzz", t, us), g.expected) << UTF8Encode(g.s);
  }
  const wchar_t* bad[] = {L"25:00", L"14", L"13:00 PM", L"12:60", L"", L"1:2:3:4", L"0 AM"};
  for (auto b : bad) {
    TDateTime t = 7;
    EXPECT_FALSE(TryStrToTime(b, t, us)) << UTF8Encode(b);
  }
  EXPECT_EQ(Iso(StrToDateTime(L"05.03.2016 14:07:09", de)), L"2016-03-05 14:07:09.000");
  EXPECT_EQ(Iso(StrToDateTime(L"05.03.2016", de)), L"2016-03-05 00:00:00.000");
  EXPECT_EQ(Iso(StrToDateTime(L"3/5/2016 2:07 PM", us)), L"2016-03-05 14:07:00.000");
  EXPECT_EQ(Iso(StrToDateTime(L"14:07", de)), L"1899-12-30 14:07:00.000");
  try {
    StrToDateTime(L"05.03.2016 x", de);
    ADD_FAILURE() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), L"'05.03.2016 x' is not a valid date and time");
  }
  EXPECT_EQ(Message([] { StrToTime(L"x", USFormatSettings()); }), L"'x' is not a valid time");
  EXPECT_EQ(StrToTimeDef(L"x", 0.5, us), 0.5);
  EXPECT_EQ(StrToDateTimeDef(L"x", 2, us), 2);
}

TEST(Clock, FixedClockReplacesNowAndTicks) {
  {
    FixedClock clock(EncodeDateTime(2016, 12, 24, 18, 30, 0, 0));
    EXPECT_EQ(Date(), EncodeDate(2016, 12, 24));
    EXPECT_EQ(Time(), EncodeTime(18, 30, 0, 0));
    clock.SetTicks(1000);
    clock.Advance(500);
    EXPECT_EQ(jorv::GetTickCount(), 1500u);
    EXPECT_EQ(Iso(Now()), L"2016-12-24 18:30:00.500");
  }
  // Back on the system clock: today lies well after the fixed date.
  EXPECT_GT(Now(), EncodeDate(2020, 1, 1));
  EXPECT_NE(jorv::GetTickCount(), 1500u);
}

TEST(Clock, SystemTimeRoundTrip) {
  SYSTEMTIME st{};
  TDateTime dt = EncodeDateTime(2016, 3, 5, 14, 7, 9, 45);
  DateTimeToSystemTime(dt, st);
  EXPECT_EQ(st.wYear, 2016);
  EXPECT_EQ(st.wDayOfWeek, 6);  // Saturday, counted from Sunday = 0
  EXPECT_EQ(st.wMilliseconds, 45);
  EXPECT_EQ(Iso(SystemTimeToDateTime(st)), L"2016-03-05 14:07:09.045");
}
