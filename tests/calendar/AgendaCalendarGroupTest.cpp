#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "calendar/agendacal.h"
#include "foundation/ExImage.h"
#include "platform/gfx/Colors.h"
#include "platform/rtl/DateUtils.h"
#include "platform/ui/Panel.h"
#include "tests/support/FixedClock.h"
#include "tests/support/ui/Gui.h"

using namespace jorv::foundation;
using namespace jorv::calendar;

using namespace jorv;
using namespace jorv::test;

namespace {

TDateTime D(Word y, Word m, Word d) { return EncodeDate(y, m, d); }

using TMonths = std::vector<std::pair<Word, Word>>;  // year, month per child

struct GroupTest : ::testing::Test {
  // Hiding or closing a shown window costs Wine seconds here, so every
  // test shares one form and frees only its group.
  static inline TTestForm* form = nullptr;
  static void SetUpTestSuite() { form = new TTestForm(800, 600); }
  static void TearDownTestSuite() {
    delete form;
    form = nullptr;
  }

  FixedClock clock{EncodeDate(2016, 2, 20) + 0.5};
  TAgendaCalendarGroup* group = nullptr;

  void SetUp() override {
    group = new TAgendaCalendarGroup((*form).Get());
    group->SetParent((*form).Get());
    group->HandleNeeded();
  }
  void TearDown() override { delete group; }

  TAgendaCalendar* Child(Integer k) { return group->Calendars(k); }

  TMonths Months() {
    TMonths r;
    for (Integer k = 0; k < group->CalendarCount(); ++k)
      r.push_back({Child(k)->Year(), Child(k)->Month()});
    return r;
  }

  // The selected days of every child, in child order.
  std::vector<TDateTime> ChildSelections() {
    std::vector<TDateTime> r;
    for (Integer k = 0; k < group->CalendarCount(); ++k) {
      TSelDateItems* d = Child(k)->Dates();
      for (Integer i = 0; i < d->Count(); ++i) r.push_back(d->Items(i)->Date());
    }
    return r;
  }

  // A child reports a selected day as its input code does.
  void SelectInChild(Integer k, TDateTime d) {
    Child(k)->SetDate(d);
    Child(k)->OnDaySelect(Child(k), d);
  }

  // What the application's main window sets.
  void MainWindowSettings() {
    group->ModifyGroup(4, 3, 180, 180);
    group->SetStartDay(1);
    group->SetEventHints(true);
    group->SetShowWeeks(true);
    group->SetLook(look3D);
    group->SetWeekName(L"kw");
    group->SetShowMonthSelector(false);
    group->SetShowYearSelector(false);
    TNameOfDays days;
    const wchar_t* dn[] = {L"Mo", L"Di", L"Mi", L"Do", L"Fr", L"Sa", L"So"};
    days.SetMonday(dn[0]);
    days.SetTuesday(dn[1]);
    days.SetWednesday(dn[2]);
    days.SetThursday(dn[3]);
    days.SetFriday(dn[4]);
    days.SetSaturday(dn[5]);
    days.SetSunday(dn[6]);
    group->SetNameOfDays(&days);
    TNameOfMonths months;
    const wchar_t* mn[] = {L"Jan", L"Feb", L"Mrz", L"Apr", L"Mai", L"Jun",
                           L"Jul", L"Aug", L"Sep", L"Okt", L"Nov", L"Dez"};
    months.SetJanuary(mn[0]);
    months.SetFebruary(mn[1]);
    months.SetMarch(mn[2]);
    months.SetApril(mn[3]);
    months.SetMay(mn[4]);
    months.SetJune(mn[5]);
    months.SetJuly(mn[6]);
    months.SetAugust(mn[7]);
    months.SetSeptember(mn[8]);
    months.SetOctober(mn[9]);
    months.SetNovember(mn[10]);
    months.SetDecember(mn[11]);
    group->SetNameOfMonths(&months);
    group->YearStartAt()->SetISOWeekNumber(true);
    TFont f;
    f.SetName(L"Tahoma");
    f.SetHeight(-11);
    group->SetDayFont(&f);
    f.SetStyle(f.Style() + fsBold);
    group->SetEventFont(&f);
    TFont wf;
    wf.SetName(L"Tahoma");
    wf.SetHeight(-9);
    wf.SetStyle(wf.Style() + fsItalic);
    group->SetWeekFont(&wf);
  }
};

}  // namespace

TEST_F(GroupTest, DefaultGroupPlacesTwoChildrenAndBothBarsByTheFrame) {
  ASSERT_EQ(2, group->CalendarCount());
  group->SetVersion(L"9.9");
  EXPECT_EQ(L"2.1.0.1", group->Version());
  // BevelWidth 1, BorderWidth 0: one pixel of frame on each side.
  EXPECT_EQ(1, Child(0)->Left());
  EXPECT_EQ(1, Child(0)->Top());
  EXPECT_EQ(181, Child(1)->Left());
  EXPECT_EQ(1, Child(1)->Top());
  EXPECT_EQ(180, Child(1)->Width());
  EXPECT_EQ(2 + 360 + 2, group->Width());
  EXPECT_EQ(2 + 180 + 2, group->Height());
  TPanel* right = group->ResizeHorizontal();
  EXPECT_EQ(362, right->Left());
  EXPECT_EQ(0, right->Top());
  EXPECT_EQ(2, right->Width());
  EXPECT_EQ(group->Height(), right->Height());
  TPanel* bottom = group->ResizeVertical();
  EXPECT_EQ(182, bottom->Top());
  EXPECT_EQ(group->Width(), bottom->Width());
  EXPECT_EQ(2, bottom->Height());
  EXPECT_FALSE(Child(0)->ShowDaysBefore());
  EXPECT_FALSE(Child(1)->ShowDaysAfter());
  EXPECT_EQ((TMonths{{2016, 2}, {2016, 3}}), Months());
}

TEST_F(GroupTest, StartYearThenStartMonthGivesConsecutiveMonths) {
  struct {
    Integer cols, rows, year, month;
    TMonths expect;
  } cases[] = {
      {2, 1, 2016, 12, {{2016, 12}, {2017, 1}}},
      {4, 3, 2016, 11,
       {{2016, 11}, {2016, 12}, {2017, 1}, {2017, 2}, {2017, 3}, {2017, 4},
        {2017, 5}, {2017, 6}, {2017, 7}, {2017, 8}, {2017, 9}, {2017, 10}}},
      {3, 1, 2020, 1, {{2020, 1}, {2020, 2}, {2020, 3}}},
      // The last month dates can hold stays the last one shown.
      {3, 1, 9999, 12, {{9999, 10}, {9999, 11}, {9999, 12}}},
  };
  for (auto& c : cases) {
    group->ModifyGroup(c.cols, c.rows, 180, 180);
    group->SetStartYear(c.year);
    group->SetStartMonth(c.month);
    EXPECT_EQ(c.expect, Months()) << c.cols << "x" << c.rows << " " << c.month;
    EXPECT_EQ(c.cols * c.rows, group->MonthCount());
  }
}

TEST_F(GroupTest, RedatingSpreadsTheSelectionToTheChildOfItsMonth) {
  group->ModifyGroup(4, 3, 180, 180);
  group->SetDate(D(2016, 5, 10));
  EXPECT_EQ((std::vector<TDateTime>{D(2016, 5, 10)}), ChildSelections());
  EXPECT_EQ(1, Child(3)->Dates()->Count());  // February is child 0

  group->SetStartYear(2016);
  group->SetStartMonth(4);
  ASSERT_EQ(1, Child(1)->Dates()->Count());
  EXPECT_EQ(D(2016, 5, 10), Child(1)->Dates()->Items(0)->Date());
  EXPECT_EQ(D(2016, 5, 10), group->Date());

  // Out of the shown months it is shown nowhere.
  group->SetStartYear(2017);
  EXPECT_TRUE(ChildSelections().empty());
}

TEST_F(GroupTest, EveryChangeOfEventsReachesEveryChild) {
  group->ModifyGroup(4, 3, 180, 180);
  TSelDateItems* ev = group->Events();
  ev->AddRangeHint(D(2016, 5, 1), D(2016, 5, 1), L"Tag der Arbeit");
  ev->AddRangeHint(D(2016, 5, 1), D(2016, 5, 1), L"Zweiter");
  ev->AddRangeHint(D(2016, 12, 25), D(2016, 12, 26), L"Weihnachten");
  ev->AddRangeHintSC(D(2016, 2, 20), D(2016, 2, 20), L"Heute", evsCircle, 0xFA);

  auto check = [&](const char* when) {
    for (Integer k = 0; k < group->CalendarCount(); ++k) {
      TSelDateItems* ce = Child(k)->Events();
      ASSERT_EQ(ev->Count(), ce->Count()) << when << " child " << k;
      for (Integer i = 0; i < ev->Count(); ++i) {
        EXPECT_EQ(ev->Items(i)->Date(), ce->Items(i)->Date()) << when;
        EXPECT_EQ(ev->Items(i)->Hint(), ce->Items(i)->Hint()) << when;
        EXPECT_EQ(ev->Items(i)->Shape(), ce->Items(i)->Shape()) << when;
        EXPECT_EQ(ev->Items(i)->Color(), ce->Items(i)->Color()) << when;
      }
    }
  };
  check("added");
  ASSERT_EQ(4, ev->Count());
  // Two holidays on one day: one marker with both texts.
  TSelDateItem* may = Child(3)->Events()->GetDate(D(2016, 5, 1));
  ASSERT_NE(nullptr, may);
  EXPECT_EQ(L"Tag der Arbeit\rZweiter", may->Hint());
  EXPECT_EQ(clYellow, may->Color());
  TSelDateItem* today = Child(0)->Events()->GetDate(D(2016, 2, 20));
  ASSERT_NE(nullptr, today);
  EXPECT_EQ(L"Heute", today->Hint());
  EXPECT_EQ(evsCircle, today->Shape());
  EXPECT_EQ(0xFA, today->Color());

  ev->Items(0)->SetHint(L"Maifeiertag");
  check("item changed");
  group->SetColCount(2);  // a rebuild copies them again
  check("rebuilt");
  ev->Clear();
  check("cleared");
}

namespace {
class LoadingGroup : public TAgendaCalendarGroup {
 public:
  using TAgendaCalendarGroup::TAgendaCalendarGroup;
  void StartLoading() { FComponentState.Include(csLoading); }
  void FinishLoading() {
    FComponentState.Exclude(csLoading);
    Loaded();
  }
};
}  // namespace

TEST(GroupLoading, StructureAndStartOnlyStoreUntilLoaded) {
  FixedClock clock{EncodeDate(2016, 2, 20)};
  TTestForm form{800, 600, false};
  auto* group = new LoadingGroup(form.Get());
  group->SetParent(form.Get());
  group->StartLoading();
  group->SetColCount(3);
  group->SetRowCount(2);
  group->SetStartYear(2015);
  group->SetStartMonth(11);
  group->SetTextColor(clGreen);
  EXPECT_EQ(2, group->CalendarCount());
  EXPECT_NE(clGreen, group->Calendars(0)->TextColor());
  group->FinishLoading();
  ASSERT_EQ(6, group->CalendarCount());
  EXPECT_EQ(11, group->Calendars(0)->Month());
  EXPECT_EQ(2015, group->Calendars(0)->Year());
  EXPECT_EQ(4, group->Calendars(5)->Month());
  EXPECT_EQ(clGreen, group->Calendars(5)->TextColor());
}

TEST_F(GroupTest, HoveringTodaysHolidayShowsBothTextsInOneHint) {
  group->SetShowHint(true);
  group->SetEventHints(true);
  TDateTime today = D(2016, 2, 20);
  group->Events()->AddRangeHint(today, today, L"Feiertag");
  group->Events()->AddRangeHintSC(today, today, L"Heute", evsCircle, 0xFA);
  TRendered laidOut(group);
  // The middle of the day's hit area in child 0.
  Integer sx = 0, sy = 0, n = 0;
  for (Integer y = 0; y < 180; ++y)
    for (Integer x = 0; x < 180; ++x) {
      TDateTime d = 0;
      if (Child(0)->DateAtXY(x, y, d) && SameWholeDay(d, today)) sx += x, sy += y, ++n;
    }
  ASSERT_GT(n, 0);
  Application->SetHintPause(20);
  Application->SetHintShortPause(20);
  auto hintText = [] {
    return Application->HintActive() ? Application->HintWindow()->Caption() : String();
  };
  MouseMove(Child(0), sx / n, sy / n);
  EXPECT_TRUE(PumpUntil([&] { return hintText() == L"Feiertag\rHeute"; }, 1000)) << hintText();
  Application->CancelHint();
  Application->SetHintPause(500);
  Application->SetHintShortPause(50);
}

TEST(GroupWithoutWindow, EventsAddedBeforeTheWindowAreShownWhenItIsMade) {
  FixedClock clock{EncodeDate(2016, 2, 20)};
  TTestForm form{800, 600, false};
  auto* group = new TAgendaCalendarGroup(form.Get());
  group->SetParent(form.Get());
  ASSERT_FALSE(group->HandleAllocated());
  group->Events()->AddRangeHint(D(2016, 3, 1), D(2016, 3, 1), L"A");
  group->Events()->AddRangeHint(D(2016, 3, 1), D(2016, 3, 1), L"B");
  group->HandleNeeded();
  TSelDateItems* ce = group->Calendars(1)->Events();
  ASSERT_EQ(1, ce->Count());
  EXPECT_EQ(D(2016, 3, 1), ce->Items(0)->Date());
  EXPECT_EQ(L"A\rB", ce->Items(0)->Hint());
}

TEST_F(GroupTest, DaySelectionInAChildBecomesTheGroupsDate) {
  group->ModifyGroup(2, 2, 180, 180);
  std::vector<std::pair<TObject*, TDateTime>> selects;
  group->OnDaySelect = [&](TObject* s, TDateTime d) { selects.push_back({s, d}); };

  SelectInChild(0, D(2016, 2, 3));
  SelectInChild(2, D(2016, 4, 12));
  EXPECT_EQ(D(2016, 4, 12), group->Date());
  EXPECT_EQ((std::vector<TDateTime>{D(2016, 4, 12)}), ChildSelections());
  ASSERT_EQ(2u, selects.size());
  EXPECT_EQ(group, selects[1].first);
  EXPECT_EQ(D(2016, 4, 12), selects[1].second);
  EXPECT_EQ(12, group->Day());

  // With Ctrl held (reported by a child's key press) the others keep theirs.
  group->SetMultiSelect(true);
  SelectInChild(0, D(2016, 2, 3));
  Word ctrl = VK_CONTROL;
  Child(0)->OnKeyDown(Child(0), ctrl, TShiftState{ssCtrl});
  SelectInChild(3, D(2016, 5, 9));
  EXPECT_EQ((std::vector<TDateTime>{D(2016, 2, 3), D(2016, 5, 9)}), ChildSelections());
  Child(0)->OnKeyUp(Child(0), ctrl, TShiftState{});
  SelectInChild(1, D(2016, 3, 9));
  EXPECT_EQ((std::vector<TDateTime>{D(2016, 3, 9)}), ChildSelections());
}

TEST_F(GroupTest, DateOutsideTheShownMonthsMovesThemThere) {
  group->ModifyGroup(2, 1, 180, 180);  // February and March 2016
  group->SetDate(D(2016, 5, 17));
  EXPECT_EQ((TMonths{{2016, 5}, {2016, 6}}), Months());
  EXPECT_EQ((std::vector<TDateTime>{D(2016, 5, 17)}), ChildSelections());
  EXPECT_EQ(D(2016, 5, 17), group->Date());
  EXPECT_EQ(5, group->StartMonth());
}

TEST_F(GroupTest, ImpossibleDayMonthOrYearTellsTheUserAndChangesNothing) {
  TMessageBoxRecorder boxes;
  group->SetMonth(4);
  TMonths before = Months();
  group->SetDay(31);
  group->SetMonth(13);
  ASSERT_EQ(2u, boxes.Boxes().size());
  EXPECT_EQ(L"Invalid date", boxes.Boxes()[0].Text);
  EXPECT_EQ(before, Months());
  EXPECT_EQ(20, group->Day());
}

TEST_F(GroupTest, CursorKeysPastAMonthEdgeMoveTheGroupByOneMonth) {
  group->ModifyGroup(3, 1, 180, 180);  // Feb, Mar, Apr 2016
  struct {
    Integer child;
    Word key;
    TMonths months;
    TDateTime selected;
  } cases[] = {
      // Past the last child: one month on, day 1 of the new first month.
      {2, VK_RIGHT, {{2016, 3}, {2016, 4}, {2016, 5}}, D(2016, 3, 1)},
      {2, VK_DOWN, {{2016, 4}, {2016, 5}, {2016, 6}}, D(2016, 4, 1)},
      // Before child 0: one month back, the last day of the new first month.
      {0, VK_LEFT, {{2016, 3}, {2016, 4}, {2016, 5}}, D(2016, 3, 31)},
      {0, VK_UP, {{2016, 2}, {2016, 3}, {2016, 4}}, D(2016, 2, 29)},
  };
  for (auto& c : cases) {
    Child(c.child)->OnCancelledKey(Child(c.child), c.key);
    EXPECT_EQ(c.months, Months()) << c.key;
    EXPECT_EQ(c.selected, group->Date()) << c.key;
  }

  // The group's date in another child's month does not make it jump.
  SelectInChild(2, D(2016, 4, 30));
  Child(2)->OnCancelledKey(Child(2), VK_RIGHT);
  EXPECT_EQ((TMonths{{2016, 3}, {2016, 4}, {2016, 5}}), Months());
  EXPECT_EQ(D(2016, 3, 1), group->Date());

  // Other keys and senders that are not children are ignored.
  Child(0)->OnCancelledKey(Child(0), VK_HOME);
  Child(0)->OnCancelledKey(group, VK_LEFT);
  EXPECT_EQ((TMonths{{2016, 3}, {2016, 4}, {2016, 5}}), Months());

  // After leaving child 0 on the 31st, the next month of fewer days still
  // takes every child.
  Child(0)->OnCancelledKey(Child(0), VK_LEFT);
  group->SetStartMonth(4);
  EXPECT_EQ((TMonths{{2016, 4}, {2016, 5}, {2016, 6}}), Months());
}

TEST_F(GroupTest, ArrowKeysTypedInTheChildrenCrossTheMonthEdges) {
  group->ModifyGroup(2, 1, 180, 180);  // Feb, Mar 2016
  SelectInChild(1, D(2016, 3, 31));
  Child(1)->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return Child(1)->Focused(); }));
  KeyPress(Child(1), VK_RIGHT);
  EXPECT_EQ((TMonths{{2016, 3}, {2016, 4}}), Months());
  EXPECT_EQ(D(2016, 3, 1), group->Date());

  SelectInChild(1, D(2016, 4, 1));
  Child(1)->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return Child(1)->Focused(); }));
  KeyPress(Child(1), VK_LEFT);
  EXPECT_TRUE(PumpUntil([&] { return Child(0)->Focused(); }));
  EXPECT_EQ((TMonths{{2016, 3}, {2016, 4}}), Months());
}

TEST_F(GroupTest, CursorKeysInsideTheGroupMoveTheFocusToTheNeighbour) {
  group->ModifyGroup(3, 1, 180, 180);
  Child(1)->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return Child(1)->Focused(); }));
  Child(1)->OnCancelledKey(Child(1), VK_RIGHT);
  EXPECT_TRUE(PumpUntil([&] { return Child(2)->Focused(); }));
  Child(2)->OnCancelledKey(Child(2), VK_LEFT);
  Child(1)->OnCancelledKey(Child(1), VK_UP);
  EXPECT_TRUE(PumpUntil([&] { return Child(0)->Focused(); }));
  EXPECT_EQ((TMonths{{2016, 2}, {2016, 3}, {2016, 4}}), Months());

  // The group's own window hands the focus to the first month.
  group->SetFocus();
  EXPECT_TRUE(PumpUntil([&] { return Child(0)->Focused(); }));
}

TEST_F(GroupTest, SizesRefuseWhatWouldLeaveTheGroupEmptyOrDivideByZero) {
  group->ModifyGroup(0, 0, 0, 0);
  EXPECT_EQ(2, group->CalendarCount());
  EXPECT_EQ(180, group->CalendarWidth());
  group->SetColCount(0);
  group->SetRowCount(-1);
  group->SetCalendarWidth(0);
  group->SetCalendarHeight(0);
  EXPECT_EQ(2, group->CalendarCount());
  // The group still follows its size afterwards.
  group->SetBounds(0, 0, 3 * 180 + 4, 180 + 4);
  EXPECT_EQ(3, group->ColCount());
  EXPECT_EQ(3, group->CalendarCount());

  group->ModifyGroup(2, 1, 150, 120);
  EXPECT_EQ(2 + 300 + 2, group->Width());
  EXPECT_EQ(2 + 120 + 2, group->Height());
  EXPECT_EQ(151, Child(1)->Left());
}

TEST_F(GroupTest, AGroupFillingItsFormTakesAsManyWholeMonthsAsFit) {
  group->SetAlign(alClient);  // as in the main window
  Pump(30);
  EXPECT_EQ(4, group->ColCount());  // 800 x 600 of client area
  EXPECT_EQ(3, group->RowCount());
  EXPECT_EQ(12, group->CalendarCount());
  EXPECT_EQ(1 + 3 * 180, Child(11)->Left());
}

TEST_F(GroupTest, SplitterSizesAreCappedAtHalfACalendar) {
  struct {
    Byte h, v;
    Integer width, height;
  } cases[] = {
      {90, 2, 2 + 360 + 90, 2 + 180 + 2},
      {91, 2, 2 + 360 + 90, 2 + 180 + 2},  // ignored
      {5, 90, 2 + 360 + 5, 2 + 180 + 90},
      {5, 91, 2 + 360 + 5, 2 + 180 + 90},  // ignored
  };
  for (auto& c : cases) {
    group->SetSpliterH(c.h);
    group->SetSpliterV(c.v);
    EXPECT_EQ(c.width, group->Width()) << int(c.h) << "," << int(c.v);
    EXPECT_EQ(c.height, group->Height()) << int(c.h) << "," << int(c.v);
    EXPECT_EQ(362, group->ResizeHorizontal()->Left());
    EXPECT_EQ(group->SpliterH(), group->ResizeHorizontal()->Width());
    EXPECT_EQ(182, group->ResizeVertical()->Top());
    EXPECT_EQ(group->SpliterV(), group->ResizeVertical()->Height());
  }
}

TEST_F(GroupTest, DraggingTheRightBarRefitsTheColumnsAndKeepsEventsAndSelection) {
  group->Events()->AddRangeHint(D(2016, 3, 8), D(2016, 3, 8), L"Frauentag");
  group->SetDate(D(2016, 3, 15));
  TPanel* bar = group->ResizeHorizontal();
  MouseDown(bar, 1, 10);
  // The right edge follows the pointer: 362 + 196 + 2 = 560.
  MouseMove(bar, 196, 10);
  EXPECT_EQ(560, group->Width());
  EXPECT_EQ(2, group->CalendarCount());  // not refitted while dragging
  MouseUp(bar, 196, 10);
  ASSERT_EQ(3, group->CalendarCount());
  EXPECT_EQ(3, group->ColCount());
  EXPECT_EQ(544, group->Width());
  EXPECT_EQ(542, group->ResizeHorizontal()->Left());
  EXPECT_EQ(1, Child(2)->Events()->Count());
  EXPECT_EQ(D(2016, 3, 15), group->Date());

  TPanel* bottom = group->ResizeVertical();
  MouseDown(bottom, 10, 1);
  MouseMove(bottom, 10, 190);
  MouseUp(bottom, 10, 190);
  EXPECT_EQ(2, group->RowCount());
  EXPECT_EQ(6, group->CalendarCount());
  EXPECT_EQ(2 + 360 + 2, group->Height());
}

TEST_F(GroupTest, MouseOfAChildReachesTheGroupInGroupCoordinates) {
  std::vector<std::pair<TObject*, TPoint>> downs;
  group->OnMouseDown = [&](TObject* s, TMouseButton, TShiftState, Integer x, Integer y) {
    downs.push_back({s, TPoint{x, y}});
  };
  Integer dbl = 0;
  group->OnDblClick = [&](TObject* s) { dbl += s == group; };
  MouseDown(Child(1), 10, 10);
  MouseUp(Child(1), 10, 10);
  ASSERT_EQ(1u, downs.size());
  EXPECT_EQ(group, downs[0].first);
  EXPECT_EQ(191, downs[0].second.X);
  EXPECT_EQ(11, downs[0].second.Y);
  Child(0)->OnDblClick(Child(0));
  EXPECT_EQ(1, dbl);
}

TEST_F(GroupTest, HandlersAssignedLaterAreHeardAndMonthChangesLineTheChildrenUp) {
  group->ModifyGroup(3, 1, 180, 180);
  std::vector<TObject*> monthSelects;
  group->OnMonthSelect = [&](TObject* s) { monthSelects.push_back(s); };
  Child(2)->OnMonthSelect(Child(2));
  EXPECT_EQ((std::vector<TObject*>{Child(2)}), monthSelects);

  Integer monthChanges = 0, yearChanges = 0;
  group->OnMonthChange = [&](TObject* s, TDateTime, TDateTime) { monthChanges += s == group; };
  group->OnYearChange = [&](TObject* s, TDateTime, TDateTime) { yearChanges += s == group; };
  // Child 1 navigated from March to July: it keeps July.
  Child(1)->OnMonthChange(Child(1), D(2016, 3, 1), D(2016, 7, 1));
  EXPECT_EQ((TMonths{{2016, 6}, {2016, 7}, {2016, 8}}), Months());
  EXPECT_EQ(1, monthChanges);
  EXPECT_EQ(0, yearChanges);
  Child(0)->OnYearChange(Child(0), D(2016, 6, 1), D(2017, 6, 1));
  EXPECT_EQ((TMonths{{2017, 6}, {2017, 7}, {2017, 8}}), Months());
  EXPECT_EQ(2, monthChanges);
  EXPECT_EQ(1, yearChanges);
}

TEST_F(GroupTest, HandlersHandedToTheChildrenHearTheChildAsSender) {
  std::vector<std::pair<std::string, TObject*>> heard;
  auto note = [&](const char* name) {
    return [&heard, name](TObject* s, auto&&...) { heard.push_back({name, s}); };
  };
  group->OnMonthSelect = note("MonthSelect");
  group->OnYearSelect = note("YearSelect");
  group->OnAllDaySelect = note("AllDaySelect");
  group->OnGetDateHint = note("GetDateHint");
  group->OnGetDateHintString = note("GetDateHintString");
  group->OnDateChange = note("DateChange");
  group->OnCancelledChange = note("CancelledChange");
  group->OnKeyPress = note("KeyPress");
  group->OnStartDrag = note("StartDrag");
  group->OnEndDrag = note("EndDrag");
  TAgendaCalendar* c = Child(1);
  bool isEvent = false;
  String hint;
  Char key = L'a';
  TDragObject* drag = nullptr;
  TDateTime day = D(2016, 3, 1);
  struct {
    const char* name;
    std::function<void()> fire;
  } cases[] = {
      {"MonthSelect", [&] { if (c->OnMonthSelect) c->OnMonthSelect(c); }},
      {"YearSelect", [&] { if (c->OnYearSelect) c->OnYearSelect(c); }},
      {"AllDaySelect", [&] { if (c->OnAllDaySelect) c->OnAllDaySelect(c); }},
      {"GetDateHint", [&] { if (c->OnGetDateHint) c->OnGetDateHint(c, day, isEvent); }},
      {"GetDateHintString",
       [&] {
         if (c->OnGetDateHintString) c->OnGetDateHintString(c, day, isEvent, hint);
       }},
      {"DateChange", [&] { if (c->OnDateChange) c->OnDateChange(c, day, day + 1); }},
      {"CancelledChange", [&] { if (c->OnCancelledChange) c->OnCancelledChange(c, day); }},
      {"KeyPress", [&] { if (c->OnKeyPress) c->OnKeyPress(c, key); }},
      {"StartDrag", [&] { if (c->OnStartDrag) c->OnStartDrag(c, drag); }},
      {"EndDrag", [&] { if (c->OnEndDrag) c->OnEndDrag(c, nullptr, 5, 5); }},
  };
  for (auto& e : cases) {
    heard.clear();
    e.fire();
    EXPECT_EQ((std::vector<std::pair<std::string, TObject*>>{{e.name, c}}), heard) << e.name;
  }
}

TEST_F(GroupTest, DateAtAPointIsTheDayOfTheChildUnderIt) {
  TRendered laidOut(group);
  Integer days = 0;
  for (Integer cy = 10; cy < 180; cy += 17) {
    for (Integer cx = 10; cx < 180; cx += 23) {
      TDateTime inChild = 0, inGroup = 0;
      bool c = Child(1)->DateAtXY(cx, cy, inChild);
      EXPECT_EQ(c, group->DateAtXY(Child(1)->Left() + cx, Child(1)->Top() + cy, inGroup));
      if (!c) continue;
      ++days;
      EXPECT_EQ(inChild, inGroup);
      EXPECT_EQ(3, MonthOf(inGroup));
    }
  }
  EXPECT_GT(days, 20);
  TDateTime d = 0;
  EXPECT_FALSE(group->DateAtXY(group->Width() - 1, 5, d));  // on the bar
}

TEST_F(GroupTest, FollowingTheDesktopReappliesItsPresetOnThemeChanges) {
  group->SetStyle(psAvantGarde);
  group->SetAutoThemeAdapt(true);
  TAgendaCalendarStyle desktop = group->Style();
  EXPECT_NE(psAvantGarde, desktop);
  group->SetStyle(psAvantGarde);
  group->Perform(WM_THEMECHANGED);
  EXPECT_EQ(desktop, group->Style());
  group->SetAutoThemeAdapt(false);
  group->SetStyle(psAvantGarde);
  group->Perform(WM_THEMECHANGED);
  EXPECT_EQ(psAvantGarde, group->Style());
}

TEST_F(GroupTest, LookWritesReachEveryChild) {
  group->ModifyGroup(2, 1, 180, 180);
  // Some writes propagate only when the value changes.
  Child(1)->SetSelectColor(clRed);
  group->SetSelectColor(group->SelectColor());
  EXPECT_EQ(clRed, Child(1)->SelectColor());
  group->SetTextColor(group->TextColor());
  EXPECT_EQ(clTeal, Child(1)->SelectColor());

  group->SetWeekendColor(clGreen);
  group->SetColor(clYellow);
  group->SetEventMarkerShape(evsSquare);
  group->SetCalendarBorderWidth(3);
  group->SetCalendarBevelWidth(3);  // stored only
  for (Integer k = 0; k < 2; ++k) {
    EXPECT_EQ(clGreen, Child(k)->WeekendColor());
    EXPECT_EQ(clYellow, Child(k)->Color());
    EXPECT_EQ(evsSquare, Child(k)->EventMarkerShape());
    EXPECT_EQ(3, Child(k)->BorderWidth());
    EXPECT_EQ(1, Child(k)->BevelWidth());
    EXPECT_TRUE(Child(k)->ShowHint());
  }

  // A look write does not lose the selection.
  group->SetDate(D(2016, 3, 4));
  group->SetTextColor(clNavy);
  EXPECT_EQ(D(2016, 3, 4), group->Date());
}

TEST_F(GroupTest, PresetsWriteTheGroupsOwnColours) {
  struct {
    TAgendaCalendarStyle style;
    TColor selectFont, dateSelect, gradStart;
    bool line3D;
  } cases[] = {
      {psOffice2010Blue, 0x5B391E, 0xDEC1A9, 0xEDDBCD, false},
      {psWindows8, clWhite, 0xDAA026, clWhite, false},
      {psWindowsXP, clWhite, clHighlight, clWhite, true},
  };
  for (auto& c : cases) {
    group->SetStyle(c.style);
    EXPECT_EQ(c.style, group->Style());
    for (Integer k = 0; k < group->CalendarCount(); ++k) {
      EXPECT_EQ(c.selectFont, Child(k)->SelectFontColor()) << int(c.style);
      EXPECT_EQ(c.dateSelect, Child(k)->DateSelectColor()) << int(c.style);
      EXPECT_EQ(c.gradStart, Child(k)->GradientStartColor()) << int(c.style);
      EXPECT_EQ(c.line3D, Child(k)->Line3D()) << int(c.style);
    }
  }
  // psFlat writes the colour too.
  group->SetStyle(psFlat);
  EXPECT_EQ(clBtnFace, Child(0)->Color());

  // psCustom and the classic look change no colour but spread the selection.
  group->SetDate(D(2016, 3, 4));
  for (TAgendaCalendarStyle style : {psOffice2003Classic, psCustom}) {
    Child(1)->Dates()->Clear();
    Child(0)->SetInActiveColor(clRed);
    group->SetStyle(style);
    EXPECT_EQ(style, group->Style());
    EXPECT_EQ(clBtnFace, Child(0)->Color()) << int(style);
    EXPECT_EQ(clBtnFace, Child(0)->GradientStartColor()) << int(style);
    EXPECT_EQ(clWhite, Child(0)->InActiveColor()) << int(style);  // propagated again
    EXPECT_EQ((std::vector<TDateTime>{D(2016, 3, 4)}), ChildSelections()) << int(style);
  }

  group->SetComponentStyle(tsCustom);
  EXPECT_EQ(psCustom, group->Style());
  group->SetComponentStyle(tsOffice2007Luna);
  EXPECT_EQ(psOffice2007Luna, group->Style());
  EXPECT_EQ(0xFFF4E3, Child(1)->GradientStartColor());
}

TEST_F(GroupTest, NavigationButtonsOnlyAtTheOuterCornersOfTheFirstRow) {
  group->ModifyGroup(4, 3, 180, 180);
  for (Integer k = 0; k < 12; ++k) {
    TCalendarBrowsers* b = Child(k)->Browsers();
    EXPECT_EQ(k == 0, b->PrevMonth()) << k;
    EXPECT_EQ(k == 0, b->PrevYear()) << k;
    EXPECT_EQ(k == 3, b->NextMonth()) << k;
    EXPECT_EQ(k == 3, b->NextYear()) << k;
  }
  group->Browsers()->SetPrevYear(false);
  for (Integer k = 0; k < 12; ++k) EXPECT_FALSE(Child(k)->Browsers()->PrevYear()) << k;
  EXPECT_TRUE(Child(0)->Browsers()->PrevMonth());
}

TEST_F(GroupTest, SettingsObjectsAreCopiedIntoTheGroupsOwn) {
  TNameOfDays* ownDays = group->NameOfDays();
  {
    TNameOfDays days;
    days.SetMonday(L"Mo");
    group->SetNameOfDays(&days);
  }  // the given object is gone; the group's own one holds the names
  EXPECT_EQ(ownDays, group->NameOfDays());
  EXPECT_EQ(L"Mo", group->NameOfDays()->Monday());
  EXPECT_EQ(L"Mo", Child(1)->NameOfDays()->Monday());

  TExImage* ownImage = group->Background();
  TExImage empty;
  group->SetBackground(&empty);
  EXPECT_EQ(ownImage, group->Background());
  EXPECT_TRUE(Child(0)->Background()->Empty());
}

TEST_F(GroupTest, MainWindowGroupShowsTwelveGermanMonthsWithHolidays) {
  MainWindowSettings();
  group->SetStartYear(2016);
  group->SetStartMonth(12);
  ASSERT_EQ(12, group->CalendarCount());
  EXPECT_EQ((std::pair<Word, Word>{2016, 12}), Months()[0]);
  EXPECT_EQ((std::pair<Word, Word>{2017, 1}), Months()[1]);
  EXPECT_EQ((std::pair<Word, Word>{2017, 11}), Months()[11]);
  EXPECT_EQ(L"Dez 2016", Child(0)->CaptionLabel());
  EXPECT_EQ(L"Jan 2017", Child(1)->CaptionLabel());
  EXPECT_EQ(L"So", Child(5)->NameOfDays()->Sunday());
  EXPECT_EQ(L"kw", Child(11)->WeekName());
  EXPECT_EQ(1, Child(11)->StartDay());
  EXPECT_TRUE(Child(7)->YearStartAt()->ISOWeekNumber());
  EXPECT_EQ(look3D, Child(4)->Look());
  EXPECT_EQ(bvRaised, Child(4)->BevelOuter());
  EXPECT_EQ(-9, Child(4)->WeekFont()->Height());
  EXPECT_EQ(2 + 720 + 2, group->Width());
  EXPECT_EQ(2 + 540 + 2, group->Height());
  EXPECT_EQ(1 + 3 * 180, Child(7)->Left());
  EXPECT_EQ(1 + 1 * 180, Child(7)->Top());

  TSelDateItems* ev = group->Events();
  ev->AddRangeHint(D(2016, 12, 25), D(2016, 12, 26), L"Weihnachten");
  ev->AddRangeHint(D(2017, 1, 1), D(2017, 1, 1), L"Neujahr");
  ev->AddRangeHint(D(2017, 5, 1), D(2017, 5, 1), L"Tag der Arbeit");
  ev->AddRangeHint(D(2017, 5, 1), D(2017, 5, 1), L"Zweiter Feiertag");
  ev->AddRangeHintSC(D(2016, 12, 24), D(2016, 12, 24), L"Heute", evsCircle, 0xFA);

  Pump(30);
  TRendered shot(group);
  // A picture to look at, when asked for by naming a file.
  if (const wchar_t* path = _wgetenv(L"JORV_GROUP_SHOT")) shot.Bitmap().SaveToFile(path);
  // The bars stand right of and below the twelve months, one frame pixel
  // away, raised: a light first and a dark second line.
  TColor light = ColorToRGB(clBtnHighlight), dark = ColorToRGB(clBtnShadow);
  for (Integer y : {5, 300, 530}) {
    EXPECT_NE(light, shot.Pixel(721, y)) << y;
    EXPECT_EQ(light, shot.Pixel(722, y)) << y;
    EXPECT_EQ(dark, shot.Pixel(723, y)) << y;
  }
  for (Integer x : {5, 400, 715}) {
    EXPECT_NE(light, shot.Pixel(x, 541)) << x;
    EXPECT_EQ(light, shot.Pixel(x, 542)) << x;
    EXPECT_EQ(dark, shot.Pixel(x, 543)) << x;
  }

  // Markers: pixels of the marker colour inside each day's cell, found in
  // the rendered group through the child that shows the day. A day's hit
  // area reaches a little into its neighbours' circles.
  auto markerPixels = [&](Integer k, TDateTime day, TColor colour) {
    TAgendaCalendar* c = Child(k);
    Integer n = 0;
    for (Integer y = 0; y < c->Height(); ++y)
      for (Integer x = 0; x < c->Width(); ++x) {
        TDateTime d = 0;
        if (c->DateAtXY(x, y, d) && SameWholeDay(d, day) &&
            shot.Pixel(c->Left() + x, c->Top() + y) == colour)
          ++n;
      }
    return n;
  };
  EXPECT_GT(markerPixels(0, D(2016, 12, 24), 0xFA), 100);
  EXPECT_GT(markerPixels(0, D(2016, 12, 25), clYellow), 100);
  EXPECT_GT(markerPixels(1, D(2017, 1, 1), clYellow), 100);
  EXPECT_GT(markerPixels(5, D(2017, 5, 1), clYellow), 100);
  EXPECT_LT(markerPixels(0, D(2016, 12, 23), clYellow), 20);
  EXPECT_LT(markerPixels(5, D(2017, 5, 2), clYellow), 20);
  // One marker with both texts for two holidays on one day.
  EXPECT_EQ(L"Tag der Arbeit\rZweiter Feiertag",
            Child(5)->Events()->GetDate(D(2017, 5, 1))->Hint());
}
