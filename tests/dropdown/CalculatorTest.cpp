// The calculator drop-down: its key pad's layout and mouse handling, and
// key sequences against the display the way a desk calculator shows them.
#include <sstream>

#include "dropdown/CalculatorDropDown.h"
#include "tests/dropdown/DropDownFixture.h"

using namespace jorv;
using namespace jorv::dropdown;
using namespace jorv::test;

namespace {

class CalculatorTest : public ::testing::Test {
 protected:
  CalculatorTest() {
    Calc = new TExCalculatorDropdown(Form.Get());
    Calc->SetParent(Form.Get());
    Calc->SetBounds(60, 20, 160, 21);
    Calc->HandleNeeded();
    Pump();
  }
  ~CalculatorTest() override {
    if (Calc->DroppedDown()) Calc->HideDropDown(false);
  }

  void Open() {
    Calc->ShowDropDown();
    ASSERT_TRUE(Calc->DroppedDown());
  }
  TCustomButtonPanel* Pad() { return Calc->ButtonPanel(); }
  Integer KeyIndex(const String& Caption) {
    for (Integer i = 0; i < Pad()->Buttons()->Count(); ++i)
      if (Pad()->Buttons()->Items(i)->Caption() == Caption) return i;
    return -1;
  }
  TPoint KeyCentre(Integer Index) {
    const TRect R = Pad()->Buttons()->Items(Index)->GetBounds();
    return TPoint{(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2};
  }
  // A real click: the key pad's window gets the press and the release.
  void ClickAt(TPoint Down, TPoint Up) {
    SendMessageW(Pad()->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(Down.X, Down.Y));
    SendMessageW(Pad()->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(Up.X, Up.Y));
  }
  // Keys by caption, separated by blanks; "blank" is the key without one.
  void Press(const String& Keys) {
    std::wistringstream In(Keys);
    String Caption;
    while (In >> Caption) {
      const Integer Index = KeyIndex(Caption == L"blank" ? String() : Caption);
      ASSERT_GE(Index, 0) << "no key " << std::string(Caption.begin(), Caption.end());
      ClickAt(KeyCentre(Index), KeyCentre(Index));
    }
  }
  void PopupKey(Word Key) {
    SendMessageW(Calc->DropDownForm()->Handle(), WM_KEYDOWN, Key, 1);
  }

  TUSLocale Locale;
  TTestForm Form{400, 300};
  TExCalculatorDropdown* Calc;
};

struct TKeyCase {
  const wchar_t* Keys;
  const wchar_t* Shown;
};

TEST_F(CalculatorTest, KeySequencesShowWhatADeskCalculatorShows) {
  const TKeyCase Cases[] = {
      {L"1 2 + 3 =", L"15.00"},
      {L"2 + 3 * 4 =", L"20.00"},  // no precedence: each operator applies at once
      {L"8 - 3 - 2 =", L"3.00"},
      {L"1 0 0 / 4 = * 2 =", L"50.00"},
      {L"1 2 + 3 = =", L"15.00"},  // a second "=" does not repeat the operation
      {L"5 + * 3 =", L"15.00"},    // a second operator replaces the first
      {L"5 + + 3 =", L"8.00"},
      {L"1 0 / 0 =", L"Error"},
      {L"1 0 / 0 = 7", L"7.00"},
      {L"5 0 + 1 0 %", L"5.00"},
      {L"5 0 + 1 0 % =", L"55.00"},
      {L"4 +/- sqrt", L"Error"},
      {L"1/x", L"Error"},
      {L"4 1/x", L"0.25"},
      {L"1 2 . 5 7", L"12.57"},
      {L"1 2 . 5 7 Back", L"12.50"},
      {L"1 2 . 5 7 Back Back", L"12.00"},
      {L"1 2 . 5 7 Back Back Back", L"1.00"},
      {L"1 2 . 5 7 Back Back Back Back", L"0.00"},
      {L"5 + 3 7 Back", L"37.00"},  // Back waits while an operator is pending
      {L"1 +/- 7", L"-17.00"},      // digits grow a negative number away from zero
      {L"1 +/- 7 . 5", L"-17.50"},
      {L"9 sqrt 4", L"4.00"},       // a function's result is finished: 4 starts anew
      {L"9 sqrt + 4 =", L"7.00"},
      {L"5 MS C MR", L"5.00"},
      {L"5 MS M+ C MR", L"10.00"},
      {L"5 MS MC MR", L"0.00"},
      {L"3 MS 9 MR 2", L"2.00"},
      {L"1 . 5 CE 7", L"7.00"},
      {L"1 . 5 C 7", L"7.00"},
      {L"1 . 5 blank 7", L"7.00"},
  };
  for (const TKeyCase& Case : Cases) {
    SCOPED_TRACE(std::string(Case.Keys, Case.Keys + wcslen(Case.Keys)));
    Open();
    Press(L"C MC");
    Press(Case.Keys);
    EXPECT_EQ(Calc->Text(), Case.Shown);
    Calc->HideDropDown(false);
  }
}

// Results that a number cannot hold read as an error, never as a number.
TEST_F(CalculatorTest, ResultsBeyondTheRangeOfANumberShowError) {
  const TKeyCase Cases[] = {
      {L"* 1 0 =", L"Error"},
      {L"+ =", L"Error"},
      {L"MS M+", L"Error"},
      {L"* 1 0 = 7", L"7.00"},  // and the error clears like the others
  };
  for (const TKeyCase& Case : Cases) {
    SCOPED_TRACE(std::string(Case.Keys, Case.Keys + wcslen(Case.Keys)));
    Calc->SetValue(1e308);
    Open();
    Press(L"MC");
    Press(Case.Keys);
    EXPECT_EQ(Calc->Text(), Case.Shown);
    Calc->HideDropDown(false);
  }
}

TEST_F(CalculatorTest, ANewCalculatorShowsZeroInAKeyPadUnderTheEditor) {
  EXPECT_EQ(Calc->Text(), L"0.00");
  EXPECT_EQ(Calc->Value(), 0);
  Open();
  EXPECT_EQ(Calc->DropDownForm()->Width(), 230);
  EXPECT_EQ(Calc->DropDownForm()->Height(), 152) << "the key pad's 150 pixels and the border";
  EXPECT_FALSE(Calc->DropDownForm()->CancelOnDeActivate());
  EXPECT_EQ(Pad()->Buttons()->Count(), 28);
  EXPECT_EQ(Pad()->ButtonAppearance()->GlowColorHot(), Calc->ButtonAppearance()->ColorDownTo());
}

TEST_F(CalculatorTest, KeyPadLaysTheKeysOutInSixColumnsAndFiveRows) {
  TCustomButtonPanel* P = new TCustomButtonPanel(Form.Get());
  P->SetParent(Form.Get());
  P->SetBounds(0, 0, 230, 150);
  P->BuildCalculatorButtons();
  struct TPlace {
    const wchar_t* Caption;
    Integer Left, Top, Width, Height;
  };
  const TPlace Places[] = {
      {L"", 8, 8, 34, 26},       {L"Back", 46, 8, 54, 26}, {L"CE", 104, 8, 54, 26}, {L"C", 162, 8, 55, 26},
      {L"MC", 8, 38, 34, 26},    {L"7", 46, 38, 34, 26},   {L"8", 79, 38, 34, 26},   {L"9", 112, 38, 34, 26},
      {L"/", 150, 38, 34, 26},   {L"sqrt", 183, 38, 34, 26}, {L"MR", 8, 63, 34, 26}, {L"%", 183, 63, 34, 26},
      {L"MS", 8, 88, 34, 26},    {L"1/x", 183, 88, 34, 26}, {L"M+", 8, 113, 34, 26}, {L"0", 46, 113, 34, 26},
      {L"+/-", 79, 113, 34, 26}, {L".", 112, 113, 34, 26}, {L"+", 150, 113, 34, 26}, {L"=", 183, 113, 34, 26},
  };
  for (const TPlace& Place : Places) {
    TButtonItem* Key = nullptr;
    for (Integer i = 0; i < P->Buttons()->Count(); ++i)
      if (P->Buttons()->Items(i)->Caption() == Place.Caption) Key = P->Buttons()->Items(i);
    ASSERT_NE(Key, nullptr);
    EXPECT_EQ(Key->GetBounds(), Bounds(Place.Left, Place.Top, Place.Width, Place.Height))
        << std::string(Place.Caption, Place.Caption + wcslen(Place.Caption));
  }
  TRect Outside;
  P->GetButtonRect(28, Outside);
  EXPECT_EQ(Outside, TRect(-1, -1, -1, -1));
}

TEST_F(CalculatorTest, AClickCountsOnlyWhenReleasedOverThePressedKey) {
  Open();
  std::vector<Integer> Clicked;
  auto Previous = Pad()->OnButtonClick;
  Pad()->OnButtonClick = [&](TObject* Sender, Integer Index) {
    Clicked.push_back(Index);
    Previous(Sender, Index);
  };
  ClickAt(KeyCentre(KeyIndex(L"7")), KeyCentre(KeyIndex(L"8")));
  EXPECT_TRUE(Clicked.empty());
  EXPECT_EQ(Pad()->ButtonDown(), -1);
  ClickAt(KeyCentre(KeyIndex(L"7")), KeyCentre(KeyIndex(L"7")));
  EXPECT_EQ(Clicked, std::vector<Integer>{KeyIndex(L"7")});
  EXPECT_EQ(Calc->Text(), L"7.00");
  // A disabled key turns neither hot nor pressed, and moving onto it
  // clears the hot key.
  const Integer Nine = KeyIndex(L"9");
  Pad()->Buttons()->Items(Nine)->Enabled = false;
  const TPoint P7 = KeyCentre(KeyIndex(L"7")), P9 = KeyCentre(Nine);
  SendMessageW(Pad()->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(P7.X, P7.Y));
  EXPECT_EQ(Pad()->ButtonHot(), KeyIndex(L"7"));
  SendMessageW(Pad()->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(P9.X, P9.Y));
  EXPECT_EQ(Pad()->ButtonHot(), -1);
  ClickAt(P9, P9);
  EXPECT_EQ(Clicked.size(), 1u);
  EXPECT_EQ(Calc->Text(), L"7.00");
}

TEST_F(CalculatorTest, AtMaxLengthOnlyDigitsSignAndPointAreRefused) {
  Calc->SetMaxLength(5);
  Open();
  Press(L"1 2");
  ASSERT_EQ(Calc->Text(), L"12.00");
  Calc->SetModified(false);
  Press(L"3 +/- .");
  EXPECT_EQ(Calc->Text(), L"12.00");
  EXPECT_FALSE(Calc->Modified());
  // A digit that starts the next operand does not lengthen the shown one.
  Press(L"+ 3 =");
  EXPECT_EQ(Calc->Text(), L"15.00");
}

TEST_F(CalculatorTest, ThousandSeparatorsAreShownAndReadBack) {
  Calc->SetShowThousandSeparator(true);
  Calc->SetValue(1234.5);
  EXPECT_EQ(Calc->Text(), L"1,234.50");
  EXPECT_EQ(Calc->Value(), 1234.5);
  Open();
  Press(L"MS + 1 0 0 0 =");
  EXPECT_EQ(Calc->Text(), L"2,234.50");
  Press(L"MR");
  EXPECT_EQ(Calc->Text(), L"1,234.50");
}

TEST_F(CalculatorTest, KeysTypedIntoThePopupCalculate) {
  Open();
  for (Char C : String(L"12+3")) {
    SendMessageW(Calc->DropDownForm()->Handle(), WM_CHAR, C, 1);
  }
  EXPECT_EQ(Calc->Text(), L"3.00");
  SendMessageW(Calc->DropDownForm()->Handle(), WM_CHAR, L'=', 1);
  EXPECT_EQ(Calc->Text(), L"15.00");
  PopupKey(VK_BACK);
  EXPECT_EQ(Calc->Text(), L"15.00") << "a trailing decimal zero comes back with the formatting";
  SendMessageW(Calc->DropDownForm()->Handle(), WM_CHAR, L'c', 1);
  EXPECT_EQ(Calc->Text(), L"0.00");
  Press(L"1 2 + 3 =");
  // Esc closes cancelling, and keeps the calculated text: the keys wrote it.
  PopupKey(VK_ESCAPE);
  EXPECT_FALSE(Calc->DroppedDown());
  EXPECT_EQ(Calc->Text(), L"15.00");
}

TEST_F(CalculatorTest, DeleteThatEmptiesTheClosedEditShowsZero) {
  Calc->SetValue(7);
  Calc->SetFocus();
  Calc->SelectAll();
  SendMessageW(Calc->Handle(), WM_KEYDOWN, VK_DELETE, 1);
  EXPECT_EQ(Calc->Text(), L"0.00");
}

TEST_F(CalculatorTest, TheHotKeyGlowsOverItsSurroundings) {
  Open();
  const Integer Seven = KeyIndex(L"7");
  const TRect R = Pad()->Buttons()->Items(Seven)->GetBounds();
  // Just above the key, in the 4-pixel gap that only a glow reaches.
  const TColor Before = TRendered(Pad()).Pixel(R.Left + 10, R.Top - 2);
  EXPECT_EQ(Before, TColor(0xFFFFFF));
  Pad()->SetButtonHot(Seven);
  const TColor After = TRendered(Pad()).Pixel(R.Left + 10, R.Top - 2);
  EXPECT_NE(After, TColor(0xFFFFFF));
  // The lower half of a key lies between its two colours.
  const TColor Face = TRendered(Pad()).Pixel(R.Left + 10, R.Bottom - 6);
  EXPECT_NE(Face, TColor(0xFFFFFF));
}

}  // namespace
