// The start of an OLE drag from the grid: a press on a selected cell of a
// grid that is a drag source, followed by a move of more than 3 pixels
// with the button still down, drags the selected cells' text (or, from the
// header with column drags on, the column); a move at the target removes
// or clears the dragged cells here.
#include <cstdlib>

#include "grid/base/grddd.h"
#include "grid/core/RezIvevirAvod.h"
#include "grid/exchange/GridDropSource.h"

namespace jorv::grid {

bool TRezIvevirAvod::IsPrimaryButtonDown() {
  const int Button = GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
  return GetAsyncKeyState(Button) < 0;
}

// True when the move started (or refused) a drag.
bool TRezIvevirAvod::StartOleDrag(Integer C, Integer R, Integer X, Integer Y) {
  if (!FSelectionClick || C < 0 || R < 0 || !FDragDropSettings->OleDropSource()) return false;
  if (std::abs(X - FClickPos.X) <= 3 && std::abs(Y - FClickPos.Y) <= 3) return false;
  if (FGridState == gsColSizing || !IsPrimaryButtonDown()) return false;
  FSelectionClick = false;
  const Integer RC = DisplToRealCol(C);
  bool Allow = true;
  if (FDragDropSettings->OleColumnsOnly() && R >= FixedRows())
    Allow = false;
  else if (OnOleDrag)
    OnOleDrag(this, R, RC, GetCells(RC, R), Allow);
  if (!Allow) {
    // The drag selects a range instead.
    if (FGridState == gsNormal) FGridState = gsSelecting;
    return true;
  }
  auto* Source = new TGridDropSource(this);
  Source->AddRef();
  if (OnOleDragStart) OnOleDragStart(this, R, RC);
  Integer PressCol = -1, PressRow = -1;
  MouseToCell(FClickPos.X, FClickPos.Y, PressCol, PressRow);
  DWORD Effect = DROPEFFECT_NONE;
  HRESULT Result = S_OK;
  const DWORD OkEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE;
  const bool ColumnDrag =
      PressRow >= 0 && PressRow < FixedRows() && PressCol >= 0 && FDragDropSettings->OleColumnDragDrop();
  ShowOleDragPicture(ColumnDrag, C, R);
  if (ColumnDrag) {
    Result = StartColumnDrag(Source, RC, OkEffects, Effect);
  } else {
    const TGridRect Dragged = Selection();
    // A drop of text above these rows in this grid moves them down here.
    FDropSelection = Dragged;
    const std::unique_ptr<TMemoryStream> Cells = DraggedCellStream(Dragged);
    Result = StartTextDrag(Source, SelectedText(), GetCells(RC, R), Cells.get(), OkEffects, Effect);
    if (Result != DRAGDROP_S_CANCEL && Effect == DROPEFFECT_MOVE && !FDragDropSettings->OleCopyAlways())
      RemoveDraggedCells(Dragged);
  }
  Source->Release();
  EndOleDragPicture();
  if (Result != DRAGDROP_S_CANCEL && OnOleDragStop) OnOleDragStop(this, static_cast<Integer>(Effect));
  return true;
}

// Only the dragged rows go: the selection's own row count, never the rest
// of the grid below it.
void TRezIvevirAvod::RemoveDraggedCells(const TGridRect& Dragged) {
  const bool Disjunct = FMouseActions->DisjunctRowSelect();
  if (FDragDropSettings->OleRemoveRows() && Options().Contains(goRowSelect)) {
    if (Disjunct)
      RemoveSelectedRows();
    else
      RemoveRowBlock(Dragged.Top, Dragged.Bottom - Dragged.Top + 1);
  } else if (Disjunct) {
    ClearSelection();
  } else {
    ClearRect(Dragged.Left, Dragged.Top, Dragged.Right, Dragged.Bottom);
  }
}

}  // namespace jorv::grid
