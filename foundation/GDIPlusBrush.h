#pragma once
// GDI+ brushes: solid, hatched, textured, linear and path gradients.
#include "foundation/GDIPlusBase.h"

namespace jorv::foundation {

class TGPImage;
class TGPImageAttributes;
class TGPGraphicsPath;

class TGPBrush : public TGdiplusBase {
 public:
  // A brush without a native fill; nothing can be drawn with it.
  TGPBrush() : lastResult(NotImplemented) {}
  TGPBrush(GpBrush* NativeBrush, Status AStatus) : nativeBrush(NativeBrush), lastResult(AStatus) {}
  ~TGPBrush();
  TGPBrush(const TGPBrush&) = delete;
  TGPBrush& operator=(const TGPBrush&) = delete;

  Status GetLastStatus();
  GpBrush* NativeBrush() const { return nativeBrush; }

 protected:
  friend class TGPPen;
  Status SetStatus(Status S);
  void SetNativeBrush(GpBrush* Brush) { nativeBrush = Brush; }

  GpBrush* nativeBrush = nullptr;
  Status lastResult = Ok;
};

class TGPSolidBrush : public TGPBrush {
 public:
  TGPSolidBrush() : TGPBrush(nullptr, Ok) {}
  explicit TGPSolidBrush(ARGB Color);
};

class TGPHatchBrush : public TGPBrush {
 public:
  TGPHatchBrush() : TGPBrush(nullptr, Ok) {}
  TGPHatchBrush(HatchStyle Style, ARGB ForeColor, ARGB BackColor = 0xFF000000);
  HatchStyle GetHatchStyle();
  Status GetForegroundColor(ARGB& Color);
  Status GetBackgroundColor(ARGB& Color);
};

class TGPTextureBrush : public TGPBrush {
 public:
  TGPTextureBrush() : TGPBrush(nullptr, Ok) {}
  TGPTextureBrush(TGPImage* Image, WrapMode Mode = WrapModeTile);
  TGPTextureBrush(TGPImage* Image, WrapMode Mode, const TGPRectF& DstRect);
  TGPTextureBrush(TGPImage* Image, WrapMode Mode, const TGPRect& DstRect);
  TGPTextureBrush(TGPImage* Image, WrapMode Mode, float DstX, float DstY, float DstWidth,
                  float DstHeight);
  TGPTextureBrush(TGPImage* Image, WrapMode Mode, Integer DstX, Integer DstY, Integer DstWidth,
                  Integer DstHeight);
  TGPTextureBrush(TGPImage* Image, const TGPRectF& DstRect, TGPImageAttributes* Attributes);
  TGPTextureBrush(TGPImage* Image, const TGPRect& DstRect, TGPImageAttributes* Attributes);

  Status ResetTransform();
  Status TranslateTransform(float DX, float DY, MatrixOrder Order = MatrixOrderPrepend);
  Status ScaleTransform(float SX, float SY, MatrixOrder Order = MatrixOrderPrepend);
  Status RotateTransform(float Angle, MatrixOrder Order = MatrixOrderPrepend);
  Status SetWrapMode(WrapMode Mode);
  WrapMode GetWrapMode();
  // A new image of the texture's picture; the caller frees it.
  TGPImage* GetImage();
};

class TGPLinearGradientBrush : public TGPBrush {
 public:
  TGPLinearGradientBrush() = default;
  TGPLinearGradientBrush(const TGPPointF& Point1, const TGPPointF& Point2, ARGB Color1,
                         ARGB Color2);
  TGPLinearGradientBrush(const TGPPoint& Point1, const TGPPoint& Point2, ARGB Color1, ARGB Color2);
  TGPLinearGradientBrush(const TGPRectF& Rect, ARGB Color1, ARGB Color2, LinearGradientMode Mode);
  TGPLinearGradientBrush(const TGPRect& Rect, ARGB Color1, ARGB Color2, LinearGradientMode Mode);
  TGPLinearGradientBrush(const TGPRectF& Rect, ARGB Color1, ARGB Color2, float Angle,
                         bool IsAngleScalable = false);
  TGPLinearGradientBrush(const TGPRect& Rect, ARGB Color1, ARGB Color2, float Angle,
                         bool IsAngleScalable = false);

  Status SetGammaCorrection(bool UseGammaCorrection);
  Status SetInterpolationColors(const ARGB* PresetColors, const float* BlendPositions,
                                Integer Count);
};

class TGPPathGradientBrush : public TGPBrush {
 public:
  TGPPathGradientBrush() = default;
  explicit TGPPathGradientBrush(TGPGraphicsPath* Path);

  Status GetCenterColor(ARGB& Color);
  Status SetCenterColor(ARGB Color);
  Integer GetPointCount();
  Status GetSurroundColors(ARGB* Colors, Integer& Count);
  Status SetSurroundColors(const ARGB* Colors, Integer& Count);
  Status GetCenterPoint(TGPPointF& Point);
  Status GetCenterPoint(TGPPoint& Point);
  Status SetCenterPoint(const TGPPointF& Point);
  Status SetCenterPoint(const TGPPoint& Point);
  Status SetWrapMode(WrapMode Mode);
  Status SetGammaCorrection(bool UseGammaCorrection);
  Status SetInterpolationColors(const ARGB* PresetColors, const float* BlendPositions,
                                Integer Count);
};

}  // namespace jorv::foundation
