#include "fuzz/Mutator.h"
#include <cstring>

namespace jorv::fuzz {

namespace {

// Values that sit on the edges parsers get wrong: zero, signs, the ends of
// 8, 16 and 32 bits.
constexpr int64_t InterestingNumbers[] = {0,      1,          -1,         0x7F,       0x80,
                                          0xFF,   0x100,      0x7FFF,     0x8000,     0xFFFF,
                                          0x10000, 0x7FFFFFFF, -0x7FFFFFFF - 1, 0xFFFFFFFF, 64, 1000};
constexpr char InterestingBytes[] = "\0\xFF\x7F\x80<>\"';%&#:/\\.,-+*?[]()0019eE \r\n\t";

}  // namespace

uint64_t TRandom::Next() {
  // splitmix64: one multiply chain per draw, good enough and repeatable.
  uint64_t Z = (FState += 0x9E3779B97F4A7C15ull);
  Z = (Z ^ (Z >> 30)) * 0xBF58476D1CE4E5B9ull;
  Z = (Z ^ (Z >> 27)) * 0x94D049BB133111EBull;
  return Z ^ (Z >> 31);
}

TInput TMutator::Make(uint64_t Seed, uint64_t Iteration) const {
  TRandom R(Seed * 0x2545F4914F6CDD1Dull ^ (Iteration + 1) * 0x9E3779B97F4A7C15ull);
  if (FCorpus.empty() || R.OneIn(16)) {
    TInput Data(R.Below(R.OneIn(8) ? 4096 : 256), '\0');
    for (char& C : Data) C = static_cast<char>(R.Next());
    return Data;
  }
  TInput Data = FCorpus[R.Below(FCorpus.size())];
  // Half of the inputs stay close to a sample, the others are stacked.
  const size_t Rounds = R.OneIn(2) ? 1 + R.Below(2) : 1 + R.Below(16);
  for (size_t K = 0; K < Rounds; ++K) Mutate(R, Data);
  if (Data.size() > MaxInput) Data.resize(MaxInput);
  return Data;
}

void TMutator::Mutate(TRandom& R, TInput& Data) const {
  const size_t Size = Data.size();
  switch (R.Below(10)) {
    case 0:
      if (Size) Data[R.Below(Size)] ^= static_cast<char>(1u << R.Below(8));
      break;
    case 1:
      if (Size) Data[R.Below(Size)] = static_cast<char>(R.Next());
      break;
    case 2:
      if (Size) Data[R.Below(Size)] = InterestingBytes[R.Below(sizeof InterestingBytes - 1)];
      break;
    case 3:
      if (Size) {
        const size_t At = R.Below(Size);
        Data.erase(At, 1 + R.Below(R.OneIn(4) ? Size - At : 16));
      }
      break;
    case 4:
      OverwriteNumber(R, Data);
      break;
    case 5:
      if (!FDictionary.empty()) {
        const std::string& Token = FDictionary[R.Below(FDictionary.size())];
        Data.insert(R.Below(Size + 1), Token);
      }
      break;
    case 6: {
      // Another sample's piece: formats meet their own structures in odd
      // places.
      const TInput& Other = FCorpus[R.Below(FCorpus.size())];
      if (Other.empty()) break;
      const size_t From = R.Below(Other.size());
      const size_t Length = 1 + R.Below(Other.size() - From);
      Data.insert(R.Below(Size + 1), Other, From, Length);
      break;
    }
    default:
      InsertChunk(R, Data);
      break;
  }
}

void TMutator::OverwriteNumber(TRandom& R, TInput& Data) const {
  const size_t Width = size_t(1) << R.Below(3);  // 1, 2 or 4 bytes
  if (Data.size() < Width) return;
  int64_t Value = InterestingNumbers[R.Below(std::size(InterestingNumbers))];
  if (R.OneIn(3)) Value = static_cast<int64_t>(Data.size()) + static_cast<int64_t>(R.Below(3)) - 1;
  const size_t At = R.Below(Data.size() - Width + 1);
  std::memcpy(&Data[At], &Value, Width);  // little-endian, as the formats store it
  if (R.OneIn(2))
    for (size_t K = 0; K < Width / 2; ++K) std::swap(Data[At + K], Data[At + Width - 1 - K]);
}

void TMutator::InsertChunk(TRandom& R, TInput& Data) const {
  const size_t Size = Data.size();
  if (!Size) {
    Data.assign(1 + R.Below(8), static_cast<char>(R.Next()));
    return;
  }
  // A piece of the input repeated: long runs, deep nesting, many sections.
  const size_t From = R.Below(Size);
  const size_t Length = 1 + R.Below(std::min<size_t>(Size - From, 64));
  const TInput Piece = Data.substr(From, Length);
  const size_t Times = R.OneIn(8) ? 1 + R.Below(2000) : 1 + R.Below(4);
  TInput Chunk;
  for (size_t K = 0; K < Times && Chunk.size() < MaxInput; ++K) Chunk += Piece;
  Data.insert(R.Below(Size + 1), Chunk);
}

}  // namespace jorv::fuzz
