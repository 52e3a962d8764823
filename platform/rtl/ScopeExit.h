#pragma once
// Runs an action when the scope ends, however it ends: the state a function
// set for its own run (a flag, an update count, a lock) is put back also
// when something inside it throws, without a catch block that rethrows.
#include <exception>
#include <utility>

namespace jorv {

template <class TAction>
class TScopeExit {
 public:
  explicit TScopeExit(TAction Action) : FAction(std::move(Action)) {}
  // An action that fails while the scope ends normally reports its failure
  // as the code after the scope would have; while an exception unwinds the
  // scope, that first failure is the one reported and the action's own is
  // dropped (a second exception would end the program).
  ~TScopeExit() noexcept(false) {
    if (!FActive) return;
    if (std::uncaught_exceptions() == FUnwinding) {
      FAction();
      return;
    }
    try {
      FAction();
    } catch (...) {
    }
  }
  TScopeExit(const TScopeExit&) = delete;
  TScopeExit& operator=(const TScopeExit&) = delete;
  // The scope ended as planned and the action is no longer wanted.
  void Dismiss() { FActive = false; }

 private:
  TAction FAction;
  int FUnwinding = std::uncaught_exceptions();
  bool FActive = true;
};

// auto Restore = ScopeExit([&] { FBusy = false; });
template <class TAction>
[[nodiscard]] TScopeExit<TAction> ScopeExit(TAction Action) {
  return TScopeExit<TAction>(std::move(Action));
}

}  // namespace jorv
