// The quick configuration panel of a grid being designed: where it lies,
// which choice is under a point, what its clicks change and what it
// repaints; and that a grid at run time has none of it.
#include <gtest/gtest.h>

#include "grid/core/RezIvevirAvod.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {


struct TDesignedGrid {
  TTestForm Form{400, 300};
  TRezIvevirAvod* Grid = new TRezIvevirAvod(Form.Get());
  Integer th = 0;
  TDesignedGrid() {
    Grid->SetParent(Form.Get());
    Grid->SetBounds(0, 0, 380, 280);
    Grid->SetBorderStyle(bsNone);
    Grid->SetScrollBars(ssNone);
    Grid->SetDesigning(true);
    Pump();
    // The panel's line height: "gh" in Tahoma 8.
    TBitmap B;
    B.Canvas()->Font()->SetName(L"Tahoma");
    B.Canvas()->Font()->SetSize(8);
    th = B.Canvas()->TextHeight(L"gh");
  }
  Integer Top() const { return 280 - (4 * th + 18); }
  // A point in the middle of line 1 to 3 of the panel, 10 pixels from its left.
  TPoint OnLine(Integer Line) const { return {380 - 150 + 10, Top() + Line * (th + 2) + 4 + (th + 2) / 2}; }
  LRESULT HitTest(TPoint P) { return Grid->Perform(CM_DESIGNHITTEST, 0, MAKELPARAM(P.X, P.Y)); }
  bool UpdatePending(RECT& R) { return GetUpdateRect(Grid->Handle(), &R, FALSE); }
};

}  // namespace

TEST(GridDesignHelper, LiesAtTheBottomRightAndFindsItsChoices) {
  TDesignedGrid F;
  TRezIvevirAvod& G = *F.Grid;
  EXPECT_EQ(G.DesignHelperRect(), Rect(230, F.Top(), 380, 280));
  EXPECT_EQ(G.DesignHitTest(375, F.Top() + 8), 4);
  EXPECT_EQ(G.DesignHitTest(F.OnLine(1).X, F.OnLine(1).Y), 1);
  EXPECT_EQ(G.DesignHitTest(F.OnLine(2).X, F.OnLine(2).Y), 2);
  EXPECT_EQ(G.DesignHitTest(F.OnLine(3).X, F.OnLine(3).Y), 3);
  EXPECT_EQ(G.DesignHitTest(100, 100), -1);
  EXPECT_EQ(G.DesignHitTest(231, F.Top() + 8), -1);
  // Past the end of a choice's text there is none.
  EXPECT_EQ(G.DesignHitTest(379, F.OnLine(1).Y), -1);
  EXPECT_EQ(F.HitTest(F.OnLine(2)), 1);
  EXPECT_EQ(F.HitTest({100, 100}), 0);
}

TEST(GridDesignHelper, AtRunTimeThereIsNoPanel) {
  TDesignedGrid F;
  F.Grid->SetDesigning(false);
  EXPECT_EQ(F.HitTest({375, F.Top() + 8}), 0);
  F.Grid->Invalidate();
  Pump();
  TRendered Shot(F.Grid);
  EXPECT_NE(Shot.Pixel(230, F.Top()), 0x808080);
  F.Grid->SetDesigning(true);
  F.Grid->Invalidate();
  Pump();
  TRendered Designed(F.Grid);
  EXPECT_EQ(Designed.Pixel(230, F.Top()), 0x808080);
  EXPECT_EQ(Designed.Pixel(232, 278), ColorToRGB(clInfoBk));
  F.Grid->SetShowDesignHelper(false);
  EXPECT_EQ(F.HitTest({375, F.Top() + 8}), 0);
}

TEST(GridDesignHelper, RepaintsOnlyItsAreaAndOnlyWhenTheChoiceChanges) {
  TDesignedGrid F;
  RECT R{};
  F.HitTest({100, 100});
  ValidateRect(F.Grid->Handle(), nullptr);
  F.HitTest(F.OnLine(1));
  ASSERT_TRUE(F.UpdatePending(R));
  // 70 pixels high whatever the panel's height.
  EXPECT_EQ(R.left, 230);
  EXPECT_EQ(R.top, 210);
  EXPECT_EQ(R.right, 380);
  EXPECT_EQ(R.bottom, 280);
  ValidateRect(F.Grid->Handle(), nullptr);
  F.HitTest({F.OnLine(1).X + 5, F.OnLine(1).Y});
  EXPECT_FALSE(F.UpdatePending(R));
  F.HitTest(F.OnLine(2));
  EXPECT_TRUE(F.UpdatePending(R));
}

TEST(GridDesignHelper, ClicksSwitchEditingAndColumnNumbersAndClose) {
  TDesignedGrid F;
  TRezIvevirAvod& G = *F.Grid;
  Integer Resized = 0;
  F.Form->OnResize = [&](TObject*) { ++Resized; };
  const Integer FormWidth = F.Form->Width();
  ASSERT_FALSE(G.Options().Contains(goEditing));
  G.DesignHelperClick(F.OnLine(1).X, F.OnLine(1).Y);
  EXPECT_TRUE(G.Options().Contains(goEditing));
  EXPECT_EQ(Resized, 2);
  EXPECT_EQ(F.Form->Width(), FormWidth);
  G.DesignHelperClick(F.OnLine(1).X, F.OnLine(1).Y);
  EXPECT_FALSE(G.Options().Contains(goEditing));
  const bool Numbers = G.ShowColumnNumbersAtDesign();
  G.DesignHelperClick(F.OnLine(2).X, F.OnLine(2).Y);
  EXPECT_EQ(G.ShowColumnNumbersAtDesign(), !Numbers);
  G.DesignHelperClick(100, 100);
  EXPECT_EQ(G.ShowColumnNumbersAtDesign(), !Numbers);
  G.DesignHelperClick(375, F.Top() + 8);
  EXPECT_FALSE(G.ShowDesignHelper());
}

TEST(GridDesignHelper, TheLookMenuAppliesTheChosenLook) {
  TDesignedGrid F;
  TRezIvevirAvod& G = *F.Grid;
  G.SetLook(glXP);
  // The third item, "Classic", chosen by keys waiting in the queue.
  for (Integer i = 0; i < 3; ++i) {
    PostMessageW(F.Form->Handle(), WM_KEYDOWN, VK_DOWN, 1);
    PostMessageW(F.Form->Handle(), WM_KEYUP, VK_DOWN, 0xC0000001);
  }
  PostMessageW(F.Form->Handle(), WM_KEYDOWN, VK_RETURN, 1);
  PostMessageW(F.Form->Handle(), WM_KEYUP, VK_RETURN, 0xC0000001);
  G.DesignHelperClick(F.OnLine(3).X, F.OnLine(3).Y);
  EXPECT_EQ(G.Look(), glClassic);
  EXPECT_EQ(LookToDisplayName(glOffice2007), L"Office2007");
  EXPECT_EQ(LookToDisplayName(glCustom), L"");
}
