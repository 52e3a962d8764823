#include "platform/data/DataSource.h"
#include <algorithm>
#include "platform/data/DBConsts.h"
#include "platform/data/DataLink.h"
#include "platform/data/DataSet.h"

namespace jorv {

TDataSource::TDataSource(TComponent* AOwner) : TComponent(AOwner) {}

TDataSource::~TDataSource() {
  Destroying();
  for (TDataLink* l : std::vector<TDataLink*>(FDataLinks)) l->SetDataSource(nullptr);
  SetDataSet(nullptr);
}

void TDataSource::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FDataSet) SetDataSet(nullptr);
}

bool TDataSource::IsLinkedTo(const TDataSet* DataSet) const { return DataSet && DataSet == FDataSet; }

void TDataSource::SetDataSet(TDataSet* Value) {
  if (FDataSet == Value) return;
  if (FDataSet) {
    FDataSet->RemoveDataSource(this);
    RemoveFreeNotification(FDataSet);
  }
  FDataSet = Value;
  if (FDataSet) {
    FDataSet->AddDataSource(this);
    FreeNotification(FDataSet);
  }
  UpdateState();
}

void TDataSource::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  UpdateState();
}

void TDataSource::Edit() {
  if (FAutoEdit && FState == dsBrowse) FDataSet->Edit();
}

void TDataSource::UpdateState() {
  SetState(FEnabled && FDataSet ? FDataSet->State() : dsInactive);
}

void TDataSource::SetState(TDataSetState Value) {
  if (FState == Value) return;
  TDataSetState prior = FState;
  FState = Value;
  NotifyDataLinks(deUpdateState, 0);
  if (OnStateChange) OnStateChange(this);
  if (prior == dsInactive && OnDataChange) OnDataChange(this, nullptr);
}

void TDataSource::NotifyDataLinks(TDataEvent Event, intptr_t Info) {
  // Links may come and go while they are told; tell those still here.
  for (TDataLink* l : std::vector<TDataLink*>(FDataLinks))
    if (std::find(FDataLinks.begin(), FDataLinks.end(), l) != FDataLinks.end()) l->DataEvent(Event, Info);
}

void TDataSource::DataEvent(TDataEvent Event, intptr_t Info) {
  if (Event == deUpdateState) {
    UpdateState();
    return;
  }
  if (FState == dsInactive) return;
  NotifyDataLinks(Event, Info);
  switch (Event) {
    case deFieldChange:
      if (OnDataChange) OnDataChange(this, reinterpret_cast<TField*>(Info));
      break;
    case deRecordChange:
    case deDataSetChange:
    case deDataSetScroll:
    case deLayoutChange:
      if (OnDataChange) OnDataChange(this, nullptr);
      break;
    case deUpdateRecord:
      if (OnUpdateData) OnUpdateData(this);
      break;
    default: break;
  }
}

void TDataSource::AddDataLink(TDataLink* Link) {
  FDataLinks.push_back(Link);
  if (FDataSet) FDataSet->UpdateBufferCount();
}

void TDataSource::RemoveDataLink(TDataLink* Link) {
  FDataLinks.erase(std::remove(FDataLinks.begin(), FDataLinks.end(), Link), FDataLinks.end());
  if (FDataSet) FDataSet->UpdateBufferCount();
}

}  // namespace jorv
