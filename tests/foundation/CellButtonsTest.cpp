#include <gtest/gtest.h>
#include <algorithm>
#include "PaintProbe.h"
#include "foundation/CellButtons.h"
#include "foundation/LayeredWindow.h"
#include "foundation/XPTheme.h"
#include "platform/rtl/Streams.h"
#include "tests/support/ui/Gui.h"

using namespace jorv::foundation;

using namespace jorv;
using namespace jorv::test;

namespace {

TColorTones Tones() {
  TColorTones T;
  T.Background = {clYellow, clGreen, clMaroon};
  T.Hover = {clAqua, clTeal, clBlack};
  T.Selected = {clLime, clOlive, clBlack};
  T.Disabled = {clSilver, clGray, clBlack};
  T.Foreground = {clFuchsia, clPurple, clBlack};
  return T;
}

const TColor ToneOfState[] = {clYellow, clAqua, clLime, clSilver};

bool SamePixels(TPaintProbe& A, TPaintProbe& B, const TRect& R) {
  for (Integer Y = R.Top; Y < R.Bottom; ++Y)
    for (Integer X = R.Left; X < R.Right; ++X)
      if (A.At(X, Y) != B.At(X, Y)) return false;
  return true;
}

// Puts the visual-style binding back as start-up left it.
struct TRebindTheme {
  ~TRebindTheme() {
    FreeXPThemeLibrary();
    LoadXPThemeLibrary();
  }
};

}  // namespace

TEST(DrawComboButton, ToneLookPaintsTheStateColourArrowAndSeparator) {
  // Cell (0,0)-(60,20): the button is (44,1)-(58,19) in this look.
  for (Integer State = 0; State <= 3; ++State) {
    TPaintProbe P(60, 20);
    DrawComboButton(P.Canvas(), nullptr, Rect(0, 0, 60, 20), 3, State, Tones());
    SCOPED_TRACE(State);
    EXPECT_EQ(P.At(44, 3), ToneOfState[State]);
    EXPECT_EQ(P.At(57, 18), ToneOfState[State]);
    EXPECT_EQ(P.At(45, 10), clGreen);
    EXPECT_EQ(P.At(52, 10), clMaroon);
    EXPECT_EQ(P.At(52, 13), ToneOfState[State]);
    EXPECT_EQ(P.At(43, 10), clWhite);
    EXPECT_EQ(P.At(58, 10), clWhite);
    EXPECT_EQ(P.At(50, 0), clWhite);
    EXPECT_EQ(P.At(50, 19), clWhite);
  }
}

TEST(DrawComboButton, FrameLooksStayInTheButtonAndDiffer) {
  TPaintProbe Classic(60, 20), Flat(60, 20), Disabled(60, 20);
  DrawComboButton(Classic.Canvas(), nullptr, Rect(0, 0, 60, 20), 1, 0, Tones());
  DrawComboButton(Flat.Canvas(), nullptr, Rect(0, 0, 60, 20), 2, 0, Tones());
  DrawComboButton(Disabled.Canvas(), nullptr, Rect(0, 0, 60, 20), 1, 3, Tones());
  const TRect Button(41, 1, 58, 19);
  for (TPaintProbe* P : {&Classic, &Flat, &Disabled}) {
    EXPECT_LT(P->Count(Button, clWhite), Button.Width() * Button.Height() / 2);
    EXPECT_EQ(P->Count(Rect(0, 0, 60, 20), clWhite), 60 * 20 - 17 * 18 + P->Count(Button, clWhite));
  }
  EXPECT_FALSE(SamePixels(Classic, Flat, Button));
  EXPECT_FALSE(SamePixels(Classic, Disabled, Button));
}

TEST(CellButtons, VisualStyleLookFallsBackToClassicWithoutTheBinding) {
  TTestForm Form;
  HWND Wnd = Form->Handle();
  using TDraw = void (*)(TCanvas*, HWND, Integer);
  const TDraw Draws[] = {
      [](TCanvas* C, HWND W, Integer Kind) {
        DrawComboButton(C, W, Rect(0, 0, 60, 20), Kind, 0, Tones());
      },
      [](TCanvas* C, HWND W, Integer Kind) {
        DrawCellButton(C, W, Rect(10, 2, 50, 18), Kind, 0, Tones(), L"");
      },
      [](TCanvas* C, HWND W, Integer Kind) {
        DrawSpinButtons(C, W, Rect(0, 0, 60, 20), Kind, 0, Tones());
      },
  };
  for (TDraw Draw : Draws) {
    TPaintProbe Themed(60, 20);
    Draw(Themed.Canvas(), Wnd, 0);
    EXPECT_LT(Themed.Count(Rect(0, 0, 60, 20), clWhite), 60 * 20);
    EXPECT_EQ(Themed.Count(Rect(0, 0, 10, 20), clWhite), 10 * 20);
  }

  TRebindTheme Restore;
  FreeXPThemeLibrary();
  for (TDraw Draw : Draws) {
    TPaintProbe Unbound(60, 20), Classic(60, 20);
    Draw(Unbound.Canvas(), Wnd, 0);
    Draw(Classic.Canvas(), Wnd, 1);
    EXPECT_TRUE(SamePixels(Unbound, Classic, Rect(0, 0, 60, 20)));
  }
}

TEST(DrawCellButton, ToneLookAndCentredCaptionBelowTheTopInset) {
  for (Integer State = 0; State <= 3; ++State) {
    TPaintProbe P(60, 24);
    P.Canvas()->Font()->SetColor(clBlue);
    DrawCellButton(P.Canvas(), nullptr, Rect(0, 0, 60, 24), 3, State, Tones(), L"OK");
    SCOPED_TRACE(State);
    const TColor Borders[] = {clGreen, clTeal, clOlive, clGray};
    EXPECT_EQ(P.At(0, 0), Borders[State]);
    EXPECT_EQ(P.At(59, 23), Borders[State]);
    EXPECT_EQ(P.At(2, 2), ToneOfState[State]);
    Integer Left = 60, Right = -1, Top = 24;
    for (Integer Y = 0; Y < 24; ++Y)
      for (Integer X = 0; X < 60; ++X)
        if (P.At(X, Y) == clBlue) {
          Left = std::min(Left, X);
          Right = std::max(Right, X);
          Top = std::min(Top, Y);
        }
    ASSERT_GE(Right, 0);
    EXPECT_NEAR(Left + Right, 59, 3);
    EXPECT_GE(Top, 4);
    // The caption leaves the face as it is around it: clear brush.
    EXPECT_EQ(P.At(2, 20), ToneOfState[State]);
  }
}

TEST(DrawCellButton, FrameLooksFollowTheState) {
  TPaintProbe Normal(40, 20), Hot(40, 20), Down(40, 20), Flat(40, 20);
  DrawCellButton(Normal.Canvas(), nullptr, Rect(0, 0, 40, 20), 1, 0, Tones(), L"");
  DrawCellButton(Down.Canvas(), nullptr, Rect(0, 0, 40, 20), 1, 2, Tones(), L"");
  DrawCellButton(Flat.Canvas(), nullptr, Rect(0, 0, 40, 20), 2, 0, Tones(), L"");
  EXPECT_EQ(Normal.Count(Rect(0, 0, 40, 20), clWhite) < 40 * 20, true);
  EXPECT_FALSE(SamePixels(Normal, Down, Rect(0, 0, 40, 20)));
  EXPECT_FALSE(SamePixels(Normal, Flat, Rect(0, 0, 40, 20)));
}

TEST(DrawSpinButtons, ToneLookHasTwoHalvesWithArrows) {
  // Cell (0,0)-(40,21): buttons (24,-1)-(39,20), Mid 9; the lower from 10.
  for (Integer State = 0; State <= 3; ++State) {
    TPaintProbe P(40, 21);
    DrawSpinButtons(P.Canvas(), nullptr, Rect(0, 0, 40, 21), 3, State, Tones());
    SCOPED_TRACE(State);
    EXPECT_EQ(P.At(25, 0), ToneOfState[State]);
    EXPECT_EQ(P.At(38, 8), ToneOfState[State]);
    EXPECT_EQ(P.At(25, 10), ToneOfState[State]);
    EXPECT_EQ(P.At(38, 19), ToneOfState[State]);
    EXPECT_EQ(P.At(30, 9), clWhite);
    EXPECT_EQ(P.At(31, 3), clBlack);
    EXPECT_EQ(P.At(31, 12), clBlack);
    EXPECT_EQ(P.At(31, 6), ToneOfState[State]);
    EXPECT_EQ(P.At(23, 5), clWhite);
    EXPECT_EQ(P.At(39, 5), clWhite);
    EXPECT_EQ(P.At(30, 20), clWhite);
  }
}

TEST(DrawSpinButtons, FrameLooksKnowOnlyNormalAndDisabled) {
  TPaintProbe Normal(40, 21), Hot(40, 21), Disabled(40, 21);
  DrawSpinButtons(Normal.Canvas(), nullptr, Rect(0, 0, 40, 21), 1, 0, Tones());
  DrawSpinButtons(Hot.Canvas(), nullptr, Rect(0, 0, 40, 21), 1, 1, Tones());
  DrawSpinButtons(Disabled.Canvas(), nullptr, Rect(0, 0, 40, 21), 1, 3, Tones());
  EXPECT_TRUE(SamePixels(Normal, Hot, Rect(0, 0, 40, 21)));
  EXPECT_FALSE(SamePixels(Normal, Disabled, Rect(0, 0, 40, 21)));
  EXPECT_EQ(Normal.Count(Rect(24, 9, 39, 10), clWhite), 15);
  EXPECT_LT(Normal.Count(Rect(24, 0, 39, 9), clWhite), 15 * 9);
  EXPECT_EQ(Normal.Count(Rect(0, 0, 24, 21), clWhite), 24 * 21);
}

TEST(DrawSmallDownArrow, SevenPixelsWidePointingDown) {
  TPaintProbe P(20, 20);
  DrawSmallDownArrow(P.Canvas(), 10, 5, clRed);
  EXPECT_EQ(P.Count(Rect(0, 5, 20, 6), clRed), 7);
  EXPECT_EQ(P.At(10, 7), clRed);
  EXPECT_EQ(P.At(10, 8), clRed);
  EXPECT_EQ(P.At(10, 9), clWhite);
  EXPECT_EQ(P.Count(Rect(0, 0, 20, 5), clRed), 0);
}

TEST(DrawBitmapTransparent, TopLeftColourShowsTheBackground) {
  TBitmap Source;
  Source.SetPixelFormat(pf24bit);
  Source.SetSize(4, 3);
  Source.Canvas()->Brush()->SetColor(clBlue);
  Source.Canvas()->FillRect(Rect(0, 0, 4, 3));
  for (TPoint Pt : {Point(0, 0), Point(3, 2), Point(1, 1)})
    Source.Canvas()->SetPixels(Pt.X, Pt.Y, clFuchsia);

  TPaintProbe P(12, 12);
  // Only the bitmap's own size is drawn, whatever the rectangle's.
  DrawBitmapTransparent(P.Canvas(), &Source, clLime, Rect(5, 5, 12, 12));
  EXPECT_EQ(P.At(5, 5), clLime);
  EXPECT_EQ(P.At(8, 7), clLime);
  EXPECT_EQ(P.At(6, 6), clLime);
  EXPECT_EQ(P.At(6, 5), clBlue);
  EXPECT_EQ(P.At(8, 5), clBlue);
  EXPECT_EQ(P.At(9, 5), clWhite);
  EXPECT_EQ(P.At(5, 8), clWhite);
  EXPECT_EQ(P.Count(Rect(0, 0, 12, 12), clFuchsia), 0);

  EXPECT_NO_THROW(DrawBitmapTransparent(P.Canvas(), nullptr, clLime, Rect(0, 0, 4, 4)));
}

TEST(DrawResourceBitmapTransparent, MissingResourceRaisesAndDrawsNothing) {
  TPaintProbe P(8, 8);
  EXPECT_THROW(DrawResourceBitmapTransparent(P.Canvas(), clLime, Rect(0, 0, 8, 8),
                                             L"NOSUCHGLYPH"),
               EResNotFound);
  EXPECT_EQ(P.Count(Rect(0, 0, 8, 8), clWhite), 64);
}

namespace {

// The columns of Probe that hold red, as [first, last]; (-1, -1) for none.
std::pair<Integer, Integer> RedColumns(TPaintProbe& P, const TRect& R) {
  Integer First = -1, Last = -1;
  for (Integer X = R.Left; X < R.Right; ++X)
    if (P.Count(Rect(X, R.Top, X + 1, R.Bottom), clRed) > 0) {
      if (First < 0) First = X;
      Last = X;
    }
  return {First, Last};
}

}  // namespace

TEST(DrawErrorUnderline, ZigZagsUnderTheWrongCharacters) {
  TTestForm Form;
  const Integer Components = Form->ComponentCount(), Controls = Form->ControlCount();
  const String Text = L"abcdefghijklmnop";
  const TRect Cell(10, 10, 250, 30);
  struct TCase {
    Integer Start, Length;
  } Cases[] = {{0, 3}, {4, 2}, {10, 6}, {16, 2}, {40, 1}};
  std::vector<std::pair<Integer, Integer>> Spans;
  for (const auto& C : Cases) {
    TPaintProbe P(300, 60);
    DrawErrorUnderline(Form.Get(), P.Canvas(), Text, Cell, 12, C.Start, C.Length);
    const auto Span = RedColumns(P, Rect(0, 0, 300, 60));
    SCOPED_TRACE(C.Start);
    ASSERT_GE(Span.first, Cell.Left - 1);  // the pen is two pixels wide
    EXPECT_GT(Span.second, Span.first);
    // All of it lies in the rows below the text's top plus the offset.
    EXPECT_EQ(P.Count(Rect(0, 0, 300, Cell.Top + 12 - 2), clRed), 0);
    EXPECT_EQ(P.Count(Rect(0, Cell.Top + 12 + 12, 300, 60), clRed), 0);
    Spans.push_back(Span);
  }
  // Later characters are underlined further right; past the end, after the
  // last character.
  TPaintProbe Measure(4, 4);
  Measure.Canvas()->SetFont(Form->Font());
  auto Width = [&](Integer Chars) { return Measure.Canvas()->TextWidth(Text.substr(0, Chars)); };
  EXPECT_NEAR(Spans[1].first - Spans[0].first, Width(4), 1);
  EXPECT_NEAR(Spans[2].first - Spans[0].first, Width(10), 1);
  EXPECT_LT(Spans[0].second, Spans[1].first);
  EXPECT_LT(Spans[1].second, Spans[2].first);
  EXPECT_GT(Spans[3].first, Spans[0].first + Width(15));
  EXPECT_EQ(Spans[3], Spans[4]);
  // The edit used for measuring is gone.
  EXPECT_EQ(Form->ComponentCount(), Components);
  EXPECT_EQ(Form->ControlCount(), Controls);
}

TEST(LayeredWindow, CallsPassThroughToTheSystem) {
  HWND Wnd = CreateWindowExW(WS_EX_LAYERED, L"STATIC", L"", WS_POPUP, 0, 0, 20, 20, nullptr,
                             nullptr, nullptr, nullptr);
  ASSERT_NE(Wnd, nullptr);
  EXPECT_TRUE(CallSetLayeredWindowAttributes(Wnd, 0, 128, LWA_ALPHA));
  BYTE Alpha = 0;
  DWORD Flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(Wnd, nullptr, &Alpha, &Flags));
  EXPECT_EQ(Alpha, 128);
  EXPECT_EQ(Flags, DWORD(LWA_ALPHA));
  DestroyWindow(Wnd);
  // A failure of the system call is reported, not taken for success.
  EXPECT_FALSE(CallSetLayeredWindowAttributes(nullptr, 0, 128, LWA_ALPHA));
  EXPECT_FALSE(CallUpdateLayeredWindow(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0,
                                       nullptr, ULW_ALPHA));
}
