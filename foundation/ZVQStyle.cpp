#include "foundation/ZVQStyle.h"

#include "platform/rtl/Registry.h"
#include "platform/rtl/WinApi.h"

namespace jorv::foundation {

namespace {

const wchar_t* const Office2010Common = L"Software\\Microsoft\\Office\\14.0\\Common";
const wchar_t* const Office2007Common = L"Software\\Microsoft\\Office\\12.0\\Common";

}  // namespace

// The major part of a module file's version, 0 when it has none.
Integer FileMajorVersion(const wchar_t* FileName) {
  DWORD Dummy = 0;
  DWORD Size = GetFileVersionInfoSizeW(FileName, &Dummy);
  if (Size == 0) return 0;
  std::basic_string<Byte> Buffer(Size, 0);
  if (!GetFileVersionInfoW(FileName, 0, Size, Buffer.data())) return 0;
  VS_FIXEDFILEINFO* Info = nullptr;
  UINT Len = 0;
  if (!VerQueryValueW(Buffer.data(), L"\\", reinterpret_cast<void**>(&Info), &Len) || !Info)
    return 0;
  return HIWORD(Info->dwFileVersionMS);
}

bool IsXPOrLater() {
  OSVERSIONINFOW Info{};
  Info.dwOSVersionInfoSize = sizeof(Info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExW(&Info)) return false;
#pragma GCC diagnostic pop
  return Info.dwMajorVersion > 5 || (Info.dwMajorVersion == 5 && Info.dwMinorVersion > 0);
}

bool IsVistaOrNewer() {
  HMODULE Kernel = GetModuleHandleW(L"kernel32");
  return Kernel && GetProcAddress(Kernel, "GetLocaleInfoEx");
}

String DefaultUIFontName() { return IsVistaOrNewer() ? L"Segoe UI" : L"Tahoma"; }

Integer OfficeVersionInstalled() {
  TRegistry Reg(KEY_READ);
  Reg.SetRootKey(HKEY_CURRENT_USER);
  if (Reg.KeyExists(String(Office2010Common) + L"\\General")) return 2;
  if (Reg.KeyExists(String(Office2007Common) + L"\\General")) return 1;
  return 0;
}

Integer ReadOfficeThemeValue(TRegistry* Reg, const String& Key) {
  Reg->CloseKey();
  if (!Reg->OpenKeyReadOnly(Key)) return -1;
  Integer Result = -1;
  // A "Theme" of another type is as good as none: detection never fails.
  if (Reg->ValueExists(L"Theme") && Reg->GetDataType(L"Theme") == rdInteger)
    Result = Reg->ReadInteger(L"Theme");
  Reg->CloseKey();
  return Result;
}

Integer XPThemeKindOfScheme(const String& ColorScheme) {
  if (ColorScheme.find(L"NormalColor") != String::npos) return 1;
  if (ColorScheme.find(L"HomeStead") != String::npos) return 2;
  if (ColorScheme.find(L"Metallic") != String::npos) return 3;
  return 0;
}

Integer XPThemeKind() {
  if (!IsXPOrLater()) return 0;
  // Loaded on its own rather than through the shared binding, so that the
  // answer does not depend on that binding's start-up.
  HMODULE Lib = LoadLibraryW(L"uxtheme.dll");
  if (!Lib) return 0;
  Integer Result = 0;
  using TIsThemeActive = BOOL(WINAPI*)();
  using TGetCurrentThemeName = HRESULT(WINAPI*)(LPWSTR, int, LPWSTR, int, LPWSTR, int);
  auto IsActive = ProcAddress<TIsThemeActive>(Lib, "IsThemeActive");
  if (IsActive && IsActive() && FileMajorVersion(L"COMCTL32.DLL") > 5) {
    auto GetName =
        ProcAddress<TGetCurrentThemeName>(Lib, "GetCurrentThemeName");
    if (GetName) {
      wchar_t FileName[256] = {}, ColorScheme[256] = {}, SizeName[256] = {};
      if (SUCCEEDED(GetName(FileName, 255, ColorScheme, 255, SizeName, 255)))
        Result = XPThemeKindOfScheme(ColorScheme);
    }
  }
  FreeLibrary(Lib);
  return Result;
}

TOfficeTheme CurrentOfficeTheme() {
  TRegistry Reg(KEY_READ);
  Reg.SetRootKey(HKEY_CURRENT_USER);
  switch (ReadOfficeThemeValue(&Reg, Office2010Common)) {
    case -1: break;
    case 1: return ot2010Blue;
    case 2: return ot2010Silver;
    case 3: return ot2010Black;
    default: return ot2003Blue;
  }
  switch (ReadOfficeThemeValue(&Reg, Office2007Common)) {
    case -1: break;
    case 1: return ot2007Blue;
    case 2: return ot2007Silver;
    case 3: return ot2007Black;
    default: return ot2003Blue;
  }
  switch (XPThemeKind()) {
    case 1: return ot2003Blue;
    case 2: return ot2003Olive;
    case 3: return ot2003Silver;
    default: return ot2003Classic;
  }
}

}  // namespace jorv::foundation
