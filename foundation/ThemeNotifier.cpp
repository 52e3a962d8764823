#include "foundation/ThemeNotifier.h"

#include <memory>
#include "foundation/ZVQStyle.h"
#include "platform/rtl/Registry.h"
#include "platform/ui/Application.h"
#include "platform/ui/Form.h"

namespace jorv::foundation {

namespace {

// Guards every watcher's handle list and the notifier's reference to its
// watcher. The watcher copies the list under it and sends outside it: a
// window's handler may register or unregister while the watcher waits.
TCriticalSection& MonitorLock() {
  static TCriticalSection Lock;
  return Lock;
}

TThemeNotifier* GThemeNotifier = nullptr;

}  // namespace

void THandleList::DeleteValue(HWND Value) {
  Integer Index = IndexOf(Value);
  if (Index >= 0) Delete(Index);
}

TRegMonitorThread::TRegMonitorThread()
    : FReg(new TRegistry(KEY_READ)),
      // Private to this process and this thread: another program's or
      // another watcher's stop must not wake or silence this one. Made here
      // so that Stop wakes the thread however early it comes.
      FEvent(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      FWinList(new THandleList) {
  if (!FEvent) {
    delete FWinList;
    delete FReg;
    throw EThread(L"Cannot create the watcher's event");
  }
}

TRegMonitorThread::~TRegMonitorThread() {
  {
    TLockGuard Guard(MonitorLock());
    if (FOwnerRef && *FOwnerRef == this) *FOwnerRef = nullptr;
    FOwnerRef = nullptr;
  }
  // A thread freed by someone else while it runs must end first.
  if (FStarted && !Finished() && GetCurrentThreadId() != ThreadID()) {
    Stop();
    WaitFor();
  }
  delete FWinList;
  delete FReg;
  CloseHandle(FEvent);
}

DWORD TRegMonitorThread::Filter() {
  if (FFilter == 0)
    FFilter = REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_ATTRIBUTES |
              REG_NOTIFY_CHANGE_LAST_SET | REG_NOTIFY_CHANGE_SECURITY;
  return FFilter;
}

void TRegMonitorThread::Stop() {
  Terminate();
  SetEvent(FEvent);
}

void TRegMonitorThread::Arm() {
  RegNotifyChangeKeyValue(FReg->CurrentKey(), TRUE, Filter(), FEvent, TRUE);
}

void TRegMonitorThread::Execute() {
  FReg->SetRootKey(FRootKey);
  if (!FReg->OpenKeyReadOnly(FKey)) throw Exception(L"Unable to open registry key " + FKey);
  Arm();
  std::vector<HWND> Targets;
  while (!Terminated()) {
    if (WaitForSingleObject(FEvent, INFINITE) != WAIT_OBJECT_0) continue;
    if (Terminated()) break;
    {
      TLockGuard Guard(MonitorLock());
      Targets.clear();
      for (Integer I = 0; I < FWinList->Count(); ++I) Targets.push_back(FWinList->GetInteger(I));
    }
    const WPARAM Root = reinterpret_cast<WPARAM>(FRootKey);
    const LPARAM Path = reinterpret_cast<LPARAM>(FKey.c_str());
    if (FWnd) SendMessageW(FWnd, WM_OFFICETHEMECHANGED, Root, Path);
    for (HWND Target : Targets) SendMessageW(Target, WM_OFFICETHEMECHANGED, Root, Path);
    ResetEvent(FEvent);
    Arm();
  }
}

void TThemeNotifierWindow::WndProc(TMessage& Message) {
  if (Message.Msg == WM_OFFICETHEMECHANGED && OnOfficeThemeChange) OnOfficeThemeChange(this);
  TWinControl::WndProc(Message);
}

TThemeNotifier::TThemeNotifier(TComponent* AOwner) : TComponent(AOwner) {
  if (ComponentState().Contains(csDesigning)) return;
  const Integer Version = OfficeVersionInstalled();
  if (Version != 1 && Version != 2) return;

  FNotifier = new TThemeNotifierWindow(this);
  FNotifier->SetVisible(false);
  if (auto* Parent = dynamic_cast<TWinControl*>(Owner()))
    FNotifier->SetParent(Parent);
  else
    FNotifier->SetParentWindow(HWND_MESSAGE);
  FNotifier->OnOfficeThemeChange = [this](TObject* Sender) { ThemeChanged(Sender); };

  // Freed here if it cannot be bound to the window; once bound, it frees
  // itself when it ends.
  auto Owned = std::make_unique<TRegMonitorThread>();
  Owned->SetFreeOnTerminate(true);
  Owned->SetWnd(FNotifier->Handle());
  TRegMonitorThread* Thread = Owned.release();
  Thread->SetFilter(REG_NOTIFY_CHANGE_LAST_SET);
  Thread->SetKey(Version == 2 ? L"Software\\Microsoft\\Office\\14.0\\Common"
                              : L"Software\\Microsoft\\Office\\12.0\\Common");
  Thread->SetRootKey(HKEY_CURRENT_USER);
  Thread->FOwnerRef = &FRegMonitorThread;
  FRegMonitorThread = Thread;
  Thread->Start();
}

TThemeNotifier::~TThemeNotifier() {
  {
    TLockGuard Guard(MonitorLock());
    if (FRegMonitorThread) {
      // The thread frees itself once it wakes; it must not reach back here.
      FRegMonitorThread->FOwnerRef = nullptr;
      FRegMonitorThread->Stop();
      FRegMonitorThread = nullptr;
    }
  }
  if (GThemeNotifier == this) GThemeNotifier = nullptr;
}

TRegMonitorThread* TThemeNotifier::RegMonitorThread() const {
  TLockGuard Guard(MonitorLock());
  return FRegMonitorThread;
}

void TThemeNotifier::RegisterWindow(HWND Hwnd) {
  TLockGuard Guard(MonitorLock());
  if (FRegMonitorThread && !FRegMonitorThread->WinList()->HasValue(Hwnd))
    FRegMonitorThread->WinList()->Add(Hwnd);
}

void TThemeNotifier::UnRegisterWindow(HWND Hwnd) {
  TLockGuard Guard(MonitorLock());
  if (FRegMonitorThread) FRegMonitorThread->WinList()->DeleteValue(Hwnd);
}

void TThemeNotifier::ThemeChanged(TObject*) {
  if (OnOfficeThemeChange) OnOfficeThemeChange(this);
}

TThemeNotifier* GetThemeNotifier(TComponent* AOwner) {
  if (GThemeNotifier) return GThemeNotifier;
  TComponent* Owner = AOwner;
  if (Application && Application->MainForm() && Application->MainForm()->HandleAllocated())
    Owner = Application->MainForm();
  GThemeNotifier = new TThemeNotifier(Owner);
  return GThemeNotifier;
}

}  // namespace jorv::foundation
