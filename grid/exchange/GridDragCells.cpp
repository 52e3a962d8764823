// The cells an OLE drag carries besides their text: the dragged rectangle
// in the binary grid stream, offered in the grid's private format.
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/Streams.h"

namespace jorv::grid {

std::unique_ptr<TMemoryStream> TRezIvevirAvod::DraggedCellStream(const TGridRect& Dragged) {
  if (!Navigation()->AllowFmtClipboard()) return nullptr;
  auto Cells = std::make_unique<TMemoryStream>();
  SaveRectToBinStream(TRect(Dragged.Left, Dragged.Top, Dragged.Right, Dragged.Bottom), Cells.get());
  return Cells;
}

}  // namespace jorv::grid
