#pragma once
// A borderless pop-up form that never becomes the active window: it carries
// the grid's hover buttons and pictures of dragged cells above the grid,
// and a click on it leaves the focus where it was.
#include "platform/ui/Form.h"

namespace jorv::grid {
using namespace jorv;

class TNoActiveForm : public TForm {
 public:
  // Enabled (the form takes mouse input) or a disabled picture with a
  // thin border.
  TNoActiveForm(TComponent* AOwner, bool AEnabled);

  // Raised when the mouse left the form's window (not when it moves onto
  // one of the buttons on it).
  TNotifyEvent OnFormMouseLeave;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;
  // Shown topmost without activation, hidden plainly.
  void CMShowingChanged(TMessage& Message) override;
};

}  // namespace jorv::grid
