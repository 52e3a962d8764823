#pragma once
// The controls a grid hosts in its cells: which control sits in which
// cell. The list owns its items, never their controls.
#include <memory>
#include <vector>
#include "platform/rtl/WinApi.h"
#include "platform/rtl/Object.h"

namespace jorv {
class TControl;
}
namespace jorv::grid {


class TControlItem : public TObject {
 public:
  TControlItem(Integer AX, Integer AY, TControl* AControl) : FX(AX), FY(AY), FControl(AControl) {}
  Integer X() const { return FX; }
  void SetX(Integer Value) { FX = Value; }
  Integer Y() const { return FY; }
  void SetY(Integer Value) { FY = Value; }
  TControl* Control() const { return FControl; }
  void SetControl(TControl* Value) { FControl = Value; }

 private:
  Integer FX = 0;
  Integer FY = 0;
  TControl* FControl = nullptr;
};

class TControlList : public TObject {
 public:
  void AddControl(Integer X, Integer Y, TControl* AObject);
  // The first item at that cell, -1 when none.
  Integer ControlIndex(Integer X, Integer Y) const;
  // EListError for an index outside the list.
  TControlItem* GetControl(Integer i) const;
  // Frees the item, not its control.
  void RemoveControl(Integer i);
  // An item's control is a windowed control with this window.
  bool HasHandle(HWND Handle) const;
  Integer Count() const { return static_cast<Integer>(FItems.size()); }

 private:
  void CheckIndex(Integer i) const;
  std::vector<std::unique_ptr<TControlItem>> FItems;
};

}  // namespace jorv::grid
