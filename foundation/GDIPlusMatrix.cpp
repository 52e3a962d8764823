#include "foundation/GDIPlusMatrix.h"

#include "foundation/GDIPlusFlat.h"

namespace jorv::foundation {

using namespace gdipflat;

namespace {
GpMatrix* Native(TGPMatrix* M) { return M ? M->NativeMatrix() : nullptr; }
}  // namespace

TGPMatrix::TGPMatrix() { lastResult = GdipCreateMatrix(&nativeMatrix); }

TGPMatrix::TGPMatrix(float M11, float M12, float M21, float M22, float DX, float DY) {
  lastResult = GdipCreateMatrix2(M11, M12, M21, M22, DX, DY, &nativeMatrix);
}

TGPMatrix::TGPMatrix(const TGPRectF& Rect, const TGPPointF* DstPlg) {
  lastResult = GdipCreateMatrix3(&Rect, DstPlg, &nativeMatrix);
}

TGPMatrix::TGPMatrix(const TGPRect& Rect, const TGPPoint* DstPlg) {
  lastResult = GdipCreateMatrix3I(&Rect, DstPlg, &nativeMatrix);
}

TGPMatrix::~TGPMatrix() {
  if (nativeMatrix) GdipDeleteMatrix(nativeMatrix);
}

Status TGPMatrix::SetStatus(Status S) {
  if (S != Ok) lastResult = S;
  return S;
}

Status TGPMatrix::GetLastStatus() {
  const Status S = lastResult;
  lastResult = Ok;
  return S;
}

TGPMatrix* TGPMatrix::Clone() {
  GpMatrix* Cloned = nullptr;
  SetStatus(GdipCloneMatrix(nativeMatrix, &Cloned));
  if (lastResult != Ok) {
    if (Cloned) GdipDeleteMatrix(Cloned);
    return nullptr;
  }
  return new TGPMatrix(Cloned, Ok);
}

Status TGPMatrix::GetElements(TMatrixArray& M) {
  return SetStatus(GdipGetMatrixElements(nativeMatrix, M));
}

Status TGPMatrix::SetElements(float M11, float M12, float M21, float M22, float DX, float DY) {
  return SetStatus(GdipSetMatrixElements(nativeMatrix, M11, M12, M21, M22, DX, DY));
}

float TGPMatrix::OffsetX() {
  TMatrixArray M{};
  return GetElements(M) == Ok ? M[4] : 0.0f;
}

float TGPMatrix::OffsetY() {
  TMatrixArray M{};
  return GetElements(M) == Ok ? M[5] : 0.0f;
}

Status TGPMatrix::Reset() { return SetElements(1, 0, 0, 1, 0, 0); }

Status TGPMatrix::Multiply(TGPMatrix* Matrix, MatrixOrder Order) {
  return SetStatus(GdipMultiplyMatrix(nativeMatrix, Native(Matrix), Order));
}

Status TGPMatrix::Translate(float OffsetX, float OffsetY, MatrixOrder Order) {
  return SetStatus(GdipTranslateMatrix(nativeMatrix, OffsetX, OffsetY, Order));
}

Status TGPMatrix::Scale(float ScaleX, float ScaleY, MatrixOrder Order) {
  return SetStatus(GdipScaleMatrix(nativeMatrix, ScaleX, ScaleY, Order));
}

Status TGPMatrix::Rotate(float Angle, MatrixOrder Order) {
  return SetStatus(GdipRotateMatrix(nativeMatrix, Angle, Order));
}

Status TGPMatrix::RotateAt(float Angle, const TGPPointF& Center, MatrixOrder Order) {
  if (Order == MatrixOrderPrepend) {
    SetStatus(GdipTranslateMatrix(nativeMatrix, Center.X, Center.Y, Order));
    SetStatus(GdipRotateMatrix(nativeMatrix, Angle, Order));
    return SetStatus(GdipTranslateMatrix(nativeMatrix, -Center.X, -Center.Y, Order));
  }
  SetStatus(GdipTranslateMatrix(nativeMatrix, -Center.X, -Center.Y, Order));
  SetStatus(GdipRotateMatrix(nativeMatrix, Angle, Order));
  return SetStatus(GdipTranslateMatrix(nativeMatrix, Center.X, Center.Y, Order));
}

Status TGPMatrix::Shear(float ShearX, float ShearY, MatrixOrder Order) {
  return SetStatus(GdipShearMatrix(nativeMatrix, ShearX, ShearY, Order));
}

Status TGPMatrix::Invert() { return SetStatus(GdipInvertMatrix(nativeMatrix)); }

Status TGPMatrix::TransformPoints(TGPPointF* Pts, Integer Count) {
  return SetStatus(GdipTransformMatrixPoints(nativeMatrix, Pts, Count));
}

Status TGPMatrix::TransformPoints(TGPPoint* Pts, Integer Count) {
  return SetStatus(GdipTransformMatrixPointsI(nativeMatrix, Pts, Count));
}

Status TGPMatrix::TransformVectors(TGPPointF* Pts, Integer Count) {
  return SetStatus(GdipVectorTransformMatrixPoints(nativeMatrix, Pts, Count));
}

Status TGPMatrix::TransformVectors(TGPPoint* Pts, Integer Count) {
  return SetStatus(GdipVectorTransformMatrixPointsI(nativeMatrix, Pts, Count));
}

bool TGPMatrix::IsInvertible() {
  BOOL Result = FALSE;
  SetStatus(GdipIsMatrixInvertible(nativeMatrix, &Result));
  return Result != FALSE;
}

bool TGPMatrix::IsIdentity() {
  BOOL Result = FALSE;
  SetStatus(GdipIsMatrixIdentity(nativeMatrix, &Result));
  return Result != FALSE;
}

}  // namespace jorv::foundation
