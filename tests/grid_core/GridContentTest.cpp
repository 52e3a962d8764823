// Cell content utilities: highlighting and marking search text, test
// fills, and the dispatch of the grid's events for selection and editing.
#include <gtest/gtest.h>

#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/SysUtils.h"

using namespace jorv;
using namespace jorv::grid;

TEST(GridContent, HighlightWrapsMatchesAndRemovingDecodes) {
  TRezIvevirAvod G(nullptr);
  G.SetCells(1, 1, L"a Word c");
  G.HilightInCell(false, 1, 1, L"word", false);
  EXPECT_EQ(G.GetCells(1, 1), L"a <HI>Word</HI> c");
  G.HilightInCell(true, 2, 1, L"word", false);
  G.UnHilightInCell(1, 1);
  EXPECT_EQ(G.GetCells(1, 1), L"a Word c");
  // A cell without highlights is still rewritten, decoded.
  G.SetCells(2, 1, L"x &amp; y");
  G.UnHilightInCell(2, 1);
  EXPECT_EQ(G.GetCells(2, 1), L"x & y");
}

TEST(GridContent, MarksCoverTheNormalCellsOnly) {
  TRezIvevirAvod G(nullptr);
  G.TextFill(true, L"word");
  G.MarkInGrid(false, false, L"word");
  EXPECT_EQ(G.GetCells(0, 0), L"word");
  EXPECT_EQ(G.GetCells(1, 1), L"<E>word</E>");
  EXPECT_EQ(G.GetCells(4, 9), L"<E>word</E>");
  G.UnMarkInGrid(true);
  EXPECT_EQ(G.GetCells(4, 9), L"word");
}

TEST(GridContent, FillsCoverTheirRange) {
  TRezIvevirAvod G(nullptr);
  G.RandomFill(false, 10);
  EXPECT_EQ(G.GetCells(0, 0), L"");
  for (Integer r = 1; r < 10; ++r)
    for (Integer c = 1; c < 5; ++c) {
      Integer V = G.GetInts(c, r);
      EXPECT_TRUE(V >= 0 && V < 10) << V;
    }
  G.RandomFill(true, 10);
  EXPECT_NE(G.GetCells(0, 0), L"");
  G.FormatFill(false, L"%d/%d");
  EXPECT_EQ(G.GetCells(3, 2), L"3/2");
  G.LinearFill(true);
  EXPECT_EQ(G.GetCells(0, 4), L"0:4");
}

TEST(GridContent, FixedEditHandlerChoosesTheEditor) {
  TRezIvevirAvod G(nullptr);
  G.OnFixedEdit = [](TObject*, Integer, Integer, TGridFixedCellEditor& Editor, TStrings*) {
    Editor = fceComboList;
  };
  TGridFixedCellEditor Editor = fceEdit;
  G.DoFixedEdit(1, 0, Editor, nullptr);
  EXPECT_EQ(Editor, fceComboList);
}

TEST(GridContent, SelectionChangeIsMarkedAndRaised) {
  TRezIvevirAvod G(nullptr);
  Integer Got[4] = {};
  G.OnSelectionChanged = [&](TObject*, Integer L, Integer T, Integer R, Integer B) {
    Got[0] = L, Got[1] = T, Got[2] = R, Got[3] = B;
  };
  G.DoSelectionChanged(1, 2, 3, 4);
  EXPECT_TRUE(G.SelectionChanged());
  EXPECT_EQ(Got[3], 4);
}

TEST(GridContent, ColumnHeadersShowWithLineBreaks) {
  TRezIvevirAvod G(nullptr);
  G.ColumnHeaders()->Add(L"");
  G.ColumnHeaders()->Add(L"two\\nlines");
  EXPECT_EQ(G.GetCells(1, 0), L"two\rlines");
  TStringList Rows;
  for (Integer i = 0; i < 12; ++i) Rows.Add(L"r" + IntToStr(i));
  G.SetCells(0, 5, L"kept");
  G.SetRowHeaders(&Rows);
  EXPECT_EQ(G.GetCells(0, 9), L"r9");
}
