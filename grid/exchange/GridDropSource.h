#pragma once
// The grid's side of a drag it started: the picture of the dragged cells
// (or the dragged header) follows the cursor and goes when the drag ends,
// and the last move or copy effect a target showed is kept.
#include "grid/base/grddd.h"

namespace jorv::grid {

class TRezIvevirAvod;

class TGridDropSource : public TGRDDropSource {
 public:
  explicit TGridDropSource(TRezIvevirAvod* AGrid) : FGrid(AGrid) {}
  void FinishDragDrop() override;
  void CurrentEffect(Integer Effect) override;
  void QueryDrag() override;
  // DROPEFFECT_MOVE or DROPEFFECT_COPY as last shown; 0 before either.
  Integer LastEffect() const { return FLastEffect; }

 private:
  TRezIvevirAvod* FGrid = nullptr;
  Integer FLastEffect = 0;
};

}  // namespace jorv::grid
