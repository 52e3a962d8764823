#pragma once
// What the layers of one cell share while it is drawn (GridCellPaint.cpp,
// GridCellText.cpp).
#include "grid/core/RezIvevirAvod.h"

namespace jorv::grid {

struct TCellPaint {
  TCanvas* Canvas = nullptr;
  Integer ACol = 0;  // display column
  Integer RCol = 0;  // real column
  Integer ARow = 0;
  TGridDrawState State;
  TRect Rect;
  TAlignment HA = taLeftJustify;
  TVAlignment VA = vtaTop;
  bool WW = false;
  TCellGradientDirection GD = GradientVertical;
  TColor ColorTo = clNone;
  TColor Mirror = clNone;
  TColor MirrorTo = clNone;
  TCellGraphic* Graphic = nullptr;
  Integer GraphicW = 0;
  Integer GraphicH = 0;
  TCellHAlign GraphicHA = haLeft;
  TCellVAlign GraphicVA = vaTop;
  bool AllowText = true;
  TColor KeptBrush = clNone;
  TColor KeptFont = clNone;
  bool Fixed = false;
  Integer TextWidth = 0;
  TColor URLColor = clNone;
  // The header cell shows a filter button at its right.
  bool FilterButton = false;
  // The filter-edit cell's placeholder: the name of the column's filter type.
  String Placeholder;
  bool FilterEditCell = false;
  // The cell's own scroll bar's position: the text moves up by as many pixels.
  Integer ScrollPos = 0;
};

// The keyboard focus, asked of the window system once per paint pass: each
// question is a trip to it, and a screen of cells asks thousands of times.
struct TPaintFocus {
  const TRezIvevirAvod* Grid = nullptr;
  bool Focused = false;
};
inline TPaintFocus& PaintFocus() {
  static TPaintFocus Focus;
  return Focus;
}
// Whether the grid's window has the focus; during the grid's own paint
// pass, as it was when the pass began.
bool GridHasFocus(TRezIvevirAvod* Grid);

}  // namespace jorv::grid
