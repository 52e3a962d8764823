#include "calendar/CalendarDates.h"

#include <cmath>

#include "platform/rtl/DateUtils.h"

namespace jorv::calendar {

Word MonthDayCount(Word month, Word year) {
  static const Word kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  if (month != 2) return kDays[month - 1];
  if (year % 400 == 0) return 29;
  if (year % 100 == 0) return 28;
  return year % 4 == 0 ? 29 : 28;
}

TDateTime EncodeDateChecked(Word year, Word month, Word day) {
  if (year > 9999 || month > 12 || day > 31) return 0;
  return EncodeDate(year, month, day);
}

Integer WholeDay(TDateTime dt) { return static_cast<Integer>(std::trunc(dt)); }

double DateToTimeline(TDateTime dt) {
  double day = std::trunc(dt);
  return day + std::fabs(dt - day);
}

TDateTime TimelineToDate(double t) {
  double day = std::floor(t);
  double time = t - day;
  return day >= 0 ? day + time : day - time;
}

TDateTime NextDaySameTime(TDateTime dt) {
  return TimelineToDate(DateToTimeline(dt) + 1.0);
}

bool ShiftMonth(Integer& year, Integer& month, Integer dx) {
  Int64 total = Int64(year) * 12 + (month - 1) + dx;
  Int64 y = total >= 0 ? total / 12 : -((-total + 11) / 12);
  Int64 m = total - y * 12 + 1;
  if (y < 1 || y > 9999) return false;
  year = static_cast<Integer>(y);
  month = static_cast<Integer>(m);
  return true;
}

Integer ISOYearStartDay(Word year) {
  switch (DayOfWeek(EncodeDate(year, 1, 1))) {
    case 1: return 2;  // Sunday: the first Monday is the 2nd
    case 6: return 4;  // Friday
    case 7: return 3;  // Saturday
    default: return 1; // Monday..Thursday: 1 January lies in week 1
  }
}

TYearStartValues ISOYearStarts(Word year) {
  TYearStartValues v;
  v.StartDay = ISOYearStartDay(year);
  v.NextYearStartDay = ISOYearStartDay(year + 1);
  v.PrevYearStartDay = ISOYearStartDay(year - 1);
  return v;
}

namespace {
Integer DaysFromTo(TDateTime from, TDateTime to) {
  return static_cast<Integer>(std::lround(to - from));
}
}  // namespace

Integer WeekNumberOfRow(const TYearStartValues& s, Word year, Word month,
                        Integer startDay, Integer row) {
  TDateTime first = EncodeDate(year, month, 1);
  Integer v = DayOfWeek(first) - startDay;
  if (v < 1) v += 7;
  TDateTime last = first + (7 - v) + 7 * (row - 1);

  // A year start in December belongs to the year before.
  auto startOf = [](Integer y, Integer d, Integer m) {
    return EncodeDateChecked(static_cast<Word>(m == 12 ? y - 1 : y),
                             static_cast<Word>(m), static_cast<Word>(d));
  };
  TDateTime S = startOf(year, s.StartDay, s.StartMonth);
  TDateTime N = startOf(year + 1, s.NextYearStartDay, s.NextYearStartMonth);
  TDateTime P = startOf(year - 1, s.PrevYearStartDay, s.PrevYearStartMonth);

  Word ly, lm, ld;
  DecodeDate(last, ly, lm, ld);
  // A row ending on or after the next year's start belongs to that year,
  // also when that year starts in December of this one.
  if (last >= N) return DaysFromTo(N, last) / 7 + 1;
  if ((ly == year && last >= S) || month == 12)
    return DaysFromTo(S, last) / 7 + 1;
  if (ly > year) return DaysFromTo(N, last) / 7 + 1;
  return DaysFromTo(P, last) / 7 + 1;
}

}  // namespace jorv::calendar
