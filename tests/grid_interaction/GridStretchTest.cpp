// Stretching columns to the grid's width and sizing all columns or rows
// along with the one the user sized, on a shown grid without a border.
#include <gtest/gtest.h>

#include "grid/core/RezIvevirAvod.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

// A 300-pixel wide grid: a fixed column of 64 pixels and three normal
// columns of 50, 60 and 70.
struct TStretchGrid {
  TTestForm Form{300, 200};
  TRezIvevirAvod* Grid = new TRezIvevirAvod(Form.Get());
  TStretchGrid() {
    Grid->SetParent(Form.Get());
    Grid->SetBorderStyle(bsNone);
    Grid->SetAlign(alClient);
    Grid->SetDefaultColWidth(40);
    Grid->SetColCount(4);
    Grid->SetRowCount(5);
    const Integer Widths[] = {64, 50, 60, 70};
    for (Integer c = 0; c < 4; ++c) Grid->SetColWidths(c, Widths[c]);
    Pump();
  }
  std::vector<Integer> Widths() {
    std::vector<Integer> Result;
    for (Integer c = 0; c < Grid->ColCount(); ++c) Result.push_back(Grid->GetColWidths(c));
    return Result;
  }
};

using TWidths = std::vector<Integer>;

}  // namespace

TEST(GridStretch, StretchAllSpreadsTheRoomOverTheNormalColumns) {
  TStretchGrid G;
  ASSERT_EQ(G.Grid->ClientWidth(), 300);
  G.Grid->StretchColumns();
  EXPECT_EQ(G.Widths(), (TWidths{64, 79, 79, 78}));
  // The form grows: the columns follow.
  G.Form->SetClientWidth(400);
  Pump();
  EXPECT_EQ(G.Widths(), (TWidths{64, 112, 112, 112}));
}

TEST(GridStretch, TheStretchColumnTakesWhatTheOthersLeave) {
  TStretchGrid G;
  G.Grid->ColumnSize()->SetStretch(true);
  G.Grid->StretchColumn(-1, -1);
  EXPECT_EQ(G.Widths(), (TWidths{64, 50, 60, 126}));
  G.Grid->SetColWidths(1, 100);
  EXPECT_EQ(G.Widths(), (TWidths{64, 100, 60, 76}));
  // The others fill the width already: the default width.
  G.Grid->SetColWidths(1, 250);
  EXPECT_EQ(G.Widths(), (TWidths{64, 250, 60, 40}));
  // Another stretch column and a given width.
  G.Grid->ColumnSize()->SetStretchColumn(1);
  G.Grid->StretchColumn(1, 250);
  EXPECT_EQ(G.Widths(), (TWidths{64, 86, 60, 40}));
}

TEST(GridStretch, AnIndexBeyondTheColumnsRaises) {
  TStretchGrid G;
  G.Grid->SetColCount(5);
  G.Grid->ColumnSize()->SetStretch(true);
  const TWidths Before = G.Widths();
  try {
    G.Grid->StretchColumn(5, -1);
    ADD_FAILURE() << "no exception";
  } catch (const Exception& E) {
    EXPECT_EQ(E.Message(), L"Stretch column index out of range");
  }
  EXPECT_EQ(G.Widths(), Before);
}

TEST(GridStretch, SizingOneColumnSizesTheOthersAlong) {
  TStretchGrid G;
  G.Grid->MouseActions()->SetAllColumnSize(true);
  Integer Ended = -1;
  G.Grid->OnEndColumnSize = [&](TObject*, Integer ACol) { Ended = ACol; };
  G.Grid->ColSized = true;
  G.Grid->Colclicked = 1;
  G.Grid->Colclickedsize = 50;
  G.Grid->SetColWidths(1, 100);
  EXPECT_EQ(G.Widths(), (TWidths{64, 100, 120, 140}));
  EXPECT_EQ(Ended, 1);
  EXPECT_EQ(G.Grid->Colclicked, -1);
  EXPECT_FALSE(G.Grid->ColSized);

  // The application has the last word on the sized column.
  G.Grid->MouseActions()->SetAllColumnSize(false);
  G.Grid->OnUpdateColumnSize = [](TObject*, Integer, Integer& AWidth) { AWidth = 100; };
  G.Grid->ColSized = true;
  G.Grid->Colclicked = 2;
  G.Grid->SetColWidths(2, 33);
  EXPECT_EQ(G.Widths(), (TWidths{64, 100, 100, 140}));
}

TEST(GridStretch, SizingOneRowScalesTheNormalRowsOnly) {
  TStretchGrid G;
  G.Grid->SetRowHeights(0, 30);
  for (Integer r = 1; r < 5; ++r) G.Grid->SetRowHeights(r, 20);
  G.Grid->MouseActions()->SetAllRowSize(true);
  Integer Ended = -1;
  G.Grid->OnEndRowSize = [&](TObject*, Integer ARow) { Ended = ARow; };
  G.Grid->RowSized = true;
  G.Grid->Rowclicked = 2;
  G.Grid->Rowclickedsize = 20;
  G.Grid->SetRowHeights(2, 30);
  EXPECT_EQ(G.Grid->GetRowHeights(0), 30);
  for (Integer r = 1; r < 5; ++r) EXPECT_EQ(G.Grid->GetRowHeights(r), 30) << r;
  EXPECT_EQ(Ended, 2);
  EXPECT_FALSE(G.Grid->RowSized);
}
