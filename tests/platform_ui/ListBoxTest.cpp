// List boxes and check-list boxes: items kept across windows, selection,
// hit testing, owner drawing and the check boxes' states.
#include <gtest/gtest.h>
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::test;

namespace {

template <class T>
T* NewList(TTestForm& F, std::initializer_list<const wchar_t*> Items) {
  auto* L = new T(F.Get());
  L->SetParent(F.Get());
  L->SetBounds(10, 10, 150, 120);
  for (const wchar_t* S : Items) L->Items()->Add(S);
  return L;
}

String Texts(TStrings* L) {
  String S;
  for (Integer I = 0; I < L->Count(); ++I) S += L->Strings(I) + L";";
  return S;
}

String WindowTexts(TWinControl* C) {
  String S;
  Integer N = static_cast<Integer>(C->Perform(LB_GETCOUNT));
  for (Integer I = 0; I < N; ++I) {
    wchar_t B[64] = {};
    C->Perform(LB_GETTEXT, I, reinterpret_cast<LPARAM>(B));
    S += String(B) + L";";
  }
  return S;
}

}  // namespace

TEST(ListBox, ItemsAndSelectionSurviveANewWindow) {
  for (bool Multi : {false, true}) {
    SCOPED_TRACE(Multi ? "multi" : "single");
    TTestForm F;
    auto* L = NewList<TListBox>(F, {L"a", L"b", L"c", L"d"});
    TObject Tag;
    L->Items()->SetObjects(2, &Tag);
    L->SetMultiSelect(Multi);
    L->SetItemIndex(2);
    if (Multi) L->SetSelected(3, true);
    Integer Focused = L->ItemIndex();
    L->SetStyle(lbOwnerDrawFixed);  // a new window
    EXPECT_EQ(WindowTexts(L), L"a;b;c;d;");
    EXPECT_EQ(L->Items()->Objects(2), &Tag);
    EXPECT_TRUE(L->Selected(2));
    EXPECT_EQ(L->Selected(3), Multi);
    EXPECT_EQ(L->ItemIndex(), Focused);
    if (Multi) { EXPECT_EQ(L->SelCount(), 2); }
    EXPECT_THROW(L->Selected(4), EListError);
  }
}

TEST(ListBox, SortedItemsGoWhereTheySortInListAndWindow) {
  TTestForm F;
  auto* L = NewList<TListBox>(F, {L"pear", L"Apple"});
  L->SetSorted(true);
  EXPECT_EQ(Texts(L->Items()), L"Apple;pear;");
  L->Items()->Add(L"banana");
  L->Items()->Insert(0, L"zucchini");  // the index is ignored when sorted
  EXPECT_EQ(Texts(L->Items()), L"Apple;banana;pear;zucchini;");
  EXPECT_EQ(WindowTexts(L), L"Apple;banana;pear;zucchini;");
  EXPECT_THROW(L->Items()->Exchange(0, 1), EStringListError);
  L->Items()->Delete(1);
  EXPECT_EQ(WindowTexts(L), L"Apple;pear;zucchini;");
}

TEST(ListBox, ClicksSelectAndHitTestingAgreesWithItemRect) {
  TTestForm F;
  auto* L = NewList<TListBox>(F, {L"one", L"two", L"three"});
  Integer Clicks = 0;
  L->OnClick = [&](TObject*) { ++Clicks; };
  TRect R = L->ItemRect(1);
  Click(L, R.Left + 5, R.Top + 2);
  Pump();
  EXPECT_EQ(L->ItemIndex(), 1);
  EXPECT_EQ(Clicks, 1);
  struct Case {
    TPoint P;
    bool Existing;
    Integer Expected;
  } Cases[] = {
      {{5, R.Top + 1}, true, 1},
      {{5, L->ItemRect(2).Bottom + 5}, true, -1},
      {{5, L->ItemRect(2).Bottom + 5}, false, 3},
      {{5, L->ItemRect(0).Top}, false, 0},
  };
  for (const Case& C : Cases) EXPECT_EQ(L->ItemAtPos(C.P, C.Existing), C.Expected) << C.P.Y;
  // Where the next item would go.
  EXPECT_EQ(L->ItemRect(3).Top, L->ItemRect(2).Bottom);
}

TEST(ListBox, OwnerDrawingPaintsEachItemWithItsHeight) {
  TTestForm F;
  auto* L = NewList<TListBox>(F, {L"a", L"b", L"c"});
  L->SetStyle(lbOwnerDrawVariable);
  L->OnMeasureItem = [](TWinControl*, Integer Index, Integer& H) { H = 10 + 10 * Index; };
  L->Items()->Add(L"d");
  L->Items()->Delete(3);
  L->RecreateWnd();
  std::vector<Integer> Drawn;
  L->OnDrawItem = [&](TWinControl* C, Integer Index, TRect R, TOwnerDrawState) {
    Drawn.push_back(Index);
    TCanvas* Cv = static_cast<TListBox*>(C)->Canvas();
    Cv->Brush()->SetColor(Index == 1 ? clRed : clBlue);
    Cv->FillRect(R);
  };
  for (Integer I = 0; I < 3; ++I) EXPECT_EQ(L->ItemRect(I).Height(), 10 + 10 * I) << I;
  TRendered Img(L);
  EXPECT_EQ(Drawn.size(), 3u);
  TPoint O = {2, 2};  // the client edge
  TRect R1 = L->ItemRect(1);
  EXPECT_EQ(Img.Pixel(O.X + 20, O.Y + R1.Top + 5), clRed);
  EXPECT_EQ(Img.Pixel(O.X + 20, O.Y + L->ItemRect(2).Top + 5), clBlue);
}

TEST(CheckListBox, ClicksOnTheBoxStepTheStateAndTextClicksDoNot) {
  struct Case {
    bool AllowGrayed;
    TCheckBoxState After[3];
  } Cases[] = {
      {false, {cbChecked, cbUnchecked, cbChecked}},
      {true, {cbChecked, cbGrayed, cbUnchecked}},
  };
  for (const Case& C : Cases) {
    TTestForm F;
    auto* L = NewList<TCheckListBox>(F, {L"x", L"y"});
    L->SetAllowGrayed(C.AllowGrayed);
    Integer Checks = 0;
    L->OnClickCheck = [&](TObject*) { ++Checks; };
    TRect R = L->ItemRect(1);
    for (Integer I = 0; I < 3; ++I) {
      Click(L, R.Left + 4, R.Top + R.Height() / 2);
      Pump();
      EXPECT_EQ(L->State(1), C.After[I]) << I;
    }
    EXPECT_EQ(Checks, 3);
    TCheckBoxState Before = L->State(1);
    Click(L, R.Left + 80, R.Top + 2);
    Pump();
    EXPECT_EQ(L->State(1), Before);
    EXPECT_EQ(L->State(0), cbUnchecked);
  }
}

TEST(CheckListBox, SpaceTogglesAndStatesFollowTheirItems) {
  TTestForm F;
  auto* L = NewList<TCheckListBox>(F, {L"c", L"b", L"a"});
  L->SetChecked(0, true);  // "c"
  L->SetItemEnabled(2, false);
  L->SetSorted(true);
  EXPECT_EQ(Texts(L->Items()), L"a;b;c;");
  EXPECT_TRUE(L->Checked(2));
  EXPECT_FALSE(L->ItemEnabled(0));
  L->Items()->SetStrings(2, L"c2");
  EXPECT_TRUE(L->Checked(2));
  L->SetItemIndex(1);
  L->SetFocus();
  Pump();
  KeyPress(L, VK_SPACE);
  EXPECT_TRUE(L->Checked(1));
  // A disabled item keeps its state.
  L->SetItemIndex(0);
  KeyPress(L, VK_SPACE);
  EXPECT_FALSE(L->Checked(0));
  EXPECT_THROW(L->State(9), EStringListError);
}
