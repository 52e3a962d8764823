// Speed buttons: placement of glyph and caption, the image for each state
// (with the made-up disabled one), clicks, groups, hot tracking and the
// accelerator.
#include <gtest/gtest.h>
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::test;

namespace {

constexpr TColor Key = clFuchsia;

// A strip of Count 10 x 10 images, each a square of its colour inside a
// one-pixel border of the transparent colour.
std::unique_ptr<TBitmap> Strip(std::initializer_list<TColor> Colors) {
  auto B = std::make_unique<TBitmap>();
  B->SetPixelFormat(pf24bit);
  B->SetSize(10 * Integer(Colors.size()), 10);
  TCanvas* C = B->Canvas();
  C->Brush()->SetColor(Key);
  C->FillRect(Rect(0, 0, B->Width(), 10));
  Integer X = 0;
  for (TColor Col : Colors) {
    C->Brush()->SetColor(Col);
    C->FillRect(Rect(X + 1, 1, X + 9, 9));
    X += 10;
  }
  return B;
}

TRect BoxOf(TRendered& R, const TControl* Ctl, TColor Col) {
  TRect B{1000, 1000, -1, -1};
  for (Integer Y = 0; Y < Ctl->Height(); ++Y)
    for (Integer X = 0; X < Ctl->Width(); ++X)
      if (R.Pixel(X, Y) == Col) {
        B.Left = std::min(B.Left, X);
        B.Top = std::min(B.Top, Y);
        B.Right = std::max(B.Right, X + 1);
        B.Bottom = std::max(B.Bottom, Y + 1);
      }
  return B;
}

TSpeedButton* MakeButton(TWinControl* Parent, Integer X = 0, Integer Y = 0) {
  auto* B = new TSpeedButton(Parent);
  B->SetParent(Parent);
  B->SetBounds(X, Y, 60, 40);
  return B;
}

}  // namespace

TEST(SpeedButton, Defaults) {
  TSpeedButton B(nullptr);
  EXPECT_EQ(B.Width(), 23);
  EXPECT_EQ(B.Height(), 22);
  EXPECT_EQ(B.NumGlyphs(), 1);
  EXPECT_EQ(B.Layout(), blGlyphLeft);
  EXPECT_EQ(B.Margin(), -1);
  EXPECT_EQ(B.Spacing(), 4);
  EXPECT_EQ(B.GroupIndex(), 0);
  EXPECT_FALSE(B.Down());
  EXPECT_FALSE(B.AllowAllUp());
  EXPECT_FALSE(B.Flat());
  EXPECT_TRUE(B.Transparent());
  EXPECT_EQ(B.State(), bsUp);
}

TEST(SpeedButton, GlyphAndCaptionPlacement) {
  struct Case {
    const char* Name;
    TButtonLayout Layout;
    Integer Margin, Spacing;
    const wchar_t* Caption;
    // Expected edges of the blue square (-1: not checked) and where the
    // text lies relative to it: 0 none, 1 right, 2 left, 3 below, 4 above.
    Integer Left, Right, Top, Bottom;
    int TextSide;
  };
  // A flat opaque button keeps a one-pixel edge; the square lies one pixel
  // inside its 10 x 10 image.
  const Case Cases[] = {
      {"left", blGlyphLeft, 5, 4, L"Go", 7, -1, -1, -1, 1},
      {"right", blGlyphRight, 5, 4, L"Go", -1, 53, -1, -1, 2},
      {"top", blGlyphTop, 3, 2, L"Go", -1, -1, 5, -1, 3},
      {"bottom", blGlyphBottom, 3, 2, L"Go", -1, -1, -1, 35, 4},
      {"centred alone", blGlyphLeft, -1, -1, L"", 26, 34, 16, 24, 0},
  };
  TTestForm F(200, 100);
  auto G = Strip({clBlue});
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Name);
    TSpeedButton* B = MakeButton(F.Get());
    B->SetFlat(true);
    B->SetTransparent(false);
    B->SetColor(clWhite);
    B->Font()->SetColor(clBlack);
    B->SetGlyph(G.get());
    B->SetLayout(C.Layout);
    B->SetMargin(C.Margin);
    B->SetSpacing(C.Spacing);
    B->SetCaption(C.Caption);
    TRendered R(B);
    TRect Sq = BoxOf(R, B, clBlue);
    ASSERT_EQ(Sq.Width(), 8);
    ASSERT_EQ(Sq.Height(), 8);
    if (C.Left >= 0) { EXPECT_EQ(Sq.Left, C.Left); }
    if (C.Right >= 0) { EXPECT_EQ(Sq.Right, C.Right); }
    if (C.Top >= 0) { EXPECT_EQ(Sq.Top, C.Top); }
    if (C.Bottom >= 0) { EXPECT_EQ(Sq.Bottom, C.Bottom); }
    TRect T = BoxOf(R, B, clBlack);
    switch (C.TextSide) {
      case 0: EXPECT_LT(T.Right, 0); break;
      case 1: EXPECT_GE(T.Left, Sq.Right + 1 + C.Spacing - 1); break;
      case 2: EXPECT_LE(T.Right, Sq.Left - 1 - C.Spacing + 1); break;
      case 3: EXPECT_GE(T.Top, Sq.Bottom + 1 + C.Spacing - 1); break;
      case 4: EXPECT_LE(T.Bottom, Sq.Top - 1 - C.Spacing + 1); break;
    }
    delete B;
  }
}

TEST(SpeedButton, ImageForEachState) {
  enum Show { Up, Disabled, Pressed, StaysDown };
  struct Case {
    Integer Num;
    Show S;
    TColor Centre;  // clNone: the made-up disabled image
  };
  const Case Cases[] = {
      {4, Up, clBlue},       {4, Disabled, clGreen}, {4, Pressed, clRed},     {4, StaysDown, clYellow},
      {3, StaysDown, clRed}, {2, Pressed, clBlue},   {2, Disabled, clGreen},  {1, Pressed, clBlue},
      {1, StaysDown, clBlue}, {1, Disabled, clNone},
  };
  TTestForm F(200, 100);
  for (const Case& C : Cases) {
    SCOPED_TRACE(testing::Message() << C.Num << " images, state " << int(C.S));
    TSpeedButton* B = MakeButton(F.Get());
    auto G = Strip({clBlue, clGreen, clRed, clYellow});
    G->SetSize(10 * C.Num, 10);
    B->SetGlyph(G.get());
    ASSERT_EQ(B->NumGlyphs(), C.Num);
    B->SetGroupIndex(1);
    if (C.S == Disabled) B->SetEnabled(false);
    if (C.S == StaysDown) B->SetDown(true);
    if (C.S == Pressed) MouseDown(B, 30, 20);
    TRendered R(B);
    if (C.S == Pressed) MouseUp(B, 200, 200);
    TRect Any = BoxOf(R, B, clBlue);
    const Integer Shift = C.S == Pressed || C.S == StaysDown ? 1 : 0;
    // The image is centred; pressed faces move it one pixel down-right.
    const Integer CX = 25 + Shift + 5, CY = 15 + Shift + 5;
    if (C.Centre != clNone) {
      EXPECT_EQ(R.Pixel(CX, CY), C.Centre);
    } else {
      EXPECT_EQ(R.Pixel(CX, CY), ColorToRGB(clBtnShadow));
      EXPECT_EQ(Any.Right, -1) << "the up image shows through";
      // The highlight edge lies right and below the engraved square.
      EXPECT_EQ(R.Pixel(CX + 4, CY + 4), ColorToRGB(clBtnHighlight));
      EXPECT_NE(R.Pixel(CX - 5, CY - 5), ColorToRGB(Key));
    }
    delete B;
  }
}

TEST(SpeedButton, ClicksAndGroups) {
  TTestForm F(300, 100);
  TSpeedButton* A = MakeButton(F.Get(), 0);
  TSpeedButton* B = MakeButton(F.Get(), 70);
  TSpeedButton* Solo = MakeButton(F.Get(), 140);
  std::vector<String> Clicks;
  for (TSpeedButton* S : {A, B, Solo}) {
    S->SetName(S == A ? L"A" : S == B ? L"B" : L"Solo");
    S->OnClick = [&Clicks](TObject* Sender) { Clicks.push_back(static_cast<TSpeedButton*>(Sender)->Name()); };
  }
  A->SetGroupIndex(1);
  B->SetGroupIndex(1);

  struct Step {
    TSpeedButton* Target;
    bool ReleaseInside;
    bool AllowAllUp;
    bool ADown, BDown;
    const wchar_t* Clicked;  // empty: none
  };
  const Step Steps[] = {
      {A, true, false, true, false, L"A"},
      {B, true, false, false, true, L"B"},
      {B, true, false, false, true, L"B"},    // the last one down stays down
      {B, false, false, false, true, L""},    // released outside: no click
      {B, true, true, false, false, L"B"},    // now all may be up
      {Solo, true, false, false, false, L"Solo"},  // a lone button never stays down
      {Solo, false, false, false, false, L""},
  };
  for (const Step& S : Steps) {
    SCOPED_TRACE(testing::Message() << S.Target->Name() << (S.ReleaseInside ? " inside" : " outside"));
    Clicks.clear();
    A->SetAllowAllUp(S.AllowAllUp);
    MouseDown(S.Target, 10, 10);
    EXPECT_TRUE(S.Target->State() == bsDown || S.Target->State() == bsExclusive);
    if (S.ReleaseInside)
      MouseUp(S.Target, 10, 10);
    else
      MouseUp(S.Target, 10, 80);
    EXPECT_EQ(A->Down(), S.ADown);
    EXPECT_EQ(B->Down(), S.BDown);
    EXPECT_EQ(A->State(), S.ADown ? bsExclusive : bsUp);
    EXPECT_EQ(B->State(), S.BDown ? bsExclusive : bsUp);
    EXPECT_EQ(Solo->State(), bsUp);
    EXPECT_EQ(Clicks, *S.Clicked ? std::vector<String>{S.Clicked} : std::vector<String>{});
  }
  // Down set in code releases the other button of the group too.
  B->SetAllowAllUp(false);
  A->SetDown(true);
  EXPECT_TRUE(A->Down());
  EXPECT_FALSE(B->Down());
  Solo->SetDown(true);
  EXPECT_FALSE(Solo->Down());
}

TEST(SpeedButton, FlatButtonShowsItsEdgeUnderTheMouse) {
  TTestForm F(300, 100);
  F->SetColor(clBlue);
  TSpeedButton* B = MakeButton(F.Get(), 20, 20);
  B->SetFlat(true);
  auto Corner = [&] {
    TRendered R(F.Get());
    RECT W;
    GetWindowRect(F->Handle(), &W);
    TPoint O = F->ClientOrigin();
    return R.Pixel(O.X - W.left + 20, O.Y - W.top + 20);
  };
  EXPECT_EQ(Corner(), clBlue) << "a transparent flat button shows its parent";
  MouseMove(F.Get(), 5, 5);
  MouseMove(B, 30, 20);
  EXPECT_TRUE(B->MouseInControl());
  EXPECT_EQ(Corner(), ColorToRGB(clBtnHighlight));
  MouseMove(F.Get(), 200, 80);
  EXPECT_FALSE(B->MouseInControl());
  EXPECT_EQ(Corner(), clBlue);
  // A disabled button does not light up.
  B->SetEnabled(false);
  MouseMove(B, 30, 20);
  EXPECT_FALSE(B->MouseInControl());
}

TEST(SpeedButton, AcceleratorClicks) {
  TTestForm F(200, 100);
  TSpeedButton* B = MakeButton(F.Get());
  B->SetCaption(L"&Go");
  int Clicks = 0;
  B->OnClick = [&](TObject*) { ++Clicks; };
  EXPECT_EQ(F->Perform(CM_DIALOGCHAR, L'x', 0), 0);
  EXPECT_NE(F->Perform(CM_DIALOGCHAR, L'g', 0), 0);
  EXPECT_EQ(Clicks, 1);
  B->SetEnabled(false);
  EXPECT_EQ(F->Perform(CM_DIALOGCHAR, L'g', 0), 0);
  EXPECT_EQ(Clicks, 1);
}
