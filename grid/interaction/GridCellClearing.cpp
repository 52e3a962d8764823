// Columns removed, inserted and swapped, cells cleared, trimmed and
// coloured, and cells merged and split by content. A column move touches
// every stored row, hidden rows included, and the visibility and widths of
// every stored column, so hidden columns and rows keep their cells and the
// hidden-column count stays the number of hidden columns.
#include <algorithm>
#include "grid/core/RezIvevirAvod.h"
#include "grid/interaction/HiddenRowStore.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::grid {

// --- columns --------------------------------------------------------------------------------------

std::vector<TRezIvevirAvod::TStoredColumn> TRezIvevirAvod::StoredColumns() const {
  std::vector<TStoredColumn> Columns(AllColCount());
  for (Integer c = 0; c < AllColCount(); ++c) {
    Columns[c].Visible = !IsHiddenColumn(c);
    Columns[c].Width = GetAllColWidths(c);
  }
  return Columns;
}

void TRezIvevirAvod::ApplyStoredColumns(const std::vector<TStoredColumn>& Columns) {
  const Integer All = static_cast<Integer>(Columns.size());
  EnsureColumnTable(All);
  Integer Hidden = 0;
  for (Integer c = 0; c < All; ++c) {
    FVisibleCol[c] = Columns[c].Visible;
    FAllColWidths[c] = Columns[c].Width;
    if (!Columns[c].Visible) ++Hidden;
  }
  std::fill(FVisibleCol.begin() + All, FVisibleCol.end(), 1);
  FNumHidden = Hidden;
  SetColCount(std::max(All - Hidden, 1));
  for (Integer c = 0, d = 0; c < All; ++c)
    if (Columns[c].Visible && d < ColCount()) SetColWidths(d++, Columns[c].Width);
  Invalidate();
}

namespace {

void ForEachHiddenRow(THiddenRowStore& Store, const std::function<void(TStringGridRow&)>& Action) {
  for (Integer i = 0; i < Store.Count(); ++i) Action(Store.Items(i).Items());
}

}  // namespace

void TRezIvevirAvod::RemoveCols(Integer ColIndex, Integer CCount) {
  CCount = std::min(CCount, AllColCount() - ColIndex);
  if (ColIndex < 0 || CCount <= 0) return;
  HideEditor();
  SplitMergesAcrossCol(ColIndex);
  SplitMergesAcrossCol(ColIndex + CCount);
  ClearCols(ColIndex, CCount);
  ForEachHiddenRow(*FHiddenRows, [&](TStringGridRow& Cells) {
    for (Integer c = ColIndex; c < ColIndex + CCount; ++c) {
      auto* Props = dynamic_cast<TCellProperties*>(Cells.Object(c));
      if (!Props) continue;
      if (TObject* G = Props->GraphicObject(); G && G->ClassName() == L"TCellGraphic") delete G;
      delete Props;
    }
    Cells.DeleteCells(ColIndex, CCount);
  });
  std::vector<TStoredColumn> Columns = StoredColumns();
  Columns.erase(Columns.begin() + ColIndex, Columns.begin() + ColIndex + CCount);
  DeleteColData(ColIndex, CCount);
  ApplyStoredColumns(Columns);
  CellsChanged(TRect{ColIndex, 0, ColIndex + CCount, RowCount() - 1});
}

void TRezIvevirAvod::InsertCols(Integer ColIndex, Integer CCount) {
  if (ColIndex < 0 || CCount <= 0) return;
  ColIndex = std::min(ColIndex, AllColCount());
  HideEditor();
  SplitMergesAcrossCol(ColIndex);
  std::vector<TStoredColumn> Columns = StoredColumns();
  Columns.insert(Columns.begin() + ColIndex, CCount, TStoredColumn{true, DefaultColWidth()});
  InsertColData(ColIndex, CCount);
  ForEachHiddenRow(*FHiddenRows, [&](TStringGridRow& Cells) { Cells.InsertCells(ColIndex, CCount); });
  ApplyStoredColumns(Columns);
}

void TRezIvevirAvod::SwapColumns(Integer ACol1, Integer ACol2) {
  if (ACol1 == ACol2 || std::min(ACol1, ACol2) < 0 || std::max(ACol1, ACol2) >= AllColCount()) return;
  HideEditor();
  for (Integer c : {ACol1, ACol1 + 1, ACol2, ACol2 + 1}) SplitMergesAcrossCol(c);
  auto Swap = [&](auto Get, auto Set) {
    auto First = Get(ACol1);
    Set(ACol1, Get(ACol2));
    Set(ACol2, First);
  };
  for (Integer r = 0; r < std::max(StoredRowCount(), RowCount()); ++r) {
    Swap([&](Integer c) { return GetGridCell(c, r); }, [&](Integer c, const String& V) { SetGridCell(c, r, V); });
    Swap([&](Integer c) { return GetGridObject(c, r); }, [&](Integer c, TObject* V) { SetGridObject(c, r, V); });
  }
  ForEachHiddenRow(*FHiddenRows, [&](TStringGridRow& Cells) {
    Swap([&](Integer c) { return Cells.Text(c); }, [&](Integer c, const String& V) { Cells.SetText(c, V); });
    Swap([&](Integer c) { return Cells.Object(c); }, [&](Integer c, TObject* V) { Cells.SetObject(c, V); });
  });
  std::vector<TStoredColumn> Columns = StoredColumns();
  std::swap(Columns[ACol1], Columns[ACol2]);
  ApplyStoredColumns(Columns);
  if (FSortSettings->Column() == ACol1)
    FSortSettings->SetColumn(ACol2);
  else if (FSortSettings->Column() == ACol2)
    FSortSettings->SetColumn(ACol1);
}

void TRezIvevirAvod::RemoveSelectedCols() {
  if (!FMouseActions->DisjunctColSelect()) {
    const TGridRect S = Selection();
    RemoveCols(DisplToRealCol(S.Left), S.Right - S.Left + 1);
    return;
  }
  for (Integer c = ColCount() - 1; c >= FixedCols(); --c) {
    if (!GetColSelect(c)) continue;
    RemoveCols(DisplToRealCol(c), 1);
    if (c < FColSelect->Count()) FColSelect->Delete(c);
  }
}

void TRezIvevirAvod::RemoveUnSelectedCols() {
  if (FMouseActions->DisjunctColSelect()) {
    for (Integer c = ColCount() - 1; c >= FixedCols(); --c) {
      if (GetColSelect(c)) continue;
      RemoveCols(DisplToRealCol(c), 1);
      if (c < FColSelect->Count()) FColSelect->Delete(c);
    }
  } else {
    const TGridRect S = Selection();
    RemoveCols(S.Right + 1, ColCount() - S.Right);
    RemoveCols(FixedCols(), S.Left - FixedCols());
  }
  ClearColSelect();
}

void TRezIvevirAvod::MergeCols(Integer ColIndex1, Integer ColIndex2, const String& Separator) {
  for (Integer r = FixedRows(); r < RowCount(); ++r)
    SetCells(ColIndex1, r, Trim(GetCells(ColIndex1, r) + Separator + GetCells(ColIndex2, r)));
  RemoveCols(ColIndex2, 1);
}

// --- clearing ---------------------------------------------------------------------------------------

void TRezIvevirAvod::ClearRect(Integer ACol1, Integer ARow1, Integer ACol2, Integer ARow2) {
  const bool Map = FSaveHiddenCells;
  for (Integer r = ARow1; r <= ARow2; ++r)
    for (Integer c = ACol1; c <= ACol2; ++c) {
      const Integer Col = Map ? DisplToRealCol(c) : c;
      if (TObject* Own = FOwnsObjects ? GetObjectEx(Col, r) : nullptr) {
        PropsAt(Col, r)->SetCellObject(0);
        delete Own;
      }
      if (!FClearTextOnly && PropsAt(Col, r)) {
        if (FNilObjects)
          SetGridObject(Col, r, nullptr);
        else
          DropCellProperties(Col, r, true);
      }
      if (!Destroying() && !GetGridCell(Col, r).empty()) {
        SetGridCell(Col, r, L"");
        if (Map) RepaintCell(c, r);
      }
    }
  if (ACol1 <= 0 && ARow1 <= 0 && ACol2 >= ColCount() - 1 && ARow2 >= RowCount() - 1 && !FClearTextOnly)
    FHasCellProps = false;
  if (!Destroying() && !FBlockCellChange)
    CellsChanged(TRect{Map ? DisplToRealCol(ACol1) : ACol1, ARow1, Map ? DisplToRealCol(ACol2) : ACol2, ARow2});
}

void TRezIvevirAvod::ClearRows(Integer RowIndex, Integer RCount) {
  if (RowCount() == 0 || ColCount() == 0 || RCount <= 0) return;
  ClearRect(0, RowIndex, AllColCount() - 1, RowIndex + RCount - 1);
}

void TRezIvevirAvod::ClearCols(Integer ColIndex, Integer CCount) {
  if (RowCount() == 0 || ColCount() == 0 || CCount <= 0) return;
  ClearRect(ColIndex, 0, ColIndex + CCount - 1, RowCount() - 1);
}

void TRezIvevirAvod::ClearNormalRows(Integer RowIndex, Integer RCount) {
  if (RowCount() == 0 || ColCount() == 0 || RCount <= 0) return;
  ClearRect(FixedCols(), RowIndex, AllColCount() - FFixedRightCols - 1, RowIndex + RCount - 1);
}

void TRezIvevirAvod::ClearNormalCols(Integer ColIndex, Integer CCount) {
  if (RowCount() == 0 || ColCount() == 0 || CCount <= 0) return;
  ClearRect(ColIndex, FixedRows(), ColIndex + CCount - 1, RowCount() - FFixedFooters - 1);
}

void TRezIvevirAvod::ClearNormalCells() {
  if (RowCount() == 0 || ColCount() == 0) return;
  // Column 0 holds the node glyphs only when it is cleared with the rest.
  if (FixedCols() == 0 && FNumNodes > 0) RemoveAllNodes();
  ClearRect(FixedCols(), FixedRows(), AllColCount() - FFixedRightCols - 1, RowCount() - FFixedFooters - 1);
}

void TRezIvevirAvod::ClearSelection() {
  if (FMouseActions->DisjunctRowSelect()) {
    for (Integer r = FixedRows(); r < RowCount(); ++r)
      if (RowIsSelected(r)) ClearRows(r, 1);
  } else if (FMouseActions->DisjunctColSelect()) {
    for (Integer c = FixedCols(); c < ColCount(); ++c)
      if (GetColSelect(c)) ClearCols(c, 1);
  } else {
    const TGridRect S = Selection();
    ClearRect(S.Left, S.Top, S.Right, S.Bottom);
  }
}

// Nodes go first: their contracted rows come back and are cleared too,
// rather than staying hidden under a glyph that is gone.
void TRezIvevirAvod::Clear() {
  if (RowCount() == 0 || ColCount() == 0) return;
  if (!Destroying()) RemoveAllNodes();
  FSearchInc.clear();
  ClearRect(0, 0, AllColCount() - 1, RowCount() - 1);
  if (FNumHidden > 0) Invalidate();
}

void TRezIvevirAvod::ClearAll() {
  if (RowCount() == 0 || ColCount() == 0) return;
  if (!Destroying()) RemoveAllNodes();
  FSearchInc.clear();
  ClearRect(0, 0, std::max(FMaxColCount, AllColCount()) - 1, std::max(FMaxRowCount, RowCount()) - 1);
  // Hidden rows come back empty.
  ForEachHiddenRow(*FHiddenRows, [](TStringGridRow& Cells) {
    for (Integer c = 0; c < Cells.Count(); ++c) Cells.SetText(c, L"");
  });
  Invalidate();
}

// --- trimming and colouring -----------------------------------------------------------------------

void TRezIvevirAvod::TrimRect(Integer ACol1, Integer ARow1, Integer ACol2, Integer ARow2) {
  for (Integer r = ARow1; r <= ARow2; ++r)
    for (Integer c = ACol1; c <= ACol2; ++c) {
      const Integer Col = FSaveHiddenCells ? DisplToRealCol(c) : c;
      const String Text = GetGridCell(Col, r);
      const String Trimmed = Trim(Text);
      if (Trimmed != Text) SetGridCell(Col, r, Trimmed);
    }
}

void TRezIvevirAvod::ColorRect(Integer ACol1, Integer ARow1, Integer ACol2, Integer ARow2, TColor AColor) {
  for (Integer r = ARow1; r <= ARow2; ++r)
    for (Integer c = ACol1; c <= ACol2; ++c) SetColors(c, r, AColor);
}

// --- merging by content ---------------------------------------------------------------------------

void TRezIvevirAvod::MergeColumnCells(Integer ColIndex, bool MainMerge) {
  const Integer Last = RowCount() - FFixedFooters - 1;
  Integer First = FixedRows();
  for (Integer r = FixedRows() + 1; r <= Last + 1; ++r) {
    const bool Continues = r <= Last && GetCells(ColIndex, r) == GetCells(ColIndex, r - 1) &&
                           (MainMerge || RowSpanIdentical(r, r - 1));
    if (Continues) continue;
    if (r - First >= 2) MergeCells(ColIndex, First, 1, r - First);
    First = r;
  }
}

void TRezIvevirAvod::MergeRowCells(Integer RowIndex, bool MainMerge) {
  const Integer Last = ColCount() - FFixedRightCols - 1;
  Integer First = FixedCols();
  for (Integer c = FixedCols() + 1; c <= Last + 1; ++c) {
    const bool Continues = c <= Last && GetCells(c, RowIndex) == GetCells(c - 1, RowIndex) &&
                           (MainMerge || ColSpanIdentical(c, c - 1));
    if (Continues) continue;
    if (c - First >= 2) MergeCells(First, RowIndex, c - First, 1);
    First = c;
  }
}

void TRezIvevirAvod::SplitColumnCells(Integer ColIndex) {
  for (Integer r = 0; r < RowCount() - FFixedFooters;) {
    if (IsMergedCell(ColIndex, r) && IsBaseCell(ColIndex, r) && CellSpan(ColIndex, r).Y > 0) {
      const Integer Span = CellSpan(ColIndex, r).Y;
      SplitCells(ColIndex, r);
      r += Span + 1;
    } else {
      ++r;
    }
  }
}

void TRezIvevirAvod::SplitRowCells(Integer RowIndex) {
  for (Integer c = 0; c < ColCount() - FFixedRightCols;) {
    if (IsMergedCell(c, RowIndex) && IsBaseCell(c, RowIndex) && CellSpan(c, RowIndex).X > 0) {
      const Integer Span = CellSpan(c, RowIndex).X;
      SplitCells(c, RowIndex);
      c += Span + 1;
    } else {
      ++c;
    }
  }
}

void TRezIvevirAvod::SplitAllCells() {
  for (Integer r = 0; r < RowCount(); ++r)
    for (Integer c = 0; c < AllColCount(); ++c)
      if (IsMergedCell(c, r) && IsBaseCell(c, r)) SplitCells(c, r);
}

// --- queries ----------------------------------------------------------------------------------------

bool TRezIvevirAvod::IsCell(const String& SubStr, Integer& ACol, Integer& ARow) {
  for (Integer r = 0; r < RowCount(); ++r)
    for (Integer c = 0; c < ColCount(); ++c)
      if (GetGridCell(c, r) == SubStr) {
        ACol = c;
        ARow = r;
        return true;
      }
  return false;
}

bool TRezIvevirAvod::IsWideCell(Integer ACol, Integer ARow) { return GetCells(ACol, ARow).starts_with(L"|\\"); }

}  // namespace jorv::grid
