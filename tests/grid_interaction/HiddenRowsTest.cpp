// Hiding and showing rows and columns of the extended grid in every order,
// checked cell by cell: every stored cell keeps its text, its object and
// its properties wherever it is displayed, hidden columns' cells included.
#include <gtest/gtest.h>

#include <set>
#include "grid/core/RezIvevirAvod.h"
#include "grid/interaction/HiddenRowStore.h"
#include "platform/rtl/SysUtils.h"
#include "tests/grid_interaction/FilledGrid.h"

using namespace jorv;
using namespace jorv::grid;

namespace {

constexpr Integer Cols = jorv::test::TFilledGrid::Cols;
constexpr Integer Rows = jorv::test::TFilledGrid::Rows;
constexpr auto* Text = &jorv::test::TFilledGrid::Text;

struct TCheckedGrid : jorv::test::TFilledGrid {
  // Every stored row is where the mapping says, with all it held.
  void Check(const std::set<Integer>& HiddenRows) {
    Integer Displayed = 0;
    for (Integer Real = 0; Real < Rows; ++Real) {
      SCOPED_TRACE(testing::Message() << "stored row " << Real);
      EXPECT_EQ(Grid.IsHiddenRow(Real), HiddenRows.count(Real) == 1);
      EXPECT_EQ(Grid.DisplRowIndex(Real), Displayed);
      for (Integer c = 0; c < Cols; ++c) EXPECT_EQ(Grid.GetAllGridCells(c, Real), Text(c, Real));
      EXPECT_EQ(Grid.GetAllObjects(4, Real), Objects[Real].get());
      if (HiddenRows.count(Real)) continue;
      EXPECT_EQ(Grid.RealRowIndex(Displayed), Real);
      EXPECT_EQ(Grid.GetFontColors(5, Displayed), TColor(0x10000 + Real));
      EXPECT_EQ(Grid.GetRowHeights(Displayed), 20 + Real);
      ++Displayed;
    }
    EXPECT_EQ(Grid.RowCount(), Displayed);
    EXPECT_EQ(Grid.NumHiddenRows(), static_cast<Integer>(HiddenRows.size()));
  }
};

TIntList* ListOf(TIntList& L, std::initializer_list<Integer> Values) {
  L.Clear();
  for (Integer V : Values) L.Add(V);
  return &L;
}

}  // namespace

TEST(HiddenRowStore, MapsBothWaysByItsStoredIndexes) {
  THiddenRowStore Store;
  std::vector<TGridItem> Items;
  for (Integer Idx : {5, 2}) Items.emplace_back(Idx, 20, 0);
  Store.Add(std::move(Items));
  struct {
    Integer Displayed, Real;
  } Cases[] = {{-1, -1}, {0, 0}, {1, 1}, {2, 3}, {3, 4}, {4, 6}, {9, 11}};
  for (auto C : Cases) {
    SCOPED_TRACE(C.Displayed);
    EXPECT_EQ(Store.DisplToReal(C.Displayed), C.Real);
    if (C.Displayed >= 0) {
      EXPECT_EQ(Store.RealToDispl(C.Real), C.Displayed);
    }
  }
  // A hidden row maps to where it would stand.
  EXPECT_EQ(Store.RealToDispl(5), 4);
  EXPECT_EQ(Store.RealToDispl(2), 2);
  EXPECT_EQ(Store.CountIn(2, 5), 2);
  EXPECT_EQ(Store.CountIn(3, 4), 0);
  // Rows closing before and around the hidden ones: displayed rows 1 .. 2
  // (stored 1 and 3) go, so 2 stands where 1 stood and 5 follows 4.
  Store.RowsClosed(1, 2);
  EXPECT_EQ(Store.Indexes(), (std::vector<Integer>{1, 3}));
  // Two rows open at displayed row 1: the item standing there (stored 1,
  // hidden before displayed row 1) stays, the other follows.
  Store.RowsOpened(1, 2);
  EXPECT_EQ(Store.Indexes(), (std::vector<Integer>{1, 5}));
  EXPECT_EQ(Store.Find(5)->Height(), 20);
  EXPECT_FALSE(Store.IsHidden(3));
}

// Each step hides or shows, and the whole grid is checked after it.
TEST(GridHiddenRows, HideAndShowInEveryOrder) {
  using TStep = std::function<void(TRezIvevirAvod&)>;
  TIntList L;
  struct TCase {
    const char* Name;
    std::vector<std::pair<TStep, std::set<Integer>>> Steps;
  } Cases[] = {
      {"single rows, shown in another order",
       {{[](auto& G) { G.HideRow(3); }, {3}},
        {[](auto& G) { G.HideRow(7); }, {3, 7}},
        {[](auto& G) { G.HideRow(0); }, {0, 3, 7}},
        {[](auto& G) { G.UnHideRow(7); }, {0, 3}},
        {[](auto& G) { G.UnHideRow(0); }, {3}},
        {[](auto& G) { G.UnHideRow(3); }, {}}}},
      {"ranges over hidden rows",
       {{[](auto& G) { G.HideRow(4); }, {4}},
        {[](auto& G) { G.HideRows(3, 6); }, {3, 4, 5, 6}},
        {[](auto& G) { G.HideRows(3, 6); }, {3, 4, 5, 6}},
        {[](auto& G) { G.HideRows(10, 11); }, {3, 4, 5, 6, 10, 11}},
        // From a shown row nothing is shown, though 10 and 11 are hidden.
        {[](auto& G) { G.UnHideRows(7, 11); }, {3, 4, 5, 6, 10, 11}},
        {[](auto& G) { G.UnHideRows(3, 5); }, {6, 10, 11}},
        {[](auto& G) { G.UnHideRowsAll(); }, {}}}},
      {"nested list levels over a range",
       {{[](auto& G) { G.HideRows(2, 3); }, {2, 3}},
        {[&](auto& G) { G.HideRowList(ListOf(L, {1, 4, 5})); }, {1, 2, 3, 6, 7}},
        {[&](auto& G) { G.HideRowList(ListOf(L, {0, 2})); }, {0, 1, 2, 3, 5, 6, 7}},
        {[](auto& G) {
           G.UnHideRowList();
           G.SetFilterLevel(G.FilterLevel() - 1);
         },
         {1, 2, 3, 6, 7}},
        {[](auto& G) {
           G.UnHideRowList();
           G.SetFilterLevel(G.FilterLevel() - 1);
         },
         // Level 0 holds the range-hidden rows too.
         {}}}},
      {"the first level brings back range-hidden rows",
       {{[&](auto& G) { G.HideRowList(ListOf(L, {9, 10})); }, {9, 10}},
        {[](auto& G) { G.HideRowsEx(4, 5); }, {4, 5, 9, 10}},
        {[](auto& G) { G.UnHideRowList(); }, {}}}},
      {"a range showing rows hidden by a list",
       {{[&](auto& G) { G.HideRowList(ListOf(L, {3, 4, 8})); }, {3, 4, 8}},
        {[](auto& G) { G.UnHideRows(3, 4); }, {8}},
        {[](auto& G) { G.HideRowsEx(7, 9); }, {7, 8, 9}},
        {[](auto& G) { G.UnHideRowsAll(); }, {}}}},
  };
  for (auto& C : Cases) {
    SCOPED_TRACE(C.Name);
    TCheckedGrid F;
    Integer StepNo = 0;
    for (auto& [Step, Hidden] : C.Steps) {
      SCOPED_TRACE(testing::Message() << "after step " << ++StepNo);
      Step(F.Grid);
      F.Check(Hidden);
    }
  }
}

TEST(GridHiddenRows, RowsMoveWithTheCellsOfHiddenColumns) {
  TCheckedGrid F;
  TRezIvevirAvod& G = F.Grid;
  G.HideColumns(1, 2);
  G.HideColumn(4);
  EXPECT_EQ(G.ColCount(), 3);
  G.HideRows(2, 4);
  TIntList L;
  G.HideRowList(ListOf(L, {0, 5}));
  G.UnHideColumn(2);
  F.Check({0, 2, 3, 4, 8});
  G.UnHideRowList();
  G.UnHideRowsAll();
  G.UnHideColumnsAll();
  F.Check({});
  EXPECT_EQ(G.ColCount(), Cols);
  EXPECT_EQ(G.GetCells(4, 9), L"4:9");
}

TEST(GridHiddenRows, ListsAndBadIndexesAreTakenSafely) {
  TCheckedGrid F;
  TIntList L;
  // Out of range and repeated entries are passed over.
  F.Grid.HideRowList(ListOf(L, {-1, 6, 6, 2, 40}));
  F.Check({2, 6});
  EXPECT_EQ(F.Grid.FilterLevel(), 1);
  F.Grid.HideRows(50, 60);
  F.Grid.UnHideRows(-3, -1);
  F.Check({2, 6});
  F.Grid.UnHideRowList();
  F.Grid.SetFilterLevel(0);
  // No level left: nothing happens.
  F.Grid.UnHideRowList();
  F.Check({});
}
