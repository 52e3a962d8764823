#include "foundation/GDIPlusPen.h"

#include "foundation/GDIPlusBrush.h"
#include "foundation/GDIPlusFlat.h"

namespace jorv::foundation {

using namespace gdipflat;

TGPPen::TGPPen(ARGB Color, float Width) {
  lastResult = GdipCreatePen1(Color, Width, UnitWorld, &nativePen);
}

TGPPen::TGPPen(TGPBrush* Brush, float Width) {
  lastResult = GdipCreatePen2(Brush ? Brush->NativeBrush() : nullptr, Width, UnitWorld, &nativePen);
}

TGPPen::~TGPPen() {
  if (nativePen) GdipDeletePen(nativePen);
}

Status TGPPen::SetStatus(Status S) {
  if (S != Ok) lastResult = S;
  return S;
}

Status TGPPen::GetLastStatus() {
  const Status S = lastResult;
  lastResult = Ok;
  return S;
}

Status TGPPen::SetBrush(TGPBrush* Brush) {
  return SetStatus(GdipSetPenBrushFill(nativePen, Brush ? Brush->NativeBrush() : nullptr));
}

TGPBrush* TGPPen::GetBrush() {
  TGPBrush* Brush = nullptr;
  switch (GetPenType()) {
    case 0: Brush = new TGPSolidBrush(); break;
    case 1: Brush = new TGPHatchBrush(); break;
    case 2: Brush = new TGPTextureBrush(); break;
    case 3: Brush = new TGPBrush(); break;
    case 4: Brush = new TGPLinearGradientBrush(); break;
    default: return nullptr;
  }
  GpBrush* Native = nullptr;
  SetStatus(GdipGetPenBrushFill(nativePen, &Native));
  Brush->SetNativeBrush(Native);
  return Brush;
}

Integer TGPPen::GetPenType() {
  GpPenType Type = -1;
  SetStatus(GdipGetPenFillType(nativePen, &Type));
  return Type;
}

DashStyle TGPPen::GetDashStyle() {
  DashStyle Style = DashStyleSolid;
  SetStatus(GdipGetPenDashStyle(nativePen, &Style));
  return Style;
}

Status TGPPen::SetDashStyle(DashStyle Style) {
  return SetStatus(GdipSetPenDashStyle(nativePen, Style));
}

Status TGPPen::SetEndCap(int32_t EndCap) { return SetStatus(GdipSetPenEndCap(nativePen, EndCap)); }

}  // namespace jorv::foundation
