#include "grid/base/CellProperties.h"
#include "grid/base/BaseGrid.h"

namespace jorv::grid {

TCellProperties::TCellProperties(TBaseGrid* AOwner, Integer ACol, Integer ARow)
    : FOwnerGrid(AOwner), FOwnerCol(ACol), FOwnerRow(ARow) {
  if (AOwner) {
    FWordWrap = AOwner->WordWrap();
    AOwner->CellPropsMade();
  }
}

void TCellProperties::Assign(TPersistent* Source) {
  auto* S = dynamic_cast<TCellProperties*>(Source);
  if (!S) {
    TPersistent::Assign(Source);
    return;
  }
  FIsBaseCell = S->FIsBaseCell;
  FCellSpanX = S->FCellSpanX;
  FCellSpanY = S->FCellSpanY;
  FOwnerRow = S->FOwnerRow;
  FOwnerCol = S->FOwnerCol;
  FObject = S->FObject;
  FAlignment = S->FAlignment;
  FBorderColor = S->FBorderColor;
  FBorderWidth = S->FBorderWidth;
  FBrushColor = S->FBrushColor;
  FBrushStyle = S->FBrushStyle;
  FFontColor = S->FFontColor;
  FFontStyle = S->FFontStyle;
  FFontName = S->FFontName;
  FFontSize = S->FFontSize;
  FReadOnly = S->FReadOnly;
  FEditor = S->FEditor;
  FVAlignment = S->FVAlignment;
  FWordWrap = S->FWordWrap;
  FNodeLevel = S->FNodeLevel;
  FControl = S->FControl;
}

TPoint TCellProperties::GetBaseCell(Integer c, Integer r) const {
  if (!FIsBaseCell && FCellSpanX != -1 && FCellSpanY != -1) return {c - FCellSpanX, r - FCellSpanY};
  return {c, r};
}

void TCellProperties::Repaint() {
  if (FOwnerGrid) FOwnerGrid->RepaintCell(FOwnerGrid->DisplColIndex(FOwnerCol), FOwnerRow);
}

void TCellProperties::SetBrushColor(TColor Value) {
  FBrushColor = Value;
  Repaint();
}

void TCellProperties::SetBrushColorTo(TColor Value) {
  FBrushColorTo = Value;
  Repaint();
}

void TCellProperties::SetVAlignment(TVAlignment Value) {
  FVAlignment = Value;
  Repaint();
}

void TCellProperties::SetWordWrap(bool Value) {
  FWordWrap = Value;
  Repaint();
}

}  // namespace jorv::grid
