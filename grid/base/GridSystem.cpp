#include "grid/base/GridSystem.h"
#include <vector>
#include "foundation/XPTheme.h"
#include "platform/gfx/Canvas.h"

namespace jorv::grid {
using namespace jorv::foundation;

namespace {

// The major file version, or Unreadable.
int FileMajorVersion(const wchar_t* FileName, int Unreadable = 0) {
  DWORD Dummy = 0;
  DWORD Size = GetFileVersionInfoSizeW(FileName, &Dummy);
  if (Size == 0) return Unreadable;
  std::vector<BYTE> Buffer(Size);
  if (!GetFileVersionInfoW(FileName, 0, Size, Buffer.data())) return Unreadable;
  VS_FIXEDFILEINFO* Info = nullptr;
  UINT Len = 0;
  if (!VerQueryValueW(Buffer.data(), L"\\", reinterpret_cast<void**>(&Info), &Len) || !Info ||
      Info->dwSignature != 0xFEEF04BD)
    return Unreadable;
  return HIWORD(Info->dwFileVersionMS);
}

bool ThemesActive() { return IsThemeActive && IsThemeActive(); }

}  // namespace

bool IsWinXPOrLater() {
  OSVERSIONINFOW V{};
  V.dwOSVersionInfoSize = sizeof(V);
  if (!GetVersionExW(&V)) return false;
  return V.dwMajorVersion > 5 || (V.dwMajorVersion == 5 && V.dwMinorVersion >= 1);
}

bool IsThemedXP() { return IsWinXPOrLater() && ThemesActive() && FileMajorVersion(L"COMCTL32.DLL") > 5; }

int CurrentXPColorScheme() {
  if (!IsWinXPOrLater() || !ThemesActive() || !GetCurrentThemeName) return 0;
  wchar_t FileName[255] = {}, Color[255] = {}, SizeName[255] = {};
  if (FAILED(GetCurrentThemeName(FileName, 255, Color, 255, SizeName, 255))) return 0;
  String C = Color;
  if (C == L"NormalColor") return 1;
  if (C == L"HomeStead") return 2;
  if (C == L"Metallic") return 3;
  return 0;
}

bool IsComCtl6OrLater() { return CommonControlsThemed(); }

bool IsVistaOrLater() {
  HMODULE Kernel = GetModuleHandleW(L"kernel32.dll");
  return Kernel && GetProcAddress(Kernel, "GetLocaleInfoEx");
}

bool VisualStylesActive() { return ThemesActive(); }

bool DrawThemedPart(TCanvas* Canvas, HWND Window, const wchar_t* ClassName, int Part, int State, const TRect& Rect) {
  if (!OpenThemeData || !DrawThemeBackground || !CloseThemeData) return false;
  HTHEME Theme = OpenThemeData(Window, ClassName);
  if (!Theme) return false;
  RECT R{Rect.Left, Rect.Top, Rect.Right, Rect.Bottom};
  DrawThemeBackground(Theme, Canvas->Handle(), Part, State, &R, nullptr);
  CloseThemeData(Theme);
  return true;
}

}  // namespace jorv::grid
