// The update counter that keeps bulk operations from drawing half-done
// states, and the grid's own handling of focus, its timer and painting.
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::grid {

// --- update counter -------------------------------------------------------------------------

// An invisible grid draws nothing anyway and is left alone.
void TRezIvevirAvod::BeginUpdate() {
  if (!Visible()) return;
  ++FUpdateCount;
  if (HandleAllocated() && FUpdateCount == 1) SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
}

void TRezIvevirAvod::EndUpdate() {
  if (!Visible()) return;
  if (FUpdateCount > 0) --FUpdateCount;
  if (FUpdateCount > 0 || Destroying()) return;
  FSelChange = false;
  FPaintDeferred = false;
  if (!HandleAllocated()) return;
  SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(Handle(), nullptr, FALSE);
  // What the search strip's controls drew meanwhile was lost with the redraw off.
  InvalidateSearchPanel();
  PaintColoredBorder();
}

// No redraw of its own; what was asked to paint meanwhile still is.
void TRezIvevirAvod::ResetUpdate() {
  FUpdateCount = 0;
  if (FPaintDeferred && HandleAllocated()) ::InvalidateRect(Handle(), nullptr, FALSE);
  FPaintDeferred = false;
}

// --- messages -----------------------------------------------------------------------------------

void TRezIvevirAvod::HandlePaintMessage(TMessage& Message) {
  if (FUpdateCount >= 1) {
    // Nothing is drawn; the request is settled (else the system asks
    // again at once) and remembered.
    if (!MsgAs<TWMPaint>(Message).DC) {
      ValidateRect(Handle(), nullptr);
      FPaintDeferred = true;
    }
    Message.Result = 0;
    return;
  }
  TBaseGrid::WndProc(Message);
  if (!TabStop() && FPaintCount == 0) FPaintCount = 1;
}

void TRezIvevirAvod::HandleKillFocusMessage(TMessage& Message) {
  if (FBlockKill) {
    Message.Result = 1;
    return;
  }
  TBaseGrid::WndProc(Message);
  ReleaseHTMLButton();
  if (IsMergedCell(DisplToRealCol(Col()), Row())) {
    TRect R = FullCell(DisplToRealCol(Col()), Row());
    InvalidateRect(TGridRect{RealToDisplCol(R.Left), R.Top, RealToDisplCol(R.Right), R.Bottom});
  }
}

void TRezIvevirAvod::HandleNCPaintMessage(TMessage& Message) {
  TBaseGrid::WndProc(Message);
  if (FUpdateCount > 0) return;
  PaintColoredBorder();
  Message.Result = 0;
}

// --- the grid timer ------------------------------------------------------------------------------

void TRezIvevirAvod::HandleTimerMessage(TMessage& Message) {
  Message.Result = 0;
  ++FTimerTicks;
  // A typed prefix lives until the fourth tick after the last key.
  if (Navigation()->AutoGotoIncremental() && ++SearchTics > 3) {
    FSearchInc.clear();
    SearchTics = 0;
  }
  if (FHovering && !Designing()) HoverToCell();
  if (FEnableBlink) {
    FGridBlink = !FGridBlink;
    RepaintBlinkingCells();
  }
}

// The current cell follows the mouse over the normal cells.
void TRezIvevirAvod::HoverToCell() {
  if (!HandleAllocated()) return;
  POINT Screen{};
  if (!GetCursorPos(&Screen) || WindowFromPoint(Screen) != Handle()) return;
  TPoint P = ScreenToClient(TPoint{Screen.x, Screen.y});
  if (P.X < 0 || P.Y < 0 || P.X >= ClientWidth() || P.Y >= ClientHeight()) return;
  Integer C = -1, R = -1;
  MouseToCell(P.X, P.Y, C, R);
  if (C < FixedCols() || R < FixedRows() || C >= ColCount() - FFixedRightCols || R >= RowCount() - FFixedFooters)
    return;
  if (!Focused()) SetFocus();
  if (Row() != R) SetRow(R);
  if (Col() != C) SetCol(C);
}

void TRezIvevirAvod::RepaintBlinkingCells() {
  auto Blinks = [this](Integer RealCol, Integer ARow) {
    return Pos(L"<BLI", UpperCase(GetGridCell(RealCol, ARow))) > 0;
  };
  const Integer LastRow = std::min(TopRow() + VisibleRowCount(), RowCount()) - 1;
  const Integer LastCol = std::min(LeftCol() + VisibleColCount(), ColCount()) - 1;
  for (Integer r = TopRow(); r <= LastRow; ++r)
    for (Integer c = LeftCol(); c <= LastCol; ++c)
      if (Blinks(DisplToRealCol(c), r)) RepaintCell(c, r);
  for (Integer r = 0; r < std::min(FixedRows(), RowCount()); ++r)
    for (Integer c = LeftCol(); c <= LastCol; ++c)
      if (Blinks(DisplToRealCol(c), r)) RepaintCell(c, r);
  for (Integer r = TopRow(); r <= LastRow; ++r)
    for (Integer c = 0; c < std::min(FixedCols(), ColCount()); ++c)
      if (Blinks(DisplToRealCol(c), r)) RepaintCell(c, r);
}

}  // namespace jorv::grid
