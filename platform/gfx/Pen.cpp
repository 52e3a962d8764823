#include "platform/gfx/Pen.h"

namespace jorv {

int PenModeToRop2(TPenMode Mode) {
  static const int rops[] = {R2_BLACK,       R2_WHITE,       R2_NOP,         R2_NOT,
                             R2_COPYPEN,     R2_NOTCOPYPEN,  R2_MERGEPENNOT, R2_MASKPENNOT,
                             R2_MERGENOTPEN, R2_MASKNOTPEN,  R2_MERGEPEN,    R2_NOTMERGEPEN,
                             R2_MASKPEN,     R2_NOTMASKPEN,  R2_XORPEN,      R2_NOTXORPEN};
  return Mode < sizeof rops / sizeof rops[0] ? rops[Mode] : R2_COPYPEN;
}

void TPen::Assign(TPersistent* Source) {
  if (auto* p = dynamic_cast<TPen*>(Source)) {
    if (p == this) return;
    FColor = p->FColor;
    FWidth = p->FWidth;
    FStyle = p->FStyle;
    FMode = p->FMode;
    Changed();
    return;
  }
  TPersistent::Assign(Source);
}

HPEN TPen::Handle() {
  if (!FHandle) {
    COLORREF color = COLORREF(ColorToRGB(FColor));
    if (FStyle == psAlternate) {
      LOGBRUSH lb{BS_SOLID, color, 0};
      FHandle = ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &lb, 0, nullptr);
    } else {
      static const UINT styles[] = {PS_SOLID,      PS_DASH, PS_DOT,         PS_DASHDOT,
                                    PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME, PS_USERSTYLE};
      LOGPEN lp{styles[FStyle], POINT{FWidth, 0}, color};
      // A user style needs a dash table we do not keep; draw it solid.
      if (FStyle == psUserStyle) lp.lopnStyle = PS_SOLID;
      FHandle = CreatePenIndirect(&lp);
    }
  }
  return static_cast<HPEN>(FHandle);
}

void TPen::SetHandle(HPEN Value) {
  if (Value == FHandle) return;
  LOGPEN lp{};
  if (Value && GetObjectW(Value, sizeof lp, &lp) == sizeof lp) {
    FColor = TColor(lp.lopnColor);
    FWidth = lp.lopnWidth.x;
    switch (lp.lopnStyle & PS_STYLE_MASK) {
      case PS_DASH: FStyle = psDash; break;
      case PS_DOT: FStyle = psDot; break;
      case PS_DASHDOT: FStyle = psDashDot; break;
      case PS_DASHDOTDOT: FStyle = psDashDotDot; break;
      case PS_NULL: FStyle = psClear; break;
      case PS_INSIDEFRAME: FStyle = psInsideFrame; break;
      default: FStyle = psSolid;
    }
  }
  Changed();
  FHandle = Value;
}

void TPen::SetColor(TColor Value) {
  if (FColor == Value) return;
  FColor = Value;
  Changed();
}

void TPen::SetWidth(Integer Value) {
  if (Value < 0 || FWidth == Value) return;
  FWidth = Value;
  Changed();
}

void TPen::SetStyle(TPenStyle Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  Changed();
}

void TPen::SetMode(TPenMode Value) {
  if (FMode == Value) return;
  FMode = Value;
  // The mode lives in the DC, not in the pen: keep the handle.
  if (OnChange) OnChange(this);
}

}  // namespace jorv
