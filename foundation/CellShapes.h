#pragma once
// The small decoration shapes of shape and rating cells.
#include "platform/rtl/Types.h"

namespace jorv {
class TCanvas;
}
namespace jorv::foundation {


// Cells store the ordinal: the order is fixed.
enum TCellShape : uint8_t {
  csRectangle, csCircle, csTriangleLeft, csTriangleRight, csTriangleUp, csTriangleDown,
  csDiamond, csLineVert, csLineHorz, csRoundRect, csEllips, csSquare, csRoundSquare, csStar,
  csArrowUp, csArrowDown, csArrowLeft, csArrowRight, csHalfStar
};

// Draws Shape in the box (X, Y, Width, Height) with BrushColor inside and
// PenColor around; circles and squares take the smaller side and sit at the
// top-left. Leaves the canvas's pen and brush changed.
void DrawCellShape(TCanvas* Canvas, Integer X, Integer Y, Integer Width, Integer Height,
                   TCellShape Shape, TColor BrushColor, TColor PenColor);

}  // namespace jorv::foundation
