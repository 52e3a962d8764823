// Touch scrolling: with MouseActions.TouchScroll a press on a cell other
// than the current one starts a gesture; dragging moves the rows with the
// finger, a release within 500 ms after a scroll lets the rows run on for
// ten steps, and a press and release that did not scroll is a tap.
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/Clock.h"

namespace jorv::grid {

bool TRezIvevirAvod::StartTouchScroll(Integer ACol, Integer ARow, Integer X, Integer Y) {
  if (!FMouseActions->TouchScroll() || ACol < 0 || ARow < 0 || ARow < FixedRows()) return false;
  if (ACol == Col() && ARow == Row()) return false;
  DoClickCell(ARow, ACol);
  FTimeStart = GetTickCount();
  FTouchDown = TPoint{X, Y};
  FTopDown = TopRow();
  FScrollStart = true;
  FScrollSteps = 0;
  SetCapture(Handle());
  return true;
}

void TRezIvevirAvod::FollowTouchScroll(Integer Y) {
  if (!FScrollStart || FTouchDown.Y == -1 || DefaultRowHeight() <= 0) return;
  const Integer Last = std::max(FixedRows(), RowCount() - VisibleRowCount());
  const Integer Top = std::clamp(FTopDown + (FTouchDown.Y - Y) / DefaultRowHeight(), FixedRows(), Last);
  if (Top != TopRow()) SetTopRow(Top);
}

// True when the release ended a gesture.
bool TRezIvevirAvod::EndTouchScroll(Integer X, Integer Y) {
  if (!FScrollStart) return false;
  FScrollStart = false;
  const Integer Delta = FTouchDown.Y < Y ? -1 : 1;
  const bool Slow = GetTickCount() - FTimeStart > 499;
  if (Slow || TopRow() == FTopDown) {
    if (TopRow() == FTopDown) TouchTap(X, Y);
  } else {
    FScrollEnd = true;
    StartScrollSteps(Delta, 10);
  }
  FTouchDown.Y = -1;
  ReleaseCapture();
  if (CanFocus()) SetFocus();
  return true;
}

// A tap makes the cell current and works its check box or button.
void TRezIvevirAvod::TouchTap(Integer X, Integer Y) {
  Integer C = -1, R = -1;
  MouseToCell(X, Y, C, R);
  if (C < FixedCols() || R < FixedRows()) return;
  MoveCurrentCell(C, R);
  SetTopRow(FTopDown);
  const Integer RC = DisplToRealCol(C);
  bool Allow = true;
  CanEditCell(RC, R, Allow);
  if (!Allow) return;
  if (HasCheckBox(RC, R) && ToggleCheckBox(RC, R)) {
    bool State = false;
    GetCheckBoxState(RC, R, State);
    DoCheckBoxClick(C, R, State);
  } else if (HasButton(RC, R)) {
    DoButtonClick(C, R);
  }
}

}  // namespace jorv::grid
