#pragma once
// Drawing helpers of the drop-down editors, shared with the grid: the
// banded gradient, colour blending and toning, framed fills, an image with
// a caption, transparent bitmaps, text measuring and shortening, and HTML
// captions.
#include "dropdown/DropDownTypes.h"

namespace jorv {
class TBitmap;
class TCustomImageList;
}
namespace jorv::dropdown {

// Steps bands (0 counts as 1) from FromColor to ToColor over Rect, left to
// right when Horizontal, else top to bottom; neighbouring bands overlap by
// one pixel so that no seam shows.
void DrawBandGradient(TCanvas* Canvas, TColor FromColor, TColor ToColor, Integer Steps,
                      const TRect& Rect, bool Horizontal);
// Percent of Color1 and the rest of Color2, channel by channel; 100 or more
// gives Color1, 0 or less Color2.
TColor BlendColor(TColor Color1, TColor Color2, Integer Percent);
// Each channel darkened by its (negative) delta in percent; a zero channel
// takes a positive delta as its value.
TColor ChangeTone(TColor Color, Integer DeltaRed, Integer DeltaGreen, Integer DeltaBlue);
// A gradient (ColorTo set) or plain fill (Color set), then an outline of
// BorderWidth in BorderColor when it is set.
void FillAndFrameRect(TCanvas* Canvas, const TRect& Rect, TColor Color, TColor ColorTo,
                      TColor BorderColor, Integer BorderWidth, TGradientDirection Direction);
// An image at the left of Rect (when Images has ImageIndex), then Text on
// one line, ended with an ellipsis where it does not fit; centred without
// an image.
void DrawImageAndText(TCanvas* Canvas, TRect Rect, const String& Text, TCustomImageList* Images,
                      Integer ImageIndex);
// Bitmap over BackgroundColor, its top-left pixel's colour taken as the
// transparent one, copied into Rect.
void DrawTransparentBitmap(TCanvas* Canvas, TBitmap* Bitmap, TColor BackgroundColor, const TRect& Rect);
// Width and height of Text on one line; (0, 0) for an empty text.
void GetTextSize(TCanvas* Canvas, const String& Text, TSize& Size);
// Text cut from the end (with "..." when AddEllipsis) until it is narrower
// than MaxWidth; the whole text when nothing fits.
void EllipsisText(TCanvas* Canvas, const String& Text, Integer MaxWidth, bool AddEllipsis,
                  String& Result);
// Draws (Draw) or measures an HTML caption in Rect; Size is what it takes.
void DrawHTMLCaption(TCanvas* Canvas, const String& Text, const TRect& Rect, TCustomImageList* Images,
                     bool Draw, HWND WindowHandle, TSize& Size);
// Text, or its upper-case form by the user's locale when case does not count.
void MatchCaseText(const String& Text, bool CaseSensitive, String& Result);

}  // namespace jorv::dropdown
