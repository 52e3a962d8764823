#pragma once
// The raised or sunken frame of panels, bevels and buttons.
#include "platform/gfx/Canvas.h"

namespace jorv {

// Draws Width one-pixel rings inside Rect, each with its top and left edge in
// TopColor and its bottom and right edge in BottomColor, and shrinks Rect by
// Width on every side.
void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, Integer Width);

}  // namespace jorv
