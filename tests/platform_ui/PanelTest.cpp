// Panels: frame geometry and colours, caption placement, the client area
// offered to aligned children, and what a resize repaints.
#include <gtest/gtest.h>
#include <uxtheme.h>
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::test;

namespace {

TColor Hi() { return ColorToRGB(clBtnHighlight); }
TColor Sh() { return ColorToRGB(clBtnShadow); }

// Bounding box of the pixels that differ from Back.
TRect InkBox(TRendered& R, Integer W, Integer H, TColor Back) {
  TRect B{W, H, -1, -1};
  for (Integer Y = 0; Y < H; ++Y)
    for (Integer X = 0; X < W; ++X)
      if (R.Pixel(X, Y) != Back) {
        B.Left = std::min(B.Left, X);
        B.Top = std::min(B.Top, Y);
        B.Right = std::max(B.Right, X + 1);
        B.Bottom = std::max(B.Bottom, Y + 1);
      }
  return B;
}

}  // namespace

TEST(Panel, Defaults) {
  TPanel P(nullptr);
  EXPECT_EQ(P.Width(), 185);
  EXPECT_EQ(P.Height(), 41);
  EXPECT_EQ(P.BevelOuter(), bvRaised);
  EXPECT_EQ(P.BevelInner(), bvNone);
  EXPECT_EQ(P.BevelWidth(), 1);
  EXPECT_EQ(P.BorderWidth(), 0);
  EXPECT_EQ(P.BorderStyle(), bsNone);
  EXPECT_EQ(P.Alignment(), taCenter);
  EXPECT_EQ(P.VerticalAlignment(), taVerticalCenter);
  EXPECT_EQ(P.Color(), clBtnFace);
  EXPECT_FALSE(P.ParentColor());
  EXPECT_TRUE(P.ParentBackground());
  EXPECT_TRUE(P.FullRepaint());
  EXPECT_FALSE(P.Locked());
  EXPECT_TRUE(P.ControlStyle().Contains(csAcceptsControls));
  EXPECT_TRUE(P.ControlStyle().Contains(csSetCaption));
  EXPECT_TRUE(P.ControlStyle().Contains(csOpaque));
}

TEST(Panel, FramePixels) {
  struct Probe {
    Integer X, Y;
    int Kind;  // 0 the panel colour, 1 highlight, 2 shadow
  };
  struct Case {
    const char* Name;
    TBevelCut Outer, Inner;
    Integer BevelW, BorderW;
    std::vector<Probe> Probes;
  };
  const Case Cases[] = {
      {"raised", bvRaised, bvNone, 1, 0,
       {{0, 0, 1}, {0, 38, 1}, {58, 0, 1}, {59, 39, 2}, {59, 0, 2}, {0, 39, 2}, {1, 1, 0}, {30, 20, 0}}},
      {"lowered", bvLowered, bvNone, 1, 0, {{0, 0, 2}, {59, 39, 1}, {1, 1, 0}}},
      {"none", bvNone, bvNone, 1, 0, {{0, 0, 0}, {59, 39, 0}}},
      {"both with border", bvRaised, bvLowered, 2, 3,
       {{0, 0, 1}, {1, 1, 1}, {2, 2, 0}, {4, 4, 0}, {5, 5, 2}, {6, 6, 2}, {7, 7, 0},
        {54, 34, 1}, {53, 33, 1}, {52, 32, 0}, {58, 38, 2}, {57, 37, 0}}},
      {"inner only", bvNone, bvRaised, 1, 2, {{0, 0, 0}, {1, 1, 0}, {2, 2, 1}, {57, 37, 2}, {3, 3, 0}}},
  };
  TTestForm F(100, 80);
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Name);
    auto* P = new TPanel(F.Get());
    P->SetParent(F.Get());
    P->SetBounds(0, 0, 60, 40);
    P->SetColor(clRed);
    P->SetParentBackground(false);
    P->SetBevelOuter(C.Outer);
    P->SetBevelInner(C.Inner);
    P->SetBevelWidth(C.BevelW);
    P->SetBorderWidth(C.BorderW);
    TRendered R(P);
    for (const Probe& Pr : C.Probes) {
      TColor Want = Pr.Kind == 1 ? Hi() : Pr.Kind == 2 ? Sh() : clRed;
      EXPECT_EQ(R.Pixel(Pr.X, Pr.Y), Want) << "at " << Pr.X << "," << Pr.Y;
    }
    delete P;
  }
}

TEST(Panel, ParentBackgroundShowsTheParentUnderVisualStyles) {
  TTestForm F(100, 80);
  F->SetColor(clBlue);
  auto* P = new TPanel(F.Get());
  P->SetParent(F.Get());
  P->SetBounds(0, 0, 60, 40);
  P->SetColor(clRed);
  P->SetBorderWidth(2);
  P->SetBevelInner(bvLowered);
  const bool Styled = IsAppThemed() && IsThemeActive();
  for (bool ParentBack : {true, false}) {
    SCOPED_TRACE(ParentBack ? "parent background" : "own colour");
    P->SetParentBackground(ParentBack);
    TRendered R(P);
    const TColor Inside = ParentBack && Styled ? clBlue : clRed;
    EXPECT_EQ(R.Pixel(30, 20), Inside);
    EXPECT_EQ(R.Pixel(1, 1), Inside);  // the border width
    // The bevels stay on top of whatever shows through.
    EXPECT_EQ(R.Pixel(0, 0), Hi());
    EXPECT_EQ(R.Pixel(3, 3), Sh());
    EXPECT_EQ(R.Pixel(56, 36), Hi());
  }
}

TEST(Panel, CaptionFollowsAlignment) {
  struct Case {
    TAlignment H;
    TVerticalAlignment V;
    Integer BorderW;
    // Expected ink: at the left/centre/right (0/1/2) and top/centre/bottom.
    int Col, Row;
  };
  const Case Cases[] = {
      {taLeftJustify, taVerticalCenter, 0, 0, 1}, {taCenter, taVerticalCenter, 0, 1, 1},
      {taRightJustify, taVerticalCenter, 0, 2, 1}, {taCenter, taAlignTop, 0, 1, 0},
      {taCenter, taAlignBottom, 0, 1, 2},          {taLeftJustify, taAlignTop, 10, 0, 0},
      {taRightJustify, taAlignBottom, 10, 2, 2},
  };
  TTestForm F(200, 120);
  const Integer W = 160, H = 80;
  for (const Case& C : Cases) {
    SCOPED_TRACE(testing::Message() << int(C.H) << "/" << int(C.V) << " border " << C.BorderW);
    auto* P = new TPanel(F.Get());
    P->SetParent(F.Get());
    P->SetBounds(0, 0, W, H);
    P->SetBevelOuter(bvNone);
    P->SetColor(clWhite);
    P->SetParentBackground(false);
    P->Font()->SetColor(clBlack);
    P->SetBorderWidth(C.BorderW);
    P->SetAlignment(C.H);
    P->SetVerticalAlignment(C.V);
    P->SetCaption(L"MWM");
    TRendered R(P);
    TRect B = InkBox(R, W, H, clWhite);
    ASSERT_LT(B.Left, B.Right) << "no caption drawn";
    const Integer Edge = C.BorderW;
    EXPECT_GE(B.Left, Edge);
    EXPECT_LE(B.Right, W - Edge);
    EXPECT_GE(B.Top, Edge);
    EXPECT_LE(B.Bottom, H - Edge);
    switch (C.Col) {
      case 0: EXPECT_LE(B.Left, Edge + 4); break;
      case 1: EXPECT_NEAR((B.Left + B.Right) / 2, W / 2, 2); break;
      case 2: EXPECT_GE(B.Right, W - Edge - 4); break;
    }
    // The glyph box has leading above and a descent below the ink.
    switch (C.Row) {
      case 0: EXPECT_LE(B.Top, Edge + 6); break;
      case 1: EXPECT_NEAR((B.Top + B.Bottom) / 2, H / 2, 4); break;
      case 2: EXPECT_GE(B.Bottom, H - Edge - 6); break;
    }
    delete P;
  }
}

TEST(Panel, ChildrenAlignInsideBorderAndBevels) {
  struct Case {
    TBevelCut Outer, Inner;
    Integer BevelW, BorderW;
    TBorderStyle Style;
    Integer Inset;  // from the client edge
  };
  const Case Cases[] = {
      {bvRaised, bvNone, 1, 0, bsNone, 1},  {bvNone, bvNone, 1, 0, bsNone, 0},
      {bvRaised, bvLowered, 2, 3, bsNone, 7}, {bvNone, bvRaised, 3, 1, bsNone, 4},
      {bvRaised, bvNone, 1, 2, bsSingle, 3},
  };
  TTestForm F(200, 120);
  for (const Case& C : Cases) {
    SCOPED_TRACE(testing::Message() << "inset " << C.Inset << " style " << int(C.Style));
    auto* P = new TPanel(F.Get());
    P->SetParent(F.Get());
    P->SetBounds(0, 0, 100, 60);
    auto* Child = new TPanel(F.Get());
    Child->SetParent(P);
    Child->SetAlign(alClient);
    P->SetBevelOuter(C.Outer);
    P->SetBevelInner(C.Inner);
    P->SetBevelWidth(C.BevelW);
    P->SetBorderWidth(C.BorderW);
    P->SetBorderStyle(C.Style);
    P->HandleNeeded();
    const Integer Edge = C.Style == bsSingle ? 2 : 0;  // the sunken window edge
    EXPECT_EQ(P->ClientWidth(), 100 - 2 * Edge);
    EXPECT_EQ(bool(GetWindowLongW(P->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE), C.Style == bsSingle);
    ASSERT_EQ(Child->Parent(), P);
    EXPECT_TRUE(Child->HandleAllocated());
    EXPECT_EQ(Child->BoundsRect(),
              Rect(C.Inset, C.Inset, 100 - 2 * Edge - C.Inset, 60 - 2 * Edge - C.Inset));
    delete P;
  }
}

TEST(Panel, ResizeRepaintsWhatMoved) {
  struct Case {
    const char* Name;
    bool Full;
    const wchar_t* Caption;
    TRect Dirty;  // after shrinking from 100 x 50 to 80 x 50
  };
  const Case Cases[] = {
      {"frame strip only", false, L"", Rect(78, 0, 80, 50)},
      {"full repaint", true, L"", Rect(0, 0, 80, 50)},
      {"caption moves", false, L"x", Rect(0, 0, 80, 50)},
  };
  TTestForm F(200, 120);
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Name);
    auto* P = new TPanel(F.Get());
    P->SetParent(F.Get());
    P->SetBounds(10, 10, 100, 50);
    P->SetBevelWidth(2);
    P->SetFullRepaint(C.Full);
    P->SetCaption(C.Caption);
    P->Update();
    RECT U;
    ASSERT_FALSE(GetUpdateRect(P->Handle(), &U, FALSE));
    P->SetWidth(80);
    EXPECT_TRUE(GetUpdateRect(P->Handle(), &U, FALSE));
    EXPECT_EQ(Rect(U.left, U.top, U.right, U.bottom), C.Dirty);
    delete P;
  }
}
