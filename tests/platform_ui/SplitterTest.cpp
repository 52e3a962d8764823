// Splitters: which control a drag resizes, by how much, the limits of
// MinSize and the room left, snapping shut, vetoes and live resizing.
#include <gtest/gtest.h>
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::test;

namespace {

struct Layout {
  TPanel* Sized;
  TSplitter* Split;
  TPanel* Rest;
};

// A 100-pixel panel on Side, a splitter beside it and a panel filling the
// rest of a 300 x 200 form.
Layout Make(TTestForm& F, TAlign Side) {
  Layout L;
  L.Sized = new TPanel(F.Get());
  L.Sized->SetParent(F.Get());
  L.Sized->SetAlign(Side);
  if (Side == alLeft || Side == alRight)
    L.Sized->SetWidth(100);
  else
    L.Sized->SetHeight(100);
  L.Split = new TSplitter(F.Get());
  L.Split->SetAlign(Side);
  // Placed past the panel, so alignment puts it next to it.
  switch (Side) {
    case alLeft: L.Split->SetLeft(150); break;
    case alRight: L.Split->SetLeft(10); break;
    case alTop: L.Split->SetBounds(0, 150, 300, 3); break;
    default: L.Split->SetBounds(0, 10, 300, 3); break;
  }
  L.Split->SetParent(F.Get());
  L.Rest = new TPanel(F.Get());
  L.Rest->SetParent(F.Get());
  L.Rest->SetAlign(alClient);
  return L;
}

Integer SizeOf(const Layout& L) {
  TAlign A = L.Split->Align();
  return A == alLeft || A == alRight ? L.Sized->Width() : L.Sized->Height();
}

// Drags the splitter by D pixels towards the right or the bottom.
void Drag(TSplitter* S, Integer D) {
  const bool H = S->Align() == alLeft || S->Align() == alRight;
  MouseDown(S, 1, 1);
  MouseMove(S, H ? 1 + D / 2 : 1, H ? 1 : 1 + D / 2);
  MouseMove(S, H ? 1 + D : 1, H ? 1 : 1 + D);
  MouseUp(S, H ? 1 + D : 1, H ? 1 : 1 + D);
}

}  // namespace

TEST(Splitter, DefaultsAndCursor) {
  TTestForm F(300, 200);
  auto* S = new TSplitter(F.Get());
  EXPECT_EQ(S->Align(), alLeft);
  EXPECT_EQ(S->Width(), 3);
  EXPECT_EQ(S->MinSize(), 30);
  EXPECT_TRUE(S->AutoSnap());
  EXPECT_EQ(S->ResizeStyle(), rsPattern);
  EXPECT_EQ(S->Cursor(), crHSplit);
  S->SetAlign(alTop);
  EXPECT_EQ(S->Cursor(), crVSplit);
  S->SetCursor(crHandPoint);
  S->SetAlign(alLeft);
  EXPECT_EQ(S->Cursor(), crHandPoint) << "a cursor set by the user stays";
}

TEST(Splitter, DragResizesTheNeighbour) {
  struct Case {
    TAlign Side;
    Integer Delta;
    bool AutoSnap;
    Integer Want;
  };
  // The room: 300 (or 200) less MinSize less the splitter, for the panel.
  const Case Cases[] = {
      {alLeft, 40, true, 140},   {alLeft, -60, true, 40},   {alLeft, -80, true, 0},
      {alLeft, -80, false, 30},  {alLeft, 500, true, 267},  {alRight, -40, true, 140},
      {alRight, 40, true, 60},   {alRight, 90, true, 0},    {alTop, 40, true, 140},
      {alTop, 500, true, 167},   {alBottom, -40, true, 140}, {alBottom, 30, false, 70},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(testing::Message() << "side " << int(C.Side) << " by " << C.Delta);
    TTestForm F(300, 200);
    Layout L = Make(F, C.Side);
    L.Split->SetAutoSnap(C.AutoSnap);
    int Moved = 0;
    L.Split->OnMoved = [&](TObject*) { ++Moved; };
    Drag(L.Split, C.Delta);
    EXPECT_EQ(SizeOf(L), C.Want);
    EXPECT_EQ(Moved, 1);
    EXPECT_EQ(L.Split->SizedControl(), nullptr);
    // The splitter stays against the panel, whatever its size.
    switch (C.Side) {
      case alLeft: EXPECT_EQ(L.Split->Left(), L.Sized->Left() + L.Sized->Width()); break;
      case alRight: EXPECT_EQ(L.Split->Left() + L.Split->Width(), L.Sized->Left()); break;
      case alTop: EXPECT_EQ(L.Split->Top(), L.Sized->Top() + L.Sized->Height()); break;
      default: EXPECT_EQ(L.Split->Top() + L.Split->Height(), L.Sized->Top()); break;
    }
  }
}

TEST(Splitter, VetoAndLiveResizing) {
  TTestForm F(300, 200);
  Layout L = Make(F, alLeft);
  bool Accept = false;
  Integer Asked = -1;
  L.Split->OnCanResize = [&](TObject*, Integer& NewSize, bool& A) {
    Asked = NewSize;
    A = Accept;
  };
  int Moved = 0;
  L.Split->OnMoved = [&](TObject*) { ++Moved; };
  Drag(L.Split, 40);
  EXPECT_EQ(Asked, 140);
  EXPECT_EQ(L.Sized->Width(), 100);
  EXPECT_EQ(Moved, 0);

  // A handler may change the size it is offered.
  Accept = true;
  L.Split->OnCanResize = [&](TObject*, Integer& NewSize, bool&) { NewSize = NewSize / 10 * 10; };
  Drag(L.Split, 47);
  EXPECT_EQ(L.Sized->Width(), 140);

  // Live: the panel follows every move before the button comes up.
  L.Split->OnCanResize = nullptr;
  L.Split->SetResizeStyle(rsUpdate);
  MouseDown(L.Split, 1, 1);
  MouseMove(L.Split, 21, 1);
  EXPECT_EQ(L.Sized->Width(), 160);
  // The splitter moved with it; 10 more pixels from where it now is.
  MouseMove(L.Split, 11, 1);
  EXPECT_EQ(L.Sized->Width(), 170);
  MouseUp(L.Split, 11, 1);
  EXPECT_EQ(L.Sized->Width(), 170);
}

TEST(Splitter, WithoutANeighbourNothingHappens) {
  TTestForm F(300, 200);
  auto* S = new TSplitter(F.Get());
  S->SetParent(F.Get());
  int Moved = 0;
  S->OnMoved = [&](TObject*) { ++Moved; };
  Drag(S, 40);
  EXPECT_EQ(Moved, 0);
  EXPECT_EQ(S->Left(), 0);
}
