// The tree lines of column 0: each row draws its own piece of the tree,
// its branch to the right and the lines of the levels around it going on
// past its bottom, so that rows painted one by one join into one tree.
#include "grid/core/GridCellPaintState.h"

namespace jorv::grid {

void TRezIvevirAvod::DrawTreeLines(TCellPaint& P) {
  if (FNumNodes == 0 || P.RCol != 0 || P.ARow < FixedRows() || !FCellNode->ShowTree()) return;
  TCanvas* C = P.Canvas;
  const TColor KeptPen = C->Pen()->Color();
  const Integer KeptWidth = C->Pen()->Width();
  C->Pen()->SetColor(FCellNode->TreeColor());
  C->Pen()->SetWidth(1);
  auto LevelOf = [this](Integer ARow) {
    TCellProperties* Props = ExistingProps(0, ARow);
    return Props ? Props->NodeLevel() : 0;
  };
  const Integer Level = LevelOf(P.ARow);
  const Integer Indent = FCellNode->NodeIndent();
  const Integer Left = P.Rect.Left, Top = P.Rect.Top, Bottom = P.Rect.Bottom;
  const Integer Middle = Top + (Bottom - Top) / 2;
  const Integer X = Left + GetRowIndent(P.ARow) + Indent / 2 - Indent + 2;
  auto Line = [C](Integer X1, Integer Y1, Integer X2, Integer Y2) { C->Polyline({TPoint{X1, Y1}, TPoint{X2, Y2}}); };
  if (Level > 0)
    Line(X, Middle, FCellNode->ShowTreeFull() ? P.Rect.Right : Left + GetRowIndent(P.ARow) + 4, Middle);
  switch (GetNodeSpanType(P.ARow)) {
    case 1: Line(X, Top, X, Middle); break;
    case 2: Line(X, Top, X, Bottom + 4); break;
    default: break;
  }
  const bool LastRow = P.ARow >= RowCount() - 1;
  const Integer NextLevel = LastRow ? 0 : LevelOf(P.ARow + 1);
  for (Integer i = 1; i <= Level; ++i) {
    const Integer Xi = X - Indent * i;
    Line(Xi, Top, Xi, Middle);
    const bool Ends = LastRow || NextLevel < Level - i;
    if (Ends && i < Level)
      Line(Xi, Middle, X + Indent - Indent * i, Middle);
    else if (!Ends)
      Line(Xi, Middle, Xi, Bottom + 4);
  }
  C->Pen()->SetColor(KeptPen);
  C->Pen()->SetWidth(KeptWidth);
}

}  // namespace jorv::grid
