#pragma once
// The holiday editing dialog: a list of the holiday table and the data
// controls that edit its current row, all bound to the main window's data
// source.
#include "edit/DBAgendaDatePicker.h"
#include "edit/DBExEdit.h"
#include "edit/DBExNavigator.h"
#include "panel/ExPanel.h"
#include "platform/data/DBGrid.h"
#include "platform/ui/Form.h"
#include "platform/ui/Label.h"

namespace jorv::app {
using namespace jorv::edit;
using namespace jorv::panel;

class TFRM_DaysOff : public TForm {
 public:
  explicit TFRM_DaysOff(TComponent* AOwner);

  TExPanel* tdb = nullptr;
  TDBGrid* DBGrid1 = nullptr;
  TDBAgendaDatePicker* DBAgendaDatePicker1 = nullptr;
  TDBExEdit* DBExEdit1 = nullptr;
  TDBExNavigator* DBExNavigator1 = nullptr;
  TLabel* Label1 = nullptr;

  void Label1Click(TObject* Sender);

 private:
  void MakeList(TDataSource* Source);
  void MakeDatePicker(TDataSource* Source);
  void SetDropDownLooks(TDBAgendaCalendar* Calendar);
  void MakeNavigator(TDataSource* Source);
  void MakeFooter();
};

class TFRM_Main;
// The program's two forms, set by the main block.
extern TFRM_Main* FRM_Main;
extern TFRM_DaysOff* FRM_DaysOff;

// The main block: the application, the main window, then the dialog that
// binds to the main window's data source, and the message loop.
int RunProgram();

}  // namespace jorv::app
