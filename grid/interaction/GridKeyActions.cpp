// What single keys do beyond moving by one cell: Space and Enter on check
// boxes, radios and buttons, Home and End, passing over fixed cells, rows
// inserted and deleted by Ins and Del, select all, and the disjunct row,
// column and cell selections made by key, and the clipboard keys.
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/ScopeExit.h"

namespace jorv::grid {

namespace {

bool IsNavigationKey(Word Key) { return Key >= VK_PRIOR && Key <= VK_DOWN; }

}  // namespace

// --- check boxes, radios and buttons ------------------------------------------------------------

void TRezIvevirAvod::ClickableCellKey(Word Key) {
  const Integer RC = RealColIndex(Col());
  const Integer R = Row();
  bool Allow = Options().Contains(goEditing) || MouseActions()->RangeSelectAndEdit();
  CanEditCell(RC, R, Allow);
  const bool Space = Key == VK_SPACE;
  if (Space && (Allow || FControlLook->CheckAlwaysActive()) && HasCheckBox(RC, R)) {
    if (ToggleCheckBoxEx(RC, R, true)) {
      if (FShowModified->Enabled()) {
        SetRowModified(R, true);
        RepaintCell(0, R);
      }
      bool State = false;
      GetCheckBoxState(RC, RealRowIndex(R), State);
      if (OnCheckBoxClick) OnCheckBoxClick(this, Col(), R, State);
    }
  } else if (Space && (Allow || FControlLook->RadioAlwaysActive()) && IsRadio(RC, R)) {
    SelectNextRadio(RC, R, true);
    Integer Index = -1;
    GetRadioIdx(RC, R, Index);
    if (OnRadioClick) OnRadioClick(this, RC, R, Index);
  } else if (Space && (Allow || FControlLook->RadioAlwaysActive()) && HasRadioButton(RC, R)) {
    SetRadioButtonColumnIndex(RC, R);
    if (OnRadioButtonClick) OnRadioButtonClick(this, RC, R);
  }
  if (Allow && HasButton(RC, R)) DoButtonClick(Col(), R);
  RepaintCell(Col(), R);
}

// --- Home and End ------------------------------------------------------------------------------

bool TRezIvevirAvod::HomeEndKey(Word Key, TShiftState Shift) {
  const THomeEndAction Mode = Navigation()->HomeEndKey();
  const bool Ctrl = Shift.Contains(ssCtrl);
  const bool RowSelect = Options().Contains(goRowSelect);
  if (Mode != heFirstLastCell && FixedRowAlways() && RowCount() == 1) return false;
  const Integer LastCol = ColCount() - FFixedRightCols - 1;
  const Integer LastRow = RowCount() - FFixedFooters - 1;
  const bool Home = Key == VK_HOME;
  // A grid of fixed cells only has nowhere to go.
  if (LastCol < FirstNormalCol() || LastRow < FixedRows()) return true;
  if (Mode == heFirstLastCell && !Ctrl) {
    MoveToCellInGrid(Home ? FirstNormalCol() : LastCol, Home ? FixedRows() : LastRow);
    return true;
  }
  if (Mode == heFirstLastRow && !Ctrl) {
    if (Home) return HomeEndToRow(FixedRows(), Shift);
    const bool Floating = FFloatingFooter->Visible() && RowCount() > 2;
    if (FFixedFooters > 0 || Floating) SetTopRow(std::max(FixedRows(), RowCount() - VisibleRowCount()));
    return HomeEndToRow(Floating ? RowCount() - 2 : LastRow, Shift);
  }
  if (Mode != heFirstLastColumn || (RowSelect && !Ctrl) || (Ctrl && !Home)) return false;
  if (Ctrl) {
    const Integer C = FirstSelectableCol(FixedRows());
    MoveToCellInGrid(C < 0 ? FirstNormalCol() : C, FixedRows());
    SetLeftCol(FirstNormalCol());
    return true;
  }
  if (Shift.Contains(ssShift)) {
    SetSelection(TGridRect{Col(), Row(), Home ? FixedCols() : LastCol, Row()});
    RepaintRow(Row());
    return true;
  }
  if (Home) {
    const Integer C = FirstSelectableCol(Row());
    MoveToCellInGrid(C < 0 ? FirstNormalCol() : C, Row());
    SetLeftCol(FirstNormalCol());
  } else {
    MoveToCellInGrid(LastCol, Row());
    SetLeftCol(std::max(FixedCols(), ColCount() - VisibleColCount()));
  }
  return true;
}

// Home or End to a row keeping the column; with Shift the rows between are
// selected across all columns.
bool TRezIvevirAvod::HomeEndToRow(Integer NewRow, TShiftState Shift) {
  const Integer OldRow = Row();
  const Integer Left = LeftCol();
  const bool Disjunct = MouseActions()->DisjunctRowSelect();
  if (Shift.Contains(ssShift)) {
    const Integer LastCol = ColCount() - 1;
    // The anchor stays on the old row, the current cell goes to the new one.
    if (NewRow < OldRow)
      SetSelection(TGridRect{LastCol, OldRow, FixedCols(), NewRow});
    else
      SetSelection(TGridRect{FixedCols(), OldRow, LastCol, NewRow});
    if (Disjunct) SelectionToRowSelect(true);
  } else {
    MoveToCellInGrid(Col(), NewRow);
    if (Disjunct) SelectionToRowSelect(true);
  }
  if (Options().Contains(goRowSelect) && Navigation()->KeepHorizScroll()) SetLeftCol(Left);
  return true;
}

// --- fixed cells -------------------------------------------------------------------------------

bool TRezIvevirAvod::SkipFixedCellsKey(Word Key) {
  const Integer C = Col(), R = Row();
  const Integer RightEnd = ColCount() - FFixedRightCols;
  const Integer BottomEnd = RowCount() - FFixedFooters;
  const bool RowSelect = Options().Contains(goRowSelect);
  Integer Target = -1;
  switch (Key) {
    case VK_LEFT:
      if (C <= FixedCols() || !IsFixed(C - 1, R)) return false;
      for (Target = C - 1; Target >= FixedCols() && IsFixed(Target, R); --Target) {}
      if (Target < FixedCols()) return false;
      MoveToCellInGrid(Target, R);
      return true;
    case VK_RIGHT:
      if (C + 1 >= RightEnd || !IsFixed(C + 1, R)) return false;
      for (Target = C + 1; Target < RightEnd && IsFixed(Target, R); ++Target) {}
      if (Target >= RightEnd) return false;
      MoveToCellInGrid(Target, R);
      return true;
    case VK_UP:
      if (R <= FixedRows() || !IsFixed(C, R - 1)) return false;
      Target = R - 1;
      if (!RowSelect)
        while (Target >= FixedRows() && IsFixed(C, Target)) --Target;
      if (Target < FixedRows()) return false;
      MoveToCellInGrid(C, Target);
      return true;
    case VK_DOWN:
      if (R + 1 >= BottomEnd || !IsFixed(C, R + 1)) return false;
      Target = R + 1;
      if (!RowSelect)
        while (Target < BottomEnd && IsFixed(C, Target)) ++Target;
      if (Target >= BottomEnd) return false;
      MoveToCellInGrid(C, Target);
      return true;
    default:
      return false;
  }
}

// --- rows by Ins and Del -----------------------------------------------------------------------

void TRezIvevirAvod::InsertNavigationRow(Integer ARow) { InsertRows(ARow, 1); }

void TRezIvevirAvod::RemoveNavigationRow(Integer ARow) {
  // The last data row is emptied rather than removed.
  if (RowCount() - FixedRows() - FFixedFooters <= 1 && !FixedRowAlways())
    ClearRows(ARow, 1);
  else
    RemoveRows(ARow, 1);
  if (OnAutoDeleteRow) OnAutoDeleteRow(this, ARow);
}

void TRezIvevirAvod::InsertRowByKey() {
  bool Allow = true;
  DoCanInsertRow(Row(), Allow);
  if (!Allow) return;
  const Integer R = RealRowIndex(Row());
  const bool Filtered = FilterActive();
  if (Filtered) SetFilterActive(false);
  auto Restore = ScopeExit([this, Filtered] {
    if (Filtered) SetFilterActive(true);
  });
  Integer At = R;
  Integer NewRow = R < RowCount() ? R : Row();
  if (Navigation()->InsertPosition() == pInsertAfter) {
    if (FixedRowAlways() && FixedRows() == RowCount()) {
      NewRow = 1;
    } else if (NewRow + 1 <= RowCount()) {
      At = NewRow + 1;
      NewRow = NewRow + 1;
    }
  }
  InsertNavigationRow(At);
  if (OnAutoInsertRow) OnAutoInsertRow(this, At);
  FGridModified = true;
  if (NewRow >= FixedRows() && NewRow < RowCount()) MoveToCellInGrid(Col(), NewRow);
  CalcFooter(-1);
}

bool TRezIvevirAvod::DeleteRowByKey() {
  const Integer R = RealRowIndex(Row());
  const bool Filtered = FilterActive();
  if (Filtered) SetFilterActive(false);
  auto Restore = ScopeExit([this, Filtered] {
    if (Filtered) SetFilterActive(true);
  });
  bool Allow = true;
  if (OnCanDeleteRow) OnCanDeleteRow(this, R, Allow);
  if (!Allow) return false;
  RemoveNavigationRow(R);
  if (FFloatingFooter->Visible() && Row() == RowCount() - 1 && RowCount() >= 2) MoveToCellInGrid(Col(), RowCount() - 2);
  RememberOldCell(Col(), Row());
  FGridModified = true;
  CalcFooter(-1);
  return true;
}

// --- select all and the disjunct selections ----------------------------------------------------

void TRezIvevirAvod::SelectAllByKey() {
  const Integer LastCol = ColCount() - FFixedRightCols - 1;
  const Integer LastRow = RowCount() - FFixedFooters - 1;
  if (LastCol < FirstNormalCol() || LastRow < FixedRows()) return;
  TGridRect R{FirstNormalCol(), FixedRows(), LastCol, LastRow};
  if (MouseActions()->DisjunctRowSelect())
    for (Integer r = FixedRows(); r <= LastRow; ++r) SetRowSelect(r, true);
  if (MouseActions()->DisjunctCellSelect()) {
    SelectCells(FixedCols(), FixedRows(), LastCol, LastRow);
    return;
  }
  PrepareKeySelectAll(R);
  SetSelection(R);
  // The selection ends with a click on its last cell, as a user's would:
  // the click handlers hear of the cell the selection now ends on.
  MoveCurrentCell(R.Right, R.Bottom);
  const TRect Cell = CellRect(R.Right, R.Bottom);
  if (!Cell.IsEmpty()) {
    const LPARAM At = MAKELPARAM(Cell.Left + 2, Cell.Top + 2);
    Perform(WM_LBUTTONDOWN, MK_LBUTTON, At);
    Perform(WM_LBUTTONUP, 0, At);
  }
  MoveCurrentCell(R.Right, R.Bottom);
  SetSelection(R);
}

void TRezIvevirAvod::DisjunctSelectionKey(Word Key, TShiftState Shift) {
  const bool Rows = MouseActions()->DisjunctRowSelect();
  const bool Cols = MouseActions()->DisjunctColSelect();
  if (!Rows && !Cols) return;
  if (Key == VK_SPACE) {
    if (Rows) SetRowSelect(Row(), !GetRowSelect(Row()));
    if (Cols) SetColSelect(Col(), !GetColSelect(Col()));
    return;
  }
  if (!IsNavigationKey(Key)) return;
  const bool ShiftHeld = Shift.Contains(ssShift);
  if (Rows) {
    if (!ShiftHeld && !Shift.Contains(ssCtrl)) ResetRowSelectFlags();
    if (ShiftHeld)
      SelectionToRowSelect(true);
    else
      SetRowSelect(Row(), true);
  }
  if (Cols) {
    if (!ShiftHeld && !Shift.Contains(ssCtrl)) ClearColSelect();
    if (ShiftHeld)
      SelectionToColSelect(true);
    else
      SetColSelect(Col(), true);
  }
}

void TRezIvevirAvod::DisjunctCellsByKey(Word Key, TShiftState Shift, const TGridRect& Before) {
  if (!MouseActions()->DisjunctCellSelect() || Options().Contains(goEditing)) return;
  if (Shift.Contains(ssShift) && Key != VK_SHIFT) {
    for (Integer r = Before.Top; r <= Before.Bottom; ++r)
      for (Integer c = Before.Left; c <= Before.Right; ++c) SetSelectedCells(c, r, false);
    const TGridRect S = Selection();
    for (Integer r = S.Top; r <= S.Bottom; ++r)
      for (Integer c = S.Left; c <= S.Right; ++c)
        if (c != Col() || r != Row()) SetSelectedCells(c, r, true);
  }
  if (Key != VK_SPACE) return;
  const TPoint Base = BaseCell(RealColIndex(Col()), Row());
  const Integer BC = RealToDisplCol(Base.X), BR = Base.Y;
  if (IsFixed(BC, BR)) return;
  bool CanSelect = true;
  if (OnSelectCell) OnSelectCell(this, BC, BR, CanSelect);
  if (!CanSelect) return;
  if (Shift.Contains(ssCtrl)) {
    SetSelectedCells(BC, BR, !GetSelectedCells(BC, BR));
  } else {
    // The list starts over where the cursor is (ClearSelectedCells would
    // also move the cursor home).
    for (Integer i = SelectedCellsCount() - 1; i >= 0; --i) {
      const TGridCoord Cell = GetSelectedCell(i);
      SetSelectedCells(Cell.X, Cell.Y, false);
    }
    SetSelectedCells(BC, BR, true);
    const TGridRect S = Selection();
    for (Integer r = S.Top; r <= S.Bottom; ++r)
      for (Integer c = S.Left; c <= S.Right; ++c)
        if (c != BC || r != BR) SetSelectedCells(c, r, true);
  }
  RepaintCell(Col(), Row());
}

}  // namespace jorv::grid

namespace jorv::grid {

void TRezIvevirAvod::ClipboardKey(Word Key, TShiftState Shift) {
  const bool Ctrl = Shift.Contains(ssCtrl), ShiftHeld = Shift.Contains(ssShift);
  bool Allow = true;
  if ((Key == 'X' && Ctrl) || (Key == VK_DELETE && ShiftHeld && !Ctrl)) {
    if (OnClipboardCut) OnClipboardCut(this, Allow);
    if (!Allow) return;
    CutSelectionToClipboard();
    if (OnClipboardCutDone) OnClipboardCutDone(this, Selection());
  } else if ((Key == 'V' && Ctrl) || (Key == VK_INSERT && ShiftHeld && !Ctrl)) {
    if (OnClipboardPaste) OnClipboardPaste(this, Allow);
    if (Allow) PasteSelectionFromClipboard();
  } else if ((Key == 'C' || Key == VK_INSERT) && Ctrl && !ShiftHeld) {
    if (OnClipboardCopy) OnClipboardCopy(this, Allow);
    if (!Allow) return;
    CopySelectionToClipboard();
    if (OnClipboardCopyDone) OnClipboardCopyDone(this, Selection());
  }
}

}  // namespace jorv::grid
