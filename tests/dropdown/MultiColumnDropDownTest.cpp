// The multi-column drop-down: opening on its editor, choosing a row by
// mouse and keys, completion while typing in the closed edit, searching in
// the open list, fitting the columns and looking up across the columns.
#include <gtest/gtest.h>

#include "dropdown/MultiColumnDropDown.h"
#include "tests/support/StreamCheck.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::dropdown;
using namespace jorv::test;

namespace {

class MultiColumnTest : public ::testing::Test {
 protected:
  MultiColumnTest() {
    Box = new TExMultiColumnDropDown(Form.Get());
    Box->SetParent(Form.Get());
    Box->SetBounds(60, 20, 200, 24);
    for (auto [Caption, Width] : {std::pair{L"Name", 100}, std::pair{L"Kind", 50}}) {
      TDropDownColumn* Column = Box->Columns()->Add();
      Column->SetHeader(Caption);
      Column->SetWidth(Width);
    }
    Box->BeginUpdate();
    for (auto [Name, Kind] : {std::pair{L"Apple", L"Fruit"}, std::pair{L"Avocado", L"Fruit"},
                              std::pair{L"Banana", L"Fruit"}, std::pair{L"#1", L"Tag"},
                              std::pair{L"Cherry", L"Stone"}}) {
      TDropDownItem* Item = Box->Items()->Add();
      Item->Text()->Add(Name);
      Item->Text()->Add(Kind);
    }
    Box->EndUpdate();
    Box->HandleNeeded();
    Box->OnSelect = [this](TObject*) { ++Selects; };
    Box->OnChange = [this](TObject*) { ++Changes; };
    Pump();
  }
  bool PopupShown() { return IsWindowVisible(Box->DropDownForm()->Handle()); }
  void Open() {
    Box->ShowDropDown();
    Pump();
    ASSERT_TRUE(PopupShown());
  }
  void SendKey(HWND Window, Word Key) { SendMessageW(Window, WM_KEYDOWN, Key, 1); }
  // A key as the keyboard gives it: down, the character it makes, up.
  void Stroke(Word Key) {
    const LPARAM Scan = LPARAM(MapVirtualKeyW(Key, 0)) << 16;
    PostMessageW(Box->Handle(), WM_KEYDOWN, Key, 1 | Scan);
    Pump();
    PostMessageW(Box->Handle(), WM_KEYUP, Key, 1 | Scan | 0xC0000000);
    Pump();
  }
  TPoint RowCentre(Integer Row) {
    const TRect R = Box->ListGrid()->CellRect(0, Row);
    return TPoint(R.Left + 10, R.Top + R.Height() / 2);
  }

  TTestForm Form{400, 320};
  TExMultiColumnDropDown* Box;
  Integer Selects = 0;
  Integer Changes = 0;
};

TEST_F(MultiColumnTest, TheButtonOpensWholeRowsAndAClickedRowBecomesTheValue) {
  TControl* Button = Box->Button();
  Click(Button, Button->Width() / 2, Button->Height() / 2);
  Pump();
  ASSERT_TRUE(PopupShown());
  EXPECT_EQ(Box->DropDownForm()->Height(), 181) << "header 25 and seven rows of 22";
  TExColGrid* List = Box->ListGrid();
  EXPECT_EQ(List->RowCount(), 6);
  EXPECT_EQ(List->GetRowHeights(0), 25);
  EXPECT_EQ(List->GetRowHeights(1), 22);
  const TPoint P = RowCentre(3);
  Click(List, P.X, P.Y);
  Pump();
  EXPECT_FALSE(PopupShown());
  EXPECT_EQ(Box->ItemIndex(), 2);
  EXPECT_EQ(Box->Text(), L"Banana");
  EXPECT_EQ(Selects, 1);
  EXPECT_GE(Changes, 1) << "the editor's change event reports the new text";
}

TEST_F(MultiColumnTest, EscapeInTheListRestoresAndReturnAcceptsTheRow) {
  Box->SetItemIndex(1);
  Open();
  HWND List = Box->ListGrid()->Handle();
  SendKey(List, VK_DOWN);
  EXPECT_EQ(Box->ItemIndex(), 2) << "the row follows the keys";
  SendKey(List, VK_ESCAPE);
  Pump();
  EXPECT_FALSE(PopupShown());
  EXPECT_EQ(Box->ItemIndex(), 1);
  EXPECT_EQ(Box->Text(), L"Avocado");
  EXPECT_EQ(Selects, 0);
  Open();
  SendKey(List, VK_DOWN);
  SendKey(List, VK_DOWN);
  SendKey(List, VK_RETURN);
  Pump();
  EXPECT_FALSE(PopupShown());
  EXPECT_EQ(Box->ItemIndex(), 3);
  EXPECT_EQ(Box->Text(), L"#1");
  EXPECT_EQ(Selects, 1);
}

TEST_F(MultiColumnTest, AWheelStepMovesTheRowWithoutChoosingIt) {
  Box->SetItemIndex(0);
  Open();
  SendMessageW(Box->ListGrid()->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
  EXPECT_EQ(Box->ListGrid()->Row(), 2);
  EXPECT_EQ(Box->ItemIndex(), 0);
  Box->HideDropDown(false);
  EXPECT_EQ(Box->ItemIndex(), 0) << "closing without a confirmed row keeps the value";
}

TEST_F(MultiColumnTest, SearchingTheOpenListTakesEveryPrintableCharacter) {
  Open();
  HWND List = Box->ListGrid()->Handle();
  struct TStep {
    Char Ch;
    Integer Index;
    const wchar_t* Text;
  };
  const TStep Steps[] = {
      {L'#', 3, L"#1"},  // shares its code with the End key
      {L'a', 0, L"Apple"}, {L'v', 1, L"Avocado"},  // "av" continues the search
      {L'c', 4, L"Cherry"},                          // "avc" misses: c alone
      {L'!', 4, L"Cherry"},                          // nothing starts with !
      {L'(', 4, L"Cherry"},
  };
  for (const TStep& S : Steps) {
    SendMessageW(List, WM_CHAR, S.Ch, 1);
    EXPECT_EQ(Box->ItemIndex(), S.Index) << char(S.Ch);
    EXPECT_EQ(Box->Text(), S.Text) << char(S.Ch);
    EXPECT_EQ(Box->ListGrid()->Row(), S.Index + 1);
  }
  EXPECT_TRUE(PopupShown());
  Box->HideDropDown(false);
}

TEST_F(MultiColumnTest, TypingInTheClosedEditCompletesFromTheLookupColumn) {
  Box->SetFocus();
  Pump();
  Stroke('A');
  EXPECT_EQ(Box->Text(), L"Apple");
  EXPECT_EQ(Box->SelStart(), 1);
  EXPECT_EQ(Box->SelLength(), 4) << "pple is selected";
  EXPECT_EQ(Box->ItemIndex(), 0);
  Stroke('V');
  EXPECT_EQ(Box->Text(), L"Avocado");
  EXPECT_EQ(Box->ItemIndex(), 1);
  Stroke(VK_BACK);
  EXPECT_EQ(Box->Text(), L"Av") << "Backspace removes the completion and completes nothing";
  Stroke('X');
  EXPECT_EQ(Box->Text(), L"Avx");
  Stroke(VK_ESCAPE);
  EXPECT_EQ(Box->Text(), L"") << "Esc with a text that is no entry empties it";
  EXPECT_EQ(Box->ItemIndex(), -1);
}

TEST_F(MultiColumnTest, ReturnAndEscapeInTheClosedEditLookTheTextUpIgnoringCase) {
  Box->SetText(L"banana");
  SendKey(Box->Handle(), VK_RETURN);
  EXPECT_EQ(Box->ItemIndex(), 2);
  EXPECT_EQ(Box->Text(), L"Banana");
  Box->SetText(L"CHERRY");
  SendKey(Box->Handle(), VK_ESCAPE);
  EXPECT_EQ(Box->ItemIndex(), 4);
  EXPECT_EQ(Box->Text(), L"Cherry");
}

TEST_F(MultiColumnTest, ArrowAndPageKeysStepTheClosedEdit) {
  struct TStep {
    Word Key;
    Integer Index;
  };
  const TStep Steps[] = {{VK_UP, 0}, {VK_DOWN, 1}, {VK_NEXT, 4}, {VK_DOWN, 4}, {VK_PRIOR, 0}, {VK_NEXT, 4}};
  for (const TStep& S : Steps) {
    SendKey(Box->Handle(), S.Key);
    EXPECT_EQ(Box->ItemIndex(), S.Index) << S.Key;
  }
  EXPECT_EQ(Box->Text(), L"Cherry");
  EXPECT_FALSE(PopupShown());
}

TEST_F(MultiColumnTest, ColumnsAreFittedToThePopupCarryingTheRoundingOn) {
  Box->SetDropDownAutoWidth(false);
  Box->SetDropDownWidth(300);
  Open();
  EXPECT_EQ(Box->DropDownForm()->Width(), 300);
  EXPECT_EQ(Box->ListGrid()->GetColWidths(0), 199);
  EXPECT_EQ(Box->ListGrid()->GetColWidths(1), 99);
  Box->HideDropDown(false);
}

TEST_F(MultiColumnTest, TheLookupColumnChoosesWhatTheEditShowsAndFinds) {
  Box->Items()->Add()->Text()->Add(L"Lonely");
  Box->SetLookupColumn(1);
  Box->SetItemIndex(4);
  EXPECT_EQ(Box->Text(), L"Stone");
  EXPECT_EQ(Box->GetItemIndex(L"Tag"), 3);
  EXPECT_EQ(Box->GetItemIndex(L"tag"), -1) << "case counts here";
  Box->SetItemIndex(5);
  EXPECT_EQ(Box->Text(), L"") << "an item without that column leaves the edit empty";
  EXPECT_EQ(Box->GetItemIndex(L""), -1);
  Box->SetItemIndex(6);
  EXPECT_EQ(Box->ItemIndex(), 5) << "beyond the items is ignored";
  Open();
  SendMessageW(Box->ListGrid()->Handle(), WM_CHAR, L's', 1);
  EXPECT_EQ(Box->ItemIndex(), 4) << "the search reads the lookup column";
  Box->HideDropDown(false);
}

}  // namespace

namespace {

TEST_F(MultiColumnTest, ComponentStylesSetTheGridColoursTheOffice2010OnesToo) {
  struct TCase {
    TZVQStyle Style;
    TColor Header, HeaderTo, Line, Selection;
  };
  const TCase Cases[] = {
      {tsOffice2003Olive, 0x82C0AF, 0x447A63, 0x588060, 0xD7FFFD},
      {tsTerminal, clBtnFace, clBtnFace, 0x808080, clHighlight},
      {tsOffice2010Black, 0x828282, clNone, 0xEEDDCF, 0x6CD0FF},
  };
  for (const TCase& C : Cases) {
    Box->SetComponentStyle(C.Style);
    EXPECT_EQ(Box->HeaderColor(), C.Header) << int(C.Style);
    EXPECT_EQ(Box->HeaderColorTo(), C.HeaderTo) << int(C.Style);
    EXPECT_EQ(Box->LineColor(), C.Line) << int(C.Style);
    EXPECT_EQ(Box->FixedLineColor(), C.Line) << int(C.Style);
    EXPECT_EQ(Box->SelectionColor(), C.Selection) << int(C.Style);
  }
  EXPECT_EQ(Box->HeaderFont()->Color(), TColor(0xD7D7D6));
}

TEST(MultiColumnStreaming, ColumnsItemsAndTheChosenItemComeBack) {
  TTestForm Form{200, 100};
  TExMultiColumnDropDown Original(nullptr);
  TDropDownColumn* Column = Original.Columns()->Add();
  Column->SetHeader(L"Name");
  Column->SetWidth(120);
  Column->SetAlignment(taCenter);
  for (const wchar_t* Name : {L"One", L"Two"}) {
    TDropDownItem* Item = Original.Items()->Add();
    Item->Text()->Add(Name);
    Item->SetTag(7);
  }
  Original.SetItemIndex(1);
  Original.SetDropDownRowHeight(30);
  const TBytes Bytes = WrittenBytes(&Original);

  TExMultiColumnDropDown Copy(nullptr);
  ReadBytesInto(Bytes, &Copy);
  EXPECT_EQ(PropertyDifferences(&Original, &Copy), std::vector<String>());
  ASSERT_EQ(Copy.Columns()->Count(), 1);
  EXPECT_EQ(Copy.Columns()->Items(0)->Width(), 120);
  EXPECT_EQ(Copy.Columns()->Items(0)->Alignment(), taCenter);
  ASSERT_EQ(Copy.Items()->Count(), 2);
  EXPECT_EQ(Copy.Items()->Items(1)->Tag(), 7);
  EXPECT_EQ(Copy.ItemIndex(), 1);
  EXPECT_EQ(Copy.Text(), L"Two");
  EXPECT_EQ(Copy.GetItemIndex(L"One"), 0);
}

}  // namespace
