#pragma once
// Message boxes and the simple questions of the platform. All of them pass
// through one replaceable handler, so a test can answer them instead of a
// user.
#include <functional>
#include "platform/rtl/WinApi.h"
#include "platform/rtl/Types.h"

namespace jorv {

enum TMsgDlgType : uint8_t { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn : uint8_t {
  mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp, mbClose
};
using TMsgDlgButtons = TSet<TMsgDlgBtn, 16>;
inline const TMsgDlgButtons mbYesNo{mbYes, mbNo};
inline const TMsgDlgButtons mbYesNoCancel{mbYes, mbNo, mbCancel};
inline const TMsgDlgButtons mbYesAllNoAllCancel{mbYes, mbYesToAll, mbNo, mbNoToAll, mbCancel};
inline const TMsgDlgButtons mbOKCancel{mbOK, mbCancel};
inline const TMsgDlgButtons mbAbortRetryIgnore{mbAbort, mbRetry, mbIgnore};
inline const TMsgDlgButtons mbAbortIgnore{mbAbort, mbIgnore};

// Shows Text with Caption and the MB_* Flags; gives the ID* of the button
// chosen (the platform's mr* values).
using TMessageBoxHandler = std::function<Integer(const String& Text, const String& Caption, UINT Flags)>;

// Installs Handler (an empty one restores the system's message box) and
// gives back the one it replaces.
TMessageBoxHandler SetMessageBoxHandler(TMessageBoxHandler Handler);
Integer ShowMessageBox(const String& Text, const String& Caption, UINT Flags);

// Shows Msg with the application's title and an OK button.
void ShowMessage(const String& Msg);
// Asks with the caption of DlgType ("Warning", "Error", "Information",
// "Confirmation") and the nearest system set of Buttons; gives the mr* of
// the answer.
Integer MessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, Integer HelpCtx = 0);
// The MB_* flags MessageDlg uses for a type and a set of buttons.
UINT MessageDlgFlags(TMsgDlgType DlgType, TMsgDlgButtons Buttons);

}  // namespace jorv
