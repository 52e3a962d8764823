#include <gtest/gtest.h>
#include "edit/ToolButton.h"
#include "platform/gfx/ImageList.h"
#include "platform/ui/ActnList.h"
#include "platform/ui/SpeedButton.h"
#include "tests/support/ui/Gui.h"

namespace jorv {
using namespace jorv::foundation;
using namespace jorv::edit;
namespace {

using test::TRendered;
using test::TTestForm;

TExToolButton* MakeButton(TForm* Form, Integer X = 10, Integer W = 40, Integer H = 24) {
  auto* B = new TExToolButton(Form);
  B->SetParent(Form);
  B->SetBounds(X, 10, W, H);
  return B;
}

bool Near(TColor A, TColor B, Integer Tol = 8) {
  A = ColorToRGB(A);
  B = ColorToRGB(B);
  return std::abs(Integer(GetRValue(A)) - Integer(GetRValue(B))) <= Tol &&
         std::abs(Integer(GetGValue(A)) - Integer(GetGValue(B))) <= Tol &&
         std::abs(Integer(GetBValue(A)) - Integer(GetBValue(B))) <= Tol;
}

TEST(ExToolButton, StylesMapOntoLooksAndCustomChangesNothing) {
  TTestForm F(200, 60, false);
  TExToolButton* B = MakeButton(F.Get());
  struct {
    TZVQStyle Style;
    Integer Look;
    TColor Color, ColorTo, Border;
    bool Rounded;
  } Cases[] = {
      {tsOffice2010Black, 16, TColor(0xBFBFBF), TColor(0x919191), TColor(0x6D6D6D), true},
      {tsOffice2003Classic, 1, clBtnFace, clNone, clNone, false},
      {tsWindowsXP, 0, TColor(0xEDF1F1), TColor(0xDFEBEB), clNone, true},
      {tsTerminal, 13, clBtnFace, clBtnFace, TColor(0x808080), false},
      {tsOffice2007Silver, 10, TColor(0xF3F3F1), TColor(0xEEEAE7), TColor(0xCCCAC9), true},
  };
  for (const auto& C : Cases) {
    B->SetFlat(false);
    B->SetComponentStyle(C.Style);
    EXPECT_EQ(B->Look(), C.Look) << int(C.Style);
    EXPECT_EQ(B->Color(), C.Color) << int(C.Style);
    EXPECT_EQ(B->ColorTo(), C.ColorTo) << int(C.Style);
    EXPECT_EQ(B->BorderColor(), C.Border) << int(C.Style);
    EXPECT_EQ(B->Rounded(), C.Rounded) << int(C.Style);
    EXPECT_TRUE(B->Flat());
  }
  // Looks that the button lacks leave every colour alone.
  B->SetLook(2);
  for (TZVQStyle S : {tsCustom, tsWindows8, tsOffice2013White, tsOffice2013Gray}) {
    B->SetComponentStyle(S);
    EXPECT_EQ(B->Look(), 2);
    EXPECT_EQ(B->Color(), TColor(0xFDEADA));
    EXPECT_EQ(B->ColorHot(), TColor(0xCCF4FF));
  }
  B->SetLook(14);
  EXPECT_EQ(B->Look(), 14);
  B->SetLook(17);
  EXPECT_EQ(B->Look(), 14);
  EXPECT_EQ(B->ColorHot(), TColor(0x8AE3FD));
}

TEST(ExToolButton, GroupKeepsOneButtonDown) {
  TTestForm F(200, 60);
  TExToolButton* A = MakeButton(F.Get(), 10);
  TExToolButton* B = MakeButton(F.Get(), 60);
  A->SetGroupIndex(1);
  B->SetGroupIndex(1);
  test::Click(A, 5, 5);
  EXPECT_TRUE(A->Down());
  test::Click(B, 5, 5);
  EXPECT_TRUE(B->Down());
  EXPECT_FALSE(A->Down());
  // The down button of a group without AllowAllUp stays down.
  test::Click(B, 5, 5);
  EXPECT_TRUE(B->Down());
  B->SetAllowAllUp(true);
  EXPECT_TRUE(A->AllowAllUp());
  test::Click(B, 5, 5);
  EXPECT_FALSE(B->Down());
  // Without a group a push button never stays down; a check button toggles.
  TExToolButton* C = MakeButton(F.Get(), 110);
  C->SetDown(true);
  EXPECT_FALSE(C->Down());
  C->SetStyle(tasCheck);
  test::Click(C, 5, 5);
  EXPECT_TRUE(C->Down());
  EXPECT_EQ(C->State(), bsDown);
  test::Click(C, 5, 5);
  EXPECT_FALSE(C->Down());
}

// A speed button of the same group index is another kind of button: the
// two do not take each other's state.
TEST(ExToolButton, GroupIgnoresSpeedButtonsOfTheSameIndex) {
  TTestForm F(200, 60);
  auto* Speed = new TSpeedButton(F.Get());
  Speed->SetParent(F.Get());
  Speed->SetBounds(110, 10, 40, 24);
  Speed->SetGroupIndex(1);
  Speed->SetDown(true);
  TExToolButton* Tool = MakeButton(F.Get(), 10);
  Tool->SetGroupIndex(1);
  Tool->SetAllowAllUp(true);
  Tool->SetDown(true);
  EXPECT_TRUE(Tool->Down());
  EXPECT_TRUE(Speed->Down());
  EXPECT_FALSE(Speed->AllowAllUp());
}

TEST(ExToolButton, SplitDropDownOpensOnlyFromTheArrow) {
  TTestForm F(200, 60);
  TExToolButton* B = MakeButton(F.Get(), 10, 60);
  B->SetDropDownButton(true);
  Integer Clicks = 0, Drops = 0;
  B->OnClick = [&](TObject*) { ++Clicks; };
  B->OnDropDown = [&](TObject*) { ++Drops; };
  struct {
    Integer X;
    bool Split;
    Integer Clicks, Drops;
  } Cases[] = {{55, true, 0, 1}, {48, true, 0, 1}, {47, true, 1, 0}, {5, true, 1, 0},
               {5, false, 0, 1}};
  for (const auto& C : Cases) {
    Clicks = Drops = 0;
    B->SetDropDownSplit(C.Split);
    test::Click(B, C.X, 5);
    EXPECT_EQ(Clicks, C.Clicks) << C.X << " split " << C.Split;
    EXPECT_EQ(Drops, C.Drops) << C.X << " split " << C.Split;
    EXPECT_EQ(B->State(), bsUp);
  }
}

TEST(ExToolButton, DisabledGlyphIsAGreyCopy) {
  TTestForm F(200, 60, false);
  TExToolButton* B = MakeButton(F.Get());
  TBitmap G;
  G.SetPixelFormat(pf24bit);
  G.SetSize(4, 4);
  G.Canvas()->Brush()->SetColor(TColor(RGB(255, 0, 0)));
  G.Canvas()->FillRect(TRect(0, 0, 4, 4));
  G.Canvas()->SetPixels(0, 0, TColor(RGB(30, 60, 90)));
  B->SetGlyph(&G);
  // (255 + 0 + 0) / 3 = 85 -> 85 div 2 + 96; (30 + 60 + 90) / 3 = 60 -> 126.
  EXPECT_EQ(ColorToRGB(B->GlyphDisabled()->Canvas()->Pixels(2, 2)), TColor(RGB(138, 138, 138)));
  EXPECT_EQ(ColorToRGB(B->GlyphDisabled()->Canvas()->Pixels(0, 0)), TColor(RGB(126, 126, 126)));
  // An own disabled glyph is kept when the glyph changes.
  TBitmap D;
  D.SetSize(2, 2);
  B->SetGlyphDisabled(&D);
  B->SetGlyph(&G);
  EXPECT_EQ(B->GlyphDisabled()->Width(), 2);
}

TEST(ExToolButton, FlatFacePaintsGradientAndFrames) {
  TTestForm F(200, 60);
  TExToolButton* B = MakeButton(F.Get(), 10, 40, 34);
  B->SetColor(TColor(RGB(255, 0, 0)));
  B->SetColorTo(TColor(RGB(0, 0, 255)));
  {
    TRendered P(B);
    EXPECT_TRUE(Near(P.Pixel(20, 1), RGB(255, 0, 0), 20));
    EXPECT_TRUE(Near(P.Pixel(20, 32), RGB(0, 0, 255), 20));
    // No frame: the edge column of the face is still the gradient.
    EXPECT_TRUE(Near(P.Pixel(1, 2), P.Pixel(20, 2), 2));
  }
  B->SetBorderColor(TColor(RGB(0, 255, 0)));
  B->SetRounded(true);
  {
    TRendered P(B);
    EXPECT_EQ(ColorToRGB(P.Pixel(0, 17)), TColor(RGB(0, 255, 0)));
    EXPECT_EQ(ColorToRGB(P.Pixel(20, 0)), TColor(RGB(0, 255, 0)));
    // The frame lies around the gradient, not over it.
    EXPECT_TRUE(Near(P.Pixel(20, 2), RGB(255, 0, 0), 30));
  }
  B->SetFlat(false);
  {
    TRendered P(B);
    EXPECT_EQ(ColorToRGB(P.Pixel(20, 17)), ColorToRGB(clBtnFace));
  }
}

TEST(ExToolButton, HotTrackingShowsTheHotFace) {
  TTestForm F(200, 60);
  TExToolButton* B = MakeButton(F.Get(), 10, 40, 24);
  Integer Enters = 0, Leaves = 0;
  B->OnMouseEnter = [&](TObject*) { ++Enters; };
  B->OnMouseLeave = [&](TObject*) { ++Leaves; };
  B->SetColorHot(TColor(RGB(0, 200, 0)));
  test::MouseMove(B, 5, 5);
  ASSERT_TRUE(test::PumpUntil([&] { return B->MouseInControl(); }));
  EXPECT_EQ(Enters, 1);
  {
    TRendered P(B);
    EXPECT_EQ(ColorToRGB(P.Pixel(20, 3)), TColor(RGB(0, 200, 0)));
  }
  test::MouseMove(F.Get(), 150, 50);
  ASSERT_TRUE(test::PumpUntil([&] { return !B->MouseInControl(); }));
  EXPECT_EQ(Leaves, 1);
  // A disabled button is never hot.
  B->SetEnabled(false);
  test::MouseMove(B, 5, 5);
  test::Pump();
  EXPECT_FALSE(B->MouseInControl());
  TRendered P(B);
  EXPECT_EQ(B->State(), bsDisabled);
}

TEST(ExToolButton, GlyphShadowWhenHotAndGreyWhenDisabled) {
  TTestForm F(200, 60);
  TExToolButton* B = MakeButton(F.Get(), 10, 40, 24);
  TBitmap G;
  G.SetPixelFormat(pf24bit);
  G.SetSize(16, 16);
  G.Canvas()->Brush()->SetColor(TColor(RGB(255, 0, 255)));
  G.Canvas()->FillRect(TRect(0, 0, 16, 16));
  G.Canvas()->Brush()->SetColor(TColor(RGB(0, 0, 0)));
  G.Canvas()->FillRect(TRect(6, 6, 10, 10));
  B->SetGlyph(&G);
  // Centred in the face, the ink lies at (18..21, 10..13).
  {
    TRendered P(B);
    EXPECT_EQ(ColorToRGB(P.Pixel(18, 10)), TColor(RGB(0, 0, 0)));
    EXPECT_EQ(ColorToRGB(P.Pixel(22, 14)), ColorToRGB(clBtnFace));
  }
  test::MouseMove(B, 2, 2);
  ASSERT_TRUE(test::PumpUntil([&] { return B->MouseInControl(); }));
  {
    // Hot: the glyph rises by one pixel and its shadow falls two further.
    TRendered P(B);
    EXPECT_EQ(ColorToRGB(P.Pixel(17, 9)), TColor(RGB(0, 0, 0)));
    EXPECT_EQ(ColorToRGB(P.Pixel(22, 14)), TColor(RGB(0x80, 0x80, 0x80)));
  }
  B->SetShaded(false);
  {
    TRendered P(B);
    // The hot face of a new button: CAC7C7 hexadecimal.
    EXPECT_EQ(ColorToRGB(P.Pixel(22, 14)), TColor(RGB(0xC7, 0xC7, 0xCA)));
  }
  B->SetEnabled(false);
  {
    TRendered P(B);
    EXPECT_EQ(ColorToRGB(P.Pixel(18, 10)), TColor(RGB(96, 96, 96)));
  }
}

TEST(ExToolButton, AcceleratorClicksAnEnabledButton) {
  TTestForm F(200, 60);
  TExToolButton* B = MakeButton(F.Get());
  B->SetCaption(L"&Weiter");
  Integer Clicks = 0;
  B->OnClick = [&](TObject*) { ++Clicks; };
  struct {
    bool Enabled;
    Word Key;
    Integer Clicks;
  } Cases[] = {{true, L'W', 1}, {true, L'E', 0}, {false, L'W', 0}};
  for (const auto& C : Cases) {
    Clicks = 0;
    B->SetEnabled(C.Enabled);
    B->Perform(CM_DIALOGCHAR, C.Key, 0);
    EXPECT_EQ(Clicks, C.Clicks) << char(C.Key) << C.Enabled;
  }
}

TEST(ExToolButton, AutoThemeAdaptFollowsTheColourScheme) {
  TTestForm F(200, 60, false);
  TExToolButton* B = MakeButton(F.Get());
  const Integer Want[] = {1, 2, 3, 4};
  B->SetAutoThemeAdapt(true);
  EXPECT_EQ(B->Look(), Want[XPThemeKind()]);
}

TEST(ExToolButton, ActionGivesCaptionStateGroupAndClick) {
  TTestForm F(200, 60);
  TExToolButton* B = MakeButton(F.Get());
  EXPECT_EQ(B->Version(), L"1.6.1.1");
  auto* Action = new TAction(F.Get());
  Action->SetCaption(L"Neu");
  Action->SetHint(L"Neuer Eintrag");
  Action->SetGroupIndex(3);
  Integer Runs = 0;
  Action->OnExecute = [&](TObject*) { ++Runs; };
  B->SetAction(Action);
  EXPECT_EQ(B->Caption(), L"Neu");
  EXPECT_EQ(B->Hint(), L"Neuer Eintrag");
  EXPECT_EQ(B->GroupIndex(), 3);
  // Changes of the action pass on while the button shows what it had.
  Action->SetCaption(L"Anlegen");
  Action->SetEnabled(false);
  EXPECT_EQ(B->Caption(), L"Anlegen");
  EXPECT_FALSE(B->Enabled());
  Action->SetEnabled(true);
  Action->SetGroupIndex(4);
  EXPECT_EQ(B->GroupIndex(), 4);
  // The check state passes only to a group button that may be released.
  Action->SetChecked(true);
  EXPECT_FALSE(B->Down());
  Action->SetChecked(false);
  B->SetAllowAllUp(true);
  Action->SetChecked(true);
  EXPECT_TRUE(B->Down());

  // Without an OnClick of its own, a click runs the action.
  B->SetDown(false);
  B->SetAllowAllUp(false);
  B->SetGroupIndex(0);
  test::Click(B, 5, 5);
  EXPECT_EQ(Runs, 1);
  Integer Own = 0;
  B->OnClick = [&](TObject*) { ++Own; };
  test::Click(B, 5, 5);
  EXPECT_EQ(Own, 1);
  EXPECT_EQ(Runs, 1);
  // A freed action leaves the button without one.
  delete Action;
  EXPECT_EQ(B->Action(), nullptr);
}

TEST(ExToolButton, ActionImagesStandForTheButtons) {
  TTestForm F(200, 60);
  TExToolButton* B = MakeButton(F.Get(), 10, 40, 24);
  B->SetCaption(L"");
  auto MakeImages = [&](TColor Ink) {
    auto* Images = new TCustomImageList(F.Get());
    Images->SetSize(16, 16);
    TBitmap Square;
    Square.SetPixelFormat(pf24bit);
    Square.SetSize(16, 16);
    Square.Canvas()->Brush()->SetColor(Ink);
    Square.Canvas()->FillRect(TRect(0, 0, 16, 16));
    Images->Add(&Square, nullptr);
    Images->Add(&Square, nullptr);
    return Images;
  };
  B->SetImages(MakeImages(TColor(0x0000C0)));
  B->SetImageIndex(0);
  auto* List = new TActionList(F.Get());
  List->SetImages(MakeImages(TColor(0x00C000)));
  auto* Action = new TAction(F.Get());
  Action->SetActionList(List);
  Action->SetImageIndex(1);
  B->SetAction(Action);
  // The centre of the 40 x 24 face holds the 16-pixel image.
  EXPECT_EQ(ColorToRGB(TRendered(B).Pixel(20, 12)), TColor(0x00C000));
  Action->SetImageIndex(-1);
  EXPECT_NE(ColorToRGB(TRendered(B).Pixel(20, 12)), TColor(0x00C000));
  B->SetAction(nullptr);
  EXPECT_EQ(ColorToRGB(TRendered(B).Pixel(20, 12)), TColor(0x0000C0));
}

}  // namespace
}  // namespace jorv
