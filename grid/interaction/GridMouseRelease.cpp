// The release of the left button ends what the press started (a pushed
// cell button, a disjunct selection) and, on the sort row of the header,
// sorts by the clicked column; the double click sizes a column to its
// contents at a header border or opens the editor.
#include <cstdlib>

#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/Clock.h"
#include "platform/rtl/ScopeExit.h"

namespace jorv::grid {

namespace {

TShiftState ReleaseShift(WPARAM Keys) {
  TShiftState Shift = KeysToShiftState(Keys);
  if (GetKeyState(VK_MENU) < 0) Shift += ssAlt;
  return Shift;
}

}  // namespace

void TRezIvevirAvod::HandleLButtonUpMessage(TMessage& Message) {
  const auto& M = MsgAs<TWMMouse>(Message);
  const Integer X = M.XPos, Y = M.YPos;
  const TShiftState Shift = ReleaseShift(M.Keys);
  FColMoveFlg = ColSizeFlg = false;
  FMouseDown = FMouseKeepDown = false;
  FMouseSelectMode = msNormal;
  FMouseDownMove = false;
  FMouseSelectStart = -1;
  FMouseSelectDrag = msNormal;
  HideHeaderDragImage();
  if (EndTouchScroll(X, Y)) {
    TBaseGrid::WndProc(Message);
    return;
  }
  ReleasePushedFixedCell();
  if (ReleaseFixedSizing(X, Y)) ColSizeFlg = true;
  ReleaseHTMLButton();
  Integer C = -1, R = -1;
  MouseToCell(X, Y, C, R);
  const bool Valid = C >= 0 && R >= 0;
  if (FPushedCellButton.X >= 0) ReleasePushedButton(C, R, X, Y);
  HideSizeHint();
  const bool Moving = FGridState == gsColMoving || FGridState == gsRowMoving;
  if (Valid && !Moving) {
    const Integer RC = DisplToRealCol(C);
    const bool OnButton = HasButton(RC, R) && GetCellButtonRect(C, R).Contains(TPoint{X, Y});
    const bool OnExpand = GetCellType(RC, R) == ctExpand && GetExpandButtonRect(C, R).Contains(TPoint{X, Y});
    if (OnButton || OnExpand) {
      TBaseGrid::WndProc(Message);
      return;
    }
  }
  const TRect CR = Valid ? CellRect(C, R) : TRect{};
  const bool OnBorder = Valid && R < FixedRows() && Options().Contains(goColSizing) &&
                        (std::abs(X - CR.Left) < 4 || std::abs(X - CR.Right) < 4);
  const bool InFixed = Valid && (C < FixedCols() || R < FixedRows());
  if (OnClick && FDoOnClick && !OnBorder && InFixed) OnClick(this);
  FDoOnClick = false;
  if (EndMouseMove(X, Y)) FColMoveFlg = true;
  const TGridState Before = FGridState;
  TBaseGrid::WndProc(Message);
  if (Before == gsColSizing || Before == gsRowSizing) ColSizeFlg = true;
  // A sizing that changed nothing leaves no flag for a later width change.
  ColSized = RowSized = false;
  if (FSelectionClick) {
    FSelectionClick = false;
    if (Valid && IsNormalCell(C, R)) {
      if (FMouseActions->DisjunctRowSelect() && FDragDropSettings->OleDropSource()) {
        if (Shift.Contains(ssCtrl) || FMouseActions->DisjunctRowSelectNoCtrl()) {
          SetRowSelect(R, !GetRowSelect(R));
          if (OnMouseUp) OnMouseUp(this, mbLeft, {ssCtrl}, C, R);
          return;
        }
        ResetRowSelectFlags();
      }
      SetSelection(Options().Contains(goRowSelect) ? TGridRect{FixedCols(), R, ColCount() - 1, R}
                                                   : TGridRect{C, R, C, R});
    }
  }
  ReleaseDisjunct(C, R);
  if (Valid && InFixed && !OnBorder && OnFixedCellClick) OnFixedCellClick(this, C, R);
  ResizeSelectionOnRelease();
  if (FColMoveFlg || ColSizeFlg || !Valid) return;
  const Integer RC = DisplToRealCol(C);
  bool State = false;
  if (HasCheckBox(RC, R) && OnCheckBoxMouseUp && GetCheckBoxState(RC, R, State))
    OnCheckBoxMouseUp(this, RC, R, State);
  Integer RadioIndex = -1;
  if (IsRadio(RC, R) && OnRadioMouseUp && GetRadioIdx(RC, R, RadioIndex)) OnRadioMouseUp(this, RC, R, RadioIndex);
  if (RC < FixedCols() && R < FixedRows() && !FSortSettings->FixedCols()) return;
  SortByHeaderClick(C, R, X, Y, Shift);
}

// The pushed cell or expand button comes up; a release over it clicks it.
void TRezIvevirAvod::ReleasePushedButton(Integer C, Integer R, Integer X, Integer Y) {
  const TPoint P = FPushedCellButton;
  FPushedCellButton = TPoint{-1, -1};
  auto Release = ScopeExit([] { ReleaseCapture(); });
  const Integer PRC = DisplToRealCol(P.X);
  const bool Expand = GetCellType(PRC, P.Y) == ctExpand;
  bool Enabled = Options().Contains(goEditing);
  if (C >= 0 && R >= 0 && !FControlLook->NoDisabledButtonLook()) {
    const TPoint Base = BaseCell(DisplToRealCol(C), R);
    bool CanEdit = true, Fixed = false;
    CanEditCell(Base.X, Base.Y, CanEdit);
    IsFixedCell(RealToDisplCol(Base.X), Base.Y, Fixed);
    Enabled = CanEdit && !Fixed;
  }
  const bool InFixed = P.X < FixedCols() || P.Y < FixedRows();
  if (!(Enabled || FControlLook->NoDisabledButtonLook() || Expand || InFixed)) return;
  // A fixed cell pushed as a button may hold a check box, whose state is no push state.
  if (!Expand && HasButton(PRC, P.Y)) PushButton(P.X, P.Y, false);
  if (C < 0 || R < 0) return;
  const TPoint At{X, Y};
  if (!Expand && (GetCellButtonRect(P.X, P.Y).Contains(At) || (FFixedAsButtons && P.X < FixedCols()) ||
                  P.Y < FixedRows()))
    DoButtonClick(P.X, P.Y);
  if (Expand && GetExpandButtonRect(P.X, P.Y).Contains(At)) {
    TCellGraphic* G = GetCellGraphic(PRC, P.Y);
    const bool Expanded = !(G->CellVar().IsEmpty() ? false : bool(G->CellVar()));
    G->SetCellVar(Variant(Expanded));
    RepaintCell(P.X, P.Y);
    if (OnExpandClick) OnExpandClick(this, P.X, P.Y, Expanded);
  }
}

// The end of a disjunct row or column selection: the selection made by the
// press joins the selected rows or columns, or a press on a selected one
// takes it out.
void TRezIvevirAvod::ReleaseDisjunct(Integer C, Integer R) {
  if (FMouseActions->DisjunctRowSelect()) {
    if (C < 0 && R < 0) {
      SelectionToRowSelect(false);
    } else if (C >= 0 && R >= 0 && !(C == 0 && IsNode(R))) {
      if (!(C == 0 && FMouseActions->HotmailRowSelect())) SelectionToRowSelect(false);
      if (R >= FixedRows() && R < RowCount() - FFixedFooters && FDeselectState) {
        SetRowSelect(FMouseActions->RowSelectPersistent() ? DisplToRealRow(R) : R, false);
        FSelChange = false;
      }
      if (FMouseActions->HotmailRowSelect()) RepaintCell(0, 0);
      FDeselectState = false;
    }
  }
  if (FMouseActions->DisjunctColSelect()) {
    SelectionToColSelect(false);
    if (C >= FixedCols() && C < ColCount() - FFixedRightCols && FDeselectState) SetColSelect(C, false);
    FDeselectState = false;
  }
}

// A click (press and release) on the sort row of the header sorts by the
// column; never a release on a column border or on a header's drop-down or
// filter button.
void TRezIvevirAvod::SortByHeaderClick(Integer C, Integer R, Integer X, Integer Y, TShiftState Shift) {
  if (FDblClk) {
    FDblClk = false;
    return;
  }
  const TRect CR = CellRect(C, R);
  if (R < FixedRows() && Options().Contains(goColSizing) && (X - CR.Left < 4 || CR.Right - X < 4)) return;
  Integer PC = -1, PR = -1;
  MouseToCell(FClickPos.X, FClickPos.Y, PC, PR);
  const Integer RC = DisplToRealCol(C);
  const bool SortRow = R == FSortSettings->Row() && R == PR && FixedRows() > 0 && !IsInCheckBox(RC, R, X, Y) &&
                       FSortSettings->Show() && RowCount() > 2;
  if (!SortRow) return;
  // The header's drop-down and filter buttons take their own clicks.
  if (X >= CR.Right - 16) {
    if (FControlLook->FixedDropDownButton() && DoCanShowFixedDropDown(RC)) return;
    if (R == FFilterDropDownRow && (FFilterCol == RC || ShowsFilterButton(RC))) return;
  }
  bool Allow = !FIgnoredColumns->HasValue(RC);
  DoCanSort(RC, Allow);
  if (!Allow) {
    RepaintCell(C, FSortSettings->Row());
    return;
  }
  SortClickedColumn(RC, Shift);
}

void TRezIvevirAvod::SortClickedColumn(Integer RC, TShiftState Shift) {
  HideInplaceEdit();
  if (RowCount() != FSortList->Count()) InitSortXRef();
  const bool Nodes = FNumNodes > 0;
  const bool Ascending = FSortSettings->InitSortDirection() == sdAscending;
  const Cardinal Start = GetTickCount();
  {
    const bool KeepLeft = FNavigation->KeepHorizScroll() && Options().Contains(goRowSelect);
    const Integer OldLeft = LeftCol();
    if (KeepLeft) BeginUpdate();
    auto Restore = ScopeExit([&] {
      if (!KeepLeft) return;
      SetLeftCol(OldLeft);
      EndUpdate();
    });
    if (FSortSettings->IndexShow()) {
      const bool Key = Shift.Contains(FSortSettings->IndexSortKey() == ikCtrl ? ssCtrl : ssShift);
      TSortIndexList& List = *FSortIndexes;
      if (Key && List.FindIndex(RC) < 0) {
        List.AddIndex(RC, Ascending);
      } else if (Key || (List.Count() == 1 && List.GetSortColumns(0) == RC)) {
        List.ToggleIndex(RC);
      } else {
        List.Clear();
        List.AddIndex(RC, Ascending);
      }
      if (Nodes)
        QSortGroupIndexed();
      else
        QSortIndexed();
      // The header shows the first index's column and direction.
      FSortSettings->SetColumn(List.Count() > 0 ? List.GetSortColumns(0) : -1);
      if (List.Count() > 0) FSortSettings->SetDirection(List.GetSortDirections(0) ? sdAscending : sdDescending);
    } else {
      bool Undo = false;
      if (RC == FSortSettings->Column()) {
        Undo = FSortSettings->Direction() != FSortSettings->InitSortDirection() && FSortSettings->UndoSort();
        FSortSettings->ToggleDirection();
      } else {
        FSortSettings->SetDirection(FSortSettings->InitSortDirection());
        FSortSettings->SetColumn(RC);
      }
      if (Nodes) {
        QSortGroup();
      } else if (Undo) {
        QUnSort();
        FSortSettings->SetColumn(-1);
      } else {
        QSort();
      }
    }
  }
  FSortTime = GetTickCount() - Start;
  if (FNumCellControls > 0) CellControlsUpdate(true);
  Invalidate();
  if (OnClickSort) OnClickSort(this, FSortSettings->Column());
}

// --- double click ----------------------------------------------------------------------------

void TRezIvevirAvod::HandleLButtonDblClkMessage(TMessage& Message) {
  const auto& M = MsgAs<TWMMouse>(Message);
  const Integer X = M.XPos, Y = M.YPos;
  Integer C = -1, R = -1;
  MouseToCell(X, Y, C, R);
  if (FMouseActions->RangeSelectAndEdit() && C >= 0 && R >= 0 && !HasClickableGraphic(DisplToRealCol(C), R))
    FForceSel = true;
  auto Unforce = ScopeExit([this] { FForceSel = false; });
  if (C == -1) {
    if (FFixedRowAlways) {
      TBaseGrid::WndProc(Message);
      return;
    }
    // Right of the last column counts as its header.
    C = ColCount() - 1;
    R = 0;
  }
  if (AutoSizeOnDblClick(Message, C, R, X)) return;
  if (R < 0) {
    TBaseGrid::WndProc(Message);
    return;
  }
  const Integer RC = DisplToRealCol(C);
  const TPoint At{X, Y};
  if ((HasButton(RC, R) && GetCellButtonRect(C, R).Contains(At)) ||
      (GetCellType(RC, R) == ctExpand && GetExpandButtonRect(C, R).Contains(At)))
    return;
  TBaseGrid::WndProc(Message);
  if (OnDblClickCell) OnDblClickCell(this, R, C);
  if (HasClickableGraphic(RC, R) && !HasButton(RC, R)) return;
  if (FMouseActions->EditOnDblClickOnly()) {
    const bool Range = FMouseActions->RangeSelectAndEdit();
    FMouseActions->SetRangeSelectAndEdit(true);
    auto Back = ScopeExit([&] { FMouseActions->SetRangeSelectAndEdit(Range); });
    if (IsNormalCell(C, R) && IsEditable(C, R)) {
      SetOptions(Options() + goEditing);
      FOldCol = C;
      FOldRow = R;
      ShowInplaceEdit();
    }
  } else if (FMouseActions->RangeSelectAndEdit() && IsNormalCell(C, R) && IsEditable(C, R)) {
    SetOptions(Options() + goEditing);
    const TPoint Base = BaseCell(RC, R);
    const TRect BaseR = CellRect(RealToDisplCol(Base.X), Base.Y);
    MouseDown(mbLeft, {}, BaseR.Left + 4, BaseR.Top + 4);
  }
  FixedCellEditOnDblClick(C, R);
}

// A double click on a header border sizes the column left of it (or the
// column itself at its right border) to its contents; true when it hit a
// border, so that the release after it does not sort.
bool TRezIvevirAvod::AutoSizeOnDblClick(TMessage& Message, Integer C, Integer R, Integer X) {
  if (R < 0 || R >= FixedRows() || !Options().Contains(goColSizing) || !FMouseActions->AutoSizeColOnDblClick())
    return false;
  const TRect CR = CellRect(C, R);
  Integer Target = -1;
  bool Border = false;
  if (std::abs(X - CR.Left) <= 3) {
    Border = FDblClk = true;
    if (C - 1 >= FixedCols()) Target = C - 1;
  }
  if (Target < 0 && std::abs(X - CR.Right) <= 3 && C >= FixedCols()) {
    Border = FDblClk = true;
    Target = C;
  }
  if (!Border) return false;
  if (Target >= 0) {
    bool Allow = true;
    if (OnColumnSize) OnColumnSize(this, Target, Allow);
    if (Allow) {
      AutoSizeCol(Target, 0);
      if (OnEndColumnSize) OnEndColumnSize(this, Target);
    }
  }
  FForceSel = false;
  TBaseGrid::WndProc(Message);
  return true;
}

// --- moved rows and columns ------------------------------------------------------------------

void TRezIvevirAvod::FollowMovedColumn(Integer DisplFrom, Integer DisplTo, Integer RealFrom, Integer RealTo) {
  FColMoveFlg = true;
  auto Follow = [RealFrom, RealTo](Integer Column) {
    if (Column == RealFrom) return RealTo;
    if (RealFrom < Column && Column <= RealTo) return Column - 1;
    if (RealTo <= Column && Column < RealFrom) return Column + 1;
    return Column;
  };
  if (FSortSettings->Column() >= 0) FSortSettings->SetColumn(Follow(FSortSettings->Column()));
  for (Integer i = 0; i < FSortIndexes->Count(); ++i)
    FSortIndexes->SetSortColumns(i, Follow(FSortIndexes->GetSortColumns(i)));
  (void)DisplFrom;
  (void)DisplTo;
}

void TRezIvevirAvod::RowMoved(Integer FromIndex, Integer ToIndex) {
  TBaseGrid::RowMoved(FromIndex, ToIndex);
  FColMoveFlg = true;
  SyncMovedRow(FromIndex, ToIndex);
}

}  // namespace jorv::grid
