#pragma once
// A panel of ColCount x RowCount month calendars on consecutive months that
// behave as one calendar: one event list shown by every child, one selection
// spread over the children by month, one set of looks copied into every
// child, cursor keys handed from one child to the next, and two splitter
// bars by which the user drags the group to more or fewer columns and rows.
#include <memory>
#include <vector>

#include "calendar/AgendaCalendar.h"
#include "foundation/ZVQStyle.h"

namespace jorv {
class TPanel;
}
namespace jorv::calendar {
using namespace jorv::foundation;


class TAgendaCalendarGroup : public TCustomCalendarPanel, public IZVQStyle {
 public:
  explicit TAgendaCalendarGroup(TComponent* AOwner);
  ~TAgendaCalendarGroup() override;

  // --- structure --------------------------------------------------------
  // Values <= 0 keep the current one, so the group always has children and
  // the fitting to its size never divides by zero.
  void ModifyGroup(Integer Cols, Integer Rows, Integer CalendarWidth, Integer CalendarHeight);
  Integer ColCount() const { return FColCount; }
  void SetColCount(Integer Value);
  Integer RowCount() const { return FRowCount; }
  void SetRowCount(Integer Value);
  Integer CalendarWidth() const { return FCalendarWidth; }
  void SetCalendarWidth(Integer Value);
  Integer CalendarHeight() const { return FCalendarHeight; }
  void SetCalendarHeight(Integer Value);
  Integer MonthCount() const { return FRowCount * FColCount; }
  Byte SpliterV() const { return fspliterV; }
  void SetSpliterV(Byte Value);
  Byte SpliterH() const { return fspliterH; }
  void SetSpliterH(Byte Value);
  TColor SplitterColor() const { return FSplitterColor; }
  void SetSplitterColor(TColor Value);
  bool SplitterBevel() const { return FSPlitterBevel; }
  void SetSplitterBevel(bool Value);
  // The group panel's own; both rebuild the children (also while loading).
  void SetBevelWidth(TBevelWidth Value);
  void SetBorderWidth(TBorderWidth Value);
  // Copied into every child's font; rebuilds unless loading.
  void SetFont(TFont* Value);

  // The children, row by row from the top.
  Integer CalendarCount() const { return static_cast<Integer>(FCalendars.size()); }
  TAgendaCalendar* Calendars(Integer Index) const { return FCalendars.at(Index); }
  TPanel* ResizeHorizontal() const { return FResizeHorizontal; }
  TPanel* ResizeVertical() const { return FResizeVertical; }

  // --- dates ------------------------------------------------------------
  Integer StartMonth() const { return FStartMonth; }
  void SetStartMonth(Integer Value);
  Integer StartYear() const { return FStartYear; }
  void SetStartYear(Integer Value);
  Word Day() const { return FDay; }
  void SetDay(Word Value);
  // Child 0's month and year (the stored ones while there is no child).
  Word Month() const;
  void SetMonth(Word Value);
  Word Year() const;
  void SetYear(Word Value);

  TSelDateItems* Events() const { return FEventCol.get(); }
  void SetEvents(TSelDateItems* Value);
  // Rebuilt from the children's selections on every read.
  TSelDateItems* Dates();
  void SetDates(TSelDateItems* Value);
  TDateTime Date();
  void SetDate(TDateTime Value);
  void UpdateDates();
  TDateTime FirstDate() const;
  TDateTime LastDate() const;

  String Version() const;
  void SetVersion(const String&) {}
  // The date under a group-relative point.
  bool DateAtXY(Integer X, Integer Y, TDateTime& ADate);

  // --- looks (copied into every child) -----------------------------------
  TAgendaCalendarStyle Style() const { return FStyle; }
  void SetStyle(TAgendaCalendarStyle Value);
  // The preset of the same name; tsCustom changes nothing.
  void STDMETHODCALLTYPE SetComponentStyle(TZVQStyle AStyle) override;
  // The look interface without reference counting: the owner frees the
  // group.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** obj) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ULONG(-1); }
  ULONG STDMETHODCALLTYPE Release() override { return ULONG(-1); }
  bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
  void SetAutoThemeAdapt(bool Value);

  TAgendaCalendarLook Look() const { return FLook; }
  void SetLook(TAgendaCalendarLook v) { SetLookValue(FLook, v); }
  // The panel's own colour change, then the children.
  void SetColor(TColor Value);
  TColor TextColor() const { return FTextColor; }
  void SetTextColor(TColor v) { SetLookValue(FTextColor, v); }
  TColor SelectColor() const { return FSelectColor; }
  void SetSelectColor(TColor v) { SetLookIfChanged(FSelectColor, v); }
  TColor SelectFontColor() const { return FSelectFontColor; }
  void SetSelectFontColor(TColor v) { SetLookIfChanged(FSelectFontColor, v); }
  TColor InActiveColor() const { return FInactiveColor; }
  void SetInActiveColor(TColor v) { SetLookValue(FInactiveColor, v); }
  TColor HeaderColor() const { return FHeaderColor; }
  void SetHeaderColor(TColor v) { SetLookValue(FHeaderColor, v); }
  TColor FocusColor() const { return FFocusColor; }
  void SetFocusColor(TColor v) { SetLookValue(FFocusColor, v); }
  TColor InversColor() const { return FInversColor; }
  void SetInversColor(TColor v) { SetLookValue(FInversColor, v); }
  TColor WeekendColor() const { return FWeekendColor; }
  void SetWeekendColor(TColor v) { SetLookValue(FWeekendColor, v); }
  TColor CaptionColor() const { return FCaptionColor; }
  void SetCaptionColor(TColor v) { SetLookIfChanged(FCaptionColor, v); }
  TColor CaptionTextColor() const { return FCaptionTextColor; }
  void SetCaptionTextColor(TColor v) { SetLookValue(FCaptionTextColor, v); }
  TColor LineColor() const { return FLineColor; }
  void SetLineColor(TColor v) { SetLookIfChanged(FLineColor, v); }
  bool Line3D() const { return FLine3D; }
  void SetLine3D(bool v) { SetLookValue(FLine3D, v); }
  TGradientDirection GradientDirection() const { return FGradientDirection; }
  void SetGradientDirection(TGradientDirection v) { SetLookValue(FGradientDirection, v); }
  TColor GradientStartColor() const { return FGradientStartColor; }
  void SetGradientStartColor(TColor v) { SetLookValue(FGradientStartColor, v); }
  TColor GradientEndColor() const { return FGradientEndColor; }
  void SetGradientEndColor(TColor v) { SetLookValue(FGradientEndColor, v); }
  TGradientDirection MonthGradientDirection() const { return FMonthGradientDirection; }
  void SetMonthGradientDirection(TGradientDirection v) { SetLookValue(FMonthGradientDirection, v); }
  TColor MonthGradientStartColor() const { return FMonthGradientStartColor; }
  void SetMonthGradientStartColor(TColor v) { SetLookValue(FMonthGradientStartColor, v); }
  TColor MonthGradientEndColor() const { return FMonthGradientEndColor; }
  void SetMonthGradientEndColor(TColor v) { SetLookValue(FMonthGradientEndColor, v); }
  TColor DateSelectColor() const { return FDateSelectColor; }
  void SetDateSelectColor(TColor v) { SetLookValue(FDateSelectColor, v); }
  TColor DateSelectBorderColor() const { return FDateSelectBorderColor; }
  void SetDateSelectBorderColor(TColor v) { SetLookValue(FDateSelectBorderColor, v); }
  // Stored only: the children take them at the next propagation.
  TColor DateHoverColor() const { return FDateHoverColor; }
  void SetDateHoverColor(TColor v) { FDateHoverColor = v; }
  TColor DateDownColor() const { return FDateDownColor; }
  void SetDateDownColor(TColor v) { FDateDownColor = v; }
  TTodayStyle TodayStyle() const { return FTodayStyle; }
  void SetTodayStyle(TTodayStyle v) { SetLookValue(FTodayStyle, v); }
  TColor TodayLineColor() const { return FTodayLineColor; }
  void SetTodayLineColor(TColor v) { SetLookValue(FTodayLineColor, v); }
  bool ShowToday() const { return FShowToday; }
  void SetShowToday(bool v) { SetLookValue(FShowToday, v); }
  bool ShowSelection() const { return FShowSelection; }
  void SetShowSelection(bool v) { SetLookIfChanged(FShowSelection, v); }
  bool ShowWeeks() const { return FShowWeeks; }
  void SetShowWeeks(bool v) { SetLookIfChanged(FShowWeeks, v); }
  bool ShowMonthSelector() const { return FShowMonthSelector; }
  void SetShowMonthSelector(bool v) { SetLookValue(FShowMonthSelector, v); }
  bool ShowYearSelector() const { return FShowYearSelector; }
  void SetShowYearSelector(bool v) { SetLookValue(FShowYearSelector, v); }
  bool EventHints() const { return FEventHints; }
  void SetEventHints(bool v) { SetLookValue(FEventHints, v); }
  bool MultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool v) { SetLookValue(FMultiSelect, v); }
  bool AllDaySelect() const { return FAllDaySelect; }
  void SetAllDaySelect(bool v) { SetLookValue(FAllDaySelect, v); }
  bool WeekSelect() const { return FWeekSelect; }
  void SetWeekSelect(bool v) { SetLookValue(FWeekSelect, v); }
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool v) { SetLookIfChanged(FReadOnly, v); }
  bool Enable() const { return FEnable; }
  void SetEnable(bool v) { SetLookValue(FEnable, v); }
  Integer StartDay() const { return FStartDay; }
  void SetStartDay(Integer v) { SetLookValue(FStartDay, v); }
  const String& WeekName() const { return FWeekName; }
  void SetWeekName(const String& v) { SetLookValue(FWeekName, v); }
  const String& HintPrevYear() const { return FHintPrevYear; }
  void SetHintPrevYear(const String& v) { SetLookValue(FHintPrevYear, v); }
  const String& HintPrevMonth() const { return FHintPrevMonth; }
  void SetHintPrevMonth(const String& v) { SetLookValue(FHintPrevMonth, v); }
  const String& HintNextMonth() const { return FHintNextMonth; }
  void SetHintNextMonth(const String& v) { SetLookValue(FHintNextMonth, v); }
  const String& HintNextYear() const { return FHintNextYear; }
  void SetHintNextYear(const String& v) { SetLookValue(FHintNextYear, v); }
  TBackGroundPosition BackgroundPosition() const { return FBackgroundPosition; }
  void SetBackgroundPosition(TBackGroundPosition v) { SetLookValue(FBackgroundPosition, v); }
  TBevelCut CalendarBevelInner() const { return FBevelInner; }
  void SetCalendarBevelInner(TBevelCut v) { SetLookValue(FBevelInner, v); }
  TBevelCut CalendarBevelOuter() const { return FBevelOuter; }
  void SetCalendarBevelOuter(TBevelCut v) { SetLookValue(FBevelOuter, v); }
  TBorderStyle CalendarBorderStyle() const { return FBorderStyle; }
  void SetCalendarBorderStyle(TBorderStyle v) { SetLookValue(FBorderStyle, v); }
  Integer CalendarBorderWidth() const { return FBorderWidth; }
  void SetCalendarBorderWidth(Integer v) { SetLookValue(FBorderWidth, v); }
  // Stored only: every child keeps its own bevel width.
  Integer CalendarBevelWidth() const { return FBevelWidth; }
  void SetCalendarBevelWidth(Integer v) { FBevelWidth = v; }
  void SetEventMarkerColor(TColor Value);
  void SetEventMarkerShape(TEventShape Value);
  void SetEventDayColor(TColor Value);

  // Settings objects; writes copy into the group's own.
  TFont* DayFont() const { return FDayFont.get(); }
  void SetDayFont(TFont* Value);
  TFont* WeekFont() const { return FWeekFont.get(); }
  void SetWeekFont(TFont* Value);
  TCalGlyphs* Glyphs() const { return FGlyphs.get(); }
  void SetGlyphs(TCalGlyphs* Value);
  TExImage* Background() const { return FImage.get(); }
  void SetBackground(TExImage* Value);
  TYearStartAt* YearStartAt() const { return FYearStartAt.get(); }
  void SetYearStartAt(TYearStartAt* Value);
  TNameOfDays* NameOfDays() const { return FNameOfDays.get(); }
  void SetNameOfDays(TNameOfDays* Value);
  TNameOfMonths* NameOfMonths() const { return FNameOfMonths.get(); }
  void SetNameOfMonths(TNameOfMonths* Value);
  TCalendarBrowsers* Browsers() const { return FBrowsers.get(); }
  void SetBrowsers(TCalendarBrowsers* Value);

  // --- events -----------------------------------------------------------
  // The children call through these when they fire, so a handler assigned
  // at any time is heard at once.
  TDaySelectEvent OnDaySelect;
  TNotifyEvent OnMonthSelect;
  TNotifyEvent OnYearSelect;
  TGetDateEvent OnGetDateHint;
  TGetDateEventHint OnGetDateHintString;
  TDateChangeEvent OnDateChange;
  TDateChangeEvent OnMonthChange;
  TDateChangeEvent OnYearChange;
  TDateChangeEvent OnDayChange;
  TCancelledChangeEvent OnCancelledChange;
  TNotifyEvent OnWeekSelect;
  TNotifyEvent OnAllDaySelect;
  // Reaches the children at the next rebuild.
  TCellDrawEvent OnCellDraw;

  // --- relays of the children's notifications -----------------------------
  virtual void CalendarMouseMove(TObject* Sender, TShiftState Shift, Integer X, Integer Y);
  virtual void CalendarMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift,
                                 Integer X, Integer Y);
  virtual void CalendarMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift,
                               Integer X, Integer Y);
  virtual void CalendarDragOver(TObject* Sender, TObject* Source, Integer X, Integer Y,
                                TDragState State, bool& Accept);
  virtual void CalendarDragDrop(TObject* Sender, TObject* Source, Integer X, Integer Y);
  virtual void DoDaySelect(TDateTime SelDate);

  void ItemsChanged() override;
  void InvalidateDate(TDateTime ADate) override;
  void EventFontChanged() override;
  void Loaded() override;
  void WndProc(TMessage& Message) override;

 protected:
  void Resize() override;
  void WMSetFocus(TWMSetFocus& Message) override;
  void CreateWnd() override;
  void FontChanged() override;

  void RebuildCalendars();
  void RedateCalendars();
  void HookCalendarEvents();
  void PropagateLook();
  void PropagateNames();
  void FitGridToSize();
  void ThemeAdapt();

  void CalendarDaySelect(TObject* Sender, TDateTime SelDate);
  void CalendarDayChange(TObject* Sender, TDateTime origDate, TDateTime newDate);
  void CalendarMonthChange(TObject* Sender, TDateTime origDate, TDateTime newDate);
  void CalendarWeekSelect(TObject* Sender);
  void CalendarKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
  void CalendarKeyUp(TObject* Sender, Word& Key, TShiftState Shift);
  void CalendarDblClick(TObject* Sender);
  void HandOverKey(TObject* Sender, Word Key);

 private:
  template <class T, class V>
  void SetLookValue(T& field, const V& value) {
    field = value;
    PropagateLook();
  }
  template <class T, class V>
  void SetLookIfChanged(T& field, const V& value) {
    if (field == value) return;
    field = value;
    PropagateLook();
  }
  bool Loading() const { return ComponentState().Contains(csLoading); }
  bool Designing() const { return ComponentState().Contains(csDesigning); }
  Integer IndexOfCalendar(TObject* Sender) const;
  void FreeCalendars();
  void SetCalendarsUpdating(bool Updating);
  // Border plus bevel of the group panel on each side.
  Integer Frame() const { return BevelWidth() + BorderWidth(); }
  void SizeToGrid();
  void PlaceSplitters();
  TPanel* MakeSplitter(TCursor ACursor);
  void SplitterMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, Integer X,
                         Integer Y);
  void SplitterMouseMove(TObject* Sender, TShiftState Shift, Integer X, Integer Y);
  void SplitterMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, Integer X,
                       Integer Y);
  // Day, Month and Year writes: an impossible date tells the user and
  // changes nothing.
  void MoveTo(Word year, Word month, Word day);
  void GoToDate(TDateTime d);
  void DateStartsChanged(Word month, Word year);
  void ShowChildNames(TAgendaCalendar* Child, Integer k);
  void CopyEventsInto(TAgendaCalendar* Child);

  std::unique_ptr<TExImage> FImage;
  TBackGroundPosition FBackgroundPosition = bpTiled;
  std::vector<TAgendaCalendar*> FCalendars;
  Integer FColCount = 2;
  Integer FRowCount = 1;
  TPanel* FResizeVertical = nullptr;
  TPanel* FResizeHorizontal = nullptr;
  Byte fspliterV = 2;
  Byte fspliterH = 2;
  bool FLetResize = false;
  Integer FCalendarWidth = 180;
  Integer FCalendarHeight = 180;
  Integer FStartMonth = 1;
  Integer FStartYear = 2000;
  bool Fctltdown = false;
  Word FDay = 1;
  Word FMonth = 1;
  Word FYear = 2000;
  TAgendaCalendarLook FLook = lookFlat;
  std::unique_ptr<TFont> FDayFont;
  std::unique_ptr<TFont> FWeekFont;
  String FWeekName;
  TColor FTextColor = clBlack;
  TColor FSelectColor = clTeal;
  TColor FSelectFontColor = clWhite;
  TColor FInactiveColor = clGray;
  TColor FHeaderColor = clBtnFace;
  TColor FFocusColor = clHighlight;
  TColor FInversColor = clWhite;
  TColor FWeekendColor = clRed;
  std::unique_ptr<TNameOfDays> FNameOfDays;
  std::unique_ptr<TNameOfMonths> FNameOfMonths;
  bool FShowSelection = true;
  bool FShowWeeks = false;
  bool FEventHints = false;
  bool FSPlitterBevel = true;
  TColor FSplitterColor = clBtnFace;
  Integer FBevelWidth = 0;
  TBorderStyle FBorderStyle = bsNone;
  Integer FBorderWidth = 1;
  TBevelCut FBevelOuter = bvRaised;
  TBevelCut FBevelInner = bvNone;
  bool FMultiSelect = false;
  bool FShowToday = false;
  std::unique_ptr<TSelDateItems> FEventCol;
  std::unique_ptr<TSelDateItems> FDates;
  bool FAllDaySelect = false;
  bool FWeekSelect = false;
  TColor FCaptionColor = clNone;
  Integer FStartDay = 7;
  TColor FLineColor = clSilver;
  bool FLine3D = true;
  TGradientDirection FGradientDirection = gdVertical;
  TColor FGradientStartColor = clWhite;
  TColor FGradientEndColor = clBtnFace;
  TGradientDirection FMonthGradientDirection = gdHorizontal;
  TColor FMonthGradientStartColor = clNone;
  TColor FMonthGradientEndColor = clNone;
  std::unique_ptr<TCalendarBrowsers> FBrowsers;
  String FHintNextMonth;
  String FHintNextYear;
  String FHintPrevYear;
  String FHintPrevMonth;
  std::unique_ptr<TCalGlyphs> FGlyphs;
  TColor FCaptionTextColor = clBlack;
  TDateTime FLastDay = 0;
  std::unique_ptr<TYearStartAt> FYearStartAt;
  TAgendaCalendarStyle FStyle = psWindowsXP;
  TColor FDateSelectColor = clTeal;
  TColor FDateSelectBorderColor = clTeal;
  TColor FDateHoverColor = clNone;
  TColor FDateDownColor = clNone;
  bool FAutoThemeAdapt = false;
  bool FShowMonthSelector = true;
  bool FShowYearSelector = true;
  TTodayStyle FTodayStyle = tsSunken;
  TColor FTodayLineColor = clBlack;
  bool FEnable = true;
  bool FReadOnly = false;
  // Set while the children are built, so that nothing they report during
  // construction reaches the group half made.
  bool FBuilding = false;
};

}  // namespace jorv::calendar
