// The floating picture of dragged cells: a borderless form that never
// takes activation, holding the cells as the grid itself drew them. It
// follows a column or row moved by its header and the cells or column of
// an OLE drag, and goes when the move or drag ends.
#include <algorithm>

#include "grid/core/RezIvevirAvod.h"
#include "grid/interaction/HeaderDragButton.h"
#include "grid/interaction/NoActiveForm.h"
#include "platform/gfx/Bitmap.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/Image.h"

namespace jorv::grid {

namespace {

// The client pixels covered by the visible cells of Cells: the fixed
// lines and the scrolled-in ones lie side by side on screen, so they make
// one rectangle; empty when no cell of Cells shows.
TRect VisibleCellsArea(TRezIvevirAvod* Grid, const TGridRect& Cells) {
  const Integer ProbeRow = Grid->FixedRows() > 0 ? 0 : Grid->TopRow();
  const Integer ProbeCol = Grid->FixedCols() > 0 ? 0 : Grid->LeftCol();
  TRect Area{Grid->ClientWidth(), Grid->ClientHeight(), 0, 0};
  const Integer LastCol = std::min(Cells.Right, Grid->ColCount() - 1);
  for (Integer c = std::max(Cells.Left, 0); c <= LastCol; ++c) {
    // Columns scrolled out to the left have no place on screen.
    if (c >= Grid->FixedCols() && c < Grid->LeftCol()) c = Grid->LeftCol();
    if (c > LastCol) break;
    const TRect Cell = Grid->CellRect(c, ProbeRow);
    if (Cell.IsEmpty()) continue;
    Area.Left = std::min(Area.Left, Cell.Left);
    Area.Right = std::max(Area.Right, Cell.Right);
  }
  const Integer LastRow = std::min(Cells.Bottom, Grid->RowCount() - 1);
  for (Integer r = std::max(Cells.Top, 0); r <= LastRow; ++r) {
    if (r >= Grid->FixedRows() && r < Grid->TopRow()) r = Grid->TopRow();
    if (r > LastRow) break;
    const TRect Cell = Grid->CellRect(ProbeCol, r);
    if (Cell.IsEmpty()) continue;
    Area.Top = std::min(Area.Top, Cell.Top);
    Area.Bottom = std::max(Area.Bottom, Cell.Bottom);
  }
  Area.Left = std::max(Area.Left, 0);
  Area.Top = std::max(Area.Top, 0);
  Area.Right = std::min(Area.Right, Grid->ClientWidth());
  Area.Bottom = std::min(Area.Bottom, Grid->ClientHeight());
  return Area.IsEmpty() ? TRect{} : Area;
}

}  // namespace

TNoActiveForm* TRezIvevirAvod::SelectionToForm(const TGridRect& Cells) {
  const TRect Area = VisibleCellsArea(this, Cells);
  auto* Form = new TNoActiveForm(this, true);
  auto* Picture = new TImage(Form);
  Picture->SetParent(Form);
  Picture->SetBounds(0, 0, Area.Width(), Area.Height());
  TBitmap* Image = Picture->Picture()->Bitmap();
  Image->SetSize(Area.Width(), Area.Height());
  if (!Area.IsEmpty()) {
    TBitmap Whole(ClientWidth(), ClientHeight());
    {
      // The picture shows the cells themselves, not their selected look.
      const bool Shown = FShowSelection;
      FShowSelection = false;
      auto Restore = ScopeExit([this, Shown] { FShowSelection = Shown; });
      PaintClientTo(Whole.Canvas()->Handle(), 0, 0);
    }
    BitBlt(Image->Canvas()->Handle(), 0, 0, Area.Width(), Area.Height(), Whole.Canvas()->Handle(), Area.Left,
           Area.Top, SRCCOPY);
  }
  Form->SetBounds(0, 0, Area.Width(), Area.Height());
  return Form;
}

void TRezIvevirAvod::FreeMoveForm() {
  delete FMoveForm;
  FMoveForm = nullptr;
}

void TRezIvevirAvod::ShowMoveForm(const TGridRect& Cells, TPoint ScreenAt) {
  if (!FMoveForm) FMoveForm = SelectionToForm(Cells);
  FMoveForm->SetBounds(ScreenAt.X, ScreenAt.Y, FMoveForm->Width(), FMoveForm->Height());
  if (!FMoveForm->Visible()) FMoveForm->SetVisible(true);
}

TGridRect TRezIvevirAvod::VisibleColumnCells(Integer ACol) {
  return TGridRect{ACol, 0, ACol, TopRow() + VisibleRowCount() - FixedRows()};
}

bool TRezIvevirAvod::FollowCellsMove(bool Columns, Integer C, Integer R, TPoint ScreenAt) {
  if (!FDragDropSettings->ShowCells()) return false;
  if (!FMoveForm && (Columns ? R < 0 : C < 0)) return true;
  const TGridRect Cells = Columns ? VisibleColumnCells(FMovecell)
                                  : TGridRect{0, FMovecell, LeftCol() + VisibleColCount() - FixedCols(), FMovecell};
  ShowMoveForm(Cells, ScreenAt);
  return true;
}

// The picture starts under the cursor; the drag's own feedback moves it
// aside at once.
void TRezIvevirAvod::ShowOleDragPicture(bool ColumnDrag, Integer ACol, Integer ARow) {
  POINT Cursor{};
  GetCursorPos(&Cursor);
  const TPoint At{Cursor.x, Cursor.y};
  if (FDragDropSettings->ShowCells())
    ShowMoveForm(ColumnDrag ? VisibleColumnCells(ACol) : Selection(), At);
  else if (ColumnDrag)
    ShowHeaderDragImage(GetCells(DisplToRealCol(ACol), ARow), GetColWidths(ACol), GetRowHeights(0), At);
}

void TRezIvevirAvod::EndOleDragPicture() {
  FreeMoveForm();
  HideHeaderDragImage();
  if (FArrows[arrDown] && FArrows[arrDown]->HandleAllocated()) ShowWindow(FArrows[arrDown]->Handle(), SW_HIDE);
  if (FArrows[arrUp] && FArrows[arrUp]->HandleAllocated()) ShowWindow(FArrows[arrUp]->Handle(), SW_HIDE);
}

void TRezIvevirAvod::DragPictureFollowCursor(TPoint Cursor) {
  if (FDragDropSettings->ShowCells()) {
    if (FMoveForm) FMoveForm->SetBounds(Cursor.X + 4, Cursor.Y + 4, FMoveForm->Width(), FMoveForm->Height());
    return;
  }
  if (FMoveButton && FMoveButton->Visible())
    FMoveButton->SetBounds(Cursor.X, Cursor.Y - FMoveButton->Height(), FMoveButton->Width(), FMoveButton->Height());
}

}  // namespace jorv::grid
