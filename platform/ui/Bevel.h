#pragma once
// A windowless sunken or raised box, frame or line, for grouping and
// separating controls.
#include "platform/ui/CustomControl.h"

namespace jorv {

enum TBevelShape : uint8_t { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum TBevelStyle : uint8_t { bsLowered, bsRaised };

class TBevel : public TGraphicControl {
 public:
  explicit TBevel(TComponent* AOwner);

  TBevelShape Shape() const { return FShape; }
  void SetShape(TBevelShape Value);
  TBevelStyle Style() const { return FStyle; }
  void SetStyle(TBevelStyle Value);

 protected:
  void Paint() override;

  TBevelShape FShape = bsBox;
  TBevelStyle FStyle = bsLowered;
};

}  // namespace jorv
