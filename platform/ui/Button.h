#pragma once
// The push button: a click closes a modal form with ModalResult; the
// default button answers Enter and the cancel button Escape.
#include "platform/ui/ButtonControl.h"
#include "platform/ui/Form.h"

namespace jorv {

class TButton : public TButtonControl {
 public:
  explicit TButton(TComponent* AOwner);

  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value) { FModalResult = Value; }
  bool Default() const { return FDefault; }
  void SetDefault(bool Value);
  bool Cancel() const { return FCancel; }
  void SetCancel(bool Value) { FCancel = Value; }
  void Click() override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Dispatch(TMessage& Message) override;

  TModalResult FModalResult = mrNone;
  bool FDefault = false;
  bool FCancel = false;
};

}  // namespace jorv
