// Column, row and range calculations and the footer row under the
// floating footer.
#include <gtest/gtest.h>

#include "grid/core/RezIvevirAvod.h"
#include "grid/exchange/FooterPanel.h"
#include "platform/rtl/SysUtils.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;

namespace {

// Row 0 fixed; column 1 holds the texts given.
struct TCalcGrid {
  TRezIvevirAvod Grid{nullptr};
  explicit TCalcGrid(std::initializer_list<const wchar_t*> Texts, Integer Extra = 0) {
    Grid.SetColCount(3);
    Grid.SetRowCount(static_cast<Integer>(Texts.size()) + 1 + Extra);
    Grid.SetFixedRows(1);
    Integer r = 1;
    for (const wchar_t* T : Texts) Grid.SetCells(1, r++, T);
  }
};

TEST(GridCalculations, ColumnCalculationsSkipWhatIsNoNumber) {
  TCalcGrid G({L"1", L"2", L"abc", L""});
  EXPECT_DOUBLE_EQ(G.Grid.ColumnSum(1, -1, -1), 3);
  EXPECT_DOUBLE_EQ(G.Grid.ColumnAvg(1, -1, -1), 0.75);
  EXPECT_DOUBLE_EQ(G.Grid.ColumnDistinct(1, -1, -1), 4);
  EXPECT_DOUBLE_EQ(G.Grid.ColumnMin(1, -1, -1), 1);
  EXPECT_DOUBLE_EQ(G.Grid.ColumnMax(1, -1, -1), 2);
  TCalcGrid Negative({L"", L"(3)", L"-1", L"words"});
  EXPECT_DOUBLE_EQ(Negative.Grid.ColumnMin(1, -1, -1), -3);
  EXPECT_DOUBLE_EQ(Negative.Grid.ColumnMax(1, -1, -1), -1);
}

TEST(GridCalculations, StandardDeviationCountsAndRanges) {
  TCalcGrid G({L"2", L"4", L"4", L"4", L"5", L"5", L"7", L"9"});
  EXPECT_DOUBLE_EQ(G.Grid.ColumnStdDev(1, -1, -1), 2);
  EXPECT_EQ(G.Grid.ColumnCount(1, 3, 7), 5);
  EXPECT_EQ(G.Grid.ColumnCount(1, -1, 4), 8);
  G.Grid.SetCells(1, 3, L"1.2.3");
  EXPECT_THROW(G.Grid.ColumnStdDev(1, -1, -1), DAvoDeveDeviz);
}

TEST(GridCalculations, RowsRectanglesAndCellValues) {
  TCalcGrid G({L"1", L"2", L"3"});
  for (Integer r = 1; r <= 3; ++r) G.Grid.SetCells(2, r, IntToStr(r * 10));
  G.Grid.SetCells(0, 2, L"x");
  EXPECT_DOUBLE_EQ(G.Grid.RowSum(2, 0, 2), 22);
  EXPECT_DOUBLE_EQ(G.Grid.RowMin(2, 0, 2), 2);
  EXPECT_DOUBLE_EQ(G.Grid.RowMax(2, 0, 2), 20);
  EXPECT_DOUBLE_EQ(G.Grid.RowAvg(2, 2, 1), 0);
  EXPECT_DOUBLE_EQ(G.Grid.RectSum(TGridRect{2, 3, 1, 1}), 66);
  EXPECT_DOUBLE_EQ(G.Grid.RectSum(TGridRect{1, 1, 2, 3}), 66);
  EXPECT_DOUBLE_EQ(G.Grid.RectMax(TGridRect{1, 1, 2, 3}), 30);
  G.Grid.SetCells(1, 1, L"(12)");
  EXPECT_DOUBLE_EQ(G.Grid.CellToReal(1, 1), -12);
  G.Grid.SetCells(1, 1, L"");
  EXPECT_DOUBLE_EQ(G.Grid.CellToReal(1, 1), 0);
  G.Grid.SetCells(1, 1, L"1.2.3");
  try {
    G.Grid.CellToReal(1, 1);
    ADD_FAILURE();
  } catch (const DAvoDeveDeviz& E) {
    EXPECT_EQ(E.Message(), L"Error at position: 4 in Cell [1, 1].");
  }
}

// The last row is the footer: 1, 2, 3, 4 above it, the footer sums
// column 1.
struct TFooterGrid : TCalcGrid {
  TFooterGrid() : TCalcGrid({L"1", L"2", L"3", L"4"}, 1) {
    Grid.FloatingFooter()->SetHeight(20);
    Grid.FloatingFooter()->SetVisible(true);
    Grid.FloatingFooter()->SetColumnCalc(1, acSUM);
  }
  String Footer() { return Grid.GetCells(1, Grid.RowCount() - 1); }
};

TEST(GridFooter, FixedLastRowSumsAndCountsHiddenRowsWhenAsked) {
  TFooterGrid G;
  EXPECT_EQ(G.Grid.FixedFooters(), 1);
  EXPECT_EQ(G.Footer(), L"10.00");
  G.Grid.HideRow(2);
  G.Grid.CalcFooter(-1);
  EXPECT_EQ(G.Footer(), L"10.00");
  G.Grid.FloatingFooter()->SetCalculateHiddenRows(false);
  G.Grid.CalcFooter(-1);
  EXPECT_EQ(G.Footer(), L"8.00");
  G.Grid.FloatingFooter()->SetVisible(false);
  EXPECT_EQ(G.Grid.FixedFooters(), 0);
}

TEST(GridFooter, FollowsFiltersAndShowsWhatItCannotCompute) {
  TFooterGrid G;
  TFilterData* F = G.Grid.Filter()->Add();
  F->SetColumn(1);
  F->SetCondition(L">2");
  G.Grid.FloatingFooter()->SetCalculateHiddenRows(false);
  G.Grid.SetFilterActive(true);
  EXPECT_EQ(G.Footer(), L"7.00");
  G.Grid.SetFilterActive(false);
  EXPECT_EQ(G.Footer(), L"10.00");
  G.Grid.FloatingFooter()->SetColumnCalc(1, acSTDDEV);
  G.Grid.SetCells(1, 1, L"1.2.3");
  F->SetCondition(L"!2");
  G.Grid.SetFilterActive(true);
  EXPECT_EQ(G.Footer(), L"#ERR");
  EXPECT_EQ(G.Grid.RowCount(), 5);
}

TEST(GridFooter, PreviewStylesAddAnEmptyRowAndTakeOnlyAnEmptyOneBack) {
  TCalcGrid G({L"1", L"2"});
  G.Grid.FloatingFooter()->SetFooterStyle(fsColumnPreview);
  G.Grid.FloatingFooter()->SetVisible(true);
  EXPECT_EQ(G.Grid.RowCount(), 4);
  G.Grid.FloatingFooter()->SetFooterStyle(fsFixedLastRow);
  EXPECT_EQ(G.Grid.RowCount(), 3);
  G.Grid.FloatingFooter()->SetFooterStyle(fsCustomPreview);
  G.Grid.SetCells(1, 3, L"typed");
  G.Grid.FloatingFooter()->SetVisible(false);
  EXPECT_EQ(G.Grid.RowCount(), 4);
  EXPECT_EQ(G.Grid.GetCells(1, 3), L"typed");
}

TEST(GridFooter, TemplatesTakeTheCurrentRowsTexts) {
  TCalcGrid G({L"apples", L"pears"});
  G.Grid.SetCells(2, 1, L"42");
  EXPECT_EQ(ExpandFooterTemplate(&G.Grid, L"Total: <#2>", 1), L"Total: 42");
  EXPECT_EQ(ExpandFooterTemplate(&G.Grid, L"<#x>|<#1>", 2), L"|pears");
  EXPECT_EQ(ExpandFooterTemplate(&G.Grid, L"open <#1", 1), L"open <#1");
}

}  // namespace

namespace {

TEST(GridFooter, AClickOnTheFooterReportsTheColumnUnderIt) {
  test::TTestForm Form(420, 240);
  auto* Grid = new TRezIvevirAvod(Form.Get());
  Grid->SetParent(Form.Get());
  Grid->SetBounds(0, 0, 400, 220);
  Grid->SetColCount(4);
  Grid->SetRowCount(6);
  Grid->SetFixedRows(1);
  Grid->SetFixedCols(1);
  for (Integer r = 1; r < 5; ++r) Grid->SetCells(2, r, IntToStr(r));
  Grid->FloatingFooter()->SetHeight(Grid->DefaultRowHeight());
  Grid->FloatingFooter()->SetColor(TColor(0x00D0F0));
  Grid->FloatingFooter()->SetVisible(true);
  Grid->FloatingFooter()->SetColumnCalc(2, acSUM);
  test::Pump();
  TFooterPanel* Panel = Grid->FooterPanel();
  ASSERT_TRUE(Panel->Visible());
  EXPECT_EQ(Panel->Top() + Panel->Height(), Grid->ClientHeight());
  EXPECT_EQ(Grid->GetCells(2, 5), L"10.00");
  Integer ClickedRow = -1, ClickedCol = -1;
  Grid->OnClickCell = [&](TObject*, Integer ARow, Integer ACol) { ClickedRow = ARow, ClickedCol = ACol; };
  const Integer X = Grid->GetColWidths(0) + Grid->GetColWidths(1) + 5;
  test::Click(Panel, X, Panel->Height() / 2);
  test::Pump();
  EXPECT_EQ(ClickedRow, 5);
  EXPECT_EQ(ClickedCol, 2);
  // A look at it: JORV_SNAPSHOTS names a folder for the picture.
  if (const wchar_t* Dir = _wgetenv(L"JORV_SNAPSHOTS")) {
    test::TRendered Whole(Form.Get());
    Whole.Bitmap().SaveToFile(String(Dir) + L"\\footer.bmp");
  }
}

}  // namespace
