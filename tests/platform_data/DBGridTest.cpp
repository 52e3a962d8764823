// The data grid on the display: rows from the link's window, the cursor
// followed both ways, the record indicator, keys that insert and delete,
// and editing only when the options allow it.
#include <gtest/gtest.h>
#include "platform/data/data.h"
#include "platform/rtl/DateUtils.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::test;

namespace {

void SendKey(Word Key, TShiftState Shift = {}) { KeyToFocus(Key, Shift); }
void Type(const String& Text) { TypeToFocus(Text); }

// The holiday list as the dialog shows it: a date column of default width
// and a text column 229 pixels wide.
struct TGridFixture : ::testing::Test {
  TMemoryDataSet Table;
  TDataSource Source;
  TField* Datum = nullptr;
  TField* Text = nullptr;
  TTestForm Form{420, 200};
  TDBGrid* Grid = nullptr;
  TEdit* Other = nullptr;
  // The texts the grid asked the text field for, in painting order (row
  // by row from the top).
  std::vector<String> Shown;

  void SetUp() override {
    Table.FieldDefs().Add(L"Datum", ftDateTime);
    Table.FieldDefs().Add(L"Tagestext", ftWideString, 30);
    Table.CreateDataSet();
    Source.SetDataSet(&Table);
    Datum = Table.FieldByName(L"Datum");
    Text = Table.FieldByName(L"Tagestext");
    for (int I = 1; I <= 20; ++I) {
      Table.Append();
      Datum->SetAsDateTime(EncodeDate(2016, 1, I));
      Text->SetAsString(L"T" + std::to_wstring(I));
      Table.Post();
    }
    Table.First();
    Text->OnGetText = [this](TField* F, String& T, bool) {
      T = F->AsString();
      Shown.push_back(T);
    };
    Other = new TEdit(Form.Get());
    Other->SetParent(Form.Get());
    Other->SetBounds(0, 180, 100, 20);
    Grid = new TDBGrid(Form.Get());
    Grid->SetParent(Form.Get());
    Grid->SetBounds(0, 0, 420, 170);
    Grid->SetBorderStyle(bsNone);  // client and rendering share their origin
    Grid->Columns()->Add()->SetFieldName(L"Datum");
    TColumn* C = Grid->Columns()->Add();
    C->SetFieldName(L"Tagestext");
    C->SetWidth(229);
    Grid->SetDataSource(&Source);
    Pump(10);
    Grid->SetFocus();
    Pump(10);
  }

  std::vector<String> Paint() {
    Shown.clear();
    TRendered R(Grid);
    return Shown;
  }
  static std::vector<String> Texts(int From, int Count) {
    std::vector<String> R;
    for (int I = From; I < From + Count; ++I) R.push_back(L"T" + std::to_wstring(I));
    return R;
  }
  TPoint Inside(Integer ACol, Integer ARow) {
    TRect R = Grid->CellRect(ACol, ARow);
    return {R.Left + R.Width() / 2, R.Top + R.Height() / 2};
  }
  // The rows whose indicator cell holds a mark.
  std::vector<Integer> MarkedRows() {
    TRendered R(Grid);
    std::vector<Integer> Rows;
    for (Integer Row = Grid->FixedRows(); Row < Grid->RowCount(); ++Row) {
      TRect C = Grid->CellRect(0, Row);
      bool Any = false;
      for (Integer Y = C.Top; Y < C.Bottom && !Any; ++Y)
        for (Integer X = C.Left; X < C.Right && !Any; ++X) Any = R.Pixel(X, Y) == clBlack;
      if (Any) Rows.push_back(Row);
    }
    return Rows;
  }
};

TEST_F(TGridFixture, ShowsTheRecordsOfItsWindowAndFollowsTheDataSet) {
  Integer Rows = Grid->RowCount() - Grid->FixedRows();
  ASSERT_GT(Rows, 3);
  ASSERT_LT(Rows, 20);
  EXPECT_EQ(Grid->DataLink()->BufferCount(), Rows);
  EXPECT_EQ(Paint(), Texts(1, Rows));
  EXPECT_EQ(MarkedRows(), std::vector<Integer>{1});

  Table.MoveBy(2);
  EXPECT_EQ(Grid->Row(), 3);
  EXPECT_EQ(MarkedRows(), std::vector<Integer>{3});
  Table.Last();
  EXPECT_EQ(Grid->Row(), Grid->RowCount() - 1);
  EXPECT_EQ(Paint(), Texts(21 - Rows, Rows));
  Table.First();
  EXPECT_EQ(Grid->Row(), 1);
  EXPECT_EQ(Paint(), Texts(1, Rows));

  // The window grows and shrinks with the grid.
  Grid->SetHeight(300);
  Pump(10);
  EXPECT_GT(Grid->DataLink()->BufferCount(), Rows);
  EXPECT_EQ(Grid->RowCount() - Grid->FixedRows(), Grid->DataLink()->BufferCount());
  EXPECT_EQ(Grid->TopRow(), Grid->FixedRows());
  EXPECT_EQ(Grid->Row(), Grid->FixedRows() + Table.RecNo() - 1);
  Grid->SetHeight(170);
  Pump(10);
  EXPECT_EQ(Grid->DataLink()->BufferCount(), Rows);

  // A window wider than the records: one row per record, none empty.
  Table.SetFilter(L"Tagestext = 'T1*'");
  Table.SetFiltered(true);
  EXPECT_EQ(Grid->RowCount(), Grid->FixedRows() + std::min<Integer>(Rows, 11));
  Table.SetFiltered(false);
  Table.Close();
  EXPECT_EQ(Paint(), std::vector<String>{});
  EXPECT_EQ(Grid->RowCount(), Grid->FixedRows() + 1);
}

TEST_F(TGridFixture, KeysMouseAndWheelMoveTheDataSet) {
  Integer Rows = Grid->RowCount() - Grid->FixedRows();
  struct Step {
    const char* What;
    std::function<void()> Act;
    Integer RecNo;
  } Steps[] = {
      {"down", [] { SendKey(VK_DOWN); }, 2},
      {"down again", [] { SendKey(VK_DOWN); }, 3},
      {"up", [] { SendKey(VK_UP); }, 2},
      {"page down", [] { SendKey(VK_NEXT); }, 2 + Rows},
      {"page up", [] { SendKey(VK_PRIOR); }, 2},
      {"ctrl+end", [] { SendKey(VK_END, {ssCtrl}); }, 20},
      {"up past the window", [] { SendKey(VK_UP); }, 19},
      {"ctrl+home", [] { SendKey(VK_HOME, {ssCtrl}); }, 1},
      {"up at the start", [] { SendKey(VK_UP); }, 1},
      {"click on the third row", [this] { Click(Grid, Inside(2, 3).X, Inside(2, 3).Y); }, 3},
      {"click on an indicator", [this] { Click(Grid, Inside(0, 2).X, Inside(0, 2).Y); }, 2},
      {"wheel down", [this] { Grid->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<Word>(-WHEEL_DELTA)), 0); }, 3},
      {"scroll bar to the bottom", [this] { Grid->Perform(WM_VSCROLL, SB_BOTTOM, 0); }, 20},
      {"scroll bar one line up", [this] { Grid->Perform(WM_VSCROLL, SB_LINEUP, 0); }, 19},
  };
  for (auto& S : Steps) {
    SCOPED_TRACE(S.What);
    S.Act();
    Pump(5);
    EXPECT_EQ(Table.RecNo(), S.RecNo);
    EXPECT_EQ(Grid->Row(), Grid->FixedRows() + Grid->DataLink()->ActiveRecord());
  }
  EXPECT_EQ(Grid->Col(), 2);  // the click chose the text column; rows kept it
}

TEST_F(TGridFixture, TheIndicatorShowsTheState) {
  auto Mark = [this] {
    TRendered R(Grid);
    TRect C = Grid->CellRect(0, Grid->Row());
    std::vector<TPoint> Black;
    for (Integer Y = C.Top; Y < C.Bottom; ++Y)
      for (Integer X = C.Left; X < C.Right; ++X)
        if (R.Pixel(X, Y) == clBlack) Black.push_back({X, Y});
    return Black;
  };
  // The longest run of marked pixels along a row (Horizontal) or a column.
  auto Run = [](const std::vector<TPoint>& Pts, bool Horizontal) {
    Integer Best = 0;
    for (const TPoint& P : Pts) {
      Integer N = 0;
      for (const TPoint& Q : Pts)
        if (Horizontal ? Q.Y == P.Y : Q.X == P.X) ++N;
      Best = std::max(Best, N);
    }
    return Best;
  };
  std::vector<TPoint> Browse = Mark();
  Table.Edit();
  std::vector<TPoint> Edit = Mark();
  Table.Cancel();
  Table.Insert();
  std::vector<TPoint> Insert = Mark();
  Table.Cancel();
  ASSERT_FALSE(Browse.empty());
  ASSERT_FALSE(Edit.empty());
  ASSERT_FALSE(Insert.empty());
  // The arrow is solid and widest at its base on the left.
  Integer MinX = Browse[0].X, Left = 0, Right = 0;
  for (auto& P : Browse) MinX = std::min(MinX, P.X);
  for (auto& P : Browse) (P.X <= MinX + 2 ? Left : Right)++;
  EXPECT_GT(Left, Right / 2);
  EXPECT_GE(Run(Browse, false), 9);
  // The I-beam stands tall; the asterisk has a bar across.
  EXPECT_GE(Run(Edit, false), 8);
  EXPECT_GE(Run(Edit, false), 2 * Run(Edit, true));
  EXPECT_GE(Run(Insert, true), 6);
  EXPECT_GT(Run(Insert, true), Run(Insert, false));
  EXPECT_EQ(MarkedRows().size(), 1u);
}

TEST_F(TGridFixture, EditsCellsOnlyWithTheEditingOption) {
  TDBGridOptions NoEditing = Grid->Options() - dgEditing;
  Grid->SetOptions(NoEditing);
  Grid->SetFocus();
  Click(Grid, Inside(2, 1).X, Inside(2, 1).Y);
  for (Word K : {VK_F2, VK_RETURN}) SendKey(K);
  Type(L"xy");
  Click(Grid, Inside(2, 1).X, Inside(2, 1).Y);
  Type(L"z");
  EXPECT_EQ(Table.State(), dsBrowse);
  EXPECT_FALSE(Grid->InplaceEditor() && Grid->InplaceEditor()->EditVisible());
  EXPECT_EQ(Text->AsString(), L"T1");

  Grid->SetOptions(NoEditing + dgEditing);
  Type(L"Neu");
  EXPECT_EQ(Table.State(), dsEdit);
  SendKey(VK_DOWN);  // leaving the record writes and posts it
  EXPECT_EQ(Table.State(), dsBrowse);
  EXPECT_EQ(Table.RecNo(), 2);
  Table.First();
  EXPECT_EQ(Text->AsString(), L"Neu");

  // Escape in the editor gives back the text, a second Escape the record.
  Type(L"Alt");
  SendKey(VK_ESCAPE);
  SendKey(VK_ESCAPE);
  EXPECT_EQ(Table.State(), dsBrowse);
  EXPECT_EQ(Text->AsString(), L"Neu");

  // A value the field refuses is reported and stays in the cell; the
  // record stays open.
  TMessageBoxRecorder Boxes;
  Grid->SetCol(1);
  Type(L"kein Datum");
  SendKey(VK_RETURN);
  ASSERT_EQ(Boxes.Boxes().size(), 1u);
  EXPECT_EQ(Boxes.Boxes()[0].Text, L"'kein Datum' is not a valid date and time.");
  EXPECT_EQ(Table.State(), dsEdit);
  EXPECT_EQ(Datum->AsDateTime(), EncodeDate(2016, 1, 1));
  SendKey(VK_DOWN);
  EXPECT_EQ(Boxes.Boxes().size(), 2u);
  EXPECT_EQ(Table.RecNo(), 1);
  Table.Cancel();

  Grid->Columns()->Items(1)->SetReadOnly(true);
  Grid->SetCol(2);
  Type(L"q");
  EXPECT_EQ(Table.State(), dsBrowse);
}

TEST_F(TGridFixture, SelectionShowsWithoutTheFocusOnlyWhenAsked) {
  Grid->SetColor(clWhite);
  Other->SetFocus();
  Pump(10);
  TRect C = Grid->CellRect(Grid->Col(), Grid->Row());
  TPoint Blank{C.Right - 4, C.Top + C.Height() / 2};  // right of the text
  struct {
    bool Always;
    TColor Expected;
  } Cases[] = {{false, clWhite}, {true, ColorToRGB(clHighlight)}};
  for (auto& K : Cases) {
    SCOPED_TRACE(K.Always);
    Grid->SetOptions(K.Always ? Grid->Options() + dgAlwaysShowSelection : Grid->Options() - dgAlwaysShowSelection);
    TRendered R(Grid);
    EXPECT_EQ(R.Pixel(Blank.X, Blank.Y), K.Expected);
  }
}

TEST_F(TGridFixture, NumberCellsTakeOnlyWhatTheFieldAccepts) {
  TMemoryDataSet Numbers;
  Numbers.FieldDefs().Add(L"N", ftInteger);
  Numbers.CreateDataSet();
  Numbers.Append();
  Numbers.FieldByName(L"N")->SetAsInteger(5);
  Numbers.Post();
  TDataSource NumberSource;
  NumberSource.SetDataSet(&Numbers);
  TMessageBoxRecorder Boxes;  // a refused value would be reported, not typed
  Grid->Columns()->Clear();
  Grid->SetDataSource(&NumberSource);
  Grid->SetFocus();
  Pump(10);
  Type(L"1x2");
  SendKey(VK_RETURN);
  EXPECT_EQ(Numbers.State(), dsEdit);
  EXPECT_EQ(Numbers.FieldByName(L"N")->AsInteger(), 12);
  EXPECT_TRUE(Boxes.Boxes().empty());
  Grid->SetDataSource(nullptr);
}

TEST_F(TGridFixture, CtrlDeleteAsksFirst) {
  TMessageBoxRecorder Boxes(IDCANCEL);
  SendKey(VK_DOWN);
  SendKey(VK_DELETE, {ssCtrl});
  ASSERT_EQ(Boxes.Boxes().size(), 1u);
  EXPECT_EQ(Boxes.Boxes()[0].Text, L"Delete record?");
  EXPECT_EQ(Table.RecordCount(), 20);
  Boxes.SetAnswer(IDOK);
  SendKey(VK_DELETE, {ssCtrl});
  EXPECT_EQ(Table.RecordCount(), 19);
  EXPECT_EQ(Text->AsString(), L"T3");
  EXPECT_EQ(Grid->Row(), Grid->FixedRows() + Grid->DataLink()->ActiveRecord());
  SendKey(VK_DELETE);  // Delete alone deletes nothing
  Grid->SetOptions(Grid->Options() - dgConfirmDelete);
  SendKey(VK_DELETE, {ssCtrl});
  EXPECT_EQ(Boxes.Boxes().size(), 2u);
  EXPECT_EQ(Table.RecordCount(), 18);
  EXPECT_EQ(Text->AsString(), L"T4");
}

TEST_F(TGridFixture, InsertAddsARowThatLeavingDropsWhenUntouched) {
  SendKey(VK_DOWN);
  Integer RowsBefore = Grid->RowCount();
  SendKey(VK_INSERT);
  ASSERT_EQ(Table.State(), dsInsert);
  EXPECT_EQ(Grid->Row(), 2);
  EXPECT_EQ(Paint()[1], L"");  // the new, empty record in the second row
  EXPECT_LE(Grid->RowCount(), RowsBefore + 1);
  Other->SetFocus();  // dgCancelOnExit: the untouched record goes
  Pump(10);
  EXPECT_EQ(Table.State(), dsBrowse);
  EXPECT_EQ(Table.RecordCount(), 20);

  Grid->SetOptions(Grid->Options() - dgCancelOnExit);
  Grid->SetFocus();
  Pump(10);
  SendKey(VK_INSERT);
  Other->SetFocus();
  Pump(10);
  EXPECT_EQ(Table.State(), dsInsert);
  Grid->SetFocus();
  Pump(10);
  SendKey(VK_DOWN);  // the data set's own rule drops it when the row is left
  EXPECT_EQ(Table.State(), dsBrowse);
  EXPECT_EQ(Table.RecordCount(), 20);

  Table.SetReadOnly(true);
  SendKey(VK_INSERT);
  EXPECT_EQ(Table.State(), dsBrowse);
}

TEST_F(TGridFixture, ColumnsTitlesAndTheirDefaults) {
  TColumn* Date = Grid->Columns()->Items(0);
  TColumn* Note = Grid->Columns()->Items(1);
  EXPECT_EQ(Grid->ColCount(), 3);
  EXPECT_EQ(Grid->GetColWidths(2), 229);
  EXPECT_EQ(Grid->GetColWidths(1), Date->Width());
  EXPECT_GT(Date->Width(), 40);  // ten digits' room for the date
  EXPECT_FALSE(Date->IsWidthStored());
  EXPECT_EQ(Note->Title()->Caption(), L"Tagestext");
  Text->SetDisplayLabel(L"Text");
  EXPECT_EQ(Note->Title()->Caption(), L"Text");
  Note->Title()->SetCaption(L"Feiertag");
  EXPECT_EQ(Note->Title()->Caption(), L"Feiertag");

  Grid->SetColWidths(1, 90);  // as a drag of the column's edge ends
  EXPECT_TRUE(Date->IsWidthStored());
  EXPECT_EQ(Date->Width(), 90);

  Date->SetVisible(false);
  EXPECT_EQ(Grid->ColCount(), 2);
  EXPECT_EQ(Grid->GetColWidths(1), 229);
  Date->SetVisible(true);
  EXPECT_EQ(Grid->GetColWidths(1), 90);

  // A field asking for the focus gets its column.
  Other->SetFocus();
  Pump(10);
  Text->FocusControl();
  Pump(10);
  EXPECT_EQ(GetFocus(), Grid->Handle());
  EXPECT_EQ(Grid->Col(), 2);

  // Without titles and indicator every row and column holds data.
  Grid->SetOptions(Grid->Options() - dgTitles - dgIndicator);
  EXPECT_EQ(Grid->FixedRows(), 0);
  EXPECT_EQ(Grid->FixedCols(), 0);
  EXPECT_EQ(Grid->Row(), 0);
  EXPECT_EQ(Paint().front(), L"T1");

  // A grid without columns of its own shows every visible field, and only
  // while the data set is open.
  TDBGrid* Plain = new TDBGrid(Form.Get());
  Plain->SetParent(Form.Get());
  Datum->SetVisible(false);
  Plain->SetDataSource(&Source);
  ASSERT_EQ(Plain->Columns()->Count(), 1);
  EXPECT_EQ(Plain->Columns()->Items(0)->FieldName(), L"Tagestext");
  Table.Close();
  EXPECT_EQ(Plain->Columns()->Count(), 0);
  EXPECT_EQ(Grid->Columns()->Count(), 2);

  // A data source that goes first leaves the grid empty, not dangling.
  Table.Open();
  {
    TDataSource Short;
    Short.SetDataSet(&Table);
    Plain->SetDataSource(&Short);
    EXPECT_EQ(Plain->Columns()->Count(), 2);  // the reopened set made its fields anew
  }
  EXPECT_EQ(Plain->DataSource(), nullptr);
  EXPECT_EQ(Plain->Columns()->Count(), 0);
  TRendered R(Plain);
}

TEST_F(TGridFixture, MultiSelectPicksRecordsByBookmark) {
  Grid->SetOptions(Grid->Options() + dgMultiSelect);
  SendKey(VK_DOWN, {ssShift});
  SendKey(VK_DOWN, {ssShift});
  EXPECT_EQ(Grid->SelectedRows().size(), 3u);
  auto CtrlClick = [this](Integer ARow) {
    TPoint P = Inside(2, ARow);
    PostMessageW(Grid->Handle(), WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, MAKELPARAM(P.X, P.Y));
    PostMessageW(Grid->Handle(), WM_LBUTTONUP, MK_CONTROL, MAKELPARAM(P.X, P.Y));
    Pump(10);
  };
  CtrlClick(6);
  EXPECT_EQ(Table.RecNo(), 6);
  EXPECT_EQ(Grid->SelectedRows().size(), 4u);
  EXPECT_TRUE(Grid->IsRowSelected());
  CtrlClick(2);
  EXPECT_EQ(Grid->SelectedRows().size(), 3u);
  EXPECT_FALSE(Grid->IsRowSelected());
  SendKey(VK_DOWN);  // a plain move forgets the pick
  EXPECT_TRUE(Grid->SelectedRows().empty());
}

}  // namespace
