#pragma once
// A data set kept in memory only: its FieldDefs are given before opening
// (or taken from its persistent fields), its records live until it closes.
#include "platform/data/DataSet.h"

namespace jorv {

class TMemoryDataSet : public TDataSet {
 public:
  explicit TMemoryDataSet(TComponent* AOwner = nullptr);
  ~TMemoryDataSet() override;

  // Opens with the current definitions and an empty record set.
  void CreateDataSet();
  // Removes every record; the data set stays open.
  void EmptyDataSet();

 protected:
  void InternalOpen() override;
};

}  // namespace jorv
