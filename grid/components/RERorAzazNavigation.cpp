// Page mode turns every key, scroll and selection that changes the current
// row into a move of the data set; the link's notices then put the grid's
// rows where the data set is.
#include <algorithm>
#include "grid/components/FlagScope.h"
#include "grid/components/RERorAzaz.h"
#include "platform/data/DataSet.h"
#include "platform/data/DataSource.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/Menus.h"
#include "platform/ui/Messages.h"

namespace jorv::grid {

namespace {

bool Plain(TShiftState Shift) { return !Shift.Contains(ssCtrl) && !Shift.Contains(ssShift) && !Shift.Contains(ssAlt); }

}  // namespace

// --- the window procedure ------------------------------------------------------------------------

bool TRERorAzaz::ControlsBlockMessage(const TMessage& Message) const {
  if (!FPageMode || !ActiveDataSet() || !LinkedDataSet()->ControlsDisabled()) return false;
  if (ComponentState().Contains(csDesigning) || ComponentState().Contains(csLoading) ||
      ComponentState().Contains(csDestroying))
    return false;
  switch (Message.Msg) {
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
    case WM_MBUTTONDOWN: return true;
    case WM_KEYDOWN: return Message.WParam != VK_LEFT && Message.WParam != VK_RIGHT;
    default: return false;
  }
}

void TRERorAzaz::WndProc(TMessage& Message) {
  // While the data set's controls are disabled it moves on its own; the
  // grid must not move it meanwhile.
  if (ControlsBlockMessage(Message)) return;
  if (Message.Msg == CM_DESIGNHITTEST) {
    HandleDesignHelperHitTest(Message);
    return;
  }
  if (Message.Msg == WM_KEYDOWN && FPageMode && !Designing()) {
    HandlePageModeKey(Message);
    return;
  }
  if (Message.Msg == WM_MOUSEWHEEL && FPageMode && FDataSetType == dtNonSequenced && ActiveDataSet() &&
      EnableWheel() && !(MsgAs<TWMMouseWheel>(Message).Keys & MK_CONTROL)) {
    WheelMoveRecord(Message);
    return;
  }
  TRezIvevirAvod::WndProc(Message);
}

void TRERorAzaz::FireKeyDown(Word Key, TShiftState Shift) {
  if (OnKeyDown) OnKeyDown(this, Key, Shift);
}

// Without record numbers the grid cannot scroll itself: each notch moves
// the data set by one record, the application asked first.
void TRERorAzaz::WheelMoveRecord(TMessage& Message) {
  const auto& Wheel = MsgAs<TWMMouseWheel>(Message);
  Message.Result = 1;
  const bool Down = Wheel.WheelDelta < 0;
  const Integer Notches = std::max(1, std::abs(Wheel.WheelDelta) / WHEEL_DELTA);
  bool Handled = false;
  const TMouseWheelUpDownEvent& Event = Down ? OnMouseWheelDown : OnMouseWheelUp;
  if (Event) Event(this, KeyDataToShiftState(0), TPoint(Wheel.XPos, Wheel.YPos), Handled);
  if (Handled) return;
  TFlagScope Block(FBlockCallBack, true);
  BeginUpdate();
  auto End = ScopeExit([this] { EndUpdate(); });
  FDataLink->MoveBy(Down ? Notches : -Notches);
}

void TRERorAzaz::CanHandleWheel(Integer Delta, bool& Handled) {
  TRezIvevirAvod::CanHandleWheel(Delta, Handled);
  if (FPageMode && FDataSetType == dtNonSequenced) Handled = false;
}

void TRERorAzaz::PrepareKeySelectAll(TGridRect& R) {
  TRezIvevirAvod::PrepareKeySelectAll(R);
  if (FDataSetType == dtSequenced) {
    TRezIvevirAvod::SetRow(R.Bottom);
    return;
  }
  TRezIvevirAvod::SetRow(R.Top);
  std::swap(R.Top, R.Bottom);
}

void TRERorAzaz::AdjustSelectAllRect(TGridRect& R) {
  TRezIvevirAvod::AdjustSelectAllRect(R);
  if (FDataSetType == dtSequenced && FloatingFooter()->Visible()) --R.Bottom;
}

void TRERorAzaz::HandleF2Key() {
  TRezIvevirAvod::HandleF2Key();
  ShowEditor();
}

void TRERorAzaz::NavigationChanged() {
  TRezIvevirAvod::NavigationChanged();
  if (Navigation()->AdvanceInsert()) Navigation()->SetAdvanceDirection(adLeftRight);
}

// --- keys ------------------------------------------------------------------------------------------

void TRERorAzaz::HandlePageModeKey(TMessage& Message) {
  const auto& KeyMessage = MsgAs<TWMKey>(Message);
  Word Key = KeyMessage.CharCode;
  const TShiftState Shift = KeyDataToShiftState(KeyMessage.KeyData);
  FDoNotCountRow = true;
  TFlagScope InMessage(FInKeyMessage, true);
  auto Clear = ScopeExit([this] { FDoNotCountRow = false; });
  if (PageModeKey(Key, Shift)) return;
  TRezIvevirAvod::WndProc(Message);
}

// The editor hands its paging, arrow and Escape keys to the grid directly;
// in page mode they move or cancel the record as the grid's own keys do.
void TRERorAzaz::KeyDown(Word& Key, TShiftState Shift) {
  if (FInKeyMessage || !FPageMode || Designing() || !EditorMode()) {
    TRezIvevirAvod::KeyDown(Key, Shift);
    return;
  }
  TFlagScope InMessage(FInKeyMessage, true);
  if (Key == VK_ESCAPE) {
    EditorEscape();
    TRezIvevirAvod::KeyDown(Key, Shift);
    return;
  }
  FDoNotCountRow = true;
  auto Clear = ScopeExit([this] { FDoNotCountRow = false; });
  if (PageModeKey(Key, Shift)) Key = 0;
  else TRezIvevirAvod::KeyDown(Key, Shift);
}

// Escape in the editor drops the record's changes; a record the grid
// appended and nothing was typed into is not posted.
void TRERorAzaz::EditorEscape() {
  if (FEditPostMode != epCell || !ActiveDataSet()) return;
  FShouldNotPostChanges = FNewRecord && (FKeyDownAppend || FNewAppendRecord);
  TFlagScope Cancelling(FUpdateCancel, true);
  LinkedDataSet()->Cancel();
}

// Answers whether the key was handled here; the grid's own handler takes
// the rest.
bool TRERorAzaz::PageModeKey(Word& Key, TShiftState Shift) {
  TDataSet* D = LinkedDataSet();
  const bool Active = ActiveDataSet();
  const Integer Left = LeftCol();
  auto KeepLeft = [this, Left] {
    if (Navigation()->KeepHorizScroll()) SetLeftCol(Left);
  };
  switch (Key) {
    case VK_RETURN:
      if (!Active || D->State() != dsInsert || FRecordChanged || FEditPostMode != epCell) return false;
      {
        TFlagScope Cancelling(FCancelEditReturn, true);
        D->Cancel();
      }
      FNewRecord = FNewAppendRecord = FKeyDownAppend = false;
      FireKeyDown(Key, Shift);
      return true;
    case VK_ESCAPE:
      if (DataSource() && Active) FDataLink->Reset();
      FireKeyDown(Key, Shift);
      return true;
    case VK_PRIOR:
    case VK_NEXT: {
      if (!Active) return false;
      const bool Up = Key == VK_PRIOR;
      if (Up ? (D->BOF() && Row() == FixedRows()) : (D->Eof() && Row() == FDataLink->BufferCount())) return true;
      BeginUpdate();
      auto End = ScopeExit([this] { EndUpdate(); });
      FDataLink->MoveBy(Up ? -FDataLink->BufferCount() : FDataLink->BufferCount());
      KeepLeft();
      FireKeyDown(Key, Shift);
      return true;
    }
    case VK_HOME:
    case VK_END:
      if (!Active || Navigation()->HomeEndKey() != heFirstLastRow) return false;
      {
        BeginUpdate();
        auto End = ScopeExit([this] { EndUpdate(); });
        if (Key == VK_HOME) D->First();
        else D->Last();
      }
      KeepLeft();
      FireKeyDown(Key, Shift);
      return true;
    case VK_UP:
      if (!Active) return false;
      FNewAppendRecord = false;
      FDataLink->MoveBy(D->State() == dsInsert ? 0 : -1);
      KeepLeft();
      FireKeyDown(Key, Shift);
      return true;
    case VK_DOWN:
      if (!Active) return false;
      KeyDownArrow(Shift);
      KeepLeft();
      FireKeyDown(Key, Shift);
      return true;
    case VK_INSERT:
      if (!Navigation()->AllowInsertRow() || !Plain(Shift)) return false;
      KeyInsert(Shift);
      FireKeyDown(Key, Shift);
      return true;
    case VK_DELETE:
      if (!Navigation()->AllowDeleteRow() || Shift.Contains(ssAlt)) return false;
      if (!KeyDelete(Shift)) FireKeyDown(Key, Shift);
      Key = 0;
      return true;
    default:
      if (D && FOldState == dsBrowse && D->State() == dsBrowse) FDoNotCountRow = false;
      return false;
  }
}

void TRERorAzaz::KeyDownArrow(TShiftState Shift) {
  TDataSet* D = LinkedDataSet();
  if (FKeyDownAppend && D->Modified()) {
    // The record the last Down appended was filled in: leaving it posts it.
    FNewAppendRecord = false;
    const Integer Moved = FDataLink->MoveBy(-1);
    FDataLink->MoveBy(-Moved);
  }
  Integer Moved = 1;
  if (!FKeyDownAppend) {
    const bool Footer = FloatingFooter()->Visible() || SearchFooter()->Visible();
    TFlagScope Internal(FInternalMove, FInternalMove || (FDataSetType == dtNonSequenced && Footer));
    Moved = FDataLink->MoveBy(1);
    if (FDataSetType == dtSequenced && Moved != 0 && FDataLink->ActiveRecord() == FDataLink->BufferCount() - 1) {
      // The buffers reach one record further, so the row below shows too.
      TLinkLock Lock(FDataLink.get());
      const Integer Ahead = FDataLink->MoveBy(1);
      FDataLink->MoveBy(-Ahead);
    }
  }
  if (Moved != 0 || FKeyDownAppend) return;
  if (Navigation()->AppendOnArrowDown() && Plain(Shift)) {
    AppendByKey();
    if (OnAutoAddRow) OnAutoAddRow(this, RowCount() - 1 - FixedFooters());
    return;
  }
  if (D->Eof() && !D->BOF() && FDataSetType == dtSequenced) {
    const Integer Back = FDataLink->MoveBy(-1);
    FDataLink->MoveBy(std::abs(Back));
  }
}

void TRERorAzaz::AppendByKey() {
  LinkedDataSet()->Append();
  FNewRecord = FKeyDownAppend = true;
  if (FDataSetType != dtSequenced) return;
  TFlagScope Internal(FInternalCall, true), Selection(FInternalSelection, true);
  TRezIvevirAvod::SetRow(std::min(Row() + 1, RowCount() - 1));
}

void TRERorAzaz::KeyInsert(TShiftState) {
  bool Allow = true;
  if (TRezIvevirAvod::OnCanInsertRow) TRezIvevirAvod::OnCanInsertRow(this, Row(), Allow);
  TDataSet* D = LinkedDataSet();
  if (!ActiveDataSet() || !D->CanModify()) Allow = false;
  if (!Allow) return;
  const Integer OldCount = RowCount();
  if (!FEmptyDataSet) InsertRows(Row(), 1);
  if (RowCount() == OldCount && !FEmptyDataSet) return;
  {
    TFlagScope Internal(FInternalInsert, true);
    D->Insert();
  }
  FNewRecord = true;
}

// Answers whether the deletion was allowed; an allowed key is consumed even
// when there is no record to delete.
bool TRERorAzaz::KeyDelete(TShiftState) {
  bool Allow = true;
  if (OnCanDeleteRow) OnCanDeleteRow(this, Row(), Allow);
  TDataSet* D = LinkedDataSet();
  if (!ActiveDataSet() || !D->CanModify()) Allow = false;
  if (!Allow) return false;
  if (RowCount() - FixedRows() - FixedFooters() <= 0 || D->IsEmpty()) return true;
  FDoNotCountRow = false;
  D->Delete();
  if (HandleAllocated()) InvalidateRow(Row());
  return true;
}

// --- the mouse -------------------------------------------------------------------------------------

void TRERorAzaz::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  TRezIvevirAvod::MouseDown(Button, Shift, X, Y);
  // At design time the quick configuration takes the click on release.
  if (!Designing()) ShowColumnPopup(Button, X, Y);
}

// A column's menu pops up below the clicked cell when its kind of click
// (button, fixed or data cell) matches the column's.
void TRERorAzaz::ShowColumnPopup(TMouseButton Button, Integer X, Integer Y) {
  Integer ACol = -1, ARow = -1;
  MouseToCell(X, Y, ACol, ARow);
  if (ACol < 0 || ARow < 0) return;
  const Integer RC = RealColIndex(ACol);
  TDBGridColumnItem* Item = ItemAt(RC);
  if (!Item || !Item->ColumnPopup()) return;
  const TColumnPopupType T = Item->ColumnPopupType();
  const bool Left = T == cpFixedCellsLClick || T == cpNormalCellsLClick || T == cpAllCellsLClick;
  if ((Button == mbLeft) != Left || (Button != mbLeft && Button != mbRight)) return;
  const bool Fixed = ARow < FixedRows();
  const bool ForFixed = T == cpFixedCellsLClick || T == cpFixedCellsRClick || T == cpAllCellsLClick || T == cpAllCellsRClick;
  const bool ForData = T == cpNormalCellsLClick || T == cpNormalCellsRClick || T == cpAllCellsLClick || T == cpAllCellsRClick;
  if (OnColumnPopup) OnColumnPopup(this, RC, ARow, Item->ColumnPopup());
  if (Fixed ? !ForFixed : !ForData) return;
  const TRect Cell = CellRect(ACol, ARow);
  const TPoint Screen = ClientToScreen(TPoint(Cell.Left, Cell.Bottom));
  Item->ColumnPopup()->Popup(Screen.X, Screen.Y);
}

// A click on the record indicator moves to that row's record.
void TRERorAzaz::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
  TRezIvevirAvod::MouseUp(Button, Shift, X, Y);
  if (!FPageMode || Designing() || !ActiveDataSet() || Button != mbLeft) return;
  Integer ACol = -1, ARow = -1;
  MouseToCell(X, Y, ACol, ARow);
  if (!IsIndicatorColumn(ACol) || ARow < FixedRows() || ARow == Row() || ARow >= RowCount() - FixedFooters()) return;
  if (OnRowChanging) {
    SelectCell(std::max(Col(), FixedCols()), ARow);
    return;
  }
  FDataLink->MoveBy(ARow - Row());
}

// --- the row changing question -------------------------------------------------------------------

void TRERorAzaz::GridRowChanging(Integer OldRow, Integer NewRow, bool& Allow) {
  if (OnRowChanging) OnRowChanging(this, OldRow, NewRow, Allow);
  FAllowRowChange = Allow;
  TDataSet* D = LinkedDataSet();
  if (D && D->State() == dsInsert && !D->Modified() && NewRow >= RowCount() - 1 && !FAppending) Allow = false;
}

void TRERorAzaz::SetRow(Integer Value) {
  if (Value < FixedRows()) return;
  if (FPageMode && FDataSetType == dtNonSequenced && Value > VisibleRowCount() + FixedRows()) return;
  const Integer OldRow = Row();
  TRezIvevirAvod::SetRow(Value);
  if (Row() != OldRow && OnRowUpdate) OnRowUpdate(this, OldRow, Row());
}

// --- cell selection --------------------------------------------------------------------------------

bool TRERorAzaz::SelectCell(Integer ACol, Integer ARow) {
  const bool Differs = ACol != Col() || ARow != Row();
  const bool Leaving = FEditPostMode == epCell && Differs;
  if (FEditPostMode == epRow && FPageMode && Differs && FDataLink->Active()) FDataLink->UpdateRecord();
  if (FDoNotCallSelect) return true;
  TDataSet* D = LinkedDataSet();
  const bool Active = ActiveDataSet();
  Integer Target = ARow;
  if (Active && D->State() == dsInsert && Leaving && !FInternalSelection && FKeyDownAppend &&
      FDataSetType == dtSequenced && !FRecordChanged && FEditText.empty())
    ++Target;
  FAllowRowChange = true;
  const Integer OldRow = Row();
  bool Answer = TRezIvevirAvod::SelectCell(ACol, Target);
  if (FEditPostMode == epRow && FPageMode && Differs) FEditText = GetCells(RealColIndex(ACol), Target);
  if (FPageMode && Active && D->State() == dsInsert && Leaving && !FInternalSelection) LeaveInsertion(Leaving, Answer);
  if (FPageMode && FAllowRowChange && !FInternalCall && !(FDataSetType == dtNonSequenced && FExporting) && Active &&
      Target != OldRow) {
    FTabInsertion = false;
    TFlagScope NoCount(FDoNotCountRow, true), NoSelect(FDoNotCallSelect, true);
    MoveDataSetToRow(Target - OldRow, Answer);
  }
  return Answer;
}

// Leaving an insertion posts it when a field changed and drops it otherwise.
void TRERorAzaz::LeaveInsertion(bool, bool& Answer) {
  TDataSet* D = LinkedDataSet();
  if (FRecordChanged && FEditPostMode == epCell) {
    FNewRecord = false;
    D->Post();
  } else if (!FTabInsertion) {
    TFlagScope Cancelling(FUpdateCancel, true);
    const bool DownAppend = FKeyDownAppend && Navigation()->AppendOnArrowDown() && FEditPostMode == epCell &&
                            FDataSetType == dtSequenced;
    D->Cancel();
    if (DownAppend) Answer = false;
  }
  FNewRecord = FNewAppendRecord = FKeyDownAppend = false;
}

void TRERorAzaz::MoveDataSetToRow(Integer Delta, bool& Answer) {
  TDataSet* D = LinkedDataSet();
  const Integer OldRow = Row();
  Integer Moved = 0;
  if (FAppendOperation && Delta == -1 && !D->Modified() && FDataSetType == dtSequenced) {
    Moved = FDataLink->MoveBy(0);
  } else if (!FInternalMove) {
    const Integer ActiveBefore = FDataLink->ActiveRecord();
    Moved = FDataLink->MoveBy(Delta);
    if (FWasEditing && Moved > 0 && FDataLink->ActiveRecord() == ActiveBefore &&
        FDataLink->ActiveRecord() != FDataLink->BufferCount() - 1)
      FDataLink->MoveBy(Delta);
    if (FColWith0Width) {
      FWasEditing = false;
      Invalidate();
    }
  }
  const bool AdvanceAppend = Navigation()->AdvanceOnEnter() || Options().Contains(goTabs);
  if (Delta == 1 && Moved == 0 && AdvanceAppend && Navigation()->AdvanceInsert() && D->CanModify()) {
    {
      TFlagScope Internal(FInternalInsert, true);
      D->Append();
    }
    FNewRecord = true;
    if (Navigation()->AdvanceOnEnter()) FNewAppendRecord = true;
    if (Options().Contains(goTabs) && Col() != FixedCols()) FTabInsertion = true;
  }
  if (FDataSetType == dtSequenced && FEditPostMode == epRow && Row() != OldRow && Row() != OldRow + Delta &&
      D->State() != dsInsert)
    Answer = false;
}

bool TRERorAzaz::CanTabToNextRow() {
  if (!ActiveDataSet()) return TRezIvevirAvod::CanTabToNextRow();
  return FDataLink->MoveBy(1) != 0;
}

void TRERorAzaz::WrapToFirstRow() {
  TDataSet* D = LinkedDataSet();
  const bool Editing = D && (D->State() == dsEdit || D->State() == dsInsert);
  if (!D || (!Editing && FDataSetType == dtSequenced && !FKeyDownAppend)) {
    TRezIvevirAvod::WrapToFirstRow();
    return;
  }
  if (FKeyDownAppend) return;
  const bool Footer = FloatingFooter()->Visible() || SearchFooter()->Visible();
  TFlagScope Internal(FInternalMove, FDataSetType == dtNonSequenced && Footer);
  if (FDataLink->MoveBy(1) == 0 && !(GetKeyState(VK_MENU) & 0x8000)) AppendByKey();
}

void TRERorAzaz::DoCanAddRow(bool& CanAdd) {
  TRezIvevirAvod::DoCanAddRow(CanAdd);
  TDataSet* D = LinkedDataSet();
  if (CanAdd && D && (D->State() == dsEdit || D->State() == dsInsert) && FEditPostMode == epRow) D->Post();
}

// --- the vertical scroll bar -----------------------------------------------------------------------

void TRERorAzaz::WMVScroll(TWMScroll& Message) {
  if (Designing() || !DataSource()) {
    TRezIvevirAvod::WMVScroll(Message);
    return;
  }
  const TGridRect OldSelection = Selection();
  const Integer T0 = TopRow();
  const Integer Left = LeftCol();
  const Integer Code = Message.ScrollCode;
  FDoNotCountRow = true;
  auto Done = ScopeExit([this, Left] {
    if (Navigation()->KeepHorizScroll()) SetLeftCol(Left);
    FDoNotCountRow = false;
  });
  const bool FooterCode = FloatingFooter()->Visible() && (Code == SB_PAGEUP || Code == SB_PAGEDOWN ||
                                                          Code == SB_THUMBPOSITION || Code == SB_THUMBTRACK);
  if (!FPageMode || (FDataSetType == dtSequenced && !FooterCode)) TRezIvevirAvod::WMVScroll(Message);
  if (!FPageMode || !ActiveDataSet()) return;
  if (FDataSetType == dtSequenced && LinkedDataSet()->IsSequenced()) ScrollSequenced(Code, T0);
  else ScrollNonSequenced(Code, Message.Pos);
  const TGridRect NewSelection = Selection();
  if (NewSelection.Left != OldSelection.Left || NewSelection.Top != OldSelection.Top ||
      NewSelection.Right != OldSelection.Right || NewSelection.Bottom != OldSelection.Bottom)
    DoSelectionChanged(NewSelection.Left, NewSelection.Top, NewSelection.Right, NewSelection.Bottom);
}

// The grid scrolled its rows first; the data set follows so that the
// current record stays one of the visible rows.
void TRERorAzaz::ScrollSequenced(Integer Code, Integer T0) {
  TDataSet* D = LinkedDataSet();
  const Integer RC = FDataLink->RecordCount(), T = TopRow();
  Integer AR = FDataLink->ActiveRecord();
  switch (Code) {
    case SB_LINEUP:
      if (AR > 0 && AR == FDataLink->BufferCount() - 1) --AR;
      FDataLink->MoveBy(-AR - 1);
      break;
    case SB_LINEDOWN: {
      Integer Moved;
      {
        TFlagScope Counting(FDoNotUpdateMe, true);
        Moved = FDataLink->MoveBy(RC - AR);
      }
      if (Moved == 0) FDataLink->MoveBy(1);
      else if (Moved >= 2) FDataLink->MoveBy(-1);
      else SyncRowsToDataset(true);
      break;
    }
    case SB_PAGEUP: FDataLink->MoveBy(T - T0 - AR - 1); break;
    case SB_PAGEDOWN: {
      FDataLink->MoveBy(T - T0 + RC - AR);
      TLinkLock Lock(FDataLink.get());
      const Integer Ahead = FDataLink->MoveBy(1);
      FDataLink->MoveBy(-Ahead);
      break;
    }
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
      const Integer Distance = T - T0;
      if (Distance > 0) FDataLink->MoveBy(RC + Distance - AR - 1);
      else if (Distance < 0) FDataLink->MoveBy(Distance - AR);
      break;
    }
    case SB_TOP: D->First(); break;
    case SB_BOTTOM: D->Last(); break;
    default: break;
  }
}

// Without record numbers the scroll bar is a position indicator of five
// places: the first record, a page up, here, a page down, the last record.
void TRERorAzaz::ScrollNonSequenced(Integer Code, Integer Position) {
  TDataSet* D = LinkedDataSet();
  const Integer Visible = VisibleRowCount();
  Integer Moved = 0;
  switch (Code) {
    case SB_LINEUP: Moved = FDataLink->MoveBy(-FDataLink->ActiveRecord() - 1); break;
    case SB_LINEDOWN: {
      const Integer AR = FDataLink->ActiveRecord();
      {
        TFlagScope Counting(FDoNotUpdateMe, true);
        Moved = FDataLink->MoveBy(FDataLink->RecordCount() - AR);
      }
      if (Moved == 0) Moved = FDataLink->MoveBy(1);
      else if (Moved >= 2) FDataLink->MoveBy(-1);
      SyncRowsToDataset(true);
      break;
    }
    case SB_PAGEUP: Moved = FDataLink->MoveBy(-Visible); break;
    case SB_PAGEDOWN: Moved = FDataLink->MoveBy(Visible); break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
      switch (Position) {
        case 0: D->First(); Moved = 1; break;
        case 1: Moved = FDataLink->MoveBy(-Visible); break;
        case 3: Moved = FDataLink->MoveBy(Visible); break;
        case 4: D->Last(); Moved = 1; break;
        default: break;
      }
      break;
    case SB_TOP: D->First(); Moved = 1; break;
    case SB_BOTTOM: D->Last(); Moved = 1; break;
    default: break;
  }
  if (Moved != 0) Invalidate();
}

}  // namespace jorv::grid
