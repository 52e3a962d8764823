#pragma once
// The grid's push button editor: a click or Space hands its caption to the
// grid's ellipsis handler and stores what comes back; the arrows move on
// and Escape cancels.
#include "platform/ui/Button.h"

namespace jorv::grid {

class TRezIvevirAvod;

class TGridButton : public TButton {
 public:
  // AOwner must be the grid.
  explicit TGridButton(TComponent* AOwner);
  void ReCreate() { RecreateWnd(); }
  String Text() const { return Caption(); }
  void SetText(const String& Value) { SetCaption(Value); }

 protected:
  void Dispatch(TMessage& Message) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyUp(Word& Key, TShiftState Shift) override;
  void CMExit(TMessage& Message) override;

 private:
  // The caption through the ellipsis handler into the current cell.
  void Press();
  TRezIvevirAvod* FGrid = nullptr;
};

}  // namespace jorv::grid
