#include "platform/data/DataLink.h"
#include <algorithm>
#include "platform/data/DBConsts.h"
#include "platform/data/DataSet.h"
#include "platform/data/DataSource.h"
#include "platform/data/Field.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/WinControl.h"

namespace jorv {

TDataLink::TDataLink() = default;

TDataLink::~TDataLink() {
  if (FDataSource) FDataSource->RemoveDataLink(this);
}

TDataSet* TDataLink::DataSet() const { return FDataSource ? FDataSource->DataSet() : nullptr; }

void TDataLink::SetDataSource(TDataSource* Value) {
  if (FDataSource == Value) return;
  if (FDataSource) {
    FDataSource->RemoveDataLink(this);
    FDataSource = nullptr;
  }
  FDataSource = Value;
  if (FDataSource) FDataSource->AddDataLink(this);
  UpdateState();
}

void TDataLink::UpdateState() {
  SetActive(FDataSource && FDataSource->State() != dsInactive);
  SetEditing(FActive && !FReadOnly &&
             (FDataSource->State() == dsEdit || FDataSource->State() == dsInsert));
}

void TDataLink::SetActive(bool Value) {
  if (FActive == Value) return;
  FActive = Value;
  if (Value) UpdateRange();
  else FFirstRecord = 0;
  ActiveChanged();
}

void TDataLink::SetEditing(bool Value) {
  if (FEditing == Value) return;
  FEditing = Value;
  EditingChanged();
}

void TDataLink::SetReadOnly(bool Value) {
  if (FReadOnly == Value) return;
  FReadOnly = Value;
  UpdateState();
}

void TDataLink::UpdateRange() {
  TDataSet* ds = DataSet();
  Integer lo = std::max(0, ds->FActiveRecord - FBufferCount + 1);
  Integer hi = std::min(ds->FActiveRecord, std::max(0, ds->FBufferCount - FBufferCount));
  if (FFirstRecord < lo) FFirstRecord = lo;
  if (FFirstRecord > hi) FFirstRecord = hi;
}

Integer TDataLink::ActiveRecord() const {
  return FActive ? DataSet()->FActiveRecord - FFirstRecord : 0;
}

void TDataLink::SetActiveRecord(Integer Value) {
  if (FActive) DataSet()->FActiveRecord = Value + FFirstRecord;
}

void TDataLink::SetBufferCount(Integer Value) {
  if (Value < 1) Value = 1;
  if (FBufferCount == Value) return;
  FBufferCount = Value;
  if (FActive) {
    UpdateRange();
    DataSet()->UpdateBufferCount();
    UpdateRange();
  }
}

Integer TDataLink::RecordCount() const {
  if (!FActive) return 0;
  return std::max(0, std::min(DataSet()->FRecordCount - FFirstRecord, FBufferCount));
}

bool TDataLink::Edit() {
  if (!FReadOnly && FDataSource) FDataSource->Edit();
  return FEditing;
}

void TDataLink::UpdateRecord() {
  FUpdating = true;
  auto Restore = ScopeExit([&] { FUpdating = false; });
  UpdateData();
}

Integer TDataLink::MoveBy(Integer Distance) { return DataSet()->MoveBy(Distance); }
bool TDataLink::BOF() const { return DataSet()->BOF(); }
bool TDataLink::Eof() const { return DataSet()->Eof(); }

void TDataLink::DataEvent(TDataEvent Event, intptr_t Info) {
  if (Event == deUpdateState) {
    UpdateState();
    return;
  }
  if (!FActive) return;
  switch (Event) {
    case deFieldChange:
    case deRecordChange:
      if (!FUpdating) RecordChanged(reinterpret_cast<TField*>(Info));
      break;
    case deDataSetChange:
    case deDataSetScroll:
    case deLayoutChange: {
      // Keep the data set's current record inside this link's window,
      // moving the window as little as possible.
      Integer count = 0;
      if (FDataSource->State() != dsSetKey) {
        Integer active = DataSet()->FActiveRecord;
        Integer first = FFirstRecord + static_cast<Integer>(Info);
        Integer last = first + FBufferCount - 1;
        if (active > last) count = active - last;
        else if (active < first) count = active - first;
        FFirstRecord = first + count;
      }
      if (Event == deDataSetChange) DataSetChanged();
      else if (Event == deDataSetScroll) DataSetScrolled(count);
      else LayoutChanged();
      break;
    }
    case deUpdateRecord: UpdateRecord(); break;
    case deCheckBrowseMode: CheckBrowseMode(); break;
    case deFocusControl: FocusControl(reinterpret_cast<TField**>(Info)); break;
    default: break;
  }
}

// ---------------------------------------------------------------- field link

void TFieldDataLink::SetFieldName(const String& Value) {
  if (FFieldName == Value) return;
  FFieldName = Value;
  UpdateField();
}

void TFieldDataLink::SetField(TField* Value) {
  if (FField == Value) return;
  FField = Value;
  EditingChanged();
  RecordChanged(nullptr);
}

void TFieldDataLink::UpdateField() {
  if (!Active() || FFieldName.empty()) {
    SetField(nullptr);
    return;
  }
  // Rebinding tells the control once, about the field it ends up with.
  FField = nullptr;
  TField* F = DataSet()->FindField(FFieldName);
  if (!F) {
    // The control is named in the message when there is one: it is what
    // the user set up wrongly.
    if (FControl) DatabaseError(DBFormat(SFieldNotFound, {FFieldName}), FControl);
    F = DataSet()->FieldByName(FFieldName);
  }
  SetField(F);
}

bool TFieldDataLink::CanModify() const {
  return !ReadOnly() && FField && FField->CanModify();
}

bool TFieldDataLink::Edit() {
  if (CanModify()) TDataLink::Edit();
  return FEditing;
}

void TFieldDataLink::SetEditingState(bool Value) {
  if (FEditing == Value) return;
  FEditing = Value;
  FModified = false;
  if (OnEditingChange) OnEditingChange(this);
}

void TFieldDataLink::ActiveChanged() {
  UpdateField();
  if (OnActiveChange) OnActiveChange(this);
}

void TFieldDataLink::EditingChanged() { SetEditingState(TDataLink::Editing() && CanModify()); }

void TFieldDataLink::FocusControl(TField** Field) {
  if (!Field || !*Field || *Field != FField) return;
  auto* Control = dynamic_cast<TWinControl*>(FControl);
  if (Control && Control->CanFocus()) {
    Control->SetFocus();
    *Field = nullptr;
  }
}

void TFieldDataLink::LayoutChanged() { UpdateField(); }

void TFieldDataLink::RecordChanged(TField* Field) {
  if (Field && Field != FField) return;
  if (OnDataChange) OnDataChange(this);
  FModified = false;
}

void TFieldDataLink::UpdateData() {
  if (!FModified) return;
  if (FField && OnUpdateData) OnUpdateData(this);
  FModified = false;
}

}  // namespace jorv
