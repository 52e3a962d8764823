#pragma once
// What the grid asks of the editor of edExGridDropDown cells. That editor
// is the grid drop-down, a component built on the grid itself, so the grid
// knows it only through this interface and makes it through the class
// registry under the name "TGridExGridDropDown".
#include "platform/rtl/Types.h"

namespace jorv::dropdown {
class TExCustomDropDown;
}

namespace jorv::grid {

class TRezIvevirAvod;

class TExGridPicker {
 public:
  virtual ~TExGridPicker() = default;
  virtual jorv::dropdown::TExCustomDropDown* PickerControl() = 0;
  // The grid in the editor's pop-up.
  virtual TRezIvevirAvod* GetGrid() = 0;
  virtual bool UsesItems() const = 0;
  // The first item whose lookup column starts with Text, or -1.
  virtual Integer LookupItem(const String& Text) = 0;
  virtual void SetPickerItemIndex(Integer Index) = 0;
  // One begin and end of an update: the look-ahead list is rebuilt.
  virtual void UpdateOnce() = 0;
};

}  // namespace jorv::grid
