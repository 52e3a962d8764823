#include "bench/Harness.h"

#include <algorithm>
#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <new>
#include "bench/Profiler.h"
#include "platform/rtl/WinApi.h"

namespace {

std::atomic<int64_t> GLiveBytes{0};
std::atomic<int64_t> GLiveBlocks{0};
std::atomic<int64_t> GAllocations{0};

// The size rides in front of each block so that delete knows what it gives
// back; 16 bytes keep the caller's block aligned as malloc's is.
constexpr size_t KHeader = 16;

void* CountedNew(size_t Size) {
  void* block = std::malloc(Size + KHeader);
  if (!block) throw std::bad_alloc();
  *static_cast<size_t*>(block) = Size;
  GLiveBytes += int64_t(Size);
  ++GLiveBlocks;
  ++GAllocations;
  return static_cast<char*>(block) + KHeader;
}

void CountedDelete(void* Pointer) {
  if (!Pointer) return;
  void* block = static_cast<char*>(Pointer) - KHeader;
  GLiveBytes -= int64_t(*static_cast<size_t*>(block));
  --GLiveBlocks;
  std::free(block);
}

}  // namespace

void* operator new(size_t Size) { return CountedNew(Size); }
void* operator new[](size_t Size) { return CountedNew(Size); }
void operator delete(void* Pointer) noexcept { CountedDelete(Pointer); }
void operator delete[](void* Pointer) noexcept { CountedDelete(Pointer); }
void operator delete(void* Pointer, size_t) noexcept { CountedDelete(Pointer); }
void operator delete[](void* Pointer, size_t) noexcept { CountedDelete(Pointer); }

namespace jorv::bench {

double Seconds() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return double(f.QuadPart);
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return double(now.QuadPart) / frequency;
}

double ThreadSeconds() {
  FILETIME created, exited, kernel, user;
  GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
  auto seconds = [](const FILETIME& Time) {
    return double((uint64_t(Time.dwHighDateTime) << 32) | Time.dwLowDateTime) / 1e7;
  };
  return seconds(kernel) + seconds(user);
}

double MedianNs(const std::function<void()>& Body, TRepeat Repeat,
                const std::function<void()>& Prepare) {
  std::vector<double> runs;
  double spent = 0;
  const auto clock = Repeat.ThreadTime ? ThreadSeconds : Seconds;
  static int measurement = 0;
  TProfile profile(Format("measurement %d", ++measurement));
  while (int(runs.size()) < Repeat.MaxRuns &&
         (int(runs.size()) < Repeat.MinRuns || spent < Repeat.MinSeconds)) {
    if (Prepare) {
      profile.Pause();
      Prepare();
      profile.Resume();
    }
    const double start = clock();
    Body();
    const double took = clock() - start;
    runs.push_back(took * 1e9);
    spent += took;
  }
  return Median(std::move(runs));
}

double Median(std::vector<double> Figures) {
  if (Figures.empty()) return 0;
  std::sort(Figures.begin(), Figures.end());
  const size_t n = Figures.size();
  return n % 2 ? Figures[n / 2] : (Figures[n / 2 - 1] + Figures[n / 2]) / 2;
}

int64_t LiveHeapBytes() { return GLiveBytes; }
int64_t LiveHeapBlocks() { return GLiveBlocks; }
int64_t HeapAllocations() { return GAllocations; }

TVerdict AtMost(double Value, double Limit) { return Value <= Limit ? vdMet : vdMissed; }

std::string Format(const char* Pattern, ...) {
  char buffer[512];
  va_list args;
  va_start(args, Pattern);
  std::vsnprintf(buffer, sizeof buffer, Pattern, args);
  va_end(args);
  return buffer;
}

std::string Duration(double Ns) {
  if (Ns < 1e3) return Format("%.0f ns", Ns);
  if (Ns < 1e6) return Format("%.1f us", Ns / 1e3);
  if (Ns < 1e9) return Format("%.1f ms", Ns / 1e6);
  return Format("%.2f s", Ns / 1e9);
}

namespace {

const char* VerdictText(TVerdict Verdict) {
  return Verdict == vdMet ? "met" : Verdict == vdMissed ? "MISSED" : "";
}

void PrintLine(const TLine& Line) {
  std::printf("%-58s %14s %14s %8.2f  %-14s %s\n", Line.Case.c_str(), Line.Ours.c_str(),
              Line.Reference.c_str(), Line.Ratio, Line.Goal.c_str(), VerdictText(Line.Verdict));
  std::fflush(stdout);
}

}  // namespace

void TTable::Add(TLine Line) {
  PrintLine(Line);
  FLines.push_back(std::move(Line));
}

void TTable::PrintSummary() const {
  std::printf("\n%-58s %14s %14s %8s  %-14s %s\n", "case", "ours", "reference", "ratio", "goal", "");
  for (const TLine& line : FLines) PrintLine(line);
  std::printf("%d of the goals missed\n", Missed());
}

int TTable::Missed() const {
  return int(std::count_if(FLines.begin(), FLines.end(),
                           [](const TLine& l) { return l.Verdict == vdMissed; }));
}

}  // namespace jorv::bench
