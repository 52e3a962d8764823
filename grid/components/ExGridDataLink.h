#pragma once
// The data-aware grid's link to its data source: a window of record
// buffers covering the grid's visible rows, whose notices reach the grid
// unless the grid locked them while it shifts that window itself.
#include <vector>
#include "platform/data/DataLink.h"

namespace jorv::grid {

class TRERorAzaz;

class TExGridDataLink : public TDataLink {
 public:
  explicit TExGridDataLink(TRERorAzaz* AGrid);
  ~TExGridDataLink() override;

  // The grid's editor changed the current field: the next UpdateData
  // writes the pending text.
  void Modified() { FModified = true; }
  bool IsModified() const { return FModified; }
  // Drops the editor's change, or cancels the record when there is none.
  void Reset();
  bool AddMapping(const String& FieldName);
  void ClearMapping() { FFieldMap.clear(); }
  Integer FieldCount() const { return FFieldCount; }
  TField* Fields(Integer Index) const;
  bool LockEffects() const { return FLockEffects; }
  void SetLockEffects(bool Value) { FLockEffects = Value; }
  bool InUpdateData() const { return FInUpdateData; }
  virtual bool IsSparse() const { return false; }

 protected:
  void ActiveChanged() override;
  void DataSetChanged() override;
  void DataSetScrolled(Integer Distance) override;
  void EditingChanged() override;
  void FocusControl(TField** Field) override;
  void LayoutChanged() override;
  void RecordChanged(TField* Field) override;
  void UpdateData() override;

 private:
  TRERorAzaz* FGrid;
  Integer FFieldCount = 0;
  std::vector<Integer> FFieldMap;
  bool FModified = false;
  bool FInUpdateData = false;
  bool FSparseMap = false;
  bool FLockEffects = false;
};

// Sets the link's lock for a scope: moves the grid makes only to shift the
// buffer window do not reach the grid as scrolls.
class TLinkLock {
 public:
  explicit TLinkLock(TExGridDataLink* ALink) : FLink(ALink), FOld(ALink->LockEffects()) { FLink->SetLockEffects(true); }
  ~TLinkLock() { FLink->SetLockEffects(FOld); }
  TLinkLock(const TLinkLock&) = delete;
  TLinkLock& operator=(const TLinkLock&) = delete;

 private:
  TExGridDataLink* FLink;
  bool FOld;
};

}  // namespace jorv::grid
