#include <gtest/gtest.h>
#include "PaintProbe.h"
#include "foundation/Gradients.h"
#include "platform/gfx/Colors.h"
#include "platform/gfx/DCScope.h"

using namespace jorv::foundation;

using namespace jorv;
using namespace jorv::test;

namespace {

TColor Grey(Byte V) { return RGB(V, V, V); }

}  // namespace

TEST(DrawGradient, BandsStepEvenlyAndRoundHalvesToEven) {
  struct TCase {
    Integer Steps, Width;
    std::vector<std::pair<Integer, Byte>> Columns;  // column, grey level
  } Cases[] = {
      // Steps beyond the extent (9) become 9: one column per band.
      {255, 10, {{0, 0}, {4, 113}, {8, 227}, {9, 255}}},
      // Two bands of 5 and a last one; 127.5 rounds to the even 128.
      {2, 11, {{0, 0}, {4, 0}, {5, 128}, {9, 128}, {10, 255}}},
      {0, 4, {{0, 0}, {2, 0}, {3, 255}}},
  };
  for (const auto& C : Cases) {
    TPaintProbe P(C.Width, 3);
    DrawGradient(P.Canvas(), Grey(0), Grey(255), C.Steps, Rect(0, 0, C.Width, 3), true);
    for (auto [X, Level] : C.Columns)
      EXPECT_EQ(P.At(X, 1), Grey(Level)) << "steps " << C.Steps << " column " << X;
  }
  // 2.5 rounds to the even 2.
  TPaintProbe Tie(11, 1);
  DrawGradient(Tie.Canvas(), Grey(0), Grey(5), 2, Rect(0, 0, 11, 1), true);
  EXPECT_EQ(Tie.At(5, 0), Grey(2));
}

TEST(DrawGradient, VerticalRunsTopToBottomWithinTheRectangle) {
  TPaintProbe P(6, 12);
  // Top and bottom given the wrong way round.
  DrawGradient(P.Canvas(), clRed, clBlue, 64, Rect(1, 10, 5, 1), false);
  EXPECT_EQ(P.At(2, 1), clRed);
  EXPECT_EQ(P.At(2, 9), clBlue);
  EXPECT_EQ(P.At(2, 0), clWhite);
  EXPECT_EQ(P.At(2, 10), clWhite);
  EXPECT_EQ(P.At(0, 5), clWhite);
  EXPECT_EQ(P.At(5, 5), clWhite);
  // The last band's colour stays with the canvas.
  EXPECT_EQ(P.Canvas()->Brush()->Color(), clBlue);
  EXPECT_EQ(P.Canvas()->Pen()->Color(), clBlue);
}

// Cells of a scrolled merged area are drawn through a clip region: the
// gradient must not reach past it.
TEST(DrawGradient, StaysInsideTheClipRegion) {
  TPaintProbe P(8, 8);
  {
    TSavedDC Saved(P.Canvas()->Handle());
    TGdiObject<HRGN> Clip(CreateRectRgn(2, 2, 6, 6));
    SelectClipRgn(P.Canvas()->Handle(), Clip);
    DrawGradient(P.Canvas(), clRed, clBlue, 64, Rect(0, 0, 8, 8), false);
  }
  EXPECT_EQ(P.At(3, 1), clWhite);
  EXPECT_EQ(P.At(1, 3), clWhite);
  EXPECT_EQ(P.At(6, 5), clWhite);
  EXPECT_EQ(P.At(3, 6), clWhite);
  EXPECT_NE(P.At(3, 3), clWhite);
  EXPECT_NE(P.At(5, 5), clWhite);
}

TEST(DrawGradient, OneRowEndsInTheTargetColour) {
  TPaintProbe P(4, 3);
  DrawGradient(P.Canvas(), clRed, clLime, 16, Rect(0, 1, 4, 2), false);
  EXPECT_EQ(P.At(1, 1), clLime);
  EXPECT_EQ(P.At(1, 0), clWhite);
  EXPECT_EQ(P.At(1, 2), clWhite);
}

TEST(DrawGradient, MissingColoursAndEmptyRectangles) {
  struct TCase {
    TColor From, To;
    TRect R;
    TColor Expected;
  } Cases[] = {
      {clNone, clNavy, Rect(0, 0, 4, 4), clNavy},
      {clBtnFace, clNone, Rect(0, 0, 4, 4), ColorToRGB(clBtnFace)},
      {clNone, clNone, Rect(0, 0, 4, 4), clWhite},
      {clRed, clBlue, Rect(0, 2, 4, 2), clWhite},
  };
  for (const auto& C : Cases) {
    TPaintProbe P(4, 4);
    DrawGradient(P.Canvas(), C.From, C.To, 8, C.R, true);
    EXPECT_EQ(P.At(0, 2), C.Expected);
    EXPECT_EQ(P.At(3, 0), C.Expected);
  }
}

TEST(FillMirroredGradient, FillsHalvesPlainlyOrNotAtAllAndFrames) {
  {  // Mirrored, top and bottom halves.
    TPaintProbe P(10, 22);
    FillMirroredGradient(P.Canvas(), Rect(0, 0, 10, 20), clRed, clMaroon, clLime, clGreen, true,
                         clNone, false, true);
    EXPECT_EQ(P.At(5, 0), clRed);
    EXPECT_EQ(P.At(5, 9), clMaroon);
    EXPECT_EQ(P.At(5, 10), clLime);
    EXPECT_EQ(P.At(5, 19), clGreen);
    EXPECT_EQ(P.At(5, 20), clWhite);
  }
  {  // Mirrored, left and right halves.
    TPaintProbe P(20, 4);
    FillMirroredGradient(P.Canvas(), Rect(0, 0, 20, 4), clRed, clMaroon, clLime, clGreen, false,
                         clNone, false, true);
    EXPECT_EQ(P.At(0, 2), clRed);
    EXPECT_EQ(P.At(9, 2), clMaroon);
    EXPECT_EQ(P.At(10, 2), clLime);
    EXPECT_EQ(P.At(19, 2), clGreen);
  }
  {  // Plain: one row more than the rectangle, and the frame around that.
    TPaintProbe P(10, 12);
    FillMirroredGradient(P.Canvas(), Rect(0, 0, 10, 8), clYellow, clNone, clNone, clNone, true,
                         clBlue, false, true);
    EXPECT_EQ(P.At(5, 5), clYellow);
    EXPECT_EQ(P.At(5, 7), clYellow);
    EXPECT_EQ(P.At(5, 8), clBlue);
    EXPECT_EQ(P.At(5, 0), clBlue);
    EXPECT_EQ(P.At(9, 4), clBlue);
    EXPECT_EQ(P.At(5, 9), clWhite);
  }
  {  // No colour: only the border; side lines leave top and bottom alone.
    TPaintProbe P(10, 10);
    FillMirroredGradient(P.Canvas(), Rect(0, 0, 10, 10), clNone, clRed, clNone, clNone, true,
                         clBlue, true, true);
    EXPECT_EQ(P.At(0, 5), clBlue);
    EXPECT_EQ(P.At(9, 5), clBlue);
    EXPECT_EQ(P.At(5, 0), clWhite);
    EXPECT_EQ(P.At(5, 5), clWhite);
  }
  {  // Without Fill the colours do nothing.
    TPaintProbe P(10, 10);
    FillMirroredGradient(P.Canvas(), Rect(0, 0, 10, 10), clRed, clNone, clNone, clNone, true,
                         clNone, false, false);
    EXPECT_EQ(P.Count(Rect(0, 0, 10, 10), clWhite), 100);
  }
}

TEST(DrawRoundedGradientButton, EndsFollowThePosition) {
  const TColor Face = clYellow, Top = clAqua, Bottom = clTeal, Border = clBlue, Edge = clRed,
               Back = clLime;
  // Rect (0,0,30,22): L 0, T 0, Rt 29, B 20, Mid 10.
  struct TCase {
    Integer Position;
    TColor TopLeft, LeftSide, TopRight, RightSide;
  } Cases[] = {
      {0, Back, Border, Back, Border},
      {1, Back, Border, Border, Face},
      {2, Border, Face, Back, Border},
      {3, Border, Face, Border, Face},
  };
  for (const auto& C : Cases) {
    TPaintProbe P(30, 22);
    DrawRoundedGradientButton(P.Canvas(), Face, clNone, clNone, clNone, Top, Bottom, Border, Edge,
                              Back, Rect(0, 0, 30, 22), C.Position);
    SCOPED_TRACE(C.Position);
    EXPECT_EQ(P.At(0, 0), C.TopLeft);
    EXPECT_EQ(P.At(0, 5), C.LeftSide);
    EXPECT_EQ(P.At(28, 0), C.TopRight);
    EXPECT_EQ(P.At(28, 5), C.RightSide);
    EXPECT_EQ(P.At(14, 1), Top);
    EXPECT_EQ(P.At(14, 19), Bottom);
    EXPECT_EQ(P.At(14, 20), Border);
    EXPECT_EQ(P.At(14, 10), Face);
    EXPECT_EQ(P.At(14, 21), clWhite);
    const bool LeftEnd = C.Position <= 1;
    EXPECT_EQ(P.At(1, 0), LeftEnd ? Edge : Border);
    EXPECT_EQ(P.At(1, 5), LeftEnd ? Top : Face);
    EXPECT_EQ(P.At(1, 15), LeftEnd ? Bottom : Face);
    EXPECT_EQ(P.At(29, 5), clWhite);
  }
}

TEST(DrawRoundedGradientButton, FaceGradientsFromTopToBottom) {
  TPaintProbe P(30, 40);
  // Face rows 2..36: upper half 2..18, lower half 19..36.
  DrawRoundedGradientButton(P.Canvas(), clRed, clMaroon, clLime, clGreen, clWhite, clWhite,
                            clBlack, clBlack, clWhite, Rect(0, 0, 30, 40), 0);
  EXPECT_EQ(P.At(14, 2), clRed);
  EXPECT_EQ(P.At(14, 18), clMaroon);
  EXPECT_EQ(P.At(14, 19), clLime);
  EXPECT_EQ(P.At(14, 36), clGreen);
}

TEST(ColourArithmetic, InterpolateDarkenAndAdjust) {
  EXPECT_EQ(InterpolateColor(clBtnFace, clNone, 0, 10, 5), clBtnFace);
  EXPECT_EQ(InterpolateColor(RGB(0, 100, 200), RGB(100, 0, 201), 0, 10, 5), RGB(50, 50, 200));
  EXPECT_EQ(InterpolateColor(clBlack, clWhite, 0, 10, 10), clWhite);
  EXPECT_EQ(InterpolateColor(clBlack, clWhite, 0, 0, 0), clBlack);
  EXPECT_EQ(InterpolateColor(clBlack, clWhite, 0, 10, 20), clWhite);
  EXPECT_EQ(InterpolateColor(clWindow, clWhite, 0, 4, 0), ColorToRGB(clWindow));

  EXPECT_EQ(DarkenColorHalf(RGB(255, 101, 0)), RGB(127, 50, 0));
  const TColor Face = ColorToRGB(clBtnFace);
  EXPECT_EQ(DarkenColorHalf(clBtnFace),
            RGB(GetRValue(Face) / 2, GetGValue(Face) / 2, GetBValue(Face) / 2));

  struct TCase {
    TColor In;
    Integer Percent;
    TColor Out;
  } Cases[] = {
      {RGB(100, 50, 0), -20, RGB(80, 40, 0)},
      {RGB(100, 50, 25), -10, RGB(90, 45, 22)},  // 22.5 to the even 22
      {RGB(200, 10, 0), -150, RGB(0, 0, 0)},
      {RGB(200, 10, 0), 50, RGB(255, 15, 0)},
      {RGB(1, 2, 3), 0, RGB(1, 2, 3)},
  };
  for (const auto& C : Cases)
    EXPECT_EQ(AdjustColorPercent(C.In, C.Percent), C.Out) << C.Percent;
}
