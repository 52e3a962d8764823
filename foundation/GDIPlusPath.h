#pragma once
// GDI+ paths (figures of lines, curves, shapes and text) and regions.
#include "foundation/GDIPlusBase.h"

namespace jorv::foundation {

class TGPFontFamily;
class TGPStringFormat;
class TGPMatrix;
class TGPPen;

class TGPGraphicsPath : public TGdiplusBase {
 public:
  explicit TGPGraphicsPath(FillMode Mode = FillModeAlternate);
  TGPGraphicsPath(const TGPPointF* Points, const uint8_t* Types, Integer Count,
                  FillMode Mode = FillModeAlternate);
  explicit TGPGraphicsPath(GpPath* NativePath) : nativePath(NativePath) {}
  ~TGPGraphicsPath();
  TGPGraphicsPath(const TGPGraphicsPath&) = delete;
  TGPGraphicsPath& operator=(const TGPGraphicsPath&) = delete;

  Status CloseFigure();
  Status Reset();
  Status AddLine(const TGPPointF& Pt1, const TGPPointF& Pt2);
  Status AddLine(float X1, float Y1, float X2, float Y2);
  Status AddLines(const TGPPoint* Points, Integer Count);
  Status AddRectangle(const TGPRectF& Rect);
  Status AddRectangle(const TGPRect& Rect);
  Status AddArc(const TGPRectF& Rect, float StartAngle, float SweepAngle);
  Status AddArc(float X, float Y, float Width, float Height, float StartAngle, float SweepAngle);
  Status AddEllipse(const TGPRectF& Rect);
  Status AddEllipse(float X, float Y, float Width, float Height);
  Status AddPie(const TGPRectF& Rect, float StartAngle, float SweepAngle);
  Status AddPie(float X, float Y, float Width, float Height, float StartAngle, float SweepAngle);
  Status AddPolygon(const TGPPointF* Points, Integer Count);
  Status AddPolygon(const TGPPoint* Points, Integer Count);
  Status AddCurve(const TGPPointF* Points, Integer Count);
  Status AddCurve(const TGPPoint* Points, Integer Count);
  Status AddCurve(const TGPPoint* Points, Integer Count, float Tension);
  Status AddBezier(const TGPPoint& Pt1, const TGPPoint& Pt2, const TGPPoint& Pt3,
                   const TGPPoint& Pt4);
  Status AddBezier(const TGPPointF& Pt1, const TGPPointF& Pt2, const TGPPointF& Pt3,
                   const TGPPointF& Pt4);
  Status AddBezier(float X1, float Y1, float X2, float Y2, float X3, float Y3, float X4, float Y4);
  Status AddString(const String& Text, Integer Length, TGPFontFamily* Family, Integer Style,
                   float EmSize, const TGPRectF& LayoutRect, TGPStringFormat* Format);
  Status AddString(const String& Text, Integer Length, TGPFontFamily* Family, Integer Style,
                   float EmSize, const TGPPointF& Origin, TGPStringFormat* Format);
  Status GetBounds(TGPRectF& Bounds, TGPMatrix* Matrix = nullptr, TGPPen* Pen = nullptr);
  Integer GetPointCount();
  Status GetPathPoints(TGPPointF* Points, Integer Count);
  Status GetPathTypes(uint8_t* Types, Integer Count);

  Status GetLastStatus();
  GpPath* NativePath() const { return nativePath; }

 private:
  Status SetStatus(Status S);

  GpPath* nativePath = nullptr;
  Status lastResult = Ok;
};

class TGPRegion : public TGdiplusBase {
 public:
  explicit TGPRegion(const TGPRectF& Rect);
  explicit TGPRegion(TGPGraphicsPath* Path);
  ~TGPRegion();
  TGPRegion(const TGPRegion&) = delete;
  TGPRegion& operator=(const TGPRegion&) = delete;

  Status Exclude(TGPGraphicsPath* Path);
  Status Union(TGPRegion* Region);

  Status GetLastStatus();
  GpRegion* NativeRegion() const { return nativeRegion; }

 private:
  Status SetStatus(Status S);

  GpRegion* nativeRegion = nullptr;
  Status lastResult = Ok;
};

}  // namespace jorv::foundation
