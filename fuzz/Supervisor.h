#pragma once
// Runs each target in a worker process of its own, so that a crash or a
// hang costs one input and not the run: the worker's input is saved from
// the memory the two share, and a new worker goes on after it.
#include "fuzz/Engine.h"

namespace jorv::fuzz {

struct TTargetTotals {
  uint64_t Tried = 0;
  unsigned Failures = 0;
  unsigned SystemFaults = 0;  // crashes inside the system's own modules
};

TTargetTotals SuperviseTarget(const TFuzzTarget& Target, const TFuzzOptions& Options);

// The worker's side: opens the shared memory by name and fuzzes.
int RunWorker(const TFuzzTarget& Target, TFuzzOptions Options, const String& SharedName);

}  // namespace jorv::fuzz
