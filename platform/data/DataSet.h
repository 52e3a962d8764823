#pragma once
// The data set: an ordered set of records with a current record, a window
// of record buffers around it that the links read, the browse/edit/insert
// states and their rules, bookmarks, filters and field lists.
//
// The records themselves are kept here in memory in their order; a
// descendant fills them on open (InternalOpen), writes changes through
// before they are taken over (WriteRecord, EraseRecord) and re-reads them on
// Refresh. A failed write leaves the records and the state as they were.
#include <functional>
#include <memory>
#include <vector>
#include "platform/data/DataTypes.h"
#include "platform/data/FieldDefs.h"
#include "platform/rtl/Component.h"
#include "platform/rtl/Variant.h"

namespace jorv {

class TDataSource;
class TDataLink;
class TField;
struct TFilterExpr;

enum TDataAction : uint8_t { daFail, daAbort, daRetry };

using TDataSetNotifyEvent = std::function<void(TDataSet* DataSet)>;
using TFilterRecordEvent = std::function<void(TDataSet* DataSet, bool& Accept)>;
using TDataSetErrorEvent = std::function<void(TDataSet* DataSet, EDatabaseError& E, TDataAction& Action)>;

// One stored record: a lasting identity (its bookmark) and its values in the
// order of the field definitions.
struct TDataRecord {
  Int64 Id = 0;
  std::vector<TFieldValue> Values;
};
using TDataRecordPtr = std::shared_ptr<TDataRecord>;

class TDataSet : public TComponent {
 public:
  explicit TDataSet(TComponent* AOwner = nullptr);
  ~TDataSet() override;

  bool Active() const { return FState != dsInactive; }
  void SetActive(bool Value);
  void Open() { SetActive(true); }
  void Close() { SetActive(false); }
  TDataSetState State() const { return FState; }

  // Navigation. MoveBy answers the distance actually moved.
  void First();
  void Last();
  void Next() { MoveBy(1); }
  void Prior() { MoveBy(-1); }
  Integer MoveBy(Integer Distance);
  // At the start / end of the data (EOF is the C library's macro, hence
  // the spelling Eof).
  bool BOF() const { return FBOF; }
  bool Eof() const { return FEOF; }
  bool IsEmpty() const { return FBOF && FEOF; }
  // Records that pass the filter.
  virtual Integer RecordCount() const;
  // 1-based number of the current record; -1 while inserting or when empty.
  virtual Integer RecNo() const;
  void SetRecNo(Integer Value);
  virtual bool IsSequenced() const { return true; }
  // Whether the data set only reads forward (keeps no records behind it).
  virtual bool IsUniDirectional() const { return false; }

  // Editing.
  void Insert();
  void Append();
  void Edit();
  void Post();
  void Cancel();
  void Delete();
  void Refresh();
  // Posts a modified record, cancels an unmodified one.
  void CheckBrowseMode();
  void UpdateRecord();
  bool Modified() const { return FModified; }
  virtual bool CanModify() const { return Active() && !FReadOnly; }
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }

  // Fields.
  const TFields& Fields() const { return FFields; }
  Integer FieldCount() const { return FFields.Count(); }
  TField* FindField(const String& FieldName) const { return FFields.FindField(FieldName); }
  // Raises "Field '%s' not found".
  TField* FieldByName(const String& FieldName) const;
  TFieldDefs& FieldDefs() { return FFieldDefs; }
  const TFieldDefs& FieldDefs() const { return FFieldDefs; }
  // Whether the fields were made by the data set from its definitions.
  bool DefaultFields() const { return FDefaultFields; }

  // Bookmarks.
  TBookmark GetBookmark() const;
  void GotoBookmark(const TBookmark& Bookmark);
  void FreeBookmark(TBookmark& Bookmark) const { Bookmark.clear(); }
  bool BookmarkValid(const TBookmark& Bookmark) const;
  // -1, 0 or 1 by the records' order; an empty bookmark comes first.
  Integer CompareBookmarks(const TBookmark& Bookmark1, const TBookmark& Bookmark2) const;
  TBookmark Bookmark() const { return GetBookmark(); }
  void SetBookmark(const TBookmark& Value) { GotoBookmark(Value); }

  // Controls.
  void DisableControls();
  void EnableControls();
  bool ControlsDisabled() const { return FDisableCount != 0; }

  // Filtering: with Filtered, only records that OnFilterRecord accepts and
  // that match Filter ("Field = 'text'" comparisons joined by AND/OR) show.
  bool Filtered() const { return FFiltered; }
  void SetFiltered(bool Value);
  const String& Filter() const { return FFilter; }
  void SetFilter(const String& Value);
  TFilterOptions FilterOptions() const { return FFilterOptions; }
  void SetFilterOptions(TFilterOptions Value);

  // Searching. KeyFields are separated by ';' with one value each; Null
  // matches an empty field only.
  bool Locate(const String& KeyFields, const std::vector<Variant>& KeyValues,
              TLocateOptions Options = {});
  bool Locate(const String& KeyFields, const Variant& KeyValue, TLocateOptions Options = {}) {
    return Locate(KeyFields, std::vector<Variant>{KeyValue}, Options);
  }
  // The value of ResultField in the first record whose keys match, Null
  // when none does; the current record does not move.
  Variant Lookup(const String& KeyFields, const std::vector<Variant>& KeyValues,
                 const String& ResultField);
  Variant Lookup(const String& KeyFields, const Variant& KeyValue, const String& ResultField) {
    return Lookup(KeyFields, std::vector<Variant>{KeyValue}, ResultField);
  }

  bool AutoCalcFields() const { return FAutoCalcFields; }
  void SetAutoCalcFields(bool Value) { FAutoCalcFields = Value; }

  TDataSetNotifyEvent BeforeOpen, AfterOpen, BeforeClose, AfterClose;
  TDataSetNotifyEvent BeforeInsert, AfterInsert, BeforeEdit, AfterEdit;
  TDataSetNotifyEvent BeforePost, AfterPost, BeforeCancel, AfterCancel;
  TDataSetNotifyEvent BeforeDelete, AfterDelete, BeforeScroll, AfterScroll;
  TDataSetNotifyEvent OnNewRecord, OnCalcFields;
  TFilterRecordEvent OnFilterRecord;
  TDataSetErrorEvent OnPostError;

  // --- used by fields, data sources and links ---
  void AddField(TField* Field);
  void RemoveField(TField* Field);
  void MoveField(TField* Field, Integer NewIndex);
  TFieldValue GetFieldValue(const TField* Field) const;
  void SetFieldValue(TField* Field, const TFieldValue& Value);
  void DataEvent(TDataEvent Event, intptr_t Info);
  void AddDataSource(TDataSource* Source);
  void RemoveDataSource(TDataSource* Source);
  // Number of record buffers (the largest any link asks for).
  Integer BufferCount() const { return FBufferCount; }
  void UpdateBufferCount();
  // Whether a record buffer is in use (active record or buffered ones).
  bool HasActiveRecord() const { return FRecordCount > 0 && FActiveRecord < FRecordCount; }

 protected:
  // Fill FieldDefs and the records (AddRecord) of a data set being opened.
  virtual void InternalOpen() = 0;
  virtual void InternalClose() {}
  // Writes a new (OldRecord null) or changed record through; may fill in
  // values the store assigns (counters). Raises on failure.
  virtual void WriteRecord(TDataRecord& NewRecord, const TDataRecord* OldRecord) {
    (void)NewRecord; (void)OldRecord;
  }
  virtual void EraseRecord(const TDataRecord& Record) { (void)Record; }
  // Re-reads the records; by default they stay as they are.
  virtual void InternalRefresh() {}
  void Notification(TComponent* AComponent, TOperation Operation) override;

  // For descendants filling or re-reading their records.
  TDataRecord& AddRecord();
  void ClearRecords() { FRecords.clear(); }
  std::vector<TDataRecordPtr>& Records() { return FRecords; }
  Int64 NewRecordId() { return ++FLastId; }
  void CheckInactive() const;
  void CheckActive() const;

 private:
  friend class TDataLink;
  friend class TField;

  struct TRecordBuffer {
    TDataRecordPtr Rec;                // stored record shown; null while new
    std::vector<TFieldValue> Data;     // values by definition
    std::vector<TFieldValue> Calc;     // calculated and lookup values by field index
    TBookmarkFlag Flag = bfCurrent;
    TDataRecordPtr Before;             // inserted: the record it stands before
  };

  void SetState(TDataSetState Value);
  void OpenCursor();
  void CloseCursor();
  void CreateDefaultFields();
  void BindFields();
  void DestroyDefaultFields();
  void CheckCanModify() const;
  void CheckRequiredFields();
  void BeginInsertAppend();
  void EndInsertAppend();
  void DoPost();

  // The buffer machinery.
  TRecordBuffer* ActiveBuffer();
  const TRecordBuffer* ActiveBuffer() const;
  TGetResult GetRecord(TRecordBuffer& Buffer, TGetMode Mode);
  bool GetNextRecord();
  bool GetPriorRecord();
  Integer GetNextRecords();
  Integer GetPriorRecords();
  void SetCurrentRecord(Integer Index);
  void UpdateCursorPos();
  void CursorPosChanged() { FCurrentRecord = -1; }
  void SetToRecord(const TRecordBuffer& Buffer);
  void MoveBuffer(Integer CurIndex, Integer NewIndex);
  void ActivateBuffers();
  void ClearBuffers();
  void Resync(TResyncMode Mode);
  void SetBufferCount(Integer Value);
  void InitRecord(TRecordBuffer& Buffer);
  void FillBuffer(TRecordBuffer& Buffer, const TDataRecordPtr& Rec);
  void CalculateFields(TRecordBuffer& Buffer);
  bool RecordAccepted(const TDataRecordPtr& Rec);
  Integer IndexOfRecord(const TDataRecord* Rec) const;
  Integer IndexOfId(Int64 Id) const;
  bool MatchKeys(const TDataRecordPtr& Rec, const std::vector<TField*>& Keys,
                 const std::vector<TFieldValue>& Values, TLocateOptions Options);
  std::vector<TField*> KeyFieldList(const String& KeyFields) const;
  // The first accepted record whose keys match; null when none does.
  TDataRecordPtr FindKeyRecord(const std::vector<TField*>& Keys, const std::vector<TFieldValue>& Values,
                               TLocateOptions Options);
  // Runs Read with the fields showing Rec.
  void ReadRecord(const TDataRecordPtr& Rec, const std::function<void()>& Read);
  void CheckOperation(const std::function<void()>& Operation, const TDataSetErrorEvent& ErrorEvent);
  void Fire(const TDataSetNotifyEvent& Event) {
    if (Event) Event(this);
  }

  TDataSetState FState = dsInactive;
  bool FBOF = true;
  bool FEOF = true;
  bool FModified = false;
  bool FReadOnly = false;
  bool FDefaultFields = false;
  bool FAutoCalcFields = true;
  bool FFiltered = false;
  String FFilter;
  TFilterOptions FFilterOptions;
  Integer FDisableCount = 0;
  TDataSetState FDisableState = dsInactive;
  TDataEvent FEnableEvent = deDataSetChange;
  TFieldDefs FFieldDefs;
  TFields FFields;
  std::vector<TDataSource*> FDataSources;

  std::vector<TDataRecordPtr> FRecords;
  Int64 FLastId = 0;
  Integer FCursor = -1;  // position in FRecords; -1 before the first, size after the last
  std::vector<TRecordBuffer> FBuffers = std::vector<TRecordBuffer>(2);  // FBufferCount + one to fetch into
  Integer FBufferCount = 1;
  Integer FRecordCount = 0;   // buffers in use
  Integer FActiveRecord = 0;
  Integer FCurrentRecord = -1;  // buffer the cursor stands on
  TRecordBuffer* FTempBuffer = nullptr;  // the buffer being filtered or calculated
  std::unique_ptr<TFilterExpr> FFilterExpr;
};

}  // namespace jorv
