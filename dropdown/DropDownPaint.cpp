#include "dropdown/DropDownPaint.h"
#include <memory>
#include "foundation/HTMLRenderer.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Colors.h"
#include "platform/gfx/ImageList.h"
#include "platform/rtl/Math.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::dropdown {
using namespace jorv::foundation;

namespace {

Integer RoundInt(double X) { return static_cast<Integer>(Round(X)); }

Integer Channel(TColor C, Integer Shift) { return (ColorToRGB(C) >> Shift) & 0xFF; }

TColor FromChannels(Integer R, Integer G, Integer B) {
  return TColor((R & 0xFF) | ((G & 0xFF) << 8) | ((B & 0xFF) << 16));
}

}  // namespace

void DrawBandGradient(TCanvas* Canvas, TColor FromColor, TColor ToColor, Integer Steps,
                      const TRect& Rect, bool Horizontal) {
  if (!Canvas) return;
  if (Steps == 0) Steps = 1;
  TRect Band = Rect;
  if (Horizontal)
    Band.Right -= 1;
  else
    Band.Bottom -= 1;
  double StepR = double(Channel(ToColor, 0) - Channel(FromColor, 0)) / Steps;
  double StepG = double(Channel(ToColor, 8) - Channel(FromColor, 8)) / Steps;
  double StepB = double(Channel(ToColor, 16) - Channel(FromColor, 16)) / Steps;
  const double BandSize = Horizontal ? double(Band.Right - Band.Left) / Steps
                                     : double(Band.Bottom - Band.Top) / Steps;
  const Integer Size = RoundInt(BandSize);
  for (Integer i = 0; i < Steps; ++i) {
    const TColor C = FromChannels(Channel(FromColor, 0) + RoundInt(i * StepR),
                                  Channel(FromColor, 8) + RoundInt(i * StepG),
                                  Channel(FromColor, 16) + RoundInt(i * StepB));
    Canvas->Pen()->SetColor(C);
    Canvas->Brush()->SetColor(C);
    Canvas->Brush()->SetStyle(bsSolid);
    const Integer Offset = RoundInt(i * BandSize);
    if (Horizontal)
      Canvas->Rectangle(Rect.Left + Offset, Rect.Top, Rect.Left + Offset + Size + 1, Rect.Bottom);
    else
      Canvas->Rectangle(Rect.Left, Rect.Top + Offset, Rect.Right, Rect.Top + Offset + Size + 1);
  }
}

TColor BlendColor(TColor Color1, TColor Color2, Integer Percent) {
  if (Percent >= 100) return Color1;
  if (Percent <= 0) return Color2;
  const double X = Percent / 100.0;
  auto Mix = [&](Integer Shift) {
    return RoundInt(X * Channel(Color1, Shift) + (1 - X) * Channel(Color2, Shift));
  };
  return FromChannels(Mix(0), Mix(8), Mix(16));
}

TColor ChangeTone(TColor Color, Integer DeltaRed, Integer DeltaGreen, Integer DeltaBlue) {
  auto Tone = [&](Integer Shift, Integer Delta) {
    const Integer C = Channel(Color, Shift);
    if (C == 0) return Max(0, Delta);
    return RoundInt(C * Min(100, 100 + Delta) / 100.0);
  };
  return FromChannels(Tone(0, DeltaRed), Tone(8, DeltaGreen), Tone(16, DeltaBlue));
}

void FillAndFrameRect(TCanvas* Canvas, const TRect& Rect, TColor Color, TColor ColorTo,
                      TColor BorderColor, Integer BorderWidth, TGradientDirection Direction) {
  if (!Canvas) return;
  if (ColorTo != clNone) {
    DrawBandGradient(Canvas, Color, ColorTo, 80, Rect, Direction == gdHorizontal);
  } else if (Color != clNone) {
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(Color);
    Canvas->FillRect(Rect);
  }
  if (BorderColor == clNone || BorderWidth <= 0) return;
  Canvas->Brush()->SetStyle(bsClear);
  Canvas->Pen()->SetWidth(BorderWidth);
  Canvas->Pen()->SetColor(BorderColor);
  Canvas->Rectangle(Rect);
  Canvas->Pen()->SetWidth(1);
}

void DrawImageAndText(TCanvas* Canvas, TRect Rect, const String& Text, TCustomImageList* Images,
                      Integer ImageIndex) {
  if (!Canvas) return;
  UINT Flags = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
  if (ImageIndex >= 0 && Images) {
    Images->Draw(Canvas, Rect.Left + 4, Rect.Top + (Rect.Height() - Images->Height()) / 2, ImageIndex);
    Rect.Left += Images->Width() + 8;
  } else {
    Flags |= DT_CENTER;
  }
  RECT R{Rect.Left, Rect.Top, Rect.Right, Rect.Bottom};
  DrawTextW(Canvas->Handle(), Text.c_str(), static_cast<int>(Text.size()), &R, Flags);
}

void DrawTransparentBitmap(TCanvas* Canvas, TBitmap* Bitmap, TColor BackgroundColor, const TRect& Rect) {
  if (!Canvas || !Bitmap || Bitmap->Empty()) return;
  const Integer W = Bitmap->Width(), H = Bitmap->Height();
  TBitmap Temp(W, H);
  Temp.Canvas()->Brush()->SetColor(BackgroundColor);
  Temp.Canvas()->FillRect(TRect(0, 0, W, H));
  Temp.Canvas()->BrushCopy(TRect(0, 0, W, H), Bitmap, TRect(0, 0, W, H), Bitmap->Canvas()->Pixels(0, 0));
  const Integer CW = Min(W, Rect.Width()), CH = Min(H, Rect.Height());
  Canvas->CopyRect(TRect(Rect.Left, Rect.Top, Rect.Left + CW, Rect.Top + CH), Temp.Canvas(),
                   TRect(0, 0, CW, CH));
}

void GetTextSize(TCanvas* Canvas, const String& Text, TSize& Size) {
  Size = TSize{0, 0};
  if (!Canvas || Text.empty()) return;
  RECT R{0, 0, 1000, 500};
  DrawTextW(Canvas->Handle(), Text.c_str(), static_cast<int>(Text.size()), &R, DT_CALCRECT | DT_SINGLELINE);
  Size = TSize{R.right - R.left, R.bottom - R.top};
}

void EllipsisText(TCanvas* Canvas, const String& Text, Integer MaxWidth, bool AddEllipsis, String& Result) {
  Result = Text;
  if (!Canvas || Canvas->TextWidth(Text) <= MaxWidth) return;
  const Integer Len = static_cast<Integer>(Text.size());
  for (Integer i = 0; Len - i - 1 >= 0; ++i) {
    String Candidate = Text.substr(0, Len - i - 1);
    if (AddEllipsis) Candidate += L"...";
    if (Canvas->TextWidth(Candidate) < MaxWidth) {
      Result = Candidate;
      return;
    }
  }
}

void DrawHTMLCaption(TCanvas* Canvas, const String& Text, const TRect& Rect, TCustomImageList* Images,
                     bool Draw, HWND WindowHandle, TSize& Size) {
  Size = TSize{0, 0};
  if (!Canvas || Text.empty()) return;
  String Anchor, Plain, Focused, Title, ControlID, ControlType, ControlValue;
  Integer Width = 0, Height = 0, Anchors = 0, AnchorUnder = -1;
  TRect AnchorRect, ControlRect;
  DrawHTMLText(Canvas, Text, Rect, Images, -1, -1, -1, -1, 1, false, !Draw, false, true, true, false,
               false, false, String(), 0.0, TColor(0xFF0000), clNone, clNone, TColor(0x808080), Anchor,
               Plain, Focused, Title, Width, Height, Anchors, AnchorUnder, AnchorRect, ControlRect, ControlID,
               ControlType, ControlValue, nullptr, nullptr, WindowHandle, 0);
  Size = TSize{Width, Height};
}

void MatchCaseText(const String& Text, bool CaseSensitive, String& Result) {
  Result = CaseSensitive ? Text : AnsiUpperCase(Text);
}

}  // namespace jorv::dropdown
