// Scrolling a shown grid through real scroll messages: the scroll looks,
// proportional thumbs, hints, live thumb scrolling, grids that follow, and
// the drag and flick timers driven by their timer messages.
#include <gtest/gtest.h>

#include "grid/core/RezIvevirAvod.h"
#include "grid/interaction/ScrollControl.h"
#include "platform/ui/HintWindow.h"
#include "platform/ui/Panel.h"
#include "platform/ui/Timer.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

// 100 rows of 20 pixels with their grid lines, three 60-pixel columns and
// no fixed column, in a 300 x 200 grid without a border: the columns fit,
// the rows do not.
struct TScrollGrid {
  TTestForm Form{400, 300};
  TRezIvevirAvod* Grid = new TRezIvevirAvod(Form.Get());
  explicit TScrollGrid(Integer Rows = 100) {
    Grid->SetParent(Form.Get());
    Grid->SetBorderStyle(bsNone);
    Grid->SetBounds(0, 0, 300, 200);
    Grid->SetFixedCols(0);
    Grid->SetColCount(3);
    Grid->SetRowCount(Rows);
    Grid->SetDefaultRowHeight(20);
    for (Integer c = 0; c < 3; ++c) Grid->SetColWidths(c, 60);
    for (Integer r = 0; r < Rows; ++r) Grid->SetRowHeights(r, 20);
    Pump();
  }
  SCROLLINFO Bar(int Which) {
    SCROLLINFO Info{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(Grid->Handle(), Which, &Info);
    return Info;
  }
  void Scroll(UINT Message, WORD Code, WORD Position = 0) {
    SendMessageW(Grid->Handle(), Message, MAKEWPARAM(Code, Position), 0);
  }
};

}  // namespace

TEST(GridScrolling, ScrollMessagesMoveTheView) {
  TScrollGrid G;
  // The framework counts 9 rows below the fixed row as shown whole.
  ASSERT_EQ(G.Grid->VisibleRowCount(), 9);
  G.Scroll(WM_VSCROLL, SB_LINEDOWN);
  EXPECT_EQ(G.Grid->TopRow(), 2);
  G.Scroll(WM_VSCROLL, SB_PAGEDOWN);
  EXPECT_EQ(G.Grid->TopRow(), 11);
  // The thumb at 127 is the last page: rows 91 .. 99.
  G.Scroll(WM_VSCROLL, SB_THUMBPOSITION, 127);
  EXPECT_EQ(G.Grid->TopRow(), 91);
  EXPECT_EQ(G.Bar(SB_VERT).nPos, 127);
}

TEST(GridScrolling, ProportionalThumbsFollowTheVisibleShare) {
  TScrollGrid G;
  G.Grid->SetScrollProportional(true);
  // F = 22, T = 1 + 99 x 21 = 2080, e = 178 / 2080: max 138, page 12.
  SCROLLINFO Info = G.Bar(SB_VERT);
  EXPECT_EQ(Info.nMax, 138);
  EXPECT_EQ(Info.nPage, 12u);
  EXPECT_EQ(Info.nPos, 0);
  // 49 rows above row 50: A = 1030, 1030 / 1880 x 128 = 70.1.
  G.Grid->SetTopRow(50);
  EXPECT_EQ(G.Bar(SB_VERT).nPos, 70);
  // Switched off, the bar is the framework's again.
  G.Grid->SetScrollProportional(false);
  Info = G.Bar(SB_VERT);
  EXPECT_EQ(Info.nMax, 127);
  EXPECT_EQ(Info.nPage, 0u);
}

TEST(GridScrolling, ProportionalThumbsLeaveAGridWhoseRowsFit) {
  TScrollGrid G(5);
  G.Grid->SetScrollProportional(true);
  EXPECT_EQ(G.Bar(SB_VERT).nPage, 0u);
  EXPECT_EQ(GetWindowLongW(G.Grid->Handle(), GWL_STYLE) & WS_VSCROLL, 0);
}

TEST(GridScrolling, ThumbTrackingShowsAHintAndScrollsLive) {
  TScrollGrid G;
  G.Grid->SetScrollHints(shVertical);
  G.Grid->SetScrollSynch(true);
  Integer HintRow = -1;
  G.Grid->OnScrollHint = [&](TObject*, Integer ARow, String& Text) {
    HintRow = ARow;
    EXPECT_EQ(Text, L"Row : 46");
    Text = L"Zeile 46";
  };
  // 64 / 127 of the 90 rows the top row can move by: row 1 + 45 = 46.
  G.Scroll(WM_VSCROLL, SB_THUMBTRACK, 64);
  EXPECT_EQ(HintRow, 46);
  EXPECT_EQ(G.Grid->TopRow(), 46);
  THintWindow* Hint = G.Grid->ScrollHintWindow();
  ASSERT_NE(Hint, nullptr);
  ASSERT_TRUE(Hint->HandleAllocated());
  EXPECT_TRUE(IsWindowVisible(Hint->Handle()));
  EXPECT_EQ(Hint->Caption(), L"Zeile 46");
  G.Scroll(WM_VSCROLL, SB_ENDSCROLL);
  EXPECT_FALSE(Hint->HandleAllocated());

  // Without live scrolling the view waits for the thumb's release.
  G.Grid->SetScrollSynch(false);
  G.Grid->SetTopRow(1);
  G.Scroll(WM_VSCROLL, SB_THUMBTRACK, 64);
  EXPECT_EQ(G.Grid->TopRow(), 1);
}

TEST(GridScrolling, ASyncedGridFollows) {
  TScrollGrid G;
  auto* Other = new TRezIvevirAvod(G.Form.Get());
  Other->SetParent(G.Form.Get());
  Other->SetBounds(0, 210, 300, 80);
  Other->SetRowCount(100);
  Other->SetColCount(10);
  G.Grid->SyncGrid()->SetGrid(Other);
  G.Grid->SyncGrid()->SetScrollVertical(true);
  G.Scroll(WM_VSCROLL, SB_PAGEDOWN);
  EXPECT_EQ(Other->TopRow(), 10);
  EXPECT_EQ(Other->LeftCol(), 1);
  G.Grid->SyncGrid()->SetScrollHorizontal(true);
  G.Grid->SetFixedCols(1);
  G.Grid->SetColCount(20);
  G.Grid->SetLeftCol(4);
  EXPECT_EQ(Other->LeftCol(), 4);
}

TEST(GridScrolling, MetroBarsReplaceThePlatformBars) {
  TScrollGrid G(1000);
  G.Grid->SetScrollType(ssMetro);
  Pump();
  TScrollControl* V = G.Grid->VertScrollControl();
  TScrollControl* H = G.Grid->HorzScrollControl();
  ASSERT_NE(V, nullptr);
  ASSERT_NE(H, nullptr);
  EXPECT_EQ(G.Grid->ScrollBars(), ssNone);
  EXPECT_EQ(V->Width(), 6);
  EXPECT_EQ(V->Left() + V->Width(), G.Grid->ClientWidth());
  EXPECT_EQ(H->Height(), 6);
  EXPECT_EQ(H->Top() + H->Height(), G.Grid->ClientHeight());
  EXPECT_TRUE(V->Visible());
  // A thousand rows: the thumb keeps its least length; a press below it
  // pages by the visible rows.
  Integer Position = 0, Size = 0;
  V->GetThumb(Position, Size);
  EXPECT_EQ(Position, 20);
  EXPECT_EQ(Size, 20);
  const Integer Visible = G.Grid->VisibleRowCount();
  ASSERT_EQ(Visible, 9);
  Click(V, 2, 150);
  EXPECT_EQ(G.Grid->TopRow(), 10);
  TRendered Picture(V);
  EXPECT_EQ(Picture.Pixel(1, Position + 5), TColor(0xC0C0C0));

  G.Grid->SetScrollType(ssNormal);
  EXPECT_EQ(G.Grid->VertScrollControl(), nullptr);
  EXPECT_EQ(G.Grid->HorzScrollControl(), nullptr);
  EXPECT_EQ(G.Grid->ScrollBars(), ssBoth);
}

TEST(GridScrolling, FlatBarsAreBoundByNameAndKeepTheRange) {
  TScrollGrid G;
  G.Grid->SetScrollType(ssFlat);
  EXPECT_TRUE(G.Grid->IsFlat());
  G.Scroll(WM_VSCROLL, SB_LINEDOWN);
  EXPECT_EQ(G.Grid->TopRow(), 2);
  EXPECT_EQ(G.Bar(SB_VERT).nMax, 127);
  G.Grid->SetScrollType(ssNormal);
  EXPECT_FALSE(G.Grid->IsFlat());
}

TEST(GridScrolling, DraggingNearAnEdgeScrollsOnTheTimer) {
  TScrollGrid G;
  G.Grid->SetTopRow(5);
  bool Accept = false;
  // Inactive: no timer.
  G.Grid->ProcessDragOver(nullptr, 100, 10, dsDragMove, Accept);
  EXPECT_EQ(G.Grid->DragScrollTimer(), nullptr);

  G.Grid->DragScrollOptions()->SetActive(true);
  G.Grid->ProcessDragOver(nullptr, 100, 10, dsDragMove, Accept);
  TTimer* Timer = G.Grid->DragScrollTimer();
  ASSERT_NE(Timer, nullptr);
  EXPECT_EQ(Timer->Interval(), 1000u);
  FireTimer(Timer);
  EXPECT_EQ(G.Grid->TopRow(), 4);
  EXPECT_EQ(Timer->Interval(), 250u);
  FireTimer(Timer);
  EXPECT_EQ(G.Grid->TopRow(), 3);

  bool Refuse = true;
  G.Grid->OnDragScroll = [&](TObject*, Integer, Integer, TDragScrollDirection&, bool& CanScroll) {
    CanScroll = !Refuse;
  };
  FireTimer(Timer);
  EXPECT_EQ(G.Grid->TopRow(), 3);
  // Below the bottom margin the direction turns.
  Refuse = false;
  G.Grid->ProcessDragOver(nullptr, 100, 190, dsDragMove, Accept);
  FireTimer(G.Grid->DragScrollTimer());
  EXPECT_EQ(G.Grid->TopRow(), 4);
  G.Grid->ProcessDragOver(nullptr, 100, 100, dsDragLeave, Accept);
  EXPECT_EQ(G.Grid->DragScrollTimer(), nullptr);
}

TEST(GridScrolling, AFlickScrollsInTenSteps) {
  TScrollGrid G;
  G.Grid->StartScrollSteps(2, 10);
  TTimer* Timer = G.Grid->ScrollStepTimer();
  ASSERT_NE(Timer, nullptr);
  EXPECT_EQ(Timer->Interval(), 10u);
  for (Integer i = 0; i < 10; ++i) FireTimer(Timer);
  EXPECT_EQ(G.Grid->TopRow(), 21);
  EXPECT_FALSE(Timer->Enabled());
  FireTimer(Timer);
  EXPECT_EQ(G.Grid->TopRow(), 21);
}

// A cell control stays over its own row while rows above it are hidden,
// goes with its row when that is hidden, and leaves the view with it,
// unless it sits in a fixed row.
TEST(GridScrolling, CellControlsFollowTheirRowsThroughHidingAndScrolling) {
  TScrollGrid G;
  auto* Normal = new TPanel(G.Form.Get());
  auto* InFixedRow = new TPanel(G.Form.Get());
  G.Grid->SetCellControls(1, 5, Normal);
  G.Grid->SetCellControls(2, 0, InFixedRow);
  G.Grid->CellControlsUpdate(false);
  auto Over = [&](TControl* Control, Integer C, Integer R) {
    const TRect Cell = G.Grid->CellRect(C, R);
    return Control->Visible() && Control->Left() == Cell.Left && Control->Top() == Cell.Top &&
           Control->Height() == Cell.Height();
  };
  EXPECT_TRUE(Over(Normal, 1, 5));
  G.Grid->HideRow(2);
  Pump();
  EXPECT_TRUE(Over(Normal, 1, 4)) << "row above hidden";
  G.Grid->HideRow(5);
  Pump();
  EXPECT_FALSE(Normal->Visible()) << "its own row hidden";
  G.Grid->UnHideRow(5);
  G.Grid->UnHideRow(2);
  Pump();
  EXPECT_TRUE(Over(Normal, 1, 5)) << "rows shown again";
  G.Scroll(WM_VSCROLL, SB_PAGEDOWN);
  Pump();
  EXPECT_FALSE(Normal->Visible()) << "scrolled out of view";
  EXPECT_TRUE(InFixedRow->Visible()) << "a fixed row stays in view";
  EXPECT_EQ(InFixedRow->Top(), G.Grid->CellRect(2, 0).Top - 1);
}
