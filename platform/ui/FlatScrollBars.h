#pragma once
// The flat scroll-bar entry points of the common controls, bound by name:
// a grid that draws flat or "Encarta" bars calls them when the loaded
// common-controls library has them, and keeps the ordinary bars otherwise.
#include "platform/rtl/WinApi.h"

namespace jorv {

struct TFlatScrollBarApi {
  BOOL(WINAPI* InitializeFlatSB)(HWND) = nullptr;
  HRESULT(WINAPI* UninitializeFlatSB)(HWND) = nullptr;
  int(WINAPI* FlatSB_SetScrollInfo)(HWND, int, LPSCROLLINFO, BOOL) = nullptr;
  BOOL(WINAPI* FlatSB_GetScrollInfo)(HWND, int, LPSCROLLINFO) = nullptr;
  BOOL(WINAPI* FlatSB_SetScrollProp)(HWND, UINT, INT_PTR, BOOL) = nullptr;
  BOOL(WINAPI* FlatSB_ShowScrollBar)(HWND, int, BOOL) = nullptr;
};

// Looked up in "comctl32.dll" as it is loaded into the process (it is not
// loaded for this); looked up again while it is not, so a library loaded
// later is found. Every entry is null when the library or the name is
// missing.
const TFlatScrollBarApi& FlatScrollBarApi();

}  // namespace jorv
