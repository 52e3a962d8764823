#pragma once
// Enumerations and event types of the captioned panel. Several of their
// names are used with other values by the calendar, the cell shapes and the
// grid, so they live in a namespace of their own.
#include <functional>
#include "platform/gfx/Canvas.h"

namespace jorv::panel {

using TImageIndex = Integer;

namespace expanel {

enum TBackGroundPosition : uint8_t {
  bpTopLeft, bpTopRight, bpBottomLeft, bpBottomRight, bpTiled, bpStretched, bpCenter
};
enum TTextVAlignment : uint8_t { tvaTop, tvaCenter, tvaBottom };
enum TGradientDirection : uint8_t { gdVertical, gdHorizontal };
enum TShadeType : uint8_t {
  stNormal, stNoise, stDiagShade, stHShade, stVShade, stHBump, stVBump, stSoftBump,
  stHardBump, stLMetal, stRMetal, stIRadial, stORadial, stHShadeInv, stVShadeInv,
  stXPCaption, stBitmap, stBitmapRStretch, stBitmapLStretch
};
enum TCaptionShape : uint8_t { csRectangle, csRounded, csSemiRounded };
enum TCaptionPosition : uint8_t { cpTop, cpLeft, cpRight };
enum TCaptionButtonPosition : uint8_t { cbpRight, cbpLeft };
enum TPanelPositionLocation : uint8_t { clRegistry, clInifile };

using TAnchorEvent = std::function<void(TObject* Sender, const String& Anchor)>;
using TAnchorHintEvent = std::function<void(TObject* Sender, String& Anchor)>;
using TPaintEvent = std::function<void(TObject* Sender, TCanvas* ACanvas, TRect ARect)>;

}  // namespace expanel
}  // namespace jorv::panel
