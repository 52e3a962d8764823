#include <gtest/gtest.h>

#include <functional>

#include "calendar/CalendarSettings.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/Exceptions.h"
#include "tests/support/PinnedFormatSettings.h"
#include "tests/support/ui/Gui.h"

using namespace jorv::calendar;

using namespace jorv;

TEST(CalendarSettings, DayAndMonthNamesComeFromTheLocaleAndWrapByWeek) {
  PinnedFormatSettings pin(GermanFormatSettings());
  TNameOfDays days;
  struct Case { Integer i; const wchar_t* name; } dayCases[] = {
      {1, L"Mo"}, {6, L"Sa"}, {7, L"So"}, {8, L"Mo"}, {14, L"So"},
      {0, L""},   {15, L""},  {-1, L""},
  };
  for (const Case& c : dayCases) EXPECT_EQ(String(c.name), days.GetDay(c.i)) << c.i;

  TNameOfMonths months;
  Case monthCases[] = {{1, L"Jan"}, {3, L"M\u00E4r"}, {12, L"Dez"}, {0, L""}, {13, L""}};
  for (const Case& c : monthCases) EXPECT_EQ(String(c.name), months.GetMonth(c.i)) << c.i;
}

TEST(CalendarSettings, OwnNamesLastUntilLocaleNamesAreAskedForAgain) {
  PinnedFormatSettings pin(GermanFormatSettings());
  TNameOfDays days;
  int changes = 0;
  days.OnChange = [&](TObject*) { ++changes; };
  days.SetUseIntlNames(false);
  days.SetMonday(L"Montag");
  EXPECT_EQ(L"Montag", days.GetDay(1));
  EXPECT_EQ(1, changes) << "only the name write notifies when the flag goes off";
  days.SetUseIntlNames(true);
  EXPECT_EQ(L"Mo", days.GetDay(1));
  EXPECT_EQ(2, changes);
}

TEST(CalendarSettings, YearStartWritesOutOfRangeShowAnErrorAndKeepTheValue) {
  using Setter = std::function<void(TYearStartAt&, Integer)>;
  using Getter = std::function<Integer(const TYearStartAt&)>;
  const wchar_t* kDay = L"Invalid day. Should be in [1..31]";
  const wchar_t* kMonth = L"Invalid month. Should be in [1..12]";
  struct Case {
    const char* name;
    Setter set;
    Getter get;
    Integer value;
    const wchar_t* message;  // nullptr: accepted
  } cases[] = {
      {"StartDay 32", &TYearStartAt::SetStartDay, &TYearStartAt::StartDay, 32, kDay},
      {"StartDay 0", &TYearStartAt::SetStartDay, &TYearStartAt::StartDay, 0, kDay},
      {"StartDay 31", &TYearStartAt::SetStartDay, &TYearStartAt::StartDay, 31, nullptr},
      {"StartMonth 0", &TYearStartAt::SetStartMonth, &TYearStartAt::StartMonth, 0, kMonth},
      {"StartMonth 12", &TYearStartAt::SetStartMonth, &TYearStartAt::StartMonth, 12, nullptr},
      {"PrevYearStartDay -1", &TYearStartAt::SetPrevYearStartDay,
       &TYearStartAt::PrevYearStartDay, -1, kDay},
      {"PrevYearStartMonth 13", &TYearStartAt::SetPrevYearStartMonth,
       &TYearStartAt::PrevYearStartMonth, 13, kMonth},
      {"NextYearStartDay 40", &TYearStartAt::SetNextYearStartDay,
       &TYearStartAt::NextYearStartDay, 40, kDay},
      {"NextYearStartMonth 13", &TYearStartAt::SetNextYearStartMonth,
       &TYearStartAt::NextYearStartMonth, 13, kMonth},
      {"NextYearStartMonth 2", &TYearStartAt::SetNextYearStartMonth,
       &TYearStartAt::NextYearStartMonth, 2, nullptr},
  };
  for (const Case& c : cases) {
    test::TMessageBoxRecorder boxes;
    TYearStartAt ys;
    int changes = 0;
    ys.OnChange = [&](TObject*) { ++changes; };
    c.set(ys, c.value);
    if (c.message) {
      ASSERT_EQ(1u, boxes.Boxes().size()) << c.name;
      EXPECT_EQ(String(c.message), boxes.Boxes()[0].Text) << c.name;
      EXPECT_EQ(UINT(MB_ICONERROR | MB_OK), boxes.Boxes()[0].Flags) << c.name;
      EXPECT_EQ(1, c.get(ys)) << c.name;
      EXPECT_EQ(0, changes) << c.name;
    } else {
      EXPECT_TRUE(boxes.Boxes().empty()) << c.name;
      EXPECT_EQ(c.value, c.get(ys)) << c.name;
      EXPECT_EQ(1, changes) << c.name;
    }
  }
}

TEST(CalendarSettings, IsoYearStartsAreStoredWithoutCheckOrNotice) {
  TYearStartAt ys;
  int changes = 0;
  ys.OnChange = [&](TObject*) { ++changes; };
  ApplyISOYearStart(ys, 2016);  // 1 January 2016 is a Friday
  EXPECT_EQ(4, ys.StartDay());
  EXPECT_EQ(1, ys.StartMonth());
  EXPECT_EQ(2, ys.NextYearStartDay());  // 2017 begins on a Sunday
  EXPECT_EQ(1, ys.PrevYearStartDay());  // 2015 on a Thursday
  EXPECT_EQ(0, changes);
}

TEST(CalendarSettings, DateBoundsBuildTheirDateWhenRead) {
  TMinMaxDate b;
  int changes = 0;
  b.OnChange = [&](TObject*) { ++changes; };
  EXPECT_THROW(b.Date(), Exception) << "the default 0/0/0 is no date";
  b.SetDate(EncodeDate(2016, 3, 15) + 0.5);
  EXPECT_EQ(0, changes) << "a date write splits silently";
  EXPECT_EQ(15, b.Day());
  EXPECT_EQ(3, b.Month());
  EXPECT_EQ(2016, b.Year());
  EXPECT_EQ(EncodeDate(2016, 3, 15), b.Date());
  b.SetMonth(13);
  EXPECT_EQ(1, changes);
  EXPECT_EQ(0.0, b.Date()) << "above the ranges gives 30 December 1899";
  b.SetMonth(2);
  b.SetDay(30);
  EXPECT_THROW(b.Date(), Exception);
}

TEST(CalendarSettings, InactiveWeekdaysByDateWeekdayNumber) {
  TWeekDays w;
  struct Case { Integer dow; bool set; } cases[] = {
      {1, true}, {2, false}, {6, false}, {7, true}, {0, false}, {8, false},
  };
  for (const Case& c : cases) EXPECT_EQ(c.set, w.IsSet(c.dow)) << c.dow;
  int changes = 0;
  w.OnChanged = [&](TObject*) { ++changes; };
  w.SetWed(true);
  EXPECT_TRUE(w.IsSet(4));
  EXPECT_EQ(1, changes);
}
