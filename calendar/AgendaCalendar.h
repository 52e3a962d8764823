#pragma once
// The month calendar: one month as seven columns and six rows of days, with
// a caption, navigation buttons, optional week numbers and a today line.
// This header holds the model (dates, bounds, selection, events and the
// properties that shape the look); layout and painting, input and looks
// live in their own source files and use the state declared here.
#include <functional>
#include <memory>

#include "calendar/AgendaCalendarStyle.h"
#include "calendar/CalendarSettings.h"
#include "calendar/CustomCalendarPanel.h"
#include "foundation/ExImage.h"
#include "foundation/ThemeNotifier.h"

namespace jorv {
class TCanvas;
}
namespace jorv::calendar {
using namespace jorv::foundation;


enum TAgendaCalendarLook : uint8_t { lookFlat, look3D };
enum TTodayStyle : uint8_t { tsSunken, tsRaised, tsFlat };
enum TGradientDirection : uint8_t { gdHorizontal, gdVertical };
enum TBackGroundPosition : uint8_t {
  bpTopLeft, bpTopRight, bpBottomLeft, bpBottomRight, bpTiled, bpStretched, bpCenter
};

using TDaySelectEvent = std::function<void(TObject* Sender, TDateTime SelDate)>;
using TDateChangeEvent =
    std::function<void(TObject* Sender, TDateTime origDate, TDateTime newDate)>;
using TGetDateEvent = std::function<void(TObject* Sender, TDateTime dt, bool& isEvent)>;
using TGetDateEventHint =
    std::function<void(TObject* Sender, TDateTime dt, bool& isEvent, String& EventHint)>;
// The handler may change the item's looks; an item it puts in its place is
// ignored.
using TEventPropEvent =
    std::function<void(TObject* Sender, TDateTime dt, TSelDateItem*& Event)>;
using TCancelledChangeEvent = std::function<void(TObject* Sender, TDateTime CancelledDate)>;
using TCancelledKeyEvent = std::function<void(TObject* Sender, Word Key)>;
using TDateRangeEvent =
    std::function<void(TObject* Sender, TDateTime StartDate, TDateTime EndDate)>;
using TCellDrawEvent =
    std::function<void(TObject* Sender, TCanvas* Canvas, TDate Day, bool Selected,
                       bool Marked, bool InMonth, TRect& Rect)>;

class TAgendaCalendar : public TCustomCalendarPanel, public IZVQStyle {
 public:
  explicit TAgendaCalendar(TComponent* AOwner);
  ~TAgendaCalendar() override;

  // --- the selected date --------------------------------------------------
  TDateTime Date() const { return seldate; }
  void SetDate(TDateTime Value);
  // Shows and selects ye-mo-da (midnight); sends no event.
  void SetDate(Word da, Word mo, Word ye);
  void GetDate(Word& da, Word& mo, Word& ye) const;
  Word Day() const;
  Word Month() const;
  Word Year() const;
  // A day of 0 or past the month's end becomes 1. An impossible date fails
  // with "Invalid date d/m/y", except while loading, when it is dropped.
  void SetDay(Word Value);
  void SetMonth(Word Value);
  void SetYear(Word Value);

  // The selection, sorted by date when read.
  TSelDateItems* Dates();
  void SetDates(TSelDateItems* Value);
  TSelDateItems* Events() const { return EventCol.get(); }
  void SetEvents(TSelDateItems* Value);
  // The sorted selection as short-date texts, runs of days joined by "-".
  String DatesAsText();

  // Move the view; no events (callers follow with FireDateChanges).
  void ChangeMonth(Integer dx);
  void ChangeYear(Integer dx);

  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  void ResetUpdate() { FUpdateCount = 0; }
  Integer UpdateCount() const { return FUpdateCount; }

  // First and last date the grid shows (with the adjacent months' days
  // when those are shown).
  TDateTime FirstDate() const;
  TDateTime LastDate() const;
  // Grid column (1..7) and row (1..6) of a date in the shown month's grid.
  TPoint DateToXY(TDateTime dt) const;

  // --- layout and input: the grid as the pointer sees it --------------------
  // The day under client point (x, y); False outside the day grid and on
  // adjacent-month days that are not shown.
  bool DateAtXY(Integer x, Integer y, TDateTime& ADate);
  // The day under a point whose x is measured from the grid's left edge;
  // with AllowChange a day of a shown adjacent month moves the view there.
  TDateTime PointToDate(Integer x, Integer y, bool AllowChange);
  // Whether a date may be reached from the shown month: days of earlier or
  // later months only when those days are shown.
  bool IsMonthAllowed(TDateTime dt) const;

  // --- internal operations the painting, input and group code share ------
  virtual void FireDateChanges(TDateTime origDate, TDateTime newDate);
  bool DateInBounds(TDateTime dt) const;
  bool MonthInBounds(TDateTime dt) const;
  TDateTime NeighbourMonthDate(Integer n) const;
  TDateTime NeighbourYearDate(Integer n);
  void BuildCaptionLabel(Word month, Word year);
  // The ISO year starts for the year of the selected date, when in use.
  void ApplyISOYearStart();
  // Week number beside grid row 1..6 of the shown month.
  Integer WeekNumberOfRow(Integer row) const;
  TDateTime CursorDate() const { return thedate; }
  const String& CaptionLabel() const { return labels; }

  // --- virtual operations -------------------------------------------------
  virtual void DoMonthChange(TDateTime origDate, TDateTime newDate);
  virtual void DoYearChange(TDateTime origDate, TDateTime newDate);
  virtual void DoRangeSelect(TDateTime StartDate, TDateTime EndDate);
  virtual bool IsInactiveDay(TDateTime dt);
  virtual void DoDaySelect(TDateTime SelDate);
  virtual bool HasEvent(TDateTime dt, TSelDateItem*& EventItem);

  void ItemsChanged() override;
  void InvalidateDate(TDateTime ADate) override;
  void Loaded() override;

  // --- settings objects ---------------------------------------------------
  TNameOfDays* NameOfDays() const { return FNameOfDays.get(); }
  TNameOfMonths* NameOfMonths() const { return FNameOfMonths.get(); }
  TYearStartAt* YearStartAt() const { return FYearStartAt.get(); }
  void SetYearStartAt(TYearStartAt* Value) { if (Value) FYearStartAt->Assign(Value); }
  TMinMaxDate* MinDate() const { return FMinDate.get(); }
  void SetMinDate(TMinMaxDate* Value) { if (Value) FMinDate->Assign(Value); }
  TMinMaxDate* MaxDate() const { return FMaxDate.get(); }
  void SetMaxDate(TMinMaxDate* Value) { if (Value) FMaxDate->Assign(Value); }
  TCalendarBrowsers* Browsers() const { return FBrowsers.get(); }
  void SetBrowsers(TCalendarBrowsers* Value) { if (Value) FBrowsers->Assign(Value); }
  TCalGlyphs* Glyphs() const { return FGlyphs.get(); }
  void SetGlyphs(TCalGlyphs* Value) { if (Value) FGlyphs->Assign(Value); }
  TWeekDays* InActiveDays() const { return FInActiveDays.get(); }
  void SetInActiveDays(TWeekDays* Value) { if (Value) FInActiveDays->Assign(Value); }
  // The picture behind the days; an empty one leaves the gradients.
  TExImage* Background() const { return FBackground.get(); }
  // Copies the picture (nullptr empties it) and repaints.
  void SetBackground(TExImage* Value);
  TFont* DayFont() const { return FDayFont.get(); }
  void SetDayFont(TFont* Value);
  TFont* WeekFont() const { return FWeekFont.get(); }
  void SetWeekFont(TFont* Value);

  // --- published switches and colours -------------------------------------
  bool AllDaySelect() const { return FAllDaySelect; }
  void SetAllDaySelect(bool v) { FAllDaySelect = v; }
  bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
  void SetAutoThemeAdapt(bool v);
  TBackGroundPosition BackgroundPosition() const { return FBackgroundPosition; }
  void SetBackgroundPosition(TBackGroundPosition v) { StoreAndRepaint(FBackgroundPosition, v); }
  bool BorderXP() const { return FBorderXP; }
  void SetBorderXP(bool v) { StoreAndRepaint(FBorderXP, v); }
  bool Caption3D() const { return FCaption3D; }
  void SetCaption3D(bool v) { StoreAndRepaint(FCaption3D, v); }
  TColor CaptionColor() const { return FCaptionColor; }
  void SetCaptionColor(TColor v) { if (v != FCaptionColor) StoreAndRepaint(FCaptionColor, v); }
  TColor CaptionTextColor() const { return FCaptionTextColor; }
  void SetCaptionTextColor(TColor v) { StoreAndRepaint(FCaptionTextColor, v); }
  TColor DateDownColor() const { return FDateDownColor; }
  void SetDateDownColor(TColor v) { FDateDownColor = v; }
  TColor DateHoverColor() const { return FDateHoverColor; }
  void SetDateHoverColor(TColor v) { FDateHoverColor = v; }
  TColor DateSelectColor() const { return FDateSelectColor; }
  void SetDateSelectColor(TColor v) { StoreAndRepaint(FDateSelectColor, v); }
  TColor DateSelectBorderColor() const { return FDateSelectBorderColor; }
  void SetDateSelectBorderColor(TColor v) { StoreAndRepaint(FDateSelectBorderColor, v); }
  bool Enable() const { return FEnable; }
  void SetEnable(bool v) { FEnable = v; }
  bool EventHints() const { return FEventHints; }
  void SetEventHints(bool v) { FEventHints = v; }
  TColor FocusColor() const { return FFocusColor; }
  void SetFocusColor(TColor v) { StoreAndRepaint(FFocusColor, v); }
  TGradientDirection GradientDirection() const { return FGradientDirection; }
  void SetGradientDirection(TGradientDirection v) { StoreAndRepaint(FGradientDirection, v); }
  TColor GradientStartColor() const { return FGradientStartColor; }
  void SetGradientStartColor(TColor v) { StoreAndRepaint(FGradientStartColor, v); }
  TColor GradientEndColor() const { return FGradientEndColor; }
  void SetGradientEndColor(TColor v) { StoreAndRepaint(FGradientEndColor, v); }
  TColor HeaderColor() const { return FHeaderColor; }
  void SetHeaderColor(TColor v) { StoreAndRepaint(FHeaderColor, v); }
  const String& HintNextMonth() const { return FHintNextMonth; }
  void SetHintNextMonth(const String& v) { FHintNextMonth = v; }
  const String& HintNextYear() const { return FHintNextYear; }
  void SetHintNextYear(const String& v) { FHintNextYear = v; }
  const String& HintPrevMonth() const { return FHintPrevMonth; }
  void SetHintPrevMonth(const String& v) { FHintPrevMonth = v; }
  const String& HintPrevYear() const { return FHintPrevYear; }
  void SetHintPrevYear(const String& v) { FHintPrevYear = v; }
  TColor InActiveColor() const { return FInActiveColor; }
  void SetInActiveColor(TColor v) { StoreAndRepaint(FInActiveColor, v); }
  TColor InversColor() const { return FInversColor; }
  void SetInversColor(TColor v) { StoreAndRepaint(FInversColor, v); }
  bool Line3D() const { return FLine3D; }
  void SetLine3D(bool v) { StoreAndRepaint(FLine3D, v); }
  TColor LineColor() const { return FLineColor; }
  void SetLineColor(TColor v) { StoreAndRepaint(FLineColor, v); }
  TAgendaCalendarLook Look() const { return FLook; }
  void SetLook(TAgendaCalendarLook v) { StoreAndRepaint(FLook, v); }
  TGradientDirection MonthGradientDirection() const { return FMonthGradientDirection; }
  void SetMonthGradientDirection(TGradientDirection v) { StoreAndRepaint(FMonthGradientDirection, v); }
  TColor MonthGradientStartColor() const { return FMonthGradientStartColor; }
  void SetMonthGradientStartColor(TColor v) { StoreAndRepaint(FMonthGradientStartColor, v); }
  TColor MonthGradientEndColor() const { return FMonthGradientEndColor; }
  void SetMonthGradientEndColor(TColor v) { StoreAndRepaint(FMonthGradientEndColor, v); }
  bool MultiSelect() const { return FMultiSelect; }
  // False clears the selection.
  void SetMultiSelect(bool v);
  bool MultiSelectCtrlKey() const { return FMultiSelectCtrlKey; }
  void SetMultiSelectCtrlKey(bool v) { FMultiSelectCtrlKey = v; }
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool v) { FReadOnly = v; }
  bool ReturnIsSelect() const { return FReturnIsSelect; }
  void SetReturnIsSelect(bool v) { FReturnIsSelect = v; }
  bool RightClickSelect() const { return FRightClickSelect; }
  void SetRightClickSelect(bool v) { FRightClickSelect = v; }
  TColor SelectColor() const { return FSelectColor; }
  void SetSelectColor(TColor v) { StoreAndRepaint(FSelectColor, v); }
  TColor SelectFontColor() const { return FSelectFontColor; }
  void SetSelectFontColor(TColor v) { StoreAndRepaint(FSelectFontColor, v); }
  bool ShowDaysAfter() const { return FShowDaysAfter; }
  void SetShowDaysAfter(bool v) { StoreAndRepaint(FShowDaysAfter, v); }
  bool ShowDaysBefore() const { return FShowDaysBefore; }
  void SetShowDaysBefore(bool v) { StoreAndRepaint(FShowDaysBefore, v); }
  bool ShowGotoToday() const { return FShowGotoToday; }
  void SetShowGotoToday(bool v) { StoreAndRepaint(FShowGotoToday, v); }
  bool ShowMonthSelector() const { return FShowMonthSelector; }
  void SetShowMonthSelector(bool v) { FShowMonthSelector = v; }
  bool ShowYearSelector() const { return FShowYearSelector; }
  void SetShowYearSelector(bool v) { FShowYearSelector = v; }
  bool ShowSelection() const { return FShowSelection; }
  void SetShowSelection(bool v) { StoreAndRepaint(FShowSelection, v); }
  bool ShowToday() const { return FShowToday; }
  void SetShowToday(bool v) { StoreAndRepaint(FShowToday, v); }
  bool ShowWeeks() const { return FShowWeeks; }
  void SetShowWeeks(bool v);
  // 1 = Monday .. 7 = Sunday in the first column; other values are clamped.
  Integer StartDay() const { return FStartDay; }
  void SetStartDay(Integer v);
  TColor TextColor() const { return FTextColor; }
  void SetTextColor(TColor v) { StoreAndRepaint(FTextColor, v); }
  const String& TodayFormat() const { return FTodayFormat; }
  void SetTodayFormat(const String& v) { StoreAndRepaint(FTodayFormat, v); }
  TColor TodayLineColor() const { return FTodayLineColor; }
  void SetTodayLineColor(TColor v) { StoreAndRepaint(FTodayLineColor, v); }
  TTodayStyle TodayStyle() const { return FTodayStyle; }
  void SetTodayStyle(TTodayStyle v) { StoreAndRepaint(FTodayStyle, v); }
  TColor WeekendColor() const { return FWeekendColor; }
  void SetWeekendColor(TColor v) { StoreAndRepaint(FWeekendColor, v); }
  const String& WeekName() const { return FWeekName; }
  void SetWeekName(const String& v) { StoreAndRepaint(FWeekName, v); }
  bool WeekSelect() const { return FWeekSelect; }
  void SetWeekSelect(bool v) { FWeekSelect = v; }
  bool CustomDraw() const { return FCustomDraw; }
  void SetCustomDraw(bool v) { FCustomDraw = v; }

  // --- looks --------------------------------------------------------------
  TAgendaCalendarStyle Style() const { return FStyle; }
  // Stores the value and writes its preset's colours; psCustom and values
  // without a preset only store.
  void SetStyle(TAgendaCalendarStyle Value);
  // The preset of the same name as the library-wide look; tsCustom and
  // looks without one change nothing.
  void STDMETHODCALLTYPE SetComponentStyle(TZVQStyle AStyle) override;
  // Writes the preset that matches the desktop's visual style.
  void ApplyThemeStyle();
  // Writes a preset's colours through the properties, in its order.
  void ApplyPreset(const TAgendaCalendarPreset& Preset);
  // The look interface without reference counting: the owner frees the
  // calendar.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** obj) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ULONG(-1); }
  ULONG STDMETHODCALLTYPE Release() override { return ULONG(-1); }

  // The version as text ("2.1.0.1") and as one packed number; writing the
  // text changes nothing.
  String Version() const;
  void SetVersion(const String&) {}
  static Integer GetVersionNr();

  // --- events -------------------------------------------------------------
  TCellDrawEvent OnCellDraw;
  TDaySelectEvent OnDaySelect;
  TDateChangeEvent OnMonthChange;
  TDateChangeEvent OnYearChange;
  TDateChangeEvent OnDayChange;
  TDateChangeEvent OnDateChange;
  TNotifyEvent OnMonthSelect;
  TNotifyEvent OnYearSelect;
  TGetDateEvent OnGetDateHint;
  TGetDateEventHint OnGetDateHintString;
  TEventPropEvent OnGetEventProp;
  TCancelledChangeEvent OnCancelledChange;
  TCancelledKeyEvent OnCancelledKey;
  TNotifyEvent OnWeekSelect;
  TNotifyEvent OnAllDaySelect;
  TDateRangeEvent OnRangeSelect;

 protected:
  void FontChanged() override;
  // Theme and system-font changes re-apply the desktop's look while
  // AutoThemeAdapt is on; every message then takes its usual way.
  void WndProc(TMessage& Message) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // Invalidates the whole window without erasing it.
  void InvalidateNoErase();
  // The invalidation rectangle of a date's cell.
  TRect DateCellRect(TDateTime dt) const;
  // SetDate for a Day, Month or Year write: fails with "Invalid date d/m/y",
  // or answers False while loading.
  bool SetDateOrFail(Word da, Word mo, Word ye);
  void SortDates();

  // --- date state ---------------------------------------------------------
  TDateTime thedate = 0;     // cursor: its month is shown, keys move it
  TDateTime seldate = 0;     // selected date
  TDateTime initdate = 0;    // last set through SetDate; Escape returns to it
  TDateTime FClkdate = 0;    // anchor of a range selection
  TDateTime movdate = -1;    // far end of a range in progress, -1 for none
  TDateTime FHoverDate = 0;  // day under the pointer, 0 for none
  Word FDay = 0;
  Word FMonth = 0;
  Word FYear = 0;
  String labels;             // caption: month name, blank, year
  Integer FUpdateCount = 0;
  String EventHint;
  String BrowserHint;
  std::unique_ptr<TSelDateItems> DateCol;
  std::unique_ptr<TSelDateItems> EventCol;

  // --- layout, recomputed by every paint of the day grid -----------------
  Word dx = 0;               // cell width
  Word dy = 0;               // cell height
  Integer xoffset = 0;       // left edge of the day grid
  Integer yoffset = 16;
  Word lblx1 = 0;            // caption hot zones, from xoffset
  Word lblx2 = 0;
  Word lblx3 = 0;
  TColor BorderColor = 0;
  // The border is drawn in the visual style's edit colour: on where the
  // desktop has visual styles, and always at design time.
  bool FThemedBorder = false;
  static bool ThemedBorderAvailable();

  // --- input state --------------------------------------------------------
  bool mousesel = false;
  Integer xposin = 0;
  Integer yposin = 0;
  bool FPrevMonthHover = false;
  bool FNextMonthHover = false;
  bool FCaptionHover = false;
  bool FPrevYearHover = false;
  bool FNextYearHover = false;
  bool FTodayLineHover = false;
  TCursor FOldCursor = crDefault;
  TPoint fLastHintPos{-1, -1};
  bool showhintbusy = false;

  // --- painting and input handlers -----------------------------------------
  void Paint() override;
  void PaintDays();
  void PaintCaption();
  void PaintPrevMonthButton();
  void PaintNextMonthButton();
  void PaintPrevYearButton();
  void PaintNextYearButton();
  void PaintEventMarker(const TRect& Cell, TColor AColor, TEventShape AShape, TColor AColorPM);
  void PaintTodayLine();
  static void FillGradient(TCanvas* Canvas, TColor FromColor, bool Across, const TRect& R,
                           Integer Count, TColor ToColor);
  // Cell width and height and the grid's left edge for the current size.
  void UpdateLayout();
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyPress(Char& Key) override;
  void Dispatch(TMessage& Message) override;
  void WMEraseBkgnd(TWMEraseBkgnd& Message) override;
  void WMLButtonDblClk(TWMMouse& Message) override;
  void WMSetFocus(TWMSetFocus& Message) override;
  void WMKillFocus(TWMKillFocus& Message) override;
  void WMCommand(TWMCommand& Message) override;
  void CMMouseLeave(TMessage& Message) override;
  void CMHintShow(TMessage& Message) override;

 private:
  // Input helpers (AgendaCalendarInput.cpp).
  void GoToToday();
  bool TodayLineAt(Integer Y) const;
  void ShowMonthPopup();
  void ShowYearPopup();
  // Tracks a pop-up of this window and handles its choice, unless the
  // window went away while the menu was up.
  void TrackPopup(HMENU Menu, Integer ClientX);
  // Adds the days between two dates that are not selected yet (and, with
  // MonthRule, that the month rule allows).
  void AddDaysOnce(TDateTime A, TDateTime B, bool MonthRule);
  void HoverButtons(Integer X, Integer Y);
  void InvalidateCaptionBand();
  void InvalidateTodayLine();
  bool AnyHover() const;
  String TodayText() const;

 private:
  template <class T, class V>
  void StoreAndRepaint(T& field, const V& value) {
    field = value;
    Invalidate();
  }
  void NamesChanged(TObject* Sender);
  // Repaints and tells the parent that this control changed.
  void LookChanged();
  void FontsChanged();
  bool Loading() const { return ComponentState().Contains(csLoading); }
  bool Designing() const { return ComponentState().Contains(csDesigning); }

  std::unique_ptr<TNameOfDays> FNameOfDays;
  std::unique_ptr<TNameOfMonths> FNameOfMonths;
  std::unique_ptr<TYearStartAt> FYearStartAt;
  std::unique_ptr<TMinMaxDate> FMinDate;
  std::unique_ptr<TMinMaxDate> FMaxDate;
  std::unique_ptr<TCalendarBrowsers> FBrowsers;
  std::unique_ptr<TCalGlyphs> FGlyphs;
  std::unique_ptr<TWeekDays> FInActiveDays;
  std::unique_ptr<TExImage> FBackground;
  std::unique_ptr<TFont> FDayFont;
  std::unique_ptr<TFont> FWeekFont;

  bool FAllDaySelect = false;
  bool FAutoThemeAdapt = false;
  TBackGroundPosition FBackgroundPosition = bpTiled;
  bool FBorderXP = true;
  bool FCaption3D = false;
  TColor FCaptionColor = clNone;
  TColor FCaptionTextColor = clBlack;
  TColor FDateDownColor = clNone;
  TColor FDateHoverColor = clNone;
  TColor FDateSelectColor = 0x808000;
  TColor FDateSelectBorderColor = 0x808000;
  bool FEnable = true;
  bool FEventHints = false;
  TColor FFocusColor = clHighlight;
  TGradientDirection FGradientDirection = gdVertical;
  TColor FGradientStartColor = clWhite;
  TColor FGradientEndColor = clBtnFace;
  TColor FHeaderColor = clNone;
  String FHintNextMonth;
  String FHintNextYear;
  String FHintPrevMonth;
  String FHintPrevYear;
  TColor FInActiveColor = 0x808080;
  TColor FInversColor = 0x808000;
  bool FLine3D = true;
  TColor FLineColor = 0x808080;
  TAgendaCalendarLook FLook = lookFlat;
  TGradientDirection FMonthGradientDirection = gdHorizontal;
  TColor FMonthGradientStartColor = clNone;
  TColor FMonthGradientEndColor = clNone;
  bool FMultiSelect = false;
  bool FMultiSelectCtrlKey = false;
  bool FReadOnly = false;
  bool FReturnIsSelect = false;
  bool FRightClickSelect = false;
  TColor FSelectColor = 0x808000;
  TColor FSelectFontColor = clWhite;
  bool FShowDaysAfter = true;
  bool FShowDaysBefore = true;
  bool FShowGotoToday = false;
  bool FShowMonthSelector = true;
  bool FShowYearSelector = true;
  bool FShowSelection = true;
  bool FShowToday = false;
  bool FShowWeeks = false;
  Integer FStartDay = 7;
  TColor FTextColor = clBlack;
  String FTodayFormat = L"\"Today\" DDD/mm, YYYY";
  TColor FTodayLineColor = clBlack;
  TTodayStyle FTodayStyle = tsSunken;
  TColor FWeekendColor = 0x0000FF;
  String FWeekName;
  bool FWeekSelect = false;
  bool FCustomDraw = true;
  TAgendaCalendarStyle FStyle = psWindowsXP;
  // The process's theme notifier while this window is registered with it.
  TThemeNotifier* FThemeNotifier = nullptr;
  HWND FThemeWnd = nullptr;
  void RegisterThemeWindow();
  void UnRegisterThemeWindow();
};

}  // namespace jorv::calendar
