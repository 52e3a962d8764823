// Published properties of the month calendar, the calendar group and their
// settings objects, in the order the components declare them.
#include "calendar/AgendaCalendar.h"
#include "calendar/AgendaCalendarGroup.h"
#include "calendar/CalendarSettings.h"
#include "platform/gfx/Bitmap.h"
#include "platform/ui/ControlPublished.h"

namespace jorv::calendar {

namespace {

const TEnumInfo EventShapeNames{
    {L"evsRectangle", L"evsCircle", L"evsSquare", L"evsTriangle", L"evsNone", L"evsAMPMRectangle"}};
const TEnumInfo BackGroundPositionNames{{L"bpTopLeft", L"bpTopRight", L"bpBottomLeft",
                                         L"bpBottomRight", L"bpTiled", L"bpStretched",
                                         L"bpCenter"}};
const TEnumInfo GradientDirectionNames{{L"gdHorizontal", L"gdVertical"}};
const TEnumInfo LookNames{{L"lookFlat", L"look3D"}};
const TEnumInfo TodayStyleNames{{L"tsSunken", L"tsRaised", L"tsFlat"}};
const TEnumInfo BorderStyleNames{
    {L"bsNone", L"bsSingle", L"bsSizeable", L"bsDialog", L"bsToolWindow", L"bsSizeToolWin"}};

}  // namespace

JORV_PUBLISH(TNameOfDays, TPersistent) {
  Class.Text(L"Monday", &TNameOfDays::Monday, &TNameOfDays::SetMonday)
      .Text(L"Tuesday", &TNameOfDays::Tuesday, &TNameOfDays::SetTuesday)
      .Text(L"Wednesday", &TNameOfDays::Wednesday, &TNameOfDays::SetWednesday)
      .Text(L"Thursday", &TNameOfDays::Thursday, &TNameOfDays::SetThursday)
      .Text(L"Friday", &TNameOfDays::Friday, &TNameOfDays::SetFriday)
      .Text(L"Saturday", &TNameOfDays::Saturday, &TNameOfDays::SetSaturday)
      .Text(L"Sunday", &TNameOfDays::Sunday, &TNameOfDays::SetSunday)
      .Boolean(L"UseIntlNames", &TNameOfDays::UseIntlNames, &TNameOfDays::SetUseIntlNames);
}

JORV_PUBLISH(TNameOfMonths, TPersistent) {
  Class.Text(L"January", &TNameOfMonths::January, &TNameOfMonths::SetJanuary)
      .Text(L"February", &TNameOfMonths::February, &TNameOfMonths::SetFebruary)
      .Text(L"March", &TNameOfMonths::March, &TNameOfMonths::SetMarch)
      .Text(L"April", &TNameOfMonths::April, &TNameOfMonths::SetApril)
      .Text(L"May", &TNameOfMonths::May, &TNameOfMonths::SetMay)
      .Text(L"June", &TNameOfMonths::June, &TNameOfMonths::SetJune)
      .Text(L"July", &TNameOfMonths::July, &TNameOfMonths::SetJuly)
      .Text(L"August", &TNameOfMonths::August, &TNameOfMonths::SetAugust)
      .Text(L"September", &TNameOfMonths::September, &TNameOfMonths::SetSeptember)
      .Text(L"October", &TNameOfMonths::October, &TNameOfMonths::SetOctober)
      .Text(L"November", &TNameOfMonths::November, &TNameOfMonths::SetNovember)
      .Text(L"December", &TNameOfMonths::December, &TNameOfMonths::SetDecember)
      .Boolean(L"UseIntlNames", &TNameOfMonths::UseIntlNames, &TNameOfMonths::SetUseIntlNames);
}

JORV_PUBLISH(TYearStartAt, TPersistent) {
  Class.Integer(L"StartDay", &TYearStartAt::StartDay, &TYearStartAt::SetStartDay, 1)
      .Integer(L"StartMonth", &TYearStartAt::StartMonth, &TYearStartAt::SetStartMonth, 1)
      .Integer(L"PrevYearStartDay", &TYearStartAt::PrevYearStartDay,
               &TYearStartAt::SetPrevYearStartDay, 1)
      .Integer(L"PrevYearStartMonth", &TYearStartAt::PrevYearStartMonth,
               &TYearStartAt::SetPrevYearStartMonth, 1)
      .Integer(L"NextYearStartDay", &TYearStartAt::NextYearStartDay,
               &TYearStartAt::SetNextYearStartDay, 1)
      .Integer(L"NextYearStartMonth", &TYearStartAt::NextYearStartMonth,
               &TYearStartAt::SetNextYearStartMonth, 1)
      .Boolean(L"ISOWeekNumber", &TYearStartAt::ISOWeekNumber, &TYearStartAt::SetISOWeekNumber,
               false);
}

JORV_PUBLISH(TMinMaxDate, TPersistent) {
  Class.Integer(L"Day", &TMinMaxDate::Day, &TMinMaxDate::SetDay, 0)
      .Integer(L"Month", &TMinMaxDate::Month, &TMinMaxDate::SetMonth, 0)
      .Integer(L"Year", &TMinMaxDate::Year, &TMinMaxDate::SetYear, 0)
      .Boolean(L"Use", &TMinMaxDate::Use, &TMinMaxDate::SetUse, false);
}

JORV_PUBLISH(TCalendarBrowsers, TPersistent) {
  Class.Boolean(L"PrevMonth", &TCalendarBrowsers::PrevMonth, &TCalendarBrowsers::SetPrevMonth, true)
      .Boolean(L"PrevYear", &TCalendarBrowsers::PrevYear, &TCalendarBrowsers::SetPrevYear, true)
      .Boolean(L"NextMonth", &TCalendarBrowsers::NextMonth, &TCalendarBrowsers::SetNextMonth, true)
      .Boolean(L"NextYear", &TCalendarBrowsers::NextYear, &TCalendarBrowsers::SetNextYear, true);
}

JORV_PUBLISH(TWeekDays, TPersistent) {
  Class.Boolean(L"Sat", &TWeekDays::Sat, &TWeekDays::SetSat, true)
      .Boolean(L"Sun", &TWeekDays::Sun, &TWeekDays::SetSun, true)
      .Boolean(L"Mon", &TWeekDays::Mon, &TWeekDays::SetMon, false)
      .Boolean(L"Tue", &TWeekDays::Tue, &TWeekDays::SetTue, false)
      .Boolean(L"Wed", &TWeekDays::Wed, &TWeekDays::SetWed, false)
      .Boolean(L"Thu", &TWeekDays::Thu, &TWeekDays::SetThu, false)
      .Boolean(L"Fri", &TWeekDays::Fri, &TWeekDays::SetFri, false);
}

JORV_PUBLISH(TCalGlyphs, TPersistent) {
  Class.Object(L"NextMonth", &TCalGlyphs::NextMonth)
      .Object(L"PrevMonth", &TCalGlyphs::PrevMonth)
      .Object(L"NextYear", &TCalGlyphs::NextYear)
      .Object(L"PrevYear", &TCalGlyphs::PrevYear);
}

JORV_PUBLISH(TCustomCalendarPanel, TControl) {
  Class
      .Color(L"EventMarkerColor", &TCustomCalendarPanel::EventMarkerColor,
             &TCustomCalendarPanel::SetEventMarkerColor, 0)
      .Enum(L"EventMarkerShape", &TCustomCalendarPanel::EventMarkerShape,
            &TCustomCalendarPanel::SetEventMarkerShape, EventShapeNames,
            std::optional<TEventShape>(evsRectangle))
      .Color(L"EventDayColor", &TCustomCalendarPanel::EventDayColor,
             &TCustomCalendarPanel::SetEventDayColor, 0)
      .Object(L"EventFont", &TCustomCalendarPanel::EventFont);
}

JORV_PUBLISH(TAgendaCalendar, TCustomCalendarPanel) {
  Class.Add(ControlProperty(L"Align"))
      .Add(ControlProperty(L"Anchors"))
      .Add(ControlProperty(L"BevelInner"))
      .Default(bvNone)
      .Add(ControlProperty(L"BevelOuter"))
      .Default(bvRaised)
      .Add(ControlProperty(L"BevelWidth"))
      .Add(ControlProperty(L"BorderWidth"))
      .Add(ControlProperty(L"Color"))
      .Add(ControlProperty(L"Constraints"))
      .Add(ControlProperty(L"Cursor"))
      .Add(ControlProperty(L"ParentShowHint"))
      .Add(ControlProperty(L"ShowHint"))
      .Add(ControlProperty(L"TabOrder"))
      .Add(ControlProperty(L"TabStop"))
      .Boolean(L"AllDaySelect", &TAgendaCalendar::AllDaySelect, &TAgendaCalendar::SetAllDaySelect,
               false)
      .Boolean(L"AutoThemeAdapt", &TAgendaCalendar::AutoThemeAdapt,
               &TAgendaCalendar::SetAutoThemeAdapt, false)
      .Object(L"Background", &TAgendaCalendar::Background)
      .Enum(L"BackgroundPosition", &TAgendaCalendar::BackgroundPosition,
            &TAgendaCalendar::SetBackgroundPosition, BackGroundPositionNames,
            std::optional<TBackGroundPosition>(bpTiled))
      .Boolean(L"BorderXP", &TAgendaCalendar::BorderXP, &TAgendaCalendar::SetBorderXP, true)
      .Object(L"Browsers", &TAgendaCalendar::Browsers)
      .Boolean(L"Caption3D", &TAgendaCalendar::Caption3D, &TAgendaCalendar::SetCaption3D, false)
      .Color(L"CaptionColor", &TAgendaCalendar::CaptionColor, &TAgendaCalendar::SetCaptionColor,
             clNone)
      .Color(L"CaptionTextColor", &TAgendaCalendar::CaptionTextColor,
             &TAgendaCalendar::SetCaptionTextColor, clBlack)
      .Color(L"DateDownColor", &TAgendaCalendar::DateDownColor, &TAgendaCalendar::SetDateDownColor,
             clNone)
      .Color(L"DateHoverColor", &TAgendaCalendar::DateHoverColor,
             &TAgendaCalendar::SetDateHoverColor, clNone)
      .Color(L"DateSelectColor", &TAgendaCalendar::DateSelectColor,
             &TAgendaCalendar::SetDateSelectColor, 0x808000)
      .Color(L"DateSelectBorderColor", &TAgendaCalendar::DateSelectBorderColor,
             &TAgendaCalendar::SetDateSelectBorderColor, 0x808000)
      .Object(L"DayFont", &TAgendaCalendar::DayFont)
      .Boolean(L"Enable", &TAgendaCalendar::Enable, &TAgendaCalendar::SetEnable, true)
      .Boolean(L"EventHints", &TAgendaCalendar::EventHints, &TAgendaCalendar::SetEventHints, false)
      .Color(L"FocusColor", &TAgendaCalendar::FocusColor, &TAgendaCalendar::SetFocusColor,
             clHighlight)
      .Add(ControlProperty(L"Font"))
      .Object(L"Glyphs", &TAgendaCalendar::Glyphs)
      .Enum(L"GradientDirection", &TAgendaCalendar::GradientDirection,
            &TAgendaCalendar::SetGradientDirection, GradientDirectionNames,
            std::optional<TGradientDirection>(gdVertical))
      .Color(L"GradientStartColor", &TAgendaCalendar::GradientStartColor,
             &TAgendaCalendar::SetGradientStartColor, clWhite)
      .Color(L"GradientEndColor", &TAgendaCalendar::GradientEndColor,
             &TAgendaCalendar::SetGradientEndColor, clBtnFace)
      .Color(L"HeaderColor", &TAgendaCalendar::HeaderColor, &TAgendaCalendar::SetHeaderColor,
             clNone)
      .Text(L"HintNextMonth", &TAgendaCalendar::HintNextMonth, &TAgendaCalendar::SetHintNextMonth)
      .Text(L"HintNextYear", &TAgendaCalendar::HintNextYear, &TAgendaCalendar::SetHintNextYear)
      .Text(L"HintPrevMonth", &TAgendaCalendar::HintPrevMonth, &TAgendaCalendar::SetHintPrevMonth)
      .Text(L"HintPrevYear", &TAgendaCalendar::HintPrevYear, &TAgendaCalendar::SetHintPrevYear)
      .Color(L"InActiveColor", &TAgendaCalendar::InActiveColor, &TAgendaCalendar::SetInActiveColor,
             0x808080)
      .Object(L"InActiveDays", &TAgendaCalendar::InActiveDays)
      .Color(L"InversColor", &TAgendaCalendar::InversColor, &TAgendaCalendar::SetInversColor,
             0x808000)
      .Boolean(L"Line3D", &TAgendaCalendar::Line3D, &TAgendaCalendar::SetLine3D, true)
      .Color(L"LineColor", &TAgendaCalendar::LineColor, &TAgendaCalendar::SetLineColor, 0x808080)
      .Enum(L"Look", &TAgendaCalendar::Look, &TAgendaCalendar::SetLook, LookNames,
            std::optional<TAgendaCalendarLook>(lookFlat))
      .Object(L"MaxDate", &TAgendaCalendar::MaxDate)
      .Object(L"MinDate", &TAgendaCalendar::MinDate)
      .Enum(L"MonthGradientDirection", &TAgendaCalendar::MonthGradientDirection,
            &TAgendaCalendar::SetMonthGradientDirection, GradientDirectionNames,
            std::optional<TGradientDirection>(gdHorizontal))
      .Color(L"MonthGradientStartColor", &TAgendaCalendar::MonthGradientStartColor,
             &TAgendaCalendar::SetMonthGradientStartColor, clNone)
      .Color(L"MonthGradientEndColor", &TAgendaCalendar::MonthGradientEndColor,
             &TAgendaCalendar::SetMonthGradientEndColor, clNone)
      .Boolean(L"MultiSelect", &TAgendaCalendar::MultiSelect, &TAgendaCalendar::SetMultiSelect,
               false)
      .Boolean(L"MultiSelectCtrlKey", &TAgendaCalendar::MultiSelectCtrlKey,
               &TAgendaCalendar::SetMultiSelectCtrlKey, false)
      .Object(L"NameOfDays", &TAgendaCalendar::NameOfDays)
      .Object(L"NameOfMonths", &TAgendaCalendar::NameOfMonths)
      .Boolean(L"ReadOnly", &TAgendaCalendar::ReadOnly, &TAgendaCalendar::SetReadOnly, false)
      .Boolean(L"ReturnIsSelect", &TAgendaCalendar::ReturnIsSelect,
               &TAgendaCalendar::SetReturnIsSelect, false)
      .Boolean(L"RightClickSelect", &TAgendaCalendar::RightClickSelect,
               &TAgendaCalendar::SetRightClickSelect, false)
      .Color(L"SelectColor", &TAgendaCalendar::SelectColor, &TAgendaCalendar::SetSelectColor,
             0x808000)
      .Color(L"SelectFontColor", &TAgendaCalendar::SelectFontColor,
             &TAgendaCalendar::SetSelectFontColor, clWhite)
      .Boolean(L"ShowDaysAfter", &TAgendaCalendar::ShowDaysAfter,
               &TAgendaCalendar::SetShowDaysAfter, true)
      .Boolean(L"ShowDaysBefore", &TAgendaCalendar::ShowDaysBefore,
               &TAgendaCalendar::SetShowDaysBefore, true)
      .Boolean(L"ShowGotoToday", &TAgendaCalendar::ShowGotoToday,
               &TAgendaCalendar::SetShowGotoToday, false)
      .Boolean(L"ShowMonthSelector", &TAgendaCalendar::ShowMonthSelector,
               &TAgendaCalendar::SetShowMonthSelector, true)
      .Boolean(L"ShowYearSelector", &TAgendaCalendar::ShowYearSelector,
               &TAgendaCalendar::SetShowYearSelector, true)
      .Boolean(L"ShowSelection", &TAgendaCalendar::ShowSelection,
               &TAgendaCalendar::SetShowSelection, true)
      .Boolean(L"ShowToday", &TAgendaCalendar::ShowToday, &TAgendaCalendar::SetShowToday, false)
      .Boolean(L"ShowWeeks", &TAgendaCalendar::ShowWeeks, &TAgendaCalendar::SetShowWeeks, false)
      .Integer(L"StartDay", &TAgendaCalendar::StartDay, &TAgendaCalendar::SetStartDay, 7)
      .Color(L"TextColor", &TAgendaCalendar::TextColor, &TAgendaCalendar::SetTextColor, clBlack)
      .Text(L"TodayFormat", &TAgendaCalendar::TodayFormat, &TAgendaCalendar::SetTodayFormat)
      .Color(L"TodayLineColor", &TAgendaCalendar::TodayLineColor,
             &TAgendaCalendar::SetTodayLineColor, clBlack)
      .Enum(L"TodayStyle", &TAgendaCalendar::TodayStyle, &TAgendaCalendar::SetTodayStyle,
            TodayStyleNames, std::optional<TTodayStyle>(tsSunken))
      .Color(L"WeekendColor", &TAgendaCalendar::WeekendColor, &TAgendaCalendar::SetWeekendColor,
             0x0000FF)
      .Object(L"WeekFont", &TAgendaCalendar::WeekFont)
      .Text(L"WeekName", &TAgendaCalendar::WeekName, &TAgendaCalendar::SetWeekName)
      .Boolean(L"WeekSelect", &TAgendaCalendar::WeekSelect, &TAgendaCalendar::SetWeekSelect, false)
      .Object(L"YearStartAt", &TAgendaCalendar::YearStartAt)
      .Integer(L"Day", &TAgendaCalendar::Day, &TAgendaCalendar::SetDay)
      .Integer(L"Month", &TAgendaCalendar::Month, &TAgendaCalendar::SetMonth)
      .Integer(L"Year", &TAgendaCalendar::Year, &TAgendaCalendar::SetYear)
      .Text(L"Version", &TAgendaCalendar::Version, &TAgendaCalendar::SetVersion);
}

JORV_PUBLISH(TAgendaCalendarGroup, TCustomCalendarPanel) {
  Class.Add(ControlProperty(L"Align"))
      .Add(ControlProperty(L"Anchors"))
      .Add(ControlProperty(L"BevelInner"))
      .Default(bvNone)
      .Add(ControlProperty(L"BevelOuter"))
      .Default(bvNone)
      .Add(ControlProperty(L"Constraints"))
      .Add(ControlProperty(L"Cursor"))
      .Add(ControlProperty(L"ParentShowHint"))
      .Add(ControlProperty(L"ShowHint"))
      .Add(ControlProperty(L"TabOrder"))
      .Add(ControlProperty(L"TabStop"))
      .Integer(L"ColCount", &TAgendaCalendarGroup::ColCount, &TAgendaCalendarGroup::SetColCount, 2)
      .Integer(L"RowCount", &TAgendaCalendarGroup::RowCount, &TAgendaCalendarGroup::SetRowCount, 1)
      .Integer(L"CalendarWidth", &TAgendaCalendarGroup::CalendarWidth,
               &TAgendaCalendarGroup::SetCalendarWidth, 180)
      .Integer(L"CalendarHeight", &TAgendaCalendarGroup::CalendarHeight,
               &TAgendaCalendarGroup::SetCalendarHeight, 180)
      .Integer(L"SpliterV", &TAgendaCalendarGroup::SpliterV, &TAgendaCalendarGroup::SetSpliterV, 2)
      .Integer(L"SpliterH", &TAgendaCalendarGroup::SpliterH, &TAgendaCalendarGroup::SetSpliterH, 2)
      .Color(L"SplitterColor", &TAgendaCalendarGroup::SplitterColor,
             &TAgendaCalendarGroup::SetSplitterColor, clBtnFace)
      .Boolean(L"SplitterBevel", &TAgendaCalendarGroup::SplitterBevel,
               &TAgendaCalendarGroup::SetSplitterBevel, true)
      .Integer(L"BevelWidth", &TAgendaCalendarGroup::BevelWidth,
               &TAgendaCalendarGroup::SetBevelWidth, 1)
      .Integer(L"BorderWidth", &TAgendaCalendarGroup::BorderWidth,
               &TAgendaCalendarGroup::SetBorderWidth, 0)
      .Add(ControlProperty(L"Font"))
      .Integer(L"StartMonth", &TAgendaCalendarGroup::StartMonth,
               &TAgendaCalendarGroup::SetStartMonth)
      .Integer(L"StartYear", &TAgendaCalendarGroup::StartYear, &TAgendaCalendarGroup::SetStartYear)
      .Integer(L"Day", &TAgendaCalendarGroup::Day, &TAgendaCalendarGroup::SetDay)
      .Integer(L"Month", &TAgendaCalendarGroup::Month, &TAgendaCalendarGroup::SetMonth)
      .Integer(L"Year", &TAgendaCalendarGroup::Year, &TAgendaCalendarGroup::SetYear)
      .Text(L"Version", &TAgendaCalendarGroup::Version, &TAgendaCalendarGroup::SetVersion)
      .Enum(L"Look", &TAgendaCalendarGroup::Look, &TAgendaCalendarGroup::SetLook, LookNames,
            std::optional<TAgendaCalendarLook>(lookFlat))
      .Color(L"Color", &TAgendaCalendarGroup::Color, &TAgendaCalendarGroup::SetColor, clWhite)
      .Color(L"TextColor", &TAgendaCalendarGroup::TextColor, &TAgendaCalendarGroup::SetTextColor,
             clBlack)
      .Color(L"SelectColor", &TAgendaCalendarGroup::SelectColor,
             &TAgendaCalendarGroup::SetSelectColor, 0x808000)
      .Color(L"SelectFontColor", &TAgendaCalendarGroup::SelectFontColor,
             &TAgendaCalendarGroup::SetSelectFontColor, clWhite)
      .Color(L"InActiveColor", &TAgendaCalendarGroup::InActiveColor,
             &TAgendaCalendarGroup::SetInActiveColor, 0x808080)
      .Color(L"HeaderColor", &TAgendaCalendarGroup::HeaderColor,
             &TAgendaCalendarGroup::SetHeaderColor, clBtnFace)
      .Color(L"FocusColor", &TAgendaCalendarGroup::FocusColor, &TAgendaCalendarGroup::SetFocusColor,
             clHighlight)
      .Color(L"InversColor", &TAgendaCalendarGroup::InversColor,
             &TAgendaCalendarGroup::SetInversColor, clWhite)
      .Color(L"WeekendColor", &TAgendaCalendarGroup::WeekendColor,
             &TAgendaCalendarGroup::SetWeekendColor, 0x0000FF)
      .Color(L"CaptionColor", &TAgendaCalendarGroup::CaptionColor,
             &TAgendaCalendarGroup::SetCaptionColor, clNone)
      .Color(L"CaptionTextColor", &TAgendaCalendarGroup::CaptionTextColor,
             &TAgendaCalendarGroup::SetCaptionTextColor, clBlack)
      .Color(L"LineColor", &TAgendaCalendarGroup::LineColor, &TAgendaCalendarGroup::SetLineColor,
             0xC0C0C0)
      .Boolean(L"Line3D", &TAgendaCalendarGroup::Line3D, &TAgendaCalendarGroup::SetLine3D, true)
      .Enum(L"GradientDirection", &TAgendaCalendarGroup::GradientDirection,
            &TAgendaCalendarGroup::SetGradientDirection, GradientDirectionNames,
            std::optional<TGradientDirection>(gdVertical))
      .Color(L"GradientStartColor", &TAgendaCalendarGroup::GradientStartColor,
             &TAgendaCalendarGroup::SetGradientStartColor, clWhite)
      .Color(L"GradientEndColor", &TAgendaCalendarGroup::GradientEndColor,
             &TAgendaCalendarGroup::SetGradientEndColor, clBtnFace)
      .Enum(L"MonthGradientDirection", &TAgendaCalendarGroup::MonthGradientDirection,
            &TAgendaCalendarGroup::SetMonthGradientDirection, GradientDirectionNames,
            std::optional<TGradientDirection>(gdHorizontal))
      .Color(L"MonthGradientStartColor", &TAgendaCalendarGroup::MonthGradientStartColor,
             &TAgendaCalendarGroup::SetMonthGradientStartColor, clNone)
      .Color(L"MonthGradientEndColor", &TAgendaCalendarGroup::MonthGradientEndColor,
             &TAgendaCalendarGroup::SetMonthGradientEndColor, clNone)
      .Color(L"DateSelectColor", &TAgendaCalendarGroup::DateSelectColor,
             &TAgendaCalendarGroup::SetDateSelectColor, 0x808000)
      .Color(L"DateSelectBorderColor", &TAgendaCalendarGroup::DateSelectBorderColor,
             &TAgendaCalendarGroup::SetDateSelectBorderColor, 0x808000)
      .Color(L"DateHoverColor", &TAgendaCalendarGroup::DateHoverColor,
             &TAgendaCalendarGroup::SetDateHoverColor, clNone)
      .Color(L"DateDownColor", &TAgendaCalendarGroup::DateDownColor,
             &TAgendaCalendarGroup::SetDateDownColor, clNone)
      .Enum(L"TodayStyle", &TAgendaCalendarGroup::TodayStyle, &TAgendaCalendarGroup::SetTodayStyle,
            TodayStyleNames, std::optional<TTodayStyle>(tsSunken))
      .Color(L"TodayLineColor", &TAgendaCalendarGroup::TodayLineColor,
             &TAgendaCalendarGroup::SetTodayLineColor, clBlack)
      .Boolean(L"ShowToday", &TAgendaCalendarGroup::ShowToday, &TAgendaCalendarGroup::SetShowToday,
               false)
      .Boolean(L"ShowSelection", &TAgendaCalendarGroup::ShowSelection,
               &TAgendaCalendarGroup::SetShowSelection, true)
      .Boolean(L"ShowWeeks", &TAgendaCalendarGroup::ShowWeeks, &TAgendaCalendarGroup::SetShowWeeks,
               false)
      .Boolean(L"ShowMonthSelector", &TAgendaCalendarGroup::ShowMonthSelector,
               &TAgendaCalendarGroup::SetShowMonthSelector, true)
      .Boolean(L"ShowYearSelector", &TAgendaCalendarGroup::ShowYearSelector,
               &TAgendaCalendarGroup::SetShowYearSelector, true)
      .Boolean(L"EventHints", &TAgendaCalendarGroup::EventHints,
               &TAgendaCalendarGroup::SetEventHints, false)
      .Boolean(L"MultiSelect", &TAgendaCalendarGroup::MultiSelect,
               &TAgendaCalendarGroup::SetMultiSelect, false)
      .Boolean(L"AllDaySelect", &TAgendaCalendarGroup::AllDaySelect,
               &TAgendaCalendarGroup::SetAllDaySelect, false)
      .Boolean(L"WeekSelect", &TAgendaCalendarGroup::WeekSelect,
               &TAgendaCalendarGroup::SetWeekSelect, false)
      .Boolean(L"ReadOnly", &TAgendaCalendarGroup::ReadOnly, &TAgendaCalendarGroup::SetReadOnly,
               false)
      .Boolean(L"Enable", &TAgendaCalendarGroup::Enable, &TAgendaCalendarGroup::SetEnable, true)
      .Integer(L"StartDay", &TAgendaCalendarGroup::StartDay, &TAgendaCalendarGroup::SetStartDay, 7)
      .Text(L"WeekName", &TAgendaCalendarGroup::WeekName, &TAgendaCalendarGroup::SetWeekName)
      .Text(L"HintPrevYear", &TAgendaCalendarGroup::HintPrevYear,
            &TAgendaCalendarGroup::SetHintPrevYear)
      .Text(L"HintPrevMonth", &TAgendaCalendarGroup::HintPrevMonth,
            &TAgendaCalendarGroup::SetHintPrevMonth)
      .Text(L"HintNextMonth", &TAgendaCalendarGroup::HintNextMonth,
            &TAgendaCalendarGroup::SetHintNextMonth)
      .Text(L"HintNextYear", &TAgendaCalendarGroup::HintNextYear,
            &TAgendaCalendarGroup::SetHintNextYear)
      .Object(L"DayFont", &TAgendaCalendarGroup::DayFont)
      .Object(L"WeekFont", &TAgendaCalendarGroup::WeekFont)
      .Object(L"Glyphs", &TAgendaCalendarGroup::Glyphs)
      .Object(L"Background", &TAgendaCalendarGroup::Background)
      .Enum(L"BackgroundPosition", &TAgendaCalendarGroup::BackgroundPosition,
            &TAgendaCalendarGroup::SetBackgroundPosition, BackGroundPositionNames,
            std::optional<TBackGroundPosition>(bpTiled))
      .Object(L"YearStartAt", &TAgendaCalendarGroup::YearStartAt)
      .Enum(L"CalendarBevelInner", &TAgendaCalendarGroup::CalendarBevelInner,
            &TAgendaCalendarGroup::SetCalendarBevelInner, BevelCutNames,
            std::optional<TBevelCut>(bvNone))
      .Enum(L"CalendarBevelOuter", &TAgendaCalendarGroup::CalendarBevelOuter,
            &TAgendaCalendarGroup::SetCalendarBevelOuter, BevelCutNames,
            std::optional<TBevelCut>(bvRaised))
      .Enum(L"CalendarBorderStyle", &TAgendaCalendarGroup::CalendarBorderStyle,
            &TAgendaCalendarGroup::SetCalendarBorderStyle, BorderStyleNames,
            std::optional<TBorderStyle>(bsNone))
      .Integer(L"CalendarBorderWidth", &TAgendaCalendarGroup::CalendarBorderWidth,
               &TAgendaCalendarGroup::SetCalendarBorderWidth, 1)
      .Integer(L"CalendarBevelWidth", &TAgendaCalendarGroup::CalendarBevelWidth,
               &TAgendaCalendarGroup::SetCalendarBevelWidth, 0)
      .Object(L"NameOfDays", &TAgendaCalendarGroup::NameOfDays)
      .Object(L"NameOfMonths", &TAgendaCalendarGroup::NameOfMonths)
      .Object(L"Browsers", &TAgendaCalendarGroup::Browsers)
      .Boolean(L"AutoThemeAdapt", &TAgendaCalendarGroup::AutoThemeAdapt,
               &TAgendaCalendarGroup::SetAutoThemeAdapt, false);
}

}  // namespace jorv::calendar

JORV_PUBLISHED_UNIT(calendar)
