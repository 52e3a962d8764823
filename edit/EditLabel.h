#pragma once
// The caption label an enhanced edit carries beside itself on its parent.
#include "platform/ui/Label.h"

namespace jorv::edit {

enum TLabelPosition : uint8_t {
  lpLeftTop, lpLeftCenter, lpLeftBottom, lpTopLeft, lpBottomLeft, lpLeftTopLeft, lpLeftCenterLeft,
  lpLeftBottomLeft, lpTopCenter, lpBottomCenter, lpRightTop, lpRightCenter, lpRighBottom, lpTopRight,
  lpBottomRight
};

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
