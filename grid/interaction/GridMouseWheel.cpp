// The mouse wheel: zoom with Ctrl, else scroll the rows or move the current
// row, and the framework's wheel steps when the message reaches it.
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/Math.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/InplaceEdit.h"

namespace jorv::grid {

void TRezIvevirAvod::HandleWheelMessage(TMessage& Message) {
  const auto& Wheel = MsgAs<TWMMouseWheel>(Message);
  Message.Result = 0;
  HideCellScrollBar();
  const bool Down = Wheel.WheelDelta < 0;
  const TPoint ScreenPoint{Wheel.XPos, Wheel.YPos};
  if (FMouseActions->WheelActive() == waMouseOver) {
    const TPoint P = ScreenToClient(ScreenPoint);
    if (P.X < 0 || P.Y < 0 || P.X >= ClientWidth() || P.Y >= ClientHeight()) return;
  }
  if (Parent() && Parent()->Perform(CM_MOUSEWHEEL, Message.WParam, Message.LParam) != 0) return;
  if ((Wheel.Keys & MK_CONTROL) && FIntelliZoom) {
    Zoom(Down ? -FWheelScrollLines : FWheelScrollLines);
    DoIntelliZoom();
    return;
  }
  if (!FEnableWheel || (FFixedRowAlways && RowCount() <= 1)) return;
  Integer Step = FMouseActions->WheelIncrement();
  if (Step < 1) Step = FWheelScrollLines;
  const TGridRect OldSelection = Selection();
  const bool Scrolls = FMouseActions->WheelAction() == waScroll;
  Integer Target = Row();
  if (Scrolls && Down) {
    const Integer MaxTop = RowCount() - VisibleRowCount();
    if (TopRow() < MaxTop) SetTopRow(std::min(TopRow() + Step, MaxTop));
  } else if (Scrolls) {
    Step = std::min(Step, TopRow() - FixedRows());
    if (TopRow() > FixedRows()) SetTopRow(TopRow() - Step);
  } else {
    Target = Down ? Row() + Step : Row() - Step;
  }
  Target = std::max(FixedRows(), std::min(Target, RowCount() - FFixedFooters - 1));
  if (Col() < FixedCols()) SetCol(FixedCols());
  Integer Delta = 0;
  if (Target >= 0 && Target < RowCount()) {
    StartUpdate();
    auto Reset = ScopeExit([this] { ResetUpdate(); });
    Delta = Target - Row();
    const Integer Left = LeftCol();
    if (!Scrolls) WheelMoveRow(Target);
    if (Options().Contains(goRowSelect) && FNavigation->KeepHorizScroll()) SetLeftCol(Left);
  }
  bool Handled = true;
  CanHandleWheel(Delta, Handled);
  const bool Disjunct = FMouseActions->DisjunctRowSelect();
  if ((FMouseActions->WheelIncrement() != 0 || Disjunct) && Handled) {
    Message.Result = 1;
    bool EventHandled = false;
    const TShiftState Shift = Disjunct ? KeyboardStateToShiftState() : TShiftState{};
    const TPoint MousePos = Disjunct ? ScreenPoint : TPoint{0, 0};
    const TMouseWheelUpDownEvent& Event = Down ? OnMouseWheelDown : OnMouseWheelUp;
    if (Event) Event(this, Shift, MousePos, EventHandled);
  }
  const TGridRect NewSelection = Selection();
  if (!(NewSelection == OldSelection))
    DoSelectionChanged(NewSelection.Left, NewSelection.Top, NewSelection.Right, NewSelection.Bottom);
  if (TopRow() == RowCount() - VisibleRowCount()) KeepLastRowAboveSearchFooter();
}

// Rows that cannot be selected are passed over in the direction of the turn.
void TRezIvevirAvod::WheelMoveRow(Integer Target) {
  const Integer Wanted = Target;
  SetRow(Target);
  while (Row() != Target) {
    Target += Target - Row();
    if (Target >= RowCount() || Target < FixedRows()) break;
    SetRow(Target);
  }
  if (Row() == Target) return;
  const Integer Half = static_cast<Integer>(Round((Wanted - Row()) / 2.0));
  if (Half != 0) SetRow(Row() + Half);
  if (TopRow() > FixedRows()) SetTopRow(TopRow() - 1);
}

void TRezIvevirAvod::CanHandleWheel(Integer, bool& Handled) { Handled = true; }

bool TRezIvevirAvod::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  return WheelScrollStep(true, Shift, MousePos);
}

bool TRezIvevirAvod::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  return WheelScrollStep(false, Shift, MousePos);
}

// The framework's wheel step (the wheel message reached the framework).
bool TRezIvevirAvod::WheelScrollStep(bool Down, TShiftState Shift, TPoint MousePos) {
  if (FMouseActions->WheelAction() == waScroll || !FEnableWheel) {
    bool Handled = false;
    const TMouseWheelUpDownEvent& Event = Down ? OnMouseWheelDown : OnMouseWheelUp;
    if (Event) Event(this, Shift, MousePos, Handled);
    return Handled;
  }
  const bool DirectEdit = FMouseActions->DirectEdit();
  FMouseActions->SetDirectEdit(false);
  auto Restore = ScopeExit([this, DirectEdit] { FMouseActions->SetDirectEdit(DirectEdit); });
  auto BaseStep = [&] {
    return Down ? TBaseGrid::DoMouseWheelDown(Shift, MousePos) : TBaseGrid::DoMouseWheelUp(Shift, MousePos);
  };
  if (Options().Contains(goRowSelect) && FNavigation->KeepHorizScroll()) {
    const Integer Left = LeftCol();
    StartUpdate();
    auto Reset = ScopeExit([this] { ResetUpdate(); });
    const bool Result = BaseStep();
    SetLeftCol(Left);
    return Result;
  }
  if (!Down && (Row() >= RowCount() || Col() >= ColCount())) return true;
  const bool Result = BaseStep();
  if (EditorMode() && InplaceEditor() && InplaceEditor()->HandleAllocated()) InplaceEditor()->SetFocus();
  return Result;
}

}  // namespace jorv::grid
