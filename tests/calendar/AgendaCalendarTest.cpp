#include <gtest/gtest.h>

#include <memory>

#include "calendar/agendacal.h"
#include "foundation/ExImage.h"
#include "platform/gfx/Bitmap.h"
#include "platform/ui/CustomControl.h"
#include "platform/gfx/Colors.h"
#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/WinApi.h"
#include "tests/support/FixedClock.h"
#include "tests/support/PinnedFormatSettings.h"

#include <uxtheme.h>

using namespace jorv::foundation;
using namespace jorv::calendar;

using namespace jorv;

namespace {

TDateTime D(Word y, Word m, Word d) { return EncodeDate(y, m, d); }

class TestCalendar : public TAgendaCalendar {
 public:
  explicit TestCalendar(TComponent* AOwner = nullptr) : TAgendaCalendar(AOwner) {}
  bool ThemedBorder() const { return FThemedBorder; }
  void InvalidateDate(TDateTime ADate) override {
    if (UpdateCount() == 0) ++liveInvalidations;
    TAgendaCalendar::InvalidateDate(ADate);
  }
  int liveInvalidations = 0;
  void FinishLoading() {
    SetLoading(false);
    Loaded();
  }
  void SetLoading(bool on) {
    if (on)
      FComponentState.Include(csLoading);
    else
      FComponentState.Exclude(csLoading);
  }
};

struct CalendarTest : ::testing::Test {
  FixedClock clock{EncodeDate(2016, 2, 20) + 0.5};  // noon
  std::unique_ptr<TestCalendar> cal = std::make_unique<TestCalendar>();

  void Bound(TMinMaxDate* b, TDateTime d) {
    b->SetDate(d);
    b->SetUse(true);
  }
};

// A parent that counts the change notices of its children.
class ChangeCountingParent : public TCustomControl {
 public:
  ChangeCountingParent() : TCustomControl(nullptr) {}
  void WndProc(TMessage& Message) override {
    if (Message.Msg == CM_CHANGED) ++changes;
    TCustomControl::WndProc(Message);
  }
  int changes = 0;
};

}  // namespace

TEST_F(CalendarTest, StartsOnTodayWithTheDocumentedDefaults) {
  // Showing the month rebuilds the cursor as that day's midnight.
  EXPECT_EQ(EncodeDate(2016, 2, 20), cal->Date());
  EXPECT_EQ(EncodeDate(2016, 2, 20), cal->CursorDate());
  EXPECT_EQ(20, cal->Day());
  EXPECT_EQ(2, cal->Month());
  EXPECT_EQ(2016, cal->Year());
  EXPECT_EQ(7, cal->StartDay());
  EXPECT_EQ(180, cal->Width());
  EXPECT_EQ(180, cal->Height());
  EXPECT_EQ(clYellow, cal->EventMarkerColor());
  EXPECT_EQ(evsCircle, cal->EventMarkerShape());
  EXPECT_EQ(clNone, cal->CaptionColor());
  EXPECT_EQ(0x808000, cal->DateSelectColor());
  EXPECT_EQ(L"\"Today\" DDD/mm, YYYY", cal->TodayFormat());
  EXPECT_EQ(L"", cal->WeekName());  // "Wk" only at design time
  EXPECT_EQ(L"2.1.0.1", cal->Version());
  cal->SetVersion(L"9.9");
  EXPECT_EQ(L"2.1.0.1", cal->Version());
  EXPECT_EQ(cal->NameOfMonths()->GetMonth(2) + L" 2016", cal->CaptionLabel());
  EXPECT_TRUE(cal->InActiveDays()->Sat() && cal->InActiveDays()->Sun());
  EXPECT_FALSE(cal->MinDate()->Use());
  EXPECT_EQ(bvNone, cal->BevelInner());
  EXPECT_EQ(bvNone, cal->BevelOuter());
  EXPECT_EQ(1, cal->BorderWidth());
  EXPECT_TRUE(cal->DoubleBuffered());
  EXPECT_TRUE(cal->CustomDraw());
  EXPECT_EQ(psWindowsXP, cal->Style());
  EXPECT_EQ(L"", cal->Caption());
  EXPECT_EQ(L"", cal->HintNextMonth());
  EXPECT_TRUE(GetClass(L"TAgendaCalendar")) << "registered for streaming";
  EXPECT_EQ(cal->ThemedBorder(), IsThemeActive() != FALSE)
      << "the themed border follows the desktop at run time";
}

TEST(CalendarDesignTime, NamesTheWeekColumnAndButtonsAndDrawsTheThemedBorder) {
  TComponent form(nullptr);
  form.SetDesigning(true);
  auto* cal = new TestCalendar(&form);
  EXPECT_EQ(L"Wk", cal->WeekName());
  EXPECT_EQ(L"Next Month", cal->HintNextMonth());
  EXPECT_EQ(L"Next Year", cal->HintNextYear());
  EXPECT_EQ(L"Previous Month", cal->HintPrevMonth());
  EXPECT_EQ(L"Previous Year", cal->HintPrevYear());
  EXPECT_TRUE(cal->ThemedBorder());
}

TEST_F(CalendarTest, LoadedTakesTheStreamedDateAndLocaleNames) {
  PinnedFormatSettings pin(GermanFormatSettings());
  cal->SetLoading(true);
  cal->SetYear(2015);
  cal->SetMonth(7);
  cal->SetDay(4);
  cal->NameOfMonths()->SetJuly(L"Heuert");  // as streamed
  cal->FinishLoading();
  EXPECT_EQ(D(2015, 7, 4), cal->Date());
  EXPECT_EQ(D(2015, 7, 4), cal->CursorDate());
  EXPECT_EQ(L"Jul", cal->NameOfMonths()->GetMonth(7));

  cal->NameOfMonths()->SetUseIntlNames(false);
  cal->SetLoading(true);
  cal->NameOfMonths()->SetJuly(L"Heuert");
  cal->FinishLoading();
  EXPECT_EQ(L"Heuert", cal->NameOfMonths()->GetMonth(7));
}

TEST_F(CalendarTest, EventsAndDatesAreCopiedInNotShared) {
  TSelDateItems other(nullptr);
  other.AddRangeHint(D(2016, 5, 1), D(2016, 5, 2), L"x");
  cal->SetEvents(&other);
  other.Clear();
  EXPECT_EQ(2, cal->Events()->Count());
  EXPECT_EQ(L"x", cal->Events()->Items(1)->Hint());
  other.AddRange(D(2016, 6, 1), D(2016, 6, 1));
  cal->SetDates(&other);
  ASSERT_EQ(1, cal->Dates()->Count());
  EXPECT_EQ(D(2016, 6, 1), cal->Dates()->Items(0)->Date());
}

TEST_F(CalendarTest, MonthMovesCarryClampAndStayInBounds) {
  struct Case {
    const char* name;
    TDateTime start;
    Integer dx;
    TDateTime min, max;  // 0: not in use
    TDateTime expected;
  } cases[] = {
      {"leap February", D(2016, 1, 31), 1, 0, 0, D(2016, 2, 29)},
      {"common February", D(2015, 1, 31), 1, 0, 0, D(2015, 2, 28)},
      {"back into last year", D(2016, 1, 15), -1, 0, 0, D(2015, 12, 15)},
      {"two back from January", D(2016, 1, 15), -2, 0, 0, D(2015, 11, 15)},
      {"fourteen back", D(2016, 1, 15), -14, 0, 0, D(2014, 11, 15)},
      {"thirteen on", D(2016, 1, 15), 13, 0, 0, D(2017, 2, 15)},
      {"December to January", D(2016, 12, 31), 1, 0, 0, D(2017, 1, 31)},
      {"nought rebuilds only", D(2016, 3, 5), 0, 0, 0, D(2016, 3, 5)},
      {"lands on MaxDate", D(2016, 2, 20), 1, 0, D(2016, 3, 15), D(2016, 3, 15)},
      {"inside MaxDate", D(2016, 2, 10), 1, 0, D(2016, 3, 15), D(2016, 3, 10)},
      {"lands on MinDate", D(2016, 2, 20), -1, D(2016, 1, 25), 0, D(2016, 1, 25)},
      {"inside MinDate", D(2016, 2, 20), -1, D(2016, 1, 10), 0, D(2016, 1, 20)},
  };
  for (const Case& c : cases) {
    auto k = std::make_unique<TestCalendar>();
    k->SetDate(c.start);
    if (c.min) Bound(k->MinDate(), c.min);
    if (c.max) Bound(k->MaxDate(), c.max);
    k->ChangeMonth(c.dx);
    EXPECT_EQ(c.expected, k->Date()) << c.name;
    EXPECT_EQ(c.expected, k->CursorDate()) << c.name;
    Word y, m, d;
    DecodeDate(c.expected, y, m, d);
    EXPECT_EQ(k->NameOfMonths()->GetMonth(m) + L" " + std::to_wstring(y), k->CaptionLabel())
        << c.name;
  }
}

TEST_F(CalendarTest, YearMovesKeepTheDayOrAreRefused) {
  struct Case {
    const char* name;
    TDateTime start;
    Integer dx;
    TDateTime min, max;  // 0: not in use
    TDateTime expected;
  } cases[] = {
      {"leap day to 28th", D(2016, 2, 29), 1, 0, 0, D(2017, 2, 28)},
      {"leap day back to 28th", D(2016, 2, 29), -4, 0, 0, D(2012, 2, 28)},
      {"back a year", D(2016, 7, 4), -1, 0, 0, D(2015, 7, 4)},
      {"refused past MaxDate", D(2016, 2, 20), 1, 0, D(2016, 3, 15), D(2016, 2, 20)},
      {"allowed up to MaxDate", D(2016, 3, 15), 1, 0, D(2017, 3, 15), D(2017, 3, 15)},
      {"refused before MinDate", D(2016, 2, 20), -1, D(2015, 3, 1), 0, D(2016, 2, 20)},
      {"allowed down to MinDate", D(2016, 3, 1), -1, D(2015, 3, 1), 0, D(2015, 3, 1)},
      {"refused past year 9999", D(9999, 1, 1), 1, 0, 0, D(9999, 1, 1)},
  };
  for (const Case& c : cases) {
    auto k = std::make_unique<TestCalendar>();
    k->SetDate(c.start);
    if (c.min) Bound(k->MinDate(), c.min);
    if (c.max) Bound(k->MaxDate(), c.max);
    k->ChangeYear(c.dx);
    EXPECT_EQ(c.expected, k->Date()) << c.name;
  }
}

TEST_F(CalendarTest, BoundsCountWholeDays) {
  Bound(cal->MaxDate(), D(2016, 3, 15));
  Bound(cal->MinDate(), D(2016, 1, 10));
  EXPECT_TRUE(cal->DateInBounds(D(2016, 3, 15) + 0.75));
  EXPECT_FALSE(cal->DateInBounds(D(2016, 3, 16)));
  EXPECT_TRUE(cal->DateInBounds(D(2016, 1, 10) + 0.25));
  EXPECT_FALSE(cal->DateInBounds(D(2016, 1, 9) + 0.99));
  EXPECT_TRUE(cal->MonthInBounds(D(2016, 1, 1)));
  EXPECT_TRUE(cal->MonthInBounds(D(2016, 3, 31) + 0.5));
  EXPECT_FALSE(cal->MonthInBounds(D(2016, 4, 1)));
  EXPECT_FALSE(cal->MonthInBounds(D(2015, 12, 31)));

}

TEST_F(CalendarTest, DayMonthYearWritesAndTheirFailures) {
  cal->SetDate(D(2016, 2, 10));
  cal->SetDay(31);  // past February's end: day 1
  EXPECT_EQ(D(2016, 2, 1), cal->Date());
  EXPECT_EQ(1, cal->Dates()->Count());

  cal->SetDate(D(2016, 1, 31));
  try {
    cal->SetMonth(2);
    FAIL() << "no failure";
  } catch (const Exception& e) {
    EXPECT_EQ(L"Invalid date 31/2/2016", e.Message());
  }
  EXPECT_THROW(cal->SetMonth(13), Exception);  // never 30 December 1899
  EXPECT_EQ(D(2016, 1, 31), cal->Date());

  cal->SetLoading(true);
  cal->SetMonth(2);  // dropped while loading
  cal->SetLoading(false);
  EXPECT_EQ(D(2016, 1, 31), cal->Date());
  cal->SetDay(15);
  EXPECT_EQ(D(2016, 1, 15), cal->Date()) << "month field kept its old value";

  cal->SetYear(2020);
  EXPECT_EQ(D(2020, 1, 15), cal->Date());
}

TEST_F(CalendarTest, StartDayIsClamped) {
  struct Case { Integer in, stored; } cases[] = {{0, 1}, {9, 7}, {-3, 1}, {1, 1}, {4, 4}, {7, 7}};
  for (const Case& c : cases) {
    cal->SetStartDay(c.in);
    EXPECT_EQ(c.stored, cal->StartDay()) << c.in;
  }
}

TEST_F(CalendarTest, DatesAsTextJoinsRunsOfDays) {
  TFormatSettings fs;
  fs.ShortDateFormat = L"d.m.yyyy";
  fs.DateSeparator = L'.';
  SetFormatSettingsOverride(&fs);
  struct Case { std::vector<TDateTime> days; const wchar_t* text; } cases[] = {
      {{}, L""},
      {{D(2016, 3, 1)}, L"1.3.2016"},
      {{D(2016, 3, 1), D(2016, 3, 2), D(2016, 3, 3), D(2016, 3, 5)}, L"1.3.2016-3.3.2016,5.3.2016"},
      {{D(2016, 3, 5), D(2016, 3, 2), D(2016, 3, 1), D(2016, 3, 3)}, L"1.3.2016-3.3.2016,5.3.2016"},
      {{D(2016, 3, 1), D(2016, 3, 3)}, L"1.3.2016,3.3.2016"},
      {{D(2016, 3, 1), D(2016, 3, 2), D(2016, 3, 4), D(2016, 3, 5)}, L"1.3.2016-2.3.2016,4.3.2016-5.3.2016"},
      {{D(2016, 2, 28), D(2016, 2, 29) + 0.5, D(2016, 3, 1)}, L"28.2.2016-1.3.2016"},
  };
  for (const Case& c : cases) {
    TSelDateItems* dates = cal->Dates();
    dates->Clear();
    for (TDateTime d : c.days) dates->Add()->SetDate(d);
    EXPECT_EQ(String(c.text), cal->DatesAsText());
  }
  SetFormatSettingsOverride(nullptr);
}

TEST_F(CalendarTest, ReadingDatesSortsWholeItems) {
  TSelDateItems* dates = cal->Dates();
  dates->Clear();
  for (Word day : {9, 3, 6}) {
    TSelDateItem* it = dates->Add();
    it->SetDate(D(2016, 3, day));
    it->SetHint(std::to_wstring(day));
    it->SetTag(day);
  }
  TSelDateItems* sorted = cal->Dates();
  for (Integer i = 0; i < 3; ++i) {
    Word y, m, d;
    DecodeDate(sorted->Items(i)->Date(), y, m, d);
    EXPECT_EQ(Word(3 + 3 * i), d);
    EXPECT_EQ(std::to_wstring(d), sorted->Items(i)->Hint());
    EXPECT_EQ(d, sorted->Items(i)->Tag());
  }
  cal->SetMultiSelect(false);
  EXPECT_EQ(0, cal->Dates()->Count()) << "leaving multi-select clears the selection";
}

TEST_F(CalendarTest, DateChangeEventsFireByComponentInOrder) {
  String log;
  cal->OnDayChange = [&](TObject*, TDateTime, TDateTime) { log += L"day "; };
  cal->OnMonthChange = [&](TObject*, TDateTime, TDateTime) { log += L"month "; };
  cal->OnYearChange = [&](TObject*, TDateTime, TDateTime) { log += L"year "; };
  struct Case { TDateTime from, to; const wchar_t* log; } cases[] = {
      {D(2016, 3, 5), D(2017, 3, 5), L"year "},
      {D(2016, 3, 5), D(2016, 4, 5), L"month "},
      {D(2016, 3, 5), D(2016, 3, 6), L"day "},
      {D(2016, 3, 5), D(2017, 4, 6), L"day month year "},
      {D(2016, 12, 31), D(2017, 1, 1), L"day month year "},
      {D(2016, 3, 5), D(2016, 3, 5) + 0.5, L""},
  };
  for (const Case& c : cases) {
    log.clear();
    cal->FireDateChanges(c.from, c.to);
    EXPECT_EQ(String(c.log), log);
  }
  log.clear();
  cal->SetDate(D(2020, 1, 31));
  cal->ChangeMonth(1);
  cal->ChangeYear(1);
  cal->SetDay(5);
  EXPECT_EQ(L"", log) << "moves and writes leave the events to their callers";
}

TEST_F(CalendarTest, RangeSelectGetsTheEarlierDateFirst) {
  TDateTime got1 = 0, got2 = 0;
  cal->OnRangeSelect = [&](TObject*, TDateTime a, TDateTime b) { got1 = a; got2 = b; };
  cal->DoRangeSelect(D(2016, 3, 9), D(2016, 3, 2));
  EXPECT_EQ(D(2016, 3, 2), got1);
  EXPECT_EQ(D(2016, 3, 9), got2);
}

TEST_F(CalendarTest, HasEventByWholeDayHookAndVisibility) {
  TDateTime d = D(2016, 5, 1);
  cal->Events()->AddRangeHint(d + 0.25, d + 0.25, L"Tag der Arbeit");
  TSelDateItem* item = nullptr;
  EXPECT_TRUE(cal->HasEvent(d, item));
  EXPECT_EQ(cal->Events()->Items(0), item);
  EXPECT_FALSE(cal->HasEvent(d + 1, item));
  EXPECT_EQ(nullptr, item);

  cal->OnGetDateHint = [&](TObject*, TDateTime dt, bool& isEvent) { isEvent = dt == d + 1; };
  EXPECT_TRUE(cal->HasEvent(d + 1, item));
  EXPECT_EQ(nullptr, item);

  TSelDateItem* seen = nullptr;
  cal->OnGetEventProp = [&](TObject*, TDateTime, TSelDateItem*& ev) {
    seen = ev;
    ev->SetColor(clRed);
    ev = nullptr;  // a replacement is ignored
  };
  EXPECT_TRUE(cal->HasEvent(d, item));
  EXPECT_EQ(cal->Events()->Items(0), seen);
  EXPECT_EQ(cal->Events()->Items(0), item);
  EXPECT_EQ(clRed, item->Color());
  EXPECT_EQ(0, cal->Events()->UpdateCount());

  cal->Events()->SetVisible(false);
  EXPECT_FALSE(cal->HasEvent(d, item));
}

TEST_F(CalendarTest, InactiveDaysFollowTheWeekdaySwitches) {
  EXPECT_TRUE(cal->IsInactiveDay(D(2016, 3, 5)));   // Saturday
  EXPECT_TRUE(cal->IsInactiveDay(D(2016, 3, 6)));   // Sunday
  EXPECT_FALSE(cal->IsInactiveDay(D(2016, 3, 7)));  // Monday
  cal->InActiveDays()->SetMon(true);
  cal->InActiveDays()->SetSun(false);
  EXPECT_TRUE(cal->IsInactiveDay(D(2016, 3, 7)));
  EXPECT_FALSE(cal->IsInactiveDay(D(2016, 3, 6)));
}

TEST_F(CalendarTest, IsoWeekNumbersOfTheShownMonth) {
  cal->SetStartDay(1);
  cal->YearStartAt()->SetISOWeekNumber(true);
  struct Case { TDateTime date; Integer row, week; } cases[] = {
      {D(2016, 1, 10), 1, 53},  // row ends Sunday 3 January
      {D(2016, 1, 10), 2, 1},
      {D(2016, 12, 10), 5, 52}, // row ends Sunday 1 January 2017
      {D(2016, 12, 10), 6, 1},
      {D(2021, 1, 10), 1, 53},  // 2020 has 53 weeks
  };
  for (const Case& c : cases) {
    cal->SetDate(c.date);
    cal->ApplyISOYearStart();
    EXPECT_EQ(c.week, cal->WeekNumberOfRow(c.row)) << c.date << " row " << c.row;
  }
  cal->SetDate(D(2016, 6, 1));
  cal->ApplyISOYearStart();
  EXPECT_EQ(4, cal->YearStartAt()->StartDay());
  EXPECT_EQ(2, cal->YearStartAt()->NextYearStartDay());
  EXPECT_EQ(1, cal->YearStartAt()->PrevYearStartDay());
}

TEST_F(CalendarTest, GridEndsFollowTheShownMonth) {
  cal->SetDate(D(2015, 2, 10));  // 1 February 2015 is a Sunday
  EXPECT_EQ(D(2015, 2, 1), cal->FirstDate());
  EXPECT_EQ(D(2015, 3, 14), cal->LastDate());
  EXPECT_EQ(TPoint(1, 1), cal->DateToXY(D(2015, 2, 1)));
  EXPECT_EQ(TPoint(7, 4), cal->DateToXY(D(2015, 2, 28)));
  cal->SetShowDaysBefore(false);
  cal->SetShowDaysAfter(false);
  cal->SetStartDay(1);
  EXPECT_EQ(D(2015, 2, 1), cal->FirstDate());
  EXPECT_EQ(D(2015, 2, 28), cal->LastDate());
  EXPECT_EQ(TPoint(7, 1), cal->DateToXY(D(2015, 2, 1)));
}

TEST_F(CalendarTest, BackgroundAndInactiveDaysTellTheParent) {
  ChangeCountingParent parent;
  cal->SetParent(&parent);
  EXPECT_TRUE(cal->Background()->Empty());

  TBitmap bmp;
  bmp.SetSize(4, 3);
  TExImage picture;
  picture.Assign(&bmp);
  cal->SetBackground(&picture);
  EXPECT_FALSE(cal->Background()->Empty());
  EXPECT_EQ(4, cal->Background()->Width());
  EXPECT_NE(&picture, cal->Background()) << "the picture is copied";
  int afterPicture = parent.changes;
  EXPECT_GT(afterPicture, 0);

  cal->InActiveDays()->SetFri(true);
  EXPECT_EQ(afterPicture + 1, parent.changes);
  cal->SetParent(nullptr);
}

TEST_F(CalendarTest, EventLooksSetWhilePaintingDoNotInvalidateAgain) {
  // A hidden host window gives the calendar a handle without any pumping.
  HWND host = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr,
                              nullptr, nullptr);
  cal->SetParentWindow(host);
  cal->HandleNeeded();
  TDateTime d = D(2016, 2, 10);
  cal->Events()->AddRange(d, d);
  cal->OnGetEventProp = [&](TObject*, TDateTime, TSelDateItem*& ev) {
    ev->SetShape(evsSquare);  // always notifies, even when unchanged
    ev->SetFontColor(clRed);
  };
  cal->liveInvalidations = 0;
  TSelDateItem* item = nullptr;
  EXPECT_TRUE(cal->HasEvent(d, item));
  EXPECT_EQ(evsSquare, item->Shape());
  EXPECT_EQ(0, cal->liveInvalidations);
  EXPECT_EQ(0, cal->UpdateCount());

  cal->OnGetEventProp = [](TObject*, TDateTime, TSelDateItem*&) { throw Exception(L"x"); };
  EXPECT_THROW(cal->HasEvent(d, item), Exception);
  EXPECT_EQ(0, cal->UpdateCount());
  EXPECT_EQ(0, cal->Events()->UpdateCount());

  item->SetShape(evsCircle);
  EXPECT_EQ(1, cal->liveInvalidations) << "outside painting a changed look repaints its day";
  cal.reset();
  DestroyWindow(host);
}
