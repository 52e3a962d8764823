// Shapes and bevels: which pixels take the pen, the brush, the shadow and
// the highlight for each figure.
#include <gtest/gtest.h>
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::test;

namespace {

TColor At(TTestForm& F, TControl* C, Integer X, Integer Y) {
  TRendered R(F.Get());
  RECT W;
  GetWindowRect(F->Handle(), &W);
  TPoint O = F->ClientOrigin();
  return R.Pixel(O.X - W.left + C->Left() + X, O.Y - W.top + C->Top() + Y);
}

}  // namespace

TEST(Shape, Figures) {
  enum Ink { Pen, Fill, Back };
  struct Probe {
    Integer X, Y;
    Ink Want;
  };
  struct Case {
    TShapeType Type;
    Integer PenWidth;
    std::vector<Probe> Probes;
  };
  // The shape is 100 x 60 on a blue form; pen black, brush red.
  const Case Cases[] = {
      {stRectangle, 1, {{0, 0, Pen}, {99, 59, Pen}, {1, 1, Fill}, {50, 30, Fill}}},
      // A wide pen lies wholly inside the bounds (its corners are round).
      {stRectangle, 5, {{0, 30, Pen}, {4, 30, Pen}, {50, 0, Pen}, {99, 30, Pen}, {50, 59, Pen}, {95, 55, Pen}, {6, 6, Fill}}},
      {stSquare, 1, {{20, 0, Pen}, {79, 59, Pen}, {10, 30, Back}, {90, 30, Back}, {50, 30, Fill}}},
      {stEllipse, 1, {{1, 1, Back}, {98, 58, Back}, {50, 30, Fill}, {0, 30, Pen}, {50, 0, Pen}}},
      {stCircle, 1, {{10, 30, Back}, {85, 30, Back}, {21, 30, Fill}, {50, 30, Fill}, {20, 30, Pen}}},
      {stRoundRect, 1, {{0, 0, Back}, {50, 0, Pen}, {0, 30, Pen}, {50, 30, Fill}}},
      {stRoundSquare, 1, {{5, 30, Back}, {20, 30, Pen}, {50, 30, Fill}}},
  };
  TTestForm F(200, 100);
  F->SetColor(clBlue);
  for (const Case& C : Cases) {
    SCOPED_TRACE(testing::Message() << "shape " << int(C.Type) << " pen " << C.PenWidth);
    auto* S = new TShape(F.Get());
    S->SetParent(F.Get());
    S->SetBounds(10, 10, 100, 60);
    S->SetShape(C.Type);
    S->Pen()->SetColor(clBlack);
    S->Pen()->SetWidth(C.PenWidth);
    S->Brush()->SetColor(clRed);
    for (const Probe& P : C.Probes) {
      TColor Want = P.Want == Pen ? clBlack : P.Want == Fill ? clRed : clBlue;
      EXPECT_EQ(At(F, S, P.X, P.Y), Want) << "at " << P.X << "," << P.Y;
    }
    delete S;
  }
}

TEST(Shape, PenAndBrushChangesRepaint) {
  TTestForm F(200, 100);
  auto* S = new TShape(F.Get());
  S->SetParent(F.Get());
  S->Brush()->SetColor(clRed);
  F->Update();
  RECT U;
  ASSERT_FALSE(GetUpdateRect(F->Handle(), &U, FALSE));
  S->Brush()->SetColor(clGreen);
  EXPECT_TRUE(GetUpdateRect(F->Handle(), &U, FALSE));
  F->Update();
  S->Pen()->SetWidth(3);
  EXPECT_TRUE(GetUpdateRect(F->Handle(), &U, FALSE));
}

TEST(Bevel, Shapes) {
  enum Ink { First, Second, Back };
  struct Probe {
    Integer X, Y;
    Ink Want;
  };
  struct Case {
    TBevelShape Shape;
    std::vector<Probe> Probes;
  };
  // A 50 x 50 bevel; "First" is the shadow of a lowered bevel.
  const Case Cases[] = {
      {bsBox, {{0, 0, First}, {0, 48, First}, {48, 0, First}, {49, 0, Second}, {49, 49, Second}, {1, 49, Second}, {0, 49, First}, {1, 1, Back}}},
      {bsFrame, {{0, 0, First}, {1, 1, Second}, {48, 48, First}, {49, 49, Second}, {2, 2, Back}}},
      {bsTopLine, {{10, 0, First}, {10, 1, Second}, {10, 2, Back}, {10, 49, Back}}},
      {bsBottomLine, {{10, 48, First}, {10, 49, Second}, {10, 47, Back}, {10, 0, Back}}},
      {bsLeftLine, {{0, 10, First}, {1, 10, Second}, {2, 10, Back}}},
      {bsRightLine, {{48, 10, First}, {49, 10, Second}, {47, 10, Back}}},
      {bsSpacer, {{0, 0, Back}, {49, 49, Back}}},
  };
  TTestForm F(200, 100);
  F->SetColor(clBlue);
  for (TBevelStyle Style : {bsLowered, bsRaised}) {
    const TColor Sh = ColorToRGB(clBtnShadow), Hi = ColorToRGB(clBtnHighlight);
    const TColor FirstC = Style == bsLowered ? Sh : Hi, SecondC = Style == bsLowered ? Hi : Sh;
    for (const Case& C : Cases) {
      SCOPED_TRACE(testing::Message() << "shape " << int(C.Shape) << " style " << int(Style));
      auto* B = new TBevel(F.Get());
      B->SetParent(F.Get());
      B->SetBounds(10, 10, 50, 50);
      B->SetShape(C.Shape);
      B->SetStyle(Style);
      for (const Probe& P : C.Probes) {
        TColor Want = P.Want == First ? FirstC : P.Want == Second ? SecondC : clBlue;
        EXPECT_EQ(At(F, B, P.X, P.Y), Want) << "at " << P.X << "," << P.Y;
      }
      delete B;
    }
  }
}
