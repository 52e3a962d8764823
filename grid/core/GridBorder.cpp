// The coloured window border that the looks with a border draw over the
// window's frame.
#include "grid/core/RezIvevirAvod.h"
#include "platform/gfx/DCScope.h"

namespace jorv::grid {

namespace {

void Outline(HDC DC, Integer Left, Integer Top, Integer Right, Integer Bottom) {
  MoveToEx(DC, Left, Top, nullptr);
  LineTo(DC, Right, Top);
  LineTo(DC, Right, Bottom);
  LineTo(DC, Left, Bottom);
  LineTo(DC, Left, Top);
}

}  // namespace

void TRezIvevirAvod::PaintColoredBorder() {
  if (!HandleAllocated() || UsesVCLStyles()) return;
  switch (FLook) {
    case glSoft: case glZVQ: case glXP: case glListView: case glVista: case glWin7: case glOffice2007:
    case glCustom:
      break;
    default:
      return;
  }
  if (BorderStyle() == bsNone || FBorderColor == clNone || (FFlat && FLook != glCustom)) return;
  if (!FFitCellsInGrid && !FIsComCtl6) return;
  TNonClientDC DC(Handle());
  TGdiObject<HPEN> Pen(CreatePen(PS_SOLID, 1, ColorToRGB(FBorderColor)));
  TSelectObject UsePen(DC, Pen);
  if (!FFitCellsInGrid) {
    Outline(DC, 0, 0, Width() - 1, Height() - 1);
    return;
  }
  Outline(DC, 1, 1, Width() - 2, Height() - 2);
  if (!Parent()) return;
  TGdiObject<HPEN> ParentPen(CreatePen(PS_SOLID, 1, ColorToRGB(Parent()->Brush()->Color())));
  TSelectObject UseParentPen(DC, ParentPen);
  Outline(DC, 0, 0, Width() - 1, Height() - 1);
}

}  // namespace jorv::grid
