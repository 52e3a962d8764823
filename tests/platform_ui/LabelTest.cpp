// Labels: sizing to the text, placement of the text, transparency, the
// disabled look and the accelerator that focuses another control.
#include <gtest/gtest.h>
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::test;

namespace {

TSize TextSize(TFont* Font, const String& Text) {
  HDC DC = GetDC(nullptr);
  TCanvas C;
  C.SetHandle(DC);
  C.SetFont(Font);
  TSize S = C.TextExtent(Text);
  C.SetHandle(nullptr);
  ReleaseDC(nullptr, DC);
  return S;
}

TRect InkBox(TRendered& R, const TRect& Area, TColor Back) {
  TRect B{Area.Right, Area.Bottom, Area.Left - 1, Area.Top - 1};
  for (Integer Y = Area.Top; Y < Area.Bottom; ++Y)
    for (Integer X = Area.Left; X < Area.Right; ++X)
      if (R.Pixel(X, Y) != Back) {
        B.Left = std::min(B.Left, X);
        B.Top = std::min(B.Top, Y);
        B.Right = std::max(B.Right, X + 1);
        B.Bottom = std::max(B.Bottom, Y + 1);
      }
  return B;
}

// A focusable window to hand the focus to.
class TFocusTarget : public TCustomControl {
 public:
  explicit TFocusTarget(TComponent* AOwner) : TCustomControl(AOwner) {
    SetBounds(100, 100, 30, 20);
    SetTabStop(true);
  }
};

}  // namespace

TEST(Label, AutoSizeFitsTheShownText) {
  struct Case {
    const wchar_t* Caption;
    bool Accel;
    const wchar_t* Shown;
  };
  const Case Cases[] = {
      {L"Holidays", true, L"Holidays"},
      {L"&File", true, L"File"},
      {L"&File", false, L"&File"},
      {L"A&&B", true, L"A&B"},
      {L"", true, L" "},  // an empty label keeps a line's height
  };
  TTestForm F(300, 200);
  for (const Case& C : Cases) {
    SCOPED_TRACE(testing::Message() << C.Caption << (C.Accel ? " accel" : " plain"));
    auto* L = new TLabel(F.Get());
    L->SetParent(F.Get());
    L->SetShowAccelChar(C.Accel);
    L->SetCaption(C.Caption);
    TSize S = TextSize(L->Font(), C.Shown);
    EXPECT_EQ(L->Width(), S.cx);
    EXPECT_EQ(L->Height(), S.cy);
    delete L;
  }
}

TEST(Label, AutoSizeKeepsTheAnchoredEdge) {
  TTestForm F(300, 200);
  auto* L = new TLabel(F.Get());
  L->SetParent(F.Get());
  L->SetAlignment(taRightJustify);
  L->SetCaption(L"ab");
  L->SetLeft(200 - L->Width());
  L->SetCaption(L"a much longer caption");
  EXPECT_EQ(L->Left() + L->Width(), 200);

  // Aligned to the top, only the height follows the text.
  auto* T = new TLabel(F.Get());
  T->SetParent(F.Get());
  T->SetAlign(alTop);
  T->SetCaption(L"x");
  EXPECT_EQ(T->Width(), F->ClientWidth());

  // Word wrap keeps the width and grows downwards.
  auto* W = new TLabel(F.Get());
  W->SetParent(F.Get());
  W->SetAutoSize(false);
  W->SetBounds(0, 100, 60, 10);
  W->SetWordWrap(true);
  W->SetCaption(L"one two three four five six");
  W->SetAutoSize(true);
  const Integer Line = TextSize(W->Font(), L"x").cy;
  EXPECT_LE(W->Width(), 60);
  EXPECT_GE(W->Height(), 3 * Line);

  // Nothing changes without AutoSize.
  W->SetAutoSize(false);
  W->SetCaption(L"x");
  EXPECT_GE(W->Height(), 3 * Line);
}

TEST(Label, TextFollowsAlignmentAndLayout) {
  struct Case {
    TAlignment H;
    TTextLayout V;
    int Col, Row;  // 0 start, 1 centre, 2 end
  };
  const Case Cases[] = {
      {taLeftJustify, tlTop, 0, 0},    {taCenter, tlCenter, 1, 1},
      {taRightJustify, tlBottom, 2, 2}, {taLeftJustify, tlBottom, 0, 2},
      {taRightJustify, tlCenter, 2, 1},
  };
  TTestForm F(200, 100);
  const Integer W = 150, H = 60;
  for (const Case& C : Cases) {
    SCOPED_TRACE(testing::Message() << int(C.H) << "/" << int(C.V));
    auto* L = new TLabel(F.Get());
    L->SetParent(F.Get());
    L->SetAutoSize(false);
    L->SetBounds(0, 0, W, H);
    L->SetColor(clWhite);
    L->Font()->SetColor(clBlack);
    L->SetAlignment(C.H);
    L->SetLayout(C.V);
    L->SetCaption(L"MWM");
    TRendered R(L);
    TRect B = InkBox(R, Rect(0, 0, W, H), clWhite);
    ASSERT_LT(B.Left, B.Right);
    const Integer TH = TextSize(L->Font(), L"MWM").cy;
    switch (C.Col) {
      case 0: EXPECT_LE(B.Left, 3); break;
      case 1: EXPECT_NEAR((B.Left + B.Right) / 2, W / 2, 2); break;
      case 2: EXPECT_GE(B.Right, W - 3); break;
    }
    switch (C.Row) {
      case 0: EXPECT_LT(B.Bottom, TH + 1); break;
      case 1: EXPECT_GT(B.Top, (H - TH) / 2 - 1); EXPECT_LT(B.Bottom, (H + TH) / 2 + 1); break;
      case 2: EXPECT_GT(B.Top, H - TH - 1); break;
    }
    delete L;
  }
}

TEST(Label, TransparentShowsTheParent) {
  TTestForm F(100, 60);
  F->SetColor(clBlue);
  auto* L = new TLabel(F.Get());
  L->SetParent(F.Get());
  L->SetAutoSize(false);
  L->SetBounds(10, 10, 50, 30);
  L->SetColor(clRed);
  L->SetCaption(L"");
  for (bool T : {false, true}) {
    L->SetTransparent(T);
    TRendered R(F.Get());
    const TPoint Off = F->ClientOrigin();
    RECT W;
    GetWindowRect(F->Handle(), &W);
    const Integer X = Off.X - W.left + 30, Y = Off.Y - W.top + 25;
    EXPECT_EQ(R.Pixel(X, Y), T ? clBlue : clRed) << (T ? "transparent" : "opaque");
  }
}

TEST(Label, DisabledTextIsEngraved) {
  TTestForm F(200, 100);
  auto* L = new TLabel(F.Get());
  L->SetParent(F.Get());
  L->SetColor(clWhite);
  L->Font()->SetColor(clBlack);
  L->SetCaption(L"MMM");
  L->SetEnabled(false);
  TRendered R(L);
  bool Shadow = false, Black = false;
  for (Integer Y = 0; Y < L->Height(); ++Y)
    for (Integer X = 0; X < L->Width(); ++X) {
      Shadow |= R.Pixel(X, Y) == ColorToRGB(clBtnShadow);
      Black |= R.Pixel(X, Y) == clBlack;
    }
  EXPECT_TRUE(Shadow);
  EXPECT_FALSE(Black);
}

TEST(Label, EndEllipsisShortensTheText) {
  TTestForm F(200, 100);
  auto* L = new TLabel(F.Get());
  L->SetParent(F.Get());
  L->SetAutoSize(false);
  L->SetBounds(0, 0, 40, 20);
  L->SetColor(clWhite);
  L->Font()->SetColor(clBlack);
  L->SetCaption(L"MMMMMMMMMMMM");
  const Integer TH = TextSize(L->Font(), L"M").cy;
  // The last columns hold dots near the baseline, not the top of an "M".
  for (TEllipsisPosition E : {epNone, epEndEllipsis}) {
    L->SetEllipsisPosition(E);
    TRendered R(L);
    TRect B = InkBox(R, Rect(30, 0, 40, TH), clWhite);
    ASSERT_LT(B.Left, B.Right);
    if (E == epNone)
      EXPECT_LT(B.Top, TH / 2);
    else
      EXPECT_GT(B.Top, TH / 2);
  }
}

TEST(Label, AcceleratorFocusesTheFocusControl) {
  TTestForm F(200, 150);
  auto* Target = new TFocusTarget(F.Get());
  Target->SetParent(F.Get());
  auto* Other = new TFocusTarget(F.Get());
  Other->SetParent(F.Get());
  Other->SetLeft(10);
  auto* L = new TLabel(F.Get());
  L->SetParent(F.Get());
  L->SetCaption(L"&Name");
  L->SetFocusControl(Target);
  Other->SetFocus();
  ASSERT_TRUE(Other->Focused());

  struct Case {
    Word Key;
    bool Accel, Enabled, Takes;
  };
  const Case Cases[] = {
      {L'x', true, true, false}, {L'n', true, true, true}, {L'N', false, true, false},
      {L'N', true, false, false}, {L'N', true, true, true},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(testing::Message() << char(C.Key) << C.Accel << C.Enabled);
    Other->SetFocus();
    L->SetShowAccelChar(C.Accel);
    L->SetEnabled(C.Enabled);
    EXPECT_EQ(F->Perform(CM_DIALOGCHAR, C.Key, 0) != 0, C.Takes);
    EXPECT_EQ(Target->Focused(), C.Takes);
  }

  // The reference goes with the control.
  delete Target;
  EXPECT_EQ(L->FocusControl(), nullptr);
  EXPECT_EQ(F->Perform(CM_DIALOGCHAR, L'N', 0), 0);
}

TEST(Label, IsAccel) {
  struct Case {
    const wchar_t* Text;
    Word Key;
    bool Is;
  };
  const Case Cases[] = {{L"&Open", L'O', true}, {L"&Open", L'o', true}, {L"Op&en", L'E', true},
                        {L"&&Open", L'O', false}, {L"A&&&B", L'B', true}, {L"Open&", L'O', false},
                        {L"Open", L'O', false}};
  for (const Case& C : Cases) EXPECT_EQ(IsAccel(C.Key, C.Text), C.Is) << C.Text;
}
