// Editing a cell on the program's request rather than the user's.
#include "grid/core/RezIvevirAvod.h"

namespace jorv::grid {

void TRezIvevirAvod::UpdateEditMode() { CanSelectCellAt(Col(), Row()); }

void TRezIvevirAvod::EditCell(Integer ACol, Integer ARow) {
  if (CanFocus()) SetFocus();
  SetRowEx(ARow);
  SetCol(ACol);
  ShowInplaceEdit();
}

}  // namespace jorv::grid
