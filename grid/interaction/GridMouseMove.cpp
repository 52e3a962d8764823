// The grid's mouse processing around the base grid's: what the mouse is
// over (hover looks, the select mode of the header cells, links), the
// filter lists that a release on a header's filter button opens, disjunct
// cell selection, and the selection-changed notice.
#include "foundation/TextUtils.h"
#include "foundation/ValueUtils.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/Menus.h"

namespace jorv::grid {

namespace {

constexpr Integer HTMLTextKind = 1;

// The program's cursors of the select modes (resources 8010 row, 8011
// column, 8012 all); a program without them gets system cursors.
HCURSOR SelectModeCursor(Integer Id) {
  if (HCURSOR Own = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(Id))) return Own;
  const wchar_t* System = Id == 8010 ? IDC_SIZEWE : Id == 8011 ? IDC_UPARROW : IDC_CROSS;
  return LoadCursorW(nullptr, System);
}

void RaiseSelectionChanged(TRezIvevirAvod* Grid, const TGridRect& R) {
  Grid->DoSelectionChanged(R.Left, R.Top, R.Right, R.Bottom);
}

}  // namespace

void TRezIvevirAvod::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  Integer C = -1, R = -1;
  MouseToCell(X, Y, C, R);
  FFltrPopPressCol = -1;
  auto Events = FSuppressMouseEvents ? std::move(OnMouseDown) : TMouseEvent{};
  auto PutBack = ScopeExit([&] {
    if (Events) OnMouseDown = std::move(Events);
  });
  if (FMouseActions->RangeSelectAndEdit() && Button == mbLeft && !FMouseActions->EditOnDblClickOnly()) {
    const bool OnCurrent = C == Col() && R == Row();
    if (OnCurrent && !Options().Contains(goEditing) && IsNormalCell(C, R) && IsEditable(C, R)) {
      SetOptions(Options() + goEditing);
      TBaseGrid::MouseDown(Button, Shift, X, Y);
      ShowInplaceEdit();
      return;
    }
    if (!OnCurrent && Options().Contains(goEditing) && Shift.Contains(ssShift)) {
      SetOptions(Options() - goEditing);
      TBaseGrid::MouseDown(Button, Shift, X, Y);
      return;
    }
  }
  if (PressOnFixedDropDown(C, R, X, Y)) return;
  FEditStart = true;
  {
    auto Done = ScopeExit([this] { FEditStart = false; });
    TBaseGrid::MouseDown(Button, Shift, X, Y);
  }
  if (Shift.Contains(ssShift) && FSelectionRectangle) RepaintRect(Selection());
  if (PressOnFilterEdit(C, R, X, Y)) return;
  if (PressOnFixedCellToEdit(Button, C, R, X, Y)) return;
  // A grid that follows this one takes its current cell.
  auto* Synced = FSyncGrid->Grid();
  if (!Synced) return;
  if (FSyncGrid->SelectionColumn() && FUpdateCount == 0) Synced->SetCol(Col());
  if (FSyncGrid->SelectionRow()) Synced->SetRow(Row());
}

void TRezIvevirAvod::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  if (Designing()) {
    TBaseGrid::MouseUp(Button, Shift, X, Y);
    DesignHelperClick(X, Y);
    return;
  }
  auto Events = FSuppressMouseEvents ? std::move(OnMouseUp) : TMouseEvent{};
  auto PutBack = ScopeExit([&] {
    if (Events) OnMouseUp = std::move(Events);
  });
  const bool Changed = !(Selection() == FOrigSelection) &&
                       (Button == mbLeft || (Button == mbRight && FMouseActions->SelectOnRightClick()));
  const TGridRect SelBefore = Selection();
  Integer C = -1, R = -1;
  MouseToCell(X, Y, C, R);
  if (Button == mbLeft && FilterTypeMenuOnRelease(C, R, X, Y)) return;
  if (Button == mbLeft) FilterListOnRelease(Button, C, R, X, Y);
  FDropDownDown = false;
  if (SelectDisjunctCellOnRelease(Button, Shift, C, R)) return;
  if (Changed) RaiseSelectionChanged(this, SelBefore);
  if (!(Button == mbRight && FGridState == gsColMoving)) TBaseGrid::MouseUp(Button, Shift, X, Y);
  if (!(Selection() == SelBefore)) RaiseSelectionChanged(this, Selection());
}

// A release on the filter button of a header cell opens the column's value
// list; a release anywhere else, or on the column whose list was open when
// the button went down, closes it.
bool TRezIvevirAvod::FilterListOnRelease(TMouseButton Button, Integer C, Integer R, Integer X, Integer Y) {
  const Integer OpenAtPress = FFilterPressCol;
  FFilterPressCol = -1;
  if (Button != mbLeft) return false;
  const Integer RC = C >= 0 ? DisplToRealCol(C) : -1;
  const bool Header = C >= 0 && R == FFilterDropDownRow && R < FixedRows();
  if (!Header || RC == OpenAtPress || FGridState == gsColSizing) {
    HideFilterLists();
    return false;
  }
  // Only a header that shows a filter button opens a list: without values
  // the list would hold nothing but its clearing entry.
  const TRect CR = CellRect(C, R);
  if (!(X > CR.Right - 16 && X < CR.Right - 3 && Y < CR.Top + 19) || !ShowsFilterButton(RC)) {
    HideFilterLists();
    return false;
  }
  return ShowFilterList(RC);
}

// A press on a filter-edit cell's type button (its top-left 16 x 16
// pixels) is remembered for the release, which opens the type menu.
bool TRezIvevirAvod::PressOnFilterEdit(Integer C, Integer R, Integer X, Integer Y) {
  if (C < 0 || R < 0 || !HasFilterEdit(C, R)) return false;
  const TRect CR = CellRect(C, R);
  if (X < CR.Left + 16 && Y < CR.Top + 16) FFltrPopPressCol = C;
  // Right of the type button, away from the borders, the cell's edit opens.
  const TRect EditArea{CR.Left + 22, CR.Top + 4, CR.Right - 4, CR.Bottom - 4};
  if (EditArea.Contains(TPoint{X, Y})) ShowFixedCellEditor(C, R, true);
  return true;
}

bool TRezIvevirAvod::FilterTypeMenuOnRelease(Integer C, Integer R, Integer X, Integer Y) {
  const Integer Pressed = FFltrPopPressCol;
  FFltrPopPressCol = -1;
  if (C < 0 || R < 0 || C != Pressed || FGridState == gsColSizing || !HasFilterEdit(C, R)) return false;
  const TRect CR = CellRect(C, R);
  if (!(X < CR.Left + 16 && Y < CR.Top + 16)) return false;
  TPopupMenu* Menu = FilterTypeMenu();
  Menu->SetTag(C);
  const TPoint At = ClientToScreen(TPoint{CR.Left, CR.Bottom});
  Menu->Popup(At.X, At.Y);
  return true;
}

// Disjunct cell selection: a plain click selects the cell alone, Ctrl
// toggles it, Shift adds it; true when OnSelectCell refused the cell.
bool TRezIvevirAvod::SelectDisjunctCellOnRelease(TMouseButton Button, TShiftState Shift, Integer C, Integer R) {
  if (!FMouseActions->DisjunctCellSelect()) return false;
  if (Button != mbLeft || C < 0 || R < 0) {
    if (!Shift.Contains(ssCtrl) && !(C >= 0 && R >= 0 && IsFixed(C, R))) {
      FSelectedCells->Clear();
      Invalidate();
    }
    return false;
  }
  const TPoint Real = BaseCell(DisplToRealCol(C), R);
  const TPoint B{RealToDisplCol(Real.X), Real.Y};
  if (IsFixed(B.X, B.Y) || B.X < FixedCols() || B.Y < FixedRows()) return false;
  bool CanSelect = true;
  if (OnSelectCell) OnSelectCell(this, B.X, B.Y, CanSelect);
  if (!CanSelect) return true;
  if (Shift.Contains(ssShift)) {
    SetSelectedCells(C, R, true);
  } else if (Shift.Contains(ssCtrl)) {
    SetSelectedCells(B.X, B.Y, !GetSelectedCells(B.X, B.Y));
  } else {
    FSelectedCells->Clear();
    SetSelectedCells(B.X, B.Y, true);
  }
  const TGridRect Sel = Selection();
  if (Sel.Left != Sel.Right || Sel.Top != Sel.Bottom) {
    for (Integer r = Sel.Top; r <= Sel.Bottom; ++r)
      for (Integer c = Sel.Left; c <= Sel.Right; ++c)
        if (!(c == B.X && r == B.Y) && !GetSelectedCells(c, r)) SetSelectedCells(c, r, true);
  }
  Invalidate();
  return false;
}

// --- movement --------------------------------------------------------------------------------

void TRezIvevirAvod::MouseMove(TShiftState Shift, Integer X, Integer Y) {
  if (FMouseDownMove && FMouseActions->RangeSelectAndEdit() && Options().Contains(goEditing) && !EditorMode())
    SetOptions(Options() - goEditing);
  FollowTouchScroll(Y);
  const TGridRect SelAtEntry = Selection();
  Integer C = -1, R = -1;
  MouseToCell(X, Y, C, R);
  if (!Designing()) FollowMouseOver(Shift, C, R, X, Y);
  FollowHeaderDrag(C, R, X, Y);
  if (!Designing()) FollowMouseMove(C, R, X, Y);
  // Column stretching reads these once the sizing ends.
  if (!Designing() && FGridState == gsColSizing) ColSized = true;
  if (!Designing() && FGridState == gsRowSizing) RowSized = true;
  TBaseGrid::MouseMove(Shift, X, Y);
  if (FNavigation->KeepHorizScroll() && FMouseKeepDown && FGridState != gsColMoving &&
      LeftCol() != FOldKeepLeftCol) {
    StartUpdate();
    SetLeftCol(FOldKeepLeftCol);
    ResetUpdate();
  }
  RaiseSizingEvents(X, Y);
  if (!(Selection() == SelAtEntry)) RaiseSelectionChanged(this, Selection());
}

// Hover looks, header selection by dragging, the select mode and links.
void TRezIvevirAvod::FollowMouseOver(TShiftState Shift, Integer C, Integer R, Integer X, Integer Y) {
  (void)Shift;
  const bool Valid = C >= 0 && R >= 0;
  if (Valid && HoverRow() && R != FHoverRowIdx) {
    const Integer Old = FHoverRowIdx;
    FHoverRowIdx = R;
    if (Old >= 0 && Old < RowCount()) RepaintRow(Old);
    RepaintRow(R);
  }
  FollowCellScrollBar(Valid ? C : -1, Valid ? R : -1);
  FollowHoverButtons(Valid ? C : -1, Valid ? R : -1);
  SetHoverFixedCell(Valid ? C : -1, Valid ? R : -1);
  const TPoint At{X, Y};
  const Integer RC = Valid ? DisplToRealCol(C) : -1;
  const bool OnButton = Valid && ((HasButton(RC, R) && GetCellButtonRect(C, R).Contains(At)) ||
                                  (GetCellType(RC, R) == ctExpand && GetExpandButtonRect(C, R).Contains(At)));
  if (OnButton && (FHoveredButtonCol != C || FHoveredButtonRow != R)) {
    if (FHoveredButtonCol >= 0) RepaintCell(FHoveredButtonCol, FHoveredButtonRow);
    FHoveredButtonCol = C;
    FHoveredButtonRow = R;
    RepaintCell(C, R);
  } else if (!OnButton && FHoveredButtonCol >= 0) {
    RepaintCell(FHoveredButtonCol, FHoveredButtonRow);
    FHoveredButtonCol = FHoveredButtonRow = -1;
  }
  DragSelectByFixedCells(C, R);
  UpdateMouseSelectMode(C, R, X, Y);
  bool OnLink = false;
  if (Valid && C < ColCount() && R < RowCount()) {
    const String Text = GetCells(RC, R);
    const bool HTML = ClassifyCellText(Text, FEnableHTML) == HTMLTextKind;
    OnLink = !HTML && FURLShow && IsURLText(Text);
    String Anchor;
    if (HTML) {
      String Title;
      Anchor = AnchorUnderPoint(C, R, X, Y, &Title);
      FollowAnchorHint(C, R, Anchor, Title);
      OnLink = !Anchor.empty();
    }
    if (Anchor != FMouseAnchor) {
      if (!FMouseAnchor.empty() && Anchor.empty() && OnAnchorExit) OnAnchorExit(this, R, C, String());
      if (!Anchor.empty() && OnAnchorEnter) OnAnchorEnter(this, R, C, Anchor);
      FMouseAnchor = Anchor;
    }
  }
  if (OnLink && Cursor() != crHandPoint) {
    FOldCursor = Cursor();
    SetCursor(crHandPoint);
  } else if (!OnLink && Cursor() == crHandPoint && FOldCursor != crHandPoint) {
    SetCursor(FOldCursor);
  }
}

// Dragging over the fixed column extends a row selection started there,
// over the fixed row a column selection.
void TRezIvevirAvod::DragSelectByFixedCells(Integer C, Integer R) {
  if (FMouseSelectStart < 0 || !FMouseDownMove) return;
  TGridRect Sel{};
  if (FMouseSelectDrag == msRow && FMouseActions->RowSelect() && R >= 0 && R < RowCount() - FFixedFooters) {
    const Integer To = std::max(FixedRows(), R);
    Sel = TGridRect{FixedCols(), std::min(FMouseSelectStart, To), ColCount() - 1, std::max(FMouseSelectStart, To)};
  } else if (FMouseSelectDrag == msColumn && FMouseActions->ColSelect() && C >= 0) {
    const Integer To = std::max(FixedCols(), C);
    Sel = TGridRect{std::min(FMouseSelectStart, To), FixedRows(), std::max(FMouseSelectStart, To), RowCount() - 1};
  } else {
    return;
  }
  if (Sel == Selection()) return;
  SetSelection(Sel);
  Invalidate();
}

// The top-left corner selects all, a header cell its column and a fixed
// column cell its row: the next press reads the mode, the cursor shows it.
void TRezIvevirAvod::UpdateMouseSelectMode(Integer C, Integer R, Integer X, Integer Y) {
  FMouseSelectMode = SelectionResizerRect().Contains(TPoint{X, Y}) ? msResize : msNormal;
  if (C < 0 || R < 0 || FGridState != gsNormal || FMouseSelectMode == msResize) return;
  const bool Sizing = IsOnSizingEdge(X, Y);
  if (C < FixedCols() && R < FixedRows()) {
    if (FMouseActions->AllSelect()) FMouseSelectMode = msAll;
  } else if (R < FixedRows() && FMouseActions->ColSelect() && !Sizing) {
    FMouseSelectMode = msColumn;
  } else if (C < FixedCols() && R < RowCount() && FMouseActions->RowSelect() && !Sizing) {
    FMouseSelectMode = msRow;
  }
}

bool TRezIvevirAvod::SetSelectModeCursor() {
  if (FMouseSelectMode == msNormal || FMouseSelectMode == msURL) return false;
  if (FGridState == gsColSizing || FGridState == gsRowSizing) return false;
  const Integer Id = FMouseSelectMode == msColumn ? 8011 : FMouseSelectMode == msRow ? 8010 : 8012;
  ::SetCursor(SelectModeCursor(Id));
  return true;
}

void TRezIvevirAvod::SetHoverFixedCell(Integer C, Integer R) {
  if (FHoverFixedCells == hfNone) return;
  if (!(C >= 0 && R >= 0 && IsHoverFixedCell(C, R))) C = R = -1;
  if (C == FHoverFixedX && R == FHoverFixedY) return;
  if (FHoverFixedX >= 0) RepaintCell(FHoverFixedX, FHoverFixedY);
  FHoverFixedX = C;
  FHoverFixedY = R;
  if (C >= 0) RepaintCell(C, R);
}

void TRezIvevirAvod::HandleMouseLeaveMessage(TMessage& Message) {
  TBaseGrid::WndProc(Message);
  FMouseSelectMode = msNormal;
  FSizeFixed = FSizeFixedR = false;
  if (!FNoMouseLeave) SetHoverFixedCell(-1, -1);
  HoverButtonsMouseLeave();
  if (HoverRow() && FHoverRowIdx >= 0) {
    const Integer Old = FHoverRowIdx;
    FHoverRowIdx = -1;
    if (Old < RowCount()) RepaintRow(Old);
  }
  if (FHoveredButtonCol >= 0) {
    RepaintCell(FHoveredButtonCol, FHoveredButtonRow);
    FHoveredButtonCol = FHoveredButtonRow = -1;
  }
  if (!FMouseAnchor.empty()) {
    if (OnAnchorExit) OnAnchorExit(this, -1, -1, String());
    FMouseAnchor.clear();
  }
}

void TRezIvevirAvod::EmulateCellClick(Integer ACol, Integer ARow) {
  const TRect CR = CellRect(ACol, ARow);
  FSuppressMouseEvents = true;
  FForceSel = true;
  auto Done = ScopeExit([this] {
    FSuppressMouseEvents = false;
    FForceSel = false;
  });
  MouseDown(mbLeft, {}, CR.Left + 2, CR.Top + 2);
  MouseUp(mbLeft, {}, CR.Left + 2, CR.Top + 2);
}

}  // namespace jorv::grid
