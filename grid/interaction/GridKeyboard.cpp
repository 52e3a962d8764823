// The grid's keys: what each key does to the current cell, the selection,
// the rows and the editor before and after the base grid's own cursor
// movement, typed characters, and the typed-prefix jump to a row.
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Form.h"

namespace jorv::grid {

namespace {

bool IsArrow(Word Key) { return Key == VK_LEFT || Key == VK_UP || Key == VK_RIGHT || Key == VK_DOWN; }

// PgUp, PgDn, End, Home and the four arrows.
bool IsNavigationKey(Word Key) { return Key >= VK_PRIOR && Key <= VK_DOWN; }

bool HasControlTag(const String& Text) { return Pos(L"<CONTROL", UpperCase(Text)) > 0; }

}  // namespace

void TRezIvevirAvod::RaiseKeyDown(Word Key, TShiftState Shift) {
  if (OnKeyDown) OnKeyDown(this, Key, Shift);
}

void TRezIvevirAvod::SelectionChangeNotice() {
  const TGridRect S = Selection();
  if (S == FMoveSelection) return;
  DoSelectionChanged(S.Left, S.Top, S.Right, S.Bottom);
  FMoveSelection = S;
}

// --- key down ----------------------------------------------------------------------------------

void TRezIvevirAvod::HandleKeyDownMessage(TMessage& Message) {
  const auto& KeyMessage = MsgAs<TWMKey>(Message);
  const Word Key = KeyMessage.CharCode;
  const TShiftState Shift = KeyDataToShiftState(KeyMessage.KeyData);
  FMoveSelection = Selection();
  const TGridCoord OldCell{Col(), Row()};
  if (KeyDownBeforeFramework(Key, Shift)) {
    SelectionChangeNotice();
    Message.Result = 0;
    return;
  }
  const bool KeepLeft = Navigation()->KeepHorizScroll() && Options().Contains(goRowSelect) &&
                        LeftCol() != FixedCols() &&
                        (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN);
  if (KeepLeft) {
    const Integer Left = LeftCol();
    BeginUpdate();
    auto Restore = ScopeExit([this, Left] {
      SetLeftCol(Left);
      EndUpdate();
    });
    TBaseGrid::WndProc(Message);
  } else {
    TBaseGrid::WndProc(Message);
  }
  KeyDownAfterFramework(Key, Shift, OldCell);
}

// The checks before the base grid sees the key; true when the key is used up.
bool TRezIvevirAvod::KeyDownBeforeFramework(Word Key, TShiftState Shift) {
  const bool Ctrl = Shift.Contains(ssCtrl);
  if (Navigation()->MoveScrollOnly() && (IsNavigationKey(Key) && Key != VK_LEFT && Key != VK_RIGHT))
    return MoveScrollOnlyKey(Key);
  if ((Key == VK_RETURN || Key == VK_F2) && EditKeyConsumed(Key)) {
    RaiseKeyDown(Key, Shift);
    return true;
  }
  if (Key == 'F' && Ctrl) FocusSearchFooterEdit();
  if ((Key == VK_RETURN || Key == VK_SPACE) && HasClickableGraphic(RealColIndex(Col()), Row())) ClickableCellKey(Key);
  if ((Key == VK_HOME || Key == VK_END) && HomeEndKey(Key, Shift)) {
    RaiseKeyDown(Key, Shift);
    return true;
  }
  // A node row shown as one merged cell opens and closes by the arrows; the
  // key goes on to the base grid.
  if ((Key == VK_LEFT || Key == VK_RIGHT) && IsNode(RealRowIndex(Row())) && IsMergedCell(Col(), Row())) {
    if (Key == VK_RIGHT)
      ExpandNode(RealRowIndex(Row()));
    else
      ContractNode(RealRowIndex(Row()));
  }
  if ((Key == VK_LEFT || Key == VK_RIGHT) && RowSelectScrollConsumed(Key, Shift)) {
    RaiseKeyDown(Key, Shift);
    return true;
  }
  if (Key == VK_TAB && !Ctrl && Options().Contains(goTabs)) {
    AdvanceOnTab(Shift.Contains(ssShift));
    return true;
  }
  if (IsArrow(Key) && Navigation()->SkipFixedCells() && SkipFixedCellsKey(Key)) {
    RaiseKeyDown(Key, Shift);
    return true;
  }
  if (Key == VK_DOWN && IsLastEditRow() && Navigation()->AppendOnArrowDown()) AppendAutoRow();
  if (SelectionRectangle() && !(Selection() == FMoveSelection)) {
    Invalidate();
    FMoveSelection = Selection();
  }
  return SearchFooterLastRowKey(Key);
}

// Enter and F2 on a cell that may not be edited do nothing more.
bool TRezIvevirAvod::EditKeyConsumed(Word Key) {
  const bool Editing = Options().Contains(goEditing);
  if (MouseActions()->EditOnDblClickOnly() && !Editing) {
    bool Allow = !IsFixed(Col(), Row());
    CanEditCell(RealColIndex(Col()), Row(), Allow);
    if (Allow) SetOptions(Options() + goEditing);
  }
  const bool Editable = IsEditable(Col(), Row());
  if (MouseActions()->RangeSelectAndEdit() && !Options().Contains(goEditing) && !Editable) return true;
  if (Options().Contains(goEditing) && !Editable) return true;
  // The cell's controls take the key.
  if (EnableHTML() && EditCellControlsByKey()) return true;
  if (Key != VK_RETURN || Editable) return false;
  // A form that previews keys gets Enter on a cell that is not edited.
  TCustomForm* Form = GetParentForm();
  return !(Form && Form->KeyPreview());
}

// Under row select Left and Right scroll the columns instead of moving.
bool TRezIvevirAvod::RowSelectScrollConsumed(Word Key, TShiftState Shift) {
  if (!Options().Contains(goRowSelect) || IsNode(RealRowIndex(Row())) || VisibleColCount() >= ColCount()) return false;
  const bool ByCtrl = Navigation()->LeftRightRowSelect();
  if (ByCtrl != Shift.Contains(ssCtrl)) return false;
  if (Key == VK_LEFT && LeftCol() > FixedCols()) SetLeftCol(LeftCol() - 1);
  if (Key == VK_RIGHT && LeftCol() + VisibleColCount() < ColCount()) SetLeftCol(LeftCol() + 1);
  return !ByCtrl;
}

void TRezIvevirAvod::KeyDownAfterFramework(Word Key, TShiftState Shift, TGridCoord OldCell) {
  const bool Ctrl = Shift.Contains(ssCtrl);
  const bool Plain = !Ctrl && !Shift.Contains(ssShift) && !Shift.Contains(ssAlt);
  if (Navigation()->AllowClipboardShortCuts()) ClipboardKey(Key, Shift);
  if (Key == VK_INSERT && Navigation()->AllowInsertRow() && Plain) InsertRowByKey();
  if (Key == 'A' && Ctrl && (Options().Contains(goRowSelect) || Options().Contains(goRangeSelect))) SelectAllByKey();
  DisjunctSelectionKey(Key, Shift);
  if (Key == VK_DELETE && Navigation()->AllowDeleteRow() && !Shift.Contains(ssAlt) &&
      RowCount() > FixedRows() + FFixedFooters && !DeleteRowByKey())
    return;
  if (Key == VK_TAB && Ctrl && Options().Contains(goTabs) && FFixedRightCols > 0 &&
      OldCell.X == ColCount() - FFixedRightCols - 1) {
    const Integer LastRow = RowCount() - FFixedFooters - 1;
    const Integer NewRow = OldCell.Y >= LastRow ? FixedRows() : std::min(OldCell.Y + 1, RowCount() - 1);
    MoveToCellInGrid(FirstNormalCol(), NewRow);
  }
  if (Key == VK_RETURN || Key == VK_F2) RememberOldCell(Col(), Row());
  const bool MovesDown = Key == VK_NEXT || Key == VK_END || Key == VK_LEFT || Key == VK_RIGHT || Key == VK_DOWN;
  if (MovesDown && Row() == RowCount() - 1) KeepCurrentCellAboveSearchFooter();
  SelectionChangeNotice();
}

bool TRezIvevirAvod::MoveScrollOnlyKey(Word Key) {
  const Integer Top = TopRow(), Visible = VisibleRowCount(), Fixed = FixedRows();
  Integer NewTop = Top;
  switch (Key) {
    case VK_PRIOR: NewTop = Top > Visible + Fixed ? Top - Visible : Fixed; break;
    case VK_NEXT: if (Top + Visible < RowCount()) NewTop = Top + Visible; break;
    case VK_END: NewTop = RowCount() - Visible; break;
    case VK_HOME: NewTop = Fixed; break;
    case VK_UP: if (Top > Fixed) NewTop = Top - 1; break;
    case VK_DOWN: if (Top + Visible < RowCount()) NewTop = Top + 1; break;
    default: break;
  }
  NewTop = std::max(Fixed, std::min(NewTop, RowCount() - 1));
  if (NewTop != Top) SetTopRow(NewTop);
  return true;
}

// --- the base grid's key processing, extended ---------------------------------------------------

// An editor a key opens is opened by the keyboard: a press that opened none
// leaves no caret position behind for it.
void TRezIvevirAvod::KeyDown(Word& Key, TShiftState Shift) {
  LButFlg = false;
  ProcessKeyDown(Key, Shift);
}

void TRezIvevirAvod::KeyPress(Char& Key) {
  LButFlg = false;
  ProcessKeyPress(Key);
}

void TRezIvevirAvod::KeyUp(Word& Key, TShiftState Shift) { ProcessKeyUp(Key, Shift); }

void TRezIvevirAvod::ProcessKeyDown(Word& Key, TShiftState Shift) {
  FLastKeyCell = TGridCoord{Col(), Row()};
  // A modifier alone would let the base grid scroll the last row under the search footer.
  const bool ModifierAlone = Key == VK_SHIFT || Key == VK_CONTROL || Key == VK_MENU;
  if (ModifierAlone && SearchPanelHeight() > 0 && Row() == RowCount() - 1) {
    Key = 0;
    return;
  }
  // Tab handed back by an editor steps as the grid's own Tab does.
  if (Key == VK_TAB && Options().Contains(goTabs) && !Shift.Contains(ssCtrl) && !Shift.Contains(ssAlt)) {
    AdvanceOnTab(Shift.Contains(ssShift));
    Key = 0;
    return;
  }
  const Integer OldRow = Row();
  TBaseGrid::KeyDown(Key, Shift);
  if (Key == 0) return;
  if (Navigation()->CursorMoveRows() && Shift.Contains(ssCtrl)) CursorMoveRowsKey(Key);
  if (Navigation()->CursorAdvance() != caDefault && !Shift.Contains(ssCtrl)) CursorAdvanceWrap(Key);
  if (Navigation()->SkipDisabledRows() && FUseEnabledRows) SkipDisabledRowsKey(Key, OldRow);
  if (auto* Synced = FSyncGrid->Grid()) {
    if (FSyncGrid->SelectionColumn() && Synced->Col() != Col() && Col() < Synced->ColCount()) Synced->SetCol(Col());
    if (FSyncGrid->SelectionRow() && Synced->Row() != Row() && Row() < Synced->RowCount()) Synced->SetRow(Row());
  }
}

// Left of the first column, right of the last, above the first row and
// below the last, the cursor wraps (and with caSnake steps on).
void TRezIvevirAvod::CursorAdvanceWrap(Word Key) {
  const bool Snake = Navigation()->CursorAdvance() == caSnake;
  const Integer LastCol = ColCount() - FFixedRightCols - 1;
  const Integer LastRow = RowCount() - FFixedFooters - 1;
  const TGridCoord From = FLastKeyCell;
  Integer C = From.X, R = From.Y;
  if (Key == VK_LEFT && From.X == FirstNormalCol()) {
    C = LastCol;
    if (Snake && R > FixedRows()) --R;
  } else if (Key == VK_RIGHT && From.X + CellSpan(RealColIndex(From.X), From.Y).X >= LastCol) {
    C = FirstNormalCol();
    if (Snake && R < LastRow) ++R;
  } else if (Key == VK_UP && From.Y == FixedRows()) {
    R = LastRow;
    if (Snake && C > FixedCols()) --C;
  } else if (Key == VK_DOWN && From.Y + CellSpan(RealColIndex(From.X), From.Y).Y >= LastRow) {
    R = FixedRows();
    if (Snake && C < LastCol) ++C;
  } else {
    return;
  }
  if (C != Col() || R != Row()) MoveToCellInGrid(C, R);
}

void TRezIvevirAvod::CursorMoveRowsKey(Word Key) {
  const TGridRect S = Selection();
  const Integer Count = S.Bottom - S.Top + 1;
  Integer Shift = 0;
  if (Key == VK_DOWN && S.Bottom < RowCount() - 1) Shift = 1;
  if (Key == VK_UP && S.Top > FixedRows()) Shift = -1;
  if (Shift == 0) return;
  if (Count == 1) {
    MoveRow(S.Top, S.Top + Shift);
    MoveToCellInGrid(Col(), S.Top + Shift);
    return;
  }
  // Moving up takes the row above the block to below it.
  if (Shift > 0)
    MoveRow(S.Bottom + 1, S.Top);
  else
    MoveRow(S.Top - 1, S.Bottom);
  SetSelection(TGridRect{FixedCols(), S.Top + Shift, ColCount() - 1, S.Bottom + Shift});
}

// A disabled row is passed over in the key's direction; with none beyond
// it the cursor stays where it was.
void TRezIvevirAvod::SkipDisabledRowsKey(Word Key, Integer OldRow) {
  if (GetRowEnabled(RealRowIndex(Row()))) return;
  const Integer Step = Key == VK_UP || Key == VK_PRIOR || Key == VK_HOME ? -1 : 1;
  for (Integer r = Row() + Step; r >= FixedRows() && r < RowCount(); r += Step)
    if (GetRowEnabled(RealRowIndex(r))) return MoveToCellInGrid(Col(), r);
  if (OldRow != Row()) MoveToCellInGrid(Col(), OldRow);
}

// --- characters --------------------------------------------------------------------------------

void TRezIvevirAvod::HandleCharMessage(TMessage& Message) {
  auto& KeyMessage = MsgAs<TWMKey>(Message);
  Char Ch = static_cast<Char>(KeyMessage.CharCode);
  const bool Ctrl = GetKeyState(VK_CONTROL) < 0;
  const Integer RC = RealColIndex(Col());
  if (EnableHTML() && HasControlTag(GetCells(RC, Row()))) return;
  if (MouseActions()->EditOnDblClickOnly()) {
    bool Allow = true;
    CanEditCell(RC, Row(), Allow);
    if (Allow && !Options().Contains(goEditing)) SetOptions(Options() + goEditing);
  }
  if (Navigation()->AllowClipboardShortCuts() && Ctrl && (Ch == 3 || Ch == 22 || Ch == 24)) return;
  const bool Clickable = HasClickableGraphic(RC, Row());
  if (MouseActions()->RangeSelectAndEdit() && !Clickable && IsEditable(Col(), Row()) && Ch != L'\t' && Ch != 27 &&
      !Ctrl) {
    if (OnKeyPress) OnKeyPress(this, Ch);
    if (Ch == 0) return;
    FStartEditChar = Ch;
    if (!Options().Contains(goEditing)) SetOptions(Options() + goEditing);
    if (Col() < LeftCol() || Col() >= LeftCol() + VisibleColCount() || Row() < TopRow() ||
        Row() >= TopRow() + VisibleRowCount())
      ScrollInView(Col(), Row(), spMiddle);
    KeyMessage.CharCode = Ch;
    TBaseGrid::WndProc(Message);
    return;
  }
  // The keypad's point types the locale's decimal separator.
  if (Ch == L'.' && (KeyMessage.KeyData & 0x400000) && ExcelStyleDecimalSeparator())
    Ch = FormatSettings().DecimalSeparator;
  if (Clickable && Ch == L'\r' && Navigation()->AdvanceOnEnter()) {
    TBaseGrid::WndProc(Message);
    return;
  }
  if (Options().Contains(goEditing) && Ch != L'\t' && (Ch == L'\b' || (Ch >= 32 && Ch <= 255))) {
    if (OnKeyPress) OnKeyPress(this, Ch);
    if (Ch == 0 || Clickable) return;
    FStartEditChar = Ch;
    KeyMessage.CharCode = Ch;
    TBaseGrid::WndProc(Message);
    return;
  }
  KeyMessage.CharCode = Ch;
  if (Focused()) TBaseGrid::WndProc(Message);
}

void TRezIvevirAvod::ProcessKeyPress(Char& Key) {
  TNavigation* Nav = Navigation();
  if (Key == 27) {
    if (Options().Contains(goEditing) && FEditing && FEditMode) RestoreCellFromCache();
    if (OnKeyPress) OnKeyPress(this, Key);
    return;
  }
  const bool Clickable = HasClickableGraphic(RealColIndex(Col()), Row());
  if (Key == L'\r' && !EditorMode() && !Nav->AdvanceOnEnter() && !IsEditable(Col(), Row())) {
    if (OnKeyPress) OnKeyPress(this, Key);
    Key = 0;
    return;
  }
  if (Key == L'\r' && Nav->AdvanceOnEnter() && RowCount() <= FixedRows()) {
    if (OnKeyPress) OnKeyPress(this, Key);
    if (Nav->AdvanceInsert()) {
      SetRowCount(RowCount() + 1);
      ClearRows(RowCount() - 1, 1);
    }
    Key = 0;
    return;
  }
  if (Key == L'\r' && Nav->AdvanceOnEnter() && (!HandleAllocated() || GetFocus() != Handle() || Clickable)) {
    const bool EditorWasOpen = EditorMode() || FEditMode;
    if (HandleAllocated() && GetFocus() != Handle() && CanFocus()) SetFocus();
    AdvanceCell(Col(), Row(), EditorWasOpen, false, true, false, false);
    if (!Nav->AdvanceAutoEdit() || HasClickableGraphic(RealColIndex(Col()), Row())) {
      if (OnKeyPress) OnKeyPress(this, Key);
      Key = 0;
      return;
    }
  }
  if (!Options().Contains(goEditing) && Nav->AutoGotoWhenSorted() && TypedPrefixJump(Key)) return;
  TBaseGrid::KeyPress(Key);
}

// The typed prefix moves the cursor to the first row that starts with it.
bool TRezIvevirAvod::TypedPrefixJump(Char Key) {
  if (Key < 32 && Key != L'\b') return false;
  if (Navigation()->AutoGotoIncremental()) {
    if (Key == L'\b') {
      if (!FSearchInc.empty()) FSearchInc.pop_back();
    } else {
      FSearchInc += Key;
    }
    SearchTics = 0;
  } else {
    FSearchInc = String(1, Key);
  }
  const Integer Found = Search(UpperCase(FSearchInc));
  if (Found < 0)
    FSearchInc.clear();
  else
    SetRow(Found);
  return false;
}

Integer TRezIvevirAvod::Search(const String& S) {
  if (RowCount() < 2) return -1;
  Integer SearchCol = FixedCols();
  if (FSortSettings->Show()) {
    if (FSortSettings->IndexShow())
      SearchCol = FSortIndexes->Count() > 0 ? FSortIndexes->GetSortColumns(0) : FixedCols();
    else
      SearchCol = FSortSettings->Column();
  }
  if (SearchCol < 0) return -1;
  const Integer Len = Integer(S.size());
  for (Integer r = FixedRows(); r < RowCount(); ++r)
    if (UpperCase(Copy(GetStrippedCells(SearchCol, r), 1, Len)) == S) return r;
  return -1;
}

// --- key up ------------------------------------------------------------------------------------

void TRezIvevirAvod::HandleKeyUpMessage(TMessage& Message) {
  const Word Key = MsgAs<TWMKey>(Message).CharCode;
  TBaseGrid::WndProc(Message);
  if (!MouseActions()->RangeSelectAndEdit() || Options().Contains(goEditing)) return;
  if ((Key == VK_RETURN || Key == VK_F2) && IsEditable(Col(), Row())) {
    SetOptions(Options() + goEditing);
    ShowInplaceEdit();
  }
}

void TRezIvevirAvod::ProcessKeyUp(Word& Key, TShiftState Shift) {
  if (IsNavigationKey(Key) && Key != VK_HOME) FSearchInc.clear();
  if (Key == VK_INSERT || Key == VK_DELETE) FSearchInc.clear();
  const Word Pressed = Key;
  const TGridRect Before = Selection();
  TBaseGrid::KeyUp(Key, Shift);
  const bool Stepped = IsArrow(Pressed) || (Pressed == VK_TAB && Options().Contains(goTabs));
  if (Navigation()->AlwaysEdit() && Stepped && !HasClickableGraphic(RealColIndex(Col()), Row()) &&
      IsEditable(Col(), Row()) && !FEditMode)
    ShowInplaceEdit();
  const TGridRect After = Selection();
  if (!(After == FMoveSelection) && (Pressed == VK_TAB || IsArrow(Pressed))) {
    DoSelectionChanged(After.Left, After.Top, After.Right, After.Bottom);
    FMoveSelection = After;
  }
  DisjunctCellsByKey(Pressed, Shift, Before);
}

}  // namespace jorv::grid
