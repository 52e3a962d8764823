#pragma once
// The main window of the holiday calendar: twelve months with the holidays
// of the holiday table marked, a toolbar, a status bar with the clock and
// the current hint, and the window bounds kept in the INI file.
#include <functional>

#include "calendar/AgendaCalendarGroup.h"
#include "platform/data/ADOTable.h"
#include "platform/data/DataSource.h"
#include "platform/data/Fields.h"
#include "platform/gfx/ImageList.h"
#include "platform/ui/Form.h"
#include "platform/ui/StatusBar.h"
#include "platform/ui/Timer.h"
#include "platform/ui/ToolBar.h"

namespace jorv::app {
using namespace jorv::calendar;

// Unit-level strings of the main window, set by FormCreate.
extern String AppDir;
extern String AppCaption;
extern String IniFileName;
extern String DbConnectionString;

// The program's home page, opened by "Über" and the dialog's footer.
extern const wchar_t* const HomePageAddress;

// Asks the shell to carry out Verb on Address. Tests replace it; an empty
// function restores the shell.
using TShellOpener = std::function<void(const String& Verb, const String& Address)>;
TShellOpener SetShellOpener(TShellOpener Opener);
void ShellOpen(const String& Verb, const String& Address);

// Day names "Mo".."So" and month names "Jan".."Dez" over the locale's.
void SetGermanNames(TNameOfDays* Days, TNameOfMonths* Months);

class TFRM_Main : public TForm {
 public:
  explicit TFRM_Main(TComponent* AOwner);

  TToolBar* TBR_Main = nullptr;
  TToolButton* BTN_Exit = nullptr;
  TToolButton* BTN_Today = nullptr;
  TToolButton* BTN_Dayoff = nullptr;
  TToolButton* BTN_copy = nullptr;
  TToolButton* BTN_online = nullptr;
  TStatusBar* STB_Main = nullptr;
  TAgendaCalendarGroup* CAL_Main = nullptr;
  TImageList* IMG_Main = nullptr;
  TTimer* Timer1 = nullptr;
  TDataSource* DS_Tarvok = nullptr;
  TADOTable* ADO_Daysoff = nullptr;
  TDateTimeField* ADO_DaysoffDatum = nullptr;
  TWideStringField* ADO_DaysoffTagestext = nullptr;

  void FormCreate(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void BTN_ExitClick(TObject* Sender);
  void BTN_TodayClick(TObject* Sender);
  void BTN_DayoffClick(TObject* Sender);
  void BTN_copyClick(TObject* Sender);
  void BTN_onlineClick(TObject* Sender);
  void ADO_DaysoffBeforeInsert(TDataSet* DataSet);
  void Timer1Timer(TObject* Sender);
  void ShowHint(TObject* Sender);
  // The holiday loader: the table's rows become hinted days of the
  // calendar, and today gets its red circle.
  void Feiertage(TObject* Sender);

 private:
  void MakeToolBar();
  void MakeStatusBar();
  void MakeCalendar();
  void SetCalendarTexts();
  void MakeTable();
  TToolButton* AddButton(const String& Caption, const String& Hint, Integer ImageIndex,
                         void (TFRM_Main::*Handler)(TObject*));
  // Points the calendar at the current year and month.
  void ShowCurrentMonth();
};

}  // namespace jorv::app
