// What the mouse leaves behind when it goes out of a shown grid.
#include <gtest/gtest.h>

#include "grid/core/RezIvevirAvod.h"
#include "tests/support/grid/MouseGrid.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

TEST(GridFixedSizing, LeavingTheGridForgetsTheBorderItWasOn) {
  TShownMouseGrid<> F;
  F.Grid->MouseActions()->SetSizeFixedCol(true);
  // On the right border of fixed column 0, then out of the grid.
  F.Send(WM_MOUSEMOVE, TPoint{64, 50});
  F.Grid->Perform(CM_MOUSELEAVE);
  // A press that comes without a move of its own selects its cell.
  F.Send(WM_LBUTTONDOWN, F.At(3, 3), MK_LBUTTON);
  F.Send(WM_LBUTTONUP, F.At(3, 3));
  EXPECT_FALSE(F.Grid->SizingFixed());
  EXPECT_EQ(F.Grid->GetColWidths(0), 64);
  EXPECT_EQ(F.Grid->Col(), 3);
  EXPECT_EQ(F.Grid->Row(), 3);
}
