// The drop-downs that host a standard control: the track bar that picks an
// integer, the memo that edits several lines, and any control given.
#include "tests/dropdown/DropDownFixture.h"

#include "dropdown/MemoDropDown.h"
#include "dropdown/TrackBarDropDown.h"
#include "platform/ui/Panel.h"

using namespace jorv;
using namespace jorv::dropdown;
using namespace jorv::test;

namespace {

template <class T>
class HostedFixture : public ::testing::Test {
 protected:
  HostedFixture() {
    Edit = new T(Form.Get());
    Edit->SetParent(Form.Get());
    Edit->SetBounds(60, 20, 160, 21);
    Edit->HandleNeeded();
    Pump();
  }
  bool PopupShown() { return IsWindowVisible(Edit->DropDownForm()->Handle()); }
  void KeyDown(Word Key) { SendMessageW(Edit->Handle(), WM_KEYDOWN, Key, 1); }

  TTestForm Form{400, 300};
  T* Edit;
};

using TrackBarDropDownTest = HostedFixture<TExTrackBarDropDown>;
using MemoDropDownTest = HostedFixture<TExMemoDropDown>;
using ControlDropDownTest = HostedFixture<TExControlDropDown>;

TEST_F(TrackBarDropDownTest, ANewOneShowsZeroTakesNoTypingAndOpensATrackBar) {
  EXPECT_EQ(Edit->Text(), L"0");
  EXPECT_FALSE(Edit->EditorEnabled());
  SendMessageW(Edit->Handle(), WM_CHAR, L'7', 1);
  EXPECT_EQ(Edit->Text(), L"0");
  Edit->ShowDropDown();
  ASSERT_TRUE(PopupShown());
  // As wide as the 160-pixel editor, the track bar inside the 1-pixel
  // border; its 40 pixels and the border grow to the pop-up's least height.
  EXPECT_EQ(Edit->DropDownForm()->Width(), 160);
  EXPECT_EQ(Edit->DropDownForm()->Height(), 50);
  EXPECT_EQ(Edit->TrackBar()->Width(), 158);
  EXPECT_EQ(Edit->TrackBar()->Height(), 48);
  EXPECT_EQ(Edit->DropDownForm()->Header(), nullptr);
  EXPECT_EQ(Edit->DropDownForm()->Footer(), nullptr);
  EXPECT_FALSE(Edit->DropDownForm()->CancelOnDeActivate());
  Edit->TrackBar()->SetPosition(6);
  EXPECT_EQ(Edit->Position(), 6);
  EXPECT_EQ(Edit->Text(), L"6") << "moving the track bar writes the value";
  Edit->HideDropDown(false);
}

TEST_F(TrackBarDropDownTest, UpAndDownStepTheClosedEditorWithinTheRange) {
  Edit->SetFrequency(3);
  Integer Changes = 0;
  Edit->OnTrackChange = [&](TObject*) { ++Changes; };
  for (int i = 0; i < 5; ++i) KeyDown(VK_DOWN);
  EXPECT_EQ(Edit->Position(), 9) << "up to Max (10) by Frequency";
  EXPECT_EQ(Edit->Text(), L"9");
  EXPECT_EQ(Changes, 3);
  KeyDown(VK_UP);
  EXPECT_EQ(Edit->Position(), 6);
  SendMessageW(Edit->Handle(), WM_SYSKEYDOWN, VK_DOWN, 1 | (1 << 29));
  EXPECT_TRUE(PopupShown()) << "Alt+Down opens instead";
  EXPECT_EQ(Edit->Position(), 6);
  Edit->HideDropDown(false);
}

TEST_F(TrackBarDropDownTest, DraggingAcrossTheEditorStepsByPage) {
  // A press on the editor opens the pop-up too; the drag still counts.
  SendMessageW(Edit->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 5));
  SendMessageW(Edit->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(30, 5));
  EXPECT_EQ(Edit->Position(), 5) << "10 pixels with PageSize 2";
  for (int X = 31; X <= 34; ++X) SendMessageW(Edit->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(X, 5));
  EXPECT_EQ(Edit->Position(), 7) << "pixel by pixel the leftovers add up";
  SendMessageW(Edit->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(34, 5));
  SendMessageW(Edit->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(60, 5));
  EXPECT_EQ(Edit->Position(), 7) << "the release ends the drag";
  Edit->SetPageSize(0);
  SendMessageW(Edit->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 5));
  SendMessageW(Edit->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(18, 5));
  EXPECT_EQ(Edit->Position(), 5) << "a page of 0 steps by the pixel";
  SendMessageW(Edit->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(18, 5));
  Edit->HideDropDown(false);
}

TEST_F(TrackBarDropDownTest, AWrittenValueSetsThePositionWithinTheRange) {
  Integer Changes = 0;
  Edit->OnChange = [&](TObject*) { ++Changes; };
  Edit->SetText(L"8");
  EXPECT_EQ(Edit->Position(), 8);
  EXPECT_EQ(Changes, 1);
  EXPECT_NO_THROW(Edit->SetText(L"abc"));
  EXPECT_EQ(Edit->Position(), 8) << "no integer leaves the position";
  EXPECT_EQ(Edit->Text(), L"8") << "and the editor shows it again";
  Edit->SetText(L"15");
  EXPECT_EQ(Edit->Position(), 10);
  EXPECT_EQ(Edit->Text(), L"10") << "beyond Max the kept value is shown";
}

TEST_F(MemoDropDownTest, ThePickerShowsTheFirstLineAndMore) {
  Edit->SetEditorEnabled(false);
  TStringList Lines;
  Lines.Add(L"Alpha");
  Lines.Add(L"Beta");
  Edit->SetMemoText(&Lines);
  EXPECT_EQ(Edit->Text(), L"Alpha...");
  Lines.Delete(1);
  Edit->SetMemoText(&Lines);
  EXPECT_EQ(Edit->Text(), L"Alpha");
  Lines.SetStrings(0, String(200, L'W'));
  Edit->SetMemoText(&Lines);
  const String Shown = Edit->Text();
  EXPECT_LT(Shown.size(), 200u);
  EXPECT_EQ(Shown.substr(Shown.size() - 3), L"...");
}

TEST_F(MemoDropDownTest, CancellingRestoresTheLinesOfTheOpening) {
  TStringList Lines;
  Lines.SetText(L"one\r\ntwo\r\n");
  Edit->SetMemoText(&Lines);
  Edit->ShowDropDown();
  ASSERT_TRUE(PumpUntil([&] { return PopupShown(); }));
  Edit->Memo()->Lines()->SetText(L"changed\r\n");
  KeyPress(Edit->Memo(), VK_ESCAPE);
  ASSERT_TRUE(PumpUntil([&] { return !PopupShown(); }));
  EXPECT_EQ(Edit->MemoText()->Count(), 2);
  EXPECT_EQ(Edit->MemoText()->Strings(1), L"two");
  EXPECT_EQ(Edit->Text(), L"one");
  Edit->ShowDropDown();
  Edit->Memo()->Lines()->SetText(L"kept\r\nlines\r\n");
  Edit->HideDropDown(false);
  EXPECT_EQ(Edit->MemoText()->Strings(0), L"kept");
  EXPECT_EQ(Edit->Text(), L"kept");
}

TEST_F(MemoDropDownTest, TypingInTheEditChangesOnlyTheFirstLine) {
  TStringList Lines;
  Lines.SetText(L"first\r\nsecond\r\n");
  Edit->SetMemoText(&Lines);
  Edit->SetSelStart(5);
  Edit->SetSelLength(0);
  SendMessageW(Edit->Handle(), WM_CHAR, L'!', 1);
  ASSERT_EQ(Edit->MemoText()->Count(), 2);
  EXPECT_EQ(Edit->MemoText()->Strings(0), L"first!");
  EXPECT_EQ(Edit->MemoText()->Strings(1), L"second");
}

TEST_F(MemoDropDownTest, AutoDropOpensOnFocusButNotWhenTheFocusComesBack) {
  auto* Other = new TEdit(Form.Get());
  Other->SetParent(Form.Get());
  Other->SetBounds(10, 100, 50, 21);
  Other->SetFocus();
  Edit->SetAutoDrop(true);
  Edit->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return PopupShown(); }));
  Edit->HideDropDown(false);
  Pump();
  EXPECT_TRUE(Edit->Focused());
  EXPECT_FALSE(PopupShown());
}

TEST_F(ControlDropDownTest, KeepsWorkingWhenItsControlIsFreed) {
  auto* Content = new TPanel(Form.Get());
  Content->SetBounds(0, 0, 120, 90);
  Edit->SetControl(Content);
  Edit->ShowDropDown();
  EXPECT_EQ(Edit->DropDownForm()->Height(), 2 + 22 + 22 + 90);
  Edit->HideDropDown(false);
  delete Content;
  EXPECT_EQ(Edit->Control(), nullptr);
  Edit->ShowDropDown();
  EXPECT_TRUE(PopupShown());
  EXPECT_TRUE(Edit->DroppedDown());
  Edit->HideDropDown(false);
  EXPECT_FALSE(PopupShown());
}

}  // namespace
