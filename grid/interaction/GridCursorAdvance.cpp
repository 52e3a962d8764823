// Where Enter and Tab take the cursor: the next cell in the advance
// direction, wrapping at the end of a row or column, appending a row or
// column at the end, passing over cells that may not be entered, opening
// the editor on arrival and handing the focus on after the last cell.
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/ScopeExit.h"

namespace jorv::grid {

namespace {

// One round over every cell is the longest walk that can still find a
// cell to stop on: a grid without one ends there instead of cycling.
Int64 RoundOverAllCells(Integer Cols, Integer Rows) { return Int64(std::max(Cols, 1)) * std::max(Rows, 1) + 1; }

}  // namespace

// --- which cells the cursor may stop on ----------------------------------------------------------

bool TRezIvevirAvod::EditingOn() const { return Options().Contains(goEditing) || FEditDisable; }

bool TRezIvevirAvod::IsSelectableCell(Integer ACol, Integer ARow) {
  if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) return false;
  // The right fixed columns and footer rows never take the cursor, whatever
  // the editing answer says.
  bool CanSelect = !IsFixed(ACol, ARow) && (!EditingOn() || IsEditable(ACol, ARow));
  if (OnSelectCell) OnSelectCell(this, ACol, ARow, CanSelect);
  return CanSelect;
}

bool TRezIvevirAvod::IsSelectableBaseCell(Integer ACol, Integer ARow) {
  return IsBaseCell(RealColIndex(ACol), ARow) && IsSelectableCell(ACol, ARow);
}

Integer TRezIvevirAvod::FirstSelectableCol(Integer ARow) {
  for (Integer c = 0; c < ColCount(); ++c)
    if (IsSelectableCell(c, ARow)) return c;
  return -1;
}

Integer TRezIvevirAvod::LastSelectableCol(Integer ARow) {
  for (Integer c = ColCount() - 1; c >= 0; --c)
    if (IsSelectableCell(c, ARow)) return c;
  return -1;
}

TGridCoord TRezIvevirAvod::FindNextSelectableCell(Integer ACol, Integer ARow) {
  const Integer LastCol = ColCount() - FFixedRightCols - 1;
  const Integer LastRow = RowCount() - FFixedFooters - 1;
  const bool ByRows = Navigation()->AdvanceDirection() == adLeftRight ||
                      Navigation()->AdvanceDirection() == adLeftRightInRow;
  if (ByRows) {
    for (Integer r = ARow; r <= LastRow; ++r)
      for (Integer c = (r == ARow ? ACol + 1 : FirstNormalCol()); c <= LastCol; ++c)
        if (IsSelectableCell(c, r)) return {c, r};
  } else {
    for (Integer c = ACol; c <= LastCol; ++c)
      for (Integer r = (c == ACol ? ARow + 1 : FixedRows()); r <= LastRow; ++r)
        if (IsSelectableCell(c, r)) return {c, r};
  }
  return {-1, -1};
}

Integer TRezIvevirAvod::FirstNormalCol() const { return FixedCols() == 0 && FNumNodes > 0 ? 1 : FixedCols(); }

Integer TRezIvevirAvod::ShownRightFixedCols() const {
  if (FNumHidden == 0) return FFixedRightCols;
  const Integer Total = TotalColCount();
  Integer Shown = 0;
  for (Integer c = std::max(0, Total - FFixedRightCols); c < Total; ++c)
    if (!IsHiddenColumn(c)) ++Shown;
  return Shown;
}

bool TRezIvevirAvod::IsLastEditRow() const {
  return Row() == RowCount() - FFixedFooters - 1 || (FFloatingFooter->Visible() && Row() == RowCount() - 2);
}

void TRezIvevirAvod::WrapToFirstRow() { MoveCurrentCell(Col(), FixedRows()); }

// --- Enter -------------------------------------------------------------------------------------

void TRezIvevirAvod::AdvanceAfterEditor() { AdvanceCell(Col(), Row(), false, false, true, true, false); }

void TRezIvevirAvod::AdvanceCell(Integer ACol, Integer ARow, bool EditorWasOpen, bool Repeated, bool Forward,
                                 bool AutoEdit, bool Force) {
  TNavigation* Nav = Navigation();
  if (!Nav->AdvanceOnEnter() && !Force) return;
  if (MouseActions()->RangeSelectAndEdit() && !Options().Contains(goEditing)) SetOptions(Options() + goEditing);
  if (!Repeated) {
    FAECol = ACol;
    FAERow = ARow;
  } else if (ACol == FAECol && ARow == FAERow) {
    return;
  }
  const TGridCoord Start{Col(), Row()};
  FStartEditChar = 0;
  bool AskedForMore = false;
  for (Int64 Budget = RoundOverAllCells(ColCount(), RowCount()); Budget > 0; --Budget) {
    if (!AdvanceStep(ACol, ARow, Forward, CellSpan(RealColIndex(ACol), ARow))) return;
    bool MayEnter = !IsFixed(ACol, ARow);
    CanEditCell(RealColIndex(ACol), ARow, MayEnter);
    if (!AdvanceToTarget(ACol, ARow, Start)) return;
    if (MayEnter || !Nav->AdvanceSkipReadOnlyCells()) break;
    // Whether anything lies ahead is asked once: a cell ahead of a later
    // target also lies ahead of this one.
    if (!Nav->AdvanceOnEnterLoop() && !AskedForMore) {
      if (FindNextSelectableCell(ACol, ARow).X < 0) return MoveCurrentCell(Start.X, Start.Y);
      AskedForMore = true;
    }
    if (ACol == FAECol && ARow == FAERow) return;
    if (Budget == 1) {
      MoveCurrentCell(Start.X, Start.Y);
      return;
    }
  }
  if (!EditorWasOpen) return;
  AdvanceEditOnArrival(Start, EditorWasOpen, AutoEdit);
  if (MouseActions()->DisjunctRowSelect()) {
    ResetRowSelectFlags();
    SetRowSelect(Row(), true);
  }
}

// One step of the Enter advance from (ACol, ARow); false ends the advance.
bool TRezIvevirAvod::AdvanceStep(Integer& ACol, Integer& ARow, bool Forward, TPoint Span) {
  TNavigation* Nav = Navigation();
  const TAdvanceDirection Dir = Nav->AdvanceDirection();
  const Integer LastRow = RowCount() - FFixedFooters - 1;
  const Integer LastCol = ColCount() - FFixedRightCols - 1;
  if (!Forward) {
    if (Dir == adLeftRight) {
      if (ACol > FirstNormalCol()) return --ACol, true;
      ARow = ARow <= FixedRows() ? LastRow : ARow - 1;
      ACol = LastCol;
      return true;
    }
    if (Dir != adTopBottom) return false;
    if (ARow > FixedRows()) return --ARow, true;
    ACol = ACol <= FirstNormalCol() ? LastCol : ACol - 1;
    ARow = LastRow;
    return true;
  }
  if (Dir == adLeftRight || Dir == adLeftRightInRow) {
    if (ACol + Span.X < ColCount() - ShownRightFixedCols() - 1) return ACol += Span.X + 1, true;
    if (Dir == adLeftRightInRow) {
      ACol = FirstNormalCol();
      return Nav->AdvanceOnEnterLoop();
    }
    if (ARow < LastRow) return ++ARow, ACol = FirstNormalCol(), true;
    if (Nav->AdvanceInsert()) {
      ACol = FirstNormalCol();
      return AdvanceAppendRow(ARow, LastRow);
    }
    if (!Nav->AdvanceOnEnterLoop()) return false;
    ARow = FixedRows();
    ACol = FirstNormalCol();
    return true;
  }
  if (ARow < LastRow) return ARow += Span.Y + 1, ARow = std::min(ARow, LastRow), true;
  if (Dir == adTopBottomInCol) {
    if (Nav->AdvanceInsert()) return AdvanceAppendRow(ARow, LastRow);
    if (!Nav->AdvanceOnEnterLoop()) return false;
    ARow = FixedRows();
    return true;
  }
  ARow = FixedRows();
  if (ACol < LastCol) {
    ACol = ACol + 1 >= ColCount() ? FirstNormalCol() : ACol + 1;
  } else if (Nav->AdvanceInsert()) {
    bool Allow = true;
    DoCanAddCol(Allow);
    if (Allow) {
      SetColCount(ColCount() + 1);
      ACol += Span.X + 1;
      if (OnAutoInsertCol) OnAutoInsertCol(this, ColCount() - FFixedRightCols - 1);
    }
  } else {
    ACol = FirstNormalCol();
  }
  Invalidate();
  return true;
}

// The row appended by Enter at the end of the last row; a refusal leaves
// the target on the same row.
bool TRezIvevirAvod::AdvanceAppendRow(Integer& ARow, Integer LastRow) {
  bool Allow = true;
  DoCanAddRow(Allow);
  if (!Allow) return true;
  AddRow();
  ++ARow;
  if (OnAutoAddRow) OnAutoAddRow(this, LastRow + 1);
  for (Integer c = FirstNormalCol(); c < ColCount() - FFixedRightCols; ++c)
    if (IsEditable(c, ARow)) return true;
  return false;
}

// Asks the application about the move and makes it; false when refused.
bool TRezIvevirAvod::AdvanceToTarget(Integer ACol, Integer ARow, TGridCoord Start) {
  Integer NewRow = ARow, NewCol = ACol;
  bool Allow = true;
  if (OnAutoAdvance) OnAutoAdvance(this, FAERow, FAECol, NewRow, NewCol, Allow);
  if (Allow && OnCellChanging) OnCellChanging(this, Start.Y, Start.X, NewRow, NewCol, Allow);
  if (!Allow) return false;
  if (NewCol < 0 || NewRow < 0 || NewCol >= ColCount() || NewRow >= RowCount()) return false;
  FDisableChange = true;
  auto Enable = ScopeExit([this] { FDisableChange = false; });
  const Integer KeepCol = FAECol, KeepRow = FAERow;
  MoveCurrentCell(NewCol, NewRow);
  FAECol = KeepCol;
  FAERow = KeepRow;
  return true;
}

void TRezIvevirAvod::AdvanceEditOnArrival(TGridCoord Start, bool EditorWasOpen, bool AutoEdit) {
  (void)EditorWasOpen;
  const bool Clickable = HasClickableGraphic(RealColIndex(Col()), Row());
  if (!(AutoEdit && Navigation()->AdvanceAutoEdit()) && !Clickable) return;
  if (!IsEditable(Col(), Row())) return;
  if (Clickable) {
    // A check box or button cell is entered without an editor; the move is
    // announced from the cell the advance began on.
    if (OnCellChanging) {
      bool Allow = true;
      OnCellChanging(this, Start.Y, Start.X, Row(), Col(), Allow);
    }
    return;
  }
  ShowInplaceEdit();
}

// --- Tab ---------------------------------------------------------------------------------------

bool TRezIvevirAvod::AdvanceOnTab(bool Backward) {
  if (Navigation()->AlwaysEdit()) HideInplaceEdit();
  if (OnKeyDown) {
    Word Key = VK_TAB;
    OnKeyDown(this, Key, Backward ? TShiftState{ssShift} : TShiftState{});
    if (Key != VK_TAB) return true;
  }
  if (Col() == FLastTabCol && Row() == FLastTabRow) return true;
  FLastTabCol = Col();
  FLastTabRow = Row();
  const TGridCoord Start{Col(), Row()};
  const bool StartMerged = IsMergedCell(RealColIndex(Start.X), Start.Y);
  auto Done = ScopeExit([this, Start, StartMerged] {
    if (StartMerged) RepaintCell(Start.X, Start.Y);
    FLastTabCol = FLastTabRow = -1;
    if (Navigation()->AlwaysEdit() && CanFocus()) SetFocus();
  });
  bool Repeated = false;
  bool Found = false;
  // Steps repeat past cells that may not be edited, at most once round
  // the grid: a grid with nothing to edit stops instead of cycling, and
  // the cursor stays where the step began.
  for (Int64 Budget = RoundOverAllCells(ColCount(), RowCount()); Budget > 0; --Budget) {
    const TGridCoord Before{Col(), Row()};
    bool Again = false;
    if (!TabStep(Backward, Again)) return false;
    Found = !Again && (!EditingOn() || IsEditable(Col(), Row()));
    if (Found) break;
    const TGridCoord Now{Col(), Row()};
    if (Now == Start || Now == Before) break;
    Repeated = true;
  }
  if (!Found) {
    MoveToCellInGrid(Start.X, Start.Y);
    return true;
  }
  if (!Repeated && Navigation()->AdvanceAutoEdit() && !HasClickableGraphic(RealColIndex(Col()), Row()) &&
      Options().Contains(goEditing) && IsEditable(Col(), Row()))
    ShowInplaceEdit();
  return true;
}

// One Tab step; false when the focus was handed on.
bool TRezIvevirAvod::TabStep(bool Backward, bool& Again) {
  Again = false;
  const TAdvanceDirection Dir = Navigation()->TabAdvanceDirection();
  const Integer Right = ColCount() - ShownRightFixedCols();
  if (Backward && Dir != adLeftRight) {
    if (Row() > FixedRows()) {
      MoveToCellInGrid(Col(), Row() - 1);
    } else {
      const Integer NewCol = Col() <= FirstNormalCol() ? Right - 1 : Col() - 1;
      MoveToCellInGrid(NewCol, RowCount() - FFixedFooters - 1);
    }
    return true;
  }
  if (Backward) {
    TabBackward();
    return true;
  }
  const TPoint Span = CellSpan(RealColIndex(Col()), Row());
  if (Dir != adLeftRight) {
    if (Row() + Span.Y + 1 < RowCount() - FFixedFooters) {
      MoveToCellInGrid(Col(), Row() + Span.Y + 1);
      return true;
    }
    WrapToFirstRow();
    if (Col() < Right - 1) {
      MoveToCellInGrid(Col() + 1, Row());
      return true;
    }
    MoveToCellInGrid(FirstNormalCol(), Row());
    return TabHandOn();
  }
  if (Col() + Span.X + 1 < Right) return TabForwardInRow(Right, Span, Again);
  return TabForwardAtRowEnd();
}

void TRezIvevirAvod::TabBackward() {
  const Integer LastRow = RowCount() - FFixedFooters - 1;
  if (Col() > FirstNormalCol()) {
    Integer Step = 1;
    while (Col() - Step >= FirstNormalCol() && !IsSelectableBaseCell(Col() - Step, Row())) ++Step;
    if (Col() - Step >= FirstNormalCol()) return MoveToCellInGrid(Col() - Step, Row());
    const Integer PrevRow = Row() > FixedRows() ? Row() - 1 : LastRow;
    const Integer C = LastSelectableCol(PrevRow);
    if (C < 0) return;
    MoveToCellInGrid(C, PrevRow);
    if (PrevRow == LastRow) ScrollInView(Col(), Row(), spMiddle);
    return;
  }
  const Integer PrevRow = Row() > FixedRows() ? Row() - 1 : LastRow;
  const Integer Right = ColCount() - ShownRightFixedCols();
  Integer C = Right - 1;
  while (C > FixedCols() && !IsSelectableBaseCell(C, PrevRow)) --C;
  MoveToCellInGrid(C, PrevRow);
  if (PrevRow == LastRow) ScrollInView(Col(), Row(), spMiddle);
}

bool TRezIvevirAvod::TabForwardInRow(Integer Right, TPoint Span, bool& Again) {
  Integer Step = 1;
  while (Col() + Span.X + Step < Right && !IsSelectableBaseCell(Col() + Span.X + Step, Row())) ++Step;
  if (Col() + Span.X + Step < Right) {
    MoveToCellInGrid(Col() + Span.X + Step, Row());
    Again = !IsBaseCell(RealColIndex(Col()), Row());
    return true;
  }
  // Nothing left to stop on in this row: on to the next one, or round to
  // the first row, which hands the focus on.
  if (Row() < RowCount() - FFixedFooters - 1) {
    if (!CanTabToNextRow()) return true;
    const Integer C = FirstSelectableCol(Row() + 1);
    MoveToCellInGrid(C < 0 ? FixedCols() : C, Row() + 1);
    return true;
  }
  const Integer C = FirstSelectableCol(FixedRows());
  if (C >= 0) MoveToCellInGrid(C, FixedRows());
  return TabHandOn();
}

bool TRezIvevirAvod::TabForwardAtRowEnd() {
  TNavigation* Nav = Navigation();
  const Integer LastRow = RowCount() - FFixedFooters - 1;
  if (Row() < LastRow) {
    for (Integer r = Row() + 1; r <= LastRow; ++r)
      for (Integer c = FirstNormalCol(); c < ColCount(); ++c)
        if (IsSelectableBaseCell(c, r)) {
          if (CanTabToNextRow()) MoveToCellInGrid(c, r);
          return true;
        }
  } else if (!Nav->TabToNextAtEnd() && Nav->AdvanceInsert()) {
    bool Allow = true;
    DoCanAddRow(Allow);
    if (Allow) {
      AddRow();
      MoveToCellInGrid(Col(), FFloatingFooter->Visible() ? RowCount() - 2 : RowCount() - 1);
      if (OnAutoAddRow) OnAutoAddRow(this, RowCount() - FFixedFooters - 1);
      const Integer C = FirstSelectableCol(Row());
      MoveToCellInGrid(C < 0 ? FirstNormalCol() : C, Row());
      return TabHandOn();
    }
  }
  // No selectable cell below: round to the first row.
  WrapToFirstRow();
  const Integer C = FirstSelectableCol(Row());
  MoveToCellInGrid(C < 0 ? FirstNormalCol() : C, Row());
  return TabHandOn();
}

bool TRezIvevirAvod::TabHandOn() {
  if (!Parent() || !Navigation()->TabToNextAtEnd()) return true;
  if (Parent()->HandleAllocated()) PostMessageW(Parent()->Handle(), WM_KEYDOWN, VK_TAB, 0);
  return false;
}

void TRezIvevirAvod::MoveToCellInGrid(Integer ACol, Integer ARow) {
  if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) return;
  if (ACol == Col() && ARow == Row()) return;
  MoveCurrentCell(ACol, ARow);
}

// --- Down on the last row ----------------------------------------------------------------------

void TRezIvevirAvod::AppendAutoRow() {
  bool Allow = true;
  DoCanAddRow(Allow);
  if (!Allow) return;
  const Integer Stored = TotalColCount();
  auto EmptyRow = [this, Stored](Integer ARow) {
    for (Integer c = 0; c < Stored; ++c) {
      SetCells(c, ARow, String());
      SetObjects(c, ARow, nullptr);
    }
  };
  if (FFloatingFooter->Visible()) {
    std::vector<String> Footer;
    for (Integer c = 0; c < Stored; ++c) Footer.push_back(GetCells(c, RowCount() - 1));
    AppendRow();
    EmptyRow(RowCount() - 2);
    for (Integer c = 0; c < Stored; ++c) SetCells(c, RowCount() - 1, Footer[size_t(c)]);
  } else {
    AppendRow();
    EmptyRow(RowCount() - 1);
  }
  if (FFloatingFooter->Visible() || FFixedFooters > 0) SetRow(Row() + 1);
  if (FFloatingFooter->Visible()) CalcFooter(-1);
  if (OnAutoAddRow) OnAutoAddRow(this, RowCount() - FFixedFooters - 1);
}

}  // namespace jorv::grid
