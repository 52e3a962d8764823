#pragma once
// The pop-up window of every drop-down editor: borderless and topmost,
// owned by the editor's form, with the header on top, the footer at the
// bottom and the hosted control between them inside a border. Losing the
// activation to a window outside it closes it.
#include "dropdown/DropDownTypes.h"
#include "platform/ui/Form.h"

namespace jorv::dropdown {

class TExCustomDropDown;
class TExHeader;
class TExFooter;

class TDropDownForm : public TForm {
 public:
  explicit TDropDownForm(TComponent* AOwner);
  ~TDropDownForm() override;
  static TDropDownForm* CreateNew(TComponent* AOwner) { return new TDropDownForm(AOwner); }

  TExCustomDropDown* ExDropDown() const { return FExDropDown; }
  void SetExDropDown(TExCustomDropDown* Value) { FExDropDown = Value; }
  bool Shadow() const { return FShadow; }
  void SetShadow(bool Value) { FShadow = Value; }
  // Lets the bottom-right 10 x 10 pixels size the window.
  bool Sizeable() const { return FSizeable; }
  void SetSizeable(bool Value) { FSizeable = Value; }
  bool CancelOnDeActivate() const { return FCancelOnDeActivate; }
  void SetCancelOnDeActivate(bool Value) { FCancelOnDeActivate = Value; }
  // While set, activation changes are ignored (dialogs opened from the
  // pop-up set it).
  bool BlockActivate() const { return FBlockActivate; }
  void SetBlockActivate(bool Value) { FBlockActivate = Value; }
  // Tick count of the last deactivation of the visible pop-up.
  Cardinal DeActivateTime() const { return FDeActivateTime; }
  TExHeader* Header() const { return FHeader; }
  TExFooter* Footer() const { return FFooter; }

  // Creates or refreshes header and footer from the drop-down's looks.
  void InitializeAndUpdate();
  virtual void UpdateSize() {}

  TNotifyEvent OnSizing;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;
  void AdjustClientRect(TRect& Rect) override;
  void Paint() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  Integer BorderWidth() const;
  void HandleActivateMessage(TWMActivate& Message);
  void HandleNCHitTestMessage(TWMNCHitTest& Message);
  void InitializeHeader();
  void InitializeFooter();
  // True when Window, or a window above it, is this pop-up.
  bool OwnsWindow(HWND Window);

  TExCustomDropDown* FExDropDown = nullptr;
  bool FShadow = true;
  bool FSizeable = false;
  bool FCancelOnDeActivate = true;
  bool FBlockActivate = false;
  Cardinal FDeActivateTime = 0;
  TExHeader* FHeader = nullptr;
  TExFooter* FFooter = nullptr;
};

}  // namespace jorv::dropdown
