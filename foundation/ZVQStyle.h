#pragma once
// The library-wide look switch and colour tones, and detection of the
// Office colour scheme the current user works with.
#include <unknwn.h>
#include "platform/rtl/Types.h"

namespace jorv {
class TRegistry;
}
namespace jorv::foundation {


// Components persist these ordinals: the order is fixed.
enum TZVQStyle : uint8_t {
  tsOffice2003Blue, tsOffice2003Silver, tsOffice2003Olive, tsOffice2003Classic,
  tsOffice2007Luna, tsOffice2007Obsidian, tsWindowsXP, tsWhidbey, tsCustom,
  tsOffice2007Silver, tsWindowsVista, tsWindows7, tsTerminal, tsOffice2010Blue,
  tsOffice2010Silver, tsOffice2010Black, tsWindows8, tsOffice2013White,
  tsOffice2013LightGray, tsOffice2013Gray
};

// otUnknown is for callers that have not detected yet; detection never
// gives it.
enum TOfficeTheme : uint8_t {
  ot2003Blue, ot2003Silver, ot2003Olive, ot2003Classic, ot2007Blue, ot2007Silver,
  ot2007Black, ot2010Blue, ot2010Silver, ot2010Black, otUnknown
};

struct TColorTone {
  TColor BrushColor = 0;
  TColor BorderColor = 0;
  TColor TextColor = 0;
};

struct TColorTones {
  TColorTone Background;
  TColorTone Foreground;
  TColorTone Selected;
  TColorTone Hover;
  TColorTone Disabled;
};

// Lets code that holds any component set its look without knowing its
// class; tsCustom and values without a look of the component change nothing.
struct IZVQStyle : public IUnknown {
  virtual void STDMETHODCALLTYPE SetComponentStyle(TZVQStyle AStyle) = 0;
};

struct IZVQTones : public IUnknown {
  virtual void STDMETHODCALLTYPE SetColorTones(TColorTones ATones) = 0;
};

// The major part of a module file's version, 0 when it has none.
Integer FileMajorVersion(const wchar_t* FileName);
// Windows XP (5.1) or later, by the reported version.
bool IsXPOrLater();
// kernel32 exports GetLocaleInfoEx from Vista on.
bool IsVistaOrNewer();
// "Segoe UI" from Vista on, "Tahoma" before.
String DefaultUIFontName();

// 2 for Office 2010, 1 for Office 2007, 0 for neither, by the presence of
// their "Common\General" keys under the current user.
Integer OfficeVersionInstalled();
// The integer value "Theme" under Key, -1 when the key or value is missing
// (or holds no integer).
Integer ReadOfficeThemeValue(TRegistry* Reg, const String& Key);
// The active Windows visual style's colour scheme: 1 blue, 2 olive,
// 3 silver, 0 classic or unknown.
Integer XPThemeKind();
// The kind that XPThemeKind gives for a visual style's colour scheme name.
Integer XPThemeKindOfScheme(const String& ColorScheme);
TOfficeTheme CurrentOfficeTheme();

}  // namespace jorv::foundation

// Gives the interfaces their identifiers for __uuidof: the compiler keeps
// none with the declaration itself.
__CRT_UUID_DECL(jorv::foundation::IZVQStyle, 0x6F1B0C52, 0x3E4A, 0x4D7B, 0x9A, 0x41, 0x2C, 0x5E, 0x8D,
                0x0F, 0x7A, 0x13)
__CRT_UUID_DECL(jorv::foundation::IZVQTones, 0x0C9A7E25, 0x8B16, 0x4F3D, 0xB2, 0xE8, 0x71, 0xD4, 0xA6,
                0xC3, 0x5F, 0x90)
