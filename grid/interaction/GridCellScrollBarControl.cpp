// The one real scroll bar that the grid lays over a cell holding an
// embedded scroll bar, so that the painted bar of the cell under the mouse
// can be used: it comes with the mouse, follows its cell when the view
// moves, and moves the cell's scroll position by lines, pages or its thumb.
#include <algorithm>

#include "grid/core/RezIvevirAvod.h"
#include "platform/ui/ScrollBar.h"

namespace jorv::grid {

namespace {

constexpr Integer CellBarWidth = 17;
constexpr Integer LineStep = 10;
constexpr Integer PageStep = 100;

}  // namespace

void TRezIvevirAvod::DoScrollCell(Integer ACol, Integer ARow, Integer ScrollPosition, Integer ScrollMin,
                                  Integer ScrollMax) {
  if (OnScrollCell) OnScrollCell(this, ACol, ARow, ScrollPosition, ScrollMin, ScrollMax);
}

void TRezIvevirAvod::FollowCellScrollBar(Integer C, Integer R) {
  if (!FScrollBar || C < 0 || R < 0) return;
  const Integer RC = DisplToRealCol(C);
  const TScrollProp Prop = GetScrollProp(RC, R);
  // A cell whose text fits shows no bar of its own, so none is laid over it.
  if (!HasScrollBar(RC, R) || Prop.PageSize >= Prop.Range) {
    HideCellScrollBar();
    return;
  }
  const bool OnThisCell = FScrollBar->Visible() && FScrollCol == RC && FScrollRow == R;
  FScrollCol = RC;
  FScrollRow = R;
  const Integer Position = GetScrollPosition(RC, R);
  if (OnThisCell) {
    FScrollBar->SetPosition(Position);
    return;
  }
  // The page goes last: the bar refuses a page larger than its range.
  FScrollBar->SetPageSize(0);
  FScrollBar->SetParams(Position, 0, Prop.Range);
  FScrollBar->SetPageSize(Prop.PageSize);
  FScrollBar->SetPosition(Position);
  FScrollBar->SetSmallChange(LineStep);
  FScrollBar->SetLargeChange(PageStep);
  PlaceCellScrollBar(CellRect(C, R));
  FScrollBar->SetVisible(true);
}

void TRezIvevirAvod::PlaceCellScrollBar(const TRect& Cell) {
  const Integer Line = GridLineWidth();
  FScrollBar->SetBounds(Cell.Right - CellBarWidth - Line, Cell.Top + Line, CellBarWidth,
                        std::max<Integer>(Cell.Height() - 2 * Line, 0));
}

void TRezIvevirAvod::HideCellScrollBar() {
  if (FScrollBar && FScrollBar->Visible()) FScrollBar->SetVisible(false);
}

// The bar keeps to the cell whose position it moves; out of view it stays
// visible at height 0, so that it comes back when the cell does.
void TRezIvevirAvod::LayCellScrollBar() {
  if (!FScrollBar || !FScrollBar->Visible() || FScrollCol < 0 || FScrollRow < 0) return;
  const Integer C = RealToDisplCol(FScrollCol);
  const bool Shown = !IsHiddenColumn(FScrollCol) && C < ColCount() && FScrollRow < RowCount();
  // The framework's rectangle is empty for a cell out of view; the grid's
  // own is the whole cell wherever it lies.
  if (!Shown || TCustomGrid::CellRect(C, FScrollRow).IsEmpty()) {
    FScrollBar->SetHeight(0);
    return;
  }
  PlaceCellScrollBar(CellRect(C, FScrollRow));
}

bool TRezIvevirAvod::HandleCellScrollBarMessage(TWMScroll& Message) {
  if (!FScrollBar || !Message.ScrollBar || !FScrollBar->HandleAllocated() ||
      Message.ScrollBar != FScrollBar->Handle())
    return false;
  const Integer Old = FScrollBar->Position();
  // The bar hears its message first (its own OnScroll), then the grid
  // moves it by its own steps.
  TBaseGrid::WMVScroll(Message);
  Integer Target = FScrollBar->Position();
  switch (Message.ScrollCode) {
    case SB_LINEUP: Target = Old - LineStep; break;
    case SB_LINEDOWN: Target = Old + LineStep; break;
    case SB_PAGEUP: Target = Old - PageStep; break;
    case SB_PAGEDOWN: Target = Old + PageStep; break;
    // A cell's range is a text height in pixels, well inside the
    // message's 16 bits.
    case SB_THUMBTRACK: Target = Word(Message.Pos); break;
    default: break;
  }
  FScrollBar->SetPosition(Target);
  const Integer Moved = FScrollBar->Position();
  if (Moved == Old) return true;
  Message.Result = 1;
  SetScrollPosition(FScrollCol, FScrollRow, Moved);
  DoScrollCell(FScrollCol, FScrollRow, Moved, FScrollBar->Min(), FScrollBar->Max());
  return true;
}

}  // namespace jorv::grid
