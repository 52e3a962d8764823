#pragma once
// The grid's combo editor: completes typed text from its items and the
// grid's lookup list, steps its item by the mouse wheel, and hands the
// keys that end the edit to the grid.
#include "grid/base/GrdComboBox.h"

namespace jorv::grid {

class TRezIvevirAvod;

class TGridCombo : public TGrdComboBox {
 public:
  // AOwner must be the grid.
  explicit TGridCombo(TComponent* AOwner);
  // Widens the list to its widest item (never narrower than the box).
  void SizeDropDownWidth();
  // Type-ahead: completes the text before the caret and selects the tail.
  void DoChange();
  // False after Backspace or Delete, so that the completion does not undo them.
  bool WorkMode = true;
  TNotifyEvent OnReturnKey;

 protected:
  void Dispatch(TMessage& Message) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyUp(Word& Key, TShiftState Shift) override;
  void KeyPress(Char& Key) override;
  void CMEnter(TMessage& Message) override;
  void CMExit(TMessage& Message) override;
  void Change() override;

 private:
  bool ListMode();
  bool IsHandOverKey(Word Key, TShiftState Shift);
  // Enter, Up, Down and Tab: false when validation refused the text.
  bool CommitText(bool CaretAfter);
  void WheelStep(bool Down);
  void RaiseComboChange(Integer ACol);
  // Completes the text from the first of List that starts with Typed;
  // false when none does.
  bool Complete(TStrings* List, const String& Typed, bool SelectItem);
  TRezIvevirAvod* FGrid = nullptr;
};

}  // namespace jorv::grid
