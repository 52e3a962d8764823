#pragma once
// Office scheme keys under the current user for one test, removed after it.
// A machine with a real Office keeps its settings: the test is skipped.
// Keys a crashed run left behind carry a mark and are removed first.
#include <gtest/gtest.h>
#include "platform/rtl/Registry.h"

namespace jorv::test {

inline const wchar_t* const Office2010 = L"\\Software\\Microsoft\\Office\\14.0";
inline const wchar_t* const Office2007 = L"\\Software\\Microsoft\\Office\\12.0";
inline const wchar_t* const Mark = L"JorvensaalTestKey";

class OfficeRegistryTest : public testing::Test {
 protected:
  void SetUp() override {
    TRegistry Reg;
    for (const wchar_t* Version : {Office2010, Office2007})
      if (Reg.OpenKey(Version, false)) {
        bool Ours = Reg.ValueExists(Mark);
        Reg.CloseKey();
        if (Ours) Reg.DeleteKey(Version);
      }
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
  // Path starts with one of the two version keys.
  static void AddKey(const String& Path) {
    TRegistry Reg;
    String Version = Path.substr(0, String(Office2010).size());
    ASSERT_TRUE(Reg.OpenKey(Version, true));
    Reg.WriteInteger(Mark, 1);
    Reg.CloseKey();
    ASSERT_TRUE(Reg.OpenKey(Path, true));
  }
  static void SetTheme(const String& Version, Integer Value) {
    AddKey(Version + L"\\Common");
    TRegistry Reg;
    ASSERT_TRUE(Reg.OpenKey(Version + L"\\Common", false));
    Reg.WriteInteger(L"Theme", Value);
  }

 private:
  bool FOwnKeys = false;
};

}  // namespace jorv::test
