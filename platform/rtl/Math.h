#pragma once
// Numbers with the platform's rounding rules.
#include <type_traits>
#include "platform/rtl/Types.h"
#include "platform/rtl/WinApi.h"

namespace jorv {

Int64 Round(double x);  // halves to the even neighbour
Int64 Trunc(double x);
double Frac(double x);  // keeps the sign of x
double Int(double x);
Integer Ceil(double x);
Integer Floor(double x);
// a * b / c with the 64-bit product, rounded half away from zero; -1 when c
// is 0. The system's own, so that code using both namespaces sees one.
using ::MulDiv;

// The platform's generator: a seed that tests may set for a repeatable run.
extern Cardinal RandSeed;
void Randomize();
double Random();                 // [0, 1)
Integer Random(Integer range);   // [0, range)
Integer RandomRange(Integer from, Integer to);  // [min, max) of the two

template <typename A, typename B>
constexpr std::common_type_t<A, B> Min(A a, B b) {
  return b < a ? b : a;
}
template <typename A, typename B>
constexpr std::common_type_t<A, B> Max(A a, B b) {
  return a < b ? b : a;
}
template <typename T>
constexpr bool InRange(T value, T lo, T hi) {
  return value >= lo && value <= hi;
}
template <typename T>
constexpr T EnsureRange(T value, T lo, T hi) {
  return value < lo ? lo : (value > hi ? hi : value);
}

// Equal within epsilon; 0 chooses a tolerance scaled to the values.
bool SameValue(double a, double b, double epsilon = 0);
bool IsZero(double a, double epsilon = 0);
double Power(double base, double exponent);

using TValueSign = int;
constexpr TValueSign NegativeValue = -1, ZeroValue = 0, PositiveValue = 1;
template <typename T>
constexpr TValueSign Sign(T x) {
  return x < 0 ? NegativeValue : (x > 0 ? PositiveValue : ZeroValue);
}

}  // namespace jorv
