#include "fuzz/Supervisor.h"
#include <algorithm>
#include <cstdio>
#include "platform/rtl/SysUtils.h"

namespace jorv::fuzz {

namespace {

// A mapping of the shared state, released with the object.
class TSharedMapping {
 public:
  TSharedMapping(const String& Name, bool Create) {
    FMapping = Create ? CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                           sizeof(TSharedState), Name.c_str())
                      : OpenFileMappingW(FILE_MAP_ALL_ACCESS, FALSE, Name.c_str());
    if (FMapping) FState = static_cast<TSharedState*>(MapViewOfFile(FMapping, FILE_MAP_ALL_ACCESS, 0, 0, 0));
  }
  ~TSharedMapping() {
    if (FState) UnmapViewOfFile(FState);
    if (FMapping) CloseHandle(FMapping);
  }
  TSharedMapping(const TSharedMapping&) = delete;
  TSharedMapping& operator=(const TSharedMapping&) = delete;
  TSharedState* State() const { return FState; }

 private:
  HANDLE FMapping = nullptr;
  TSharedState* FState = nullptr;
};

TInput CurrentInput(const TSharedState& State) {
  const LONG Size = State.Size;
  return TInput(const_cast<const char*>(State.Data),
                std::min(static_cast<size_t>(std::max<LONG>(Size, 0)), TMutator::MaxInput));
}

// A crash inside a module of the system (its picture decoders, under Wine
// Wine's own), reached through a documented call with a whole buffer.
bool IsSystemFault(const TSharedState& State) {
  const String Blamed(const_cast<const wchar_t*>(State.Blamed));
  return !Blamed.empty() && !SameText(Blamed, ExtractFileName(ParamStr(0)));
}

String Quoted(const String& Text) { return L"\"" + Text + L"\""; }

String WorkerCommand(const TFuzzTarget& Target, const TFuzzOptions& Options, const String& SharedName,
                     double Seconds) {
  wchar_t Numbers[160];
  std::swprintf(Numbers, 160, L" --seed %llu --first %llu --seconds %.1f",
                static_cast<unsigned long long>(Options.Seed),
                static_cast<unsigned long long>(Options.FirstIteration), Seconds);
  return Quoted(ParamStr(0)) + L" --worker " + UTF8Decode(Target.Name) + L" --shared " + SharedName +
         L" --corpus " + Quoted(Options.CorpusRoot) + L" --failures " + Quoted(Options.FailureRoot) +
         (Options.SystemFaultRoot.empty() ? String() : L" --system-faults " + Quoted(Options.SystemFaultRoot)) + Numbers;
}

// Starts one worker and waits for it; its exit code, or STILL_ACTIVE when
// it had to be stopped.
DWORD RunWorkerProcess(String Command, DWORD TimeoutMs) {
  STARTUPINFOW Startup{};
  Startup.cb = sizeof Startup;
  PROCESS_INFORMATION Process{};
  if (!CreateProcessW(nullptr, Command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &Startup, &Process))
    return ExitSetup;
  DWORD Code = STILL_ACTIVE;
  if (WaitForSingleObject(Process.hProcess, TimeoutMs) == WAIT_OBJECT_0)
    GetExitCodeProcess(Process.hProcess, &Code);
  else
    TerminateProcess(Process.hProcess, STILL_ACTIVE);
  CloseHandle(Process.hThread);
  CloseHandle(Process.hProcess);
  return Code;
}

}  // namespace

TTargetTotals SuperviseTarget(const TFuzzTarget& Target, const TFuzzOptions& Options) {
  TTargetTotals Totals;
  wchar_t Name[64];
  std::swprintf(Name, 64, L"jorvfuzz-%lu-%hs", GetCurrentProcessId(), Target.Name);
  const ULONGLONG Deadline = GetTickCount64() + static_cast<ULONGLONG>(Options.Seconds * 1000);
  TFuzzOptions Next = Options;
  for (;;) {
    const double Left = static_cast<double>(static_cast<LONGLONG>(Deadline - GetTickCount64())) / 1000;
    if (Left <= 0 && Totals.Tried > 0) break;
    TSharedMapping Shared(Name, true);
    if (!Shared.State()) {
      std::printf("FAIL %s: no shared memory for the worker\n", Target.Name);
      ++Totals.Failures;
      break;
    }
    Shared.State()->Iteration = static_cast<LONG64>(Next.FirstIteration);
    const DWORD Limit = static_cast<DWORD>(std::max(Left, 0.1) * 1000) + Target.TimeLimitMs + 60000;
    const DWORD Code = RunWorkerProcess(WorkerCommand(Target, Next, Name, std::max(Left, 0.1)), Limit);
    TSharedState& State = *Shared.State();
    Totals.Tried += static_cast<uint64_t>(State.Tried);
    Totals.Failures += static_cast<unsigned>(State.Failures);
    Totals.SystemFaults += static_cast<unsigned>(State.SystemFaults);
    if (Code == 0) break;
    if (Code == ExitSetup) {
      std::printf("FAIL %s: the worker could not start\n", Target.Name);
      ++Totals.Failures;
      break;
    }
    ++Totals.Tried;
    ++Totals.Failures;
    if (Code == ExitSystemHang) {
      // The worker saved and reported it: not ours to mend either.
      --Totals.Failures;
      ++Totals.SystemFaults;
    } else if (Code != ExitHang && IsSystemFault(State)) {
      // Not ours to mend: kept apart, out of the replay, and counted apart.
      --Totals.Failures;
      ++Totals.SystemFaults;
      const TInput Input = CurrentInput(State);
      const String Saved = Options.SystemFaultRoot.empty() ? String() : SaveFailure(Options.SystemFaultRoot, Target, Input, "crash");
      std::printf("SYSTEM %s: crash inside %ls, exit code 0x%08lX%s%s\n", Target.Name,
                  const_cast<const wchar_t*>(State.Blamed), Code, Saved.empty() ? "" : " -> ", UTF8Encode(Saved).c_str());
      std::fflush(stdout);
    } else if (Code != ExitHang) {
      // The worker died in the middle of an input: it is in the shared memory.
      const TInput Input = CurrentInput(State);
      const String Saved = Options.FailureRoot.empty() ? String() : SaveFailure(Options.FailureRoot, Target, Input, "crash");
      std::printf("FAIL %s: crash, exit code 0x%08lX%s%s\n", Target.Name, Code, Saved.empty() ? "" : " -> ",
                  UTF8Encode(Saved).c_str());
      std::fflush(stdout);
    }
    Next.FirstIteration = static_cast<uint64_t>(State.Iteration) + 1;
  }
  return Totals;
}

int RunWorker(const TFuzzTarget& Target, TFuzzOptions Options, const String& SharedName) {
  TSharedMapping Shared(SharedName, false);
  if (!Shared.State()) return ExitSetup;
  Options.Shared = Shared.State();
  InstallCrashReport(Options.Shared);
  StartWatchdog();
  FuzzTarget(Target, Options);
  return 0;
}

}  // namespace jorv::fuzz
