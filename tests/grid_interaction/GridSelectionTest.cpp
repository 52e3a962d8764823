// Selection of the extended grid in every mode, the row flags beside it,
// and the current row, column order, scrolling and extents. The plain
// range is made with the mouse on a real grid window (the platform grid's
// own input); the disjunct modes through the calls the grid's input makes.
#include <gtest/gtest.h>

#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/SysUtils.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

struct TGridOnForm {
  TTestForm Form{420, 300};
  TRezIvevirAvod* Grid = new TRezIvevirAvod(Form.Get());
  TGridOnForm() {
    Grid->SetParent(Form.Get());
    Grid->SetBounds(0, 0, 400, 280);
    Grid->SetColCount(6);
    Grid->SetRowCount(40);
    Grid->SetDefaultRowHeight(20);
    for (Integer r = 0; r < 40; ++r)
      for (Integer c = 0; c < 6; ++c) Grid->SetCells(c, r, IntToStr(c) + L":" + IntToStr(r));
    Pump();
  }
  TPoint Center(Integer ACol, Integer ARow) {
    const TRect R = Grid->CellRect(ACol, ARow);
    return TPoint{(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2};
  }
};

}  // namespace

TEST(GridSelection, ARangeDraggedWithTheMouseIsSelected) {
  TGridOnForm F;
  TRezIvevirAvod& G = *F.Grid;
  const TPoint From = F.Center(2, 3), To = F.Center(3, 5);
  MouseDown(&G, From.X, From.Y);
  MouseMove(&G, To.X, To.Y);
  MouseUp(&G, To.X, To.Y);
  Pump();
  EXPECT_EQ(G.Selection(), (TGridRect{2, 3, 3, 5}));
  struct {
    Integer Col, Row;
    bool Selected;
  } Cells[] = {{2, 3, true}, {3, 5, true}, {2, 5, true}, {1, 3, false}, {4, 4, false}, {2, 6, false}, {0, 4, false}};
  for (auto C : Cells) EXPECT_EQ(G.IsSelected(C.Col, C.Row), C.Selected) << C.Col << "," << C.Row;
  EXPECT_EQ(G.SelectedCellsCount(), 6);
  EXPECT_EQ(G.GetSelectedRow(1), 4);
  EXPECT_EQ(G.GetSelectedRow(3), -1);
  EXPECT_EQ(G.SelectedText(), L"2:3\t3:3\r\n2:4\t3:4\r\n2:5\t3:5");
  // A click alone selects its one cell.
  const TPoint One = F.Center(1, 8);
  Click(&G, One.X, One.Y);
  Pump();
  EXPECT_TRUE(G.IsSelected(1, 8));
  EXPECT_FALSE(G.IsSelected(2, 3));
  EXPECT_EQ(G.SelectedRowCount(), 1);
}

TEST(GridSelection, ShiftWithArrowKeysGrowsTheRange) {
  TGridOnForm F;
  TRezIvevirAvod& G = *F.Grid;
  const TPoint Start = F.Center(2, 3);
  Click(&G, Start.X, Start.Y);
  BYTE Keys[256] = {};
  GetKeyboardState(Keys);
  Keys[VK_SHIFT] = 0x80;
  SetKeyboardState(Keys);
  KeyPress(&G, VK_DOWN);
  KeyPress(&G, VK_RIGHT);
  Keys[VK_SHIFT] = 0;
  SetKeyboardState(Keys);
  EXPECT_EQ(G.Selection(), (TGridRect{2, 3, 3, 4}));
  EXPECT_TRUE(G.IsSelected(3, 4));
  EXPECT_EQ(G.SelectedCellsCount(), 4);
  // Without Shift the range gives way to the one cell moved to.
  KeyPress(&G, VK_DOWN);
  EXPECT_EQ(G.Selection(), (TGridRect{3, 5, 3, 5}));
  EXPECT_FALSE(G.IsSelected(2, 3));
}

TEST(GridSelection, DisjunctRowsRaiseTheirEventsInOrder) {
  TGridOnForm F;
  TRezIvevirAvod& G = *F.Grid;
  G.MouseActions()->SetDisjunctRowSelect(true);
  std::vector<String> Log;
  bool Allow = true;
  G.OnRowDisjunctSelect = [&](TObject*, Integer ARow, bool State, bool& A) {
    Log.push_back(L"select " + IntToStr(ARow) + (State ? L" on" : L" off"));
    A = Allow;
  };
  G.OnRowDisjunctSelected = [&](TObject*, Integer ARow) { Log.push_back(L"selected " + IntToStr(ARow)); };
  G.SetRowSelect(5, true);
  G.SetRowSelect(5, true);
  G.SetRowSelect(9, true);
  Allow = false;
  G.SetRowSelect(12, true);
  G.SetRowSelect(5, false);
  EXPECT_EQ(Log, (std::vector<String>{L"select 5 on", L"selected 5", L"select 9 on", L"selected 9", L"select 12 on",
                                      L"select 5 off"}));
  EXPECT_TRUE(G.IsSelected(2, 5));
  EXPECT_TRUE(G.IsSelected(1, 9));
  EXPECT_FALSE(G.IsSelected(1, 12));
  EXPECT_FALSE(G.IsSelected(0, 5));  // fixed column
  EXPECT_EQ(G.RowSelectCount(), 2);
  EXPECT_EQ(G.SelectedRowCount(), 2);
  EXPECT_EQ(G.GetSelectedRow(1), 9);
  try {
    G.GetRowSelect(40);
    FAIL() << "no error";
  } catch (const DAvoDeveDeviz& E) {
    EXPECT_EQ(E.Message(), L"Invalid row 40 accessed");
  }
  EXPECT_THROW(G.SetRowSelect(-1, true), DAvoDeveDeviz);
}

TEST(GridSelection, PersistentRowsSurviveFiltering) {
  TGridOnForm F;
  TRezIvevirAvod& G = *F.Grid;
  G.MouseActions()->SetDisjunctRowSelect(true);
  G.MouseActions()->SetRowSelectPersistent(true);
  G.SelectRows(6, 1);
  TIntList Out;
  for (Integer r : {2, 3, 6}) Out.Add(r);
  G.HideRowList(&Out);
  EXPECT_TRUE(G.IsHiddenRow(6));
  EXPECT_FALSE(G.IsSelected(1, 4));  // stored row 7 stands there now
  G.UnHideRowList();
  G.SetFilterLevel(0);
  EXPECT_TRUE(G.IsSelected(1, 6));
  EXPECT_FALSE(G.IsSelected(1, 5));
}

TEST(GridSelection, DisjunctColumnsAndCells) {
  TGridOnForm F;
  TRezIvevirAvod& G = *F.Grid;
  G.MouseActions()->SetDisjunctColSelect(true);
  G.SelectCols(2, 2);
  G.UnSelectCols(3, 1);
  EXPECT_TRUE(G.IsSelected(2, 10));
  EXPECT_FALSE(G.IsSelected(3, 10));
  EXPECT_FALSE(G.IsSelected(2, 0));  // fixed row
  EXPECT_EQ(G.ColSelectCount(), 1);
  EXPECT_THROW(G.GetColSelect(6), DAvoDeveDeviz);

  G.MouseActions()->SetDisjunctCellSelect(true);
  G.SelectCells(1, 1, 2, 2);
  EXPECT_EQ(G.SelectedCellsCount(), 4);
  EXPECT_EQ(G.GetSelectedCell(0), (TGridCoord{1, 1}));
  EXPECT_TRUE(G.IsSelected(2, 2));
  G.SetSelectedCells(2, 2, false);
  EXPECT_FALSE(G.IsSelected(2, 2));
  EXPECT_EQ(G.SelectedCellsCount(), 3);
  // Rows opening above the cells move them along.
  G.InsertRows(1, 1);
  EXPECT_TRUE(G.IsSelected(1, 2));
  EXPECT_FALSE(G.IsSelected(1, 1));
}

TEST(GridSelection, CountsOverMergedCells) {
  TGridOnForm F;
  TRezIvevirAvod& G = *F.Grid;
  G.MergeCells(1, 2, 3, 1);
  G.SetSelection(TGridRect{1, 2, 2, 2});
  EXPECT_EQ(G.SelectedColCount(), 3);
  G.SetSelection(TGridRect{1, 4, 2, 6});
  EXPECT_EQ(G.SelectedColCount(), 2);
  EXPECT_EQ(G.SelectedRowCount(), 3);
}

TEST(GridSelection, RowFlags) {
  TGridOnForm F;
  TRezIvevirAvod& G = *F.Grid;
  G.SetRowModified(10, true);
  EXPECT_EQ(G.ModifiedRowCount(), 1);
  EXPECT_TRUE(G.GetRowModified(10));
  EXPECT_FALSE(G.GetRowModified(9));
  EXPECT_FALSE(G.GetRowModified(50));
  G.GotoCell(2, 4);
  G.SetRowEnabled(4, false);
  EXPECT_EQ(G.Row(), 1);
  EXPECT_FALSE(G.GetRowEnabled(4));
  EXPECT_TRUE(G.GetRowEnabled(5));
  G.ClearModifiedRows();
  EXPECT_EQ(G.ModifiedRowCount(), 0);
}

TEST(GridSelection, DistinctValuesIgnoreCaseWhenAsked) {
  TRezIvevirAvod G(nullptr);
  G.SetColCount(2);
  G.SetRowCount(4);
  for (Integer r = 1; r < 4; ++r) G.SetCells(1, r, std::vector<String>{L"", L"a", L"A", L"b"}[r]);
  EXPECT_EQ(G.DistinctValues(1, false)->Count(), 2);
  EXPECT_EQ(G.DistinctValues(1, true)->Count(), 3);
}

TEST(GridCurrentRow, RowChangesAreReportedOnce) {
  TGridOnForm F;
  TRezIvevirAvod& G = *F.Grid;
  std::vector<std::pair<Integer, Integer>> Seen;
  G.OnRowChanged = [&](TObject*, Integer OldRow, Integer NewRow) { Seen.push_back({OldRow, NewRow}); };
  G.SetRowEx(5);
  G.SetRowEx(5);
  G.SetRow(8);
  EXPECT_EQ(Seen, (std::vector<std::pair<Integer, Integer>>{{1, 5}, {5, 8}}));
  const Integer Top = G.TopRow();
  G.SetTopRowEx(G.RowCount());
  EXPECT_EQ(G.TopRow(), Top);
  G.SetTopRowEx(0);
  EXPECT_EQ(G.TopRow(), Top);
}

TEST(GridCurrentRow, ScrollInViewPlacesTheRow) {
  TGridOnForm F;
  TRezIvevirAvod& G = *F.Grid;
  const Integer Visible = G.VisibleRowCount();
  struct {
    TScrollPosition Position;
    Integer Top;
  } Cases[] = {{spLeading, 30}, {spTrailing, 30 - Visible + 1}, {spMiddle, 30 - Visible / 2}};
  for (auto C : Cases) {
    G.SetTopRowEx(1);
    G.ScrollInView(2, 30, C.Position);
    EXPECT_EQ(G.TopRow(), std::min(C.Top, 40 - Visible + 1)) << C.Position;
    EXPECT_EQ(G.Row(), 30);
  }
  G.SetTopRowEx(1);
  G.ScrollInView(2, 40, spLeading);  // beyond the rows: nothing
  EXPECT_EQ(G.TopRow(), 1);
}

TEST(GridCurrentRow, HiddenSelectionComesBackOrFallsToTheFirstCell) {
  TGridOnForm F;
  TRezIvevirAvod& G = *F.Grid;
  G.SetSelection(TGridRect{2, 30, 3, 32});
  G.HideSelection();
  EXPECT_FALSE(G.IsSelected(2, 30));
  G.UnHideSelection();
  EXPECT_EQ(G.Selection(), (TGridRect{2, 30, 3, 32}));
  G.HideSelection();
  G.SetRowCount(20);
  G.UnHideSelection();
  EXPECT_EQ(G.Selection(), (TGridRect{1, 1, 1, 1}));
}

TEST(GridColumnOrder, RecordedMovedFoundAndReset) {
  TRezIvevirAvod G(nullptr);
  G.SetColCount(5);
  const wchar_t* Heads[] = {L"", L"Name", L"Town", L"name", L"Town"};
  for (Integer c = 0; c < 5; ++c) G.SetCells(c, 0, Heads[c]);
  EXPECT_EQ(G.ColumnAtPosition(3), 3);
  EXPECT_EQ(G.ColumnOrder()->Count(), 5);
  EXPECT_EQ(G.ColumnByHeader(L"Town"), 2);
  EXPECT_EQ(G.ColumnByHeader(L"NAME"), -1);
  G.MoveColumn(1, 3);
  EXPECT_EQ(G.ColumnAtPosition(3), 1);
  EXPECT_EQ(G.ColumnPosition(1), 3);
  EXPECT_EQ(G.GetCells(3, 0), L"Name");
  G.HideColumn(2);
  G.MoveColumn(3, 1);
  G.ResetColumnOrder();
  EXPECT_EQ(G.ColCount(), 5);
  for (Integer c = 0; c < 5; ++c) {
    EXPECT_EQ(G.GetCells(c, 0), Heads[c]);
    EXPECT_EQ(G.ColumnAtPosition(c), c);
  }
}

TEST(GridExtents, UsedCellsAndSaveRanges) {
  TRezIvevirAvod G(nullptr);
  G.SetColCount(6);
  G.SetRowCount(10);
  EXPECT_EQ(G.UsedCells(), (TGridRect{0, 0, 0, 0}));
  G.SetCells(2, 3, L"x");
  G.SetCells(4, 7, L"y");
  EXPECT_EQ(G.UsedCells(), (TGridRect{2, 3, 4, 7}));
  G.SetFixedFooters(1);
  G.SetFixedRightCols(1);
  G.SetSaveFixedCells(false);
  EXPECT_EQ((std::vector<Integer>{G.SaveStartCol(), G.SaveStartRow(), G.SaveEndCol(), G.SaveEndRow(),
                                  G.SaveColCount(), G.SaveRowCount()}),
            (std::vector<Integer>{1, 1, 4, 8, 4, 8}));
  G.SetSaveFixedCells(true);
  EXPECT_EQ((std::vector<Integer>{G.SaveStartCol(), G.SaveStartRow(), G.SaveEndCol(), G.SaveEndRow(),
                                  G.SaveColCount(), G.SaveRowCount()}),
            (std::vector<Integer>{0, 0, 5, 9, 6, 10}));
}

TEST(GridHiddenRowList, ACallerHeldListAnswersToo) {
  TRezIvevirAvod G(nullptr);
  G.SetRowCount(10);
  G.HideRows(2, 3);
  G.HideRow(7);
  std::unique_ptr<TIntList> List;
  EXPECT_TRUE(G.IsHiddenRow(3, List));
  ASSERT_TRUE(List);
  EXPECT_EQ(List->StrValue(), L"2,3,7");
  EXPECT_FALSE(G.IsHiddenRow(4, List));
  EXPECT_TRUE(G.IsHiddenRow(7, List));
}
