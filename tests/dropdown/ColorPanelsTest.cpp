// The colour panels: the honeycomb's cells and hit tests, the spectrum's
// colours under the mouse, and the colour-box grid's layout, selection,
// hot tracking and keys.
#include <gtest/gtest.h>

#include "dropdown/ColorPanels.h"
#include "platform/gfx/Canvas.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Image.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::dropdown;
using namespace jorv::test;

namespace {

template <class T>
T* Place(TTestForm& Form, Integer X, Integer Y) {
  auto* Panel = new T(Form.Get());
  Panel->SetParent(Form.Get());
  Panel->SetLeft(X);
  Panel->SetTop(Y);
  Panel->HandleNeeded();
  return Panel;
}

class ColorCubeTest : public ::testing::Test {
 protected:
  TTestForm Form{300, 220};
  TExColorCubePanel* Cube = Place<TExColorCubePanel>(Form, 10, 10);
};

TEST_F(ColorCubeTest, CellsSitInTheirRowsWithTheirColours) {
  struct TCase {
    Integer Index;
    TPoint Center;
    TColor Color;
  };
  const TCase Cases[] = {
      {1, {55, 20}, 0x663300},  {7, {127, 20}, 0x660000},   {8, {49, 30}, 0x666600},
      {30, {97, 50}, 0xFF9933}, {64, {91, 80}, 0xFFFFFF}, {71, {25, 90}, 0x006633},
      {121, {55, 140}, 0x003366}, {127, {127, 140}, 0x2100A5},
  };
  for (const TCase& C : Cases) {
    EXPECT_EQ(Cube->Cell(C.Index).Center.X, C.Center.X) << C.Index;
    EXPECT_EQ(Cube->Cell(C.Index).Center.Y, C.Center.Y) << C.Index;
    EXPECT_EQ(Cube->Cell(C.Index).Color, C.Color) << C.Index;
  }
  EXPECT_EQ(Cube->Width(), 182);
  EXPECT_EQ(Cube->Height(), 160);
}

TEST_F(ColorCubeTest, APointBelongsToTheFirstCellWithinSixPixels) {
  struct TCase {
    TPoint P;
    Integer Cell;
  };
  const TCase Cases[] = {
      {{55, 20}, 1},   {{61, 20}, 1},    // 6 to the right still hits
      {{98, 80}, 65},                    // 7 right of the white cell is 5 left of the next
      {{61, 22}, -1},                    // 6 right and 2 down: outside every cell
      {{91, 80}, 64},  {{127, 140}, 127}, {{0, 0}, -1}, {{170, 80}, -1},
  };
  for (const TCase& C : Cases) EXPECT_EQ(Cube->CellAt(C.P.X, C.P.Y), C.Cell) << C.P.X << "," << C.P.Y;
}

TEST_F(ColorCubeTest, AClickSelectsTheCellAndTheReleaseAsksToHide) {
  Integer Selects = 0, Hides = 0;
  Cube->OnSelect = [&](TObject*) { ++Selects; };
  Cube->OnShouldHide = [&](TObject*) { ++Hides; };
  MouseDown(Cube, 91, 80);
  EXPECT_EQ(Cube->SelectedColor(), TColor(0xFFFFFF));
  EXPECT_EQ(Cube->SelectedIndex(), 64);
  EXPECT_EQ(Selects, 1);
  EXPECT_EQ(Hides, 0);
  MouseUp(Cube, 91, 80);
  EXPECT_EQ(Hides, 1);
  MouseDown(Cube, 2, 2);
  EXPECT_EQ(Selects, 1) << "a click beside the cells selects nothing";
  EXPECT_EQ(Cube->SelectedIndex(), 64);
}

TEST_F(ColorCubeTest, SelectedColorFindsTheCellOfThatColourWithoutRepainting) {
  Cube->SetSelectedColor(0xFF9933);
  EXPECT_EQ(Cube->SelectedIndex(), 30);
  Cube->SetSelectedColor(0x123456);
  EXPECT_EQ(Cube->SelectedIndex(), -1);
  EXPECT_EQ(Cube->SelectedColor(), TColor(0x123456));
  Cube->SetSelection(0xFFFFFF, 3);
  EXPECT_EQ(Cube->SelectedIndex(), 3) << "a given index wins over the colour";
}

TEST_F(ColorCubeTest, HoverMarksTheCellAndNamesItsColourInTheHint) {
  MouseMove(Cube, 91, 80);
  EXPECT_EQ(Cube->HotIndex(), 64);
  EXPECT_EQ(Cube->Hint(), L"Red: 255,  Green: 255,  Blue: 255");
  MouseMove(Cube, 55, 20);
  EXPECT_EQ(Cube->Hint(), L"Red: 0,  Green: 51,  Blue: 102");
  MouseMove(Cube, 2, 2);
  EXPECT_EQ(Cube->Hint(), L"");
  EXPECT_EQ(Cube->HotIndex(), 1) << "the hot mark stays over no cell";
  Cube->SetShowRGBHint(false);
  EXPECT_FALSE(Cube->ShowHint());
  MouseMove(Cube, 91, 80);
  EXPECT_EQ(Cube->Hint(), L"") << "without the RGB hint the hint is left alone";
}

TEST_F(ColorCubeTest, CellsAreHexagonsFramedRedWhenHotAndBlackWhenSelected) {
  MouseDown(Cube, 91, 80);
  MouseUp(Cube, 91, 80);
  MouseMove(Cube, 55, 20);
  TRendered Image(Cube);
  EXPECT_EQ(Image.Pixel(103, 80), TColor(0xFFCCFF)) << "the middle of cell 65";
  EXPECT_EQ(Image.Pixel(50, 20), TColor(0x0000FF)) << "hot frame, 5 left of cell 1";
  EXPECT_EQ(Image.Pixel(51, 20), TColor(0xFFFFFF)) << "its inner white frame";
  EXPECT_EQ(Image.Pixel(55, 20), TColor(0x663300)) << "the cell's colour inside";
  EXPECT_EQ(Image.Pixel(86, 80), TColor(0x000000)) << "selected frame of the white cell";
  EXPECT_EQ(Image.Pixel(91, 77), TColor(0xFFFFFF));
}

class ColorSpectrumTest : public ::testing::Test {
 protected:
  ColorSpectrumTest() {
    Spectrum->LayoutSpectrum();
    Pump();
  }
  TTestForm Form{300, 220};
  TExColorSpectrumPanel* Spectrum = Place<TExColorSpectrumPanel>(Form, 10, 10);
};

TEST_F(ColorSpectrumTest, LayoutCentresThePictureAboveTwoSampleBoxes) {
  EXPECT_EQ(Spectrum->Width(), 150);
  EXPECT_EQ(Spectrum->Height(), 174);
  EXPECT_EQ(Spectrum->SpectrumImage()->BoundsRect(), TRect(11, 10, 139, 138));
  EXPECT_EQ(Spectrum->SelectedRect(), TRect(10, 146, 73, 166));
  EXPECT_EQ(Spectrum->HotRect(), TRect(77, 146, 140, 166));
  EXPECT_EQ(Spectrum->HotColor(), clNone);
  EXPECT_EQ(Spectrum->SelectedColor(), clWhite);
  EXPECT_EQ(Spectrum->SpectrumImage()->Cursor(), crSpectrumPointer);
  EXPECT_NE(Screen->Cursors(crSpectrumPointer), nullptr);
}

TEST_F(ColorSpectrumTest, TheColourUnderTheMouseIsThePicturesPixel) {
  // Hue runs left to right, white at the top, the pure hue at row 64 and
  // black at the bottom.
  struct TCase {
    TPoint P;
    TColor Color;
  };
  const TCase Cases[] = {
      {{0, 0}, 0xFFFFFF},   {{0, 64}, 0x0000FF},  {{32, 64}, 0x00FF7F},  {{64, 64}, 0xFFFF00},
      {{96, 64}, 0xFF0080}, {{0, 127}, 0x000000}, {{64, 32}, 0xFFFF80},
  };
  for (const TCase& C : Cases) {
    MouseMove(Spectrum, 11 + C.P.X, 10 + C.P.Y);
    EXPECT_EQ(Spectrum->HotColor(), C.Color) << C.P.X << "," << C.P.Y;
  }
}

TEST_F(ColorSpectrumTest, AClickTakesTheHotColourAndShowsBothSamples) {
  Integer Selects = 0, Hides = 0;
  Spectrum->OnSelect = [&](TObject*) { ++Selects; };
  Spectrum->OnShouldHide = [&](TObject*) { ++Hides; };
  MouseMove(Spectrum, 11, 74);
  MouseDown(Spectrum, 11, 74);
  EXPECT_EQ(Spectrum->SelectedColor(), TColor(0x0000FF));
  EXPECT_EQ(Selects, 1);
  MouseUp(Spectrum, 11, 74);
  EXPECT_EQ(Hides, 1);
  MouseMove(Spectrum, 11 + 64, 74);
  TRendered Image(Spectrum);
  EXPECT_EQ(Image.Pixel(40, 156), TColor(0x0000FF)) << "selected sample";
  EXPECT_EQ(Image.Pixel(100, 156), TColor(0xFFFF00)) << "hot sample";
  EXPECT_EQ(Image.Pixel(10, 146), TColor(0xFFFFFF)) << "white edge of the sample box";
  EXPECT_EQ(Image.Pixel(9, 145), TColor(0x808080)) << "grey frame around it";
  EXPECT_EQ(Image.Pixel(10, 9), TColor(0xFFFFFF)) << "white line around the picture";
  EXPECT_EQ(Image.Pixel(9, 8), TColor(0x808080)) << "grey line around that";
  MouseUp(Spectrum, 2, 2);
  EXPECT_EQ(Hides, 2) << "a release beside the picture also asks to hide";
}

class ColorBoxTest : public ::testing::Test {
 protected:
  ColorBoxTest() {
    Boxes->AddDefaultColorBoxes();
    Boxes->ArrangeColorBoxes();
    Pump();
  }
  TTestForm Form{300, 220};
  TCustomColorSelector* Boxes = Place<TCustomColorSelector>(Form, 10, 10);
};

TEST_F(ColorBoxTest, SixtyBoxesInRowsOfShadesAfterAGap) {
  ASSERT_EQ(Boxes->Items()->Count(), 60);
  EXPECT_EQ(Boxes->Width(), 165);
  EXPECT_EQ(Boxes->Height(), 84);
  EXPECT_EQ(Boxes->GetItemRect(0), TRect(4, 4, 16, 16));
  EXPECT_EQ(Boxes->GetItemRect(9), TRect(148, 4, 160, 16));
  EXPECT_EQ(Boxes->GetItemRect(10), TRect(4, 20, 16, 32)) << "the gap after the stand-alone row";
  EXPECT_EQ(Boxes->GetItemRect(20), TRect(4, 32, 16, 44)) << "shade rows touch";
  EXPECT_EQ(Boxes->GetItemRect(59), TRect(148, 68, 160, 80));
  EXPECT_EQ(Boxes->GetItemRect(60), TRect(-1, -1, -1, -1));
  EXPECT_EQ(Boxes->Items()->Items(10)->ColorBoxPos(), ipTop);
  EXPECT_EQ(Boxes->Items()->Items(59)->Color(), TColor(0x064897));
  Boxes->SetColumns(20);
  EXPECT_EQ(Boxes->GetItemRect(20), TRect(4, 20, 16, 32)) << "row two starts with box 20 now";
  Boxes->Items()->Clear();
  Boxes->ArrangeColorBoxes();
  EXPECT_EQ(Boxes->Width(), 100);
  EXPECT_EQ(Boxes->Height(), 50);
}

TEST_F(ColorBoxTest, ClicksSelectAndTheMouseMarksTheHotBox) {
  Integer Selects = 0;
  Boxes->OnItemSelect = [&](TObject*) { ++Selects; };
  Boxes->Items()->Items(3)->SetEnabled(false);
  Click(Boxes, 10 + 16, 10);
  EXPECT_EQ(Boxes->ItemIndex(), 1);
  EXPECT_EQ(Boxes->SelectedColor(), TColor(0x000000));
  EXPECT_EQ(Selects, 1);
  Click(Boxes, 10 + 16 * 3, 10);
  EXPECT_EQ(Boxes->ItemIndex(), 1) << "a disabled box is not selected";
  Click(Boxes, 2, 2);
  EXPECT_EQ(Boxes->ItemIndex(), 1) << "the margin is no box";
  MouseMove(Boxes, 10 + 16 * 2, 25);
  EXPECT_EQ(Boxes->ItemHot(), 12);
  MouseMove(Boxes, 10 + 16 * 3, 10);
  EXPECT_EQ(Boxes->ItemHot(), -1) << "over a disabled box nothing is hot";
  Boxes->SetItemIndex(3);
  EXPECT_EQ(Boxes->ItemIndex(), 1);
  EXPECT_THROW(Boxes->SetItemIndex(60), Exception);
  Boxes->SetSelectedColor(0x4696F7);
  EXPECT_EQ(Boxes->ItemIndex(), 9);
  Boxes->SetSelectedColor(0x123456);
  EXPECT_EQ(Boxes->ItemIndex(), -1);
}

TEST_F(ColorBoxTest, KeysMoveByBoxesAndRows) {
  struct TCase {
    Integer From;
    Word Key;
    bool EditorEnabled;
    bool DroppedDown;
    Integer To;
  };
  const TCase Cases[] = {
      {-1, VK_DOWN, false, true, 0},    {3, VK_DOWN, false, true, 13},  {55, VK_DOWN, false, true, 55},
      {3, VK_UP, false, true, 3},       {13, VK_UP, false, true, 3},    {3, VK_DOWN, false, false, 4},
      {3, VK_UP, false, false, 2},      {3, VK_LEFT, true, false, 3},   {3, VK_LEFT, true, true, 2},
      {3, VK_RIGHT, false, false, 4},   {30, VK_HOME, false, true, 0},  {30, VK_NEXT, false, true, 59},
      {30, VK_PRIOR, false, false, 0},  {30, VK_END, false, false, 59}, {30, VK_RETURN, false, true, 30},
      {59, VK_RIGHT, false, true, 59},  {0, VK_LEFT, false, true, 0},
  };
  for (const TCase& C : Cases) {
    Boxes->SetItemIndex(C.From);
    Boxes->HandleKey(C.Key, C.EditorEnabled, C.DroppedDown);
    EXPECT_EQ(Boxes->ItemIndex(), C.To) << "from " << C.From << " key " << C.Key;
  }
  Boxes->SetItemIndex(5);
  Boxes->SetEnabled(false);
  Boxes->HandleKey(VK_HOME, false, true);
  EXPECT_EQ(Boxes->ItemIndex(), 5) << "a disabled grid takes no keys";
}

TEST_F(ColorBoxTest, FramesShowHotAndSelectedBoxesAndPlainBoxesShowTheirRunOfShades) {
  Boxes->SetItemIndex(0);
  MouseMove(Boxes, 10 + 16 * 2 + 5, 15);
  TRendered Image(Boxes);
  EXPECT_EQ(Image.Pixel(4, 10), TColor(0x0000FF)) << "selected: red outer frame";
  EXPECT_EQ(Image.Pixel(5, 10), TColor(0x94E2FF)) << "and the light inner one";
  EXPECT_EQ(Image.Pixel(36, 10), TColor(0x3694F2)) << "hot: orange outer frame";
  EXPECT_EQ(Image.Pixel(10, 25), TColor(0xF2F2F2)) << "a shade's colour";
  EXPECT_EQ(Image.Pixel(4, 25), TColor(0xC5C5C5)) << "its side line";
  EXPECT_EQ(Image.Pixel(10, 32), TColor(0xD8D8D8)) << "no line between touching shades";
  Boxes->ColorBoxAppearance()->OuterBorderColorSelected = 0x00FF00;
  Boxes->SetItemColorStyle(scCustom);
  EXPECT_EQ(Boxes->ColorBoxAppearance()->OuterBorderColorSelected, TColor(0x00FF00));
  Boxes->SetItemColorStyle(scWindows7);
  EXPECT_EQ(Boxes->ColorBoxAppearance()->OuterBorderColorSelected, TColor(0x0000FF));
}

}  // namespace
