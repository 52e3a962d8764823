#pragma once
// Running a target over many inputs and judging each: a crash or a hang
// ends the process (the supervisor notices), every other failure is caught
// here: an exception the reader does not document, a damaged heap, or GDI
// or USER objects that each run of an input leaves behind.
#include <windows.h>
#include "fuzz/Fuzz.h"
#include "fuzz/Mutator.h"

namespace jorv::fuzz {

// What a worker shares with its supervisor: the input it runs now, so that
// a crash can be saved, and how far it got.
struct TSharedState {
  volatile LONG64 Iteration = 0;
  volatile LONG64 Tried = 0;
  volatile LONG Failures = 0;
  volatile LONG SystemFaults = 0;  // leaks and hangs inside the system's own decoders
  volatile LONG Size = 0;
  // The module a crash is blamed on, written by the dying worker.
  volatile wchar_t Blamed[64] = {};
  char Data[TMutator::MaxInput];
};

// Exit codes a worker ends with besides 0.
constexpr UINT ExitHang = 97;
constexpr UINT ExitSetup = 98;
constexpr UINT ExitSystemHang = 99;  // hung inside a system module, reported already

struct TFuzzOptions {
  String CorpusRoot;
  String FailureRoot;  // empty: failures are reported, not saved
  String SystemFaultRoot;  // where crashes, hangs and leaks inside system modules are kept
  uint64_t Seed = 1;
  uint64_t FirstIteration = 0;
  double Seconds = 10;
  uint64_t MaxInputs = UINT64_MAX;
  bool SamplesOnly = false;
  bool CheckLeaks = true;
  TSharedState* Shared = nullptr;
};

struct TRunReport {
  uint64_t Tried = 0;
  unsigned Failures = 0;
  unsigned SystemFaults = 0;
};

// Loads the samples of the target's corpus folder and those made in code.
std::vector<TInput> LoadCorpus(const TFuzzTarget& Target, const String& CorpusRoot);

// Generated inputs until the time or the count runs out.
TRunReport FuzzTarget(const TFuzzTarget& Target, const TFuzzOptions& Options);

// One input; empty when it ended well, else what went wrong. Without
// CheckLeaks the GDI and USER objects are not counted.
std::string RunInput(const TFuzzTarget& Target, const TInput& Input, bool CheckLeaks = true);

// Writes a failing input below Root/<target>/ under a name made from its
// content; returns the file's path.
String SaveFailure(const String& Root, const TFuzzTarget& Target, const TInput& Input,
                   const char* Kind);
bool ReadFileBytes(const String& Path, TInput& Data);
std::vector<String> FilesIn(const String& Folder);

// Prints where an unhandled exception happened, frame by frame, before the
// process ends, and tells the supervisor (when there is one) which module
// the fault lies in.
void InstallCrashReport(TSharedState* Shared = nullptr);

// Watches the input that runs now from a thread of its own and ends the
// process with ExitHang when it takes longer than its limit, after saving
// it where the run saves failures. A target of the system's decoders that
// hangs inside a system module ends with ExitSystemHang instead, its input
// saved below SystemFaultRoot.
void StartWatchdog();
void ArmWatchdog(const TFuzzTarget* Target, const TInput* Input, const String& FailureRoot,
                 const String& SystemFaultRoot = String());
void DisarmWatchdog();

// Whether the C runtime's heap blocks carry guard bytes (a per-program
// global flag that scripts/fuzz sets).
bool HeapTailChecks();
// Every heap of the process walked and checked.
bool HeapsIntact();
// GDI objects of the process, and the windows of its threads.
Integer GdiObjectCount();
Integer UserWindowCount();

}  // namespace jorv::fuzz
