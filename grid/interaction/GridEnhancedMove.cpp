// Moving a column or row by dragging its header cell: the events of every
// move, the enhanced move's drop arrows, cursor and auto-scroll, the drop
// itself (always through the grid's own MoveColumn and MoveRow, so that
// merged cells, cell controls, flags and the sort column go along), and
// the moves that a synchronised grid repeats.
#include "grid/base/ArrowWindow.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/Screen.h"

namespace jorv::grid {

namespace {

constexpr Integer ArrowSize = 11;
// The base grid's move timer.
constexpr UINT_PTR MoveTimerID = 1;

void PlaceArrow(TWinControl* Arrow, TPoint ScreenPoint, bool Visible) {
  if (!Visible) {
    if (Arrow->HandleAllocated()) ShowWindow(Arrow->Handle(), SW_HIDE);
    return;
  }
  SetWindowPos(Arrow->Handle(), HWND_TOPMOST, ScreenPoint.X, ScreenPoint.Y, ArrowSize, ArrowSize,
               SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

}  // namespace

TWinControl* TRezIvevirAvod::DropArrow(TArrowDirection Direction) const { return FArrows[Direction]; }

TColor TRezIvevirAvod::GetArrowColor() const { return FArrows[arrUp] ? FArrows[arrUp]->Color() : FArrowColor; }

// The arrows are made at the first move; the colour is kept for them.
void TRezIvevirAvod::SetArrowColor(TColor Value) {
  FArrowColor = Value;
  for (TWinControl* Arrow : FArrows)
    if (Arrow) Arrow->SetColor(Value);
}

// Run-time mouse movement: fixed sizing, the OLE drag start and the moves.
void TRezIvevirAvod::FollowMouseMove(Integer C, Integer R, Integer X, Integer Y) {
  DetectFixedSizing(X, Y);
  StartOleDrag(C, R, X, Y);
  const bool Cols = FGridState == gsColMoving;
  if (!Cols && FGridState != gsRowMoving) return;
  bool Allow = true;
  if (Cols && OnColumnMove) OnColumnMove(this, FMovecell, Allow);
  if (!Cols && OnRowMove) OnRowMove(this, FMovecell, Allow);
  if (!Allow) {
    KillTimer(Handle(), MoveTimerID);
    FGridState = gsNormal;
    HideDropArrows();
    if (Screen && FEnhMoveStarted) Screen->SetCursor(crDefault);
    FEnhMoveStarted = false;
    Invalidate();
    return;
  }
  if (FEnhRowColMove && RowCount() > 1 && !(X == FClickPos.X && Y == FClickPos.Y) && !SizingFixed())
    FollowEnhancedMove(C, R, X, Y);
}

void TRezIvevirAvod::FollowEnhancedMove(Integer C, Integer R, Integer X, Integer Y) {
  bool Accept = true;
  if (FGridState == gsColMoving) {
    PlaceDropArrows(FMovecell);
    FMoveColInd = C;
    FMoveRowInd = 0;
    if (OnColumnMoving) OnColumnMoving(this, C, Accept);
  } else {
    PlaceDropArrows(FMovecell);
    FMoveColInd = 0;
    FMoveRowInd = R;
    if (OnRowMoving) OnRowMoving(this, R, Accept);
  }
  AutoScrollMove(X, Y);
  FEnhMoveStarted = true;
  if (Screen) Screen->SetCursor(Accept ? crDrag : crNoDrop);
}

// The arrows stand beside the column or row the previous move was over,
// on the side the moved one would land.
void TRezIvevirAvod::PlaceDropArrows(Integer Movecell) {
  for (Integer d = 0; d < 4; ++d)
    if (!FArrows[d]) {
      FArrows[d] = new TArrowWindow(this, static_cast<TArrowDirection>(d));
      FArrows[d]->SetColor(FArrowColor);
    }
  if (FGridState == gsColMoving) {
    const Integer Target = FMoveColInd;
    const bool Visible = Target >= FixedCols() && Target < ColCount() - FixedRightCols() && Target >= LeftCol() &&
                         Target < LeftCol() + VisibleColCount() + 1;
    const TRect Cell = Visible ? CellRect(Target, 0) : TRect{};
    const TPoint TopLeft = ClientToScreen(TPoint{Cell.Left, Cell.Top});
    const TPoint BottomRight = ClientToScreen(TPoint{Cell.Right, Cell.Bottom});
    const Integer Left = (Target < Movecell ? TopLeft.X : BottomRight.X) - 5;
    PlaceArrow(FArrows[arrUp], TPoint{Left, BottomRight.Y}, Visible);
    PlaceArrow(FArrows[arrDown], TPoint{Left, TopLeft.Y - 8}, Visible);
    return;
  }
  const Integer Target = FMoveRowInd;
  if (FFloatingFooter->Visible() && FFloatingFooter->FooterStyle() == fsFixedLastRow && Target == RowCount() - 1)
    return;
  const bool Visible = Target >= FixedRows() && Target < RowCount() - FixedFooters() && Target >= TopRow() &&
                       Target < TopRow() + VisibleRowCount() + 1;
  const TRect Cell = Visible ? CellRect(0, Target) : TRect{};
  const TPoint TopLeft = ClientToScreen(TPoint{Cell.Left, Cell.Top});
  const TPoint BottomRight = ClientToScreen(TPoint{Cell.Right, Cell.Bottom});
  const Integer Top = (Target < Movecell ? TopLeft.Y : BottomRight.Y) - 5;
  PlaceArrow(FArrows[arrLeft], TPoint{TopLeft.X - 10, Top}, Visible);
  PlaceArrow(FArrows[arrRight], TPoint{BottomRight.X, Top}, Visible);
}

void TRezIvevirAvod::HideDropArrows() {
  for (TWinControl* Arrow : FArrows)
    if (Arrow) PlaceArrow(Arrow, TPoint{}, false);
}

// A drag beyond the fixed cells or the grid's edge scrolls one line.
void TRezIvevirAvod::AutoScrollMove(Integer X, Integer Y) {
  auto FixedExtent = [](Integer Count, auto Size) {
    Integer Total = 0;
    for (Integer i = 0; i < Count; ++i) Total += Size(i);
    return Total;
  };
  if (FGridState == gsColMoving && VisibleColCount() < ColCount() - FixedCols()) {
    if (X < FixedExtent(FixedCols(), [this](Integer c) { return GetColWidths(c); }) && LeftCol() > FixedCols()) {
      SetLeftCol(LeftCol() - 1);
      Invalidate();
    } else if (X > Width() && LeftCol() + VisibleColCount() < ColCount()) {
      SetLeftCol(LeftCol() + 1);
      Invalidate();
    }
  }
  if (FGridState == gsRowMoving && VisibleRowCount() < RowCount() - FixedRows()) {
    if (Y < FixedExtent(FixedRows(), [this](Integer r) { return GetRowHeights(r); }) && TopRow() > FixedRows()) {
      SetTopRow(TopRow() - 1);
      Invalidate();
    } else if (Y > Height() && TopRow() + VisibleRowCount() < RowCount()) {
      SetTopRow(TopRow() + 1);
      Invalidate();
    }
  }
}

// The release of a column or row move, taken from the base grid so that
// the drop runs through the grid's own move; true when a move ended.
bool TRezIvevirAvod::EndMouseMove(Integer X, Integer Y) {
  const bool Cols = FGridState == gsColMoving;
  if (!Cols && FGridState != gsRowMoving) return false;
  HideDropArrows();
  const bool Enhanced =
      FEnhRowColMove && FEnhMoveStarted && Screen && (Screen->Cursor() == crDrag || Screen->Cursor() == crNoDrop);
  const bool Drop = !Enhanced || Screen->Cursor() != crNoDrop;
  if (Enhanced) Screen->SetCursor(crDefault);
  FEnhMoveStarted = false;
  KillTimer(Handle(), MoveTimerID);
  FGridState = gsNormal;
  Invalidate();
  Integer C = -1, R = -1;
  MouseToCell(X, Y, C, R);
  const Integer From = Enhanced ? FMovecell : FMoveIndex;
  Integer To = Cols ? C : R;
  // The plain move drops where its line was when the release is outside.
  if (!Enhanced && To < (Cols ? FixedCols() : FixedRows())) To = FMovePos;
  const bool Normal = Cols ? To >= FixedCols() && To < ColCount() - FixedRightCols()
                           : To >= FixedRows() && To < RowCount() - FixedFooters();
  if (!Drop || !Normal || From < 0 || From == To) return true;
  if (Cols)
    MoveColumn(From, To);
  else
    MoveRow(From, To);
  return true;
}

void TRezIvevirAvod::SyncMovedColumn(Integer FromIndex, Integer ToIndex) {
  auto* Other = dynamic_cast<TRezIvevirAvod*>(FSyncGrid->Grid());
  if (!Other || Other == this || !FSyncGrid->MoveColumn() || FSyncedMove) return;
  Other->FSyncedMove = true;
  auto Done = ScopeExit([Other] { Other->FSyncedMove = false; });
  Other->MoveColumn(FromIndex, ToIndex);
}

void TRezIvevirAvod::SyncMovedRow(Integer FromIndex, Integer ToIndex) {
  auto* Other = dynamic_cast<TRezIvevirAvod*>(FSyncGrid->Grid());
  if (!Other || Other == this || !FSyncGrid->MoveRow() || FSyncedMove) return;
  Other->FSyncedMove = true;
  auto Done = ScopeExit([Other] { Other->FSyncedMove = false; });
  Other->MoveRow(FromIndex, ToIndex);
}

}  // namespace jorv::grid
