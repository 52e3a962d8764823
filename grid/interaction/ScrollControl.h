#pragma once
// The thin scroll bar of the grid's "metro" scroll look: a track along the
// grid's right or bottom edge, beside the fixed cells, with a thumb whose
// length shows the visible share and whose place shows the scrolled part.
// Clicking beside the thumb pages; dragging the thumb scrolls.
#include "grid/core/GridCoreTypes.h"
#include "platform/ui/CustomControl.h"

namespace jorv::grid {

class TRezIvevirAvod;

class TScrollControl : public TCustomControl {
 public:
  // Direction 0 vertical, 1 horizontal.
  TScrollControl(TRezIvevirAvod* AGrid, Integer ADirection);
  Integer Direction() const { return FDirection; }
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  // The thumb's place and length along the bar, in the bar's pixels.
  void GetThumb(Integer& Position, Integer& Size) const;
  // Whether there is anything to scroll (the thumb is drawn).
  bool Scrollable() const;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;

 private:
  Integer Length() const;
  TRezIvevirAvod* FGrid = nullptr;
  Integer FDirection = 0;
  TColor FColor = 0xC0C0C0;
  Integer FScrollWidth = 4;
  bool FDownOnScroller = false;
  Integer FDownPos = 0;
  Integer FDownRow = 0;
};

}  // namespace jorv::grid
