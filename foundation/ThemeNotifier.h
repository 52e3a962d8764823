#pragma once
// The process's theme notifier: windows register with it to hear, through
// message WM_OFFICETHEMECHANGED, that the user changed the Office colour
// scheme. A watcher thread waits on the Office "Common" registry key; it
// exists only where Office 2007 or 2010 is installed and never at design
// time.
#include "platform/rtl/List.h"
#include "platform/rtl/Thread.h"
#include "platform/ui/WinControl.h"

namespace jorv {
class TRegistry;
}
namespace jorv::foundation {


// Sent (never posted) by the watcher: wParam the watched root key, lParam
// the watched key path as a zero-terminated UTF-16 string, valid only
// during the call.
constexpr UINT WM_OFFICETHEMECHANGED = 2993;

class THandleList : public TList {
 public:
  Integer Add(HWND Value) { return TList::Add(Value); }
  void Insert(Integer Index, HWND Value) { TList::Insert(Index, Value); }
  using TList::Delete;
  // Removes the first entry equal to Value; nothing when it is absent.
  void DeleteValue(HWND Value);
  bool HasValue(HWND Value) const { return IndexOf(Value) >= 0; }
  HWND GetInteger(Integer Index) const { return static_cast<HWND>(Get(Index)); }
  void SetInteger(Integer Index, HWND Value) { Put(Index, Value); }
  HWND Items(Integer Index) const { return GetInteger(Index); }
};

class TRegMonitorThread : public TThread {
 public:
  TRegMonitorThread();
  ~TRegMonitorThread() override;

  const String& Key() const { return FKey; }
  void SetKey(const String& Value) { FKey = Value; }
  HKEY RootKey() const { return FRootKey; }
  void SetRootKey(HKEY Value) { FRootKey = Value; }
  // The subtree is watched whatever this says.
  bool WatchSub() const { return FWatchSub; }
  void SetWatchSub(bool Value) { FWatchSub = Value; }
  // 0 reads as every kind of change (name, attributes, last set, security).
  DWORD Filter();
  void SetFilter(DWORD Value) { FFilter = Value; }
  HWND Wnd() const { return FWnd; }
  void SetWnd(HWND Value) { FWnd = Value; }
  // Only the user-interface thread changes it, under a lock that the
  // watcher takes to read it.
  THandleList* WinList() const { return FWinList; }

  void Start() {
    FStarted = true;
    TThread::Start();
  }
  // Asks the thread to end and wakes it.
  void Stop();

 protected:
  void Execute() override;

 private:
  friend class TThemeNotifier;
  void Arm();

  TRegistry* FReg = nullptr;
  HANDLE FEvent = nullptr;
  String FKey;
  HKEY FRootKey = HKEY_CURRENT_USER;
  bool FWatchSub = true;
  DWORD FFilter = 0;
  HWND FWnd = nullptr;
  THandleList* FWinList = nullptr;
  // The notifier's reference to this thread, cleared when the thread ends
  // so that the notifier never reaches a thread that freed itself.
  TRegMonitorThread** FOwnerRef = nullptr;
  bool FStarted = false;
};

class TThemeNotifierWindow : public TWinControl {
 public:
  explicit TThemeNotifierWindow(TComponent* AOwner) : TWinControl(AOwner) {}
  void WndProc(TMessage& Message) override;

  TNotifyEvent OnOfficeThemeChange;
};

class TThemeNotifier : public TComponent {
 public:
  explicit TThemeNotifier(TComponent* AOwner);
  ~TThemeNotifier() override;

  // Adds the handle once; nothing without a watcher thread.
  void RegisterWindow(HWND Hwnd);
  void UnRegisterWindow(HWND Hwnd);

  // The watcher, or nullptr (none started, or it ended by itself).
  TRegMonitorThread* RegMonitorThread() const;
  TThemeNotifierWindow* NotifierWindow() const { return FNotifier; }

  TNotifyEvent OnOfficeThemeChange;

 private:
  void ThemeChanged(TObject* Sender);

  TRegMonitorThread* FRegMonitorThread = nullptr;
  TThemeNotifierWindow* FNotifier = nullptr;
};

// The process's notifier, made on the first call. Its owner is the
// application's main form once that has a window, else AOwner; the hidden
// window is parented to the owner when it is a windowed control, else it is
// a message-only window.
TThemeNotifier* GetThemeNotifier(TComponent* AOwner);

}  // namespace jorv::foundation
