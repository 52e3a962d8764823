// Popup menus: the native menu made from the items, the user's choice
// coming back as a click, radio groups, and the item tree's ownership.
#include <gtest/gtest.h>
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::test;

namespace {

TMenuItem* NewItem(TComponent* Owner, TMenuItem* Parent, const wchar_t* Caption) {
  auto* I = new TMenuItem(Owner);
  I->SetCaption(Caption);
  Parent->Add(I);
  return I;
}

// Keys the menu's own loop will read once it is up.
void QueueKeys(HWND W, const std::vector<Word>& Keys) {
  for (Word K : Keys) {
    PostMessageW(W, WM_KEYDOWN, K, 1);
    PostMessageW(W, WM_KEYUP, K, 0xC0000001);
  }
}

}  // namespace

TEST(PopupMenu, KeysChooseAnItemWhichIsClickedAndReturned) {
  struct Case {
    const char* Name;
    std::vector<Word> Keys;
    const wchar_t* Chosen;  // nullptr: nothing
  } Cases[] = {
      // The hidden item is not there and the line is passed over; the
      // disabled one can be reached but not chosen.
      {"first", {VK_DOWN, VK_RETURN}, L"Open"},
      {"disabled", {VK_DOWN, VK_DOWN, VK_RETURN, VK_ESCAPE}, nullptr},
      {"past the line", {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}, L"Close"},
      {"escape", {VK_ESCAPE}, nullptr},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Name);
    TTestForm F;
    auto* M = new TPopupMenu(F.Get());
    std::vector<String> Clicked;
    auto Log = [&](TObject* S) { Clicked.push_back(static_cast<TMenuItem*>(S)->Caption()); };
    NewItem(F.Get(), M->Items(), L"Hidden")->SetVisible(false);
    NewItem(F.Get(), M->Items(), L"&Open")->OnClick = Log;
    NewItem(F.Get(), M->Items(), L"Gray")->SetEnabled(false);
    NewItem(F.Get(), M->Items(), L"-");
    NewItem(F.Get(), M->Items(), L"Close")->OnClick = Log;
    bool Popped = false;
    M->OnPopup = [&](TObject*) {
      Popped = true;
      QueueKeys(F->Handle(), C.Keys);
    };
    TPoint P = F->ClientToScreen({20, 20});
    TMenuItem* Got = M->Popup(P.X, P.Y);
    EXPECT_TRUE(Popped);
    EXPECT_EQ(M->PopupPoint().X, P.X);
    if (C.Chosen) {
      ASSERT_NE(Got, nullptr);
      EXPECT_EQ(Got->Caption(), String(C.Chosen) == L"Open" ? L"&Open" : C.Chosen);
      ASSERT_EQ(Clicked.size(), 1u);
      EXPECT_EQ(Clicked[0], Got->Caption());
    } else {
      EXPECT_EQ(Got, nullptr);
      EXPECT_TRUE(Clicked.empty());
    }
  }
}

TEST(PopupMenu, ChoosingASubmenuItemAndAutoCheckedRadioGroups) {
  TTestForm F;
  auto* M = new TPopupMenu(F.Get());
  TMenuItem* View = NewItem(F.Get(), M->Items(), L"View");
  TMenuItem* Small = NewItem(F.Get(), View, L"Small");
  TMenuItem* Large = NewItem(F.Get(), View, L"Large");
  TMenuItem* Other = NewItem(F.Get(), View, L"Other group");
  for (TMenuItem* I : {Small, Large, Other}) {
    I->SetRadioItem(true);
    I->SetAutoCheck(true);
  }
  Other->SetGroupIndex(1);
  Small->SetChecked(true);
  Other->SetChecked(true);
  M->OnPopup = [&](TObject*) { QueueKeys(F->Handle(), {VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN}); };
  TPoint P = F->ClientToScreen({20, 20});
  EXPECT_EQ(M->Popup(P.X, P.Y), Large);
  EXPECT_TRUE(Large->Checked());
  EXPECT_FALSE(Small->Checked());
  EXPECT_TRUE(Other->Checked());
  EXPECT_EQ(FindMenuItemByCommand(Large->Command()), Large);
  EXPECT_TRUE(M->DispatchCommand(Small->Command()));
  EXPECT_TRUE(Small->Checked());
}

TEST(PopupMenu, ContextMenuOfAControlPopsItsMenu) {
  TTestForm F;
  auto* M = new TPopupMenu(F.Get());
  NewItem(F.Get(), M->Items(), L"Only");
  auto* E = new TEdit(F.Get());
  E->SetParent(F.Get());
  F->SetPopupMenu(M);
  M->OnPopup = [&](TObject*) { QueueKeys(F->Handle(), {VK_ESCAPE}); };
  // The form's menu serves its children too.
  EXPECT_TRUE(ShowControlPopupMenu(E, {-1, -1}));
  EXPECT_EQ(M->PopupComponent(), E);
  EXPECT_EQ(M->PopupPoint().X, E->ClientToScreen({0, 0}).X);
  M->SetAutoPopup(false);
  EXPECT_FALSE(ShowControlPopupMenu(E, {5, 5}));
  delete E;  // the menu forgets it
  EXPECT_EQ(M->PopupComponent(), nullptr);
}

TEST(MenuItem, TreeOwnershipAndErrors) {
  TMenuItem Root(nullptr);
  auto* A = new TMenuItem(nullptr);
  auto* B = new TMenuItem(nullptr);
  A->SetCaption(L"&Alpha");
  Root.Add(A);
  A->Add(B);
  EXPECT_EQ(Root.Find(L"alpha"), A);
  EXPECT_EQ(B->MenuIndex(), 0);
  EXPECT_THROW(B->Add(A), EMenuError);      // a cycle
  EXPECT_THROW(Root.Add(B), EMenuError);    // already inside
  EXPECT_THROW(Root.Items(5), EMenuError);
  Word Cmd = B->Command();
  delete B;  // leaves its parent
  EXPECT_EQ(A->Count(), 0);
  EXPECT_EQ(FindMenuItemByCommand(Cmd), nullptr);
  Root.Clear();
  EXPECT_EQ(Root.Count(), 0);
}
