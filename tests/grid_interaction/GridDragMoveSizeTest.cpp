// Dragging with the mouse on a shown grid: fixed columns and rows sized by
// their own border lines, columns and rows moved by their header cells
// (with the drop arrows, the cursor and the events of the enhanced move),
// what goes along with a moved column, and the moves a synchronised grid
// repeats.
#include <gtest/gtest.h>

#include <algorithm>

#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/Panel.h"
#include "platform/ui/Screen.h"
#include "tests/support/grid/MouseGrid.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

// Five columns of 64 pixels and five rows of 22 (grid lines included),
// one fixed row and column: column c starts at x = 64 c, row r at
// y = 22 r. Every cell holds "column:row".
struct TDragGrid : TShownMouseGrid<> {
  TPoint At(Integer C, Integer R) { return TPoint{64 * C + 10, 22 * R + 6}; }
  void Press(TPoint P) {
    MouseMove(Grid, P.X, P.Y);
    MouseDown(Grid, P.X, P.Y);
  }
  // The mouse rests: the arrows follow the place of the move before.
  void Rest(TPoint P) {
    MouseMove(Grid, P.X, P.Y);
    MouseMove(Grid, P.X, P.Y);
  }
  void Drag(TPoint From, std::vector<TPoint> Via, TPoint To) {
    Press(From);
    for (TPoint P : Via) MouseMove(Grid, P.X, P.Y);
    MouseUp(Grid, To.X, To.Y);
  }
  // Where an arrow stands, in the grid's client coordinates.
  TPoint ArrowAt(TArrowDirection Direction) {
    RECT R{};
    GetWindowRect(Grid->DropArrow(Direction)->Handle(), &R);
    return Grid->ScreenToClient(TPoint{R.left, R.top});
  }
  bool ArrowShown(TArrowDirection Direction) {
    TWinControl* Arrow = Grid->DropArrow(Direction);
    return Arrow && Arrow->HandleAllocated() && IsWindowVisible(Arrow->Handle());
  }
};

}  // namespace

TEST(GridFixedSizing, FixedLinesAreSizedByDraggingTheirOwnBorders) {
  const struct {
    const char* Name;
    bool SizeFixedCol, SizeFixedRow;
    TPoint From, To;
    Integer Width0, Height0;
    std::vector<String> Events;
  } Cases[] = {
      {"column border in a normal row", true, false, {64, 50}, {100, 50}, 100, 22, {L"end column 0"}},
      {"column dragged past the left edge", true, false, {64, 50}, {-20, 50}, 0, 22, {L"end column 0"}},
      {"column sizing not allowed", false, true, {64, 50}, {100, 50}, 64, 22, {}},
      {"row border in a normal column", false, true, {150, 22}, {150, 40}, 64, 40, {L"end row 0"}},
      {"row sizing not allowed", true, false, {150, 22}, {150, 40}, 64, 22, {}},
  };
  for (const auto& C : Cases) {
    TDragGrid F;
    F.Grid->MouseActions()->SetSizeFixedCol(C.SizeFixedCol);
    F.Grid->MouseActions()->SetSizeFixedRow(C.SizeFixedRow);
    F.Grid->OnEndColumnSize = [&](TObject*, Integer Col) { F.Events.push_back(L"end column " + IntToStr(Col)); };
    F.Grid->OnEndRowSize = [&](TObject*, Integer Row) { F.Events.push_back(L"end row " + IntToStr(Row)); };
    F.Drag(C.From, {TPoint{(C.From.X + C.To.X) / 2, (C.From.Y + C.To.Y) / 2}}, C.To);
    EXPECT_EQ(F.Grid->GetColWidths(0), C.Width0) << C.Name;
    EXPECT_EQ(F.Grid->GetRowHeights(0), C.Height0) << C.Name;
    EXPECT_EQ(F.Grid->GetColWidths(1), 64) << C.Name;
    EXPECT_EQ(F.Events, C.Events) << C.Name;
    EXPECT_FALSE(F.Grid->SizingFixed()) << C.Name;
  }
}

TEST(GridFixedSizing, TheBorderShowsTheSplitCursorAndOnUpdateColumnSizeHasTheLastWord) {
  TDragGrid F;
  F.Grid->MouseActions()->SetSizeFixedCol(true);
  F.Grid->OnUpdateColumnSize = [](TObject*, Integer, Integer& Width) { Width = 80; };
  F.Press(TPoint{64, 50});
  SendMessageW(F.Grid->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(F.Grid->Handle()),
               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), Screen->Cursors(crHSplit));
  EXPECT_TRUE(F.Grid->SizingFixed());
  MouseMove(F.Grid, 120, 50);
  MouseUp(F.Grid, 120, 50);
  EXPECT_EQ(F.Grid->GetColWidths(0), 80);
}

TEST(GridEnhancedMove, ADraggedHeaderShowsArrowsAndTheDragCursorAndDropsTheColumn) {
  TDragGrid F;
  F.Grid->SetOptions(F.Grid->Options() + goColMoving);
  F.Grid->OnColumnMove = [&](TObject*, Integer C, bool&) { F.Events.push_back(L"move " + IntToStr(C)); };
  F.Grid->OnColumnMoving = [&](TObject*, Integer C, bool&) { F.Events.push_back(L"moving " + IntToStr(C)); };
  F.Press(F.At(1, 0));
  F.Rest(F.At(2, 0));
  F.Rest(F.At(3, 0));
  EXPECT_EQ(Screen->Cursor(), crDrag);
  // The arrows mark column 3, right of the moved column: 5 pixels left of
  // its right edge (256), under the header and 8 pixels above it.
  ASSERT_TRUE(F.ArrowShown(arrUp));
  ASSERT_TRUE(F.ArrowShown(arrDown));
  EXPECT_EQ(F.ArrowAt(arrUp), (TPoint{251, 22}));
  EXPECT_EQ(F.ArrowAt(arrDown), (TPoint{251, -8}));
  MouseUp(F.Grid, F.At(3, 0).X, F.At(3, 0).Y);
  // Every move asks OnColumnMove for the moved column, OnColumnMoving for
  // the one under the mouse (the system may add moves of its own).
  std::vector<String> Distinct;
  for (const String& E : F.Events)
    if (std::find(Distinct.begin(), Distinct.end(), E) == Distinct.end()) Distinct.push_back(E);
  EXPECT_EQ(Distinct, (std::vector<String>{L"move 1", L"moving 2", L"moving 3"}));
  EXPECT_EQ(F.Events.back(), L"moving 3");
  EXPECT_EQ(Screen->Cursor(), crDefault);
  EXPECT_FALSE(F.ArrowShown(arrUp));
  EXPECT_EQ(F.Grid->GetCells(3, 2), L"1:2");
  EXPECT_EQ(F.Grid->GetCells(1, 2), L"2:2");
}

TEST(GridEnhancedMove, ArrowColorPaintsAllFourArrowsBeforeAndDuringAMove) {
  TDragGrid F;
  F.Grid->SetOptions(F.Grid->Options() + goColMoving);
  EXPECT_EQ(F.Grid->ArrowColor(), TColor(0x00FF00));
  // Set before the arrows exist: the arrows are made in that colour.
  F.Grid->SetArrowColor(clRed);
  F.Press(F.At(1, 0));
  F.Rest(F.At(2, 0));
  F.Rest(F.At(3, 0));
  ASSERT_TRUE(F.ArrowShown(arrUp));
  EXPECT_EQ(TRendered(F.Grid->DropArrow(arrUp)).Pixel(5, 6), clRed);
  // Set while they are shown: every one of the four takes it.
  F.Grid->SetArrowColor(clBlue);
  for (TArrowDirection D : {arrUp, arrDown, arrLeft, arrRight}) EXPECT_EQ(F.Grid->DropArrow(D)->Color(), clBlue) << D;
  EXPECT_EQ(TRendered(F.Grid->DropArrow(arrDown)).Pixel(5, 2), clBlue);
  EXPECT_EQ(F.Grid->ArrowColor(), clBlue);
  MouseUp(F.Grid, F.At(3, 0).X, F.At(3, 0).Y);
}

TEST(GridEnhancedMove, ARowDraggedByItsFixedCellMovesWithArrowsBesideTheRow) {
  TDragGrid F;
  F.Grid->SetOptions(F.Grid->Options() + goRowMoving);
  F.Press(F.At(0, 1));
  F.Rest(F.At(0, 2));
  F.Rest(F.At(0, 3));
  // Row 3 lies below the moved row: 5 pixels above its bottom (88); the
  // left arrow 10 pixels left of the grid's first cell, the right one at
  // column 0's right edge.
  EXPECT_EQ(F.ArrowAt(arrLeft), (TPoint{-10, 83}));
  EXPECT_EQ(F.ArrowAt(arrRight), (TPoint{64, 83}));
  MouseUp(F.Grid, F.At(0, 3).X, F.At(0, 3).Y);
  EXPECT_EQ(F.Grid->GetCells(2, 3), L"2:1");
  EXPECT_EQ(F.Grid->GetCells(2, 1), L"2:2");
}

TEST(GridEnhancedMove, RefusedMovesLeaveTheColumnsAlone) {
  const struct {
    const char* Name;
    bool RefuseMove, RefuseMoving;
    TCursor During;
  } Cases[] = {
      {"OnColumnMoving refuses: no-drop cursor", false, true, crNoDrop},
      {"OnColumnMove refuses: the move ends", true, false, crDefault},
  };
  for (const auto& C : Cases) {
    TDragGrid F;
    F.Grid->SetOptions(F.Grid->Options() + goColMoving);
    F.Grid->OnColumnMove = [&](TObject*, Integer, bool& Allow) { Allow = !C.RefuseMove; };
    F.Grid->OnColumnMoving = [&](TObject*, Integer, bool& Accept) { Accept = !C.RefuseMoving; };
    F.Press(F.At(1, 0));
    MouseMove(F.Grid, F.At(3, 0).X, F.At(3, 0).Y);
    EXPECT_EQ(Screen->Cursor(), C.During) << C.Name;
    MouseUp(F.Grid, F.At(3, 0).X, F.At(3, 0).Y);
    EXPECT_EQ(Screen->Cursor(), crDefault) << C.Name;
    EXPECT_EQ(F.Grid->GetCells(1, 2), L"1:2") << C.Name;
    EXPECT_EQ(F.Grid->GetCells(3, 2), L"3:2") << C.Name;
  }
}

// The drop runs through the grid's own move, enhanced or plain: the cell
// control moves with its column and a merged area the column passes is
// split instead of being left over other cells.
TEST(GridEnhancedMove, ADroppedColumnTakesItsCellControlAndSplitsMergesItCrosses) {
  for (bool Enhanced : {true, false}) {
    TDragGrid F;
    F.Grid->SetOptions(F.Grid->Options() + goColMoving);
    F.Grid->SetEnhRowColMove(Enhanced);
    auto* Control = new TPanel(F.Form.Get());
    F.Grid->SetCellControls(1, 2, Control);
    F.Grid->MergeCells(3, 3, 2, 1);
    F.Grid->CellControlsUpdate(false);
    ASSERT_EQ(Control->Left(), 64);
    F.Drag(F.At(1, 0), {F.At(2, 0), F.At(3, 0)}, F.At(3, 0));
    EXPECT_EQ(F.Grid->GetCells(3, 2), L"1:2") << Enhanced;
    EXPECT_EQ(Control->Left(), 192) << Enhanced;
    EXPECT_EQ(F.Grid->GetCellControls(3, 2), Control) << Enhanced;
    EXPECT_FALSE(F.Grid->IsMergedCell(3, 3)) << Enhanced;
    EXPECT_FALSE(F.Grid->IsMergedCell(2, 3)) << Enhanced;
  }
}

TEST(GridSyncedMove, ASynchronisedGridRepeatsMovesOnceEvenWhenSyncedBack) {
  for (bool Columns : {true, false}) {
    TDragGrid F;
    TRezIvevirAvod Other(nullptr);
    Other.SetColCount(5);
    Other.SetRowCount(5);
    for (Integer r = 0; r < 5; ++r)
      for (Integer c = 0; c < 5; ++c) Other.SetCells(c, r, IntToStr(c) + L"-" + IntToStr(r));
    F.Grid->SyncGrid()->SetGrid(&Other);
    F.Grid->SyncGrid()->SetMoveColumn(true);
    F.Grid->SyncGrid()->SetMoveRow(true);
    Other.SyncGrid()->SetGrid(F.Grid);
    Other.SyncGrid()->SetMoveColumn(true);
    Other.SyncGrid()->SetMoveRow(true);
    F.Grid->SetOptions(F.Grid->Options() + (Columns ? goColMoving : goRowMoving));
    if (Columns) {
      F.Drag(F.At(1, 0), {F.At(2, 0), F.At(3, 0)}, F.At(3, 0));
      EXPECT_EQ(Other.GetCells(3, 2), L"1-2");
      EXPECT_EQ(Other.GetCells(1, 2), L"2-2");
      EXPECT_EQ(F.Grid->GetCells(3, 2), L"1:2");
    } else {
      F.Drag(F.At(0, 1), {F.At(0, 2), F.At(0, 3)}, F.At(0, 3));
      EXPECT_EQ(Other.GetCells(2, 3), L"2-1");
      EXPECT_EQ(Other.GetCells(2, 1), L"2-2");
      EXPECT_EQ(F.Grid->GetCells(2, 3), L"2:1");
    }
    F.Grid->SyncGrid()->SetGrid(nullptr);
    Other.SyncGrid()->SetGrid(nullptr);
  }
}

namespace {

// Real button input, so that the grid sees the button down as the system
// reports it (a drag starts only while it is).
void SendButton(DWORD Flags) {
  INPUT In{};
  In.type = INPUT_MOUSE;
  In.mi.dwFlags = Flags;
  SendInput(1, &In, sizeof(In));
}

void PutCursor(TRezIvevirAvod* Grid, TPoint P) {
  const TPoint S = Grid->ClientToScreen(P);
  SetCursorPos(S.X, S.Y);
  Pump();
}

}  // namespace

TEST(GridOleDragStart, ASelectedCellDraggedWithTheButtonDownStartsADragOfItsText) {
  const struct {
    const char* Name;
    bool ColumnsOnly;
    std::vector<String> Events;
  } Cases[] = {
      {"cells", false, {L"drag 2 2 2:2", L"start 2 2"}},
      {"columns only: no drag from a normal row", true, {}},
  };
  for (const auto& C : Cases) {
    TDragGrid F;
    F.Grid->DragDropSettings()->SetOleDropSource(true);
    F.Grid->DragDropSettings()->SetOleColumnsOnly(C.ColumnsOnly);
    Click(F.Grid, F.At(2, 2).X, F.At(2, 2).Y);
    F.Grid->OnOleDrag = [&](TObject*, Integer R, Integer Col, const String& Data, bool&) {
      F.Events.push_back(L"drag " + IntToStr(R) + L" " + IntToStr(Col) + L" " + Data);
    };
    // The drop lands nowhere: the button comes up as soon as the drag runs.
    F.Grid->OnOleDragStart = [&](TObject*, Integer R, Integer Col) {
      F.Events.push_back(L"start " + IntToStr(R) + L" " + IntToStr(Col));
      SendButton(MOUSEEVENTF_LEFTUP);
    };
    PutCursor(F.Grid, F.At(2, 2));
    SendButton(MOUSEEVENTF_LEFTDOWN);
    Pump();
    PutCursor(F.Grid, TPoint{F.At(2, 2).X + 12, F.At(2, 2).Y + 2});
    Pump();
    SendButton(MOUSEEVENTF_LEFTUP);
    Pump();
    EXPECT_EQ(F.Events, C.Events) << C.Name;
    EXPECT_EQ(F.Grid->GetCells(2, 2), L"2:2") << C.Name;
  }
}
