// The calendar group's looks: every look property of the group is copied
// into every child, the names and navigation buttons go their own way, and
// the group has look presets of its own.
#include "calendar/AgendaCalendarGroup.h"

#include "foundation/ExImage.h"
#include "platform/gfx/Font.h"

namespace jorv::calendar {
using namespace jorv::foundation;

void TAgendaCalendarGroup::PropagateLook() {
  if (Loading() || FBuilding) return;
  for (Integer k = 0; k < CalendarCount(); ++k) {
    TAgendaCalendar* c = FCalendars[k];
    c->BeginUpdate();
    c->SetLook(FLook);
    c->SetDayFont(FDayFont.get());
    c->SetWeekFont(FWeekFont.get());
    c->SetGlyphs(FGlyphs.get());
    c->SetWeekName(FWeekName);
    c->SetTextColor(FTextColor);
    c->SetSelectColor(FSelectColor);
    c->SetSelectFontColor(FSelectFontColor);
    c->SetInActiveColor(FInactiveColor);
    c->SetHeaderColor(FHeaderColor);
    c->SetCaptionColor(FCaptionColor);
    c->SetCaptionTextColor(FCaptionTextColor);
    c->SetFocusColor(FFocusColor);
    c->SetInversColor(FInversColor);
    c->SetWeekendColor(FWeekendColor);
    c->SetShowSelection(FShowSelection);
    c->SetShowWeeks(FShowWeeks);
    c->SetEventHints(FEventHints);
    c->SetEventDayColor(EventDayColor());
    c->SetEventMarkerColor(EventMarkerColor());
    c->SetEventMarkerShape(EventMarkerShape());
    c->SetColor(Color());
    c->SetBevelInner(FBevelInner);
    c->SetBevelOuter(FBevelOuter);
    c->SetBorderStyle(FBorderStyle);
    c->SetBorderWidth(FBorderWidth);
    // Switching multi-selection off empties a child's selection; a look
    // change that leaves the switch as it is must not lose the selection.
    if (c->MultiSelect() != FMultiSelect) c->SetMultiSelect(FMultiSelect);
    c->SetMultiSelectCtrlKey(FMultiSelect);
    c->SetAllDaySelect(FAllDaySelect);
    c->SetWeekSelect(FWeekSelect);
    c->SetShowToday(FShowToday);
    c->SetShowHint(true);
    c->SetStartDay(FStartDay);
    c->SetLineColor(FLineColor);
    c->SetLine3D(FLine3D);
    c->SetReadOnly(FReadOnly);
    c->SetTodayStyle(FTodayStyle);
    c->SetEnable(FEnable);
    c->SetTodayLineColor(FTodayLineColor);
    c->SetGradientStartColor(FGradientStartColor);
    c->SetGradientEndColor(FGradientEndColor);
    c->SetGradientDirection(FGradientDirection);
    c->SetMonthGradientStartColor(FMonthGradientStartColor);
    c->SetMonthGradientEndColor(FMonthGradientEndColor);
    c->SetMonthGradientDirection(FMonthGradientDirection);
    c->SetHintPrevYear(FHintPrevYear);
    c->SetHintPrevMonth(FHintPrevMonth);
    c->SetHintNextMonth(FHintNextMonth);
    c->SetHintNextYear(FHintNextYear);
    c->SetDateSelectColor(FDateSelectColor);
    c->SetDateSelectBorderColor(FDateSelectBorderColor);
    c->SetDateHoverColor(FDateHoverColor);
    c->SetDateDownColor(FDateDownColor);
    c->SetYearStartAt(FYearStartAt.get());
    c->SetShowMonthSelector(FShowMonthSelector);
    c->SetShowYearSelector(FShowYearSelector);
    c->SetEventFont(EventFont());
    c->ApplyISOYearStart();
    ShowChildNames(c, k);
    c->SetBackground(FImage->Empty() ? nullptr : FImage.get());
    c->SetBackgroundPosition(FBackgroundPosition);
    // The child's own writes have asked for their repaints already.
    c->ResetUpdate();
  }
  Invalidate();
}

void TAgendaCalendarGroup::ShowChildNames(TAgendaCalendar* Child, Integer k) {
  // Copied name by name without the child's notices; the caption is
  // rebuilt once below. The locale switch stays the child's own.
  TNameOfDays* days = Child->NameOfDays();
  auto daysNotice = std::move(days->OnChange);
  days->OnChange = nullptr;
  days->SetMonday(FNameOfDays->Monday());
  days->SetTuesday(FNameOfDays->Tuesday());
  days->SetWednesday(FNameOfDays->Wednesday());
  days->SetThursday(FNameOfDays->Thursday());
  days->SetFriday(FNameOfDays->Friday());
  days->SetSaturday(FNameOfDays->Saturday());
  days->SetSunday(FNameOfDays->Sunday());
  days->OnChange = std::move(daysNotice);

  TNameOfMonths* months = Child->NameOfMonths();
  auto monthsNotice = std::move(months->OnChange);
  months->OnChange = nullptr;
  for (Integer m = 1; m <= 12; ++m) {
    const String& name = FNameOfMonths->GetMonth(m);
    switch (m) {
      case 1: months->SetJanuary(name); break;
      case 2: months->SetFebruary(name); break;
      case 3: months->SetMarch(name); break;
      case 4: months->SetApril(name); break;
      case 5: months->SetMay(name); break;
      case 6: months->SetJune(name); break;
      case 7: months->SetJuly(name); break;
      case 8: months->SetAugust(name); break;
      case 9: months->SetSeptember(name); break;
      case 10: months->SetOctober(name); break;
      case 11: months->SetNovember(name); break;
      default: months->SetDecember(name); break;
    }
  }
  months->OnChange = std::move(monthsNotice);
  Child->BuildCaptionLabel(Child->Month(), Child->Year());

  TCalendarBrowsers* b = Child->Browsers();
  bool rightEnd = k + 1 == FColCount;
  b->SetPrevMonth(FBrowsers->PrevMonth() && k == 0);
  b->SetPrevYear(FBrowsers->PrevYear() && k == 0);
  b->SetNextMonth(FBrowsers->NextMonth() && rightEnd);
  b->SetNextYear(FBrowsers->NextYear() && rightEnd);
  Child->Invalidate();
}

void TAgendaCalendarGroup::PropagateNames() {
  if (FBuilding) return;
  for (Integer k = 0; k < CalendarCount(); ++k) ShowChildNames(FCalendars[k], k);
  Invalidate();
}

// --- look properties that hold objects: copied, never taken over ---------------

void TAgendaCalendarGroup::SetDayFont(TFont* Value) {
  if (Value && Value != FDayFont.get()) FDayFont->Assign(Value);
  PropagateLook();
}

void TAgendaCalendarGroup::SetWeekFont(TFont* Value) {
  if (Value && Value != FWeekFont.get()) FWeekFont->Assign(Value);
  PropagateLook();
}

void TAgendaCalendarGroup::SetGlyphs(TCalGlyphs* Value) {
  if (Value && Value != FGlyphs.get()) FGlyphs->Assign(Value);
  PropagateLook();
}

void TAgendaCalendarGroup::SetBackground(TExImage* Value) {
  if (Value != FImage.get()) FImage->Assign(Value);
  PropagateLook();
}

void TAgendaCalendarGroup::SetYearStartAt(TYearStartAt* Value) {
  if (Value && Value != FYearStartAt.get()) FYearStartAt->Assign(Value);
  PropagateLook();
}

void TAgendaCalendarGroup::SetNameOfDays(TNameOfDays* Value) {
  if (Value && Value != FNameOfDays.get()) FNameOfDays->Assign(Value);
  PropagateNames();
}

void TAgendaCalendarGroup::SetNameOfMonths(TNameOfMonths* Value) {
  if (Value && Value != FNameOfMonths.get()) FNameOfMonths->Assign(Value);
  PropagateNames();
}

void TAgendaCalendarGroup::SetBrowsers(TCalendarBrowsers* Value) {
  if (Value && Value != FBrowsers.get()) FBrowsers->Assign(Value);
  PropagateNames();
}

void TAgendaCalendarGroup::SetColor(TColor Value) {
  TControl::SetColor(Value);
  PropagateLook();
}

void TAgendaCalendarGroup::SetEventMarkerColor(TColor Value) {
  TCustomCalendarPanel::SetEventMarkerColor(Value);
  PropagateLook();
}

void TAgendaCalendarGroup::SetEventMarkerShape(TEventShape Value) {
  TCustomCalendarPanel::SetEventMarkerShape(Value);
  PropagateLook();
}

void TAgendaCalendarGroup::SetEventDayColor(TColor Value) {
  TCustomCalendarPanel::SetEventDayColor(Value);
  PropagateLook();
}

// --- presets ----------------------------------------------------------------------

namespace {
constexpr TColor kKeep = static_cast<TColor>(0x7FFFFFFF);  // the preset leaves it alone

struct TGroupPreset {
  TColor Color;  // written first for psFlat, after the body gradient for psAvantGarde
  TColor GradientStart, GradientEnd;
  bool Vertical;  // both gradients turn vertical
  TColor MonthStart, MonthEnd;
  TColor InActive, DateSelect, DateSelectBorder, DateHover, DateDown, SelectFont;
  bool Line3D;
};

constexpr TColor clWhiteC = 0xFFFFFF;
constexpr TColor clBlackC = 0x000000;

// Indexed by TAgendaCalendarStyle; psOffice2003Classic and psCustom set
// nothing.
const TGroupPreset kPresets[] = {
    /* psWindowsXP */ {kKeep, clWhiteC, clBtnFace, false, clNone, clNone, clTeal, clHighlight,
                       clHighlight, clInfoBk, clHighlight, clWhiteC, true},
    /* psOffice2000 */ {kKeep, clBtnFace, clNone, false, clNone, clNone, clTeal, clHighlight,
                        clHighlight, clInfoBk, clHighlight, clBlackC, true},
    /* psOffice2003Blue */ {kKeep, 0xFCE1CB, 0xE0A57D, false, 0xFCE1CB, 0xE0A57D, clWhiteC,
                            0x71BFFF, 0x71BFFF, 0xC2EEFF, 0x087FE8, clWhiteC, false},
    /* psOffice2003Olive */ {kKeep, 0xCFF0EA, 0x8CC0B1, false, 0xCFF0EA, 0x8CC0B1, clWhiteC,
                             0x71BFFF, 0x71BFFF, 0xC2EEFF, 0x087FE8, clWhiteC, false},
    /* psOffice2003Silver */ {kKeep, 0xECE2E1, 0xB39698, false, 0xECE2E1, 0xB39698, clWhiteC,
                              0x71BFFF, 0x71BFFF, 0xC2EEFF, 0x087FE8, clWhiteC, false},
    /* psOffice2003Classic */ {},
    /* psFlat */ {clBtnFace, clBtnFace, clNone, false, clBtnFace, clNone, clWhiteC, clInfoBk,
                  clInfoBk, clNone, clNone, clBlackC, false},
    /* psAvantGarde */ {0xFFD9B3, 0xFFD9B3, clNone, false, 0x6580DA, 0xF807F1, clWhiteC,
                        clHighlight, clHighlight, clNone, clNone, clWhiteC, true},
    /* psWhidbey */ {kKeep, 0xF5F9FA, 0xA8C0C0, false, 0xF5F9FA, 0xA8C0C0, clGray, 0x71BFFF,
                     0x71BFFF, 0xC2EEFF, 0x087FE8, clWhiteC, false},
    /* psOffice2007Luna */ {kKeep, 0xFFF4E3, 0xEDD9C8, true, 0xFFEFE3, 0xFFD2AF, clWhiteC,
                            0xBBEEFF, 0xBBEEFF, 0x78DAFF, 0x087FE8, 0x723708, false},
    /* psOffice2007Obsidian */ {kKeep, 0xF1F0E6, 0xC6BCB5, true, 0xF2F1F0, 0xC9C2BD, clWhiteC,
                                0xBBEEFF, 0xBBEEFF, 0x78DAFF, 0x087FE8, 0x433C37, false},
    /* psCustom */ {},
    /* psOffice2007Silver */ {kKeep, 0xE7DCD5, 0xFBFAF0, true, 0xF8F7F6, 0xE8E0DB, clWhiteC,
                              0xBBEEFF, 0xBBEEFF, 0x78DAFF, 0x087FE8, 0x723708, false},
    /* psWindowsVista */ {kKeep, clWhiteC, clWhiteC, true, clWhiteC, clWhiteC, clWhiteC,
                          0xFEF9F0, 0xFEDF9A, 0xFFFDF9, 0xFBEDD3, 0x723708, false},
    /* psWindows7 */ {kKeep, clWhiteC, clWhiteC, true, clWhiteC, clWhiteC, clWhiteC, 0xFCEBDC,
                      0xCEA27D, 0xFDFBFA, 0xFDF3EB, 0x723708, false},
    /* psTerminal */ {kKeep, clBtnFace, clBtnFace, true, clBtnFace, clBtnFace, clWhiteC,
                      clHighlight, clGray, clSilver, clHighlight, clWhiteC, false},
    /* psOffice2010Blue */ {kKeep, 0xEDDBCD, 0xEDDBCD, true, 0xEDDBCD, 0xEDDBCD, 0xDEC1A9,
                            0xDEC1A9, clNone, 0xFFEBDB, 0xDEC1A9, 0x5B391E, false},
    /* psOffice2010Silver */ {kKeep, 0xEDE9E5, 0xEDE9E5, true, 0xEDE9E5, 0xEDE9E5, 0xDEC1A9,
                              0xDEC1A9, clNone, 0xEEDDCF, 0xDEC1A9, clBlackC, false},
    /* psOffice2010Black */ {kKeep, 0x828282, 0x828282, true, 0x828282, 0x828282, 0xA3A3A3,
                             0xDEC1A9, clNone, 0xEEDDCF, 0xDEC1A9, clBlackC, false},
    /* psWindows8 */ {kKeep, clWhiteC, clWhiteC, true, clWhiteC, clWhiteC, 0xF7F7F7, 0xDAA026,
                      0xE4A262, 0xF7EFE8, 0xE4A262, clWhiteC, false},
    /* psOffice2013White */ {kKeep, clWhiteC, clWhiteC, true, clWhiteC, clWhiteC, 0xF7F7F7,
                             0xDAA026, 0xE4A262, 0xF7EFE8, 0xE4A262, clWhiteC, false},
    /* psOffice2013LightGray */ {kKeep, clWhiteC, clWhiteC, true, clWhiteC, clWhiteC, 0xF7F7F7,
                                 0xDAA026, 0xE4A262, 0xF7EFE8, 0xE4A262, clWhiteC, false},
    /* psOffice2013Gray */ {kKeep, clWhiteC, clWhiteC, true, clWhiteC, clWhiteC, 0xF7F7F7,
                            0xDAA026, 0xE4A262, 0xF7EFE8, 0xE4A262, clWhiteC, false},
};
static_assert(sizeof(kPresets) / sizeof(kPresets[0]) == psOffice2013Gray + 1);
}  // namespace

void TAgendaCalendarGroup::SetStyle(TAgendaCalendarStyle Value) {
  FStyle = Value;
  if (Value != psOffice2003Classic && Value != psCustom && Value <= psOffice2013Gray) {
    const TGroupPreset& p = kPresets[Value];
    if (Value == psFlat) SetColor(p.Color);
    SetGradientStartColor(p.GradientStart);
    SetGradientEndColor(p.GradientEnd);
    if (p.Vertical) SetGradientDirection(gdVertical);
    if (Value == psAvantGarde) SetColor(p.Color);
    SetMonthGradientStartColor(p.MonthStart);
    SetMonthGradientEndColor(p.MonthEnd);
    if (p.Vertical) SetMonthGradientDirection(gdVertical);
    SetInActiveColor(p.InActive);
    SetDateSelectColor(p.DateSelect);
    SetDateSelectBorderColor(p.DateSelectBorder);
    SetDateHoverColor(p.DateHover);
    SetDateDownColor(p.DateDown);
    SetSelectFontColor(p.SelectFont);
    SetLine3D(p.Line3D);
  }
  PropagateLook();
  UpdateDates();
}

void STDMETHODCALLTYPE TAgendaCalendarGroup::SetComponentStyle(TZVQStyle AStyle) {
  TAgendaCalendarStyle preset;
  if (AgendaCalendarStyleOfZVQStyle(AStyle, preset)) SetStyle(preset);
}

HRESULT STDMETHODCALLTYPE TAgendaCalendarGroup::QueryInterface(REFIID iid, void** obj) {
  return QueryComponentInterface<IZVQStyle>(this, iid, obj);
}

// --- following the desktop ---------------------------------------------------------

void TAgendaCalendarGroup::ThemeAdapt() {
  SetStyle(AgendaCalendarStyleOfThemeKind(CurrentXPThemeKind()));
}

void TAgendaCalendarGroup::SetAutoThemeAdapt(bool Value) {
  FAutoThemeAdapt = Value;
  if (Value && !Designing()) ThemeAdapt();
}

void TAgendaCalendarGroup::WndProc(TMessage& Message) {
  if (FAutoThemeAdapt && (Message.Msg == WM_THEMECHANGED || Message.Msg == CM_SYSFONTCHANGED))
    ThemeAdapt();
  TCustomCalendarPanel::WndProc(Message);
}

}  // namespace jorv::calendar
