#include "platform/ui/Bevel.h"
#include <utility>

namespace jorv {

TBevel::TBevel(TComponent* AOwner) : TGraphicControl(AOwner) {
  FControlStyle += csReplicatable;
  SetBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape Value) {
  if (FShape == Value) return;
  FShape = Value;
  Invalidate();
}

void TBevel::SetStyle(TBevelStyle Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  Invalidate();
}

void TBevel::Paint() {
  TCanvas* C = Canvas();
  C->Pen()->SetWidth(1);
  C->Pen()->SetStyle(psSolid);
  TColor First = clBtnShadow, Second = clBtnHighlight;
  if (FStyle == bsRaised) std::swap(First, Second);
  // Top and left edges of R in TopLeft, bottom and right in BottomRight;
  // R's right and bottom are the last pixels drawn.
  auto Box = [C](const TRect& R, TColor TopLeft, TColor BottomRight) {
    C->Pen()->SetColor(TopLeft);
    C->Polyline({Point(R.Left, R.Bottom), Point(R.Left, R.Top), Point(R.Right, R.Top)});
    C->Pen()->SetColor(BottomRight);
    C->Polyline({Point(R.Right, R.Top), Point(R.Right, R.Bottom), Point(R.Left, R.Bottom)});
  };
  auto Line = [C](TColor Col, Integer X1, Integer Y1, Integer X2, Integer Y2) {
    C->Pen()->SetColor(Col);
    C->MoveTo(X1, Y1);
    C->LineTo(X2, Y2);
  };
  const Integer W = FWidth, H = FHeight;
  switch (FShape) {
    case bsBox: Box(Rect(0, 0, W - 1, H - 1), First, Second); break;
    case bsFrame:
      // Two boxes one pixel apart: an engraved (or embossed) groove.
      Box(Rect(1, 1, W - 1, H - 1), Second, Second);
      Box(Rect(0, 0, W - 2, H - 2), First, First);
      break;
    case bsTopLine:
      Line(First, 0, 0, W, 0);
      Line(Second, 0, 1, W, 1);
      break;
    case bsBottomLine:
      Line(First, 0, H - 2, W, H - 2);
      Line(Second, 0, H - 1, W, H - 1);
      break;
    case bsLeftLine:
      Line(First, 0, 0, 0, H);
      Line(Second, 1, 0, 1, H);
      break;
    case bsRightLine:
      Line(First, W - 2, 0, W - 2, H);
      Line(Second, W - 1, 0, W - 1, H);
      break;
    case bsSpacer: break;
  }
}

}  // namespace jorv
