#include "app/DaysOffForm.h"
#include "app/AppPictures.h"
#include "app/MainForm.h"
#include "platform/ui/Application.h"

namespace jorv::app {

TFRM_Main* FRM_Main = nullptr;
TFRM_DaysOff* FRM_DaysOff = nullptr;

int RunProgram() {
  Application->Initialize();
  Application->SetTitle(L"Jorvensaal");
  TIcon Icon;
  MakeProgramIcon(&Icon);
  Application->SetIcon(&Icon);
  Application->CreateForm(FRM_Main);
  // The dialog's data controls bind to the main window's data source, so
  // the main window comes first.
  Application->CreateForm(FRM_DaysOff);
  Application->Run();
  return 0;
}

}  // namespace jorv::app
