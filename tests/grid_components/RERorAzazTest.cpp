// The data-aware grid over an in-memory data set: rows standing for the
// records around the current one, keys and clicks that move the data set,
// editing, posting, inserting and deleting records, the record indicator,
// field columns and blob pictures.
#include <gtest/gtest.h>

#include "grid/base/GrdComboBox.h"
#include "grid/components/BlobPicture.h"
#include "grid/components/RERorAzaz.h"
#include "platform/data/data.h"
#include "platform/gfx/Icon.h"
#include "platform/gfx/Metafile.h"
#include "platform/gfx/Picture.h"
#include "platform/gfx/WICImage.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/Streams.h"
#include "tests/support/TempDir.h"
#include "tests/support/ui/Gui.h"

namespace jorv::grid {
using namespace jorv::test;

namespace {

// Records "Name1".."NameN" with their number and an even/odd flag.
class DataGridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Table.FieldDefs().Add(L"Id", ftInteger);
    Table.FieldDefs().Add(L"Name", ftString, 20);
    Table.FieldDefs().Add(L"Even", ftBoolean);
    Table.FieldDefs().Add(L"Notes", ftMemo);
    Table.CreateDataSet();
    Source.SetDataSet(&Table);
  }
  void Fill(Integer Count) {
    for (Integer i = 1; i <= Count; ++i) {
      Table.Append();
      Table.FieldByName(L"Id")->SetAsInteger(i);
      Table.FieldByName(L"Name")->SetAsString(L"Name" + IntToStr(i));
      Table.FieldByName(L"Even")->SetAsBoolean(i % 2 == 0);
      Table.FieldByName(L"Notes")->SetAsString(L"note " + IntToStr(i));
      Table.Post();
    }
    Table.First();
  }
  // A grid of ten visible data rows under one header row.
  void MakeGrid() {
    Grid = new TRERorAzaz(Form.Get());
    Grid->SetParent(Form.Get());
    Grid->SetBounds(0, 0, 500, 22 * 11 + 4);
    Grid->SetDataSource(&Source);
    Pump();
    Grid->SetFocus();
    Pump();
  }
  String Cell(Integer ACol, Integer ARow) { return Grid->GetCells(ACol, ARow); }
  void Key(Word K, TShiftState Shift = {}) {
    KeyToFocus(K, Shift);
    Pump();
  }
  // Alt with a key comes as a system key, with the context bit set.
  void AltKey(Word K) {
    const LPARAM Data = 1 | (LPARAM(MapVirtualKeyW(K, 0)) << 16) | 0x20000000;
    PostMessageW(Grid->Handle(), WM_SYSKEYDOWN, K, Data);
    PostMessageW(Grid->Handle(), WM_SYSKEYUP, K, Data | 0xC0000000);
    Pump();
  }
  String Current() { return Table.FieldByName(L"Name")->AsString(); }

  TMemoryDataSet Table;
  TDataSource Source;
  TTestForm Form{520, 320};
  TRERorAzaz* Grid = nullptr;
};

TEST_F(DataGridTest, PageModeMapsVisibleRowsToTheBufferedRecordsAroundTheCurrentOne) {
  Fill(250);
  MakeGrid();
  EXPECT_EQ(Grid->RowCount(), 1 + 250);
  EXPECT_EQ(Grid->ColCount(), 1 + 4) << "the indicator and one column per visible field";
  EXPECT_EQ(Grid->DataLink()->BufferCount(), Grid->VisibleRowCount() + 1);
  EXPECT_EQ(Cell(1, 0), L"Id");
  EXPECT_EQ(Cell(2, 0), L"Name");
  EXPECT_EQ(Cell(2, 1), L"Name1");
  EXPECT_EQ(Cell(2, 5), L"Name5");
  EXPECT_EQ(Cell(4, 1), L"(MEMO)") << "memo fields show a placeholder unless asked";
  Table.MoveBy(119);
  Pump();
  EXPECT_EQ(Grid->Row(), 120);
  for (Integer r = Grid->TopRow(); r < Grid->TopRow() + Grid->VisibleRowCount(); ++r)
    EXPECT_EQ(Cell(2, r), L"Name" + IntToStr(r)) << "row " << r;
}

TEST_F(DataGridTest, AnEmptyDataSetShowsOneBlankRowUnlessNoneIsWanted) {
  MakeGrid();
  EXPECT_EQ(Grid->RowCount(), 2);
  EXPECT_EQ(Cell(2, 1), L"");
  Grid->SetShowBlankRow(false);
  Grid->SetFixedRowAlways(true);
  Grid->UpdateActive();
  EXPECT_EQ(Grid->RowCount(), 1);
}

TEST_F(DataGridTest, KeysMoveTheDataSetAndTheRowFollows) {
  Fill(40);
  MakeGrid();
  Key(VK_DOWN);
  EXPECT_EQ(Current(), L"Name2");
  EXPECT_EQ(Grid->Row(), 2);
  Key(VK_NEXT);
  EXPECT_EQ(Table.RecNo(), 2 + Grid->DataLink()->BufferCount());
  EXPECT_EQ(Grid->Row(), Table.RecNo());
  Key(VK_UP);
  EXPECT_EQ(Grid->Row(), Table.RecNo());
  EXPECT_EQ(Cell(2, Grid->Row()), Current());
  Grid->Navigation()->SetHomeEndKey(heFirstLastRow);
  Key(VK_END);
  EXPECT_EQ(Current(), L"Name40");
  EXPECT_EQ(Grid->Row(), 40);
  EXPECT_EQ(Cell(2, Grid->TopRow()), L"Name" + IntToStr(Grid->TopRow()));
  Key(VK_HOME);
  EXPECT_EQ(Current(), L"Name1");
  EXPECT_EQ(Grid->Row(), 1);
  Key(VK_PRIOR);
  EXPECT_EQ(Current(), L"Name1") << "Page Up on the first record does nothing";
}

TEST_F(DataGridTest, ClickingARowMakesItsRecordCurrent) {
  Fill(20);
  MakeGrid();
  const TRect R = Grid->CellRect(2, 6);
  Click(Grid, R.Left + 5, R.Top + 5);
  Pump();
  EXPECT_EQ(Current(), L"Name6");
  EXPECT_EQ(Grid->Row(), 6);
}

TEST_F(DataGridTest, DownOnTheLastRecordAppendsOnlyWhenAskedAndNotWithAlt) {
  Fill(3);
  MakeGrid();
  Grid->Navigation()->SetAppendOnArrowDown(true);
  std::vector<Integer> Added;
  Grid->OnAutoAddRow = [&](TObject*, Integer ARow) { Added.push_back(ARow); };
  Table.Last();
  Pump();
  AltKey(VK_DOWN);
  EXPECT_EQ(Table.State(), dsBrowse);
  Key(VK_DOWN);
  EXPECT_EQ(Table.State(), dsInsert);
  EXPECT_EQ(Grid->RowCount(), 5);
  EXPECT_EQ(Grid->Row(), 4);
  EXPECT_EQ(Added, std::vector<Integer>{4});
  // Enter on the untouched new record drops it again.
  Key(VK_RETURN);
  EXPECT_EQ(Table.State(), dsBrowse);
  EXPECT_EQ(Table.RecordCount(), 3);
  EXPECT_EQ(Grid->RowCount(), 4);
}

TEST_F(DataGridTest, TypingInACellWritesTheFieldAndPostsTheRecord) {
  Fill(5);
  MakeGrid();
  Grid->SetOptions(Grid->Options() + goEditing);
  Key(VK_DOWN);
  Grid->SetCol(2);
  Pump();
  Key(VK_F2);
  Key('A', {ssCtrl});
  TypeToFocus(L"Renamed");
  Pump();
  EXPECT_EQ(Table.State(), dsEdit) << "typing starts the edit";
  Key(VK_RETURN);
  EXPECT_EQ(Table.State(), dsBrowse);
  Table.First();
  Table.Next();
  EXPECT_EQ(Current(), L"Renamed");
  EXPECT_EQ(Cell(2, 2), L"Renamed");
}

TEST_F(DataGridTest, EscapeWhileEditingCancelsTheRecord) {
  Fill(5);
  MakeGrid();
  Grid->SetOptions(Grid->Options() + goEditing);
  Grid->SetCol(2);
  Pump();
  Key(VK_F2);
  Key('A', {ssCtrl});
  TypeToFocus(L"Lost");
  Pump();
  Key(VK_ESCAPE);
  Key(VK_ESCAPE);
  EXPECT_EQ(Table.State(), dsBrowse);
  EXPECT_EQ(Current(), L"Name1");
}

TEST_F(DataGridTest, InsertAndDeleteKeysChangeTheRecordsWhenAllowed) {
  Fill(5);
  MakeGrid();
  Key(VK_DELETE);
  EXPECT_EQ(Table.RecordCount(), 5) << "deleting is off by default";
  Grid->Navigation()->SetAllowDeleteRow(true);
  Grid->Navigation()->SetAllowInsertRow(true);
  Key(VK_DOWN);
  Key(VK_DELETE);
  EXPECT_EQ(Table.RecordCount(), 4);
  EXPECT_EQ(Grid->RowCount(), 5);
  EXPECT_EQ(Current(), L"Name3");
  EXPECT_EQ(Cell(2, 2), L"Name3");
  Key(VK_INSERT);
  EXPECT_EQ(Table.State(), dsInsert);
  EXPECT_EQ(Grid->RowCount(), 6);
  Key(VK_ESCAPE);
  EXPECT_EQ(Table.State(), dsBrowse);
  EXPECT_EQ(Table.RecordCount(), 4);
}

TEST_F(DataGridTest, DeleteOnAGridWithoutRecordsDeletesNothingAndConsumesTheKey) {
  MakeGrid();
  Grid->Navigation()->SetAllowDeleteRow(true);
  std::vector<Word> Seen;
  Grid->OnKeyDown = [&](TObject*, Word& K, TShiftState) { Seen.push_back(K); };
  Key(VK_DELETE);
  EXPECT_EQ(Table.RecordCount(), 0);
  EXPECT_TRUE(Seen.empty());
}

// The bounding box of the black pixels inside a cell (its edges left out).
TRect BlackBox(TRERorAzaz* Grid, Integer ACol, Integer ARow) {
  TRendered R(Grid);
  const TRect Cell = Grid->CellRect(ACol, ARow);
  TRect Box{10000, 10000, -1, -1};
  for (Integer y = Cell.Top + 1; y < Cell.Bottom - 2; ++y)
    for (Integer x = Cell.Left + 1; x < Cell.Right - 2; ++x)
      if (R.Pixel(x, y) == 0) {
        Box.Left = std::min(Box.Left, x);
        Box.Top = std::min(Box.Top, y);
        Box.Right = std::max(Box.Right, x + 1);
        Box.Bottom = std::max(Box.Bottom, y + 1);
      }
  return Box;
}

TEST_F(DataGridTest, TheIndicatorShowsAnArrowAnIBeamOrAnAsteriskByTheDataSetState) {
  Fill(3);
  MakeGrid();
  Key(VK_DOWN);
  const TRect Arrow = BlackBox(Grid, 0, 2);
  EXPECT_EQ(Arrow.Height(), 11);
  EXPECT_EQ(Arrow.Width(), 6);
  EXPECT_EQ(BlackBox(Grid, 0, 1).Right, -1) << "only the current row is marked";
  Table.Edit();
  Pump();
  const TRect Beam = BlackBox(Grid, 0, 2);
  EXPECT_EQ(Beam.Height(), 10);
  EXPECT_EQ(Beam.Width(), 6);
  Table.Cancel();
  Grid->Navigation()->SetAllowInsertRow(true);
  Key(VK_INSERT);
  ASSERT_EQ(Table.State(), dsInsert);
  const TRect Star = BlackBox(Grid, 0, Grid->Row());
  EXPECT_LT(Star.Height(), 8);
  EXPECT_GT(Star.Height(), 3);
}

TEST_F(DataGridTest, BooleanFieldsShowCheckBoxesThatToggleAndPostTheField) {
  Fill(3);
  MakeGrid();
  Grid->SetShowBooleanFields(true);
  Grid->SetOptions(Grid->Options() + goEditing);
  EXPECT_EQ(Grid->GetCellType(3, 2), ctCheckBox);
  EXPECT_EQ(Cell(3, 2), L"") << "a check-box cell draws no text";
  const TRect R = Grid->CellRect(3, 2);
  TCellGraphic* G = Grid->GetCellGraphic(3, 2);
  ASSERT_TRUE(G);
  EXPECT_TRUE(G->CellBoolean()) << "record 2 is even";
  // The even record's box is drawn ticked, the odd one's empty.
  auto DarkPixels = [&](Integer ARow) {
    TRendered Shot(Grid);
    const TRect Box = Grid->CellRect(3, ARow);
    Integer Dark = 0;
    for (Integer y = Box.Top + 2; y < Box.Bottom - 2; ++y)
      for (Integer x = Box.Left + 2; x < Box.Right - 2; ++x) Dark += (Shot.Pixel(x, y) & 0xFFFFFF) < 0x404040;
    return Dark;
  };
  EXPECT_GT(DarkPixels(2), DarkPixels(1) + 5);
  Grid->ToggleCheckBox(3, 2);
  Pump();
  EXPECT_EQ(Table.State(), dsBrowse);
  EXPECT_FALSE(Table.FieldByName(L"Even")->AsBoolean());
  EXPECT_EQ(Current(), L"Name2");
  (void)R;
}

TEST_F(DataGridTest, AMemoShownAsItsPlaceholderKeepsItsContentWhenTheCellIsLeft) {
  Fill(2);
  MakeGrid();
  Grid->SetOptions(Grid->Options() + goEditing);
  Grid->SetCol(4);
  Pump();
  Key(VK_F2);
  Key(VK_RETURN);
  Pump();
  EXPECT_EQ(Table.State(), dsBrowse);
  EXPECT_EQ(Table.FieldByName(L"Notes")->AsString(), L"note 1");
}

TEST_F(DataGridTest, AUnidirectionalDataSetIsRefused) {
  struct TForwardOnly : TMemoryDataSet {
    bool IsUniDirectional() const override { return true; }
  } Forward;
  Forward.FieldDefs().Add(L"Id", ftInteger);
  TDataSource ForwardSource;
  ForwardSource.SetDataSet(&Forward);
  MakeGrid();
  Grid->SetDataSource(&ForwardSource);
  try {
    Forward.CreateDataSet();
    FAIL() << "no exception";
  } catch (const Exception& E) {
    EXPECT_EQ(E.Message(), L"UniDirectional DataSet");
  }
  Grid->SetDataSource(nullptr);
}

TEST_F(DataGridTest, TakingTheDataSourceAwayLeavesOneEmptyRowAndTwoUnboundColumns) {
  Fill(5);
  MakeGrid();
  Grid->SetDataSource(nullptr);
  EXPECT_EQ(Grid->RowCount(), 2);
  EXPECT_EQ(Grid->ColCount(), 2);
  EXPECT_EQ(Grid->Columns()->Items(1)->FieldName(), L"");
  EXPECT_EQ(Cell(1, 1), L"");
}

TEST_F(DataGridTest, FilteringSwitchesToNonSequencedAndItsScrollBarTellsWhereTheWindowIs) {
  Fill(60);
  MakeGrid();
  Table.OnFilterRecord = [](TDataSet* D, bool& Accept) { Accept = D->FieldByName(L"Even")->AsBoolean(); };
  Table.SetFiltered(true);
  Pump();
  EXPECT_EQ(Grid->DataSetType(), dtNonSequenced);
  auto Position = [&] { return GetScrollPos(Grid->Handle(), SB_VERT); };
  Table.First();
  Pump();
  EXPECT_EQ(Position(), 0);
  EXPECT_EQ(Cell(2, 1), L"Name2");
  Table.MoveBy(12);
  Pump();
  EXPECT_EQ(Position(), 2);
  EXPECT_EQ(Cell(2, Grid->Row()), Current());
  Table.Last();
  Pump();
  EXPECT_EQ(Position(), 4);
  EXPECT_EQ(Cell(2, Grid->Row()), L"Name60");
  SendMessageW(Grid->Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 2), 0);
  EXPECT_EQ(Current(), L"Name60") << "the middle of the bar moves nothing";
  SendMessageW(Grid->Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 0), 0);
  EXPECT_EQ(Current(), L"Name2");
  Table.SetFiltered(false);
  Pump();
  EXPECT_EQ(Grid->DataSetType(), dtSequenced);
}

TEST_F(DataGridTest, TheScrollBarMovesTheDataSetInSequencedMode) {
  Fill(100);
  MakeGrid();
  SendMessageW(Grid->Handle(), WM_VSCROLL, MAKEWPARAM(SB_BOTTOM, 0), 0);
  Pump();
  EXPECT_EQ(Current(), L"Name100");
  SendMessageW(Grid->Handle(), WM_VSCROLL, MAKEWPARAM(SB_TOP, 0), 0);
  Pump();
  EXPECT_EQ(Current(), L"Name1");
  SendMessageW(Grid->Handle(), WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), 0);
  Pump();
  EXPECT_GE(Grid->Row(), Grid->TopRow());
  EXPECT_LT(Grid->Row(), Grid->TopRow() + Grid->VisibleRowCount());
  EXPECT_EQ(Cell(2, Grid->Row()), Current());
  EXPECT_EQ(Cell(2, Grid->TopRow()), L"Name" + IntToStr(Grid->TopRow()));
}

// --- columns ---------------------------------------------------------------------------------------

TEST_F(DataGridTest, ColumnsBindToFieldsByNameOrByPosition) {
  Fill(2);
  MakeGrid();
  EXPECT_EQ(Grid->Columns()->Items(1)->FieldName(), L"Id");
  EXPECT_EQ(Grid->GetColumnByFieldName(L"NAME"), Grid->Columns()->Items(2));
  Grid->Columns()->Items(2)->SetName(L"Second");
  EXPECT_EQ(Grid->GetColumnByName(L"Second"), Grid->Columns()->Items(2));
  EXPECT_EQ(Grid->GetColumnByName(L"second"), nullptr);
  // Unnamed columns count the visible fields from the first field column.
  Grid->SetDataSource(nullptr);
  Grid->SetColCount(6);
  Grid->SetFixedCols(2);
  Grid->SetShowDBIndicator(false);
  Grid->SetDataSource(&Source);
  Pump();
  for (Integer c = 0; c < Grid->Columns()->Count(); ++c) Grid->Columns()->Items(c)->SetFieldName(L"");
  EXPECT_EQ(Grid->GetDBFieldAtColumn(0), Table.FieldByName(L"Id"));
  Grid->SetShowDBIndicator(true);
  EXPECT_EQ(Grid->GetDBFieldAtColumn(0), nullptr);
  EXPECT_EQ(Grid->GetDBFieldAtColumn(2), Table.FieldByName(L"Id"));
}

TEST_F(DataGridTest, ANamedColumnShowsItsFieldAndHeader) {
  Fill(3);
  Grid = new TRERorAzaz(Form.Get());
  Grid->SetParent(Form.Get());
  Grid->SetBounds(0, 0, 500, 200);
  Grid->SetColCount(3);
  Grid->Columns()->Items(1)->SetFieldName(L"Name");
  Grid->Columns()->Items(1)->SetHeader(L"Who");
  Grid->Columns()->Items(2)->SetFieldName(L"Id");
  Grid->SetDataSource(&Source);
  Pump();
  EXPECT_EQ(Grid->ColCount(), 3) << "named columns are kept as they are";
  EXPECT_EQ(Cell(1, 0), L"Who");
  EXPECT_EQ(Cell(2, 0), L"Id");
  EXPECT_EQ(Cell(1, 3), L"Name3");
  EXPECT_EQ(Cell(2, 3), L"3");
}

TEST(DBGridColumns, ShowingAsPictureCheckBoxOrProgressExcludeEachOther) {
  TDBGridColumnCollection Columns(nullptr);
  TDBGridColumnItem* Item = Columns.Add();
  Item->SetProgressField(true);
  try {
    Item->SetPictureField(true);
    FAIL();
  } catch (const Exception& E) {
    EXPECT_EQ(E.Message(), L"Can not assign true when CheckBoxField or ProgressField is also true.");
  }
  EXPECT_FALSE(Item->PictureField());
  EXPECT_TRUE(Item->ProgressField());
  EXPECT_THROW(Item->SetCheckBoxField(true), Exception);
  Item->SetProgressField(false);
  Item->SetCheckBoxField(true);
  try {
    Item->SetProgressField(true);
    FAIL();
  } catch (const Exception& E) {
    EXPECT_EQ(E.Message(), L"Can not assign true when CheckBoxField or PictureField is also true.");
  }
}

TEST(DBGridColumns, ANewColumnTakesTheLooksOfTheOneBeforeButNotItsField) {
  TDBGridColumnCollection Columns(nullptr);
  TDBGridColumnItem* Third = Columns.Add();
  Third->SetFieldName(L"Price");
  Third->SetAlignment(taRightJustify);
  Third->SetColor(0x00FF00);
  Third->SetEditor(edSpinEdit);
  Third->SetReadOnly(true);
  TDBGridColumnItem* Fourth = Columns.Add();
  EXPECT_EQ(Fourth->FieldName(), L"");
  EXPECT_EQ(Fourth->Alignment(), taRightJustify);
  EXPECT_EQ(Fourth->Editor(), edSpinEdit);
  EXPECT_TRUE(Fourth->ReadOnly());
  EXPECT_EQ(Fourth->DisplayName(), L"Column 1");
  EXPECT_EQ(Third->DisplayName(), L"Price");
}

TEST_F(DataGridTest, ColumnHeadersFillTheItemsTheyReach) {
  Fill(1);
  MakeGrid();
  Grid->Columns()->Items(4)->SetHeader(L"Kept");
  Grid->ColumnHeaders()->SetText(L"A\nB\nC");
  EXPECT_EQ(Grid->Columns()->Items(2)->Header(), L"C");
  EXPECT_EQ(Grid->Columns()->Items(4)->Header(), L"Kept");
}

TEST_F(DataGridTest, AMovedColumnTakesItsBindingAlong) {
  Fill(2);
  MakeGrid();
  Grid->MoveColumn(1, 3);
  EXPECT_EQ(Grid->Columns()->Items(3)->FieldName(), L"Id");
  EXPECT_EQ(Grid->Columns()->Items(1)->FieldName(), L"Name");
  EXPECT_EQ(Cell(3, 2), L"2");
  EXPECT_EQ(Cell(1, 2), L"Name2");
}

TEST_F(DataGridTest, ColumnPositionsAreSavedAndRestoredUnlessTheFileIsIncomplete) {
  Fill(2);
  MakeGrid();
  Grid->Columns()->SetOrganization();
  Grid->MoveColumn(1, 3);
  TTempDir Dir;
  const String File = Dir.Path(L"cols.ini");
  Grid->SaveColumnPositions(File, L"Grid");
  Grid->MoveColumn(3, 1);
  EXPECT_EQ(Grid->Columns()->Items(1)->FieldName(), L"Id");
  Grid->LoadColumnPositions(File, L"Grid");
  EXPECT_EQ(Grid->Columns()->Items(3)->FieldName(), L"Id");
  EXPECT_EQ(Grid->Columns()->Items(1)->FieldName(), L"Name");
  // A place named twice, or one missing, changes nothing.
  {
    TIniFile Ini(File);
    Ini.WriteInteger(L"Grid", L"CP2", 1);
    Ini.UpdateFile();
  }
  Grid->MoveColumn(3, 1);
  Grid->LoadColumnPositions(File, L"Grid");
  EXPECT_EQ(Grid->Columns()->Items(1)->FieldName(), L"Id");
  {
    TIniFile Ini(File);
    Ini.DeleteKey(L"Grid", L"CP2");
    Ini.UpdateFile();
  }
  Grid->LoadColumnPositions(File, L"Grid");
  EXPECT_EQ(Grid->Columns()->Items(1)->FieldName(), L"Id");
}

// --- whole data set --------------------------------------------------------------------------------

TEST_F(DataGridTest, WholeDataSetModeCopiesTheRecordsIntoTheCells) {
  Fill(3);
  MakeGrid();
  Grid->FloatingFooter()->SetVisible(true);
  Grid->SetShowBooleanFields(true);
  Grid->SetPageMode(false);
  EXPECT_EQ(Grid->RowCount(), 5) << "header, three records, footer";
  EXPECT_EQ(Grid->GetCells(2, 3), L"Name3");
  EXPECT_EQ(Grid->GetCells(3, 2), L"Y") << "a true flag reads as the column's CheckTrue";
  bool State = false;
  EXPECT_TRUE(Grid->GetCheckBoxState(3, 2, State));
  EXPECT_TRUE(State);
  EXPECT_EQ(Grid->GetCells(4, 1), L"(MEMO)");
  Table.Edit();
  Table.FieldByName(L"Name")->SetAsString(L"Changed");
  Table.Post();
  EXPECT_EQ(Grid->GetCells(2, 1), L"Name1") << "a snapshot until reloaded";
  Grid->Reload();
  EXPECT_EQ(Grid->GetCells(2, 1), L"Changed");
  Grid->SetPageMode(true);
  EXPECT_EQ(Grid->GetCells(2, 1), L"Changed");
}

// --- blob pictures ---------------------------------------------------------------------------------

TBytes Bytes(std::initializer_list<int> Start, size_t Size) {
  TBytes B(Size, 0);
  size_t i = 0;
  for (int v : Start) B[i++] = Byte(v);
  return B;
}

TEST(BlobPicture, TheFirstBytesNameTheGraphicKind) {
  struct TCase {
    std::initializer_list<int> Start;
    size_t Size;
    TGraphicClass Expected;
  };
  const TCase Cases[] = {
      {{0x42, 0x4D}, 44, &NewGraphic<TBitmap>},
      {{0x42, 0x4D}, 43, nullptr},
      {{0x49, 0x49, 0x2A, 0x00}, 60, &NewGraphic<TWICImage>},
      {{0x49, 0x49, 0x00, 0x01}, 60, nullptr},  // "II" without 2A 00 tries nothing further
      {{0x4D, 0x4D, 0x00, 0x2A}, 60, &NewGraphic<TWICImage>},
      {{0xFF, 0xD8}, 60, &NewGraphic<TJPEGImage>},
      {{0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A}, 60, &NewGraphic<TPngImage>},
      {{0xD7, 0xCD, 0xC6, 0x9A}, 60, &NewGraphic<TMetafile>},
      {{0x47, 0x49, 0x46}, 60, &NewGraphic<TGIFImage>},
      {{0x00, 0x00, 0x01, 0x00}, 60, &NewGraphic<TIcon>},
      {{0x12, 0x34, 0x56, 0x78}, 60, nullptr},
  };
  for (const TCase& C : Cases) {
    const TBytes B = Bytes(C.Start, C.Size);
    EXPECT_EQ(GraphicClassForData(B.data(), B.size()), C.Expected) << "first byte " << int(B[0]) << ", " << C.Size;
  }
  TBytes Emf = Bytes({0x01, 0x00, 0x00, 0x00}, 60);
  Emf[40] = 0x20, Emf[41] = 0x45, Emf[42] = 0x4D, Emf[43] = 0x46;
  EXPECT_EQ(GraphicClassForData(Emf.data(), Emf.size()), &NewGraphic<TMetafile>);
}

TEST(BlobPicture, APictureInsideAnOleHeaderIsFoundWithinItsFirstBytes) {
  for (size_t At : {300u, 600u}) {
    TBytes B = Bytes({0x15, 0x1C}, At + 20);
    B[2 + At] = 0xFF;
    B[3 + At] = 0xD8;
    size_t Offset = 0;
    TGraphicClass Class = nullptr;
    const bool Found = FindOlePicture(B.data(), B.size(), Offset, Class);
    EXPECT_EQ(Found, At == 300) << At;
    if (Found) {
      EXPECT_EQ(Offset, 2 + At);
      EXPECT_EQ(Class, &NewGraphic<TJPEGImage>);
    }
  }
}

// A red square saved as a bitmap file's bytes.
TBytes RedBitmapBytes() {
  TBitmap Bmp;
  Bmp.SetPixelFormat(pf24bit);
  Bmp.SetSize(16, 16);
  Bmp.Canvas()->Brush()->SetColor(0x0000FF);
  Bmp.Canvas()->FillRect(TRect(0, 0, 16, 16));
  TMemoryStream Stream;
  Bmp.SaveToStream(&Stream);
  Stream.Seek(0, soBeginning);
  return ReadStreamRest(&Stream);
}

TEST_F(DataGridTest, PictureColumnsDrawTheBlobAndFallBackToTheInvalidPicture) {
  TMemoryDataSet Pictures;
  Pictures.FieldDefs().Add(L"Pic", ftBlob);
  Pictures.CreateDataSet();
  TBytes Ole = Bytes({0x15, 0x1C, 0x30, 0x00}, 40);
  const TBytes Red = RedBitmapBytes();
  Ole += Red;
  for (const TBytes& B : {Red, Ole, Bytes({0x42, 0x4D, 0x01}, 43)}) {
    Pictures.Append();
    static_cast<TBlobField*>(Pictures.FieldByName(L"Pic"))->SetAsBytes(B);
    Pictures.Post();
  }
  Pictures.First();
  Source.SetDataSet(&Pictures);
  MakeGrid();
  Grid->Columns()->Items(1)->SetPictureField(true);
  Grid->SetDefaultRowHeight(30);
  Pump();
  TRendered Shot(Grid);
  std::vector<std::pair<Integer, Integer>> Invalid;
  Grid->OnInvalidPicture = [&](TObject*, Integer C, Integer R) { Invalid.emplace_back(C, R); };
  for (Integer r = 1; r <= 2; ++r) {
    const TRect R = Grid->CellRect(1, r);
    EXPECT_EQ(Shot.Pixel((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2), 0x0000FF) << "row " << r;
  }
  EXPECT_EQ(Cell(1, 1), L"") << "a picture cell draws no placeholder text";
  Grid->GetCellGraphic(1, 3);
  EXPECT_EQ(Invalid, (std::vector<std::pair<Integer, Integer>>{{1, 3}}));
  Source.SetDataSet(&Table);
}

// --- editors -------------------------------------------------------------------------------------

// Asks the editor a cell opens with, as the editing life cycle does.
struct TEditorProbe : TRERorAzaz {
  using TRERorAzaz::TRERorAzaz;
  TEditorType EditorAt(Integer ACol, Integer ARow) {
    TEditorType Editor = edNormal;
    DoGetEditorType(ACol, ARow, Editor);
    return Editor;
  }
};

TEST(DataGridEditors, TheFieldTypeAndTheColumnChooseTheEditor) {
  TMemoryDataSet Table;
  Table.FieldDefs().Add(L"Key", ftAutoInc);
  Table.FieldDefs().Add(L"Count", ftInteger);
  Table.FieldDefs().Add(L"Price", ftFloat);
  Table.FieldDefs().Add(L"Day", ftDate);
  Table.FieldDefs().Add(L"Name", ftString, 10);
  Table.CreateDataSet();
  Table.Append();
  Table.FieldByName(L"Count")->SetAsInteger(1);
  Table.Post();
  TDataSource Source;
  Source.SetDataSet(&Table);
  TTestForm Form(400, 200);
  auto* Grid = new TEditorProbe(Form.Get());
  Grid->SetParent(Form.Get());
  Grid->SetDataSource(&Source);
  Pump();
  struct TCase {
    Integer Col;
    TEditorType ColumnEditor;
    bool ReadOnly;
    TEditorType Expected;
  };
  const TCase Cases[] = {
      {1, edNormal, false, edNone},         // a counter is never edited
      {2, edNormal, false, edNumeric},      // whole numbers
      {2, edSpinEdit, false, edSpinEdit},   // the column's own choice wins
      {3, edNormal, false, edFloat},
      {4, edNormal, false, edDateEdit},
      {5, edNormal, false, edNormal},
      {5, edComboList, false, edComboList},
      {5, edNormal, true, edNone},          // a read-only column
  };
  for (const TCase& C : Cases) {
    Grid->Columns()->Items(C.Col)->SetEditor(C.ColumnEditor);
    Grid->Columns()->Items(C.Col)->SetReadOnly(C.ReadOnly);
    EXPECT_EQ(Grid->EditorAt(C.Col, 1), C.Expected) << "column " << C.Col << ", editor " << int(C.ColumnEditor);
    Grid->Columns()->Items(C.Col)->SetReadOnly(false);
  }
  Table.SetReadOnly(true);
  EXPECT_EQ(Grid->EditorAt(2, 1), edNone) << "a data set that cannot change opens no editor";
}

// Orders whose colour is shown through a lookup of the colour table.
class LookupGridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Colours.FieldDefs().Add(L"Key", ftInteger);
    Colours.FieldDefs().Add(L"Title", ftString, 10);
    Colours.CreateDataSet();
    const wchar_t* Titles[] = {L"Red", L"Green", L"Blue"};
    for (Integer i = 0; i < 3; ++i) {
      Colours.Append();
      Colours.FieldByName(L"Key")->SetAsInteger(10 + i);
      Colours.FieldByName(L"Title")->SetAsString(Titles[i]);
      Colours.Post();
    }
    auto* Id = new TIntegerField(&Orders);
    Id->SetFieldName(L"ColourId");
    Id->SetDataSet(&Orders);
    auto* Shown = new TStringField(&Orders);
    Shown->SetFieldName(L"Colour");
    Shown->SetFieldKind(fkLookup);
    Shown->SetLookupDataSet(&Colours);
    Shown->SetKeyFields(L"ColourId");
    Shown->SetLookupKeyFields(L"Key");
    Shown->SetLookupResultField(L"Title");
    Shown->SetDataSet(&Orders);
    Orders.FieldDefs().Add(L"ColourId", ftInteger);
    Orders.CreateDataSet();
    Orders.Append();
    Orders.FieldByName(L"ColourId")->SetAsInteger(10);
    Orders.Post();
    Source.SetDataSet(&Orders);
    Grid = new TRERorAzaz(Form.Get());
    Grid->SetParent(Form.Get());
    Grid->SetBounds(0, 0, 400, 150);
    Grid->SetOptions(Grid->Options() + goEditing);
    Grid->SetDataSource(&Source);
    Pump();
    Grid->SetFocus();
    Pump();
  }
  // Opens the cell's editor and picks the list item with the given index.
  void Choose(Integer ACol, Integer Index) {
    Grid->SetCol(ACol);
    Pump();
    KeyToFocus(VK_F2);
    Pump();
    ASSERT_TRUE(Grid->Combobox());
    Grid->Combobox()->SetItemIndex(Index);
    KeyToFocus(VK_RETURN);
    Pump();
  }

  TMemoryDataSet Colours;
  TMemoryDataSet Orders;
  TDataSource Source;
  TTestForm Form{420, 200};
  TRERorAzaz* Grid = nullptr;
};

TEST_F(LookupGridTest, ChoosingALookupItemWritesItsKey) {
  EXPECT_EQ(Grid->GetCells(2, 1), L"Red");
  Choose(2, 2);
  EXPECT_EQ(Orders.State(), dsBrowse);
  EXPECT_EQ(Orders.FieldByName(L"ColourId")->AsInteger(), 12);
  EXPECT_EQ(Grid->GetCells(2, 1), L"Blue");
}

TEST_F(LookupGridTest, AComboListOnAnIntegerFieldStoresTheItemsObjectOrItsText) {
  TDBGridColumnItem* Column = Grid->Columns()->Items(1);
  Column->SetEditor(edComboList);
  Column->ComboItems()->AddObject(L"7", reinterpret_cast<TObject*>(intptr_t(70)));
  Column->ComboItems()->AddObject(L"8", reinterpret_cast<TObject*>(intptr_t(80)));
  Choose(1, 1);
  EXPECT_EQ(Orders.FieldByName(L"ColourId")->AsInteger(), 8);
  Column->SetUseComboObjectValue(true);
  Choose(1, 0);
  EXPECT_EQ(Orders.FieldByName(L"ColourId")->AsInteger(), 70);
}

TEST_F(DataGridTest, AWheelNotchMovesOneRecordWithoutRecordNumbers) {
  Fill(30);
  MakeGrid();
  Grid->SetDataSetType(dtNonSequenced);
  Grid->SetDatasetTypeAuto(false);
  const TPoint Screen = Grid->ClientToScreen(TPoint(50, 50));
  for (Integer Notch = 0; Notch < 3; ++Notch)
    SendMessageW(Grid->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-WHEEL_DELTA)), MAKELPARAM(Screen.X, Screen.Y));
  Pump();
  EXPECT_EQ(Current(), L"Name4");
  SendMessageW(Grid->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(WHEEL_DELTA)), MAKELPARAM(Screen.X, Screen.Y));
  Pump();
  EXPECT_EQ(Current(), L"Name3");
  EXPECT_EQ(Cell(2, Grid->Row()), L"Name3");
}

TEST_F(DataGridTest, AFieldTakenFromTheDataSetTakesItsColumnAlong) {
  Table.Close();
  auto* Id = new TIntegerField(&Table);
  Id->SetFieldName(L"Id");
  Id->SetDataSet(&Table);
  auto* Name = new TStringField(&Table);
  Name->SetFieldName(L"Name");
  Name->SetSize(20);
  Name->SetDataSet(&Table);
  Table.FieldDefs().Clear();
  Table.FieldDefs().Add(L"Id", ftInteger);
  Table.FieldDefs().Add(L"Name", ftString, 20);
  Table.CreateDataSet();
  MakeGrid();
  ASSERT_EQ(Grid->ColCount(), 3);
  Table.Close();
  delete Id;
  EXPECT_EQ(Grid->ColCount(), 2);
  EXPECT_EQ(Grid->Columns()->Items(1)->FieldName(), L"Name");
}

TEST_F(DataGridTest, ACalculationOverAllRowsWalksTheDataSetAndComesBack) {
  Fill(30);
  MakeGrid();
  Table.MoveBy(4);
  Pump();
  EXPECT_EQ(Grid->ColumnSum(1, 1, 30), 465.0) << "1 + 2 + ... + 30, most of them never shown";
  EXPECT_EQ(Current(), L"Name5");
  EXPECT_EQ(Grid->Row(), 5);
  EXPECT_EQ(Cell(2, Grid->TopRow()), L"Name" + IntToStr(Grid->TopRow()));
  Grid->SetDataSetType(dtNonSequenced);
  Grid->SetDatasetTypeAuto(false);
  EXPECT_EQ(Grid->ColumnSum(1, 1, 30), 465.0);
  EXPECT_EQ(Current(), L"Name5");
}

TEST_F(DataGridTest, EnterOnAFilledInAppendedRecordPostsIt) {
  Fill(2);
  MakeGrid();
  Grid->SetOptions(Grid->Options() + goEditing);
  Grid->Navigation()->SetAppendOnArrowDown(true);
  Grid->SetCol(2);
  Key(VK_DOWN);
  Key(VK_DOWN);
  ASSERT_EQ(Table.State(), dsInsert);
  TypeToFocus(L"Third");
  Key(VK_RETURN);
  EXPECT_EQ(Table.State(), dsBrowse);
  EXPECT_EQ(Table.RecordCount(), 3);
  Table.Last();
  EXPECT_EQ(Current(), L"Third");
  EXPECT_EQ(Grid->RowCount(), 4);
}

TEST_F(DataGridTest, EscapeOnAnAppendedRecordLeavesNothingPosted) {
  Fill(2);
  MakeGrid();
  Grid->SetOptions(Grid->Options() + goEditing);
  Grid->Navigation()->SetAppendOnArrowDown(true);
  Grid->SetCol(2);
  Key(VK_DOWN);
  Key(VK_DOWN);
  TypeToFocus(L"x");
  Key(VK_ESCAPE);
  Key(VK_ESCAPE);
  EXPECT_EQ(Table.State(), dsBrowse);
  EXPECT_EQ(Table.RecordCount(), 2);
  EXPECT_EQ(Grid->RowCount(), 3);
  Table.First();
  EXPECT_EQ(Current(), L"Name1");
  Table.Next();
  EXPECT_EQ(Current(), L"Name2") << "the dropped text went nowhere else";
}

// --- design time -----------------------------------------------------------------------------------

TEST_F(DataGridTest, AddingAllFieldsBindsOneColumnPerFieldAfterTheIndicator) {
  Fill(1);
  MakeGrid();
  Grid->SetDataSource(nullptr);
  Grid->SetColCount(8);
  Grid->SetDataSource(&Source);
  Grid->AddAllFields();
  EXPECT_EQ(Grid->Columns()->Count(), 5);
  EXPECT_EQ(Grid->Columns()->Items(0)->FieldName(), L"");
  EXPECT_EQ(Grid->Columns()->Items(1)->FieldName(), L"Id");
  EXPECT_EQ(Grid->Columns()->Items(4)->FieldName(), L"Notes");
}

TEST_F(DataGridTest, TheQuickConfigPanelTakesClicksOnItsLinesAtDesignTime) {
  TMessageBoxRecorder Boxes;
  Grid = new TRERorAzaz(Form.Get());
  Grid->SetDesigning(true);
  Grid->SetParent(Form.Get());
  Grid->SetBounds(0, 0, 400, 200);
  Pump();
  // The first line sits one text line below the panel's title.
  TBitmap Measure;
  Measure.SetSize(1, 1);
  Measure.Canvas()->Font()->SetName(L"Tahoma");
  Measure.Canvas()->Font()->SetSize(8);
  const Integer H = Measure.Canvas()->TextHeight(L"gh");
  const TRect R = Grid->ClientRect();
  const TPoint FirstLine(R.Right - 140, R.Bottom - 64 + H + H / 2);
  auto HitTest = [&](TPoint P) { return Grid->Perform(CM_DESIGNHITTEST, 0, MAKELPARAM(P.X, P.Y)); };
  EXPECT_EQ(HitTest(FirstLine), 1);
  EXPECT_EQ(HitTest(TPoint(R.Right - 140, R.Bottom - 66)), 0) << "the title is no choice";
  EXPECT_EQ(HitTest(TPoint(R.Right - 160, FirstLine.Y)), 0) << "left of the panel";
  TRendered Shot(Grid);
  EXPECT_EQ(Shot.Pixel(R.Right - 5, R.Bottom - 5), ColorToRGB(clInfoBk));
  Grid->DesignHelperClick(FirstLine.X, FirstLine.Y);
  ASSERT_EQ(Boxes.Boxes().size(), 1u);
  EXPECT_EQ(Boxes.Boxes()[0].Text, L"Cannot add fields. No datasource assigned");
}

TEST_F(DataGridTest, TheApplicationMayGiveTheRecordCount) {
  Fill(12);
  Grid = new TRERorAzaz(Form.Get());
  Grid->OnGetRecordCount = [](TObject*, Integer& Count) { Count = 7; };
  Grid->SetParent(Form.Get());
  Grid->SetBounds(0, 0, 500, 200);
  Grid->SetDataSource(&Source);
  Pump();
  EXPECT_EQ(Grid->RowCount(), 8);
}

TEST_F(DataGridTest, AnHTMLTemplateNamesFieldsOfTheRowsRecord) {
  Fill(3);
  MakeGrid();
  Grid->Columns()->Items(4)->SetHTMLTemplate(L"<b><#Name></b> #<#Id>, <#Notes>");
  std::vector<String> Asked;
  Grid->OnGetHTMLTemplateData = [&](TObject*, Integer, Integer, const String& Name, String& Data) {
    Asked.push_back(Name);
    if (Name == L"Id") Data = L"[" + Data + L"]";
  };
  EXPECT_EQ(Cell(4, 2), L"<b>Name2</b> #[2], (MEMO)");
  EXPECT_EQ(Asked, (std::vector<String>{L"Name", L"Id", L"Notes"}));
}

TEST_F(DataGridTest, ClickingTheRecordIndicatorMovesToThatRecord) {
  Fill(10);
  MakeGrid();
  const TRect R = Grid->CellRect(0, 4);
  Click(Grid, R.Left + 5, R.Top + 5);
  Pump();
  EXPECT_EQ(Current(), L"Name4");
  EXPECT_EQ(Grid->Row(), 4);
}

TEST_F(DataGridTest, AColumnsMenuPopsUpBelowTheCellItsClickKindNames) {
  Fill(3);
  MakeGrid();
  auto* Menu = new TPopupMenu(Form.Get());  // without items it shows nothing and returns at once
  std::vector<TPoint> Shown;
  Menu->OnPopup = [&](TObject*) { Shown.push_back(Menu->PopupPoint()); };
  std::vector<std::pair<Integer, Integer>> Asked;
  Grid->OnColumnPopup = [&](TObject*, Integer C, Integer R, TPopupMenu*) { Asked.emplace_back(C, R); };
  TDBGridColumnItem* Column = Grid->Columns()->Items(2);
  Column->SetColumnPopup(Menu);
  Column->SetColumnPopupType(cpNormalCellsRClick);
  const TRect Header = Grid->CellRect(2, 0), Data = Grid->CellRect(2, 2);
  MouseDown(Grid, Header.Left + 5, Header.Top + 5, mbRight);
  MouseUp(Grid, Header.Left + 5, Header.Top + 5, mbRight);
  Pump();
  EXPECT_TRUE(Shown.empty()) << "a data-cell menu does not pop up on the header";
  Click(Grid, Data.Left + 5, Data.Top + 5);
  Pump();
  EXPECT_TRUE(Shown.empty()) << "nor on a left click";
  MouseDown(Grid, Data.Left + 5, Data.Top + 5, mbRight);
  MouseUp(Grid, Data.Left + 5, Data.Top + 5, mbRight);
  Pump();
  ASSERT_EQ(Shown.size(), 1u);
  EXPECT_EQ(Shown[0], Grid->ClientToScreen(TPoint(Data.Left, Data.Bottom)));
  EXPECT_EQ(Asked, (std::vector<std::pair<Integer, Integer>>{{2, 0}, {2, 2}}));
}

TEST_F(DataGridTest, ReorderingItemsAtDesignTimeKeepsEachWidthWithItsItem) {
  Grid = new TRERorAzaz(Form.Get());
  Grid->SetDesigning(true);
  Grid->SetParent(Form.Get());
  Grid->SetColCount(3);
  Grid->Columns()->Items(1)->SetWidth(60);
  Grid->Columns()->Items(2)->SetWidth(90);
  Grid->Columns()->Items(1)->SetHeader(L"Sixty");
  Grid->Columns()->Items(1)->SetIndex(2);
  EXPECT_EQ(Grid->Columns()->Items(2)->Header(), L"Sixty");
  EXPECT_EQ(Grid->Columns()->Items(2)->Width(), 60);
  EXPECT_EQ(Grid->Columns()->Items(1)->Width(), 90);
}

}  // namespace
}  // namespace jorv::grid
