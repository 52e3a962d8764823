// The colour picker: its named colours, choosing through the list, the
// grid of boxes, the honeycomb and the spectrum, the text it shows for a
// colour, keys and type-ahead with the pop-up closed and open.
#include <gtest/gtest.h>

#include "dropdown/ColorPickerDropDown.h"
#include "platform/gfx/Canvas.h"
#include "tests/support/FixedClock.h"
#include "tests/support/StreamCheck.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::dropdown;
using namespace jorv::test;

namespace {

class ColorPickerTest : public ::testing::Test {
 protected:
  ColorPickerTest() {
    Picker = new TExColorPickerDropDown(Form.Get());
    Picker->SetParent(Form.Get());
    Picker->SetBounds(60, 20, 200, 24);
    Picker->HandleNeeded();
    Picker->OnSelect = [this](TObject*) { ++Selects; };
    Pump();
  }
  void KeyDown(Word Key) { SendMessageW(Picker->Handle(), WM_KEYDOWN, Key, 1); }
  bool PopupShown() { return IsWindowVisible(Picker->DropDownForm()->Handle()); }
  void Open() {
    Picker->ShowDropDown();
    Pump();
    ASSERT_TRUE(PopupShown());
  }
  // The colour in the middle of the edit's colour box.
  TColor EditBoxPixel() {
    Pump();
    Picker->Repaint();
    HDC DC = GetDC(Picker->Handle());
    RECT Client;
    GetClientRect(Picker->Handle(), &Client);
    const COLORREF P = GetPixel(DC, 1 + 4 + 7, Client.bottom / 2);
    ReleaseDC(Picker->Handle(), DC);
    return TColor(P);
  }

  TTestForm Form{400, 300};
  TExColorPickerDropDown* Picker;
  Integer Selects = 0;
};

TEST_F(ColorPickerTest, InCodeItStartsWithoutColoursAndInTheDesignerWithSixteen) {
  EXPECT_EQ(Picker->Colors()->Count(), 0);
  Picker->AddDefaultColors();
  ASSERT_EQ(Picker->Colors()->Count(), 16);
  EXPECT_EQ(Picker->Colors()->Items(9)->Caption(), L"Red");
  EXPECT_EQ(Picker->Colors()->Items(9)->Color(), clRed);
  EXPECT_EQ(Picker->Colors()->Items(4)->Caption(), L"Navy");
  EXPECT_EQ(Picker->Colors()->Items(4)->Color(), TColor(0x800000));

  TComponent Designer(nullptr);
  Designer.SetDesigning(true);
  auto* Placed = new TExColorPickerDropDown(&Designer);
  EXPECT_EQ(Placed->Colors()->Count(), 0) << "not before its window is made";
  Placed->SetParent(Form.Get());
  Placed->HandleNeeded();
  EXPECT_EQ(Placed->Colors()->Count(), 16);
}

TEST_F(ColorPickerTest, ClickingRedInTheListShowsARedBoxAndItsName) {
  Picker->AddDefaultColors();
  Open();
  TCustomItemSelector* List = Picker->ItemSelector()->ItemSelectorPanel();
  TRect R;
  List->GetItemRect(9, R);
  Click(List, R.Left + R.Width() / 2, R.Top + R.Height() / 2);
  Pump();
  EXPECT_FALSE(PopupShown()) << "a choice closes the pop-up";
  EXPECT_EQ(Picker->ItemIndex(), 9);
  EXPECT_EQ(Picker->SelectedColor(), clRed);
  EXPECT_EQ(Picker->SelectedColorText(), L"Red");
  EXPECT_EQ(Selects, 1);
  EXPECT_EQ(EditBoxPixel(), TColor(0x0000FF));
  Picker->SetSelectedColor(0x123456);
  EXPECT_EQ(Picker->ItemIndex(), 9) << "a colour no item has leaves the item";
  EXPECT_EQ(Picker->SelectedColorText(), L"Red");
  EXPECT_EQ(EditBoxPixel(), TColor(0x123456));
  Picker->SetSelectedColor(clNone);
  EXPECT_NE(EditBoxPixel(), TColor(0x123456)) << "no colour, no box";
}

TEST_F(ColorPickerTest, AColourOutsideTheListIsNamedByColorValueText) {
  struct TCase {
    TColor Color;
    TColorValueText Form;
    const wchar_t* Text;
  };
  const TCase Cases[] = {
      {clRed, cvtNone, L""},
      {clRed, cvtHex, L"0000FF"},
      {clRed, cvtRGB, L"Red:255,Green:0,Blue:0"},
      {clRed, cvtWebName, L"clWebRed"},
      {clRed, cvtHTML, L"#FF0000"},
      {0xFF9933, cvtHTML, L"#3399FF"},
      {0x123456, cvtWebName, L"#563412"},
      {0xFAFAFF, cvtWebName, L"clWebSnow"},
      {clBtnFace, cvtHex, L"FF00000F"},
  };
  for (const TCase& C : Cases) {
    Picker->SetSelectedColor(C.Color);
    Picker->SetColorValueText(C.Form);
    EXPECT_EQ(Picker->SelectedColorText(), C.Text) << C.Color << " " << int(C.Form);
  }
}

TEST_F(ColorPickerTest, TheCubeOpensAtItsOwnSizeAndItsCellBecomesTheColour) {
  Picker->AddDefaultColors();
  Picker->SetColorValueText(cvtHTML);
  Open();
  Picker->HideDropDown(false);
  Picker->SetColorSelectionStyle(csColorCube);
  Open();
  TExColorCubePanel* Cube = Picker->ColorCubePanel();
  ASSERT_NE(Cube, nullptr);
  EXPECT_EQ(Picker->DropDownForm()->Width(), 182 + 2 * Picker->DropDownBorderWidth());
  EXPECT_EQ(Picker->DropDownForm()->Height(), 160 + 2 * Picker->DropDownBorderWidth());
  EXPECT_FALSE(Picker->DropDownForm()->Sizeable());
  EXPECT_FALSE(Picker->ItemSelector()->Visible());
  Click(Cube, 97, 50);
  Pump();
  EXPECT_FALSE(PopupShown());
  EXPECT_EQ(Picker->SelectedColor(), TColor(0xFF9933));
  EXPECT_EQ(Picker->ItemIndex(), -1);
  EXPECT_EQ(Picker->SelectedColorText(), L"#3399FF");
  EXPECT_EQ(EditBoxPixel(), TColor(0xFF9933));
}

TEST_F(ColorPickerTest, TheSpectrumGivesThePixelUnderTheClick) {
  Picker->SetColorSelectionStyle(csSpectrum);
  Open();
  TExColorSpectrumPanel* Spectrum = Picker->SpectrumPanel();
  ASSERT_NE(Spectrum, nullptr);
  EXPECT_EQ(Picker->DropDownForm()->Width(), 150 + 2 * Picker->DropDownBorderWidth());
  MouseMove(Spectrum, 11 + 64, 10 + 64);
  MouseDown(Spectrum, 11 + 64, 10 + 64);
  Pump();
  EXPECT_FALSE(PopupShown());
  EXPECT_EQ(Picker->SelectedColor(), TColor(0xFFFF00));
  EXPECT_EQ(Selects, 1) << "ItemIndex -1 reports the choice";
}

TEST_F(ColorPickerTest, TheGridChoosesByClickAndEscapeBringsTheOldColourBack) {
  Picker->SetColorSelectionStyle(csDiscrete);
  Picker->SetSelectedColor(0x7D491F);
  Open();
  TCustomColorSelector* Grid = Picker->ColorSelector();
  ASSERT_NE(Grid, nullptr);
  EXPECT_EQ(Grid->ItemIndex(), 3) << "the grid opens on the picker's colour";
  EXPECT_EQ(Picker->DropDownForm()->Width(), 165 + 2 * Picker->DropDownBorderWidth());
  EXPECT_EQ(Picker->DropDownForm()->Height(), 84 + 2 * Picker->DropDownBorderWidth());
  KeyDown(VK_RIGHT);
  KeyDown(VK_DOWN);
  EXPECT_EQ(Grid->ItemIndex(), 14);
  EXPECT_TRUE(PopupShown()) << "keys move within the open grid";
  EXPECT_EQ(Picker->SelectedColor(), TColor(0xF1E5DB));
  KeyDown(VK_ESCAPE);
  Pump();
  EXPECT_FALSE(PopupShown());
  EXPECT_EQ(Picker->SelectedColor(), TColor(0x7D491F));
  Open();
  Click(Grid, 4 + 5 * 16 + 6, 10);
  Pump();
  EXPECT_FALSE(PopupShown());
  EXPECT_EQ(Picker->SelectedColor(), TColor(0x4D50C0));
  KeyDown(VK_RIGHT);
  EXPECT_EQ(Picker->SelectedColor(), TColor(0x59BB9B)) << "closed, the keys step through the boxes";
}

TEST_F(ColorPickerTest, KeysStepTheClosedListAndEscapeRestoresTheOpenOne) {
  Picker->AddDefaultColors();
  struct TStep {
    Word Key;
    Integer Index;
  };
  const TStep Steps[] = {{VK_DOWN, 0}, {VK_DOWN, 1}, {VK_UP, 0}, {VK_UP, 0}, {VK_END, 15},
                         {VK_DOWN, 15}, {VK_HOME, 0}};
  for (const TStep& S : Steps) {
    KeyDown(S.Key);
    EXPECT_EQ(Picker->ItemIndex(), S.Index) << S.Key;
  }
  EXPECT_FALSE(PopupShown());
  Picker->SetItemIndex(2);
  Open();
  KeyDown(VK_DOWN);
  KeyDown(VK_DOWN);
  EXPECT_EQ(Picker->ItemIndex(), 4);
  EXPECT_TRUE(PopupShown());
  Selects = 0;
  KeyDown(VK_ESCAPE);
  Pump();
  EXPECT_FALSE(PopupShown());
  EXPECT_EQ(Picker->ItemIndex(), 2);
  EXPECT_EQ(Picker->SelectedColor(), clGreen);
  EXPECT_EQ(Selects, 1) << "the restored colour is reported";
  Picker->SetItemIndex(16);
  EXPECT_EQ(Picker->ItemIndex(), 2) << "beyond the colours is ignored";
}

TEST_F(ColorPickerTest, TypingSearchesTheKeysOfHalfASecondWithTheListClosed) {
  FixedClock Clock(0);
  Clock.SetTicks(5000);
  Picker->AddDefaultColors();
  KeyDown(L'B');
  EXPECT_EQ(Picker->ItemIndex(), 0) << "Black";
  Clock.Advance(499);
  KeyDown(L'L');
  EXPECT_EQ(Picker->ItemIndex(), 12) << "BL, past the current entry: Blue";
  Clock.Advance(1);
  KeyDown(L'L');
  EXPECT_EQ(Picker->ItemIndex(), 10) << "a new search for L: Lime";
  EXPECT_EQ(Picker->SelectedColorText(), L"Lime");
  EXPECT_FALSE(PopupShown());
}

TEST_F(ColorPickerTest, TheWheelStepsTheClosedListAndMovesTheHotEntryOfTheOpenOne) {
  Picker->AddDefaultColors();
  SendMessageW(Picker->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
  SendMessageW(Picker->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
  EXPECT_EQ(Picker->ItemIndex(), 1);
  Open();
  SendMessageW(Picker->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
  EXPECT_EQ(Picker->ItemIndex(), 1) << "open: the hot entry moves, not the choice";
  const Integer Hot = Picker->ItemSelector()->ItemHot();
  EXPECT_GE(Hot, 0);
  KeyDown(VK_RETURN);
  Pump();
  EXPECT_EQ(Picker->ItemIndex(), Hot) << "Return takes the hot entry";
  EXPECT_FALSE(PopupShown());
}

}  // namespace

namespace {

// The picker's own properties and its colour items travel in the form
// stream; a picker read back names the same colour.
TEST(ColorPickerStreaming, ColoursAndSettingsComeBack) {
  TTestForm Form{200, 100};
  TExColorPickerDropDown Original(nullptr);
  Original.AddDefaultColors();
  Original.Colors()->Items(3)->SetHint(L"olive");
  Original.SetItemIndex(9);
  Original.SetColorSelectionStyle(csDiscrete);
  Original.SetColorValueText(cvtWebName);
  Original.SetColumns(2);
  const TBytes Bytes = WrittenBytes(&Original);

  TExColorPickerDropDown Copy(nullptr);
  ReadBytesInto(Bytes, &Copy);
  EXPECT_EQ(PropertyDifferences(&Original, &Copy), std::vector<String>());
  ASSERT_EQ(Copy.Colors()->Count(), 16);
  EXPECT_EQ(Copy.Colors()->Items(3)->Hint(), L"olive");
  EXPECT_EQ(Copy.ItemIndex(), 9);
  EXPECT_EQ(Copy.SelectedColor(), clRed);
  EXPECT_EQ(Copy.ColorSelectionStyle(), csDiscrete);
  EXPECT_EQ(Copy.ColorValueText(), cvtWebName);
  EXPECT_EQ(Copy.Columns(), 2);
}

}  // namespace
