// The look of single cells and whole rows, kept in the cells' property
// objects, and the cell controls placed over cells.
#include "grid/core/RezIvevirAvod.h"

namespace jorv::grid {

void TRezIvevirAvod::CheckGridCell(Integer ACol, Integer ARow) const {
  if (ACol < 0 || ACol >= AllColCount()) throw DAvoDeveDeviz(L"Invalid column accessed");
  if (ARow < 0 || ARow >= RowCount()) throw DAvoDeveDeviz(L"Invalid row accessed");
}

TCellProperties* TRezIvevirAvod::WritableProps(Integer ACol, Integer ARow) {
  CheckGridCell(ACol, ARow);
  return GetCellProperties(ACol, ARow);
}

void TRezIvevirAvod::RepaintCellUnlessUpdating(Integer ACol, Integer ARow) {
  if (FUpdateCount == 0) RepaintCell(RealToDisplCol(ACol), ARow);
}

// Reads of a cell without properties give the neutral value and make none.
TColor TRezIvevirAvod::GetColors(Integer ACol, Integer ARow) const {
  TCellProperties* P = ExistingProps(ACol, ARow);
  return P ? P->BrushColor() : clNone;
}

void TRezIvevirAvod::SetColors(Integer ACol, Integer ARow, TColor Value) {
  WritableProps(ACol, ARow)->SetBrushColor(Value);
  RepaintCellUnlessUpdating(ACol, ARow);
}

TColor TRezIvevirAvod::GetColorsTo(Integer ACol, Integer ARow) const {
  TCellProperties* P = ExistingProps(ACol, ARow);
  return P ? P->BrushColorTo() : clNone;
}

void TRezIvevirAvod::SetColorsTo(Integer ACol, Integer ARow, TColor Value) {
  WritableProps(ACol, ARow)->SetBrushColorTo(Value);
  RepaintCell(RealToDisplCol(ACol), ARow);
}

TCellGradientDirection TRezIvevirAvod::GetGradients(Integer ACol, Integer ARow) const {
  TCellProperties* P = ExistingProps(ACol, ARow);
  return P ? P->GradientDirection() : GradientVertical;
}

void TRezIvevirAvod::SetGradients(Integer ACol, Integer ARow, TCellGradientDirection Value) {
  WritableProps(ACol, ARow)->SetGradientDirection(Value);
  RepaintCell(RealToDisplCol(ACol), ARow);
}

TColor TRezIvevirAvod::GetFontColors(Integer ACol, Integer ARow) const {
  TCellProperties* P = ExistingProps(ACol, ARow);
  return P ? P->FontColor() : clNone;
}

void TRezIvevirAvod::SetFontColors(Integer ACol, Integer ARow, TColor Value) {
  WritableProps(ACol, ARow)->SetFontColor(Value);
  RepaintCellUnlessUpdating(ACol, ARow);
}

TFontStyles TRezIvevirAvod::GetFontStyles(Integer ACol, Integer ARow) const {
  TCellProperties* P = ExistingProps(ACol, ARow);
  return P ? P->FontStyle() : TFontStyles{};
}

void TRezIvevirAvod::SetFontStyles(Integer ACol, Integer ARow, TFontStyles Value) {
  WritableProps(ACol, ARow)->SetFontStyle(Value);
  RepaintCellUnlessUpdating(ACol, ARow);
}

Integer TRezIvevirAvod::GetFontSizes(Integer ACol, Integer ARow) const {
  TCellProperties* P = ExistingProps(ACol, ARow);
  return P ? P->FontSize() : 0;
}

void TRezIvevirAvod::SetFontSizes(Integer ACol, Integer ARow, Integer Value) {
  WritableProps(ACol, ARow)->SetFontSize(Value);
  RepaintCellUnlessUpdating(ACol, ARow);
}

String TRezIvevirAvod::GetFontNames(Integer ACol, Integer ARow) const {
  TCellProperties* P = ExistingProps(ACol, ARow);
  return P ? P->FontName() : String();
}

void TRezIvevirAvod::SetFontNames(Integer ACol, Integer ARow, const String& Value) {
  WritableProps(ACol, ARow)->SetFontName(Value);
  RepaintCellUnlessUpdating(ACol, ARow);
}

// One work font serves every cell: the answer is valid until the next call.
TFont* TRezIvevirAvod::GetCellFont(Integer ACol, Integer ARow) {
  TCellProperties* P = ExistingProps(ACol, ARow);
  if (!P) return Font();
  FWorkFont->SetName(P->FontName());
  FWorkFont->SetSize(P->FontSize());
  FWorkFont->SetStyle(P->FontStyle());
  FWorkFont->SetColor(P->FontColor());
  return FWorkFont.get();
}

void TRezIvevirAvod::SetFonts(Integer ACol, Integer ARow, TFont* Value) {
  TCellProperties* P = WritableProps(ACol, ARow);
  P->SetFontName(Value->Name());
  P->SetFontSize(Value->Size());
  P->SetFontStyle(Value->Style());
  P->SetFontColor(Value->Color());
  RepaintCellUnlessUpdating(ACol, ARow);
}

TAlignment TRezIvevirAvod::GetAlignments(Integer ACol, Integer ARow) const {
  TCellProperties* P = ExistingProps(ACol, ARow);
  return P ? P->Alignment() : taLeftJustify;
}

void TRezIvevirAvod::SetAlignments(Integer ACol, Integer ARow, TAlignment Value) {
  WritableProps(ACol, ARow)->SetAlignment(Value);
  RepaintCellUnlessUpdating(ACol, ARow);
}

bool TRezIvevirAvod::GetReadOnly(Integer ACol, Integer ARow) const {
  TCellProperties* P = ExistingProps(ACol, ARow);
  return P && P->ReadOnly();
}

void TRezIvevirAvod::SetReadOnly(Integer ACol, Integer ARow, bool Value) {
  WritableProps(ACol, ARow)->SetReadOnly(Value);
  RepaintCellUnlessUpdating(ACol, ARow);
}

// Unlike the other reads, this one makes the property object.
bool TRezIvevirAvod::GetWordWraps(Integer ACol, Integer ARow) {
  return WritableProps(ACol, ARow)->WordWrap();
}

void TRezIvevirAvod::SetWordWraps(Integer ACol, Integer ARow, bool Value) {
  WritableProps(ACol, ARow)->SetWordWrap(Value);
  RepaintCellUnlessUpdating(ACol, ARow);
}

// --- cell controls --------------------------------------------------------------------------

TControl* TRezIvevirAvod::GetCellControls(Integer ACol, Integer ARow) const {
  TCellProperties* P = ExistingProps(ACol, ARow);
  return P ? P->Control() : nullptr;
}

void TRezIvevirAvod::SetCellControls(Integer ACol, Integer ARow, TControl* Value) {
  if (!Value) {
    TCellProperties* P = ExistingProps(ACol, ARow);
    if (!P || !P->Control()) return;
    Integer Index = FControlList->ControlIndex(ACol, ARow);
    if (Index >= 0) FControlList->RemoveControl(Index);
    FNumCellControls = std::max(FNumCellControls - 1, 0);
    P->SetControl(nullptr);
    return;
  }
  TCellProperties* P = WritableProps(ACol, ARow);
  Integer Index = FControlList->ControlIndex(ACol, ARow);
  if (Index >= 0) FControlList->RemoveControl(Index);
  if (!P->Control()) ++FNumCellControls;
  FControlList->AddControl(ACol, DisplToRealRow(ARow), Value);
  P->SetControl(Value);
  Value->SetParent(this);
  // Over the cell's left and top grid lines as well.
  TRect R = CellRect(RealToDisplCol(ACol), ARow);
  Value->SetBounds(R.Left - 1, R.Top - 1, R.Width() + 1, R.Height() + 1);
}

// --- whole rows -----------------------------------------------------------------------------------

// Merges, graphics, user objects and controls live in the same object as
// the colours; a colour reset must not take them with it.
bool TRezIvevirAvod::PropsCarryMore(TCellProperties* Props) const {
  return Props->GraphicObject() || Props->CellObject() || Props->Control() || Props->CellSpanX() != -1 ||
         Props->CellSpanY() != -1 || !Props->IsBaseCell();
}

void TRezIvevirAvod::SetRowColor(Integer ARow, TColor Value) {
  if (ARow < 0 || ARow >= RowCount()) throw DAvoDeveDeviz(L"Invalid row accessed");
  for (Integer c = FixedCols(); c < AllColCount(); ++c) {
    if (Value != clNone) {
      GetCellProperties(c, ARow)->SetBrushColor(Value);
      continue;
    }
    TCellProperties* P = ExistingProps(c, ARow);
    if (!P) continue;
    if (PropsCarryMore(P))
      P->SetBrushColor(clNone);
    else
      FreeCellProperties(c, ARow);
  }
  InvalidateRow(ARow);
}

void TRezIvevirAvod::SetRowColorTo(Integer ARow, TColor Value) {
  if (ARow < 0 || ARow >= RowCount()) throw DAvoDeveDeviz(L"Invalid row accessed");
  for (Integer c = FixedCols(); c < AllColCount(); ++c) {
    if (Value != clNone) {
      GetCellProperties(c, ARow)->SetBrushColorTo(Value);
      continue;
    }
    TCellProperties* P = ExistingProps(c, ARow);
    if (!P) continue;
    if (PropsCarryMore(P))
      P->SetBrushColorTo(clNone);
    else
      FreeCellProperties(c, ARow);
  }
  InvalidateRow(ARow);
}

void TRezIvevirAvod::SetRowFontColor(Integer ARow, TColor Value) {
  if (ARow < 0 || ARow >= RowCount()) throw DAvoDeveDeviz(L"Invalid row accessed");
  for (Integer c = FixedCols(); c < AllColCount(); ++c) {
    if (Value != clNone) {
      GetCellProperties(c, ARow)->SetFontColor(Value);
      continue;
    }
    TCellProperties* P = ExistingProps(c, ARow);
    if (!P || P->BrushColor() != clNone) continue;
    if (PropsCarryMore(P))
      P->SetFontColor(clNone);
    else
      FreeCellProperties(c, ARow);
  }
  InvalidateRow(ARow);
}

}  // namespace jorv::grid
