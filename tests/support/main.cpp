// Entry point of every test program: one Wine process runs all of a
// folder's tests.
#include <gtest/gtest.h>
#include <cwchar>
#include "platform/rtl/WinApi.h"
#include "tests/support/ChildProcess.h"

int wmain(int argc, wchar_t** argv) {
  // Failures must not block on Wine's crash dialog.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
  // Started again by a test as its second process.
  if (argc == 3 && std::wcscmp(argv[1], L"--child") == 0) return jorv::test::RunChildRoutine(argv[2]);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
