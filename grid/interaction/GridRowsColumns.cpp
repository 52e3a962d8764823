// The recorded column order, moving columns and rows, the current and top
// row, scrolling a cell into view, hiding the selection and the extents of
// the extended grid.
#include <algorithm>
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/Control.h"

namespace jorv::grid {

// --- column order -----------------------------------------------------------------------------

Integer TRezIvevirAvod::ColumnAtPosition(Integer ACol) {
  if (FColumnOrder->Count() == 0) SetColumnOrder();
  if (ACol < 0 || ACol >= FColumnOrder->Count()) return ACol;
  const Integer Entry = FColumnOrder->Items(ACol);
  return FGroupColumn != -1 && Entry >= FGroupColumn ? Entry + 1 : Entry;
}

// Each pass puts columns back whose place lies to their left; a pass never
// moves a column away from its place, so the passes end.
void TRezIvevirAvod::ResetColumnOrder() {
  UnHideColumnsAll();
  if (FColumnOrder->Count() == 0) {
    SetColumnOrder();
    return;
  }
  for (Integer Pass = 0; Pass <= ColCount(); ++Pass) {
    bool Moved = false;
    for (Integer i = 0; i < std::min(ColCount(), FColumnOrder->Count()); ++i) {
      const Integer Entry = FColumnOrder->Items(i);
      if (Entry < i && Entry >= 0) {
        MoveColumn(i, Entry);
        Moved = true;
      }
    }
    if (!Moved) break;
  }
}

Integer TRezIvevirAvod::ColumnByHeader(const String& AValue) {
  for (Integer c = 0; c < TotalColCount(); ++c)
    if (GetAllGridCells(c, 0) == AValue) return c;
  return -1;
}

// --- moving -----------------------------------------------------------------------------------

// The framework moves displayed columns; the stored columns between the
// two move along with their visibility and remembered widths, so hidden
// columns keep their places among the shown ones.
void TRezIvevirAvod::ColumnMoved(Integer FromIndex, Integer ToIndex) {
  const Integer RealFrom = DisplToRealCol(FromIndex), RealTo = DisplToRealCol(ToIndex);
  EnsureColumnTable(std::max(RealFrom, RealTo));
  auto Rotate = [&](auto& Table) {
    if (RealFrom < RealTo)
      std::rotate(Table.begin() + RealFrom, Table.begin() + RealFrom + 1, Table.begin() + RealTo + 1);
    else
      std::rotate(Table.begin() + RealTo, Table.begin() + RealFrom, Table.begin() + RealFrom + 1);
  };
  if (RealFrom != RealTo) {
    Rotate(FVisibleCol);
    Rotate(FAllColWidths);
  }
  TBaseGrid::ColumnMoved(RealFrom, RealTo);
  if (RealFrom < FColumnOrder->Count() && RealTo < FColumnOrder->Count()) {
    const Integer Entry = FColumnOrder->Items(RealFrom);
    FColumnOrder->Delete(RealFrom);
    FColumnOrder->Insert(RealTo, Entry);
  }
  FollowMovedColumn(FromIndex, ToIndex, RealFrom, RealTo);
  SyncMovedColumn(FromIndex, ToIndex);
}

namespace {

// Where an index between two moved places goes.
Integer Moved(Integer Index, Integer FromIndex, Integer ToIndex) {
  if (Index == FromIndex) return ToIndex;
  if (ToIndex < FromIndex && Index >= ToIndex && Index < FromIndex) return Index + 1;
  if (ToIndex > FromIndex && Index > FromIndex && Index <= ToIndex) return Index - 1;
  return Index;
}

void MoveEntry(TIntList& List, Integer FromIndex, Integer ToIndex) {
  if (FromIndex >= List.Count() && ToIndex >= List.Count()) return;
  while (List.Count() <= std::max(FromIndex, ToIndex)) List.Add(0);
  const Integer Entry = List.Items(FromIndex);
  List.Delete(FromIndex);
  List.Insert(ToIndex, Entry);
}

}  // namespace

void TRezIvevirAvod::MoveColumn(Integer FromIndex, Integer ToIndex) {
  if (FColumnOrder->Count() == 0) SetColumnOrder();
  if (FromIndex == ToIndex) return;
  // A merged area cannot be torn apart by a column going through it.
  for (Integer c = std::min(FromIndex, ToIndex); c <= std::max(FromIndex, ToIndex) && MergeCount() > 0; ++c)
    SplitMergesAcrossCol(DisplToRealCol(c));
  SplitMergesAcrossCol(DisplToRealCol(std::max(FromIndex, ToIndex)) + 1);
  TBaseGrid::MoveColumn(FromIndex, ToIndex);
  for (Integer i = 0; i < FControlList->Count(); ++i) {
    TControlItem* Item = FControlList->GetControl(i);
    Item->SetX(Moved(Item->X(), FromIndex, ToIndex));
  }
  if (FControlList->Count() > 0) CellControlsUpdate(false);
  MoveEntry(*FColSelect, FromIndex, ToIndex);
}

void TRezIvevirAvod::MoveRow(Integer FromIndex, Integer ToIndex) {
  if (FromIndex == ToIndex) return;
  for (Integer r = std::min(FromIndex, ToIndex); r <= std::max(FromIndex, ToIndex) + 1 && MergeCount() > 0; ++r)
    SplitMergesAcrossRow(r);
  TBaseGrid::MoveRow(FromIndex, ToIndex);
  for (Integer i = 0; i < FControlList->Count(); ++i) {
    TControlItem* Item = FControlList->GetControl(i);
    Item->SetY(Moved(Item->Y(), FromIndex, ToIndex));
  }
  if (FControlList->Count() > 0) CellControlsUpdate(false);
  // The row's flags go with it.
  if (FShowModified->Enabled()) {
    while (FModifiedRows->Count() < RowCount() + 1) FModifiedRows->Add(0);
    MoveEntry(*FModifiedRows, FromIndex, ToIndex);
  }
  MoveEntry(*FEnabledRows, FromIndex, ToIndex);
  if (!FMouseActions->RowSelectPersistent()) MoveEntry(*FRowSelect, FromIndex, ToIndex);
  MoveEntry(*FSortList, FromIndex, ToIndex);
}

// The block lands where the rows would stand after taking it out: behind
// the row at ToIndex when the block lies just before it, before it when
// rows lie between.
void TRezIvevirAvod::MoveRows(Integer FromIndex, Integer ToIndex, Integer Count) {
  if (FromIndex == ToIndex || Count <= 0 || FromIndex < 0 || ToIndex < 0) return;
  Count = std::min(Count, RowCount() - FromIndex);
  if (Count <= 0) return;
  if (FromIndex + Count < ToIndex) ToIndex -= Count;
  ToIndex = std::min(ToIndex, RowCount() - Count);
  if (ToIndex == FromIndex) return;
  BeginUpdate();
  auto Done = ScopeExit([this] { EndUpdate(); });
  // One row at a time keeps every row's cells, objects, height and flags.
  if (ToIndex > FromIndex)
    for (Integer i = 0; i < Count; ++i) MoveRow(FromIndex, ToIndex + Count - 1);
  else
    for (Integer i = 0; i < Count; ++i) MoveRow(FromIndex + i, ToIndex + i);
  CellsChanged(TRect{0, std::min(FromIndex, ToIndex), ColCount() - 1, std::max(FromIndex, ToIndex) + Count});
}

// --- current row and top row ------------------------------------------------------------------

void TRezIvevirAvod::SetRowEx(Integer Value) {
  if (Col() < 0 || Col() >= ColCount()) MoveCurrentCell(FixedCols(), Value);
  TBaseGrid::SetRow(Value);
  FAECol = -1;
  FAERow = -1;
  if (Value != FLastReportedRow && OnRowChanged) {
    const Integer OldRow = FLastReportedRow;
    FLastReportedRow = Value;
    OnRowChanged(this, OldRow, Value);
  }
  if (FMouseActions->DisjunctRowSelect()) SelectionToRowSelect(false);
  if (auto* Other = dynamic_cast<TRezIvevirAvod*>(FSyncGrid->Grid()); Other && FSyncGrid->SelectionRow())
    if (Other->Row() != Row() && Row() < Other->RowCount()) Other->SetRowEx(Row());
  if (Value == RowCount() - 1) KeepLastRowAboveSearchFooter();
}

void TRezIvevirAvod::SetTopRowEx(Integer Value) {
  if (Value >= FixedRows() && Value <= RowCount() - 1) SetTopRow(Value);
}

namespace {

Integer PlaceFor(Integer Index, Integer Visible, TScrollPosition Position, Integer Keep) {
  switch (Position) {
    case spMiddle: return Index - Visible / 2;
    case spTrailing: return Index - Visible + 1;
    case spLeading: return Index;
  }
  return Keep;
}

}  // namespace

void TRezIvevirAvod::ScrollInView(Integer ColIndex, Integer RowIndex, TScrollPosition Position) {
  if (ColIndex >= ColCount() || RowIndex >= RowCount()) return;
  const Integer VisibleCols = VisibleColCount(), VisibleRows = VisibleRowCount();
  Integer L = LeftCol(), T = TopRow();
  if (ColIndex < LeftCol() || ColIndex >= LeftCol() + VisibleCols) {
    SetCol(ColIndex);
    L = std::max(PlaceFor(ColIndex, VisibleCols, Position, L), FixedCols());
  }
  if (RowIndex < TopRow() || RowIndex >= TopRow() + VisibleRows) {
    SetRowEx(RowIndex);
    T = std::max(PlaceFor(RowIndex, VisibleRows, Position, T), FixedRows());
  }
  L = std::min(L, ColCount() - VisibleCols + 1);
  if (FixedCols() + VisibleCols < ColCount()) SetLeftCol(L);
  T = std::min(T, RowCount() - VisibleRows + 1);
  if (FixedRows() + VisibleRows >= RowCount()) return;
  SetTopRowEx(T);
  // A row the search footer covers comes up above it.
  if (const Integer PanelHeight = SearchPanelHeight()) {
    const Integer Free = ClientHeight() - PanelHeight;
    while (CellRect(0, RowIndex).Bottom > Free && TopRow() < RowCount() - FixedFooters() - 1) {
      const Integer Before = TopRow();
      SetTopRow(TopRow() + 1);
      if (TopRow() == Before) break;
    }
  }
}

// --- hiding the selection ---------------------------------------------------------------------

void TRezIvevirAvod::HideSelection() {
  FOldSelection = Selection();
  PlaceSelectionOutside();
  FSelHidden = true;
}

void TRezIvevirAvod::UnHideSelection() {
  FSelHidden = false;
  if (FOldSelection.Top >= 0 && FOldSelection.Left >= 0 && FOldSelection.Top < RowCount() &&
      FOldSelection.Left < ColCount() && FOldSelection.Bottom < RowCount() && FOldSelection.Right < ColCount()) {
    SetSelection(FOldSelection);
    return;
  }
  const Integer Top = FixedRowAlways() && FixedRows() == RowCount() ? 0 : FixedRows();
  const Integer Left = FixedColAlways() && FixedCols() == ColCount() ? 0 : FixedCols();
  SetSelection(TGridRect{Left, std::min(Top, RowCount() - 1), Left, std::min(Top, RowCount() - 1)});
}

// --- extents ------------------------------------------------------------------------------------

TGridRect TRezIvevirAvod::UsedCells() {
  TGridRect R{ColCount() - 1, RowCount() - 1, 0, 0};
  for (Integer r = 0; r < RowCount(); ++r)
    for (Integer c = 0; c < ColCount(); ++c) {
      const TPoint Base = BaseCell(c, r);
      if (GetGridCell(Base.X, Base.Y).empty()) continue;
      R.Left = std::min(R.Left, c);
      R.Top = std::min(R.Top, r);
      R.Right = std::max(R.Right, c);
      R.Bottom = std::max(R.Bottom, r);
    }
  if (R.Right < R.Left || R.Bottom < R.Top) return TGridRect{0, 0, 0, 0};
  return R;
}

Integer TRezIvevirAvod::SaveStartCol() const { return FSaveFixedCells || FSaveFixedCols ? 0 : FixedCols(); }

Integer TRezIvevirAvod::SaveStartRow() const { return FSaveFixedCells || FSaveFixedRows ? 0 : FixedRows(); }

Integer TRezIvevirAvod::SaveEndCol() const {
  return FSaveFixedCells || FSaveFixedCols ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
}

Integer TRezIvevirAvod::SaveEndRow() const {
  return FSaveFixedCells || FSaveFixedRows ? RowCount() - 1 : RowCount() - FFixedFooters - 1;
}

Integer TRezIvevirAvod::SaveColCount() const {
  return FSaveFixedCells || FSaveFixedCols ? ColCount() : ColCount() - FixedCols() - FFixedRightCols;
}

Integer TRezIvevirAvod::SaveRowCount() const {
  return FSaveFixedCells || FSaveFixedRows ? RowCount() : RowCount() - FixedRows() - FFixedFooters;
}

}  // namespace jorv::grid
