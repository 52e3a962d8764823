// The calendar and the calendar group written to a form stream and read
// back into fresh components.
#include <gtest/gtest.h>

#include "calendar/agendacal.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Colors.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/Filer.h"
#include "platform/rtl/SysUtils.h"
#include "tests/support/FixedClock.h"
#include "tests/support/StreamCheck.h"

using namespace jorv;
using namespace jorv::calendar;

namespace {

bool Holds(const TBytes& Bytes, const std::string& Name) {
  std::string text(Bytes.begin(), Bytes.end());
  std::string entry = std::string(1, static_cast<char>(Name.size())) + Name;
  return text.find(entry) != std::string::npos;
}

}  // namespace

TEST(CalendarStreaming, ChangedLooksFontsAndSettingsComeBackPropertyByProperty) {
  FixedClock clock(EncodeDate(2026, 12, 10));
  TAgendaCalendar original(nullptr);
  original.SetLook(look3D);
  original.SetTextColor(clRed);
  original.SetSelectColor(0x123456);
  original.SetTodayStyle(tsFlat);
  original.SetGradientDirection(gdHorizontal);
  original.SetShowWeeks(true);
  original.SetStartDay(1);
  original.SetWeekName(L"KW");
  original.SetEventMarkerShape(evsTriangle);
  original.Font()->SetName(L"Arial");
  original.Font()->SetStyle({fsBold, fsItalic});
  original.DayFont()->SetSize(14);
  original.WeekFont()->SetColor(clGreen);
  original.EventFont()->SetColor(clBlue);
  // Names of their own only stay without the locale's names.
  original.NameOfDays()->SetUseIntlNames(false);
  original.NameOfDays()->SetMonday(L"Mo");
  original.NameOfMonths()->SetUseIntlNames(false);
  original.NameOfMonths()->SetMarch(L"M\u00E4r");
  original.YearStartAt()->SetISOWeekNumber(true);
  original.MinDate()->SetUse(true);
  original.MinDate()->SetYear(2000);
  original.InActiveDays()->SetSun(false);
  original.Browsers()->SetNextYear(false);
  original.Glyphs()->NextMonth()->SetSize(3, 2);
  original.Glyphs()->NextMonth()->Canvas()->SetPixels(1, 1, clRed);
  original.SetDay(15);
  original.SetMonth(3);
  original.SetYear(2020);

  TBytes bytes = WrittenBytes(&original);
  TAgendaCalendar copy(nullptr);
  ReadBytesInto(bytes, &copy);

  std::vector<String> differences = PropertyDifferences(&original, &copy);
  EXPECT_TRUE(differences.empty()) << "first differing: "
                                   << (differences.empty() ? "" : UTF8Encode(differences[0]));
  EXPECT_EQ(copy.TextColor(), clRed);
  EXPECT_EQ(copy.Font()->Name(), L"Arial");
  EXPECT_EQ(copy.NameOfMonths()->March(), L"M\u00E4r");
  EXPECT_TRUE(copy.MinDate()->Use());
  EXPECT_EQ(copy.Date(), EncodeDate(2020, 3, 15)) << "Loaded takes the streamed day";
  EXPECT_EQ(copy.Glyphs()->NextMonth()->Canvas()->Pixels(1, 1), clRed);
  EXPECT_EQ(WrittenBytes(&copy), bytes);
}

TEST(CalendarStreaming, DefaultsStayOutOfTheStream) {
  FixedClock clock(EncodeDate(2026, 12, 10));
  TAgendaCalendar fresh(nullptr);
  TBytes bytes = WrittenBytes(&fresh);
  for (const char* name : {"Look", "TextColor", "StartDay", "ShowWeeks", "TodayStyle",
                           "BackgroundPosition", "Background.Data", "Glyphs.NextMonth.Data",
                           "MinDate.Use", "YearStartAt.StartDay", "Browsers.NextYear"})
    EXPECT_FALSE(Holds(bytes, name)) << name;
  // Properties without a declared default are always there.
  for (const char* name : {"Width", "Day", "Month", "Year", "NameOfDays.Monday"})
    EXPECT_TRUE(Holds(bytes, name)) << name;
}

TEST(CalendarStreaming, GroupComesBackWithItsLooksAndLayout) {
  FixedClock clock(EncodeDate(2026, 12, 10));
  TAgendaCalendarGroup original(nullptr);
  original.SetColCount(3);
  original.SetRowCount(2);
  original.SetSelectColor(clFuchsia);
  original.SetCalendarBevelOuter(bvLowered);
  original.SetStartMonth(5);
  original.DayFont()->SetStyle({fsUnderline});
  original.NameOfDays()->SetUseIntlNames(false);
  original.NameOfDays()->SetFriday(L"Fr");

  TAgendaCalendarGroup copy(nullptr);
  ReadBytesInto(WrittenBytes(&original), &copy);
  std::vector<String> differences = PropertyDifferences(&original, &copy);
  EXPECT_TRUE(differences.empty()) << "first differing: "
                                   << (differences.empty() ? "" : UTF8Encode(differences[0]));
  EXPECT_EQ(copy.ColCount(), 3);
  EXPECT_EQ(copy.SelectColor(), clFuchsia);
}
