#include "platform/data/MemoryDataSet.h"
#include "platform/data/Fields.h"

namespace jorv {

TMemoryDataSet::TMemoryDataSet(TComponent* AOwner) : TDataSet(AOwner) {}

TMemoryDataSet::~TMemoryDataSet() {
  Destroying();
  Close();
}

void TMemoryDataSet::CreateDataSet() {
  CheckInactive();
  Open();
}

void TMemoryDataSet::EmptyDataSet() {
  CheckActive();
  CheckBrowseMode();
  ClearRecords();
  First();
}

void TMemoryDataSet::InternalOpen() {
  // Without definitions the persistent fields define the records.
  if (FieldDefs().Count() == 0) {
    for (TField* f : Fields())
      if (f->FieldKind() == fkData) FieldDefs().Add(f->FieldName(), f->DataType(), f->Size(), f->Required());
  }
}

}  // namespace jorv
