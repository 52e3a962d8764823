#include <gtest/gtest.h>
#include <vector>
#include "OfficeRegistry.h"
#include "foundation/ThemeNotifier.h"
#include "tests/support/ui/Gui.h"

using namespace jorv::foundation;

using namespace jorv;
using namespace jorv::test;

namespace {

const wchar_t* const Common2010 = L"Software\\Microsoft\\Office\\14.0\\Common";

// A bare window that records the theme messages it is sent.
struct TRecorder {
  struct TGot {
    HWND Wnd;
    WPARAM Root;
    String Key;
  };
  static std::vector<TGot>* Log;

  static LRESULT CALLBACK Proc(HWND W, UINT Msg, WPARAM WP, LPARAM LP) {
    if (Msg == WM_OFFICETHEMECHANGED && Log)
      Log->push_back({W, WP, reinterpret_cast<const wchar_t*>(LP)});
    return DefWindowProcW(W, Msg, WP, LP);
  }
  static HWND Make() {
    static bool Registered = false;
    if (!Registered) {
      WNDCLASSW WC{};
      WC.lpfnWndProc = Proc;
      WC.hInstance = GetModuleHandleW(nullptr);
      WC.lpszClassName = L"ThemeRecorder";
      RegisterClassW(&WC);
      Registered = true;
    }
    return CreateWindowExW(0, L"ThemeRecorder", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  }
};
std::vector<TRecorder::TGot>* TRecorder::Log = nullptr;

}  // namespace

TEST(HandleList, Operations) {
  HWND A = reinterpret_cast<HWND>(0x10), B = reinterpret_cast<HWND>(0x20),
       C = reinterpret_cast<HWND>(0x30);
  THandleList L;
  L.Add(A);
  L.Add(B);
  L.Add(A);
  L.Insert(1, C);  // A C B A
  EXPECT_EQ(L.GetInteger(1), C);
  L.DeleteValue(A);  // the first A only
  ASSERT_EQ(L.Count(), 3);
  EXPECT_EQ(L.Items(0), C);
  EXPECT_EQ(L.Items(2), A);
  L.DeleteValue(reinterpret_cast<HWND>(0x99));
  EXPECT_EQ(L.Count(), 3);
  L.SetInteger(0, B);
  L.Delete(1);  // B A
  EXPECT_TRUE(L.HasValue(A));
  EXPECT_TRUE(L.HasValue(B));
  EXPECT_FALSE(L.HasValue(C));
  EXPECT_THROW(L.Delete(5), EListError);
}

TEST(RegMonitorThread, FilterAndUnopenableKey) {
  TRegMonitorThread T;
  EXPECT_EQ(T.Filter(), DWORD(15));
  T.SetFilter(4);
  EXPECT_EQ(T.Filter(), DWORD(4));
  T.SetKey(L"Software\\NoSuchVendor\\NoSuchKey");
  T.Start();
  T.WaitFor();
  ASSERT_TRUE(T.FatalException());
  try {
    std::rethrow_exception(T.FatalException());
  } catch (const Exception& E) {
    EXPECT_EQ(E.Message(), L"Unable to open registry key Software\\NoSuchVendor\\NoSuchKey");
  }
}

using ThemeNotifierTest = OfficeRegistryTest;

TEST_F(ThemeNotifierTest, SingletonWithoutOffice) {
  TComponent Owner;
  TThemeNotifier* N = GetThemeNotifier(&Owner);
  EXPECT_EQ(N->Owner(), &Owner);
  EXPECT_EQ(GetThemeNotifier(nullptr), N);
  // Only an Office 2003 style key: no watcher, registering does nothing.
  EXPECT_EQ(N->RegMonitorThread(), nullptr);
  EXPECT_EQ(N->NotifierWindow(), nullptr);
  N->RegisterWindow(reinterpret_cast<HWND>(0x10));
  N->UnRegisterWindow(reinterpret_cast<HWND>(0x10));
  delete N;
  // A new one is made after the old one is gone.
  TComponent Other;
  TThemeNotifier* M = GetThemeNotifier(&Other);
  EXPECT_EQ(M->Owner(), &Other);
  delete M;
}

TEST_F(ThemeNotifierTest, NothingRunsAtDesignTime) {
  AddKey(String(Office2010) + L"\\Common\\General");
  TComponent Owner;
  Owner.SetDesigning(true);
  TThemeNotifier* N = GetThemeNotifier(&Owner);
  EXPECT_EQ(N->RegMonitorThread(), nullptr);
  EXPECT_EQ(N->NotifierWindow(), nullptr);
  delete N;
}

TEST_F(ThemeNotifierTest, WindowWithoutWindowedOwnerIsMessageOnly) {
  AddKey(String(Office2007) + L"\\Common\\General");
  TComponent Owner;
  TThemeNotifier* N = GetThemeNotifier(&Owner);
  ASSERT_NE(N->NotifierWindow(), nullptr);
  EXPECT_EQ(N->NotifierWindow()->ParentWindow(), HWND_MESSAGE);
  EXPECT_TRUE(N->NotifierWindow()->HandleAllocated());
  ASSERT_NE(N->RegMonitorThread(), nullptr);
  EXPECT_EQ(N->RegMonitorThread()->Key(), L"Software\\Microsoft\\Office\\12.0\\Common");
  EXPECT_EQ(N->RegMonitorThread()->Filter(), DWORD(REG_NOTIFY_CHANGE_LAST_SET));
  delete N;
}

TEST_F(ThemeNotifierTest, WatcherTellsRegisteredWindowsOfThemeChanges) {
  AddKey(String(Office2010) + L"\\Common\\General");
  SetTheme(Office2010, 1);
  TTestForm Form(100, 100, false);
  TThemeNotifier* N = GetThemeNotifier(Form.Get());
  ASSERT_NE(N->RegMonitorThread(), nullptr);
  ASSERT_NE(N->NotifierWindow(), nullptr);
  EXPECT_EQ(N->NotifierWindow()->Parent(), Form.Get());
  EXPECT_FALSE(N->NotifierWindow()->Visible());

  std::vector<TRecorder::TGot> Log;
  TRecorder::Log = &Log;
  HWND Own = N->NotifierWindow()->Handle();
  N->OnOfficeThemeChange = [&](TObject* Sender) {
    EXPECT_EQ(Sender, N);
    Log.push_back({Own, 0, String()});
  };
  HWND First = TRecorder::Make(), Second = TRecorder::Make();
  N->RegisterWindow(First);
  N->RegisterWindow(Second);
  N->RegisterWindow(First);
  EXPECT_EQ(N->RegMonitorThread()->WinList()->Count(), 2);
  N->UnRegisterWindow(reinterpret_cast<HWND>(0x1234));
  EXPECT_EQ(N->RegMonitorThread()->WinList()->Count(), 2);

  // The watcher arms itself on its own thread, and again after each round:
  // a change made meanwhile goes unseen, so change until one is heard.
  Integer Value = 1;
  auto ChangeUntilHeard = [&](size_t Want) {
    for (int I = 0; I < 50 && Log.size() < Want; ++I) {
      Value = Value % 3 + 1;
      SetTheme(Office2010, Value);
      PumpUntil([&] { return Log.size() >= Want; }, 100);
    }
    Pump(50);
    return Log.size() >= Want;
  };
  // Each round: the notifier's window first, then the list in order.
  ASSERT_TRUE(ChangeUntilHeard(3));
  ASSERT_EQ(Log.size() % 3, 0u);
  for (size_t I = 0; I < Log.size(); I += 3) {
    EXPECT_EQ(Log[I].Wnd, Own);
    EXPECT_EQ(Log[I + 1].Wnd, First);
    EXPECT_EQ(Log[I + 2].Wnd, Second);
  }
  EXPECT_EQ(Log[1].Root, reinterpret_cast<WPARAM>(HKEY_CURRENT_USER));
  EXPECT_EQ(Log[1].Key, Common2010);

  // An unregistered window hears no more.
  N->UnRegisterWindow(First);
  Log.clear();
  ASSERT_TRUE(ChangeUntilHeard(2));
  ASSERT_EQ(Log.size() % 2, 0u);
  for (size_t I = 0; I < Log.size(); I += 2) {
    EXPECT_EQ(Log[I].Wnd, Own);
    EXPECT_EQ(Log[I + 1].Wnd, Second);
  }

  // Freeing the notifier ends its thread.
  HANDLE Thread = nullptr;
  ASSERT_TRUE(DuplicateHandle(GetCurrentProcess(), N->RegMonitorThread()->Handle(),
                              GetCurrentProcess(), &Thread, SYNCHRONIZE, FALSE, 0));
  delete N;
  EXPECT_EQ(WaitForSingleObject(Thread, 5000), WAIT_OBJECT_0);
  CloseHandle(Thread);
  TRecorder::Log = nullptr;
  DestroyWindow(First);
  DestroyWindow(Second);
}
