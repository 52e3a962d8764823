#pragma once
// Sets a flag for a scope and puts its old value back however the scope
// ends: the data-aware grid's re-entrancy guards nest, so a guard never
// clears a flag that an outer caller had set.

namespace jorv::grid {

class TFlagScope {
 public:
  TFlagScope(bool& AFlag, bool Value) : FFlag(AFlag), FOld(AFlag) { FFlag = Value; }
  ~TFlagScope() { FFlag = FOld; }
  TFlagScope(const TFlagScope&) = delete;
  TFlagScope& operator=(const TFlagScope&) = delete;

 private:
  bool& FFlag;
  bool FOld;
};

}  // namespace jorv::grid
