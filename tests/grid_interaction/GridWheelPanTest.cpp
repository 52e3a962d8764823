// The grid's window procedure on a shown grid: real wheel turns, middle-
// button panning driven by its timer messages, and the window messages of
// cursor, erasing and sizing.
#include <gtest/gtest.h>

#include "grid/core/GridUnit.h"
#include "grid/core/RezIvevirAvod.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

struct TWheelGrid {
  TTestForm Form{400, 300};
  TRezIvevirAvod* Grid = new TRezIvevirAvod(Form.Get());
  TWheelGrid() {
    Grid->SetParent(Form.Get());
    Grid->SetBounds(0, 0, 380, 280);
    Grid->SetColCount(10);
    Grid->SetRowCount(50);
    Grid->SetFocus();
    Pump();
    Grid->SetRow(1);
    Grid->SetCol(1);
  }
  // One notch; Away turns it away from the user (upwards).
  LRESULT Wheel(bool Away = false, WPARAM Keys = 0, TPoint Client = {50, 50}) {
    const TPoint S = Grid->ClientToScreen(Client);
    const WPARAM W = MAKEWPARAM(Keys, static_cast<Word>(static_cast<SmallInt>(Away ? WHEEL_DELTA : -WHEEL_DELTA)));
    return SendMessageW(Grid->Handle(), WM_MOUSEWHEEL, W, MAKELPARAM(S.X, S.Y));
  }
  void PanTick() { SendMessageW(Grid->Handle(), WM_TIMER, TRezIvevirAvod::IntelliPanTimerID, 0); }
  // The cursor at a client point of the grid.
  void CursorAt(Integer X, Integer Y) {
    const TPoint S = Grid->ClientToScreen(TPoint{X, Y});
    SetCursorPos(S.X, S.Y);
  }
};

HCURSOR SystemCursor(const wchar_t* Id) { return LoadCursorW(nullptr, Id); }

}  // namespace

TEST(GridWheel, MovesTheCurrentRowByTheSystemsLinesWithinTheNormalRows) {
  TWheelGrid F;
  TRezIvevirAvod& G = *F.Grid;
  ASSERT_EQ(G.WheelScrollLines(), 3);
  F.Wheel();
  EXPECT_EQ(G.Row(), 4);
  F.Wheel(true);
  EXPECT_EQ(G.Row(), 1);
  // Never onto the fixed row nor the fixed footers.
  F.Wheel(true);
  EXPECT_EQ(G.Row(), 1);
  G.SetFixedFooters(2);
  G.SetRow(46);
  F.Wheel();
  EXPECT_EQ(G.Row(), 47);
  F.Wheel();
  EXPECT_EQ(G.Row(), 47);
}

TEST(GridWheel, AnIncrementMovesByItselfAndRaisesTheWheelEvents) {
  TWheelGrid F;
  TRezIvevirAvod& G = *F.Grid;
  G.MouseActions()->SetWheelIncrement(2);
  std::vector<String> Raised;
  G.OnMouseWheelDown = [&](TObject*, TShiftState Shift, TPoint Pos, bool& Handled) {
    Raised.push_back(L"down");
    EXPECT_FALSE(Handled);
    EXPECT_TRUE(Shift.Empty());
    EXPECT_EQ(Pos, (TPoint{0, 0}));
  };
  G.OnMouseWheelUp = [&](TObject*, TShiftState, TPoint, bool&) { Raised.push_back(L"up"); };
  EXPECT_EQ(F.Wheel(), 1);
  EXPECT_EQ(G.Row(), 3);
  F.Wheel(true);
  EXPECT_EQ(G.Row(), 1);
  EXPECT_EQ(Raised, (std::vector<String>{L"down", L"up"}));
}

TEST(GridWheel, ScrollingMovesTheTopRowAndNotTheCurrentRow) {
  TWheelGrid F;
  TRezIvevirAvod& G = *F.Grid;
  G.MouseActions()->SetWheelAction(waScroll);
  F.Wheel();
  EXPECT_EQ(G.TopRow(), 4);
  EXPECT_EQ(G.Row(), 1);
  G.SetTopRow(2);
  // The step is cut at the first normal row.
  F.Wheel(true);
  EXPECT_EQ(G.TopRow(), 1);
  // A notch near the end stops at the last full page.
  const Integer MaxTop = 50 - G.VisibleRowCount();
  G.SetTopRow(MaxTop - 1);
  F.Wheel();
  EXPECT_EQ(G.TopRow(), MaxTop);
  F.Wheel();
  EXPECT_EQ(G.TopRow(), MaxTop);
}

TEST(GridWheel, RowsThatCannotBeSelectedArePassedOver) {
  TWheelGrid F;
  TRezIvevirAvod& G = *F.Grid;
  G.OnSelectCell = [](TObject*, Integer, Integer ARow, bool& CanSelect) { CanSelect = ARow != 4; };
  F.Wheel();
  EXPECT_EQ(G.Row(), 7);
}

TEST(GridWheel, TurnsThatDoNothing) {
  TWheelGrid F;
  TRezIvevirAvod& G = *F.Grid;
  // Over another window while the grid has the focus.
  G.MouseActions()->SetWheelActive(waMouseOver);
  ASSERT_TRUE(G.Focused());
  F.Wheel(false, 0, TPoint{390, 50});
  EXPECT_EQ(G.Row(), 1);
  F.Wheel();
  EXPECT_EQ(G.Row(), 4);
  G.SetEnableWheel(false);
  F.Wheel();
  EXPECT_EQ(G.Row(), 4);
}

TEST(GridWheel, CtrlZoomsAndRaisesOnIntelliZoom) {
  TWheelGrid F;
  TRezIvevirAvod& G = *F.Grid;
  Integer Zooms = 0;
  G.OnIntelliZoom = [&](TObject*) { ++Zooms; };
  const Integer Width = G.GetColWidths(1);
  F.Wheel(true, MK_CONTROL);
  EXPECT_EQ(G.ZoomFactor(), 3);
  EXPECT_EQ(G.GetColWidths(1), Width + 3);
  EXPECT_EQ(G.Row(), 1);
  F.Wheel(false, MK_CONTROL);
  EXPECT_EQ(G.ZoomFactor(), 0);
  EXPECT_EQ(Zooms, 2);
  G.SetIntelliZoom(false);
  F.Wheel(false, MK_CONTROL);
  EXPECT_EQ(G.ZoomFactor(), 0);
  EXPECT_EQ(G.Row(), 4);
}

TEST(GridIntelliPan, AMiddlePressAnchorsAndTicksMoveTowardsTheMouse) {
  TWheelGrid F;
  TRezIvevirAvod& G = *F.Grid;
  MouseDown(&G, 100, 100, mbMiddle);
  ASSERT_TRUE(G.IntelliPanActive());
  EXPECT_EQ(G.IntelliPanOrigin(), (TPoint{100, 100}));
  EXPECT_EQ(GetCapture(), G.Handle());
  EXPECT_EQ(GetCursor(), SystemCursor(IDC_SIZEALL));
  // Within 5 pixels of the anchor nothing moves.
  F.CursorAt(104, 105);
  F.PanTick();
  EXPECT_EQ(G.Row(), 1);
  F.CursorAt(100, 140);
  F.PanTick();
  F.PanTick();
  F.PanTick();
  EXPECT_EQ(G.Row(), 4);
  // Only the pan timer steps; the grid timer keeps its own work.
  SendMessageW(G.Handle(), WM_TIMER, 111, 0);
  EXPECT_EQ(G.Row(), 4);
  EXPECT_EQ(GetCursor(), SystemCursor(IDC_SIZENS));
  F.CursorAt(100, 60);
  F.PanTick();
  EXPECT_EQ(G.Row(), 3);
  // Vertical panning never moves the column, sideways or not.
  F.CursorAt(200, 100);
  F.PanTick();
  EXPECT_EQ(G.Col(), 1);
  EXPECT_EQ(GetCursor(), SystemCursor(IDC_SIZEALL));
  F.CursorAt(200, 160);
  F.PanTick();
  EXPECT_EQ(G.Col(), 1);
  EXPECT_EQ(G.Row(), 4);
  EXPECT_EQ(GetCursor(), SystemCursor(IDC_SIZENS));
}

TEST(GridIntelliPan, BothDirectionsAndScrolling) {
  TWheelGrid F;
  TRezIvevirAvod& G = *F.Grid;
  G.SetIntelliPan(ipBoth);
  MouseDown(&G, 100, 100, mbMiddle);
  F.CursorAt(150, 150);
  F.PanTick();
  EXPECT_EQ(G.Col(), 2);
  EXPECT_EQ(G.Row(), 2);
  EXPECT_EQ(GetCursor(), SystemCursor(IDC_SIZENWSE));
  F.CursorAt(50, 100);
  F.PanTick();
  EXPECT_EQ(G.Col(), 1);
  EXPECT_EQ(GetCursor(), SystemCursor(IDC_SIZEWE));
  G.MouseActions()->SetWheelAction(waScroll);
  F.CursorAt(100, 150);
  F.PanTick();
  EXPECT_EQ(G.TopRow(), 2);
  EXPECT_EQ(G.Row(), 2);
}

TEST(GridIntelliPan, APressOrAKeyEndsPanningAndStillActs) {
  TWheelGrid F;
  TRezIvevirAvod& G = *F.Grid;
  G.SetShowHint(true);
  MouseDown(&G, 100, 100, mbMiddle);
  ASSERT_TRUE(G.IntelliPanActive());
  EXPECT_FALSE(G.ShowHint());
  KeyPress(&G, VK_DOWN);
  EXPECT_FALSE(G.IntelliPanActive());
  EXPECT_EQ(G.Row(), 2);
  EXPECT_TRUE(G.ShowHint());
  EXPECT_NE(GetCapture(), G.Handle());
  EXPECT_FALSE(KillTimer(G.Handle(), TRezIvevirAvod::IntelliPanTimerID));
  MouseDown(&G, 100, 100, mbMiddle);
  ASSERT_TRUE(G.IntelliPanActive());
  MouseDown(&G, 100, 100, mbMiddle);
  EXPECT_FALSE(G.IntelliPanActive());
  // Ticks after the end move nothing.
  F.CursorAt(100, 200);
  F.PanTick();
  EXPECT_EQ(G.Row(), 2);
  // A grid without hints gets none after panning either.
  G.SetShowHint(false);
  MouseDown(&G, 100, 100, mbMiddle);
  MouseDown(&G, 100, 100, mbMiddle);
  EXPECT_FALSE(G.ShowHint());
}

TEST(GridIntelliPan, DoesNotStartWhenSwitchedOff) {
  TWheelGrid F;
  F.Grid->SetIntelliPan(ipNone);
  MouseDown(F.Grid, 100, 100, mbMiddle);
  EXPECT_FALSE(F.Grid->IntelliPanActive());
  EXPECT_NE(GetCapture(), F.Grid->Handle());
}

TEST(GridWindowMessages, EraseAnswersNothingErasedAndEditDoneReachesItsEvent) {
  TWheelGrid F;
  TRezIvevirAvod& G = *F.Grid;
  HDC DC = GetDC(G.Handle());
  EXPECT_EQ(SendMessageW(G.Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(DC), 0), 0);
  ReleaseDC(G.Handle(), DC);
  Integer DoneCol = -1, DoneRow = -1;
  G.OnEditCellDone = [&](TObject*, Integer ACol, Integer ARow) { DoneCol = ACol, DoneRow = ARow; };
  ASSERT_NE(GridUnit().EditDoneMessage, 0);
  SendMessageW(G.Handle(), GridUnit().EditDoneMessage, 3, 7);
  EXPECT_EQ(DoneCol, 3);
  EXPECT_EQ(DoneRow, 7);
}

TEST(GridWindowMessages, SetCursorAsksForTheCellUnderTheMouse) {
  TWheelGrid F;
  TRezIvevirAvod& G = *F.Grid;
  TRect R = G.CellRect(2, 3);
  Integer AskedCol = -1, AskedRow = -1;
  G.OnGetCellCursor = [&](TObject*, Integer ACol, Integer ARow, Integer, Integer, TCursor& Cursor) {
    AskedCol = ACol, AskedRow = ARow;
    Cursor = crHandPoint;
  };
  F.CursorAt(R.Left + 5, R.Top + 5);
  SendMessageW(G.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(G.Handle()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(AskedCol, 2);
  EXPECT_EQ(AskedRow, 3);
  EXPECT_EQ(GetCursor(), Screen->Cursors(crHandPoint));
}

TEST(GridWindowMessages, ColumnsFollowTheGridWidthWithSynchWithGrid) {
  TWheelGrid F;
  TRezIvevirAvod& G = *F.Grid;
  G.SetBorderStyle(bsNone);
  G.SetScrollBars(ssNone);
  G.SetRowCount(3);
  G.SetColCount(3);
  G.SetColWidths(0, 20);
  G.SetColWidths(1, 64);
  G.SetColWidths(2, 101);
  G.ColumnSize()->SetSynchWithGrid(true);
  G.SetBounds(0, 0, 200, 280);
  G.InitOrigColSizes();
  G.SetBounds(0, 0, 300, 280);
  Pump();
  EXPECT_EQ(G.GetColWidths(0), 30);
  EXPECT_EQ(G.GetColWidths(1), 96);
  EXPECT_EQ(G.GetColWidths(2), 151);
  G.ColumnSize()->SetSynchNormalCellsOnly(true);
  G.SetBounds(0, 0, 100, 280);
  Pump();
  EXPECT_EQ(G.GetColWidths(0), 30);
  EXPECT_EQ(G.GetColWidths(1), 32);
  EXPECT_EQ(G.GetColWidths(2), 50);
}

TEST(GridWindowMessages, AGridThatFollowsTheRowHearsOfKeyMoves) {
  TWheelGrid F;
  TRezIvevirAvod* Other = new TRezIvevirAvod(F.Form.Get());
  Other->SetParent(F.Form.Get());
  Other->SetRowCount(50);
  F.Grid->SyncGrid()->SetGrid(Other);
  F.Grid->SyncGrid()->SetSelectionRow(true);
  F.Grid->SetFocus();
  KeyPress(F.Grid, VK_DOWN);
  EXPECT_EQ(F.Grid->Row(), 2);
  EXPECT_EQ(Other->Row(), 2);
}
