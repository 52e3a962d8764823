// A click that opens an editor puts the caret under the mouse, as a click
// into an edit would, instead of selecting everything.
#include "grid/core/RezIvevirAvod.h"

namespace jorv::grid {

bool TRezIvevirAvod::PlaceCaretAtPress(HWND Edit) {
  if (!LButFlg || !Edit) return false;
  POINT P{};
  GetCursorPos(&P);
  ::ScreenToClient(Edit, &P);
  RECT Client{};
  GetClientRect(Edit, &Client);
  if (P.x < 0 || P.y < 0 || P.x > Client.right || P.y > Client.bottom) return false;
  const LRESULT Hit = SendMessageW(Edit, EM_CHARFROMPOS, 0, MAKELPARAM(P.x, P.y));
  if (Hit == -1) return false;
  SendMessageW(Edit, EM_SETSEL, LOWORD(Hit), LOWORD(Hit));
  LButFlg = false;
  return true;
}

}  // namespace jorv::grid
