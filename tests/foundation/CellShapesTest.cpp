#include <gtest/gtest.h>
#include "PaintProbe.h"
#include "foundation/CellShapes.h"
#include "platform/gfx/Colors.h"

using namespace jorv::foundation;

using namespace jorv;
using namespace jorv::test;

TEST(DrawCellShape, EachShapeCoversItsOwnPartOfTheBox) {
  // A 20 × 20 box at (2, 3); points relative to the box.
  struct TCase {
    TCellShape Shape;
    TPoint Inside, Outside;
  } Cases[] = {
      {csRectangle, {10, 10}, {0, 0}},       {csCircle, {10, 10}, {1, 1}},
      {csTriangleLeft, {15, 10}, {2, 2}},    {csTriangleRight, {5, 10}, {17, 2}},
      {csTriangleUp, {10, 15}, {2, 2}},      {csTriangleDown, {10, 5}, {2, 17}},
      {csDiamond, {10, 10}, {2, 2}},         {csRoundRect, {10, 10}, {0, 0}},
      {csEllips, {10, 10}, {1, 18}},         {csSquare, {10, 10}, {0, 19}},
      {csRoundSquare, {10, 10}, {19, 0}},    {csStar, {10, 10}, {10, 17}},
      {csHalfStar, {8, 10}, {14, 10}},       {csArrowUp, {10, 15}, {2, 15}},
      {csArrowDown, {10, 5}, {2, 5}},        {csArrowLeft, {15, 10}, {15, 2}},
      {csArrowRight, {5, 10}, {5, 2}},
  };
  for (const auto& C : Cases) {
    TPaintProbe P(26, 26);
    DrawCellShape(P.Canvas(), 2, 3, 20, 20, C.Shape, clYellow, clBlue);
    SCOPED_TRACE(int(C.Shape));
    EXPECT_EQ(P.At(2 + C.Inside.X, 3 + C.Inside.Y), clYellow);
    EXPECT_EQ(P.At(2 + C.Outside.X, 3 + C.Outside.Y), clWhite);
    // Nothing outside the box.
    EXPECT_EQ(P.Count(Rect(0, 0, 26, 3), clWhite), 26 * 3);
    EXPECT_EQ(P.Count(Rect(23, 0, 26, 26), clWhite), 3 * 26);
  }
}

TEST(DrawCellShape, LinesAreOnePixelInThePenColour) {
  struct TCase {
    TCellShape Shape;
    TRect Line;
  } Cases[] = {{csLineVert, Rect(10, 0, 11, 20)}, {csLineHorz, Rect(0, 10, 20, 11)}};
  for (const auto& C : Cases) {
    TPaintProbe P(20, 20);
    DrawCellShape(P.Canvas(), 0, 0, 20, 20, C.Shape, clYellow, clBlue);
    EXPECT_EQ(P.Count(C.Line, clBlue), 20);
    EXPECT_EQ(P.Count(Rect(0, 0, 20, 20), clWhite), 400 - 20);
  }
}

TEST(DrawCellShape, CirclesAndSquaresTakeTheSmallerSide) {
  struct TCase {
    TCellShape Shape;
    TColor Right;  // at (15, 5) of a 20 × 10 box
  } Cases[] = {{csCircle, clWhite}, {csSquare, clWhite}, {csRoundSquare, clWhite},
               {csEllips, clYellow}, {csRectangle, clYellow}, {csRoundRect, clYellow}};
  for (const auto& C : Cases) {
    TPaintProbe P(20, 10);
    DrawCellShape(P.Canvas(), 0, 0, 20, 10, C.Shape, clYellow, clBlue);
    SCOPED_TRACE(int(C.Shape));
    EXPECT_EQ(P.At(5, 5), clYellow);
    EXPECT_EQ(P.At(15, 5), C.Right);
  }
}
