#pragma once
// The vocabulary of the drop-down editors: where a pop-up opens, the kinds
// of text an editor takes, selection and label placement, the faces of the
// drop-down button and of the header and footer buttons, and the events
// the editors raise.
#include <functional>
#include "platform/rtl/Object.h"
#include "platform/rtl/Types.h"

namespace jorv {
class TCanvas;
}
namespace jorv::dropdown {

enum TDropPosition : uint8_t { dpAuto, dpDown, dpUp };

enum TDropDownEditType : uint8_t {
  etString, etNumeric, etFloat, etUppercase, etMixedCase, etLowerCase, etPassword, etMoney,
  etRange, etHex, etAlphaNumeric, etValidChars
};

// Streamed as ordinals: the order is fixed.
enum TSelectionColorStyle : uint8_t { scCustom, scOffice2007, scWindowsVista, scWindows7 };

enum TGradientDirection : uint8_t { gdHorizontal, gdVertical };

enum TLabelPosition : uint8_t {
  lpLeftTop, lpLeftCenter, lpLeftBottom, lpTopLeft, lpBottomLeft, lpLeftTopLeft, lpLeftCenterLeft,
  lpLeftBottomLeft, lpTopCenter, lpBottomCenter, lpRightTop, lpRightCenter, lpRighBottom,
  lpTopRight, lpBottomRight
};

// The face of the drop-down button: a push button or a combo box's arrow.
enum TButtonStyle : uint8_t { bsButton, bsDropDown };

enum TButtonAlignment : uint8_t { baLeft, baRight };
enum TExButtonStyle : uint8_t { tasButton, tasCheck };
enum TExButtonState : uint8_t { absUp, absDisabled, absDown, absDropDown, absExclusive };

using TDropDown = std::function<void(TObject* Sender, bool& acceptdrop)>;
using TDropUp = std::function<void(TObject* Sender, bool Cancelled)>;
using TDropDownButtonItemClick = std::function<void(TObject* Sender, Integer ButtonIndex)>;
using TDrawBackGroundEvent = std::function<void(TObject* Sender, TCanvas* ACanvas, TRect ARect)>;
using TGetTextEvent = std::function<void(TObject* Sender, String& Text)>;
using TGetDropDownPosEvent = std::function<void(TObject* Sender, TPoint& Pos)>;
using TClipboardEvent = std::function<void(TObject* Sender, String value, bool& allow)>;

}  // namespace jorv::dropdown
