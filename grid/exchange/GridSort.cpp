// Sorting the grid's rows: the entry points, the state a sort keeps or puts
// back (the current row, the top row, the cells of column 0), and the rows
// moved into their new order together with what belongs to each row.
#include <algorithm>
#include <numeric>
#include "grid/core/RezIvevirAvod.h"
#include "grid/exchange/GridRowSorter.h"
#include "platform/rtl/ScopeExit.h"

namespace jorv::grid {

namespace {

// A per-row flag list follows its rows where it reaches them. The entries
// are read out first, so that the reads by the order stay within a plain
// array.
void PermuteRowList(TIntList* List, Integer Left, const std::vector<Integer>& Order) {
  const Integer Count = Integer(Order.size());
  if (!List || List->Count() < Left + Count) return;
  std::vector<Integer> Held(Order.size());
  for (Integer i = 0; i < Count; ++i) Held[size_t(i)] = List->Items(Left + i);
  for (Integer i = 0; i < Count; ++i) {
    const Integer From = Order[size_t(i)];
    if (From >= 0 && From < Count) List->SetInteger(Left + i, Held[size_t(From)]);
  }
}

}  // namespace

void TRezIvevirAvod::InitSortXRef() {
  FSortList->Clear();
  for (Integer i = 0; i < RowCount(); ++i) FSortList->Add(i);
}

void TRezIvevirAvod::SortXRefMoveRow(Integer FromIndex, Integer ToIndex) {
  const Integer Count = FSortList->Count();
  if (FromIndex == ToIndex || FromIndex < 0 || ToIndex < 0 || FromIndex >= Count || ToIndex >= Count) return;
  const Integer Value = FSortList->Items(FromIndex);
  FSortList->Delete(FromIndex);
  FSortList->Insert(ToIndex, Value);
}

// --- moving rows ------------------------------------------------------------------------------

void TRezIvevirAvod::SortPermuteRows(Integer Left, const std::vector<Integer>& Order) { MoveSortedRows(Left, Order); }

void TRezIvevirAvod::SortSwapRows(Integer ARow1, Integer ARow2) {
  if (ARow1 == ARow2) return;
  const Integer Low = std::min(ARow1, ARow2), High = std::max(ARow1, ARow2);
  std::vector<Integer> Order(size_t(High - Low + 1));
  std::iota(Order.begin(), Order.end(), 0);
  std::swap(Order.front(), Order.back());
  MoveSortedRows(Low, Order);
}

void TRezIvevirAvod::MoveSortedRows(Integer Left, const std::vector<Integer>& Order) {
  const Integer Count = Integer(Order.size());
  for (Integer i = 0; i < Count; ++i)
    if (Order[size_t(i)] != i) ++Swaps;
  PermuteRowList(FSortList.get(), Left, Order);
  if (FEnabledRows->Count() > 0) PermuteRowList(FEnabledRows.get(), Left, Order);
  if (FSortSettings->SingleColumn() && FSortSettings->Column() >= 0) {
    // Only the sort column's cells move; the rest of each row stays.
    const Integer Col = FSortSettings->Column();
    std::vector<std::pair<String, TObject*>> Cells;
    Cells.reserve(Order.size());
    for (Integer i = 0; i < Count; ++i) Cells.emplace_back(GetGridCell(Col, Left + i), GetGridObject(Col, Left + i));
    for (Integer i = 0; i < Count; ++i) {
      SetGridCell(Col, Left + i, Cells[size_t(Order[size_t(i)])].first);
      SetGridObject(Col, Left + i, Cells[size_t(Order[size_t(i)])].second);
    }
    return;
  }
  std::vector<Integer> Heights;
  for (Integer i = 0; i < Count && Heights.empty(); ++i)
    if (GetRowHeights(Left + i) != DefaultRowHeight()) Heights.resize(Order.size());
  for (size_t i = 0; i < Heights.size(); ++i) Heights[i] = GetRowHeights(Left + Integer(i));
  PermuteRowData(Left, Order);
  for (size_t i = 0; i < Heights.size(); ++i)
    if (GetRowHeights(Left + Integer(i)) != Heights[size_t(Order[i])])
      SetRowHeights(Left + Integer(i), Heights[size_t(Order[i])]);
  if (MouseActions()->DisjunctRowSelect() && Navigation()->MoveRowOnSort())
    PermuteRowList(FSelectedRows.get(), Left, Order);
  if (ShowModified()->Enabled()) PermuteRowList(FModifiedRows.get(), Left, Order);
  if (SortRow >= Left && SortRow < Left + Count)
    SortRow = Left + Integer(std::find(Order.begin(), Order.end(), SortRow - Left) - Order.begin());
}

// --- sorting a range ------------------------------------------------------------------------------

void TRezIvevirAvod::SortRowRange(Integer Col, Integer Left, Integer Right, bool Indexed) {
  if (Right <= Left) return;
  auto Ignored = [this](Integer C) { return FIgnoredColumns->HasValue(C); };
  std::vector<TGridRowSorter::TSortColumn> Columns;
  if (Indexed) {
    for (Integer i = 0; i < FSortIndexes->Count(); ++i) {
      const Integer C = FSortIndexes->GetSortColumns(i);
      if (!Ignored(C)) Columns.push_back({C, !FSortIndexes->GetSortDirections(i)});
      if (!FSortSettings->Full()) break;
    }
  } else {
    const bool Descending = FSortSettings->Direction() == sdDescending;
    SortDir = Descending ? -1 : 1;
    // An ignored sort column leaves the rows as they are.
    if (Col < 0 || Ignored(Col)) return;
    Columns.push_back({Col, Descending});
    if (FSortSettings->Full())
      for (Integer C = Col + 1; C < AllColCount(); ++C)
        if (!Ignored(C)) Columns.push_back({C, Descending});
  }
  TGridRowSorter Sorter(*this, Left, Right - Left + 1);
  const std::vector<Integer> Order = Sorter.Order(Columns);
  Compares += Sorter.Comparisons();
  SortPermuteRows(Left, Order);
}

void TRezIvevirAvod::QuickSort(Integer Col, Integer Left, Integer Right) { SortRowRange(Col, Left, Right, false); }

void TRezIvevirAvod::QuickSortIndexed(Integer Left, Integer Right) { SortRowRange(-1, Left, Right, true); }

// The state every sort keeps or puts back, also when the sort fails.
void TRezIvevirAvod::RunSort(bool RaiseRowChanged, const std::function<void()>& Body) {
  const bool KeepColumn0 = FSortSettings->NormalCellsOnly() && FixedCols() > 0;
  std::vector<std::pair<String, TObject*>> Column0;
  if (KeepColumn0)
    for (Integer r = 0; r < RowCount(); ++r) Column0.emplace_back(GetGridCell(0, r), GetGridObject(0, r));
  const Integer OldTop = TopRow(), OldRow = Row();
  const bool Follow = Navigation()->MoveRowOnSort() && !MouseActions()->DisjunctRowSelect();
  SortRow = Row();
  BeginUpdate();
  {
    auto Restore = ScopeExit([&] {
      for (Integer r = 0; r < Integer(Column0.size()) && r < RowCount(); ++r) {
        SetGridCell(0, r, Column0[size_t(r)].first);
        SetGridObject(0, r, Column0[size_t(r)].second);
      }
      const Integer LastNormal = RowCount() - 1 - FixedFooters();
      if (Follow && SortRow >= FixedRows() && SortRow <= LastNormal)
        SetRow(SortRow);
      else if (!Follow && OldRow >= FixedRows() && OldRow <= LastNormal && Row() != OldRow)
        SetRow(OldRow);
      if (Navigation()->KeepScrollOnSort() && OldTop < RowCount()) SetTopRow(OldTop);
      EndUpdate();
    });
    Body();
  }
  if (RaiseRowChanged && !Navigation()->MoveRowOnSort() && OnRowChanged) OnRowChanged(this, OldRow, Row());
}

// --- entry points ---------------------------------------------------------------------------------

void TRezIvevirAvod::Sort(Integer Column, TSortDirection Direction) {
  FSortSettings->SetColumn(Column);
  FSortSettings->SetDirection(Direction);
  QSort();
}

void TRezIvevirAvod::SortByColumn(Integer Col) {
  if (RowCount() <= 1) return;
  FSortSettings->SetColumn(Col);
  QSort();
}

void TRezIvevirAvod::QSort() {
  const Integer Col = FSortSettings->Column();
  if (Col < 0) return;
  if (RowCount() != FSortList->Count()) InitSortXRef();
  FSortIndexes->Clear();
  RunSort(true, [&] { SortRowRange(Col, FixedRows(), RowCount() - 1 - FixedFooters(), false); });
}

void TRezIvevirAvod::QSortIndexed() {
  if (FSortIndexes->Count() == 0) throw DAvoDeveDeviz(L"No indexes specified for indexed sort");
  if (RowCount() != FSortList->Count()) InitSortXRef();
  RunSort(false, [&] { SortRowRange(-1, FixedRows(), RowCount() - 1 - FixedFooters(), true); });
}

void TRezIvevirAvod::QSortGroup() { SortGroups(false); }

void TRezIvevirAvod::QSortGroupIndexed() { SortGroups(true); }

// Only the groups of the deepest node level are sorted; their node rows
// stay where they are.
void TRezIvevirAvod::SortGroups(bool Indexed) {
  if (Indexed && FSortIndexes->Count() == 0) throw DAvoDeveDeviz(L"No indexes specified for indexed sort");
  if (RowCount() != FSortList->Count()) InitSortXRef();
  auto LevelOf = [this](Integer ARow) {
    TCellProperties* Props = ExistingProps(0, ARow);
    return Props ? Props->NodeLevel() : 0;
  };
  RunSort(false, [&] {
    Integer Deepest = -1;
    for (Integer r = FixedRows(); r < RowCount(); ++r)
      if (IsNode(r)) Deepest = std::max(Deepest, LevelOf(r));
    for (Integer r = FixedRows(); r < RowCount(); ++r) {
      if (!IsNode(r) || LevelOf(r) != Deepest || GetNodeState(r)) continue;
      const Integer Span = GetNodeSpan(r);
      if (Span > 2) SortRowRange(FSortSettings->Column(), r + 1, std::min(r + Span - 1, RowCount() - 1), Indexed);
    }
  });
}

void TRezIvevirAvod::QUnSort() {
  const Integer Count = std::min(FSortList->Count(), RowCount());
  std::vector<Integer> Order(size_t(std::max(Count, 0)));
  std::iota(Order.begin(), Order.end(), 0);
  std::stable_sort(Order.begin(), Order.end(),
                   [this](Integer A, Integer B) { return FSortList->Items(A) < FSortList->Items(B); });
  RunSort(false, [&] { SortPermuteRows(0, Order); });
  if (FSortSettings->IndexShow()) FSortIndexes->Clear();
}

// --- two rows -------------------------------------------------------------------------------------

Integer TRezIvevirAvod::CompareCells(Integer ACol, Integer ARow1, TSortDirection Direction, Integer ARow2) {
  TGridRowSorter Sorter(*this, {ARow1, ARow2});
  const Integer Result = Sorter.CompareOn({ACol, Direction == sdDescending}, 0, 1);
  Compares += Sorter.Comparisons();
  return Result;
}

bool TRezIvevirAvod::SortLine(Integer Col, Integer ARow1, Integer ARow2) {
  const TSortDirection Direction = FSortSettings->Direction();
  for (; Col < AllColCount(); ++Col) {
    const Integer Result = CompareCells(Col, ARow1, Direction, ARow2);
    if (Result > 0) {
      SortSwapRows(ARow1, ARow2);
      return true;
    }
    if (Result < 0) return false;
  }
  return false;
}

}  // namespace jorv::grid
