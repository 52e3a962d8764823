// The questions about selection and row flags that painting asks for every
// cell it draws: whether a cell, a disjunct row or column is selected,
// whether the selection shows at all, and whether a row is modified or
// enabled; the small answers of the fixed-cell hover look; and the width
// hook of automatic column sizing.
#include <algorithm>
#include "grid/core/GridCellPaintState.h"
#include "platform/rtl/List.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::grid {

bool TRezIvevirAvod::IsSelectionVisible() {
  return FShowSelection && (!FAutoHideSelection || GridHasFocus(this));
}

bool TRezIvevirAvod::GetRowSelect(Integer ARow) {
  if ((ARow < 0 || ARow >= RowCount() + NumHiddenRows()) && !FMouseActions->RowSelectPersistent())
    throw DAvoDeveDeviz(L"Invalid row " + IntToStr(ARow) + L" accessed");
  if (!FMouseActions->DisjunctRowSelect()) {
    const TGridRect Sel = Selection();
    return ARow >= std::min(Sel.Top, Sel.Bottom) && ARow <= std::max(Sel.Top, Sel.Bottom);
  }
  if (ARow < 0) return false;
  if (FRowSelectList->Count() <= ARow) FRowSelectList->SetCount(std::max(ARow + 1, RowCount()));
  return FRowSelectList->Items(ARow) != nullptr;
}

bool TRezIvevirAvod::GetColSelect(Integer ACol) {
  if (ACol < 0 || ACol >= ColCount()) throw DAvoDeveDeviz(L"Invalid column accessed");
  if (FColSelectList->Count() <= ACol) FColSelectList->SetCount(ACol + 1);
  return FColSelectList->Items(ACol) != nullptr;
}

bool TRezIvevirAvod::IsSelected(Integer ACol, Integer ARow) {
  if (ARow < FixedRows() || ACol < FixedCols()) return false;
  TMouseActions* MA = FMouseActions.get();
  if (MA->DisjunctCellSelect()) return FSelectedCells->HasValue((ARow << 16) | ACol);
  if (MA->DisjunctRowSelect()) return GetRowSelect(MA->RowSelectPersistent() ? DisplToRealRow(ARow) : ARow);
  if (MA->DisjunctColSelect()) return GetColSelect(ACol);
  return Selection().Contains(ACol, ARow);
}

bool TRezIvevirAvod::GetRowModified(Integer ARow) const {
  return ARow >= 0 && ARow < FModifiedRows->Count() && FModifiedRows->Items(ARow) == 1;
}

bool TRezIvevirAvod::GetRowEnabled(Integer ARow) const {
  return ARow < 0 || ARow >= FEnabledRows->Count() || FEnabledRows->Items(ARow) == 0;
}

bool TRezIvevirAvod::IsHoverFixedCell(Integer ACol, Integer ARow) {
  switch (FHoverFixedCells) {
    case hfAll: return ACol < FixedCols() || ARow < FixedRows();
    case hfFixedRows: return ARow < FixedRows();
    case hfFixedColumns: return ACol < FixedCols();
    default: return false;
  }
}

bool TRezIvevirAvod::DoCanShowFixedDropDown(Integer ACol) {
  bool CanShow = true;
  if (OnCanShowFixedDropDown) OnCanShowFixedDropDown(this, ACol, CanShow);
  return CanShow;
}

void TRezIvevirAvod::DoUpdateAutoColumnSize(Integer ACol, Integer& AWidth) {
  if (OnUpdateColumnSize) OnUpdateColumnSize(this, ACol, AWidth);
}

}  // namespace jorv::grid
