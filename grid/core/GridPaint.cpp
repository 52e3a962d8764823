// The grid's paint pass around its cells: the frame of the edited cell, the
// background in the client area no cell covers, and the dotted lines that
// follow the mouse while a column or row is sized.
#include <algorithm>
#include "dropdown/DropDownPaint.h"
#include "grid/core/GridCellPaintState.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Brush.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/DCScope.h"
#include "platform/gfx/Pen.h"
#include "platform/rtl/ScopeExit.h"

namespace jorv::grid {

bool GridHasFocus(TRezIvevirAvod* Grid) {
  if (PaintFocus().Grid == Grid) return PaintFocus().Focused;
  return Grid->HandleAllocated() && ::GetFocus() == Grid->Handle();
}

void TRezIvevirAvod::Paint() {
  const TPaintFocus Outer = PaintFocus();
  PaintFocus() = TPaintFocus{this, HandleAllocated() && ::GetFocus() == Handle()};
  TScopeExit Restore([Outer] { PaintFocus() = Outer; });
  TCanvas* C = Canvas();
  C->Pen()->SetStyle(psSolid);
  C->Brush()->SetStyle(bsSolid);
  TBaseGrid::Paint();
  if (FEditing) {
    const bool NoLines = GridLineWidth() < 1 || (!Options().Contains(goHorzLine) && !Options().Contains(goVertLine));
    C->Pen()->SetColor(NoLines ? Color() : GridLineColor());
    C->Brush()->SetStyle(bsClear);
    C->Rectangle(CellRect(Col(), Row()));
    C->Brush()->SetStyle(bsSolid);
  }
  C->Pen()->SetColor(clBlack);
  if (!FBackGround->Bitmap()->Empty() || FBackGround->ColorTo() != clNone) PaintEmptyArea();
  PaintDesignHelper();
  if (OnPainted) OnPainted(this);
}

void TRezIvevirAvod::PaintEmptyArea() {
  TBackGround* B = FBackGround.get();
  const bool Gradient = B->Display() == bdGradientHorz || B->Display() == bdGradientVert;
  const bool Bitmap = !B->Bitmap()->Empty();
  if (TopRow() + VisibleRowCount() < RowCount() && LeftCol() + VisibleColCount() < ColCount()) return;
  if (!Bitmap && (!Gradient || B->ColorTo() == clNone)) return;
  TGdiObject<HRGN> Area(CreateRectRgn(0, 0, 0, 0));
  bool Any = false;
  const TRect LastCol = CellRect(ColCount() - 1, std::max(TopRow(), FixedRows() < RowCount() ? TopRow() : 0));
  const Integer Right = LastCol.Right + GridLineWidth();
  if (LastCol.Width() > 0 && Right < ClientWidth()) {
    TGdiObject<HRGN> Part(CreateRectRgn(Right, 0, ClientWidth(), ClientHeight()));
    CombineRgn(Area, Area, Part, RGN_OR);
    Any = true;
  }
  const TRect LastRow = CellRect(std::max(LeftCol(), 0), RowCount() - 1);
  const Integer Bottom = LastRow.Bottom + GridLineWidth();
  if (LastRow.Height() > 0 && Bottom < ClientHeight()) {
    TGdiObject<HRGN> Part(CreateRectRgn(0, Bottom, ClientWidth(), ClientHeight()));
    CombineRgn(Area, Area, Part, RGN_OR);
    Any = true;
  }
  if (!Any) return;
  TCanvas* C = Canvas();
  TSavedDC Saved(C->Handle());
  SelectClipRgn(C->Handle(), Area);
  TRect R(0, 0, ClientWidth(), ClientHeight());
  if (FSearchFooter->Visible()) R.Bottom -= 32;
  if (FFloatingFooter->Visible()) R.Bottom -= FFloatingFooter->Height();
  if (!Bitmap) {
    dropdown::DrawBandGradient(C, B->Color(), B->ColorTo(), 128, R, B->Display() == bdGradientHorz);
  } else if (B->Display() != bdTile) {
    C->Draw(B->Left(), B->Top(), B->Bitmap());
  } else if (B->Cells() != bcFixed) {
    Integer X = R.Left, Y = R.Top;
    if (B->Cells() == bcNormal) X = FixedColsWidth(), Y = FixedRowsHeight();
    X += FXYOffset.X - 1;
    Y += FXYOffset.Y - 1;
    const Integer W = B->Bitmap()->Width(), H = B->Bitmap()->Height();
    for (Integer y = Y; y < R.Bottom; y += H)
      for (Integer x = X; x < R.Right; x += W) C->Draw(x, y, B->Bitmap());
  }
}

namespace {

// The XOR pen of a sizing line; drawing the same line twice erases it.
void XorLine(TCanvas* C, Integer X1, Integer Y1, Integer X2, Integer Y2) {
  TPen Kept;
  Kept.Assign(C->Pen());
  TScopeExit Restore([&] { C->Pen()->Assign(&Kept); });
  C->Pen()->SetColor(clBlack);
  C->Pen()->SetStyle(psDot);
  C->Pen()->SetMode(pmXor);
  C->Pen()->SetWidth(1);
  C->Polyline({TPoint{X1, Y1}, TPoint{X2, Y2}});
}

}  // namespace

void TRezIvevirAvod::DrawColSizingLine(Integer X) {
  const Integer Y = std::max(Height(), CellRect(LeftCol(), RowCount() - 1).Bottom);
  XorLine(Canvas(), X, 0, X, Y);
}

void TRezIvevirAvod::DrawRowSizingLine(Integer Y) {
  const Integer X = std::max(Width(), CellRect(ColCount() - 1, TopRow()).Right);
  XorLine(Canvas(), 0, Y, X, Y);
}

}  // namespace jorv::grid
