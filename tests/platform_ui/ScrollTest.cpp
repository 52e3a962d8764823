// Scrolling controls: ranges from the children, the window's bars, scroll
// messages moving the content, and scrolling a child into view.
#include <gtest/gtest.h>
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::test;

namespace {

// A 200 x 100 scrolling area on a form, with a near and a far child.
struct TScrollFixture {
  TTestForm Form{300, 200};
  TScrollingWinControl* Host;
  TCustomControl* Near;
  TCustomControl* Far;
  TScrollFixture() {
    Host = new TScrollingWinControl(Form.Get());
    Host->SetParent(Form.Get());
    Host->SetBounds(0, 0, 200, 100);
    Near = AddChild(0, 0, 50, 50);
    Far = AddChild(300, 250, 40, 40);
  }
  TCustomControl* AddChild(Integer L, Integer T, Integer W, Integer H) {
    auto* C = new TCustomControl(Form.Get());
    C->SetParent(Host);
    C->SetBounds(L, T, W, H);
    return C;
  }
  bool BarShown(int Bar) {
    DWORD Style = GetWindowLongW(Host->Handle(), GWL_STYLE);
    return (Style & (Bar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL)) != 0;
  }
  void Scroll(UINT Msg, WORD Code, WORD Pos = 0) {
    SendMessageW(Host->Handle(), Msg, MAKEWPARAM(Code, Pos), 0);
  }
};

}  // namespace

TEST(ScrollingWinControl, AutoScrollRangesFollowTheChildrenAndShowTheBars) {
  TScrollFixture F;
  EXPECT_FALSE(F.BarShown(SB_HORZ));
  EXPECT_EQ(F.Host->HorzScrollBar()->Range(), 0);
  F.Host->SetAutoScroll(true);
  EXPECT_EQ(F.Host->HorzScrollBar()->Range(), 340);
  EXPECT_EQ(F.Host->VertScrollBar()->Range(), 290);
  EXPECT_TRUE(F.BarShown(SB_HORZ));
  EXPECT_TRUE(F.BarShown(SB_VERT));
  Integer CW = F.Host->ClientWidth(), CH = F.Host->ClientHeight();
  EXPECT_LT(CW, 200);  // the vertical bar took its room
  EXPECT_LT(CH, 100);

  // Positions stay within the range; the children move with them.
  F.Host->HorzScrollBar()->SetPosition(1000);
  EXPECT_EQ(F.Host->HorzScrollBar()->Position(), 340 - CW);
  EXPECT_EQ(F.Far->Left(), 300 - (340 - CW));
  EXPECT_EQ(F.Near->Left(), -(340 - CW));
  EXPECT_EQ(GetScrollPos(F.Host->Handle(), SB_HORZ), 340 - CW);
  F.Host->VertScrollBar()->SetPosition(-5);
  EXPECT_EQ(F.Host->VertScrollBar()->Position(), 0);

  // A child moved while scrolled counts in content coordinates.
  F.Far->SetLeft(F.Far->Left() + 60);
  EXPECT_EQ(F.Host->HorzScrollBar()->Range(), 400);

  // Content that fits hides the bars and takes the content back home.
  F.Far->SetBounds(10 - F.Host->HorzScrollBar()->Position(), 10, 20, 20);
  EXPECT_EQ(F.Host->HorzScrollBar()->Position(), 0);
  EXPECT_EQ(F.Near->Left(), 0);
  EXPECT_EQ(F.Far->Left(), 10);
  EXPECT_FALSE(F.BarShown(SB_HORZ));
  EXPECT_FALSE(F.BarShown(SB_VERT));
}

TEST(ScrollingWinControl, ScrollMessagesMoveTheContent) {
  TScrollFixture F;
  F.Host->SetAutoScroll(true);
  TControlScrollBar* V = F.Host->VertScrollBar();
  Integer Page = F.Host->ClientHeight(), Max = 290 - Page;
  struct {
    WORD Code;
    WORD Pos;
    bool Tracking;
    Integer Expected;
  } Cases[] = {
      {SB_LINEDOWN, 0, false, 8},        {SB_LINEDOWN, 0, false, 16},
      {SB_LINEUP, 0, false, 8},          {SB_PAGEDOWN, 0, false, 8 + Page},
      {SB_BOTTOM, 0, false, Max},        {SB_LINEDOWN, 0, false, Max},
      {SB_TOP, 0, false, 0},             {SB_LINEUP, 0, false, 0},
      {SB_THUMBTRACK, 50, false, 0},     {SB_THUMBPOSITION, 50, false, 50},
      {SB_THUMBTRACK, 70, true, 70},     {SB_PAGEUP, 0, false, 0},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(testing::Message() << "code " << C.Code << " pos " << C.Pos);
    V->SetTracking(C.Tracking);
    F.Scroll(WM_VSCROLL, C.Code, C.Pos);
    EXPECT_EQ(V->Position(), C.Expected);
    EXPECT_EQ(F.Far->Top(), 250 - C.Expected);
  }
  V->SetIncrement(30);
  F.Scroll(WM_VSCROLL, SB_LINEDOWN);
  EXPECT_EQ(V->Position(), 30);
  F.Scroll(WM_HSCROLL, SB_LINEDOWN);
  EXPECT_EQ(F.Host->HorzScrollBar()->Position(), 8);
  EXPECT_EQ(F.Near->Left(), -8);
}

TEST(ScrollingWinControl, ScrollInViewShowsAChildByTheLeastMove) {
  TScrollFixture F;
  F.Host->SetAutoScroll(true);
  Integer CW = F.Host->ClientWidth(), CH = F.Host->ClientHeight();
  F.Host->ScrollInView(F.Far);
  EXPECT_EQ(F.Far->Left() + F.Far->Width(), CW);
  EXPECT_EQ(F.Far->Top() + F.Far->Height(), CH);
  F.Host->ScrollInView(F.Far);  // already in view: nothing moves
  EXPECT_EQ(F.Far->Left() + F.Far->Width(), CW);
  F.Host->ScrollInView(F.Near);
  EXPECT_EQ(F.Near->Left(), 0);
  EXPECT_EQ(F.Near->Top(), 0);
  EXPECT_EQ(F.Host->HorzScrollBar()->Position(), 0);
  // A control that is not a child is left alone.
  TCustomControl Stranger(nullptr);
  F.Host->ScrollInView(&Stranger);
  F.Host->ScrollInView(nullptr);
  EXPECT_EQ(F.Host->VertScrollBar()->Position(), 0);
}

TEST(ScrollingWinControl, RangesSetByHandAndHiddenBars) {
  TScrollFixture F;
  TControlScrollBar* H = F.Host->HorzScrollBar();
  H->SetRange(500);
  EXPECT_TRUE(F.BarShown(SB_HORZ));
  H->SetPosition(100);
  EXPECT_EQ(F.Near->Left(), -100);
  // A bar made invisible takes its content home and stays hidden.
  H->SetVisible(false);
  EXPECT_FALSE(F.BarShown(SB_HORZ));
  EXPECT_EQ(H->Position(), 0);
  EXPECT_EQ(F.Near->Left(), 0);
  H->SetPosition(50);
  EXPECT_EQ(H->Position(), 0);
  H->SetVisible(true);
  H->SetRange(0);
  EXPECT_FALSE(F.BarShown(SB_HORZ));
}
