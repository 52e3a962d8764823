// Removing, inserting, adding and swapping rows and columns of the
// extended grid. Rows open and close in the grid's storage with one memory
// move, whatever the grid's size; the lists kept by row (modified and
// disabled rows, the disjunct selections, the sort cross-reference, the
// hidden rows and the cell controls) follow every change, and a merged
// area that a change would cut apart is split first, so no cell is left
// pointing at a base cell that moved.
#include <algorithm>
#include <limits>
#include <set>
#include "grid/core/RezIvevirAvod.h"
#include "grid/interaction/HiddenRowStore.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Control.h"

namespace jorv::grid {

// --- shared steps ---------------------------------------------------------------------------

void TRezIvevirAvod::CellsChanged(const TRect& R) {
  if (FBlockCellChange || Destroying()) return;
  if (OnCellsChanged) OnCellsChanged(this, R);
  RecalcColumnFooter(-1);
}

void TRezIvevirAvod::SplitMergesAcrossRow(Integer ARow) {
  if (MergeCount() <= 0 || ARow <= 0 || ARow >= RowCount()) return;
  for (Integer c = 0; c < AllColCount(); ++c)
    if (HasCellProperties(c, ARow) && BaseCell(c, ARow).Y < ARow) SplitCells(c, ARow);
}

void TRezIvevirAvod::SplitMergesAcrossCol(Integer ACol) {
  if (MergeCount() <= 0 || ACol <= 0 || ACol >= AllColCount()) return;
  for (Integer r = 0; r < RowCount(); ++r)
    if (HasCellProperties(ACol, r) && BaseCell(ACol, r).X < ACol) SplitCells(ACol, r);
}

void TRezIvevirAvod::MoveControlsInRows(Integer From, Integer Delta) {
  for (Integer i = 0; i < FControlList->Count(); ++i) {
    TControlItem* Item = FControlList->GetControl(i);
    if (Item->Y() >= From) Item->SetY(Item->Y() + Delta);
  }
}

namespace {

// Count entries open at Index (Count > 0) or close (Count < 0), when the
// list reaches that far.
void OpenOrClose(TIntList& List, Integer Index, Integer Count, Integer Fill = 0) {
  if (Index < 0 || Index > List.Count()) return;
  for (Integer i = 0; i < Count; ++i) List.Insert(Index, Fill);
  for (Integer i = 0; i < -Count && Index < List.Count(); ++i) List.Delete(Index);
}

// Row indexes held as values (selected rows, packed cells) follow the
// rows; values of closed rows go.
void FollowRowValues(TIntList& List, Integer ARow, Integer Count, Integer Scale) {
  for (Integer i = List.Count() - 1; i >= 0; --i) {
    const Integer Value = List.Items(i), Row = Value / Scale;
    if (Row < ARow) continue;
    if (Count < 0 && Row < ARow - Count)
      List.Delete(i);
    else
      List.SetInteger(i, Value + Count * Scale);
  }
}

// The sort cross-reference stays a permutation: rows that close take their
// unsorted places along, rows that open come last in the unsorted order.
void FollowSortList(TIntList& List, Integer ARow, Integer Count) {
  if (List.Count() == 0 || ARow > List.Count()) return;
  if (Count > 0) {
    for (Integer i = 0; i < Count; ++i) List.Insert(ARow + i, List.Count());
    return;
  }
  std::vector<Integer> Gone;
  for (Integer i = 0; i < -Count && ARow < List.Count(); ++i) {
    Gone.push_back(List.Items(ARow));
    List.Delete(ARow);
  }
  std::sort(Gone.begin(), Gone.end());
  for (Integer i = 0; i < List.Count(); ++i) {
    const auto Below = std::lower_bound(Gone.begin(), Gone.end(), List.Items(i)) - Gone.begin();
    List.SetInteger(i, List.Items(i) - static_cast<Integer>(Below));
  }
}

}  // namespace

void TRezIvevirAvod::RowSideListsMoved(Integer ARow, Integer Real, Integer Count) {
  if (FShowModified->Enabled()) OpenOrClose(*FModifiedRows, ARow, Count);
  if (FUseEnabledRows) OpenOrClose(*FEnabledRows, ARow, Count);
  OpenOrClose(*FRowSelect, FMouseActions->RowSelectPersistent() ? Real : ARow, Count);
  FollowRowValues(*FSelectedRows, ARow, Count, 1);
  FollowRowValues(*FSelectedCells, ARow, Count, 65536);
  FollowSortList(*FSortList, ARow, Count);
  if (Count > 0)
    FHiddenRows->RowsOpened(ARow, Count);
  else
    FHiddenRows->RowsClosed(ARow, -Count);
}

// --- removing rows ---------------------------------------------------------------------------

void TRezIvevirAvod::CloseRowRange(Integer RowIndex, Integer RCount, bool FreeProps, bool DropControls) {
  RCount = std::min(RCount, RowCount() - RowIndex);
  if (RowIndex < 0 || RCount <= 0) return;
  HideEditor();
  const Integer Real = DisplToRealRow(RowIndex), RealEnd = DisplToRealRow(RowIndex + RCount);
  SplitMergesAcrossRow(RowIndex);
  SplitMergesAcrossRow(RowIndex + RCount);
  if (FreeProps) FreeCellPropertiesRange(0, RowIndex, std::numeric_limits<Integer>::max(), RowIndex + RCount - 1);
  for (Integer i = FControlList->Count() - 1; i >= 0 && DropControls; --i) {
    TControlItem* Item = FControlList->GetControl(i);
    if (Item->Y() < Real || Item->Y() >= RealEnd) continue;
    if (Item->Control()) Item->Control()->SetVisible(false);
    FControlList->RemoveControl(i);
  }
  MoveControlsInRows(RealEnd, -RCount);
  const Integer OldRow = Row(), OldTop = TopRow(), OldFixed = FixedRows();
  BeginUpdate();
  auto Done = ScopeExit([this] { EndUpdate(); });
  RowSideListsMoved(RowIndex, Real, -RCount);
  DeleteRowData(RowIndex, RCount);
  ShiftRowHeights(RowIndex + RCount, -RCount);
  SetRowCount(RowCount() - RCount);
  FMaxRowCount = std::max(FMaxRowCount - RCount, RowCount());
  if (OldRow < RowCount() - FFixedFooters && OldRow >= OldFixed) {
    SetRowEx(OldRow);
    SetTopRowEx(OldTop);
  } else if (RowCount() - FFixedFooters - 1 >= OldFixed) {
    SetRowEx(RowCount() - FFixedFooters - 1);
  } else {
    HideSelection();
  }
  FSelHidden = false;
  Invalidate();
}

void TRezIvevirAvod::RemoveRows(Integer RowIndex, Integer RCount) {
  if (RowIndex > RowCount() || RCount <= 0) return;
  CloseRowRange(RowIndex, RCount, true, false);
  CellsChanged(TRect{0, RowIndex, ColCount() - 1, RowIndex + RCount});
  const Integer Visible = VisibleRowCount();
  if (TopRow() >= RowCount() + FixedRows() - Visible - 2 && RowCount() - Visible - 1 > 0)
    SetTopRowEx(RowCount() + FixedRows() - Visible - 2);
}

// The fast variant leaves the rows' cell objects to the caller, who has
// taken them elsewhere.
void TRezIvevirAvod::RemoveRowsEx(Integer RowIndex, Integer RCount) {
  if (RowIndex >= RowCount() || RCount <= 0) return;
  CloseRowRange(RowIndex, RCount, false, false);
  CellsChanged(TRect{0, RowIndex, ColCount() - 1, RowIndex + RCount});
}

void TRezIvevirAvod::DeleteRowRange(Integer RowIndex, Integer RCount, bool DropControls) {
  if (RowIndex >= RowCount() || RCount <= 0) return;
  CloseRowRange(RowIndex, RCount, false, DropControls);
  CellsChanged(TRect{0, RowIndex, ColCount() - 1, RowIndex + RCount});
  if (TopRow() >= RowCount() - 1) SetTopRowEx(RowCount() - 1);
}

// The block's property objects go over every stored column, hidden ones
// included, so none is left without its cell.
void TRezIvevirAvod::RemoveRowBlock(Integer RowIndex, Integer RCount) {
  if (RowIndex < 0 || RowIndex >= RowCount() || RCount <= 0) return;
  FreeCellPropertiesRange(0, RowIndex, std::numeric_limits<Integer>::max(),
                          std::min(RowIndex + RCount, RowCount()) - 1);
  DeleteRowRange(RowIndex, RCount, true);
}

// Rows of the list leave in one pass over the rows after the first; the
// lists kept by row follow run by run from the bottom.
void TRezIvevirAvod::RemoveRowList(TIntList* RowList) {
  std::vector<Integer> Rows;
  for (Integer i = 0; RowList && i < RowList->Count(); ++i)
    if (RowList->Items(i) >= 0 && RowList->Items(i) < RowCount()) Rows.push_back(RowList->Items(i));
  std::sort(Rows.begin(), Rows.end());
  Rows.erase(std::unique(Rows.begin(), Rows.end()), Rows.end());
  if (Rows.empty()) return;
  HideEditor();
  for (Integer r : Rows) {
    SplitMergesAcrossRow(r);
    SplitMergesAcrossRow(r + 1);
    FreeCellPropertiesRange(0, r, std::numeric_limits<Integer>::max(), r);
    DropRowData(r);
  }
  for (size_t End = Rows.size(); End > 0;) {
    size_t Begin = End - 1;
    while (Begin > 0 && Rows[Begin - 1] == Rows[Begin] - 1) --Begin;
    RowSideListsMoved(Rows[Begin], DisplToRealRow(Rows[Begin]), -static_cast<Integer>(End - Begin));
    End = Begin;
  }
  const Integer Count = RowCount();
  const Integer Stored = std::max(StoredRowCount(), Count);
  size_t Next = 0;
  for (Integer s = 0, t = 0; s < Stored; ++s) {
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
  Invalidate();
}

void TRezIvevirAvod::RemoveCheckedRows(Integer CheckBoxColumn, bool RemoveChecked) {
  BeginUpdate();
  auto Done = ScopeExit([this] { EndUpdate(); });
  for (Integer r = RowCount() - 1; r >= FixedRows(); --r)
    if (IsChecked(CheckBoxColumn, r) == RemoveChecked) RemoveRows(r, 1);
}

void TRezIvevirAvod::RemoveDuplicates(Integer ACol, bool DoCase) {
  const Integer Real = DisplToRealCol(ACol);
  BeginUpdate();
  auto Done = ScopeExit([this] { EndUpdate(); });
  std::set<String> Seen;
  TIntList Marked;
  for (Integer r = FixedRows(); r < RowCount() - FFixedFooters; ++r) {
    const String Text = DoCase ? GetCells(Real, r) : AnsiLowerCase(GetCells(Real, r));
    if (!Seen.insert(Text).second) Marked.Add(r);
  }
  RemoveRowList(&Marked);
}

bool TRezIvevirAvod::RowIsSelected(Integer ARow) {
  if (FMouseActions->DisjunctRowSelect())
    return GetRowSelect(FMouseActions->RowSelectPersistent() ? DisplToRealRow(ARow) : ARow);
  const TGridRect S = Selection();
  return ARow >= S.Top && ARow <= S.Bottom;
}

void TRezIvevirAvod::RemoveSelectedRows() {
  BeginUpdate();
  auto Done = ScopeExit([this] { EndUpdate(); });
  const bool Disjunct = FMouseActions->DisjunctRowSelect();
  std::vector<Integer> Rows;
  for (Integer r = FixedRows(); r < RowCount() - FFixedFooters; ++r)
    if (RowIsSelected(r)) Rows.push_back(r);
  for (auto It = Rows.rbegin(); It != Rows.rend(); ++It) RemoveRowBlock(*It, 1);
  if (Disjunct) ResetRowSelectFlags();
}

// The rows are chosen before any goes: removing a row moves the cursor,
// which would move a plain selection with it.
void TRezIvevirAvod::RemoveUnSelectedRows() {
  BeginUpdate();
  auto Done = ScopeExit([this] { EndUpdate(); });
  std::vector<Integer> Rows;
  for (Integer r = FixedRows(); r < RowCount() - FFixedFooters; ++r)
    if (!RowIsSelected(r)) Rows.push_back(r);
  for (auto It = Rows.rbegin(); It != Rows.rend(); ++It) RemoveRowBlock(*It, 1);
  if (FMouseActions->RowSelectPersistent())
    SelectRows(FixedRows(), RowCount() - FixedRows());
  else
    ResetRowSelectFlags();
}

// Rows are chosen by their stored indexes before any is hidden, as hiding
// moves the displayed rows after it.
void TRezIvevirAvod::HideSelectedRows() {
  BeginUpdate();
  auto Done = ScopeExit([this] { EndUpdate(); });
  std::vector<Integer> Reals;
  for (Integer r = RowCount() - 1; r >= FixedRows(); --r)
    if (RowIsSelected(r)) Reals.push_back(DisplToRealRow(r));
  for (Integer Real : Reals) HideRow(Real);
}

void TRezIvevirAvod::HideUnSelectedRows() {
  BeginUpdate();
  auto Done = ScopeExit([this] { EndUpdate(); });
  std::vector<Integer> Reals;
  for (Integer r = RowCount() - 1; r >= FixedRows(); --r)
    if (!RowIsSelected(r)) Reals.push_back(DisplToRealRow(r));
  for (Integer Real : Reals) HideRow(Real);
}

// --- inserting rows --------------------------------------------------------------------------

void TRezIvevirAvod::InsertRows(Integer RowIndex, Integer RCount, bool UpdateCellControls) {
  InsertRowsAt(RowIndex, RCount, UpdateCellControls);
}

// The rows open in the storage with one memory move; hidden rows after
// them keep their places among the shown ones always, cell controls move
// down when asked.
void TRezIvevirAvod::InsertRowsAt(Integer RowIndex, Integer RCount, bool UpdateCellControls) {
  if (RCount <= 0 || RowIndex < 0) return;
  RowIndex = std::min(RowIndex, RowCount());
  if (FSelHidden || Col() >= ColCount() || Row() >= RowCount()) UnHideSelection();
  HideEditor();
  SplitMergesAcrossRow(RowIndex);
  const Integer Real = DisplToRealRow(RowIndex);
  InsertRowData(RowIndex, RCount);
  ShiftRowHeights(RowIndex, RCount);
  SetRowCount(RowCount() + RCount);
  RowSideListsMoved(RowIndex, Real, RCount);
  if (UpdateCellControls && FControlList->Count() > 0) MoveControlsInRows(Real, RCount);
  if (!Destroying()) CellsChanged(TRect{0, RowIndex, ColCount() - 1, RowIndex + RCount});
  Invalidate();
}

void TRezIvevirAvod::AddRow() {
  if (FFloatingFooter->Visible()) {
    InsertRows(RowCount() - 1, 1, true);
    if (FFloatingFooter->FooterStyle() == fsFixedLastRow) ClearRows(RowCount() - 2, 1);
  } else {
    InsertRows(RowCount(), 1, true);
    ClearRows(RowCount() - 1, 1);
  }
}

void TRezIvevirAvod::SwapRows(Integer ARow1, Integer ARow2) {
  if (ARow1 == ARow2 || std::min(ARow1, ARow2) < 0 || std::max(ARow1, ARow2) >= RowCount()) return;
  for (Integer r : {ARow1, ARow1 + 1, ARow2, ARow2 + 1}) SplitMergesAcrossRow(r);
  HideEditor();
  TStringGridRow First = TakeRowData(ARow1);
  PutRowData(ARow1, TakeRowData(ARow2));
  PutRowData(ARow2, std::move(First));
  const Integer Height1 = GetRowHeights(ARow1);
  SetRowHeights(ARow1, GetRowHeights(ARow2));
  SetRowHeights(ARow2, Height1);
  for (Integer i = 0; i < FControlList->Count(); ++i) {
    TControlItem* Item = FControlList->GetControl(i);
    if (Item->Y() == ARow1 || Item->Y() == ARow2) Item->SetY(Item->Y() == ARow1 ? ARow2 : ARow1);
  }
  // The rows' flags go with them.
  for (TIntList* List : {FModifiedRows.get(), FEnabledRows.get(), FRowSelect.get(), FSortList.get()}) {
    if (List == FRowSelect.get() && FMouseActions->RowSelectPersistent()) continue;
    if (std::max(ARow1, ARow2) >= List->Count()) continue;
    const Integer Entry = List->Items(ARow1);
    List->SetInteger(ARow1, List->Items(ARow2));
    List->SetInteger(ARow2, Entry);
  }
  Invalidate();
}

}  // namespace jorv::grid
