#pragma once
// The radio button: checking one unchecks the other radio buttons of the
// same parent.
#include "platform/ui/ButtonControl.h"

namespace jorv {

class TRadioButton : public TButtonControl {
 public:
  explicit TRadioButton(TComponent* AOwner);

  bool Checked() const override { return FChecked; }
  void SetChecked(bool Value) override;
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void CNCommand(TWMCommand& Message) override;

  bool FChecked = false;
  TAlignment FAlignment = taRightJustify;
};

}  // namespace jorv
