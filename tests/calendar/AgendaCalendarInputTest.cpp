// The month calendar under real mouse and key messages: selecting days,
// ranges, weeks and weekday columns, moving months and years by arrows,
// keys and the pop-up menus, the limits of the bounds, ReadOnly and
// Enable, and the hints of event days and arrows.
#include <gtest/gtest.h>

#include <vector>

#include "calendar/agendacal.h"
#include "platform/rtl/DateUtils.h"
#include "tests/support/FixedClock.h"
#include "tests/support/ui/Gui.h"

using namespace jorv::foundation;
using namespace jorv::calendar;

using namespace jorv;
using namespace jorv::test;

namespace {

TDateTime D(Word y, Word m, Word d) { return EncodeDate(y, m, d); }

class InputCalendar : public TAgendaCalendar {
 public:
  explicit InputCalendar(TComponent* AOwner) : TAgendaCalendar(AOwner) {}
  Integer MonthZone() const { return xoffset + (lblx1 + lblx2) / 2; }
  Integer YearZone() const { return xoffset + (lblx2 + lblx3) / 2; }
  // Texts and greyed state of the pop-up's items, read while it is up.
  std::vector<String> items;
  std::vector<bool> greyed;

 protected:
  void WndProc(TMessage& M) override {
    if (M.Msg == WM_INITMENUPOPUP) {
      HMENU menu = reinterpret_cast<HMENU>(M.WParam);
      items.clear();
      greyed.clear();
      for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t buf[32] = {};
        GetMenuStringW(menu, i, buf, 32, MF_BYPOSITION);
        items.push_back(buf);
        greyed.push_back((GetMenuState(menu, i, MF_BYPOSITION) & MF_GRAYED) != 0);
      }
    }
    TAgendaCalendar::WndProc(M);
  }
};

struct Log {
  std::vector<String> lines;
  void Add(const String& s) { lines.push_back(s); }
  bool Has(const String& s) const {
    for (const String& l : lines)
      if (l == s) return true;
    return false;
  }
  int Count(const String& prefix) const {
    int n = 0;
    for (const String& l : lines)
      if (l.rfind(prefix, 0) == 0) ++n;
    return n;
  }
};

String Day(TDateTime d) {
  Word y, m, dd;
  DecodeDate(d, y, m, dd);
  return IntToStr(y) + L"-" + IntToStr(m) + L"-" + IntToStr(dd);
}

// The main window's calendar (Monday first, week column) on a test form,
// showing March 2016; 1 March is a Tuesday.
struct CalendarInput : ::testing::Test {
  FixedClock clock{D(2016, 3, 18) + 0.25};
  TTestForm form{200, 200};
  InputCalendar* cal = nullptr;
  Log log;

  void SetUp() override {
    cal = new InputCalendar(form.Get());
    cal->SetParent(form.Get());
    cal->SetBounds(0, 0, 180, 180);
    cal->SetShowWeeks(true);
    cal->SetStartDay(1);
    cal->YearStartAt()->SetISOWeekNumber(true);
    cal->SetDate(D(2016, 3, 10));
    cal->OnDaySelect = [this](TObject*, TDateTime d) { log.Add(L"select " + Day(d)); };
    cal->OnDayChange = [this](TObject*, TDateTime a, TDateTime b) {
      log.Add(L"day " + Day(a) + L" " + Day(b));
    };
    cal->OnMonthChange = [this](TObject*, TDateTime a, TDateTime b) {
      log.Add(L"month " + Day(a) + L" " + Day(b));
    };
    cal->OnYearChange = [this](TObject*, TDateTime a, TDateTime b) {
      log.Add(L"year " + Day(a) + L" " + Day(b));
    };
    cal->OnDateChange = [this](TObject*, TDateTime a, TDateTime b) {
      log.Add(L"date " + Day(a) + L" " + Day(b));
    };
    cal->OnRangeSelect = [this](TObject*, TDateTime a, TDateTime b) {
      log.Add(L"range " + Day(a) + L" " + Day(b));
    };
    cal->OnCancelledKey = [this](TObject*, Word k) { log.Add(L"cancelled key " + IntToStr(k)); };
    cal->OnCancelledChange = [this](TObject*, TDateTime d) { log.Add(L"cancelled " + Day(d)); };
    cal->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, Integer, Integer) {
      log.Add(L"mouse down");
    };
    TRendered r(cal);  // lays the caption out
  }

  // Centre of the grid cell of a day of the shown month's grid.
  TPoint At(TDateTime d) {
    TPoint p = cal->DateToXY(d);
    Integer right = p.X * 21 + 21 + 2, top = p.Y * 23 + 14;
    return TPoint(right - 10, top + 11);
  }
  void Post(UINT msg, WPARAM keys, TPoint p, bool pump = true) {
    POINT s{p.X, p.Y};
    ClientToScreen(cal->Handle(), &s);
    SetCursorPos(s.x, s.y);
    PostMessageW(cal->Handle(), msg, keys, MAKELPARAM(p.X, p.Y));
    if (pump) Pump(5);
  }
  void ClickAt(TPoint p, WPARAM mods = 0) {
    Post(WM_MOUSEMOVE, mods, p);
    Post(WM_LBUTTONDOWN, MK_LBUTTON | mods, p);
    Post(WM_LBUTTONUP, mods, p);
  }
  void Click(TDateTime d, WPARAM mods = 0) { ClickAt(At(d), mods); }
  // Holds modifier keys down for the keyboard messages that follow.
  void HoldKeys(std::initializer_list<int> keys) {
    BYTE state[256];
    GetKeyboardState(state);
    state[VK_SHIFT] = state[VK_CONTROL] = 0;
    for (int k : keys) state[k] = 0x80;
    SetKeyboardState(state);
  }
  void TearDown() override { HoldKeys({}); }
  // The selection as days.
  std::vector<String> Selected() {
    std::vector<String> out;
    TSelDateItems* dates = cal->Dates();
    for (Integer i = 0; i < dates->Count(); ++i) out.push_back(Day(dates->Items(i)->Date()));
    return out;
  }
};

TEST_F(CalendarInput, ClickSelectsOneDayUnlessReadOnlyOrDisabled) {
  Click(D(2016, 3, 15));
  EXPECT_EQ(D(2016, 3, 15), cal->Date());
  EXPECT_EQ(std::vector<String>{L"2016-3-15"}, Selected());
  EXPECT_EQ((std::vector<String>{L"mouse down", L"day 2016-3-10 2016-3-15", L"select 2016-3-15"}),
            log.lines);

  struct Case {
    const char* what;
    void (TAgendaCalendar::*set)(bool);
    bool value;
  } cases[] = {{"read-only", &TAgendaCalendar::SetReadOnly, true},
               {"disabled", &TAgendaCalendar::SetEnable, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    cal->SetDate(D(2016, 3, 10));
    (cal->*c.set)(c.value);
    log.lines.clear();
    Click(D(2016, 3, 22));
    if (!cal->Enable()) KeyPress(cal, VK_RIGHT);
    EXPECT_EQ(D(2016, 3, 10), cal->Date());
    EXPECT_EQ(std::vector<String>{L"2016-3-10"}, Selected());
    EXPECT_EQ(0, log.Count(L"select"));
    EXPECT_EQ(0, log.Count(L"day"));
    (cal->*c.set)(!c.value);
  }
}

TEST_F(CalendarInput, ClickOnAnAdjacentMonthsDayMovesTheView) {
  Click(D(2016, 4, 2));
  EXPECT_EQ(D(2016, 4, 2), cal->Date());
  EXPECT_EQ(4, MonthOf(cal->CursorDate()));
  EXPECT_TRUE(log.Has(L"month 2016-3-10 2016-4-2"));

  cal->SetDate(D(2016, 3, 10));
  cal->SetShowDaysAfter(false);
  log.lines.clear();
  Click(D(2016, 4, 2));
  EXPECT_EQ(D(2016, 3, 10), cal->Date());
  EXPECT_EQ(0, log.Count(L"select"));
}

TEST_F(CalendarInput, ShiftCtrlAndRightClicksBuildMultipleSelections) {
  cal->SetMultiSelect(true);
  cal->SetMultiSelectCtrlKey(true);
  cal->SetRightClickSelect(true);
  Click(D(2016, 3, 10));
  Click(D(2016, 3, 13), MK_SHIFT);
  EXPECT_EQ((std::vector<String>{L"2016-3-10", L"2016-3-11", L"2016-3-12", L"2016-3-13"}), Selected());
  EXPECT_TRUE(log.Has(L"range 2016-3-10 2016-3-13"));
  EXPECT_EQ(D(2016, 3, 10), cal->Date()) << "a range keeps the selected date";

  // The 13th anchors the next range, extended backwards by a right press.
  log.lines.clear();
  Post(WM_RBUTTONDOWN, MK_RBUTTON, At(D(2016, 3, 8)));
  Post(WM_RBUTTONUP, 0, At(D(2016, 3, 8)));
  EXPECT_EQ(6u, Selected().size());
  EXPECT_TRUE(log.Has(L"range 2016-3-8 2016-3-13"));
  EXPECT_FALSE(log.Has(L"mouse down"));

  // Ctrl toggles single days and keeps the rest.
  Click(D(2016, 3, 20), MK_CONTROL);
  Click(D(2016, 3, 11), MK_CONTROL);
  EXPECT_EQ((std::vector<String>{L"2016-3-8", L"2016-3-9", L"2016-3-10", L"2016-3-12", L"2016-3-13",
                                 L"2016-3-20"}),
            Selected());
}

TEST_F(CalendarInput, ShiftClickWithoutAnEarlierClickStartsAtTheSelectedDate) {
  cal->SetMultiSelect(true);
  Click(D(2016, 3, 12), MK_SHIFT);
  EXPECT_EQ((std::vector<String>{L"2016-3-10", L"2016-3-11", L"2016-3-12"}), Selected());
}

TEST_F(CalendarInput, DraggingStretchesTheRangeFromThePressedDay) {
  cal->SetMultiSelect(true);
  Post(WM_LBUTTONDOWN, MK_LBUTTON, At(D(2016, 3, 10)));
  Post(WM_MOUSEMOVE, MK_LBUTTON, At(D(2016, 3, 16)));
  EXPECT_EQ(7u, Selected().size());
  Post(WM_MOUSEMOVE, MK_LBUTTON, At(D(2016, 3, 12)));
  Post(WM_LBUTTONUP, 0, At(D(2016, 3, 12)));
  EXPECT_EQ((std::vector<String>{L"2016-3-10", L"2016-3-11", L"2016-3-12"}), Selected());
  Post(WM_MOUSEMOVE, 0, At(D(2016, 3, 20)));
  EXPECT_EQ(3u, Selected().size()) << "the release ends the drag";

  // A press that drags the calendar itself away selects no range, during
  // that drag or after it.
  cal->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, Integer, Integer) {
    cal->BeginDrag(true);
  };
  Post(WM_LBUTTONDOWN, MK_LBUTTON, At(D(2016, 3, 10)));
  Post(WM_LBUTTONUP, 0, At(D(2016, 3, 10)));
  EXPECT_FALSE(cal->Dragging());
  Post(WM_MOUSEMOVE, 0, At(D(2016, 3, 16)));
  EXPECT_EQ(std::vector<String>{L"2016-3-10"}, Selected());
}

TEST_F(CalendarInput, WeekdayColumnAndWeekRowToggleWithoutDuplicates) {
  cal->SetMultiSelect(true);
  cal->SetAllDaySelect(true);
  cal->SetWeekSelect(true);
  int columns = 0, weeks = 0;
  cal->OnAllDaySelect = [&](TObject*) { ++columns; };
  cal->OnWeekSelect = [&](TObject*) { ++weeks; };
  // The Thursday column holds the selected 10th.
  TPoint thursday(21 + 3 * 21 + 10, 30);
  ClickAt(thursday, MK_CONTROL);
  EXPECT_EQ((std::vector<String>{L"2016-3-3", L"2016-3-10", L"2016-3-17", L"2016-3-24", L"2016-3-31",
                                 L"2016-4-7"}),
            Selected());
  ClickAt(thursday);
  EXPECT_TRUE(Selected().empty());
  EXPECT_EQ(2, columns);

  // The week column's second row: Monday 7 to Sunday 13 March.
  TPoint week2(10, 2 * 23 + 14 + 11);
  ClickAt(week2);
  EXPECT_EQ(7u, Selected().size());
  EXPECT_EQ(L"2016-3-7", Selected().front());
  EXPECT_EQ(L"2016-3-13", Selected().back());
  ClickAt(week2);
  EXPECT_TRUE(Selected().empty());
  EXPECT_EQ(2, weeks);
}

TEST_F(CalendarInput, ArrowsMoveMonthsAndYearsWithinTheBounds) {
  struct Case {
    const char* what;
    Integer x;
    TDateTime expected;
    const wchar_t* event;
  } cases[] = {
      {"previous month", 50, D(2016, 2, 10), L"month 2016-3-10 2016-2-10"},
      {"previous year", 30, D(2015, 3, 10), L"year 2016-3-10 2015-3-10"},
      {"next month", 152, D(2016, 4, 10), L"month 2016-3-10 2016-4-10"},
      {"next year", 170, D(2017, 3, 10), L"year 2016-3-10 2017-3-10"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    cal->SetDate(D(2016, 3, 10));
    log.lines.clear();
    ClickAt(TPoint(c.x, 8));
    EXPECT_EQ(c.expected, cal->Date());
    EXPECT_TRUE(log.Has(c.event));
  }

  // A month move stops at MaxDate, a year move past it is refused, and a
  // day beyond it cannot be clicked.
  cal->SetDate(D(2016, 3, 10));
  cal->MaxDate()->SetDate(D(2016, 3, 20));
  cal->MaxDate()->SetUse(true);
  cal->MinDate()->SetDate(D(2016, 3, 5));
  cal->MinDate()->SetUse(true);
  for (TDateTime out : {D(2016, 3, 21), D(2016, 3, 4)}) {
    Click(out);
    EXPECT_EQ(D(2016, 3, 10), cal->Date()) << Day(out);
  }
  ClickAt(TPoint(170, 8));
  EXPECT_EQ(D(2016, 3, 10), cal->Date());
  ClickAt(TPoint(152, 8));
  EXPECT_EQ(D(2016, 3, 20), cal->Date());
}

TEST_F(CalendarInput, KeysMoveTheCursorDateWithinMonthsAndBounds) {
  struct Case {
    const char* what;
    TDateTime start;
    Word key;
    bool daysBefore, daysAfter;
    TDateTime expected;
    bool cancelled;
  } cases[] = {
      {"right", D(2016, 3, 10), VK_RIGHT, true, true, D(2016, 3, 11), false},
      {"left", D(2016, 3, 10), VK_LEFT, true, true, D(2016, 3, 9), false},
      {"up", D(2016, 3, 10), VK_UP, true, true, D(2016, 3, 3), false},
      {"down", D(2016, 3, 10), VK_DOWN, true, true, D(2016, 3, 17), false},
      {"page down", D(2016, 3, 10), VK_NEXT, true, true, D(2016, 4, 10), false},
      {"page up", D(2016, 3, 31), VK_PRIOR, true, true, D(2016, 2, 29), false},
      {"into the next month", D(2016, 3, 31), VK_RIGHT, true, true, D(2016, 4, 1), false},
      {"next month hidden", D(2016, 3, 31), VK_RIGHT, true, false, D(2016, 3, 31), true},
      // Whole months are compared: January of the next year comes after
      // December.
      {"into the next year", D(2016, 12, 31), VK_RIGHT, false, true, D(2017, 1, 1), false},
      {"back into the last year", D(2017, 1, 1), VK_LEFT, true, false, D(2016, 12, 31), false},
      {"last year hidden", D(2017, 1, 1), VK_LEFT, false, true, D(2017, 1, 1), true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    cal->SetShowDaysBefore(c.daysBefore);
    cal->SetShowDaysAfter(c.daysAfter);
    cal->SetDate(c.start);
    log.lines.clear();
    KeyPress(cal, c.key);
    EXPECT_EQ(c.expected, cal->Date());
    EXPECT_EQ(c.cancelled ? 2 : 0, log.Count(L"cancelled"));
    EXPECT_EQ(c.cancelled ? 0 : 1, log.Count(L"date "));
  }

  // Beyond MaxDate the key is dropped without a word.
  cal->SetDate(D(2016, 3, 10));
  cal->MaxDate()->SetDate(D(2016, 3, 10));
  cal->MaxDate()->SetUse(true);
  log.lines.clear();
  KeyPress(cal, VK_RIGHT);
  EXPECT_EQ(D(2016, 3, 10), cal->Date());
  EXPECT_TRUE(log.lines.empty());
}

TEST_F(CalendarInput, SpaceShiftAndEscapeSelectByKeyboard) {
  // Without MultiSelectCtrlKey, Space toggles the one selected day.
  KeyPress(cal, VK_SPACE);
  EXPECT_TRUE(Selected().empty());
  KeyPress(cal, VK_SPACE);
  EXPECT_EQ(std::vector<String>{L"2016-3-10"}, Selected());

  // With it, Space and Ctrl add to the selection or take from it.
  cal->SetMultiSelect(true);
  cal->SetMultiSelectCtrlKey(true);
  cal->SetDate(D(2016, 3, 10));
  KeyPress(cal, VK_RIGHT);
  HoldKeys({VK_CONTROL});
  log.lines.clear();
  KeyPress(cal, VK_SPACE);
  EXPECT_EQ((std::vector<String>{L"2016-3-10", L"2016-3-11"}), Selected());
  EXPECT_TRUE(log.Has(L"select 2016-3-11"));
  KeyPress(cal, VK_SPACE);
  EXPECT_EQ(std::vector<String>{L"2016-3-10"}, Selected());

  // Shift and arrows stretch a range from where the cursor stood.
  HoldKeys({VK_SHIFT});
  KeyPress(cal, VK_RIGHT);
  KeyPress(cal, VK_RIGHT);
  EXPECT_EQ((std::vector<String>{L"2016-3-10", L"2016-3-11", L"2016-3-12", L"2016-3-13"}), Selected());
  HoldKeys({});

  // Escape returns to the date last set.
  PostChar(cal, VK_ESCAPE);
  EXPECT_EQ(D(2016, 3, 10), cal->Date());
}

TEST_F(CalendarInput, TodayLineSelectsTodayEvenWhenAlreadySelected) {
  cal->SetShowGotoToday(true);
  TRendered r(cal);
  // dy = 188 div 9 = 20; the line is drawn at 8 * dy - 4.
  TPoint line(30, 8 * 20 - 4 + 6);
  ClickAt(line);
  EXPECT_EQ(D(2016, 3, 18), cal->Date());
  EXPECT_TRUE(log.Has(L"day 2016-3-10 2016-3-18"));
  EXPECT_TRUE(log.Has(L"date 2016-3-10 2016-3-18"));
  log.lines.clear();
  ClickAt(line);
  EXPECT_TRUE(log.Has(L"day 2016-3-18 2016-3-18"));
  EXPECT_TRUE(log.Has(L"date 2016-3-18 2016-3-18"));
  EXPECT_TRUE(log.Has(L"select 2016-3-18"));
}

TEST_F(CalendarInput, MonthAndYearPopupsPickWithinTheBounds) {
  auto pick = [&](Integer x, std::initializer_list<Word> keys) {
    TPoint p(x, 8);
    Post(WM_MOUSEMOVE, 0, p);
    // The menu's own loop reads the keys once it is up.
    Post(WM_LBUTTONDOWN, MK_LBUTTON, p, false);
    for (Word k : keys) {
      PostMessageW(cal->Handle(), WM_KEYDOWN, k, 1);
      PostMessageW(cal->Handle(), WM_KEYUP, k, 0xC0000001);
    }
    Pump(20);
  };
  int monthPicks = 0, yearPicks = 0;
  cal->OnMonthSelect = [&](TObject*) { ++monthPicks; };
  cal->OnYearSelect = [&](TObject*) { ++yearPicks; };
  cal->MaxDate()->SetDate(D(2019, 6, 30));
  cal->MaxDate()->SetUse(true);

  pick(cal->MonthZone(), {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
  ASSERT_EQ(12u, cal->items.size());
  EXPECT_EQ(cal->NameOfMonths()->GetMonth(6), cal->items[5]);
  EXPECT_EQ(D(2016, 6, 1), cal->Date());
  EXPECT_EQ(1, monthPicks);
  EXPECT_TRUE(log.Has(L"month 2016-3-10 2016-6-1"));

  cal->SetDate(D(2016, 2, 29));
  TRendered r(cal);
  pick(cal->YearZone(), {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN,
                         VK_RETURN});
  ASSERT_EQ(10u, cal->items.size());
  EXPECT_EQ(L"2012", cal->items.front());
  EXPECT_EQ(L"2021", cal->items.back());
  EXPECT_FALSE(cal->greyed[7]) << "28 February 2019 is before MaxDate";
  EXPECT_TRUE(cal->greyed[8]);
  EXPECT_EQ(D(2019, 2, 28), cal->Date());
  EXPECT_EQ(1, yearPicks);
  EXPECT_EQ(std::vector<String>{L"2016-2-29"}, Selected()) << "a pick leaves the selection";
}

TEST_F(CalendarInput, HintsShowTheEventOfTheDayAndTheArrowsText) {
  cal->SetShowHint(true);
  cal->SetEventHints(true);
  cal->SetHintPrevMonth(L"Vormonat");
  cal->Events()->AddRangeHint(D(2016, 3, 15), D(2016, 3, 15), L"Heute");
  Application->SetHintPause(20);
  Application->SetHintShortPause(20);
  auto hintText = [] {
    return Application->HintActive() ? Application->HintWindow()->Caption() : String();
  };

  Post(WM_MOUSEMOVE, 0, At(D(2016, 3, 15)));
  EXPECT_TRUE(PumpUntil([&] { return hintText() == L"Heute"; }, 1000)) << hintText();

  // A plain day has nothing to say.
  Post(WM_MOUSEMOVE, 0, At(D(2016, 3, 16)));
  Pump(60);
  EXPECT_EQ(L"", hintText());

  // An arrow's hint shows whatever EventHints is, with the hand cursor.
  cal->SetEventHints(false);
  Post(WM_MOUSEMOVE, 0, TPoint(50, 8));
  EXPECT_EQ(crHandPoint, cal->Cursor());
  EXPECT_TRUE(PumpUntil([&] { return hintText() == L"Vormonat"; }, 1000)) << hintText();
  Post(WM_MOUSEMOVE, 0, At(D(2016, 3, 16)));
  EXPECT_NE(crHandPoint, cal->Cursor());
  Application->CancelHint();
  Application->SetHintPause(500);
  Application->SetHintShortPause(50);
}

TEST_F(CalendarInput, HoverLooksFollowThePointerAndLeaveWithIt) {
  cal->SetSelectColor(clRed);
  cal->SetDateHoverColor(clLime);
  auto count = [&](TRect R, TColor c) {
    TRendered r(cal);
    int n = 0;
    for (Integer y = R.Top; y < R.Bottom; ++y)
      for (Integer x = R.Left; x < R.Right; ++x)
        if (r.Pixel(x, y) == c) ++n;
    return n;
  };
  const TRect caption(40, 1, 140, 16);
  TPoint day = At(D(2016, 3, 16));
  const TRect cell(day.X - 8, day.Y - 8, day.X + 8, day.Y + 8);
  EXPECT_EQ(0, count(caption, clRed));

  Post(WM_MOUSEMOVE, 0, TPoint(cal->MonthZone(), 8));
  EXPECT_GT(count(caption, clRed), 10) << "the caption takes SelectColor";
  Post(WM_MOUSEMOVE, 0, day);
  EXPECT_EQ(0, count(caption, clRed));
  EXPECT_GT(count(cell, clLime), 50) << "the day under the pointer";
  Post(WM_MOUSEMOVE, 0, TPoint(day.X, 30));
  EXPECT_EQ(0, count(cell, clLime)) << "the day names are no day";
  Post(WM_MOUSEMOVE, 0, day);
  EXPECT_GT(count(cell, clLime), 50);

  MouseMove(form.Get(), 195, 195);
  EXPECT_TRUE(PumpUntil([&] { return count(cell, clLime) == 0; }, 1000));
}

// Whatever runs while a pop-up is up may free the calendar; the choice
// must then not reach it.
InputCalendar* freedWhileMenuIsUp = nullptr;
HWND keysGoTo = nullptr;
void CALLBACK FreeCalendarAndChoose(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  delete freedWhileMenuIsUp;
  PostMessageW(keysGoTo, WM_KEYDOWN, VK_DOWN, 1);
  PostMessageW(keysGoTo, WM_KEYDOWN, VK_RETURN, 1);
}

TEST_F(CalendarInput, APopupChoiceAfterTheCalendarWentIsDropped) {
  int picks = 0;
  cal->OnMonthSelect = [&](TObject*) { ++picks; };
  TPoint p(cal->MonthZone(), 8);
  Post(WM_MOUSEMOVE, 0, p);
  freedWhileMenuIsUp = cal;
  keysGoTo = form->Handle();
  SetTimer(nullptr, 0, 30, FreeCalendarAndChoose);
  Post(WM_LBUTTONDOWN, MK_LBUTTON, p, false);
  Pump(200);
  cal = nullptr;
  EXPECT_EQ(0, picks);
  EXPECT_EQ(0, form->ControlCount());
}

}  // namespace
