// Combo boxes: typing with completion, selecting from the list, dropping
// down, owner drawing and the items across a new window.
#include <gtest/gtest.h>
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::test;

namespace {

TComboBox* NewCombo(TTestForm& F, TComboBoxStyle Style = csDropDown) {
  auto* C = new TComboBox(F.Get());
  C->SetParent(F.Get());
  C->SetBounds(10, 10, 150, 21);
  C->SetStyle(Style);
  for (const wchar_t* S : {L"apple", L"apricot", L"banana"}) C->Items()->Add(S);
  return C;
}

void TypeInto(HWND H, const String& S) {
  for (Char Ch : S) PostMessageW(H, WM_CHAR, Ch, 1);
  Pump();
}

}  // namespace

TEST(ComboBox, TypingCompletesToTheFirstMatchingItem) {
  struct Case {
    bool AutoComplete;
    const wchar_t* Typed;
    const wchar_t* Text;
    Integer SelLength;
    Integer ItemIndex;
  } Cases[] = {
      {true, L"ap", L"apple", 3, 0},
      {true, L"apr", L"apricot", 4, 1},
      {true, L"Ban", L"Banana", 3, 2},
      {true, L"cher", L"cher", 0, -1},
      {false, L"ap", L"ap", 0, -1},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(testing::Message() << C.AutoComplete << " " << std::string(C.Typed, C.Typed + wcslen(C.Typed)));
    TTestForm F;
    TComboBox* B = NewCombo(F);
    B->SetAutoComplete(C.AutoComplete);
    Integer Changes = 0;
    B->OnChange = [&](TObject*) { ++Changes; };
    ASSERT_NE(B->EditHandle(), nullptr);
    TypeInto(B->EditHandle(), C.Typed);
    EXPECT_EQ(B->Text(), C.Text);
    EXPECT_EQ(B->SelLength(), C.SelLength);
    EXPECT_EQ(B->ItemIndex(), C.ItemIndex);
    EXPECT_EQ(Changes, static_cast<Integer>(wcslen(C.Typed)));
  }
}

TEST(ComboBox, BackspaceDoesNotCompleteAgain) {
  TTestForm F;
  TComboBox* B = NewCombo(F);
  TypeInto(B->EditHandle(), L"ap");
  ASSERT_EQ(B->Text(), L"apple");
  // Backspace removes the offered rest; nothing is offered again.
  PostMessageW(B->EditHandle(), WM_KEYDOWN, VK_BACK, 1);  // translated into its character
  Pump();
  EXPECT_EQ(B->Text(), L"ap");
}

TEST(ComboBox, KeyboardSelectionRaisesSelectAndChange) {
  TTestForm F;
  TComboBox* B = NewCombo(F, csDropDownList);
  std::string Log;
  B->OnSelect = [&](TObject*) { Log += "select;"; };
  B->OnChange = [&](TObject*) { Log += "change(" + std::to_string(B->ItemIndex()) + ");"; };
  B->SetFocus();
  Pump();
  KeyPress(B, VK_DOWN);
  EXPECT_EQ(B->ItemIndex(), 0);
  EXPECT_EQ(B->Text(), L"apple");
  EXPECT_EQ(Log, "select;change(0);");
  // Setting the index by code is no user's selection.
  Log.clear();
  B->SetItemIndex(2);
  EXPECT_EQ(B->Text(), L"banana");
  EXPECT_EQ(Log, "");
  // A list shows only its items: an unknown text selects nothing.
  B->SetText(L"apricot");
  EXPECT_EQ(B->ItemIndex(), 1);
  B->SetText(L"kiwi");
  EXPECT_EQ(B->ItemIndex(), -1);
}

TEST(ComboBox, DropDownAndCloseUpAreReported) {
  TTestForm F;
  TComboBox* B = NewCombo(F);
  std::string Log;
  B->OnDropDown = [&](TObject*) { Log += "down;"; };
  B->OnCloseUp = [&](TObject*) { Log += "up;"; };
  B->SetDroppedDown(true);
  Pump();
  EXPECT_TRUE(B->DroppedDown());
  B->SetDroppedDown(false);
  Pump();
  EXPECT_FALSE(B->DroppedDown());
  EXPECT_EQ(Log, "down;up;");
  // Native messages pass straight through.
  B->Perform(CB_SETDROPPEDWIDTH, 300);
  EXPECT_EQ(B->Perform(CB_GETDROPPEDWIDTH), 300);
}

TEST(ComboBox, ItemsIndexAndTextSurviveANewWindow) {
  TTestForm F;
  TComboBox* B = NewCombo(F, csDropDownList);
  B->SetItemIndex(1);
  B->SetSorted(true);
  B->SetStyle(csOwnerDrawFixed);
  EXPECT_EQ(B->Perform(CB_GETCOUNT), 3);
  EXPECT_EQ(B->ItemIndex(), 1);
  EXPECT_EQ(B->Text(), L"apricot");
  // The list's room is the window's business, not the box's height.
  Integer H = B->Height();
  EXPECT_LT(H, 40);
  B->SetDropDownCount(3);
  EXPECT_EQ(B->Height(), H);
}

TEST(ComboBox, OwnerDrawingPaintsTheClosedBox) {
  TTestForm F;
  TComboBox* B = NewCombo(F, csOwnerDrawFixed);
  B->SetItemHeight(18);
  std::vector<Integer> Drawn;
  B->OnDrawItem = [&](TWinControl* C, Integer Index, TRect R, TOwnerDrawState State) {
    Drawn.push_back(Index);
    EXPECT_TRUE(State.Contains(odComboBoxEdit));
    TCanvas* Cv = static_cast<TComboBox*>(C)->Canvas();
    Cv->Brush()->SetColor(clLime);
    Cv->FillRect(R);
  };
  B->SetItemIndex(2);
  TRendered Img(B);
  ASSERT_FALSE(Drawn.empty());
  EXPECT_EQ(Drawn.back(), 2);
  EXPECT_EQ(Img.Pixel(10, B->Height() / 2), clLime);
}
