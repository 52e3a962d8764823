// The grid's index spaces on a grid with hidden rows and columns: real and
// displayed columns (of any index), real and displayed rows, sorted and
// unsorted rows, the recorded column order and the All accessors that
// reach hidden cells; and the per-cell look that lives beside them.
#include <gtest/gtest.h>

#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/SysUtils.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

String Text(Integer Col, Integer Row) { return IntToStr(Col) + L":" + IntToStr(Row); }

// Real rows 0..11, of which 3 and 7 are hidden; real columns 0..699, of
// which 2 and 600 are hidden. Every cell written holds "column:row" of its
// real indexes.
struct THiddenGrid {
  TRezIvevirAvod Grid{nullptr};
  THiddenGrid() {
    Grid.SetColCount(700);
    Grid.SetRowCount(12);
    for (Integer r = 0; r < 12; ++r)
      for (Integer c : {0, 1, 2, 3, 600, 601, 699}) Grid.SetGridCell(c, r, Text(c, r));
    Grid.HideColumn(2);
    Grid.HideColumn(600);
    Grid.HideRow(3);
    Grid.HideRow(7);
  }
};

}  // namespace

TEST(GridIndexSpaces, ColumnsOfAnyIndexHideAndMapBothWays) {
  THiddenGrid H;
  TRezIvevirAvod& G = H.Grid;
  EXPECT_EQ(G.ColCount(), 698);
  EXPECT_EQ(G.AllColCount(), 700);
  EXPECT_TRUE(G.IsHiddenColumn(600));
  struct {
    Integer Real, Displayed;
  } Cases[] = {{0, 0}, {1, 1}, {3, 2}, {599, 598}, {601, 599}, {699, 697}};
  for (auto C : Cases) {
    SCOPED_TRACE(C.Real);
    EXPECT_EQ(G.RealToDisplCol(C.Real), C.Displayed);
    EXPECT_EQ(G.DisplToRealCol(C.Displayed), C.Real);
    EXPECT_EQ(G.RealColIndex(C.Displayed), C.Real);
  }
  // A hidden column maps to the next shown one.
  EXPECT_EQ(G.RealToDisplCol(2), 2);
  // Hidden columns keep their cells where they were stored.
  EXPECT_EQ(G.GetCells(600, 0), L"600:0");
  G.UnHideColumnsAll();
  EXPECT_EQ(G.ColCount(), 700);
  EXPECT_EQ(G.DisplToRealCol(600), 600);
  EXPECT_EQ(G.GetCells(600, 4), L"600:5");
}

TEST(GridIndexSpaces, HiddenColumnKeepsItsWidth) {
  TRezIvevirAvod G(nullptr);
  G.SetColCount(6);
  G.SetColWidths(3, 90);
  G.HideColumn(3);
  EXPECT_EQ(G.GetAllColWidths(3), 90);
  EXPECT_EQ(G.GetColWidths(3), 64);
  G.SetAllColWidths(3, 120);
  G.UnHideColumn(3);
  EXPECT_EQ(G.GetColWidths(3), 120);
}

TEST(GridIndexSpaces, RowsMapBetweenRealAndDisplayed) {
  THiddenGrid H;
  TRezIvevirAvod& G = H.Grid;
  EXPECT_EQ(G.AllRowCount(), 12);
  struct {
    Integer Real, Displayed;
  } Cases[] = {{0, 0}, {2, 2}, {4, 3}, {6, 5}, {8, 6}, {11, 9}};
  for (auto C : Cases) {
    SCOPED_TRACE(C.Real);
    EXPECT_EQ(G.RealToDisplRow(C.Real), C.Displayed);
    EXPECT_EQ(G.DisplToRealRow(C.Displayed), C.Real);
    EXPECT_EQ(G.RealRowIndex(C.Displayed), C.Real);
  }
  EXPECT_TRUE(G.IsHiddenRow(7));
  EXPECT_EQ(G.RealToDisplRow(7), 6);  // where it would stand
  EXPECT_EQ(G.DisplToRealRow(-1), -1);
}

TEST(GridIndexSpaces, AllAccessorsReachHiddenRowsAndColumns) {
  THiddenGrid H;
  TRezIvevirAvod& G = H.Grid;
  for (Integer Real = 0; Real < 12; ++Real)
    for (Integer c : {0, 1, 2, 3}) {
      SCOPED_TRACE(Text(c, Real));
      EXPECT_EQ(G.GetAllCells(c, Real), Text(c, Real));
      EXPECT_EQ(G.GetAllGridCells(c, Real), Text(c, Real));
    }
  G.SetAllCells(1, 7, L"written hidden");
  G.SetAllCells(2, 8, L"written shown");
  EXPECT_EQ(G.GetAllCells(1, 7), L"written hidden");
  EXPECT_EQ(G.GetCells(2, 6), L"written shown");
  // Beyond a hidden row's stored texts: empty; beyond the columns: an error.
  EXPECT_EQ(G.GetAllCells(9, 3), L"");
  EXPECT_THROW(G.GetAllGridCells(700, 7), Exception);

  TObject Marker;
  G.SetAllObjects(1, 3, &Marker);
  EXPECT_EQ(G.GetAllObjects(1, 3), &Marker);
  G.SetAllObjects(1, 4, &Marker);
  EXPECT_EQ(G.GetObjects(1, 3), &Marker);
  G.SetAllObjects(1, 4, nullptr);
}

TEST(GridIndexSpaces, SortedUnsortedAndRecordedColumnOrder) {
  TRezIvevirAvod G(nullptr);
  G.SetColCount(4);
  for (Integer r = 0; r < 10; ++r) G.SetCells(1, r, IntToStr(r));
  // After a sort, position i holds the row that stood at entry i.
  for (Integer Before : {0, 5, 2, 9}) G.SortedRowList()->Add(Before);
  EXPECT_EQ(G.SortedRowIndex(1), 5);
  EXPECT_EQ(G.SortedRowIndex(8), 8);
  EXPECT_EQ(G.UnSortedRowIndex(9), 3);
  EXPECT_EQ(G.UnSortedRowIndex(4), 4);  // not in the list: its length
  EXPECT_EQ(G.GetUnSortedCells(1, 2), L"2");

  G.SetColumnOrder();
  G.ColumnOrder()->SetInteger(1, 3);
  G.ColumnOrder()->SetInteger(3, 1);
  G.SetCells(3, 0, L"was column 1");
  EXPECT_EQ(G.ColumnPosition(1), 3);
  EXPECT_EQ(G.GetOriginalCells(1, 0), L"was column 1");
  EXPECT_EQ(G.ColumnPosition(7), 7);  // not recorded: where it stands
}

TEST(GridIndexSpaces, CellLookReadsNeutralWithoutMakingProperties) {
  TRezIvevirAvod G(nullptr);
  EXPECT_EQ(G.GetColors(2, 2), clNone);
  EXPECT_EQ(G.GetFontSizes(2, 2), 0);
  EXPECT_FALSE(G.HasCellProperties(2, 2));
  EXPECT_TRUE(G.GetWordWraps(2, 2));
  EXPECT_TRUE(G.HasCellProperties(2, 2));
  G.SetColors(1, 1, clRed);
  G.SetFontStyles(1, 1, TFontStyles{fsItalic});
  EXPECT_EQ(G.GetColors(1, 1), clRed);
  EXPECT_TRUE(G.GetCellFont(1, 1)->Style().Contains(fsItalic));
  EXPECT_EQ(G.GetCellFont(3, 3), G.Font());
}

TEST(GridIndexSpaces, CellWritesOutsideTheGridAreRefused) {
  TRezIvevirAvod G(nullptr);
  struct {
    Integer Col, Row;
    const wchar_t* Message;
  } Cases[] = {{-1, 1, L"Invalid column accessed"},
               {5, 1, L"Invalid column accessed"},
               {1, -1, L"Invalid row accessed"},
               {1, 10, L"Invalid row accessed"}};
  for (auto C : Cases) {
    SCOPED_TRACE(testing::Message() << C.Col << "," << C.Row);
    try {
      G.SetColors(C.Col, C.Row, clRed);
      ADD_FAILURE() << "no error";
    } catch (const DAvoDeveDeviz& E) {
      EXPECT_EQ(E.Message(), C.Message);
    }
    EXPECT_FALSE(G.HasCellProperties(C.Col < 0 ? 0 : C.Col, C.Row < 0 ? 0 : C.Row));
  }
  EXPECT_THROW(G.SetRowColor(10, clRed), DAvoDeveDeviz);
}

TEST(GridIndexSpaces, RowColourResetKeepsMergesAndObjects) {
  TRezIvevirAvod G(nullptr);
  G.MergeCells(1, 2, 2, 1);
  TObject Marker;
  G.SetObjects(3, 2, &Marker);
  G.SetFontColors(4, 2, clBlue);
  G.SetRowColor(2, clYellow);
  EXPECT_EQ(G.GetColors(4, 2), clYellow);
  G.SetRowColor(2, clNone);
  // A plain coloured cell loses its properties, font colour and all.
  EXPECT_FALSE(G.HasCellProperties(4, 2));
  EXPECT_TRUE(G.IsMergedCell(1, 2));
  EXPECT_TRUE(G.IsMergedCell(2, 2));
  EXPECT_EQ(G.GetColors(1, 2), clNone);
  EXPECT_EQ(G.GetObjects(3, 2), &Marker);
}

TEST(GridIndexSpaces, ZoomStaysWithinTwentySteps) {
  TRezIvevirAvod G(nullptr);
  for (int i = 0; i < 5; ++i) G.Zoom(2);
  G.Zoom(-2);
  EXPECT_EQ(G.ZoomFactor(), 8);
  EXPECT_EQ(G.DefaultColWidth(), 64);
  EXPECT_EQ(G.GetColWidths(1), 72);
  G.Zoom(14);
  EXPECT_EQ(G.ZoomFactor(), 8);
  EXPECT_EQ(G.GetColWidths(1), 72);
}

TEST(GridIndexSpaces, CellControlsAreCountedOnce) {
  TTestForm Form;
  auto* G = new TRezIvevirAvod(Form.Get());
  G->SetParent(Form.Get());
  auto* Control = new TPanel(Form.Get());
  G->SetCellControls(2, 2, Control);
  EXPECT_EQ(G->NumCellControls(), 1);
  EXPECT_EQ(Control->Parent(), G);
  TRect R = G->CellRect(2, 2);
  EXPECT_EQ(Control->Left(), R.Left - 1);
  G->SetCellControls(2, 2, nullptr);
  G->SetCellControls(2, 2, Control);
  EXPECT_EQ(G->NumCellControls(), 1);
  EXPECT_EQ(G->GetCellControls(2, 2), Control);
}
