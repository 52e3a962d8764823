#include "foundation/GDIPlusPath.h"

#include "foundation/GDIPlusFlat.h"
#include "foundation/GDIPlusFont.h"
#include "foundation/GDIPlusMatrix.h"
#include "foundation/GDIPlusPen.h"

namespace jorv::foundation {

using namespace gdipflat;

// Path

TGPGraphicsPath::TGPGraphicsPath(FillMode Mode) { lastResult = GdipCreatePath(Mode, &nativePath); }

TGPGraphicsPath::TGPGraphicsPath(const TGPPointF* Points, const uint8_t* Types, Integer Count,
                                 FillMode Mode) {
  lastResult = GdipCreatePath2(Points, Types, Count, Mode, &nativePath);
}

TGPGraphicsPath::~TGPGraphicsPath() {
  if (nativePath) GdipDeletePath(nativePath);
}

Status TGPGraphicsPath::SetStatus(Status S) {
  if (S != Ok) lastResult = S;
  return S;
}

Status TGPGraphicsPath::GetLastStatus() {
  const Status S = lastResult;
  lastResult = Ok;
  return S;
}

Status TGPGraphicsPath::CloseFigure() { return SetStatus(GdipClosePathFigure(nativePath)); }

Status TGPGraphicsPath::Reset() { return SetStatus(GdipResetPath(nativePath)); }

Status TGPGraphicsPath::AddLine(const TGPPointF& Pt1, const TGPPointF& Pt2) {
  return AddLine(Pt1.X, Pt1.Y, Pt2.X, Pt2.Y);
}

Status TGPGraphicsPath::AddLine(float X1, float Y1, float X2, float Y2) {
  return SetStatus(GdipAddPathLine(nativePath, X1, Y1, X2, Y2));
}

Status TGPGraphicsPath::AddLines(const TGPPoint* Points, Integer Count) {
  return SetStatus(GdipAddPathLine2I(nativePath, Points, Count));
}

Status TGPGraphicsPath::AddRectangle(const TGPRectF& Rect) {
  return SetStatus(GdipAddPathRectangle(nativePath, Rect.X, Rect.Y, Rect.Width, Rect.Height));
}

Status TGPGraphicsPath::AddRectangle(const TGPRect& Rect) {
  return SetStatus(GdipAddPathRectangleI(nativePath, Rect.X, Rect.Y, Rect.Width, Rect.Height));
}

Status TGPGraphicsPath::AddArc(const TGPRectF& Rect, float StartAngle, float SweepAngle) {
  return AddArc(Rect.X, Rect.Y, Rect.Width, Rect.Height, StartAngle, SweepAngle);
}

Status TGPGraphicsPath::AddArc(float X, float Y, float Width, float Height, float StartAngle,
                               float SweepAngle) {
  return SetStatus(GdipAddPathArc(nativePath, X, Y, Width, Height, StartAngle, SweepAngle));
}

Status TGPGraphicsPath::AddEllipse(const TGPRectF& Rect) {
  return AddEllipse(Rect.X, Rect.Y, Rect.Width, Rect.Height);
}

Status TGPGraphicsPath::AddEllipse(float X, float Y, float Width, float Height) {
  return SetStatus(GdipAddPathEllipse(nativePath, X, Y, Width, Height));
}

Status TGPGraphicsPath::AddPie(const TGPRectF& Rect, float StartAngle, float SweepAngle) {
  return AddPie(Rect.X, Rect.Y, Rect.Width, Rect.Height, StartAngle, SweepAngle);
}

Status TGPGraphicsPath::AddPie(float X, float Y, float Width, float Height, float StartAngle,
                               float SweepAngle) {
  return SetStatus(GdipAddPathPie(nativePath, X, Y, Width, Height, StartAngle, SweepAngle));
}

Status TGPGraphicsPath::AddPolygon(const TGPPointF* Points, Integer Count) {
  return SetStatus(GdipAddPathPolygon(nativePath, Points, Count));
}

Status TGPGraphicsPath::AddPolygon(const TGPPoint* Points, Integer Count) {
  return SetStatus(GdipAddPathPolygonI(nativePath, Points, Count));
}

Status TGPGraphicsPath::AddCurve(const TGPPointF* Points, Integer Count) {
  return SetStatus(GdipAddPathCurve(nativePath, Points, Count));
}

Status TGPGraphicsPath::AddCurve(const TGPPoint* Points, Integer Count) {
  return SetStatus(GdipAddPathCurveI(nativePath, Points, Count));
}

Status TGPGraphicsPath::AddCurve(const TGPPoint* Points, Integer Count, float Tension) {
  return SetStatus(GdipAddPathCurve2I(nativePath, Points, Count, Tension));
}

Status TGPGraphicsPath::AddBezier(const TGPPoint& Pt1, const TGPPoint& Pt2, const TGPPoint& Pt3,
                                  const TGPPoint& Pt4) {
  return AddBezier(float(Pt1.X), float(Pt1.Y), float(Pt2.X), float(Pt2.Y), float(Pt3.X),
                   float(Pt3.Y), float(Pt4.X), float(Pt4.Y));
}

Status TGPGraphicsPath::AddBezier(const TGPPointF& Pt1, const TGPPointF& Pt2,
                                  const TGPPointF& Pt3, const TGPPointF& Pt4) {
  return AddBezier(Pt1.X, Pt1.Y, Pt2.X, Pt2.Y, Pt3.X, Pt3.Y, Pt4.X, Pt4.Y);
}

Status TGPGraphicsPath::AddBezier(float X1, float Y1, float X2, float Y2, float X3, float Y3,
                                  float X4, float Y4) {
  return SetStatus(GdipAddPathBezier(nativePath, X1, Y1, X2, Y2, X3, Y3, X4, Y4));
}

Status TGPGraphicsPath::AddString(const String& Text, Integer Length, TGPFontFamily* Family,
                                  Integer Style, float EmSize, const TGPRectF& LayoutRect,
                                  TGPStringFormat* Format) {
  // Never read past the string's end.
  if (Length < 0 || Length > Integer(Text.size())) Length = Integer(Text.size());
  return SetStatus(GdipAddPathString(nativePath, Text.c_str(), Length,
                                     Family ? Family->NativeFamily() : nullptr, Style, EmSize,
                                     &LayoutRect, Format ? Format->NativeFormat() : nullptr));
}

Status TGPGraphicsPath::AddString(const String& Text, Integer Length, TGPFontFamily* Family,
                                  Integer Style, float EmSize, const TGPPointF& Origin,
                                  TGPStringFormat* Format) {
  return AddString(Text, Length, Family, Style, EmSize, TGPRectF{Origin.X, Origin.Y, 0, 0},
                   Format);
}

Status TGPGraphicsPath::GetBounds(TGPRectF& Bounds, TGPMatrix* Matrix, TGPPen* Pen) {
  return SetStatus(GdipGetPathWorldBounds(nativePath, &Bounds,
                                          Matrix ? Matrix->NativeMatrix() : nullptr,
                                          Pen ? Pen->NativePen() : nullptr));
}

Integer TGPGraphicsPath::GetPointCount() {
  INT Count = 0;
  SetStatus(GdipGetPointCount(nativePath, &Count));
  return Count;
}

Status TGPGraphicsPath::GetPathPoints(TGPPointF* Points, Integer Count) {
  return SetStatus(GdipGetPathPoints(nativePath, Points, Count));
}

Status TGPGraphicsPath::GetPathTypes(uint8_t* Types, Integer Count) {
  return SetStatus(GdipGetPathTypes(nativePath, Types, Count));
}

// Region

TGPRegion::TGPRegion(const TGPRectF& Rect) { lastResult = GdipCreateRegionRect(&Rect, &nativeRegion); }

TGPRegion::TGPRegion(TGPGraphicsPath* Path) {
  lastResult = GdipCreateRegionPath(Path ? Path->NativePath() : nullptr, &nativeRegion);
}

TGPRegion::~TGPRegion() {
  if (nativeRegion) GdipDeleteRegion(nativeRegion);
}

Status TGPRegion::SetStatus(Status S) {
  if (S != Ok) lastResult = S;
  return S;
}

Status TGPRegion::GetLastStatus() {
  const Status S = lastResult;
  lastResult = Ok;
  return S;
}

Status TGPRegion::Exclude(TGPGraphicsPath* Path) {
  return SetStatus(GdipCombineRegionPath(nativeRegion, Path ? Path->NativePath() : nullptr,
                                         CombineModeExclude));
}

Status TGPRegion::Union(TGPRegion* Region) {
  return SetStatus(GdipCombineRegionRegion(nativeRegion, Region ? Region->NativeRegion() : nullptr,
                                           CombineModeUnion));
}

}  // namespace jorv::foundation
