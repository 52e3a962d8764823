#include "foundation/HTMLPanelRenderer.h"

#include <cwchar>
#include <utility>
#include "foundation/HTMLUtils.h"

namespace jorv::foundation {

bool DrawHTMLText(TCanvas* Canvas, const String& Text, const TRect& Rect,
                  TCustomImageList* Images, Integer TestX, Integer TestY, Integer FocusAnchor,
                  Integer HoverAnchor, Integer ShadowOffset, bool TestOnly, bool MeasureOnly,
                  bool ScaleListPictures, bool KeepColors, bool BlinkPhase, bool HoverMode,
                  bool WordWrap, double PictureScale, TColor URLColor, TColor HoverColor,
                  TColor HoverTextColor, TColor ShadowColor, String& URLUnderPoint,
                  String& PlainText, String& FocusedURLOrTitle, Integer& Width,
                  Integer& Height, Integer& AnchorCount, Integer& AnchorUnderPoint,
                  TRect& AnchorRect, THTMLPictureCache* PictureCache,
                  IHTMLPictureContainer* PictureContainer, Integer LineSpacing,
                  Integer BiDiMode) {
  THTMLPanelVariant Variant;
  Variant.LineSpacing = LineSpacing;
  String Title, ControlID, ControlType, ControlValue;
  TRect ControlRect{};
  bool Result = DrawHTMLText(
      Canvas, Text, Rect, Images, TestX, TestY, FocusAnchor, HoverAnchor, ShadowOffset, TestOnly,
      MeasureOnly, ScaleListPictures, KeepColors, BlinkPhase, HoverMode, WordWrap, false,
      String(), PictureScale, URLColor, HoverColor, HoverTextColor, ShadowColor, URLUnderPoint,
      PlainText, FocusedURLOrTitle, Title, Width, Height, AnchorCount, AnchorUnderPoint,
      AnchorRect, ControlRect, ControlID, ControlType, ControlValue, PictureCache,
      PictureContainer, nullptr, BiDiMode, &Variant);
  if (!Title.empty()) FocusedURLOrTitle = Title;
  return Result;
}

String HTMLToPlainText(const String& HTML, bool DropHidden) {
  if (!DropHidden) return HTMLToPlainText(HTML);
  String S = HTML;
  for (const auto& [Open, Close] : {std::pair{L"<z>", L"</z>"}, std::pair{L"<Z>", L"</Z>"}}) {
    for (size_t a = S.find(Open); a != String::npos; a = S.find(Open, a)) {
      size_t b = S.find(Close, a);
      if (b == String::npos) break;
      S.erase(a, b + wcslen(Close) - a);
    }
  }
  return HTMLToPlainText(S);
}

}  // namespace jorv::foundation
