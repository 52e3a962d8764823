#pragma once
// A GDI+ pen of a colour or of a brush's fill.
#include "foundation/GDIPlusBase.h"

namespace jorv::foundation {

class TGPBrush;

class TGPPen : public TGdiplusBase {
 public:
  explicit TGPPen(ARGB Color, float Width = 1.0f);
  explicit TGPPen(TGPBrush* Brush, float Width = 1.0f);
  ~TGPPen();
  TGPPen(const TGPPen&) = delete;
  TGPPen& operator=(const TGPPen&) = delete;

  Status SetBrush(TGPBrush* Brush);
  // A new wrapper of the pen's fill, of the class of its kind, or nil for
  // an unknown kind; the caller frees it.
  TGPBrush* GetBrush();
  Integer GetPenType();
  DashStyle GetDashStyle();
  Status SetDashStyle(DashStyle Style);
  Status SetEndCap(int32_t EndCap);

  Status GetLastStatus();
  GpPen* NativePen() const { return nativePen; }

 private:
  Status SetStatus(Status S);

  GpPen* nativePen = nullptr;
  Status lastResult = Ok;
};

}  // namespace jorv::foundation
