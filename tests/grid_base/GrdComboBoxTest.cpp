// The grid's combo box: its button width, focus colours, the list's close
// event, its own painting with a coloured button, and its label at every
// place beside it.
#include <gtest/gtest.h>

#include "grid/base/GrdComboBox.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

class Combo : public ::testing::Test {
 protected:
  void SetUp() override {
    Box = new TGrdComboBox(Form.Get());
    Box->SetParent(Form.Get());
    Box->SetBounds(100, 80, 120, 21);
    for (const wchar_t* Item : {L"Apfel", L"Birne", L"Kirsche"}) Box->Items()->Add(Item);
    Other = new TEdit(Form.Get());
    Other->SetParent(Form.Get());
    Other->SetBounds(10, 10, 60, 21);
    Other->SetFocus();
    Pump();
  }
  TTestForm Form{400, 250};
  TGrdComboBox* Box = nullptr;
  TEdit* Other = nullptr;
};

TEST_F(Combo, ButtonWidthTakesOnly14To32) {
  EXPECT_EQ(Box->ButtonWidth(), GetSystemMetrics(SM_CXVSCROLL) + 2);
  for (Integer Width : {14, 13, 33, 32}) Box->SetButtonWidth(Width);
  EXPECT_EQ(Box->ButtonWidth(), 32);
  Box->SetButtonWidth(14);
  EXPECT_EQ(Box->ButtonWidth(), 14);
}

TEST_F(Combo, FocusColourShowsWhileFocusedOnly) {
  Box->SetColor(clYellow);
  Box->Init();
  Box->SetFocus();
  Pump();
  EXPECT_EQ(Box->Color(), clYellow);
  Other->SetFocus();
  Pump();
  Box->SetFocusColor(clAqua);
  Box->SetFocus();
  Pump();
  EXPECT_EQ(Box->Color(), clAqua);
  Other->SetFocus();
  Pump();
  EXPECT_EQ(Box->Color(), clYellow);
}

TEST_F(Combo, ClosingTheListFiresOnDropUpOnce) {
  Integer DropUps = 0;
  Box->OnDropUp = [&](TObject* Sender) {
    EXPECT_EQ(Sender, Box);
    ++DropUps;
  };
  Box->SetFocus();
  Pump();
  KeyPress(Box, VK_F4);
  EXPECT_TRUE(Box->DroppedDown());
  EXPECT_EQ(DropUps, 0);
  KeyPress(Box, VK_ESCAPE);
  Pump();
  EXPECT_FALSE(Box->DroppedDown());
  EXPECT_EQ(DropUps, 1);
}

TEST_F(Combo, DropWidthWidensTheList) {
  Box->SetDropWidth(250);
  EXPECT_EQ(SendMessageW(Box->Handle(), CB_GETDROPPEDWIDTH, 0, 0), 250);
  Box->SelectItem(L"Birne");
  EXPECT_EQ(Box->ItemIndex(), 1);
  Box->SelectItem(L"Pflaume");
  EXPECT_EQ(Box->ItemIndex(), 1);
}

TEST_F(Combo, AColouredButtonAndBorderArePaintedByTheCombo) {
  Box->FButtonColor = clYellow;
  Box->FButtonTextColor = clBlack;
  Box->FButtonBorderColor = clBlue;
  Box->SetBorderColor(clRed);
  Box->Invalidate();
  Pump();
  // The frame is drawn on the window itself.
  HDC Screen = GetDC(Box->Handle());
  EXPECT_EQ(GetPixel(Screen, 0, 10), RGB(255, 0, 0));
  ReleaseDC(Box->Handle(), Screen);
  // The button face, its arrow at (left + 7, top + 9) and its border line.
  TRendered Face(Box);
  const Integer Left = Box->ClientWidth() - Box->ButtonWidth() + 2;
  EXPECT_EQ(Face.Pixel(Left + 2, 4), clYellow);
  EXPECT_EQ(Face.Pixel(Left + 7, 10), clBlack);
  EXPECT_EQ(Face.Pixel(Left, 5), clBlue);
}

TEST_F(Combo, TheLabelStandsAtItsPlaceAndFollowsTheCombo) {
  Box->SetLabelCaption(L"Obst");
  TLabel* Label = Box->ComboLabel();
  ASSERT_NE(Label, nullptr);
  Box->SetLabelMargin(5);
  const Integer LW = Label->Width(), LH = Label->Height();
  // The caption measures as wide as the auto-sized label.
  const Integer w = LW;
  struct Case {
    TLabelPosition Position;
    Integer Left, Top;
  };
  const Case Cases[] = {
      {lpLeftTop, 100 - w - 5, 80},
      {lpLeftCenter, 100 - w - 5, 80 + (21 - LH) / 2},
      {lpLeftBottom, 100 - w - 5, 80 + 21 - LH},
      {lpTopLeft, 100, 80 - LH - 5},
      {lpBottomLeft, 100, 80 + 21 + 5},
      {lpLeftTopLeft, 100 - 5, 80},
      {lpLeftCenterLeft, 100 - 5, 80 + (21 - LH) / 2},
      {lpLeftBottomLeft, 100 - 5, 80 + 21 - LH},
      {lpTopCenter, 100 + (120 - LW) / 2, 80 - LH - 5},
      {lpBottomCenter, 100 + (120 - LW) / 2, 80 + 21 + 5},
      {lpRightTop, 100 + 120 + 5, 80},
      {lpRightCenter, 100 + 120 + 5, 80 + (21 - LH) / 2},
      {lpRighBottom, 100 + 120 + 5, 80 + 21 - LH},
  };
  for (const Case& C : Cases) {
    Box->SetLabelPosition(C.Position);
    EXPECT_EQ(Label->Left(), C.Left) << int(C.Position);
    EXPECT_EQ(Label->Top(), C.Top) << int(C.Position);
  }
  // A label taller than the combo reaches equally above and below it.
  Box->SetLabelPosition(lpLeftCenter);
  Label->SetAutoSize(false);
  Label->SetHeight(41);
  Box->SetLabelMargin(4);
  EXPECT_EQ(Label->Top(), 70);

  Box->SetEnabled(false);
  EXPECT_FALSE(Label->Enabled());
  Box->SetEnabled(true);
  Box->SetLabelAlwaysEnabled(true);
  Box->SetEnabled(false);
  EXPECT_TRUE(Label->Enabled());
  Box->SetVisible(false);
  EXPECT_FALSE(Label->Visible());
  Box->SetVisible(true);
  EXPECT_TRUE(Label->Visible());
}

}  // namespace
