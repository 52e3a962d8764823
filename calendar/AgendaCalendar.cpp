#include "calendar/AgendaCalendar.h"

#include <algorithm>
#include <vector>

#include "foundation/ExImage.h"
#include "foundation/XPTheme.h"
#include "platform/gfx/Font.h"
#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/Clock.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::calendar {
using namespace jorv::foundation;

namespace {
struct TYmd {
  Word y = 0, m = 0, d = 0;
};
TYmd Split(TDateTime dt) {
  TYmd r;
  DecodeDate(dt, r.y, r.m, r.d);
  return r;
}
}  // namespace

TAgendaCalendar::TAgendaCalendar(TComponent* AOwner)
    : TCustomCalendarPanel(AOwner),
      FNameOfDays(std::make_unique<TNameOfDays>()),
      FNameOfMonths(std::make_unique<TNameOfMonths>()),
      FYearStartAt(std::make_unique<TYearStartAt>(this)),
      FMinDate(std::make_unique<TMinMaxDate>(this)),
      FMaxDate(std::make_unique<TMinMaxDate>(this)),
      FBrowsers(std::make_unique<TCalendarBrowsers>()),
      FGlyphs(std::make_unique<TCalGlyphs>(this)),
      FInActiveDays(std::make_unique<TWeekDays>()),
      FDayFont(std::make_unique<TFont>()),
      FWeekFont(std::make_unique<TFont>()) {
  FControlStyle.Exclude(csAcceptsControls);
  FNameOfDays->OnChange = [this](TObject* s) { NamesChanged(s); };
  FNameOfMonths->OnChange = [this](TObject* s) { NamesChanged(s); };
  FBrowsers->OnChange = [this](TObject* s) { NamesChanged(s); };
  FYearStartAt->OnChange = [this](TObject*) { DoChanged(); };
  FMinDate->OnChange = [this](TObject*) { Invalidate(); };
  FMaxDate->OnChange = [this](TObject*) { Invalidate(); };
  FGlyphs->OnChange = [this](TObject*) { Invalidate(); };
  FInActiveDays->OnChanged = [this](TObject*) { LookChanged(); };
  FDayFont->OnChange = [this](TObject*) { FontsChanged(); };
  FWeekFont->OnChange = [this](TObject*) { FontsChanged(); };

  DateCol = std::make_unique<TSelDateItems>(this);
  EventCol = std::make_unique<TSelDateItems>(this);
  FBackground = std::make_unique<TExImage>();
  FBackground->OnChange = [this](TObject*) { LookChanged(); };

  if (Designing()) {
    FWeekName = L"Wk";
    FHintNextMonth = L"Next Month";
    FHintNextYear = L"Next Year";
    FHintPrevMonth = L"Previous Month";
    FHintPrevYear = L"Previous Year";
  }
  thedate = Now();
  seldate = thedate;
  ChangeMonth(0);
  SetBounds(Left(), Top(), 180, 180);
  SetBevelOuter(bvNone);
  SetBorderWidth(1);
  TYmd t = Split(thedate);
  FDay = t.d;
  FMonth = t.m;
  FYear = t.y;
  SetCaption(String());
  SetEventMarkerColor(clYellow);
  SetEventMarkerShape(evsCircle);
  FThemedBorder = ThemedBorderAvailable() || Designing();
  SetDoubleBuffered(true);
}

bool TAgendaCalendar::ThemedBorderAvailable() {
  // Visual styles exist from Windows XP (5.1) on.
  DWORD v = GetVersion();
  Integer major = LOBYTE(LOWORD(v)), minor = HIBYTE(LOWORD(v));
  if (major < 5 || (major == 5 && minor == 0)) return false;
  return IsThemeActive && IsThemeActive();
}

namespace {
// Streamed forms name the calendar by its class.
struct TCalendarClassRegistration {
  TCalendarClassRegistration() {
    try {
      RegisterClass<TAgendaCalendar>(L"TAgendaCalendar");
    } catch (...) {
      // A program that cannot stream calendars can still create them.
    }
  }
} CalendarClassRegistration;
}  // namespace

TAgendaCalendar::~TAgendaCalendar() {
  // The lists go first, while the panel they report to is still whole.
  DateCol.reset();
  EventCol.reset();
  UnRegisterThemeWindow();
}

// --- notices ----------------------------------------------------------------

void TAgendaCalendar::LookChanged() {
  Invalidate();
  if (Parent()) Parent()->Perform(CM_CHANGED, 0, reinterpret_cast<LPARAM>(this));
}

void TAgendaCalendar::SetBackground(TExImage* Value) {
  if (Value != FBackground.get()) FBackground->Assign(Value);
  Invalidate();
}

void TAgendaCalendar::NamesChanged(TObject*) {
  BuildCaptionLabel(Month(), Year());
  Invalidate();
}

void TAgendaCalendar::FontsChanged() {
  // Text is measured on the canvas with Font before any other font is
  // selected for a part.
  Canvas()->Font()->Assign(Font());
  ItemsChanged();
}

void TAgendaCalendar::FontChanged() {
  TCustomCalendarPanel::FontChanged();
  FontsChanged();
}

void TAgendaCalendar::InvalidateNoErase() {
  if (HandleAllocated()) InvalidateRect(Handle(), nullptr, FALSE);
}

void TAgendaCalendar::ItemsChanged() { InvalidateNoErase(); }

void TAgendaCalendar::InvalidateDate(TDateTime ADate) {
  if (FUpdateCount > 0 || !HandleAllocated()) return;
  TRect r = DateCellRect(ADate);
  RECT rc{r.Left, r.Top, r.Right, r.Bottom};
  InvalidateRect(Handle(), &rc, TRUE);
}

void TAgendaCalendar::EndUpdate() {
  if (FUpdateCount <= 0) return;
  if (--FUpdateCount == 0) Invalidate();
}

// --- the selected date --------------------------------------------------------

void TAgendaCalendar::SetDate(TDateTime Value) {
  TYmd v = Split(Value);
  FYear = v.y;
  FMonth = v.m;
  FDay = v.d;
  SetDate(FDay, FMonth, FYear);
}

void TAgendaCalendar::SetDate(Word da, Word mo, Word ye) {
  InvalidateDate(seldate);
  // Out-of-range parts fail here rather than land on 30 December 1899.
  thedate = EncodeDate(ye, mo, da);
  seldate = thedate;
  BuildCaptionLabel(mo, ye);
  initdate = seldate;
  DateCol->Clear();
  DateCol->Add()->SetDate(seldate);
  Invalidate();
}

void TAgendaCalendar::GetDate(Word& da, Word& mo, Word& ye) const {
  DecodeDate(seldate, ye, mo, da);
}

Word TAgendaCalendar::Day() const { return Split(seldate).d; }
Word TAgendaCalendar::Month() const { return Split(seldate).m; }
Word TAgendaCalendar::Year() const { return Split(seldate).y; }

bool TAgendaCalendar::SetDateOrFail(Word da, Word mo, Word ye) {
  try {
    SetDate(da, mo, ye);
  } catch (const Exception&) {
    Invalidate();
    if (Loading()) return false;
    throw Exception(L"Invalid date " + IntToStr(da) + L"/" + IntToStr(mo) + L"/" +
                    IntToStr(ye));
  }
  return true;
}

void TAgendaCalendar::SetDay(Word Value) {
  if (Value == 0 || Value > MonthDayCount(FMonth, FYear)) Value = 1;
  if (SetDateOrFail(Value, FMonth, FYear)) FDay = Value;
}

void TAgendaCalendar::SetMonth(Word Value) {
  if (SetDateOrFail(FDay, Value, FYear)) FMonth = Value;
}

void TAgendaCalendar::SetYear(Word Value) {
  if (SetDateOrFail(FDay, FMonth, Value)) FYear = Value;
}

// --- the selection ---------------------------------------------------------

void TAgendaCalendar::SortDates() {
  // Whole items move, so that hints, colours and tags stay with their day.
  std::vector<TSelDateItem*> items;
  for (Integer i = 0; i < DateCol->Count(); ++i) items.push_back(DateCol->Items(i));
  std::stable_sort(items.begin(), items.end(), [](TSelDateItem* a, TSelDateItem* b) {
    return DateToTimeline(a->Date()) < DateToTimeline(b->Date());
  });
  for (Integer i = 0; i < static_cast<Integer>(items.size()); ++i)
    if (items[i]->Index() != i) items[i]->SetIndex(i);
}

TSelDateItems* TAgendaCalendar::Dates() {
  SortDates();
  return DateCol.get();
}

void TAgendaCalendar::SetDates(TSelDateItems* Value) {
  if (Value != DateCol.get()) DateCol->Assign(Value);
  DateCol->Changed();
}

void TAgendaCalendar::SetEvents(TSelDateItems* Value) {
  if (Value != EventCol.get()) EventCol->Assign(Value);
}

String TAgendaCalendar::DatesAsText() {
  TSelDateItems* dates = Dates();
  Integer n = dates->Count();
  if (n == 0) return String();
  String s;
  bool run = false;
  for (Integer i = 0; i < n - 1; ++i) {
    TDateTime d = dates->Items(i)->Date();
    // Consecutive means the next whole day, whatever the times of day.
    if (WholeDay(d) + 1 != WholeDay(dates->Items(i + 1)->Date())) {
      // A gap ends the open run with this day, or stands alone.
      s += DateToStr(d) + L",";
      run = false;
    } else if (!run) {
      s += DateToStr(d) + L"-";
      run = true;
    }
  }
  s += DateToStr(dates->Items(n - 1)->Date());
  return s;
}

void TAgendaCalendar::SetMultiSelect(bool v) {
  FMultiSelect = v;
  if (!v) DateCol->Clear();
  ItemsChanged();
}

// --- moving the view ---------------------------------------------------------

bool TAgendaCalendar::DateInBounds(TDateTime dt) const {
  // Bounds count whole days: a cursor with a time of day on the last
  // allowed day is still inside.
  Integer day = WholeDay(dt);
  if (FMinDate->Use() && WholeDay(FMinDate->Date()) > day) return false;
  if (FMaxDate->Use() && day > WholeDay(FMaxDate->Date())) return false;
  return true;
}

bool TAgendaCalendar::MonthInBounds(TDateTime dt) const {
  Integer day = WholeDay(dt);
  if (FMinDate->Use()) {
    TYmd b = Split(FMinDate->Date());
    if (WholeDay(EncodeDate(b.y, b.m, 1)) > day) return false;
  }
  if (FMaxDate->Use()) {
    TYmd b = Split(FMaxDate->Date());
    if (day > WholeDay(EncodeDate(b.y, b.m, MonthDayCount(b.m, b.y)))) return false;
  }
  return true;
}

void TAgendaCalendar::ChangeMonth(Integer dx) {
  TYmd t = Split(thedate);
  Integer y = t.y, m = t.m;
  if (!ShiftMonth(y, m, dx)) return;  // would leave years 1..9999
  Word day = std::min<Word>(t.d, MonthDayCount(m, y));
  TDateTime c = EncodeDateChecked(y, m, day);
  if (DateInBounds(c)) {
    thedate = c;
    seldate = c;
  } else {
    if (FMinDate->Use() && FMinDate->Date() > c) c = FMinDate->Date();
    if (FMaxDate->Use() && FMaxDate->Date() < c) c = FMaxDate->Date();
    thedate = c;
    TYmd n = Split(c);
    y = n.y;
    m = n.m;
    seldate = c;
  }
  BuildCaptionLabel(m, y);
  Invalidate();
}

void TAgendaCalendar::ChangeYear(Integer dx) {
  TYmd t = Split(thedate);
  Integer y = t.y + dx;
  if (y < 1 || y > 9999) return;
  Word d = t.d;
  if (t.m == 2 && d == 29) d = 28;
  TDateTime x = EncodeDateChecked(y, t.m, d);
  if (!DateInBounds(x)) return;
  thedate = x;
  seldate = x;
  BuildCaptionLabel(t.m, y);
  ItemsChanged();
}

TDateTime TAgendaCalendar::NeighbourMonthDate(Integer n) const {
  TYmd t = Split(thedate);
  Integer y = t.y, m = t.m;
  if (!ShiftMonth(y, m, n)) return thedate;
  return EncodeDate(y, m, n >= 0 ? 1 : MonthDayCount(m, y));
}

TDateTime TAgendaCalendar::NeighbourYearDate(Integer n) {
  TYmd t = Split(thedate);
  Integer y = t.y + n;
  if (y < 1 || y > 9999) return thedate;
  Word d = std::min<Word>(t.d, MonthDayCount(t.m, y));
  ApplyISOYearStart();
  return EncodeDate(y, t.m, d);
}

void TAgendaCalendar::BuildCaptionLabel(Word month, Word year) {
  labels = FNameOfMonths->GetMonth(month) + L" " + IntToStr(year);
}

void TAgendaCalendar::ApplyISOYearStart() {
  if (FYearStartAt->ISOWeekNumber()) calendar::ApplyISOYearStart(*FYearStartAt, Year());
}

Integer TAgendaCalendar::WeekNumberOfRow(Integer row) const {
  TYmd t = Split(thedate);
  return calendar::WeekNumberOfRow(FYearStartAt->Values(), t.y, t.m, FStartDay, row);
}

// --- events ---------------------------------------------------------------------

void TAgendaCalendar::FireDateChanges(TDateTime origDate, TDateTime newDate) {
  TYmd o = Split(origDate), n = Split(newDate);
  if (o.d != n.d && OnDayChange) OnDayChange(this, origDate, newDate);
  if (o.m != n.m) DoMonthChange(origDate, newDate);
  if (o.y != n.y) DoYearChange(origDate, newDate);
}

void TAgendaCalendar::DoMonthChange(TDateTime origDate, TDateTime newDate) {
  if (OnMonthChange) OnMonthChange(this, origDate, newDate);
}

void TAgendaCalendar::DoYearChange(TDateTime origDate, TDateTime newDate) {
  if (OnYearChange) OnYearChange(this, origDate, newDate);
}

void TAgendaCalendar::DoRangeSelect(TDateTime StartDate, TDateTime EndDate) {
  if (!OnRangeSelect) return;
  if (DateToTimeline(StartDate) <= DateToTimeline(EndDate))
    OnRangeSelect(this, StartDate, EndDate);
  else
    OnRangeSelect(this, EndDate, StartDate);
}

bool TAgendaCalendar::IsInactiveDay(TDateTime dt) {
  return FInActiveDays->IsSet(DayOfWeek(dt));
}

void TAgendaCalendar::DoDaySelect(TDateTime SelDate) {
  if (OnDaySelect) OnDaySelect(this, SelDate);
}

bool TAgendaCalendar::HasEvent(TDateTime dt, TSelDateItem*& EventItem) {
  EventItem = nullptr;
  bool result = false;
  EventHint.clear();
  if (!EventCol->Visible()) return false;
  if (OnGetDateHint) OnGetDateHint(this, dt, result);
  if (FEventHints && result && OnGetDateHintString)
    OnGetDateHintString(this, dt, result, EventHint);
  if (TSelDateItem* item = EventCol->GetDate(dt)) {
    result = true;
    EventItem = item;
  }
  if (result) {
    // Painting asks this for every day and draws the looks the handler
    // leaves, so what the handler changes must not invalidate the cell
    // again: a handler that sets a shape on every call would otherwise
    // keep the window repainting for ever. Both counts come down also when
    // the handler fails.
    struct THold {
      TAgendaCalendar* C;
      explicit THold(TAgendaCalendar* c) : C(c) {
        C->EventCol->StartUpdate();
        ++C->FUpdateCount;
      }
      ~THold() {
        --C->FUpdateCount;
        C->EventCol->ResetUpdate();
      }
    } hold(this);
    if (OnGetEventProp) {
      TSelDateItem* prop = EventItem;
      OnGetEventProp(this, dt, prop);
    }
  }
  return result;
}

// --- properties with behaviour -------------------------------------------------

void TAgendaCalendar::SetDayFont(TFont* Value) {
  if (Value && Value != FDayFont.get()) FDayFont->Assign(Value);
  Invalidate();
}

void TAgendaCalendar::SetWeekFont(TFont* Value) {
  if (Value && Value != FWeekFont.get()) FWeekFont->Assign(Value);
  Invalidate();
}

void TAgendaCalendar::SetShowWeeks(bool v) {
  if (v)
    xoffset = Width() / 8;
  else if (!Loading())
    xoffset = 0;
  FShowWeeks = v;
  Invalidate();
}

void TAgendaCalendar::SetStartDay(Integer v) {
  FStartDay = std::clamp(v, 1, 7);
  Invalidate();
}

String TAgendaCalendar::Version() const {
  Integer v = GetVersionNr();
  return IntToStr((v >> 24) & 0xFF) + L"." + IntToStr((v >> 16) & 0xFF) + L"." +
         IntToStr((v >> 8) & 0xFF) + L"." + IntToStr(v & 0xFF);
}

Integer TAgendaCalendar::GetVersionNr() { return (2 << 24) + (1 << 16) + (0 << 8) + 1; }

void TAgendaCalendar::Loaded() {
  TCustomCalendarPanel::Loaded();
  seldate = EncodeDateChecked(FYear, FMonth, FDay);
  thedate = seldate;
  FClkdate = seldate;
  FNameOfDays->SetUseIntlNames(FNameOfDays->UseIntlNames());
  FNameOfMonths->SetUseIntlNames(FNameOfMonths->UseIntlNames());
  FOldCursor = Cursor();
  if (FAutoThemeAdapt && !Designing()) ApplyThemeStyle();
}

// --- grid geometry of dates ------------------------------------------------------

namespace {
// Cells before the first of the month (0..6).
Integer LeadOf(TDateTime first, Integer startDay) {
  Integer r = DayOfWeek(first) - startDay - 1;
  return r < 0 ? r + 7 : r;
}
}  // namespace

TDateTime TAgendaCalendar::FirstDate() const {
  TYmd s = Split(seldate);
  TDateTime first = EncodeDate(s.y, s.m, 1);
  return FShowDaysBefore ? first - LeadOf(first, FStartDay) : first;
}

TDateTime TAgendaCalendar::LastDate() const {
  TYmd s = Split(seldate);
  TDateTime first = EncodeDate(s.y, s.m, 1);
  if (FShowDaysAfter) return first - LeadOf(first, FStartDay) + 41;
  return EncodeDate(s.y, s.m, MonthDayCount(s.m, s.y));
}

TPoint TAgendaCalendar::DateToXY(TDateTime dt) const {
  TYmd t = Split(thedate);
  TDateTime first = EncodeDate(t.y, t.m, 1);
  // Whole days: a date late in the day still lies in its own cell.
  Integer c = WholeDay(dt) - (WholeDay(first) - LeadOf(first, FStartDay)) + 1;
  Integer x = c % 7 == 0 ? 7 : c % 7;
  Integer y = c / 7 + (c % 7 != 0 ? 1 : 0);
  return {x, y};
}

TRect TAgendaCalendar::DateCellRect(TDateTime dt) const {
  TPoint p = DateToXY(dt);
  if (p.X == 0) p.X = 7;
  Integer top = dy * p.Y + yoffset - 2;
  Integer left = (p.X - 1) * dx + xoffset;
  return {left, top, left + dx + 2, top + dy};
}

}  // namespace jorv::calendar
