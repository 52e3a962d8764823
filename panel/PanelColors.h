#pragma once
// Colour helpers of the captioned panel: a blend of two colours and the
// banded gradients its body, caption and status bar are filled with.
#include "platform/gfx/Canvas.h"
#include "panel/PanelTypes.h"

namespace jorv::panel {

// Percent of C1 and the rest of C2; 100 gives C1 as it is, unconverted.
TColor BlendColor(TColor C1, TColor C2, Integer Percent);
// Steps bands (1..32) from FromColor to ToColor across R.
void DrawSteppedGradient(TCanvas* Canvas, TColor FromColor, TColor ToColor, Integer Steps,
                         const TRect& R, bool Horizontal);
// Two gradients meeting in the middle of R: Color to ColorTo in the left or
// upper half, ColorMirror to ColorMirrorTo in the other.
void DrawMirroredGradient(TCanvas* Canvas, const TRect& R, TColor Color, TColor ColorTo,
                          TColor ColorMirror, TColor ColorMirrorTo,
                          expanel::TGradientDirection Direction);

}  // namespace jorv::panel
