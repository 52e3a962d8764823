#pragma once
// The grid's small pictures, known by their resource names: check boxes
// ("GRDCHK01" to "GRDCHK08"), radio buttons ("GRDRAD01" to "GRDRAD08"),
// node glyphs ("GRDLEAFOPEN", "GRDLEAFCLOSE", "XPNODEO", "XPNODEC"), the
// filter and close glyphs ("GRDFILT", "GRDCLOSE"), the search strip's
// arrows, close looks and highlighter ("GRDARDOWN", "GRDARDOWND", "GRDARUP",
// "GRDARUPD", "GRDCLOSEH", "GRDCLOSED", "GRDHI", "GRDHID") and the flat look's
// "metrocheckon", "metrocheckoff", "metroradioon" and "metroradiooff". A
// program that carries a bitmap resource of such a name shows its own;
// otherwise the grid draws the picture itself. Each picture's top-left
// pixel is its transparent colour.
#include "platform/rtl/Types.h"

namespace jorv {
class TBitmap;
class TCanvas;
}  // namespace jorv
namespace jorv::grid {

// The picture of a name, made once; nullptr for a name the grid does not
// know and the program does not carry.
TBitmap* GridGlyph(const String& Name);
// Copies the picture into Bitmap; false (Bitmap unchanged) for an unknown name.
bool LoadGridGlyph(TBitmap* Bitmap, const String& Name);
// Draws the picture at Rect's top-left, its transparent colour shown as
// Background; an unknown name draws nothing.
void DrawGridGlyph(TCanvas* Canvas, TColor Background, const TRect& Rect, const String& Name);

}  // namespace jorv::grid
