#include <gtest/gtest.h>
#include "panel/ExPanel.h"
#include "foundation/PictureContainer.h"
#include "tests/support/ui/Gui.h"

namespace jorv {
using namespace jorv::foundation;
using namespace jorv::panel;
namespace {

using namespace expanel;

struct CaptionNotices {
  String Log;
  explicit CaptionNotices(TPanelCaption& C) {
    C.OnChange = [this](TObject*) { Log += L"c"; };
    C.OnShadeChange = [this](TObject*) { Log += L"s"; };
    C.OnStateChange = [this](TObject*) { Log += L"v"; };
    C.OnPositionChange = [this](TObject*) { Log += L"p"; };
    C.OnFontChange = [this](TObject*) { Log += L"f"; };
  }
};

TEST(PanelCaption, WritesGiveTheirNotices) {
  using Write = void (*)(TPanelCaption&);
  struct Case { const char* Name; Write Apply; const wchar_t* Log; };
  const Case Cases[] = {
      {"Color", [](TPanelCaption& c) { c.SetColor(clRed); }, L"sc"},
      {"same Color", [](TPanelCaption& c) { c.SetColor(clHighlight); }, L""},
      {"ShadeType", [](TPanelCaption& c) { c.SetShadeType(stNoise); }, L"sc"},
      {"Flat", [](TPanelCaption& c) { c.SetFlat(true); }, L"sc"},
      {"ColorTo", [](TPanelCaption& c) { c.SetColorTo(clRed); }, L"c"},
      {"Height", [](TPanelCaption& c) { c.SetHeight(24); }, L"c"},
      {"same Height", [](TPanelCaption& c) { c.SetHeight(20); }, L""},
      {"Visible", [](TPanelCaption& c) { c.SetVisible(true); }, L"cv"},
      {"Position", [](TPanelCaption& c) { c.SetPosition(cpLeft); }, L"p"},
      {"same Position", [](TPanelCaption& c) { c.SetPosition(cpTop); }, L""},
      {"font colour", [](TPanelCaption& c) { c.Font()->SetColor(clRed); }, L"f"},
      {"Font", [](TPanelCaption& c) { TFont f; c.SetFont(&f); }, L"fc"},
      {"ButtonPosition", [](TPanelCaption& c) { c.SetButtonPosition(cbpLeft); }, L""},
      {"MinGlyph", [](TPanelCaption& c) { TBitmap b; b.SetSize(8, 8); c.SetMinGlyph(&b); }, L""},
      {"CloseMinGlyph", [](TPanelCaption& c) { TBitmap b; b.SetSize(8, 8); c.SetCloseMinGlyph(&b); }, L"c"},
  };
  for (const Case& t : Cases) {
    SCOPED_TRACE(t.Name);
    TPanelCaption C;
    CaptionNotices n(C);
    t.Apply(C);
    EXPECT_EQ(n.Log, t.Log);
  }
}

TEST(PanelCaption, ShadeLightIsAtLeast200) {
  TPanelCaption C;
  C.SetShadeLight(150);
  EXPECT_EQ(C.ShadeLight(), 200);
  C.SetShadeLight(230);
  EXPECT_EQ(C.ShadeLight(), 230);
}

TEST(PanelCaption, AssignCopiesLookNotContent) {
  TPanelCaption S, D;
  S.SetColor(clRed);
  S.SetHeight(30);
  S.SetCloseButton(true);
  S.SetShadeType(stVBump);
  S.SetButtonPosition(cbpLeft);
  S.SetGradientDirection(gdVertical);
  S.Font()->SetName(L"Arial");
  S.SetText(L"Source");
  S.SetVisible(true);
  S.SetPosition(cpRight);
  S.SetMinMaxCaption(true);
  D.SetText(L"Dest");
  D.Assign(&S);
  EXPECT_EQ(D.Color(), clRed);
  EXPECT_EQ(D.Height(), 30);
  EXPECT_TRUE(D.CloseButton());
  EXPECT_EQ(D.ShadeType(), stVBump);
  EXPECT_EQ(D.ButtonPosition(), cbpLeft);
  EXPECT_EQ(D.GradientDirection(), gdVertical);
  EXPECT_EQ(D.Font()->Name(), L"Arial");
  EXPECT_EQ(D.Text(), L"Dest");
  EXPECT_FALSE(D.Visible());
  EXPECT_EQ(D.Position(), cpTop);
  EXPECT_FALSE(D.MinMaxCaption());
  TFont Other;
  EXPECT_THROW(D.Assign(&Other), EInvalidCast);
}

TEST(ExPanel, NewPanelDefaults) {
  TExPanel P(nullptr);
  EXPECT_EQ(P.Width(), 300);
  EXPECT_EQ(P.Height(), 200);
  EXPECT_EQ(P.FullHeight(), 200);
  EXPECT_FALSE(P.Caption()->Visible());
  EXPECT_EQ(P.Caption()->Height(), 20);
  EXPECT_EQ(P.Caption()->Color(), clHighlight);
  EXPECT_EQ(P.Caption()->Font()->Color(), clHighlightText);
  EXPECT_EQ(P.URLColor(), 0xFF0000);
  EXPECT_EQ(P.ShadowColor(), 0x808080);
  EXPECT_EQ(P.GradientDirection(), gdVertical);
  EXPECT_TRUE(P.AutoHideChildren());
  EXPECT_TRUE(P.ShowSizeMoveGrip());
  EXPECT_FALSE(P.ControlStyle().Contains(csSetCaption));
  EXPECT_EQ(P.Version(), L"2.3.0.7");
  P.SetVersion(L"9.9.9.9");
  EXPECT_EQ(P.Version(), L"2.3.0.7");
}

// Close and min/max cells of a 300 x 200 panel without glyphs (size 12).
TEST(ExPanel, CaptionButtonCells) {
  struct Case {
    TCaptionPosition Pos;
    TCaptionButtonPosition BtnPos;
    TRect Close, MinMaxClick, MinMaxHover;
  };
  const Case Cases[] = {
      {cpTop, cbpRight, {286, 2, 298, 14}, {274, 2, 286, 14}, {274, 2, 286, 14}},
      {cpTop, cbpLeft, {2, 2, 14, 14}, {14, 2, 26, 14}, {14, 2, 26, 14}},
      {cpLeft, cbpRight, {2, 2, 14, 14}, {2, 14, 14, 26}, {2, 14, 14, 26}},
      {cpLeft, cbpLeft, {2, 186, 14, 198}, {2, 174, 14, 186}, {2, 174, 14, 186}},
      {cpRight, cbpRight, {286, 186, 298, 198}, {284, 172, 296, 184}, {286, 174, 298, 186}},
      {cpRight, cbpLeft, {286, 2, 298, 14}, {284, 14, 296, 26}, {286, 14, 298, 26}},
  };
  for (const Case& c : Cases) {
    SCOPED_TRACE(testing::Message() << int(c.Pos) << "/" << int(c.BtnPos));
    TExPanel P(nullptr);
    P.Caption()->SetPosition(c.Pos);
    P.Caption()->SetButtonPosition(c.BtnPos);
    P.Caption()->SetCloseButton(true);
    EXPECT_EQ(P.CloseButtonRect(), c.Close);
    EXPECT_EQ(P.MinMaxButtonRect(true), c.MinMaxClick);
    EXPECT_EQ(P.MinMaxButtonRect(false), c.MinMaxHover);
  }
}

TEST(ExPanel, ButtonSizeFollowsGlyphPairs) {
  TExPanel P(nullptr);
  TBitmap B16, B20;
  B16.SetSize(16, 16);
  B20.SetSize(20, 20);
  P.Caption()->SetCloseMinGlyph(&B16);
  EXPECT_EQ(P.CaptionButtonSize(), 12);  // one glyph of a pair is not enough
  P.Caption()->SetCloseMaxGlyph(&B16);
  EXPECT_EQ(P.CaptionButtonSize(), 16);
  P.Caption()->SetMinGlyph(&B16);
  P.Caption()->SetMaxGlyph(&B20);
  EXPECT_EQ(P.CaptionButtonSize(false), 20);
  EXPECT_EQ(P.CaptionButtonSize(true), 16);
}

TEST(ExPanel, AssignCopiesHeightButNotWidthOrCollaps) {
  TExPanel S(nullptr), D(nullptr);
  S.SetWidth(120);
  S.SetHeight(80);
  S.SetCollaps(true);
  S.SetText(L"<b>Hi</b>");
  S.SetIndent(7);
  S.Caption()->SetColor(clRed);
  S.StatusBar()->SetText(L"S");
  S.StatusBar()->SetColor(clGreen);
  D.Assign(&S);
  EXPECT_EQ(D.Height(), 18);  // the source's height as it is, collapsed
  EXPECT_EQ(D.Width(), 300);
  EXPECT_FALSE(D.Collaps());
  EXPECT_EQ(D.Text(), L"<b>Hi</b>");
  EXPECT_EQ(D.RawText(), L"Hi");
  EXPECT_EQ(D.Indent(), 0);
  EXPECT_EQ(D.Caption()->Color(), clRed);
  EXPECT_EQ(D.StatusBar()->Text(), L"");
  EXPECT_EQ(D.StatusBar()->Color(), clGreen);
  TFont Other;
  EXPECT_THROW(D.Assign(&Other), EInvalidCast);
}

TEST(ExPanel, HeightIsTheFullExtentOfATopCaption) {
  TExPanel P(nullptr);
  P.SetHeight(150);
  EXPECT_EQ(P.FullHeight(), 150);
  P.Caption()->SetPosition(cpLeft);
  P.SetHeight(120);
  EXPECT_EQ(P.FullHeight(), 150);
  P.SetWidth(90);
  EXPECT_EQ(P.FullHeight(), 90);
}

TEST(ExPanel, RemovedPictureContainerAndImagesAreForgotten) {
  TExPanel P(nullptr);
  auto* PC = new TPictureContainer(nullptr);
  auto* IL = new TImageList(nullptr);
  P.SetPictureContainer(PC);
  P.SetImages(IL);
  delete PC;
  delete IL;
  EXPECT_EQ(P.PictureContainer(), nullptr);
  EXPECT_EQ(P.Images(), nullptr);
}

TEST(ExPanel, CaptionHintOverVisibleCaption) {
  TExPanel P(nullptr);
  P.Caption()->OfficeHint()->SetTitle(L"Caption hint");
  EXPECT_EQ(P.GetOfficeHint({5, 5}), P.OfficeHint());  // caption hidden
  P.Caption()->SetVisible(true);
  EXPECT_EQ(P.GetOfficeHint({5, 5}), P.Caption()->OfficeHint());
  EXPECT_EQ(P.GetOfficeHint({5, 25}), P.OfficeHint());
}

TEST(ExPanel, ChildrenStayClearOfCaptionAndStatusBar) {
  struct Case { TCaptionPosition Pos; TRect Expected; };
  // The caption and the bar are cut off first, then the raised bevel
  // insets every side by 1.
  const Case Cases[] = {
      {cpTop, {1, 19, 299, 181}},
      {cpLeft, {19, 1, 281, 199}},
      {cpRight, {19, 1, 279, 199}},
  };
  test::TTestForm Form(400, 300);
  for (const Case& c : Cases) {
    SCOPED_TRACE(int(c.Pos));
    auto* P = new TExPanel(Form.Get());
    P->SetParent(Form.Get());
    P->Caption()->SetVisible(true);
    P->Caption()->SetPosition(c.Pos);
    P->StatusBar()->SetVisible(true);
    auto* Child = new TPanel(P);
    Child->SetParent(P);
    Child->SetAlign(alClient);
    P->Realign();
    EXPECT_EQ(Child->BoundsRect(), c.Expected);
    delete P;
  }
}

}  // namespace
}  // namespace jorv

namespace jorv {
namespace {

class TScalingPanel : public TExPanel {
 public:
  using TExPanel::TExPanel;
  using TExPanel::ChangeScale;
};

TEST(ExPanel, ScalingScalesCaptionHeightAndFontQuietly) {
  TScalingPanel P(nullptr);
  P.Caption()->Font()->SetSize(8);
  int Changes = 0;
  P.Caption()->OnChange = [&](TObject*) { ++Changes; };
  P.ChangeScale(3, 2);
  EXPECT_EQ(P.Caption()->Height(), 30);
  EXPECT_EQ(P.Caption()->Font()->Size(), 12);
  EXPECT_EQ(Changes, 0);
}

}  // namespace
}  // namespace jorv

namespace jorv {
namespace {

TEST(ExPanel, ColorTonesStyleCaptionBodyAndStatusBar) {
  TExPanel P(nullptr);
  P.Caption()->SetColorTo(clRed);
  P.Caption()->SetShadeType(expanel::stVBump);
  P.SetColorTo(clRed);
  P.SetBevelInner(bvLowered);
  TColorTones T;
  T.Background = {0x111111, 0, 0x222222};
  T.Foreground = {0x333333, 0, 0x444444};
  T.Selected = {0x555555, 0, 0x666666};
  P.SetColorTones(T);
  EXPECT_EQ(P.Caption()->Color(), 0x555555);
  EXPECT_EQ(P.Caption()->CloseColor(), 0x555555);
  EXPECT_EQ(P.Caption()->ColorTo(), clNone);
  EXPECT_EQ(P.Caption()->Font()->Color(), 0x666666);
  EXPECT_TRUE(P.Caption()->Flat());
  EXPECT_EQ(P.Caption()->ShadeType(), expanel::stNormal);
  EXPECT_EQ(P.Color(), 0x111111);
  EXPECT_EQ(P.ColorTo(), clNone);
  EXPECT_EQ(P.Font()->Color(), 0x222222);
  EXPECT_EQ(P.BevelInner(), bvNone);
  EXPECT_EQ(P.BevelOuter(), bvNone);
  EXPECT_EQ(P.StatusBar()->Color(), 0x333333);
  EXPECT_EQ(P.StatusBar()->Font()->Color(), 0x444444);
  EXPECT_EQ(P.Font()->Name(), DefaultUIFontName());
  EXPECT_TRUE(P.OptimizePaint());
}

}  // namespace
}  // namespace jorv
