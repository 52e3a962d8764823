#include "foundation/LayeredWindow.h"

namespace jorv::foundation {

namespace {

// Only a user32 already in the process is asked; nothing is loaded.
template <class TFunction>
TFunction User32Entry(const char* Name) {
  HMODULE User32 = GetModuleHandleW(L"USER32.DLL");
  return User32 ? ProcAddress<TFunction>(User32, Name) : nullptr;
}

}  // namespace

bool CallUpdateLayeredWindow(HWND Handle, HDC hdcDst, POINT* pptDst, SIZE* psize, HDC hdcSrc,
                             POINT* pptSrc, COLORREF crKey, BLENDFUNCTION* pblend,
                             DWORD dwFlags) {
  using TUpdate = BOOL(WINAPI*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF,
                                BLENDFUNCTION*, DWORD);
  auto Update = User32Entry<TUpdate>("UpdateLayeredWindow");
  if (!Update) return true;
  return Update(Handle, hdcDst, pptDst, psize, hdcSrc, pptSrc, crKey, pblend, dwFlags) != 0;
}

bool CallSetLayeredWindowAttributes(HWND Handle, COLORREF crKey, BYTE bAlpha, DWORD dwFlags) {
  using TSetAttributes = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
  auto SetAttributes =
      User32Entry<TSetAttributes>("SetLayeredWindowAttributes");
  if (!SetAttributes) return true;
  return SetAttributes(Handle, crKey, bAlpha, dwFlags) != 0;
}

}  // namespace jorv::foundation
