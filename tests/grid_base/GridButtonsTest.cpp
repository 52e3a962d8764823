// The grid's small controls: the gradient button with its presets, glyphs
// and groups, the check box, and the arrow window of a column move.
#include <gtest/gtest.h>

#include <memory>
#include "grid/base/ArrowWindow.h"
#include "grid/base/ExCheckBox.h"
#include "grid/base/ExGridButton.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

std::unique_ptr<TBitmap> Solid(Integer W, Integer H, TColor Fill) {
  auto B = std::make_unique<TBitmap>();
  B->SetPixelFormat(pf24bit);
  B->SetSize(W, H);
  B->Canvas()->Brush()->SetColor(Fill);
  B->Canvas()->FillRect(TRect(0, 0, W, H));
  return B;
}

TEST(ExGridButton, LooksSetTheirRowAndOtherNumbersNothing) {
  TExGridButton B(nullptr);
  EXPECT_EQ(B.Width(), 22);
  EXPECT_EQ(B.Height(), 23);
  EXPECT_EQ(B.Color(), clBtnFace);
  EXPECT_EQ(B.ColorDown(), TColor(0xD8D3D2));
  B.SetBorderColor(clRed);
  B.SetLook(2);
  EXPECT_EQ(B.Look(), 2);
  EXPECT_EQ(B.Color(), TColor(0xFDEADA));
  EXPECT_EQ(B.ColorTo(), TColor(0xE4AE88));
  EXPECT_EQ(B.ColorCheckedTo(), TColor(0x55ADFF));
  EXPECT_EQ(B.BorderHotColor(), TColor(0x000000));
  EXPECT_EQ(B.BorderColor(), clNone);
  EXPECT_FALSE(B.Rounded());
  B.SetLook(0);
  EXPECT_TRUE(B.Rounded());
  EXPECT_EQ(B.ColorCheckedTo(), clNone);
  B.SetLook(7);
  EXPECT_EQ(B.Look(), 0);
  EXPECT_EQ(B.Color(), TColor(0xEDF1F1));
  // A margin below automatic is refused.
  B.SetMargin(3);
  B.SetMargin(-2);
  EXPECT_EQ(B.Margin(), 3);
}

TEST(ExGridButton, GlyphMakesAGreyDisabledGlyphOnlyWhenThereIsNone) {
  TExGridButton B(nullptr);
  auto Glyph = Solid(4, 4, TColor(RGB(200, 100, 31)));
  B.SetGlyph(Glyph.get());
  // (200 + 100 + 31) / 3 = 110.33 -> 110, halved 55, plus 96.
  EXPECT_EQ(B.GlyphDisabled()->Canvas()->Pixels(1, 1), TColor(RGB(151, 151, 151)));
  auto Own = Solid(4, 4, clRed);
  B.SetGlyphDisabled(Own.get());
  auto Other = Solid(4, 4, clBlue);
  B.SetGlyph(Other.get());
  EXPECT_EQ(B.GlyphDisabled()->Canvas()->Pixels(1, 1), clRed);
  EXPECT_EQ(B.Glyph()->Canvas()->Pixels(1, 1), clBlue);
}

TEST(ExGridButton, WithoutCaptionTheGlyphSitsAtTheTopLeftCorner) {
  TTestForm Form;
  auto* B = new TExGridButton(Form.Get());
  B->SetParent(Form.Get());
  B->SetBounds(10, 10, 40, 30);
  // A blue square on white: white, the bottom-left pixel, is see-through.
  auto Glyph = Solid(8, 8, clWhite);
  Glyph->Canvas()->Brush()->SetColor(clBlue);
  Glyph->Canvas()->FillRect(TRect(0, 0, 6, 6));
  B->SetGlyph(Glyph.get());
  TRendered R(B);
  EXPECT_EQ(R.Pixel(0, 0), clBlue);
  EXPECT_EQ(R.Pixel(5, 5), clBlue);
  EXPECT_EQ(R.Pixel(20, 15), ColorToRGB(clBtnFace));
  // With a caption the glyph moves to its place beside the text.
  B->SetCaption(L"Go");
  TRendered WithText(B);
  EXPECT_NE(WithText.Pixel(0, 0), clBlue);
}

TEST(ExGridButton, GroupedButtonsReleaseEachOther) {
  TTestForm Form;
  auto* A = new TExGridButton(Form.Get());
  auto* B = new TExGridButton(Form.Get());
  for (auto* X : {A, B}) {
    X->SetParent(Form.Get());
    X->SetGroupIndex(1);
  }
  A->SetBounds(10, 10, 30, 23);
  B->SetBounds(50, 10, 30, 23);
  Integer Clicks = 0;
  B->OnClick = [&](TObject*) { ++Clicks; };
  Click(A, 5, 5);
  EXPECT_TRUE(A->Down());
  Click(B, 5, 5);
  EXPECT_TRUE(B->Down());
  EXPECT_FALSE(A->Down());
  // The last one down stays down unless all may be up.
  Click(B, 5, 5);
  EXPECT_TRUE(B->Down());
  EXPECT_EQ(Clicks, 2);
  B->SetAllowAllUp(true);
  EXPECT_TRUE(A->AllowAllUp());
  Click(B, 5, 5);
  EXPECT_FALSE(B->Down());
  // Without a group a plain button never stays down; a check button toggles.
  TExGridButton* C = new TExGridButton(Form.Get());
  C->SetParent(Form.Get());
  C->SetBounds(90, 10, 30, 23);
  C->SetDown(true);
  EXPECT_FALSE(C->Down());
  C->SetStyle(tasCheck);
  Click(C, 5, 5);
  EXPECT_TRUE(C->Down());
  Click(C, 5, 5);
  EXPECT_FALSE(C->Down());
}

TEST(ExCheckBox, ReadOnlyKeepsItsStateButStillClicks) {
  TTestForm Form;
  auto* Box = new TExCheckBox(Form.Get());
  Box->SetParent(Form.Get());
  Box->SetBounds(10, 10, 120, 20);
  EXPECT_EQ(Box->Caption(), L"TExCheckBox");
  Integer Clicks = 0;
  Box->OnClick = [&](TObject*) { ++Clicks; };
  Click(Box, 5, 8);
  EXPECT_TRUE(Box->Checked());
  KeyPress(Box, VK_SPACE);
  Pump();
  EXPECT_FALSE(Box->Checked());
  EXPECT_EQ(Clicks, 2);
  Box->SetCaption(L"&Match case");
  Box->Perform(CM_DIALOGCHAR, L'm');
  EXPECT_TRUE(Box->Checked());

  Box->SetReadOnly(true);
  Click(Box, 5, 8);
  KeyPress(Box, VK_SPACE);
  Pump();
  Box->Perform(CM_DIALOGCHAR, L'm');
  EXPECT_TRUE(Box->Checked());
  EXPECT_EQ(Clicks, 4);
  // Grey is its own state; Checked reads only the ticked one.
  Box->SetState(cbGrayed);
  EXPECT_FALSE(Box->Checked());
}

TEST(ExCheckBox, DrawsTheBoxAtItsSideAndTheCaptionBesideIt) {
  TTestForm Form;
  auto* Box = new TExCheckBox(Form.Get());
  Box->SetParent(Form.Get());
  Box->SetBounds(10, 10, 120, 24);
  Box->SetColor(clYellow);
  Box->SetChecked(true);
  TRendered Left(Box);
  // The box (13 or 14 pixels from y = 4) on the left, yellow beyond it.
  EXPECT_NE(Left.Pixel(6, 10), clYellow);
  EXPECT_EQ(Left.Pixel(110, 10), clYellow);
  Box->SetAlignment(taRightJustify);
  TRendered Right(Box);
  EXPECT_EQ(Right.Pixel(6, 10), clYellow);
  EXPECT_NE(Right.Pixel(113, 10), clYellow);
}

TEST(ArrowWindow, IsALimeArrowShapedPopup) {
  TTestForm Form;
  struct Case {
    TArrowDirection Dir;
    TPoint In, Out;
  } Cases[] = {
      {arrUp, {5, 2}, {1, 8}},
      {arrDown, {5, 6}, {1, 1}},
      {arrLeft, {7, 5}, {7, 1}},
      {arrRight, {1, 5}, {1, 1}},
  };
  for (const Case& C : Cases) {
    auto* A = new TArrowWindow(Form.Get(), C.Dir);
    EXPECT_FALSE(A->Visible());
    EXPECT_EQ(A->Color(), TColor(0x00FF00));
    A->SetBounds(0, 0, 12, 12);
    HWND H = A->Handle();
    EXPECT_EQ(GetWindowLongPtrW(H, GWL_STYLE) & (WS_POPUP | WS_CHILD), LONG_PTR(WS_POPUP));
    HRGN R = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(H, R), ERROR);
    EXPECT_TRUE(PtInRegion(R, C.In.X, C.In.Y)) << int(C.Dir);
    EXPECT_FALSE(PtInRegion(R, C.Out.X, C.Out.Y)) << int(C.Dir);
    DeleteObject(R);
  }
}

}  // namespace
