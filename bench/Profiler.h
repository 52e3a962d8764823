#pragma once
// A sampling profiler for the benchmark (jorvbench --profile): a thread of
// its own suspends the measured thread about a thousand times a second,
// reads where it runs and, on x86_64, walks its stack through the modules'
// unwind tables. The report names functions by the program's own symbol
// table and, in the system's modules, by the nearest export before the
// address. Tools that sample from outside the process see none of these
// names, so the benchmark measures itself.
#include <string>
#include "platform/rtl/WinApi.h"

namespace jorv::bench {

void EnableProfiling();
bool ProfilingEnabled();

// Samples the thread that makes it while it is not paused; on destruction
// prints what it saw to stderr under Title. Does nothing unless profiling
// is enabled.
class TProfile {
 public:
  explicit TProfile(std::string Title);
  ~TProfile();
  TProfile(const TProfile&) = delete;
  TProfile& operator=(const TProfile&) = delete;
  // Time between Pause and Resume (preparing the next run) is not sampled.
  void Pause();
  void Resume();

 private:
  struct TState;
  TState* FState = nullptr;
};

// Samples the main thread of a process the benchmark started (Program is
// its file) until Finish, which prints what it saw; call Finish while the
// process still runs. Does nothing unless profiling is enabled.
class TProcessProfile {
 public:
  TProcessProfile(HANDLE Process, HANDLE Thread, std::wstring Program, std::string Title);
  ~TProcessProfile();
  TProcessProfile(const TProcessProfile&) = delete;
  TProcessProfile& operator=(const TProcessProfile&) = delete;
  void Finish();

 private:
  struct TState;
  TState* FState = nullptr;
};

}  // namespace jorv::bench
