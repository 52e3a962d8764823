#include <gtest/gtest.h>
#include "PaintProbe.h"
#include "foundation/ValueBars.h"
#include "platform/gfx/Colors.h"
#include <algorithm>
#include "platform/rtl/Exceptions.h"

using namespace jorv::foundation;

using namespace jorv;
using namespace jorv::test;

namespace {

// Bar (10, 10)-(110, 30) in a 120 × 40 probe; the text sits in the middle
// rows, so the top row of the bar shows only the fill.
struct TBar {
  TPaintProbe P{120, 40};
  void Draw(double Value, Integer Min, Integer Max, const String& Format,
            TColor Border = clNone) {
    P.Canvas()->Brush()->SetColor(clPurple);
    DrawProgressBar(P.Canvas(), Rect(8, 8, 112, 32), clBlue, clYellow, clSilver, clRed, Value, 2,
                    2, Min, Max, Format, Border);
  }
  // Columns of the bar's top row in the bar colour.
  Integer Filled() { return P.Count(Rect(10, 10, 110, 11), clBlue); }
};

}  // namespace

TEST(DrawProgressBar, FillFollowsTheShareOfTheRange) {
  struct TCase {
    double Value;
    Integer Min, Max;
    const wchar_t* Format;
    Integer Filled;
  } Cases[] = {
      {150, 0, 100, L"", 100},  // no format: the value is the percentage
      {-5, 0, 100, L"", 0},
      {42.4, 0, 100, L"", 42},
      {5, 0, 10, L"%d of 10", 50},
      {15, 10, 30, L"%.1f", 25},
      {40, 10, 30, L"%u", 100},
      {7, 5, 5, L"%d", 0},  // an empty range shows no share
  };
  for (const auto& C : Cases) {
    TBar B;
    EXPECT_NO_THROW(B.Draw(C.Value, C.Min, C.Max, C.Format)) << C.Format;
    EXPECT_EQ(B.Filled(), C.Filled) << C.Value << " " << C.Format;
    EXPECT_EQ(B.P.Count(Rect(10, 10, 110, 11), clSilver), 100 - C.Filled);
  }
}

TEST(DrawProgressBar, FormatKindIsChosenByTheFirstDOrU) {
  struct TCase {
    const wchar_t* Format;
    bool Raises;  // a "d" conversion given a real
  } Cases[] = {
      {L"%d%%", false},    {L"%5d", false},     {L"%.0f", false},
      {L"%u units", false}, {L"Loaded %d", true}, {L"Rounded %d", true},
      {L"Done %.3d", false},
  };
  for (const auto& C : Cases) {
    TBar B;
    if (C.Raises)
      EXPECT_THROW(B.Draw(3, 0, 10, C.Format), EConvertError) << C.Format;
    else
      EXPECT_NO_THROW(B.Draw(3, 0, 10, C.Format)) << C.Format;
  }
}

TEST(DrawProgressBar, TextChangesColourWhereTheFillEnds) {
  TBar B;
  B.Draw(50, 0, 100, L"");
  const TRect Fill(10, 10, 60, 30), Rest(60, 10, 110, 30);
  EXPECT_GT(B.P.Count(Fill, clYellow), 0);
  EXPECT_GT(B.P.Count(Rest, clRed), 0);
  EXPECT_EQ(B.P.Count(Fill, clRed), 0);
  EXPECT_EQ(B.P.Count(Rest, clYellow), 0);
  EXPECT_EQ(B.P.Count(Fill, clBlue) + B.P.Count(Fill, clYellow), 50 * 20);
}

TEST(DrawProgressBar, FramesInTheBorderAndTheEntryBrushColour) {
  TBar Framed;
  Framed.Draw(50, 0, 100, L"", clGreen);
  EXPECT_EQ(Framed.P.At(9, 20), clGreen);
  EXPECT_EQ(Framed.P.At(60, 30), clGreen);
  EXPECT_EQ(Framed.P.At(8, 20), clPurple);
  EXPECT_EQ(Framed.P.At(60, 31), clPurple);
  EXPECT_EQ(Framed.P.At(7, 20), clWhite);
  EXPECT_EQ(Framed.P.Canvas()->Brush()->Color(), clPurple);

  TBar Plain;
  Plain.Draw(50, 0, 100, L"", clNone);
  EXPECT_EQ(Plain.P.At(9, 20), clWhite);
  EXPECT_EQ(Plain.P.At(8, 20), clPurple);
}

TEST(DrawProgressPie, SectorRunsClockwiseFromTwelve) {
  struct TCase {
    Integer Percent;
    TColor TopRight, BottomRight, BottomLeft;
  } Cases[] = {
      {0, clWhite, clWhite, clWhite},
      // Too narrow to fill: the rest of the circle stays as it was.
      {1, clWhite, clWhite, clWhite},
      {-25, clWhite, clWhite, clWhite},
      {25, clRed, clWhite, clWhite},
      {50, clRed, clRed, clWhite},
      {100, clRed, clRed, clRed},
  };
  for (const auto& C : Cases) {
    TPaintProbe P(24, 24);
    P.Canvas()->Brush()->SetColor(clWhite);
    DrawProgressPie(P.Canvas(), Rect(2, 2, 22, 22), clRed, C.Percent);
    SCOPED_TRACE(C.Percent);
    EXPECT_EQ(P.At(16, 7), C.TopRight);
    EXPECT_EQ(P.At(16, 16), C.BottomRight);
    EXPECT_EQ(P.At(7, 16), C.BottomLeft);
    // The radius to twelve o'clock and the outline are grey.
    EXPECT_EQ(P.At(12, 6), clGray);
    EXPECT_EQ(P.At(12, 2), clGray);
    EXPECT_EQ(P.At(0, 0), clWhite);
  }
  // A narrow sector still fills from just right of twelve o'clock.
  TPaintProbe P(24, 24);
  P.Canvas()->Brush()->SetColor(clWhite);
  DrawProgressPie(P.Canvas(), Rect(2, 2, 22, 22), clRed, 10);
  EXPECT_EQ(P.At(14, 5), clRed);
  EXPECT_EQ(P.At(17, 9), clWhite);
}

TEST(DrawRangeIndicator, GrowsFromTheCentreInProportion) {
  // Rect (0,0)-(44,10): inner 2..42, half 20, centre column 22.
  struct TCase {
    Integer Value, Range;
    Integer From, To;  // columns in a colour, To exclusive
    TColor Color;
  } Cases[] = {
      {5, 10, 22, 32, clGreen},   {-5, 10, 12, 22, clRed}, {30, 10, 22, 42, clGreen},
      {-30, 10, 2, 22, clRed},    {0, 10, 0, 0, clGreen},  {4, 0, 0, 0, clGreen},
  };
  for (const auto& C : Cases) {
    TPaintProbe P(44, 10);
    EXPECT_NO_THROW(DrawRangeIndicator(P.Canvas(), Rect(0, 0, 44, 10), C.Value, C.Range, false,
                                       clRed, clGreen));
    SCOPED_TRACE(C.Value);
    EXPECT_EQ(P.Count(Rect(0, 5, 44, 6), C.Color), C.To - C.From);
    if (C.To > C.From) {
      EXPECT_EQ(P.At(C.From, 5), C.Color);
      EXPECT_EQ(P.At(C.To - 1, 5), C.Color);
    }
    EXPECT_EQ(P.At(22, 1), clWhite);
  }
}

TEST(DrawRangeIndicator, ShowsTheValueCentredAtTheTop) {
  TPaintProbe Shown(60, 30), Hidden(60, 30);
  for (TPaintProbe* P : {&Shown, &Hidden}) P->Canvas()->Font()->SetColor(clBlack);
  DrawRangeIndicator(Shown.Canvas(), Rect(0, 0, 60, 30), 30, 10, true, clRed, clGreen);
  DrawRangeIndicator(Hidden.Canvas(), Rect(0, 0, 60, 30), 30, 10, false, clRed, clGreen);
  EXPECT_EQ(Hidden.Count(Rect(0, 0, 60, 30), clBlack), 0);
  Integer Left = 60, Right = -1, Top = 30;
  for (Integer Y = 0; Y < 30; ++Y)
    for (Integer X = 0; X < 60; ++X)
      if (Shown.At(X, Y) == clBlack) {
        Left = std::min(Left, X);
        Right = std::max(Right, X);
        Top = std::min(Top, Y);
      }
  ASSERT_GE(Right, 0);
  EXPECT_NEAR(Left + Right, 60, 3);
  EXPECT_GE(Top, 2);
  EXPECT_LE(Top, 6);
  // The text lies over the bar, not behind it.
  EXPECT_GT(Shown.Count(Rect(30, 2, 58, 28), clBlack), 0);
}

namespace {

// A 102-pixel bar: usable length Q = 100, so percent and pixels agree.
struct TXPBar {
  TPaintProbe P{110, 20};
  TXPProgressParams Params;
  TXPBar() {
    Params.Level0Color = clRed;
    Params.Level0ColorTo = clMaroon;
    Params.Level1Color = clLime;
    Params.Level1ColorTo = clGreen;
    Params.Level2Color = clYellow;
    Params.Level2ColorTo = clOlive;
    Params.Level3Color = clBlue;
    Params.Level3ColorTo = clNavy;
    Params.Level1Perc = 30;
    Params.Level2Perc = 60;
    Params.BorderColor = clBlack;
    Params.ShowBorder = true;
    Params.UnCompleteColor = clSilver;
    Params.CompletionSmooth = true;
    Params.Steps = 8;
  }
  void Draw(Integer Percent) { DrawXPProgressBar(P.Canvas(), Rect(0, 0, 102, 16), Percent, Params); }
  TColor At(Integer X) { return P.At(X, 8); }
};

}  // namespace

TEST(DrawXPProgressBar, LevelColoursChangeAtTheThresholds) {
  struct TCase {
    Integer Percent;
    TColor Color;
  } Cases[] = {{10, clRed}, {29, clRed}, {30, clLime}, {59, clLime},
               {60, clYellow}, {99, clYellow}, {100, clBlue}};
  for (const auto& C : Cases) {
    TXPBar B;
    B.Draw(C.Percent);
    SCOPED_TRACE(C.Percent);
    EXPECT_EQ(B.At(1), C.Color);
    EXPECT_EQ(B.At(C.Percent), C.Color);
    EXPECT_EQ(B.At(C.Percent + 1), C.Percent == 100 ? clBlack : clSilver);
    EXPECT_EQ(B.At(0), clBlack);
    EXPECT_EQ(B.P.At(50, 0), clBlack);
  }
}

TEST(DrawXPProgressBar, BlocksOfSevenWithGaps) {
  struct TCase {
    Integer Percent;
    std::vector<std::pair<Integer, Integer>> Blocks;  // first and last column
  } Cases[] = {
      {1, {}},
      {5, {{2, 5}}},
      {9, {{2, 9}}},
      {20, {{2, 8}, {11, 17}}},
      {25, {{2, 8}, {11, 17}, {20, 25}}},
  };
  for (const auto& C : Cases) {
    TXPBar B;
    B.Params.CompletionSmooth = false;
    B.Draw(C.Percent);
    SCOPED_TRACE(C.Percent);
    Integer Painted = 0;
    for (auto [First, Last] : C.Blocks) {
      EXPECT_EQ(B.At(First), clRed);
      EXPECT_EQ(B.At(Last), clRed);
      EXPECT_EQ(B.At(Last + 1), clSilver);
      Painted += Last - First + 1;
    }
    EXPECT_EQ(B.P.Count(Rect(0, 8, 102, 9), clRed), Painted);
    // Blocks keep a pixel of background above and below.
    EXPECT_EQ(B.P.Count(Rect(0, 1, 102, 2), clRed), 0);
  }
}

TEST(DrawXPProgressBar, StackedLevelsStandSideBySide) {
  struct TCase {
    Integer Percent;
    Integer End0, End1, End3;  // last column of each segment, 0 for none
  } Cases[] = {{20, 20, 0, 0}, {45, 30, 45, 0}, {80, 30, 60, 80}, {100, 30, 60, 100}};
  for (const auto& C : Cases) {
    TXPBar B;
    B.Params.Stacked = true;
    B.Draw(C.Percent);
    SCOPED_TRACE(C.Percent);
    EXPECT_EQ(B.P.Count(Rect(0, 8, 102, 9), clRed), C.End0);
    EXPECT_EQ(B.P.Count(Rect(0, 8, 102, 9), clLime), C.End1 ? C.End1 - C.End0 : 0);
    EXPECT_EQ(B.P.Count(Rect(0, 8, 102, 9), clBlue), C.End3 ? C.End3 - C.End1 : 0);
    EXPECT_EQ(B.P.Count(Rect(0, 8, 102, 9), clYellow), 0);
  }
}

TEST(DrawXPProgressBar, GradientHalvesOutlineAndNoSpill) {
  TXPBar B;
  B.Params.ShowGradient = true;
  B.Params.ShowBorder = false;
  B.Draw(150);
  // Upper half ColorTo to Color, lower half back to ColorTo (Level3 above 99).
  EXPECT_EQ(B.P.At(50, 1), clNavy);
  EXPECT_EQ(B.P.At(50, 7), clBlue);
  EXPECT_EQ(B.P.At(50, 8), clBlue);
  EXPECT_EQ(B.P.At(50, 14), clNavy);
  // Outline in the background colour; nothing beyond the rectangle.
  EXPECT_EQ(B.P.At(50, 0), clSilver);
  EXPECT_EQ(B.P.At(101, 8), clSilver);
  EXPECT_EQ(B.P.At(102, 8), clWhite);
}

TEST(DrawXPProgressBar, PercentageTextInTheParamsFont) {
  TXPBar B;
  TFont Font;
  Font.SetName(L"Tahoma");
  Font.SetSize(12);
  Font.SetStyle(TFontStyles{fsBold});
  B.Params.ShowPercentage = true;
  B.Params.Font = &Font;
  B.Params.CompleteFontColor = clFuchsia;
  B.Draw(40);
  EXPECT_GT(B.P.Count(Rect(30, 0, 72, 16), clFuchsia), 0);
  EXPECT_EQ(B.P.Count(Rect(0, 0, 30, 16), clFuchsia), 0);
  EXPECT_EQ(B.P.Count(Rect(72, 0, 102, 16), clFuchsia), 0);
  EXPECT_EQ(B.P.Canvas()->Font()->Size(), 12);
  EXPECT_TRUE(B.P.Canvas()->Font()->Style().Contains(fsBold));
}
