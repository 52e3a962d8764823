#pragma once
// A second process for tests that need one: the test program starts itself
// again with the name of a routine, which runs instead of the tests.
#include <functional>
#include "platform/rtl/Types.h"

namespace jorv::test {

using TChildRoutine = std::function<int()>;

// Registers a routine under Name (from a static initialiser).
bool RegisterChildRoutine(const String& Name, TChildRoutine Routine);
// Runs this program again as "<exe> --child Name" and waits for it; the
// child's exit code, or -1 when it could not start or did not end within
// TimeoutMs (it is then killed).
int RunChild(const String& Name, unsigned TimeoutMs = 10000);
// Called by main: the routine's exit code, or -1 for an unknown name.
int RunChildRoutine(const String& Name);

}  // namespace jorv::test
