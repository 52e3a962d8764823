#pragma once
// Office scheme keys under the current user for one test, removed after it.
// A machine with a real Office keeps its settings: the test is skipped.
#include <gtest/gtest.h>
#include "platform/rtl/Registry.h"

namespace jorv::test {

inline const wchar_t* const Office2010 = L"\\Software\\Microsoft\\Office\\14.0";
inline const wchar_t* const Office2007 = L"\\Software\\Microsoft\\Office\\12.0";

class OfficeRegistryTest : public testing::Test {
 protected:
  void SetUp() override {
    TRegistry Reg;
    if (Reg.KeyExists(Office2010) || Reg.KeyExists(Office2007))
      GTEST_SKIP() << "an Office installation's keys are present";
    FOwnKeys = true;
  }
  void TearDown() override {
    if (!FOwnKeys) return;
    TRegistry Reg;
    Reg.DeleteKey(Office2010);
    Reg.DeleteKey(Office2007);
  }
  static void AddKey(const String& Path) {
    TRegistry Reg;
    ASSERT_TRUE(Reg.OpenKey(Path, true));
  }
  static void SetTheme(const String& Version, Integer Value) {
    TRegistry Reg;
    ASSERT_TRUE(Reg.OpenKey(Version + L"\\Common", true));
    Reg.WriteInteger(L"Theme", Value);
  }

 private:
  bool FOwnKeys = false;
};

}  // namespace jorv::test
