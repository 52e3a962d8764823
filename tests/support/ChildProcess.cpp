#include "tests/support/ChildProcess.h"
#include <map>
#include "platform/rtl/WinApi.h"

namespace jorv::test {

namespace {
std::map<String, TChildRoutine>& Routines() {
  static std::map<String, TChildRoutine> R;
  return R;
}
}  // namespace

bool RegisterChildRoutine(const String& Name, TChildRoutine Routine) {
  Routines()[Name] = std::move(Routine);
  return true;
}

int RunChildRoutine(const String& Name) {
  auto It = Routines().find(Name);
  return It == Routines().end() ? -1 : It->second();
}

int RunChild(const String& Name, unsigned TimeoutMs) {
  wchar_t Exe[MAX_PATH];
  if (!GetModuleFileNameW(nullptr, Exe, MAX_PATH)) return -1;
  String Cmd = L"\"" + String(Exe) + L"\" --child " + Name;
  STARTUPINFOW SI{};
  SI.cb = sizeof SI;
  // On our own desktop, where our windows are.
  wchar_t Desktop[64] = L"";
  if (GetUserObjectInformationW(GetThreadDesktop(GetCurrentThreadId()), UOI_NAME, Desktop, sizeof Desktop, nullptr))
    SI.lpDesktop = Desktop;
  PROCESS_INFORMATION PI{};
  if (!CreateProcessW(Exe, Cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &SI, &PI)) return -1;
  // Messages the child sends to our windows (the clipboard tells its old
  // owner that it was emptied) are answered while waiting, or it would
  // stall until their time-out.
  DWORD Code = DWORD(-1);
  DWORD Start = GetTickCount();
  bool Ended = false;
  for (;;) {
    DWORD Spent = GetTickCount() - Start;
    if (Spent >= TimeoutMs) break;
    DWORD R = MsgWaitForMultipleObjects(1, &PI.hProcess, FALSE, TimeoutMs - Spent, QS_SENDMESSAGE);
    if (R == WAIT_OBJECT_0) {
      Ended = true;
      break;
    }
    if (R != WAIT_OBJECT_0 + 1) break;
    MSG M;
    PeekMessageW(&M, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
  if (Ended)
    GetExitCodeProcess(PI.hProcess, &Code);
  else
    TerminateProcess(PI.hProcess, DWORD(-1));
  CloseHandle(PI.hThread);
  CloseHandle(PI.hProcess);
  return int(Code);
}

}  // namespace jorv::test
