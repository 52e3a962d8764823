#pragma once
// The drop-down, push and spin buttons that cells show, a small drop-down
// arrow, bitmaps with a transparent colour and the red zig-zag under a wrong
// part of a text. The buttons come in four looks (Kind): 0 the window's
// visual style, 1 classic 3D, 2 flat, 3 the colours of a TColorTones record;
// and four states (State): 0 normal, 1 hot, 2 down, 3 disabled. Every routine
// leaves the canvas's pen and brush changed.
#include "foundation/ZVQStyle.h"

namespace jorv {
class TBitmap;
class TCanvas;
class TWinControl;
}
namespace jorv::foundation {


// A drop-down button 17 pixels wide at the right of the cell Rect.
void DrawComboButton(TCanvas* Canvas, HWND Handle, const TRect& Rect, Integer Kind,
                     Integer State, const TColorTones& Tones);
// A push button over Rect with Caption centred on one line.
void DrawCellButton(TCanvas* Canvas, HWND Handle, TRect Rect, Integer Kind, Integer State,
                    const TColorTones& Tones, const String& Caption);
// Up and down buttons 15 pixels wide at the right of the cell Rect. Only
// look 3 shows hot and down.
void DrawSpinButtons(TCanvas* Canvas, HWND Handle, const TRect& Rect, Integer Kind,
                     Integer State, const TColorTones& Tones);
// A filled triangle 7 pixels wide pointing down, its top edge at Y.
void DrawSmallDownArrow(TCanvas* Canvas, Integer X, Integer Y, TColor Color);

// Draws Bitmap at Rect's top-left in its own size, with the colour of its
// top-left pixel shown as BackgroundColor.
void DrawBitmapTransparent(TCanvas* Canvas, TBitmap* Bitmap, TColor BackgroundColor,
                           const TRect& Rect);
// The same with a bitmap resource of the program; a missing one raises
// EResNotFound.
void DrawResourceBitmapTransparent(TCanvas* Canvas, TColor BackgroundColor, const TRect& Rect,
                                   const String& ResourceName);

// Zig-zags in red under ErrorLength characters of Text from the 0-based
// ErrorStart, as a single-line edit in Owner at Rect would place them.
void DrawErrorUnderline(TWinControl* Owner, TCanvas* Canvas, const String& Text,
                        const TRect& Rect, Integer OffsetY, Integer ErrorStart,
                        Integer ErrorLength);

}  // namespace jorv::foundation
