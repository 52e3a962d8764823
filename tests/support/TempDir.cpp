#include "tests/support/TempDir.h"
#include <atomic>
#include <string>
#include "platform/rtl/WinApi.h"

namespace jorv::test {

namespace {

void RemoveTree(const String& dir) {
  WIN32_FIND_DATAW fd;
  HANDLE h = FindFirstFileW((dir + L"\\*").c_str(), &fd);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      String name = fd.cFileName;
      if (name == L"." || name == L"..") continue;
      String full = dir + L"\\" + name;
      if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(full);
      } else {
        SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(full.c_str());
      }
    } while (FindNextFileW(h, &fd));
    FindClose(h);
  }
  RemoveDirectoryW(dir.c_str());
}

}  // namespace

TTempDir::TTempDir() {
  static std::atomic<int> counter{0};
  wchar_t base[MAX_PATH + 1];
  DWORD n = GetTempPathW(MAX_PATH + 1, base);
  String root(base, n);
  if (!root.empty() && root.back() == L'\\') root.pop_back();
  for (int attempt = 0;; ++attempt) {
    FDir = root + L"\\jorv-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(counter++);
    if (CreateDirectoryW(FDir.c_str(), nullptr) || attempt > 100) break;
  }
}

TTempDir::~TTempDir() { RemoveTree(FDir); }

}  // namespace jorv::test
