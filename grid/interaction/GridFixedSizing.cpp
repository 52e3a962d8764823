// Fixed columns and rows sized by dragging their own border lines, where
// MouseActions allows it: the move finds the border, the press starts the
// sizing with an inverted line, the release gives the column or row the
// width or height up to the release point.
#include <cstdlib>

#include "grid/core/RezIvevirAvod.h"
#include "platform/ui/Screen.h"

namespace jorv::grid {

// The running edge counts one pixel of grid line per column or row.
void TRezIvevirAvod::DetectFixedSizing(Integer X, Integer Y) {
  if (FSizingFixed || FSizingFixedR) {
    MoveFixedSizing(X, Y);
    return;
  }
  FSizeFixed = FSizeFixedR = false;
  if (FGridState != gsNormal) return;
  Integer C = -1, R = -1;
  MouseToCell(X, Y, C, R);
  if (C < 0 || R < 0) return;
  Integer Edge = 0;
  for (Integer c = 0; c < FixedCols() && !FSizeFixed; ++c) {
    Edge += GetColWidths(c) + 1;
    if (std::abs(Edge - X) < 3) FSizeFixed = FMouseActions->SizeFixedCol();
  }
  Edge = 0;
  for (Integer r = 0; r < FixedRows() && !FSizeFixedR; ++r) {
    Edge += GetRowHeights(r) + 1;
    if (std::abs(Edge - Y) < 3) FSizeFixedR = FMouseActions->SizeFixedRow();
  }
}

void TRezIvevirAvod::MoveFixedSizing(Integer X, Integer Y) {
  if (FSizingFixed && X != FSizeFixedX) {
    DrawColSizingLine(FSizeFixedX);
    FSizeFixedX = X;
    DrawColSizingLine(FSizeFixedX);
  }
  if (FSizingFixedR && Y != FSizeFixedY) {
    DrawRowSizingLine(FSizeFixedY);
    FSizeFixedY = Y;
    DrawRowSizingLine(FSizeFixedY);
  }
  if (FSizingFixed && OnColumnSizing) OnColumnSizing(this, 0, FSizeFixedX);
  if (FSizingFixedR && OnRowSizing) OnRowSizing(this, 0, FSizeFixedY);
}

// True when the press starts a fixed sizing and goes no further. The
// mouse is captured, so that a release outside the grid still ends it.
bool TRezIvevirAvod::PressOnFixedSizing(Integer X, Integer Y) {
  if (FSizeFixed || FSizeFixedR) SetCapture(Handle());
  if (FSizeFixed) {
    FSizingFixed = true;
    FSizeFixedX = X;
    DrawColSizingLine(X);
    FSizingFixedCol = -1;
    Integer Edge = 0;
    for (Integer c = 0; c < FixedCols() && !Designing(); ++c) {
      if (std::abs(Edge + GetColWidths(c) - X) <= 2) FSizingFixedCol = c;
      Edge += GetColWidths(c) + 1;
    }
    return true;
  }
  if (!FSizeFixedR) return false;
  FSizingFixedR = true;
  FSizeFixedY = Y;
  DrawRowSizingLine(Y);
  FSizingFixedRow = -1;
  Integer Edge = 0;
  for (Integer r = 0; r < FixedRows() && !Designing(); ++r) {
    if (std::abs(Edge + GetRowHeights(r) - Y) <= 2) FSizingFixedRow = r;
    Edge += GetRowHeights(r) + 1;
  }
  return true;
}

// A release left of (or above) the sized line's start collapses it to 0
// rather than storing a negative size.
bool TRezIvevirAvod::ReleaseFixedSizing(Integer X, Integer Y) {
  if (FSizingFixed || FSizingFixedR) ReleaseCapture();
  if (FSizingFixed) {
    DrawColSizingLine(FSizeFixedX);
    FSizeFixed = FSizingFixed = false;
    const Integer Sized = FSizingFixedCol;
    FSizingFixedCol = -1;
    if (Sized < 0) return true;
    Integer Width = X;
    for (Integer c = 0; c < Sized; ++c) Width -= GetColWidths(c);
    Width = std::max<Integer>(Width, 0);
    SetColWidths(Sized, Width);
    if (OnEndColumnSize) OnEndColumnSize(this, Sized);
    Integer Updated = Width;
    if (OnUpdateColumnSize) OnUpdateColumnSize(this, Sized, Updated);
    if (Updated != Width) SetColWidths(Sized, std::max<Integer>(Updated, 0));
    return true;
  }
  if (!FSizingFixedR) return false;
  DrawRowSizingLine(FSizeFixedY);
  FSizeFixedR = FSizingFixedR = false;
  const Integer Sized = FSizingFixedRow;
  FSizingFixedRow = -1;
  if (Sized < 0) return true;
  Integer Height = Y;
  for (Integer r = 0; r < Sized; ++r) Height -= GetRowHeights(r);
  SetRowHeights(Sized, std::max<Integer>(Height, 0));
  if (OnEndRowSize) OnEndRowSize(this, Sized);
  return true;
}

bool TRezIvevirAvod::SetFixedSizingCursor() {
  if (!Screen) return false;
  if (FSizeFixed || FSizingFixed) {
    ::SetCursor(Screen->Cursors(crHSplit));
    return true;
  }
  if (FSizeFixedR || FSizingFixedR) {
    ::SetCursor(Screen->Cursors(crVSplit));
    return true;
  }
  return false;
}

}  // namespace jorv::grid
