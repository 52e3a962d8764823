// The picture of a dragged column or row header: it follows the mouse in a
// pop-up window of its own that never takes activation, so the grid's
// form stays active and keeps the focus while the header moves.
#include "grid/core/RezIvevirAvod.h"
#include "grid/interaction/HeaderDragButton.h"

namespace jorv::grid {

THeaderDragButton* TRezIvevirAvod::MoveButton() {
  if (!FMoveButton) FMoveButton = new THeaderDragButton(this);
  return FMoveButton;
}

void TRezIvevirAvod::ShowHeaderDragImage(const String& Caption, Integer AWidth, Integer AHeight, TPoint ScreenAt) {
  THeaderDragButton* Button = MoveButton();
  const bool Changed = Button->Caption() != Caption || Button->Width() != AWidth || Button->Height() != AHeight;
  Button->SetCaption(Caption);
  Button->SetBounds(ScreenAt.X, ScreenAt.Y, AWidth, AHeight);
  Button->SetEnabled(true);
  if (!Button->Visible()) {
    Button->SetVisible(true);
    SetWindowPos(Button->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  } else if (Changed) {
    Button->Invalidate();
  }
}

void TRezIvevirAvod::HideHeaderDragImage() {
  FreeMoveForm();
  if (!FMoveButton) return;
  FMoveButton->SetEnabled(false);
  FMoveButton->SetVisible(false);
}

// A column dragged from the header shows its header text at the column's
// width, a row dragged from the fixed column the text of its first cell;
// the picture keeps the offset at which the header was taken.
void TRezIvevirAvod::FollowHeaderDrag(Integer C, Integer R, Integer X, Integer Y) {
  const bool Columns = FGridState == gsColMoving, Rows = FGridState == gsRowMoving;
  if (Designing() || !FEnhRowColMove || (!Columns && !Rows) || FMovecell < 0) return;
  if (X == FClickPos.X && Y == FClickPos.Y) return;
  Integer PC = -1, PR = -1;
  MouseToCell(FClickPos.X, FClickPos.Y, PC, PR);
  if (PC < 0 || PR < 0) return;
  const TRect Pressed = CellRect(PC, PR);
  const TPoint Offset{FClickPos.X - Pressed.Left, FClickPos.Y - Pressed.Top};
  const TPoint At = ClientToScreen(TPoint{X - Offset.X, Y - Offset.Y});
  if (FollowCellsMove(Columns, C, R, At)) return;
  if (Columns && FMovecell < ColCount()) {
    const Integer Height = GetRowHeights(R >= 0 ? R : PR);
    ShowHeaderDragImage(GetCells(DisplToRealCol(FMovecell), 0), GetColWidths(FMovecell), Height, At);
  } else if (Rows && FMovecell < RowCount()) {
    const Integer Width = GetColWidths(C >= 0 ? C : PC);
    ShowHeaderDragImage(GetCells(DisplToRealCol(0), FMovecell), Width, GetRowHeights(FMovecell), At);
  }
}

}  // namespace jorv::grid
