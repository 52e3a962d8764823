#pragma once
// The screen as the application sees it: size, monitors and their work
// areas, cursors, the forms and which of them is active.
#include <map>
#include <memory>
#include <vector>
#include "platform/gfx/Font.h"
#include "platform/ui/Control.h"

namespace jorv {

class TCustomForm;
class TWinControl;

enum TMonitorDefaultTo : uint8_t { mdNearest, mdNull, mdPrimary };

class TMonitor : public TObject {
 public:
  explicit TMonitor(HMONITOR H, Integer Num) : FHandle(H), FMonitorNum(Num) {}
  HMONITOR Handle() const { return FHandle; }
  Integer MonitorNum() const { return FMonitorNum; }
  TRect BoundsRect() const;
  TRect WorkareaRect() const;
  Integer Left() const { return BoundsRect().Left; }
  Integer Top() const { return BoundsRect().Top; }
  Integer Width() const { return BoundsRect().Width(); }
  Integer Height() const { return BoundsRect().Height(); }
  bool Primary() const;

 private:
  HMONITOR FHandle;
  Integer FMonitorNum;
};

class TScreen : public TComponent {
 public:
  explicit TScreen(TComponent* AOwner = nullptr);
  ~TScreen() override;

  Integer Width() const { return GetSystemMetrics(SM_CXSCREEN); }
  Integer Height() const { return GetSystemMetrics(SM_CYSCREEN); }
  Integer DesktopWidth() const { return GetSystemMetrics(SM_CXVIRTUALSCREEN); }
  Integer DesktopHeight() const { return GetSystemMetrics(SM_CYVIRTUALSCREEN); }
  // The primary monitor's work area.
  TRect WorkAreaRect() const;
  Integer PixelsPerInch() const;

  Integer MonitorCount();
  TMonitor* Monitors(Integer Index);
  TMonitor* MonitorFromPoint(const TPoint& Point, TMonitorDefaultTo Default = mdNearest);
  TMonitor* MonitorFromWindow(HWND Handle, TMonitorDefaultTo Default = mdNearest);
  TMonitor* MonitorFromRect(const TRect& Rect, TMonitorDefaultTo Default = mdNearest);

  // An application-wide cursor; crDefault lets each control show its own.
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor Value);
  HCURSOR Cursors(TCursor Index);
  // Registers a custom cursor under a positive index (the screen destroys
  // it at the end).
  void SetCursors(TCursor Index, HCURSOR Handle);

  Integer FormCount() const { return static_cast<Integer>(FForms.size()); }
  TCustomForm* Forms(Integer Index) const { return FForms.at(Index); }
  TCustomForm* ActiveForm() const { return FActiveForm; }
  TWinControl* ActiveControl() const { return FActiveControl; }
  // The system's status font, made on first use.
  TFont* HintFont();

  TNotifyEvent OnActiveControlChange;
  TNotifyEvent OnActiveFormChange;

  // Framework internals.
  void AddForm(TCustomForm* Form);
  void RemoveForm(TCustomForm* Form);
  void SetActiveForm(TCustomForm* Form);
  void SetActiveControl(TWinControl* Control);

 private:
  TMonitor* MonitorOf(HMONITOR H);

  TCursor FCursor = crDefault;
  std::map<TCursor, HCURSOR> FCursors;
  std::vector<TCustomForm*> FForms;
  TCustomForm* FActiveForm = nullptr;
  TWinControl* FActiveControl = nullptr;
  std::vector<std::unique_ptr<TMonitor>> FMonitors;
  std::unique_ptr<TFont> FHintFont;
};

extern TScreen* Screen;

}  // namespace jorv
