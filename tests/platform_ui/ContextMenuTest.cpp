// Context menus of controls: the right button or the keyboard pops the
// control's own menu, the handler of the request can take it over, and a
// freed menu is forgotten.
#include <gtest/gtest.h>
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::test;

namespace {

// A menu of one item that logs whom it popped up for, where, and closes
// itself at once through its own loop.
struct TLoggingMenu {
  TPopupMenu* Menu;
  std::vector<TComponent*> PoppedFor;

  // Owner: the form unless given (a menu may live on another module).
  explicit TLoggingMenu(TForm* Form, TComponent* Owner = nullptr) : Menu(new TPopupMenu(Owner ? Owner : Form)) {
    auto* I = new TMenuItem(Menu->Owner());
    I->SetCaption(L"Only");
    Menu->Items()->Add(I);
    HWND W = Form->Handle();
    Menu->OnPopup = [this, W](TObject*) {
      PoppedFor.push_back(Menu->PopupComponent());
      PostMessageW(W, WM_KEYDOWN, VK_ESCAPE, 1);
      PostMessageW(W, WM_KEYUP, VK_ESCAPE, 0xC0000001);
    };
  }
};

void RightClick(TControl* C, Integer X, Integer Y) {
  MouseDown(C, X, Y, mbRight);
  MouseUp(C, X, Y, mbRight);
}

}  // namespace

TEST(ContextMenu, RightButtonPopsTheMenuOfTheControlUnderIt) {
  TTestForm F;
  TLoggingMenu FormMenu(F.Get()), PanelMenu(F.Get()), ShapeMenu(F.Get());
  F->SetPopupMenu(FormMenu.Menu);
  auto* Panel = new TPanel(F.Get());
  Panel->SetParent(F.Get());
  Panel->SetBounds(10, 10, 100, 60);
  Panel->SetPopupMenu(PanelMenu.Menu);
  auto* Bare = new TPanel(F.Get());
  Bare->SetParent(F.Get());
  Bare->SetBounds(150, 10, 100, 60);
  auto* Shape = new TShape(F.Get());
  Shape->SetParent(F.Get());
  Shape->SetBounds(10, 100, 60, 40);
  Shape->SetPopupMenu(ShapeMenu.Menu);
  std::vector<TMouseButton> ShapeUps;
  Shape->OnMouseUp = [&](TObject*, TMouseButton B, TShiftState, Integer, Integer) { ShapeUps.push_back(B); };

  RightClick(Panel, 20, 30);
  EXPECT_EQ(PanelMenu.PoppedFor, std::vector<TComponent*>{Panel});
  EXPECT_EQ(PanelMenu.Menu->PopupPoint().X, Panel->ClientToScreen({20, 30}).X);
  EXPECT_EQ(PanelMenu.Menu->PopupPoint().Y, Panel->ClientToScreen({20, 30}).Y);
  // A windowless control has its menu through its parent's window, and
  // still hears the button come up.
  RightClick(Shape, 5, 5);
  EXPECT_EQ(ShapeMenu.PoppedFor, std::vector<TComponent*>{Shape});
  EXPECT_EQ(ShapeUps, std::vector<TMouseButton>{mbRight});
  // A control without a menu leaves the request to its parent.
  RightClick(Bare, 5, 5);
  RightClick(F.Get(), 280, 180);
  EXPECT_EQ(FormMenu.PoppedFor, (std::vector<TComponent*>{F.Get(), F.Get()}));
  EXPECT_EQ(PanelMenu.PoppedFor.size(), 1u);
  EXPECT_EQ(ShapeMenu.PoppedFor.size(), 1u);
}

TEST(ContextMenu, HandlerTakesOverAndKeyboardRequestsPopAtTheOrigin) {
  TTestForm F;
  TLoggingMenu FormMenu(F.Get()), PanelMenu(F.Get());
  F->SetPopupMenu(FormMenu.Menu);
  auto* Panel = new TPanel(F.Get());
  Panel->SetParent(F.Get());
  Panel->SetBounds(30, 20, 100, 60);
  Panel->SetPopupMenu(PanelMenu.Menu);
  std::vector<TPoint> Asked;
  bool Take = true;
  Panel->OnContextPopup = [&](TObject*, TPoint P, bool& Handled) {
    Asked.push_back(P);
    Handled = Take;
  };

  RightClick(Panel, 7, 9);
  EXPECT_TRUE(PanelMenu.PoppedFor.empty());
  Take = false;
  PostMessageW(Panel->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Panel->Handle()), MAKELPARAM(-1, -1));
  Pump(5);
  ASSERT_EQ(Asked.size(), 2u);
  EXPECT_EQ(Asked[0].X, 7);
  EXPECT_EQ(Asked[0].Y, 9);
  EXPECT_EQ(Asked[1].X, -1);
  EXPECT_EQ(Asked[1].Y, -1);
  EXPECT_EQ(PanelMenu.PoppedFor, std::vector<TComponent*>{Panel});
  EXPECT_EQ(PanelMenu.Menu->PopupPoint().X, Panel->ClientToScreen({0, 0}).X);
  EXPECT_EQ(PanelMenu.Menu->PopupPoint().Y, Panel->ClientToScreen({0, 0}).Y);
  // A menu that does not pop up by itself lets the parent's show instead.
  PanelMenu.Menu->SetAutoPopup(false);
  RightClick(Panel, 7, 9);
  EXPECT_EQ(PanelMenu.PoppedFor.size(), 1u);
  EXPECT_EQ(FormMenu.PoppedFor, std::vector<TComponent*>{F.Get()});
  EXPECT_TRUE(FormMenu.Menu->PopupComponent() == F.Get());
}

TEST(ContextMenu, FreedMenuIsForgotten) {
  TTestForm F;
  // Not the panel's owner, which would tell it of the menu's end anyway.
  TComponent Module(nullptr);
  TLoggingMenu First(F.Get(), &Module), Second(F.Get(), &Module);
  auto* Panel = new TPanel(F.Get());
  Panel->SetParent(F.Get());
  Panel->SetBounds(10, 10, 100, 60);
  Panel->SetPopupMenu(First.Menu);
  RightClick(Panel, 5, 5);  // the menu now also knows the panel
  Panel->SetPopupMenu(Second.Menu);
  delete First.Menu;
  EXPECT_EQ(Panel->PopupMenu(), Second.Menu);
  delete Second.Menu;
  EXPECT_EQ(Panel->PopupMenu(), nullptr);
  RightClick(Panel, 5, 5);  // nothing left to show
}

TEST(ContextMenu, SharedMenuFreedIsForgottenByEveryControl) {
  TTestForm F;
  TComponent Module(nullptr);
  TLoggingMenu Shared(F.Get(), &Module);
  TPanel* Panels[2];
  for (int i = 0; i < 2; ++i) {
    Panels[i] = new TPanel(F.Get());
    Panels[i]->SetParent(F.Get());
    Panels[i]->SetBounds(10 + 110 * i, 10, 100, 60);
    Panels[i]->SetPopupMenu(Shared.Menu);
  }
  // Popping up for the second control must not cut the first one's link.
  RightClick(Panels[0], 5, 5);
  RightClick(Panels[1], 5, 5);
  delete Shared.Menu;
  EXPECT_EQ(Panels[0]->PopupMenu(), nullptr);
  EXPECT_EQ(Panels[1]->PopupMenu(), nullptr);
}
