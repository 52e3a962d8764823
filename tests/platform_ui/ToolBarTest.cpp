// The tool bar: buttons handed to the window and placed as controls,
// clicks through the window, check groups, and hints of the buttons.
#include <gtest/gtest.h>
#include <commctrl.h>
#include "platform/gfx/ImageList.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::test;

namespace {

TToolButton* AddButton(TToolBar* B, const wchar_t* Caption, Integer Left) {
  auto* T = new TToolButton(B->Owner());
  T->SetLeft(Left);
  T->SetCaption(Caption);
  T->SetHint(String(L"Hint of ") + Caption);
  T->SetParent(B);
  return T;
}

}  // namespace

TEST(ToolBar, ButtonsAreClickedThroughTheWindow) {
  TTestForm F(400, 200);
  auto* B = new TToolBar(F.Get());
  B->SetParent(F.Get());
  B->SetShowCaptions(true);
  B->SetList(true);
  B->SetButtonWidth(60);
  TToolButton* Exit = AddButton(B, L"Exit", 0);
  TToolButton* Today = AddButton(B, L"Today", 100);
  std::vector<String> Clicked;
  for (TToolButton* T : {Exit, Today}) T->OnClick = [&](TObject* S) { Clicked.push_back(static_cast<TToolButton*>(S)->Caption()); };
  EXPECT_EQ(B->Perform(TB_BUTTONCOUNT), 2);
  EXPECT_EQ(B->Buttons(1), Today);
  // The controls sit where the window shows its buttons.
  RECT R{};
  B->Perform(TB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&R));
  EXPECT_EQ(Today->Left(), R.left);
  EXPECT_EQ(Today->Width(), R.right - R.left);
  EXPECT_GE(Today->Width(), 60);
  Click(B, Today->Left() + 5, Today->Top() + 5);
  Pump();
  ASSERT_EQ(Clicked.size(), 1u);
  EXPECT_EQ(Clicked[0], L"Today");
  // A disabled button is not clicked.
  Today->SetEnabled(false);
  Click(B, Today->Left() + 5, Today->Top() + 5);
  Pump();
  EXPECT_EQ(Clicked.size(), 1u);
  // A hidden one leaves the window.
  Exit->SetVisible(false);
  EXPECT_EQ(B->Perform(TB_BUTTONCOUNT), 1);
  delete Today;
  EXPECT_EQ(B->Perform(TB_BUTTONCOUNT), 0);
  EXPECT_EQ(B->ButtonCount(), 1);
}

TEST(ToolBar, GroupedCheckButtonsKeepOneDown) {
  TTestForm F(400, 200);
  auto* B = new TToolBar(F.Get());
  B->SetParent(F.Get());
  std::vector<TToolButton*> T;
  for (Integer I = 0; I < 3; ++I) {
    T.push_back(AddButton(B, L"x", I * 30));
    T.back()->SetStyle(tbsCheck);
    T.back()->SetGrouped(true);
  }
  T[0]->SetDown(true);
  Click(B, T[2]->Left() + 5, T[2]->Top() + 5);
  Pump();
  EXPECT_TRUE(T[2]->Down());
  EXPECT_FALSE(T[0]->Down());
  TBBUTTON Btn{};
  B->Perform(TB_GETBUTTON, 2, reinterpret_cast<LPARAM>(&Btn));
  EXPECT_TRUE(B->Perform(TB_ISBUTTONCHECKED, Btn.idCommand));
  B->Perform(TB_GETBUTTON, 0, reinterpret_cast<LPARAM>(&Btn));
  EXPECT_FALSE(B->Perform(TB_ISBUTTONCHECKED, Btn.idCommand));
}

TEST(ToolBar, MovingOverAButtonShowsItsHint) {
  TTestForm F(400, 200);
  auto* B = new TToolBar(F.Get());
  B->SetParent(F.Get());
  B->SetShowHint(true);
  TToolButton* Copy = AddButton(B, L"Copy", 0);
  TToolButton* Home = AddButton(B, L"Home", 50);
  String Seen;
  Application->OnHint = [&](TObject*) { Seen = Application->Hint(); };
  Application->SetHintPause(1);
  MouseMove(B, Home->Left() + 3, Home->Top() + 3);
  Pump();
  EXPECT_EQ(Seen, L"Hint of Home");
  EXPECT_TRUE(PumpUntil([] { return Application->HintActive(); }));
  MouseMove(B, Copy->Left() + 3, Copy->Top() + 3);
  Pump();
  EXPECT_EQ(Seen, L"Hint of Copy");
  Application->OnHint = nullptr;
  Application->CancelHint();
}

TEST(ToolBar, AutoSizeFollowsTheButtonsAndEdgesTakeRoom) {
  TTestForm F(400, 200);
  auto* B = new TToolBar(F.Get());
  B->SetParent(F.Get());
  B->SetEdgeBorders(TEdgeBorders{ebBottom});
  B->SetButtonHeight(40);
  B->SetAutoSize(true);
  AddButton(B, L"a", 0);
  RECT C;
  GetClientRect(B->Handle(), &C);
  EXPECT_EQ(B->Height() - C.bottom, 2);
  EXPECT_GE(C.bottom, 40);
  EXPECT_LE(B->Height(), 40 + 2 + 4);
  EXPECT_THROW(B->SetButtonWidth(0), ERangeError);
  auto* Stray = new TToolButton(F.Get());
  EXPECT_THROW(Stray->SetParent(F.Get()), EInvalidOperation);
}
