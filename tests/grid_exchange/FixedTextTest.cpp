// The ASCII table and fixed-width text through real files: column widths
// from the longest line, alignment, multi-line cells, and fixed-width
// columns cut, padded and read back by position.
#include <gtest/gtest.h>

#include <string>

#include "grid/base/IntList.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"
#include "tests/grid_exchange/TextFileSupport.h"
#include "tests/support/TempDir.h"

using namespace jorv;
using namespace jorv::grid;
using jorv::test::ReadBytes;
using jorv::test::WriteBytes;

namespace {

// Cols x Rows without fixed cells.
struct TPlainGrid {
  TRezIvevirAvod Grid{nullptr};
  TPlainGrid(Integer Cols, Integer Rows) {
    Grid.SetColCount(Cols);
    Grid.SetRowCount(Rows);
    Grid.SetFixedCols(0);
    Grid.SetFixedRows(0);
  }
};

}  // namespace

TEST(GridASCIIText, ColumnsTakeTheirLongestLineAndTheCellsAlignment) {
  jorv::test::TTempDir Dir;
  TPlainGrid P(2, 3);
  P.Grid.SetCells(0, 0, L"abc");
  P.Grid.SetCells(1, 0, L"hello");
  P.Grid.SetCells(0, 1, L"x");
  P.Grid.SetCells(1, 1, L"r");
  P.Grid.GetCellProperties(1, 1)->SetAlignment(taRightJustify);
  P.Grid.SetCells(1, 2, L"mid");
  P.Grid.GetCellProperties(1, 2)->SetAlignment(taCenter);
  P.Grid.SaveToASCII(Dir.Path(L"t.txt"));
  EXPECT_EQ(ReadBytes(Dir.Path(L"t.txt")),
            "abc hello \r\n"
            "x        r\r\n"
            "      mid \r\n");
}

TEST(GridASCIIText, FurtherLinesOfMultiLineCellsFollowTheirRow) {
  jorv::test::TTempDir Dir;
  TPlainGrid P(3, 1);
  P.Grid.SetMultilinecells(true);
  P.Grid.SetCells(0, 0, L"a");
  P.Grid.SetCells(1, 0, L"bb\r\nb2\r\nb3");
  P.Grid.SetCells(2, 0, L"c\r\ncccc");
  P.Grid.SaveToASCII(Dir.Path(L"m.txt"));
  EXPECT_EQ(ReadBytes(Dir.Path(L"m.txt")),
            "a bb c    \r\n"
            "  b2 cccc \r\n"
            "  b3 \r\n");
}

// A line longer than 255 characters keeps its whole width, so the
// columns after it stay in line.
TEST(GridASCIIText, LongTextsKeepTheColumnsInLine) {
  jorv::test::TTempDir Dir;
  TPlainGrid P(2, 2);
  const String Long(300, L'w');
  P.Grid.SetCells(0, 0, Long);
  P.Grid.SetCells(1, 0, L"1");
  P.Grid.SetCells(1, 1, L"2");
  P.Grid.SaveToASCII(Dir.Path(L"l.txt"));
  std::string Expected(300, 'w');
  Expected += " 1 \r\n";
  Expected.append(301, ' ');
  Expected += "2 \r\n";
  EXPECT_EQ(ReadBytes(Dir.Path(L"l.txt")), Expected);
}

TEST(GridASCIIText, AppendKeepsTheLinesAlreadyThere) {
  jorv::test::TTempDir Dir;
  WriteBytes(Dir.Path(L"a.txt"), "before\r\n");
  TPlainGrid P(1, 1);
  P.Grid.SetCells(0, 0, L"z");
  P.Grid.AppendToASCII(Dir.Path(L"a.txt"));
  EXPECT_EQ(ReadBytes(Dir.Path(L"a.txt")), "before\r\nz \r\n");
}

TEST(GridFixedText, MissingWidthsAreAddedAndTextsCutOrPadded) {
  jorv::test::TTempDir Dir;
  TPlainGrid P(3, 2);
  P.Grid.SetCells(0, 0, L"abcdef");
  P.Grid.SetCells(1, 0, L"xy");
  P.Grid.SetCells(2, 0, L"two\r\nlines");
  P.Grid.SetCells(1, 1, L"z");
  TIntList Positions;
  Positions.Add(4);
  P.Grid.SaveToFixed(Dir.Path(L"f.txt"), &Positions);
  ASSERT_EQ(Positions.Count(), 3);
  EXPECT_EQ(Positions.Items(1), 3);
  EXPECT_EQ(Positions.Items(2), 4);
  // A text over lines stays on its row's line.
  EXPECT_EQ(ReadBytes(Dir.Path(L"f.txt")), "abcdxy two \r\n    z      \r\n");
}

TEST(GridFixedText, ColumnsAreReadBetweenSortedPositions) {
  jorv::test::TTempDir Dir;
  WriteBytes(Dir.Path(L"r.txt"), "abcdefgh\r\n 12  34 \r\nlast\r\n");
  TRezIvevirAvod Grid(nullptr);
  Grid.SetRowCount(2);
  TIntList Positions;
  for (Integer P : {9, 1, 5}) Positions.Add(P);
  Grid.LoadFromFixed(Dir.Path(L"r.txt"), &Positions, true);
  EXPECT_EQ(Positions.StrValue(), L"1,5,9");
  EXPECT_EQ(Grid.ColCount(), Grid.FixedCols() + 2);
  EXPECT_EQ(Grid.RowCount(), 3);
  EXPECT_EQ(Grid.GetCells(0, 0), L"abcd");
  EXPECT_EQ(Grid.GetCells(1, 0), L"efgh");
  EXPECT_EQ(Grid.GetCells(0, 1), L"12");
  EXPECT_EQ(Grid.GetCells(1, 1), L"34");
  EXPECT_EQ(Grid.GetCells(0, 2), L"last");
  EXPECT_EQ(Grid.GetCells(1, 2), L"");

  TRezIvevirAvod Untrimmed(nullptr);
  Untrimmed.SetRowCount(2);
  Untrimmed.LoadFromFixed(Dir.Path(L"r.txt"), &Positions, false, 0);
  EXPECT_EQ(Untrimmed.RowCount(), 2);
  EXPECT_EQ(Untrimmed.GetCells(0, 0), L"abcd");
  EXPECT_EQ(Untrimmed.GetCells(0, 1), L"");
}

TEST(GridFixedText, FilesThatCannotBeOpenedOrMadeAreNamed) {
  jorv::test::TTempDir Dir;
  TPlainGrid P(2, 2);
  TIntList Positions;
  const String NoFolder = Dir.Path(L"none\\f.txt");
  try {
    P.Grid.SaveToFixed(NoFolder, &Positions);
    ADD_FAILURE() << "no error";
  } catch (const DAvoDeveDeviz& E) {
    EXPECT_EQ(E.Message(), L"Cannot Create file " + NoFolder);
  }
  Positions.Add(1);
  Positions.Add(3);
  try {
    P.Grid.LoadFromFixed(NoFolder, &Positions);
    ADD_FAILURE() << "no error";
  } catch (const DAvoDeveDeviz& E) {
    EXPECT_EQ(E.Message(), L"File " + NoFolder + L" not found");
  }
  EXPECT_EQ(P.Grid.ColCount(), 2);
}
