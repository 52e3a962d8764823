// Entry point of every test program: one Wine process runs all of a
// folder's tests.
#include <gtest/gtest.h>
#include "platform/rtl/WinApi.h"

int wmain(int argc, wchar_t** argv) {
  // Failures must not block on Wine's crash dialog.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
