#include "foundation/GDIPlusGraphics.h"

#include "foundation/GDIPlusBrush.h"
#include "foundation/GDIPlusFlat.h"
#include "foundation/GDIPlusFont.h"
#include "foundation/GDIPlusImage.h"
#include "foundation/GDIPlusMatrix.h"
#include "foundation/GDIPlusPath.h"
#include "foundation/GDIPlusPen.h"
#include "platform/gfx/Font.h"
#include "platform/rtl/Math.h"

namespace jorv::foundation {

using namespace gdipflat;

namespace {

GpPen* Native(TGPPen* P) { return P ? P->NativePen() : nullptr; }
GpBrush* Native(TGPBrush* B) { return B ? B->NativeBrush() : nullptr; }
GpPath* Native(TGPGraphicsPath* P) { return P ? P->NativePath() : nullptr; }
GpRegion* Native(TGPRegion* R) { return R ? R->NativeRegion() : nullptr; }
GpMatrix* Native(TGPMatrix* M) { return M ? M->NativeMatrix() : nullptr; }
GpImage* Native(TGPImage* I) { return I ? I->NativeImage() : nullptr; }
GpImageAttributes* Native(TGPImageAttributes* A) { return A ? A->NativeImageAttr() : nullptr; }
GpFont* Native(TGPFont* F) { return F ? F->NativeFont() : nullptr; }
GpStringFormat* Native(TGPStringFormat* F) { return F ? F->NativeFormat() : nullptr; }

// A count of characters that stays inside the string; negative means all.
Integer ClampLength(const String& Text, Integer Length) {
  const Integer Size = Integer(Text.size());
  return (Length < 0 || Length > Size) ? Size : Length;
}

}  // namespace

TGPGraphics::TGPGraphics(HDC DC) { lastResult = GdipCreateFromHDC(DC, &nativeGraphics); }

TGPGraphics::TGPGraphics(TGPImage* Image) {
  if (Image) lastResult = GdipGetImageGraphicsContext(Image->NativeImage(), &nativeGraphics);
}

TGPGraphics::~TGPGraphics() {
  if (nativeGraphics) GdipDeleteGraphics(nativeGraphics);
}

Status TGPGraphics::SetStatus(Status S) {
  if (S != Ok) lastResult = S;
  return S;
}

Status TGPGraphics::GetLastStatus() {
  const Status S = lastResult;
  lastResult = Ok;
  return S;
}

void TGPGraphics::Flush(FlushIntention Intention) { GdipFlush(nativeGraphics, Intention); }

Status TGPGraphics::Clear(ARGB Color) { return SetStatus(GdipGraphicsClear(nativeGraphics, Color)); }

Status TGPGraphics::SetTransform(TGPMatrix* Matrix) {
  return SetStatus(GdipSetWorldTransform(nativeGraphics, Native(Matrix)));
}

Status TGPGraphics::ResetTransform() { return SetStatus(GdipResetWorldTransform(nativeGraphics)); }

Status TGPGraphics::MultiplyTransform(TGPMatrix* Matrix, MatrixOrder Order) {
  return SetStatus(GdipMultiplyWorldTransform(nativeGraphics, Native(Matrix), Order));
}

Status TGPGraphics::TranslateTransform(float DX, float DY, MatrixOrder Order) {
  return SetStatus(GdipTranslateWorldTransform(nativeGraphics, DX, DY, Order));
}

Status TGPGraphics::ScaleTransform(float SX, float SY, MatrixOrder Order) {
  return SetStatus(GdipScaleWorldTransform(nativeGraphics, SX, SY, Order));
}

Status TGPGraphics::RotateTransform(float Angle, MatrixOrder Order) {
  return SetStatus(GdipRotateWorldTransform(nativeGraphics, Angle, Order));
}

HDC TGPGraphics::GetHDC() {
  HDC DC = nullptr;
  SetStatus(GdipGetDC(nativeGraphics, &DC));
  return DC;
}

void TGPGraphics::ReleaseHDC(HDC DC) { SetStatus(GdipReleaseDC(nativeGraphics, DC)); }

Status TGPGraphics::SetCompositingQuality(int32_t Quality) {
  return SetStatus(GdipSetCompositingQuality(nativeGraphics, Quality));
}

int32_t TGPGraphics::GetCompositingQuality() {
  CompositingQuality Quality = -1;
  SetStatus(GdipGetCompositingQuality(nativeGraphics, &Quality));
  return Quality;
}

Status TGPGraphics::SetTextRenderingHint(TextRenderingHint Mode) {
  return SetStatus(GdipSetTextRenderingHint(nativeGraphics, Mode));
}

TextRenderingHint TGPGraphics::GetTextRenderingHint() {
  TextRenderingHint Mode = TextRenderingHintSystemDefault;
  SetStatus(GdipGetTextRenderingHint(nativeGraphics, &Mode));
  return Mode;
}

Status TGPGraphics::SetSmoothingMode(int32_t Mode) {
  return SetStatus(GdipSetSmoothingMode(nativeGraphics, Mode));
}

int32_t TGPGraphics::GetSmoothingMode() {
  SmoothingMode Mode = SmoothingModeInvalid;
  if (SetStatus(GdipGetSmoothingMode(nativeGraphics, &Mode)) != Ok) return SmoothingModeInvalid;
  return Mode;
}

Status TGPGraphics::DrawPath(TGPPen* Pen, TGPGraphicsPath* Path) {
  return SetStatus(GdipDrawPath(nativeGraphics, Native(Pen), Native(Path)));
}

Status TGPGraphics::FillPath(TGPBrush* Brush, TGPGraphicsPath* Path) {
  return SetStatus(GdipFillPath(nativeGraphics, Native(Brush), Native(Path)));
}

Status TGPGraphics::FillRectangle(TGPBrush* Brush, const TGPRectF& Rect) {
  return FillRectangle(Brush, Rect.X, Rect.Y, Rect.Width, Rect.Height);
}

Status TGPGraphics::FillRectangle(TGPBrush* Brush, float X, float Y, float Width, float Height) {
  return SetStatus(GdipFillRectangle(nativeGraphics, Native(Brush), X, Y, Width, Height));
}

Status TGPGraphics::DrawRectangle(TGPPen* Pen, const TGPRectF& Rect) {
  return DrawRectangle(Pen, Rect.X, Rect.Y, Rect.Width, Rect.Height);
}

Status TGPGraphics::DrawRectangle(TGPPen* Pen, float X, float Y, float Width, float Height) {
  return SetStatus(GdipDrawRectangle(nativeGraphics, Native(Pen), X, Y, Width, Height));
}

Status TGPGraphics::DrawLine(TGPPen* Pen, float X1, float Y1, float X2, float Y2) {
  return SetStatus(GdipDrawLine(nativeGraphics, Native(Pen), X1, Y1, X2, Y2));
}

Status TGPGraphics::DrawArc(TGPPen* Pen, float X, float Y, float Width, float Height,
                            float StartAngle, float SweepAngle) {
  return SetStatus(
      GdipDrawArc(nativeGraphics, Native(Pen), X, Y, Width, Height, StartAngle, SweepAngle));
}

Status TGPGraphics::DrawArc(TGPPen* Pen, const TGPRectF& Rect, float StartAngle, float SweepAngle) {
  return DrawArc(Pen, Rect.X, Rect.Y, Rect.Width, Rect.Height, StartAngle, SweepAngle);
}

Status TGPGraphics::DrawBezier(TGPPen* Pen, float X1, float Y1, float X2, float Y2, float X3,
                               float Y3, float X4, float Y4) {
  return SetStatus(GdipDrawBezier(nativeGraphics, Native(Pen), X1, Y1, X2, Y2, X3, Y3, X4, Y4));
}

Status TGPGraphics::DrawBezier(TGPPen* Pen, const TGPPointF& Pt1, const TGPPointF& Pt2,
                               const TGPPointF& Pt3, const TGPPointF& Pt4) {
  return DrawBezier(Pen, Pt1.X, Pt1.Y, Pt2.X, Pt2.Y, Pt3.X, Pt3.Y, Pt4.X, Pt4.Y);
}

Status TGPGraphics::DrawBeziers(TGPPen* Pen, const TGPPointF* Points, Integer Count) {
  return SetStatus(GdipDrawBeziers(nativeGraphics, Native(Pen), Points, Count));
}

Status TGPGraphics::DrawEllipse(TGPPen* Pen, const TGPRectF& Rect) {
  return DrawEllipse(Pen, Rect.X, Rect.Y, Rect.Width, Rect.Height);
}

Status TGPGraphics::DrawEllipse(TGPPen* Pen, float X, float Y, float Width, float Height) {
  return SetStatus(GdipDrawEllipse(nativeGraphics, Native(Pen), X, Y, Width, Height));
}

Status TGPGraphics::DrawEllipse(TGPPen* Pen, const TGPRect& Rect) {
  return DrawEllipse(Pen, Rect.X, Rect.Y, Rect.Width, Rect.Height);
}

Status TGPGraphics::DrawEllipse(TGPPen* Pen, Integer X, Integer Y, Integer Width, Integer Height) {
  return SetStatus(GdipDrawEllipseI(nativeGraphics, Native(Pen), X, Y, Width, Height));
}

Status TGPGraphics::FillEllipse(TGPBrush* Brush, const TGPRectF& Rect) {
  return FillEllipse(Brush, Rect.X, Rect.Y, Rect.Width, Rect.Height);
}

Status TGPGraphics::FillEllipse(TGPBrush* Brush, float X, float Y, float Width, float Height) {
  return SetStatus(GdipFillEllipse(nativeGraphics, Native(Brush), X, Y, Width, Height));
}

Status TGPGraphics::FillEllipse(TGPBrush* Brush, const TGPRect& Rect) {
  return FillEllipse(Brush, Rect.X, Rect.Y, Rect.Width, Rect.Height);
}

Status TGPGraphics::FillEllipse(TGPBrush* Brush, Integer X, Integer Y, Integer Width,
                                Integer Height) {
  return SetStatus(GdipFillEllipseI(nativeGraphics, Native(Brush), X, Y, Width, Height));
}

Status TGPGraphics::FillPolygon(TGPBrush* Brush, const TGPPointF* Points, Integer Count,
                                FillMode Mode) {
  return SetStatus(GdipFillPolygon(nativeGraphics, Native(Brush), Points, Count, Mode));
}

Status TGPGraphics::FillPolygon(TGPBrush* Brush, const TGPPoint* Points, Integer Count,
                                FillMode Mode) {
  return SetStatus(GdipFillPolygonI(nativeGraphics, Native(Brush), Points, Count, Mode));
}

Status TGPGraphics::DrawImage(TGPImage* Image, Integer X, Integer Y) {
  return SetStatus(GdipDrawImageI(nativeGraphics, Native(Image), X, Y));
}

Status TGPGraphics::DrawImage(TGPImage* Image, const TGPRectF& Rect) {
  return DrawImage(Image, Rect.X, Rect.Y, Rect.Width, Rect.Height);
}

Status TGPGraphics::DrawImage(TGPImage* Image, float X, float Y, float Width, float Height) {
  return SetStatus(GdipDrawImageRect(nativeGraphics, Native(Image), X, Y, Width, Height));
}

Status TGPGraphics::DrawImage(TGPImage* Image, const TGPRectF& DestRect, float SrcX, float SrcY,
                              float SrcWidth, float SrcHeight, Unit_ SrcUnit,
                              TGPImageAttributes* ImageAttributes, TDrawImageAbort Callback,
                              void* CallbackData) {
  return SetStatus(GdipDrawImageRectRect(nativeGraphics, Native(Image), DestRect.X, DestRect.Y,
                                         DestRect.Width, DestRect.Height, SrcX, SrcY, SrcWidth,
                                         SrcHeight, SrcUnit, Native(ImageAttributes), Callback,
                                         CallbackData));
}

Status TGPGraphics::DrawImageRect(TGPImage* Image, Integer X, Integer Y, Integer W, Integer H) {
  return SetStatus(
      GdipDrawImageRect(nativeGraphics, Native(Image), float(X), float(Y), float(W), float(H)));
}

Status TGPGraphics::DrawImageRect(TGPImage* Image, const TGPRectF& ARect) {
  return DrawImageRect(Image, Integer(Round(ARect.X)), Integer(Round(ARect.Y)),
                       Integer(Round(ARect.Width)), Integer(Round(ARect.Height)));
}

Status TGPGraphics::DrawString(const String& Text, Integer, TGPFont* Font,
                               const TGPRectF& LayoutRect, TGPStringFormat* StringFormat,
                               TGPBrush* Brush) {
  return SetStatus(GdipDrawString(nativeGraphics, Text.c_str(), Integer(Text.size()), Native(Font),
                                  &LayoutRect, Native(StringFormat), Native(Brush)));
}

Status TGPGraphics::DrawString(const String& Text, Integer Length, TGPFont* Font,
                               const TGPPointF& Origin, TGPBrush* Brush) {
  return DrawString(Text, Length, Font, TGPRectF{Origin.X, Origin.Y, 0, 0}, nullptr, Brush);
}

Status TGPGraphics::DrawString(const String& Text, Integer Length, TGPFont* Font,
                               const TGPPointF& Origin, TGPStringFormat* StringFormat,
                               TGPBrush* Brush) {
  return DrawString(Text, Length, Font, TGPRectF{Origin.X, Origin.Y, 0, 0}, StringFormat, Brush);
}

Status TGPGraphics::MeasureString(const String& Text, Integer Length, TGPFont* Font,
                                  const TGPRectF& LayoutRect, TGPStringFormat* StringFormat,
                                  TGPRectF& BoundingBox, Integer* CodepointsFitted,
                                  Integer* LinesFilled) {
  return SetStatus(GdipMeasureString(nativeGraphics, Text.c_str(), ClampLength(Text, Length),
                                     Native(Font), &LayoutRect, Native(StringFormat), &BoundingBox,
                                     CodepointsFitted, LinesFilled));
}

Status TGPGraphics::MeasureString(const String& Text, Integer Length, TGPFont* Font,
                                  const TGPPointF& Origin, TGPStringFormat* StringFormat,
                                  TGPRectF& BoundingBox) {
  return MeasureString(Text, Length, Font, TGPRectF{Origin.X, Origin.Y, 0, 0}, StringFormat,
                       BoundingBox);
}

Status TGPGraphics::MeasureString(const String& Text, Integer Length, TGPFont* Font,
                                  const TGPRectF& LayoutRect, TGPRectF& BoundingBox) {
  return MeasureString(Text, Length, Font, LayoutRect, nullptr, BoundingBox);
}

Status TGPGraphics::ExcludeClip(const TGPRectF& Rect) {
  return SetStatus(GdipSetClipRect(nativeGraphics, Rect.X, Rect.Y, Rect.Width, Rect.Height,
                                   CombineModeExclude));
}

Status TGPGraphics::ExcludeClip(TGPRegion* Region) {
  return SetStatus(GdipSetClipRegion(nativeGraphics, Native(Region), CombineModeExclude));
}

Status TGPGraphics::SetClip(TGPRegion* Region, CombineMode Mode) {
  return SetStatus(GdipSetClipRegion(nativeGraphics, Native(Region), Mode));
}

Status TGPGraphics::SetClip(TGPGraphicsPath* Path, CombineMode Mode) {
  return SetStatus(GdipSetClipPath(nativeGraphics, Native(Path), Mode));
}

Status TGPGraphics::ResetClip() { return SetStatus(GdipResetClip(nativeGraphics)); }

TGPFont* TGPGraphics::MakeFont(TFont* AFont) {
  TGPFontFamily* Family = new TGPFontFamily(AFont->Name());
  const Status S = Family->GetLastStatus();
  if (S == FontFamilyNotFound || S == FontStyleNotFound) {
    delete Family;
    Family = new TGPFontFamily(L"Arial");
  }
  // Where even Arial is missing (a bare Wine prefix), text still shows in
  // the generic sans-serif face rather than not at all.
  TGPFontFamily* Used = Family->NativeFamily() ? Family : TGPFontFamily::GenericSansSerif();
  Integer Style = FontStyleRegular;
  const TFontStyles FS = AFont->Style();
  if (FS.Contains(fsBold)) Style |= FontStyleBold;
  if (FS.Contains(fsItalic)) Style |= FontStyleItalic;
  if (FS.Contains(fsUnderline)) Style |= FontStyleUnderline;
  if (FS.Contains(fsStrikeOut)) Style |= FontStyleStrikeout;
  TGPFont* Font = new TGPFont(Used, float(AFont->Size()), Style, UnitPoint);
  delete Family;
  return Font;
}

Integer TGPGraphics::TextWidth(const String& Text, TFont* Font) {
  TGPFont* GPFont = MakeFont(Font);
  TGPRectF Box;
  MeasureString(Text, Integer(Text.size()), GPFont, TGPRectF{0, 0, 10000, 10000}, Box);
  delete GPFont;
  return Integer(Round(Box.Width));
}

Integer TGPGraphics::TextHeight(const String& Text, TFont* Font) {
  TGPFont* GPFont = MakeFont(Font);
  TGPRectF Box;
  MeasureString(Text, Integer(Text.size()), GPFont, TGPRectF{0, 0, 10000, 10000}, Box);
  delete GPFont;
  return Integer(Round(Box.Height));
}

Integer TGPGraphics::DrawText(const String& Text, Integer Len, TRect& Rect, TFont* Font,
                              UINT Style, TColor BkColor) {
  constexpr UINT MeasureOnly = 0x400;
  TGPFont* GPFont = MakeFont(Font);
  if ((Style & MeasureOnly) != 0 || BkColor != clNone) {
    const Integer Size = Font->Size();
    Integer Correction = 2;
    if (Size > 8) Correction = 2 + Integer(Round((Size - 8) / 1.5));
    // GDI+ drops a trailing blank from the measure; an i stands in for it
    // so that the blank keeps its width.
    String Measured = Text;
    if (Measured.size() > 1 && Measured.back() == L' ') Measured.back() = L'i';
    TGPRectF Box;
    MeasureString(Measured, Len, GPFont,
                  TGPRectF{float(Rect.Left), float(Rect.Top),
                           float(Rect.Right - Rect.Left + 1000), float(Rect.Bottom - Rect.Top)},
                  Box);
    Rect.Right = Rect.Left + Integer(Round(Box.Width - Correction));
    Rect.Bottom = Rect.Top + Integer(Round(Box.Height));
    if (BkColor != clNone) {
      TGPSolidBrush Back(ColorToGPColor(BkColor));
      FillRectangle(&Back, float(Rect.Left + 1), float(Rect.Top), Box.Width - Correction + 1,
                    Box.Height);
    }
  }
  if ((Style & MeasureOnly) == 0) {
    TGPSolidBrush Fore(ColorToGPColor(Font->Color()));
    DrawString(Text, Integer(Text.size()), GPFont, TGPPointF{float(Rect.Left), float(Rect.Top)},
               &Fore);
  }
  delete GPFont;
  return Rect.Bottom - Rect.Top;
}

}  // namespace jorv::foundation
