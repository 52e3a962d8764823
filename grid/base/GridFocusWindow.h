#pragma once
// The window that lays a soft glow around the grid's current cell: a
// separate top-level, non-activating tool window above the grid, whose
// content is a layered image (a TGridAlphaMask) rather than painting.
#include "grid/base/GridAlphaMask.h"
#include "platform/ui/CustomControl.h"

namespace jorv::grid {
using namespace jorv;

class TGridFocusWindow : public TCustomControl {
 public:
  explicit TGridFocusWindow(TComponent* AOwner);

  // Shows Mask as the window's image at the screen point Where, with each
  // pixel's own alpha and the mask's opacity, the window sized to the mask.
  // A mask of height 0 changes nothing. False when the system refused.
  bool ApplyLayeredMask(TGridAlphaMask* Mask, TPoint Where);

 protected:
  void CreateParams(TCreateParams& Params) override;
};

}  // namespace jorv::grid
