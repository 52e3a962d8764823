// The fuzz program: jorvfuzz --list
//   jorvfuzz --fuzz [--target NAME]... [--seconds S] [--seed N] --corpus DIR [--failures DIR]
//            [--system-faults DIR]
//       every target (or those named) in worker processes, S seconds shared
//       among them; prints the inputs tried per target and every failure.
//       A crash inside a system module (a picture decoder or metafile
//       player of the system), and for those targets a hang inside one or
//       objects left behind, is kept apart in the second folder: it is not
//       ours to mend, and replaying it would only crash or stall the test.
//   jorvfuzz --replay DIR [--inputs N] --corpus DIR
//       in this one process: every saved input below DIR/<target>/, then N
//       generated inputs of each target; fails when any input fails.
#include <ole2.h>
#include <cstdio>
#include <cwchar>
#include "fuzz/Supervisor.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::fuzz {
namespace {

struct TCommand {
  String Mode;
  std::vector<std::string> Names;
  String Shared, Replay;
  TFuzzOptions Options;
  uint64_t ReplayInputs = 40;
};

bool ParseArguments(int Count, wchar_t** Arguments, TCommand& Command) {
  for (int K = 1; K < Count; ++K) {
    const String Argument = Arguments[K];
    const bool HasValue = K + 1 < Count;
    const String Value = HasValue ? Arguments[K + 1] : L"";
    if (Argument == L"--list" || Argument == L"--fuzz") {
      Command.Mode = Argument;
      continue;
    }
    if (!HasValue) return false;
    ++K;
    if (Argument == L"--worker") {
      Command.Mode = Argument;
      Command.Names.push_back(UTF8Encode(Value));
    } else if (Argument == L"--replay") {
      Command.Mode = Argument;
      Command.Replay = Value;
    } else if (Argument == L"--target") {
      Command.Names.push_back(UTF8Encode(Value));
    } else if (Argument == L"--shared") {
      Command.Shared = Value;
    } else if (Argument == L"--corpus") {
      Command.Options.CorpusRoot = Value;
    } else if (Argument == L"--failures") {
      Command.Options.FailureRoot = Value;
    } else if (Argument == L"--system-faults") {
      Command.Options.SystemFaultRoot = Value;
    } else if (Argument == L"--seed") {
      Command.Options.Seed = std::wcstoull(Value.c_str(), nullptr, 10);
    } else if (Argument == L"--first") {
      Command.Options.FirstIteration = std::wcstoull(Value.c_str(), nullptr, 10);
    } else if (Argument == L"--seconds") {
      Command.Options.Seconds = std::wcstod(Value.c_str(), nullptr);
    } else if (Argument == L"--inputs") {
      Command.ReplayInputs = std::wcstoull(Value.c_str(), nullptr, 10);
    } else {
      return false;
    }
  }
  return !Command.Mode.empty();
}

bool ChooseTargets(const std::vector<std::string>& Names, std::vector<const TFuzzTarget*>& Chosen) {
  if (Names.empty())
    for (const TFuzzTarget& Target : Targets()) Chosen.push_back(&Target);
  for (const std::string& Name : Names) {
    const TFuzzTarget* Target = FindTarget(Name);
    if (!Target) {
      std::printf("unknown target %s (see --list)\n", Name.c_str());
      return false;
    }
    Chosen.push_back(Target);
  }
  return true;
}

int Fuzz(const std::vector<const TFuzzTarget*>& Chosen, const TFuzzOptions& Options) {
  std::printf("heap checks: %s\n", HeapTailChecks() ? "guard bytes on every block" : "heap walk only");
  TFuzzOptions Each = Options;
  Each.Seconds = Options.Seconds / static_cast<double>(Chosen.size());
  unsigned Failures = 0, SystemFaults = 0;
  for (const TFuzzTarget* Target : Chosen) {
    const TTargetTotals Totals = SuperviseTarget(*Target, Each);
    std::printf("%-18s %10llu inputs, %u failures, %u faults inside system modules\n", Target->Name,
                static_cast<unsigned long long>(Totals.Tried), Totals.Failures, Totals.SystemFaults);
    std::fflush(stdout);
    Failures += Totals.Failures;
    SystemFaults += Totals.SystemFaults;
  }
  std::printf("%u failures; %u faults inside system modules\n", Failures, SystemFaults);
  return Failures ? 1 : 0;
}

int Replay(const std::vector<const TFuzzTarget*>& Chosen, const TCommand& Command) {
  StartWatchdog();
  unsigned Failures = 0, Saved = 0;
  for (const TFuzzTarget* Target : Chosen) {
    for (const String& Path : FilesIn(IncludeTrailingPathDelimiter(Command.Replay) + UTF8Decode(Target->Name))) {
      TInput Input;
      if (!ReadFileBytes(Path, Input)) continue;
      ++Saved;
      ArmWatchdog(Target, &Input, String());
      const std::string Why = RunInput(*Target, Input, !Target->SystemDecoders);
      DisarmWatchdog();
      if (Why.empty()) continue;
      ++Failures;
      std::printf("FAIL %s: %s (%s)\n", Target->Name, Why.c_str(), UTF8Encode(Path).c_str());
    }
    TFuzzOptions Short = Command.Options;
    Short.Seconds = 1e9;
    Short.MaxInputs = Command.ReplayInputs;
    // The system's decoders under Wine keep GDI objects of their own per
    // picture drawn; scripts/fuzz reports them, the test run does not.
    Short.SamplesOnly = Target->SystemDecoders;
    Short.CheckLeaks = !Target->SystemDecoders;
    Failures += FuzzTarget(*Target, Short).Failures;
  }
  std::printf("%u saved inputs replayed, %llu generated inputs for each of %zu targets, %u failures\n", Saved,
              static_cast<unsigned long long>(Command.ReplayInputs), Chosen.size(), Failures);
  return Failures ? 1 : 0;
}

}  // namespace
}  // namespace jorv::fuzz

int wmain(int argc, wchar_t** argv) {
  using namespace jorv::fuzz;
  // A crash must end the worker at once, without Wine's crash dialog.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
  TCommand Command;
  if (!ParseArguments(argc, argv, Command)) {
    std::printf("usage: jorvfuzz --list | --fuzz [--target NAME]... [--seconds S] [--seed N] --corpus DIR "
                "[--failures DIR] [--system-faults DIR] | --replay DIR [--inputs N] --corpus DIR\n");
    return 2;
  }
  if (Command.Mode == L"--list") {
    for (const TFuzzTarget& Target : Targets()) std::printf("%s\n", Target.Name);
    return 0;
  }
  std::vector<const TFuzzTarget*> Chosen;
  if (!ChooseTargets(Command.Names, Chosen)) return 2;
  OleInitialize(nullptr);
  InstallCrashReport();
  if (Command.Mode == L"--worker") return RunWorker(*Chosen.front(), Command.Options, Command.Shared);
  if (Command.Mode == L"--replay") return Replay(Chosen, Command);
  return Fuzz(Chosen, Command.Options);
}
