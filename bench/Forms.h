#pragma once
// Forms and rendering shared by the cases that paint.
#include <functional>
#include "platform/gfx/Bitmap.h"
#include "platform/ui/ui.h"

namespace jorv::bench {

// Handles what is queued, so a shown form has its windows and first paint
// behind it before a case times anything.
void Pump();

// A shown form of the given client size, freed with the object.
class TBenchForm {
 public:
  TBenchForm(Integer ClientWidth, Integer ClientHeight);
  ~TBenchForm();
  TForm* Get() const { return FForm; }

 private:
  TForm* FForm = nullptr;
};

// A 24-bit bitmap to render into.
class TTarget {
 public:
  TTarget(Integer Width, Integer Height);
  ~TTarget();
  HDC DC() { return FBitmap.Canvas()->Handle(); }
  TCanvas* Canvas() { return FBitmap.Canvas(); }
  TBitmap& Bitmap() { return FBitmap; }

 private:
  TBitmap FBitmap;
};

}  // namespace jorv::bench
