#pragma once
// Stepped gradients, the mirrored gradient of Office-like surfaces, the
// rounded face of a row of buttons, and colour arithmetic. Every routine
// draws with the canvas's own pen and brush and leaves them changed; clNone
// stands for a colour that is not set.
#include "platform/rtl/Types.h"

namespace jorv {
class TCanvas;
}
namespace jorv::foundation {


// Steps + 1 bands from FromColor to ToColor, left to right when Horizontal,
// else top to bottom; Steps is kept within 1 and the extent. One colour
// clNone fills Rect plainly with the other; both clNone draw nothing.
void DrawGradient(TCanvas* Canvas, TColor FromColor, TColor ToColor, Integer Steps,
                  TRect Rect, bool Horizontal);
// The gradient DrawGradient draws over Rect, drawn only where it falls
// inside Part: what another face will cover need not be painted first.
void DrawGradientPart(TCanvas* Canvas, TColor FromColor, TColor ToColor, Integer Steps, TRect Rect,
                      bool Horizontal, TRect Part);
// With Fill: plain Color (the fill then reaches one pixel below Rect), one
// gradient Color to ColorTo, or, with ColorMirror set, two halves along the
// gradient (top and bottom when Vertical). Then the frame, or the left and
// right lines only, in BorderColor when it is set.
void FillMirroredGradient(TCanvas* Canvas, TRect Rect, TColor Color, TColor ColorTo,
                          TColor ColorMirror, TColor ColorMirrorTo, bool Vertical,
                          TColor BorderColor, bool SideLinesOnly, bool Fill);
// Position in a row of faces: 0 single (both ends rounded), 1 left end,
// 2 right end, 3 middle. Rect loses one pixel at the right and two at the
// bottom.
void DrawRoundedGradientButton(TCanvas* Canvas, TColor Color, TColor ColorTo,
                               TColor ColorMirror, TColor ColorMirrorTo,
                               TColor InnerTopColor, TColor InnerBottomColor,
                               TColor BorderColor, TColor EdgeColor, TColor BackgroundColor,
                               const TRect& Rect, Integer Position);

// The colour at Pos of Min..Max between Color and ColorTo, channel by
// channel; ColorTo clNone gives Color untouched, and an empty range Color's
// RGB value.
TColor InterpolateColor(TColor Color, TColor ColorTo, Integer Min, Integer Max, Integer Pos);
TColor DarkenColorHalf(TColor Color);
// Each channel changed by Percent of itself (negative darkens), kept
// within 0..255.
TColor AdjustColorPercent(TColor Color, Integer Percent);

}  // namespace jorv::foundation
