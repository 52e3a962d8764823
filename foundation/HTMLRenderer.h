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
class THTMLPictureCache;
class IHTMLPictureContainer;

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
                  Integer BiDiMode);

// Adjusts DrawText flags for right-to-left reading; changes nothing unless
// the system locale is a Middle-Eastern one.
UINT ApplyRTLFlags(UINT Flags, Integer BiDiMode);

}  // namespace jorv
