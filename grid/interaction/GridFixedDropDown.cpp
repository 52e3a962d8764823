// The drop-down button at the right of a hover-highlighted header cell: a
// press on it pops up the header menu (the grid's FixedDropDownMenu or the
// one OnFixedDropDownClick hands over) under the button, with the cell
// kept in its hover look while the menu is open.
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/Menus.h"

namespace jorv::grid {

namespace {

// Width of the button at the cell's right edge.
constexpr Integer DropDownButtonWidth = 16;

}  // namespace

// True when the press opened a menu; a press on the button with neither a
// menu nor the event goes on as a press on the header.
bool TRezIvevirAvod::PressOnFixedDropDown(Integer C, Integer R, Integer X, Integer Y) {
  if (C < 0 || R < 0 || C >= ColCount() || R >= RowCount()) return false;
  if (!FControlLook->FixedDropDownButton() || !IsHoverFixedCell(C, R)) return false;
  // A column whose button the application hides has no button to press.
  if (!DoCanShowFixedDropDown(DisplToRealCol(C))) return false;
  const TRect CR = CellRect(C, R);
  const Integer Right = Options().Contains(goColSizing) ? CR.Right - 2 : CR.Right;
  if (!(X >= CR.Right - DropDownButtonWidth && X < Right && Y >= CR.Top && Y < CR.Bottom)) return false;
  FDropDownDown = true;
  if (!FFixedDropDownMenu && !OnFixedDropDownClick) return false;
  bool Keep = false;
  FNoMouseLeave = true;
  auto Leave = ScopeExit([&] { FNoMouseLeave = Keep; });
  TPopupMenu* Menu = FFixedDropDownMenu;
  if (Menu) Menu->SetTag(C);
  if (OnFixedDropDownClick) OnFixedDropDownClick(this, C, R, Menu, Keep);
  if (!Menu) return true;
  FMouseDownMove = false;
  FHoverFixedX = C;
  FHoverFixedY = R;
  RepaintCell(C, R);
  const TPoint At = ClientToScreen(TPoint{CR.Right - DropDownButtonWidth, CR.Bottom});
  {
    // The menu's own loop takes the release, so the button comes up here.
    auto Up = ScopeExit([&] {
      FDropDownDown = false;
      FHoverFixedX = FHoverFixedY = -1;
      RepaintCell(C, R);
    });
    Menu->Popup(At.X, At.Y);
  }
  return true;
}

}  // namespace jorv::grid
