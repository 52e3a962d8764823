// The grid drop-down as the editor of edExGridDropDown cells: made on
// first use, prepared from the cell and written back like the other
// drop-down editors.
#include "dropdown/ExDropDown.h"
#include "grid/core/RezIvevirAvod.h"
#include "grid/interaction/ExGridPicker.h"
#include "platform/rtl/ClassRegistry.h"

namespace jorv::grid {

TExCustomDropDown* TRezIvevirAvod::ExGridDropDown() {
  if (FEditExGridPicker) return FEditExGridPicker;
  const TComponentClass Make = GetClass(L"TGridExGridDropDown");
  if (!Make) return nullptr;
  TComponent* Made = Make(this);
  auto* Picker = dynamic_cast<TExGridPicker*>(Made);
  if (!Picker || !Picker->PickerControl()) {
    delete Made;
    return nullptr;
  }
  FExGridPicker = Picker;
  FEditExGridPicker = Picker->PickerControl();
  FEditExGridPicker->SetVisible(false);
  FEditExGridPicker->SetParent(this);
  FEditExGridPicker->SetComponentStyle(TZVQStyle(GridStyle()));
  FEditExGridPicker->SetColorTones(ColorTones());
  return FEditExGridPicker;
}

// Before the application's properties are asked: the pop-up's grid keeps
// its header row even when no item is left in it.
void TRezIvevirAvod::PrepareExGridPicker() {
  FEditExGridPicker->SetEditorEnabled(true);
  if (TRezIvevirAvod* Hosted = FExGridPicker->GetGrid()) Hosted->SetFixedRowAlways(true);
}

void TRezIvevirAvod::SetExGridPickerValue(const String& T) {
  FExGridPicker->UpdateOnce();
  if (FExGridPicker->UsesItems()) FExGridPicker->SetPickerItemIndex(T.empty() ? 0 : FExGridPicker->LookupItem(T));
  FEditExGridPicker->SetText(T);
}

}  // namespace jorv::grid
