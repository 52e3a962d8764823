#include "platform/ui/StringGrid.h"
#include <algorithm>
#include <utility>
#include "platform/rtl/ScopeExit.h"

namespace jorv {

namespace {
const wchar_t* const SIndexOutOfRange = L"Grid index out of range";
}

// --- TStringGridStrings --------------------------------------------------------

void TStringGridStrings::CheckIndex(Integer Index) const {
  if (Index < 0 || Index >= GetCount()) throw EInvalidGridOperation(SIndexOutOfRange);
}

Integer TStringGridStrings::GetCount() const { return FIsColumn ? FGrid->RowCount() : FGrid->ColCount(); }

String TStringGridStrings::Get(Integer Index) const {
  CheckIndex(Index);
  return FIsColumn ? FGrid->StoredCell(FIndex, Index) : FGrid->StoredCell(Index, FIndex);
}

void TStringGridStrings::Put(Integer Index, const String& S) {
  CheckIndex(Index);
  if (FIsColumn)
    FGrid->StoreCell(FIndex, Index, S);
  else
    FGrid->StoreCell(Index, FIndex, S);
}

TObject* TStringGridStrings::GetObject(Integer Index) const {
  CheckIndex(Index);
  return FIsColumn ? FGrid->StoredObject(FIndex, Index) : FGrid->StoredObject(Index, FIndex);
}

void TStringGridStrings::PutObject(Integer Index, TObject* AObject) {
  CheckIndex(Index);
  if (FIsColumn)
    FGrid->StoreObject(FIndex, Index, AObject);
  else
    FGrid->StoreObject(Index, FIndex, AObject);
}

Integer TStringGridStrings::Add(const String& S) { return AddObject(S, nullptr); }

Integer TStringGridStrings::AddObject(const String& S, TObject* AObject) {
  for (Integer I = 0, N = GetCount(); I < N; ++I) {
    if (Get(I).empty() && !GetObject(I)) {
      Put(I, S);
      PutObject(I, AObject);
      return I;
    }
  }
  return -1;
}

void TStringGridStrings::Clear() {
  for (Integer I = 0, N = GetCount(); I < N; ++I) {
    if (!Get(I).empty()) Put(I, String());
    if (GetObject(I)) PutObject(I, nullptr);
  }
}

void TStringGridStrings::Insert(Integer, const String&) {
  throw EInvalidGridOperation(L"A grid's column or row cannot take new entries");
}

void TStringGridStrings::Delete(Integer) {
  throw EInvalidGridOperation(L"A grid's column or row cannot lose entries");
}

// --- TStringGrid -----------------------------------------------------------------

TStringGrid::TStringGrid(TComponent* AOwner) : TDrawGrid(AOwner) { FData.resize(RowCount()); }

TStringGrid::~TStringGrid() = default;

const TStringGrid::TCell* TStringGrid::FindCell(Integer ACol, Integer ARow) const {
  if (ARow < 0 || ARow >= static_cast<Integer>(FData.size()) || ACol < 0) return nullptr;
  const TCellRow* R = FData[ARow].get();
  if (!R || ACol >= static_cast<Integer>(R->size())) return nullptr;
  return &(*R)[ACol];
}

TStringGrid::TCell* TStringGrid::FindCell(Integer ACol, Integer ARow) {
  return const_cast<TCell*>(std::as_const(*this).FindCell(ACol, ARow));
}

void TStringGrid::CheckStorableCell(Integer ACol, Integer ARow) const {
  if (!FKeepCellsBeyondCount) {
    CheckCell(ACol, ARow);
  } else if (ACol < 0 || ARow < 0 || ACol >= std::max(ColCount(), TotalColCount()) || ARow >= RowCount()) {
    throw EInvalidGridOperation(SIndexOutOfRange);
  }
}

TStringGrid::TCell* TStringGrid::CellToWrite(Integer ACol, Integer ARow, bool Clearing) {
  if (FKeepCellsBeyondCount) {
    if (TCell* Kept = FindCell(ACol, ARow)) return Kept;
    if (Clearing && ACol >= 0 && ARow >= 0) return nullptr;
  }
  CheckStorableCell(ACol, ARow);
  if (ARow >= static_cast<Integer>(FData.size())) FData.resize(ARow + 1);
  std::unique_ptr<TCellRow>& R = FData[ARow];
  if (!R) {
    R = std::make_unique<TCellRow>();
    // Rows are mostly written whole: room for every column at once spares
    // the copies and frees of a row grown cell by cell, which a big grid
    // pays for in time and in heap blocks left behind.
    R->reserve(std::max(ACol + 1, ColCount()));
  }
  if (ACol >= static_cast<Integer>(R->size())) R->resize(ACol + 1);
  return &(*R)[ACol];
}

Integer TStringGrid::StoredColCount(Integer ARow) const {
  if (ARow < 0 || ARow >= static_cast<Integer>(FData.size()) || !FData[ARow]) return 0;
  return static_cast<Integer>(FData[ARow]->size());
}

void TStringGrid::TransferRowData(Integer From, Integer To) {
  if (From == To || From < 0 || To < 0) return;
  const Integer Stored = static_cast<Integer>(FData.size());
  std::unique_ptr<TCellRow> Moved = From < Stored ? std::move(FData[From]) : nullptr;
  if (!Moved && To >= Stored) return;
  if (To >= Stored) FData.resize(To + 1);
  FData[To] = std::move(Moved);
}

void TStringGrid::PermuteRowData(Integer First, const std::vector<Integer>& Order) {
  const size_t Count = Order.size();
  if (First < 0 || Count == 0) return;
  // Anything but a permutation would drop some rows and repeat others.
  std::vector<bool> Seen(Count);
  for (const Integer From : Order) {
    if (From < 0 || static_cast<size_t>(From) >= Count || Seen[static_cast<size_t>(From)]) return;
    Seen[static_cast<size_t>(From)] = true;
  }
  const size_t Start = static_cast<size_t>(First);
  if (FData.size() < Start + Count) FData.resize(Start + Count);
  // Gathered into a second array of row pointers: each row is read at a
  // place known in advance, so the reads of a million rows overlap instead
  // of waiting on one another as a walk along the cycles of the order does.
  std::vector<std::unique_ptr<TCellRow>> Moved(Count);
  for (size_t i = 0; i < Count; ++i) Moved[i] = std::move(FData[Start + static_cast<size_t>(Order[i])]);
  std::move(Moved.begin(), Moved.end(), FData.begin() + static_cast<std::ptrdiff_t>(Start));
}

void TStringGrid::DropRowData(Integer ARow) {
  if (ARow >= 0 && ARow < static_cast<Integer>(FData.size())) FData[ARow].reset();
}

TStringGridCell& TStringGridRow::Cell(Integer ACol) {
  if (ACol < 0) throw EInvalidGridOperation(SIndexOutOfRange);
  if (!FCells) FCells = std::make_unique<std::vector<TStringGridCell>>();
  if (ACol >= Count()) FCells->resize(ACol + 1);
  return (*FCells)[ACol];
}

void TStringGridRow::InsertCells(Integer ACol, Integer Count) {
  if (Count <= 0 || ACol < 0 || ACol >= this->Count()) return;
  FCells->insert(FCells->begin() + ACol, Count, TStringGridCell{});
}

void TStringGridRow::DeleteCells(Integer ACol, Integer Count) {
  if (ACol < 0 || ACol >= this->Count()) return;
  Count = std::min(Count, this->Count() - ACol);
  if (Count > 0) FCells->erase(FCells->begin() + ACol, FCells->begin() + ACol + Count);
}

void TStringGrid::InsertColData(Integer ACol, Integer Count) {
  for (auto& R : FData) {
    if (!R) continue;
    TStringGridRow Row;
    Row.FCells = std::move(R);
    Row.InsertCells(ACol, Count);
    R = std::move(Row.FCells);
  }
}

void TStringGrid::DeleteColData(Integer ACol, Integer Count) {
  for (auto& R : FData) {
    if (!R) continue;
    TStringGridRow Row;
    Row.FCells = std::move(R);
    Row.DeleteCells(ACol, Count);
    R = std::move(Row.FCells);
  }
}

TStringGridRow TStringGrid::TakeRowData(Integer ARow) {
  TStringGridRow Result;
  if (ARow >= 0 && ARow < static_cast<Integer>(FData.size())) Result.FCells = std::move(FData[ARow]);
  return Result;
}

void TStringGrid::PutRowData(Integer ARow, TStringGridRow&& Cells) {
  if (ARow < 0) return;
  if (!Cells.FCells) {
    DropRowData(ARow);
    return;
  }
  if (ARow >= static_cast<Integer>(FData.size())) FData.resize(ARow + 1);
  FData[ARow] = std::move(Cells.FCells);
}

void TStringGrid::InsertRowData(Integer ARow, Integer Count) {
  const Integer Stored = static_cast<Integer>(FData.size());
  if (Count <= 0 || ARow < 0 || ARow >= Stored) return;
  FData.resize(Stored + Count);
  std::move_backward(FData.begin() + ARow, FData.begin() + Stored, FData.end());
}

void TStringGrid::DeleteRowData(Integer ARow, Integer Count) {
  const Integer Stored = static_cast<Integer>(FData.size());
  if (ARow < 0 || ARow >= Stored) return;
  Count = std::min(Count, Stored - ARow);
  if (Count > 0) FData.erase(FData.begin() + ARow, FData.begin() + ARow + Count);
}

String TStringGrid::StoredCell(Integer ACol, Integer ARow) const { return StoredCellText(ACol, ARow); }

const String& TStringGrid::StoredCellText(Integer ACol, Integer ARow) const {
  static const String Empty;
  const TCell* C = FindCell(ACol, ARow);
  return C ? C->Text : Empty;
}

void TStringGrid::StoreCell(Integer ACol, Integer ARow, const String& Value) {
  TCell* C = CellToWrite(ACol, ARow, Value.empty());
  if (!C || C->Text == Value) return;
  C->Text = Value;
  InvalidateCell(ACol, ARow);
  // An editor open on the cell shows the new text, unless it is the editor
  // that wrote it.
  if (FEditorMode && ACol == FInplaceCol && ARow == FInplaceRow && !FWritingEditText) InvalidateEditor();
}

TObject* TStringGrid::StoredObject(Integer ACol, Integer ARow) const {
  const TCell* C = FindCell(ACol, ARow);
  return C ? C->Object : nullptr;
}

void TStringGrid::StoreObject(Integer ACol, Integer ARow, TObject* Value) {
  if (TCell* C = CellToWrite(ACol, ARow, Value == nullptr)) C->Object = Value;
}

String TStringGrid::GetCells(Integer ACol, Integer ARow) { return StoredCell(ACol, ARow); }

void TStringGrid::SetCells(Integer ACol, Integer ARow, const String& Value) { StoreCell(ACol, ARow, Value); }

TObject* TStringGrid::GetObjects(Integer ACol, Integer ARow) { return StoredObject(ACol, ARow); }

void TStringGrid::SetObjects(Integer ACol, Integer ARow, TObject* Value) { StoreObject(ACol, ARow, Value); }

TStrings* TStringGrid::Lines(bool IsColumn, Integer Index) {
  if (Index < 0 || Index >= (IsColumn ? ColCount() : RowCount())) throw EInvalidGridOperation(SIndexOutOfRange);
  auto& Map = IsColumn ? FCols : FRows;
  std::unique_ptr<TStringGridStrings>& L = Map[Index];
  if (!L) L = std::make_unique<TStringGridStrings>(this, IsColumn, Index);
  return L.get();
}

TStrings* TStringGrid::GetCols(Integer Index) { return Lines(true, Index); }

TStrings* TStringGrid::GetRows(Integer Index) { return Lines(false, Index); }

void TStringGrid::SetCols(Integer Index, TStrings* Value) { GetCols(Index)->Assign(Value); }

void TStringGrid::SetRows(Integer Index, TStrings* Value) { GetRows(Index)->Assign(Value); }

void TStringGrid::DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) {
  if (DefaultDrawing()) {
    const TCell* C = FindCell(ACol, ARow);
    if (C && !C->Text.empty()) {
      TBrushStyle Old = Canvas()->Brush()->Style();
      Canvas()->Brush()->SetStyle(bsClear);
      Canvas()->TextRect(ARect, ARect.Left + 2, ARect.Top + 2, C->Text);
      Canvas()->Brush()->SetStyle(Old);
    }
  }
  TDrawGrid::DrawCell(ACol, ARow, ARect, AState);
}

String TStringGrid::GetEditText(Integer ACol, Integer ARow) {
  // The editor works on the stored text, whatever the cell shows.
  String Result = StoredCell(ACol, ARow);
  if (OnGetEditText) OnGetEditText(this, ACol, ARow, Result);
  return Result;
}

void TStringGrid::SetEditText(Integer ACol, Integer ARow, const String& Value) {
  FWritingEditText = true;
  {
    auto Restore = ScopeExit([&] { FWritingEditText = false; });
    StoreCell(ACol, ARow, Value);
  }
  TDrawGrid::SetEditText(ACol, ARow, Value);
}

void TStringGrid::ColumnMoved(Integer FromIndex, Integer ToIndex) {
  // Only rows that hold cells are touched.
  for (auto& R : FData) {
    if (!R) continue;
    Integer Need = std::max(FromIndex, ToIndex) + 1;
    if (static_cast<Integer>(R->size()) < Need) {
      if (static_cast<Integer>(R->size()) <= std::min(FromIndex, ToIndex)) continue;
      R->resize(Need);
    }
    if (FromIndex < ToIndex)
      std::rotate(R->begin() + FromIndex, R->begin() + FromIndex + 1, R->begin() + ToIndex + 1);
    else
      std::rotate(R->begin() + ToIndex, R->begin() + FromIndex, R->begin() + FromIndex + 1);
  }
  TDrawGrid::ColumnMoved(FromIndex, ToIndex);
}

void TStringGrid::RowMoved(Integer FromIndex, Integer ToIndex) {
  if (FromIndex < ToIndex)
    std::rotate(FData.begin() + FromIndex, FData.begin() + FromIndex + 1, FData.begin() + ToIndex + 1);
  else
    std::rotate(FData.begin() + ToIndex, FData.begin() + FromIndex, FData.begin() + FromIndex + 1);
  TDrawGrid::RowMoved(FromIndex, ToIndex);
}

void TStringGrid::SizeChanged(Integer OldColCount, Integer OldRowCount) {
  if (FKeepCellsBeyondCount) {
    // Rows beyond the count that hold nothing need no entry.
    if (RowCount() > static_cast<Integer>(FData.size())) FData.resize(RowCount());
    while (static_cast<Integer>(FData.size()) > RowCount() && !FData.back()) FData.pop_back();
  } else {
    FData.resize(RowCount());
  }
  if (ColCount() < OldColCount) {
    if (!FKeepCellsBeyondCount)
      for (auto& R : FData)
        if (R && static_cast<Integer>(R->size()) > ColCount()) R->resize(ColCount());
    FCols.erase(FCols.lower_bound(ColCount()), FCols.end());
  }
  if (RowCount() < OldRowCount) FRows.erase(FRows.lower_bound(RowCount()), FRows.end());
  TDrawGrid::SizeChanged(OldColCount, OldRowCount);
}

}  // namespace jorv
