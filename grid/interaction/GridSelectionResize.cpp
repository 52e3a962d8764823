// The selection-resize handle: the small square at the bottom-right of a
// selection drawn as a rectangle. Dragging it from its cell stretches the
// selection from its top-left corner; the release fills the new selection
// from the cells it held, as a paste of them would.
#include "grid/core/RezIvevirAvod.h"

namespace jorv::grid {

namespace {

constexpr Integer HandleSize = 6;

}  // namespace

TRect TRezIvevirAvod::SelectionResizerRect() {
  if (!FSelectionResizer || !FSelectionRectangle) return TRect{};
  const TGridRect Sel = Selection();
  if (Sel.Right < 0 || Sel.Bottom < 0 || Sel.Right >= ColCount() || Sel.Bottom >= RowCount()) return TRect{};
  const TRect Cell = CellRect(Sel.Right, Sel.Bottom);
  if (Cell.Width() <= 0 || Cell.Height() <= 0) return TRect{};
  return TRect{Cell.Right - HandleSize, Cell.Bottom - HandleSize, Cell.Right, Cell.Bottom};
}

// ByHandle: the press itself is on the handle; otherwise the move before it
// found it there (select mode msResize). True when the drag started.
bool TRezIvevirAvod::PressOnSelectionResizer(TMessage& Message, bool ByHandle) {
  const auto& M = MsgAs<TWMMouse>(Message);
  const Integer X = M.XPos, Y = M.YPos;
  if (ByHandle ? !SelectionResizerRect().Contains(TPoint{X, Y}) : FMouseSelectMode != msResize) return false;
  const TGridRect Sel = Selection();
  FGridState = gsSelecting;
  FDropSelection = Sel;
  CopySelectionToClipboard();
  FMouseResize = true;
  const bool Editing = Options().Contains(goEditing) || (ByHandle && FMouseActions->RangeSelectAndEdit());
  if (!Editing) TBaseGrid::WndProc(Message);
  // The selection grows from its top-left corner: that corner stays, the
  // other follows the mouse.
  SetSelection(Sel);
  FCurrent = TGridCoord{Sel.Left, Sel.Top};
  FAnchor = TGridCoord{Sel.Right, Sel.Bottom};
  FGridState = gsSelecting;
  if (Editing && HandleAllocated()) SetCapture(Handle());
  MouseMove({}, X, Y);
  Message.Result = 1;
  return true;
}

void TRezIvevirAvod::ResizeSelectionOnRelease() {
  if (!FMouseResize) return;
  if (GetCapture() == Handle()) ReleaseCapture();
  if (OnSelectionResize) OnSelectionResize(this, FDropSelection, Selection());
  FEditDisable = true;
  PasteSelectionFromClipboard();
  FMouseResize = false;
  FEditDisable = false;
  if (OnSelectionResized) OnSelectionResized(this, FDropSelection, Selection());
}

}  // namespace jorv::grid
