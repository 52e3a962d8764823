// Inserting, removing, moving and swapping rows and columns of the extended
// grid, checked cell by cell afterwards: every stored cell keeps its text,
// its object and its properties, every row its height, and hidden rows and
// columns, merged areas, cell graphics and the lists kept by row follow.
#include <gtest/gtest.h>

#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/SysUtils.h"
#include "tests/grid_interaction/FilledGrid.h"

using namespace jorv;
using namespace jorv::grid;

namespace {

constexpr Integer Cols = jorv::test::TFilledGrid::Cols;
constexpr Integer Rows = jorv::test::TFilledGrid::Rows;
constexpr auto* Text = &jorv::test::TFilledGrid::Text;

struct TCheckedGrid : jorv::test::TFilledGrid {
  // RowOrder names, per displayed row, the row it held first (-1: a new
  // row); ColOrder the same per stored column.
  void Check(const std::vector<Integer>& RowOrder, const std::vector<Integer>& ColOrder) {
    ASSERT_EQ(Grid.RowCount(), static_cast<Integer>(RowOrder.size()));
    ASSERT_EQ(Grid.AllColCount(), static_cast<Integer>(ColOrder.size()));
    for (Integer d = 0; d < Grid.RowCount(); ++d) {
      const Integer Was = RowOrder[d];
      SCOPED_TRACE(testing::Message() << "displayed row " << d << " (was " << Was << ")");
      EXPECT_EQ(Grid.GetRowHeights(d), Was < 0 ? Grid.DefaultRowHeight() : 20 + Was);
      for (Integer c = 0; c < Grid.AllColCount(); ++c) {
        const Integer WasCol = ColOrder[c];
        const bool Filled = Was >= 0 && WasCol >= 0;
        EXPECT_EQ(Grid.GetGridCell(c, d), Filled ? Text(WasCol, Was) : L"") << "column " << c;
        if (WasCol == 4) {
          EXPECT_EQ(Grid.GetObjects(c, d), Filled ? Objects[Was].get() : nullptr);
        }
        if (WasCol == 5) {
          EXPECT_EQ(Grid.GetFontColors(c, d), Filled ? TColor(0x10000 + Was) : clNone);
        }
      }
    }
  }
};

const std::vector<Integer> AllCols{0, 1, 2, 3, 4, 5};

}  // namespace

TEST(GridRowOperations, EveryCellFollowsItsRow) {
  using TStep = std::function<void(TRezIvevirAvod&)>;
  struct TCase {
    const char* Name;
    TStep Steps;
    std::vector<Integer> RowOrder;
    std::vector<Integer> ColOrder;
  } Cases[] = {
      {"insert two rows", [](auto& G) { G.InsertRows(3, 2); }, {0, 1, 2, -1, -1, 3, 4, 5, 6, 7, 8, 9, 10, 11}, AllCols},
      {"insert before the fixed row", [](auto& G) { G.InsertRows(0, 1); },
       {-1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, AllCols},
      {"append a row", [](auto& G) { G.AddRow(); }, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, -1}, AllCols},
      {"remove three rows", [](auto& G) { G.RemoveRows(2, 3); }, {0, 1, 5, 6, 7, 8, 9, 10, 11}, AllCols},
      {"remove a block", [](auto& G) { G.RemoveRowBlock(9, 5); }, {0, 1, 2, 3, 4, 5, 6, 7, 8}, AllCols},
      {"remove a list", [](auto& G) {
         TIntList L;
         for (Integer r : {10, 2, 3, 7, 2}) L.Add(r);
         G.RemoveRowList(&L);
       },
       {0, 1, 4, 5, 6, 8, 9, 11}, AllCols},
      {"move a row down", [](auto& G) { G.MoveRow(2, 5); }, {0, 1, 3, 4, 5, 2, 6, 7, 8, 9, 10, 11}, AllCols},
      {"move a block behind the rows after it", [](auto& G) { G.MoveRows(2, 5, 3); },
       {0, 1, 5, 6, 7, 2, 3, 4, 8, 9, 10, 11}, AllCols},
      {"move a block before a later row", [](auto& G) { G.MoveRows(2, 6, 3); },
       {0, 1, 5, 2, 3, 4, 6, 7, 8, 9, 10, 11}, AllCols},
      {"move a block up", [](auto& G) { G.MoveRows(8, 1, 2); }, {0, 8, 9, 1, 2, 3, 4, 5, 6, 7, 10, 11}, AllCols},
      {"swap two rows", [](auto& G) { G.SwapRows(1, 4); }, {0, 4, 2, 3, 1, 5, 6, 7, 8, 9, 10, 11}, AllCols},
      {"remove rows past a hidden row",
       [](auto& G) {
         G.HideRow(9);
         G.RemoveRows(2, 3);
         EXPECT_TRUE(G.IsHiddenRow(6));
         G.UnHideRowsAll();
       },
       {0, 1, 5, 6, 7, 8, 9, 10, 11}, AllCols},
      {"remove rows around a hidden row",
       [](auto& G) {
         G.HideRow(3);
         G.RemoveRows(2, 3);
         G.UnHideRowsAll();
       },
       {0, 1, 3, 6, 7, 8, 9, 10, 11}, AllCols},
      {"insert rows before a hidden row",
       [](auto& G) {
         G.HideRow(5);
         G.InsertRows(3, 2);
         G.UnHideRowsAll();
       },
       {0, 1, 2, -1, -1, 3, 4, 5, 6, 7, 8, 9, 10, 11}, AllCols},
      {"insert a column", [](auto& G) { G.InsertCols(2, 1); }, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11},
       {0, 1, -1, 2, 3, 4, 5}},
      {"remove two columns", [](auto& G) { G.RemoveCols(1, 2); }, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11},
       {0, 3, 4, 5}},
      {"swap two columns", [](auto& G) { G.SwapColumns(1, 4); }, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11},
       {0, 4, 2, 3, 1, 5}},
      {"move a column", [](auto& G) { G.MoveColumn(1, 3); }, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11},
       {0, 2, 3, 1, 4, 5}},
      {"columns of hidden rows move too",
       [](auto& G) {
         G.HideRows(3, 4);
         G.InsertCols(1, 1);
         G.RemoveCols(3, 1);
         G.UnHideRowsAll();
       },
       {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, {0, -1, 1, 3, 4, 5}},
  };
  for (auto& C : Cases) {
    SCOPED_TRACE(C.Name);
    TCheckedGrid F;
    C.Steps(F.Grid);
    F.Check(C.RowOrder, C.ColOrder);
  }
}

TEST(GridRowOperations, RemovingColumnsAcrossHiddenOnesCountsWhatIsLeft) {
  TCheckedGrid F;
  TRezIvevirAvod& G = F.Grid;
  G.HideColumn(2);
  G.HideColumn(4);
  G.RemoveCols(1, 2);
  // Stored 2 went with the removal, stored 4 (now 2) stays hidden.
  EXPECT_EQ(G.NumHiddenColumns(), 1);
  EXPECT_EQ(G.ColCount(), 3);
  EXPECT_TRUE(G.IsHiddenColumn(2));
  EXPECT_EQ(G.GetCells(G.DisplToRealCol(1), 3), L"3:3");
  EXPECT_EQ(G.GetCells(G.DisplToRealCol(2), 3), L"5:3");
  G.UnHideColumnsAll();
  F.Check({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, {0, 3, 4, 5});
}

TEST(GridRowOperations, MergedAreasAndGraphicsStayWhole) {
  TCheckedGrid F;
  TRezIvevirAvod& G = F.Grid;
  G.MergeCells(1, 2, 2, 3);  // rows 2..4
  G.MergeCells(2, 8, 1, 2);  // rows 8..9
  G.AddCheckBox(3, 6, true, false);
  G.InsertRows(3, 1);
  // The first area was cut by the new row and is split; the second moved.
  EXPECT_FALSE(G.IsMergedCell(1, 2));
  EXPECT_FALSE(G.IsMergedCell(1, 4));
  EXPECT_EQ(G.GetCells(2, 5), L"2:4");
  EXPECT_TRUE(G.IsMergedCell(2, 9));
  EXPECT_TRUE(G.IsBaseCell(2, 9));
  EXPECT_EQ(G.CellSpan(2, 10).Y, 1);
  EXPECT_EQ(G.GetCells(2, 10), L"2:8");
  EXPECT_TRUE(G.HasCheckBox(3, 7));
  EXPECT_FALSE(G.HasCheckBox(3, 6));
  G.RemoveRows(1, 2);
  EXPECT_TRUE(G.IsBaseCell(2, 7));
  EXPECT_EQ(G.CellSpan(2, 8).Y, 1);
  EXPECT_TRUE(G.HasCheckBox(3, 5));
  G.SwapRows(5, 1);
  EXPECT_TRUE(G.HasCheckBox(3, 1));
}

TEST(GridRowOperations, ListsKeptByRowFollowTheRows) {
  TCheckedGrid F;
  TRezIvevirAvod& G = F.Grid;
  G.ShowModified()->SetEnabled(true);
  G.MouseActions()->SetDisjunctRowSelect(true);
  for (Integer r : {3, 5}) G.SetRowModified(r, true);
  G.SetRowSelect(4, true);
  G.SetRowEnabled(6, false);
  G.InsertRows(3, 2);
  EXPECT_FALSE(G.GetRowModified(3));
  EXPECT_TRUE(G.GetRowModified(5));
  EXPECT_TRUE(G.GetRowModified(7));
  EXPECT_TRUE(G.GetRowSelect(6));
  EXPECT_FALSE(G.GetRowSelect(4));
  EXPECT_FALSE(G.GetRowEnabled(8));
  G.RemoveRows(5, 2);
  EXPECT_TRUE(G.GetRowModified(5));
  EXPECT_EQ(G.ModifiedRowCount(), 1);
  // The selected row went; the cursor's row stays selected, as the cursor
  // selects its row in this mode.
  EXPECT_FALSE(G.GetRowSelect(5));
  EXPECT_FALSE(G.GetRowSelect(6));
  EXPECT_FALSE(G.GetRowEnabled(6));
}

TEST(GridRowOperations, TheCursorStaysOnANormalRow) {
  TCheckedGrid F;
  TRezIvevirAvod& G = F.Grid;
  // The header row stays while no normal row is left.
  G.SetFixedRowAlways(true);
  G.SetFixedRows(1);
  G.SetRowEx(11);
  G.RemoveRows(11, 1);
  EXPECT_EQ(G.Row(), 10);
  G.RemoveRows(1, 10);
  EXPECT_EQ(G.RowCount(), 1);
  EXPECT_GE(G.Row(), G.RowCount());
  // A row inserted brings the cursor back to the first normal cell.
  G.InsertRows(1, 2);
  EXPECT_EQ(G.Row(), 1);
}

TEST(GridRowOperations, ChangesAreReportedWithTheirRange) {
  TCheckedGrid F;
  std::vector<TRect> Seen;
  F.Grid.OnCellsChanged = [&](TObject*, TRect R) { Seen.push_back(R); };
  F.Grid.InsertRows(2, 3);
  F.Grid.RemoveRows(4, 1);
  F.Grid.RemoveCols(2, 2);
  ASSERT_EQ(Seen.size(), 4u);  // the columns' cells are cleared first
  EXPECT_EQ(Seen[0], (TRect{0, 2, 5, 5}));
  EXPECT_EQ(Seen[1], (TRect{0, 4, 5, 5}));
  EXPECT_EQ(Seen[3], (TRect{2, 0, 4, 13}));
}

TEST(GridRowOperations, ClearingKeepsWhatItIsToldToKeep) {
  TCheckedGrid F;
  TRezIvevirAvod& G = F.Grid;
  G.SetColors(2, 3, 0x123456);
  G.AddCheckBox(3, 3, true, false);
  G.SetClearTextOnly(true);
  G.ClearRect(1, 3, 3, 3);
  EXPECT_EQ(G.GetCells(2, 3), L"");
  EXPECT_EQ(G.GetColors(2, 3), TColor(0x123456));
  EXPECT_TRUE(G.HasCheckBox(3, 3));
  G.SetClearTextOnly(false);
  G.ClearRows(3, 1);
  EXPECT_EQ(G.GetColors(2, 3), clNone);
  EXPECT_FALSE(G.HasCheckBox(3, 3));
  EXPECT_EQ(G.GetObjects(4, 3), nullptr);
  // Hidden rows come back empty after ClearAll.
  G.HideRow(6);
  G.ClearAll();
  G.UnHideRowsAll();
  EXPECT_EQ(G.GetCells(2, 6), L"");
  EXPECT_EQ(G.RowCount(), Rows);
}

TEST(GridRowOperations, DuplicatesTrimmingMergingAndQueries) {
  TRezIvevirAvod G(nullptr);
  G.SetColCount(3);
  G.SetRowCount(7);
  const wchar_t* Texts[] = {L"head", L"abc", L"ABC", L"abc", L" b\t", L"b", L"b"};
  for (Integer r = 0; r < 7; ++r) G.SetCells(1, r, Texts[r]);
  G.TrimColumn(1);
  EXPECT_EQ(G.GetCells(1, 4), L"b");
  G.MergeColumnCells(1, true);
  EXPECT_FALSE(G.IsMergedCell(1, 1));
  EXPECT_EQ(G.CellSpan(1, 4).Y, 2);
  G.SplitColumnCells(1);
  EXPECT_FALSE(G.IsMergedCell(1, 5));
  G.RemoveDuplicates(1, true);
  EXPECT_EQ(G.RowCount(), 4);  // head, abc, ABC, b
  G.RemoveDuplicates(1, false);
  EXPECT_EQ(G.RowCount(), 3);
  EXPECT_EQ(G.GetCells(1, 2), L"b");
  Integer C = -1, R = -1;
  EXPECT_TRUE(G.IsCell(L"b", C, R));
  EXPECT_EQ(C, 1);
  EXPECT_EQ(R, 2);
  EXPECT_FALSE(G.IsCell(L"B", C, R));
  G.SetCells(2, 1, L"|\\0041");
  EXPECT_TRUE(G.IsWideCell(2, 1));
  EXPECT_FALSE(G.IsWideCell(1, 1));
}

TEST(GridRowOperations, CheckedRowsGoFooterRowsIncluded) {
  TRezIvevirAvod G(nullptr);
  G.SetColCount(2);
  G.SetRowCount(6);
  G.SetFixedFooters(1);
  for (Integer r = 1; r < 6; ++r) {
    G.SetCells(1, r, IntToStr(r));
    G.AddCheckBox(0, r, r % 2 == 1, false);
  }
  G.RemoveCheckedRows(0, true);
  ASSERT_EQ(G.RowCount(), 3);
  EXPECT_EQ(G.GetCells(1, 1), L"2");
  EXPECT_EQ(G.GetCells(1, 2), L"4");
}

TEST(GridRowOperations, SelectedAndUnselectedRowsGoOrHide) {
  using TStep = std::function<void(TRezIvevirAvod&)>;
  struct {
    const char* Name;
    bool Disjunct;
    TStep Act;
    std::vector<Integer> RowOrder;
  } Cases[] = {
      {"remove the selected range", false, [](auto& G) { G.RemoveSelectedRows(); }, {0, 1, 2, 6, 7, 8, 9, 10, 11}},
      {"remove all but the range", false, [](auto& G) { G.RemoveUnSelectedRows(); }, {0, 3, 4, 5}},
      {"hide all but the range", false, [](auto& G) { G.HideUnSelectedRows(); }, {0, 3, 4, 5}},
      {"hide the range", false, [](auto& G) { G.HideSelectedRows(); }, {0, 1, 2, 6, 7, 8, 9, 10, 11}},
      {"remove disjunct rows", true, [](auto& G) { G.RemoveSelectedRows(); }, {0, 1, 2, 4, 6, 7, 8, 9, 10, 11}},
      {"hide all but disjunct rows", true, [](auto& G) { G.HideUnSelectedRows(); }, {0, 3, 5}},
  };
  for (auto& C : Cases) {
    SCOPED_TRACE(C.Name);
    TCheckedGrid F;
    TRezIvevirAvod& G = F.Grid;
    if (C.Disjunct) {
      G.MouseActions()->SetDisjunctRowSelect(true);
      G.SetRowSelect(3, true);
      G.SetRowSelect(5, true);
    } else {
      G.SetSelection(TGridRect{1, 3, 2, 5});
    }
    C.Act(G);
    F.Check(C.RowOrder, AllCols);
  }
}
