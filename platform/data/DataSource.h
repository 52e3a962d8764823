#pragma once
// The data source: the one place a data set's notices pass through on their
// way to the links of the controls, which can be switched off as a whole.
#include <functional>
#include <vector>
#include "platform/data/DataTypes.h"
#include "platform/rtl/Component.h"

namespace jorv {

class TDataSet;
class TDataLink;
class TDataSource;
class TField;

using TDataSourceNotifyEvent = std::function<void(TObject* Sender)>;
using TDataChangeEvent = std::function<void(TObject* Sender, TField* Field)>;

class TDataSource : public TComponent {
 public:
  explicit TDataSource(TComponent* AOwner = nullptr);
  ~TDataSource() override;

  TDataSet* DataSet() const { return FDataSet; }
  void SetDataSet(TDataSet* Value);
  // The data set's state, dsInactive while disabled or without data set.
  TDataSetState State() const { return FState; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  // Whether a control's change puts a browsing data set into edit state.
  bool AutoEdit() const { return FAutoEdit; }
  void SetAutoEdit(bool Value) { FAutoEdit = Value; }
  // Edit on behalf of a control: only with AutoEdit and while browsing.
  void Edit();
  bool IsLinkedTo(const TDataSet* DataSet) const;

  TDataChangeEvent OnDataChange;
  TDataSourceNotifyEvent OnStateChange;
  TDataSourceNotifyEvent OnUpdateData;

  // --- used by data sets and links ---
  void DataEvent(TDataEvent Event, intptr_t Info);
  void AddDataLink(TDataLink* Link);
  void RemoveDataLink(TDataLink* Link);
  const std::vector<TDataLink*>& DataLinks() const { return FDataLinks; }

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void UpdateState();
  void SetState(TDataSetState Value);
  void NotifyDataLinks(TDataEvent Event, intptr_t Info);

  TDataSet* FDataSet = nullptr;
  TDataSetState FState = dsInactive;
  bool FEnabled = true;
  bool FAutoEdit = true;
  std::vector<TDataLink*> FDataLinks;
};

}  // namespace jorv
