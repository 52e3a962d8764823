// The program's main block. The main window is a placeholder until the
// holiday calendar's own window lands.
#include "platform/ui/ui.h"

using namespace jorv;

namespace {
class TFRM_Main : public TForm {
 public:
  explicit TFRM_Main(TComponent* AOwner) : TForm(AOwner) {
    SetName(L"FRM_Main");
    SetCaption(L"Jorvensaal 2016");
    SetBounds(5, 5, 742, 627);
    SetColor(clBtnFace);
  }
};
}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  Application->Initialize();
  Application->SetTitle(L"Jorvensaal");
  TFRM_Main* FRM_Main = nullptr;
  Application->CreateForm(FRM_Main);
  Application->Run();
  return 0;
}
