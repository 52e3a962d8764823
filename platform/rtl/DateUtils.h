#pragma once
// Calendar dates and times of day as TDateTime: days since 30 December 1899,
// the fraction being the time. Before that day the value counts down while
// its fraction's absolute value stays the time (-1.25 is 29 December 1899,
// 6:00).
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Types.h"

struct _SYSTEMTIME;

namespace jorv {

constexpr Integer HoursPerDay = 24;
constexpr Integer MinsPerDay = 24 * 60;
constexpr Integer SecsPerDay = 24 * 60 * 60;
constexpr Integer MSecsPerDay = SecsPerDay * 1000;
constexpr Integer DateDelta = 693594;  // days from 1 January 0001 to the epoch
constexpr TDateTime MinDateTime = -693593.0;  // 1 January 0001
constexpr TDateTime MaxDateTime = 2958465.99999999;  // 31 December 9999

bool IsLeapYear(Word year);
Word DaysInAMonth(Word year, Word month);
Word DaysInMonth(TDateTime dt);

bool TryEncodeDate(Word year, Word month, Word day, TDateTime& dt);
bool TryEncodeTime(Word hour, Word min, Word sec, Word msec, TDateTime& t);
bool TryEncodeDateTime(Word year, Word month, Word day, Word hour, Word min, Word sec,
                       Word msec, TDateTime& dt);
// These raise EConvertError on a day, month or time that does not exist.
TDateTime EncodeDate(Word year, Word month, Word day);
TDateTime EncodeTime(Word hour, Word min, Word sec, Word msec);
TDateTime EncodeDateTime(Word year, Word month, Word day, Word hour, Word min, Word sec,
                         Word msec);
void DecodeDate(TDateTime dt, Word& year, Word& month, Word& day);
void DecodeTime(TDateTime dt, Word& hour, Word& min, Word& sec, Word& msec);
void DecodeDateTime(TDateTime dt, Word& year, Word& month, Word& day, Word& hour, Word& min,
                    Word& sec, Word& msec);
// Joins a date (its whole days) and a time of day by the sign rule above.
TDateTime ComposeDateTime(TDateTime date, TDateTime time);

Word DayOfWeek(TDateTime dt);     // 1 = Sunday .. 7 = Saturday
Word DayOfTheWeek(TDateTime dt);  // 1 = Monday .. 7 = Sunday
Word YearOf(TDateTime dt);
Word MonthOf(TDateTime dt);
Word DayOf(TDateTime dt);
Word WeekOfTheYear(TDateTime dt);  // ISO 8601 week number
Word WeekOfTheYear(TDateTime dt, Word& year);  // and the year the week belongs to

TDateTime DateOf(TDateTime dt);
TDateTime TimeOf(TDateTime dt);
bool IsSameDay(TDateTime a, TDateTime b);
Integer DaysBetween(TDateTime a, TDateTime b);  // whole days apart
TDateTime IncMonth(TDateTime dt, Integer months = 1);  // clamps the day
TDateTime IncYear(TDateTime dt, Integer years = 1);
TDateTime IncDay(TDateTime dt, Integer days = 1);
TDateTime StartOfTheMonth(TDateTime dt);
TDateTime EndOfTheMonth(TDateTime dt);  // last day, 23:59:59.999

void DateTimeToSystemTime(TDateTime dt, _SYSTEMTIME& st);
TDateTime SystemTimeToDateTime(const _SYSTEMTIME& st);

String FormatDateTime(const String& format, TDateTime dt);
String FormatDateTime(const String& format, TDateTime dt, const TFormatSettings& fs);
String DateToStr(TDateTime dt);
String DateToStr(TDateTime dt, const TFormatSettings& fs);
String TimeToStr(TDateTime dt);
String TimeToStr(TDateTime dt, const TFormatSettings& fs);
String DateTimeToStr(TDateTime dt);
String DateTimeToStr(TDateTime dt, const TFormatSettings& fs);

// Texts in the order of ShortDateFormat with DateSeparator and TimeSeparator;
// a date without its year takes the current year, a two-digit year falls in
// the century window.
bool TryStrToDate(const String& s, TDateTime& dt);
bool TryStrToDate(const String& s, TDateTime& dt, const TFormatSettings& fs);
TDateTime StrToDate(const String& s);
TDateTime StrToDate(const String& s, const TFormatSettings& fs);
TDateTime StrToDateDef(const String& s, TDateTime def);
TDateTime StrToDateDef(const String& s, TDateTime def, const TFormatSettings& fs);
bool TryStrToTime(const String& s, TDateTime& t);
bool TryStrToTime(const String& s, TDateTime& t, const TFormatSettings& fs);
TDateTime StrToTime(const String& s);
TDateTime StrToTime(const String& s, const TFormatSettings& fs);
TDateTime StrToTimeDef(const String& s, TDateTime def);
TDateTime StrToTimeDef(const String& s, TDateTime def, const TFormatSettings& fs);
bool TryStrToDateTime(const String& s, TDateTime& dt);
bool TryStrToDateTime(const String& s, TDateTime& dt, const TFormatSettings& fs);
TDateTime StrToDateTime(const String& s);
TDateTime StrToDateTime(const String& s, const TFormatSettings& fs);
TDateTime StrToDateTimeDef(const String& s, TDateTime def);
TDateTime StrToDateTimeDef(const String& s, TDateTime def, const TFormatSettings& fs);

}  // namespace jorv
