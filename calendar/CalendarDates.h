#pragma once
// Date arithmetic shared by the month calendar, its settings objects and the
// calendar group: whole-day handling, month lengths, checked encoding, month
// moves with carry into the year, and week numbers after a year start.
#include "platform/rtl/Types.h"

namespace jorv::calendar {

// Length of a month; 0 for a month outside 1..12.
Word MonthDayCount(Word month, Word year);

// The platform's date encoding, except that a year above 9999, a month above
// 12 or a day above 31 gives 0 (30 December 1899) instead of failing. Every
// other impossible date fails as the platform's encoding does.
TDateTime EncodeDateChecked(Word year, Word month, Word day);

// The day a date falls on. A date's integral part is its day also before
// 30 December 1899, where the fraction counts the time of day backwards
// (-1.25 is 29 December 1899, 6:00), so this truncates toward zero.
Integer WholeDay(TDateTime dt);
inline bool SameWholeDay(TDateTime a, TDateTime b) { return WholeDay(a) == WholeDay(b); }

// A date as days on a straight time line (time of day always counting
// forward), and back. Walking and ordering dates this way stays in time
// order across 30 December 1899, where the raw values do not.
double DateToTimeline(TDateTime dt);
TDateTime TimelineToDate(double t);
// The same time of day on the next day.
TDateTime NextDaySameTime(TDateTime dt);

// Moves year and month by dx months, carrying into the year either way.
// False, with nothing changed, when the result leaves years 1..9999.
bool ShiftMonth(Integer& year, Integer& month, Integer dx);

// Year starts of a week numbering: the first day of the year shown, of the
// next and of the previous year, each as a day and a month.
struct TYearStartValues {
  Integer StartDay = 1;
  Integer StartMonth = 1;
  Integer PrevYearStartDay = 1;
  Integer PrevYearStartMonth = 1;
  Integer NextYearStartDay = 1;
  Integer NextYearStartMonth = 1;
  bool operator==(const TYearStartValues&) const = default;
};

// Day in January on which the year starts under the ISO rule, from the
// weekday of 1 January: Monday..Thursday 1, Friday 4, Saturday 3, Sunday 2.
Integer ISOYearStartDay(Word year);
// The ISO year starts for the year, its next and its previous one.
TYearStartValues ISOYearStarts(Word year);

// Week number of grid row `row` (1..6) of month `month` of `year`, whose
// first column is `startDay` (1 = Monday .. 7 = Sunday).
Integer WeekNumberOfRow(const TYearStartValues& starts, Word year, Word month,
                        Integer startDay, Integer row);

}  // namespace jorv::calendar
