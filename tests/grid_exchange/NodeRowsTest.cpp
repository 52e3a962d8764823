// Node rows: spans and levels as nodes are made, nested, contracted and
// expanded, rows inserted into and removed from them, and the rows that
// contracted nodes hide coming back with their cells.
#include <gtest/gtest.h>

#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/SysUtils.h"

using namespace jorv;
using namespace jorv::grid;

namespace {

// Column 1 holds "r1" .. "rN" for rows 1 .. N; row 0 is fixed.
struct TNodeGrid {
  TRezIvevirAvod Grid{nullptr};
  explicit TNodeGrid(Integer Rows) {
    Grid.SetColCount(3);
    Grid.SetRowCount(Rows + 1);
    Grid.SetFixedRows(1);
    for (Integer r = 1; r <= Rows; ++r) Grid.SetCells(1, r, L"r" + IntToStr(r));
  }
  // The column-1 texts of the shown rows, joined with blanks.
  String Shown() {
    String S;
    for (Integer r = 1; r < Grid.RowCount(); ++r) S += (S.empty() ? L"" : L" ") + Grid.GetCells(1, r);
    return S;
  }
  Integer Level(Integer Row) {
    return Grid.HasCellProperties(0, Row) ? Grid.GetCellProperties(0, Row)->NodeLevel() : 0;
  }
  String Levels() {
    String S;
    for (Integer r = 1; r < Grid.RowCount(); ++r) S += IntToStr(Level(r));
    return S;
  }
};

TEST(GridNodes, AddNodeGivesSpanAndLevelsAndIsCutAtTheLastRow) {
  TNodeGrid G(4);
  G.Grid.AddNode(1, 3);
  EXPECT_TRUE(G.Grid.IsNode(1));
  EXPECT_EQ(G.Grid.GetNodeSpan(1), 3);
  EXPECT_EQ(G.Grid.GetNodeLevel(1), 1);
  EXPECT_EQ(G.Levels(), L"1110");
  EXPECT_EQ(G.Grid.GetNodeLevel(2), -1);
  EXPECT_EQ(G.Grid.NumNodes(), 1);
  // A span past the last row stops at it.
  G.Grid.AddNode(3, 100);
  EXPECT_EQ(G.Grid.GetNodeSpan(3), 2);
  EXPECT_EQ(G.Levels(), L"1121");
  G.Grid.AddNode(4, 0);
  EXPECT_FALSE(G.Grid.IsNode(4));
  G.Grid.ContractNode(3);
  EXPECT_EQ(G.Shown(), L"r1 r2 r3");
  EXPECT_EQ(G.Grid.RowCount(), 4);
}

TEST(GridNodes, ExpandingTheOuterNodeShowsANestedContractedNodeExpanded) {
  TNodeGrid G(8);
  G.Grid.AddNode(1, 6);  // r1 .. r6
  G.Grid.AddNode(3, 3);  // r3 .. r5
  EXPECT_EQ(G.Levels(), L"11222100");
  G.Grid.ContractNode(3);
  EXPECT_EQ(G.Shown(), L"r1 r2 r3 r6 r7 r8");
  G.Grid.ContractNode(1);
  EXPECT_EQ(G.Shown(), L"r1 r7 r8");
  EXPECT_TRUE(G.Grid.GetNodeState(1));
  EXPECT_EQ(G.Grid.NumHiddenRows(), 5);
  G.Grid.ExpandNode(1);
  EXPECT_EQ(G.Shown(), L"r1 r2 r3 r4 r5 r6 r7 r8");
  EXPECT_FALSE(G.Grid.GetNodeState(3));
  EXPECT_EQ(G.Grid.GetNodeSpan(1), 6);
  EXPECT_EQ(G.Grid.GetNodeSpan(3), 3);
  EXPECT_EQ(G.Levels(), L"11222100");
  EXPECT_EQ(G.Grid.NumHiddenRows(), 0);
}

TEST(GridNodes, ExpandOneContractsEveryOtherNode) {
  TNodeGrid G(9);
  for (Integer Node : {1, 4, 7}) G.Grid.AddNode(Node, 3);
  G.Grid.ContractAll();
  EXPECT_EQ(G.Shown(), L"r1 r4 r7");
  G.Grid.CellNode()->SetExpandOne(true);
  G.Grid.ExpandNode(4);
  EXPECT_EQ(G.Shown(), L"r1 r4 r5 r6 r7");
  G.Grid.ExpandNode(7);
  EXPECT_EQ(G.Shown(), L"r1 r4 r7 r8 r9");
  EXPECT_TRUE(G.Grid.GetNodeState(2));  // r4, contracted again
  G.Grid.ExpandAll();
  EXPECT_EQ(G.Shown(), L"r1 r2 r3 r4 r5 r6 r7 r8 r9");
  EXPECT_EQ(G.Grid.NumHiddenRows(), 0);
}

TEST(GridNodes, ContractAllHidesOutermostSpansAndKeepsNestedFlags) {
  TNodeGrid G(8);
  G.Grid.AddNode(1, 5);
  G.Grid.AddNode(2, 3);
  G.Grid.AddNode(6, 2);
  G.Grid.ContractAll();
  EXPECT_EQ(G.Shown(), L"r1 r6 r8");
  EXPECT_EQ(G.Grid.FilterLevel(), 0);
  G.Grid.ExpandNode(1);
  EXPECT_EQ(G.Shown(), L"r1 r2 r3 r4 r5 r6 r8");
  EXPECT_FALSE(G.Grid.GetNodeState(2));
}

TEST(GridNodes, ParentRowOfAChildOfTheSecondNodeWithTheFirstContracted) {
  TNodeGrid G(7);
  G.Grid.AddNode(1, 3);
  G.Grid.AddNode(4, 4);
  G.Grid.ContractNode(1);
  // r5 is shown at row 3 now, under r4 at row 2.
  EXPECT_EQ(G.Grid.GetCells(1, 3), L"r5");
  EXPECT_EQ(G.Grid.GetParentRow(3), 2);
  EXPECT_EQ(G.Grid.GetParentRow(1), 1);
}

TEST(GridNodes, InsertAndRemoveChildRowsKeepSpansOfEveryEnclosingNode) {
  TNodeGrid G(8);
  G.Grid.AddNode(1, 7);  // r1 .. r7
  G.Grid.AddNode(3, 3);  // r3 .. r5, level 2
  G.Grid.InsertChildRow(4, 1);  // after r4, inside the level-2 node
  EXPECT_EQ(G.Shown(), L"r1 r2 r3 r4  r5 r6 r7 r8");
  EXPECT_EQ(G.Grid.GetNodeSpan(3), 4);
  EXPECT_EQ(G.Grid.GetSubNodeCount(3), 1);
  EXPECT_EQ(G.Grid.GetNodeSpan(1), 8);
  EXPECT_EQ(G.Grid.GetSubNodeCount(1), 1);
  EXPECT_EQ(G.Levels(), L"112222110");
  G.Grid.ContractNode(3);
  EXPECT_EQ(G.Shown(), L"r1 r2 r3 r6 r7 r8");
  G.Grid.ExpandNode(3);
  G.Grid.RemoveChildRow(5);
  EXPECT_EQ(G.Shown(), L"r1 r2 r3 r4 r5 r6 r7 r8");
  EXPECT_EQ(G.Grid.GetNodeSpan(3), 3);
  EXPECT_EQ(G.Grid.GetNodeSpan(1), 7);
  EXPECT_EQ(G.Grid.GetSubNodeCount(1), 0);
  EXPECT_EQ(G.Levels(), L"11222110");
}

TEST(GridNodes, InsertChildRowAtANodeMovesItsTextsIntoTheNewRow) {
  TNodeGrid G(4);
  G.Grid.AddNode(2, 2);
  G.Grid.InsertChildRow(2, 0);
  EXPECT_EQ(G.Shown(), L"r1  r2 r3 r4");
  EXPECT_TRUE(G.Grid.IsNode(2));
  EXPECT_EQ(G.Grid.GetNodeSpan(2), 3);
  EXPECT_EQ(G.Levels(), L"01110");
}

TEST(GridNodes, RowsInsertedOutsideNodesKeepContractedRowsWithTheirNode) {
  TNodeGrid G(5);
  G.Grid.AddNode(2, 3);
  G.Grid.ContractNode(2);
  G.Grid.InsertNormalRow(5);  // before r5, after the hidden r3 and r4
  G.Grid.SetCells(1, 3, L"new");
  G.Grid.ExpandNode(2);
  EXPECT_EQ(G.Shown(), L"r1 r2 r3 r4 new r5");
  G.Grid.RemoveNormalRow(5);
  EXPECT_EQ(G.Shown(), L"r1 r2 r3 r4 r5");
}

TEST(GridNodes, RemoveAllNodesAndClearBringContractedRowsBack) {
  TNodeGrid G(6);
  G.Grid.AddNode(1, 3);
  G.Grid.AddNode(4, 3);
  G.Grid.ContractAll();
  G.Grid.Clear();
  EXPECT_EQ(G.Grid.NumNodes(), 0);
  EXPECT_EQ(G.Grid.NumHiddenRows(), 0);
  EXPECT_EQ(G.Grid.RowCount(), 7);
  EXPECT_EQ(G.Shown(), L"");  // every row empty
  EXPECT_EQ(G.Levels(), L"000000");

  TNodeGrid H(4);
  H.Grid.AddNode(1, 4);
  H.Grid.AddNode(2, 2);
  H.Grid.ContractNode(2);
  H.Grid.RemoveAllNodes();
  EXPECT_EQ(H.Shown(), L"r1 r2 r3 r4");
  EXPECT_EQ(H.Levels(), L"0000");
  EXPECT_FALSE(H.Grid.IsNode(1));
  H.Grid.RemoveNode(1);  // no node any more: the count stays at 0
  EXPECT_EQ(H.Grid.NumNodes(), 0);
}

TEST(GridNodes, NodeSpanTypeFollowsTheNextRowsLevel) {
  TNodeGrid G(6);
  G.Grid.AddNode(1, 5);  // r1 .. r5
  G.Grid.AddNode(2, 2);  // r2 .. r3
  const struct {
    Integer Row, Type;
  } Cases[] = {{1, 0}, {2, 0}, {3, 1}, {4, 2}, {5, 1}, {6, 1}};
  for (const auto& Case : Cases) EXPECT_EQ(G.Grid.GetNodeSpanType(Case.Row), Case.Type) << "row " << Case.Row;
}

TEST(GridNodes, GlyphHitsByNodeTypeAndLevel) {
  TNodeGrid G(4);
  G.Grid.AddNode(1, 4);
  G.Grid.AddNode(2, 2);
  const struct {
    TNodeType Type;
    Integer Row, X;
    bool Hit;
  } Cases[] = {{cnXP, 1, 4, false}, {cnXP, 1, 5, true},  {cnXP, 1, 15, true},  {cnXP, 1, 16, false},
               {cnXP, 2, 16, false}, {cnXP, 2, 17, true}, {cnXP, 2, 27, true},  {cnXP, 2, 28, false},
               {cn3D, 1, 0, false},  {cn3D, 1, 1, true},  {cn3D, 1, 17, true},  {cn3D, 1, 18, false},
               {cnLeaf, 1, 2, false}, {cnLeaf, 1, 3, true}, {cnLeaf, 1, 19, true}, {cnLeaf, 1, 20, false}};
  for (const auto& Case : Cases) {
    G.Grid.CellNode()->SetNodeType(Case.Type);
    EXPECT_EQ(G.Grid.IsNodeGlyphHit(Case.Row, Case.X), Case.Hit) << "type " << Case.Type << " x " << Case.X;
  }
  G.Grid.MouseActions()->SetPreciseNodeClick(false);
  EXPECT_TRUE(G.Grid.IsNodeGlyphHit(1, 100));
}

TEST(GridNodes, ExpandCellsToggleAndGiveTheirTwoHeights) {
  TNodeGrid G(2);
  G.Grid.SetRowHeights(1, 21);
  G.Grid.AddExpand(2, 1, 60);
  EXPECT_TRUE(G.Grid.HasExpand(2, 1));
  EXPECT_FALSE(G.Grid.GetExpandState(2, 1));
  EXPECT_TRUE(G.Grid.ToggleExpand(2, 1));
  EXPECT_FALSE(G.Grid.ToggleExpand(2, 1));
  EXPECT_EQ(G.Grid.GetExpandHeight(2, 1, false), 21);
  EXPECT_EQ(G.Grid.GetExpandHeight(2, 1, true), 60);
  EXPECT_FALSE(G.Grid.ToggleExpand(1, 1));
  EXPECT_EQ(G.Grid.GetExpandHeight(1, 1, true), G.Grid.DefaultRowHeight());
  EXPECT_TRUE(G.Grid.RemoveExpand(2, 1));
  EXPECT_FALSE(G.Grid.HasExpand(2, 1));
}

}  // namespace
