// The data-aware grid's object, its reactions to the link and how rows map
// to the records of the link's buffers.
#include "grid/components/FlagScope.h"
#include "grid/components/RERorAzaz.h"
#include <algorithm>
#include <climits>
#include "platform/data/DataSet.h"
#include "platform/data/DataSource.h"
#include "platform/data/Field.h"
#include "platform/gfx/Icon.h"
#include "platform/gfx/ImageList.h"
#include "platform/gfx/Picture.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Menus.h"

namespace jorv::grid {

TRERorAzaz::TRERorAzaz(TComponent* AOwner) : TRezIvevirAvod(AOwner) {
  FDataLink = std::make_unique<TExGridDataLink>(this);
  FColumnCollection = CreateColumns();
  {
    TColumnGuard Guard(FColumnCollection.get());
    SyncColumnCount();
  }
  SetAlwaysValidate(true);
  FPicture = std::make_unique<TPicture>();
  FInvalidPicture = std::make_unique<TPicture>();
  TIcon Stock;
  Stock.SetHandle(LoadIconW(nullptr, MAKEINTRESOURCEW(32513)));
  FInvalidPicture->SetIcon(&Stock);
  // The base grid's events serve the grid itself; the user's handlers of
  // the same names are this class's own members.
  TRezIvevirAvod::OnRowChanging = [this](TObject*, Integer OldRow, Integer NewRow, bool& Allow) {
    GridRowChanging(OldRow, NewRow, Allow);
  };
  TRezIvevirAvod::OnCellValidate = [this](TObject*, Integer ACol, Integer ARow, String& Value, bool& Valid) {
    GridCellValidate(ACol, ARow, Value, Valid);
  };
  TRezIvevirAvod::OnCanSort = [this](TObject*, Integer ACol, bool& DoSort) { GridCanSort(ACol, DoSort); };
  SetColCount(2);
  SetRowCount(2);
  SetDefaultRowHeight(22);
  SetFixedColWidth(20);
}

TRERorAzaz::~TRERorAzaz() {
  FDataLink->SetLockEffects(true);
  FDataLink.reset();
  FreePictures();
}

Integer TRERorAzaz::GetVersionNr() const { return (2 << 24) | (3 << 16) | (6 << 8) | 22; }

std::unique_ptr<TDBGridColumnCollection> TRERorAzaz::CreateColumns() {
  return std::make_unique<TDBGridColumnCollection>(this);
}

// --- binding ---------------------------------------------------------------------------------------

TDataSource* TRERorAzaz::DataSource() const { return FDataLink->DataSource(); }

TDataSet* TRERorAzaz::LinkedDataSet() const { return FDataLink ? FDataLink->DataSet() : nullptr; }

bool TRERorAzaz::HasDataSet() const { return LinkedDataSet() != nullptr; }

bool TRERorAzaz::ActiveDataSet() const { return HasDataSet() && LinkedDataSet()->Active(); }

void TRERorAzaz::SetDataSource(TDataSource* Value) {
  if (Value == DataSource()) return;
  FDataLink->SetDataSource(Value);
  if (!Value) {
    SetRowCount(FixedRows() + 1);
    if (FAutoRemoveColumns) {
      SetColCount(2);
      for (Integer c = 0; c < 2 && c < FColumnCollection->Count(); ++c) FColumnCollection->Items(c)->SetFieldName(L"");
    }
    for (Integer c = 0; c < AllColCount(); ++c) SetCells(c, RowCount() - 1, L"");
    return;
  }
  Value->FreeNotification(this);
}

void TRERorAzaz::Notification(TComponent* AComponent, TOperation Operation) {
  TRezIvevirAvod::Notification(AComponent, Operation);
  if (Operation != opRemove || ComponentState().Contains(csDestroying) || !FDataLink) return;
  if (AComponent == DataSource()) SetDataSource(nullptr);
  // A field that ends takes the first column bound to it along. The field
  // is only a component by now, so its column is known by the binding.
  Integer Bound = -1;
  for (Integer i = 0; FColumnCollection && i < FColumnCollection->Count(); ++i) {
    TDBGridColumnItem* Item = FColumnCollection->Items(i);
    if (Item->FField == AComponent) {
      Item->FField = nullptr;
      if (Bound < 0 && i >= FirstFieldColumn()) Bound = i;
    }
    if (Item->FImages && static_cast<TComponent*>(Item->FImages) == AComponent) Item->FImages = nullptr;
    if (Item->FColumnPopup && static_cast<TComponent*>(Item->FColumnPopup) == AComponent) Item->FColumnPopup = nullptr;
  }
  if (Bound >= 0 && FAutoRemoveColumns) RemoveColumnAt(Bound);
}

void TRERorAzaz::SetColCount(Integer Value) {
  TRezIvevirAvod::SetColCount(Value);
  if (!FColumnCollection) return;
  TColumnGuard Guard(FColumnCollection.get());
  SyncColumnCount();
}

// The grid column and its item go together.
void TRERorAzaz::RemoveColumnAt(Integer ARealCol) {
  if (AllColCount() <= 1) return;
  TColumnGuard Guard(FColumnCollection.get());
  if (ARealCol < FColumnCollection->Count()) delete FColumnCollection->Items(ARealCol);
  RemoveCols(ARealCol, 1);
}

// One item per real column, hidden ones included.
void TRERorAzaz::SyncColumnCount() {
  while (FColumnCollection->Count() < AllColCount()) FColumnCollection->Add();
  while (FColumnCollection->Count() > AllColCount()) delete FColumnCollection->Items(FColumnCollection->Count() - 1);
}

void TRERorAzaz::SetFixedRows(Integer Value) {
  if (Value == FixedRows()) return;
  if (Designing() && Value >= RowCount() && !ActiveDataSet()) SetRowCount(Value + 1);
  if (Value >= 0) TRezIvevirAvod::SetFixedRows(Value);
  if (ActiveDataSet()) GridLinkActive(true);
}

// The grid lays its rows out anew for the other type. The data set is not
// closed and opened for it: a data set kept in memory would lose its
// records, and an edit in progress its changes.
void TRERorAzaz::SetDataSetType(TDataSetType Value) {
  FDataSetType = Value;
  if (ActiveDataSet() && FDataLink->Active()) GridLinkActive(true);
}

void TRERorAzaz::SetShowDBIndicator(bool Value) {
  FShowDBIndicator = Value;
  Invalidate();
}

void TRERorAzaz::SetShowBlankRow(bool Value) {
  FShowBlankRow = Value;
  UpdateRowCount();
}

void TRERorAzaz::SetInvalidPicture(TPicture* Value) { FInvalidPicture->Assign(Value); }

void TRERorAzaz::Assign(TPersistent* Source) {
  TRezIvevirAvod::Assign(Source);
  if (auto* From = dynamic_cast<TRERorAzaz*>(Source)) SetDataSource(From->DataSource());
}

void TRERorAzaz::Zoom(Integer Step) {
  BeginUpdate();
  TRezIvevirAvod::Zoom(Step);
  if (FPageMode && RowCount() > FixedRows()) SetDefaultRowHeight(GetRowHeights(FixedRows()));
  EndUpdate();
}

void TRERorAzaz::UpdateActive() { GridLinkActive(ActiveDataSet()); }

void TRERorAzaz::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) {
  TRezIvevirAvod::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (!FDataLink || !FPageMode || !ActiveDataSet()) return;
  FDataLink->SetBufferCount(VisibleBufferCount());
  SyncRowsToDataset(true);
}

void TRERorAzaz::Loaded() {
  TRezIvevirAvod::Loaded();
  if (FPageMode) SetScrollSynch(false);
  FColumnCollection->SetOrganization();
}

// --- columns and fields ----------------------------------------------------------------------------

TDBGridColumnItem* TRERorAzaz::ItemAt(Integer ARealCol) const {
  if (ARealCol < 0 || ARealCol >= FColumnCollection->Count()) return nullptr;
  return FColumnCollection->Items(ARealCol);
}

bool TRERorAzaz::IsIndicatorColumn(Integer ARealCol) const {
  return ARealCol == 0 && FShowDBIndicator && FixedCols() > 0;
}

Integer TRERorAzaz::FirstFieldColumn() const { return FShowDBIndicator && FixedCols() > 0 ? 1 : 0; }

TDBGridColumnItem* TRERorAzaz::GetColumnByName(const String& AValue) const {
  for (Integer i = 0; i < FColumnCollection->Count(); ++i)
    if (FColumnCollection->Items(i)->Name() == AValue) return FColumnCollection->Items(i);
  return nullptr;
}

TDBGridColumnItem* TRERorAzaz::GetColumnByFieldName(const String& AValue) const {
  for (Integer i = 0; i < FColumnCollection->Count(); ++i)
    if (SameText(FColumnCollection->Items(i)->FieldName(), AValue)) return FColumnCollection->Items(i);
  return nullptr;
}

Integer TRERorAzaz::GetDBFieldIndexAtColumn(Integer Index) {
  TDBGridColumnItem* Item = ItemAt(Index);
  if (!ActiveDataSet() || !Item || !Item->HTMLTemplate().empty()) return -1;
  TDataSet* D = LinkedDataSet();
  if (FColumnCollection->HasFieldsDefined()) {
    TField* F = Item->FieldName().empty() ? nullptr : D->FindField(Item->FieldName());
    return F ? F->Index() : -1;
  }
  if (IsIndicatorColumn(Index)) return -1;
  if (!Item->FieldName().empty()) {
    TField* F = D->FindField(Item->FieldName());
    return F ? F->Index() : -1;
  }
  return PositionalFieldIndex(Index);
}

// An unnamed column shows the visible fields in their order.
Integer TRERorAzaz::PositionalFieldIndex(Integer Index) const {
  TDataSet* D = LinkedDataSet();
  Integer Wanted = Index - (FShowDBIndicator ? FixedCols() : 0);
  for (Integer i = 0; i < D->FieldCount(); ++i) {
    if (!D->Fields()[i]->Visible()) continue;
    if (Wanted-- == 0) return i;
  }
  return -1;
}

TField* TRERorAzaz::GetDBFieldAtColumn(Integer Index) {
  const Integer FieldIndex = GetDBFieldIndexAtColumn(Index);
  return FieldIndex < 0 ? nullptr : LinkedDataSet()->Fields()[FieldIndex];
}

TField* TRERorAzaz::SelectedField() { return GetDBFieldAtColumn(RealColIndex(Col())); }

// Binds each column to its field and takes the field's alignment, mask,
// width and length. A new activation names unnamed columns; a layout change
// looks named fields up strictly.
void TRERorAzaz::BindColumnsToFields(bool ByFieldByName, bool AllBound) {
  TDataSet* D = LinkedDataSet();
  const bool Defined = FColumnCollection->HasFieldsDefined();
  for (Integer c = 0; c < FColumnCollection->Count(); ++c) {
    if (IsIndicatorColumn(c)) continue;
    TDBGridColumnItem* Item = FColumnCollection->Items(c);
    TField* F = nullptr;
    const bool Named = !Item->FieldName().empty();
    if (Named) F = ByFieldByName ? D->FieldByName(Item->FieldName()) : D->FindField(Item->FieldName());
    else if (!Defined && Item->HTMLTemplate().empty()) {
      const Integer Positional = PositionalFieldIndex(c);
      F = Positional < 0 ? nullptr : D->Fields()[Positional];
    }
    if (!F || (Named && !AllBound)) continue;
    if (!Named && FAutoCreateColumns) Item->SetFieldName(F->FieldName());
    Item->SetAlignment(F->Alignment());
    Item->SetEditMask(F->EditMask());
    // Text is measured on the grid's own canvas, which needs its window.
    if (FUseDBFieldWidths && F->DisplayWidth() > 0 && HandleAllocated()) {
      Canvas()->Font()->Assign(Item->Font());
      TEXTMETRICW Metrics{};
      GetTextMetricsW(Canvas()->Handle(), &Metrics);
      const Integer W = (Canvas()->TextWidth(L"0") - Metrics.tmOverhang) * F->DisplayWidth() + Metrics.tmOverhang + 4;
      Item->SetWidth(W < ClientWidth() ? W : DefaultColWidth());
    }
    const bool Text = F->DataType() == ftString || F->DataType() == ftWideString;
    Item->SetEditLength(Text ? F->Size() : 0);
  }
}

// --- activation ------------------------------------------------------------------------------------

void TRERorAzaz::GridLinkActive(bool Value) {
  if (!FDataLink) return;
  if (!HasDataSet()) {
    AutoRemoveColumns(true);
    return;
  }
  if (!Value) {
    FShowDefinedFields = false;
    ClearAll();
    SetRowCount(FixedRows() + 1);
    AutoRemoveColumns(false);
    for (Integer r = 0; r < RowCount(); ++r)
      for (Integer c = 0; c < AllColCount(); ++c) SetCells(c, r, L"");
    return;
  }
  TDataSet* D = LinkedDataSet();
  FShowDefinedFields = FColumnCollection->HasFieldsDefined();
  if (FShowDefinedFields && FAutoRemoveColumns) {
    // Columns naming fields the data set lacks go.
    for (Integer c = 0; c < FColumnCollection->Count(); ++c) {
      TDBGridColumnItem* Item = FColumnCollection->Items(c);
      if (Item->FieldName().empty() || D->FindField(Item->FieldName())) continue;
      Item->SetFieldName(L"");
      Item->SetHeader(L"");
      if (AllColCount() > FixedCols() + 1) RemoveColumnAt(c);
      c = -1;
    }
  }
  FVisibleFieldCount = 0;
  for (Integer i = 0; i < D->FieldCount(); ++i) FVisibleFieldCount += D->Fields()[i]->Visible() ? 1 : 0;
  if (!FShowDefinedFields && FAutoCreateColumns) {
    const Integer Count = FixedCols() + FVisibleFieldCount - NumHiddenColumns();
    if (Count >= 0) SetColCount(std::max(Count, FixedCols() + 1));
  }
  BindColumnsToFields(false, false);
  {
    TFlagScope Internal(FInternalCall, true);
    SetRowCount(1000);  // so that the visible rows can be measured
    FDataLink->SetBufferCount(VisibleBufferCount());
    SetRowCountAtActivation();
  }
  FColWith0Width = false;
  for (Integer c = 0; c < FColumnCollection->Count(); ++c) FColWith0Width |= FColumnCollection->Items(c)->Width() == 0;
  if (!FPageMode) {
    if (FloatingFooter()->Visible()) SetRowCount(RowCount() + 1);
    LoadAllRecords();
  }
  if (FDatasetTypeAuto && FDataSetType == dtSequenced &&
      (!D->IsSequenced() || (D->RecNo() < 0 && !D->IsEmpty())))
    FDataSetType = dtNonSequenced;
  FFilteredDataSet = D->Filtered();
  FOldState = D->State();
  SyncRowsToDataset(true);
  Invalidate();
}

bool TRERorAzaz::HasBlankRow() const {
  return FShowBlankRow || Options().Contains(goEditing) || !FixedRowAlways();
}

bool TRERorAzaz::FooterLastRowVisible() const {
  return FloatingFooter()->Visible() && FloatingFooter()->FooterStyle() == fsFixedLastRow;
}

Integer TRERorAzaz::VisibleBufferCount() { return VisibleRowCount() + 1; }

void TRERorAzaz::SetRowCountAtActivation() {
  const Integer Count = FixedRows() + CountRecords();
  if (Count >= FixedRows() + 1) {
    SetRowCount(Count);
    return;
  }
  SetRowCount(HasBlankRow() ? FixedRows() + 1 : std::max(FixedRows(), 1));
  for (Integer c = 0; c < AllColCount() && RowCount() > FixedRows(); ++c) SetCells(c, RowCount() - 1, L"");
}

void TRERorAzaz::AutoRemoveColumns(bool Force) {
  if (!FAutoRemoveColumns || ComponentState().Contains(csLoading)) return;
  const bool Remove = Force || !FColumnCollection->HasFieldsDefined();
  if (!Remove) return;
  if (Designing() && MessageDlg(L"Automatically remove columns ?", mtConfirmation, {mbYes, mbNo}) != IDYES) return;
  SetColCount(2);
  for (Integer c = 0; c < 2 && c < FColumnCollection->Count(); ++c) FColumnCollection->Items(c)->SetFieldName(L"");
}

// --- counting --------------------------------------------------------------------------------------

Integer TRERorAzaz::CountRecords() {
  if (!FDataLink || !ActiveDataSet()) return 0;
  TFlagScope Counting(FDoNotUpdateMe, true);
  TDataSet* D = LinkedDataSet();
  Integer Count = 0;
  if (OnGetRecordCount) {
    D->DisableControls();
    auto Enable = ScopeExit([D] { D->EnableControls(); });
    OnGetRecordCount(this, Count);
    FEmptyDataSet = Count == 0;
  } else {
    Count = CountDatasetRecords();
  }
  if (FPageMode && FooterLastRowVisible()) Count += Count == 0 ? 2 : 1;
  return Count;
}

Integer TRERorAzaz::CountDatasetRecords() {
  if (!FDataLink->Active()) return -1;
  TDataSet* D = LinkedDataSet();
  D->DisableControls();
  auto Enable = ScopeExit([D] { D->EnableControls(); });
  Integer Count = 0;
  if (!(D->BOF() && D->Eof())) {
    const bool WasEOF = D->Eof(), WasBOF = D->BOF();
    TBookmark Mark = D->GetBookmark();
    D->First();
    if (D->ComponentState().Contains(csDesigning)) Count = D->MoveBy(100);
    else Count = D->MoveBy(INT_MAX) + 1;
    D->GotoBookmark(Mark);
    D->FreeBookmark(Mark);
    if (WasEOF) D->Next();
    if (WasBOF) D->Prior();
  }
  if (D->State() == dsInsert) ++Count;
  FEmptyDataSet = Count == 0;
  return Count;
}

// --- following the data set ------------------------------------------------------------------------

void TRERorAzaz::GridDataChanged() {
  if (!FPageMode || !HasDataSet() || FEditUpdating || FDoNotUpdateMe) return;
  TDataSet* D = LinkedDataSet();
  const bool InsertEnded = FOldState == dsInsert && D->State() == dsBrowse;
  TFlagScope Ending(FEditEnding, FEditEnding || InsertEnded);
  UpdateFieldColumns();
  UpdateRowCount();
  SyncRowsToDataset(true);
  if (InsertEnded && EditorMode()) HideEditor();
  FOldState = D->State();
  FNotDeletionUpdate = false;
  if (D->Filtered() == FFilteredDataSet) return;
  // A filtered data set no longer numbers its records in sequence.
  if (D->Filtered() && FDataSetType == dtSequenced) {
    FOldDataSetType = dtSequenced;
    SetDataSetType(dtNonSequenced);
  } else if (!D->Filtered() && FOldDataSetType == dtSequenced && FDataSetType != dtSequenced) {
    SetDataSetType(dtSequenced);
  }
}

void TRERorAzaz::UpdateFieldColumns() {
  TDataSet* D = LinkedDataSet();
  if (!D->Active()) return;
  Integer Visible = 0;
  for (Integer i = 0; i < D->FieldCount(); ++i) Visible += D->Fields()[i]->Visible() ? 1 : 0;
  if (Visible == FVisibleFieldCount) return;
  FVisibleFieldCount = Visible;
  if (!FColumnCollection->HasFieldsDefined()) {
    SetColCount(std::max(FixedCols() + Visible - NumHiddenColumns(), FixedCols() + 1));
    for (Integer c = 0; c < FColumnCollection->Count(); ++c) FColumnCollection->Items(c)->SetFieldName(L"");
  }
  BindColumnsToFields(true, true);
  Invalidate();
}

void TRERorAzaz::Recount() {
  TFlagScope Internal(FInternalCall, true);
  const Integer Count = CountRecords();
  if (Count < 1) SetRowCount(HasBlankRow() ? FixedRows() + 1 : FixedRows());
  else SetRowCount(FixedRows() + Count);
}

void TRERorAzaz::UpdateRowCount() {
  const Integer OldRowCount = RowCount();
  if (RowCount() <= FixedRows()) SetRowCount(HasBlankRow() ? FixedRows() + 1 : FixedRows());
  if (!FPageMode) return;
  if (!FDataLink->Active() || !HandleAllocated()) {
    SetRowCount(FixedRows() + 1);
    return;
  }
  TDataSet* D = LinkedDataSet();
  const TDataSetState State = D->State();
  bool Recounted = false;
  if (State == dsInsert && !FInternalInsert && FOldState != dsInsert) {
    // The data set started an insertion of its own: a row makes room for it.
    if (!FEmptyDataSet) {
      InsertRows(Row(), 1);
      if (D->Eof()) {
        TFlagScope Appending(FAppending, true), Internal(FInternalCall, true), Selection(FInternalSelection, true);
        SetRow(FDataSetType == dtSequenced ? RowCount() - 1 : std::min(VisibleRowCount() + 1, RowCount() - 1));
      }
    }
  } else if (State == dsBrowse) {
    const bool FromInsert = FOldState == dsInsert;
    const bool NoChange = !FRecordChanged;
    if (FromInsert && FRecordChanged && FEmptyDataSet && !FInternalCall) {
      Recount();
      Recounted = true;
    } else if (FromInsert && (FEditPostMode == epRow || NoChange) && RowCount() - FixedRows() >= 2) {
      Recount();
      Recounted = true;
    } else if (!FromInsert && !FInternalCall && !FCancelEditReturn && !FDoNotCountRow && !FNotDeletionUpdate) {
      Recount();
      Recounted = true;
    }
    if (!Recounted && FromInsert && (FEditPostMode == epRow ? FEmptyDataSet : FRecordChanged) && !FInternalCall) {
      Recount();
      Recounted = true;
    }
  }
  FRecordChanged = false;
  if (RowCount() == OldRowCount && !Recounted) return;
  if (RowCount() < OldRowCount && FRefreshOnDelete && Recounted) {
    const Integer OldRow = Row();
    TFlagScope NoCount(FDoNotCountRow, true);
    D->Refresh();
    SetRow(std::min(OldRow, RowCount() - 1));
  }
  if (FDataSetType == dtSequenced && FDataLink->BufferCount() != VisibleBufferCount())
    FDataLink->SetBufferCount(VisibleBufferCount());
  Invalidate();
}

void TRERorAzaz::GridEditingChanged() {
  TDataSet* D = LinkedDataSet();
  if (!D) return;
  const TDataSetState State = D->State();
  if (State == dsEdit || State == dsInsert) {
    FOldEditingState = State;
    FWasEditing = true;
    FOldFooterEnableCalc = FloatingFooter()->EnableCalculation();
    FloatingFooter()->SetEnableCalculation(false);
  } else if (FloatingFooter()->EnableCalculation() != FOldFooterEnableCalc &&
             (FOldEditingState == dsEdit || FOldEditingState == dsInsert)) {
    FloatingFooter()->SetEnableCalculation(FOldFooterEnableCalc);
    if (FloatingFooter()->Visible() && FEditPostMode == epRow) {
      TFlagScope Select(FDoNotCallSelect, false);
      for (Integer c = FixedCols(); c < ColCount(); ++c) CalcFooter(c);
    }
  }
  FNotDeletionUpdate = true;
  FAppendOperation = D->Eof() && State == dsInsert && !FInternalInsert && !FEmptyDataSet;
  RepaintIndicator(Row());
}

void TRERorAzaz::GridRecordChanged(TField* Field) {
  FRecordChanged = true;
  if (!HandleAllocated()) return;
  if (!Field) {
    Invalidate();
    return;
  }
  for (Integer c = 0; c < FColumnCollection->Count(); ++c)
    if (FColumnCollection->Items(c)->FField == Field) RepaintCell(DisplColIndex(c), Row());
}

void TRERorAzaz::LinkScrolled(Integer Distance) {
  if (HandleAllocated()) SyncRowsToDataset(Distance != 0 || true);
}

void TRERorAzaz::TopLeftChanged() {
  TRezIvevirAvod::TopLeftChanged();
  if (FDataSetType == dtNonSequenced && !FBlockCallBack && FDataLink) SyncRowsToDataset(true);
}

void TRERorAzaz::RepaintIndicator(Integer ARow) {
  if (FShowDBIndicator && FixedCols() > 0 && HandleAllocated() && ARow >= 0 && ARow < RowCount()) RepaintCell(0, ARow);
}

// Puts the grid's current and top row where the data set is.
void TRERorAzaz::SyncRowsToDataset(bool Repaint) {
  if (!FDataLink || !FDataLink->Active() || !HandleAllocated() || FDoNotUpdateMe || !FPageMode) return;
  const Integer OldTop = TopRow(), OldRow = Row();
  if (FDataSetType == dtNonSequenced) SyncNonSequenced();
  else if (LinkedDataSet()->RecNo() >= 0) SyncSequenced();
  else return;
  FInternalCall = false;
  FKeyDownAppend = false;
  if (Repaint) Invalidate();
  if (FShowDBIndicator && (TopRow() != OldTop || Row() != OldRow)) {
    RepaintIndicator(OldRow);
    RepaintIndicator(Row());
  }
}

// The current row is the data set's record number; the visible rows are
// laid over the link's buffers so that each shows a buffered record.
void TRERorAzaz::SyncSequenced() {
  const Integer Last = RowCount() - 1 - (FooterLastRowVisible() ? 1 : 0);
  const Integer Target = std::min(LinkedDataSet()->RecNo() + FixedRows() - 1, Last);
  FInternalCall = true;
  if (Target >= FixedRows() && Target != Row()) {
    TFlagScope Selection(FInternalSelection, true), NoSelect(FDoNotCallSelect, true);
    TRezIvevirAvod::SetRow(Target);
  }
  const Integer Visible = std::max(1, VisibleRowCount());
  const Integer Above = std::min(FDataLink->ActiveRecord(), Visible - 1);
  const Integer MaxTop = std::max(FixedRows(), RowCount() - Visible);
  const Integer Top = std::clamp(Row() - Above, FixedRows(), MaxTop);
  if (Top != TopRow()) SetTopRow(Top);
}

// Without record numbers the visible rows are the link's buffers from the
// first data row on, and the scroll bar only tells where the window is.
void TRERorAzaz::SyncNonSequenced() {
  FInternalCall = true;
  if (FDataLink->BufferCount() != VisibleBufferCount()) FDataLink->SetBufferCount(VisibleBufferCount());
  if (TopRow() > FixedRows() && !FloatingFooter()->Visible() && !SearchFooter()->Visible()) {
    TFlagScope Block(FBlockCallBack, true);
    SetTopRow(FixedRows());
  }
  const Integer Target = std::min(FDataLink->ActiveRecord() + FixedRows(), RowCount() - 1);
  if (Target != Row() && Target >= FixedRows()) {
    TFlagScope Selection(FInternalSelection, true), NoSelect(FDoNotCallSelect, true), Block(FBlockCallBack, true);
    TRezIvevirAvod::SetRow(Target);
  }
  if (VisibleRowCount() + FixedRows() == RowCount()) return;
  SCROLLINFO Info{};
  Info.cbSize = sizeof(SCROLLINFO);
  Info.fMask = SIF_ALL;
  GetScrollInfo(Handle(), SB_VERT, &Info);
  const Integer Position = FDataLink->BOF() ? 0 : FDataLink->Eof() ? 4 : 2;
  if (Info.nMax > 0 && (Info.nPos != Position || Info.nMax != 4)) {
    SCROLLINFO NewInfo{};
    NewInfo.cbSize = sizeof(SCROLLINFO);
    NewInfo.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    NewInfo.nMax = 4;
    NewInfo.nPos = Position;
    SetScrollInfo(Handle(), SB_VERT, &NewInfo, TRUE);
  }
}

void TRERorAzaz::UpdateDisplay() {
  if (!FPageMode || !ActiveDataSet() || FEditUpdating) return;
  const Integer Offset = Row() - TopRow();
  const Integer AR = FDataLink->ActiveRecord();
  if (Offset >= 0 && Offset < AR) SetTopRow(std::max(FixedRows(), TopRow() - (AR - Offset)));
}

// --- the records behind the rows -------------------------------------------------------------------

Integer TRERorAzaz::BufferForRow(Integer ARow) const {
  TDataSet* D = LinkedDataSet();
  Integer Buffer;
  if (FDataSetType == dtNonSequenced) {
    Buffer = ARow - FixedRows() - (FNewAppendRecord ? 1 : 0);
  } else {
    Buffer = FDataLink->ActiveRecord() + (ARow - Row());
    if ((D->State() == dsInsert || D->RecNo() < 0) && FDataLink->Eof() && ARow > Row())
      Buffer = FDataLink->BufferCount();
  }
  return Buffer >= 0 && Buffer < FDataLink->RecordCount() ? Buffer : -1;
}

bool TRERorAzaz::ReadAtRow(Integer ARow, const std::function<void()>& Read) {
  if (FExporting) {
    // The exporter made the row's record current.
    if (ARow != FExportRow || FExportRow < 0) return false;
    Read();
    return true;
  }
  const Integer Buffer = BufferForRow(ARow);
  if (Buffer < 0) return false;
  const Integer Saved = FDataLink->ActiveRecord();
  FDataLink->SetActiveRecord(Buffer);
  auto Restore = ScopeExit([this, Saved] { FDataLink->SetActiveRecord(Saved); });
  Read();
  return true;
}

}  // namespace jorv::grid
