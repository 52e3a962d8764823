#pragma once
// The editors laid over a fixed (header) cell: a plain edit, which also
// serves the filter-edit row, and a combo. Both store their text into the
// cell through the grid's validation when the user leaves them.
#include "platform/ui/ComboBox.h"
#include "platform/ui/CustomEdit.h"

namespace jorv::grid {

class TRezIvevirAvod;

class TGridTransEdit : public TCustomEdit {
 public:
  // The owner is the grid whose fixed cells the edit serves.
  explicit TGridTransEdit(TComponent* AOwner);
  // Validates and stores the text; false when the grid refused it (the
  // edit then stays open with the focus).
  bool StopEdit();
  // The stored column and the row of the cell being edited.
  Integer Col() const { return FCol; }
  void SetCol(Integer Value) { FCol = Value; }
  Integer Row() const { return FRow; }
  void SetRow(Integer Value) { FRow = Value; }
  bool FilterEdit() const { return FFilterEdit; }
  void SetFilterEdit(bool Value) { FFilterEdit = Value; }

 protected:
  void DoExit() override;
  void KeyPress(Char& Key) override;

 private:
  Integer FRow = 0;
  Integer FCol = 0;
  bool FFilterEdit = false;
  TRezIvevirAvod* FGrid = nullptr;
};

class TGridTransCombo : public TCustomComboBox {
 public:
  explicit TGridTransCombo(TComponent* AOwner);
  bool StopEdit();
  Integer Col() const { return FCol; }
  void SetCol(Integer Value) { FCol = Value; }
  Integer Row() const { return FRow; }
  void SetRow(Integer Value) { FRow = Value; }
  // The width of the dropped list, as the window keeps it.
  Integer DropWidth();
  void SetDropWidth(Integer Value);

 protected:
  void DoExit() override;
  void KeyPress(Char& Key) override;

 private:
  Integer FRow = 0;
  Integer FCol = 0;
  TRezIvevirAvod* FGrid = nullptr;
};

}  // namespace jorv::grid
