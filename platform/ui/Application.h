#pragma once
// The application object: its message loop (the only one; modal forms nest
// it), the forms it creates, the hint machinery and the last stop of every
// exception raised in an event handler.
#include <functional>
#include <memory>
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Form.h"

namespace jorv {

class THintWindow;
class TIcon;

// Makes a hint window of one class; nullptr stands for THintWindow.
using THintWindowClass = THintWindow* (*)(TComponent* AOwner);

struct THintInfo {
  TControl* HintControl = nullptr;
  // The class of the window this hint is shown in; the application's unless a control changes it.
  THintWindowClass HintWindowClass = nullptr;
  TPoint HintPos;          // screen point of the hint's top-left corner
  Integer HintMaxWidth = 0;
  TColor HintColor = clInfoBk;
  TRect CursorRect;        // client rectangle of HintControl the hint belongs to
  TPoint CursorPos;        // client point of HintControl
  Integer ReshowTimeout = 0;
  Integer HideTimeout = 0;
  String HintStr;
  void* HintData = nullptr;
};

using TExceptionEvent = std::function<void(TObject* Sender, Exception& E)>;
using TMessageEvent = std::function<void(MSG& Msg, bool& Handled)>;
using TIdleEvent = std::function<void(TObject* Sender, bool& Done)>;
using TShowHintEvent = std::function<void(String& HintStr, bool& CanShow, THintInfo& HintInfo)>;

class TApplication : public TComponent {
 public:
  explicit TApplication(TComponent* AOwner = nullptr);
  ~TApplication() override;

  void Initialize();
  const String& Title() const { return FTitle; }
  void SetTitle(const String& Value);
  // The hidden window that owns timers of the application and the hint.
  HWND Handle();
  // The program's icon: the module's "MAINICON" when it has one. Forms
  // without an icon of their own show it and follow its changes.
  TIcon* Icon() const { return FIcon.get(); }
  // Takes a copy; nullptr clears.
  void SetIcon(TIcon* Value);

  // Creates a form owned by the application; the first one becomes the
  // main form. Ref is set before the form's OnCreate runs.
  template <class T>
  void CreateForm(T*& Ref) {
    Ref = new T(this);
    if (auto* F = dynamic_cast<TCustomForm*>(static_cast<TComponent*>(Ref))) FormCreated(F);
  }
  TCustomForm* MainForm() const { return FMainForm; }
  bool ShowMainForm() const { return FShowMainForm; }
  void SetShowMainForm(bool Value) { FShowMainForm = Value; }

  // Shows the main form and handles messages until Terminate.
  void Run();
  // Handles every queued message, then returns.
  void ProcessMessages();
  // Handles one message, or idles (and waits) when there is none.
  void HandleMessage();
  void Terminate();
  bool Terminated() const { return FTerminate; }

  // The long hint of the control under the mouse.
  const String& Hint() const { return FHint; }
  void SetHint(const String& Value);
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool Value);
  Integer HintPause() const { return FHintPause; }
  void SetHintPause(Integer Value) { FHintPause = Value; }
  Integer HintShortPause() const { return FHintShortPause; }
  void SetHintShortPause(Integer Value) { FHintShortPause = Value; }
  Integer HintHidePause() const { return FHintHidePause; }
  void SetHintHidePause(Integer Value) { FHintHidePause = Value; }
  TColor HintColor() const { return FHintColor; }
  void SetHintColor(TColor Value);
  void CancelHint();
  // Shows the hint of the hint control at a screen point now.
  void ActivateHint(const TPoint& CursorPos);
  void HideHint();
  THintWindow* HintWindow() const { return FHintWindow; }
  bool HintActive() const { return FHintActive; }
  // The class of every hint's window unless the hint asks for another.
  THintWindowClass HintWindowClass = nullptr;

  // To be called inside a catch block: hands the exception to OnException
  // or shows it. EAbort stays silent.
  void HandleException(TObject* Sender);
  void ShowException(const Exception& E);
  Integer MessageBox(const String& Text, const String& Caption = String(), UINT Flags = MB_OK);

  TNotifyEvent OnHint;
  TExceptionEvent OnException;
  TMessageEvent OnMessage;
  TIdleEvent OnIdle;
  TShowHintEvent OnShowHint;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;

  // Framework internals: called by controls and forms.
  void HintMouseMessage(TControl* Control, TMessage& Message);
  void HintMouseLeave(TWinControl* Control);
  void ControlDestroying(TControl* Control);
  void FormDestroying(TCustomForm* Form);
  void FormCreated(TCustomForm* Form);

 private:
  bool ProcessMessage(MSG& Msg);
  void Idle(const MSG& Msg);
  bool IsKeyMsg(MSG& Msg);
  bool IsHintMsg(const MSG& Msg);
  void StartHintTimer(Integer Value, bool Show);
  void StopHintTimer();
  void HintTimerExpired();
  void CheckHintControl();
  // The application window's messages; during its creation FHandle is
  // not set yet, so the window comes with them.
  void WndProc(HWND Window, TMessage& Message);

  void IconChanged();

  HWND FHandle = nullptr;
  std::unique_ptr<TIcon> FIcon;
  String FTitle;
  TCustomForm* FMainForm = nullptr;
  bool FShowMainForm = true;
  bool FTerminate = false;
  String FHint;
  bool FShowHint = true;
  Integer FHintPause = 500;
  Integer FHintShortPause = 50;
  Integer FHintHidePause = 2500;
  TColor FHintColor = clInfoBk;
  TControl* FHintControl = nullptr;
  TRect FHintCursorRect;
  bool FHintActive = false;
  bool FHintTimerShows = true;
  THintWindow* FHintWindow = nullptr;
  // The class FHintWindow was made of.
  THintWindowClass FHintWindowClass = nullptr;
};

extern TApplication* Application;

}  // namespace jorv
