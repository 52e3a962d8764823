#include <commctrl.h>
#include <memory>
#include "bench/Cases.h"
#include "bench/Forms.h"
#include "calendar/agendacal.h"

namespace jorv::bench {

using namespace jorv::calendar;

namespace {

constexpr Integer KCols = 4, KRows = 3, KSize = 180, KGap = 2;
// The main window's client area without its tool and status bars.
constexpr Integer KGroupWidth = 726, KGroupHeight = 588 - 26 - 19;

void SetNames(TAgendaCalendarGroup* Group) {
  TNameOfDays days;
  days.SetUseIntlNames(false);
  days.SetMonday(L"Mo");
  days.SetTuesday(L"Di");
  days.SetWednesday(L"Mi");
  days.SetThursday(L"Do");
  days.SetFriday(L"Fr");
  days.SetSaturday(L"Sa");
  days.SetSunday(L"So");
  Group->SetNameOfDays(&days);
  TNameOfMonths months;
  const wchar_t* names[] = {L"Jan", L"Feb", L"Mrz", L"Apr", L"Mai", L"Jun",
                            L"Jul", L"Aug", L"Sep", L"Okt", L"Nov", L"Dez"};
  months.SetUseIntlNames(false);
  months.SetJanuary(names[0]);
  months.SetFebruary(names[1]);
  months.SetMarch(names[2]);
  months.SetApril(names[3]);
  months.SetMay(names[4]);
  months.SetJune(names[5]);
  months.SetJuly(names[6]);
  months.SetAugust(names[7]);
  months.SetSeptember(names[8]);
  months.SetOctober(names[9]);
  months.SetNovember(names[10]);
  months.SetDecember(names[11]);
  Group->SetNameOfMonths(&months);
}

void SetFonts(TAgendaCalendarGroup* Group) {
  TFont font;
  font.SetName(L"Tahoma");
  font.SetHeight(-11);
  Group->SetFont(&font);
  Group->SetDayFont(&font);
  font.SetStyle(font.Style() + fsBold);
  Group->SetEventFont(&font);
  TFont week;
  week.SetName(L"Tahoma");
  week.SetHeight(-9);
  week.SetStyle(week.Style() + fsItalic);
  Group->SetWeekFont(&week);
}

void SetColours(TAgendaCalendarGroup* Group) {
  Group->SetColor(clWhite);
  Group->SetTextColor(clBlack);
  Group->SetSelectColor(clTeal);
  Group->SetSelectFontColor(clWhite);
  Group->SetInActiveColor(clGray);
  Group->SetHeaderColor(clBtnFace);
  Group->SetFocusColor(clHighlight);
  Group->SetInversColor(clWhite);
  Group->SetWeekendColor(clRed);
  Group->SetCaptionTextColor(clBlack);
  Group->SetLineColor(clSilver);
  Group->SetLine3D(true);
  Group->SetGradientDirection(gdVertical);
  Group->SetGradientStartColor(clWhite);
  Group->SetGradientEndColor(clBtnFace);
  Group->SetMonthGradientDirection(gdHorizontal);
  Group->SetMonthGradientStartColor(clNone);
  Group->SetMonthGradientEndColor(clNone);
  Group->SetDateDownColor(clNone);
  Group->SetDateHoverColor(clNone);
  Group->SetBackgroundPosition(bpTiled);
  Group->SetLook(look3D);
  Group->SetAutoThemeAdapt(false);
}

// The calendar group as the program's main window sets it, with a few
// holidays marked as the program marks them.
TAgendaCalendarGroup* MainWindowGroup(TForm* Form) {
  auto* group = new TAgendaCalendarGroup(Form);
  group->SetParent(Form);
  group->SetAlign(alClient);
  group->ModifyGroup(KCols, KRows, KSize, KSize);
  group->SetSpliterV(KGap);
  group->SetSpliterH(KGap);
  group->SetSplitterColor(clBtnFace);
  group->SetSplitterBevel(true);
  group->SetBevelOuter(bvNone);
  group->SetBevelWidth(1);
  group->SetBorderWidth(0);
  group->SetCalendarBevelInner(bvNone);
  group->SetCalendarBevelOuter(bvRaised);
  group->SetCalendarBevelWidth(0);
  group->SetCalendarBorderWidth(1);
  group->SetCalendarBorderStyle(bsNone);
  group->SetStartDay(1);
  group->SetMultiSelect(false);
  group->SetEventHints(true);
  group->SetEventMarkerShape(evsCircle);
  group->SetEventMarkerColor(clYellow);
  group->SetEventDayColor(clBlack);
  SetColours(group);
  group->SetShowWeeks(true);
  group->SetShowSelection(true);
  group->SetShowToday(false);
  group->SetShowMonthSelector(false);
  group->SetShowYearSelector(false);
  group->SetWeekName(L"kw");
  SetNames(group);
  group->YearStartAt()->SetISOWeekNumber(true);
  SetFonts(group);
  group->SetStartYear(2016);
  group->SetStartMonth(1);
  const Word holidays[][2] = {{1, 1}, {3, 25}, {3, 28}, {5, 1}, {5, 5}, {5, 16}, {10, 3}, {12, 25}, {12, 26}};
  for (const auto& h : holidays) {
    TDateTime day = EncodeDate(2016, h[0], h[1]);
    group->Events()->AddRangeHint(day, day, L"Feiertag");
  }
  return group;
}

// Twelve native month calendars of the same size in the same places.
std::vector<HWND> NativeCalendars(TForm* Form) {
  std::vector<HWND> windows;
  HFONT font = CreateFontW(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
  for (Integer row = 0; row < KRows; ++row)
    for (Integer col = 0; col < KCols; ++col) {
      HWND h = CreateWindowExW(0, MONTHCAL_CLASSW, L"", WS_CHILD | WS_VISIBLE, col * (KSize + KGap),
                               row * (KSize + KGap), KSize, KSize, Form->Handle(), nullptr,
                               GetModuleHandleW(nullptr), nullptr);
      SendMessageW(h, WM_SETFONT, WPARAM(font), TRUE);
      SYSTEMTIME first{};
      first.wYear = 2016;
      first.wMonth = Word(1 + row * KCols + col);
      first.wDay = 1;
      SendMessageW(h, MCM_SETCURSEL, 0, LPARAM(&first));
      windows.push_back(h);
    }
  return windows;
}

}  // namespace

void CalendarCase(TTable& Table) {
  INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), ICC_DATE_CLASSES};
  InitCommonControlsEx(&init);
  const TRepeat repeat{10, 500, 2.0};

  double ours = 0;
  {
    TBenchForm form(KGroupWidth, KGroupHeight);
    TAgendaCalendarGroup* group = MainWindowGroup(form.Get());
    Pump();
    TTarget target(group->Width(), group->Height());
    ours = MedianNs([&] { group->PaintTo(target.DC(), 0, 0); }, repeat);
  }

  double reference = 0;
  {
    TBenchForm form(KGroupWidth, KGroupHeight);
    std::vector<HWND> calendars = NativeCalendars(form.Get());
    Pump();
    TTarget target(KGroupWidth, KGroupHeight);
    reference = MedianNs(
        [&] {
          for (size_t i = 0; i < calendars.size(); ++i) {
            RECT r;
            GetWindowRect(calendars[i], &r);
            MapWindowPoints(HWND_DESKTOP, form.Get()->Handle(), reinterpret_cast<POINT*>(&r), 2);
            // Clipped to its own place, as a paint would be: the control
            // fills its clip box, which is otherwise the whole bitmap.
            const int saved = SaveDC(target.DC());
            IntersectClipRect(target.DC(), r.left, r.top, r.right, r.bottom);
            SetViewportOrgEx(target.DC(), r.left, r.top, nullptr);
            SendMessageW(calendars[i], WM_PRINTCLIENT, WPARAM(target.DC()), PRF_CLIENT | PRF_ERASEBKGND);
            RestoreDC(target.DC(), saved);
          }
        },
        repeat);
    HFONT font = HFONT(SendMessageW(calendars[0], WM_GETFONT, 0, 0));
    for (HWND h : calendars) DestroyWindow(h);
    DeleteObject(font);
  }
  Table.Add({"1 calendar group 4 x 3 painted, vs 12 native month calendars", Duration(ours),
             Duration(reference), ours / reference, "<= 1.0", AtMost(ours / reference, 1.0)});
}

}  // namespace jorv::bench
