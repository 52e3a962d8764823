#include <gtest/gtest.h>
#include "foundation/ZVQStyle.h"
#include "OfficeRegistry.h"

using namespace jorv::foundation;

using namespace jorv;
using namespace jorv::test;

TEST(ZVQStyle, OrdinalsStayFixed) {
  // Components store these numbers; a reordering would change saved looks.
  EXPECT_EQ(tsCustom, 8);
  EXPECT_EQ(tsOffice2007Silver, 9);
  EXPECT_EQ(tsOffice2010Blue, 13);
  EXPECT_EQ(tsOffice2013Gray, 19);
  EXPECT_EQ(ot2010Black, 9);
  EXPECT_EQ(otUnknown, 10);
}

TEST(ZVQStyle, SchemeNameGivesKindCaseSensitivelyInOrder) {
  struct { const wchar_t* Name; Integer Kind; } cases[] = {
      {L"NormalColor", 1}, {L"HomeStead", 2}, {L"Metallic", 3}, {L"", 0},
      {L"normalcolor", 0}, {L"Royale", 0}, {L"MetallicHomeStead", 2},
      {L"HomeSteadNormalColor", 1}};
  for (const auto& c : cases) EXPECT_EQ(XPThemeKindOfScheme(c.Name), c.Kind) << c.Name;
}

TEST(ZVQStyle, UIFontOfTheSystemsSinceVista) {
  // Every system these tests run on reports Windows 6.1 or later.
  ASSERT_NE(GetProcAddress(GetModuleHandleW(L"kernel32"), "GetLocaleInfoEx"), nullptr);
  EXPECT_TRUE(IsVistaOrNewer());
  EXPECT_EQ(DefaultUIFontName(), L"Segoe UI");
}

// The test machines run Wine's own visual style, whose colour scheme is
// none of the three Windows XP schemes: the plain Windows look, kind 0, and
// without Office the classic Office 2003 scheme.
TEST(ZVQStyle, WindowsLookFromTheActiveVisualStyle) { EXPECT_EQ(XPThemeKind(), 0); }

using OfficeScheme = OfficeRegistryTest;

TEST_F(OfficeScheme, VersionFromGeneralKeys) {
  EXPECT_EQ(OfficeVersionInstalled(), 0);
  // The Common key alone is no installation.
  SetTheme(Office2007, 1);
  EXPECT_EQ(OfficeVersionInstalled(), 0);
  AddKey(String(Office2007) + L"\\Common\\General");
  EXPECT_EQ(OfficeVersionInstalled(), 1);
  AddKey(String(Office2010) + L"\\Common\\General");
  EXPECT_EQ(OfficeVersionInstalled(), 2);
}

TEST_F(OfficeScheme, NoKeysFallBackToTheWindowsLook) {
  EXPECT_EQ(CurrentOfficeTheme(), ot2003Classic);
  // A Common key without "Theme" counts as missing too.
  AddKey(String(Office2010) + L"\\Common");
  EXPECT_EQ(CurrentOfficeTheme(), ot2003Classic);
}

TEST_F(OfficeScheme, ThemeValuesOf2010Win) {
  // The 2007 value must not be looked at once a 2010 value is there.
  SetTheme(Office2007, 3);
  struct { Integer Value; TOfficeTheme Expected; } cases[] = {
      {1, ot2010Blue}, {2, ot2010Silver}, {3, ot2010Black}, {0, ot2003Blue}, {4, ot2003Blue}};
  for (const auto& c : cases) {
    SetTheme(Office2010, c.Value);
    EXPECT_EQ(CurrentOfficeTheme(), c.Expected) << c.Value;
  }
}

TEST_F(OfficeScheme, ThemeValuesOf2007WhenNo2010Value) {
  AddKey(String(Office2010) + L"\\Common\\General");
  struct { Integer Value; TOfficeTheme Expected; } cases[] = {
      {1, ot2007Blue}, {2, ot2007Silver}, {3, ot2007Black}, {0, ot2003Blue}, {99, ot2003Blue}};
  for (const auto& c : cases) {
    SetTheme(Office2007, c.Value);
    EXPECT_EQ(CurrentOfficeTheme(), c.Expected) << c.Value;
  }
}

TEST_F(OfficeScheme, ReadThemeValue) {
  TRegistry Reg(KEY_READ);
  EXPECT_EQ(ReadOfficeThemeValue(&Reg, String(Office2010) + L"\\Common"), -1);
  SetTheme(Office2010, 2);
  EXPECT_EQ(ReadOfficeThemeValue(&Reg, String(Office2010) + L"\\Common"), 2);
  {
    // A text where a number belongs is no value, not an error.
    TRegistry W;
    ASSERT_TRUE(W.OpenKey(String(Office2007) + L"\\Common", true));
    W.WriteString(L"Theme", L"2");
  }
  EXPECT_EQ(ReadOfficeThemeValue(&Reg, String(Office2007) + L"\\Common"), -1);
  EXPECT_EQ(CurrentOfficeTheme(), ot2010Silver);
}
