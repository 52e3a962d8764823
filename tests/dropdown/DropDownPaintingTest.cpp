// What the drop-down family paints: the pop-up's background and border,
// header and footer gradients, borders and size grip, the arrow button's
// faces, the header and footer buttons by state, and the edit's border.
#include "tests/dropdown/DropDownFixture.h"

#include "dropdown/ExButton.h"
#include "dropdown/HeaderFooter.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Colors.h"
#include "platform/ui/Panel.h"

using namespace jorv;
using namespace jorv::dropdown;
using namespace jorv::test;

namespace {

class PaintingTest : public DropDownFixture {
 protected:
  PaintingTest() {
    Edit->SetComponentStyle(foundation::tsCustom);
    Edit->SetDropDownWidth(200);
    Edit->SetDropDownHeight(120);
  }
  TDropDownForm* Open() {
    Edit->ShowDropDown();
    Pump();
    return Edit->DropDownForm();
  }
};

TEST_F(PaintingTest, ThePopupFillsInsideItsBorder) {
  Edit->DropDownHeader()->SetVisible(false);
  Edit->DropDownFooter()->SetVisible(false);
  Edit->SetDropDownColor(0x0000FF);
  Edit->SetDropDownColorTo(clNone);
  Edit->SetDropDownBorderColor(0x00FF00);
  TRendered R(Open());
  EXPECT_EQ(R.Pixel(0, 0), TColor(0x00FF00));
  EXPECT_EQ(R.Pixel(199, 60), TColor(0x00FF00));
  EXPECT_EQ(R.Pixel(100, 60), TColor(0x0000FF));
  Edit->HideDropDown(false);
  Edit->SetDropDownColor(0x000000);
  Edit->SetDropDownColorTo(0xFF0000);
  Edit->SetDropDownGradient(gdVertical);
  TRendered G(Open());
  EXPECT_EQ(G.Pixel(100, 1), TColor(0x000000)) << "the gradient starts at the top";
  EXPECT_GT(G.Pixel(100, 110) >> 16, 0xD0) << "and runs to the end colour at the bottom";
  Edit->HideDropDown(false);
}

TEST_F(PaintingTest, APopupWithoutColoursPaintsNoBackgroundOfItsOwn) {
  Edit->DropDownHeader()->SetVisible(false);
  Edit->DropDownFooter()->SetVisible(false);
  Edit->SetDropDownColor(clNone);
  Edit->SetDropDownColorTo(clNone);
  Edit->SetDropDownBorderWidth(0);
  TDropDownForm* F = Open();
  F->SetColor(0x336699);
  TRendered R(F);
  EXPECT_EQ(R.Pixel(100, 60), TColor(0x336699));
  Edit->HideDropDown(false);
}

TEST_F(PaintingTest, HeaderAndFooterPaintGradientBorderCaptionAndGrip) {
  THeaderAppearance* H = Edit->DropDownHeader();
  H->SetColor(0x000000);
  H->SetColorTo(0xFF0000);
  H->SetBorderColor(0x0000FF);
  H->SetCaption(L"<b>Title</b>");
  H->Font()->SetColor(0x00FF00);
  TFooterAppearance* Ft = Edit->DropDownFooter();
  Ft->SetColor(0x00FFFF);
  Ft->SetColorTo(clNone);
  Ft->SetBorderColor(0xFF00FF);
  Edit->SetDropDownBorderColor(clNone);
  TDropDownForm* F = Open();
  TRendered Head(F->Header());
  EXPECT_LT(Head.Pixel(150, 2) >> 16, 0x40) << "vertical gradient from the start colour";
  EXPECT_GT(Head.Pixel(150, 19) >> 16, 0xC0);
  EXPECT_EQ(Head.Pixel(150, 21), TColor(0x0000FF)) << "the border along the bottom";
  // Without a border of the pop-up the header frames itself; the light
  // inner outline (a fifth of the border colour on white) covers the sides.
  EXPECT_EQ(Head.Pixel(0, 10), TColor(0xCCCCFF));
  Edit->HideDropDown(false);
  Edit->SetDropDownBorderColor(0x000000);
  F = Open();
  TRendered Framed(F->Header());
  EXPECT_EQ(Framed.Pixel(150, 21), TColor(0x0000FF));
  Integer Green = 0;
  for (Integer X = 0; X < 80; ++X)
    for (Integer Y = 0; Y < 22; ++Y)
      if (Head.Pixel(X, Y) == TColor(0x00FF00)) ++Green;
  EXPECT_GT(Green, 10) << "the caption in the header font's colour";
  TRendered Foot(F->Footer());
  const Integer W = F->Footer()->Width(), Ht = F->Footer()->Height();
  EXPECT_EQ(Foot.Pixel(50, 0), TColor(0xFF00FF)) << "the footer's border runs along its top";
  EXPECT_EQ(Foot.Pixel(50, 10), TColor(0x00FFFF));
  // The grip's dots: white at (L + 13, B - 2), border-coloured one up-left.
  const Integer L = W - 1 - 16, B = Ht;
  EXPECT_EQ(Foot.Pixel(L + 13, B - 3), clWhite);
  EXPECT_EQ(Foot.Pixel(L + 12, B - 4), TColor(0xFF00FF));
  Edit->HideDropDown(false);
}

TEST_F(PaintingTest, TheArrowButtonPaintsItsFaces) {
  TDropDownEditButton* O = Edit->Button();
  TExDropDownSpeedButton* B = O->Button();
  TRendered Classic(B);
  EXPECT_EQ(Classic.Pixel(8, 8), TColor(0x000000)) << "the black triangle (5,7) (11,7) (8,10)";
  EXPECT_EQ(Classic.Pixel(1, 5), clWhite) << "the light inner edge";
  O->SetButtonColor(0x00FFFF);
  O->SetButtonTextColor(0xFF0000);
  Edit->SetBorderColor(0x0000FF);
  TRendered Coloured(B);
  EXPECT_EQ(Coloured.Pixel(8, 8), TColor(0xFF0000));
  EXPECT_EQ(Coloured.Pixel(8, 3), TColor(0x00FFFF));
  EXPECT_EQ(Coloured.Pixel(0, 5), TColor(0x0000FF)) << "a line in the edit's border colour on the left";
  B->SetBounds(0, 0, 30, 40);
  TRendered Larger(B);
  EXPECT_EQ(Larger.Pixel(8, 8), TColor(0xFF0000)) << "the triangle keeps its corners";
  EXPECT_EQ(Larger.Pixel(8, 20), TColor(0x00FFFF));
}

TEST_F(PaintingTest, TheButtonContainerIsAlwaysItsOwnWidth) {
  Edit->Button()->SetBounds(0, 0, 50, 20);
  EXPECT_EQ(Edit->Button()->Width(), Edit->DropDownButtonWidth());
  EXPECT_EQ(Edit->Button()->Button()->Width(), Edit->DropDownButtonWidth());
}

TEST_F(PaintingTest, PanelButtonsPaintTheirStates) {
  TExButtonAppearance Look;
  Look.SetColor(0x00FFFF);
  Look.SetColorTo(clNone);
  Look.SetBorderColor(0x0000FF);
  Look.SetColorHot(0x00FF00);
  Look.SetColorDisabled(0x808080);
  Look.SetColorDisabledTo(clNone);
  auto* Panel = new TPanel(Form.Get());
  Panel->SetParent(Form.Get());
  Panel->SetBounds(10, 100, 100, 40);
  auto* B = new TExButton(Panel);
  B->SetParent(Panel);
  B->SetBounds(5, 5, 60, 22);
  B->SetAppearance(&Look);
  Pump();
  TRendered Normal(B);
  EXPECT_EQ(Normal.Pixel(30, 11), TColor(0x00FFFF));
  EXPECT_EQ(Normal.Pixel(0, 11), TColor(0x0000FF));
  B->Perform(CM_MOUSEENTER);
  TRendered Hot(B);
  EXPECT_EQ(Hot.Pixel(30, 11), TColor(0x00FF00));
  B->Perform(CM_MOUSELEAVE);
  B->SetEnabled(false);
  TRendered Disabled(B);
  EXPECT_EQ(Disabled.Pixel(30, 11), TColor(0x808080));
}

TEST_F(PaintingTest, TheEditBorderTakesItsColours) {
  auto Border = [&](Integer X, Integer Y) {
    TBitmap Bmp(Edit->Width(), Edit->Height());
    Bmp.Canvas()->Brush()->SetColor(0x777777);
    Bmp.Canvas()->FillRect(TRect(0, 0, Edit->Width(), Edit->Height()));
    Edit->DrawBorder(Bmp.Canvas()->Handle());
    return Bmp.Canvas()->Pixels(X, Y);
  };
  Edit->SetBorderColor(0x0000FF);
  EXPECT_EQ(Border(0, 5), TColor(0x0000FF));
  Edit->SetFocusBorderColor(0x00FF00);
  Edit->SetFocus();
  EXPECT_EQ(Border(0, 5), TColor(0x00FF00)) << "focused";
  Edit->SetBorderColor(clNone);
  EXPECT_EQ(Border(0, 5), TColor(0x00FF00));
  ::SetFocus(Form->Handle());
  EXPECT_EQ(Border(0, 5), TColor(0x777777)) << "a focus colour alone paints nothing unfocused";
}

}  // namespace
