#include "foundation/ValueBars.h"
#include <cmath>
#include <numbers>
#include "foundation/Gradients.h"
#include "platform/gfx/Canvas.h"
#include "platform/rtl/Math.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::foundation {

namespace {

// Whether the first Ch of Format is a conversion: it follows "%", "*", "."
// or a digit.
bool IsConversion(const String& Format, Char Ch) {
  const size_t At = Format.find(Ch);
  if (At == String::npos || At == 0) return false;
  const Char Before = Format[At - 1];
  return Before == L'%' || Before == L'*' || Before == L'.' || (Before >= L'0' && Before <= L'9');
}

TRect Inflated(const TRect& R, Integer D) {
  return TRect(R.Left - D, R.Top - D, R.Right + D, R.Bottom + D);
}

}  // namespace

void DrawProgressBar(TCanvas* Canvas, const TRect& Rect, TColor BarColor, TColor BarTextColor,
                     TColor BackColor, TColor BackTextColor, double Value, Integer MarginX,
                     Integer MarginY, Integer Min, Integer Max, const String& Format,
                     TColor BorderColor, bool /*Reserved*/) {
  const TColor EntryBrushColor = Canvas->Brush()->Color();
  Canvas->Brush()->SetColor(BarColor);
  Canvas->Pen()->SetColor(BarColor);
  Canvas->Font()->SetColor(BarTextColor);

  String Text;
  Int64 Percentage;
  if (!Format.empty()) {
    const bool AsInteger = IsConversion(Format, L'd') || IsConversion(Format, L'u');
    Text = AsInteger ? jorv::Format(Format, Round(Value)) : jorv::Format(Format, Value);
    // An empty range has no share to show.
    Percentage = Max == Min ? 0 : Round((Value - Min) * 100 / (double(Max) - Min));
  } else {
    Text = IntToStr(Round(Value)) + L"%";
    Percentage = Round(Value);
  }
  Percentage = EnsureRange<Int64>(Percentage, 0, 100);

  const TRect Bar(Rect.Left + MarginX, Rect.Top + MarginY, Rect.Right - MarginX,
                  Rect.Bottom - MarginY);
  const Integer Filled = Integer(Round(double(Percentage) * Bar.Width() / 100));
  const TSize Extent = Canvas->TextExtent(Text);
  const Integer TX = Bar.Left + (Bar.Width() - Extent.cx) / 2;
  const Integer TY = Bar.Top + (Bar.Height() - Extent.cy) / 2;

  Canvas->TextRect(TRect(Bar.Left, Bar.Top, Bar.Left + Filled, Bar.Bottom), TX, TY, Text);
  Canvas->Brush()->SetColor(BackColor);
  Canvas->Pen()->SetColor(BackColor);
  Canvas->Font()->SetColor(BackTextColor);
  Canvas->TextRect(TRect(Bar.Left + Filled, Bar.Top, Bar.Right, Bar.Bottom), TX, TY, Text);

  if (BorderColor != clNone) {
    Canvas->Brush()->SetColor(BorderColor);
    Canvas->FrameRect(Inflated(Bar, 1));
  }
  Canvas->Brush()->SetColor(EntryBrushColor);
  Canvas->FrameRect(Inflated(Bar, 2));
}

void DrawProgressPie(TCanvas* Canvas, const TRect& Rect, TColor Color, Integer Percent,
                     bool /*Reserved*/) {
  constexpr TColor Outline = 0x808080;
  Canvas->Pen()->SetColor(Outline);
  Canvas->Pen()->SetWidth(1);
  Canvas->Ellipse(Rect);
  const Integer W = Rect.Width(), H = Rect.Height();
  const Integer Cx = W / 2, Cy = H / 2;
  const double A = Percent / 100.0 * 2 * std::numbers::pi;
  Canvas->MoveTo(Rect.Left + Cx, Rect.Top);
  Canvas->LineTo(Rect.Left + Cx, Rect.Top + Cy);
  Canvas->LineTo(Rect.Left + Cx + Integer(Round((W + 1) * 0.5 * std::sin(A))),
                 Rect.Top + Cy - Integer(Round((H + 1) * 0.5 * std::cos(A))));
  Canvas->Brush()->SetColor(Color);
  // The fill starts just right of the twelve o'clock radius. A sector too
  // narrow to hold that point (or running backwards) gets no fill: started
  // outside it, the fill would take the rest of the circle instead.
  const bool SeedInSector = Percent >= 100 || std::atan2(1.0, Cy - 2.0) < A;
  if (Percent != 0 && SeedInSector)
    Canvas->FloodFill(Rect.Left + Cx + 1, Rect.Top + 2, Outline, fsBorder);
}

void DrawRangeIndicator(TCanvas* Canvas, const TRect& Rect, Integer Value, Integer Range,
                        bool ShowValue, TColor NegativeColor, TColor PositiveColor) {
  const TRect R(Rect.Left + 2, Rect.Top + 2, Rect.Right - 2, Rect.Bottom - 2);
  const Integer Half = R.Width() / 2;
  // Without a range there is no share to show, rather than a division by
  // zero in the middle of a paint.
  Value = Range > 0 ? EnsureRange(Value, -Range, Range) : 0;
  if (Range > 0) {
    const Integer X = Integer(Round(double(Half) * Value / Range));
    const TColor Color = Value < 0 ? NegativeColor : PositiveColor;
    Canvas->Brush()->SetColor(Color);
    Canvas->Pen()->SetColor(Color);
    if (Value < 0)
      Canvas->Rectangle(R.Left + Half + X, R.Top, R.Left + Half, R.Bottom);
    else
      Canvas->Rectangle(R.Left + Half, R.Top, R.Left + Half + X, R.Bottom);
  }
  if (ShowValue) {
    const String Text = IntToStr(Value);
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->TextOut(R.Left + (R.Width() - Canvas->TextWidth(Text)) / 2, R.Top, Text);
  }
}

namespace {

struct TColorPair {
  TColor Color;
  TColor ColorTo;
};

void FillSegment(TCanvas* Canvas, const TRect& R, TColorPair Pair, const TXPProgressParams& P) {
  if (R.IsEmpty()) return;
  if (!P.ShowGradient) {
    Canvas->Brush()->SetColor(Pair.Color);
    Canvas->FillRect(R);
    return;
  }
  const Integer Mid = R.Top + R.Height() / 2;
  DrawGradient(Canvas, Pair.ColorTo, Pair.Color, P.Steps, TRect(R.Left, R.Top, R.Right, Mid),
               false);
  DrawGradient(Canvas, Pair.Color, Pair.ColorTo, P.Steps, TRect(R.Left, Mid, R.Right, R.Bottom),
               false);
}

}  // namespace

void DrawXPProgressBar(TCanvas* Canvas, const TRect& Rect, Integer Percent,
                       const TXPProgressParams& Params) {
  const Integer L = Rect.Left, T = Rect.Top, R = Rect.Right, B = Rect.Bottom;
  const Integer Q = (R - L) - 2;
  const TColor OutlineColor = Params.ShowBorder ? Params.BorderColor : Params.UnCompleteColor;
  Canvas->Brush()->SetColor(Params.UnCompleteColor);
  Canvas->Pen()->SetColor(OutlineColor);
  Canvas->Rectangle(Rect);

  const TColorPair Level0{Params.Level0Color, Params.Level0ColorTo};
  const TColorPair Level1{Params.Level1Color, Params.Level1ColorTo};
  const TColorPair Level2{Params.Level2Color, Params.Level2ColorTo};
  const TColorPair Level3{Params.Level3Color, Params.Level3ColorTo};
  // Above 100 the bar is full; it must not spill into the neighbouring cell.
  const Integer Shown = Min(Percent, 100);

  if (Shown > 0 && Params.Stacked) {
    const Integer L1 = Params.Level1Perc, L2 = Params.Level2Perc;
    Integer Left = L + 1;
    auto Segment = [&](Integer Length, TColorPair Pair) {
      FillSegment(Canvas, TRect(Left, T + 1, Left + Length, B - 1), Pair, Params);
      Left += Length;
    };
    if (Shown < L1) {
      Segment(Integer(Round(Shown / 100.0 * Q)), Level0);
    } else {
      const Integer Len1 = Integer(Round(L1 / 100.0 * Q));
      Segment(Len1, Level0);
      if (Shown < L2) {
        Segment(Integer(Round(Q * double(Shown - L1) / 100)), Level1);
      } else {
        const Integer Len2 = Integer(Round(Q * double(L2 - L1) / 100));
        Segment(Len2, Level1);
        Segment(Shown == 100 ? Q - Len1 - Len2 : Integer(Round(Q * double(Shown - L2) / 100)),
                Level3);
      }
    }
  } else if (Shown > 0) {
    const TColorPair Pair = Shown < Params.Level1Perc   ? Level0
                            : Shown < Params.Level2Perc ? Level1
                            : Shown > 99                ? Level3
                                                        : Level2;
    if (Params.CompletionSmooth) {
      FillSegment(Canvas, TRect(L + 1, T + 1, L + 1 + Integer(Round(Shown / 100.0 * Q)), B - 1),
                  Pair, Params);
    } else {
      const Integer F = Integer(Round(double(Shown) * Q / 100));
      auto Block = [&](Integer X1, Integer X2) {
        FillSegment(Canvas, TRect(X1, T + 2, X2, B - 2), Pair, Params);
      };
      if (F > 9) {
        Integer Right = L;
        for (Integer i = 0; i < F / 9; ++i) {
          Block(Right + 2, Right + 9);
          Right += 9;
        }
        if (F % 9 > 2) Block(Right + 2, Right + F % 9 + 1);
      } else if (F > 1) {
        Block(L + 2, L + F + 1);
      }
    }
  }

  if (Params.ShowPercentage) {
    Canvas->Brush()->SetStyle(bsClear);
    if (Params.Font) {
      Canvas->Font()->SetName(Params.Font->Name());
      Canvas->Font()->SetSize(Params.Font->Size());
      Canvas->Font()->SetStyle(Params.Font->Style());
    }
    Canvas->Font()->SetColor(Params.CompleteFontColor);
    const String Text = IntToStr(Percent) + L"%";
    const TSize Extent = Canvas->TextExtent(Text);
    Canvas->TextOut(L + (R - L) / 2 - Extent.cx / 2, T + (B - T) / 2 - Extent.cy / 2, Text);
  }

  Canvas->Pen()->SetColor(OutlineColor);
  Canvas->Brush()->SetStyle(bsClear);
  Canvas->Rectangle(Rect);
}

}  // namespace jorv::foundation
