// The current cell kept clear of the floating footer: a row that would
// move under the panel scrolls up into view first, and the last row of a
// fixed footer, which the panel shows, is never selected.
#include "grid/core/RezIvevirAvod.h"
#include "grid/exchange/FooterPanel.h"

namespace jorv::grid {

bool TRezIvevirAvod::KeepRowClearOfFooters(Integer ACol, Integer ARow) {
  TFloatingFooter* Footer = FFloatingFooter.get();
  if (!Footer->Visible() || ACol < 0 || ARow < 0) return true;
  const Integer Line = ClientHeight() - FooterPanel()->Height() + 2;
  auto BelowLine = [&] { return CellRect(ACol, ARow).Bottom > Line; };
  auto ScrollOneRowDown = [&] { SetTopRow(TopRow() + 1); };
  if (Footer->FooterStyle() != fsFixedLastRow) {
    FooterPanel()->Invalidate();
    if (BelowLine() && ARow < RowCount()) ScrollOneRowDown();
    return true;
  }
  if (IsDataEditing()) return true;
  const Integer Visible = VisibleRowCount();
  if (ARow >= TopRow() + Visible) SetTopRow(ARow + FixedRows() - Visible);
  if (BelowLine() && ARow < RowCount() - 1) ScrollOneRowDown();
  return ARow != RowCount() - 1;
}

}  // namespace jorv::grid
