#pragma once
// The month calendar's looks: the colours of each preset, the preset that
// stands for each library-wide look, and the preset that follows the
// desktop's visual style. The calendar group and the date picker choose
// their calendars' looks from the same list.
#include "foundation/ZVQStyle.h"

namespace jorv::calendar {
using namespace jorv::foundation;

// Looks are stored by ordinal: the order is fixed.
enum TAgendaCalendarStyle : uint8_t {
  psWindowsXP, psOffice2000, psOffice2003Blue, psOffice2003Olive, psOffice2003Silver,
  psOffice2003Classic, psFlat, psAvantGarde, psWhidbey, psOffice2007Luna,
  psOffice2007Obsidian, psCustom, psOffice2007Silver, psWindowsVista, psWindows7,
  psTerminal, psOffice2010Blue, psOffice2010Silver, psOffice2010Black, psWindows8,
  psOffice2013White, psOffice2013LightGray, psOffice2013Gray
};

// When a preset writes the panel's own colour: never, before anything
// else, or right after the body gradient.
enum TPresetColorStep : uint8_t { pcsNone, pcsFirst, pcsAfterGradient };

// What one preset writes, field by field in the order it writes them.
struct TAgendaCalendarPreset {
  TPresetColorStep ColorStep = pcsNone;
  TColor Color = 0;
  TColor GradientStartColor = 0;
  TColor GradientEndColor = 0;
  // Both gradients turn vertical; otherwise their directions stay.
  bool Vertical = false;
  TColor MonthGradientStartColor = 0;
  TColor MonthGradientEndColor = 0;
  TColor InActiveColor = 0;
  TColor DateSelectColor = 0;
  TColor DateSelectBorderColor = 0;
  TColor DateHoverColor = 0;
  TColor DateDownColor = 0;
  TColor SelectFontColor = 0;
  bool Line3D = false;
};

// The preset of a style's low seven bits; nullptr for psCustom and for
// values past the last style.
const TAgendaCalendarPreset* AgendaCalendarPreset(Integer AStyle);

// The preset that stands for a library-wide look (its low seven bits);
// false for tsCustom and for values without one.
bool AgendaCalendarStyleOfZVQStyle(Integer AStyle, TAgendaCalendarStyle& Result);

// The desktop's visual-style scheme as the calendar sees it: 1 the blue
// "NormalColor", 2 "HomeStead", 3 "Metallic", 4 no visual style in use
// (or old common controls, or no scheme to ask), 0 any other scheme, a
// system before Windows XP or no visual-style library. A failing scheme
// query raises EOleSysError.
Integer CurrentXPThemeKind();
// The kind that CurrentXPThemeKind gives for an active scheme's name.
Integer XPThemeKindOfSchemeName(const String& ColorScheme);
// The preset that follows a kind of CurrentXPThemeKind.
TAgendaCalendarStyle AgendaCalendarStyleOfThemeKind(Integer Kind);

}  // namespace jorv::calendar
