#include "foundation/CellShapes.h"
#include <cmath>
#include <numbers>
#include <vector>
#include "platform/gfx/Canvas.h"
#include "platform/rtl/Math.h"

namespace jorv::foundation {

namespace {

// Point k of the star: k × 36° clockwise from straight up, on the outer
// ellipse for even k and on one a third its size for odd k.
TPoint StarPoint(Integer X, Integer Y, Integer W2, Integer H2, Integer K) {
  const double A = K * 36.0 * std::numbers::pi / 180.0;
  const double Rx = (K % 2 == 0) ? W2 : W2 / 3.0;
  const double Ry = (K % 2 == 0) ? H2 : H2 / 3.0;
  return Point(X + W2 + Integer(Round(std::sin(A) * Rx)),
               Y + H2 - Integer(Round(std::cos(A) * Ry)));
}

}  // namespace

void DrawCellShape(TCanvas* Canvas, Integer X, Integer Y, Integer Width, Integer Height,
                   TCellShape Shape, TColor BrushColor, TColor PenColor) {
  Canvas->Brush()->SetColor(BrushColor);
  Canvas->Pen()->SetColor(PenColor);
  if (Shape == csCircle || Shape == csSquare || Shape == csRoundSquare)
    Width = Height = Min(Width, Height);
  const Integer W2 = Width / 2, H2 = Height / 2;
  const Integer We = Width - Width % 2, He = Height - Height % 2;
  const Integer Q = We / 4, P = He / 4;
  switch (Shape) {
    case csRectangle:
    case csSquare:
      Canvas->Rectangle(X + 1, Y + 1, X + Width - 1, Y + Height - 1);
      break;
    case csCircle:
    case csEllips:
      Canvas->Ellipse(X, Y, X + Width, Y + Height);
      break;
    case csTriangleLeft:
      Canvas->Polygon({Point(X + Width, Y), Point(X + Width, Y + Height), Point(X, Y + H2)});
      break;
    case csTriangleRight:
      Canvas->Polygon({Point(X, Y), Point(X, Y + Height), Point(X + Width, Y + H2)});
      break;
    case csTriangleUp:
      Canvas->Polygon({Point(X, Y + Height), Point(X + Width, Y + Height), Point(X + W2, Y)});
      break;
    case csTriangleDown:
      Canvas->Polygon({Point(X, Y), Point(X + Width, Y), Point(X + W2, Y + Height)});
      break;
    case csDiamond:
      Canvas->Polygon({Point(X, Y + H2), Point(X + W2, Y), Point(X + 2 * W2, Y + H2),
                       Point(X + W2, Y + 2 * H2)});
      break;
    case csLineVert:
      Canvas->Rectangle(X + W2, Y, X + W2 + 1, Y + Height);
      break;
    case csLineHorz:
      Canvas->Rectangle(X, Y + H2, X + Width, Y + H2 + 1);
      break;
    case csRoundRect:
    case csRoundSquare:
      Canvas->RoundRect(X, Y, X + Width, Y + Height, 10, 10);
      break;
    case csStar: {
      std::vector<TPoint> Points;
      for (Integer K = 0; K < 10; ++K) Points.push_back(StarPoint(X, Y, W2, H2, K));
      Canvas->Polygon(Points);
      break;
    }
    case csHalfStar: {
      std::vector<TPoint> Points;
      for (Integer K : {0, 5, 6, 7, 8, 9}) Points.push_back(StarPoint(X, Y, W2, H2, K));
      Canvas->Polygon(Points);
      break;
    }
    case csArrowUp:
      Canvas->Polygon({Point(X, Y + H2), Point(X + We / 2, Y), Point(X + We, Y + H2),
                       Point(X + 3 * Q, Y + H2), Point(X + 3 * Q, Y + Height),
                       Point(X + Q, Y + Height), Point(X + Q, Y + H2)});
      break;
    case csArrowDown:
      Canvas->Polygon({Point(X, Y + H2), Point(X + We / 2, Y + Height), Point(X + We, Y + H2),
                       Point(X + 3 * Q, Y + H2), Point(X + 3 * Q, Y), Point(X + Q, Y),
                       Point(X + Q, Y + H2)});
      break;
    case csArrowLeft:
      Canvas->Polygon({Point(X, Y + He / 2), Point(X + W2, Y), Point(X + W2, Y + P),
                       Point(X + Width, Y + P), Point(X + Width, Y + 3 * P),
                       Point(X + W2, Y + 3 * P), Point(X + W2, Y + He)});
      break;
    case csArrowRight:
      Canvas->Polygon({Point(X + Width, Y + He / 2), Point(X + W2, Y), Point(X + W2, Y + P),
                       Point(X, Y + P), Point(X, Y + 3 * P), Point(X + W2, Y + 3 * P),
                       Point(X + W2, Y + He)});
      break;
  }
}

}  // namespace jorv::foundation
