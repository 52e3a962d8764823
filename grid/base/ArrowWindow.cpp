#include "grid/base/ArrowWindow.h"

#include <algorithm>

namespace jorv::grid {

namespace {

// arrLeft points to the right and arrRight to the left: each names the
// side of the drop place it stands on.
constexpr TPoint Arrows[4][7] = {
    {{5, 0}, {10, 5}, {7, 5}, {7, 9}, {3, 9}, {3, 5}, {0, 5}},
    {{3, 0}, {7, 0}, {7, 4}, {9, 4}, {5, 8}, {1, 4}, {3, 4}},
    {{0, 3}, {0, 7}, {4, 7}, {4, 10}, {8, 5}, {4, 0}, {4, 3}},
    {{0, 5}, {4, 10}, {4, 7}, {8, 7}, {8, 3}, {4, 3}, {4, 0}},
};

}  // namespace

TArrowWindow::TArrowWindow(TWinControl* AOwner, TArrowDirection Direction) : TPanel(AOwner), FDir(Direction) {
  std::copy(std::begin(Arrows[Direction]), std::end(Arrows[Direction]), FArrow);
  SetColor(TColor(0x00FF00));
  SetVisible(false);
  SetParent(AOwner);
}

void TArrowWindow::CreateParams(TCreateParams& Params) {
  TPanel::CreateParams(Params);
  Params.Style = WS_POPUP;
  Params.ExStyle = 0;
}

void TArrowWindow::CreateWnd() {
  TPanel::CreateWnd();
  POINT Points[7];
  for (Integer i = 0; i < 7; ++i) Points[i] = POINT{FArrow[i].X, FArrow[i].Y};
  // The window owns the region from here on.
  SetWindowRgn(Handle(), CreatePolygonRgn(Points, 7, WINDING), TRUE);
}

void TArrowWindow::Paint() {
  Canvas()->Brush()->SetStyle(bsSolid);
  Canvas()->Brush()->SetColor(Color());
  Canvas()->FillRect(ClientRect());
}

}  // namespace jorv::grid
