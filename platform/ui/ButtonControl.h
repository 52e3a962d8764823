#pragma once
// The native BUTTON window under push buttons, check boxes and radio
// buttons: a click comes back from the parent as BN_CLICKED.
#include "platform/ui/WinControl.h"

namespace jorv {

class TButtonControl : public TWinControl {
 public:
  explicit TButtonControl(TComponent* AOwner);

  virtual bool Checked() const { return false; }
  virtual void SetChecked(bool) {}
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Dispatch(TMessage& Message) override;
  // Called for BN_CLICKED, from the mouse or the keyboard.
  virtual void CNCommand(TWMCommand& Message);

  bool FWordWrap = false;
};

}  // namespace jorv
