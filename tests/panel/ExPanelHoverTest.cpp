#include <gtest/gtest.h>
#include <vector>
#include "panel/ExPanel.h"
#include "platform/ui/Application.h"
#include "platform/ui/ShellOpen.h"
#include "tests/support/ui/Gui.h"

namespace jorv {
using namespace jorv::panel;
namespace {

using namespace expanel;

// Width and height of Text in Font on a screen-compatible DC, measured
// with GDI directly.
TSize TextSize(TFont* Font, const String& Text) {
  HDC DC = ::CreateCompatibleDC(nullptr);
  HGDIOBJ Old = ::SelectObject(DC, Font->Handle());
  SIZE S{};
  ::GetTextExtentPoint32W(DC, Text.c_str(), int(Text.size()), &S);
  ::SelectObject(DC, Old);
  ::DeleteDC(DC);
  return {S.cx, S.cy};
}

struct HoverPanel {
  test::TTestForm Form{400, 300};
  TExPanel* P = new TExPanel(Form.Get());
  std::vector<String> Events;
  std::vector<String> Opened;
  TShellOpenHandler OldShell;
  HoverPanel() {
    P->SetParent(Form.Get());
    P->SetBounds(10, 10, 300, 200);
    P->OnAnchorEnter = [this](TObject*, const String& A) { Events.push_back(L"enter " + A); };
    P->OnAnchorExit = [this](TObject*, const String& A) { Events.push_back(L"exit " + A); };
    P->OnAnchorClick = [this](TObject*, const String& A) { Events.push_back(L"click " + A); };
    OldShell = SetShellOpenHandler([this](const String& A) { Opened.push_back(A); });
    test::Pump();
  }
  ~HoverPanel() { SetShellOpenHandler(OldShell); }
  // The middle of text line Line (from 0) of the body, whose text starts
  // at (2, 2) inside the raised bevel.
  Integer LineY(Integer Line) {
    const Integer LH = TextSize(P->Font(), L"Ag").cy;
    return 2 + LH * Line + LH / 2;
  }
};

TEST(ExPanelAnchors, HoverSetsTheHandAndReportsEnterAndExitOnce) {
  HoverPanel T;
  T.P->SetText(L"<a href=\"page1\">First anchor</a>");
  test::MouseMove(T.P, 6, T.LineY(0));
  EXPECT_EQ(T.P->Cursor(), crHandPoint);
  test::MouseMove(T.P, 9, T.LineY(0));
  test::MouseMove(T.P, 200, 150);
  EXPECT_EQ(T.P->Cursor(), crDefault);
  const std::vector<String> Expected{L"enter page1", L"exit "};
  EXPECT_EQ(T.Events, Expected);
  // Coming back enters again.
  test::MouseMove(T.P, 6, T.LineY(0));
  EXPECT_EQ(T.Events.back(), L"enter page1");
}

TEST(ExPanelAnchors, OnlyWebAndMailLinksGoToTheShell) {
  HoverPanel T;
  T.P->SetText(
      L"<a href=\"http://example.org/\">web</a><br><a href=\"page\">page</a><br>"
      L"<a href=\"file://c:/windows/notepad.exe\">prog</a><br><a href=\"MAILTO:a@b.c\">mail</a>");
  for (Integer Line = 0; Line < 4; ++Line) test::Click(T.P, 6, T.LineY(Line));
  const std::vector<String> Opened{L"http://example.org/", L"MAILTO:a@b.c"};
  EXPECT_EQ(T.Opened, Opened);
  std::vector<String> Clicks;
  for (const String& E : T.Events)
    if (E.rfind(L"click ", 0) == 0) Clicks.push_back(E);
  const std::vector<String> Expected{L"click page", L"click file://c:/windows/notepad.exe"};
  EXPECT_EQ(Clicks, Expected);
}

TEST(ExPanelAnchors, TopCaptionHasAnchorsSideCaptionsNone) {
  HoverPanel T;
  T.P->Caption()->SetVisible(true);
  T.P->Caption()->SetText(L"<a href=\"cap\">Caption anchor</a>");
  test::MouseMove(T.P, 8, 9);
  ASSERT_EQ(T.Events.size(), 1u);
  EXPECT_EQ(T.Events[0], L"enter cap");
  test::MouseMove(T.P, 250, 9);
  EXPECT_EQ(T.Events.back(), L"exit ");

  T.Events.clear();
  T.P->Caption()->SetPosition(cpLeft);
  test::MouseMove(T.P, 9, 8);
  test::MouseMove(T.P, 9, 30);
  EXPECT_TRUE(T.Events.empty());
}

TEST(ExPanelAnchors, AnchorHintShowsTheAddressBesideThePointer) {
  HoverPanel T;
  T.P->SetText(L"<a href=\"page1\">First anchor</a>");
  T.P->SetAnchorHint(true);
  THintInfo Info;
  Info.HintControl = T.P;
  Info.CursorPos = {6, T.LineY(0)};
  Info.HintStr = L"own hint";
  EXPECT_EQ(T.P->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&Info)), 0);
  EXPECT_EQ(Info.HintStr, L"page1");
  const TPoint S = T.P->ClientToScreen(Info.CursorPos);
  EXPECT_EQ(Info.HintPos, TPoint(S.X + 10, S.Y - 10));

  T.P->OnAnchorHint = [](TObject*, String& A) { A = L"Go to " + A; };
  EXPECT_EQ(T.P->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&Info)), 0);
  EXPECT_EQ(Info.HintStr, L"Go to page1");

  // Away from anchors the panel's own hint stays.
  THintInfo Away;
  Away.CursorPos = {200, 150};
  Away.HintStr = L"own hint";
  T.P->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&Away));
  EXPECT_EQ(Away.HintStr, L"own hint");
}

TEST(ExPanelAnchors, LeavingThePanelResetsButtonHover) {
  HoverPanel T;
  T.P->Caption()->SetVisible(true);
  T.P->Caption()->SetCloseButton(true);
  T.P->Caption()->SetCloseButtonHoverColor(clRed);
  int Leaves = 0;
  T.P->OnMouseLeave = [&](TObject*) { ++Leaves; };
  test::MouseMove(T.P, 292, 8);
  test::TRendered Over(T.P);
  bool Red = false;
  for (Integer x = 286; x < 298; ++x)
    for (Integer y = 2; y < 14; ++y) Red = Red || Over.Pixel(x, y) == clRed;
  EXPECT_TRUE(Red);
  test::MouseMove(T.Form.Get(), 380, 280);
  test::PumpUntil([&] { return Leaves > 0; });
  EXPECT_EQ(Leaves, 1);
  test::TRendered Away(T.P);
  for (Integer x = 286; x < 298; ++x)
    for (Integer y = 2; y < 14; ++y) ASSERT_NE(Away.Pixel(x, y), clRed);
}

// ---- measuring and automatic sizing ----

TEST(ExPanelAutoSize, SizesTheBoundsToTheText) {
  TExPanel P(nullptr);
  P.SetText(L"Hello");
  P.Caption()->SetVisible(true);
  const TSize Text = TextSize(P.Font(), L"Hello");
  // The engine counts 2 pixels more than the widest line.
  const TSize HTML = P.GetHTMLSize();
  EXPECT_EQ(HTML.cx, Text.cx + 2);
  EXPECT_EQ(P.Width(), 300);  // sizing is off
  P.AutoSize()->SetHeight(false);
  P.AutoSize()->SetEnabled(true);
  EXPECT_EQ(P.Width(), Text.cx + 2 + 2);
  EXPECT_EQ(P.Height(), 200);
  P.AutoSize()->SetHeight(true);
  EXPECT_EQ(P.Height(), 200);  // only at the next sizing
  P.SetText(L"Hello");
  EXPECT_EQ(P.Height(), 20 + HTML.cy + 2);

  // A status bar and a border join in.
  P.StatusBar()->SetVisible(true);
  P.SetBorderWidth(2);
  P.SetText(L"Hello");
  EXPECT_EQ(P.Height(), 20 + (HTML.cy + 4) + 18 + 2 + 4);
  EXPECT_EQ(P.Width(), Text.cx + 2 + 4 + 2);
}

TEST(ExPanelAutoSize, CopyingEnabledSettingsSizesAtOnce) {
  TExPanel P(nullptr);
  P.SetText(L"Hello");
  TAutoSize Source(nullptr);
  Source.SetEnabled(true);
  Source.SetHeight(false);
  P.SetAutoSize(&Source);
  EXPECT_TRUE(P.AutoSize()->Enabled());
  EXPECT_FALSE(P.AutoSize()->Height());
  EXPECT_EQ(P.Width(), TextSize(P.Font(), L"Hello").cx + 2 + 2);
  TFont Other;
  EXPECT_THROW(P.AutoSize()->Assign(&Other), EInvalidCast);
}

}  // namespace
}  // namespace jorv
