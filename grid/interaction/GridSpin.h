#pragma once
// The grid's spin editor: steps by its buttons and the page keys, clamps
// its value when the edit ends and hands the keys that end the edit to the
// grid, which validates, stores and moves on.
#include "grid/base/GrdSpinEdit.h"

namespace jorv::grid {

class TRezIvevirAvod;

class TGridSpin : public TGrdSpinEdit {
 public:
  // AOwner must be the grid.
  explicit TGridSpin(TComponent* AOwner);
  void ReCreate() { RecreateWnd(); }
  void SpinUpClick(TObject* Sender) override;
  void SpinDownClick(TObject* Sender) override;
  // OnSpinClick and its float, date and time siblings, by the spin type.
  void NotifySpinClick(bool UpDown);
  // Integer and float values into their bounds, unless both bounds are equal.
  void ClampValue();

 protected:
  void Dispatch(TMessage& Message) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyPress(Char& Key) override;
  void WMKeyDown(TWMKey& Message) override;
  void WMChar(TWMKey& Message) override;
  void CMExit(TMessage& Message) override;
  void Change() override;

 private:
  // Page Up, Page Down, End and Home step within the bounds; true when Key
  // was one of them.
  bool PageStep(Word Key);
  void HandOver(Word& Key, TShiftState Shift);
  TRezIvevirAvod* FGrid = nullptr;
};

}  // namespace jorv::grid
