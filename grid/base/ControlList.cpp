#include "grid/base/ControlList.h"
#include "platform/ui/WinControl.h"

namespace jorv::grid {

void TControlList::CheckIndex(Integer i) const {
  if (i < 0 || i >= Count()) throw EListError(L"List index out of bounds (" + std::to_wstring(i) + L")");
}

void TControlList::AddControl(Integer X, Integer Y, TControl* AObject) {
  FItems.push_back(std::make_unique<TControlItem>(X, Y, AObject));
}

Integer TControlList::ControlIndex(Integer X, Integer Y) const {
  for (Integer i = 0; i < Count(); ++i)
    if (FItems[i]->X() == X && FItems[i]->Y() == Y) return i;
  return -1;
}

TControlItem* TControlList::GetControl(Integer i) const {
  CheckIndex(i);
  return FItems[i].get();
}

void TControlList::RemoveControl(Integer i) {
  CheckIndex(i);
  FItems.erase(FItems.begin() + i);
}

bool TControlList::HasHandle(HWND Handle) const {
  for (const auto& I : FItems) {
    // Asking a control without a window for its handle would make one.
    auto* W = dynamic_cast<TWinControl*>(I->Control());
    if (W && W->HandleAllocated() && W->Handle() == Handle) return true;
  }
  return false;
}

}  // namespace jorv::grid
