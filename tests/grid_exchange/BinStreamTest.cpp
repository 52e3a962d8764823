// The binary grid stream: cells with their texts, properties, graphics and
// owned objects written and read back into other grids, the exact bytes of
// one record, and damaged streams that must fail cleanly.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "grid/base/FilePicture.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Picture.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/SysUtils.h"
#include "tests/support/TempDir.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;

namespace {

// A grid of Cols x Rows with one fixed row and column, columns 50 wide
// and rows 20 high.
struct TSizedGrid {
  TRezIvevirAvod Grid{nullptr};
  TSizedGrid(Integer Cols, Integer Rows) {
    Grid.SetColCount(Cols);
    Grid.SetRowCount(Rows);
    Grid.SetDefaultColWidth(50);
    Grid.SetDefaultRowHeight(20);
  }
};

// Four columns, three rows, a cell of every kind the stream carries.
struct TMixedGrid : TSizedGrid {
  TBitmap CallersBitmap;
  TMixedGrid() : TSizedGrid(4, 3) {
    Grid.SetColWidths(2, 77);
    Grid.SetRowHeights(1, 33);
    Grid.SetCells(0, 0, L"head");
    Grid.SetCells(1, 1, L"plain");
    TCellProperties* Props = Grid.GetCellProperties(1, 1);
    Props->SetBrushColor(0x00FF00);
    Props->SetBrushColorTo(0x0000FF);
    Props->SetGradientDirection(GradientHorizontal);
    Props->SetAlignment(taRightJustify);
    Props->SetFontStyle(TFontStyles{fsBold});
    Props->SetFontName(L"Tahoma");
    Props->SetReadOnly(true);
    TBitmap* Owned = Grid.CreateBitmap(2, 1, true, haRight, vaCenter);
    Owned->SetSize(3, 2);
    Owned->Canvas()->SetPixels(1, 1, 0x123456);
    Grid.SetCells(2, 1, L"owned");
    CallersBitmap.SetSize(2, 2);
    Grid.AddBitmap(3, 1, &CallersBitmap, false, haLeft, vaTop);
    Grid.SetCells(3, 1, L"borrowed");
    TStrings* Items = Grid.CreateRadio(0, 2, 1, 1);
    Items->Add(L"one");
    Items->Add(L"two");
    Grid.AddMultiImage(1, 2, 0, haLeft, vaTop);
    Grid.GetCellImages(1, 2)->Add(3);
    Grid.GetCellImages(1, 2)->Add(1);
    // A bitmap cell with a comment travels as a comment only.
    Grid.CreateBitmap(2, 2, false, haLeft, vaTop)->SetSize(1, 1);
    Grid.AddComment(2, 2, L"note");
    Grid.AddCheckBox(3, 2, cbGrayed);
    // A value left at 0 must not take the value of the graphic before it.
    Grid.GetCellGraphic(0, 2)->SetCellValue(2.5);
    Grid.SetCells(3, 2, L"last");
  }
};

TBytes StreamBytes(TMemoryStream& Stream) {
  const Byte* Data = static_cast<const Byte*>(Stream.Memory());
  return TBytes(Data, Data + Stream.Size());
}

void Fill(TMemoryStream& Stream, const TBytes& Bytes) {
  if (!Bytes.empty()) Stream.WriteBuffer(Bytes.data(), static_cast<Integer>(Bytes.size()));
  Stream.SetPosition(0);
}

TBytes Saved(TRezIvevirAvod& Grid, const TRect& Rect) {
  TMemoryStream Stream;
  Grid.SaveRectToBinStream(Rect, &Stream);
  return StreamBytes(Stream);
}

// Every text of the grid, rows separated by "|" and cells by ",".
String Texts(TRezIvevirAvod& Grid) {
  String S;
  for (Integer r = 0; r < Grid.RowCount(); ++r) {
    if (r > 0) S += L"|";
    for (Integer c = 0; c < Grid.ColCount(); ++c) S += (c > 0 ? L"," : L"") + Grid.GetCells(c, r);
  }
  return S;
}

}  // namespace

TEST(GridBinStream, ARecordIsWrittenAsTheComponentStreamHoldsIt) {
  TSizedGrid Source(2, 2);
  Source.Grid.SetCells(1, 0, L"ab");
  const TBytes Written = Saved(Source.Grid, TRect(1, 0, 1, 0));
  auto Short = [](TBytes& Out, const char* Text) {
    Out.push_back(static_cast<Byte>(strlen(Text)));
    Out.insert(Out.end(), Text, Text + strlen(Text));
  };
  TBytes Expected{'T', 'P', 'F', '0'};
  Short(Expected, "TGridPropIO");
  Short(Expected, "");
  Short(Expected, "ColCount");
  Expected.insert(Expected.end(), {2, 1});  // vaInt8 1
  Short(Expected, "RowCount");
  Expected.insert(Expected.end(), {2, 1});
  Short(Expected, "ColWidths");
  Expected.insert(Expected.end(), {6, 2, '5', '0'});  // vaString "50"
  Short(Expected, "RowHeights");
  Expected.insert(Expected.end(), {6, 2, '2', '0'});
  Short(Expected, "FullGrid");
  Expected.push_back(8);  // vaFalse
  Short(Expected, "ID");
  Expected.insert(Expected.end(), {2, 0});
  Expected.insert(Expected.end(), {0, 0});  // ends of the properties and the children
  Expected.insert(Expected.end(), {'T', 'P', 'F', '0'});
  Short(Expected, "TGridCellIO");
  Short(Expected, "");
  Short(Expected, "Col");
  Expected.insert(Expected.end(), {2, 1});
  Short(Expected, "Row");
  Expected.insert(Expected.end(), {2, 0});
  Short(Expected, "Cell");
  Expected.insert(Expected.end(), {6, 2, 'a', 'b'});
  Short(Expected, "HasProp");
  Expected.push_back(8);
  Expected.insert(Expected.end(), {0, 0});
  EXPECT_EQ(Written, Expected);
}

TEST(GridBinStream, TheWholeGridComesBackWithEverythingItsCellsHold) {
  TMixedGrid Source;
  TMemoryStream Stream;
  Source.Grid.SaveToBinStream(&Stream);
  Stream.SetPosition(0);
  TSizedGrid Target(7, 9);
  Target.Grid.SetCells(6, 8, L"gone");
  Target.Grid.LoadFromBinStream(&Stream);
  TRezIvevirAvod& G = Target.Grid;

  EXPECT_EQ(G.ColCount(), 4);
  EXPECT_EQ(G.RowCount(), 3);
  EXPECT_EQ(G.GetColWidths(2), 77);
  EXPECT_EQ(G.GetColWidths(3), 50);
  EXPECT_EQ(G.GetRowHeights(1), 33);
  EXPECT_EQ(Texts(G), L"head,,,|,plain,owned,borrowed|,,,last");

  TCellProperties* Props = G.GetCellProperties(1, 1);
  EXPECT_EQ(Props->BrushColor(), 0x00FF00);
  EXPECT_EQ(Props->Alignment(), taRightJustify);
  EXPECT_EQ(Props->FontStyle(), TFontStyles{fsBold});
  EXPECT_EQ(Props->FontName(), L"Tahoma");
  EXPECT_TRUE(Props->ReadOnly());
  // The gradient is in the stream but the reader does not apply it.
  EXPECT_EQ(Props->BrushColorTo(), clNone);
  EXPECT_EQ(Props->GradientDirection(), GradientVertical);

  ASSERT_EQ(G.GetCellType(2, 1), ctBitmap);
  TCellGraphic* Owned = G.GetCellGraphic(2, 1);
  EXPECT_TRUE(Owned->CellCreated());
  EXPECT_TRUE(Owned->CellTransparent());
  EXPECT_EQ(Owned->CellHAlign(), haRight);
  EXPECT_EQ(Owned->CellVAlign(), vaCenter);
  ASSERT_NE(Owned->Bitmap(), nullptr);
  EXPECT_EQ(Owned->Bitmap()->Width(), 3);
  EXPECT_EQ(Owned->Bitmap()->Height(), 2);
  EXPECT_EQ(Owned->Bitmap()->Canvas()->Pixels(1, 1), 0x123456);

  // The caller's bitmap stays with the caller: text and properties only.
  EXPECT_EQ(G.GetCellType(3, 1), ctEmpty);

  ASSERT_EQ(G.GetCellType(0, 2), ctRadio);
  EXPECT_EQ(G.GetCellGraphic(0, 2)->Strings()->CommaText(), L"one,two");
  EXPECT_EQ(G.GetCellGraphic(0, 2)->CellIndex(), 1);
  EXPECT_EQ(G.GetCellGraphic(0, 2)->CellValue(), 2.5);
  ASSERT_EQ(G.GetCellType(1, 2), ctImages);
  EXPECT_EQ(G.GetCellGraphic(1, 2)->CellValue(), 0);
  EXPECT_EQ(G.GetCellImages(1, 2)->StrValue(), L"3,1");

  EXPECT_EQ(G.GetCellType(2, 2), ctNone);
  EXPECT_EQ(G.GetComment(2, 2), L"note");
  EXPECT_EQ(G.GetCellGraphic(2, 2)->Bitmap(), nullptr);
  ASSERT_EQ(G.GetCellType(3, 2), ctTriStateCheckBox);
  EXPECT_EQ(G.GetCellGraphic(3, 2)->CellCheckBoxState(), cbGrayed);
  EXPECT_EQ(Stream.Position(), Stream.Size());
}

TEST(GridBinStream, APartialRectangleLandsAtItsPointAndLeavesTheGridsSize) {
  const struct {
    const char* Name;
    bool AtPoint;
    const wchar_t* Texts;
  } Cases[] = {
      {"at (0, 0)", false, L"x,b,c,o,o,o|d,e,f,o,o,o|o,o,o,o,o,o|o,o,o,o,o,o"},
      {"at (4, 3): the cells past the grid are dropped", true, L"o,o,o,o,o,o|o,o,o,o,o,o|o,o,o,o,o,o|o,o,o,o,x,b"},
  };
  for (const auto& C : Cases) {
    TSizedGrid Source(5, 5);
    Source.Grid.SetColWidths(1, 90);
    const wchar_t* Letters[2][3] = {{L"a", L"b", L"c"}, {L"d", L"e", L"f"}};
    for (Integer r = 0; r < 2; ++r)
      for (Integer c = 0; c < 3; ++c) Source.Grid.SetCells(1 + c, 2 + r, Letters[r][c]);
    Source.Grid.SetCells(1, 2, L"");
    Source.Grid.GetCellProperties(1, 2)->SetFontSize(14);
    TMemoryStream Stream;
    Source.Grid.SaveRectToBinStream(TRect(1, 2, 3, 3), &Stream);
    Stream.SetPosition(0);

    TSizedGrid Target(6, 4);
    for (Integer r = 0; r < 4; ++r)
      for (Integer c = 0; c < 6; ++c) Target.Grid.SetCells(c, r, L"o");
    // An empty source cell empties its target, even after a cell with text.
    const TPoint First = C.AtPoint ? TPoint(4, 3) : TPoint(0, 0);
    Target.Grid.SetCells(First.X, First.Y, L"x");
    if (C.AtPoint)
      Target.Grid.LoadAtPointFromBinStream(First, &Stream);
    else
      Target.Grid.LoadFromBinStream(&Stream);
    EXPECT_EQ(Target.Grid.GetCells(First.X, First.Y), L"") << C.Name;
    Target.Grid.SetCells(First.X, First.Y, L"x");
    EXPECT_EQ(Texts(Target.Grid), C.Texts) << C.Name;
    EXPECT_EQ(Target.Grid.GetCellProperties(First.X, First.Y)->FontSize(), 14) << C.Name;
    EXPECT_EQ(Target.Grid.ColCount(), 6) << C.Name;
    EXPECT_EQ(Target.Grid.RowCount(), 4) << C.Name;
    EXPECT_EQ(Target.Grid.GetColWidths(First.X + 1), 50) << C.Name;
  }
}

TEST(GridBinStream, PicturesAndFilePicturesComeBackFromAFile) {
  test::TTempDir Dir;
  TSizedGrid Source(2, 2);
  TPicture* Picture = Source.Grid.CreatePicture(0, 1, false, Stretch, 2, haLeft, vaTop);
  Picture->Bitmap()->SetSize(4, 5);
  TFilePicture* File = Source.Grid.CreateFilePicture(1, 1, false, noStretch, 0, haLeft, vaTop);
  File->SetFilename(L"C:\\nowhere\\picture.png");
  File->SetWidth(31);
  File->SetHeight(17);
  Source.Grid.SaveToBinFile(Dir.Path(L"cells.bin"));

  TSizedGrid Target(2, 2);
  Target.Grid.LoadFromBinFile(Dir.Path(L"cells.bin"));
  ASSERT_EQ(Target.Grid.GetCellType(0, 1), ctPicture);
  TPicture* Read = Target.Grid.GetCellGraphic(0, 1)->Picture();
  ASSERT_NE(Read, nullptr);
  EXPECT_EQ(Read->Width(), 4);
  EXPECT_EQ(Read->Height(), 5);
  EXPECT_EQ(Target.Grid.GetCellGraphic(0, 1)->CellIndex(), 2);
  ASSERT_EQ(Target.Grid.GetCellType(1, 1), ctFilePicture);
  TFilePicture* ReadFile = Target.Grid.GetCellGraphic(1, 1)->FilePicture();
  EXPECT_EQ(ReadFile->Filename(), L"C:\\nowhere\\picture.png");
  EXPECT_EQ(ReadFile->Width(), 31);
  EXPECT_EQ(ReadFile->Height(), 17);

  // A missing file fails before the grid changes.
  EXPECT_THROW(Target.Grid.LoadFromBinFile(Dir.Path(L"missing.bin")), EFOpenError);
  EXPECT_EQ(Target.Grid.GetCellType(0, 1), ctPicture);
}

TEST(GridBinStream, NodeRowsAreRecountedAfterALoad) {
  const struct {
    const char* Name;
    bool WithNodes;
    Integer Nodes;
  } Cases[] = {{"two nodes", true, 2}, {"no node graphic in column 0", false, 0}};
  for (const auto& C : Cases) {
    TSizedGrid Source(3, 7);
    Source.Grid.SetFixedRows(1);
    if (C.WithNodes) {
      Source.Grid.AddNode(1, 2);
      Source.Grid.AddNode(4, 3);
    }
    TMemoryStream Stream;
    Source.Grid.SaveToBinStream(&Stream);
    Stream.SetPosition(0);
    TSizedGrid Target(3, 3);
    Target.Grid.SetFixedRows(1);
    Target.Grid.LoadFromBinStream(&Stream);
    EXPECT_EQ(Target.Grid.RowCount(), 7) << C.Name;
    EXPECT_EQ(Target.Grid.NumNodes(), C.Nodes) << C.Name;
  }
}

// A whole-grid stream of a 3 x 2 grid whose header holds other widths
// and another column count.
TBytes WithHeader(const char* Widths, Byte ColCount) {
  TSizedGrid Writer(3, 2);
  TMemoryStream Stream;
  Writer.Grid.SaveToBinStream(&Stream);
  TBytes Bytes = StreamBytes(Stream);
  const std::string Text = "50,50,50";
  auto At = std::search(Bytes.begin(), Bytes.end(), Text.begin(), Text.end());
  At[-1] = static_cast<Byte>(strlen(Widths));
  At = Bytes.erase(At, At + static_cast<ptrdiff_t>(Text.size()));
  Bytes.insert(At, Widths, Widths + strlen(Widths));
  // "TPF0", the class and the empty name, "ColCount", vaInt8: the value.
  Bytes[27] = ColCount;
  return Bytes;
}

TEST(GridBinStream, DamagedStreamsFailWithAClearErrorAndLeaveTheGridWhole) {
  TSizedGrid Source(4, 3);
  Source.Grid.SetCells(0, 0, L"a");
  Source.Grid.SetCells(2, 1, L"z");
  const TBytes Good = Saved(Source.Grid, TRect(0, 0, 2, 1));
  TBytes WrongSignature = Good;
  WrongSignature[3] = '1';
  TBytes LengthPastTheEnd = Good;
  LengthPastTheEnd[4] = 200;  // the class name's length
  const struct {
    const char* Name;
    TBytes Bytes;
    const wchar_t* Error;
    const wchar_t* Texts;
  } Cases[] = {
      {"empty", {}, L"EReadError", L"o,o,o|o,o,o"},
      {"wrong signature", WrongSignature, L"EReadError", L"o,o,o|o,o,o"},
      {"a length past the end", LengthPastTheEnd, L"EReadError", L"o,o,o|o,o,o"},
      {"cut inside the header", TBytes(Good.begin(), Good.begin() + 40), L"EReadError", L"o,o,o|o,o,o"},
      {"cut inside the last cell: the cells before it stay", TBytes(Good.begin(), Good.end() - 40), L"EReadError",
       L"a,,|,,o"},
      {"a width that is no number", WithHeader("50,5x,50", 3), L"EConvertError", L"o,o,o|o,o,o"},
      {"fewer widths than columns", WithHeader("50,50", 3), L"EListError", L"o,o,o|o,o,o"},
      {"no columns", WithHeader("50,50,50", 0), L"EReadError", L"o,o,o|o,o,o"},
  };
  for (const auto& C : Cases) {
    TSizedGrid Target(3, 2);
    for (Integer r = 0; r < 2; ++r)
      for (Integer c = 0; c < 3; ++c) Target.Grid.SetCells(c, r, L"o");
    TMemoryStream Stream;
    Fill(Stream, C.Bytes);
    String Error;
    try {
      Target.Grid.LoadFromBinStream(&Stream);
    } catch (const Exception& E) {
      Error = E.ClassName();
    }
    EXPECT_EQ(Error, C.Error) << C.Name;
    EXPECT_EQ(Texts(Target.Grid), C.Texts) << C.Name;
    EXPECT_EQ(Target.Grid.ColCount(), 3) << C.Name;
  }
}

TEST(GridBinStream, EveryCutOfAStreamEitherLoadsOrFailsWithAReadError) {
  TMixedGrid Source;
  const TBytes Good = Saved(Source.Grid, TRect(0, 0, 3, 2));
  TSizedGrid Target(4, 3);
  for (size_t Length = 0; Length <= Good.size(); ++Length) {
    TMemoryStream Stream;
    Fill(Stream, TBytes(Good.begin(), Good.begin() + static_cast<ptrdiff_t>(Length)));
    String Error;
    try {
      Target.Grid.LoadFromBinStream(&Stream);
    } catch (const Exception& E) {
      Error = E.ClassName();
    }
    if (Length == Good.size()) {
      EXPECT_EQ(Error, L"");
    } else if (!Error.empty()) {
      EXPECT_EQ(Error, L"EReadError") << Length;
    }
  }
}

TEST(GridBinStream, ProgressRunsOverTheRowsWrittenAndRead) {
  TSizedGrid Source(3, 5);
  std::vector<Integer> Written;
  Source.Grid.OnFileProgress = [&](TObject*, SmallInt Progress) { Written.push_back(Progress); };
  TMemoryStream Stream;
  Source.Grid.SaveRectToBinStream(TRect(0, 2, 1, 4), &Stream);
  EXPECT_EQ(Written, (std::vector<Integer>{0, 50, 100}));

  Stream.SetPosition(0);
  TSizedGrid Target(3, 5);
  std::vector<Integer> Read;
  Target.Grid.OnFileProgress = [&](TObject*, SmallInt Progress) { Read.push_back(Progress); };
  Target.Grid.LoadAtPointFromBinStream(TPoint(0, 1), &Stream);
  EXPECT_EQ(Read, (std::vector<Integer>{20, 40, 60}));
}

TEST(GridBinStream, CellObjectsTravelOnlyFromAGridWindowOfThisProcess) {
  const struct {
    const char* Name;
    bool SourceHasWindow;
    uintptr_t Expected;
  } Cases[] = {{"from a grid window here", true, 0x1234}, {"from no known window: the target keeps its own", false, 0x77}};
  for (const auto& C : Cases) {
    test::TTestForm Form(200, 100, false);
    auto* Source = new TRezIvevirAvod(Form.Get());
    if (C.SourceHasWindow) Source->SetParent(Form.Get());
    Source->SetColCount(2);
    Source->SetRowCount(2);
    Source->GetCellProperties(1, 1)->SetCellObject(0x1234);
    TMemoryStream Stream;
    Source->SaveRectToBinStream(TRect(1, 1, 1, 1), &Stream);
    Stream.SetPosition(0);
    TSizedGrid Target(2, 2);
    Target.Grid.GetCellProperties(0, 0)->SetCellObject(0x77);
    Target.Grid.LoadAtPointFromBinStream(TPoint(0, 0), &Stream);
    EXPECT_EQ(Target.Grid.GetCellProperties(0, 0)->CellObject(), C.Expected) << C.Name;
  }
}
