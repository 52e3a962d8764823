#include "grid/exchange/GridDropSource.h"

#include "grid/core/RezIvevirAvod.h"

namespace jorv::grid {

void TGridDropSource::FinishDragDrop() {
  if (FGrid->DragDropSettings()->ShowCells()) FGrid->FreeMoveForm();
}

void TGridDropSource::CurrentEffect(Integer Effect) {
  if (Effect == DROPEFFECT_MOVE || Effect == DROPEFFECT_COPY) FLastEffect = Effect;
}

void TGridDropSource::QueryDrag() {
  POINT Cursor{};
  GetCursorPos(&Cursor);
  FGrid->DragPictureFollowCursor(TPoint{Cursor.x, Cursor.y});
}

}  // namespace jorv::grid
