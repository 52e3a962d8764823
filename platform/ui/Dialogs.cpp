#include "platform/ui/Dialogs.h"
#include "platform/ui/Application.h"

namespace jorv {

namespace {
TMessageBoxHandler& Handler() {
  static TMessageBoxHandler H;
  return H;
}
}  // namespace

TMessageBoxHandler SetMessageBoxHandler(TMessageBoxHandler NewHandler) {
  TMessageBoxHandler Old = std::move(Handler());
  Handler() = std::move(NewHandler);
  return Old;
}

Integer ShowMessageBox(const String& Text, const String& Caption, UINT Flags) {
  if (Handler()) return Handler()(Text, Caption, Flags);
  HWND Owner = GetActiveWindow();
  if (!Owner && Application) Owner = Application->Handle();
  return ::MessageBoxW(Owner, Text.c_str(), Caption.c_str(), Flags);
}

void ShowMessage(const String& Msg) {
  String Title = Application ? Application->Title() : String();
  ShowMessageBox(Msg, Title, MB_OK);
}

UINT MessageDlgFlags(TMsgDlgType DlgType, TMsgDlgButtons Buttons) {
  UINT Flags = 0;
  switch (DlgType) {
    case mtWarning: Flags = MB_ICONWARNING; break;
    case mtError: Flags = MB_ICONERROR; break;
    case mtInformation: Flags = MB_ICONINFORMATION; break;
    case mtConfirmation: Flags = MB_ICONQUESTION; break;
    case mtCustom: break;
  }
  auto Has = [&](TMsgDlgBtn B) { return Buttons.Contains(B); };
  if (Has(mbYes) && Has(mbNo))
    Flags |= Has(mbCancel) ? MB_YESNOCANCEL : MB_YESNO;
  else if (Has(mbAbort) && Has(mbRetry))
    Flags |= MB_ABORTRETRYIGNORE;
  else if (Has(mbRetry) && Has(mbCancel))
    Flags |= MB_RETRYCANCEL;
  else if (Has(mbOK) && Has(mbCancel))
    Flags |= MB_OKCANCEL;
  else
    Flags |= MB_OK;
  if (Has(mbHelp)) Flags |= MB_HELP;
  return Flags;
}

Integer MessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, Integer) {
  static const wchar_t* Captions[] = {L"Warning", L"Error", L"Information", L"Confirmation", L""};
  String Caption = Captions[DlgType];
  if (DlgType == mtCustom && Application) Caption = Application->Title();
  return ShowMessageBox(Msg, Caption, MessageDlgFlags(DlgType, Buttons));
}

}  // namespace jorv
