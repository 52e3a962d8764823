#pragma once
// The one entry of the mini-HTML engine: lays out a text of the library's
// markup line by line inside a rectangle and draws it, only measures it, or
// only tests what lies under a point. No state outlives a call except the
// process-wide highlight colours.
#include "platform/rtl/Types.h"
#include "platform/rtl/WinApi.h"
#include "platform/gfx/Colors.h"

namespace jorv {
class TCanvas;
class TCustomImageList;
}
namespace jorv::foundation {

class THTMLPictureCache;
class IHTMLPictureContainer;

// What the captioned panel's variant of the engine changes; nullptr draws
// as the plain engine. The panel's own entry (HTMLPanelRenderer.h) fills it.
struct THTMLPanelVariant {
  Integer LineSpacing = 0;  // pixels added to every line's height
};

bool DrawHTMLText(TCanvas* Canvas, const String& Text, const TRect& Rect,
                  TCustomImageList* Images, Integer TestX, Integer TestY,
                  Integer FocusAnchor, Integer HoverAnchor, Integer ShadowOffset,
                  bool TestOnly, bool MeasureOnly, bool ScaleListPictures,
                  bool KeepColors, bool BlinkPhase, bool HoverMode, bool WordWrap,
                  bool ControlPressed, const String& PressedID, double PictureScale,
                  TColor URLColor, TColor HoverColor, TColor HoverTextColor,
                  TColor ShadowColor, String& URLUnderPoint, String& PlainText,
                  String& FocusedURL, String& TitleUnderPoint, Integer& Width,
                  Integer& Height, Integer& AnchorCount, Integer& AnchorUnderPoint,
                  TRect& AnchorRect, TRect& ControlRect, String& ControlID,
                  String& ControlType, String& ControlValue,
                  THTMLPictureCache* PictureCache,
                  IHTMLPictureContainer* PictureContainer, HWND WindowHandle,
                  Integer BiDiMode, const THTMLPanelVariant* Panel = nullptr);

// Adjusts DrawText flags for right-to-left reading; changes nothing unless
// the system locale is a Middle-Eastern one.
UINT ApplyRTLFlags(UINT Flags, Integer BiDiMode);

// Fills Rect with Steps bands running from StartColor to EndColor, across
// when Horizontal, then outlines it in Border unless that is clNone.
void DrawBodyGradient(TCanvas* Canvas, TColor StartColor, TColor EndColor, bool Horizontal,
                      const TRect& Rect, Integer Steps, TColor Border);

}  // namespace jorv::foundation
