// The current cell kept clear of the floating and search footers: a row
// that would move under a panel scrolls up into view first, and the last
// row of a fixed footer, which the panel shows, is never selected.
#include "grid/core/RezIvevirAvod.h"
#include "grid/exchange/FooterPanel.h"

namespace jorv::grid {

bool TRezIvevirAvod::KeepRowClearOfFooters(Integer ACol, Integer ARow) {
  if (ACol < 0 || ARow < 0) return true;
  if (FFloatingFooter->Visible() && !KeepRowClearOfFloatingFooter(ACol, ARow)) return false;
  const Integer PanelHeight = SearchPanelHeight();
  if (PanelHeight == 0) return true;
  while (CellRect(ACol, ARow).Bottom > ClientHeight() - PanelHeight + 2 && ARow <= RowCount() - 1 &&
         TopRow() < RowCount() - 1) {
    const Integer Before = TopRow();
    SetTopRow(TopRow() + 1);
    if (TopRow() == Before) break;
  }
  return true;
}

// The search footer above the floating one takes its room too.
bool TRezIvevirAvod::KeepRowClearOfFloatingFooter(Integer ACol, Integer ARow) {
  TFloatingFooter* Footer = FFloatingFooter.get();
  const Integer SearchRoom = SearchPanelHeight() > 0 ? SearchPanelHeight() + 2 : 0;
  const Integer Line = ClientHeight() - FooterPanel()->Height() - SearchRoom + 2;
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
