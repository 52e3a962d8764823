#pragma once
// The computed shade of a panel caption: rendered once per look or width
// change into an off-screen bitmap, which the paint only copies.
#include "platform/gfx/Bitmap.h"
#include "panel/PanelCaption.h"

namespace jorv::panel {
using namespace jorv::foundation;

// Sizes Bitmap to the caption band of a panel of PanelWidth x PanelHeight
// (a top caption spans the width, a side caption the height) and renders
// the caption's ShadeType into it.
void RenderCaptionShade(TBitmap& Bitmap, const TPanelCaption& Caption, Integer PanelWidth,
                        Integer PanelHeight);

}  // namespace jorv::panel
