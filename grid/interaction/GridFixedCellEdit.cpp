// Editing fixed cells in place: which click opens the edit or the combo
// over a header cell, how it is placed and filled, and how its text goes
// back into the cell. The filter-edit row opens the same edit.
#include "grid/core/RezIvevirAvod.h"
#include "grid/interaction/FixedCellEditors.h"

namespace jorv::grid {

TGridTransEdit* TRezIvevirAvod::EditTrans() {
  if (!FEditTrans) {
    FEditTrans = new TGridTransEdit(this);
    FEditTrans->SetParent(this);
    FEditTrans->OnChange = [this](TObject*) { FixedCellEditChange(); };
  }
  return FEditTrans;
}

TGridTransCombo* TRezIvevirAvod::ComboTrans() {
  if (!FComboTrans) {
    FComboTrans = new TGridTransCombo(this);
    FComboTrans->SetParent(this);
    FComboTrans->OnChange = [this](TObject*) { FixedCellComboChange(); };
    FComboTrans->OnSelect = [this](TObject*) { FixedCellComboChange(); };
  }
  return FComboTrans;
}

void TRezIvevirAvod::SetIntegralHeight(bool Value) {
  FIntegralHeight = Value;
  SetBounds(Left(), Top(), Width(), Height());
}

bool TRezIvevirAvod::StoreFixedCellText(Integer ACol, Integer ARow, const String& Text, bool FilterEdit) {
  String Value = Text;
  bool Valid = true;
  if (OnCellValidate) OnCellValidate(this, ACol, ARow, Value, Valid);
  if (!Valid) {
    // The refused cell's column and row become current where they are
    // normal ones: a fixed row or column can never hold the current cell.
    const Integer DisplCol = RealToDisplCol(ACol);
    if (DisplCol >= FixedCols() && DisplCol < ColCount()) SetCol(DisplCol);
    if (ARow >= FixedRows() && ARow < RowCount()) SetRow(ARow);
    return false;
  }
  if (OnEditingDone) OnEditingDone(this);
  SetCells(ACol, ARow, Value);
  if (FilterEdit) SetFilterEditCondition(ACol, ftNone);
  return true;
}

void TRezIvevirAvod::ShowFixedCellEditor(Integer ACol, Integer ARow, bool FilterEdit) {
  if (FEditTrans && FEditTrans->Visible() && !FEditTrans->StopEdit()) return;
  if (FComboTrans && FComboTrans->Visible() && !FComboTrans->StopEdit()) return;
  bool CanEdit = true;
  if (OnCanEditCell) OnCanEditCell(this, ARow, ACol, CanEdit);
  if (!CanEdit) return;
  FFixedColEdit = ACol;
  FFixedRowEdit = ARow;
  TGridFixedCellEditor Kind = ACol == 0 ? FMouseActions->FixedColsEditor() : FMouseActions->FixedRowsEditor();
  TGridTransCombo* Combo = ComboTrans();
  Combo->Items()->Assign(FMouseActions->FixedComboValues());
  DoFixedEdit(ACol, ARow, Kind, Combo->Items());
  TRect R = CellRect(ACol, ARow);
  R = TRect{R.Left + 1, R.Top + 3, R.Right - 1, R.Bottom - 1};
  const Integer RC = RealColIndex(ACol);
  TGridTransEdit* Edit = EditTrans();
  // The filter-edit cell keeps its type icon visible at the left.
  if (FilterEdit) {
    R.Left += 19;
    Kind = fceEdit;
  }
  Edit->SetColor(FilterEdit ? FFilterEdit->Color() : clWindow);
  const String Text = GetCells(RC, ARow);
  if (Kind == fceEdit) {
    Edit->SetBounds(R.Left, R.Top, R.Width(), R.Height());
    Edit->SetText(Text);
    Edit->SetCol(RC);
    Edit->SetRow(ARow);
    Edit->SetFilterEdit(FilterEdit);
    Edit->SetVisible(true);
    if (Edit->CanFocus()) Edit->SetFocus();
    return;
  }
  Combo->SetStyle(Kind == fceComboEdit ? csDropDown : csDropDownList);
  Combo->SetBounds(R.Left - 1, R.Top - 1, R.Width() + 1, R.Height());
  if (Kind == fceComboList)
    Combo->SetItemIndex(Combo->Items()->IndexOf(Text));
  else
    Combo->SetText(Text);
  Combo->SetCol(RC);
  Combo->SetRow(ARow);
  Combo->SetVisible(true);
  if (Combo->CanFocus()) Combo->SetFocus();
}

bool TRezIvevirAvod::PressOnFixedCellToEdit(TMouseButton Button, Integer C, Integer R, Integer X, Integer Y) {
  if (C < 0 || R < 0 || C >= ColCount() || R >= RowCount()) return false;
  const bool InFixedRow = R < FFixedRowsMin && R < FixedRows();
  const bool InFixedCol = C < FixedCols();
  if (!InFixedRow && !InFixedCol) return false;
  const TRect CR = CellRect(C, R);
  // A press near a border sizes the column or row instead.
  const TRect Inner{CR.Left + 4, CR.Top + 4, CR.Right - 4, CR.Bottom - 4};
  const bool Inside = Inner.Contains(TPoint{X, Y});
  bool Edit = false;
  if (Button == mbLeft && InFixedRow && FMouseActions->FixedRowsEdit() == fceLeftClick)
    Edit = Inside || !Options().Contains(goColSizing);
  else if (Button == mbLeft && InFixedCol && FMouseActions->FixedColsEdit() == fceLeftClick)
    Edit = Inside || !Options().Contains(goRowSizing);
  else if (Button == mbRight)
    Edit = (InFixedRow && FMouseActions->FixedRowsEdit() == fceRightClick) ||
           (InFixedCol && FMouseActions->FixedColsEdit() == fceRightClick);
  else
    return false;
  if (Edit) ShowFixedCellEditor(C, R, false);
  return true;
}

void TRezIvevirAvod::FixedCellEditOnDblClick(Integer C, Integer R) {
  if (C < 0 || R < 0 || C >= ColCount() || R >= RowCount()) return;
  if ((R < FixedRows() && FMouseActions->FixedRowsEdit() == fceDblClick) ||
      (C < FixedCols() && FMouseActions->FixedColsEdit() == fceDblClick))
    ShowFixedCellEditor(C, R, false);
}

void TRezIvevirAvod::FixedCellEditChange() {
  if (OnEditChange && FEditTrans) OnEditChange(this, FFixedColEdit, FFixedRowEdit, FEditTrans->Text());
}

void TRezIvevirAvod::FixedCellComboChange() {
  if (!OnComboChange || !FComboTrans) return;
  const Integer Index = FComboTrans->ItemIndex();
  const String Text = Index >= 0 ? FComboTrans->Items()->Strings(Index) : String();
  OnComboChange(this, FFixedColEdit, FFixedRowEdit, Index, Text);
}

}  // namespace jorv::grid
