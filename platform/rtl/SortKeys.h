#pragma once
// The locale's sort keys of many strings, made once so that a sort compares
// bytes instead of asking the locale per comparison (which costs more than
// ten times as much here). Keys order strings exactly as CompareStringW with
// the same flags does. A sort moves the small entries, which carry the
// first bytes of their key, so that most comparisons read only the two
// entries at hand; the rest of a key is read only when the first bytes are
// equal.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>
#include "platform/rtl/Types.h"

namespace jorv {

class TSortKeys {
 public:
  struct TEntry {
    // The key's first 16 bytes, most significant first, padded with zeros.
    uint64_t Head[2] = {0, 0};
    uint32_t Index = 0;  // of the string among those given, in their order
    uint32_t Size = 0;
  };

  // Flags as for CompareStringW (0, or NORM_IGNORECASE and the like).
  explicit TSortKeys(uint32_t Flags = 0) : FFlags(Flags) {}
  void Reserve(size_t Count);
  // The next string's key; false when the locale cannot give one.
  bool Add(const Char* Text, size_t Length);
  bool Add(const String& Text) { return Add(Text.data(), Text.size()); }

  // The order of memcmp over the shorter key, then the shorter first.
  Integer CompareEntries(const TEntry& A, const TEntry& B) const {
    if (A.Head[0] != B.Head[0]) return A.Head[0] < B.Head[0] ? -1 : 1;
    if (A.Head[1] != B.Head[1]) return A.Head[1] < B.Head[1] ? -1 : 1;
    // Equal heads: the bytes both keys have within the head are equal
    // (zero padding against a non-zero byte would have differed).
    const size_t Common = std::min(A.Size, B.Size);
    constexpr size_t HeadSize = sizeof A.Head;
    if (Common > HeadSize) {
      const int C = std::memcmp(FBytes.get() + FOffsets[A.Index] + HeadSize,
                                FBytes.get() + FOffsets[B.Index] + HeadSize, Common - HeadSize);
      if (C != 0) return C < 0 ? -1 : 1;
    }
    return A.Size < B.Size ? -1 : A.Size > B.Size ? 1 : 0;
  }
  Integer Compare(Integer A, Integer B) const { return CompareEntries(FEntries[size_t(A)], FEntries[size_t(B)]); }
  void Exchange(Integer A, Integer B) { std::swap(FEntries[size_t(A)], FEntries[size_t(B)]); }
  // Index among the strings given of the entry now at Position.
  uint32_t Source(size_t Position) const { return FEntries[Position].Index; }
  std::vector<TEntry>& Entries() { return FEntries; }
  const std::vector<TEntry>& Entries() const { return FEntries; }
  size_t Count() const { return FEntries.size(); }

 private:
  // Capacity for Capacity bytes, keeping the first FUsed.
  void Grow(size_t Capacity);
  uint32_t FFlags = 0;
  std::unique_ptr<uint8_t[]> FBytes;
  size_t FCapacity = 0;
  size_t FUsed = 0;
  // Room kept beyond the used bytes: the longest key seen so far.
  size_t FRoom = 256;
  std::vector<size_t> FOffsets;
  std::vector<TEntry> FEntries;
};

}  // namespace jorv
