// Push buttons, check boxes and radio buttons clicked through their
// windows and the dialog keys.
#include <gtest/gtest.h>
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::test;

namespace {

template <class T>
T* Place(TTestForm& F, Integer Top) {
  auto* C = new T(F.Get());
  C->SetParent(F.Get());
  C->SetBounds(10, Top, 100, 24);
  C->SetCaption(L"Go");
  return C;
}

}  // namespace

TEST(Button, MouseClickFiresOnceAndSetsTheFormsModalResult) {
  TTestForm F;
  TButton* B = Place<TButton>(F, 10);
  B->SetModalResult(mrOk);
  Integer Clicks = 0;
  B->OnClick = [&](TObject*) { ++Clicks; };
  Click(B, 20, 10);
  Pump();
  EXPECT_EQ(Clicks, 1);
  EXPECT_EQ(F->ModalResult(), mrOk);
}

TEST(Button, EnterAndEscapeReachDefaultAndCancel) {
  struct Case {
    Word Key;
    const char* Expected;
  } Cases[] = {{VK_RETURN, "ok"}, {VK_ESCAPE, "cancel"}};
  for (const Case& C : Cases) {
    TTestForm F;
    TEdit* E = new TEdit(F.Get());
    E->SetParent(F.Get());
    E->SetTop(80);
    TButton* Ok = Place<TButton>(F, 10);
    TButton* Cancel = Place<TButton>(F, 40);
    Ok->SetDefault(true);
    Cancel->SetCancel(true);
    std::string Got;
    Ok->OnClick = [&](TObject*) { Got += "ok"; };
    Cancel->OnClick = [&](TObject*) { Got += "cancel"; };
    E->SetFocus();
    Pump();
    KeyPress(E, C.Key);
    EXPECT_EQ(Got, C.Expected);
  }
}

TEST(CheckBox, ClicksStepThroughTheAllowedStates) {
  struct Case {
    bool AllowGrayed;
    TCheckBoxState After[3];
  } Cases[] = {
      {false, {cbChecked, cbUnchecked, cbChecked}},
      {true, {cbChecked, cbGrayed, cbUnchecked}},
  };
  for (const Case& C : Cases) {
    TTestForm F;
    TCheckBox* B = Place<TCheckBox>(F, 10);
    B->SetAllowGrayed(C.AllowGrayed);
    Integer Clicks = 0;
    B->OnClick = [&](TObject*) { ++Clicks; };
    for (Integer I = 0; I < 3; ++I) {
      Click(B, 6, 10);
      Pump();
      EXPECT_EQ(B->State(), C.After[I]) << "click " << I << " grayed " << C.AllowGrayed;
      EXPECT_EQ(B->Perform(BM_GETCHECK), C.After[I]);
    }
    EXPECT_EQ(Clicks, 3);
  }
}

TEST(CheckBox, StateSetByCodeReachesAWindowMadeLater) {
  TTestForm F;
  auto* B = new TCheckBox(F.Get());
  B->SetState(cbGrayed);
  B->SetParent(F.Get());
  EXPECT_EQ(B->Perform(BM_GETCHECK), BST_INDETERMINATE);
  EXPECT_FALSE(B->Checked());
  B->RecreateWnd();
  EXPECT_EQ(B->Perform(BM_GETCHECK), BST_INDETERMINATE);
}

TEST(RadioButton, CheckingOneUnchecksItsSiblingsOnly) {
  TTestForm F;
  TRadioButton* A = Place<TRadioButton>(F, 10);
  TRadioButton* B = Place<TRadioButton>(F, 40);
  // A radio button in another container belongs to another group.
  auto* Panel = new TCustomControl(F.Get());
  Panel->SetParent(F.Get());
  Panel->SetBounds(150, 10, 120, 60);
  auto* C = new TRadioButton(F.Get());
  C->SetParent(Panel);
  C->SetBounds(0, 0, 100, 20);
  C->SetChecked(true);
  A->SetChecked(true);
  EXPECT_TRUE(A->Checked());
  Click(B, 6, 10);
  Pump();
  EXPECT_TRUE(B->Checked());
  EXPECT_FALSE(A->Checked());
  EXPECT_EQ(A->Perform(BM_GETCHECK), BST_UNCHECKED);
  EXPECT_TRUE(C->Checked());
}
