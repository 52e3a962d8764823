#include "app/MainForm.h"

#include <memory>
#include <shellapi.h>

#include "app/AppPictures.h"
#include "app/DaysOffForm.h"
#include "platform/gfx/Bitmap.h"
#include "platform/rtl/Clock.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Application.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Dialogs.h"

namespace jorv::app {

String AppDir;
String AppCaption;
String IniFileName;
String DbConnectionString;

const wchar_t* const HomePageAddress = L"https://jorvensaal.example.org/";

namespace {

TShellOpener& ShellOpener() {
  static TShellOpener Opener;
  return Opener;
}

constexpr TColor TodayColor = 0x000000FA;
const wchar_t* const IniSection = L"FRM_Main";

}  // namespace

TShellOpener SetShellOpener(TShellOpener Opener) {
  TShellOpener Old = std::move(ShellOpener());
  ShellOpener() = std::move(Opener);
  return Old;
}

void ShellOpen(const String& Verb, const String& Address) {
  if (ShellOpener()) {
    ShellOpener()(Verb, Address);
    return;
  }
  HWND Owner = Application ? Application->Handle() : nullptr;
  ShellExecuteW(Owner, Verb.c_str(), Address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void SetGermanNames(TNameOfDays* Days, TNameOfMonths* Months) {
  // The locale's names first: the German ones written after them stay.
  Days->SetUseIntlNames(true);
  Days->SetMonday(L"Mo");
  Days->SetTuesday(L"Di");
  Days->SetWednesday(L"Mi");
  Days->SetThursday(L"Do");
  Days->SetFriday(L"Fr");
  Days->SetSaturday(L"Sa");
  Days->SetSunday(L"So");
  Months->SetUseIntlNames(true);
  const wchar_t* const Names[12] = {L"Jan", L"Feb", L"Mrz", L"Apr", L"Mai", L"Jun",
                                    L"Jul", L"Aug", L"Sep", L"Okt", L"Nov", L"Dez"};
  void (TNameOfMonths::*const Setters[12])(const String&) = {
      &TNameOfMonths::SetJanuary, &TNameOfMonths::SetFebruary, &TNameOfMonths::SetMarch,
      &TNameOfMonths::SetApril,   &TNameOfMonths::SetMay,      &TNameOfMonths::SetJune,
      &TNameOfMonths::SetJuly,    &TNameOfMonths::SetAugust,   &TNameOfMonths::SetSeptember,
      &TNameOfMonths::SetOctober, &TNameOfMonths::SetNovember, &TNameOfMonths::SetDecember};
  for (int I = 0; I < 12; ++I) (Months->*Setters[I])(Names[I]);
}

// --- construction: the form as designed ------------------------------------

TFRM_Main::TFRM_Main(TComponent* AOwner) : TForm(AOwner) {
  SetName(L"FRM_Main");
  SetCaption(L"Jorvensaal");
  SetPosition(poDesigned);
  SetBounds(0, 0, 742, 627);
  SetClientWidth(726);
  SetClientHeight(588);
  SetScaled(false);
  SetShowHint(true);
  SetColor(clBtnFace);
  Font()->SetName(L"Tahoma");
  Font()->SetHeight(-11);
  TIcon Icon;
  MakeProgramIcon(&Icon);
  SetIcon(&Icon);
  MakeToolBar();
  MakeStatusBar();
  MakeCalendar();
  IMG_Main = new TImageList(this);
  IMG_Main->SetName(L"IMG_Main");
  AddToolbarPictures(IMG_Main);
  TBR_Main->SetImages(IMG_Main);
  Timer1 = new TTimer(this);
  Timer1->SetName(L"Timer1");
  Timer1->OnTimer = [this](TObject* Sender) { Timer1Timer(Sender); };
  MakeTable();
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
  OnClose = [this](TObject* Sender, TCloseAction& Action) { FormClose(Sender, Action); };
}

TToolButton* TFRM_Main::AddButton(const String& Caption, const String& Hint, Integer ImageIndex,
                                  void (TFRM_Main::*Handler)(TObject*)) {
  auto* Button = new TToolButton(this);
  // Placed after the buttons made before it.
  Button->SetLeft(TBR_Main->ButtonCount() * 60);
  Button->SetCaption(Caption);
  Button->SetHint(Hint);
  Button->SetImageIndex(ImageIndex);
  Button->SetAutoSize(true);
  Button->OnClick = [this, Handler](TObject* Sender) { (this->*Handler)(Sender); };
  Button->SetParent(TBR_Main);
  return Button;
}

void TFRM_Main::MakeToolBar() {
  TBR_Main = new TToolBar(this);
  TBR_Main->SetName(L"TBR_Main");
  TBR_Main->SetParent(this);
  TBR_Main->SetHeight(26);
  TBR_Main->SetAutoSize(true);
  TBR_Main->SetButtonWidth(60);
  TBR_Main->SetList(true);
  TBR_Main->SetShowCaptions(true);
  TBR_Main->SetFlat(false);
  TBR_Main->SetTransparent(true);
  TBR_Main->SetEdgeBorders(TEdgeBorders{ebBottom});
  TBR_Main->SetHint(L" Befehle des Feiertagskalenders");
  BTN_Exit = AddButton(L"Exit", L" Programm beenden", 0, &TFRM_Main::BTN_ExitClick);
  BTN_Today = AddButton(L"Heute", L" Zum heutigen Datum gehen", 1, &TFRM_Main::BTN_TodayClick);
  BTN_Dayoff = AddButton(L"x Tage", L" Feiertage bearbeiten", 4, &TFRM_Main::BTN_DayoffClick);
  BTN_copy = AddButton(L"Kopie", L" Kalender in Zwischenablage kopieren", 2, &TFRM_Main::BTN_copyClick);
  BTN_online = AddButton(L"\u00DCber", HomePageAddress, 3, &TFRM_Main::BTN_onlineClick);
}

void TFRM_Main::MakeStatusBar() {
  STB_Main = new TStatusBar(this);
  STB_Main->SetName(L"STB_Main");
  STB_Main->SetParent(this);
  STB_Main->SetHeight(19);
  TStatusPanel* Clock = STB_Main->Panels()->Add();
  Clock->SetAlignment(taCenter);
  Clock->SetWidth(130);
  STB_Main->Panels()->Add()->SetWidth(400);
}

void TFRM_Main::MakeCalendar() {
  CAL_Main = new TAgendaCalendarGroup(this);
  TAgendaCalendarGroup* C = CAL_Main;
  C->SetName(L"CAL_Main");
  C->SetParent(this);
  C->SetAlign(alClient);
  C->ModifyGroup(4, 3, 180, 180);
  C->SetSpliterV(2);
  C->SetSpliterH(2);
  C->SetSplitterColor(clBtnFace);
  C->SetSplitterBevel(true);
  C->SetBevelOuter(bvNone);
  C->SetBevelWidth(1);
  C->SetBorderWidth(0);
  C->SetCalendarBevelInner(bvNone);
  C->SetCalendarBevelOuter(bvRaised);
  C->SetCalendarBevelWidth(0);
  C->SetCalendarBorderWidth(1);
  C->SetCalendarBorderStyle(bsNone);
  C->SetStartDay(1);
  C->SetStartYear(2010);
  C->SetStartMonth(2);
  C->SetMultiSelect(false);
  C->SetDay(18);
  C->SetMonth(2);
  C->SetYear(2010);
  C->SetEventHints(true);
  C->SetEventMarkerShape(evsCircle);
  C->SetEventMarkerColor(clYellow);
  C->SetEventDayColor(clBlack);
  TFont EventFont;
  EventFont.SetName(L"Tahoma");
  EventFont.SetHeight(-11);
  EventFont.SetStyle(TFontStyles{fsBold});
  C->SetEventFont(&EventFont);
  C->SetColor(clWhite);
  C->SetTextColor(clBlack);
  C->SetSelectColor(clTeal);
  C->SetSelectFontColor(clWhite);
  C->SetInActiveColor(clGray);
  C->SetHeaderColor(clBtnFace);
  C->SetFocusColor(clHighlight);
  C->SetInversColor(clWhite);
  C->SetWeekendColor(clRed);
  C->SetCaptionTextColor(clBlack);
  C->SetLineColor(clSilver);
  C->SetLine3D(true);
  C->SetGradientDirection(gdVertical);
  C->SetGradientStartColor(clWhite);
  C->SetGradientEndColor(clBtnFace);
  C->SetMonthGradientDirection(gdHorizontal);
  C->SetMonthGradientStartColor(clNone);
  C->SetMonthGradientEndColor(clNone);
  C->SetDateDownColor(clNone);
  C->SetDateHoverColor(clNone);
  C->SetBackgroundPosition(bpTiled);
  C->SetLook(look3D);
  C->SetAutoThemeAdapt(false);
  C->SetShowWeeks(true);
  C->SetShowSelection(true);
  C->SetShowToday(false);
  C->SetShowMonthSelector(false);
  C->SetShowYearSelector(false);
  SetCalendarTexts();
  C->YearStartAt()->SetISOWeekNumber(true);
  TFont Plain;
  Plain.SetName(L"Tahoma");
  Plain.SetHeight(-11);
  C->SetFont(&Plain);
  C->SetDayFont(&Plain);
  TFont WeekFont;
  WeekFont.SetName(L"Tahoma");
  WeekFont.SetHeight(-9);
  WeekFont.SetStyle(TFontStyles{fsItalic});
  C->SetWeekFont(&WeekFont);
  C->SetHint(L" Steuerung \u00FCber die Pfeiltasten oben links und rechts");
  C->SetParentShowHint(false);
  C->SetShowHint(true);
}

void TFRM_Main::SetCalendarTexts() {
  TAgendaCalendarGroup* C = CAL_Main;
  C->SetWeekName(L"kw");
  SetGermanNames(C->NameOfDays(), C->NameOfMonths());
  C->SetHintPrevYear(L"Voriges Jahr");
  C->SetHintPrevMonth(L"Voriger Monat");
  C->SetHintNextYear(L"N\u00E4chstes Jahr");
  C->SetHintNextMonth(L"N\u00E4chster Monat");
}

void TFRM_Main::MakeTable() {
  DS_Tarvok = new TDataSource(this);
  DS_Tarvok->SetName(L"DS_Tarvok");
  ADO_Daysoff = new TADOTable(this);
  ADO_Daysoff->SetName(L"ADO_Daysoff");
  ADO_Daysoff->SetTableName(L"Feiertage");
  ADO_Daysoff->SetTableDirect(true);
  ADO_Daysoff->SetCursorType(ctStatic);
  ADO_Daysoff->SetIndexFieldNames(L"Datum");
  ADO_Daysoff->BeforeInsert = [this](TDataSet* DataSet) { ADO_DaysoffBeforeInsert(DataSet); };
  ADO_DaysoffDatum = new TDateTimeField(this);
  ADO_DaysoffDatum->SetName(L"ADO_DaysoffDatum");
  ADO_DaysoffDatum->SetFieldName(L"Datum");
  ADO_DaysoffDatum->SetDataSet(ADO_Daysoff);
  ADO_DaysoffTagestext = new TWideStringField(this);
  ADO_DaysoffTagestext->SetName(L"ADO_DaysoffTagestext");
  ADO_DaysoffTagestext->SetFieldName(L"Tagestext");
  ADO_DaysoffTagestext->SetSize(30);
  ADO_DaysoffTagestext->SetDataSet(ADO_Daysoff);
  DS_Tarvok->SetDataSet(ADO_Daysoff);
}

// --- start and end -----------------------------------------------------------

void TFRM_Main::ShowCurrentMonth() {
  CAL_Main->SetStartYear(StrToInt(FormatDateTime(L"yyyy", Now())));
  CAL_Main->SetStartMonth(StrToInt(FormatDateTime(L"mm", Now())));
}

void TFRM_Main::FormCreate(TObject*) {
  Application->OnHint = [this](TObject* Sender) { ShowHint(Sender); };
  AppDir = GetCurrentDir();
  AppCaption = L"Jorvensaal 2016";
  SetCaption(AppCaption);
  IniFileName = AppDir + L"\\Tarvok.INI";
  {
    auto Ini = std::make_unique<TIniFile>(IniFileName);
    ShowCurrentMonth();
    SetLeft(Ini->ReadInteger(IniSection, L"Left", 5));
    SetTop(Ini->ReadInteger(IniSection, L"Top", 5));
    SetWidth(Ini->ReadInteger(IniSection, L"Width", 742));
    SetHeight(Ini->ReadInteger(IniSection, L"Height", 627));
  }
  DbConnectionString = L"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + AppDir +
                       L"\\Tarvok.mdb;Persist Security Info=False";
  ADO_Daysoff->SetActive(false);
  ADO_Daysoff->SetConnectionString(DbConnectionString);
  ADO_Daysoff->SetActive(true);
  Feiertage(this);
}

void TFRM_Main::FormClose(TObject*, TCloseAction&) {
  SetWindowState(wsNormal);
  {
    auto Ini = std::make_unique<TIniFile>(IniFileName);
    Ini->WriteInteger(IniSection, L"Left", Left());
    Ini->WriteInteger(IniSection, L"Top", Top());
    Ini->WriteInteger(IniSection, L"Width", Width());
    Ini->WriteInteger(IniSection, L"Height", Height());
  }
  // A failing post leaves the window open with the change still pending;
  // the message loop shows the error.
  if (DS_Tarvok->State() == dsEdit) ADO_Daysoff->Post();
  if (DS_Tarvok->State() == dsInsert) ADO_Daysoff->Post();
  ADO_Daysoff->Close();
}

// --- toolbar -------------------------------------------------------------------

void TFRM_Main::BTN_ExitClick(TObject*) { Close(); }

void TFRM_Main::BTN_TodayClick(TObject*) {
  ShowCurrentMonth();
  Feiertage(this);
}

void TFRM_Main::BTN_DayoffClick(TObject* Sender) {
  FRM_DaysOff->ShowModal();
  BTN_TodayClick(Sender);
}

void TFRM_Main::BTN_copyClick(TObject*) {
  {
    std::unique_ptr<TBitmap> Image(GetFormImage());
    Clipboard()->Assign(Image.get());
  }
  // Blocks the window for half a second, so the confirmation comes after
  // the clipboard has settled; the tick clock is the replaceable one.
  const Cardinal Start = GetTickCount();
  while (GetTickCount() - Start < 500) Sleep(10);
  ShowMessage(L"Kalender in die Zwischenablage kopiert !");
}

void TFRM_Main::BTN_onlineClick(TObject*) { ShellOpen(L"open", HomePageAddress); }

// --- table, clock and hints ------------------------------------------------------

void TFRM_Main::ADO_DaysoffBeforeInsert(TDataSet*) {
  if (FRM_DaysOff && FRM_DaysOff->DBAgendaDatePicker1->CanFocus())
    FRM_DaysOff->DBAgendaDatePicker1->SetFocus();
}

void TFRM_Main::Timer1Timer(TObject*) {
  const TDateTime Current = Now();
  STB_Main->Panels()->Items(0)->SetText(DateToStr(Current) + L"  -  " + TimeToStr(Current));
}

void TFRM_Main::ShowHint(TObject*) { STB_Main->Panels()->Items(1)->SetText(Application->Hint()); }

// The record count is only where the table starts: reading runs to the end
// of the table, so that a row which the move to the first one posts is read
// too. A row without a date cannot be placed and is passed over (rows
// without a date sort first, so stopping there would hide every holiday);
// the message says that no holiday at all could be shown.
void TFRM_Main::Feiertage(TObject*) {
  TSelDateItems* Events = CAL_Main->Events();
  Events->Clear();
  bool AnyHoliday = false;
  try {
    TDataSet* Table = DS_Tarvok->DataSet();
    for (Table->First(); !Table->Eof(); Table->Next()) {
      TField* DateField = Table->FieldByName(L"Datum");
      if (DateField->IsNull()) continue;
      const TDateTime Day = DateField->AsDateTime();
      Events->AddRangeHint(Day, Day, Table->FieldByName(L"Tagestext")->AsString());
      AnyHoliday = true;
    }
    if (!AnyHoliday) ShowMessage(L"Keine Feiertage eingegeben !");
  } catch (const Exception&) {
    ShowMessage(L"Keine Feiertage eingegeben !");
  }
  const TDateTime Today = Date();
  Events->AddRangeHintSC(Today, Today, L"Heute", evsCircle, TodayColor);
}

}  // namespace jorv::app
