// The left press over the grid: it decides, cell by cell, whether a click
// works a cell's gadget (button, rating, radio group, link), makes a
// disjunct or header selection, toggles a box or goes on to the base
// grid's selecting and editing. The right press and release are here too.
#include <cmath>

#include "foundation/TextUtils.h"
#include "foundation/ValueUtils.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/ui/Screen.h"

namespace jorv::grid {

namespace {

// ClassifyCellText's answer for a text in the grid's HTML subset.
constexpr Integer HTMLTextKind = 1;

// The one modifier the press reports: Alt before Shift before Ctrl.
TShiftState PressShift(WPARAM Keys) {
  if (GetKeyState(VK_MENU) < 0) return {ssAlt};
  if (Keys & MK_SHIFT) return {ssShift};
  if (Keys & MK_CONTROL) return {ssCtrl};
  return {};
}

void MovePoint(TMessage& Message, Integer X, Integer Y) {
  auto& M = MsgAs<TWMMouse>(Message);
  M.XPos = static_cast<SmallInt>(X);
  M.YPos = static_cast<SmallInt>(Y);
}

}  // namespace

// The column and row a drag from this press would size: the ones left of
// and above the border the press is on.
void TRezIvevirAvod::NoteSizedCell(Integer ACol, Integer ARow, Integer X, Integer Y) {
  Integer SX = X, SY = Y;
  if (ARow == 0) {
    SX -= 5;
  } else if (ACol != 0) {
    SX -= 5;
    SY -= 4;
  } else {
    SY -= 4;
  }
  MouseToCell(SX, SY, Colclicked, Rowclicked);
  const TRect Sized = Colclicked >= 0 && Rowclicked >= 0 ? CellRect(Colclicked, Rowclicked) : TRect{};
  FClickPosDX = X - Sized.Right;
  FClickPosDY = Y - Sized.Bottom;
  if (Colclicked < 0 || Rowclicked < 0) return;
  Colclickedsize = GetColWidths(Colclicked);
  Rowclickedsize = GetRowHeights(Rowclicked);
}

bool TRezIvevirAvod::IsNormalCell(Integer ACol, Integer ARow) {
  return ACol >= FixedCols() && ARow >= FixedRows() && ACol < ColCount() && ARow < RowCount();
}

void TRezIvevirAvod::DoClickCell(Integer ARow, Integer ACol) {
  if (OnClickCell) OnClickCell(this, ARow, ACol);
}

void TRezIvevirAvod::DoCheckBoxClick(Integer ACol, Integer ARow, bool State) {
  if (OnCheckBoxClick) OnCheckBoxClick(this, ACol, ARow, State);
}

void TRezIvevirAvod::HandleLButtonDownMessage(TMessage& Message) {
  const auto& M = MsgAs<TWMMouse>(Message);
  const Integer X = M.XPos, Y = M.YPos;
  const TShiftState Shift = PressShift(M.Keys);
  FDoOnClick = FMouseDownMove = FMouseKeepDown = true;
  FFilterPressCol = FFilterCol;
  FSpinUpClick = FSpinDnClick = false;
  Integer ACol = -1, ARow = -1;
  MouseToCell(X, Y, ACol, ARow);
  FOrigSelection = Selection();
  if (PressOnSelectionResizer(Message, true)) return;
  if (StartTouchScroll(ACol, ARow, X, Y)) {
    Message.Result = 1;
    return;
  }
  if (Options().Contains(goEditing) && FMouseActions->RangeSelectAndEdit() && !FOrigSelection.Contains(ACol, ARow))
    SetOptions(Options() - goEditing);
  bool Allow = true;
  if (OnCanClickCell) OnCanClickCell(this, ARow, ACol, Allow);
  if (!Allow) return;
  if (FCellSelectorMode) return CellSelectorClick(ACol, ARow);
  if (PressOnSelectionResizer(Message, false)) return;
  if (FMouseActions->DisjunctCellSelect() && !Shift.Contains(ssCtrl) && ACol >= 0 && ARow >= 0 &&
      !IsFixed(ACol, ARow)) {
    FSelectedCells->Clear();
    Invalidate();
  }
  FSearchInc.clear();
  FMovecell = -1;
  FSelectionClick = false;
  FPushedCellButton = TPoint{-1, -1};
  FOldKeepLeftCol = LeftCol();
  FClickPos = TPoint{X, Y};
  NoteSizedCell(ACol, ARow, X, Y);
  if (ACol < 0 || ARow < 0) {
    HideInplaceEdit();
    if (!FFixedRowAlways) TBaseGrid::WndProc(Message);
    return;
  }
  if (PressOnFixedSizing(X, Y)) return;
  // A merged area answers as its base cell.
  const TPoint Base = BaseCell(DisplToRealCol(ACol), ARow);
  const bool Merged = Base.X != DisplToRealCol(ACol) || Base.Y != ARow || IsMergedCell(Base.X, Base.Y);
  ACol = RealToDisplCol(Base.X);
  ARow = Base.Y;
  const TRect CellR = CellRect(ACol, ARow);
  if (FMouseActions->CaretPositioning()) LButFlg = true;
  const bool InFixed = ACol < FixedCols() || ARow < FixedRows();
  if (InFixed || IsFixed(ACol, ARow)) HideInplaceEdit();
  PushFixedCell(ACol, ARow, X - CellR.Left, CellR);
  if (!Designing() && PressOnNodeGlyph(ACol, ARow, X - CellR.Left, X, Y, Shift)) return;
  const Integer RealCol = DisplToRealCol(ACol);
  if (!Designing() && PressOnGadget(Message, ACol, ARow, RealCol, CellR)) return;
  const bool DropHit = !InFixed && FControlLook->DropDownAlwaysVisible() && HasComboBox(RealCol, ARow, edNone);
  if (Merged && !IsFixed(ACol, ARow) && !OnMouseDown && !DropHit) MovePoint(Message, CellR.Left + 2, CellR.Top + 2);
  if (ACol >= ColCount() || ARow >= RowCount()) {
    TBaseGrid::WndProc(Message);
    return;
  }
  if (PressOnDisjunctRowsCols(Message, ACol, ARow, Shift)) return;
  if ((FURLShow || ClassifyCellText(GetCells(RealCol, ARow), FEnableHTML) == HTMLTextKind) &&
      PressOnAnchor(ACol, ARow, RealCol, X, Y))
    return;
  PressNormal(Message, ACol, ARow, RealCol, CellR, Shift);
}

// Spin halves, radio groups, ratings, cell and expand buttons, and the
// selected cell of an OLE drag source; true when the press ends there.
bool TRezIvevirAvod::PressOnGadget(TMessage& Message, Integer ACol, Integer ARow, Integer RealCol,
                                   const TRect& CellR) {
  const auto& M = MsgAs<TWMMouse>(Message);
  const Integer X = M.XPos, Y = M.YPos;
  const bool InFixed = ACol < FixedCols() || ARow < FixedRows();
  if (FControlLook->SpinButtonsAlwaysVisible() && HasSpinEdit(RealCol, ARow, edNone) && X >= CellR.Right - 18) {
    if (Y <= CellR.Top + CellR.Height() / 2)
      FSpinUpClick = true;
    else
      FSpinDnClick = true;
  }
  if (IsRadio(RealCol, ARow) && (IsEditable(ACol, ARow) || FControlLook->RadioAlwaysActive())) {
    HideInplaceEdit();
    RadioGroupClick(RealCol, ARow, X - CellR.Left, Y - CellR.Top);
    if (CanFocus()) SetFocus();
    return true;
  }
  if (ACol == 0 && !InFixed && FNumNodes >= 1 && !FMouseActions->RowSelect() && !Options().Contains(goRowSizing)) {
    if (OnMouseDown) OnMouseDown(this, mbLeft, PressShift(M.Keys), X, Y);
    DoClickCell(ARow, ACol);
    return true;
  }
  const bool GoesOn = (!IsSelected(ACol, ARow) && (ARow >= FixedRows() || FEnhRowColMove)) ||
                      Options().Contains(goEditing) || HasButton(RealCol, ARow) || HasCheckBox(RealCol, ARow) ||
                      !FDragDropSettings->OleDropSource() ||
                      ((FMouseActions->ColSelect() || FMouseActions->AllSelect()) && ARow < FixedRows()) ||
                      ACol < FixedCols() ||
                      (Options().Contains(goColSizing) && (X - CellR.Left < 4 || CellR.Right - X < 4));
  if (!GoesOn) {
    if (CanFocus()) SetFocus();
    if (OnMouseDown) OnMouseDown(this, mbLeft, PressShift(M.Keys), X, Y);
    FSelectionClick = true;
    DoClickCell(ARow, ACol);
    return true;
  }
  if (HasRating(RealCol, ARow) && IsEditable(ACol, ARow)) {
    HideInplaceEdit();
    // Half a star for every 9 pixels from the cell's left edge.
    double NewRate = std::trunc(double(X - CellR.Left) / 9.0) / 2.0;
    if (DoRatingChange(RealCol, ARow, NewRate)) {
      SetFloats(RealCol, ARow, NewRate);
      RepaintCell(ACol, ARow);
    }
    return true;
  }
  const bool Button = HasButton(RealCol, ARow), Expand = GetCellType(RealCol, ARow) == ctExpand;
  if (!Button && !Expand) return false;
  HideInplaceEdit();
  if (!IsFixed(ACol, ARow)) {
    // Leaving the old cell is validated and announced; the current cell stays.
    FForceSel = true;
    SelectCell(ACol, ARow);
    FForceSel = false;
  }
  const TRect Hit = Button ? GetCellButtonRect(ACol, ARow) : GetExpandButtonRect(ACol, ARow);
  if (!Hit.Contains(TPoint{X, Y})) return false;
  if (Button) PushButton(ACol, ARow, true);
  FPushedCellButton = TPoint{ACol, ARow};
  if (Expand) DoClickCell(ARow, ACol);
  SetCapture(Handle());
  if (Button) DoClickCell(ARow, ACol);
  return true;
}

// Disjunct row and column selection by the mouse; true when the press is
// done (a Shift press that extends the range).
bool TRezIvevirAvod::PressOnDisjunctRowsCols(TMessage& Message, Integer ACol, Integer ARow, TShiftState Shift) {
  const bool NormalRow = ARow >= FixedRows();
  if (FMouseActions->DisjunctRowSelect() && NormalRow &&
      (ACol >= FixedCols() || (!FMouseActions->HotmailRowSelect() && !FMouseActions->RowSelect()))) {
    if (Shift.Contains(ssShift)) {
      const TGridRect Orig = FOrigSelection;
      TBaseGrid::WndProc(Message);
      SetSelection(TGridRect{std::min(ACol, Orig.Left), std::min(ARow, Orig.Top), std::max(ACol, Orig.Left),
                             std::max(ARow, Orig.Top)});
      return true;
    }
    if (!Shift.Contains(ssCtrl) && !FMouseActions->DisjunctRowSelectNoCtrl()) {
      FMouseDown = true;
      if (!Shift.Contains(ssAlt)) ResetRowSelectFlags();
    } else if (FMouseActions->RowSelectPersistent()) {
      FDeselectState = GetRowSelect(DisplToRealRow(ARow));
    } else {
      FDeselectState = GetRowSelect(ARow);
    }
  }
  if (FMouseActions->DisjunctColSelect() && ACol >= FixedCols()) {
    if (!Shift.Contains(ssCtrl)) {
      FMouseDown = true;
      ClearColSelect();
    } else {
      FDeselectState = GetColSelect(ACol);
    }
  }
  return false;
}

// The press after every gadget: header selections, boxes, the ellipsis
// button, the base grid's own press and the editor.
void TRezIvevirAvod::PressNormal(TMessage& Message, Integer ACol, Integer ARow, Integer RealCol, const TRect& CellR,
                                 TShiftState Shift) {
  const auto& M = MsgAs<TWMMouse>(Message);
  const Integer X = M.XPos, Y = M.YPos;
  FMovecell = -1;
  if (SelectByFixedCells(ACol, ARow, Shift)) return;
  if (ARow < FixedRows() && ACol >= FixedCols()) FMovecell = ACol;
  if (ACol < FixedCols() && ARow >= FixedRows()) FMovecell = ARow;
  if (ToggleBoxByClick(ACol, ARow, RealCol, Shift)) return;
  PressOnEllipsis(ACol, ARow, RealCol, X, Y, CellR);
  const bool Normal = IsNormalCell(ACol, ARow);
  bool Editable = Options().Contains(goEditing) || FMouseActions->RangeSelectAndEdit();
  CanEditCell(RealCol, ARow, Editable);
  const bool DropHit = Normal && FControlLook->DropDownAlwaysVisible() && HasComboBox(RealCol, ARow, edNone);
  const bool DirectEdit = FMouseActions->DirectEdit() || (FControlLook->DropDownAlwaysVisible() && DropHit);
  if (Normal && (Editable || (FMouseActions->EditOnDblClickOnly() && DropHit)) && DirectEdit) {
    if (FMouseActions->EditOnDblClickOnly() && DropHit) FEditActive = false;
    HideInplaceEdit();
    if (CanFocus()) SetFocus();
  }
  const TGridRect Sel = Selection();
  const bool OnCurrent = CellR.Contains(TPoint{X, Y}) && Sel.Left == ACol && Sel.Right == ACol &&
                         Sel.Top == ARow && Sel.Bottom == ARow;
  bool StartSelecting = false;
  if (!OnCurrent && FMouseActions->RangeSelectAndEdit() && !IsFixed(ACol, ARow) && !Editable) {
    SetOptions(Options() - goEditing);
    StartSelecting = true;
  }
  if (Normal && IsFixed(ACol, ARow)) {
    DoClickCell(ARow, ACol);
    return;
  }
  const Integer OldTop = TopRow(), OldLeft = LeftCol();
  if (!FSelHidden) {
    const bool AlwaysEdit = FNavigation->AlwaysEdit();
    FNavigation->SetAlwaysEdit(false);
    TBaseGrid::WndProc(Message);
    FNavigation->SetAlwaysEdit(AlwaysEdit);
  }
  const bool Partial = ARow == OldTop + VisibleRowCount() || ACol == OldLeft + VisibleColCount();
  if (FGridState == gsSelecting && Partial && FMouseActions->NoAutoRangeScroll()) FGridState = gsNormal;
  if (TopRow() != OldTop && FMouseActions->NoScrollOnPartialRow()) {
    SetTopRow(OldTop);
    SendMessageW(Handle(), WM_LBUTTONUP, 0, 0);
  }
  if (LeftCol() != OldLeft && FMouseActions->NoScrollOnPartialCol()) {
    SetLeftCol(OldLeft);
    SendMessageW(Handle(), WM_LBUTTONUP, 0, 0);
  }
  const bool OnBorder = X - CellR.Left < 4 || CellR.Right - X < 4;
  if (!(OnBorder && ARow < FixedRows() && Options().Contains(goColSizing))) DoClickCell(ARow, ACol);
  if (OnCellValidate) {
    FEntered = false;
    RememberOldCell(Col(), Row());
  }
  if (!OnBorder && Normal && Editable && DirectEdit && !HasClickableGraphic(RealCol, ARow) &&
      (Col() == ACol && Row() == ARow))
    ShowInplaceEdit();
  if (StartSelecting) FGridState = gsSelecting;
}

// The top-left corner selects all, a fixed column selects its row and a
// fixed row its column, as the move over them announced; true when done.
bool TRezIvevirAvod::SelectByFixedCells(Integer ACol, Integer ARow, TShiftState Shift) {
  const bool Ranged = Options().Contains(goRangeSelect);
  const TGridRect Old = Selection();
  TGridRect R{};
  if (ACol < FixedCols() && ARow < FixedRows() && FMouseActions->AllSelect() && Ranged &&
      FMouseSelectMode == msAll) {
    R = TGridRect{FixedCols(), FixedRows(), ColCount() - 1, RowCount() - 1};
    AdjustSelectAllRect(R);
  } else if (ACol < FixedCols() && ARow >= FixedRows() && FMouseActions->RowSelect() && FMouseSelectMode == msRow) {
    if (FMouseActions->DisjunctRowSelect() && Shift.Contains(ssCtrl)) {
      SetRowSelect(ARow, !GetRowSelect(ARow));
      return true;
    }
    if (FMouseActions->DisjunctRowSelect()) ResetRowSelectFlags();
    R = TGridRect{FixedCols(), ARow, ColCount() - 1, Shift.Contains(ssShift) ? Old.Top : ARow};
    if (R.Top > R.Bottom) std::swap(R.Top, R.Bottom);
    FMouseSelectStart = ARow;
    FMouseSelectDrag = msRow;
  } else if (ARow < FixedRows() && ACol >= FixedCols() && FMouseActions->ColSelect() && Ranged &&
             FMouseSelectMode == msColumn) {
    R = TGridRect{ACol, FixedRows(), ACol, RowCount() - 1};
    if (Shift.Contains(ssShift)) {
      if (ACol >= Old.Left)
        R.Left = Old.Left;
      else
        R.Right = Old.Right;
    }
    FMouseSelectStart = ACol;
    FMouseSelectDrag = msColumn;
  } else {
    return false;
  }
  if (CanFocus()) SetFocus();
  if (FMouseActions->DisjunctCellSelect()) FSelectedCells->Clear();
  SetSelection(R);
  FSelHidden = false;
  Invalidate();
  return true;
}

// A click on a check box or radio button toggles it; true when it did.
bool TRezIvevirAvod::ToggleBoxByClick(Integer ACol, Integer ARow, Integer RealCol, TShiftState Shift) {
  (void)Shift;
  bool Editable = Options().Contains(goEditing) || FMouseActions->RangeSelectAndEdit();
  CanEditCell(RealCol, ARow, Editable);
  const bool Hotmail = ACol == 0 && FMouseActions->HotmailRowSelect();
  const bool Radio = HasRadioButton(RealCol, ARow);
  if (!(Editable || FControlLook->CheckAlwaysActive() || Hotmail)) return false;
  if (!Radio && !HasCheckBox(RealCol, ARow)) return false;
  if (!IsInCheckBox(RealCol, ARow, FClickPos.X, FClickPos.Y)) return false;
  HideInplaceEdit();
  if (CanFocus()) SetFocus();
  if (Radio) {
    ToggleRadioButton(RealCol, ARow, true);
    if (OnRadioButtonClick) OnRadioButtonClick(this, RealCol, ARow);
  } else {
    ToggleCheckBoxEx(RealCol, ARow, true);
  }
  if (FShowModified->Enabled()) {
    SetRowModified(ARow, true);
    RepaintCell(0, ARow);
  }
  if (Hotmail) SetRowSelect(DisplToRealRow(ARow), !GetRowSelect(DisplToRealRow(ARow)));
  bool State = false;
  GetCheckBoxState(RealCol, ARow, State);
  if (IsNormalCell(ACol, ARow) && !FNavigation->AlwaysEdit()) MoveCurrentCell(ACol, ARow);
  DoCheckBoxClick(ACol, ARow, State);
  if (ARow < FixedRows() && FMouseActions->CheckAllCheck()) {
    for (Integer r = FixedRows(); r < RowCount() - FFixedFooters; ++r) {
      if (FMouseActions->HotmailRowSelect())
        SetRowSelect(r, State);
      else
        SetCheckBoxState(RealCol, DisplToRealRow(r), State);
    }
    Invalidate();
  }
  if (OnMouseDown) OnMouseDown(this, mbLeft, KeyboardStateToShiftState(), FClickPos.X, FClickPos.Y);
  return true;
}

// The item of a radio group under a point relative to the cell's corner.
void TRezIvevirAvod::RadioGroupClick(Integer ACol, Integer ARow, Integer X, Integer Y) {
  const TPoint Base = BaseCell(ACol, ARow);
  TCellGraphic* G = GetCellGraphic(Base.X, Base.Y);
  if (!G) return;
  TCanvas* C = Canvas();
  C->Font()->Assign(Font());
  GetCellColor(Base.X, Base.Y, TGridDrawState{}, C->Brush(), C->Font());
  if (!IsFixed(RealToDisplCol(Base.X), Base.Y)) MoveCurrentCell(RealToDisplCol(Base.X), Base.Y);
  const Integer Gap = FControlLook->ControlStyle() >= csWinXP ? 16 : FControlLook->RadioSize();
  TStrings* Items = GetRadioStrings(Base.X, Base.Y);
  if (!Items) return;
  Integer Hit = -1, Edge = 0;
  const bool Horizontal = G->CellBoolean();
  const Integer ItemHeight = std::max(Gap, C->TextHeight(L"gh"));
  for (Integer i = 0; i < Items->Count() && Hit < 0; ++i) {
    const Integer Next = Edge + (Horizontal ? Gap + C->TextWidth(Items->Strings(i)) : ItemHeight);
    const Integer At = Horizontal ? X : Y;
    if (At > Edge && At < Next) Hit = i;
    Edge = Next;
  }
  if (Hit < 0) return;
  SetCells(Base.X, Base.Y, Items->Strings(Hit));
  SetRadioIdx(Base.X, Base.Y, Hit);
  if (OnRadioClick) OnRadioClick(this, Base.X, Base.Y, Hit);
}

// --- right button ----------------------------------------------------------------------------

void TRezIvevirAvod::HandleRButtonDownMessage(TMessage& Message) {
  const auto& M = MsgAs<TWMMouse>(Message);
  const Integer X = M.XPos, Y = M.YPos;
  TBaseGrid::WndProc(Message);
  Integer ACol = -1, ARow = -1;
  MouseToCell(X, Y, ACol, ARow);
  const bool Cell = ACol >= 0 && ARow >= 0;
  if (Cell && FMouseActions->SelectOnRightClick() && !IsFixed(ACol, ARow) && IsNormalCell(ACol, ARow) &&
      !(FMouseActions->DisjunctCellSelect() && IsSelected(ACol, ARow))) {
    const bool WasSelected = IsSelected(ACol, ARow);
    if (!(WasSelected && !Options().Contains(goRowSelect))) MoveCurrentCell(ACol, ARow);
    if (FMouseActions->DisjunctRowSelect()) {
      const bool Toggle = GetKeyState(VK_CONTROL) < 0 || FMouseActions->DisjunctRowSelectNoCtrl();
      if (Toggle) {
        SetRowSelect(ARow, !GetRowSelect(ARow));
      } else if (!(RowSelectCount() > 1 && PopupMenu() && GetRowSelect(ARow))) {
        // A right click on a row of a selection the menu is to act on keeps it.
        ResetRowSelectFlags();
        SetRowSelect(ARow, true);
      }
    }
  }
  if (OnRightClickCell) OnRightClickCell(this, ARow, ACol);
  if (Cell && FURLShow && FURLEdit && IsURLText(GetCells(DisplToRealCol(ACol), ARow))) {
    MoveCurrentCell(ACol, ARow);
    ShowEditor();
  }
}

void TRezIvevirAvod::HandleRButtonUpMessage(TMessage& Message) {
  const bool Moving = FGridState == gsRowMoving || FGridState == gsColMoving;
  if (Moving && FEnhRowColMove && Screen && (Screen->Cursor() == crDrag || Screen->Cursor() == crNoDrop)) {
    Message.Result = 0;
    return;
  }
  TBaseGrid::WndProc(Message);
}

}  // namespace jorv::grid
