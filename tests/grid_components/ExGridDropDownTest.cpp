// The grid drop-down: its items in the pop-up's grid, look-ahead and
// completion in the closed edit, the keys that step through the rows,
// choosing a row in the open pop-up by keys and clicks, narrowing the
// rows down while typing, and closing with and without cancelling.
#include <gtest/gtest.h>

#include "grid/components/ExGridDropDown.h"
#include "platform/gfx/ImageList.h"
#include "tests/support/ui/Gui.h"

// Inside the grid's namespace its own column and item classes are the
// ones meant, not the multi-column drop-down's of the same names.
namespace jorv::grid {
using namespace jorv::test;

namespace {

class ExGridDropDownTest : public ::testing::Test {
 protected:
  ExGridDropDownTest() {
    Box = new TCustomExGridDropDown(Form.Get());
    Box->SetParent(Form.Get());
    Box->SetBounds(40, 20, 200, 24);
    Box->OnSelect = [this](TObject*) { ++Selects; };
    Pump();
  }
  // One column of names, and a second of kinds when given.
  void Fill(std::initializer_list<const wchar_t*> Names, const wchar_t* Kind = nullptr) {
    Box->Columns()->Clear();
    Box->Columns()->Add()->SetHeader(L"Name");
    if (Kind) Box->Columns()->Add()->SetHeader(L"Kind");
    Box->BeginUpdate();
    Box->Items()->Clear();
    for (const wchar_t* Name : Names) {
      TDropDownItem* Item = Box->Items()->Add();
      Item->Text()->Add(Name);
      if (Kind) Item->Text()->Add(Kind);
    }
    Box->EndUpdate();
  }
  bool PopupShown() { return IsWindowVisible(Box->DropDownForm()->Handle()); }
  void Open() {
    Box->ShowDropDown();
    Pump();
    ASSERT_TRUE(PopupShown());
  }
  // A key as the keyboard gives it: down, the character it makes, up.
  void Stroke(HWND Window, Word Key) {
    const LPARAM Scan = LPARAM(MapVirtualKeyW(Key, 0)) << 16;
    PostMessageW(Window, WM_KEYDOWN, Key, 1 | Scan);
    Pump();
    PostMessageW(Window, WM_KEYUP, Key, 1 | Scan | 0xC0000000);
    Pump();
  }
  void Stroke(Word Key) { Stroke(Box->Handle(), Key); }
  TPoint RowCentre(Integer Row) {
    const TRect R = Box->GetGrid()->CellRect(0, Row);
    return TPoint(R.Left + 10, R.Top + R.Height() / 2);
  }

  TTestForm Form{420, 360};
  TCustomExGridDropDown* Box = nullptr;
  Integer Selects = 0;
};

TEST(DropDownItems, AssignCopiesTextsImageAndEveryColumnSetting) {
  TDropDownItems From(nullptr), To(nullptr);
  TDropDownItem* Item = From.Add();
  Item->Text()->Add(L"Apple");
  Item->Text()->Add(L"Fruit");
  Item->SetImageIndex(3);
  To.Assign(&From);
  ASSERT_EQ(To.Count(), 1);
  EXPECT_EQ(To.Items(0)->ImageIndex(), 3);
  EXPECT_EQ(To.Items(0)->Text()->Count(), 2);
  EXPECT_EQ(To.Items(0)->TextOf(1), L"Fruit");
  EXPECT_EQ(To.Items(0)->TextOf(2), L"") << "an item with fewer texts reads as empty";

  TDropDownColumns Columns(nullptr), Copied(nullptr);
  TDropDownColumn* Column = Columns.Add();
  EXPECT_EQ(Column->Width(), 80);
  EXPECT_EQ(Column->Color(), TColor(0xFFFFFF));
  Column->SetWidth(120);
  Column->SetHeader(L"Name");
  Column->SetAlignment(taCenter);
  Column->SetColor(0x00FF00);
  Column->SetColumnType(ctImage);
  Column->SetEllipsis(true);
  Column->SetWordwrap(true);
  Column->SetAutoSize(true);
  Column->Font()->SetName(L"Tahoma");
  Copied.Assign(&Columns);
  TDropDownColumn* C = Copied.Items(0);
  EXPECT_EQ(C->Width(), 120);
  EXPECT_EQ(C->Header(), L"Name");
  EXPECT_EQ(C->Alignment(), taCenter);
  EXPECT_EQ(C->Color(), TColor(0x00FF00));
  EXPECT_EQ(C->ColumnType(), ctImage);
  EXPECT_TRUE(C->Ellipsis() && C->Wordwrap() && C->AutoSize());
  EXPECT_EQ(C->Font()->Name(), L"Tahoma");
}

TEST_F(ExGridDropDownTest, StartsWithItsOwnDefaults) {
  EXPECT_EQ(Box->GetVersionNr(), Cardinal(0x06000201));
  EXPECT_EQ(Box->ItemIndex(), -1);
  EXPECT_EQ(Box->DropDownRowHeight(), 22);
  EXPECT_EQ(Box->LineColor(), TColor(0xF1EDEB));
  EXPECT_EQ(Box->FixedLineColor(), TColor(0xD1BBA4));
  EXPECT_EQ(Box->HeaderHeight(), 25);
  EXPECT_EQ(Box->DropDownHeight(), 200);
  EXPECT_EQ(Box->Navigation()->HomeEndKey(), heFirstLastRow);
  EXPECT_TRUE(Box->UseItems() && Box->RowSelect() && Box->AutoSizeColumns());
  ASSERT_NE(Box->GetGrid(), nullptr);
  EXPECT_EQ(Box->GetGrid()->FixedRows(), 1);
  EXPECT_TRUE(Box->GetGrid()->FixedRowAlways());
  EXPECT_EQ(Box->GetItemCount(), 0);
}

TEST_F(ExGridDropDownTest, OpeningFillsTheGridWithItemIndexesAndWholeRows) {
  Fill({L"Apple", L"Banana", L"Cherry"}, L"Fruit");
  Box->SetItemIndex(1);
  EXPECT_EQ(Box->Text(), L"Banana");
  Open();
  TExColGrid* Grid = Box->GetGrid();
  EXPECT_EQ(Box->DropDownForm()->Height(), 185) << "header 25 and seven rows of 22 from 200";
  ASSERT_EQ(Grid->RowCount(), 4);
  ASSERT_EQ(Grid->ColCount(), 2);
  EXPECT_EQ(Grid->GetCells(0, 0), L"Name");
  EXPECT_EQ(Grid->GetCells(1, 0), L"Kind");
  EXPECT_EQ(Grid->GetCells(0, 3), L"Cherry");
  EXPECT_EQ(Grid->GetCells(1, 3), L"Fruit");
  EXPECT_EQ(reinterpret_cast<intptr_t>(Grid->GetObjects(0, 0)), -1);
  EXPECT_EQ(reinterpret_cast<intptr_t>(Grid->GetObjects(1, 0)), -1);
  for (Integer Row = 1; Row <= 3; ++Row) EXPECT_EQ(reinterpret_cast<intptr_t>(Grid->GetObjects(0, Row)), Row - 1);
  EXPECT_EQ(Grid->Row(), 2) << "the chosen item's row";
  EXPECT_EQ(Grid->GetRowHeights(0), 25);
  EXPECT_EQ(Grid->GetRowHeights(1), 22);
  EXPECT_EQ(GetFocus(), Grid->Handle());
  Box->HideDropDown(true);
}

TEST_F(ExGridDropDownTest, AClickedRowIsChosenAndClosesThePopup) {
  Fill({L"Apple", L"Banana", L"Cherry"});
  Open();
  TExColGrid* Grid = Box->GetGrid();
  const TPoint P = RowCentre(3);
  MouseDown(Grid, P.X, P.Y, mbRight);
  MouseUp(Grid, P.X, P.Y, mbRight);
  Pump();
  EXPECT_TRUE(PopupShown()) << "a right click chooses nothing";
  EXPECT_EQ(Selects, 0);
  Click(Grid, P.X, P.Y);
  Pump();
  EXPECT_FALSE(PopupShown());
  EXPECT_EQ(Box->ItemIndex(), 2);
  EXPECT_EQ(Box->Text(), L"Cherry");
  EXPECT_EQ(Selects, 1);
}

TEST_F(ExGridDropDownTest, EnterChoosesTabDoesNothingEscapeRestores) {
  Fill({L"Apple", L"Banana", L"Cherry", L"Damson"});
  Box->SetItemIndex(0);
  Open();
  HWND Grid = Box->GetGrid()->Handle();
  Stroke(Grid, VK_DOWN);
  EXPECT_EQ(Box->ItemIndex(), 1) << "the row follows the keys";
  Stroke(Grid, VK_TAB);
  EXPECT_TRUE(PopupShown());
  EXPECT_EQ(Box->GetGrid()->Row(), 2);
  Stroke(Grid, VK_ESCAPE);
  EXPECT_FALSE(PopupShown());
  EXPECT_EQ(Box->ItemIndex(), 0);
  EXPECT_EQ(Box->Text(), L"Apple");
  Open();
  Stroke(Grid, VK_DOWN);
  Stroke(Grid, VK_DOWN);
  Stroke(Grid, VK_RETURN);
  EXPECT_FALSE(PopupShown());
  EXPECT_EQ(Box->ItemIndex(), 2);
  EXPECT_EQ(Box->Text(), L"Cherry") << "Enter's character was typed into nothing";
  EXPECT_EQ(Selects, 1);
}

TEST_F(ExGridDropDownTest, ClosingWithoutCancelKeepsTheRowChosenByKeys) {
  Fill({L"Apple", L"Banana", L"Cherry"});
  Open();
  Stroke(Box->GetGrid()->Handle(), VK_DOWN);
  Box->HideDropDown(false);
  EXPECT_EQ(Box->ItemIndex(), 1);
  EXPECT_EQ(Box->Text(), L"Banana");
  EXPECT_EQ(Selects, 0);
}

TEST_F(ExGridDropDownTest, TypingInTheClosedEditLooksAhead) {
  struct TCase {
    bool CaseSensitive;
    TDropDownStyle Style;
    const wchar_t* Typed;
    const wchar_t* Text;
    Integer SelStart, SelLength, Index;
  };
  const TCase Cases[] = {
      {false, dsDropDown, L"b", L"banana", 1, 5, 1},
      {true, dsDropDown, L"b", L"banana", 1, 5, 1},
      {false, dsDropDown, L"BE", L"Berry", 2, 3, 2},  // the item's own text after the key-up
      {false, dsDropDownList, L"be", L"Berry", -1, -1, 2},
  };
  for (const TCase& C : Cases) {
    Fill({L"Apple", L"banana", L"Berry"});
    Box->SetItemIndex(-1);
    Box->SetCaseSensitive(C.CaseSensitive);
    Box->SetStyle(C.Style);
    Box->SetFocus();
    Pump();
    for (const wchar_t* P = C.Typed; *P; ++P) Stroke(Word(VkKeyScanW(*P) & 0xFF));
    SCOPED_TRACE(C.Typed);
    EXPECT_EQ(Box->Text(), C.Text);
    EXPECT_EQ(Box->ItemIndex(), C.Index);
    if (C.SelStart >= 0) {
      EXPECT_EQ(Box->SelStart(), C.SelStart);
      EXPECT_EQ(Box->SelLength(), C.SelLength);
    }
    Form->SetFocus();
    Pump();
  }
}

TEST_F(ExGridDropDownTest, KeysOfTheClosedEditStepThroughTheItems) {
  Fill({L"a0", L"a1", L"a2", L"a3", L"a4", L"a5", L"a6", L"a7", L"a8", L"a9", L"b10", L"b11"});
  struct TStep {
    TDropDownStyle Style;
    Integer From;
    Word Key;
    Integer Index;
  };
  const TStep Steps[] = {
      {dsDropDown, -1, VK_DOWN, 0},      {dsDropDown, 5, VK_NEXT, 11},     {dsDropDown, 1, VK_NEXT, 11},
      {dsDropDown, 7, VK_PRIOR, 0},      {dsDropDown, 11, VK_PRIOR, 1},    {dsDropDown, 0, VK_UP, 0},
      {dsDropDown, 11, VK_DOWN, 11},     {dsDropDown, 4, VK_UP, 3},        {dsDropDown, 4, VK_HOME, 4},
      {dsDropDown, 4, VK_END, 4},        {dsDropDownList, 4, VK_HOME, 0},  {dsDropDownList, 4, VK_END, 11},
  };
  for (const TStep& S : Steps) {
    Box->SetStyle(S.Style);
    Box->SetItemIndex(S.From);
    SendMessageW(Box->Handle(), WM_KEYDOWN, S.Key, 1);
    EXPECT_EQ(Box->ItemIndex(), S.Index) << "from " << S.From << " key " << S.Key;
  }
  EXPECT_EQ(Box->Text(), L"b11");
  EXPECT_FALSE(PopupShown());
}

TEST_F(ExGridDropDownTest, EscapeAndBackspaceInTheClosedEdit) {
  Fill({L"Apple", L"banana", L"Berry"});
  Box->SetText(L"Zebra");
  SendMessageW(Box->Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
  EXPECT_EQ(Box->Text(), L"") << "a text that is no item is emptied";
  EXPECT_EQ(Box->ItemIndex(), -1);
  Box->SetText(L"BERRY");
  SendMessageW(Box->Handle(), WM_KEYDOWN, VK_RETURN, 1);
  EXPECT_EQ(Box->Text(), L"Berry") << "Enter takes the item's own text";
  EXPECT_EQ(Box->ItemIndex(), 2);

  // The look-ahead entry loses its last character and is shown as it stands.
  Box->SetStyle(dsDropDownList);
  Box->SetFocus();
  Pump();
  SendMessageW(Box->Handle(), WM_CHAR, L'b', 1);
  SendMessageW(Box->Handle(), WM_CHAR, L'a', 1);
  EXPECT_EQ(Box->Text(), L"banana");
  Box->SetSelLength(0);
  SendMessageW(Box->Handle(), WM_CHAR, VK_BACK, 1);
  EXPECT_EQ(Box->Text(), L"b");
  EXPECT_EQ(Box->SelStart(), 1);
  // "b" and a typed "e" find Berry; "be" and "x" find nothing, nor "x" alone.
  SendMessageW(Box->Handle(), WM_CHAR, L'e', 1);
  EXPECT_EQ(Box->Text(), L"Berry");
  SendMessageW(Box->Handle(), WM_CHAR, L'x', 1);
  EXPECT_EQ(Box->Text(), L"Berry") << "the text stays when the restarted look-ahead fails too";
  SendMessageW(Box->Handle(), WM_CHAR, L'a', 1);
  EXPECT_EQ(Box->Text(), L"Apple") << "the entry was emptied, so a starts afresh";
}

TEST_F(ExGridDropDownTest, TypingInTheOpenGridNarrowsTheRowsDown) {
  Fill({L"Apple", L"Avocado", L"Banana", L"Apricot"});
  Box->SetLookupMethod(lmNarrowDown);
  Open();
  TExColGrid* Grid = Box->GetGrid();
  HWND GridWindow = Grid->Handle();
  SendMessageW(GridWindow, WM_CHAR, L'a', 1);
  SendMessageW(GridWindow, WM_CHAR, L'p', 1);
  EXPECT_EQ(Grid->RowCount(), 3) << "the header, Apple and Apricot";
  EXPECT_EQ(Grid->GetCells(0, 2), L"Apricot");
  EXPECT_EQ(Grid->Row(), 1);
  EXPECT_EQ(Box->Text(), L"Apple");
  EXPECT_EQ(Box->SelStart(), 2);
  EXPECT_EQ(Box->SelLength(), 3);
  SendMessageW(GridWindow, WM_CHAR, VK_BACK, 1);
  SendMessageW(GridWindow, WM_CHAR, VK_BACK, 1);
  SendMessageW(GridWindow, WM_CHAR, L' ', 1);
  EXPECT_EQ(Grid->RowCount(), 5) << "an entry of blanks removes every filter";
  Box->HideDropDown(true);
}

TEST_F(ExGridDropDownTest, TheOpenGridLooksAheadAndMovesItsRow) {
  Fill({L"Apple", L"Banana", L"Berry", L"Cherry"});
  Open();
  TExColGrid* Grid = Box->GetGrid();
  SendMessageW(Grid->Handle(), WM_CHAR, L'b', 1);
  SendMessageW(Grid->Handle(), WM_CHAR, L'e', 1);
  EXPECT_EQ(Grid->Row(), 3);
  EXPECT_EQ(Box->Text(), L"Berry");
  SendMessageW(Grid->Handle(), WM_CHAR, L'z', 1);
  EXPECT_EQ(Grid->Row(), 3) << "a failed look-ahead leaves the row";
  SendMessageW(Grid->Handle(), WM_CHAR, L'c', 1);
  EXPECT_EQ(Grid->Row(), 4) << "the entry was emptied, so c starts afresh";
  Box->HideDropDown(false);
  EXPECT_EQ(Box->ItemIndex(), 3);
}

TEST_F(ExGridDropDownTest, AHeaderSortKeepsTheChosenItem) {
  Fill({L"Cherry", L"Apple", L"Banana"});
  Box->SetSorting(gsSingleColumn);
  Box->SetItemIndex(0);
  Open();
  TExColGrid* Grid = Box->GetGrid();
  const TRect Header = Grid->CellRect(0, 0);
  Click(Grid, Header.Left + 20, Header.Top + Header.Height() / 2);
  Pump();
  EXPECT_EQ(Grid->GetCells(0, 1), L"Apple") << "sorted";
  EXPECT_EQ(Grid->GetCells(0, 3), L"Cherry");
  EXPECT_EQ(Grid->Row(), 3) << "Cherry's row after the sort";
  EXPECT_EQ(Box->ItemIndex(), 0);
  Stroke(Grid->Handle(), VK_RETURN);
  EXPECT_EQ(Box->ItemIndex(), 0);
  EXPECT_EQ(Box->Text(), L"Cherry");
}

TEST_F(ExGridDropDownTest, AutoSizedAndWrappedColumnsMeasureTheirTexts) {
  TImageList Images(nullptr);
  Images.SetWidth(16);
  Images.SetHeight(16);
  Fill({L"Watermelon", L""}, L"Watermelon");
  Box->Columns()->Items(0)->SetAutoSize(true);
  Box->Columns()->Items(1)->SetAutoSize(true);
  Box->Columns()->Items(1)->SetColumnType(ctImage);
  Box->Items()->Items(0)->SetImageIndex(0);
  Box->SetImages(&Images);
  Open();
  TExColGrid* Grid = Box->GetGrid();
  EXPECT_EQ(Grid->Columns()->Items(1)->Width() - Grid->Columns()->Items(0)->Width(), 20)
      << "the image's width and a gap of 4";
  EXPECT_EQ(Box->Columns()->Items(0)->Width(), 80) << "the drop-down's own column keeps its width";
  Box->HideDropDown(true);
  Box->SetImages(nullptr);

  Fill({L"", L""});
  Box->Columns()->Items(0)->SetWordwrap(true);
  Box->Columns()->Items(0)->SetWidth(30);
  Open();
  EXPECT_EQ(Grid->GetRowHeights(1), 24) << "a word-wrap row is never lower than 24";
  EXPECT_EQ(Grid->GetRowHeights(2), 24);
  Box->HideDropDown(true);
}

TEST_F(ExGridDropDownTest, TotalWidthCountsTheScrollBarWhenRowsAreHidden) {
  std::initializer_list<const wchar_t*> Many = {L"a", L"b", L"c", L"d", L"e", L"f", L"g", L"h", L"i", L"j"};
  Fill(Many);
  Box->SetColumnSizeWithDropDown(false);
  Box->SetAutoSizeColumns(false);
  Open();
  TExColGrid* Grid = Box->GetGrid();
  EXPECT_LT(Grid->VisibleRowCount() + Grid->FixedRows(), Grid->RowCount());
  EXPECT_EQ(Grid->GetTotalColWidth(), 80 + GetSystemMetrics(SM_CXVSCROLL));
  Box->HideDropDown(true);
  Fill({L"a", L"b"});
  Open();
  EXPECT_EQ(Grid->GetTotalColWidth(), 80);
  Box->HideDropDown(true);
}

TEST_F(ExGridDropDownTest, ComponentStylesSetTheLineAndHeaderColours) {
  struct TCase {
    TZVQStyle Style;
    TColor Header, HeaderTo, Line, FixedLine, SelectionText;
  };
  const TCase Cases[] = {
      {tsOffice2003Blue, 0xD68759, 0x933803, 0x962D00, 0x962D00, 0},
      {tsWindowsXP, clBtnFace, clBtnFace, 0xC0C0C0, 0x000000, clHighlightText},
      {tsWindows7, 0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFBD6B8, 0},
  };
  for (const TCase& C : Cases) {
    Box->SetComponentStyle(C.Style);
    EXPECT_EQ(Box->HeaderColor(), C.Header) << int(C.Style);
    EXPECT_EQ(Box->HeaderColorTo(), C.HeaderTo) << int(C.Style);
    EXPECT_EQ(Box->LineColor(), C.Line) << int(C.Style);
    EXPECT_EQ(Box->FixedLineColor(), C.FixedLine) << int(C.Style);
    EXPECT_EQ(Box->SelectionTextColor(), C.SelectionText) << int(C.Style);
  }
  Box->SetSelectionColorStyle(scWindowsVista);
  EXPECT_EQ(Box->LineColor(), TColor(0xECECF0));
  EXPECT_EQ(Box->FixedLineColor(), TColor(0xD4D2D1));
}

TEST_F(ExGridDropDownTest, TheOffice2010StylesLeaveTheGridColoursAlone) {
  Box->SetComponentStyle(tsWindows7);
  Box->SetComponentStyle(tsOffice2010Blue);
  EXPECT_EQ(Box->HeaderColor(), TColor(0xFDFBFA));
  EXPECT_EQ(Box->HeaderColorTo(), TColor(0xFDF3EB));
  EXPECT_EQ(Box->LineColor(), TColor(0xFBD6B8));
  EXPECT_NE(Box->SelectionColor(), TColor(0x6CD0FF));
}

}  // namespace
}  // namespace jorv::grid
