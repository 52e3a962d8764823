#include "foundation/GDIPlusBrush.h"

#include "foundation/GDIPlusFlat.h"
#include "foundation/GDIPlusImage.h"
#include "foundation/GDIPlusPath.h"

namespace jorv::foundation {

using namespace gdipflat;

namespace {
GpImage* Native(TGPImage* Image) { return Image ? Image->NativeImage() : nullptr; }
GpImageAttributes* Native(TGPImageAttributes* Attr) {
  return Attr ? Attr->NativeImageAttr() : nullptr;
}
}  // namespace

TGPBrush::~TGPBrush() {
  if (nativeBrush) GdipDeleteBrush(nativeBrush);
}

Status TGPBrush::SetStatus(Status S) {
  if (S != Ok) lastResult = S;
  return S;
}

Status TGPBrush::GetLastStatus() {
  const Status S = lastResult;
  lastResult = Ok;
  return S;
}

// Solid

TGPSolidBrush::TGPSolidBrush(ARGB Color) { lastResult = GdipCreateSolidFill(Color, &nativeBrush); }

// Hatch

TGPHatchBrush::TGPHatchBrush(HatchStyle Style, ARGB ForeColor, ARGB BackColor) {
  lastResult = GdipCreateHatchBrush(Style, ForeColor, BackColor, &nativeBrush);
}

HatchStyle TGPHatchBrush::GetHatchStyle() {
  HatchStyle Style = HatchStyleHorizontal;
  SetStatus(GdipGetHatchStyle(nativeBrush, &Style));
  return Style;
}

Status TGPHatchBrush::GetForegroundColor(ARGB& Color) {
  return SetStatus(GdipGetHatchForegroundColor(nativeBrush, &Color));
}

Status TGPHatchBrush::GetBackgroundColor(ARGB& Color) {
  return SetStatus(GdipGetHatchBackgroundColor(nativeBrush, &Color));
}

// Texture

TGPTextureBrush::TGPTextureBrush(TGPImage* Image, WrapMode Mode) {
  lastResult = GdipCreateTexture(Native(Image), Mode, &nativeBrush);
}

TGPTextureBrush::TGPTextureBrush(TGPImage* Image, WrapMode Mode, const TGPRectF& DstRect) {
  lastResult = GdipCreateTexture2(Native(Image), Mode, DstRect.X, DstRect.Y, DstRect.Width,
                                  DstRect.Height, &nativeBrush);
}

TGPTextureBrush::TGPTextureBrush(TGPImage* Image, WrapMode Mode, const TGPRect& DstRect) {
  lastResult = GdipCreateTexture2I(Native(Image), Mode, DstRect.X, DstRect.Y, DstRect.Width,
                                   DstRect.Height, &nativeBrush);
}

TGPTextureBrush::TGPTextureBrush(TGPImage* Image, WrapMode Mode, float DstX, float DstY,
                                 float DstWidth, float DstHeight) {
  lastResult =
      GdipCreateTexture2(Native(Image), Mode, DstX, DstY, DstWidth, DstHeight, &nativeBrush);
}

TGPTextureBrush::TGPTextureBrush(TGPImage* Image, WrapMode Mode, Integer DstX, Integer DstY,
                                 Integer DstWidth, Integer DstHeight) {
  lastResult =
      GdipCreateTexture2I(Native(Image), Mode, DstX, DstY, DstWidth, DstHeight, &nativeBrush);
}

TGPTextureBrush::TGPTextureBrush(TGPImage* Image, const TGPRectF& DstRect,
                                 TGPImageAttributes* Attributes) {
  lastResult = GdipCreateTextureIA(Native(Image), Native(Attributes), DstRect.X, DstRect.Y,
                                   DstRect.Width, DstRect.Height, &nativeBrush);
}

TGPTextureBrush::TGPTextureBrush(TGPImage* Image, const TGPRect& DstRect,
                                 TGPImageAttributes* Attributes) {
  lastResult = GdipCreateTextureIAI(Native(Image), Native(Attributes), DstRect.X, DstRect.Y,
                                    DstRect.Width, DstRect.Height, &nativeBrush);
}

Status TGPTextureBrush::ResetTransform() {
  return SetStatus(GdipResetTextureTransform(nativeBrush));
}

Status TGPTextureBrush::TranslateTransform(float DX, float DY, MatrixOrder Order) {
  return SetStatus(GdipTranslateTextureTransform(nativeBrush, DX, DY, Order));
}

Status TGPTextureBrush::ScaleTransform(float SX, float SY, MatrixOrder Order) {
  return SetStatus(GdipScaleTextureTransform(nativeBrush, SX, SY, Order));
}

Status TGPTextureBrush::RotateTransform(float Angle, MatrixOrder Order) {
  return SetStatus(GdipRotateTextureTransform(nativeBrush, Angle, Order));
}

Status TGPTextureBrush::SetWrapMode(WrapMode Mode) {
  return SetStatus(GdipSetTextureWrapMode(nativeBrush, Mode));
}

WrapMode TGPTextureBrush::GetWrapMode() {
  WrapMode Mode = WrapModeTile;
  SetStatus(GdipGetTextureWrapMode(nativeBrush, &Mode));
  return Mode;
}

TGPImage* TGPTextureBrush::GetImage() {
  GpImage* Image = nullptr;
  SetStatus(GdipGetTextureImage(nativeBrush, &Image));
  return new TGPImage(Image, lastResult);
}

// Linear gradient

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPPointF& Point1, const TGPPointF& Point2,
                                               ARGB Color1, ARGB Color2) {
  lastResult = GdipCreateLineBrush(&Point1, &Point2, Color1, Color2, WrapModeTile, &nativeBrush);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPPoint& Point1, const TGPPoint& Point2,
                                               ARGB Color1, ARGB Color2) {
  lastResult = GdipCreateLineBrushI(&Point1, &Point2, Color1, Color2, WrapModeTile, &nativeBrush);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRectF& Rect, ARGB Color1, ARGB Color2,
                                               LinearGradientMode Mode) {
  lastResult =
      GdipCreateLineBrushFromRect(&Rect, Color1, Color2, Mode, WrapModeTile, &nativeBrush);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRect& Rect, ARGB Color1, ARGB Color2,
                                               LinearGradientMode Mode) {
  lastResult =
      GdipCreateLineBrushFromRectI(&Rect, Color1, Color2, Mode, WrapModeTile, &nativeBrush);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRectF& Rect, ARGB Color1, ARGB Color2,
                                               float Angle, bool IsAngleScalable) {
  lastResult = GdipCreateLineBrushFromRectWithAngle(&Rect, Color1, Color2, Angle, IsAngleScalable,
                                                    WrapModeTile, &nativeBrush);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRect& Rect, ARGB Color1, ARGB Color2,
                                               float Angle, bool IsAngleScalable) {
  lastResult = GdipCreateLineBrushFromRectWithAngleI(&Rect, Color1, Color2, Angle,
                                                     IsAngleScalable, WrapModeTile, &nativeBrush);
}

Status TGPLinearGradientBrush::SetGammaCorrection(bool UseGammaCorrection) {
  return SetStatus(GdipSetLineGammaCorrection(nativeBrush, UseGammaCorrection));
}

Status TGPLinearGradientBrush::SetInterpolationColors(const ARGB* PresetColors,
                                                      const float* BlendPositions, Integer Count) {
  if (Count <= 0 || !PresetColors) return SetStatus(InvalidParameter);
  return SetStatus(GdipSetLinePresetBlend(nativeBrush, PresetColors, BlendPositions, Count));
}

// Path gradient

TGPPathGradientBrush::TGPPathGradientBrush(TGPGraphicsPath* Path) {
  lastResult = GdipCreatePathGradientFromPath(Path ? Path->NativePath() : nullptr, &nativeBrush);
}

Status TGPPathGradientBrush::GetCenterColor(ARGB& Color) {
  SetStatus(GdipGetPathGradientCenterColor(nativeBrush, &Color));
  return lastResult;
}

Status TGPPathGradientBrush::SetCenterColor(ARGB Color) {
  SetStatus(GdipSetPathGradientCenterColor(nativeBrush, Color));
  return lastResult;
}

Integer TGPPathGradientBrush::GetPointCount() {
  INT Count = 0;
  SetStatus(GdipGetPathGradientPointCount(nativeBrush, &Count));
  return Count;
}

Status TGPPathGradientBrush::GetSurroundColors(ARGB* Colors, Integer& Count) {
  if (!Colors) return SetStatus(InvalidParameter);
  INT N = 0;
  SetStatus(GdipGetPathGradientSurroundColorCount(nativeBrush, &N));
  if (lastResult != Ok) return lastResult;
  if (Count < N || N <= 0) return SetStatus(InsufficientBuffer);
  INT Fetched = N;
  SetStatus(GdipGetPathGradientSurroundColorsWithCount(nativeBrush, Colors, &Fetched));
  if (lastResult == Ok) Count = Fetched;
  return lastResult;
}

Status TGPPathGradientBrush::SetSurroundColors(const ARGB* Colors, Integer& Count) {
  const Integer Points = GetPointCount();
  if (!Colors || Count > Points || Points <= 0) return SetStatus(InvalidParameter);
  INT Taken = Count;
  SetStatus(GdipSetPathGradientSurroundColorsWithCount(nativeBrush, Colors, &Taken));
  if (lastResult == Ok) Count = Taken;
  return lastResult;
}

Status TGPPathGradientBrush::GetCenterPoint(TGPPointF& Point) {
  return SetStatus(GdipGetPathGradientCenterPoint(nativeBrush, &Point));
}

Status TGPPathGradientBrush::GetCenterPoint(TGPPoint& Point) {
  return SetStatus(GdipGetPathGradientCenterPointI(nativeBrush, &Point));
}

Status TGPPathGradientBrush::SetCenterPoint(const TGPPointF& Point) {
  return SetStatus(GdipSetPathGradientCenterPoint(nativeBrush, &Point));
}

Status TGPPathGradientBrush::SetCenterPoint(const TGPPoint& Point) {
  return SetStatus(GdipSetPathGradientCenterPointI(nativeBrush, &Point));
}

Status TGPPathGradientBrush::SetWrapMode(WrapMode Mode) {
  return SetStatus(GdipSetPathGradientWrapMode(nativeBrush, Mode));
}

Status TGPPathGradientBrush::SetGammaCorrection(bool UseGammaCorrection) {
  return SetStatus(GdipSetPathGradientGammaCorrection(nativeBrush, UseGammaCorrection));
}

Status TGPPathGradientBrush::SetInterpolationColors(const ARGB* PresetColors,
                                                    const float* BlendPositions, Integer Count) {
  if (Count <= 0 || !PresetColors) return SetStatus(InvalidParameter);
  return SetStatus(GdipSetPathGradientPresetBlend(nativeBrush, PresetColors, BlendPositions, Count));
}

}  // namespace jorv::foundation
