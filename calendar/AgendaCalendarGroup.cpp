#include "calendar/AgendaCalendarGroup.h"

#include <algorithm>

#include "foundation/ExImage.h"
#include "platform/gfx/Font.h"
#include "platform/rtl/Clock.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Panel.h"

namespace jorv::calendar {
using namespace jorv::foundation;

namespace {
// The month after year-month, December followed by January.
void NextMonth(Word& year, Word& month) {
  if (month >= 12) {
    month = 1;
    ++year;
  } else {
    ++month;
  }
}

// Moves a first month back as far as needed for the last of `count`
// months to lie in year 9999 at the latest, which dates can hold.
void KeepLastMonthInRange(Word& year, Word& month, Integer count) {
  Integer over = (year - 9999) * 12 + month + count - 1 - 12;
  if (over <= 0) return;
  Integer y = year, m = month;
  if (ShiftMonth(y, m, -over)) {
    year = static_cast<Word>(y);
    month = static_cast<Word>(m);
  }
}

bool InMonth(TDateTime dt, Word year, Word month) {
  Word y, m, d;
  DecodeDate(dt, y, m, d);
  return y == year && m == month;
}
}  // namespace

TAgendaCalendarGroup::TAgendaCalendarGroup(TComponent* AOwner)
    : TCustomCalendarPanel(AOwner),
      FImage(std::make_unique<TExImage>()),
      FDayFont(std::make_unique<TFont>()),
      FWeekFont(std::make_unique<TFont>()),
      FNameOfDays(std::make_unique<TNameOfDays>()),
      FNameOfMonths(std::make_unique<TNameOfMonths>()),
      FDates(std::make_unique<TSelDateItems>(nullptr)),
      FBrowsers(std::make_unique<TCalendarBrowsers>()),
      FGlyphs(std::make_unique<TCalGlyphs>(this)),
      FYearStartAt(std::make_unique<TYearStartAt>(this)) {
  FBuilding = true;
  FControlStyle.Exclude(csAcceptsControls);
  TDateTime today = jorv::Date();
  DecodeDate(today, FYear, FMonth, FDay);
  FStartMonth = FMonth;
  FStartYear = FYear;
  FLastDay = today;

  // The event list tells the group of every change; the selection list is
  // rebuilt from the children and needs to tell nobody.
  FEventCol = std::make_unique<TSelDateItems>(this);
  FEventCol->OnChange = [this](TObject*) { ItemsChanged(); };
  FYearStartAt->OnChange = [this](TObject*) { PropagateLook(); };
  FImage->OnChange = [this](TObject*) { PropagateLook(); };
  FGlyphs->OnChange = [this](TObject*) { PropagateLook(); };
  FDayFont->OnChange = [this](TObject*) { PropagateLook(); };
  FWeekFont->OnChange = [this](TObject*) { PropagateLook(); };
  FNameOfDays->OnChange = [this](TObject*) { PropagateNames(); };
  FNameOfMonths->OnChange = [this](TObject*) { PropagateNames(); };
  FBrowsers->OnChange = [this](TObject*) { PropagateNames(); };

  FResizeVertical = MakeSplitter(crVSplit);
  FResizeHorizontal = MakeSplitter(crHSplit);

  TCustomPanel::SetBevelInner(bvNone);
  TCustomPanel::SetBevelOuter(bvNone);
  TControl::SetColor(clWhite);
  TCustomCalendarPanel::SetEventMarkerColor(clYellow);
  TCustomCalendarPanel::SetEventMarkerShape(evsCircle);
  TCustomCalendarPanel::SetEventDayColor(clBlack);
  if (Designing()) {
    FHintPrevYear = L"Previous Year";
    FHintPrevMonth = L"Previous Month";
    FHintNextMonth = L"Next Month";
    FHintNextYear = L"Next Year";
  }
  FBuilding = false;
  RebuildCalendars();
}

TAgendaCalendarGroup::~TAgendaCalendarGroup() {
  FBuilding = true;
  FreeCalendars();
  delete FResizeVertical;
  delete FResizeHorizontal;
  FResizeVertical = FResizeHorizontal = nullptr;
  // The lists go while the group they report to is still whole.
  FEventCol.reset();
  FDates.reset();
}

TPanel* TAgendaCalendarGroup::MakeSplitter(TCursor ACursor) {
  auto* bar = new TPanel(this);
  bar->SetParent(this);
  bar->SetCaption(String());
  bar->SetBevelInner(bvNone);
  bar->SetBevelOuter(bvRaised);
  bar->SetColor(clScrollBar);
  bar->SetCursor(ACursor);
  bar->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, Integer x, Integer y) {
    SplitterMouseDown(s, b, sh, x, y);
  };
  bar->OnMouseMove = [this](TObject* s, TShiftState sh, Integer x, Integer y) {
    SplitterMouseMove(s, sh, x, y);
  };
  bar->OnMouseUp = [this](TObject* s, TMouseButton b, TShiftState sh, Integer x, Integer y) {
    SplitterMouseUp(s, b, sh, x, y);
  };
  return bar;
}

// --- children ---------------------------------------------------------------

Integer TAgendaCalendarGroup::IndexOfCalendar(TObject* Sender) const {
  auto it = std::find(FCalendars.begin(), FCalendars.end(), Sender);
  return it == FCalendars.end() ? -1 : static_cast<Integer>(it - FCalendars.begin());
}

void TAgendaCalendarGroup::FreeCalendars() {
  std::vector<TAgendaCalendar*> old;
  old.swap(FCalendars);
  for (TAgendaCalendar* c : old) delete c;
}

void TAgendaCalendarGroup::SetCalendarsUpdating(bool Updating) {
  for (TAgendaCalendar* c : FCalendars) {
    if (Updating)
      c->BeginUpdate();
    else
      c->EndUpdate();
  }
}

void TAgendaCalendarGroup::SizeToGrid() {
  Integer b = Frame();
  SetBounds(Left(), Top(), 2 * b + FColCount * FCalendarWidth + fspliterH,
            2 * b + FRowCount * FCalendarHeight + fspliterV);
}

void TAgendaCalendarGroup::PlaceSplitters() {
  Integer b = Frame();
  if (FResizeHorizontal)
    FResizeHorizontal->SetBounds(2 * b + FColCount * FCalendarWidth, 0, fspliterH, Height());
  if (FResizeVertical)
    FResizeVertical->SetBounds(0, 2 * b + FRowCount * FCalendarHeight, Width(), fspliterV);
}

void TAgendaCalendarGroup::RebuildCalendars() {
  FLetResize = true;
  FreeCalendars();
  if (FColCount <= 0 || FRowCount <= 0) {
    // Nothing to show; the group must still follow its size later on.
    FLetResize = false;
    return;
  }
  SizeToGrid();
  PlaceSplitters();
  FBuilding = true;
  Integer b = Frame();
  Word m = static_cast<Word>(FStartMonth), y = static_cast<Word>(FStartYear);
  KeepLastMonthInRange(y, m, FColCount * FRowCount);
  for (Integer i = 0; i < FRowCount; ++i) {
    for (Integer j = 0; j < FColCount; ++j) {
      auto* c = new TAgendaCalendar(this);
      c->BeginUpdate();
      c->SetShowDaysAfter(false);
      c->SetShowDaysBefore(false);
      c->SetParent(this);
      c->SetFont(Font());
      FCalendars.push_back(c);
      c->SetBounds(b + j * FCalendarWidth, b + i * FCalendarHeight, FCalendarWidth,
                   FCalendarHeight);
      c->SetDay(1);
      c->SetMonth(m);
      c->SetYear(y);
      c->ApplyISOYearStart();
      bool first = i == 0 && j == 0, rightEnd = i == 0 && j + 1 == FColCount;
      c->Browsers()->SetNextMonth(rightEnd);
      c->Browsers()->SetNextYear(rightEnd);
      c->Browsers()->SetPrevMonth(first);
      c->Browsers()->SetPrevYear(first);
      c->SetCustomDraw(static_cast<bool>(OnCellDraw));
      c->OnCellDraw = OnCellDraw;
      c->OnDblClick = [this](TObject* s) { CalendarDblClick(s); };
      c->SetVisible(true);
      c->SetShowHint(ShowHint());
      c->SetEventHints(FEventHints);
      c->Dates()->Clear();
      NextMonth(y, m);
    }
  }
  HookCalendarEvents();
  FBuilding = false;
  PropagateLook();
  SetCalendarsUpdating(false);
  FDates->Clear();
  FLetResize = false;
  ItemsChanged();
}

void TAgendaCalendarGroup::HookCalendarEvents() {
  for (TAgendaCalendar* c : FCalendars) {
    c->OnDaySelect = [this](TObject* s, TDateTime d) { CalendarDaySelect(s, d); };
    c->OnCancelledKey = [this](TObject* s, Word k) { HandOverKey(s, k); };
    c->OnMonthChange = [this](TObject* s, TDateTime o, TDateTime n) {
      CalendarMonthChange(s, o, n);
    };
    c->OnYearChange = c->OnMonthChange;
    c->OnDayChange = [this](TObject* s, TDateTime o, TDateTime n) { CalendarDayChange(s, o, n); };
    c->OnWeekSelect = [this](TObject* s) { CalendarWeekSelect(s); };
    c->OnKeyDown = [this](TObject* s, Word& k, TShiftState sh) { CalendarKeyDown(s, k, sh); };
    c->OnKeyUp = [this](TObject* s, Word& k, TShiftState sh) { CalendarKeyUp(s, k, sh); };
    c->OnMouseMove = [this](TObject* s, TShiftState sh, Integer x, Integer y) {
      CalendarMouseMove(s, sh, x, y);
    };
    c->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, Integer x, Integer y) {
      CalendarMouseDown(s, b, sh, x, y);
    };
    c->OnMouseUp = [this](TObject* s, TMouseButton b, TShiftState sh, Integer x, Integer y) {
      CalendarMouseUp(s, b, sh, x, y);
    };
    c->OnDragOver = [this](TObject* s, TObject* src, Integer x, Integer y, TDragState st,
                           bool& a) { CalendarDragOver(s, src, x, y, st, a);
    };
    c->OnDragDrop = [this](TObject* s, TObject* src, Integer x, Integer y) {
      CalendarDragDrop(s, src, x, y);
    };
    // The group's own handlers, read when the child fires, with the child
    // as sender.
    c->OnMonthSelect = [this](TObject* s) { if (OnMonthSelect) OnMonthSelect(s); };
    c->OnYearSelect = [this](TObject* s) { if (OnYearSelect) OnYearSelect(s); };
    c->OnGetDateHint = [this](TObject* s, TDateTime dt, bool& e) {
      if (OnGetDateHint) OnGetDateHint(s, dt, e);
    };
    c->OnGetDateHintString = [this](TObject* s, TDateTime dt, bool& e, String& h) {
      if (OnGetDateHintString) OnGetDateHintString(s, dt, e, h);
    };
    c->OnDateChange = [this](TObject* s, TDateTime o, TDateTime n) {
      if (OnDateChange) OnDateChange(s, o, n);
    };
    c->OnCancelledChange = [this](TObject* s, TDateTime d) {
      if (OnCancelledChange) OnCancelledChange(s, d);
    };
    c->OnAllDaySelect = [this](TObject* s) { if (OnAllDaySelect) OnAllDaySelect(s); };
    c->OnKeyPress = [this](TObject* s, Char& k) { if (OnKeyPress) OnKeyPress(s, k); };
    c->OnEndDrag = [this](TObject* s, TObject* t, Integer x, Integer y) {
      if (OnEndDrag) OnEndDrag(s, t, x, y);
    };
    c->OnStartDrag = [this](TObject* s, TDragObject*& o) {
      if (OnStartDrag) OnStartDrag(s, o);
    };
  }
}


void TAgendaCalendarGroup::RedateCalendars() {
  if (FCalendars.empty()) return;
  TSelDateItems kept(nullptr);
  kept.Assign(Dates());
  SetCalendarsUpdating(true);
  Word m = static_cast<Word>(FStartMonth), y = static_cast<Word>(FStartYear);
  KeepLastMonthInRange(y, m, CalendarCount());
  for (TAgendaCalendar* c : FCalendars) {
    c->SetShowSelection(FShowSelection);
    c->SetDay(1);
    c->SetMonth(m);
    c->SetYear(y);
    c->ApplyISOYearStart();
    c->SetEventFont(EventFont());
    c->Dates()->Clear();
    NextMonth(y, m);
  }
  SetCalendarsUpdating(false);
  SetDates(&kept);
}

// --- structure ---------------------------------------------------------------

void TAgendaCalendarGroup::ModifyGroup(Integer Cols, Integer Rows, Integer CalendarWidth,
                                       Integer CalendarHeight) {
  if (Cols > 0) FColCount = Cols;
  if (Rows > 0) FRowCount = Rows;
  if (CalendarWidth > 0) FCalendarWidth = CalendarWidth;
  if (CalendarHeight > 0) FCalendarHeight = CalendarHeight;
  RebuildCalendars();
}

namespace {
template <class T>
bool StorePositive(T& field, T value) {
  if (value <= 0) return false;
  field = value;
  return true;
}
}  // namespace

void TAgendaCalendarGroup::SetColCount(Integer Value) {
  if (StorePositive(FColCount, Value) && !Loading()) RebuildCalendars();
}

void TAgendaCalendarGroup::SetRowCount(Integer Value) {
  if (StorePositive(FRowCount, Value) && !Loading()) RebuildCalendars();
}

void TAgendaCalendarGroup::SetCalendarWidth(Integer Value) {
  if (StorePositive(FCalendarWidth, Value) && !Loading()) RebuildCalendars();
}

void TAgendaCalendarGroup::SetCalendarHeight(Integer Value) {
  if (StorePositive(FCalendarHeight, Value) && !Loading()) RebuildCalendars();
}

void TAgendaCalendarGroup::SetSpliterH(Byte Value) {
  if (Value > FCalendarWidth / 2) return;
  fspliterH = Value;
  Invalidate();
  SizeToGrid();
  PlaceSplitters();
}

void TAgendaCalendarGroup::SetSpliterV(Byte Value) {
  if (Value > FCalendarHeight / 2) return;
  fspliterV = Value;
  Invalidate();
  SizeToGrid();
  PlaceSplitters();
}

void TAgendaCalendarGroup::SetSplitterColor(TColor Value) {
  FSplitterColor = Value;
  FResizeHorizontal->SetColor(Value);
  FResizeVertical->SetColor(Value);
}

void TAgendaCalendarGroup::SetSplitterBevel(bool Value) {
  FSPlitterBevel = Value;
  FResizeHorizontal->SetBevelOuter(Value ? bvRaised : bvNone);
  FResizeVertical->SetBevelOuter(Value ? bvRaised : bvNone);
}

void TAgendaCalendarGroup::SetBevelWidth(TBevelWidth Value) {
  TCustomPanel::SetBevelWidth(Value);
  RebuildCalendars();
}

void TAgendaCalendarGroup::SetBorderWidth(TBorderWidth Value) {
  TCustomPanel::SetBorderWidth(Value);
  RebuildCalendars();
}

void TAgendaCalendarGroup::SetFont(TFont* Value) {
  if (Value && Value != Font()) Font()->Assign(Value);
  if (!Loading()) RebuildCalendars();
}

void TAgendaCalendarGroup::FontChanged() {
  TCustomCalendarPanel::FontChanged();
  for (TAgendaCalendar* c : FCalendars) c->SetFont(Font());
}

void TAgendaCalendarGroup::Resize() {
  TCustomCalendarPanel::Resize();
  if (!FLetResize) FitGridToSize();
}

void TAgendaCalendarGroup::FitGridToSize() {
  if (FLetResize || FBuilding) return;
  Integer c = std::max(1, Width() / FCalendarWidth);
  Integer r = std::max(1, Height() / FCalendarHeight);
  if (c != FColCount || r != FRowCount) {
    TSelDateItems events(nullptr), dates(nullptr);
    events.SetVisible(false);
    dates.SetVisible(false);
    events.Assign(FEventCol.get());
    dates.Assign(Dates());
    FColCount = c;
    FRowCount = r;
    RebuildCalendars();
    SetEvents(&events);
    SetDates(&dates);
  }
  // Snapped to whole calendars plus the splitters; the resize this makes
  // finds the counts unchanged and stops.
  FBuilding = true;
  SizeToGrid();
  PlaceSplitters();
  FBuilding = false;
}

void TAgendaCalendarGroup::SplitterMouseDown(TObject*, TMouseButton Button, TShiftState,
                                             Integer, Integer) {
  if (Button == mbLeft) FLetResize = true;
}

void TAgendaCalendarGroup::SplitterMouseMove(TObject* Sender, TShiftState, Integer X,
                                             Integer Y) {
  if (!FLetResize) return;
  // The dragged edge follows the pointer: the bar keeps its place until the
  // grid is refitted on release.
  if (Sender == FResizeHorizontal)
    SetBounds(Left(), Top(),
              std::max<Integer>(1, FResizeHorizontal->Left() + X + FResizeHorizontal->Width()),
              Height());
  else if (Sender == FResizeVertical)
    SetBounds(Left(), Top(), Width(),
              std::max<Integer>(1, FResizeVertical->Top() + Y + FResizeVertical->Height()));
}

void TAgendaCalendarGroup::SplitterMouseUp(TObject*, TMouseButton, TShiftState, Integer,
                                           Integer) {
  FLetResize = false;
  FitGridToSize();
}

void TAgendaCalendarGroup::WMSetFocus(TWMSetFocus& Message) {
  TCustomCalendarPanel::WMSetFocus(Message);
  // Only the group's own window: a child taking the focus enters the group
  // too, and must keep it.
  if (!FCalendars.empty() && FCalendars[0]->CanFocus()) FCalendars[0]->SetFocus();
}

void TAgendaCalendarGroup::CreateWnd() {
  TCustomCalendarPanel::CreateWnd();
  // Changes of single items reach the group only while it has a window, so
  // the children take the whole list once more before they can be seen.
  ItemsChanged();
}

void TAgendaCalendarGroup::Loaded() {
  TCustomCalendarPanel::Loaded();
  RebuildCalendars();
  PropagateLook();
  RedateCalendars();
}

// --- events and selection ------------------------------------------------------

void TAgendaCalendarGroup::SetEvents(TSelDateItems* Value) {
  if (Value && Value != FEventCol.get()) FEventCol->Assign(Value);
}

void TAgendaCalendarGroup::CopyEventsInto(TAgendaCalendar* Child) {
  // The list announces a new item from inside the item's construction,
  // before it is a dated item: such an item is left out here and arrives
  // with the notice of its date.
  TCollection* from = FEventCol.get();
  TSelDateItems* to = Child->Events();
  to->BeginUpdate();
  to->Clear();
  for (Integer i = 0; i < from->Count(); ++i)
    if (auto* item = dynamic_cast<TSelDateItem*>(from->Items(i))) to->Add()->Assign(item);
  to->EndUpdate();
}

void TAgendaCalendarGroup::ItemsChanged() {
  if (FBuilding) return;
  for (TAgendaCalendar* c : FCalendars) {
    CopyEventsInto(c);
    c->ItemsChanged();
  }
}

void TAgendaCalendarGroup::InvalidateDate(TDateTime ADate) {
  if (FBuilding) return;
  for (TAgendaCalendar* c : FCalendars) {
    c->BeginUpdate();
    CopyEventsInto(c);
    c->ResetUpdate();
  }
  for (TAgendaCalendar* c : FCalendars) c->InvalidateDate(ADate);
}

void TAgendaCalendarGroup::EventFontChanged() {
  if (!FBuilding) RedateCalendars();
}

TSelDateItems* TAgendaCalendarGroup::Dates() {
  FDates->Clear();
  for (TAgendaCalendar* c : FCalendars) {
    TSelDateItems* d = c->Dates();
    for (Integer i = 0; i < d->Count(); ++i) FDates->Add()->Assign(d->Items(i));
  }
  return FDates.get();
}

void TAgendaCalendarGroup::SetDates(TSelDateItems* Value) {
  if (Value && Value != FDates.get()) FDates->Assign(Value);
  UpdateDates();
}

void TAgendaCalendarGroup::UpdateDates() {
  for (TAgendaCalendar* c : FCalendars) {
    TSelDateItems* sel = c->Dates();
    sel->Clear();
    Word y = c->Year(), m = c->Month();
    for (Integer i = 0; i < FDates->Count(); ++i) {
      TDateTime d = FDates->Items(i)->Date();
      if (!InMonth(d, y, m)) continue;
      sel->Add()->SetDate(d);
      if (!FMultiSelect && FDates->Count() == 1) c->SetShowSelection(true);
    }
    sel->Changed();
  }
  ItemsChanged();
}

TDateTime TAgendaCalendarGroup::Date() {
  TSelDateItems* d = Dates();
  return d->Count() > 0 ? d->Items(0)->Date() : FLastDay;
}

void TAgendaCalendarGroup::SetDate(TDateTime Value) {
  if (!FCalendars.empty()) {
    Word y = Year(), m = Month();
    TDateTime start = EncodeDate(y, m, 1);
    Integer ey = y, em = m;
    ShiftMonth(ey, em, CalendarCount());
    TDateTime end = EncodeDateChecked(static_cast<Word>(ey), static_cast<Word>(em), 1);
    if (WholeDay(Value) < WholeDay(start) || WholeDay(Value) >= WholeDay(end)) {
      Word vy, vm, vd;
      DecodeDate(Value, vy, vm, vd);
      MoveTo(vy, vm, std::min<Word>(vd, MonthDayCount(vm, vy)));
    }
  }
  FDates->Clear();
  for (TAgendaCalendar* c : FCalendars) c->Dates()->Clear();
  FDates->Add()->SetDate(Value);
  FLastDay = Value;
  UpdateDates();
}

TDateTime TAgendaCalendarGroup::FirstDate() const {
  return FCalendars.empty() ? FLastDay : FCalendars.front()->FirstDate();
}

TDateTime TAgendaCalendarGroup::LastDate() const {
  return FCalendars.empty() ? FLastDay : FCalendars.back()->LastDate();
}

bool TAgendaCalendarGroup::DateAtXY(Integer X, Integer Y, TDateTime& ADate) {
  // The child under the point answers for it.
  for (TAgendaCalendar* c : FCalendars) {
    if (X <= c->Left() || X >= c->Left() + c->Width() || Y <= c->Top() ||
        Y >= c->Top() + c->Height())
      continue;
    return c->DateAtXY(X - c->Left(), Y - c->Top(), ADate);
  }
  return false;
}

// --- dates ----------------------------------------------------------------------

Word TAgendaCalendarGroup::Month() const {
  return FCalendars.empty() ? FMonth : FCalendars.front()->Month();
}

Word TAgendaCalendarGroup::Year() const {
  return FCalendars.empty() ? FYear : FCalendars.front()->Year();
}

void TAgendaCalendarGroup::SetStartMonth(Integer Value) {
  if (Value < 1 || Value > 12) return;
  FStartMonth = Value;
  if (Loading() || FCalendars.empty()) return;
  DateStartsChanged(static_cast<Word>(Value), FCalendars.front()->Year());
}

void TAgendaCalendarGroup::SetStartYear(Integer Value) {
  if (Value < 1 || Value > 9999) return;
  FStartYear = Value;
  if (Loading() || FCalendars.empty()) return;
  DateStartsChanged(FCalendars.front()->Month(), static_cast<Word>(Value));
}

void TAgendaCalendarGroup::DateStartsChanged(Word month, Word year) {
  KeepLastMonthInRange(year, month, CalendarCount());
  for (TAgendaCalendar* c : FCalendars) {
    c->SetDay(1);
    c->SetMonth(month);
    c->SetYear(year);
    c->Dates()->Clear();
    NextMonth(year, month);
  }
  UpdateDates();
}

void TAgendaCalendarGroup::MoveTo(Word year, Word month, Word day) {
  TDateTime d;
  if (!TryEncodeDate(year, month, day, d)) {
    MessageDlg(L"Invalid date", mtError, TMsgDlgButtons{mbOK});
    return;
  }
  FYear = year;
  FMonth = month;
  FDay = day;
  GoToDate(d);
}

void TAgendaCalendarGroup::SetDay(Word Value) { MoveTo(FYear, FMonth, Value); }
void TAgendaCalendarGroup::SetMonth(Word Value) { MoveTo(FYear, Value, FDay); }
void TAgendaCalendarGroup::SetYear(Word Value) { MoveTo(Value, FMonth, FDay); }

void TAgendaCalendarGroup::GoToDate(TDateTime d) {
  if (FCalendars.empty()) return;
  FStartMonth = FMonth;
  FStartYear = FYear;
  RedateCalendars();
  TAgendaCalendar* first = FCalendars.front();
  first->SetDay(FDay);
  first->SetMonth(FMonth);
  first->SetYear(FYear);
  CalendarDaySelect(first, d);
}

// --- relays ---------------------------------------------------------------------

void TAgendaCalendarGroup::CalendarDaySelect(TObject* Sender, TDateTime SelDate) {
  auto* child = dynamic_cast<TAgendaCalendar*>(Sender);
  TDateTime previous = EncodeDateChecked(FYear, FMonth, FDay);
  if (OnDayChange) {
    if (!SameWholeDay(SelDate, FLastDay)) OnDayChange(Sender, previous, SelDate);
    FLastDay = SelDate;
  }
  if (!FMultiSelect) SetDate(SelDate);
  if (child) {
    FDay = child->Day();
    FMonth = child->Month();
    FYear = child->Year();
  }
  for (TAgendaCalendar* c : FCalendars) {
    c->SetShowSelection(FMultiSelect);
    if (!Fctltdown && c != child) c->Dates()->Clear();
  }
  if (child) child->SetShowSelection(FShowSelection);
  DoDaySelect(SelDate);
}

void TAgendaCalendarGroup::DoDaySelect(TDateTime SelDate) {
  if (OnDaySelect) OnDaySelect(this, SelDate);
}

void TAgendaCalendarGroup::CalendarDayChange(TObject* Sender, TDateTime, TDateTime newDate) {
  if (!OnDayChange) return;
  TDateTime previous = EncodeDateChecked(FYear, FMonth, FDay);
  if (!SameWholeDay(newDate, FLastDay)) OnDayChange(Sender, previous, newDate);
  FLastDay = newDate;
}

void TAgendaCalendarGroup::CalendarMonthChange(TObject* Sender, TDateTime origDate,
                                               TDateTime newDate) {
  Integer k = IndexOfCalendar(Sender);
  if (k < 0) return;
  Word ny, nm, nd, oy, om, od;
  DecodeDate(newDate, ny, nm, nd);
  DecodeDate(origDate, oy, om, od);
  FDay = nd;
  FMonth = nm;
  FYear = ny;
  // The child that moved keeps its new month; the others line up around it.
  Integer y = ny, m = nm;
  if (!ShiftMonth(y, m, -k)) return;
  FStartMonth = m;
  FStartYear = y;
  RedateCalendars();
  if (ny != oy) {
    if (OnYearChange) OnYearChange(this, origDate, newDate);
    if (OnMonthChange) OnMonthChange(this, origDate, newDate);
  } else if (nm != om) {
    if (OnMonthChange) OnMonthChange(this, origDate, newDate);
  }
}

void TAgendaCalendarGroup::CalendarWeekSelect(TObject* Sender) {
  for (TAgendaCalendar* c : FCalendars) {
    c->SetShowSelection(FMultiSelect);
    if (!Fctltdown && c != Sender) c->Dates()->Clear();
  }
  if (OnWeekSelect) OnWeekSelect(this);
}

void TAgendaCalendarGroup::CalendarKeyDown(TObject* Sender, Word& Key, TShiftState Shift) {
  if (Shift.Contains(ssCtrl)) Fctltdown = true;
  if (OnKeyDown) OnKeyDown(Sender, Key, Shift);
}

void TAgendaCalendarGroup::CalendarKeyUp(TObject* Sender, Word& Key, TShiftState Shift) {
  Fctltdown = false;
  if (OnKeyUp) OnKeyUp(Sender, Key, Shift);
}

void TAgendaCalendarGroup::CalendarDblClick(TObject*) {
  if (OnDblClick) OnDblClick(this);
}

void TAgendaCalendarGroup::HandOverKey(TObject* Sender, Word Key) {
  Integer k = IndexOfCalendar(Sender);
  if (k < 0) return;
  Integer n = CalendarCount();
  // Past either end the group moves by one month from the month it shows
  // first, whichever child holds the group's date.
  Integer y = Year(), m = Month();
  switch (Key) {
    case VK_LEFT:
    case VK_UP:
      if (k > 0) {
        if (FCalendars[k - 1]->CanFocus()) FCalendars[k - 1]->SetFocus();
      } else if (ShiftMonth(y, m, -1)) {
        MoveTo(static_cast<Word>(y), static_cast<Word>(m),
               MonthDayCount(static_cast<Word>(m), static_cast<Word>(y)));
      }
      break;
    case VK_RIGHT:
    case VK_DOWN:
      if (k + 1 < n) {
        if (FCalendars[k + 1]->CanFocus()) FCalendars[k + 1]->SetFocus();
      } else if (ShiftMonth(y, m, 1)) {
        MoveTo(static_cast<Word>(y), static_cast<Word>(m), 1);
      }
      break;
    default:
      break;
  }
}

void TAgendaCalendarGroup::CalendarMouseMove(TObject* Sender, TShiftState Shift, Integer X,
                                             Integer Y) {
  auto* c = dynamic_cast<TControl*>(Sender);
  if (OnMouseMove && c) OnMouseMove(this, Shift, X + c->Left(), Y + c->Top());
}

void TAgendaCalendarGroup::CalendarMouseDown(TObject* Sender, TMouseButton Button,
                                             TShiftState Shift, Integer X, Integer Y) {
  auto* c = dynamic_cast<TControl*>(Sender);
  if (OnMouseDown && c) OnMouseDown(this, Button, Shift, X + c->Left(), Y + c->Top());
}

void TAgendaCalendarGroup::CalendarMouseUp(TObject* Sender, TMouseButton Button,
                                           TShiftState Shift, Integer X, Integer Y) {
  auto* c = dynamic_cast<TControl*>(Sender);
  if (OnMouseUp && c) OnMouseUp(this, Button, Shift, X + c->Left(), Y + c->Top());
}

void TAgendaCalendarGroup::CalendarDragOver(TObject* Sender, TObject* Source, Integer X,
                                            Integer Y, TDragState State, bool& Accept) {
  auto* c = dynamic_cast<TControl*>(Sender);
  if (OnDragOver && c) OnDragOver(this, Source, X + c->Left(), Y + c->Top(), State, Accept);
}

void TAgendaCalendarGroup::CalendarDragDrop(TObject* Sender, TObject* Source, Integer X,
                                            Integer Y) {
  auto* c = dynamic_cast<TControl*>(Sender);
  if (OnDragDrop && c) OnDragDrop(this, Source, X + c->Left(), Y + c->Top());
}

String TAgendaCalendarGroup::Version() const {
  Integer v = TAgendaCalendar::GetVersionNr();
  return IntToStr((v >> 24) & 0xFF) + L"." + IntToStr((v >> 16) & 0xFF) + L"." +
         IntToStr((v >> 8) & 0xFF) + L"." + IntToStr(v & 0xFF);
}

}  // namespace jorv::calendar
