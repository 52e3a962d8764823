// The update counter, the grid timer and the window messages around them,
// on a real grid window: paints are counted where they reach the grid, and
// the timer is driven by its messages under a fixed clock.
#include <gtest/gtest.h>

#include "grid/core/RezIvevirAvod.h"
#include "tests/support/FixedClock.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

class TCountingGrid : public TRezIvevirAvod {
 public:
  using TRezIvevirAvod::TRezIvevirAvod;
  Integer Paints = 0;
  Integer PaintMessages = 0;

 protected:
  void Paint() override {
    ++Paints;
    TRezIvevirAvod::Paint();
  }
  void WndProc(TMessage& Message) override {
    if (Message.Msg == WM_PAINT) ++PaintMessages;
    TRezIvevirAvod::WndProc(Message);
  }
};

struct TGridOnForm {
  TTestForm Form{400, 300};
  TCountingGrid* Grid = new TCountingGrid(Form.Get());
  TGridOnForm() {
    Grid->SetParent(Form.Get());
    Grid->SetBounds(0, 0, 380, 280);
    Grid->SetColCount(5);
    Grid->SetRowCount(10);
    Pump();
    Grid->Paints = 0;
    Grid->PaintMessages = 0;
  }
  // Asks for a full repaint and lets the system deliver it.
  void RequestPaint() {
    ::InvalidateRect(Grid->Handle(), nullptr, FALSE);
    UpdateWindow(Grid->Handle());
    Pump();
  }
  void Tick(WPARAM Id = 111) { SendMessageW(Grid->Handle(), WM_TIMER, Id, 0); }
};

}  // namespace

TEST(GridUpdateCounter, NestedUpdatesPaintOnceAtTheOutermostEnd) {
  TGridOnForm F;
  TCountingGrid& G = *F.Grid;
  G.BeginUpdate();
  G.BeginUpdate();
  EXPECT_TRUE(G.LockUpdate());
  G.SetCells(1, 1, L"changed");
  F.RequestPaint();
  G.EndUpdate();
  F.RequestPaint();
  EXPECT_EQ(G.UpdateCount(), 1);
  EXPECT_EQ(G.PaintMessages, 0);
  EXPECT_EQ(G.Paints, 0);
  G.EndUpdate();
  Pump();
  EXPECT_EQ(G.UpdateCount(), 0);
  EXPECT_EQ(G.Paints, 1);
  // Unmatched: the counter stays at 0 and the grid is drawn again.
  G.EndUpdate();
  Pump();
  EXPECT_EQ(G.UpdateCount(), 0);
  EXPECT_EQ(G.Paints, 2);
}

TEST(GridUpdateCounter, PaintsAskedForDuringAShortUpdateAreNotLost) {
  TGridOnForm F;
  TCountingGrid& G = *F.Grid;
  G.StartUpdate();
  F.RequestPaint();
  // The request arrives but draws nothing, and does not come again.
  EXPECT_EQ(G.PaintMessages, 1);
  EXPECT_EQ(G.Paints, 0);
  G.ResetUpdate();
  Pump();
  EXPECT_EQ(G.Paints, 1);
  G.SetLockUpdate(true);
  EXPECT_EQ(G.UpdateCount(), 1);
  G.SetLockUpdate(false);
  EXPECT_FALSE(G.LockUpdate());
}

TEST(GridUpdateCounter, AnInvisibleGridDoesNotCount) {
  TGridOnForm F;
  F.Grid->SetVisible(false);
  F.Grid->BeginUpdate();
  EXPECT_EQ(F.Grid->UpdateCount(), 0);
  F.Grid->SetVisible(true);
  F.Grid->EndUpdate();
  EXPECT_EQ(F.Grid->UpdateCount(), 0);
}

TEST(GridTimer, RunsFromTheWindowAndCountsOnlyItsOwnTicks) {
  FixedClock Clock(46000.5);
  TGridOnForm F;
  TCountingGrid& G = *F.Grid;
  // The grid's own timer exists: killing it succeeds once.
  EXPECT_TRUE(KillTimer(G.Handle(), 111));
  EXPECT_FALSE(KillTimer(G.Handle(), 111));
  F.Tick();
  F.Tick(112);
  F.Tick();
  EXPECT_EQ(G.TimerTicks(), 2);
}

TEST(GridTimer, TypedPrefixLastsUntilTheFourthTick) {
  FixedClock Clock(46000.5);
  TGridOnForm F;
  TCountingGrid& G = *F.Grid;
  G.Navigation()->SetAutoGotoIncremental(true);
  G.SetSearchInc(L"ab");
  const wchar_t* AfterTick[] = {L"ab", L"ab", L"ab", L""};
  for (const wchar_t* Expected : AfterTick) {
    F.Tick();
    EXPECT_EQ(G.SearchInc(), Expected);
  }
  // A key restarts the count.
  G.SetSearchInc(L"x");
  F.Tick();
  F.Tick();
  G.SearchTics = 0;
  F.Tick();
  F.Tick();
  F.Tick();
  EXPECT_EQ(G.SearchInc(), L"x");
  G.Navigation()->SetAutoGotoIncremental(false);
  for (int i = 0; i < 4; ++i) F.Tick();
  EXPECT_EQ(G.SearchInc(), L"x");
}

TEST(GridTimer, BlinkPhaseTurnsOnlyWithBlinking) {
  FixedClock Clock(46000.5);
  TGridOnForm F;
  TCountingGrid& G = *F.Grid;
  F.Tick();
  EXPECT_FALSE(G.GridBlink());
  G.SetEnableBlink(true);
  G.SetCells(1, 1, L"<blink>x</blink>");
  F.Tick();
  EXPECT_TRUE(G.GridBlink());
  F.Tick();
  EXPECT_FALSE(G.GridBlink());
}

TEST(GridTimer, HoveringMovesTheCurrentCellToNormalCellsOnly) {
  FixedClock Clock(46000.5);
  TGridOnForm F;
  TCountingGrid& G = *F.Grid;
  G.SetHovering(true);
  struct {
    Integer Col, Row, ExpectCol, ExpectRow;
  } Cases[] = {{3, 4, 3, 4}, {0, 6, 3, 4}, {2, 0, 3, 4}, {2, 2, 2, 2}};
  for (auto C : Cases) {
    SCOPED_TRACE(testing::Message() << C.Col << "," << C.Row);
    TRect R = G.CellRect(C.Col, C.Row);
    TPoint At = G.ClientToScreen(TPoint{R.Left + 3, R.Top + 3});
    SetCursorPos(At.X, At.Y);
    F.Tick();
    EXPECT_EQ(G.Col(), C.ExpectCol);
    EXPECT_EQ(G.Row(), C.ExpectRow);
  }
}
