#pragma once
// What the grids ask of the running system: its version and whether
// visual styles are on, and which of the classic colour schemes is shown.

namespace jorv::grid {

bool IsWinXPOrLater();
bool IsThemedXP();
// 1 "NormalColor", 2 "HomeStead", 3 "Metallic"; 0 for anything else or
// without visual styles.
int CurrentXPColorScheme();

}  // namespace jorv::grid
