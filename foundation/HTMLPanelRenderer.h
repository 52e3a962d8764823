#pragma once
// The captioned panel's entry to the mini-HTML engine: the same engine with
// the panel's options switched on (gradients, numbered lists, a line
// offset, line spacing, no inline controls and no letter entities).
#include "foundation/HTMLRenderer.h"

namespace jorv::foundation {

// FocusedURLOrTitle gets the title of an anchor hit by the point when it
// has one, else the URL of the focused anchor.
bool DrawHTMLText(TCanvas* Canvas, const String& Text, const TRect& Rect,
                  TCustomImageList* Images, Integer TestX, Integer TestY,
                  Integer FocusAnchor, Integer HoverAnchor, Integer ShadowOffset,
                  bool TestOnly, bool MeasureOnly, bool ScaleListPictures,
                  bool KeepColors, bool BlinkPhase, bool HoverMode, bool WordWrap,
                  double PictureScale, TColor URLColor, TColor HoverColor,
                  TColor HoverTextColor, TColor ShadowColor, String& URLUnderPoint,
                  String& PlainText, String& FocusedURLOrTitle, Integer& Width,
                  Integer& Height, Integer& AnchorCount, Integer& AnchorUnderPoint,
                  TRect& AnchorRect, THTMLPictureCache* PictureCache,
                  IHTMLPictureContainer* PictureContainer, Integer LineSpacing,
                  Integer BiDiMode);

// The panel's plain text: hidden sections ("<Z>" to the next "</Z>", same
// case pair) go with their content first; one without its closing tag
// keeps its content. The rest as HTMLToPlainText(HTML).
String HTMLToPlainText(const String& HTML, bool DropHidden);

}  // namespace jorv::foundation
