// The list-view look's fixed cells under visual styles: the style's header
// item, hot under the mouse and pressed while a button is down on it.
#include <vsstyle.h>
#include "foundation/XPTheme.h"
#include "grid/core/GridCellPaintState.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Pen.h"

namespace jorv::grid {

void TRezIvevirAvod::DrawThemedListViewHeader(TCellPaint& P) {
  using namespace foundation;
  TCanvas* C = P.Canvas;
  P.Rect.Bottom += 1;
  POINT Mouse{};
  ::GetCursorPos(&Mouse);
  ::ScreenToClient(Handle(), &Mouse);
  const TRect Cell = CellRect(P.ACol, P.ARow);
  const bool Inside = Mouse.x >= Cell.Left && Mouse.x < Cell.Right && Mouse.y >= Cell.Top && Mouse.y < Cell.Bottom;
  const bool Down = (GetKeyState(VK_LBUTTON) & 0x8000) || (GetKeyState(VK_RBUTTON) & 0x8000);
  const int Part = Inside ? HP_HEADERITEM : HP_HEADERITEMRIGHT;
  const int State = !Inside ? HIS_NORMAL : Down ? HIS_PRESSED : HIS_HOT;
  if (HTHEME Theme = OpenThemeData(Handle(), L"HEADER")) {
    RECT Box{P.Rect.Left, P.Rect.Top, P.Rect.Right, P.Rect.Bottom};
    DrawThemeBackground(Theme, C->Handle(), Part, State, &Box, nullptr);
    CloseThemeData(Theme);
  }
  C->Pen()->SetColor(clWhite);
  C->Polyline({TPoint{P.Rect.Left, P.Rect.Top}, TPoint{P.Rect.Right, P.Rect.Top}});
}

}  // namespace jorv::grid
