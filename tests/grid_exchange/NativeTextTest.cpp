// The grid's own line format, as a file and as a stream: the exact bytes
// written, what reading them back does to another grid, and files or
// streams that are damaged or belong to something else.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/SysUtils.h"
#include "platform/ui/CustomGrid.h"
#include "tests/grid_exchange/TextFileSupport.h"
#include "tests/support/TempDir.h"

using namespace jorv;
using namespace jorv::grid;
using jorv::test::ReadBytes;
using jorv::test::WriteBytes;

namespace {

// 5 x 5, one fixed row and column, columns 40 wide but column 2 (55), and
// three texts: a plain one, one over two lines, one with commas.
struct TFiveGrid {
  TRezIvevirAvod Grid{nullptr};
  explicit TFiveGrid(bool SaveFixed = false) {
    Grid.SetColCount(5);
    Grid.SetRowCount(5);
    Grid.SetDefaultColWidth(40);
    Grid.SetColWidths(2, 55);
    Grid.SetSaveFixedCells(SaveFixed);
    Grid.SetCells(1, 1, L"a");
    Grid.SetCells(2, 1, L"x\r\ny");
    Grid.SetCells(3, 2, L"b,c");
  }
};

std::string StreamText(TMemoryStream& Stream) {
  std::string Narrow;
  const auto* Units = static_cast<const uint16_t*>(Stream.Memory());
  for (Int64 i = 0; i < Stream.Size() / 2; ++i) Narrow += char(Units[i]);
  return Narrow;
}

void FillUnits(TMemoryStream& Stream, const std::wstring& Text) {
  for (wchar_t Unit : Text) Stream.WriteBuffer(&Unit, 2);
  Stream.SetPosition(0);
}

}  // namespace

TEST(GridNativeText, FileAndStreamNameCellsByGridAndBySaveRange) {
  jorv::test::TTempDir Dir;
  TFiveGrid Five;
  Five.Grid.SaveToFile(Dir.Path(L"grid.txt"));
  EXPECT_EQ(ReadBytes(Dir.Path(L"grid.txt")),
            "4,4\r\ncw 1,40\r\ncw 2,55\r\ncw 3,40\r\ncw 4,40\r\n"
            "1,1,a\r\n2,1,x\t\by\r\n3,2,b,c\r\n");

  TMemoryStream Stream;
  Five.Grid.SaveToStream(&Stream);
  EXPECT_EQ(StreamText(Stream),
            "4,4\r\ncw 0,40\r\ncw 1,40\r\ncw 2,55\r\ncw 3,40\r\ncw 4,40\r\n"
            "0,0,a\r\n1,0,x\t\by\r\n2,1,b,c\r\n");
}

TEST(GridNativeText, UnicodeFileHasItsMarkAndUtf16Units) {
  jorv::test::TTempDir Dir;
  TRezIvevirAvod Grid(nullptr);
  Grid.SetColCount(1);
  Grid.SetRowCount(1);
  Grid.SetColWidths(0, 9);
  Grid.SetCells(0, 0, L"\x20AC");
  Grid.SaveToFile(Dir.Path(L"u.txt"), true);
  static const char Expected[] = "\xFF\xFE" "1\0,\0" "1\0\r\0\n\0" "c\0w\0 \0" "0\0,\0" "9\0\r\0\n\0"
                                 "0\0,\0" "0\0,\0" "\xAC\x20\r\0\n\0";
  EXPECT_EQ(ReadBytes(Dir.Path(L"u.txt")), std::string(Expected, sizeof(Expected) - 1));
  TRezIvevirAvod Back(nullptr);
  Back.LoadFromFile(Dir.Path(L"u.txt"));
  EXPECT_EQ(Back.GetCells(0, 0), L"\x20AC");
}

TEST(GridNativeText, FileReadsIntoTheSaveRangeAndKeepsOtherCells) {
  jorv::test::TTempDir Dir;
  TFiveGrid Five;
  Five.Grid.SetCells(4, 4, L"last");
  Five.Grid.SetCells(2, 2, L"p\nq");  // a lone LF keeps its line too
  Five.Grid.SaveToFile(Dir.Path(L"grid.txt"));

  for (bool Multi : {true, false}) {
    TRezIvevirAvod Back(nullptr);
    Back.SetColCount(2);
    Back.SetRowCount(2);
    Back.SetFixedCols(1);
    Back.SetFixedRows(1);
    Back.SetSaveFixedCells(false);
    Back.SetMultilinecells(Multi);
    Back.SetCells(0, 0, L"kept");
    Back.LoadFromFile(Dir.Path(L"grid.txt"));
    EXPECT_EQ(Back.ColCount(), 5);
    EXPECT_EQ(Back.RowCount(), 5);
    EXPECT_EQ(Back.GetColWidths(2), 55);
    EXPECT_EQ(Back.GetCells(0, 0), L"kept");
    EXPECT_EQ(Back.GetCells(1, 1), L"a");
    EXPECT_EQ(Back.GetCells(2, 1), Multi ? L"x\r\ny" : L"x");
    EXPECT_EQ(Back.GetCells(2, 2), L"p\nq");
    EXPECT_EQ(Back.GetCells(3, 2), L"b,c");
    EXPECT_EQ(Back.GetCells(4, 4), L"last");
  }
}

TEST(GridNativeText, FileHeaderCountsFromTheFixedCellsNotSaved) {
  jorv::test::TTempDir Dir;
  WriteBytes(Dir.Path(L"small.txt"), "3,2\r\n");
  TRezIvevirAvod Grid(nullptr);
  Grid.SetSaveFixedCells(false);
  Grid.LoadFromFile(Dir.Path(L"small.txt"));
  EXPECT_EQ(Grid.ColCount(), 4);
  EXPECT_EQ(Grid.RowCount(), 3);
}

// Numbers of the file are read by their leading digits; cells outside the
// grid, negative ones included, are passed over.
TEST(GridNativeText, FileNumbersAreLenientAndStrayCellsSkipped) {
  jorv::test::TTempDir Dir;
  WriteBytes(Dir.Path(L"odd.txt"),
             "3x,2\r\ncw 1z,33\r\ncw 9,70\r\n2y,1q,lenient\r\n-1,0,neg\r\n0,-1,neg\r\n7,0,far\r\n"
             "1,0\r\n\r\nstray\r\n");
  TRezIvevirAvod Grid(nullptr);
  Grid.SetCells(0, 0, L"0:0");
  Grid.LoadFromFile(Dir.Path(L"odd.txt"));
  EXPECT_EQ(Grid.ColCount(), 3);
  EXPECT_EQ(Grid.GetColWidths(1), 33);
  EXPECT_EQ(Grid.GetCells(2, 1), L"lenient");
  EXPECT_EQ(Grid.GetCells(2, 0), L"");
  // Without a second comma the row counts as 0 and the rest is the text;
  // a line without any comma names no cell.
  EXPECT_EQ(Grid.GetCells(1, 0), L"0");
  EXPECT_EQ(Grid.GetCells(0, 0), L"0:0");
}

TEST(GridNativeText, FileThatIsNoGridFileLeavesTheGridAlone) {
  jorv::test::TTempDir Dir;
  WriteBytes(Dir.Path(L"empty.txt"), "");
  WriteBytes(Dir.Path(L"prose.txt"), "Dear reader\r\n1,1,x\r\n");
  TFiveGrid Five;
  for (const wchar_t* Name : {L"empty.txt", L"prose.txt"}) {
    try {
      Five.Grid.LoadFromFile(Dir.Path(Name));
      ADD_FAILURE() << "no error for " << std::string(Name, Name + wcslen(Name));
    } catch (const DAvoDeveDeviz& E) {
      EXPECT_EQ(E.Message(), L"File contains no data or corrupt file " + Dir.Path(Name));
    }
  }
  EXPECT_THROW(Five.Grid.LoadFromFile(Dir.Path(L"missing.txt")), EFOpenError);
  EXPECT_EQ(Five.Grid.ColCount(), 5);
  EXPECT_EQ(Five.Grid.GetCells(1, 1), L"a");
}

TEST(GridNativeText, StreamLandsInTheTargetsSaveRangeAndStopsBeforeOtherData) {
  TFiveGrid Five(true);
  TMemoryStream Stream;
  Five.Grid.SaveToStream(&Stream);
  const Int64 CellsEnd = Stream.Size();
  const std::wstring After = L"trailer\r\n";
  Stream.SetPosition(CellsEnd);
  for (wchar_t Unit : After) Stream.WriteBuffer(&Unit, 2);
  Stream.SetPosition(0);

  TRezIvevirAvod Target(nullptr);
  Target.SetColCount(3);
  Target.SetRowCount(3);
  Target.SetFixedCols(1);
  Target.SetFixedRows(1);
  Target.SetSaveFixedCells(false);
  Target.LoadFromStream(&Stream);
  EXPECT_EQ(Stream.Position(), CellsEnd);
  EXPECT_EQ(Target.ColCount(), 6);
  EXPECT_EQ(Target.RowCount(), 6);
  // Everything moved one column and one row on.
  EXPECT_EQ(Target.GetCells(2, 2), L"a");
  EXPECT_EQ(Target.GetCells(3, 2), L"x\r\ny");
  EXPECT_EQ(Target.GetCells(4, 3), L"b,c");
  EXPECT_EQ(Target.GetColWidths(2), 55);
}

TEST(GridNativeText, StreamIsStrictAboutItsNumbers) {
  struct TCase {
    const wchar_t* Text;
    bool Convert;  // EConvertError, else the grid's index error
  } Cases[] = {
      {L"x,2\r\n", true},
      {L"2,2\r\ncw 0,wide\r\n", true},
      {L"2,2\r\n1,y,text\r\n", true},
      {L"2,2\r\ncw 5,40\r\n", false},
      {L"2,2\r\n9,0,far\r\n", false},
      {L"2,2\r\n-1,0,neg\r\n", false},
  };
  for (const TCase& Case : Cases) {
    TRezIvevirAvod Grid(nullptr);
    TMemoryStream Stream;
    FillUnits(Stream, Case.Text);
    if (Case.Convert) EXPECT_THROW(Grid.LoadFromStream(&Stream), EConvertError);
    else EXPECT_THROW(Grid.LoadFromStream(&Stream), EInvalidGridOperation);
  }
}

TEST(GridNativeText, EmptyCellsWriteOnlyCountsAndWidths) {
  TRezIvevirAvod Source(nullptr);
  Source.SetColCount(2);
  Source.SetRowCount(3);
  Source.SetColWidths(1, 21);
  TMemoryStream Stream;
  Source.SaveToStream(&Stream);
  EXPECT_EQ(StreamText(Stream), "2,3\r\ncw 0,64\r\ncw 1,21\r\n");
}

TEST(GridNativeText, AssignCopiesEveryCellThroughTheStream) {
  TFiveGrid Five(true);
  Five.Grid.SetCells(0, 4, L"corner");
  TRezIvevirAvod Copy(nullptr);
  Copy.AssignCells(&Five.Grid);
  EXPECT_EQ(Copy.RowCount(), 5);
  EXPECT_EQ(Copy.GetCells(2, 1), L"x\r\ny");
  EXPECT_EQ(Copy.GetCells(3, 2), L"b,c");
  EXPECT_EQ(Copy.GetCells(0, 4), L"corner");
}

TEST(GridNativeText, FileProgressCountsByTheGridsOwnRow) {
  struct TCase {
    Integer Rows;
    bool SaveFixed;
    std::vector<Integer> Sent;
  } Cases[] = {
      {5, true, {0, 25, 50, 75, 100}},
      {1, true, {0}},
      {10, false, {12, 25, 38, 50, 62, 75, 88, 100, 112}},
  };
  jorv::test::TTempDir Dir;
  for (const TCase& Case : Cases) {
    TRezIvevirAvod Grid(nullptr);
    Grid.SetColCount(2);
    Grid.SetRowCount(Case.Rows);
    if (!Case.SaveFixed) Grid.SetFixedRows(1);
    Grid.SetSaveFixedCells(Case.SaveFixed);
    std::vector<Integer> Sent;
    Grid.OnFileProgress = [&](TObject*, SmallInt Value) { Sent.push_back(Value); };
    Grid.SaveToFile(Dir.Path(L"p.txt"));
    EXPECT_EQ(Sent, Case.Sent) << Case.Rows;
  }
}
