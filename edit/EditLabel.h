#pragma once
// The caption label an enhanced edit carries beside itself on its parent.
#include "platform/ui/Label.h"

namespace jorv::edit {

enum TLabelPosition : uint8_t {
  lpLeftTop, lpLeftCenter, lpLeftBottom, lpTopLeft, lpBottomLeft, lpLeftTopLeft, lpLeftCenterLeft,
  lpLeftBottomLeft, lpTopCenter, lpBottomCenter, lpRightTop, lpRightCenter, lpRighBottom, lpTopRight,
  lpBottomRight
};

// The top-left corner of a label of size Label beside a control at Control,
// Margin apart; CaptionWidth is the caption's measured width, and Border
// (2 for a single border) lifts the centred places by half of it.
TPoint EditLabelPlace(TLabelPosition Position, const TRect& Control, TSize Label, Integer CaptionWidth,
                      Integer Margin, Integer Border);
// Bounds of a control aligned to its parent made to leave room for its
// label at Position.
void EditLabelRoom(TLabelPosition Position, TAlign Align, TSize Label, Integer Margin, Integer& Left,
                   Integer& Top, Integer& Width);
// The caption's width in Font, measured as the placing of a label measures it.
Integer EditLabelCaptionWidth(const String& Caption, TFont* Font);

class TEditLabel : public TLabel {
 public:
  explicit TEditLabel(TComponent* AOwner) : TLabel(AOwner) {}
  // Set, the label enables itself again whenever it is disabled.
  bool AlwaysEnable() const { return FAlwaysEnable; }
  void SetAlwaysEnable(bool Value) { FAlwaysEnable = Value; }

 protected:
  void CMEnabledChanged(TMessage& Message) override;

 private:
  bool FAlwaysEnable = false;
};

}  // namespace jorv::edit
