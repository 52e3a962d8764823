// Delimited text written and read through real files: quoting, multi-line
// fields, the single-line mode, delimiter detection, appending and
// inserting, and files written by another program's CSV writer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/Encoding.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/SysUtils.h"
#include "tests/grid_exchange/TextFileSupport.h"
#include "tests/support/TempDir.h"

using namespace jorv;
using namespace jorv::grid;
using jorv::test::ReadBytes;
using jorv::test::WriteBytes;

namespace {

// A grid without fixed cells holding one row of the given texts.
struct TRowGrid {
  TRezIvevirAvod Grid{nullptr};
  explicit TRowGrid(const std::vector<String>& Texts) {
    Grid.SetColCount(Integer(Texts.size()));
    Grid.SetRowCount(1);
    Grid.SetFixedCols(0);
    Grid.SetFixedRows(0);
    for (size_t c = 0; c < Texts.size(); ++c) Grid.SetCells(Integer(c), 0, Texts[c]);
  }
};

// A grid without fixed cells, filled from the file.
struct TReadGrid {
  TRezIvevirAvod Grid{nullptr};
  TReadGrid() {
    Grid.SetColCount(1);
    Grid.SetRowCount(1);
    Grid.SetFixedCols(0);
    Grid.SetFixedRows(0);
  }
  // Row r's cells joined by "|".
  String Row(Integer r) {
    String S;
    for (Integer c = 0; c < Grid.ColCount(); ++c) S += (c ? L"|" : L"") + Grid.GetCells(c, r);
    return S;
  }
};

}  // namespace

TEST(GridDelimitedText, FieldsAreQuotedWhereTheTextNeedsIt) {
  struct TCase {
    const char* Name;
    void (*Set)(TRezIvevirAvod&);
    std::vector<String> Texts;
    std::string Line;
  } Cases[] = {
      {"defaults", nullptr, {L"a", L"", L"b,c"}, "a,\"\",\"b,c\""},
      {"quote", nullptr, {L"say \"hi\"", L"a,\"b"}, "\"say \"\"hi\"\"\",\"a,\"\"b\""},
      {"breaks", nullptr, {L"x\r\ny"}, "\"x\vy\""},
      {"no empty quotes", [](TRezIvevirAvod& G) { G.SetQuoteEmptyCells(false); }, {L"", L"a"}, ",a"},
      {"always", [](TRezIvevirAvod& G) { G.SetAlwaysQuotes(true); }, {L"a", L"x\r\ny"}, "\"a\",\"x\ny\""},
      {"java", [](TRezIvevirAvod& G) { G.SetJavaCSV(true); }, {L"", L"x\r\ny", L"b,c"}, "^,x~y,\"b,c\""},
      {"semicolon", [](TRezIvevirAvod& G) { G.SetDelimiter(L';'); }, {L"a,b", L"c;d"}, "a,b;\"c;d\""},
  };
  jorv::test::TTempDir Dir;
  for (const TCase& Case : Cases) {
    TRowGrid Row(Case.Texts);
    if (Case.Set) Case.Set(Row.Grid);
    Row.Grid.SaveToCSV(Dir.Path(L"f.csv"));
    EXPECT_EQ(ReadBytes(Dir.Path(L"f.csv")), Case.Line + "\r\n") << Case.Name;
  }
}

// What the grid writes reads back the same, in every mode; a text over
// three lines and one with a bare line feed included.
TEST(GridDelimitedText, WrittenTextsReadBackWhole) {
  const std::vector<String> Texts = {L"a",      L"",         L"b,c",      L"say \"hi\"",
                                     L"x\r\ny", L"p\r\nq\r\nr", L"trail  ", L"|;^"};
  struct TMode {
    const char* Name;
    void (*Set)(TRezIvevirAvod&);
  } Modes[] = {
      {"defaults", [](TRezIvevirAvod&) {}},
      {"always", [](TRezIvevirAvod& G) { G.SetAlwaysQuotes(true); }},
      {"java", [](TRezIvevirAvod& G) { G.SetJavaCSV(true); }},
  };
  jorv::test::TTempDir Dir;
  for (const TMode& Mode : Modes) {
    TRowGrid Source(Texts);
    Source.Grid.SetRowCount(2);
    Source.Grid.SetCells(0, 1, L"next");
    Mode.Set(Source.Grid);
    Source.Grid.SaveToCSV(Dir.Path(L"r.csv"));
    TReadGrid Back;
    Mode.Set(Back.Grid);
    Back.Grid.SetDelimiter(L',');
    Back.Grid.LoadFromCSV(Dir.Path(L"r.csv"));
    ASSERT_EQ(Back.Grid.RowCount(), 2) << Mode.Name;
    ASSERT_EQ(Back.Grid.ColCount(), Integer(Texts.size())) << Mode.Name;
    for (size_t c = 0; c < Texts.size(); ++c)
      EXPECT_EQ(Back.Grid.GetCells(Integer(c), 0), Texts[c]) << Mode.Name << " column " << c;
    EXPECT_EQ(Back.Grid.GetCells(0, 1), L"next") << Mode.Name;
  }
}

// Bytes as python3's csv module writes them (QUOTE_MINIMAL, CR LF), and
// the grid's own default output, which that module was checked to read as
// the same fields (a, "", "b,c", say "hi").
TEST(GridDelimitedText, ReadsWhatAStandardCSVWriterWrites) {
  jorv::test::TTempDir Dir;
  WriteBytes(Dir.Path(L"py.csv"),
             "a,\"b,c\",\"say \"\"hi\"\"\"\r\n\"x\r\ny\",,\r\n\"p\r\nq\r\nr\", lead,trail \r\n");
  TReadGrid Read;
  Read.Grid.LoadFromCSV(Dir.Path(L"py.csv"));
  EXPECT_EQ(Read.Grid.RowCount(), 3);
  EXPECT_EQ(Read.Row(0), L"a|b,c|say \"hi\"");
  // A line ending with a delimiter stores nothing for its last field.
  EXPECT_EQ(Read.Row(1), L"x\r\ny||");
  EXPECT_EQ(Read.Row(2), L"p\r\nq\r\nr|lead|trail ");

  TRowGrid Own({L"a", L"", L"b,c", L"say \"hi\""});
  Own.Grid.SaveToCSV(Dir.Path(L"own.csv"));
  EXPECT_EQ(ReadBytes(Dir.Path(L"own.csv")), "a,\"\",\"b,c\",\"say \"\"hi\"\"\"\r\n");
}

TEST(GridDelimitedText, DelimiterIsFoundFromTheFirstLines) {
  struct TCase {
    const char* Text;
    const wchar_t* First;
    Integer Cols;
  } Cases[] = {
      {"a;b;c\r\nd;e;f\r\n", L"a", 3},
      {"x;y|z|w\r\n", L"x;y", 3},  // "|" twice beats ";" once
      {"1\t2\r\n3\t4\r\n", L"1", 2},
      {"a;b,c;d\r\ne;f;g,h\r\n", L"a", 3},  // both agree on both lines: the higher count wins
      {"plain words\r\n", L"plain words", 1},
  };
  jorv::test::TTempDir Dir;
  for (const TCase& Case : Cases) {
    WriteBytes(Dir.Path(L"d.csv"), Case.Text);
    TReadGrid Read;
    Read.Grid.LoadFromCSV(Dir.Path(L"d.csv"));
    EXPECT_EQ(Read.Grid.GetCells(0, 0), Case.First) << Case.Text;
    EXPECT_EQ(Read.Grid.ColCount(), Case.Cols) << Case.Text;
    EXPECT_EQ(Read.Grid.Delimiter(), Char(0));
  }
}

TEST(GridDelimitedText, FirstRowAndMaxRowsLimitTheLinesRead) {
  jorv::test::TTempDir Dir;
  WriteBytes(Dir.Path(L"h.csv"), "name,size\r\na,1\r\nb,2\r\nc,3\r\n");
  TReadGrid Read;
  Read.Grid.SetLoadFirstRow(false);
  Read.Grid.LoadFromCSV(Dir.Path(L"h.csv"), 2);
  EXPECT_EQ(Read.Grid.RowCount(), 2);
  EXPECT_EQ(Read.Row(0), L"a|1");
  EXPECT_EQ(Read.Row(1), L"b|2");
}

TEST(GridDelimitedText, ShortLinesLeaveCellsAndLongLinesAddColumns) {
  jorv::test::TTempDir Dir;
  WriteBytes(Dir.Path(L"w.csv"), "1\r\n1,2,3,4,5\r\n\"open,x\r\n");
  TReadGrid Read;
  Read.Grid.SetColCount(2);
  Read.Grid.SetRowCount(3);
  Read.Grid.SetCells(1, 0, L"before");
  Read.Grid.LoadFromCSV(Dir.Path(L"w.csv"));
  EXPECT_EQ(Read.Grid.ColCount(), 5);
  EXPECT_EQ(Read.Row(0), L"1|before|||");
  EXPECT_EQ(Read.Row(1), L"1|2|3|4|5");
  // An unterminated quoted field reads as empty.
  EXPECT_EQ(Read.Grid.GetCells(0, 2), L"");
}

TEST(GridDelimitedText, EmptyFileIsNoErrorButAnEmptyStreamIs) {
  jorv::test::TTempDir Dir;
  WriteBytes(Dir.Path(L"e.csv"), "");
  TRowGrid Grid({L"stay"});
  Grid.Grid.LoadFromCSV(Dir.Path(L"e.csv"));
  Grid.Grid.InsertFromCSV(Dir.Path(L"e.csv"));
  EXPECT_EQ(Grid.Grid.RowCount(), 1);
  EXPECT_EQ(Grid.Grid.GetCells(0, 0), L"stay");
  TMemoryStream Empty;
  try {
    Grid.Grid.LoadFromCSVStream(&Empty);
    ADD_FAILURE() << "no error";
  } catch (const Exception& E) {
    EXPECT_EQ(E.Message(), L"File is empty");
  }
  EXPECT_THROW(Grid.Grid.LoadFromCSV(Dir.Path(L"missing.csv")), EFOpenError);
}

TEST(GridDelimitedText, AppendAddsToTheFileAndInsertToTheGrid) {
  jorv::test::TTempDir Dir;
  TRowGrid One({L"1", L"one"});
  One.Grid.AppendToCSV(Dir.Path(L"a.csv"));
  TRowGrid Two({L"2", L"two"});
  Two.Grid.AppendToCSV(Dir.Path(L"a.csv"));
  EXPECT_EQ(ReadBytes(Dir.Path(L"a.csv")), "1,one\r\n2,two\r\n");

  TReadGrid Read;
  Read.Grid.SetColCount(2);
  Read.Grid.SetCells(0, 0, L"0");
  Read.Grid.InsertFromCSV(Dir.Path(L"a.csv"));
  EXPECT_EQ(Read.Grid.RowCount(), 3);
  EXPECT_EQ(Read.Row(0), L"0|");
  EXPECT_EQ(Read.Row(2), L"2|two");
}

TEST(GridDelimitedText, InsertGoesBeforeAFloatingFooterThatKeepsItsTexts) {
  jorv::test::TTempDir Dir;
  WriteBytes(Dir.Path(L"i.csv"), "x,1\r\ny,2\r\n");
  TRezIvevirAvod Grid(nullptr);
  Grid.SetColCount(2);
  Grid.SetRowCount(3);
  Grid.SetFixedCols(0);
  Grid.SetFixedRows(1);
  Grid.FloatingFooter()->SetHeight(20);
  Grid.FloatingFooter()->SetVisible(true);
  Grid.SetCells(0, 1, L"first");
  Grid.SetCells(0, 2, L"Total");
  Grid.InsertFromCSV(Dir.Path(L"i.csv"));
  ASSERT_EQ(Grid.RowCount(), 5);
  EXPECT_EQ(Grid.GetCells(0, 1), L"first");
  EXPECT_EQ(Grid.GetCells(0, 2), L"x");
  EXPECT_EQ(Grid.GetCells(1, 3), L"2");
  EXPECT_EQ(Grid.GetCells(0, 4), L"Total");
}

TEST(GridDelimitedText, UnicodeFilesUseTheGridsEncoding) {
  jorv::test::TTempDir Dir;
  TRowGrid Row({L"\x20AC", L"b"});
  Row.Grid.SaveToCSV(Dir.Path(L"u8.csv"), true);
  EXPECT_EQ(ReadBytes(Dir.Path(L"u8.csv")), "\xEF\xBB\xBF\xE2\x82\xAC,b\r\n");
  Row.Grid.SetEncoding(TEncoding::Unicode());
  Row.Grid.SaveToCSV(Dir.Path(L"u16.csv"), true);
  EXPECT_EQ(ReadBytes(Dir.Path(L"u16.csv")), std::string("\xFF\xFE\xAC\x20,\0b\0\r\0\n\0", 12));

  for (const wchar_t* Name : {L"u8.csv", L"u16.csv"}) {
    TReadGrid Read;
    Read.Grid.LoadFromCSV(Dir.Path(Name));
    EXPECT_EQ(Read.Row(0), L"\x20AC|b");
  }
  // A file without a mark, read in the encoding the caller names.
  WriteBytes(Dir.Path(L"bare16.csv"), std::string("\xAC\x20;\0b\0\r\0\n\0", 10));
  TReadGrid Read;
  Read.Grid.LoadFromCSV(Dir.Path(L"bare16.csv"), TEncoding::Unicode());
  EXPECT_EQ(Read.Row(0), L"\x20AC|b");
}

TEST(GridDelimitedText, HiddenColumnsAreLeftOutUnlessAsked) {
  jorv::test::TTempDir Dir;
  TRowGrid Row({L"a", L"b", L"c"});
  Row.Grid.HideColumn(1);
  Row.Grid.SaveToCSV(Dir.Path(L"h.csv"));
  EXPECT_EQ(ReadBytes(Dir.Path(L"h.csv")), "a,c\r\n");
  Row.Grid.SetSaveHiddenCells(true);
  Row.Grid.SaveToCSV(Dir.Path(L"h.csv"));
  EXPECT_EQ(ReadBytes(Dir.Path(L"h.csv")), "a,b,c\r\n");
}

// A footer panel that covers an extra row keeps that row after the data
// read, so it never covers the last line of the file.
TEST(GridDelimitedText, FooterPanelRowStaysBelowTheLinesRead) {
  jorv::test::TTempDir Dir;
  WriteBytes(Dir.Path(L"p.csv"), "a,1\r\nb,2\r\n");
  TReadGrid Read;
  Read.Grid.SetColCount(2);
  Read.Grid.FloatingFooter()->SetFooterStyle(fsColumnPreview);
  Read.Grid.FloatingFooter()->SetHeight(20);
  Read.Grid.FloatingFooter()->SetVisible(true);
  Read.Grid.LoadFromCSV(Dir.Path(L"p.csv"));
  ASSERT_EQ(Read.Grid.RowCount(), 3);
  EXPECT_EQ(Read.Row(1), L"b|2");
  EXPECT_EQ(Read.Row(2), L"|");
}
