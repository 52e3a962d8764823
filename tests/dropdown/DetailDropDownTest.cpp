// The detail drop-down: completion of typed text from the captions, Return
// and Esc on exact captions, and choosing in the open list by clicks, keys,
// the wheel and type-ahead.
#include "dropdown/DetailDropDown.h"
#include "tests/dropdown/DropDownFixture.h"
#include "tests/support/FixedClock.h"

using namespace jorv;
using namespace jorv::dropdown;
using namespace jorv::test;

namespace {

class DetailDropDownTest : public ::testing::Test {
 protected:
  DetailDropDownTest() {
    Edit = new TExDetailDropDown(Form.Get());
    Edit->SetParent(Form.Get());
    Edit->SetBounds(60, 20, 160, 21);
    for (const wchar_t* Caption : {L"Apple", L"Apricot", L"Banana", L"Berry", L"Cherry", L"Damson", L"Elder"}) {
      TDetailItem* Item = Edit->Items()->Add();
      Item->SetCaption(Caption);
      Item->SetNotes(String(L"<i>about</i> ") + Caption);
    }
    Edit->OnSelect = [this](TObject*) { ++Selects; };
    Edit->HandleNeeded();
    Edit->SetFocus();
    Pump();
  }
  // Key down, the character the system makes of it, and key up.
  void Type(const String& Keys) {
    for (Char C : Keys) {
      KeyPress(Edit, static_cast<Word>(C >= L'a' && C <= L'z' ? C - 32 : C));
      Pump();
    }
  }
  void KeyDown(Word Key) { SendMessageW(Edit->Handle(), WM_KEYDOWN, Key, 1); }
  bool PopupShown() { return IsWindowVisible(Edit->DropDownForm()->Handle()); }
  String Selected() { return Edit->Text().substr(Edit->SelStart(), Edit->SelLength()); }

  TTestForm Form{400, 300};
  TExDetailDropDown* Edit;
  Integer Selects = 0;
};

TEST_F(DetailDropDownTest, TypingCompletesFromTheFirstCaptionThatStartsWithIt) {
  Type(L"a");
  EXPECT_EQ(Edit->Text(), L"apple") << "the typed part keeps its case";
  EXPECT_EQ(Selected(), L"pple");
  EXPECT_EQ(Edit->ItemIndex(), 0);
  Type(L"pr");
  EXPECT_EQ(Edit->Text(), L"apricot");
  EXPECT_EQ(Selected(), L"icot");
  EXPECT_EQ(Edit->ItemIndex(), 1);
  EXPECT_EQ(Selects, 0) << "completion chooses without reporting";
  Type(L"\b");
  EXPECT_EQ(Edit->Text(), L"apr") << "Backspace switches completion off";
  Type(L"x");
  EXPECT_EQ(Edit->Text(), L"aprx") << "a text that starts no caption stays as typed";
  EXPECT_EQ(Edit->SelLength(), 0);
}

TEST_F(DetailDropDownTest, ReturnAndEscTakeAnExactCaption) {
  Edit->SetText(L"banana");
  KeyDown(VK_RETURN);
  EXPECT_EQ(Edit->ItemIndex(), -1) << "captions compare with case";
  EXPECT_EQ(Selects, 0);
  Edit->SetText(L"Banana");
  KeyDown(VK_RETURN);
  EXPECT_EQ(Edit->ItemIndex(), 2);
  EXPECT_EQ(Selects, 1);
  Edit->SetText(L"Cherry");
  KeyDown(VK_ESCAPE);
  EXPECT_EQ(Edit->ItemIndex(), 4);
  EXPECT_EQ(Selects, 2);
}

TEST_F(DetailDropDownTest, AClickInTheListChoosesAndCloses) {
  Edit->ShowDropDown();
  ASSERT_TRUE(PumpUntil([&] { return PopupShown(); }));
  TCustomItemSelector* Panel = Edit->ItemSelector()->ItemSelectorPanel();
  TRect R;
  Panel->GetItemRect(3, R);
  Click(Panel, R.Left + 5, R.Top + 5);
  EXPECT_EQ(Edit->ItemIndex(), 3);
  EXPECT_EQ(Edit->Text(), L"Berry");
  EXPECT_EQ(Selected(), L"Berry");
  EXPECT_EQ(Selects, 1);
  EXPECT_TRUE(PumpUntil([&] { return !PopupShown(); }));
}

TEST_F(DetailDropDownTest, KeysMoveInTheOpenListWithoutClosingAndCancelRestores) {
  Edit->SetItemIndex(1);
  Selects = 0;
  Edit->SetItemHeight(20);
  Edit->ShowDropDown();
  ASSERT_TRUE(PumpUntil([&] { return PopupShown(); }));
  KeyDown(VK_DOWN);
  EXPECT_EQ(Edit->ItemIndex(), 2);
  EXPECT_EQ(Edit->Text(), L"Banana");
  EXPECT_EQ(Selected(), L"Banana");
  EXPECT_TRUE(PopupShown());
  KeyDown(VK_UP);
  KeyDown(VK_UP);
  KeyDown(VK_UP);
  EXPECT_EQ(Edit->ItemIndex(), 0) << "nothing above the first item";
  EXPECT_EQ(Selects, 3);
  Edit->HideDropDown(true);
  EXPECT_EQ(Edit->ItemIndex(), 1) << "the item of the opening";
  EXPECT_EQ(Edit->Text(), L"Apricot");
}

TEST_F(DetailDropDownTest, PageDownMovesByTheVisibleRows) {
  Edit->SetItemHeight(20);
  Edit->ShowDropDown();
  ASSERT_TRUE(PumpUntil([&] { return PopupShown(); }));
  ASSERT_EQ(Edit->ItemSelector()->Height(), 100);
  KeyDown(VK_NEXT);
  EXPECT_EQ(Edit->ItemIndex(), 4) << "five rows show; from no selection item 4";
  KeyDown(VK_NEXT);
  EXPECT_EQ(Edit->ItemIndex(), 6) << "at most the last";
  KeyDown(VK_PRIOR);
  EXPECT_EQ(Edit->ItemIndex(), 1);
  Edit->HideDropDown(false);
}

TEST_F(DetailDropDownTest, WheelAndTypeAheadChooseInTheOpenList) {
  FixedClock Clock(0);
  SendMessageW(Edit->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
  EXPECT_EQ(Edit->ItemIndex(), 0) << "the closed editor steps";
  Edit->ShowDropDown();
  ASSERT_TRUE(PumpUntil([&] { return PopupShown(); }));
  SendMessageW(Edit->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
  EXPECT_EQ(Edit->ItemIndex(), 1);
  KeyDown(L'B');
  EXPECT_EQ(Edit->ItemIndex(), 2);
  Clock.Advance(400);
  KeyDown(L'E');
  EXPECT_EQ(Edit->ItemIndex(), 3) << "BE within half a second";
  Clock.Advance(100);
  KeyDown(L'D');
  EXPECT_EQ(Edit->ItemIndex(), 5) << "D alone after it";
  EXPECT_EQ(Edit->Text(), L"Damson");
  EXPECT_TRUE(PopupShown());
  Edit->HideDropDown(false);
}

TEST(DetailItem, AssignKeepsTheNotes) {
  TDetailItems Items(nullptr);
  TDetailItem* From = Items.Add();
  From->SetCaption(L"One");
  From->SetNotes(L"<b>first</b>");
  From->SetTag(7);
  TDetailItem* To = Items.Add();
  To->Assign(From);
  EXPECT_EQ(To->Caption(), L"One");
  EXPECT_EQ(To->Notes(), L"<b>first</b>");
  EXPECT_EQ(To->Tag(), 7);
  EXPECT_EQ(Items.IndexOf(L"One"), 0);
  EXPECT_EQ(Items.IndexOf(L"one"), -1);
}

}  // namespace
