#include "grid/components/ExGridDataLink.h"
#include "grid/components/RERorAzaz.h"
#include "platform/data/DataSet.h"
#include "platform/data/DataSource.h"
#include "platform/rtl/ScopeExit.h"

namespace jorv::grid {

TExGridDataLink::TExGridDataLink(TRERorAzaz* AGrid) : FGrid(AGrid) { FVisualControl = true; }

TExGridDataLink::~TExGridDataLink() = default;

void TExGridDataLink::Reset() {
  if (FModified) RecordChanged(nullptr);
  else if (TDataSet* D = DataSet()) D->Cancel();
}

bool TExGridDataLink::AddMapping(const String&) { return true; }

TField* TExGridDataLink::Fields(Integer Index) const {
  if (Index < 0 || Index >= static_cast<Integer>(FFieldMap.size())) return nullptr;
  return DataSet()->Fields().Fields(FFieldMap[Index]);
}

void TExGridDataLink::ActiveChanged() {
  // The grid buffers records around the current one and moves both ways; a
  // data set that only reads forward cannot serve it.
  if (Active() && DataSet() && DataSet()->IsUniDirectional()) throw Exception(L"UniDirectional DataSet");
  if (!FLockEffects) FGrid->GridLinkActive(Active());
  FModified = false;
}

void TExGridDataLink::DataSetChanged() {
  if (!FLockEffects) FGrid->GridDataChanged();
  FModified = false;
}

void TExGridDataLink::DataSetScrolled(Integer Distance) {
  if (!FLockEffects) FGrid->LinkScrolled(Distance);
}

void TExGridDataLink::EditingChanged() {
  if (!FLockEffects) FGrid->GridEditingChanged();
}

void TExGridDataLink::FocusControl(TField**) {}

void TExGridDataLink::LayoutChanged() { TDataLink::LayoutChanged(); }

void TExGridDataLink::RecordChanged(TField* Field) {
  if (!FLockEffects) FGrid->GridRecordChanged(Field);
  FModified = false;
}

void TExGridDataLink::UpdateData() {
  FInUpdateData = true;
  auto Done = ScopeExit([this] { FInUpdateData = false; });
  if (FModified && !FLockEffects) FGrid->GridUpdateData();
  FModified = false;
}

}  // namespace jorv::grid
