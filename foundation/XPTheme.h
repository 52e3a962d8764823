#pragma once
// The visual-style library, bound by name at start-up rather than linked,
// so that the program still starts where the library is missing. Painters
// call the entry points below only where IsThemeActive says visual styles
// are on; each has the library's own signature.
#include "platform/rtl/WinApi.h"
#include <uxtheme.h>

namespace jorv::foundation {

// In binding order; the lookups stop at the first one the library lacks.
#define JORV_XPTHEME_ENTRY_POINTS(X)                                                  \
  X(OpenThemeData) X(CloseThemeData) X(DrawThemeBackground) X(DrawThemeText)          \
  X(GetThemeBackgroundContentRect) X(GetThemeBackgroundExtent) X(GetThemeTextExtent)  \
  X(GetThemeTextMetrics) X(GetThemeBackgroundRegion) X(HitTestThemeBackground)        \
  X(DrawThemeEdge) X(DrawThemeIcon) X(IsThemePartDefined)                             \
  X(IsThemeBackgroundPartiallyTransparent) X(GetThemeColor) X(GetThemeMetric)         \
  X(GetThemeString) X(GetThemeBool) X(GetThemeInt) X(GetThemeEnumValue)               \
  X(GetThemePosition) X(GetThemeFont) X(GetThemeRect) X(GetThemeMargins)              \
  X(GetThemeIntList) X(SetWindowTheme) X(GetThemeFilename) X(GetThemeSysColor)        \
  X(GetThemeSysColorBrush) X(GetThemeSysBool) X(GetThemeSysSize) X(GetThemeSysFont)   \
  X(GetThemeSysString) X(GetThemeSysInt) X(IsThemeActive) X(IsAppThemed)              \
  X(GetWindowTheme) X(EnableThemeDialogTexture) X(IsThemeDialogTextureEnabled)        \
  X(GetThemeAppProperties) X(SetThemeAppProperties) X(GetCurrentThemeName)            \
  X(GetThemeDocumentationProperty) X(GetThemePartSize) X(DrawThemeParentBackground)   \
  X(EnableTheming)

// Inside namespace jorv these names mean the bound entry points, not the
// import library's functions; they are null until bound. Code outside the
// namespace that imports it writes jorv::foundation::OpenThemeData.
#define JORV_XPTHEME_DECLARE(Name) extern decltype(&::Name) Name;
JORV_XPTHEME_ENTRY_POINTS(JORV_XPTHEME_DECLARE)
#undef JORV_XPTHEME_DECLARE

// Loads the library once and binds every entry point, raising
// EAssertionFailed "Assertion fehlgeschlagen (XPTheme.cpp, Zeile n)" for
// the first one it lacks. A library that does not load binds nothing and
// raises nothing. The program's start-up calls it; the name is for tests.
void LoadXPThemeLibrary(const wchar_t* LibraryName = L"UXTHEME.DLL");
// Frees the library when it is loaded and unbinds the entry points.
void FreeXPThemeLibrary();
bool XPThemeLibraryLoaded();
HMODULE XPThemeLibraryHandle();

// Whether the common controls this process loaded are of version 6 or
// later, which themed looks need.
bool CommonControlsThemed();

}  // namespace jorv::foundation
