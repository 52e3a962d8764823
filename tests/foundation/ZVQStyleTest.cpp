#include <gtest/gtest.h>
#include "foundation/ZVQStyle.h"
#include "OfficeRegistry.h"

using namespace jorv::foundation;

using namespace jorv;
using namespace jorv::test;

namespace {

// What the desktop's colour scheme makes of the Windows look, stated for the
// scheme names a test machine may have.
struct TDesktopLook {
  const wchar_t* Scheme;
  Integer Kind;
  TOfficeTheme Theme;
};
const TDesktopLook KnownLooks[] = {
    {L"NormalColor", 1, ot2003Blue}, {L"HomeStead", 2, ot2003Olive},
    {L"Metallic", 3, ot2003Silver},  {L"Blue", 0, ot2003Classic},  // Wine's own style
    {L"", 0, ot2003Classic}};                                       // no visual style

// The scheme as the visual-style library reports it to any program; nullptr
// for a scheme the table does not know.
const TDesktopLook* DesktopLook() {
  using TIsThemeActive = BOOL(WINAPI*)();
  using TGetName = HRESULT(WINAPI*)(LPWSTR, int, LPWSTR, int, LPWSTR, int);
  HMODULE Lib = LoadLibraryW(L"uxtheme.dll");
  if (!Lib) return nullptr;
  auto Active = ProcAddress<TIsThemeActive>(Lib, "IsThemeActive");
  auto GetName = ProcAddress<TGetName>(Lib, "GetCurrentThemeName");
  wchar_t File[256] = {}, Color[256] = {}, Size[256] = {};
  if (!(Active() && SUCCEEDED(GetName(File, 255, Color, 255, Size, 255)))) Color[0] = 0;
  FreeLibrary(Lib);
  for (const auto& Look : KnownLooks)
    if (String(Color) == Look.Scheme) return &Look;
  return nullptr;
}

}  // namespace

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

TEST(ZVQStyle, WindowsLookFromTheActiveVisualStyle) {
  const TDesktopLook* Look = DesktopLook();
  if (!Look) GTEST_SKIP() << "a colour scheme this test does not know";
  EXPECT_EQ(XPThemeKind(), Look->Kind) << Look->Scheme;
}

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
  const TDesktopLook* Look = DesktopLook();
  if (!Look) GTEST_SKIP() << "a colour scheme this test does not know";
  EXPECT_EQ(CurrentOfficeTheme(), Look->Theme);
  // A Common key without "Theme" counts as missing too.
  AddKey(String(Office2010) + L"\\Common");
  EXPECT_EQ(CurrentOfficeTheme(), Look->Theme);
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
