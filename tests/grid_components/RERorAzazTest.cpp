// The data-aware grid over an in-memory data set: rows standing for the
// records around the current one, keys and clicks that move the data set,
// editing, posting, inserting and deleting records, the record indicator,
// field columns and blob pictures.
#include <gtest/gtest.h>

#include "grid/components/BlobPicture.h"
#include "grid/components/RERorAzaz.h"
#include "platform/data/data.h"
#include "platform/gfx/Picture.h"
#include "platform/gfx/WICImage.h"
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
  EXPECT_EQ(Table.State(), dsEdit) << "opening the editor starts the edit";
  Key('A', {ssCtrl});
  TypeToFocus(L"Renamed");
  Pump();
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

}  // namespace
}  // namespace jorv::grid
