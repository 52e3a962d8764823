#pragma once
// What the grids ask of the running system: its version and whether
// visual styles are on, and which of the classic colour schemes is shown.
#include "platform/rtl/WinApi.h"
#include "platform/rtl/Types.h"

namespace jorv {
class TCanvas;
}

namespace jorv::grid {
using namespace jorv;

bool IsWinXPOrLater();
bool IsThemedXP();
// 1 "NormalColor", 2 "HomeStead", 3 "Metallic"; 0 for anything else or
// without visual styles.
int CurrentXPColorScheme();
// The common-controls library is version 6 or later.
bool IsComCtl6OrLater();
// Windows Vista or later: the kernel exports GetLocaleInfoEx.
bool IsVistaOrLater();
// The user's visual style is on (and the library bound).
bool VisualStylesActive();
// Draws Part in State of the visual-style class over Rect; false (and
// nothing drawn) when the window's style has no such class.
bool DrawThemedPart(TCanvas* Canvas, HWND Window, const wchar_t* ClassName, int Part, int State, const TRect& Rect);

}  // namespace jorv::grid
