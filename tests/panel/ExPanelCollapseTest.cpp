#include <gtest/gtest.h>
#include "panel/ExPanel.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/Registry.h"
#include "platform/rtl/SysUtils.h"
#include "tests/support/TempDir.h"
#include "tests/support/ui/Gui.h"

namespace jorv {
using namespace jorv::panel;
namespace {

using namespace expanel;

// A 300 x 200 panel with a visible top caption of 20 on a shown form, and
// a log of its collapse events in order.
struct CaptionedPanel {
  test::TTestForm Form{400, 300};
  TExPanel* P = new TExPanel(Form.Get());
  String Log;
  CaptionedPanel() {
    P->SetParent(Form.Get());
    P->SetBounds(10, 10, 300, 200);
    P->Caption()->SetVisible(true);
    P->OnMinimize = [this](TObject*) { Log += L"min "; };
    P->OnMaximize = [this](TObject*) { Log += L"max "; };
    P->OnEndCollapsExpand = [this](TObject*) { Log += L"end "; };
    P->OnCaptionClick = [this](TObject*) { Log += L"click "; };
    P->OnClose = [this](TObject*) { Log += L"close "; };
    test::Pump();
  }
  void Tick() { ::SendMessageW(P->Handle(), WM_TIMER, TCustomExPanel::CollapsTimerID, 0); }
};

TEST(ExPanelCollapse, CollapsesToCaptionAndExpandsBack) {
  CaptionedPanel T;
  T.P->SetCollaps(true);
  EXPECT_EQ(T.P->Height(), 18);
  EXPECT_EQ(T.P->FullHeight(), 200);
  EXPECT_EQ(T.Log, L"min end ");
  T.P->SetCollaps(false);
  EXPECT_EQ(T.P->Height(), 200);
  EXPECT_EQ(T.Log, L"min end max end ");
  // A write of the current state reports the end without min or max.
  T.P->SetCollaps(false);
  EXPECT_EQ(T.Log, L"min end max end end ");
}

TEST(ExPanelCollapse, AnimationStepsOnTimerTicksAndColoursThePanel) {
  CaptionedPanel T;
  T.P->SetCollapsSteps(4);
  T.P->SetCollapsDelay(100000);  // only the ticks sent below move it
  T.P->SetColor(clWhite);
  T.P->SetCollaps(true);
  EXPECT_TRUE(T.P->IsCollapsing());
  EXPECT_EQ(T.P->Color(), 0x808080);
  EXPECT_EQ(T.Log, L"min ");
  // A second write while animating fires its event and changes nothing.
  T.P->SetCollaps(false);
  EXPECT_EQ(T.Log, L"min max ");
  for (Integer Expected : {155, 110, 65, 20}) {
    T.Tick();
    EXPECT_EQ(T.P->Height(), Expected);
  }
  EXPECT_TRUE(T.P->IsCollapsing());
  T.Tick();
  EXPECT_EQ(T.P->Height(), 18);
  EXPECT_FALSE(T.P->IsCollapsing());
  EXPECT_EQ(T.Log, L"min max end ");
  EXPECT_EQ(T.P->Color(), 0x808080);

  T.P->SetCollaps(false);
  EXPECT_EQ(T.P->Color(), clWhite);
  for (Integer Expected : {63, 108, 153, 198}) {
    T.Tick();
    EXPECT_EQ(T.P->Height(), Expected);
  }
  T.Tick();
  EXPECT_EQ(T.P->Height(), 200);
  EXPECT_FALSE(T.P->IsCollapsing());
}

TEST(ExPanelCollapse, DestroyingTheWindowMidAnimationFinishesIt) {
  CaptionedPanel T;
  T.P->SetCollapsSteps(4);
  T.P->SetCollapsDelay(100000);
  T.P->SetCollaps(true);
  T.Tick();
  delete T.P;  // neither the timer nor the animation may outlive it
  test::Pump();
}

TEST(ExPanelCollapse, SideCaptionsCollapseAlongTheWidth) {
  struct Case { TCaptionPosition Pos; Integer Left, Width; };
  // Width 300 at left 10: collapsed to the caption (20); a right caption
  // keeps its right edge at 310.
  const Case Cases[] = {{cpLeft, 10, 20}, {cpRight, 290, 20}};
  for (const Case& c : Cases) {
    SCOPED_TRACE(int(c.Pos));
    CaptionedPanel T;
    T.P->Caption()->SetPosition(c.Pos);
    T.P->SetWidth(300);
    T.P->SetCollaps(true);
    EXPECT_EQ(T.P->Left(), c.Left);
    EXPECT_EQ(T.P->Width(), c.Width);
    EXPECT_EQ(T.P->Height(), 200);
    T.P->SetCollaps(false);
    EXPECT_EQ(T.P->Left(), 10);
    EXPECT_EQ(T.P->Width(), 300);
  }
}

TEST(ExPanelCollapse, ChildrenHideExceptInTheCaptionAndComeBackAsTheyWere) {
  CaptionedPanel T;
  auto* InCaption = new TPanel(T.P);
  InCaption->SetParent(T.P);
  InCaption->SetBounds(100, 2, 40, 14);
  auto* Body = new TPanel(T.P);
  Body->SetParent(T.P);
  Body->SetBounds(10, 50, 40, 40);
  auto* Hidden = new TPanel(T.P);
  Hidden->SetParent(T.P);
  Hidden->SetBounds(60, 50, 40, 40);
  Hidden->SetVisible(false);
  T.P->SetCollaps(true);
  EXPECT_TRUE(InCaption->Visible());
  EXPECT_FALSE(Body->Visible());
  T.P->SetCollaps(false);
  EXPECT_TRUE(Body->Visible());
  EXPECT_FALSE(Hidden->Visible());
}

TEST(ExPanelCollapse, CaptionClicksThroughTheMouse) {
  CaptionedPanel T;
  T.P->Caption()->SetMinMaxButton(true);
  // The min/max button toggles once and also counts as a caption click.
  test::Click(T.P, 290, 8);
  EXPECT_TRUE(T.P->Collaps());
  EXPECT_EQ(T.Log, L"min end click ");
  test::Click(T.P, 290, 8);
  EXPECT_FALSE(T.P->Collaps());
  // The text area toggles only with MinMaxCaption.
  T.Log.clear();
  test::Click(T.P, 100, 8);
  EXPECT_FALSE(T.P->Collaps());
  EXPECT_EQ(T.Log, L"click ");
  T.P->Caption()->SetMinMaxCaption(true);
  test::Click(T.P, 100, 8);
  EXPECT_TRUE(T.P->Collaps());
  test::Click(T.P, 100, 8);
  EXPECT_FALSE(T.P->Collaps());
  // The body is no caption.
  T.Log.clear();
  test::Click(T.P, 100, 100);
  EXPECT_EQ(T.Log, L"");
}

TEST(ExPanelCollapse, DoubleClickOnTheCaptionReportsItself) {
  CaptionedPanel T;
  int DoubleClicks = 0;
  T.P->OnCaptionDBlClick = [&](TObject*) { ++DoubleClicks; };
  test::MouseMove(T.P, 100, 8);
  ::PostMessageW(T.P->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(100, 8));
  ::PostMessageW(T.P->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(100, 100));
  test::Pump();
  EXPECT_EQ(DoubleClicks, 1);
}

TEST(ExPanelCollapse, CloseButtonHidesAndFreeOnCloseFreesAfterTheHandler) {
  CaptionedPanel T;
  T.P->Caption()->SetCloseButton(true);
  test::Click(T.P, 290, 8);
  EXPECT_FALSE(T.P->Visible());
  EXPECT_EQ(T.Log.substr(0, 6), L"close ");

  CaptionedPanel F;
  F.P->Caption()->SetCloseButton(true);
  F.P->SetFreeOnClose(true);
  bool Freed = false;
  struct TWatch : TComponent {
    bool* Flag;
    TWatch(bool* F) : TComponent(nullptr), Flag(F) {}
    void Notification(TComponent*, TOperation Op) override {
      if (Op == opRemove) *Flag = true;
    }
  } Watch(&Freed);
  F.P->FreeNotification(&Watch);
  test::Click(F.P, 290, 8);
  test::PumpUntil([&] { return Freed; });
  EXPECT_TRUE(Freed);
  EXPECT_EQ(F.Form->ControlCount(), 0);
  EXPECT_EQ(F.Log, L"close ");
}

// ---- moving and sizing ----

LRESULT HitAt(TExPanel* P, Integer X, Integer Y) {
  const TPoint S = P->ClientToScreen({X, Y});
  return ::SendMessageW(P->Handle(), WM_NCHITTEST, 0, MAKELPARAM(S.X, S.Y));
}

TEST(ExPanelMoveSize, HitTestsAnswerCaptionAndEdges) {
  CaptionedPanel T;
  T.P->SetBevelOuter(bvNone);
  T.P->Caption()->SetCloseButton(true);
  const Integer FX = ::GetSystemMetrics(SM_CXFRAME), FY = ::GetSystemMetrics(SM_CYFRAME);
  EXPECT_EQ(HitAt(T.P, 100, 8), HTCLIENT);  // CanMove off
  T.P->SetCanMove(true);
  T.P->SetCanSize(true);
  EXPECT_EQ(HitAt(T.P, 100, 8), HTCAPTION);
  EXPECT_EQ(HitAt(T.P, 292, 8), HTCLIENT);  // over the close button
  EXPECT_EQ(HitAt(T.P, 100, 100), HTCLIENT);
  EXPECT_EQ(HitAt(T.P, 299, 199), HTBOTTOMRIGHT);
  EXPECT_EQ(HitAt(T.P, 100, 200 - FY + 1), HTBOTTOM);
  EXPECT_EQ(HitAt(T.P, 300 - FX + 1, 100), HTRIGHT);
  T.P->SetFixedWidth(true);
  EXPECT_EQ(HitAt(T.P, 300 - FX + 1, 100), HTCLIENT);
  EXPECT_EQ(HitAt(T.P, 299, 199), HTBOTTOM);
  T.P->SetCanMove(false);
  T.P->SetCollaps(true);
  EXPECT_EQ(HitAt(T.P, 299, 17), HTCLIENT);  // a collapsed panel does not size
}

TEST(ExPanelMoveSize, AnAnchorInTheCaptionStartsNoDrag) {
  CaptionedPanel T;
  T.P->SetCanMove(true);
  T.P->Caption()->SetText(L"<a href=\"x\">LinkLinkLinkLink</a>");
  EXPECT_EQ(HitAt(T.P, 10, 8), HTCLIENT);
  EXPECT_EQ(HitAt(T.P, 250, 8), HTCAPTION);
}

TEST(ExPanelMoveSize, PinsHoldTheirBoundsAndTheEndIsReported) {
  CaptionedPanel T;
  int Ends = 0;
  T.P->OnEndMoveSize = [&](TObject*) { ++Ends; };
  T.P->SetFixedWidth(true);
  T.P->SetFixedLeft(true);
  T.P->SetFixedTop(true);
  ::SendMessageW(T.P->Handle(), WM_ENTERSIZEMOVE, 0, 0);
  const TPoint O = T.P->ClientOrigin();
  RECT R{O.X, O.Y, O.X + 350, O.Y + 260};
  ::SendMessageW(T.P->Handle(), WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&R));
  EXPECT_EQ(R.right - R.left, 300);
  EXPECT_EQ(R.bottom - R.top, 260);
  EXPECT_EQ(T.P->FullHeight(), 260);
  RECT M{O.X + 30, O.Y + 40, O.X + 330, O.Y + 240};
  ::SendMessageW(T.P->Handle(), WM_MOVING, 0, reinterpret_cast<LPARAM>(&M));
  EXPECT_EQ(M.left, O.X);
  EXPECT_EQ(M.top, O.Y);
  EXPECT_EQ(M.right - M.left, 300);
  ::SendMessageW(T.P->Handle(), WM_EXITSIZEMOVE, 0, 0);
  EXPECT_EQ(Ends, 1);
}

// ---- position persistence ----

TEST(ExPanelPosition, RoundTripsThroughAnIniFile) {
  test::TTempDir Dir;
  const String Ini = Dir.Path(L"pos.ini");
  {
    CaptionedPanel T;
    T.P->Position()->SetLocation(clInifile);
    T.P->Position()->SetKey(Ini);
    T.P->SavePosition();  // no section: nothing
    EXPECT_FALSE(FileExists(Ini));
    T.P->Position()->SetSection(L"P1");
    T.P->Position()->SetSave(true);
    T.P->SetBounds(12, 34, 250, 150);
    T.P->SetCollaps(true);
    // Freeing the panel destroys its window, which saves.
    delete T.P;
  }
  TMemIniFile F(Ini);
  EXPECT_EQ(F.ReadInteger(L"P1", L"Top", -1), 34);
  EXPECT_EQ(F.ReadInteger(L"P1", L"Left", -1), 12);
  EXPECT_EQ(F.ReadInteger(L"P1", L"Height", -1), 18);
  EXPECT_EQ(F.ReadInteger(L"P1", L"FullHeight", -1), 150);
  EXPECT_EQ(F.ReadInteger(L"P1", L"Width", -1), 250);
  EXPECT_EQ(F.ReadInteger(L"P1", L"Collaps", -1), 1);

  CaptionedPanel L;
  L.P->Position()->SetLocation(clInifile);
  L.P->Position()->SetKey(Ini);
  L.P->Position()->SetSection(L"P1");
  L.P->LoadPosition();
  EXPECT_EQ(L.P->BoundsRect(), TRect(12, 34, 262, 52));
  EXPECT_TRUE(L.P->Collaps());
  EXPECT_EQ(L.P->FullHeight(), 150);
  L.P->SetCollaps(false);
  EXPECT_EQ(L.P->Height(), 150);
}

TEST(ExPanelPosition, RoundTripsThroughTheRegistry) {
  const String Key = L"Software\\JorvensaalTests\\PanelPosition";
  {
    CaptionedPanel T;
    T.P->Position()->SetKey(Key);
    T.P->Position()->SetSection(L"P2");
    T.P->SetBounds(5, 6, 210, 120);
    T.P->SavePosition();
  }
  CaptionedPanel L;
  L.P->Position()->SetKey(Key);
  L.P->Position()->SetSection(L"P2");
  L.P->LoadPosition();
  EXPECT_EQ(L.P->BoundsRect(), TRect(5, 6, 215, 126));
  EXPECT_FALSE(L.P->Collaps());
  TRegistry Reg;
  Reg.SetRootKey(HKEY_CURRENT_USER);
  Reg.DeleteKey(L"\\Software\\JorvensaalTests\\PanelPosition\\P2");
  Reg.DeleteKey(L"\\Software\\JorvensaalTests\\PanelPosition");
  Reg.DeleteKey(L"\\Software\\JorvensaalTests");
}

TEST(ExPanelPosition, AssignCopiesOnlyFromAPosition) {
  TPanelPosition A(nullptr), B(nullptr);
  A.SetKey(L"k");
  A.SetSection(L"s");
  A.SetSave(true);
  A.SetLocation(clInifile);
  B.Assign(&A);
  EXPECT_EQ(B.Key(), L"k");
  EXPECT_EQ(B.Section(), L"s");
  EXPECT_TRUE(B.Save());
  EXPECT_EQ(B.Location(), clInifile);
  TFont Other;
  EXPECT_THROW(B.Assign(&Other), EInvalidCast);
}

}  // namespace
}  // namespace jorv

namespace jorv {
namespace {

void SendMouse(DWORD Flags, Integer X = 0, Integer Y = 0) {
  INPUT In{};
  In.type = INPUT_MOUSE;
  In.mi.dwFlags = Flags;
  if (Flags & MOUSEEVENTF_MOVE) {
    In.mi.dwFlags |= MOUSEEVENTF_ABSOLUTE;
    In.mi.dx = X * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1);
    In.mi.dy = Y * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1);
  }
  ::SendInput(1, &In, sizeof(In));
}

// A real drag of the caption with the pointer: the panel follows in its
// parent, except along a pinned bound.
TEST(ExPanelMoveSize, DraggingTheCaptionMovesThePanel) {
  CaptionedPanel T;
  T.P->SetCanMove(true);
  T.P->SetFixedTop(true);
  int Ends = 0;
  T.P->OnEndMoveSize = [&](TObject*) { ++Ends; };
  const TPoint From = T.P->ClientToScreen({100, 8});
  SendMouse(MOUSEEVENTF_MOVE, From.X, From.Y);
  test::Pump();
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  for (Integer Step = 1; Step <= 3; ++Step) SendMouse(MOUSEEVENTF_MOVE, From.X + 10 * Step, From.Y + 7 * Step);
  SendMouse(MOUSEEVENTF_LEFTUP);
  test::PumpUntil([&] { return Ends > 0; });
  EXPECT_EQ(Ends, 1);
  EXPECT_EQ(T.P->Left(), 40);
  EXPECT_EQ(T.P->Top(), 10);
}

}  // namespace
}  // namespace jorv
