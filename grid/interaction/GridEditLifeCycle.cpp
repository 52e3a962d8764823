// The life of one edit: whether the current cell may move and be edited,
// when an editor opens and of which kind, what happens when it closes, the
// text Escape puts back, and the messages that end an edit after the
// current message.
#include "foundation/HTMLUtils.h"
#include "grid/core/GridUnit.h"
#include "grid/core/RezIvevirAvod.h"
#include "grid/interaction/ExInplaceEdit.h"
#include "platform/rtl/ScopeExit.h"

namespace jorv::grid {

namespace {

bool IsStandardKind(TEditorType Kind) {
  switch (Kind) {
    case edNormal: case edNumeric: case edPositiveNumeric: case edFloat: case edCapital: case edMixedCase:
    case edPassword: case edLowerCase: case edUpperCase: case edValidChars: case edPositiveFloat:
      return true;
    default:
      return false;
  }
}

}  // namespace

TInplaceEdit* TRezIvevirAvod::CreateEditor() { return new TExInplaceEdit(this); }

TExInplaceEdit* TRezIvevirAvod::NormalEdit() const { return static_cast<TExInplaceEdit*>(FInplaceEdit); }

// --- editability ---------------------------------------------------------------------------------

bool TRezIvevirAvod::IsEditable(Integer ACol, Integer ARow) {
  if (!Options().Contains(goEditing) && !MouseActions()->RangeSelectAndEdit() && !FEditDisable) return false;
  TPoint B{ACol, ARow};
  if (IsMergedCell(RealColIndex(ACol), ARow) && !IsBaseCell(RealColIndex(ACol), ARow)) {
    TPoint Base = BaseCell(RealColIndex(ACol), ARow);
    B = TPoint{RealToDisplCol(Base.X), Base.Y};
  }
  bool Allow = true;
  CanEditCell(RealColIndex(B.X), B.Y, Allow);
  bool Fixed = false;
  IsFixedCell(RealColIndex(B.X), B.Y, Fixed);
  return Allow && !Fixed;
}

bool TRezIvevirAvod::EditorHandlesTab() {
  return Options().Contains(goTabs) || OnCellValidate || OnCellValidateWide;
}

bool TRezIvevirAvod::IsPasswordCell(Integer ACol, Integer ARow) {
  bool IsPassword = false;
  DoIsPasswordCell(ACol, ARow, IsPassword);
  return IsPassword;
}

void TRezIvevirAvod::DoGetEditorProp(Integer ACol, Integer ARow, TEditLink* AEditLink) {
  if (OnGetEditorProp) OnGetEditorProp(this, ACol, ARow, AEditLink);
}

// --- opening --------------------------------------------------------------------------------------

void TRezIvevirAvod::ShowInplaceEdit() {
  if (HasClickableGraphic(RealColIndex(Col()), Row())) return;
  if (Row() < TopRow()) SetTopRow(Row());
  if (Col() < LeftCol()) SetLeftCol(Col());
  if (!Options().Contains(goEditing) && MouseActions()->RangeSelectAndEdit()) SetOptions(Options() + goEditing);
  FEditText = GetCells(RealColIndex(Col()), Row());
  ShowEditor();
}

void TRezIvevirAvod::ShowCellEdit() {
  if (!Options().Contains(goEditing) && MouseActions()->RangeSelectAndEdit()) SetOptions(Options() + goEditing);
  if (HandleAllocated()) SendMessageW(Handle(), WM_KEYDOWN, VK_F2, 0);
}

bool TRezIvevirAvod::CanShowInplaceEditor() {
  if (FValidating) return false;
  bool R = TBaseGrid::CanEditShow();
  if (Designing()) return R;
  TPoint Base = BaseCell(RealColIndex(Col()), Row());
  if (R && !FEditMode && HasClickableGraphic(Base.X, Base.Y)) return false;
  if (R && !FEditMode) {
    FNoEditChange = true;
    GetCurrentCell(FCellCache);
    FEditControl = FDefaultEditor;
    DoGetEditorType(Base.X, Base.Y, FEditControl);
    if (FEditControl == edNone) return false;
    FEditMode = true;
    if (IsStandardKind(FEditControl)) {
      FShowEditProcess = true;
    } else {
      // A kind whose control does not open leaves no edit behind, or the
      // next key would open the standard edit on its cell.
      FEditMode = false;
      PrepareInplaceEditor(RealToDisplCol(Base.X), Base.Y);
      if (!FEditMode) {
        FEditing = FSpecialEditor = FEditActive = false;
        return false;
      }
      FEntered = true;
      if (FocusHelper()->Enabled()) ShowFocusWindow(CellRect(Col(), Row()));
      return false;
    }
  }
  if (R) {
    FEntered = true;
    FEditing = true;
    if (FocusHelper()->Enabled()) ShowFocusWindow(CellRect(Col(), Row()));
  }
  return R;
}

// --- cell selection -------------------------------------------------------------------------------

bool TRezIvevirAvod::SelectCell(Integer ACol, Integer ARow) { return CanSelectCellAt(ACol, ARow); }

bool TRezIvevirAvod::CanSelectCellAt(Integer ACol, Integer ARow) {
  if (!Parent()) return true;
  if (ACol >= 0 && ARow >= 0) FEditText = GetCells(RealColIndex(ACol), ARow);
  if (!KeepRowClearOfFooters(ACol, ARow)) return false;
  if (ACol < 0 || ARow < 0) return false;
  const Integer RC = RealColIndex(ACol);
  if (IsMergedNonBaseCell(RC, ARow) && !Options().Contains(goRangeSelect)) {
    TPoint Base = BaseCell(RC, ARow);
    MoveColRow(RealToDisplCol(Base.X), Base.Y, true, true);
    RepaintCell(RealToDisplCol(Base.X), Base.Y);
    if (MouseActions()->DirectEdit() ||
        (ControlLook()->DropDownAlwaysVisible() && HasComboBox(RC, ARow, edNone)))
      ShowEditor();
    return false;
  }
  if (ACol == 0 && FNumNodes > 0 && !Options().Contains(goRowSelect)) return false;
  String NewCache = GetCells(RC, ARow);
  SwitchEditingForCell(ACol, RC, ARow, NewCache);
  const bool StandardFocused = FInplaceEdit && FInplaceEdit->HandleAllocated() && GetFocus() == FInplaceEdit->Handle();
  bool Allow = true;
  bool Answer = false;
  if (!FEditing || StandardFocused) {
    DoCellChanging(ACol, ARow, Allow);
    if (IsFixed(ACol, ARow) || !Allow)
      Answer = (Allow && Options().Contains(goRowSelect)) || (FFixedRowAlways && RowCount() == FixedRows());
    else
      Answer = TBaseGrid::SelectCell(ACol, ARow);
  } else {
    String Current;
    GetCurrentCell(Current);
    // A refused value keeps the current cell where it is, with its editor
    // open again.
    const bool Valid = ValidateCell(Current);
    DoCellChanging(ACol, ARow, Allow);
    Answer = Valid && Allow && TBaseGrid::SelectCell(ACol, ARow);
  }
  // A refused move keeps the cache of the cell that stays current.
  if (!Answer) NewCache = FCellCache;
  SelectionFollowUp(ACol, ARow, Answer);
  FCellCache = NewCache;
  return Answer;
}

// Editing is switched on and off cell by cell: the editing option stays on
// only while the current cell may be edited.
void TRezIvevirAvod::SwitchEditingForCell(Integer ADisplCol, Integer ARealCol, Integer ARow, String& NewCache) {
  const bool Editing = Options().Contains(goEditing);
  const bool RangeEdit = MouseActions()->RangeSelectAndEdit();
  bool Allow = true;
  if (HasClickableGraphic(ARealCol, ARow)) {
    CanEditCell(ARealCol, ARow, Allow);
    if (!FEditDisable) FEditDisable = !Allow && (Editing || RangeEdit);
    if (!Editing && !Options().Contains(goRowSelect) && Allow) {
      FEditChange = true;
      SetOptions(Options() + goEditing);
    }
    return;
  }
  Allow = Editing || FEditDisable;
  CanEditCell(ARealCol, ARow, Allow);
  if (Allow && MouseActions()->DirectEdit()) {
    FEditControl = FDefaultEditor;
    if (HasNoCellEditor(ARealCol, ARow)) Allow = false;
  }
  if (MouseActions()->EditOnDblClickOnly()) Allow = false;
  if (Allow) {
    FEditDisable = false;
    if (!Editing) {
      FEditChange = true;
      if (!FEditing) RememberOldCell(ADisplCol, ARow);
      if (Options().Contains(goRowSelect) && RangeEdit) SetOptions(Options() - goRowSelect);
      SetOptions(Options() + goEditing);
    }
  }
  if (FEditing && FEditMode) {
    HideInplaceEdit();
    NewCache = GetCells(ARealCol, ARow);
  }
  if (!Allow && Options().Contains(goEditing)) {
    FEditMode = false;
    FEditDisable = true;
    FEditChange = true;
    SetOptions(Options() - goEditing);
    HideEditor();
  }
}

void TRezIvevirAvod::DoCellChanging(Integer ANewCol, Integer ANewRow, bool& Allow) {
  // The cursor advance asked the application itself before it moves.
  if (FDisableChange) return;
  if (ANewRow != Row() && OnRowChanging) OnRowChanging(this, Row(), ANewRow, Allow);
  if (ANewCol != Col() && OnColChanging) OnColChanging(this, Col(), ANewCol, Allow);
  if ((ANewRow != Row() || ANewCol != Col()) && OnCellChanging)
    OnCellChanging(this, Row(), Col(), ANewRow, ANewCol, Allow);
}

void TRezIvevirAvod::SelectionFollowUp(Integer ACol, Integer ARow, bool Answer) {
  (void)ACol;
  if (FActiveCellShow && HandleAllocated()) {
    if (FixedRows() > 0) {
      RepaintCell(Col(), FixedRows() - 1);
      RepaintCell(ACol, FixedRows() - 1);
    }
    if (FixedCols() > 0) {
      RepaintCell(FixedCols() - 1, Row());
      RepaintCell(FixedCols() - 1, ARow);
    }
  }
  if (FActiveRowShow && HandleAllocated()) {
    InvalidateRow(ARow);
    InvalidateRow(Row());
  }
  // A refused move leaves the row where it was: no row change to report.
  // The same last reported row as SetRowEx's, so that a move through both
  // is reported once.
  if (Answer && !Loading() && ARow != FLastReportedRow && OnRowChanged) {
    const Integer OldRow = FLastReportedRow;
    FLastReportedRow = ARow;
    OnRowChanged(this, OldRow, ARow);
  }
}

// --- closing --------------------------------------------------------------------------------------

void TRezIvevirAvod::HideInplaceEdit() {
  if (!FEditMode || Destroying()) return;
  HideEditor();
  StoreInplaceEditValue(Col(), Row());
  FEditMode = false;
  CanSelectCellAt(Col(), Row());
}

void TRezIvevirAvod::HideCellEdit() { StoreInplaceEditValue(Col(), Row()); }

void TRezIvevirAvod::FinishCellEdit(Integer ACol, Integer ARow) {
  if (FocusHelper()->Enabled()) HideFocusWindow();
  if (OnEditingDone) OnEditingDone(this);
  if (FocusHelper()->Enabled()) ShowFocusWindow(CellRect(Col(), Row()));
  HideInplaceEdit();
  if (HandleAllocated()) PostMessageW(Handle(), GridUnit().EditDoneMessage, WPARAM(ACol), LPARAM(ARow));
}

void TRezIvevirAvod::DoneInplaceEdit(Word Key, TShiftState Shift) {
  FBlockFocus = true;
  auto Unblock = ScopeExit([this] { FBlockFocus = false; });
  // An editor that ends without having validated its value (paging keys
  // of the drop-downs, for one) still has it validated when it is stored;
  // a refused value reopens the editor on its cell and nothing moves.
  const bool Unvalidated = FEditing;
  HideInplaceEdit();
  if (Unvalidated && FEditMode) return;
  FEditing = false;
  if (Navigation()->AppendOnArrowDown() && Key == VK_DOWN &&
      (RowCount() - FFixedFooters == Row() + 1 || (FloatingFooter()->Visible() && RowCount() == Row() + 2))) {
    bool CanAdd = true;
    DoCanAddRow(CanAdd);
    if (CanAdd) AppendRow();
  }
  if (Key == VK_TAB || Key == VK_LEFT || Key == VK_UP || Key == VK_RIGHT || Key == VK_DOWN) {
    Word K = Key;
    KeyDown(K, Shift);
  }
  const bool AlwaysEdit = Navigation()->AlwaysEdit();
  Navigation()->SetAlwaysEdit(false);
  auto RestoreAlwaysEdit = ScopeExit([this, AlwaysEdit] { Navigation()->SetAlwaysEdit(AlwaysEdit); });
  if (CanFocus()) SetFocus();
  if (Key == VK_RETURN) AdvanceAfterEditor();
}

void TRezIvevirAvod::RestoreCellFromCache() {
  SetCellEx(RealColIndex(Col()), Row(), FCellCache);
  RepaintCell(Col(), Row());
}

// --- the cell's text for the standard edit --------------------------------------------------------

String TRezIvevirAvod::GetEditText(Integer ACol, Integer ARow) {
  FNoEditChange = true;
  const Integer SC = RealColIndex(ACol);
  if (TExInplaceEdit* Edit = NormalEdit()) Edit->SetVAlign(GetAlignments(SC, ARow) == taRightJustify);
  TPoint B = BaseCell(SC, ARow);
  String Text = TBaseGrid::GetEditText(B.X, B.Y);
  return FEditWithTags ? Text : HTMLToPlainText(Text);
}

void TRezIvevirAvod::SetEditText(Integer ACol, Integer ARow, const String& Value) {
  TPoint B = BaseCell(RealColIndex(ACol), ARow);
  TBaseGrid::SetEditText(B.X, B.Y, Value);
}

// --- focus and clicks -----------------------------------------------------------------------------

void TRezIvevirAvod::DoEnter() {
  if (!FBlockFocus) {
    TBaseGrid::DoEnter();
    if (Options().Contains(goEditing) || MouseActions()->RangeSelectAndEdit()) CanSelectCellAt(Col(), Row());
  }
  RememberOldCell(Col(), Row());
}

void TRezIvevirAvod::DoExit() {
  if (FBlockKill) return;
  // The disjunct row selection is committed by the selection handling.
  FSelChange = false;
  TBaseGrid::DoExit();
}

void TRezIvevirAvod::Click() {
  TBaseGrid::Click();
  FEntered = false;
  RememberOldCell(Col(), Row());
}

// With AlwaysEdit the editor opens again when the grid takes the focus
// from another window.
void TRezIvevirAvod::HandleEditorFocus(TMessage& Message) {
  const HWND From = MsgAs<TWMSetFocus>(Message).FocusedWnd;
  TBaseGrid::WndProc(Message);
  const Integer RC = RealColIndex(Col());
  if (HasCheckBox(RC, Row())) return;
  CloseVisibleRichEditor();
  auto Visible = [this] {
    return Col() >= LeftCol() && Col() <= LeftCol() + VisibleColCount() - 1 && Row() >= TopRow() &&
           Row() <= TopRow() + VisibleRowCount() - 1;
  };
  auto Editable = [this, RC] {
    bool Allow = true;
    CanEditCell(RC, Row(), Allow);
    return Allow;
  };
  if (!Navigation()->AlwaysEdit() || GridState() != gsNormal) return;
  if (TExInplaceEdit* Edit = NormalEdit()) {
    const bool FromEdit = Edit->HandleAllocated() && From == Edit->Handle();
    const TEditorType K = FEditControl;
    const bool TextKind = K == edNormal || K == edCapital || K == edMixedCase || K == edLowerCase ||
                          K == edUpperCase || K == edValidChars;
    if (!FromEdit && TextKind && Visible() && Editable()) {
      ShowInplaceEdit();
      Message.Result = 0;
    }
    return;
  }
  if (!MouseActions()->DirectEdit() && !ControlLook()->DropDownAlwaysVisible() && HasComboBox(RC, Row(), edNone) &&
      Visible() && Editable())
    ShowInplaceEdit();
}

// --- messages -------------------------------------------------------------------------------------

// A typed character opens the editor with it: the standard edit gets it
// from the platform, a special editor when it is placed.
void TRezIvevirAvod::HandleEditingChar(TMessage& Message) {
  const Char Ch = static_cast<Char>(MsgAs<TWMKey>(Message).CharCode);
  if (Options().Contains(goEditing) && !Options().Contains(goRowSelect) && (Ch == L'\b' || Ch >= L' ') &&
      !FEditMode && !HasClickableGraphic(RealColIndex(Col()), Row()))
    FStartEditChar = Ch;
}

// True when the key ended the edit and needs no further handling.
bool TRezIvevirAvod::HandleEditingKey(TMessage& Message) {
  const Word Key = MsgAs<TWMKey>(Message).CharCode;
  if (Key == VK_F2) HandleF2Key();
  return false;
}

}  // namespace jorv::grid
