// A sorted column whose header text is turned: the text layer, which puts
// the indicator after a plain text, draws no text for a turned cell, so the
// indicator stands at the top right of the turned text's box instead.
#include "grid/core/GridDataSettings.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Font.h"
#include "platform/rtl/ScopeExit.h"

namespace jorv::grid {

void TRezIvevirAvod::DrawRotatedSortIndicator(TCanvas* Canvas, const TRect& Box, Integer RCol, Integer ARow) {
  if (FixedRows() < 1 || !IsSortHeaderCell(RCol, ARow)) return;
  if (RCol != FSortSettings->Column() && !FSortSettings->IndexShow()) return;
  // The numbered indicator writes its number small; the user's drawing that
  // follows gets the cell's font back.
  const Integer Size = Canvas->Font()->Size();
  TScopeExit Restore([&] { Canvas->Font()->SetSize(Size); });
  DrawSortIndicator(Canvas, RCol, Box.Top + 8, Box.Right - 10);
}

}  // namespace jorv::grid
