// Presses on the small gadgets of a cell that the press handler hands
// over: a node's expand glyph, a fixed cell working as a button (drawn
// sunken while the button is down) and the always-visible ellipsis button.
#include "grid/core/GridCellPaintState.h"
#include "grid/core/RezIvevirAvod.h"
#include "grid/interaction/GridEditBtn.h"

namespace jorv::grid {

// A press on the glyph of a node in column 0: a node of a normal row
// expands or contracts as the application allows; a node in a fixed row
// works every node at once when NodeAllExpandContract asks for it. True when
// the press ends there (it neither selects nor edits).
bool TRezIvevirAvod::PressOnNodeGlyph(Integer ACol, Integer ARow, Integer CellX, Integer X, Integer Y,
                                      TShiftState Shift) {
  if (ACol != 0 || !IsNode(ARow) || !IsNodeGlyphHit(ARow, CellX)) return false;
  if (ARow < FixedRows()) {
    if (!FMouseActions->NodeAllExpandContract()) return false;
    TCellGraphic* G = GetCellGraphic(DisplToRealCol(0), ARow);
    const bool Contracted = G->CellBoolean();
    if (Contracted)
      ExpandAll();
    else
      ContractAll();
    G->SetCellBoolean(!Contracted);
    RepaintCell(0, ARow);
    return false;
  }
  if (OnMouseDown) OnMouseDown(this, mbLeft, Shift, X, Y);
  DoClickCell(ARow, ACol);
  const Integer RealRow = DisplToRealRow(ARow);
  bool Allow = true;
  if (GetNodeState(ARow)) {
    if (OnBeforeExpandNode) OnBeforeExpandNode(this, ARow, RealRow, Allow);
    if (Allow) {
      ExpandNode(RealRow);
      if (OnExpandNode) OnExpandNode(this, ARow, RealRow);
    }
  } else {
    if (OnBeforeContractNode) OnBeforeContractNode(this, ARow, RealRow, Allow);
    if (Allow) {
      ContractNode(RealRow);
      if (OnContractNode) OnContractNode(this, ARow, RealRow);
    }
  }
  if (FMouseActions->MoveRowOnNodeClick()) SetRow(ARow);
  return true;
}

// With FixedAsButtons a pressed fixed cell looks pushed in until the
// release, which raises OnButtonClick for it.
void TRezIvevirAvod::PushFixedCell(Integer ACol, Integer ARow, Integer CellX, const TRect& CellR) {
  const bool InFixed = ACol < FixedCols() || ARow < FixedRows();
  if (!(InFixed || IsFixed(ACol, ARow)) || !FFixedAsButtons) return;
  const TGridOptions O = Options();
  if (!O.Contains(goFixedVertLine) || !O.Contains(goFixedHorzLine) || !Ctl3D()) return;
  if (ACol == 0 && IsNode(ARow) && IsNodeGlyphHit(ARow, CellX)) return;
  FPushedFixedCell = CellR;
  FPushedCellButton = TPoint{ACol, ARow};
  FFixedCellPushed = true;
  RepaintCell(ACol, ARow);
}

void TRezIvevirAvod::ReleasePushedFixedCell() {
  if (!FFixedCellPushed) return;
  FFixedCellPushed = false;
  const TRect R = FPushedFixedCell;
  FPushedFixedCell = TRect{};
  if (HandleAllocated()) {
    RECT Area{R.Left, R.Top, R.Right + 1, R.Bottom + 1};
    ::InvalidateRect(Handle(), &Area, FALSE);
  }
}

// Drawn over the cell's raised edges, so the cell reads as pushed in.
void TRezIvevirAvod::DrawPushedFixedCell(TCellPaint& P) {
  if (!FFixedCellPushed || P.ACol != FPushedCellButton.X || P.ARow != FPushedCellButton.Y) return;
  RECT Edge{FPushedFixedCell.Left, FPushedFixedCell.Top, FPushedFixedCell.Right, FPushedFixedCell.Bottom};
  DrawEdge(P.Canvas->Handle(), &Edge, BDR_SUNKENINNER, BF_RIGHT | BF_BOTTOM);
  DrawEdge(P.Canvas->Handle(), &Edge, BDR_SUNKENINNER, BF_LEFT | BF_TOP);
}

// The ellipsis button of a cell whose edit button is always shown: the
// editor opens on the cell and OnEllipsClick may hand back a new text.
void TRezIvevirAvod::PressOnEllipsis(Integer ACol, Integer ARow, Integer RealCol, Integer X, Integer Y,
                                     const TRect& CellR) {
  if (!IsNormalCell(ACol, ARow) || !FControlLook->DropDownAlwaysVisible()) return;
  if (!HasEditBtn(RealCol, ARow, edNone)) return;
  if (!(X >= CellR.Right - 18 && X < CellR.Right - 2 && Y >= CellR.Top && Y < CellR.Bottom)) return;
  HideInplaceEdit();
  SetCol(ACol);
  SetRow(ARow);
  ShowInplaceEdit();
  if (!OnEllipsClick) return;
  String S = GetCells(RealCol, ARow);
  OnEllipsClick(this, RealCol, ARow, S);
  TWinControl* Editor = EditMode() ? EditCtrl() : nullptr;
  auto* Button = dynamic_cast<TGrdEditBtn*>(Editor);
  if (!Button || Button->Text() == S)
    SetCells(RealCol, ARow, S);
  else
    Button->SetText(S);
}

}  // namespace jorv::grid
