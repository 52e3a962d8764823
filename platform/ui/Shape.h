#pragma once
// A windowless geometric figure drawn with its own pen and brush.
#include <memory>
#include "platform/gfx/Brush.h"
#include "platform/gfx/Pen.h"
#include "platform/ui/CustomControl.h"

namespace jorv {

enum TShapeType : uint8_t { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

class TShape : public TGraphicControl {
 public:
  explicit TShape(TComponent* AOwner);
  ~TShape() override;

  TShapeType Shape() const { return FShape; }
  void SetShape(TShapeType Value);
  TPen* Pen() const { return FPen.get(); }
  void SetPen(TPen* Value) { FPen->Assign(Value); }
  TBrush* Brush() const { return FBrush.get(); }
  void SetBrush(TBrush* Value) { FBrush->Assign(Value); }

 protected:
  void Paint() override;

  TShapeType FShape = stRectangle;
  std::unique_ptr<TPen> FPen;
  std::unique_ptr<TBrush> FBrush;
};

}  // namespace jorv
