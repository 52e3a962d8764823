#pragma once
// The check box: checked, unchecked or (with AllowGrayed) grayed; a click
// steps through the states it allows.
#include "platform/ui/ButtonControl.h"

namespace jorv {

enum TCheckBoxState : uint8_t { cbUnchecked, cbChecked, cbGrayed };

class TCheckBox : public TButtonControl {
 public:
  explicit TCheckBox(TComponent* AOwner);

  TCheckBoxState State() const { return FState; }
  void SetState(TCheckBoxState Value);
  bool Checked() const override { return FState == cbChecked; }
  void SetChecked(bool Value) override { SetState(Value ? cbChecked : cbUnchecked); }
  bool AllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool Value) { FAllowGrayed = Value; }
  // taLeftJustify puts the text left of the box.
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  // Moves to the next state, as a click does.
  virtual void Toggle();

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void CNCommand(TWMCommand& Message) override;

  TCheckBoxState FState = cbUnchecked;
  bool FAllowGrayed = false;
  TAlignment FAlignment = taRightJustify;
};

}  // namespace jorv
