// Looks and style presets: the colours each preset's tables give, reached
// directly, through the library-wide style interface and through the
// Office theme notification.
#include <gtest/gtest.h>

#include "foundation/ThemeNotifier.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/Registry.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

struct TPreset {
  TExGridStyle Style;
  TGridLook Look;
  TColor ZF, ZT, AC, ACTo, Sel, SelText, GridLine, FixedLine, SortHeader;
  TGridSelectionStyle SelStyle;
};

const TColor None = clNone;

// Straight from the preset tables. A style whose selection style comes
// "from the look" takes the one its look's own preset set when the look
// changed (from the grid's starting glXP).
const TPreset Presets[] = {
    {gsOffice2003Blue, glXP, 0xFCE1CB, 0xE0A57D, 0x94E6FB, 0x1595EE, 0x94E6FB, 0x000000, 0xC0C0C0, 0x808080, None, ssDefault},
    {gsOffice2003Silver, glXP, 0xECE2E1, 0xB39698, 0x94E6FB, 0x1595EE, 0x94E6FB, 0x000000, 0xC0C0C0, 0x808080, None, ssDefault},
    {gsOffice2003Olive, glXP, 0xCFF0EA, 0x8CC0B1, 0x94E6FB, 0x1595EE, 0x94E6FB, 0x000000, 0xC0C0C0, 0x808080, None, ssDefault},
    {gsOffice2003Classic, glXP, 0xFFFFFF, 0xCCD4D8, 0xD8D5D4, 0xD8D5D4, clHighlight, clHighlightText, 0xC0C0C0, 0x808080, None, ssDefault},
    {gsOffice2007Luna, glOffice2007, 0xFBF9F6, 0xE8DBD2, 0x9DD8F9, 0x5EC1F1, 0x5EC1F1, 0x000000, 0xF1EDEB, 0xD1BBA4, None, ssOffice2007},
    {gsOffice2007Obsidian, glOffice2007, 0xF7F7F7, 0xDEDEDE, 0x9DD8F9, 0x5EC1F1, 0x5EC1F1, 0x000000, 0xE5D7D0, 0x808080, None, ssOffice2007},
    {gsWindowsXP, glXP, 0xF0F0F0, 0xF0F0F0, clBtnFace, clBtnFace, clHighlight, clHighlightText, 0xC0C0C0, 0x808080, None, ssDefault},
    {gsOffice2007Silver, glOffice2007, 0xF3F3F1, 0xCAC9C8, 0x99CCFF, 0x699CFF, 0x95C7F5, 0x000000, 0xE5D7D0, 0x808080, None, ssOffice2007},
    {gsWindowsVista, glVista, 0xFFFFFF, 0xFFFFFF, 0xFDF8F1, 0xFCEFD5, 0xEACAB6, 0x000000, 0xECECF0, 0xD4D2D1, 0xFCF9F2, ssVista},
    {gsWindows7, glWin7, 0xFDFCFA, 0xFAF0E6, 0xFCEBDC, 0xFCDBC1, 0xEACAB6, 0x000000, 0xECECF0, 0xD4D2D1, 0xFCF9F2, ssWin7},
    {gsOffice2010Blue, glOffice2007, 0xF5E7DA, 0xF5E7DA, 0x5BD5FF, 0x71EFFF, 0xFFDBB7, 0x000000, 0xC0C0C0, 0xC7B0A0, 0xD6CEC7, ssDefault},
    {gsOffice2010Silver, glOffice2007, 0xE8E3DF, 0xE8E3DF, 0x5BD5FF, 0x71EFFF, 0xFFDBB7, 0x000000, 0xC0C0C0, 0xBAB5B1, 0xAAAAAA, ssDefault},
    {gsOffice2010Black, glOffice2007, 0x6A6A6A, 0x6A6A6A, 0x5BD5FF, 0x71EFFF, 0xFFDBB7, 0x000000, 0xC0C0C0, 0x444444, 0xBABABA, ssDefault},
    {gsWindows8, glOffice2007, 0xF7F6F5, 0xF7F6F5, 0xF7F6F5, 0xF7F6F5, 0xDAA026, 0xFFFFFF, 0xDCDBDA, 0xDCDBDA, 0xF7F6F5, ssDefault},
    {gsOffice2013white, glOffice2007, 0xEEEEEE, 0xEEEEEE, 0xEEEEEE, 0xEEEEEE, 0xDAA026, 0xFFFFFF, 0xD4D4D4, 0xD4D4D4, 0xEEEEEE, ssDefault},
    {gsOffice2013LightGray, glOffice2007, 0xFAFAFA, 0xFAFAFA, 0xFAFAFA, 0xFAFAFA, 0xDAA026, 0xFFFFFF, 0xC6C6C6, 0xC6C6C6, 0xFAFAFA, ssDefault},
    {gsOffice2013Gray, glOffice2007, 0xF3F3F3, 0xF3F3F3, 0xF3F3F3, 0xF3F3F3, 0xDAA026, 0xFFFFFF, 0xABABAB, 0xABABAB, 0xF3F3F3, ssDefault},
};

void ExpectPreset(TRezIvevirAvod& Grid, const TPreset& P) {
  SCOPED_TRACE(testing::Message() << "style " << int(P.Style));
  EXPECT_EQ(Grid.Look(), P.Look);
  TColor ZF = P.Style == gsWindowsXP ? ColorToRGB(clBtnFace) : P.ZF;
  TColor ZT = P.Style == gsWindowsXP ? ColorToRGB(clBtnFace) : P.ZT;
  EXPECT_EQ(Grid.ZVQGradientFrom(), ZF);
  EXPECT_EQ(Grid.ZVQGradientTo(), ZT);
  EXPECT_EQ(Grid.ActiveCellColor(), P.AC);
  EXPECT_EQ(Grid.ActiveCellColorTo(), P.ACTo);
  EXPECT_EQ(Grid.SelectionColor(), P.Sel);
  EXPECT_EQ(Grid.SelectionTextColor(), P.SelText);
  EXPECT_EQ(Grid.GridLineColor(), P.GridLine);
  EXPECT_EQ(Grid.GridFixedLineColor(), P.FixedLine);
  EXPECT_EQ(Grid.SortSettings()->HeaderColor(), P.SortHeader);
  EXPECT_EQ(Grid.SelectionStyle(), P.SelStyle);
}

}  // namespace

TEST(GridLooks, EveryStylePresetSetsItsTableColours) {
  for (const TPreset& P : Presets) {
    TRezIvevirAvod Grid(nullptr);
    Grid.SetStyle(P.Style);
    ExpectPreset(Grid, P);
  }
}

TEST(GridLooks, PresetDetailsOfTheirOwn) {
  TRezIvevirAvod Grid(nullptr);
  Grid.SetStyle(gsOffice2003Blue);
  EXPECT_EQ(Grid.SelectionColorTo(), TColor(0x1595EE));
  EXPECT_EQ(Grid.ControlLook()->FixedGradientFrom(), TColor(0xFCE1CB));
  Grid.SetStyle(gsWindows8);
  EXPECT_EQ(Grid.BorderColor(), TColor(0xE4E3E2));
  EXPECT_EQ(Grid.ZVQGradientHoverFrom(), TColor(0xF7EFE8));
  EXPECT_EQ(Grid.ZVQGradientDownBorder(), TColor(0xE4A262));
  // Set, then cleared: the grid keeps the gradient, the look object not.
  EXPECT_EQ(Grid.ControlLook()->FixedGradientFrom(), clNone);
  EXPECT_EQ(Grid.ControlLook()->FixedGradientMirrorFrom(), TColor(0xF7F6F5));
  EXPECT_EQ(Grid.SearchFooter()->Color(), TColor(0xF7F6F5));
  Grid.SetStyle(gsWindowsVista);
  EXPECT_EQ(Grid.ZVQGradientMirrorTo(), TColor(0xF4F2F1));
  EXPECT_EQ(Grid.ZVQGradientHoverBorder(), TColor(0xE3C993));
  EXPECT_EQ(Grid.SearchFooter()->ColorTo(), TColor(0xF4F2F1));
}

TEST(GridLooks, CustomStyleStillResetsSelectionSortHeaderAndControlLook) {
  TRezIvevirAvod Grid(nullptr);
  Grid.SetSelectionColor(0x111111);
  Grid.SortSettings()->SetHeaderColor(0x222222);
  Grid.ControlLook()->SetFixedGradientHoverTo(0x333333);
  Grid.SetStyle(gsCustom);
  EXPECT_EQ(Grid.SelectionColor(), clHighlight);
  EXPECT_EQ(Grid.SortSettings()->HeaderColor(), clNone);
  EXPECT_EQ(Grid.ControlLook()->FixedGradientHoverTo(), TColor(0xFFFFFF));
}

TEST(GridLooks, LookAppliesItsStyleOnlyOnAChange) {
  TRezIvevirAvod Grid(nullptr);
  Grid.SetLook(glVista);
  EXPECT_EQ(Grid.GridStyle(), gsWindowsVista);
  EXPECT_EQ(Grid.SelectionStyle(), ssVista);
  Grid.SetSelectionColor(0x0000FF);
  Grid.SetLook(glVista);
  EXPECT_EQ(Grid.SelectionColor(), TColor(0x0000FF));

  Grid.SetLook(glStandard);
  EXPECT_EQ(Grid.FixedColor(), clBtnFace);
  EXPECT_EQ(Grid.SelectionColor(), clHighlight);
  EXPECT_EQ(Grid.ActiveCellColor(), TColor(0x808080));
  EXPECT_EQ(Grid.BorderColor(), TColor(0xB99D7F));
  Grid.SetLook(glZVQ);
  EXPECT_EQ(Grid.SelectionColor(), TColor(0xEACAB6));
  EXPECT_EQ(Grid.ZVQGradientTo(), TColor(0xC0C0C0));
  EXPECT_EQ(Grid.ControlLook()->FixedGradientDownMirrorTo(), TColor(0x627376));
  // Custom keeps whatever the user set.
  Grid.SetBorderColor(0x123456);
  Grid.SetLook(glCustom);
  EXPECT_EQ(Grid.BorderColor(), TColor(0x123456));
}

TEST(GridLooks, LibraryWideStyleGoesThroughTheInterface) {
  TRezIvevirAvod Grid(nullptr);
  IZVQStyle* Style = nullptr;
  ASSERT_EQ(Grid.QueryInterface(__uuidof(IZVQStyle), reinterpret_cast<void**>(&Style)), S_OK);
  Grid.SetScrollType(ssMetro);
  Style->SetComponentStyle(tsCustom);
  EXPECT_EQ(Grid.ScrollType(), ssMetro);
  Style->SetComponentStyle(tsOffice2010Blue);
  EXPECT_EQ(Grid.ScrollType(), ssNormal);
  EXPECT_EQ(Grid.ZVQGradientFrom(), TColor(0xF5E7DA));
  EXPECT_EQ(Grid.GridStyle(), tsOffice2010Blue);
}

TEST(GridLooks, ColourTonesGiveTheFlatLook) {
  TRezIvevirAvod Grid(nullptr);
  TColorTones Tones{};
  Tones.Background = {0xFFFFFF, 0xAAAAAA, 0x101010};
  Tones.Foreground = {0xC8C8C8, 0, 0x202020};
  Tones.Selected = {0x00AA00, 0, 0xFFFFFF};
  Grid.SetColorTones(Tones);
  EXPECT_EQ(Grid.ScrollType(), ssMetro);
  EXPECT_EQ(Grid.ControlLook()->ControlStyle(), csGlyph);
  EXPECT_EQ(Grid.FixedColor(), TColor(0xC8C8C8));
  EXPECT_EQ(Grid.SelectionColor(), TColor(0x00AA00));
  EXPECT_EQ(Grid.GridLineColor(), TColor(0xE6E6E6));
  // A fifth darker.
  EXPECT_EQ(Grid.GridFixedLineColor(), TColor(0xA0A0A0));
  EXPECT_EQ(Grid.CellNode()->NodeType(), cnFlat);
  EXPECT_TRUE(Grid.Flat());
}

TEST(GridLooks, OfficeThemeNotificationAppliesTheOfficeStyleOnce) {
  const String Key = L"Software\\Microsoft\\Office\\14.0\\Common";
  TRegistry Reg;
  Reg.SetRootKey(HKEY_CURRENT_USER);
  ASSERT_TRUE(Reg.OpenKey(Key, true));
  Reg.WriteInteger(L"Theme", 3);
  Reg.CloseKey();

  TTestForm Form;
  auto* Grid = new TRezIvevirAvod(Form.Get());
  Grid->SetParent(Form.Get());
  Grid->HandleNeeded();
  Grid->SetAutoThemeAdapt(true);
  EXPECT_EQ(Grid->LastOfficeTheme(), ot2010Black);
  EXPECT_EQ(Grid->ZVQGradientFrom(), TColor(0x6A6A6A));
  Grid->SetSelectionColor(0x0000FF);
  SendMessageW(Grid->Handle(), WM_OFFICETHEMECHANGED, 0, 0);
  EXPECT_EQ(Grid->SelectionColor(), TColor(0x0000FF));  // the same theme again

  Reg.OpenKey(Key, false);
  Reg.WriteInteger(L"Theme", 1);
  Reg.CloseKey();
  SendMessageW(Grid->Handle(), WM_OFFICETHEMECHANGED, 0, 0);
  EXPECT_EQ(Grid->LastOfficeTheme(), ot2010Blue);
  EXPECT_EQ(Grid->ZVQGradientFrom(), TColor(0xF5E7DA));
  Reg.DeleteKey(L"Software\\Microsoft\\Office\\14.0");
}
