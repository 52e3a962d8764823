#pragma once
// The grid's edits with a button: the plain, numeric, float and masked
// kinds (TGridEditBtn) and the value-with-unit kinds (TGridUnitEditBtn).
// They filter typed characters by the cell's editor kind, paste into the
// cell, complete from the grid's lookup list and hand the keys that end
// the edit to the grid.
#include "grid/base/GrdEditBtn.h"

namespace jorv::grid {

class TRezIvevirAvod;

// The character filters of the numeric and float kinds; false drops Key.
// Beep tells whether a dropped character beeps.
bool NumericEditAccepts(Char Key, const String& Text, Integer SelStart, bool& Beep);
bool FloatEditAccepts(Char Key, const String& Text, const String& Selected, Integer SelStart, bool CtrlHeld,
                      bool& Beep);

class TGridEditBtn : public TGrdEditBtn {
 public:
  // AOwner must be the grid.
  explicit TGridEditBtn(TComponent* AOwner);
  void ReCreate() { RecreateWnd(); }
  void EditButtonClick(TObject* Sender);
  // Type-ahead from the grid's lookup list.
  void LookupComplete();
  bool StopEditAfterClick() const { return FStopEditAfterClick; }
  void SetStopEditAfterClick(bool Value) { FStopEditAfterClick = Value; }
  bool WorkMode = true;

 protected:
  void Dispatch(TMessage& Message) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyUp(Word& Key, TShiftState Shift) override;
  void KeyPress(Char& Key) override;
  void WMChar(TWMKey& Message) override;
  void CMEnter(TMessage& Message) override;
  void CMExit(TMessage& Message) override;
  void Change() override;

 private:
  void HandlePasteMessage();
  TRezIvevirAvod* FGrid = nullptr;
  Integer FSelKeyDown = 0;
  bool FStopEditAfterClick = false;
};

class TGridUnitEditBtn : public TGrdUnitEditBtn {
 public:
  // AOwner must be the grid.
  explicit TGridUnitEditBtn(TComponent* AOwner);
  void ReCreate() { RecreateWnd(); }
  void EditButtonClick(TObject* Sender);

 protected:
  void Dispatch(TMessage& Message) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void WMChar(TWMKey& Message) override;
  void CMExit(TMessage& Message) override;

 private:
  TRezIvevirAvod* FGrid = nullptr;
};

}  // namespace jorv::grid
