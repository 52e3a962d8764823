#include <gtest/gtest.h>
#include "panel/ExPanelGroup.h"
#include "panel/ExPanelStyler.h"
#include "tests/support/ui/Gui.h"

namespace jorv {
using namespace jorv::panel;
namespace {

using namespace expanel;

TEST(ExPanelSettings, NoticesFollowTheirWriteRules) {
  TExPanelSettings S;
  int Notices = 0;
  S.OnChange = [&](TObject*) { ++Notices; };
  S.SetColorTo(clNone);  // unchanged: quiet
  EXPECT_EQ(Notices, 0);
  S.SetText(L"");  // notifies even unchanged
  EXPECT_EQ(Notices, 1);
  S.SetColor(clRed);  // plain store
  S.SetHeight(50);
  EXPECT_EQ(Notices, 1);
  S.Caption()->SetHeight(30);  // the caption reports through the settings
  EXPECT_EQ(Notices, 2);
  S.BeginUpdate();
  S.SetHover(true);
  S.SetIndent(3);
  EXPECT_EQ(Notices, 2);
  S.EndUpdate();
  EXPECT_EQ(Notices, 3);
  S.EndUpdate();  // not in an update: nothing
  EXPECT_EQ(Notices, 3);
}

TEST(ExPanelSettings, CopiesByContentAndQuietly) {
  TExPanelSettings A, B;
  A.SetColor(clRed);
  A.Caption()->SetColor(clGreen);
  A.Font()->SetName(L"Arial");
  A.StatusBar()->SetColor(clBlue);
  int Notices = 0;
  B.OnChange = [&](TObject*) { ++Notices; };
  B.Assign(&A);
  EXPECT_EQ(Notices, 0);
  EXPECT_EQ(B.Color(), clRed);
  EXPECT_EQ(B.Caption()->Color(), clGreen);
  EXPECT_EQ(B.Font()->Name(), L"Arial");
  B.StatusBar()->SetColor(clYellow);
  EXPECT_EQ(A.StatusBar()->Color(), clBlue);
  // Writing the caption or status bar copies into the owned objects.
  TPanelCaption Given;
  Given.SetColor(clMaroon);
  B.SetCaption(&Given);
  EXPECT_NE(B.Caption(), &Given);
  EXPECT_EQ(B.Caption()->Color(), clMaroon);
}

TEST(ExPanelSettings, ApplyKeepsThePanelsButtonsAndFont) {
  TExPanelSettings S;
  S.Caption()->SetCloseButton(true);
  S.Caption()->SetColor(clGreen);
  S.SetColor(clYellow);
  S.SetHeight(77);
  S.Font()->SetName(L"Courier New");
  TExPanel P(nullptr);
  P.SetParentFont(true);
  const String PanelFont = P.Font()->Name();
  P.ApplySettings(&S);
  EXPECT_FALSE(P.Caption()->CloseButton());
  EXPECT_EQ(P.Caption()->Color(), clGreen);
  EXPECT_EQ(P.Color(), clYellow);
  EXPECT_EQ(P.Font()->Name(), PanelFont);
  EXPECT_EQ(P.Caption()->Font()->Name(), PanelFont);
  EXPECT_EQ(P.Height(), 200);
  P.SetParentFont(false);
  P.AssignSettings(&S);
  EXPECT_EQ(P.Font()->Name(), L"Courier New");
  EXPECT_EQ(P.Height(), 77);
}

// The colours each preset gives a styled panel and a styled group: body,
// mirror, caption and status bar.
TEST(ExPanelStyler, PresetsColourPanelsAndGroups) {
  struct Case {
    TExPanelStyle Style;
    TColor Color, ColorTo, Mirror, Cap, CapTo, Bar, BarTo;
  };
  const Case Cases[] = {
      {psXP, clWhite, 0xE3F0F2, clNone, clHighlight, clBlue, 0xE3F0F2, clWhite},
      {psFlat, clBtnFace, clNone, clNone, clHighlight, clNone, clBtnFace, clNone},
      {psZVQ, clWhite, 0xE4E4E4, clNone, clWhite, clNone, 0xDEDEDE, 0xA9A9A9},
      {psClassic, clBtnFace, clNone, clNone, clWhite, clNone, clBtnFace, clNone},
      {psOffice2003Blue, 0xFDEADA, 0xE4AE88, clNone, 0xD68759, 0x933803, 0xE08F65, 0xF9DBC4},
      {psOffice2003Olive, 0xCFF0EA, 0x8CC0B1, clNone, 0xC6EFE7, 0x94BDB5, 0x80B0A1, 0xD3E4E3},
      {psOffice2003Silver, 0xECE2E1, 0xB39698, clNone, 0xEFE7E7, 0xAA8888, 0xBFA8A9, 0xDECFCF},
      {psOffice2003Classic, clWhite, 0xC9D1D5, clNone, clHighlight, clBlue, 0xE3F0F2, clWhite},
      {psOffice2007Luna, 0xFAF1E9, 0xEDD8C7, 0xEDD8C7, 0xFFEFE3, 0xFFD2AF, 0xF7E3D3, 0xF5D0B3},
      {psOffice2007Obsidian, 0xCFC6C1, 0xC5BBB4, 0xC5BBB4, 0xB8B8B6, 0xA0A09E, 0xA19F9E, 0x534D4B},
      {psWhidbey, clWhite, 0xE3F0F2, clNone, 0xF3F7F8, 0xACC3C3, 0xE3F0F2, clWhite},
      {psWindowsXP, clBtnFace, clNone, clNone, clHighlight, clNone, clBtnFace, clNone},
      {psOffice2007Silver, 0xF9F5F3, 0xE7DCD5, 0xE7DCD5, 0xF8F7F6, 0xE8E0DB, 0xFAEEEB, 0xE5DBD7},
      {psWindowsVista, 0xFDF8F1, 0xFCEFD5, clNone, 0xFDF8F1, 0xFCEFD5, 0xFDF8F1, 0xFCEFD5},
      {psWindows7, 0xFDFBFA, 0xFDF3EB, clNone, 0xFCEBDC, 0xFCDBC1, 0xFCEBDC, 0xFCDBC1},
      {psTerminal, clBtnFace, clNone, clNone, clSilver, clNone, clSilver, clNone},
      {psOffice2010Blue, 0xFDF6EF, 0xF0DAC7, clNone, 0xFDF6EF, 0xF0DAC7, 0xFDF6EF, 0xF0DAC7},
      {psOffice2010Silver, clWhite, 0xEDE5E0, clNone, clWhite, 0xEDE5E0, clWhite, 0xEDE5E0},
      {psOffice2010Black, 0xBFBFBF, 0x919191, clNone, 0xBFBFBF, 0x919191, 0xBFBFBF, 0x919191},
      {psWindows8, clWhite, clNone, clNone, 0xEEEEEE, clNone, 0xEEEEEE, clNone},
      {psOffice2013White, clWhite, clNone, clNone, 0xEEEEEE, clNone, 0xEEEEEE, clNone},
      {psOffice2013LightGray, clWhite, clNone, clNone, 0xF6F6F6, clNone, 0xF6F6F6, clNone},
      {psOffice2013Gray, clWhite, clNone, clNone, 0xE5E5E5, clNone, 0xE5E5E5, clNone},
  };
  test::TTestForm Form(400, 300, false);
  auto* Styler = new TExPanelStyler(Form.Get());
  auto* Panel = new TExPanel(Form.Get());
  Panel->SetParent(Form.Get());
  auto* Group = new TExPanelGroup(Form.Get());
  Group->SetParent(Form.Get());
  Panel->SetStyler(Styler);
  Group->SetStyler(Styler);
  for (const Case& c : Cases) {
    SCOPED_TRACE(int(c.Style));
    Styler->SetStyle(c.Style);
    for (TCustomExPanel* P : {static_cast<TCustomExPanel*>(Panel), static_cast<TCustomExPanel*>(Group)}) {
      EXPECT_EQ(P->Color(), c.Color);
      EXPECT_EQ(P->ColorTo(), c.ColorTo);
      EXPECT_EQ(P->ColorMirror(), c.Mirror);
      EXPECT_EQ(P->Caption()->Color(), c.Cap);
      EXPECT_EQ(P->Caption()->ColorTo(), c.CapTo);
      EXPECT_EQ(P->StatusBar()->Color(), c.Bar);
      EXPECT_EQ(P->StatusBar()->ColorTo(), c.BarTo);
    }
  }
}

TEST(ExPanelStyler, ReachesOnlyThePanelsThatNameIt) {
  test::TTestForm Form(400, 300, false);
  auto* Styler = new TExPanelStyler(Form.Get());
  // A new styler holds the XP preset.
  EXPECT_EQ(Styler->Style(), psXP);
  EXPECT_EQ(Styler->Settings()->Color(), clWhite);
  EXPECT_EQ(Styler->Settings()->Caption()->Height(), 20);
  auto* A = new TExPanel(Form.Get());
  auto* B = new TExPanel(Form.Get());
  auto* Other = new TExPanel(Form.Get());
  A->SetStyler(Styler);
  B->SetStyler(Styler);
  Styler->SetStyle(psOffice2007Luna);
  EXPECT_EQ(A->Color(), 0xFAF1E9);
  EXPECT_EQ(B->Color(), 0xFAF1E9);
  EXPECT_EQ(Other->Color(), clBtnFace);
  // psCustom changes no value but hands the settings out again.
  A->SetColor(clRed);
  Styler->SetStyle(psCustom);
  EXPECT_EQ(A->Color(), 0xFAF1E9);
  EXPECT_EQ(Styler->Settings()->Color(), 0xFAF1E9);
  // Freeing the styler leaves the panels without one.
  delete Styler;
  EXPECT_EQ(A->Styler(), nullptr);
}

TEST(ExPanelStyler, LookInterfacesReachStylerAndPanel) {
  test::TTestForm Form(400, 300, false);
  auto* Styler = new TExPanelStyler(Form.Get());
  auto* P = new TExPanel(Form.Get());
  P->SetStyler(Styler);
  IZVQStyle* Style = nullptr;
  ASSERT_EQ(Styler->QueryInterface(__uuidof(IZVQStyle), reinterpret_cast<void**>(&Style)), S_OK);
  Style->SetComponentStyle(tsOffice2003Olive);
  EXPECT_EQ(Styler->Style(), psOffice2003Olive);
  EXPECT_EQ(P->Color(), 0xCFF0EA);
  Style->SetComponentStyle(tsCustom);
  EXPECT_EQ(Styler->Style(), psOffice2003Olive);

  TColorTones Tones;
  Tones.Background = {0x111111, 0, 0x222222};
  Tones.Foreground = {0x333333, 0, 0x444444};
  Tones.Selected = {0x555555, 0, 0x666666};
  IZVQTones* StylerTones = nullptr;
  ASSERT_EQ(Styler->QueryInterface(__uuidof(IZVQTones), reinterpret_cast<void**>(&StylerTones)), S_OK);
  StylerTones->SetColorTones(Tones);
  EXPECT_EQ(Styler->Style(), psCustom);
  EXPECT_EQ(P->Caption()->Color(), 0x555555);
  EXPECT_EQ(P->Color(), 0x111111);

  IZVQTones* PanelTones = nullptr;
  ASSERT_EQ(P->QueryInterface(__uuidof(IZVQTones), reinterpret_cast<void**>(&PanelTones)), S_OK);
  Tones.Background.BrushColor = 0x123456;
  PanelTones->SetColorTones(Tones);
  EXPECT_EQ(P->Color(), 0x123456);
  IZVQOfficeHint* Hint = nullptr;
  ASSERT_EQ(P->QueryInterface(__uuidof(IZVQOfficeHint), reinterpret_cast<void**>(&Hint)), S_OK);
  EXPECT_EQ(Hint->GetOfficeHint({5, 5}), P->OfficeHint());
}

TEST(ExPanelStyler, FollowsTheDesktopOnlyWhenAsked) {
  EXPECT_EQ(ExPanelStyleOfThemeKind(1), psOffice2003Blue);
  EXPECT_EQ(ExPanelStyleOfThemeKind(2), psOffice2003Olive);
  EXPECT_EQ(ExPanelStyleOfThemeKind(3), psOffice2003Silver);
  EXPECT_EQ(ExPanelStyleOfThemeKind(0), psOffice2003Classic);
  EXPECT_EQ(ExPanelStyleOfThemeKind(XPThemeKindOfScheme(L"HomeStead")), psOffice2003Olive);

  test::TTestForm Form(400, 300);
  auto* Styler = new TExPanelStyler(Form.Get());
  ASSERT_EQ(Styler->NotifierWindow()->Parent(), Form.Get());
  HWND Notifier = Styler->NotifierWindow()->Handle();
  Styler->SetStyle(psZVQ);
  ::SendMessageW(Notifier, WM_THEMECHANGED, 0, 0);
  EXPECT_EQ(Styler->Style(), psZVQ);
  Styler->SetAutoThemeAdapt(true);
  ::SendMessageW(Notifier, WM_THEMECHANGED, 0, 0);
  const TExPanelStyle Now = Styler->Style();
  EXPECT_TRUE(Now == psOffice2003Blue || Now == psOffice2003Olive || Now == psOffice2003Silver ||
              Now == psOffice2003Classic);
}

}  // namespace
}  // namespace jorv
