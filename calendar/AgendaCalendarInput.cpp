// Mouse, keyboard, pop-up menus and hints of the month calendar: selecting
// days, ranges, weeks and weekday columns, moving between months and years,
// and the hover looks of the caption, the arrows, the days and the today
// line.
#include <algorithm>
#include <cstdlib>

#include "calendar/AgendaCalendar.h"
#include "platform/gfx/Bitmap.h"
#include "platform/rtl/Clock.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Application.h"

namespace jorv::calendar {
using namespace jorv::foundation;

namespace {

constexpr Integer NoPosition = 32767;
constexpr Word FirstYearCommand = 15;
constexpr Word LastYearCommand = 25;
constexpr Word YearCommandBase = 20;

bool SameMonth(TDateTime a, TDateTime b) {
  Word y1, m1, d1, y2, m2, d2;
  DecodeDate(a, y1, m1, d1);
  DecodeDate(b, y2, m2, d2);
  return y1 == y2 && m1 == m2;
}

// One navigation button's hot zone in client coordinates (open on all
// sides) and the point its hint is shown at.
struct TButtonZone {
  bool On = false;
  Integer Left = 0, Right = 0, Height = 0;
  TPoint HintPos;
  bool Contains(Integer X, Integer Y) const {
    return On && Left < X && X < Right && 0 < Y && Y < Height;
  }
};

}  // namespace

// --- small helpers --------------------------------------------------------------------

bool TAgendaCalendar::TodayLineAt(Integer Y) const {
  return FShowGotoToday && Y > 8 * dy - dy / 2;
}

bool TAgendaCalendar::AnyHover() const {
  return FPrevMonthHover || FNextMonthHover || FCaptionHover || FPrevYearHover ||
         FNextYearHover || FTodayLineHover;
}

void TAgendaCalendar::InvalidateCaptionBand() {
  if (!HandleAllocated()) return;
  // The caption and the four arrows share the band above the day names.
  RECT r{0, 0, Width(), std::max<Integer>(18, dy - 6)};
  InvalidateRect(Handle(), &r, FALSE);
}

void TAgendaCalendar::InvalidateTodayLine() {
  if (!HandleAllocated()) return;
  RECT r{0, std::max(0, 8 * dy - dy / 2 - 4), Width(), Height()};
  InvalidateRect(Handle(), &r, FALSE);
}

void TAgendaCalendar::AddDaysOnce(TDateTime A, TDateTime B, bool MonthRule) {
  Integer from = WholeDay(A), to = WholeDay(B);
  if (from > to) std::swap(from, to);
  for (Integer day = from; day <= to; ++day) {
    TDateTime d = static_cast<TDateTime>(day);
    if (MonthRule && !IsMonthAllowed(d)) continue;
    if (DateCol->IsDateInList(d) < 0) DateCol->Add()->SetDate(d);
  }
}

// The zones of the previous-month, previous-year, next-month and
// next-year buttons, in that order.
static void ButtonZones(TAgendaCalendar* Cal, Integer xoffset, TButtonZone Zones[4]) {
  TCalGlyphs* g = Cal->Glyphs();
  TCalendarBrowsers* b = Cal->Browsers();
  const Integer W = Cal->Width();
  const Integer shift = Cal->ShowWeeks() ? W / 8 : 0;
  // Previous month, measured from the grid's left edge.
  {
    TButtonZone& z = Zones[0];
    TBitmap* gl = g->PrevMonth();
    TBitmap* py = g->PrevYear();
    Integer lo = 25, hi;
    if (gl->Empty()) {
      hi = py->Empty() ? 35 : py->Width() + 25;
      z.Height = 15;
    } else {
      if (py->Empty()) {
        hi = gl->Width() + 25;
      } else {
        lo = py->Width() + 10;
        hi = py->Width() + gl->Width() + 10;
      }
      z.Height = gl->Height();
    }
    if (!b->PrevYear()) {
      lo -= 20;
      hi -= 20;
    }
    z.On = b->PrevMonth();
    z.Left = xoffset + lo;
    z.Right = xoffset + hi;
    z.HintPos = TPoint(lo + shift, -8);
  }
  // Previous year.
  {
    TButtonZone& z = Zones[1];
    TBitmap* gl = g->PrevYear();
    z.On = b->PrevYear();
    z.Left = xoffset + 5;
    z.Right = xoffset + (gl->Empty() ? 15 : gl->Width() + 5);
    z.Height = gl->Empty() ? 15 : gl->Height();
    z.HintPos = TPoint(shift + 5, -8);
  }
  // Next month, measured from the right edge.
  {
    TButtonZone& z = Zones[2];
    TBitmap* gl = g->NextMonth();
    TBitmap* ny = g->NextYear();
    Integer lo = 25, hi;
    if (gl->Empty()) {
      if (ny->Empty()) {
        hi = 30;
      } else {
        lo = ny->Width() + 10;
        hi = ny->Width() + 15;
      }
      z.Height = 15;
    } else {
      if (ny->Empty()) {
        hi = gl->Width() + 25;
      } else {
        lo = ny->Width() + 10;
        hi = ny->Width() + gl->Width() + 10;
      }
      z.Height = gl->Height();
    }
    if (!b->NextYear()) {
      lo -= 20;
      hi -= 20;
    }
    z.On = b->NextMonth();
    z.Left = W - hi;
    z.Right = W - lo;
    z.HintPos = TPoint(W - hi, -8);
  }
  // Next year.
  {
    TButtonZone& z = Zones[3];
    TBitmap* gl = g->NextYear();
    Integer w = gl->Empty() ? 15 : gl->Width() + 5;
    z.On = b->NextYear();
    z.Left = W - w;
    z.Right = W - 5;
    z.Height = gl->Empty() ? 15 : gl->Height();
    z.HintPos = TPoint(W - w, -8);
  }
}

// --- mouse ---------------------------------------------------------------------------

void TAgendaCalendar::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  bool shift = Shift.Contains(ssShift);
  if (Button != mbLeft) {
    // A right press extends the range like Shift and a left press.
    if (Button == mbRight && FRightClickSelect && FMultiSelect) {
      shift = true;
    } else {
      TCustomCalendarPanel::MouseDown(Button, Shift, X, Y);
      return;
    }
  } else {
    TCustomCalendarPanel::MouseDown(Button, Shift, X, Y);
  }
  if (!FEnable) return;
  SetCursor(FOldCursor);
  const TDateTime oldClk = FClkdate;
  TDateTime oldSel = seldate;
  xposin = NoPosition;
  yposin = NoPosition;
  if (!Focused() && CanFocus()) SetFocus();
  UpdateLayout();
  const Integer x = X - xoffset;

  if (0 < Y && Y < 15) {
    if (FShowMonthSelector && lblx1 <= x && x <= lblx2) {
      ShowMonthPopup();
      return;
    }
    if (FShowYearSelector && lblx2 <= x && x <= lblx3) {
      ShowYearPopup();
      return;
    }
  }

  TButtonZone zones[4];
  ButtonZones(this, xoffset, zones);
  bool hit = false;
  if (zones[0].Contains(X, Y)) { ChangeMonth(-1); hit = true; }
  if (zones[1].Contains(X, Y)) { ChangeYear(-1); hit = true; }
  if (zones[2].Contains(X, Y)) { ChangeMonth(1); hit = true; }
  if (zones[3].Contains(X, Y)) { ChangeYear(1); hit = true; }
  if (hit) {
    FireDateChanges(oldSel, seldate);
    return;
  }

  movdate = -1;
  if (FReadOnly) return;

  const bool ctrl = Shift.Contains(ssCtrl);
  if (FAllDaySelect && FMultiSelect && 15 < Y && Y < dy + yoffset && x > 0) {
    FClkdate = PointToDate(x, dy + yoffset, false);
    // Whether the column was selected is judged before a plain click
    // clears the selection, so that a second click takes the column away.
    bool all = true;
    for (Integer k = 0; k < 6; ++k)
      if (DateCol->IsDateInList(FClkdate + 7 * k) < 0) all = false;
    if (!ctrl) DateCol->Clear();
    for (Integer k = 0; k < 6; ++k) {
      TDateTime d = FClkdate + 7 * k;
      if (all)
        DateCol->DelRange(d, d);
      else if (IsMonthAllowed(d) && DateCol->IsDateInList(d) < 0)
        DateCol->Add()->SetDate(d);
    }
    Invalidate();
    if (OnAllDaySelect) OnAllDaySelect(this);
  }
  if (FShowWeeks && FWeekSelect && FMultiSelect && x < 0 && Y > dy + yoffset) {
    FClkdate = PointToDate(xoffset, Y, false);
    bool all = true;
    for (Integer k = 0; k < 7; ++k)
      if (DateCol->IsDateInList(FClkdate - 1 + k) < 0) all = false;
    if (!(ctrl && FMultiSelectCtrlKey)) DateCol->Clear();
    for (Integer k = 0; k < 7; ++k) {
      TDateTime d = FClkdate - 1 + k;
      if (all)
        DateCol->DelRange(d, d);
      else if (IsMonthAllowed(d) && DateCol->IsDateInList(d) < 0)
        DateCol->Add()->SetDate(d);
    }
    Invalidate();
    if (OnWeekSelect) OnWeekSelect(this);
  }
  if (TodayLineAt(Y)) {
    GoToToday();
    if (FMultiSelect) Invalidate();
    if (OnDayChange) OnDayChange(this, oldSel, seldate);
    if (OnDateChange) OnDateChange(this, oldSel, seldate);
    return;
  }
  if (Y <= dy + yoffset || x < 1) return;

  FClkdate = PointToDate(x, Y, true);
  if (!IsMonthAllowed(FClkdate) || !DateInBounds(FClkdate)) return;
  // A drag selection starts from a day: not from a day name, a week
  // number or the today line, and not in a read-only calendar.
  mousesel = FMultiSelect && !Dragging();

  if (shift && FMultiSelect && FClkdate != 0) {
    // Without an earlier click the range starts at the selected date.
    TDateTime anchor = oldClk != 0 ? oldClk : oldSel;
    DoRangeSelect(anchor, FClkdate);
    AddDaysOnce(anchor, FClkdate, false);
  } else if (ctrl && FMultiSelect && FMultiSelectCtrlKey) {
    if (DateCol->IsDateInList(FClkdate) < 0) {
      DateCol->Add()->SetDate(FClkdate);
      seldate = FClkdate;
    } else {
      DateCol->DelRange(FClkdate, FClkdate);
      oldSel = FClkdate;
    }
  } else {
    seldate = FClkdate;
    thedate = FClkdate;
    DateCol->Clear();
    DateCol->Add()->SetDate(seldate);
  }

  if (SameMonth(oldSel, FClkdate)) {
    InvalidateDate(oldSel);
    InvalidateDate(thedate);
  } else {
    ItemsChanged();
  }
  BuildCaptionLabel(MonthOf(FClkdate), YearOf(FClkdate));
  FireDateChanges(oldSel, seldate);
  Invalidate();
}

void TAgendaCalendar::GoToToday() {
  TDateTime now = Now();
  FClkdate = now;
  seldate = now;
  SetDate(now);
}

void TAgendaCalendar::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  mousesel = false;
  TCustomCalendarPanel::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  // Neither a disabled nor a read-only calendar reports a click.
  if (!FEnable || FReadOnly) return;
  UpdateLayout();
  const Integer x = X - xoffset;
  const bool shift = Shift.Contains(ssShift);
  if (std::abs(x - xposin) < 4 && xposin > 0 && std::abs(Y - yposin) < 4) {
    TDateTime d = PointToDate(x, Y, false);
    if (!SameWholeDay(d, FClkdate) || (FMultiSelect && !shift)) DoRangeSelect(FClkdate, d);
    if (IsMonthAllowed(FClkdate) && !shift) DoDaySelect(FClkdate);
  }
  if (TodayLineAt(Y)) {
    GoToToday();
    if (FMultiSelect) Invalidate();
    DoDaySelect(seldate);
  }
}

void TAgendaCalendar::WMLButtonDblClk(TWMMouse& Message) {
  TCustomCalendarPanel::WMLButtonDblClk(Message);
  mousesel = false;
}

void TAgendaCalendar::HoverButtons(Integer X, Integer Y) {
  BrowserHint.clear();
  TButtonZone zones[4];
  ButtonZones(this, xoffset, zones);
  bool* flags[4] = {&FPrevMonthHover, &FPrevYearHover, &FNextMonthHover, &FNextYearHover};
  const String* hints[4] = {&FHintPrevMonth, &FHintPrevYear, &FHintNextMonth, &FHintNextYear};
  for (Integer i = 0; i < 4; ++i) {
    if (!zones[i].On || !FEnable) continue;
    if (zones[i].Contains(X, Y)) {
      TDateTime neighbour = i == 0   ? NeighbourMonthDate(-1)
                            : i == 1 ? NeighbourYearDate(-1)
                            : i == 2 ? NeighbourMonthDate(1)
                                     : NeighbourYearDate(1);
      if (DateInBounds(neighbour)) SetCursor(crHandPoint);
      BrowserHint = *hints[i];
      fLastHintPos = zones[i].HintPos;
      if (!*flags[i]) {
        *flags[i] = true;
        InvalidateCaptionBand();
      }
    } else if (*flags[i]) {
      SetCursor(FOldCursor);
      *flags[i] = false;
      InvalidateCaptionBand();
    }
  }
}

void TAgendaCalendar::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  TCustomCalendarPanel::MouseMove(Shift, X, Y);
  UpdateLayout();
  const Integer x = X - xoffset;

  bool overCaption = lblx1 <= x && x <= lblx3 && 0 < Y && Y < 15 &&
                     (FShowMonthSelector || FShowYearSelector) && FEnable;
  if (overCaption != FCaptionHover) {
    FCaptionHover = overCaption;
    InvalidateCaptionBand();
  }

  if (TodayLineAt(Y) && X > xoffset && FEnable) {
    Canvas()->Font()->Assign(Font());
    if (X < xoffset + Canvas()->TextWidth(TodayText())) {
      if (!FTodayLineHover) {
        FTodayLineHover = true;
        InvalidateTodayLine();
      }
      SetCursor(crHandPoint);
      if (FHoverDate != 0) InvalidateDate(FHoverDate);
      FHoverDate = 0;
      return;
    }
  }
  if (FTodayLineHover) {
    FTodayLineHover = false;
    SetCursor(FOldCursor);
    InvalidateTodayLine();
  }

  HoverButtons(X, Y);
  if (!AnyHover() && Cursor() != FOldCursor) SetCursor(FOldCursor);

  EventHint.clear();
  if (Y <= dy + yoffset && FHoverDate != 0) {
    // Above the days no day is under the pointer.
    InvalidateDate(FHoverDate);
    FHoverDate = 0;
  }
  if (Y > dy + yoffset) {
    TDateTime d = PointToDate(x, Y, false);
    if (FHoverDate == 0 || !SameWholeDay(d, FHoverDate)) {
      if (FHoverDate != 0) InvalidateDate(FHoverDate);
      FHoverDate = d;
      InvalidateDate(d);
    }
    if (TSelDateItem* item = EventCol->GetDate(d)) EventHint = item->Hint();
    TPoint cell(dx ? x / dx : 0, dy ? (Y - yoffset - dy) / dy : 0);
    if (cell != fLastHintPos && showhintbusy) {
      if (Application) Application->CancelHint();
      showhintbusy = false;
    }
    fLastHintPos = cell;
    // Dragging stretches the range from the pressed day to the day under
    // the pointer, once the pointer has left the pressed day: a move
    // within it must not undo what a Ctrl press just took away.
    const bool dragging = movdate != -1 ? !SameWholeDay(d, movdate) : !SameWholeDay(d, FClkdate);
    if (mousesel && dragging && DateInBounds(d)) {
      if (movdate != -1) DateCol->DelRange(movdate, FClkdate);
      movdate = d;
      AddDaysOnce(movdate, FClkdate, true);
    }
    if (OnGetDateHintString) {
      bool isEvent = false;
      OnGetDateHintString(this, d, isEvent, EventHint);
    }
  }
  if (EventHint.empty() && BrowserHint.empty() && Application) Application->CancelHint();
}

void TAgendaCalendar::CMMouseLeave(TMessage& Message) {
  TCustomCalendarPanel::CMMouseLeave(Message);
  if (MsgAs<TCMMouseLeave>(Message).Control) return;
  if (FHoverDate != 0) {
    InvalidateDate(FHoverDate);
    FHoverDate = 0;
  }
  if (AnyHover()) {
    FPrevMonthHover = FNextMonthHover = FCaptionHover = false;
    FPrevYearHover = FNextYearHover = FTodayLineHover = false;
    if (HandleAllocated()) {
      RECT top{0, 0, Width(), Height() / 7};
      InvalidateRect(Handle(), &top, FALSE);
      if (FShowGotoToday) {
        RECT bottom{0, Height() - dy, Width(), Height()};
        InvalidateRect(Handle(), &bottom, FALSE);
      }
    }
  }
}

// --- hints -------------------------------------------------------------------------

void TAgendaCalendar::CMHintShow(TMessage& Message) {
  THintInfo* info = MsgAs<TCMHintShow>(Message).HintInfo;
  if (!info || (!FEventHints && BrowserHint.empty()) || !HandleAllocated()) {
    TCustomCalendarPanel::CMHintShow(Message);
    return;
  }
  Message.Result = 0;
  showhintbusy = !EventHint.empty() && fLastHintPos != TPoint(-1, -1);
  if (showhintbusy) {
    const Integer col = fLastHintPos.X, row = fLastHintPos.Y;
    info->HintStr = EventHint;
    info->HintPos = ClientToScreen(TPoint((col + 1) * dx, row * dy + yoffset));
    // The hint belongs to its cell: leaving the cell asks again.
    Integer top = (row + 1) * dy + yoffset - 2;
    Integer left = xoffset + col * dx;
    info->CursorRect = TRect(left, top, left + dx, top + dy);
  }
  if (!BrowserHint.empty()) {
    info->HintStr = BrowserHint;
    info->HintPos = ClientToScreen(fLastHintPos);
    info->CursorRect = TRect(0, 0, Width(), 16);
  }
}

// --- keyboard ----------------------------------------------------------------------

void TAgendaCalendar::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_WANTSPECIALKEY:
      switch (MsgAs<TCMWantSpecialKey>(Message).CharCode) {
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN: Message.Result = 1; return;
      }
      break;
    case WM_GETDLGCODE: Message.Result = DLGC_WANTARROWS; return;
  }
  TCustomCalendarPanel::Dispatch(Message);
}

void TAgendaCalendar::KeyDown(Word& Key, TShiftState Shift) {
  TCustomCalendarPanel::KeyDown(Key, Shift);
  if (!FEnable || Key == 0) return;
  const TDateTime oldSel = seldate;
  TDateTime T = thedate;
  const bool arrow = Key == VK_LEFT || Key == VK_UP || Key == VK_RIGHT || Key == VK_DOWN;
  switch (Key) {
    case VK_LEFT: T = thedate - 1; break;
    case VK_UP: T = thedate - 7; break;
    case VK_RIGHT: T = thedate + 1; break;
    case VK_DOWN: T = thedate + 7; break;
  }
  if (!IsMonthAllowed(T)) {
    if (OnCancelledKey) OnCancelledKey(this, Key);
    if (OnCancelledChange) OnCancelledChange(this, T);
    return;
  }
  if (!DateInBounds(T)) return;
  thedate = T;

  if (Key == VK_SPACE || (Key == VK_RETURN && FReturnIsSelect)) {
    const bool selected = DateCol->IsDateInList(T) >= 0;
    if (FMultiSelectCtrlKey) {
      if (!selected) {
        if (!FMultiSelect || !Shift.Contains(ssCtrl)) DateCol->Clear();
        DateCol->Add()->SetDate(T);
      } else {
        DateCol->DelRange(T, T);
      }
      Invalidate();
      seldate = T;
      DoDaySelect(T);
    } else {
      DateCol->Clear();
      if (!selected) DateCol->Add()->SetDate(T);
    }
  }

  if (arrow) {
    seldate = thedate;
    BuildCaptionLabel(MonthOf(seldate), YearOf(seldate));
    if (Shift.Contains(ssShift) && FMultiSelect) {
      if (!FMultiSelectCtrlKey) DateCol->Clear();
      if (movdate != -1) {
        DateCol->StartUpdate();
        DateCol->DelRange(oldSel, FClkdate);
        AddDaysOnce(seldate, FClkdate, false);
        DoRangeSelect(seldate, FClkdate);
        DateCol->StopUpdate();
      } else {
        FClkdate = oldSel;
        AddDaysOnce(seldate, FClkdate, false);
        movdate = seldate;
        DoRangeSelect(seldate, FClkdate);
      }
    } else {
      movdate = -1;
    }
    if (SameMonth(oldSel, thedate)) {
      InvalidateDate(oldSel);
      InvalidateDate(thedate);
    } else {
      ItemsChanged();
    }
  }
  if (Key == VK_PRIOR) ChangeMonth(-1);
  if (Key == VK_NEXT) ChangeMonth(1);
  const bool moved = arrow || Key == VK_PRIOR || Key == VK_NEXT;
  if (moved && OnDateChange) OnDateChange(this, oldSel, seldate);
  FireDateChanges(oldSel, seldate);
  if (moved) Key = 0;
}

void TAgendaCalendar::KeyPress(Char& Key) {
  if (Key == VK_ESCAPE) seldate = initdate;
  TCustomCalendarPanel::KeyPress(Key);
}

void TAgendaCalendar::WMSetFocus(TWMSetFocus& Message) {
  TCustomCalendarPanel::WMSetFocus(Message);
  ItemsChanged();
}

void TAgendaCalendar::WMKillFocus(TWMKillFocus& Message) {
  TCustomCalendarPanel::WMKillFocus(Message);
  ItemsChanged();
}

// --- month and year pop-ups ----------------------------------------------------------

void TAgendaCalendar::TrackPopup(HMENU Menu, Integer ClientX) {
  HWND own = Handle();
  POINT p{ClientX, 0};
  ::ClientToScreen(own, &p);
  UINT cmd = static_cast<UINT>(
      TrackPopupMenu(Menu, TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD, p.x, p.y, 0, own, nullptr));
  DestroyMenu(Menu);
  // The menu runs its own loop; whatever ran in it may have destroyed
  // this calendar, and then nothing of it may be touched.
  if (cmd == 0 || !IsWindow(own) || FindControl(own) != this) return;
  Perform(WM_COMMAND, MAKEWPARAM(cmd, 0), 0);
}

void TAgendaCalendar::ShowMonthPopup() {
  HMENU menu = CreatePopupMenu();
  if (!menu) return;
  const Word year = YearOf(seldate);
  for (Word m = 1; m <= 12; ++m) {
    UINT flags = MF_STRING;
    if (!MonthInBounds(EncodeDate(year, m, 1))) flags |= MF_GRAYED;
    AppendMenuW(menu, flags, m, FNameOfMonths->GetMonth(m).c_str());
  }
  TrackPopup(menu, xoffset + lblx1);
}

void TAgendaCalendar::ShowYearPopup() {
  HMENU menu = CreatePopupMenu();
  if (!menu) return;
  Word y, m, d;
  DecodeDate(thedate, y, m, d);
  for (Integer k = -4; k <= 5; ++k) {
    Integer year = y + k;
    if (year < 1 || year > 9999) continue;
    Word day = std::min<Word>(d, MonthDayCount(m, static_cast<Word>(year)));
    UINT flags = MF_STRING;
    if (!DateInBounds(EncodeDate(static_cast<Word>(year), m, day))) flags |= MF_GRAYED;
    AppendMenuW(menu, flags, YearCommandBase + k, IntToStr(year).c_str());
  }
  TrackPopup(menu, xoffset + lblx2);
}

void TAgendaCalendar::WMCommand(TWMCommand& Message) {
  const Word id = Message.ItemID;
  if (Message.Ctl == nullptr && Message.NotifyCode == 0) {
    Word y, m, d;
    DecodeDate(thedate, y, m, d);
    const TDateTime oldSel = seldate;
    if (id >= 1 && id <= 12) {
      thedate = EncodeDate(y, id, 1);
      seldate = thedate;
      BuildCaptionLabel(id, y);
      ItemsChanged();
      DoMonthChange(oldSel, seldate);
      if (OnMonthSelect) OnMonthSelect(this);
    } else if (id >= FirstYearCommand && id <= LastYearCommand) {
      Integer year = y + id - YearCommandBase;
      if (year >= 1 && year <= 9999) {
        Word day = std::min<Word>(d, MonthDayCount(m, static_cast<Word>(year)));
        thedate = EncodeDate(static_cast<Word>(year), m, day);
        seldate = thedate;
        BuildCaptionLabel(m, static_cast<Word>(year));
        ItemsChanged();
        DoYearChange(oldSel, seldate);
        if (OnYearSelect) OnYearSelect(this);
      }
    }
  }
  TCustomCalendarPanel::WMCommand(Message);
}

}  // namespace jorv::calendar
