#pragma once
// A GDI+ affine matrix.
#include "foundation/GDIPlusBase.h"

namespace jorv::foundation {

class TGPMatrix : public TGdiplusBase {
 public:
  TGPMatrix();
  TGPMatrix(float M11, float M12, float M21, float M22, float DX, float DY);
  TGPMatrix(const TGPRectF& Rect, const TGPPointF* DstPlg);
  TGPMatrix(const TGPRect& Rect, const TGPPoint* DstPlg);
  ~TGPMatrix();
  TGPMatrix(const TGPMatrix&) = delete;
  TGPMatrix& operator=(const TGPMatrix&) = delete;

  // A new wrapper of a copy, or nil when copying failed; the caller frees it.
  TGPMatrix* Clone();
  Status GetElements(TMatrixArray& M);
  Status SetElements(float M11, float M12, float M21, float M22, float DX, float DY);
  float OffsetX();
  float OffsetY();
  Status Reset();
  Status Multiply(TGPMatrix* Matrix, MatrixOrder Order = MatrixOrderPrepend);
  Status Translate(float OffsetX, float OffsetY, MatrixOrder Order = MatrixOrderPrepend);
  Status Scale(float ScaleX, float ScaleY, MatrixOrder Order = MatrixOrderPrepend);
  Status Rotate(float Angle, MatrixOrder Order = MatrixOrderPrepend);
  Status RotateAt(float Angle, const TGPPointF& Center, MatrixOrder Order = MatrixOrderPrepend);
  Status Shear(float ShearX, float ShearY, MatrixOrder Order = MatrixOrderPrepend);
  Status Invert();
  Status TransformPoints(TGPPointF* Pts, Integer Count = 1);
  Status TransformPoints(TGPPoint* Pts, Integer Count = 1);
  Status TransformVectors(TGPPointF* Pts, Integer Count = 1);
  Status TransformVectors(TGPPoint* Pts, Integer Count = 1);
  bool IsInvertible();
  bool IsIdentity();

  Status GetLastStatus();
  GpMatrix* NativeMatrix() const { return nativeMatrix; }

 private:
  TGPMatrix(GpMatrix* Native, Status AStatus) : nativeMatrix(Native), lastResult(AStatus) {}
  Status SetStatus(Status S);

  GpMatrix* nativeMatrix = nullptr;
  Status lastResult = Ok;
};

}  // namespace jorv::foundation
