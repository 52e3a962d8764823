#pragma once
// Links: how a control follows a data source. A link sees a window of
// BufferCount records of the data set around the current one and receives
// the data set's notices as virtual calls. The field data link ties one
// control to one field.
#include <functional>
#include "platform/data/DataTypes.h"
#include "platform/rtl/Object.h"

namespace jorv {

class TComponent;
class TDataSet;
class TDataSource;
class TField;

class TDataLink : public TPersistent {
 public:
  TDataLink();
  ~TDataLink() override;

  TDataSource* DataSource() const { return FDataSource; }
  void SetDataSource(TDataSource* Value);
  TDataSet* DataSet() const;
  bool Active() const { return FActive; }
  // The data set's current record within this link's window (0-based);
  // writing it selects another buffered record for reading its fields.
  Integer ActiveRecord() const;
  void SetActiveRecord(Integer Value);
  Integer BufferCount() const { return FBufferCount; }
  void SetBufferCount(Integer Value);
  // Records in this link's window.
  Integer RecordCount() const;
  bool Editing() const { return FEditing; }
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);
  // Puts the data set into edit state (through the data source's AutoEdit);
  // answers whether the link is editing now.
  bool Edit();
  // Writes the control's value to the record (UpdateData).
  void UpdateRecord();
  Integer MoveBy(Integer Distance);
  bool BOF() const;
  bool Eof() const;

  // --- used by the data source ---
  void DataEvent(TDataEvent Event, intptr_t Info);
  void UpdateState();

 protected:
  virtual void ActiveChanged() {}
  virtual void CheckBrowseMode() {}
  virtual void DataSetChanged() { RecordChanged(nullptr); }
  virtual void DataSetScrolled(Integer /*Distance*/) { DataSetChanged(); }
  virtual void EditingChanged() {}
  // Field points at the field that wants the focus; a link that moves the
  // focus to its control clears it.
  virtual void FocusControl(TField** /*Field*/) {}
  virtual void LayoutChanged() { DataSetChanged(); }
  virtual void RecordChanged(TField* /*Field*/) {}
  virtual void UpdateData() {}

  bool FVisualControl = false;

 private:
  friend class TDataSet;
  void SetActive(bool Value);
  void SetEditing(bool Value);
  void UpdateRange();

  TDataSource* FDataSource = nullptr;
  Integer FFirstRecord = 0;
  Integer FBufferCount = 1;
  bool FActive = false;
  bool FEditing = false;
  bool FReadOnly = false;
  bool FUpdating = false;
};

class TFieldDataLink;
using TFieldDataLinkEvent = std::function<void(TObject* Sender)>;

class TFieldDataLink : public TDataLink {
 public:
  TFieldDataLink() { FVisualControl = true; }

  const String& FieldName() const { return FFieldName; }
  void SetFieldName(const String& Value);
  TField* Field() const { return FField; }
  // The control the link serves (told to take the focus for its field).
  TComponent* Control() const { return FControl; }
  void SetControl(TComponent* Value) { FControl = Value; }
  bool CanModify() const;
  bool Editing() const { return FEditing; }
  bool Edit();
  // The control changed its value; the next UpdateRecord writes it.
  void Modified() { FModified = true; }
  bool IsModified() const { return FModified; }
  // Shows the field's value again, dropping the control's change.
  void Reset() { RecordChanged(nullptr); }

  TFieldDataLinkEvent OnDataChange;
  TFieldDataLinkEvent OnEditingChange;
  TFieldDataLinkEvent OnUpdateData;
  TFieldDataLinkEvent OnActiveChange;

 protected:
  void ActiveChanged() override;
  void EditingChanged() override;
  void FocusControl(TField** Field) override;
  void LayoutChanged() override;
  void RecordChanged(TField* Field) override;
  void UpdateData() override;

 private:
  void SetField(TField* Value);
  void SetEditingState(bool Value);
  void UpdateField();

  TField* FField = nullptr;
  String FFieldName;
  TComponent* FControl = nullptr;
  bool FEditing = false;
  bool FModified = false;
};

}  // namespace jorv
