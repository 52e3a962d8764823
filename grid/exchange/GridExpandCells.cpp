// Expand cells: one cell whose graphic switches its row between the height
// it had when the cell was made and a taller one.
#include "grid/core/RezIvevirAvod.h"

namespace jorv::grid {

void TRezIvevirAvod::AddExpand(Integer ACol, Integer ARow, Integer ExpandedHeight) {
  const Integer Collapsed = GetRowHeights(ARow);
  TCellGraphic* G = CreateCellGraphic(ACol, ARow);
  if (!G) return;
  G->SetCellType(ctExpand);
  G->SetCellAngle(ExpandedHeight);
  G->SetCellIndex(Collapsed);
  G->SetCellVar(Variant(false));
  RepaintCell(RealToDisplCol(ACol), ARow);
}

bool TRezIvevirAvod::RemoveExpand(Integer ACol, Integer ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctExpand); }

bool TRezIvevirAvod::ToggleExpand(Integer ACol, Integer ARow) {
  if (!HasExpand(ACol, ARow)) return false;
  const TPoint B = BaseCell(ACol, ARow);
  TCellGraphic* G = GetCellGraphic(B.X, B.Y);
  const bool NewState = !GetExpandState(B.X, B.Y);
  G->SetCellVar(Variant(NewState));
  return NewState;
}

bool TRezIvevirAvod::GetExpandState(Integer ACol, Integer ARow) {
  if (!HasExpand(ACol, ARow)) return false;
  const TPoint B = BaseCell(ACol, ARow);
  const Variant& State = GetCellGraphic(B.X, B.Y)->CellVar();
  return !State.IsEmpty() && bool(State);
}

Integer TRezIvevirAvod::GetExpandHeight(Integer ACol, Integer ARow, bool Expanded) {
  if (!HasExpand(ACol, ARow)) return DefaultRowHeight();
  const TPoint B = BaseCell(ACol, ARow);
  TCellGraphic* G = GetCellGraphic(B.X, B.Y);
  return Expanded ? G->CellAngle() : G->CellIndex();
}

}  // namespace jorv::grid
