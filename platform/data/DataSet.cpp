#include "platform/data/DataSet.h"
#include <algorithm>
#include <cstring>
#include <cwctype>
#include "platform/data/DBConsts.h"
#include "platform/data/DataSource.h"
#include "platform/data/DataLink.h"
#include "platform/data/Fields.h"
#include "platform/data/FilterExpr.h"
#include "platform/rtl/ScopeExit.h"

namespace jorv {

namespace {

bool IsEditState(TDataSetState s) { return s == dsEdit || s == dsInsert; }

TBookmark MakeBookmark(Int64 id) {
  TBookmark b(sizeof id, 0);
  std::memcpy(b.data(), &id, sizeof id);
  return b;
}

Int64 BookmarkId(const TBookmark& b) {
  Int64 id = 0;
  if (b.size() == sizeof id) std::memcpy(&id, b.data(), sizeof id);
  return id;
}

std::vector<String> SplitNames(const String& s) {
  std::vector<String> r;
  String cur;
  for (Char c : s) {
    if (c == L';') {
      r.push_back(cur);
      cur.clear();
    } else {
      cur += c;
    }
  }
  r.push_back(cur);
  for (auto& n : r) {
    while (!n.empty() && n.front() == L' ') n.erase(n.begin());
    while (!n.empty() && n.back() == L' ') n.pop_back();
  }
  return r;
}

}  // namespace

TDataSet::TDataSet(TComponent* AOwner) : TComponent(AOwner) {}

TDataSet::~TDataSet() {
  Destroying();
  if (Active()) {
    FState = dsInactive;
    CloseCursor();
  }
  for (TDataSource* s : std::vector<TDataSource*>(FDataSources)) s->SetDataSet(nullptr);
  DestroyDefaultFields();
  for (TField* f : std::vector<TField*>(FFields.begin(), FFields.end())) f->FDataSet = nullptr;
  FFields.Clear();
  DestroyComponents();
}

void TDataSet::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
}

void TDataSet::CheckActive() const {
  if (!Active()) DatabaseError(SDataSetClosed, this);
}

void TDataSet::CheckInactive() const {
  if (Active()) DatabaseError(SDataSetOpen, this);
}

void TDataSet::CheckCanModify() const {
  if (!CanModify()) DatabaseError(SDataSetReadOnly, this);
}

// ---------------------------------------------------------------- fields

void TDataSet::AddField(TField* Field) {
  if (FFields.IndexOf(Field) < 0) FFields.Add(Field);
  if (Active() && !FTempBuffer) DataEvent(deFieldListChange, 0);
}

void TDataSet::RemoveField(TField* Field) {
  FFields.Remove(Field);
}

void TDataSet::MoveField(TField* Field, Integer NewIndex) {
  Integer cur = FFields.IndexOf(Field);
  if (cur < 0) return;
  NewIndex = std::clamp(NewIndex, 0, FFields.Count() - 1);
  if (cur == NewIndex) return;
  FFields.Move(cur, NewIndex);
  // Calculated values are kept by field position.
  for (auto& b : FBuffers) {
    if (b.Calc.size() == static_cast<size_t>(FFields.Count())) {
      TFieldValue v = b.Calc[cur];
      b.Calc.erase(b.Calc.begin() + cur);
      b.Calc.insert(b.Calc.begin() + NewIndex, v);
    }
  }
  if (Active()) DataEvent(deLayoutChange, 0);
}

TField* TDataSet::FieldByName(const String& FieldName) const {
  TField* f = FindField(FieldName);
  if (!f) DatabaseError(DBFormat(SFieldNotFound, {FieldName}), this);
  return f;
}

void TDataSet::CreateDefaultFields() {
  for (Integer i = 0; i < FFieldDefs.Count(); ++i) {
    const TFieldDef& d = FFieldDefs.Items(i);
    TField* f = CreateFieldOfType(d.DataType, this);
    f->SetFieldName(d.Name);
    if (d.DataType == ftString || d.DataType == ftWideString || d.DataType == ftFixedChar ||
        d.DataType == ftFixedWideChar || d.DataType == ftBCD)
      f->SetSize(d.Size);
    f->SetRequired(d.Required);
    if (d.ReadOnly) f->SetReadOnly(true);
    f->FDataSet = this;
    FFields.Add(f);
  }
  FDefaultFields = true;
}

void TDataSet::DestroyDefaultFields() {
  if (!FDefaultFields) return;
  FDefaultFields = false;
  std::vector<TField*> mine;
  for (TField* f : FFields)
    if (f->Owner() == this) mine.push_back(f);
  for (TField* f : mine) {
    FFields.Remove(f);
    f->FDataSet = nullptr;
    delete f;
  }
}

void TDataSet::BindFields() {
  for (TField* f : FFields) {
    if (f->FieldKind() != fkData) {
      f->Bind(0);
      if (f->FieldKind() == fkLookup &&
          (!f->LookupDataSet() || f->KeyFields().empty() || f->LookupKeyFields().empty() ||
           f->LookupResultField().empty()))
        DatabaseError(DBFormat(SLookupInfoError, {f->DisplayName()}), this);
      continue;
    }
    Integer i = FFieldDefs.IndexOf(f->FieldName());
    if (i < 0) DatabaseError(DBFormat(SFieldNotFound, {f->FieldName()}), this);
    f->Bind(FFieldDefs.Items(i).FieldNo);
  }
}

TFieldValue TDataSet::GetFieldValue(const TField* Field) const {
  const TRecordBuffer* b = ActiveBuffer();
  if (!b) return {};
  if (Field->FieldNo() > 0) {
    size_t i = static_cast<size_t>(Field->FieldNo() - 1);
    return i < b->Data.size() ? b->Data[i] : TFieldValue();
  }
  Integer i = FFields.IndexOf(Field);
  return i >= 0 && static_cast<size_t>(i) < b->Calc.size() ? b->Calc[i] : TFieldValue();
}

void TDataSet::SetFieldValue(TField* Field, const TFieldValue& Value) {
  bool calcState = FState == dsCalcFields || FState == dsFilter;
  if (!IsEditState(FState) && !calcState) DatabaseError(SNotEditing, this);
  if (!calcState && Field->FieldKind() != fkData && Field->FieldKind() != fkInternalCalc)
    DatabaseError(DBFormat(SFieldReadOnly, {Field->DisplayName()}), this);
  TRecordBuffer* b = ActiveBuffer();
  if (!b) DatabaseError(SNotEditing, this);
  TFieldValue* slot = nullptr;
  if (Field->FieldNo() > 0) {
    size_t i = static_cast<size_t>(Field->FieldNo() - 1);
    if (b->Data.size() <= i) b->Data.resize(FFieldDefs.Count());
    slot = &b->Data[i];
  } else {
    Integer i = FFields.IndexOf(Field);
    if (i < 0) return;
    if (b->Calc.size() < static_cast<size_t>(FFields.Count())) b->Calc.resize(FFields.Count());
    slot = &b->Calc[i];
  }
  TFieldValue old = *slot;
  *slot = Value;
  if (calcState) return;
  if (Field->OnValidate) {
    auto Undo = ScopeExit([&] { *slot = old; });
    Field->OnValidate(Field);
    Undo.Dismiss();
  }
  DataEvent(deFieldChange, reinterpret_cast<intptr_t>(Field));
}

// ---------------------------------------------------------------- open/close

void TDataSet::SetActive(bool Value) {
  if (Active() == Value) return;
  if (Value) {
    Fire(BeforeOpen);
    {
      auto Undo = ScopeExit([&] { CloseCursor(); });
      OpenCursor();
      Undo.Dismiss();
    }
    SetState(dsBrowse);
    Fire(AfterOpen);
    if (!IsEmpty()) Fire(AfterScroll);
  } else {
    if (!ComponentState().Contains(csDestroying)) Fire(BeforeClose);
    SetState(dsInactive);
    CloseCursor();
    if (!ComponentState().Contains(csDestroying)) Fire(AfterClose);
  }
}

void TDataSet::OpenCursor() {
  FRecords.clear();
  InternalOpen();
  if (FFields.Count() == 0) CreateDefaultFields();
  BindFields();
  for (auto& r : FRecords) r->Values.resize(FFieldDefs.Count());
  if (FFiltered && !FFilter.empty()) FFilterExpr = ParseFilter(FFilter, this);
  FCursor = -1;
  UpdateBufferCount();
  ClearBuffers();
  GetNextRecords();
  FBOF = true;
}

void TDataSet::CloseCursor() {
  InternalClose();
  FRecords.clear();
  FFilterExpr.reset();
  ClearBuffers();
  for (auto& b : FBuffers) b = TRecordBuffer();
  DestroyDefaultFields();
}

TDataRecord& TDataSet::AddRecord() {
  auto r = std::make_shared<TDataRecord>();
  r->Id = NewRecordId();
  FRecords.push_back(r);
  return *r;
}

void TDataSet::SetState(TDataSetState Value) {
  if (FState == Value) return;
  FState = Value;
  FModified = false;
  DataEvent(deUpdateState, 0);
}

// ---------------------------------------------------------------- notices

void TDataSet::DataEvent(TDataEvent Event, intptr_t Info) {
  if (Event == deFieldChange) {
    TField* f = reinterpret_cast<TField*>(Info);
    if (f->FieldKind() == fkData || f->FieldKind() == fkInternalCalc) FModified = true;
    if (FState != dsSetKey && FAutoCalcFields) {
      if (TRecordBuffer* b = ActiveBuffer()) CalculateFields(*b);
    }
    if (f->OnChange) f->OnChange(f);
  }
  if (FDisableCount == 0) {
    for (TDataSource* s : std::vector<TDataSource*>(FDataSources)) s->DataEvent(Event, Info);
  } else if ((Event == deUpdateState && FState == dsInactive) || Event == deLayoutChange) {
    FEnableEvent = deLayoutChange;
  }
}

void TDataSet::DisableControls() {
  if (FDisableCount == 0) {
    FDisableState = FState;
    FEnableEvent = deDataSetChange;
  }
  ++FDisableCount;
}

void TDataSet::EnableControls() {
  if (FDisableCount == 0) return;
  if (--FDisableCount == 0) {
    if (FDisableState != FState) DataEvent(deUpdateState, 0);
    if (FDisableState != dsInactive && FState != dsInactive) DataEvent(FEnableEvent, 0);
  }
}

void TDataSet::AddDataSource(TDataSource* Source) {
  if (std::find(FDataSources.begin(), FDataSources.end(), Source) == FDataSources.end())
    FDataSources.push_back(Source);
  UpdateBufferCount();
}

void TDataSet::RemoveDataSource(TDataSource* Source) {
  FDataSources.erase(std::remove(FDataSources.begin(), FDataSources.end(), Source),
                     FDataSources.end());
  UpdateBufferCount();
}

// ---------------------------------------------------------------- buffers

TDataSet::TRecordBuffer* TDataSet::ActiveBuffer() {
  if (FTempBuffer) return FTempBuffer;
  return HasActiveRecord() ? &FBuffers[FActiveRecord] : nullptr;
}

const TDataSet::TRecordBuffer* TDataSet::ActiveBuffer() const {
  if (FTempBuffer) return FTempBuffer;
  return HasActiveRecord() ? &FBuffers[FActiveRecord] : nullptr;
}

void TDataSet::UpdateBufferCount() {
  Integer n = 1;
  for (TDataSource* s : FDataSources)
    for (TDataLink* l : s->DataLinks()) n = std::max(n, l->BufferCount());
  SetBufferCount(n);
}

void TDataSet::SetBufferCount(Integer Value) {
  if (Value == FBufferCount) return;
  auto adjustLinks = [this](Integer Delta) {
    if (Delta == 0) return;
    for (TDataSource* s : FDataSources)
      for (TDataLink* l : s->DataLinks())
        if (l->Active()) l->FFirstRecord += Delta;
  };
  if (Value < FBufferCount && FRecordCount > Value) {
    // Keep the active record: drop buffers before it first, then after it.
    Integer front = std::max(0, FActiveRecord - (Value - 1));
    FBuffers.erase(FBuffers.begin(), FBuffers.begin() + front);
    FActiveRecord -= front;
    FRecordCount = std::min(FRecordCount - front, Value);
    adjustLinks(-front);
    CursorPosChanged();
  }
  FBuffers.resize(Value + 1);
  FBufferCount = Value;
  if (Active() && FRecordCount > 0 && FRecordCount < FBufferCount) {
    GetNextRecords();
    adjustLinks(GetPriorRecords());
  }
}

void TDataSet::MoveBuffer(Integer CurIndex, Integer NewIndex) {
  if (CurIndex == NewIndex) return;
  if (CurIndex < NewIndex)
    std::rotate(FBuffers.begin() + CurIndex, FBuffers.begin() + CurIndex + 1,
                FBuffers.begin() + NewIndex + 1);
  else
    std::rotate(FBuffers.begin() + NewIndex, FBuffers.begin() + CurIndex,
                FBuffers.begin() + CurIndex + 1);
}

void TDataSet::ActivateBuffers() {
  FRecordCount = 1;
  FActiveRecord = 0;
  FCurrentRecord = 0;
  FBOF = false;
  FEOF = false;
}

void TDataSet::ClearBuffers() {
  FRecordCount = 0;
  FActiveRecord = 0;
  FCurrentRecord = -1;
  FBOF = true;
  FEOF = true;
}

Integer TDataSet::IndexOfRecord(const TDataRecord* Rec) const {
  if (!Rec) return -1;
  if (FCursor >= 0 && FCursor < static_cast<Integer>(FRecords.size()) && FRecords[FCursor].get() == Rec)
    return FCursor;
  for (size_t i = 0; i < FRecords.size(); ++i)
    if (FRecords[i].get() == Rec) return static_cast<Integer>(i);
  return -1;
}

Integer TDataSet::IndexOfId(Int64 Id) const {
  for (size_t i = 0; i < FRecords.size(); ++i)
    if (FRecords[i]->Id == Id) return static_cast<Integer>(i);
  return -1;
}

void TDataSet::SetToRecord(const TRecordBuffer& Buffer) {
  Integer size = static_cast<Integer>(FRecords.size());
  switch (Buffer.Flag) {
    case bfCurrent: {
      Integer i = IndexOfRecord(Buffer.Rec.get());
      if (i >= 0) FCursor = i;
      break;
    }
    case bfInserted: {
      Integer i = IndexOfRecord(Buffer.Before.get());
      FCursor = i >= 0 ? i : size;
      break;
    }
    case bfBOF: FCursor = -1; break;
    case bfEOF: FCursor = size; break;
  }
}

void TDataSet::SetCurrentRecord(Integer Index) {
  if (FCurrentRecord != Index) {
    SetToRecord(FBuffers[Index]);
    FCurrentRecord = Index;
  }
}

void TDataSet::UpdateCursorPos() {
  if (FRecordCount > 0) SetCurrentRecord(FActiveRecord);
}

void TDataSet::InitRecord(TRecordBuffer& Buffer) {
  Buffer.Rec.reset();
  Buffer.Before.reset();
  Buffer.Data.assign(FFieldDefs.Count(), TFieldValue());
  Buffer.Calc.assign(FFields.Count(), TFieldValue());
  Buffer.Flag = bfInserted;
  CalculateFields(Buffer);
}

void TDataSet::FillBuffer(TRecordBuffer& Buffer, const TDataRecordPtr& Rec) {
  Buffer.Rec = Rec;
  Buffer.Before.reset();
  Buffer.Data = Rec->Values;
  Buffer.Data.resize(FFieldDefs.Count());
  Buffer.Flag = bfCurrent;
  CalculateFields(Buffer);
}

void TDataSet::CalculateFields(TRecordBuffer& Buffer) {
  Buffer.Calc.assign(FFields.Count(), TFieldValue());
  bool any = false;
  for (TField* f : FFields)
    if (f->FieldKind() != fkData) any = true;
  if (!any) return;
  TRecordBuffer* oldTemp = FTempBuffer;
  TDataSetState oldState = FState;
  FTempBuffer = &Buffer;
  FState = dsCalcFields;
  auto Restore = ScopeExit([&] {
    FTempBuffer = oldTemp;
    FState = oldState;
  });
  for (Integer i = 0; i < FFields.Count(); ++i) {
    TField* f = FFields[i];
    if (f->FieldKind() != fkLookup || !f->LookupDataSet() || !f->LookupDataSet()->Active())
      continue;
    std::vector<TFieldValue> keys;
    for (TField* k : KeyFieldList(f->KeyFields())) keys.push_back(k->GetFieldData());
    TDataSet* other = f->LookupDataSet();
    TField* result = other->FieldByName(f->LookupResultField());
    TDataRecordPtr rec = other->FindKeyRecord(other->KeyFieldList(f->LookupKeyFields()), keys, {});
    if (rec) other->ReadRecord(rec, [&] { Buffer.Calc[i] = other->GetFieldValue(result); });
  }
  if (OnCalcFields) OnCalcFields(this);
}

bool TDataSet::RecordAccepted(const TDataRecordPtr& Rec) {
  if (!FFiltered || (!OnFilterRecord && !FFilterExpr)) return true;
  TRecordBuffer tmp;
  FillBuffer(tmp, Rec);
  TRecordBuffer* oldTemp = FTempBuffer;
  TDataSetState oldState = FState;
  FTempBuffer = &tmp;
  FState = dsFilter;
  bool accept = true;
  {
    auto Restore = ScopeExit([&] {
      FTempBuffer = oldTemp;
      FState = oldState;
    });
    if (FFilterExpr) accept = EvaluateFilter(*FFilterExpr, FFilterOptions);
    if (accept && OnFilterRecord) OnFilterRecord(this, accept);
  }
  return accept;
}

TGetResult TDataSet::GetRecord(TRecordBuffer& Buffer, TGetMode Mode) {
  Integer size = static_cast<Integer>(FRecords.size());
  FCursor = std::clamp(FCursor, -1, size);
  switch (Mode) {
    case gmCurrent:
      if (FCursor < 0 || FCursor >= size || !RecordAccepted(FRecords[FCursor])) return grError;
      break;
    case gmNext:
      do {
        if (FCursor < size) ++FCursor;
        if (FCursor >= size) return grEOF;
      } while (!RecordAccepted(FRecords[FCursor]));
      break;
    case gmPrior:
      do {
        if (FCursor >= 0) --FCursor;
        if (FCursor < 0) return grBOF;
      } while (!RecordAccepted(FRecords[FCursor]));
      break;
  }
  FillBuffer(Buffer, FRecords[FCursor]);
  return grOK;
}

bool TDataSet::GetNextRecord() {
  TGetMode mode = gmNext;
  if (FRecordCount > 0) {
    SetCurrentRecord(FRecordCount - 1);
    const TRecordBuffer& last = FBuffers[FRecordCount - 1];
    // An inserted record stands before its successor, which comes next.
    if (FState == dsInsert && last.Flag == bfInserted && last.Before) mode = gmCurrent;
  }
  if (GetRecord(FBuffers[FRecordCount], mode) != grOK) {
    CursorPosChanged();
    return false;
  }
  if (FRecordCount == 0) {
    ActivateBuffers();
  } else if (FRecordCount < FBufferCount) {
    ++FRecordCount;
  } else {
    MoveBuffer(0, FRecordCount);
  }
  FCurrentRecord = FRecordCount - 1;
  return true;
}

bool TDataSet::GetPriorRecord() {
  if (FRecordCount > 0) SetCurrentRecord(0);
  if (GetRecord(FBuffers[FRecordCount], gmPrior) != grOK) {
    CursorPosChanged();
    return false;
  }
  if (FRecordCount == 0) {
    ActivateBuffers();
  } else {
    MoveBuffer(FRecordCount, 0);
    if (FRecordCount < FBufferCount) {
      ++FRecordCount;
      ++FActiveRecord;
    }
  }
  FCurrentRecord = 0;
  return true;
}

Integer TDataSet::GetNextRecords() {
  Integer n = 0;
  while (FRecordCount < FBufferCount && GetNextRecord()) ++n;
  return n;
}

Integer TDataSet::GetPriorRecords() {
  Integer n = 0;
  while (FRecordCount < FBufferCount && GetPriorRecord()) ++n;
  return n;
}

void TDataSet::Resync(TResyncMode Mode) {
  TRecordBuffer& spare = FBuffers[FRecordCount];
  if (Mode.Contains(rmExact)) {
    CursorPosChanged();
    if (GetRecord(spare, gmCurrent) != grOK) DatabaseError(SRecordNotFound, this);
  } else if (GetRecord(spare, gmCurrent) != grOK && GetRecord(spare, gmNext) != grOK &&
             GetRecord(spare, gmPrior) != grOK) {
    ClearBuffers();
    DataEvent(deDataSetChange, 0);
    return;
  }
  Integer count = Mode.Contains(rmCenter) ? (FBufferCount - 1) / 2 : FActiveRecord;
  MoveBuffer(FRecordCount, 0);
  ActivateBuffers();
  auto Restore = ScopeExit([&] { DataEvent(deDataSetChange, 0); });
  while (count > 0 && GetPriorRecord()) --count;
  GetNextRecords();
  GetPriorRecords();
}

// ---------------------------------------------------------------- navigation

void TDataSet::First() {
  CheckBrowseMode();
  Fire(BeforeScroll);
  ClearBuffers();
  {
    auto Restore = ScopeExit([&] {
      FBOF = true;
      DataEvent(deDataSetChange, 0);
    });
    FCursor = -1;
    GetNextRecords();
  }
  Fire(AfterScroll);
}

void TDataSet::Last() {
  CheckBrowseMode();
  Fire(BeforeScroll);
  ClearBuffers();
  {
    auto Restore = ScopeExit([&] {
      FEOF = true;
      DataEvent(deDataSetChange, 0);
    });
    FCursor = static_cast<Integer>(FRecords.size());
    GetPriorRecords();
  }
  Fire(AfterScroll);
}

Integer TDataSet::MoveBy(Integer Distance) {
  CheckBrowseMode();
  Integer result = 0;
  Fire(BeforeScroll);
  if ((Distance > 0 && !FEOF) || (Distance < 0 && !FBOF)) {
    FBOF = false;
    FEOF = false;
    Integer scrollCount = 0;
    {
      auto Restore = ScopeExit([&] { DataEvent(deDataSetScroll, scrollCount); });
      while (Distance > 0) {
        if (FActiveRecord < FRecordCount - 1) {
          ++FActiveRecord;
        } else {
          Integer shift = FRecordCount < FBufferCount ? 0 : 1;
          if (GetNextRecord()) {
            scrollCount -= shift;
            if (FActiveRecord < FRecordCount - 1) ++FActiveRecord;
          } else {
            FEOF = true;
            break;
          }
        }
        --Distance;
        ++result;
      }
      while (Distance < 0) {
        if (FActiveRecord > 0) {
          --FActiveRecord;
        } else {
          Integer shift = FRecordCount < FBufferCount ? 0 : 1;
          if (GetPriorRecord()) {
            scrollCount += shift;
            if (FActiveRecord > 0) --FActiveRecord;
          } else {
            FBOF = true;
            break;
          }
        }
        ++Distance;
        --result;
      }
    }
    Fire(AfterScroll);
  }
  return result;
}

Integer TDataSet::RecordCount() const {
  if (!Active()) return 0;
  if (!FFiltered || (!OnFilterRecord && !FFilterExpr)) return static_cast<Integer>(FRecords.size());
  auto* self = const_cast<TDataSet*>(this);
  Integer n = 0;
  for (auto& r : FRecords)
    if (self->RecordAccepted(r)) ++n;
  return n;
}

Integer TDataSet::RecNo() const {
  if (!Active() || FState == dsInsert || !HasActiveRecord()) return -1;
  const TRecordBuffer& b = FBuffers[FActiveRecord];
  auto* self = const_cast<TDataSet*>(this);
  Integer n = 0;
  for (auto& r : FRecords) {
    if (self->RecordAccepted(r)) ++n;
    if (r == b.Rec) return n;
  }
  return -1;
}

void TDataSet::SetRecNo(Integer Value) {
  CheckBrowseMode();
  Integer n = 0;
  for (size_t i = 0; i < FRecords.size(); ++i) {
    if (!RecordAccepted(FRecords[i]) || ++n != Value) continue;
    Fire(BeforeScroll);
    FCursor = static_cast<Integer>(i);
    Resync({rmExact, rmCenter});
    Fire(AfterScroll);
    return;
  }
}

// ---------------------------------------------------------------- editing

void TDataSet::CheckBrowseMode() {
  CheckActive();
  DataEvent(deCheckBrowseMode, 0);
  switch (FState) {
    case dsEdit:
    case dsInsert:
      UpdateRecord();
      if (FModified) Post();
      else Cancel();
      break;
    case dsSetKey: Post(); break;
    default: break;
  }
}

void TDataSet::UpdateRecord() {
  if (!IsEditState(FState) && FState != dsSetKey) DatabaseError(SNotEditing, this);
  DataEvent(deUpdateRecord, 0);
}

void TDataSet::Edit() {
  if (IsEditState(FState)) return;
  if (Active() && FRecordCount == 0) {
    Insert();
    return;
  }
  CheckBrowseMode();
  CheckCanModify();
  Fire(BeforeEdit);
  CalculateFields(FBuffers[FActiveRecord]);
  SetState(dsEdit);
  DataEvent(deRecordChange, 0);
  Fire(AfterEdit);
}

void TDataSet::BeginInsertAppend() {
  CheckBrowseMode();
  CheckCanModify();
  Fire(BeforeInsert);
  Fire(BeforeScroll);
}

void TDataSet::EndInsertAppend() {
  SetState(dsInsert);
  {
    auto Undo = ScopeExit([&] {
      UpdateCursorPos();
      SetState(dsBrowse);
      Resync({});
    });
    Fire(OnNewRecord);
    Undo.Dismiss();
  }
  FModified = false;
  DataEvent(deDataSetChange, 0);
  Fire(AfterInsert);
  Fire(AfterScroll);
}

void TDataSet::Insert() {
  BeginInsertAppend();
  TDataRecordPtr before = HasActiveRecord() ? FBuffers[FActiveRecord].Rec : nullptr;
  MoveBuffer(FRecordCount, FActiveRecord);
  TRecordBuffer& b = FBuffers[FActiveRecord];
  InitRecord(b);
  if (FRecordCount == 0) {
    b.Flag = bfBOF;
  } else {
    b.Before = before;
  }
  if (FRecordCount < FBufferCount) ++FRecordCount;
  EndInsertAppend();
}

void TDataSet::Append() {
  BeginInsertAppend();
  ClearBuffers();
  TRecordBuffer& b = FBuffers[0];
  InitRecord(b);
  b.Flag = bfEOF;
  FRecordCount = 1;
  FBOF = false;
  GetPriorRecords();
  EndInsertAppend();
}

void TDataSet::CheckRequiredFields() {
  for (TField* f : FFields) {
    if (f->Required() && !f->ReadOnly() && f->FieldKind() == fkData && f->IsNull()) {
      f->FocusControl();
      DatabaseError(DBFormat(SFieldRequired, {f->DisplayName()}), this);
    }
  }
}

void TDataSet::CheckOperation(const std::function<void()>& Operation,
                              const TDataSetErrorEvent& ErrorEvent) {
  for (;;) {
    try {
      Operation();
      return;
    } catch (EDatabaseError& E) {
      TDataAction action = daFail;
      if (ErrorEvent) ErrorEvent(this, E, action);
      if (action == daFail) throw;
      if (action == daAbort) Abort();
    }
  }
}

void TDataSet::DoPost() {
  CheckRequiredFields();
  TRecordBuffer& b = FBuffers[FActiveRecord];
  if (FState == dsEdit) {
    TDataRecord changed = *b.Rec;
    changed.Values = b.Data;
    WriteRecord(changed, b.Rec.get());
    b.Rec->Values = changed.Values;
    FCursor = IndexOfRecord(b.Rec.get());
  } else {
    auto rec = std::make_shared<TDataRecord>();
    rec->Id = NewRecordId();
    rec->Values = b.Data;
    WriteRecord(*rec, nullptr);
    Integer pos = b.Flag == bfInserted ? IndexOfRecord(b.Before.get()) : -1;
    if (pos < 0) pos = static_cast<Integer>(FRecords.size());
    FRecords.insert(FRecords.begin() + pos, rec);
    FCursor = pos;
    b.Rec = rec;
    b.Before.reset();
    b.Flag = bfCurrent;
  }
  FCurrentRecord = FActiveRecord;
}

void TDataSet::Post() {
  UpdateRecord();
  if (!IsEditState(FState)) return;
  DataEvent(deCheckBrowseMode, 0);
  Fire(BeforePost);
  CheckOperation([this] { DoPost(); }, OnPostError);
  SetState(dsBrowse);
  Resync({});
  Fire(AfterPost);
}

void TDataSet::Cancel() {
  if (!IsEditState(FState)) return;
  DataEvent(deCheckBrowseMode, 0);
  Fire(BeforeCancel);
  bool scroll = FState == dsInsert;
  if (scroll) Fire(BeforeScroll);
  FCurrentRecord = -1;
  UpdateCursorPos();
  SetState(dsBrowse);
  Resync({});
  Fire(AfterCancel);
  if (scroll) Fire(AfterScroll);
}

void TDataSet::Delete() {
  CheckActive();
  if (FState == dsInsert || FState == dsSetKey) {
    Cancel();
    return;
  }
  if (FRecordCount == 0) DatabaseError(SDataSetEmpty, this);
  CheckCanModify();
  DataEvent(deCheckBrowseMode, 0);
  Fire(BeforeDelete);
  Fire(BeforeScroll);
  TDataRecordPtr rec = FBuffers[FActiveRecord].Rec;
  EraseRecord(*rec);
  Integer pos = IndexOfRecord(rec.get());
  if (pos >= 0) FRecords.erase(FRecords.begin() + pos);
  FCursor = pos;
  CursorPosChanged();
  SetState(dsBrowse);
  Resync({});
  Fire(AfterDelete);
  Fire(AfterScroll);
}

void TDataSet::Refresh() {
  CheckBrowseMode();
  UpdateCursorPos();
  Integer size = static_cast<Integer>(FRecords.size());
  Int64 id = FCursor >= 0 && FCursor < size ? FRecords[FCursor]->Id : 0;
  Integer oldPos = FCursor;
  InternalRefresh();
  for (auto& r : FRecords) r->Values.resize(FFieldDefs.Count());
  Integer pos = id ? IndexOfId(id) : -1;
  FCursor = pos >= 0 ? pos : std::min(oldPos, static_cast<Integer>(FRecords.size()));
  CursorPosChanged();
  Resync({});
}

// ---------------------------------------------------------------- bookmarks

TBookmark TDataSet::GetBookmark() const {
  if (!Active() || !HasActiveRecord()) return {};
  const TRecordBuffer& b = FBuffers[FActiveRecord];
  if (b.Flag != bfCurrent || !b.Rec) return {};
  return MakeBookmark(b.Rec->Id);
}

void TDataSet::GotoBookmark(const TBookmark& Bookmark) {
  if (Bookmark.empty()) return;
  CheckBrowseMode();
  Integer i = IndexOfId(BookmarkId(Bookmark));
  if (i < 0) DatabaseError(SBookmarkNotFound, this);
  Fire(BeforeScroll);
  FCursor = i;
  Resync({rmExact, rmCenter});
  Fire(AfterScroll);
}

bool TDataSet::BookmarkValid(const TBookmark& Bookmark) const {
  if (!Active() || Bookmark.empty()) return false;
  Integer i = IndexOfId(BookmarkId(Bookmark));
  return i >= 0 && const_cast<TDataSet*>(this)->RecordAccepted(FRecords[i]);
}

Integer TDataSet::CompareBookmarks(const TBookmark& Bookmark1, const TBookmark& Bookmark2) const {
  if (Bookmark1.empty() || Bookmark2.empty())
    return Bookmark1.empty() == Bookmark2.empty() ? 0 : (Bookmark1.empty() ? -1 : 1);
  Integer a = IndexOfId(BookmarkId(Bookmark1));
  Integer b = IndexOfId(BookmarkId(Bookmark2));
  return a < b ? -1 : (a > b ? 1 : 0);
}

// ---------------------------------------------------------------- filter, search

void TDataSet::SetFiltered(bool Value) {
  if (FFiltered == Value) return;
  if (Active()) {
    CheckBrowseMode();
    FFilterExpr = Value && !FFilter.empty() ? ParseFilter(FFilter, this) : nullptr;
    FFiltered = Value;
    UpdateCursorPos();
    First();
  } else {
    FFiltered = Value;
  }
}

void TDataSet::SetFilter(const String& Value) {
  if (FFilter == Value) return;
  if (Active() && FFiltered) {
    CheckBrowseMode();
    FFilterExpr = Value.empty() ? nullptr : ParseFilter(Value, this);
    FFilter = Value;
    First();
  } else {
    FFilter = Value;
  }
}

void TDataSet::SetFilterOptions(TFilterOptions Value) {
  FFilterOptions = Value;
  if (Active() && FFiltered) First();
}

std::vector<TField*> TDataSet::KeyFieldList(const String& KeyFields) const {
  std::vector<TField*> r;
  for (const String& n : SplitNames(KeyFields)) r.push_back(FieldByName(n));
  return r;
}

bool TDataSet::MatchKeys(const TDataRecordPtr& Rec, const std::vector<TField*>& Keys,
                         const std::vector<TFieldValue>& Values, TLocateOptions Options) {
  TRecordBuffer tmp;
  FillBuffer(tmp, Rec);
  TRecordBuffer* oldTemp = FTempBuffer;
  FTempBuffer = &tmp;
  bool match = true;
  {
    auto Restore = ScopeExit([&] { FTempBuffer = oldTemp; });
    for (size_t i = 0; i < Keys.size() && match; ++i) {
      TFieldValue want = i < Values.size() ? Values[i] : TFieldValue();
      TFieldValue have = GetFieldValue(Keys[i]);
      if (IsNullValue(want) || IsNullValue(have)) {
        match = IsNullValue(want) && IsNullValue(have);
        continue;
      }
      if (std::holds_alternative<String>(have) || Options.Contains(loPartialKey)) {
        String h = std::holds_alternative<String>(have) ? std::get<String>(have) : Keys[i]->AsString();
        String w = std::holds_alternative<String>(want) ? std::get<String>(want)
                                                        : std::get<String>(Keys[i]->Convert(want));
        if (Options.Contains(loPartialKey)) h = h.substr(0, w.size());
        match = Options.Contains(loCaseInsensitive) ? CompareFilterText(h, w, true) == 0 : h == w;
      } else {
        match = CompareFilterValues(have, Keys[i]->Convert(want), false) == 0;
      }
    }
  }
  return match;
}

TDataRecordPtr TDataSet::FindKeyRecord(const std::vector<TField*>& Keys,
                                       const std::vector<TFieldValue>& Values, TLocateOptions Options) {
  for (auto& rec : FRecords)
    if (RecordAccepted(rec) && MatchKeys(rec, Keys, Values, Options)) return rec;
  return nullptr;
}

namespace {

std::vector<TFieldValue> StoredValues(const std::vector<Variant>& Values) {
  std::vector<TFieldValue> r;
  r.reserve(Values.size());
  for (const Variant& v : Values) r.push_back(VariantToFieldValue(v));
  return r;
}

}  // namespace

bool TDataSet::Locate(const String& KeyFields, const std::vector<Variant>& KeyValues,
                      TLocateOptions Options) {
  CheckBrowseMode();
  std::vector<TField*> keys = KeyFieldList(KeyFields);
  TDataRecordPtr rec = FindKeyRecord(keys, StoredValues(KeyValues), Options);
  if (!rec) return false;
  Fire(BeforeScroll);
  FCursor = IndexOfRecord(rec.get());
  Resync({rmExact, rmCenter});
  Fire(AfterScroll);
  return true;
}

Variant TDataSet::Lookup(const String& KeyFields, const std::vector<Variant>& KeyValues,
                         const String& ResultField) {
  CheckActive();
  std::vector<TField*> keys = KeyFieldList(KeyFields);
  TField* result = FieldByName(ResultField);
  TDataRecordPtr rec = FindKeyRecord(keys, StoredValues(KeyValues), {});
  Variant v = Null();
  if (rec) ReadRecord(rec, [&] { v = result->AsVariant(); });
  return v;
}

void TDataSet::ReadRecord(const TDataRecordPtr& Rec, const std::function<void()>& Read) {
  TRecordBuffer tmp;
  FillBuffer(tmp, Rec);
  TRecordBuffer* oldTemp = FTempBuffer;
  FTempBuffer = &tmp;
  auto Restore = ScopeExit([&] { FTempBuffer = oldTemp; });
  Read();
}

}  // namespace jorv
