#include "platform/ui/Shape.h"
#include <algorithm>

namespace jorv {

TShape::TShape(TComponent* AOwner)
    : TGraphicControl(AOwner), FPen(std::make_unique<TPen>()), FBrush(std::make_unique<TBrush>()) {
  FControlStyle += csReplicatable;
  SetBounds(0, 0, 65, 65);
  FPen->OnChange = [this](TObject*) { Invalidate(); };
  FBrush->OnChange = [this](TObject*) { Invalidate(); };
}

TShape::~TShape() = default;

void TShape::SetShape(TShapeType Value) {
  if (FShape == Value) return;
  FShape = Value;
  Invalidate();
}

void TShape::Paint() {
  TCanvas* C = Canvas();
  C->SetPen(FPen.get());
  C->SetBrush(FBrush.get());
  // The pen is centred on the outline, so a wide pen stays inside the
  // bounds.
  const Integer PW = FPen->Width();
  Integer X = PW / 2, Y = X;
  Integer W = FWidth - PW + 1, H = FHeight - PW + 1;
  if (PW == 0) {
    --W;
    --H;
  }
  const Integer S = std::min(W, H);
  if (FShape == stSquare || FShape == stRoundSquare || FShape == stCircle) {
    X += (W - S) / 2;
    Y += (H - S) / 2;
    W = S;
    H = S;
  }
  switch (FShape) {
    case stRectangle:
    case stSquare: C->Rectangle(X, Y, X + W, Y + H); break;
    case stRoundRect:
    case stRoundSquare: C->RoundRect(X, Y, X + W, Y + H, S / 4, S / 4); break;
    case stEllipse:
    case stCircle: C->Ellipse(X, Y, X + W, Y + H); break;
  }
}

}  // namespace jorv
