#pragma once
// The grid drop-down as the editor of the grid's edExGridDropDown cells:
// it hands the keys that end the edit to the grid, which validates,
// stores and moves on, and ends the edit when it loses the focus.
#include "grid/components/ExGridDropDown.h"
#include "grid/interaction/ExGridPicker.h"
#include "grid/interaction/GridDropDownEditors.h"

namespace jorv::grid {

class TGridExGridDropDown : public TGridDropDownEditor<TCustomExGridDropDown>, public TExGridPicker {
 public:
  // AOwner must be the grid.
  using TGridDropDownEditor::TGridDropDownEditor;
  TExCustomDropDown* PickerControl() override { return this; }
  TRezIvevirAvod* GetGrid() override { return TCustomExGridDropDown::GetGrid(); }
  bool UsesItems() const override { return UseItems(); }
  Integer LookupItem(const String& Text) override { return FindLookupRow(Text).Index; }
  void SetPickerItemIndex(Integer Index) override { SetItemIndex(Index); }
  void UpdateOnce() override {
    BeginUpdate();
    EndUpdate();
  }
};

}  // namespace jorv::grid
