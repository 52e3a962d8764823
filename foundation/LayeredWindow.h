#pragma once
// The layered-window calls of user32, looked up by name at every call so
// that a system without them still runs: there they do nothing and answer
// true.
#include "platform/rtl/WinApi.h"

namespace jorv::foundation {

bool CallUpdateLayeredWindow(HWND Handle, HDC hdcDst, POINT* pptDst, SIZE* psize, HDC hdcSrc,
                             POINT* pptSrc, COLORREF crKey, BLENDFUNCTION* pblend,
                             DWORD dwFlags);
bool CallSetLayeredWindowAttributes(HWND Handle, COLORREF crKey, BYTE bAlpha, DWORD dwFlags);

}  // namespace jorv::foundation
