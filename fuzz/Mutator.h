#pragma once
// Inputs for a target: mostly valid samples changed in a few places, so
// that the reader gets deep before it meets the damage, and now and then
// plain random bytes. The same seed and iteration give the same input.
#include <cstdint>
#include "fuzz/Fuzz.h"

namespace jorv::fuzz {

class TRandom {
 public:
  explicit TRandom(uint64_t Seed) : FState(Seed) {}
  uint64_t Next();
  // 0 .. Bound-1; 0 for a bound of 0.
  size_t Below(size_t Bound) { return Bound ? static_cast<size_t>(Next() % Bound) : 0; }
  bool OneIn(unsigned N) { return Below(N) == 0; }

 private:
  uint64_t FState;
};

class TMutator {
 public:
  // Longest input made; bigger samples are cut.
  static constexpr size_t MaxInput = 1 << 18;

  TMutator(const std::vector<TInput>& Corpus, const std::vector<std::string>& Dictionary)
      : FCorpus(Corpus), FDictionary(Dictionary) {}
  TInput Make(uint64_t Seed, uint64_t Iteration) const;

 private:
  void Mutate(TRandom& R, TInput& Data) const;
  void OverwriteNumber(TRandom& R, TInput& Data) const;
  void InsertChunk(TRandom& R, TInput& Data) const;

  const std::vector<TInput>& FCorpus;
  const std::vector<std::string>& FDictionary;
};

}  // namespace jorv::fuzz
