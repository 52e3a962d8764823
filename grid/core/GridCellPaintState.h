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
};

}  // namespace jorv::grid
