#pragma once
// The small lime arrow the grid shows beside the place a moved column or
// row would land: a pop-up panel whose window is cut to a 7-point arrow.
#include "grid/base/GridTypes.h"
#include "platform/ui/Panel.h"

namespace jorv::grid {
using namespace jorv;

class TArrowWindow : public TPanel {
 public:
  // Made hidden, on AOwner's window.
  TArrowWindow(TWinControl* AOwner, TArrowDirection Direction);

  TArrowDirection Dir() const { return FDir; }
  // The window region's polygon.
  const TPoint* Arrow() const { return FArrow; }

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void Paint() override;

 private:
  TArrowDirection FDir;
  TPoint FArrow[7];
};

}  // namespace jorv::grid
