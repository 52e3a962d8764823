#include "foundation/Gradients.h"
#include <algorithm>
#include <utility>
#include <vector>
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Colors.h"
#include "platform/rtl/WinApi.h"
#include "platform/rtl/Math.h"

namespace jorv::foundation {

namespace {

Byte ClampChannel(Int64 Value) { return Byte(EnsureRange<Int64>(Value, 0, 255)); }

// A pen or brush that already paints in Color keeps its colour value (a
// system colour stays one): a changed value throws the system object away,
// and cells fill with the same colour one after another.
void SetSolidColors(TCanvas* Canvas, TColor Color) {
  if (ColorToRGB(Canvas->Pen()->Color()) != Color) Canvas->Pen()->SetColor(Color);
  if (ColorToRGB(Canvas->Brush()->Color()) != Color || Canvas->Brush()->Style() != bsSolid)
    Canvas->Brush()->SetColor(Color);
}

void SolidFill(TCanvas* Canvas, TColor Color, const TRect& Rect) {
  SetSolidColors(Canvas, Color);
  Canvas->FillRect(Rect);
}

// A channel at step i of Steps from C1 to C2, halves rounded to even as
// Round does, in whole numbers: a gradient asks for three a band, and a
// screen of cells for thousands.
Int64 StepChannel(Integer C1, Integer C2, Integer i, Integer Steps) {
  const Int64 Scaled = Int64(C1) * Steps + Int64(i) * (C2 - C1);  // never negative: between C1 and C2
  const Int64 Whole = Scaled / Steps, Twice = 2 * (Scaled % Steps);
  if (Twice > Steps || (Twice == Steps && Whole % 2 == 1)) return Whole + 1;
  return Whole;
}

// The bands of a gradient of Steps steps laid into Line, later bands over
// earlier ones as fills would overlap; gives the last band's colour.
TColor LayBands(TColor From, TColor To, Integer Steps, RGBQUAD* Line, Integer Length) {
  const Integer Extent = Length - 1;
  Steps = Max(Min(Steps, Extent), 1);
  const double StepLen = double(Extent) / Steps;
  const Integer BandLen = Integer(Trunc(StepLen + 1));
  const Integer R1 = GetRValue(From), G1 = GetGValue(From), B1 = GetBValue(From);
  const Integer R2 = GetRValue(To), G2 = GetGValue(To), B2 = GetBValue(To);
  TColor Last = From;
  for (Integer i = 0; i <= Steps; ++i) {
    const Integer Offset = Integer(Trunc(i * StepLen));
    Last = RGB(ClampChannel(StepChannel(R1, R2, i, Steps)), ClampChannel(StepChannel(G1, G2, i, Steps)),
               ClampChannel(StepChannel(B1, B2, i, Steps)));
    const RGBQUAD Pixel{GetBValue(Last), GetGValue(Last), GetRValue(Last), 0};
    for (Integer p = Max(Offset, 0); p < Min(Offset + BandLen, Length); ++p) Line[p] = Pixel;
  }
  return Last;
}

// One line of pixels along the gradient stretched across Rect: one call to
// the system in place of one fill per band, which under Wine costs about as
// much as a fill.
void StretchLine(TCanvas* Canvas, const TRect& Rect, bool Horizontal, const std::vector<RGBQUAD>& Line) {
  if (Line.empty() || Rect.Width() <= 0 || Rect.Height() <= 0) return;
  BITMAPINFO Info{};
  Info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  Info.bmiHeader.biWidth = Horizontal ? Integer(Line.size()) : 1;
  Info.bmiHeader.biHeight = -(Horizontal ? 1 : Integer(Line.size()));  // top-down
  Info.bmiHeader.biPlanes = 1;
  Info.bmiHeader.biBitCount = 32;
  Info.bmiHeader.biCompression = BI_RGB;
  StretchDIBits(Canvas->Handle(), Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), 0, 0, Info.bmiHeader.biWidth,
                -Info.bmiHeader.biHeight, Line.data(), &Info, DIB_RGB_COLORS, SRCCOPY);
}

// Both halves of a mirrored gradient in one line of pixels, one call for
// the whole face; halves with a colour missing or an empty side are drawn
// one by one.
void DrawMirroredHalves(TCanvas* Canvas, const TRect& Rect, const TRect& First, const TRect& Second, TColor Color,
                        TColor ColorTo, TColor ColorMirror, TColor ColorMirrorTo, bool Horizontal) {
  const bool AllSet = Color != clNone && ColorTo != clNone && ColorMirror != clNone && ColorMirrorTo != clNone;
  const Integer FirstLength = Horizontal ? First.Width() : First.Height();
  const Integer SecondLength = Horizontal ? Second.Width() : Second.Height();
  if (!AllSet || FirstLength <= 0 || SecondLength <= 0) {
    DrawGradient(Canvas, Color, ColorTo, 128, First, Horizontal);
    DrawGradient(Canvas, ColorMirror, ColorMirrorTo, 128, Second, Horizontal);
    return;
  }
  std::vector<RGBQUAD> Line(size_t(FirstLength + SecondLength));
  LayBands(ColorToRGB(Color), ColorToRGB(ColorTo), 128, Line.data(), FirstLength);
  const TColor Last =
      LayBands(ColorToRGB(ColorMirror), ColorToRGB(ColorMirrorTo), 128, Line.data() + FirstLength, SecondLength);
  StretchLine(Canvas, Rect, Horizontal, Line);
  SetSolidColors(Canvas, Last);
}

}  // namespace

void DrawGradient(TCanvas* Canvas, TColor FromColor, TColor ToColor, Integer Steps,
                  TRect Rect, bool Horizontal) {
  DrawGradientPart(Canvas, FromColor, ToColor, Steps, Rect, Horizontal, Rect);
}

void DrawGradientPart(TCanvas* Canvas, TColor FromColor, TColor ToColor, Integer Steps, TRect Rect,
                      bool Horizontal, TRect Part) {
  if (Rect.Top == Rect.Bottom) return;
  if (Rect.Top > Rect.Bottom) std::swap(Rect.Top, Rect.Bottom);
  if (Part.Top > Part.Bottom) std::swap(Part.Top, Part.Bottom);
  if (FromColor == clNone && ToColor == clNone) return;
  // Cut to the gradient's own rectangle; the order of Left and Right is the
  // rectangle's, which an inverted one keeps (it then draws nothing).
  const TRect Shown(std::max(Rect.Left, Part.Left), std::max(Rect.Top, Part.Top), std::min(Rect.Right, Part.Right),
                    std::min(Rect.Bottom, Part.Bottom));
  if (FromColor == clNone || ToColor == clNone) {
    SolidFill(Canvas, ColorToRGB(FromColor == clNone ? ToColor : FromColor), Shown);
    return;
  }
  const Integer Length = Horizontal ? Rect.Width() : Rect.Height();
  std::vector<RGBQUAD> Line(Length > 0 ? size_t(Length) : 0);
  const TColor Last = LayBands(ColorToRGB(FromColor), ColorToRGB(ToColor), Steps, Line.data(), Length);
  if (Shown.Width() > 0 && Shown.Height() > 0) {
    const Integer From = Horizontal ? Shown.Left - Rect.Left : Shown.Top - Rect.Top;
    const Integer To = Horizontal ? Shown.Right - Rect.Left : Shown.Bottom - Rect.Top;
    if (From > 0 || To < Length) Line = std::vector<RGBQUAD>(Line.begin() + From, Line.begin() + To);
    StretchLine(Canvas, Shown, Horizontal, Line);
  }
  // The canvas ends in the last band's colours, as a band-by-band fill
  // through its own pen and brush would leave it.
  SetSolidColors(Canvas, Last);
}

void FillMirroredGradient(TCanvas* Canvas, TRect Rect, TColor Color, TColor ColorTo,
                          TColor ColorMirror, TColor ColorMirrorTo, bool Vertical,
                          TColor BorderColor, bool SideLinesOnly, bool Fill) {
  if (Fill && Color != clNone) {
    if (ColorMirror == clNone) {
      if (ColorTo == clNone) {
        Canvas->Pen()->SetWidth(1);
        ++Rect.Bottom;
        SolidFill(Canvas, Color, Rect);
      } else {
        DrawGradient(Canvas, Color, ColorTo, 128, Rect, !Vertical);
      }
    } else {
      TRect First = Rect, Second = Rect;
      if (Vertical) {
        First.Bottom = Second.Top = Rect.Top + Rect.Height() / 2;
      } else {
        First.Right = Second.Left = Rect.Left + Rect.Width() / 2;
      }
      DrawMirroredHalves(Canvas, Rect, First, Second, Color, ColorTo, ColorMirror, ColorMirrorTo, !Vertical);
    }
  }
  if (BorderColor == clNone) return;
  if (SideLinesOnly) {
    Canvas->Pen()->SetColor(BorderColor);
    Canvas->MoveTo(Rect.Left, Rect.Top);
    Canvas->LineTo(Rect.Left, Rect.Bottom);
    Canvas->MoveTo(Rect.Right - 1, Rect.Top);
    Canvas->LineTo(Rect.Right - 1, Rect.Bottom);
  } else {
    Canvas->Brush()->SetColor(BorderColor);
    Canvas->FrameRect(Rect);
  }
}

void DrawRoundedGradientButton(TCanvas* Canvas, TColor Color, TColor ColorTo,
                               TColor ColorMirror, TColor ColorMirrorTo,
                               TColor InnerTopColor, TColor InnerBottomColor,
                               TColor BorderColor, TColor EdgeColor, TColor BackgroundColor,
                               const TRect& Rect, Integer Position) {
  const Integer L = Rect.Left, T = Rect.Top, Rt = Rect.Right - 1, B = Rect.Bottom - 2;
  const Integer Mid = T + (B - T) / 2;
  const bool LeftEnd = Position == 0 || Position == 1;
  const bool RightEnd = Position == 0 || Position == 2;
  auto Line = [Canvas](Integer X1, Integer Y1, Integer X2, Integer Y2) {
    Canvas->MoveTo(X1, Y1);
    Canvas->LineTo(X2, Y2);
  };

  Canvas->Pen()->SetColor(InnerTopColor);
  Line(L, T + 1, Rt, T + 1);
  if (LeftEnd) Line(L + 1, T + 1, L + 1, Mid);
  if (RightEnd) Line(Rt - 2, T + 1, Rt - 2, Mid);

  Canvas->Pen()->SetColor(InnerBottomColor);
  Line(L, B - 1, Rt, B - 1);
  if (LeftEnd) Line(L + 1, Mid, L + 1, B - 1);
  if (RightEnd) Line(Rt - 2, Mid, Rt - 2, B - 1);

  const Integer LeftInset = (Position == 2 || Position == 3) ? 0 : 2;
  const Integer RightInset = (Position == 1 || Position == 3) ? 0 : 2;

  Canvas->Pen()->SetColor(BorderColor);
  Line(L + LeftInset, T, Rt - RightInset, T);
  Line(L + LeftInset, B, Rt - RightInset, B);
  if (RightEnd) Line(Rt - 1, T + 2, Rt - 1, B - 1);
  if (LeftEnd) Line(L, T + 2, L, B - 1);

  if (LeftEnd) {
    for (TPoint P : {Point(L + 1, T), Point(L + 1, T + 1), Point(L, T + 1), Point(L + 1, B),
                     Point(L + 1, B - 1), Point(L, B - 1)})
      Canvas->SetPixels(P.X, P.Y, EdgeColor);
    Canvas->SetPixels(L, T, BackgroundColor);
    Canvas->SetPixels(L, B, BackgroundColor);
  }
  if (RightEnd) {
    for (TPoint P : {Point(Rt - 2, T), Point(Rt - 2, T + 1), Point(Rt - 1, T + 1),
                     Point(Rt - 2, B), Point(Rt - 2, B - 1), Point(Rt - 1, B - 1)})
      Canvas->SetPixels(P.X, P.Y, EdgeColor);
    Canvas->SetPixels(Rt - 1, T, BackgroundColor);
    Canvas->SetPixels(Rt - 1, B, BackgroundColor);
  }

  const TRect Face(L + LeftInset, T + 2, Rt - RightInset, B - 1);
  if (ColorTo == clNone) {
    SolidFill(Canvas, Color, Face);
  } else if (ColorMirror == clNone) {
    DrawGradient(Canvas, Color, ColorTo, 16, Face, false);
  } else {
    TRect Upper = Face, Lower = Face;
    Upper.Bottom = Lower.Top = Face.Top + Face.Height() / 2;
    DrawGradient(Canvas, Color, ColorTo, 16, Upper, false);
    DrawGradient(Canvas, ColorMirror, ColorMirrorTo, 16, Lower, false);
  }
}

TColor InterpolateColor(TColor Color, TColor ColorTo, Integer Min, Integer Max, Integer Pos) {
  if (ColorTo == clNone) return Color;
  const TColor C1 = ColorToRGB(Color);
  if (Max == Min) return C1;
  const TColor C2 = ColorToRGB(ColorTo);
  const double Span = double(Max) - Min;
  auto Mix = [&](Byte A, Byte B) {
    return ClampChannel(Round(A + (Integer(B) - Integer(A)) / Span * Pos));
  };
  return RGB(Mix(GetRValue(C1), GetRValue(C2)), Mix(GetGValue(C1), GetGValue(C2)),
             Mix(GetBValue(C1), GetBValue(C2)));
}

TColor DarkenColorHalf(TColor Color) {
  const TColor C = ColorToRGB(Color);
  return RGB(GetRValue(C) / 2, GetGValue(C) / 2, GetBValue(C) / 2);
}

TColor AdjustColorPercent(TColor Color, Integer Percent) {
  const TColor C = ColorToRGB(Color);
  auto Adjust = [Percent](Byte Ch) { return ClampChannel(Round(Ch + Percent * double(Ch) / 100)); };
  return RGB(Adjust(GetRValue(C)), Adjust(GetGValue(C)), Adjust(GetBValue(C)));
}

}  // namespace jorv::foundation
