// The status bar: panels' edges, texts and alignment as the window shows
// them, the simple panel, and owner-drawn panels.
#include <gtest/gtest.h>
#include <commctrl.h>
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::test;

namespace {

TStatusBar* NewBar(TTestForm& F) {
  auto* S = new TStatusBar(F.Get());
  S->SetParent(F.Get());
  S->SetSizeGrip(false);
  for (Integer W : {130, 100}) S->Panels()->Add()->SetWidth(W);
  return S;
}

// Left and right ends of the dark pixels in a row band of an image.
std::pair<Integer, Integer> InkSpan(TRendered& Img, Integer X0, Integer X1, Integer Y0, Integer Y1) {
  Integer L = X1, R = X0;
  for (Integer X = X0; X < X1; ++X)
    for (Integer Y = Y0; Y < Y1; ++Y) {
      TColor C = Img.Pixel(X, Y);
      if ((C & 0xFF) < 0x60 && ((C >> 8) & 0xFF) < 0x60 && ((C >> 16) & 0xFF) < 0x60) {
        L = std::min(L, X);
        R = std::max(R, X);
      }
    }
  return {L, R};
}

}  // namespace

TEST(StatusBar, PanelsTakeTheirWidthsAndTexts) {
  TTestForm F(400, 100);
  TStatusBar* S = NewBar(F);
  EXPECT_EQ(S->Align(), alBottom);
  EXPECT_EQ(S->Top() + S->Height(), F->ClientHeight());
  S->Panels()->Items(0)->SetText(L"12:00:00");
  S->Panels()->Items(1)->SetText(L"hint");
  EXPECT_EQ(S->PanelText(0), L"12:00:00");
  EXPECT_EQ(S->PanelText(1), L"hint");
  int Edges[3] = {};
  EXPECT_EQ(S->Perform(SB_GETPARTS, 3, reinterpret_cast<LPARAM>(Edges)), 2);
  EXPECT_EQ(Edges[0], 130);
  EXPECT_EQ(Edges[1], -1);  // the last panel reaches the end
  S->Panels()->Items(0)->SetWidth(50);
  S->Perform(SB_GETPARTS, 3, reinterpret_cast<LPARAM>(Edges));
  EXPECT_EQ(Edges[0], 50);
  S->Panels()->Delete(0);
  EXPECT_EQ(S->Perform(SB_GETPARTS, 0, 0), 1);
  EXPECT_EQ(S->PanelText(0), L"hint");
  EXPECT_THROW(S->Panels()->Add()->SetWidth(-1), ERangeError);
}

TEST(StatusBar, AlignmentPlacesTheText) {
  struct Case {
    TAlignment A;
    const char* Where;
  } Cases[] = {{taLeftJustify, "left"}, {taCenter, "middle"}, {taRightJustify, "right"}};
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Where);
    TTestForm F(400, 100);
    TStatusBar* S = NewBar(F);
    S->SetHeight(22);
    S->Panels()->Items(0)->SetWidth(240);
    S->Panels()->Items(0)->SetAlignment(C.A);
    S->Panels()->Items(0)->SetText(L"MMM");
    TRendered Img(S);
    auto [L, R] = InkSpan(Img, 4, 236, 5, S->Height() - 5);
    ASSERT_LT(L, R);
    Integer Mid = (L + R) / 2;
    if (C.A == taLeftJustify) { EXPECT_LT(Mid, 80); }
    if (C.A == taCenter) { EXPECT_TRUE(Mid > 90 && Mid < 150) << Mid; }
    if (C.A == taRightJustify) { EXPECT_GT(Mid, 160); }
  }
}

TEST(StatusBar, SimplePanelShowsSimpleTextAndOwnerDrawCallsOnDrawPanel) {
  TTestForm F(400, 100);
  TStatusBar* S = NewBar(F);
  S->SetSimpleText(L"busy");
  S->SetSimplePanel(true);
  EXPECT_TRUE(S->Perform(SB_ISSIMPLE));
  S->SetSimplePanel(false);
  EXPECT_FALSE(S->Perform(SB_ISSIMPLE));

  std::vector<TStatusPanel*> Drawn;
  S->OnDrawPanel = [&](TStatusBar* Bar, TStatusPanel* P, const TRect& R) {
    Drawn.push_back(P);
    Bar->Canvas()->Brush()->SetColor(clRed);
    Bar->Canvas()->FillRect(R);
  };
  S->Panels()->Items(1)->SetStyle(psOwnerDraw);
  TRendered Img(S);
  ASSERT_FALSE(Drawn.empty());
  EXPECT_EQ(Drawn.back(), S->Panels()->Items(1));
  EXPECT_EQ(Img.Pixel(200, S->Height() / 2), clRed);
  EXPECT_NE(Img.Pixel(60, S->Height() / 2), clRed);
}
