#include "panel/PanelColors.h"
#include <algorithm>
#include "platform/rtl/Math.h"

namespace jorv::panel {

namespace {
constexpr Integer MirrorSteps = 32;
}

TColor BlendColor(TColor C1, TColor C2, Integer Percent) {
  if (Percent == 100) return C1;
  const TColor A = ColorToRGB(C1), B = ColorToRGB(C2);
  const double F = Percent / 100.0;
  auto Mix = [F](Byte X, Byte Y) { return Byte(Round(F * X + (1 - F) * Y)); };
  return RGB(Mix(GetRValue(A), GetRValue(B)), Mix(GetGValue(A), GetGValue(B)),
             Mix(GetBValue(A), GetBValue(B)));
}

void DrawSteppedGradient(TCanvas* Canvas, TColor FromColor, TColor ToColor, Integer Steps,
                         const TRect& R, bool Horizontal) {
  Steps = std::clamp(Steps, 1, 32);
  const TColor F = ColorToRGB(FromColor), T = ColorToRGB(ToColor);
  const double IncR = (GetRValue(T) - GetRValue(F)) / double(Steps);
  const double IncG = (GetGValue(T) - GetGValue(F)) / double(Steps);
  const double IncB = (GetBValue(T) - GetBValue(F)) / double(Steps);
  const double Band = (Horizontal ? R.Right - R.Left : R.Bottom - R.Top) / double(Steps);
  for (Integer i = 0; i < Steps; ++i) {
    const TColor C = RGB(Byte(GetRValue(F) + Round(i * IncR)), Byte(GetGValue(F) + Round(i * IncG)),
                         Byte(GetBValue(F) + Round(i * IncB)));
    Canvas->Pen()->SetColor(C);
    Canvas->Brush()->SetColor(C);
    const Integer Offset = Word(Round(i * Band));
    if (Horizontal) {
      const Integer Far = std::min<Integer>(R.Left + Offset + Integer(Band) + 1, R.Right);
      Canvas->Rectangle(R.Left + Offset, R.Top, Far, R.Bottom);
    } else {
      const Integer Far = std::min<Integer>(R.Top + Offset + Integer(Band) + 1, R.Bottom);
      Canvas->Rectangle(R.Left, R.Top + Offset, R.Right, Far);
    }
  }
}

void DrawMirroredGradient(TCanvas* Canvas, const TRect& R, TColor Color, TColor ColorTo,
                          TColor ColorMirror, TColor ColorMirrorTo,
                          expanel::TGradientDirection Direction) {
  if (Direction == expanel::gdHorizontal) {
    const Integer Mid = R.Left + (R.Right - R.Left) / 2;
    DrawSteppedGradient(Canvas, Color, ColorTo, MirrorSteps, {R.Left, R.Top, Mid, R.Bottom}, true);
    DrawSteppedGradient(Canvas, ColorMirror, ColorMirrorTo, MirrorSteps,
                        {Mid, R.Top, R.Right, R.Bottom}, true);
  } else {
    const Integer Mid = R.Top + (R.Bottom - R.Top) / 2;
    DrawSteppedGradient(Canvas, Color, ColorTo, MirrorSteps, {R.Left, R.Top, R.Right, Mid}, false);
    DrawSteppedGradient(Canvas, ColorMirror, ColorMirrorTo, MirrorSteps,
                        {R.Left, Mid, R.Right, R.Bottom}, false);
  }
}

}  // namespace jorv::panel
