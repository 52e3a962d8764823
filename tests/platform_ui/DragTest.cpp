// Dragging controls with the mouse: the threshold, targets asked as the
// mouse enters, moves over and leaves them, drops, and every way a drag
// ends without one.
#include <gtest/gtest.h>
#include <memory>
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::test;

namespace {

const char* StateName(TDragState S) { return S == dsDragEnter ? "enter" : S == dsDragLeave ? "leave" : "move"; }

// A control that reports every drag it sees, State included.
template <class Base>
class TLogged : public Base {
 public:
  TLogged(TComponent* AOwner, std::vector<std::string>* ALog, bool AAccept)
      : Base(AOwner), Log(ALog), Accept(AAccept) {
    this->OnDragOver = [this](TObject*, TObject*, Integer, Integer, TDragState S, bool&) {
      EventStates.push_back(S);
    };
  }
  // The states the OnDragOver event was given.
  std::vector<TDragState> EventStates;
  std::vector<std::string>* Log;
  bool Accept;
  TObject* LastSource = nullptr;
  Integer Moves = 0;

 protected:
  void DragOver(TObject* Source, Integer X, Integer Y, TDragState State, bool& A) override {
    Base::DragOver(Source, X, Y, State, A);
    A = Accept;
    // The system adds moves of its own when the cursor is placed: count
    // them apart from the entries and leaves.
    if (State == dsDragMove) ++Moves;
    else Log->push_back(Name() + ":" + StateName(State));
  }
  void DragDrop(TObject* Source, Integer X, Integer Y) override {
    LastSource = Source;
    Log->push_back(Name() + ":drop " + std::to_string(X) + "," + std::to_string(Y));
  }

 private:
  std::string Name() const {
    String N = this->TComponent::Name();
    return std::string(N.begin(), N.end());
  }
};

struct TDragFixture {
  std::vector<std::string> Log;  // outlives the controls that write it
  TTestForm Form{300, 200};
  TLogged<TCustomControl>* Src;
  TLogged<TCustomControl>* Win;    // accepts
  TLogged<TGraphicControl>* Gfx;   // refuses

  TDragFixture() {
    Src = Add<TCustomControl>(L"Src", 10, 10, true);
    Win = Add<TCustomControl>(L"Win", 150, 10, true);
    Gfx = Add<TGraphicControl>(L"Gfx", 150, 120, false);
    Src->OnStartDrag = [this](TObject*, TDragObject*&) { Log.push_back("start"); };
    Src->OnEndDrag = [this](TObject*, TObject* Target, Integer X, Integer Y) {
      auto* C = dynamic_cast<TComponent*>(Target);
      String N = C ? C->Name() : L"nil";
      Log.push_back("end:" + std::string(N.begin(), N.end()) + " " + std::to_string(X) + "," + std::to_string(Y));
    };
    Src->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, Integer, Integer) { Log.push_back("down"); };
  }
  template <class T>
  TLogged<T>* Add(const String& Name, Integer L, Integer Top, bool Accept) {
    auto* C = new TLogged<T>(Form.Get(), &Log, Accept);
    C->SetName(Name);
    C->SetParent(Form.Get());
    C->SetBounds(L, Top, 40, 40);
    return C;
  }
  // A mouse message where the system sends it: to the window holding the
  // capture, in its coordinates.
  void Captured(UINT Msg, TControl* Over, Integer X, Integer Y) {
    TPoint P = Over->ClientToScreen({X, Y});
    SetCursorPos(P.X, P.Y);
    HWND Cap = GetCapture();
    ASSERT_NE(Cap, nullptr);
    POINT C{P.X, P.Y};
    ScreenToClient(Cap, &C);
    PostMessageW(Cap, Msg, Msg == WM_MOUSEMOVE ? MK_LBUTTON : 0, MAKELPARAM(C.x, C.y));
    Pump(5);
  }
  void StartAutomatic() {
    Src->SetDragMode(dmAutomatic);
    MouseDown(Src, 5, 5);
    ASSERT_TRUE(Src->Dragging());
    Captured(WM_MOUSEMOVE, Win, 10, 10);
    Log.clear();
  }
};

using TLog = std::vector<std::string>;

}  // namespace

TEST(Drag, AutomaticDragDropsOnTheTargetThatAccepts) {
  TDragFixture F;
  F.Src->SetDragMode(dmAutomatic);
  MouseDown(F.Src, 5, 5);
  EXPECT_TRUE(F.Src->Dragging());
  EXPECT_EQ(DragControl(), F.Src);
  EXPECT_EQ(F.Log, TLog{"start"});  // the press went to the drag, not OnMouseDown
  // Within the threshold nothing is asked yet.
  F.Captured(WM_MOUSEMOVE, F.Src, 8, 8);
  EXPECT_EQ(F.Log, TLog{"start"});
  F.Captured(WM_MOUSEMOVE, F.Gfx, 10, 10);
  EXPECT_EQ(GetCursor(), Screen->Cursors(crNoDrop));
  F.Captured(WM_MOUSEMOVE, F.Win, 10, 10);
  EXPECT_EQ(GetCursor(), Screen->Cursors(crDrag));
  Integer Moves = F.Win->Moves;
  F.Captured(WM_MOUSEMOVE, F.Win, 20, 15);
  EXPECT_GT(F.Win->Moves, Moves);
  F.Captured(WM_LBUTTONUP, F.Win, 20, 15);
  EXPECT_EQ(F.Log, (TLog{"start", "Gfx:enter", "Gfx:leave", "Win:enter", "Win:drop 20,15", "end:Win 20,15"}));
  EXPECT_EQ(F.Win->LastSource, F.Src);
  ASSERT_FALSE(F.Gfx->EventStates.empty());
  EXPECT_EQ(F.Gfx->EventStates.front(), dsDragEnter);
  EXPECT_EQ(F.Gfx->EventStates.back(), dsDragLeave);
  EXPECT_EQ(F.Win->EventStates.front(), dsDragEnter);
  EXPECT_FALSE(F.Src->Dragging());
  EXPECT_EQ(DragControl(), nullptr);
  EXPECT_EQ(GetCapture(), nullptr);
}

// Each way of ending a drag without a drop tells the target it was left
// and the source that nothing took it.
TEST(Drag, EndsWithoutADropWhenCancelledOrRefused) {
  struct {
    const char* Name;
    std::function<void(TDragFixture&)> End;
    TLog Expected;
  } Cases[] = {
      {"escape", [](TDragFixture& F) { KeyPress(F.Form.Get(), VK_ESCAPE); }, {"Win:leave", "end:nil 0,0"}},
      {"right button", [](TDragFixture& F) { F.Captured(WM_RBUTTONDOWN, F.Win, 10, 10); },
       {"Win:leave", "end:nil 0,0"}},
      {"capture lost", [](TDragFixture&) { ReleaseCapture(); Pump(5); }, {"Win:leave", "end:nil 0,0"}},
      {"CancelDrag", [](TDragFixture&) { CancelDrag(); }, {"Win:leave", "end:nil 0,0"}},
      {"EndDrag(false)", [](TDragFixture& F) { F.Src->EndDrag(false); }, {"Win:leave", "end:nil 0,0"}},
      {"refusing target", [](TDragFixture& F) {
         F.Captured(WM_MOUSEMOVE, F.Gfx, 10, 10);
         F.Captured(WM_LBUTTONUP, F.Gfx, 10, 10);
       },
       {"Win:leave", "Gfx:enter", "Gfx:leave", "end:nil 0,0"}},
      {"no target", [](TDragFixture& F) {
         F.Captured(WM_MOUSEMOVE, F.Form.Get(), 100, 180);
         F.Captured(WM_LBUTTONUP, F.Form.Get(), 100, 180);
       },
       {"Win:leave", "end:nil 0,0"}},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Name);
    TDragFixture F;
    F.StartAutomatic();
    C.End(F);
    EXPECT_EQ(F.Log, C.Expected);
    EXPECT_FALSE(F.Src->Dragging());
    EXPECT_EQ(GetCapture(), nullptr);
  }
}

TEST(Drag, ReleasedWithinTheThresholdIsNoDragAndNoClick) {
  TDragFixture F;
  bool Clicked = false;
  F.Src->OnClick = [&](TObject*) { Clicked = true; };
  F.Src->SetDragMode(dmAutomatic);
  MouseDown(F.Src, 5, 5);
  F.Captured(WM_LBUTTONUP, F.Src, 6, 6);
  EXPECT_EQ(F.Log, (TLog{"start", "end:nil 0,0"}));
  EXPECT_FALSE(Clicked);
  // Manual mode: the press is an ordinary one again.
  F.Src->SetDragMode(dmManual);
  F.Log.clear();
  Click(F.Src, 5, 5);
  EXPECT_EQ(F.Log, TLog{"down"});
  EXPECT_TRUE(Clicked);
}

// A windowless control dragged at once from code, carrying a drag object
// of its own; a target that goes away during the drag is forgotten.
TEST(Drag, ImmediateDragOfAWindowlessControlWithADragObject) {
  TDragFixture F;
  auto Carried = std::make_unique<TDragObject>();
  TDragObject* Seen = nullptr;
  F.Gfx->OnStartDrag = [&](TObject*, TDragObject*& Obj) { Obj = Carried.get(); };
  F.Gfx->OnEndDrag = [&](TObject*, TObject* Target, Integer, Integer) { Seen = Target ? Carried.get() : nullptr; };
  TPoint P = F.Gfx->ClientToScreen({5, 5});
  SetCursorPos(P.X, P.Y);
  Pump(5);
  F.Gfx->BeginDrag(true);
  EXPECT_TRUE(F.Gfx->Dragging());
  EXPECT_EQ(F.Log, TLog{"Gfx:enter"});  // asked at once: it lies under the mouse
  F.Src->BeginDrag(true);               // one drag at a time
  EXPECT_FALSE(F.Src->Dragging());

  // The accepting target vanishes under the drag.
  F.Captured(WM_MOUSEMOVE, F.Win, 10, 10);
  EXPECT_EQ(Carried->DragTarget(), F.Win);
  delete F.Win;
  F.Captured(WM_MOUSEMOVE, F.Src, 10, 10);
  F.Captured(WM_LBUTTONUP, F.Src, 12, 14);
  EXPECT_EQ(F.Src->LastSource, Carried.get());  // targets see the drag object
  EXPECT_TRUE(Carried->Dropped());
  EXPECT_EQ(Seen, Carried.get());
  EXPECT_EQ(F.Log, (TLog{"Gfx:enter", "Gfx:leave", "Win:enter", "Src:enter", "Src:drop 12,14"}));
  EXPECT_FALSE(F.Gfx->Dragging());
  EXPECT_EQ(GetCapture(), nullptr);
}
