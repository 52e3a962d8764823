// Hiding and showing rows of the extended grid. A hidden row leaves the
// display whole (every stored column, hidden columns included, with the
// cells' objects) into an item of the hidden-row store, and comes back at
// the displayed place of its stored index. The rows below move by their
// storage rows, so hiding costs one pass over the rows after the first
// hidden one, never a pass per row.
#include <algorithm>
#include <limits>
#include "grid/core/RezIvevirAvod.h"
#include "grid/interaction/HiddenRowStore.h"
#include "platform/ui/Control.h"

namespace jorv::grid {

// --- mapping ------------------------------------------------------------------------------

void TRezIvevirAvod::BuildHiddenRowLookup() const { FHiddenRows->Build(); }

void TRezIvevirAvod::ClearHiddenRowLookup() {
  // The store goes before the items when the grid is freed.
  if (FHiddenRows) FHiddenRows->Drop();
}

Integer TRezIvevirAvod::DisplToRealRow(Integer ARow) const { return FHiddenRows->DisplToReal(ARow); }

Integer TRezIvevirAvod::RealToDisplRow(Integer ARow) const { return FHiddenRows->RealToDispl(ARow); }

TGridItem* TRezIvevirAvod::FindHiddenRowCells(Integer ARow) const { return FHiddenRows->Find(ARow); }

Integer TRezIvevirAvod::FilterLevel() const { return FHiddenRows->FilterLevel(); }

void TRezIvevirAvod::SetFilterLevel(Integer Value) { FHiddenRows->SetFilterLevel(std::max(Value, 0)); }

// --- moving whole rows ----------------------------------------------------------------------

void TRezIvevirAvod::TakeRowCells(Integer ARow, TStringList* Cells) {
  const Integer Columns = std::max(TotalColCount(), StoredColCount(ARow));
  for (Integer c = 0; c < Columns; ++c) Cells->AddObject(GetGridCell(c, ARow), GetGridObject(c, ARow));
  DropRowData(ARow);
}

void TRezIvevirAvod::PutRowCells(Integer ARow, TStringList* Cells) {
  DropRowData(ARow);
  for (Integer c = 0; c < Cells->Count(); ++c) {
    if (!Cells->Strings(c).empty()) SetGridCell(c, ARow, Cells->Strings(c));
    if (TObject* Slot = Cells->Objects(c)) SetGridObject(c, ARow, Slot);
  }
  // The item gave its cell objects back.
  for (Integer c = 0; c < Cells->Count(); ++c) Cells->PutObject(c, nullptr);
}

// Rows ARow + Count .. move up by Count (with every kept cell beyond the
// counts); the emptied rows at the end leave the count.
void TRezIvevirAvod::CloseRows(Integer ARow, Integer Count, bool MoveHeights) {
  if (Count <= 0) return;
  const Integer Rows = RowCount();
  const Integer Stored = std::max(StoredRowCount(), Rows);
  for (Integer s = ARow + Count; s < Stored; ++s) {
    TransferRowData(s, s - Count);
    if (MoveHeights && s < Rows && GetRowHeights(s) != GetRowHeights(s - Count))
      SetRowHeights(s - Count, GetRowHeights(s));
  }
  SetRowCount(Rows - Count);
}

// Puts the items back at their displayed rows (ascending, distinct):
// rows open from the bottom up, so every row moves once.
void TRezIvevirAvod::RestoreHiddenRows(std::vector<std::pair<Integer, TGridItem*>> Targets) {
  if (Targets.empty()) return;
  std::sort(Targets.begin(), Targets.end(), [](const auto& A, const auto& B) { return A.first < B.first; });
  const Integer OldCount = RowCount();
  const Integer n = static_cast<Integer>(Targets.size());
  SetRowCount(OldCount + n);
  Integer t = OldCount + n - 1, s = OldCount - 1;
  // A floating footer stays the last row.
  if (FloatingFooter()->Visible() && s >= 0) {
    TransferRowData(s, t);
    SetRowHeights(t, GetRowHeights(s));
    --t, --s;
  }
  for (Integer i = n - 1; i >= 0; --t) {
    if (Targets[i].first >= t || s < 0) {
      TGridItem* Item = Targets[i].second;
      PutRowCells(t, Item->Items());
      if (Item->Height() > 0) SetRowHeights(t, Item->Height());
      --i;
    } else {
      TransferRowData(s, t);
      if (GetRowHeights(s) != GetRowHeights(t)) SetRowHeights(t, GetRowHeights(s));
      --s;
    }
  }
  Invalidate();
}

// Controls of hidden rows must not stay on screen over other rows.
void TRezIvevirAvod::ShowRowControls(Integer RealRow, bool Show) {
  for (Integer i = 0; i < FControlList->Count(); ++i) {
    TControlItem* Item = FControlList->GetControl(i);
    if (Item->Y() == RealRow && Item->Control()) Item->Control()->SetVisible(Show);
  }
}

// --- hiding -----------------------------------------------------------------------------------

void TRezIvevirAvod::HideRows(Integer FromRow, Integer ToRow) {
  FromRow = std::max(FromRow, 0);
  if (ToRow < FromRow) return;
  const Integer Hidden = FHiddenRows->CountIn(FromRow, ToRow);
  if (Hidden == ToRow - FromRow + 1) return;
  const Integer D = RealToDisplRow(FromRow);
  // Rows beyond the last displayed one do not exist.
  const Integer Shown = std::min(ToRow - FromRow + 1 - Hidden, RowCount() - D);
  if (Shown <= 0) return;
  Integer Place = 0;
  for (Integer i = 0; i < FGridItems->Count(); ++i)
    if (FGridItems->Items(i)->Idx() < FromRow) ++Place;
  HideEditor();
  Integer Taken = 0;
  for (Integer r = FromRow; r <= ToRow && Taken < Shown; ++r) {
    if (FHiddenRows->IsHidden(r)) continue;
    const Integer Row = D + Taken++;
    ShowRowControls(r, false);
    TakeRowCells(Row, FHiddenRows->Add(r, GetRowHeights(Row), 0, Place++)->Items());
  }
  CloseRows(D, Shown, true);
}

// The variant for nodes: items are appended and no cell control is
// touched. Rows of the range that are hidden already stay as they are, so
// no row is stored twice, and the rows below keep their own heights.
void TRezIvevirAvod::HideRowsEx(Integer FromRow, Integer ToRow) {
  FromRow = std::max(FromRow, 0);
  if (ToRow < FromRow || FHiddenRows->IsHidden(FromRow)) return;
  const Integer D = RealToDisplRow(FromRow);
  const Integer Shown = std::min(ToRow - FromRow + 1 - FHiddenRows->CountIn(FromRow, ToRow), RowCount() - D);
  if (Shown <= 0) return;
  HideEditor();
  Integer Taken = 0;
  for (Integer r = FromRow; r <= ToRow && Taken < Shown; ++r) {
    if (FHiddenRows->IsHidden(r)) continue;
    const Integer Row = D + Taken++;
    TakeRowCells(Row, FHiddenRows->Add(r, GetRowHeights(Row), 0)->Items());
  }
  CloseRows(D, Shown, true);
}

// The rows of the list (displayed indexes) become one new level. Each
// item keeps the row's stored index, as every other item does.
void TRezIvevirAvod::HideRowList(TIntList* RowList) {
  std::vector<Integer> Rows;
  for (Integer i = 0; RowList && i < RowList->Count(); ++i)
    if (RowList->Items(i) >= 0 && RowList->Items(i) < RowCount()) Rows.push_back(RowList->Items(i));
  std::sort(Rows.begin(), Rows.end());
  Rows.erase(std::unique(Rows.begin(), Rows.end()), Rows.end());
  const Integer Level = FHiddenRows->FilterLevel();
  FHiddenRows->SetFilterLevel(Level + 1);
  if (Rows.empty()) return;
  HideEditor();
  std::vector<Integer> Reals(Rows.size());
  for (size_t i = 0; i < Rows.size(); ++i) Reals[i] = DisplToRealRow(Rows[i]);
  FGridItems->BeginUpdate();
  for (size_t i = 0; i < Rows.size(); ++i) {
    ShowRowControls(Reals[i], false);
    TakeRowCells(Rows[i], FHiddenRows->Add(Reals[i], GetRowHeights(Rows[i]), Level)->Items());
  }
  FGridItems->EndUpdate();
  // Close up: every row not in the list moves to the next free place.
  const Integer Count = RowCount();
  const Integer Stored = std::max(StoredRowCount(), Count);
  size_t Next = 0;
  Integer t = 0;
  for (Integer s = 0; s < Stored; ++s) {
    if (Next < Rows.size() && Rows[Next] == s) {
      ++Next;
      continue;
    }
    if (s != t) {
      TransferRowData(s, t);
      if (s < Count && GetRowHeights(s) != GetRowHeights(t)) SetRowHeights(t, GetRowHeights(s));
    }
    ++t;
  }
  SetRowCount(Count - static_cast<Integer>(Rows.size()));
  FHiddenRows->Drop();
}

// --- showing ----------------------------------------------------------------------------------

// Shows the hidden rows of the range, unless the range starts at a shown
// row. Every row of the range is shown afterwards, so a row's displayed
// place is the range's plus its distance from the range's start.
void TRezIvevirAvod::UnHideRows(Integer FromRow, Integer ToRow) {
  if (!FHiddenRows->IsHidden(FromRow)) return;
  HideEditor();
  const Integer D = RealToDisplRow(FromRow);
  std::vector<TGridItem*> Items = FHiddenRows->InRange(FromRow, ToRow);
  std::vector<std::pair<Integer, TGridItem*>> Targets;
  for (TGridItem* Item : Items)
    if (Targets.empty() || Targets.back().second->Idx() != Item->Idx())
      Targets.push_back({D + Item->Idx() - FromRow, Item});
  RestoreHiddenRows(Targets);
  for (auto& T : Targets) ShowRowControls(T.second->Idx(), true);
  FHiddenRows->Remove(Items);
}

void TRezIvevirAvod::UnHideRow(Integer RowIndex) { UnHideRows(RowIndex, RowIndex); }

void TRezIvevirAvod::UnHideRowsAll() {
  if (NumHiddenRows() == 0) return;
  HideEditor();
  std::vector<TGridItem*> Items = FHiddenRows->InRange(std::numeric_limits<Integer>::min(),
                                                      std::numeric_limits<Integer>::max());
  std::vector<std::pair<Integer, TGridItem*>> Targets;
  for (TGridItem* Item : Items)
    if (Targets.empty() || Targets.back().second->Idx() != Item->Idx()) Targets.push_back({Item->Idx(), Item});
  RestoreHiddenRows(Targets);
  for (auto& T : Targets) ShowRowControls(T.second->Idx(), true);
  FHiddenRows->Remove(Items);
}

// Brings back the rows of the latest level; the caller lowers the level.
// Rows of lower levels stay hidden, so a returning row stands at its stored
// index less the rows that stay hidden before it.
void TRezIvevirAvod::UnHideRowList() {
  const Integer Level = FHiddenRows->FilterLevel() - 1;
  if (Level < 0) return;
  HideEditor();
  if (Row() >= RowCount()) FocusCell(FixedCols(), FixedRows(), true);
  std::vector<TGridItem*> Latest = FHiddenRows->OfLevel(Level);
  std::vector<Integer> Staying;
  for (Integer i = 0; i < FGridItems->Count(); ++i)
    if (FGridItems->Items(i)->Level() != Level) Staying.push_back(FGridItems->Items(i)->Idx());
  std::sort(Staying.begin(), Staying.end());
  std::vector<std::pair<Integer, TGridItem*>> Targets;
  for (TGridItem* Item : Latest) {
    const auto Before = std::lower_bound(Staying.begin(), Staying.end(), Item->Idx()) - Staying.begin();
    Targets.push_back({Item->Idx() - static_cast<Integer>(Before), Item});
  }
  RestoreHiddenRows(Targets);
  for (auto& T : Targets) ShowRowControls(T.second->Idx(), true);
  FHiddenRows->Remove(Latest);
}

}  // namespace jorv::grid
