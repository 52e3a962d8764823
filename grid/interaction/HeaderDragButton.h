#pragma once
// The picture of a column or row header that follows the mouse while the
// header is dragged: a small bordered pop-up window painted like the
// grid's top-left cell, with the header's caption (plain or HTML). It
// never takes activation or the focus from the grid's form.
#include "platform/ui/CustomControl.h"

namespace jorv::grid {
using namespace jorv;

class TRezIvevirAvod;

class THeaderDragButton : public TCustomControl {
 public:
  // The owner is the grid whose header it shows.
  explicit THeaderDragButton(TComponent* AOwner);
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value) { FFlat = Value; }

 protected:
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;
  void Paint() override;

 private:
  TRezIvevirAvod* FGrid = nullptr;
  bool FFlat = false;
};

}  // namespace jorv::grid
