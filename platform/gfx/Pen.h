#pragma once
// A GDI pen. Mode is not part of the pen: the canvas applies it as the
// drawing mode when it selects the pen.
#include "platform/gfx/GraphicsObject.h"
#include "platform/gfx/Colors.h"

namespace jorv {

enum TPenStyle : uint8_t {
  psSolid,
  psDash,
  psDot,
  psDashDot,
  psDashDotDot,
  psClear,
  psInsideFrame,
  psUserStyle,
  psAlternate
};

enum TPenMode : uint8_t {
  pmBlack,
  pmWhite,
  pmNop,
  pmNot,
  pmCopy,
  pmNotCopy,
  pmMergePenNot,
  pmMaskPenNot,
  pmMergeNotPen,
  pmMaskNotPen,
  pmMerge,
  pmNotMerge,
  pmMask,
  pmNotMask,
  pmXor,
  pmNotXor
};

// The ROP2 code of a pen mode.
int PenModeToRop2(TPenMode Mode);

class TPen : public TGraphicsObject {
 public:
  void Assign(TPersistent* Source) override;

  HPEN Handle();
  // Takes over the handle (the pen deletes it) and reads its values.
  void SetHandle(HPEN Value);

  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  Integer Width() const { return FWidth; }
  void SetWidth(Integer Value);
  TPenStyle Style() const { return FStyle; }
  void SetStyle(TPenStyle Value);
  TPenMode Mode() const { return FMode; }
  void SetMode(TPenMode Value);

 private:
  TColor FColor = clBlack;
  Integer FWidth = 1;
  TPenStyle FStyle = psSolid;
  TPenMode FMode = pmCopy;
};

}  // namespace jorv
