#pragma once
// The grid's check box editor: a press or Space toggles it, and the keys
// that leave a cell end its edit and hand the move to the grid.
#include "platform/ui/CheckBox.h"

namespace jorv::grid {

class TRezIvevirAvod;

class TGridCheckBox : public TCheckBox {
 public:
  // AOwner must be the grid.
  explicit TGridCheckBox(TComponent* AOwner);
  void ReCreate() { RecreateWnd(); }

 protected:
  void Dispatch(TMessage& Message) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void CMExit(TMessage& Message) override;
  // The press and Space toggle already; the system's click after them
  // would toggle a second time.
  void CNCommand(TWMCommand&) override {}

 private:
  TRezIvevirAvod* FGrid = nullptr;
};

}  // namespace jorv::grid
