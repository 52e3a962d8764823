#include "calendar/AgendaCalendarStyle.h"

#include <iterator>
#include <vector>

#include "calendar/AgendaCalendar.h"
#include "foundation/ThemeNotifier.h"
#include "foundation/XPTheme.h"
#include "platform/gfx/Colors.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::calendar {
using namespace jorv::foundation;

namespace {

constexpr TPresetColorStep N = pcsNone;

// Indexed by TAgendaCalendarStyle; psCustom's row is never handed out.
// Columns: colour step, colour, body gradient start and end, vertical,
// month gradient start and end, inactive days, selected day fill and
// border, hovered and pressed day, selected day text, 3D lines.
const TAgendaCalendarPreset Presets[] = {
    /* psWindowsXP */ {N, 0, clWhite, clBtnFace, false, clNone, clNone, clTeal, clHighlight,
                       clHighlight, clInfoBk, clHighlight, clWhite, true},
    /* psOffice2000 */ {N, 0, clBtnFace, clNone, false, clNone, clNone, clTeal, clHighlight,
                        clHighlight, clInfoBk, clHighlight, clBlack, true},
    /* psOffice2003Blue */ {N, 0, 0xFCE1CB, 0xE0A57D, false, 0xFCE1CB, 0xE0A57D, clWhite,
                            0x71BFFF, 0x71BFFF, 0xC2EEFF, 0x087FE8, clWhite, false},
    /* psOffice2003Olive */ {N, 0, 0xCFF0EA, 0x8CC0B1, false, 0xCFF0EA, 0x8CC0B1, clWhite,
                             0x71BFFF, 0x71BFFF, 0xC2EEFF, 0x087FE8, clWhite, false},
    /* psOffice2003Silver */ {N, 0, 0xECE2E1, 0xB39698, false, 0xECE2E1, 0xB39698, clWhite,
                              0x71BFFF, 0x71BFFF, 0xC2EEFF, 0x087FE8, clWhite, false},
    /* psOffice2003Classic */ {N, 0, clWhite, 0xC9D1D5, false, clWhite, 0xC9D1D5, clWhite,
                               clGray, clGray, 0xD2BDB6, 0xB59285, clWhite, false},
    /* psFlat */ {pcsFirst, clBtnFace, clBtnFace, clNone, false, clBtnFace, clNone, clWhite,
                  clInfoBk, clInfoBk, clNone, clNone, clBlack, false},
    /* psAvantGarde */ {pcsAfterGradient, 0xFFD9B3, 0xFFD9B3, clNone, false, 0x6580DA, 0xF807F1,
                        clWhite, clHighlight, clHighlight, clNone, clNone, clWhite, true},
    /* psWhidbey */ {N, 0, 0xF5F9FA, 0xA8C0C0, false, 0xF5F9FA, 0xA8C0C0, clGray, 0x71BFFF,
                     0x71BFFF, 0xC2EEFF, 0x087FE8, clWhite, false},
    /* psOffice2007Luna */ {N, 0, 0xFFF4E3, 0xEDD9C8, true, 0xFFEFE3, 0xFFD2AF, clWhite,
                            0xBBEEFF, 0xBBEEFF, 0x78DAFF, 0x087FE8, 0x723708, false},
    /* psOffice2007Obsidian */ {N, 0, 0xF1F0E6, 0xC6BCB5, true, 0xF2F1F0, 0xC9C2BD, clWhite,
                                0xBBEEFF, 0xBBEEFF, 0x78DAFF, 0x087FE8, 0x433C37, false},
    /* psCustom */ {},
    /* psOffice2007Silver */ {N, 0, 0xE7DCD5, 0xFBFAF0, true, 0xF8F7F6, 0xE8E0DB, clWhite,
                              0xBBEEFF, 0xBBEEFF, 0x78DAFF, 0x087FE8, 0x723708, false},
    /* psWindowsVista */ {N, 0, clWhite, clWhite, true, clWhite, clWhite, clWhite, 0xFEF9F0,
                          0xFEDF9A, 0xFFFDF9, 0xFBEDD3, 0x723708, false},
    /* psWindows7 */ {N, 0, clWhite, clWhite, true, clWhite, clWhite, clWhite, 0xFCEBDC,
                      0xCEA27D, 0xFDFBFA, 0xFDF3EB, 0x723708, false},
    /* psTerminal */ {N, 0, clBtnFace, clBtnFace, true, clBtnFace, clBtnFace, clWhite,
                      clHighlight, clGray, clSilver, clHighlight, clWhite, false},
    /* psOffice2010Blue */ {N, 0, 0xEDDBCD, 0xEDDBCD, true, 0xEDDBCD, 0xEDDBCD, 0xDEC1A9,
                            0xDEC1A9, clNone, 0xFFEBDB, 0xDEC1A9, clBlack, false},
    /* psOffice2010Silver */ {N, 0, 0xEDE9E5, 0xEDE9E5, true, 0xEDE9E5, 0xEDE9E5, 0xDEC1A9,
                              0xDEC1A9, clNone, 0xEEDDCF, 0xDEC1A9, clBlack, false},
    /* psOffice2010Black */ {N, 0, 0x828282, 0x828282, true, 0x828282, 0x828282, 0xA3A3A3,
                             0xDEC1A9, clNone, 0xEEDDCF, 0xDEC1A9, clBlack, false},
    /* psWindows8 */ {N, 0, clWhite, clWhite, true, clWhite, clWhite, 0xF7F7F7, 0xDAA026,
                      0xE4A262, 0xF7EFE8, 0xE4A262, clWhite, false},
    /* psOffice2013White */ {N, 0, clWhite, clWhite, true, clWhite, clWhite, 0xF7F7F7,
                             0xFF9933, 0xE4A262, 0xF7EFE8, 0xE4A262, clWhite, false},
    /* psOffice2013LightGray */ {N, 0, clWhite, clWhite, true, clWhite, clWhite, 0xF7F7F7,
                                 0xFF9933, 0xE4A262, 0xF7EFE8, 0xE4A262, clWhite, false},
    /* psOffice2013Gray */ {N, 0, clWhite, clWhite, true, clWhite, clWhite, 0xF7F7F7,
                            0xFF9933, 0xE4A262, 0xF7EFE8, 0xE4A262, clWhite, false},
};
static_assert(std::size(Presets) == psOffice2013Gray + 1, "one preset per style");

// Indexed by TZVQStyle; psCustom marks the looks without a preset.
const TAgendaCalendarStyle StyleOfZVQStyle[] = {
    psOffice2003Blue,   psOffice2003Silver, psOffice2003Olive,  psOffice2003Classic,
    psOffice2007Luna,   psOffice2007Obsidian, psWindowsXP,      psWhidbey,
    psCustom,           psOffice2007Silver, psWindowsVista,     psWindows7,
    psTerminal,         psOffice2010Blue,   psOffice2010Silver, psOffice2010Black,
    psWindows8,         psOffice2013White,  psOffice2013LightGray, psOffice2013Gray,
};
static_assert(std::size(StyleOfZVQStyle) == tsOffice2013Gray + 1, "one entry per look");

bool IsXPOrLater() {
  OSVERSIONINFOW Info{};
  Info.dwOSVersionInfoSize = sizeof(Info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExW(&Info)) return false;
#pragma GCC diagnostic pop
  return Info.dwMajorVersion > 5 || (Info.dwMajorVersion == 5 && Info.dwMinorVersion > 0);
}

// The major part of the common controls' file version, 0 when unreadable.
Integer ComCtl32MajorVersion() {
  DWORD Dummy = 0;
  DWORD Size = GetFileVersionInfoSizeW(L"COMCTL32.DLL", &Dummy);
  if (Size == 0) return 0;
  std::vector<Byte> Buffer(Size);
  if (!GetFileVersionInfoW(L"COMCTL32.DLL", 0, Size, Buffer.data())) return 0;
  VS_FIXEDFILEINFO* Info = nullptr;
  UINT Len = 0;
  if (!VerQueryValueW(Buffer.data(), L"\\", reinterpret_cast<void**>(&Info), &Len) || !Info)
    return 0;
  return HIWORD(Info->dwFileVersionMS);
}

}  // namespace

const TAgendaCalendarPreset* AgendaCalendarPreset(Integer AStyle) {
  Integer Index = AStyle & 0x7F;
  if (Index == psCustom || Index >= static_cast<Integer>(std::size(Presets))) return nullptr;
  return &Presets[Index];
}

bool AgendaCalendarStyleOfZVQStyle(Integer AStyle, TAgendaCalendarStyle& Result) {
  Integer Index = AStyle & 0x7F;
  if (Index >= static_cast<Integer>(std::size(StyleOfZVQStyle))) return false;
  if (StyleOfZVQStyle[Index] == psCustom) return false;
  Result = StyleOfZVQStyle[Index];
  return true;
}

Integer XPThemeKindOfSchemeName(const String& ColorScheme) {
  if (ColorScheme == L"NormalColor") return 1;
  if (ColorScheme == L"HomeStead") return 2;
  if (ColorScheme == L"Metallic") return 3;
  return 0;
}

Integer CurrentXPThemeKind() {
  if (!IsXPOrLater()) return 0;
  // Held for the query only: whether the library is there at all decides
  // between "no visual styles" and "a system without them".
  HMODULE Lib = LoadLibraryW(L"uxtheme.dll");
  if (!Lib) return 0;
  struct TFree {
    HMODULE L;
    ~TFree() { FreeLibrary(L); }
  } Free{Lib};
  if (!IsThemeActive || !IsThemeActive() || ComCtl32MajorVersion() <= 5) return 4;
  if (!GetCurrentThemeName) return 4;
  wchar_t FileName[256] = {}, ColorScheme[256] = {}, SizeName[256] = {};
  HRESULT Hr = GetCurrentThemeName(FileName, 255, ColorScheme, 255, SizeName, 255);
  if (FAILED(Hr)) throw EOleSysError(SysErrorMessage(static_cast<Cardinal>(Hr)));
  return XPThemeKindOfSchemeName(ColorScheme);
}

TAgendaCalendarStyle AgendaCalendarStyleOfThemeKind(Integer Kind) {
  switch (Kind) {
    case 1: return psOffice2003Blue;
    case 2: return psOffice2003Olive;
    case 3: return psOffice2003Silver;
    case 4: return psWindowsXP;
    default: return psOffice2000;
  }
}

// --- the calendar's looks ---------------------------------------------------

void TAgendaCalendar::SetStyle(TAgendaCalendarStyle Value) {
  FStyle = Value;
  if (const TAgendaCalendarPreset* Preset = AgendaCalendarPreset(Value)) ApplyPreset(*Preset);
}

void TAgendaCalendar::ApplyPreset(const TAgendaCalendarPreset& Preset) {
  if (Preset.ColorStep == pcsFirst) SetColor(Preset.Color);
  SetGradientStartColor(Preset.GradientStartColor);
  SetGradientEndColor(Preset.GradientEndColor);
  if (Preset.Vertical) SetGradientDirection(gdVertical);
  if (Preset.ColorStep == pcsAfterGradient) SetColor(Preset.Color);
  SetMonthGradientStartColor(Preset.MonthGradientStartColor);
  SetMonthGradientEndColor(Preset.MonthGradientEndColor);
  if (Preset.Vertical) SetMonthGradientDirection(gdVertical);
  SetInActiveColor(Preset.InActiveColor);
  SetDateSelectColor(Preset.DateSelectColor);
  SetDateSelectBorderColor(Preset.DateSelectBorderColor);
  // Only the day under the pointer shows these: no repaint for them.
  FDateHoverColor = Preset.DateHoverColor;
  FDateDownColor = Preset.DateDownColor;
  SetSelectFontColor(Preset.SelectFontColor);
  SetLine3D(Preset.Line3D);
}

void STDMETHODCALLTYPE TAgendaCalendar::SetComponentStyle(TZVQStyle AStyle) {
  TAgendaCalendarStyle Style;
  if (AgendaCalendarStyleOfZVQStyle(AStyle, Style)) SetStyle(Style);
}

void TAgendaCalendar::ApplyThemeStyle() {
  SetStyle(AgendaCalendarStyleOfThemeKind(CurrentXPThemeKind()));
}

HRESULT STDMETHODCALLTYPE TAgendaCalendar::QueryInterface(REFIID iid, void** obj) {
  return QueryComponentInterface<IZVQStyle>(this, iid, obj);
}

void TAgendaCalendar::SetAutoThemeAdapt(bool v) {
  FAutoThemeAdapt = v;
  if (v)
    RegisterThemeWindow();
  else
    UnRegisterThemeWindow();
  if (v && !Designing()) ApplyThemeStyle();
}

void TAgendaCalendar::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_THEMECHANGED:
    case CM_SYSFONTCHANGED:
    case WM_OFFICETHEMECHANGED:
      if (FAutoThemeAdapt) ApplyThemeStyle();
      break;
  }
  TCustomCalendarPanel::WndProc(Message);
}

// The window hears of Office scheme changes only while it follows the
// theme, so that calendars with their own looks make no notifier.
void TAgendaCalendar::RegisterThemeWindow() {
  if (!FAutoThemeAdapt || !HandleAllocated() || FThemeWnd == Handle()) return;
  UnRegisterThemeWindow();
  FThemeNotifier = GetThemeNotifier(this);
  FThemeNotifier->FreeNotification(this);
  FThemeWnd = Handle();
  FThemeNotifier->RegisterWindow(FThemeWnd);
}

void TAgendaCalendar::UnRegisterThemeWindow() {
  if (FThemeNotifier) {
    if (FThemeWnd) FThemeNotifier->UnRegisterWindow(FThemeWnd);
    FThemeNotifier->RemoveFreeNotification(this);
  }
  FThemeNotifier = nullptr;
  FThemeWnd = nullptr;
}

void TAgendaCalendar::CreateWnd() {
  TCustomCalendarPanel::CreateWnd();
  RegisterThemeWindow();
}

void TAgendaCalendar::DestroyWnd() {
  UnRegisterThemeWindow();
  TCustomCalendarPanel::DestroyWnd();
}

void TAgendaCalendar::Notification(TComponent* AComponent, TOperation Operation) {
  // The notifier goes with its owner, which need not be this calendar.
  if (Operation == opRemove && AComponent == FThemeNotifier) {
    FThemeNotifier = nullptr;
    FThemeWnd = nullptr;
  }
  TCustomCalendarPanel::Notification(AComponent, Operation);
}

}  // namespace jorv::calendar
