#pragma once
// Values painted into a cell's rectangle: a progress bar with its value
// text, a progress pie, a range indicator growing from the centre and a
// multi-level progress bar. Each routine leaves the canvas's pen, brush and
// font changed.
#include "platform/rtl/Types.h"

namespace jorv {
class TCanvas;
class TFont;
}
namespace jorv::foundation {


// The look of DrawXPProgressBar, filled by the grid from its progress
// settings before each call.
struct TXPProgressParams {
  TColor Level0Color = 0;
  TColor Level0ColorTo = 0;
  TColor Level1Color = 0;
  TColor Level1ColorTo = 0;
  TColor Level2Color = 0;
  TColor Level2ColorTo = 0;
  TColor Level3Color = 0;
  TColor Level3ColorTo = 0;
  Integer Level1Perc = 0;
  Integer Level2Perc = 0;
  TColor BorderColor = 0;
  bool ShowBorder = false;
  bool Stacked = false;
  bool ShowPercentage = false;
  TFont* Font = nullptr;  // not owned; none keeps the canvas's font
  TColor CompleteFontColor = 0;
  bool CompletionSmooth = false;
  bool ShowGradient = false;
  Integer Steps = 0;
  TColor UnCompleteColor = 0;
  bool Vertical = false;  // drawn horizontally all the same
};

// A bar of Value between Min and Max inside Rect less the margins, with a
// text that changes colour where the fill ends. Without Format the text is
// the rounded Value and "%", and Value is the percentage itself. A Format
// whose first "d" (or else "u") follows "%", "*", "." or a digit takes the
// rounded Value, any other the Value as a real. Min equal to Max shows no
// fill. Reserved is kept for callers and ignored.
void DrawProgressBar(TCanvas* Canvas, const TRect& Rect, TColor BarColor, TColor BarTextColor,
                     TColor BackColor, TColor BackTextColor, double Value, Integer MarginX,
                     Integer MarginY, Integer Min, Integer Max, const String& Format,
                     TColor BorderColor, bool Reserved = false);
// A grey circle in Rect with the sector of Percent, clockwise from twelve
// o'clock, filled in Color; the circle's inside keeps the canvas's brush.
// A sector too narrow for the fill to start in shows its radii only.
void DrawProgressPie(TCanvas* Canvas, const TRect& Rect, TColor Color, Integer Percent,
                     bool Reserved = false);
// A bar from the middle of Rect (less 2 pixels) to the right for a positive
// Value, to the left for a negative one, Value / Range of the half width.
// Range 0 or less shows no bar.
void DrawRangeIndicator(TCanvas* Canvas, const TRect& Rect, Integer Value, Integer Range,
                        bool ShowValue, TColor NegativeColor, TColor PositiveColor);
// Level colours change at Level1Perc and Level2Perc, and at 100; stacked,
// the levels stand side by side. The fill never leaves Rect, even above
// 100 percent.
void DrawXPProgressBar(TCanvas* Canvas, const TRect& Rect, Integer Percent,
                       const TXPProgressParams& Params);

}  // namespace jorv::foundation
