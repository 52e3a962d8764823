#pragma once
// Basic value types shared by every layer.
#include <cstdint>
#include <string>
#include <initializer_list>
#include <type_traits>

namespace jorv {

using String = std::wstring;
using Char = wchar_t;
using Integer = int32_t;
using Cardinal = uint32_t;
using Int64 = int64_t;
using UInt64 = uint64_t;
using Word = uint16_t;
using Byte = uint8_t;
using SmallInt = int16_t;
using ShortInt = int8_t;
using LongInt = int32_t;
using LongWord = uint32_t;
// Pointer-sized integers: slots that may carry a pointer (a component's tag,
// list item data) are as wide as a pointer on each architecture.
using NativeInt = intptr_t;
using NativeUInt = uintptr_t;
using Double = double;
using Extended = double;
using Single = float;
using Currency = double;
using TDateTime = double;
using TDate = double;
using TTime = double;
using TColor = int32_t;
using AnsiString = std::string;
using UTF8String = std::string;
using RawByteString = std::string;
using TBytes = std::basic_string<Byte>;

// A set over an enumeration with at most 256 values, as the platform's sets.
template <typename E, unsigned N = 256>
class TSet {
  static_assert(std::is_enum_v<E>, "TSet needs an enumeration");
  static constexpr unsigned Words = (N + 63) / 64;
  uint64_t FBits[Words] = {};

 public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> items) {
    for (E e : items) Include(e);
  }
  constexpr bool Contains(E e) const {
    unsigned i = static_cast<unsigned>(e);
    return i < N && (FBits[i / 64] >> (i % 64)) & 1u;
  }
  constexpr TSet& Include(E e) {
    unsigned i = static_cast<unsigned>(e);
    if (i < N) FBits[i / 64] |= uint64_t(1) << (i % 64);
    return *this;
  }
  constexpr TSet& Exclude(E e) {
    unsigned i = static_cast<unsigned>(e);
    if (i < N) FBits[i / 64] &= ~(uint64_t(1) << (i % 64));
    return *this;
  }
  constexpr bool Empty() const {
    for (unsigned w = 0; w < Words; ++w)
      if (FBits[w]) return false;
    return true;
  }
  constexpr TSet operator+(const TSet& o) const {
    TSet r = *this;
    for (unsigned w = 0; w < Words; ++w) r.FBits[w] |= o.FBits[w];
    return r;
  }
  constexpr TSet operator-(const TSet& o) const {
    TSet r = *this;
    for (unsigned w = 0; w < Words; ++w) r.FBits[w] &= ~o.FBits[w];
    return r;
  }
  constexpr TSet operator*(const TSet& o) const {
    TSet r = *this;
    for (unsigned w = 0; w < Words; ++w) r.FBits[w] &= o.FBits[w];
    return r;
  }
  constexpr TSet operator+(E e) const { TSet r = *this; return r.Include(e); }
  constexpr TSet operator-(E e) const { TSet r = *this; return r.Exclude(e); }
  constexpr TSet& operator+=(const TSet& o) { return *this = *this + o; }
  constexpr TSet& operator-=(const TSet& o) { return *this = *this - o; }
  constexpr TSet& operator*=(const TSet& o) { return *this = *this * o; }
  constexpr TSet& operator+=(E e) { return Include(e); }
  constexpr TSet& operator-=(E e) { return Exclude(e); }
  constexpr bool operator==(const TSet& o) const {
    for (unsigned w = 0; w < Words; ++w)
      if (FBits[w] != o.FBits[w]) return false;
    return true;
  }
  // Subset test, as the platform's `<=` on sets.
  constexpr bool operator<=(const TSet& o) const { return (*this - o).Empty(); }
  constexpr void Clear() { *this = TSet(); }
};

// How a text stands in its box; shared by fields and controls.
#define JORV_TALIGNMENT_DEFINED
enum TAlignment : uint8_t { taLeftJustify, taRightJustify, taCenter };

struct TPoint {
  Integer X = 0;
  Integer Y = 0;
  constexpr TPoint() = default;
  constexpr TPoint(Integer x, Integer y) : X(x), Y(y) {}
  constexpr bool operator==(const TPoint&) const = default;
};

struct TSize {
  Integer cx = 0;
  Integer cy = 0;
  constexpr TSize() = default;
  constexpr TSize(Integer w, Integer h) : cx(w), cy(h) {}
  constexpr bool operator==(const TSize&) const = default;
};

struct TRect {
  Integer Left = 0;
  Integer Top = 0;
  Integer Right = 0;
  Integer Bottom = 0;
  constexpr TRect() = default;
  constexpr TRect(Integer l, Integer t, Integer r, Integer b)
      : Left(l), Top(t), Right(r), Bottom(b) {}
  constexpr TRect(TPoint tl, TPoint br)
      : Left(tl.X), Top(tl.Y), Right(br.X), Bottom(br.Y) {}
  constexpr Integer Width() const { return Right - Left; }
  constexpr Integer Height() const { return Bottom - Top; }
  constexpr TPoint TopLeft() const { return {Left, Top}; }
  constexpr TPoint BottomRight() const { return {Right, Bottom}; }
  constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  constexpr bool Contains(TPoint p) const {
    return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom;
  }
  constexpr bool operator==(const TRect&) const = default;
};

constexpr TRect Rect(Integer l, Integer t, Integer r, Integer b) { return {l, t, r, b}; }
constexpr TRect Bounds(Integer l, Integer t, Integer w, Integer h) { return {l, t, l + w, t + h}; }
constexpr TPoint Point(Integer x, Integer y) { return {x, y}; }
constexpr bool PtInRect(const TRect& r, TPoint p) { return r.Contains(p); }

}  // namespace jorv
