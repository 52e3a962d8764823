// Painting of the analog clock: the face, marks, numbers and AM/PM box
// into a cache drawn by full paints only, and the pointers over a copy of
// it; with the few GDI+ drawing functions the clock uses.
#include <cmath>
#include <numbers>
#include "dropdown/ExWatch.h"
#include "foundation/GDIPlusBrush.h"
#include "foundation/GDIPlusFont.h"
#include "foundation/GDIPlusGraphics.h"
#include "foundation/GDIPlusPath.h"
#include "foundation/GDIPlusPen.h"
#include "foundation/ImageBytes.h"
#include "foundation/GDIPlusImage.h"
#include "platform/gfx/DCScope.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/Math.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::dropdown {

using namespace jorv::foundation;

namespace {

double Rad(double Degrees) { return Degrees * std::numbers::pi / 180; }

// The point at K radii on the angle Theta, clockwise from 12 o'clock.
TGPPointF At(TPoint C, double Rho, double K, double Theta) {
  return TGPPointF{float(C.X + K * Rho * std::sin(Rad(Theta))), float(C.Y - K * Rho * std::cos(Rad(Theta)))};
}

// A colour's low three bytes as they stand, system colours unresolved.
ARGB RawColor(TColor Color, uint8_t Alpha) {
  const uint32_t V = uint32_t(Color);
  return ARGBColor(Alpha, uint8_t(V), uint8_t(V >> 8), uint8_t(V >> 16));
}

Integer Nint(double X) { return static_cast<Integer>(Round(X)); }

}  // namespace

// --- full paint and pointer repaint ---------------------------------------------------------------

void TExWatch::Paint() {
  TCustomControl::Paint();
  PaintWatch();
}

void TExWatch::PaintWatch() {
  const TRect C = ClientRect();
  FBKGCache->SetSize(C.Width(), C.Height());
  TCanvas* Cache = FBKGCache->Canvas();
  Cache->Brush()->SetColor(Color());
  Cache->FillRect(C);
  {
    TGPGraphics G(Cache->Handle());
    G.SetSmoothingMode(SmoothingModeAntiAlias);
    DrawFace(G);
    DrawMarks(G);
  }
  DrawNumbers(Cache);
  {
    TGPGraphics G(Cache->Handle());
    G.SetSmoothingMode(SmoothingModeAntiAlias);
    DrawAMPM(Cache, G);
  }
  Canvas()->Draw(0, 0, FBKGCache.get());
  TGPGraphics G(Canvas()->Handle());
  G.SetSmoothingMode(SmoothingModeAntiAlias);
  DrawPointers(G);
}

void TExWatch::RepaintPointers() {
  if (!HandleAllocated() || !IsWindowVisible(Handle())) return;
  const TRect C = ClientRect();
  TBitmap Frame;
  Frame.SetSize(C.Width(), C.Height());
  Frame.Canvas()->Draw(0, 0, FBKGCache.get());
  {
    TGPGraphics G(Frame.Canvas()->Handle());
    G.SetSmoothingMode(SmoothingModeAntiAlias);
    DrawPointers(G);
  }
  TWindowDC DC(Handle());
  BitBlt(DC, 0, 0, C.Width(), C.Height(), Frame.Canvas()->Handle(), 0, 0, SRCCOPY);
}

// --- face, marks and numbers ------------------------------------------------------------------------

void TExWatch::FillFace(TGPGraphics& G, TGPBrush& Brush) {
  const TRect C = ClientRect();
  const TPoint Centre = GetCenter();
  const Integer Rho = GetRadius();
  switch (FAppearance->Shape()) {
    case wsCircle: G.FillEllipse(&Brush, Centre.X - Rho, Centre.Y - Rho, 2 * Rho, 2 * Rho); break;
    case wsRect: G.FillRectangle(&Brush, float(C.Left), float(C.Top), float(C.Width()), float(C.Height())); break;
    case wsRoundRect: FillRoundedRect(&G, &Brush, C.Left, C.Top, C.Width(), C.Height(), 8); break;
  }
}

void TExWatch::DrawFace(TGPGraphics& G) {
  const TWatchAppearance* A = FAppearance.get();
  const TRect C = ClientRect();
  const TPoint Centre = GetCenter();
  const Integer Rho = GetRadius();
  const TColor C1 = A->BackgroundColor(), C2 = A->BackgroundColorTo() == clNone ? C1 : A->BackgroundColorTo();
  TGraphic* Picture = A->Picture()->Graphic();
  if (Picture && !Picture->Empty()) {
    PaintGraphicGP(&G, nullptr, C, Picture, true, true);
  } else if (A->BackgroundGradient() == wgRadial) {
    const TGPRect R{C.Left, C.Top, C.Width(), C.Height()};
    std::unique_ptr<TGPGraphicsPath> Path;
    if (A->Shape() == wsCircle) {
      Path = std::make_unique<TGPGraphicsPath>();
      Path->AddEllipse(float(Centre.X - Rho), float(Centre.Y - Rho), float(2 * Rho), float(2 * Rho));
    } else {
      Path.reset(A->Shape() == wsRect ? MakeRectPath(R) : MakeRoundedRectPath(R, 8));
    }
    TGPPathGradientBrush Brush(Path.get());
    Brush.SetCenterColor(ColorToGPColor(C1));
    Brush.SetCenterPoint(TGPPointF{float(Centre.X), float(Centre.Y)});
    const ARGB Surround = RawColor(C2, 255);
    Integer Count = 1;
    Brush.SetSurroundColors(&Surround, Count);
    if (A->Shape() == wsCircle)
      G.FillEllipse(&Brush, Centre.X - Rho, Centre.Y - Rho, 2 * Rho, 2 * Rho);
    else
      G.FillPath(&Brush, Path.get());
  } else {
    const LinearGradientMode Mode = A->BackgroundGradient() == wgVertical          ? LinearGradientModeVertical
                                    : A->BackgroundGradient() == wgDiagonalForward ? LinearGradientModeForwardDiagonal
                                                                                   : LinearGradientModeBackwardDiagonal;
    TGPLinearGradientBrush Brush(TGPRect{C.Left, C.Top, C.Width(), C.Height()}, ColorToGPColor(C1),
                                 ColorToGPColor(C2), Mode);
    FillFace(G, Brush);
  }
  if (A->BorderWidth() < 1) return;
  TGPPen Pen(ColorToGPColor(A->BorderColor()), float(A->BorderWidth()));
  switch (A->Shape()) {
    case wsCircle: G.DrawEllipse(&Pen, Centre.X - Rho, Centre.Y - Rho, 2 * Rho, 2 * Rho); break;
    case wsRect: G.DrawRectangle(&Pen, float(C.Left), float(C.Top), float(C.Width() - 1), float(C.Height() - 1)); break;
    case wsRoundRect: StrokeRoundedRect(&G, &Pen, C.Left, C.Top, C.Width() - 1, C.Height() - 1, 8); break;
  }
}

void TExWatch::DrawMarks(TGPGraphics& G) {
  const TWatchAppearance* A = FAppearance.get();
  if (A->TickMarks() == tmNone) return;
  const TPoint C = GetCenter();
  const double Ro = GetRadius() - A->BorderWidth() / 2;
  const double Rh = A->HourMarkLength() > 0 ? Ro - A->HourMarkLength() : 0.9 * Ro;
  const double Rm = A->MinuteMarkLength() > 0 ? Ro - A->MinuteMarkLength() : 0.95 * Ro;
  TGPPen HourPen(ColorToGPColor(A->HourColor()), A->HourMarkWidth());
  TGPPen MinutePen(ColorToGPColor(A->MinuteColor()), A->MinuteMarkWidth());
  const auto Line = [&](TGPPen& Pen, double Inner, double Theta, float DX, float DY) {
    const TGPPointF P1 = At(C, 1, Inner, Theta), P2 = At(C, 1, Ro, Theta);
    G.DrawLine(&Pen, P1.X + DX, P1.Y + DY, P2.X + DX, P2.Y + DY);
  };
  for (Integer Step = 0; Step < 60; ++Step) {
    const double Theta = Step * 6.0;
    if (Step % 15 == 0) {
      if (A->HourMarkStyle() == hmsQuartDblLine) {
        const bool Side = Step == 15 || Step == 45;
        Line(HourPen, Rh, Theta, Side ? 0.f : -2.f, Side ? -2.f : 0.f);
        Line(HourPen, Rh, Theta, Side ? 0.f : 2.f, Side ? 2.f : 0.f);
      } else {
        Line(HourPen, Rh, Theta, 0, 0);
      }
    } else if (Step % 5 == 0) {
      if (A->TickMarks() == tmAll || A->TickMarks() == tmHours) Line(HourPen, Rh, Theta, 0, 0);
    } else if (A->TickMarks() == tmAll) {
      Line(MinutePen, Rm, Theta, 0, 0);
    }
  }
}

void TExWatch::DrawNumbers(TCanvas* Canvas) {
  if (!FShowNumbers) return;
  const TWatchAppearance* A = FAppearance.get();
  Canvas->Font()->Assign(A->HourFont());
  Canvas->Brush()->SetStyle(bsClear);
  const TPoint C = GetCenter();
  const double Ro = GetRadius() - A->BorderWidth() / 2;
  const Integer B = A->HourMarkLength() > 0 ? A->HourMarkLength() : Nint(Ro - 0.9 * Ro) + 2;
  const double Rn = Ro - 2 * B - 2;
  for (Integer I = 1; I <= 12; ++I) {
    if (A->TickMarks() == tmQuartHours && I % 3 != 0) continue;
    const String Text = IntToStr(I);
    const TSize Extent = Canvas->TextExtent(Text);
    const Integer D = I == 10 ? Nint(0.2 * Extent.cy) : I == 11 ? Nint(0.15 * Extent.cy) : 0;
    const double R = Rn - D + B / 2;
    const Integer X = Nint(std::sin(Rad(30.0 * I)) * R) + C.X + 1;
    const Integer Y = C.Y + 1 - Nint(std::cos(Rad(30.0 * I)) * R);
    Canvas->TextOut(X - Extent.cx / 2 - 1, Y - Extent.cy / 2 - 1, Text);
  }
  Canvas->Brush()->SetStyle(bsSolid);
}

TRect TExWatch::GetAMPMRect() {
  if (!FShowAMPM) return TRect(-1, -1, -1, -1);
  TBitmap Measure;
  Measure.SetSize(1, 1);
  Measure.Canvas()->Font()->Assign(FAppearance->AMPMFont());
  const TSize Extent = Measure.Canvas()->TextExtent(L"AM");
  const TPoint C = GetCenter();
  const Integer Rho = GetRadius();
  const Integer W = Extent.cx + 8;
  const Integer Left = C.X - W / 2, Top = C.Y + Nint((Rho - Extent.cy) / 3.0);
  return TRect(Left, Top, Left + W, Top + Extent.cy);
}

void TExWatch::DrawAMPM(TCanvas* Canvas, TGPGraphics& G) {
  if (!FShowAMPM) return;
  const TWatchAppearance* A = FAppearance.get();
  const TRect R = GetAMPMRect();
  if (A->AMPMColor() != clNone || A->AMPMBorderColor() != clNone) {
    const TGPRectF Box{float(R.Left), float(R.Top), float(R.Width() - 1), float(R.Height() - 1)};
    if (A->AMPMColor() != clNone) {
      TGPSolidBrush Fill(ColorToGPColor(A->AMPMColor()));
      G.FillRectangle(&Fill, Box.X, Box.Y, Box.Width + 1, Box.Height + 1);
    }
    if (A->AMPMBorderColor() != clNone) {
      TGPPen Pen(ColorToGPColor(A->AMPMBorderColor()));
      if (A->AMPMFrame() == apRoundRect)
        StrokeRoundedRect(&G, &Pen, R.Left, R.Top, R.Width() - 1, R.Height() - 1, 2);
      else
        G.DrawRectangle(&Pen, Box);
    }
  }
  PaintGPText(Canvas, &G, taCenter, R, FAM ? L"AM" : L"PM", A->AMPMFont(), true, true, 2);
}

// The label rolls from one half of the day to the other, row by row.
void TExWatch::RollAMPM(bool ToAM) {
  if (!HandleAllocated() || !IsWindowVisible(Handle())) return;
  const TRect Box = GetAMPMRect();
  const TRect Inner(Box.Left + 1, Box.Top + 1, Box.Right - 1, Box.Bottom - 1);
  const Integer W = Inner.Width(), H = Inner.Height();
  if (W <= 0 || H <= 0) return;
  TBitmap Strip;
  Strip.SetSize(W, 2 * H);
  Strip.Canvas()->Brush()->SetColor(FAppearance->AMPMColor());
  Strip.Canvas()->FillRect(TRect(0, 0, W, 2 * H));
  {
    TGPGraphics G(Strip.Canvas()->Handle());
    PaintGPText(Strip.Canvas(), &G, taCenter, TRect(0, 0, W, H), L"AM", FAppearance->AMPMFont(), true, true, 2);
    PaintGPText(Strip.Canvas(), &G, taCenter, TRect(0, H, W, 2 * H), L"PM", FAppearance->AMPMFont(), true, true, 2);
  }
  const TRect C = ClientRect();
  Integer Offset = ToAM ? H : 0;
  for (Integer Frame = 0; Frame < H; ++Frame) {
    Offset += ToAM ? -1 : 1;
    TBitmap Shot;
    Shot.SetSize(C.Width(), C.Height());
    Shot.Canvas()->Draw(0, 0, FBKGCache.get());
    BitBlt(Shot.Canvas()->Handle(), Inner.Left, Inner.Top, W, H, Strip.Canvas()->Handle(), 0, Offset, SRCCOPY);
    {
      TGPGraphics G(Shot.Canvas()->Handle());
      G.SetSmoothingMode(SmoothingModeAntiAlias);
      TGPPen Pen(ColorToGPColor(FAppearance->AMPMBorderColor()));
      if (FAppearance->AMPMFrame() == apRoundRect)
        StrokeRoundedRect(&G, &Pen, Box.Left, Box.Top, Box.Width() - 1, Box.Height() - 1, 2);
      else
        G.DrawRectangle(&Pen, float(Box.Left), float(Box.Top), float(Box.Width() - 1), float(Box.Height() - 1));
      DrawPointers(G);
    }
    TWindowDC DC(Handle());
    BitBlt(DC, 0, 0, C.Width(), C.Height(), Shot.Canvas()->Handle(), 0, 0, SRCCOPY);
    Sleep(10);
  }
}

// --- pointers -----------------------------------------------------------------------------------------

void TExWatch::DrawPointers(TGPGraphics& G) {
  Word H = 0, M = 0, S = 0, MS = 0;
  DecodeTime(CurrentWatchTime(), H, M, S, MS);
  if (FSettings->Auto()) {
    FInternalSet = true;
    SetAM(H < 12);
    FInternalSet = false;
  }
  H %= 12;
  const double HourAngle = 30.0 * H + (M / 12.0) * 6, MinuteAngle = 6.0 * M;
  if (FAppearance->PointerStyle() == psPointer)
    DrawPolygonPointers(G, HourAngle, MinuteAngle);
  else
    DrawLinePointers(G, HourAngle, MinuteAngle);
  if (FSettings->Auto() && FSettings->Second()) {
    const TPoint C = GetCenter();
    const double Rho = GetRadius();
    TGPPen Pen(ColorToGPColor(FAppearance->SecondPointer()), FAppearance->SecondPointerSize());
    const TGPPointF Tail = At(C, Rho, -0.2, 6.0 * S), Tip = At(C, Rho, 0.9, 6.0 * S);
    G.DrawLine(&Pen, Tail.X, Tail.Y, Tip.X, Tip.Y);
  }
  DrawCenterPoint(G);
}

void TExWatch::DrawLinePointers(TGPGraphics& G, double HourAngle, double MinuteAngle) {
  const TWatchAppearance* A = FAppearance.get();
  const TPoint C = GetCenter();
  const double Rho = GetRadius();
  const double Tail = A->PointerStyle() == psShortLine ? 0 : 0.1;
  const auto Line = [&](TColor Color, uint8_t Alpha, Byte Width, TPoint Around, double To, double Theta) {
    if (Color == clNone) return;
    TGPPen Pen(Alpha == 255 ? ColorToGPColor(Color) : RawColor(Color, Alpha), Width);
    const TGPPointF P1 = At(Around, Rho, -Tail, Theta), P2 = At(Around, Rho, To, Theta);
    G.DrawLine(&Pen, P1.X, P1.Y, P2.X, P2.Y);
  };
  const auto Arrow = [&](TColor Color, Byte Width, double Back, double To, double Theta, double Spread) {
    TGPPen Pen(ColorToGPColor(Color), Width);
    const TGPPointF L = At(C, Rho, Back, Theta + Spread), T = At(C, Rho, To, Theta), R = At(C, Rho, Back, Theta - Spread);
    G.DrawLine(&Pen, L.X, L.Y, T.X, T.Y);
    G.DrawLine(&Pen, T.X, T.Y, R.X, R.Y);
  };
  Line(A->HourPointerShadow(), 80, A->HourPointerSize(), TPoint{C.X - 1, C.Y + 3}, 0.46, HourAngle);
  Line(A->HourPointer(), 255, A->HourPointerSize(), C, 0.5, HourAngle);
  if (A->PointerStyle() == psLineArrow) Arrow(A->HourPointer(), A->HourPointerSize(), 0.4, 0.5, HourAngle, 10);
  Line(A->MinutePointerShadow(), 80, A->MinutePointerSize(), TPoint{C.X, C.Y + 3}, 0.65, MinuteAngle);
  Line(A->MinutePointer(), 255, A->MinutePointerSize(), C, 0.7, MinuteAngle);
  if (A->PointerStyle() == psLineArrow) Arrow(A->MinutePointer(), A->MinutePointerSize(), 0.6, 0.7, MinuteAngle, 7);
}

void TExWatch::DrawPolygonPointers(TGPGraphics& G, double HourAngle, double MinuteAngle) {
  const TWatchAppearance* A = FAppearance.get();
  const TPoint C = GetCenter();
  const double Rho = GetRadius();
  const auto Polygon = [&](TColor Color, uint8_t Alpha, double Length, double Theta, float DX, float DY) {
    if (Color == clNone) return;
    TGPPointF P[4] = {At(C, Rho, -0.1, Theta), At(C, Rho, -0.05, Theta + 90), At(C, Rho, Length, Theta),
                      At(C, Rho, -0.05, Theta - 90)};
    for (TGPPointF& Q : P) {
      Q.X += DX;
      Q.Y += DY;
    }
    TGPSolidBrush Brush(Alpha == 255 ? ColorToGPColor(Color) : RawColor(Color, Alpha));
    G.FillPolygon(&Brush, P, 4);
  };
  Polygon(A->HourPointerShadow(), 80, 0.5, HourAngle, 1, 3);
  Polygon(A->HourPointer(), 255, 0.5, HourAngle, 0, 0);
  Polygon(A->MinutePointerShadow(), 80, 0.7, MinuteAngle, 1, 3);
  Polygon(A->MinutePointer(), 255, 0.7, MinuteAngle, 0, 0);
}

void TExWatch::DrawCenterPoint(TGPGraphics& G) {
  const TWatchAppearance* A = FAppearance.get();
  const Integer Z = A->CenterPointSize();
  if (Z <= 0) return;
  const TPoint C = GetCenter();
  const float Half = Z / 2.f;
  if (A->CenterPointColor() != clNone) {
    TGPSolidBrush Brush(ColorToGPColor(A->CenterPointColor()));
    G.FillEllipse(&Brush, TGPRectF{C.X - Half, C.Y - Half, float(Z), float(Z)});
  }
  Integer W = 0;
  if (A->CenterPointOuterBorderColor() != clNone) {
    W = Nint(0.2 * Z);
    TGPPen Pen(ColorToGPColor(A->CenterPointOuterBorderColor()), float(W));
    G.DrawEllipse(&Pen, TGPRectF{C.X - Half, C.Y - Half, float(Z), float(Z)});
  }
  if (A->CenterPointBorderColor() != clNone) {
    const float D = float(Z - W), H = D / 2;
    TGPPen Pen(ColorToGPColor(A->CenterPointBorderColor()), float(Nint(0.1 * Z)));
    G.DrawEllipse(&Pen, TGPRectF{C.X - H, C.Y - H, D, D});
  }
}

// --- drawing functions ---------------------------------------------------------------------------------

TRect PaintGPText(TCanvas* Canvas, TGPGraphics* Graphics, TAlignment Alignment, const TRect& R, const String& Text,
                  TFont* Font, bool Enabled, bool Draw, Integer Quality) {
  if ((!Canvas && !Graphics) || Text.empty()) return TRect();
  std::unique_ptr<TGPGraphics> Own;
  TGPGraphics* G = Graphics;
  if (!G) {
    Own = std::make_unique<TGPGraphics>(Canvas->Handle());
    G = Own.get();
  }
  G->SetSmoothingMode(SmoothingModeAntiAlias);
  std::unique_ptr<TGPFont> GPFont(G->MakeFont(Font));
  TGPStringFormat Format;
  Format.SetAlignment(Alignment == taLeftJustify    ? StringAlignmentNear
                      : Alignment == taRightJustify ? StringAlignmentFar
                                                    : StringAlignmentCenter);
  Format.SetLineAlignment(StringAlignmentNear);
  Format.SetHotkeyPrefix(HotkeyPrefixShow);
  Format.SetTrimming(StringTrimmingNone);
  TGPSolidBrush Brush(Enabled ? ColorToGPColor(Font->Color()) : ARGB(0xFF808080));
  G->SetTextRenderingHint(Quality == 1 ? TextRenderingHintClearTypeGridFit : TextRenderingHintAntiAlias);
  const TGPRectF Layout{float(R.Left), float(R.Top), float(R.Width()), float(R.Height())};
  TGPRectF Box{};
  G->MeasureString(Text, -1, GPFont.get(), Layout, &Format, Box);
  if (Draw) G->DrawString(Text, -1, GPFont.get(), Layout, &Format, &Brush);
  return TRect(Nint(Box.X), Nint(Box.Y), Nint(Box.X + Box.Width), Nint(Box.Y + Box.Height));
}

namespace {

void AddRoundedRect(TGPGraphicsPath& Path, Integer X, Integer Y, Integer W, Integer H, Integer Radius) {
  const float D = float(2 * Radius), L = float(X), T = float(Y), R = float(X + W), B = float(Y + H);
  Path.AddArc(L, T, D, D, 180, 90);
  Path.AddLine(L + Radius, T, R - Radius, T);
  Path.AddArc(R - D, T, D, D, 270, 90);
  Path.AddLine(R, T + Radius, R, B - Radius);
  Path.AddArc(R - D, B - D, D, D, 0, 90);
  Path.AddLine(R - Radius, B, L + Radius, B);
  Path.AddArc(L, B - D, D, D, 90, 90);
  Path.CloseFigure();
}

}  // namespace

void StrokeRoundedRect(TGPGraphics* Graphics, TGPPen* Pen, Integer X, Integer Y, Integer Width, Integer Height,
                       Integer Radius) {
  TGPGraphicsPath Path;
  AddRoundedRect(Path, X, Y, Width, Height, Radius);
  Graphics->DrawPath(Pen, &Path);
}

void FillRoundedRect(TGPGraphics* Graphics, TGPBrush* Brush, Integer X, Integer Y, Integer Width, Integer Height,
                     Integer Radius) {
  TGPGraphicsPath Path;
  AddRoundedRect(Path, X, Y, Width, Height, Radius);
  Graphics->FillPath(Brush, &Path);
}

TGPGraphicsPath* MakeRoundedRectPath(const TGPRect& R, Integer Radius) {
  auto* Path = new TGPGraphicsPath();
  AddRoundedRect(*Path, R.X, R.Y, R.Width, R.Height, Radius);
  return Path;
}

TGPGraphicsPath* MakeRectPath(const TGPRect& R) {
  auto* Path = new TGPGraphicsPath();
  Path->AddRectangle(R);
  Path->CloseFigure();
  return Path;
}

void PaintGraphicGP(TGPGraphics* Graphics, TCanvas* Canvas, const TRect& R, TGraphic* Graphic, bool Stretch,
                    bool Transparent) {
  if ((!Graphics && !Canvas) || !Graphic) return;
  std::unique_ptr<TGPGraphics> Own;
  TGPGraphics* G = Graphics;
  if (!G) {
    Own = std::make_unique<TGPGraphics>(Canvas->Handle());
    Own->SetSmoothingMode(SmoothingModeAntiAlias);
    G = Own.get();
  }
  TMemoryStream Bytes;
  Graphic->SaveToStream(&Bytes);
  IStream* Stream = ImageBytesStream(Bytes.Memory(), static_cast<size_t>(Bytes.Size()));
  if (!Stream) return;
  TGPImage Image(Stream);
  const bool Png = Image.GetFormat() == ifPNG;
  if (!Transparent || Png) {
    G->DrawImage(&Image, R.Left, R.Top);
  } else {
    TGPBitmap Bitmap(Stream);
    ARGB Key = 0;
    Bitmap.GetPixel(0, 0, Key);
    TGPImageAttributes Attributes;
    Attributes.SetColorKey(Key, Key);
    const float W = Stretch ? float(R.Width()) : float(Image.GetWidth());
    const float H = Stretch ? float(R.Height()) : float(Image.GetHeight());
    G->DrawImage(&Image, TGPRectF{float(R.Left), float(R.Top), W, H}, 0, 0, float(Image.GetWidth()),
                 float(Image.GetHeight()), UnitPixel, &Attributes);
  }
  Stream->Release();
}

bool PointInEllipse(TPoint P, Integer X1, Integer Y1, Integer X2, Integer Y2) {
  TGdiObject<HRGN> Region(CreateEllipticRgn(X1, Y1, X2, Y2));
  return PtInRegion(Region.Handle(), P.X, P.Y) != 0;
}

}  // namespace jorv::dropdown
