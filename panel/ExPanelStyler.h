#pragma once
// One look for many captioned panels: the styler fills its settings from a
// preset and hands them to every panel of its form that names it.
#include <memory>
#include "platform/ui/WinControl.h"
#include "foundation/ZVQStyle.h"
#include "panel/ExPanelSettings.h"

namespace jorv::panel {
using namespace jorv::foundation;

// Components persist these ordinals: the order is fixed.
enum TExPanelStyle : uint8_t {
  psXP, psFlat, psZVQ, psClassic, psOffice2003Blue, psOffice2003Olive, psOffice2003Silver,
  psOffice2003Classic, psOffice2007Luna, psOffice2007Obsidian, psWhidbey, psWindowsXP,
  psCustom, psOffice2007Silver, psWindowsVista, psWindows7, psTerminal, psOffice2010Blue,
  psOffice2010Silver, psOffice2010Black, psWindows8, psOffice2013White,
  psOffice2013LightGray, psOffice2013Gray
};

// A small child window of the form that hears the desktop's visual style
// change (WM_THEMECHANGED).
class TThemeNotifierWindow : public TWinControl {
 public:
  explicit TThemeNotifierWindow(TComponent* AOwner);
  TNotifyEvent OnThemeChange;

 protected:
  void WndProc(TMessage& Message) override;
};

// The preset that follows the desktop's colour scheme, by the kind that
// XPThemeKind gives (1 blue, 2 olive, 3 silver, anything else classic).
TExPanelStyle ExPanelStyleOfThemeKind(Integer Kind);
// The preset of the same name as a library-wide look; false for tsCustom.
bool ExPanelStyleOfZVQStyle(TZVQStyle AStyle, TExPanelStyle& Style);

class TExPanelStyler : public TComponent, public IZVQStyle, public IZVQTones {
 public:
  explicit TExPanelStyler(TComponent* AOwner);
  ~TExPanelStyler() override;

  // From another styler only: AutoThemeAdapt, the settings, Comments, then
  // the source's preset over them.
  void Assign(TPersistent* Source) override;
  void STDMETHODCALLTYPE SetComponentStyle(TZVQStyle AStyle) override;
  // Custom look from colour tones; every notifying write reaches the panels.
  void STDMETHODCALLTYPE SetColorTones(TColorTones ATones) override;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** obj) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ULONG(-1); }
  ULONG STDMETHODCALLTYPE Release() override { return ULONG(-1); }

  TExPanelSettings* Settings() const { return FSettings.get(); }
  // Copies Value into the owned settings, which then reach the panels.
  void SetSettings(TExPanelSettings* Value);
  const String& Comments() const { return FComments; }
  void SetComments(const String& Value) { FComments = Value; }
  // The styler's own tag, apart from the component's.
  Integer Tag() const { return FTag; }
  void SetTag(Integer Value) { FTag = Value; }
  TExPanelStyle Style() const { return FStyle; }
  // Writes the preset's values into the settings in one update.
  void SetStyle(TExPanelStyle Value);
  bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
  void SetAutoThemeAdapt(bool Value) { FAutoThemeAdapt = Value; }
  TThemeNotifierWindow* NotifierWindow() const { return FNotifierWnd; }

  // Every panel of the owner that names this styler takes the settings.
  void ApplyToPanels();
  // Takes the preset of the desktop's colour scheme when AutoThemeAdapt.
  void StylerThemeAdapt();

 protected:
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  std::unique_ptr<TExPanelSettings> FSettings = std::make_unique<TExPanelSettings>();
  String FComments;
  Integer FTag = 0;
  TThemeNotifierWindow* FNotifierWnd = nullptr;
  TExPanelStyle FStyle = psXP;
  bool FAutoThemeAdapt = false;
};

}  // namespace jorv::panel
