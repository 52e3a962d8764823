#pragma once
// A GDI+ drawing surface over a device context or an image, with the
// library's own helpers for drawing and measuring a platform font's text.
#include "foundation/GDIPlusBase.h"
#include "platform/gfx/Colors.h"
#include "platform/rtl/WinApi.h"

namespace jorv {
class TFont;
}
namespace jorv::foundation {

class TGPPen;
class TGPBrush;
class TGPGraphicsPath;
class TGPRegion;
class TGPFont;
class TGPStringFormat;
class TGPImage;
class TGPImageAttributes;
class TGPMatrix;

class TGPGraphics : public TGdiplusBase {
 public:
  explicit TGPGraphics(HDC DC);
  explicit TGPGraphics(TGPImage* Image);
  ~TGPGraphics();
  TGPGraphics(const TGPGraphics&) = delete;
  TGPGraphics& operator=(const TGPGraphics&) = delete;
  static TGPGraphics* FromImage(TGPImage* Image) { return new TGPGraphics(Image); }

  void Flush(FlushIntention Intention = FlushIntentionFlush);
  Status Clear(ARGB Color);

  Status SetTransform(TGPMatrix* Matrix);
  Status ResetTransform();
  Status MultiplyTransform(TGPMatrix* Matrix, MatrixOrder Order = MatrixOrderPrepend);
  Status TranslateTransform(float DX, float DY, MatrixOrder Order = MatrixOrderPrepend);
  Status ScaleTransform(float SX, float SY, MatrixOrder Order = MatrixOrderPrepend);
  Status RotateTransform(float Angle, MatrixOrder Order = MatrixOrderPrepend);

  HDC GetHDC();
  void ReleaseHDC(HDC DC);

  Status SetCompositingQuality(int32_t Quality);
  int32_t GetCompositingQuality();
  Status SetTextRenderingHint(TextRenderingHint Mode);
  TextRenderingHint GetTextRenderingHint();
  Status SetSmoothingMode(int32_t Mode);
  int32_t GetSmoothingMode();

  Status DrawPath(TGPPen* Pen, TGPGraphicsPath* Path);
  Status FillPath(TGPBrush* Brush, TGPGraphicsPath* Path);
  Status FillRectangle(TGPBrush* Brush, const TGPRectF& Rect);
  Status FillRectangle(TGPBrush* Brush, float X, float Y, float Width, float Height);
  Status DrawRectangle(TGPPen* Pen, const TGPRectF& Rect);
  Status DrawRectangle(TGPPen* Pen, float X, float Y, float Width, float Height);
  Status DrawLine(TGPPen* Pen, float X1, float Y1, float X2, float Y2);
  Status DrawArc(TGPPen* Pen, float X, float Y, float Width, float Height, float StartAngle,
                 float SweepAngle);
  Status DrawArc(TGPPen* Pen, const TGPRectF& Rect, float StartAngle, float SweepAngle);
  Status DrawBezier(TGPPen* Pen, float X1, float Y1, float X2, float Y2, float X3, float Y3,
                    float X4, float Y4);
  Status DrawBezier(TGPPen* Pen, const TGPPointF& Pt1, const TGPPointF& Pt2, const TGPPointF& Pt3,
                    const TGPPointF& Pt4);
  Status DrawBeziers(TGPPen* Pen, const TGPPointF* Points, Integer Count);
  Status DrawEllipse(TGPPen* Pen, const TGPRectF& Rect);
  Status DrawEllipse(TGPPen* Pen, float X, float Y, float Width, float Height);
  Status DrawEllipse(TGPPen* Pen, const TGPRect& Rect);
  Status DrawEllipse(TGPPen* Pen, Integer X, Integer Y, Integer Width, Integer Height);
  Status FillEllipse(TGPBrush* Brush, const TGPRectF& Rect);
  Status FillEllipse(TGPBrush* Brush, float X, float Y, float Width, float Height);
  Status FillEllipse(TGPBrush* Brush, const TGPRect& Rect);
  Status FillEllipse(TGPBrush* Brush, Integer X, Integer Y, Integer Width, Integer Height);
  Status FillPolygon(TGPBrush* Brush, const TGPPointF* Points, Integer Count,
                     FillMode Mode = FillModeAlternate);
  Status FillPolygon(TGPBrush* Brush, const TGPPoint* Points, Integer Count,
                     FillMode Mode = FillModeAlternate);

  Status DrawImage(TGPImage* Image, Integer X, Integer Y);
  Status DrawImage(TGPImage* Image, const TGPRectF& Rect);
  Status DrawImage(TGPImage* Image, float X, float Y, float Width, float Height);
  Status DrawImage(TGPImage* Image, const TGPRectF& DestRect, float SrcX, float SrcY,
                   float SrcWidth, float SrcHeight, Unit_ SrcUnit,
                   TGPImageAttributes* ImageAttributes = nullptr,
                   TDrawImageAbort Callback = nullptr, void* CallbackData = nullptr);
  Status DrawImageRect(TGPImage* Image, Integer X, Integer Y, Integer W, Integer H);
  Status DrawImageRect(TGPImage* Image, const TGPRectF& ARect);

  // Always draws the whole string, whatever Length says.
  Status DrawString(const String& Text, Integer Length, TGPFont* Font, const TGPRectF& LayoutRect,
                    TGPStringFormat* StringFormat, TGPBrush* Brush);
  Status DrawString(const String& Text, Integer Length, TGPFont* Font, const TGPPointF& Origin,
                    TGPBrush* Brush);
  Status DrawString(const String& Text, Integer Length, TGPFont* Font, const TGPPointF& Origin,
                    TGPStringFormat* StringFormat, TGPBrush* Brush);
  // Measures Length characters (-1: the whole string); a length past the
  // string's end measures the whole string.
  Status MeasureString(const String& Text, Integer Length, TGPFont* Font,
                       const TGPRectF& LayoutRect, TGPStringFormat* StringFormat,
                       TGPRectF& BoundingBox, Integer* CodepointsFitted = nullptr,
                       Integer* LinesFilled = nullptr);
  Status MeasureString(const String& Text, Integer Length, TGPFont* Font, const TGPPointF& Origin,
                       TGPStringFormat* StringFormat, TGPRectF& BoundingBox);
  Status MeasureString(const String& Text, Integer Length, TGPFont* Font,
                       const TGPRectF& LayoutRect, TGPRectF& BoundingBox);

  Status ExcludeClip(const TGPRectF& Rect);
  Status ExcludeClip(TGPRegion* Region);
  Status SetClip(TGPRegion* Region, CombineMode Mode = CombineModeReplace);
  Status SetClip(TGPGraphicsPath* Path, CombineMode Mode = CombineModeReplace);
  Status ResetClip();

  // A GDI+ font of the platform font's face (Arial when the face is not
  // installed), size in points and style; the caller frees it.
  TGPFont* MakeFont(TFont* AFont);
  Integer TextWidth(const String& Text, TFont* Font);
  Integer TextHeight(const String& Text, TFont* Font);
  // Draws Text at Rect's top-left in Font's colour. Style $400 measures
  // only; with it or a background colour Rect becomes the text's extent
  // (and is filled with BkColor unless that is clNone). Returns the
  // extent's height.
  Integer DrawText(const String& Text, Integer Len, TRect& Rect, TFont* Font, UINT Style,
                   TColor BkColor = clNone);

  Status GetLastStatus();
  GpGraphics* NativeGraphics() const { return nativeGraphics; }

 private:
  Status SetStatus(Status S);

  GpGraphics* nativeGraphics = nullptr;
  Status lastResult = Ok;
};

}  // namespace jorv::foundation
