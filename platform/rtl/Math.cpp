#include "platform/rtl/Math.h"
#include <cmath>
#include "platform/rtl/WinApi.h"

namespace jorv {

Int64 Round(double x) { return static_cast<Int64>(std::nearbyint(x)); }

Int64 Trunc(double x) { return static_cast<Int64>(x); }

double Frac(double x) { return x - std::trunc(x); }

double Int(double x) { return std::trunc(x); }

Integer Ceil(double x) { return static_cast<Integer>(std::ceil(x)); }

Integer Floor(double x) { return static_cast<Integer>(std::floor(x)); }

Cardinal RandSeed = 0;

void Randomize() {
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  RandSeed = static_cast<Cardinal>(t.QuadPart);
}

namespace {
Cardinal NextRandom() {
  RandSeed = RandSeed * 134775813u + 1u;
  return RandSeed;
}
}  // namespace

double Random() { return NextRandom() / 4294967296.0; }

Integer Random(Integer range) {
  if (range <= 0) return 0;
  return static_cast<Integer>((static_cast<UInt64>(NextRandom()) * Cardinal(range)) >> 32);
}

Integer RandomRange(Integer from, Integer to) {
  if (from > to) return to + Random(from - to);
  return from + Random(to - from);
}

namespace {
constexpr double DoubleResolution = 1e-15 * 1000;
}

bool SameValue(double a, double b, double epsilon) {
  if (epsilon == 0) {
    double m = std::fmin(std::fabs(a), std::fabs(b)) * DoubleResolution;
    epsilon = m > DoubleResolution ? m : DoubleResolution;
  }
  return a > b ? a - b <= epsilon : b - a <= epsilon;
}

bool IsZero(double a, double epsilon) {
  return std::fabs(a) <= (epsilon == 0 ? DoubleResolution : epsilon);
}

double Power(double base, double exponent) { return std::pow(base, exponent); }

}  // namespace jorv
