// The scroll bar control that a shown grid lays over a cell holding an
// embedded scroll bar: brought by real mouse moves, moved by the bar's own
// scroll messages and clicks, hidden by the wheel, kept along its cell when
// the view moves.
#include <gtest/gtest.h>

#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/ScrollBar.h"
#include "tests/support/grid/MouseGrid.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

// Cell (2, 2) holds a bar of page 40 over a range of 300 at position 25;
// cell (3, 2) one whose page covers its range. Row 2 is 100 pixels high
// (its grid line included), so cell (2, 2) is the rectangle (128, 44) to
// (192, 144), its grid lines included.
struct TCellBarGrid : TShownMouseGrid<> {
  std::vector<String> Scrolls;
  TCellBarGrid() {
    Grid->SetRowCount(20);
    Grid->SetRowHeights(2, 100);
    Grid->AddScrollBar(2, 2, false);
    Grid->SetScrollProp(2, 2, TScrollProp{40, 300});
    Grid->SetScrollPosition(2, 2, 25);
    Grid->AddScrollBar(3, 2, false);
    Grid->SetScrollProp(3, 2, TScrollProp{300, 300});
    Grid->OnScrollCell = [this](TObject*, Integer C, Integer R, Integer Pos, Integer Min, Integer Max) {
      Scrolls.push_back(IntToStr(C) + L"," + IntToStr(R) + L" " + IntToStr(Pos) + L" in " + IntToStr(Min) +
                        L".." + IntToStr(Max));
    };
    Pump();
  }
  TScrollBar* Bar() { return Grid->CellScrollBar(); }
  bool BarShown() { return Bar()->Visible() && IsWindowVisible(Bar()->Handle()); }
  TRect BarBounds() { return TRect{Bar()->Left(), Bar()->Top(), Bar()->Left() + Bar()->Width(),
                                   Bar()->Top() + Bar()->Height()}; }
  // What the bar control sends its parent.
  LRESULT BarMessage(Word Code, Word Pos = 0) {
    return SendMessageW(Grid->Handle(), WM_VSCROLL, MAKEWPARAM(Code, Pos),
                        reinterpret_cast<LPARAM>(Bar()->Handle()));
  }
};

}  // namespace

TEST(GridCellScrollBar, AMoveBringsTheBarOntoACellThatNeedsItAndAnyOtherCellTakesItAway) {
  TCellBarGrid F;
  ASSERT_NE(F.Bar(), nullptr);
  EXPECT_FALSE(F.Bar()->Visible());
  const struct {
    const char* Name;
    Integer Col, Row;
    bool Shown;
  } Moves[] = {
      {"the bar's cell", 2, 2, true},
      {"a plain cell", 1, 1, false},
      {"the bar's cell again", 2, 2, true},
      {"a bar whose page covers its range", 3, 2, false},
      {"a fixed cell", 0, 2, false},
  };
  for (const auto& M : Moves) {
    F.Send(WM_MOUSEMOVE, F.At(M.Col, M.Row));
    EXPECT_EQ(F.BarShown(), M.Shown) << M.Name;
    if (!M.Shown) continue;
    // 17 wide, one grid line inside the cell's right, top and bottom edges.
    EXPECT_EQ(F.BarBounds(), (TRect{174, 45, 191, 143})) << M.Name;
    EXPECT_EQ(F.Bar()->Min(), 0) << M.Name;
    EXPECT_EQ(F.Bar()->Max(), 300) << M.Name;
    EXPECT_EQ(F.Bar()->PageSize(), 40) << M.Name;
    EXPECT_EQ(F.Bar()->Position(), 25) << M.Name;
    EXPECT_EQ(F.Grid->ScrollCol(), 2) << M.Name;
    EXPECT_EQ(F.Grid->ScrollRow(), 2) << M.Name;
  }
}

TEST(GridCellScrollBar, ItsMessagesMoveTheCellsPositionWithinTheBarsBounds) {
  const struct {
    const char* Name;
    Integer From;
    Word Code, Pos;
    Integer To;
    std::vector<String> Events;
  } Cases[] = {
      {"line down", 25, SB_LINEDOWN, 0, 35, {L"2,2 35 in 0..300"}},
      {"line up", 25, SB_LINEUP, 0, 15, {L"2,2 15 in 0..300"}},
      {"line up stops at the minimum", 5, SB_LINEUP, 0, 0, {L"2,2 0 in 0..300"}},
      {"page down", 25, SB_PAGEDOWN, 0, 125, {L"2,2 125 in 0..300"}},
      {"page up", 150, SB_PAGEUP, 0, 50, {L"2,2 50 in 0..300"}},
      // The last position shows the last page: 300 - 40 + 1.
      {"page down stops at the last page", 200, SB_PAGEDOWN, 0, 261, {L"2,2 261 in 0..300"}},
      {"thumb track", 25, SB_THUMBTRACK, 77, 77, {L"2,2 77 in 0..300"}},
      {"line up at the minimum moves nothing", 0, SB_LINEUP, 0, 0, {}},
      {"end of scrolling moves nothing", 25, SB_ENDSCROLL, 0, 25, {}},
  };
  for (const auto& C : Cases) {
    TCellBarGrid F;
    F.Grid->SetScrollPosition(2, 2, C.From);
    F.Send(WM_MOUSEMOVE, F.At(2, 2));
    ASSERT_TRUE(F.BarShown()) << C.Name;
    const LRESULT Result = F.BarMessage(C.Code, C.Pos);
    EXPECT_EQ(Result, C.Events.empty() ? 0 : 1) << C.Name;
    EXPECT_EQ(F.Grid->GetScrollPosition(2, 2), C.To) << C.Name;
    EXPECT_EQ(F.Bar()->Position(), C.To) << C.Name;
    EXPECT_EQ(F.Scrolls, C.Events) << C.Name;
    // The grid's own view stays where it was.
    EXPECT_EQ(F.Grid->TopRow(), 1) << C.Name;
  }
}

TEST(GridCellScrollBar, AClickOnItsLowerArrowScrollsTheCellTextAndRepaintsIt) {
  TCellBarGrid F;
  F.Grid->SetScrollPosition(2, 2, 0);
  F.Grid->SetCells(2, 2, L"first\nsecond\nthird\nfourth\nfifth\nsixth\nseventh\neighth");
  F.Send(WM_MOUSEMOVE, F.At(2, 2));
  ASSERT_TRUE(F.BarShown());
  TRendered Before(F.Grid);
  // The system's bar tracks its own press until the release.
  const HWND Bar = F.Bar()->Handle();
  const LPARAM OnArrow = MAKELPARAM(8, F.Bar()->Height() - 5);
  PostMessageW(Bar, WM_LBUTTONDOWN, MK_LBUTTON, OnArrow);
  PostMessageW(Bar, WM_LBUTTONUP, 0, OnArrow);
  ASSERT_TRUE(PumpUntil([&] { return !F.Scrolls.empty(); }));
  Pump();
  EXPECT_EQ(F.Scrolls, (std::vector<String>{L"2,2 10 in 0..300"}));
  EXPECT_EQ(F.Grid->GetScrollPosition(2, 2), 10);
  // The text beside the bar moved up by ten pixels.
  TRendered After(F.Grid);
  bool Moved = false;
  for (Integer Y = 46; Y < 140 && !Moved; ++Y)
    for (Integer X = 130; X < 170 && !Moved; ++X) Moved = Before.Pixel(X, Y) != After.Pixel(X, Y);
  EXPECT_TRUE(Moved);
}

TEST(GridCellScrollBar, TheWheelHidesIt) {
  TCellBarGrid F;
  F.Send(WM_MOUSEMOVE, F.At(2, 2));
  ASSERT_TRUE(F.BarShown());
  const TPoint S = F.Grid->ClientToScreen(F.At(2, 2));
  SendMessageW(F.Grid->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<Word>(-WHEEL_DELTA)),
               MAKELPARAM(S.X, S.Y));
  EXPECT_FALSE(F.Bar()->Visible());
}

// The bar moves its own cell's position, so it keeps to that cell rather
// than to the current one; out of view it waits at height 0.
TEST(GridCellScrollBar, WhenTheViewMovesItStaysAlongItsCell) {
  TCellBarGrid F;
  F.ClickAt(F.At(4, 4));
  F.Send(WM_MOUSEMOVE, F.At(2, 2));
  ASSERT_TRUE(F.BarShown());
  const struct {
    const char* Name;
    Integer TopRow;
    TRect Bounds;
  } Views[] = {
      {"row 2 right under the fixed row", 2, TRect{174, 23, 191, 121}},
      {"row 2 scrolled out of view", 6, TRect{174, 23, 191, 23}},
      {"back where it started", 1, TRect{174, 45, 191, 143}},
  };
  for (const auto& V : Views) {
    F.Grid->SetTopRow(V.TopRow);
    EXPECT_EQ(F.BarBounds(), V.Bounds) << V.Name;
    EXPECT_TRUE(F.Bar()->Visible()) << V.Name;
  }
  // Still the bar of cell (2, 2).
  EXPECT_EQ(F.BarMessage(SB_LINEDOWN), 1);
  EXPECT_EQ(F.Scrolls, (std::vector<String>{L"2,2 35 in 0..300"}));
}
