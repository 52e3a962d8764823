// Entry point of every test program: one Wine process runs all of a
// folder's tests.
#include <gtest/gtest.h>
#include <cstdio>
#include <cwchar>
#include "platform/rtl/WinApi.h"
#include "tests/support/ChildProcess.h"

int wmain(int argc, wchar_t** argv) {
  // Failures must not block on Wine's crash dialog.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
  // Started again by a test as its second process.
  if (argc == 3 && std::wcscmp(argv[1], L"--child") == 0) return jorv::test::RunChildRoutine(argv[2]);
  // A desktop of its own: the foreground window, the focus and the cursor
  // belong to the desktop, so two test programs on one Wine server (two
  // runs at the same time) cannot take them from each other mid-test.
  wchar_t Name[40];
  std::swprintf(Name, 40, L"jorv-tests-%lu", GetCurrentProcessId());
  if (HDESK Own = CreateDesktopW(Name, nullptr, nullptr, 0, GENERIC_ALL, nullptr)) SetThreadDesktop(Own);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
