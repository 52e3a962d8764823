#include "platform/gfx/Brush.h"

#include "platform/gfx/Bitmap.h"

namespace jorv {

void TBrush::Assign(TPersistent* Source) {
  if (auto* b = dynamic_cast<TBrush*>(Source)) {
    if (b == this) return;
    FColor = b->FColor;
    FStyle = b->FStyle;
    FBitmap = b->FBitmap;
    Changed();
    return;
  }
  TPersistent::Assign(Source);
}

HBRUSH TBrush::Handle() {
  if (!FHandle) {
    COLORREF color = COLORREF(ColorToRGB(FColor));
    if (FBitmap && !FBitmap->Empty()) {
      FHandle = CreatePatternBrush(FBitmap->Handle());
    } else if (FStyle == bsSolid) {
      FHandle = CreateSolidBrush(color);
    } else if (FStyle == bsClear) {
      LOGBRUSH lb{BS_HOLLOW, color, 0};
      FHandle = CreateBrushIndirect(&lb);
    } else {
      static const int hatches[] = {HS_HORIZONTAL, HS_VERTICAL, HS_FDIAGONAL,
                                    HS_BDIAGONAL,  HS_CROSS,    HS_DIAGCROSS};
      FHandle = CreateHatchBrush(hatches[FStyle - bsHorizontal], color);
    }
  }
  return static_cast<HBRUSH>(FHandle);
}

void TBrush::SetHandle(HBRUSH Value) {
  if (Value == FHandle) return;
  LOGBRUSH lb{};
  if (Value && GetObjectW(Value, sizeof lb, &lb) == sizeof lb) {
    FColor = TColor(lb.lbColor);
    FBitmap = nullptr;
    switch (lb.lbStyle) {
      case BS_HOLLOW: FStyle = bsClear; break;
      case BS_HATCHED:
        switch (lb.lbHatch) {
          case HS_HORIZONTAL: FStyle = bsHorizontal; break;
          case HS_VERTICAL: FStyle = bsVertical; break;
          case HS_FDIAGONAL: FStyle = bsFDiagonal; break;
          case HS_BDIAGONAL: FStyle = bsBDiagonal; break;
          case HS_CROSS: FStyle = bsCross; break;
          default: FStyle = bsDiagCross;
        }
        break;
      default: FStyle = bsSolid;
    }
  }
  Changed();
  FHandle = Value;
}

void TBrush::SetColor(TColor Value) {
  if (FColor == Value && FStyle != bsClear) return;
  FColor = Value;
  if (FStyle == bsClear) FStyle = bsSolid;
  Changed();
}

void TBrush::SetStyle(TBrushStyle Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  Changed();
}

void TBrush::SetBitmap(TBitmap* Value) {
  if (FBitmap == Value) return;
  FBitmap = Value;
  Changed();
}

}  // namespace jorv
