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

Integer TRezIvevirAvod::DisplToRealRow(Integer ARow) const { return FHiddenRows->DisplToReal(ARow); }

Integer TRezIvevirAvod::RealToDisplRow(Integer ARow) const { return FHiddenRows->RealToDispl(ARow); }

TGridItem* TRezIvevirAvod::FindHiddenRowCells(Integer ARow) const { return FHiddenRows->Find(ARow); }

Integer TRezIvevirAvod::NumHiddenRows() const { return FHiddenRows->Count(); }

bool TRezIvevirAvod::IsHiddenRow(Integer RowIndex, std::unique_ptr<TIntList>& ListHidden) const {
  if (!ListHidden) {
    ListHidden = std::make_unique<TIntList>(0, 0);
    for (Integer Idx : FHiddenRows->Indexes()) ListHidden->Add(Idx);
  }
  Integer Low = 0, High = ListHidden->Count();
  while (Low < High) {
    const Integer Mid = Low + (High - Low) / 2;
    if (ListHidden->Items(Mid) < RowIndex)
      Low = Mid + 1;
    else
      High = Mid;
  }
  return Low < ListHidden->Count() && ListHidden->Items(Low) == RowIndex;
}

Integer TRezIvevirAvod::FilterLevel() const { return FHiddenRows->FilterLevel(); }

void TRezIvevirAvod::SetFilterLevel(Integer Value) { FHiddenRows->SetFilterLevel(std::max(Value, 0)); }

// --- moving whole rows ----------------------------------------------------------------------

// Rows ARow + Count .. move up by Count with their heights (and every kept
// cell beyond the counts); the rows closed must hold nothing any more.
void TRezIvevirAvod::CloseRows(Integer ARow, Integer Count) {
  if (Count <= 0) return;
  DeleteRowData(ARow, Count);
  ShiftRowHeights(ARow + Count, -Count);
  SetRowCount(RowCount() - Count);
}

// Puts the items back at their displayed rows (ascending, distinct):
// rows open from the bottom up, so every row moves once.
void TRezIvevirAvod::RestoreHiddenRows(std::vector<TGridItem>& Items, const std::vector<Integer>& Targets) {
  if (Items.empty()) return;
  const Integer OldCount = RowCount();
  const Integer n = static_cast<Integer>(Items.size());
  SetRowCount(OldCount + n);
  Integer t = OldCount + n - 1, s = OldCount - 1;
  // A floating footer stays the last row.
  if (FloatingFooter()->Visible() && s >= 0) {
    TransferRowData(s, t);
    SetRowHeights(t, GetRowHeights(s));
    --t, --s;
  }
  for (Integer i = n - 1; i >= 0; --t) {
    if (Targets[i] >= t || s < 0) {
      PutRowData(t, std::move(Items[i].Items()));
      if (Items[i].Height() > 0 && GetRowHeights(t) != Items[i].Height()) SetRowHeights(t, Items[i].Height());
      --i;
    } else {
      TransferRowData(s, t);
      if (GetRowHeights(s) != GetRowHeights(t)) SetRowHeights(t, GetRowHeights(s));
      --s;
    }
  }
  for (const TGridItem& Item : Items) ShowRowControls(Item.Idx(), true);
  if (FControlList->Count() > 0) CellControlsUpdate(false);
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

// Takes the shown rows of From .. To out of the display at level 0; the
// rows of the range that are hidden already stay as they are, so no row
// is stored twice.
void TRezIvevirAvod::HideRange(Integer FromRow, Integer ToRow, bool HideControls) {
  FromRow = std::max(FromRow, 0);
  if (ToRow < FromRow) return;
  const Integer Hidden = FHiddenRows->CountIn(FromRow, ToRow);
  if (Hidden == ToRow - FromRow + 1) return;
  const Integer D = RealToDisplRow(FromRow);
  // Rows beyond the last displayed one do not exist.
  const Integer Shown = std::min(ToRow - FromRow + 1 - Hidden, RowCount() - D);
  if (Shown <= 0) return;
  HideEditor();
  std::vector<TGridItem> Taken;
  Taken.reserve(Shown);
  for (Integer r = FromRow; r <= ToRow && static_cast<Integer>(Taken.size()) < Shown; ++r) {
    if (FHiddenRows->IsHidden(r)) continue;
    const Integer Row = D + static_cast<Integer>(Taken.size());
    if (HideControls) ShowRowControls(r, false);
    Taken.emplace_back(r, GetRowHeights(Row), 0);
    Taken.back().Items() = TakeRowData(Row);
  }
  FHiddenRows->Add(std::move(Taken));
  CloseRows(D, Shown);
  // The controls of the rows below move up with them.
  if (FControlList->Count() > 0) CellControlsUpdate(false);
}

void TRezIvevirAvod::HideRows(Integer FromRow, Integer ToRow) { HideRange(FromRow, ToRow, true); }

// The variant for nodes leaves the cell controls alone.
void TRezIvevirAvod::HideRowsEx(Integer FromRow, Integer ToRow) {
  if (FHiddenRows->IsHidden(std::max(FromRow, 0))) return;
  HideRange(FromRow, ToRow, false);
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
  HideRowSet(Rows, Level);
}

// Rows (displayed, ascending, distinct) leave the display in one pass at
// the given level: contracting many nodes costs one move of the rows.
void TRezIvevirAvod::HideRowSet(const std::vector<Integer>& Rows, Integer Level) {
  if (Rows.empty()) return;
  HideEditor();
  std::vector<TGridItem> Taken;
  Taken.reserve(Rows.size());
  for (Integer Row : Rows) Taken.emplace_back(DisplToRealRow(Row), GetRowHeights(Row), Level);
  for (size_t i = 0; i < Rows.size(); ++i) {
    if (FControlList->Count() > 0) ShowRowControls(Taken[i].Idx(), false);
    Taken[i].Items() = TakeRowData(Rows[i]);
  }
  FHiddenRows->Add(std::move(Taken));
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
  if (FControlList->Count() > 0) CellControlsUpdate(false);
}

// --- showing ----------------------------------------------------------------------------------

// Shows the hidden rows of the range, unless the range starts at a shown
// row. Every row of the range is shown afterwards, so a row's displayed
// place is the range's plus its distance from the range's start.
void TRezIvevirAvod::UnHideRows(Integer FromRow, Integer ToRow) {
  if (!FHiddenRows->IsHidden(FromRow)) return;
  HideEditor();
  const Integer D = RealToDisplRow(FromRow);
  std::vector<TGridItem> Items =
      FHiddenRows->Take([&](const TGridItem& Item) { return Item.Idx() >= FromRow && Item.Idx() <= ToRow; });
  std::vector<Integer> Targets;
  for (const TGridItem& Item : Items) Targets.push_back(D + Item.Idx() - FromRow);
  RestoreHiddenRows(Items, Targets);
}

void TRezIvevirAvod::UnHideRow(Integer RowIndex) { UnHideRows(RowIndex, RowIndex); }

void TRezIvevirAvod::UnHideRowsAll() {
  if (NumHiddenRows() == 0) return;
  HideEditor();
  std::vector<TGridItem> Items = FHiddenRows->Take([](const TGridItem&) { return true; });
  std::vector<Integer> Targets;
  for (const TGridItem& Item : Items) Targets.push_back(Item.Idx());
  RestoreHiddenRows(Items, Targets);
}

// Brings back the rows of the latest level; the caller lowers the level.
// Rows of lower levels stay hidden, so a returning row stands at its stored
// index less the rows that stay hidden before it.
void TRezIvevirAvod::UnHideRowList() {
  const Integer Level = FHiddenRows->FilterLevel() - 1;
  if (Level < 0) return;
  HideEditor();
  if (Row() >= RowCount()) FocusCell(FixedCols(), FixedRows(), true);
  std::vector<TGridItem> Latest = FHiddenRows->Take([&](const TGridItem& Item) { return Item.Level() == Level; });
  std::vector<Integer> Targets;
  Targets.reserve(Latest.size());
  for (const TGridItem& Item : Latest) Targets.push_back(Item.Idx() - FHiddenRows->CountBelow(Item.Idx()));
  RestoreHiddenRows(Latest, Targets);
}

}  // namespace jorv::grid
