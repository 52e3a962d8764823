#include <gtest/gtest.h>

#include "calendar/CalendarDates.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/DateUtils.h"

using namespace jorv::calendar;

using namespace jorv;

TEST(CalendarDates, MonthDayCountFollowsTheLeapRules) {
  struct Case { Word month, year, days; } cases[] = {
      {2, 2000, 29}, {2, 1900, 28}, {2, 2016, 29}, {2, 2015, 28},
      {1, 2015, 31}, {4, 2015, 30}, {12, 2015, 31}, {0, 2015, 0}, {13, 2015, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.days, MonthDayCount(c.month, c.year)) << c.month << "/" << c.year;
}

TEST(CalendarDates, EncodeDateCheckedGivesZeroOnlyAboveTheRanges) {
  EXPECT_EQ(0.0, EncodeDateChecked(2016, 13, 1));
  EXPECT_EQ(0.0, EncodeDateChecked(10000, 1, 1));
  EXPECT_EQ(0.0, EncodeDateChecked(2016, 1, 32));
  EXPECT_EQ(EncodeDate(2016, 2, 29), EncodeDateChecked(2016, 2, 29));
  EXPECT_THROW(EncodeDateChecked(2016, 2, 30), Exception);
  EXPECT_THROW(EncodeDateChecked(2016, 0, 1), Exception);
}

TEST(CalendarDates, WholeDaysKeepTheirDayBefore1899AndStepInTimeOrder) {
  struct Case { TDateTime dt; Integer day; TDateTime next; } cases[] = {
      {42000.75, 42000, 42001.75},
      {0.0, 0, 1.0},
      {-1.25, -1, 0.25},   // 29 Dec 1899 06:00 -> 30 Dec 1899 06:00
      {-2.75, -2, -1.75},  // 28 Dec 1899 18:00 -> 29 Dec 1899 18:00
      {-1.0, -1, 0.0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.day, WholeDay(c.dt)) << c.dt;
    EXPECT_DOUBLE_EQ(c.next, NextDaySameTime(c.dt)) << c.dt;
  }
  EXPECT_TRUE(SameWholeDay(-1.25, -1.75));
  EXPECT_FALSE(SameWholeDay(-0.75, -1.0));
  EXPECT_LT(DateToTimeline(-1.25), DateToTimeline(-1.75));
}

TEST(CalendarDates, ShiftMonthCarriesIntoTheYearBothWays) {
  struct Case { Integer y, m, dx; bool ok; Integer ry, rm; } cases[] = {
      {2016, 1, -1, true, 2015, 12},  {2016, 1, -2, true, 2015, 11},
      {2016, 1, -13, true, 2014, 12}, {2016, 1, 13, true, 2017, 2},
      {2016, 12, 1, true, 2017, 1},   {2016, 3, 0, true, 2016, 3},
      {2016, 6, -30, true, 2013, 12}, {1, 1, -1, false, 1, 1},
      {9999, 12, 1, false, 9999, 12},
  };
  for (const Case& c : cases) {
    Integer y = c.y, m = c.m;
    EXPECT_EQ(c.ok, ShiftMonth(y, m, c.dx)) << c.y << "/" << c.m << " " << c.dx;
    EXPECT_EQ(c.ry, y) << c.y << "/" << c.m << " " << c.dx;
    EXPECT_EQ(c.rm, m) << c.y << "/" << c.m << " " << c.dx;
  }
}

namespace {
// ISO week of a date by the Thursday rule, independent of the calendar's
// year-start arithmetic.
Integer IsoWeek(TDateTime d) {
  Integer isoDay = (DayOfWeek(d) + 5) % 7 + 1;  // Monday 1 .. Sunday 7
  TDateTime thursday = d - isoDay + 4;
  Word y, m, dd;
  DecodeDate(thursday, y, m, dd);
  return static_cast<Integer>(thursday - EncodeDate(y, 1, 1)) / 7 + 1;
}
}  // namespace

TEST(CalendarDates, IsoStartsGiveIsoWeeksForEveryRowOfEveryMonth) {
  // 1990..2040 has 1 January on every weekday, leap years among them, and
  // the week-53 years 1992, 1998, 2004, 2009, 2015, 2020, 2026, 2032, 2037.
  for (Word y = 1990; y <= 2040; ++y) {
    TYearStartValues starts = ISOYearStarts(y);
    for (Word m = 1; m <= 12; ++m) {
      TDateTime first = EncodeDate(y, m, 1);
      Integer v = DayOfWeek(first) - 1;
      if (v < 1) v += 7;
      for (Integer row = 1; row <= 6; ++row) {
        TDateTime sunday = first + (7 - v) + 7 * (row - 1);
        ASSERT_EQ(IsoWeek(sunday), WeekNumberOfRow(starts, y, m, 1, row))
            << y << "/" << m << " row " << row;
      }
    }
  }
}

TEST(CalendarDates, IsoYearStartFollowsTheWeekdayOfFirstJanuary) {
  struct Case { Word year; Integer day; } cases[] = {
      {2018, 1},  // Monday
      {2019, 1},  // Tuesday
      {2020, 1},  // Wednesday
      {2015, 1},  // Thursday
      {2016, 4},  // Friday
      {2022, 3},  // Saturday
      {2017, 2},  // Sunday
  };
  for (const Case& c : cases) EXPECT_EQ(c.day, ISOYearStartDay(c.year)) << c.year;
  TYearStartValues v = ISOYearStarts(2016);
  EXPECT_EQ((TYearStartValues{4, 1, 1, 1, 2, 1}), v);
}

TEST(CalendarDates, ConfiguredWeekNumbersAcrossYearBoundaries) {
  TYearStartValues firstJanuary;  // every year starts on 1 January
  // A year that starts on the Monday after Christmas of the year before.
  TYearStartValues december{28, 12, 29, 12, 26, 12};
  struct Case {
    const TYearStartValues* starts;
    Word year, month;
    Integer startDay, row, week;
  } cases[] = {
      {&firstJanuary, 2016, 1, 7, 1, 1},   // row ends Saturday 2 Jan
      {&firstJanuary, 2016, 1, 7, 2, 2},
      {&firstJanuary, 2016, 12, 7, 5, 53}, // ends Saturday 31 Dec
      {&firstJanuary, 2016, 12, 7, 6, 1},  // ends 7 Jan 2017
      {&firstJanuary, 2017, 1, 1, 1, 1},   // ends Sunday 1 Jan
      {&december, 2016, 1, 1, 1, 1},       // ends 3 Jan, start 28 Dec 2015
      {&december, 2016, 12, 1, 4, 52},     // ends 25 Dec 2016
      {&december, 2016, 12, 1, 5, 1},      // ends 1 Jan 2017, start 26 Dec
      {&december, 2016, 12, 7, 5, 1},      // ends Saturday 31 Dec, past 26 Dec
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.week, WeekNumberOfRow(*c.starts, c.year, c.month, c.startDay, c.row))
        << c.year << "/" << c.month << " start " << c.startDay << " row " << c.row;
}
