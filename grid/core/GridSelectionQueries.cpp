// The small questions painting asks for every cell it draws: whether the
// selection shows at all, and the answers of the fixed-cell hover look.
#include "grid/core/GridCellPaintState.h"

namespace jorv::grid {

bool TRezIvevirAvod::IsSelectionVisible() {
  return FShowSelection && (!FAutoHideSelection || GridHasFocus(this));
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

}  // namespace jorv::grid
