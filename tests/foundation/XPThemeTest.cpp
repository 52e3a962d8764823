#include <gtest/gtest.h>
#include <regex>
#include "foundation/XPTheme.h"
#include <vssym32.h>
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"

using namespace jorv::foundation;

using namespace jorv;

namespace {

// Puts the binding back as start-up left it, whatever a test did.
struct TRebind {
  ~TRebind() {
    FreeXPThemeLibrary();
    LoadXPThemeLibrary();
  }
};

}  // namespace

TEST(XPTheme, StartupBindsEveryEntryPoint) {
  ASSERT_TRUE(XPThemeLibraryLoaded());
  HMODULE Lib = XPThemeLibraryHandle();
#define JORV_CHECK_BOUND(Name)                                                      \
  EXPECT_EQ(reinterpret_cast<void*>(jorv::foundation::Name),                                          \
            reinterpret_cast<void*>(GetProcAddress(Lib, #Name))) << #Name;
  JORV_XPTHEME_ENTRY_POINTS(JORV_CHECK_BOUND)
#undef JORV_CHECK_BOUND
}

TEST(XPTheme, LoadingTwiceKeepsTheFirstBinding) {
  TRebind Restore;
  HMODULE Lib = XPThemeLibraryHandle();
  auto Open = jorv::foundation::OpenThemeData;
  LoadXPThemeLibrary();
  EXPECT_EQ(XPThemeLibraryHandle(), Lib);
  EXPECT_EQ(jorv::foundation::OpenThemeData, Open);
  // One load, so one free leaves nothing loaded, and a second free is a no-op.
  FreeXPThemeLibrary();
  EXPECT_FALSE(XPThemeLibraryLoaded());
  EXPECT_EQ(jorv::foundation::OpenThemeData, nullptr);
  EXPECT_EQ(jorv::foundation::IsThemeActive, nullptr);
  FreeXPThemeLibrary();
  EXPECT_FALSE(XPThemeLibraryLoaded());
}

TEST(XPTheme, MissingLibraryBindsNothingSilently) {
  TRebind Restore;
  FreeXPThemeLibrary();
  EXPECT_NO_THROW(LoadXPThemeLibrary(L"no-such-theme-library.dll"));
  EXPECT_FALSE(XPThemeLibraryLoaded());
  EXPECT_EQ(jorv::foundation::DrawThemeBackground, nullptr);
}

TEST(XPTheme, MissingEntryPointAssertsWithFileAndLine) {
  TRebind Restore;
  FreeXPThemeLibrary();
  // A library that is no visual-style library lacks the very first name.
  try {
    LoadXPThemeLibrary(L"version.dll");
    FAIL() << "no assertion";
  } catch (const EAssertionFailed& E) {
    std::string Text = UTF8Encode(E.Message());
    EXPECT_TRUE(std::regex_match(Text,
                                 std::regex(R"(Assertion fehlgeschlagen \(XPTheme\.cpp, Zeile \d+\))")))
        << Text;
  }
  EXPECT_TRUE(XPThemeLibraryLoaded());
  EXPECT_EQ(jorv::foundation::OpenThemeData, nullptr);
  EXPECT_EQ(jorv::foundation::CloseThemeData, nullptr);
}

TEST(XPTheme, BoundCallsReachTheLibrary) {
  ASSERT_NE(jorv::foundation::IsThemeActive, nullptr);
  wchar_t File[256] = {}, Color[256] = {}, Size[256] = {};
  HRESULT Named = jorv::foundation::GetCurrentThemeName(File, 255, Color, 255, Size, 255);
  if (!jorv::foundation::IsThemeActive()) {
    // Painters take their classic path; the name query says so too.
    EXPECT_TRUE(FAILED(Named) || File[0] == 0);
    return;
  }
  EXPECT_TRUE(SUCCEEDED(Named));
  EXPECT_NE(File[0], 0);
  HTHEME Theme = jorv::foundation::OpenThemeData(nullptr, L"BUTTON");
  ASSERT_NE(Theme, nullptr);
  HDC DC = CreateCompatibleDC(nullptr);
  HBITMAP Bmp = CreateBitmap(40, 20, 1, 32, nullptr);
  HGDIOBJ Old = SelectObject(DC, Bmp);
  PatBlt(DC, 0, 0, 40, 20, BLACKNESS);
  RECT R{0, 0, 40, 20};
  EXPECT_EQ(jorv::foundation::DrawThemeBackground(Theme, DC, BP_PUSHBUTTON, PBS_NORMAL, &R, nullptr), S_OK);
  EXPECT_NE(GetPixel(DC, 20, 10) & 0xFFFFFF, 0u);
  SelectObject(DC, Old);
  DeleteObject(Bmp);
  DeleteDC(DC);
  EXPECT_EQ(jorv::foundation::CloseThemeData(Theme), S_OK);
}
