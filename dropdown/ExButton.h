#pragma once
// The owner-drawn push button of a pop-up's header and footer: coloured by
// a button appearance for its normal, hot, pressed, checked and disabled
// states, with an image and a caption; a footer button closes the pop-up
// when its modal result asks for it.
#include "dropdown/DropDownTypes.h"
#include "platform/ui/CustomControl.h"
#include "platform/ui/Timer.h"

namespace jorv {
class TCustomImageList;
}
namespace jorv::dropdown {

class TExButtonAppearance;
class TExCustomDropDown;
using TModalResult = Integer;

class TExButton : public TCustomControl {
 public:
  explicit TExButton(TComponent* AOwner);
  ~TExButton() override;

  void Click() override;
  bool Down() const { return FDown; }
  void SetDown(bool Value);
  Integer GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(Integer Value) { FGroupIndex = Value; }
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool Value) { FAllowAllUp = Value; }
  TExButtonStyle Style() const { return FStyle; }
  void SetStyle(TExButtonStyle Value) { FStyle = Value; }
  TExButtonState State() const { return FState; }
  bool MouseInControl() const { return FMouseInControl; }
  TExButtonAppearance* Appearance() const { return FAppearance; }
  void SetAppearance(TExButtonAppearance* Value);
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  Integer ImageIndex() const { return FImageIndex; }
  void SetImageIndex(Integer Value);
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value) { FModalResult = Value; }
  TExCustomDropDown* ExDropDown() const { return FExDropDown; }
  void SetExDropDown(TExCustomDropDown* Value) { FExDropDown = Value; }
  // Caption width + 8 by caption height + 4 (the image counts where larger).
  void AutoSizeButton();
  void Loaded() override;

 protected:
  void Paint() override;
  virtual void DrawButton(TCanvas* ACanvas);
  void Dispatch(TMessage& Message) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void CMMouseEnter(TMessage& Message) override;
  void CMMouseLeave(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void FixState();
  void PaintParentBackground();
  bool Inside(Integer X, Integer Y);
  void UpdateExclusive();
  void UpdateTracking();
  void UnHotTimerTick(TObject* Sender);
  void HandleKeyDown(TWMKey& Message);
  void HandleDialogChar(TMessage& Message);
  void HandleButtonPressed(TMessage& Message);

  Integer FGroupIndex = 0;
  bool FDown = false;
  bool FAllowAllUp = false;
  bool FMouseInControl = false;
  bool FHot = false;
  TExButtonStyle FStyle = tasButton;
  TExButtonState FState = absUp;
  bool FMouseDownInControl = false;
  bool FDragging = false;
  TTimer* FUnHotTimer = nullptr;
  bool FInitialDown = false;
  bool FInternalClick = false;
  TExButtonAppearance* FAppearance = nullptr;
  TCustomImageList* FImages = nullptr;
  Integer FImageIndex = -1;
  TModalResult FModalResult = 0;
  TExCustomDropDown* FExDropDown = nullptr;
};

}  // namespace jorv::dropdown
