#include "foundation/XPTheme.h"

#include "platform/rtl/Debug.h"

namespace jorv::foundation {

#define JORV_XPTHEME_DEFINE(Name) decltype(&::Name) Name = nullptr;
JORV_XPTHEME_ENTRY_POINTS(JORV_XPTHEME_DEFINE)
#undef JORV_XPTHEME_DEFINE

namespace {

bool ThemeLibLoaded = false;
HMODULE ThemeLib = nullptr;

void UnbindAll() {
#define JORV_XPTHEME_UNBIND(Name) Name = nullptr;
  JORV_XPTHEME_ENTRY_POINTS(JORV_XPTHEME_UNBIND)
#undef JORV_XPTHEME_UNBIND
}

// Binds the library for the whole run of any program that uses it.
struct TXPThemeStartup {
  TXPThemeStartup() { LoadXPThemeLibrary(); }
  ~TXPThemeStartup() { FreeXPThemeLibrary(); }
} XPThemeStartup;

}  // namespace

void LoadXPThemeLibrary(const wchar_t* LibraryName) {
  if (ThemeLibLoaded) return;
  ThemeLib = LoadLibraryW(LibraryName);
  if (!ThemeLib) {
    ThemeLibLoaded = false;
    return;
  }
  ThemeLibLoaded = true;
  // One line per entry point, so that the line in the message names the
  // missing one.
#define JORV_XPTHEME_BIND(Name)                                            \
  Name = reinterpret_cast<decltype(&::Name)>(                              \
      reinterpret_cast<void*>(GetProcAddress(ThemeLib, #Name)));           \
  Assert(Name != nullptr, L"Assertion fehlgeschlagen");
  JORV_XPTHEME_BIND(OpenThemeData)
  JORV_XPTHEME_BIND(CloseThemeData)
  JORV_XPTHEME_BIND(DrawThemeBackground)
  JORV_XPTHEME_BIND(DrawThemeText)
  JORV_XPTHEME_BIND(GetThemeBackgroundContentRect)
  JORV_XPTHEME_BIND(GetThemeBackgroundExtent)
  JORV_XPTHEME_BIND(GetThemeTextExtent)
  JORV_XPTHEME_BIND(GetThemeTextMetrics)
  JORV_XPTHEME_BIND(GetThemeBackgroundRegion)
  JORV_XPTHEME_BIND(HitTestThemeBackground)
  JORV_XPTHEME_BIND(DrawThemeEdge)
  JORV_XPTHEME_BIND(DrawThemeIcon)
  JORV_XPTHEME_BIND(IsThemePartDefined)
  JORV_XPTHEME_BIND(IsThemeBackgroundPartiallyTransparent)
  JORV_XPTHEME_BIND(GetThemeColor)
  JORV_XPTHEME_BIND(GetThemeMetric)
  JORV_XPTHEME_BIND(GetThemeString)
  JORV_XPTHEME_BIND(GetThemeBool)
  JORV_XPTHEME_BIND(GetThemeInt)
  JORV_XPTHEME_BIND(GetThemeEnumValue)
  JORV_XPTHEME_BIND(GetThemePosition)
  JORV_XPTHEME_BIND(GetThemeFont)
  JORV_XPTHEME_BIND(GetThemeRect)
  JORV_XPTHEME_BIND(GetThemeMargins)
  JORV_XPTHEME_BIND(GetThemeIntList)
  JORV_XPTHEME_BIND(SetWindowTheme)
  JORV_XPTHEME_BIND(GetThemeFilename)
  JORV_XPTHEME_BIND(GetThemeSysColor)
  JORV_XPTHEME_BIND(GetThemeSysColorBrush)
  JORV_XPTHEME_BIND(GetThemeSysBool)
  JORV_XPTHEME_BIND(GetThemeSysSize)
  JORV_XPTHEME_BIND(GetThemeSysFont)
  JORV_XPTHEME_BIND(GetThemeSysString)
  JORV_XPTHEME_BIND(GetThemeSysInt)
  JORV_XPTHEME_BIND(IsThemeActive)
  JORV_XPTHEME_BIND(IsAppThemed)
  JORV_XPTHEME_BIND(GetWindowTheme)
  JORV_XPTHEME_BIND(EnableThemeDialogTexture)
  JORV_XPTHEME_BIND(IsThemeDialogTextureEnabled)
  JORV_XPTHEME_BIND(GetThemeAppProperties)
  JORV_XPTHEME_BIND(SetThemeAppProperties)
  JORV_XPTHEME_BIND(GetCurrentThemeName)
  JORV_XPTHEME_BIND(GetThemeDocumentationProperty)
  JORV_XPTHEME_BIND(GetThemePartSize)
  JORV_XPTHEME_BIND(DrawThemeParentBackground)
  JORV_XPTHEME_BIND(EnableTheming)
#undef JORV_XPTHEME_BIND
}

void FreeXPThemeLibrary() {
  if (!ThemeLibLoaded) return;
  FreeLibrary(ThemeLib);
  ThemeLib = nullptr;
  ThemeLibLoaded = false;
  // The library may be gone from memory now: no pointer into it may stay.
  UnbindAll();
}

bool XPThemeLibraryLoaded() { return ThemeLibLoaded; }
HMODULE XPThemeLibraryHandle() { return ThemeLib; }

bool CommonControlsThemed() {
  struct TDllVersion {
    DWORD cbSize, Major, Minor, Build, Platform;
  };
  using TGetVersion = HRESULT(CALLBACK*)(TDllVersion*);
  HMODULE Module = GetModuleHandleW(L"comctl32.dll");
  if (!Module) return false;
  auto GetVersion = ProcAddress<TGetVersion>(Module, "DllGetVersion");
  TDllVersion Version{sizeof(TDllVersion), 0, 0, 0, 0};
  return GetVersion && SUCCEEDED(GetVersion(&Version)) && Version.Major > 5;
}

}  // namespace jorv::foundation
