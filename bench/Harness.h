#pragma once
// A small benchmark harness: each figure is the median of repeated runs,
// repeated until enough runs and enough time have passed for the median to
// settle, and every case prints one line of the table: what was measured,
// our figure, the reference measured in the same run, their ratio and the
// goal.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace jorv::bench {

struct TRepeat {
  int MinRuns = 5;
  int MaxRuns = 1000;
  double MinSeconds = 1.0;
  // Time the thread spent running rather than the time that passed: on a
  // busy machine it is the steadier figure of a long run (its resolution
  // is the scheduler's tick, so short runs keep the clock).
  bool ThreadTime = false;
};

// Seconds since an arbitrary start, from the performance counter.
double Seconds();
// Seconds this thread has run, in user and kernel mode.
double ThreadSeconds();

// Median nanoseconds of one call of Body. Prepare runs before each call
// and is not timed (a list to sort afresh, a cleared grid).
double MedianNs(const std::function<void()>& Body, TRepeat Repeat = {},
                const std::function<void()>& Prepare = nullptr);

// The median of figures measured by a case's own loop.
double Median(std::vector<double> Figures);

// Bytes the program asked of the heap and has not given back, counted by
// the bench's own operator new and delete.
int64_t LiveHeapBytes();
int64_t LiveHeapBlocks();
// Every allocation so far, freed or not.
int64_t HeapAllocations();

enum TVerdict { vdInforms, vdMet, vdMissed };

// One line of the table; Ratio is always ours over the reference, the goal
// may be a ratio or a figure of our own.
struct TLine {
  std::string Case;
  std::string Ours;
  std::string Reference;
  double Ratio = 0;
  std::string Goal;
  TVerdict Verdict = vdInforms;
};

// vdMet when Value is at most Limit.
TVerdict AtMost(double Value, double Limit);

class TTable {
 public:
  void Add(TLine Line);
  // Lines are also printed as they come, so a slow run shows progress.
  void PrintSummary() const;
  int Missed() const;

 private:
  std::vector<TLine> FLines;
};

// Formats a duration given in nanoseconds with a unit that fits it.
std::string Duration(double Ns);
std::string Format(const char* Pattern, ...);

}  // namespace jorv::bench
