#pragma once
// A GDI brush: solid, hatched, clear, or a pattern from a bitmap the brush
// does not own.
#include "platform/gfx/GraphicsObject.h"
#include "platform/gfx/Colors.h"

namespace jorv {

class TBitmap;

enum TBrushStyle : uint8_t {
  bsSolid,
  bsClear,
  bsHorizontal,
  bsVertical,
  bsFDiagonal,
  bsBDiagonal,
  bsCross,
  bsDiagCross
};

class TBrush : public TGraphicsObject {
 public:
  void Assign(TPersistent* Source) override;

  HBRUSH Handle();
  // Takes over the handle (the brush deletes it) and reads its values.
  void SetHandle(HBRUSH Value);

  TColor Color() const { return FColor; }
  // Setting a colour on a clear brush makes it solid.
  void SetColor(TColor Value);
  TBrushStyle Style() const { return FStyle; }
  void SetStyle(TBrushStyle Value);
  // The pattern bitmap, held by reference: the caller keeps it alive while
  // the brush uses it. Setting one takes precedence over Style and Color.
  TBitmap* Bitmap() const { return FBitmap; }
  void SetBitmap(TBitmap* Value);

 private:
  TColor FColor = clWhite;
  TBrushStyle FStyle = bsSolid;
  TBitmap* FBitmap = nullptr;
};

}  // namespace jorv
