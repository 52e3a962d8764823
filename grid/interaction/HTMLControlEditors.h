#pragma once
// The edit and the combo that the grid lays over a form control drawn in
// an HTML cell. Enter and Tab end their edit inside the grid: Enter stores
// the value and gives the grid the focus, Tab stores it and moves on to the
// cell's next control.
#include "grid/base/GrdComboBox.h"
#include "platform/ui/MaskEdit.h"

namespace jorv::grid {

// Edits EDIT, PASSWORD and MASK controls.
class TControlEdit : public TMaskEdit {
 public:
  explicit TControlEdit(TComponent* AOwner);

 protected:
  void Dispatch(TMessage& Message) override;
  void KeyPress(Char& Key) override;
};

// Edits COMBO controls.
class TControlCombo : public TGrdComboBox {
 public:
  explicit TControlCombo(TComponent* AOwner) : TGrdComboBox(AOwner) {}

 protected:
  void Dispatch(TMessage& Message) override;
  void KeyPress(Char& Key) override;
};

}  // namespace jorv::grid
