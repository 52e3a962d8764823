// The program as its main block runs it, driven from a second thread by
// window messages and input the way a user drives it: a holiday inserted in
// the dialog and left unposted, an existing holiday's text typed over, and
// the program closed maximized.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "platform/rtl/DateUtils.h"
#include "platform/rtl/IniFiles.h"
#include "platform/ui/Application.h"
#include "tests/app/ProgramFixture.h"
#include "tests/support/FixedClock.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::app;
using namespace jorv::test;

namespace {

constexpr UINT WM_RUN_ON_UI = WM_APP + 0x177;
constexpr UINT WM_SETTLE_UI = WM_APP + 0x178;

// Runs code on the user-interface thread, synchronously, from the driver:
// the program's loop (or a modal loop inside it) handles the sent message.
class TUIThread {
 public:
  TUIThread() {
    WNDCLASSW WC{};
    WC.lpfnWndProc = Proc;
    WC.hInstance = GetModuleHandleW(nullptr);
    WC.lpszClassName = L"JorvTestUIThread";
    RegisterClassW(&WC);
    FWnd = CreateWindowExW(0, WC.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, WC.hInstance, nullptr);
  }
  ~TUIThread() {
    DestroyWindow(FWnd);
    CloseHandle(FHandled);
  }
  void Run(const std::function<void()>& Code) const {
    SendMessageW(FWnd, WM_RUN_ON_UI, 0, reinterpret_cast<LPARAM>(&Code));
  }
  template <class T>
  T Get(const std::function<T()>& Code) const {
    T Result{};
    Run([&] { Result = Code(); });
    return Result;
  }
  // Asks Done on the user-interface thread after each round of its queue:
  // every check waits until the loop has handled what was posted before it,
  // so the program moves on between checks without a fixed pause.
  bool WaitFor(const std::function<bool()>& Done) const {
    for (int Round = 0; Round < 100000; ++Round) {
      if (Get<bool>(Done)) return true;
      Settle();
    }
    return false;
  }

 private:
  static LRESULT CALLBACK Proc(HWND H, UINT Msg, WPARAM W, LPARAM L) {
    if (Msg == WM_SETTLE_UI) {
      SetEvent(reinterpret_cast<HANDLE>(L));
      return 0;
    }
    if (Msg != WM_RUN_ON_UI) return DefWindowProcW(H, Msg, W, L);
    (*reinterpret_cast<const std::function<void()>*>(L))();
    return 0;
  }
  // Returns once the loop has handled everything posted before this call.
  void Settle() const {
    ResetEvent(FHandled);
    PostMessageW(FWnd, WM_SETTLE_UI, 0, reinterpret_cast<LPARAM>(FHandled));
    WaitForSingleObject(FHandled, INFINITE);
  }
  HWND FWnd = nullptr;
  HANDLE FHandled = CreateEventW(nullptr, TRUE, FALSE, nullptr);
};

// A left click posted to the window that holds Control, at the centre of
// Control (read on the user-interface thread).
void PostClick(const TUIThread& UI, TControl* Control) {
  HWND Window = nullptr;
  TPoint At;
  UI.Run([&] {
    TControl* C = Control;
    At = TPoint(C->Width() / 2, C->Height() / 2);
    while (!dynamic_cast<TWinControl*>(C)) {
      At = TPoint(At.X + C->Left(), At.Y + C->Top());
      C = C->Parent();
    }
    Window = static_cast<TWinControl*>(C)->Handle();
  });
  const LPARAM Pos = MAKELPARAM(At.X, At.Y);
  PostMessageW(Window, WM_MOUSEMOVE, 0, Pos);
  PostMessageW(Window, WM_LBUTTONDOWN, MK_LBUTTON, Pos);
  PostMessageW(Window, WM_LBUTTONUP, 0, Pos);
}

void PostText(HWND Window, const String& Text) {
  for (Char C : Text) PostMessageW(Window, WM_CHAR, C, 1);
}

TEST(EndToEnd, EditsInTheDialogReachTheCalendarTheDatabaseAndTheIniFile) {
  const TDateTime Today = EncodeDate(2016, 3, 27);
  FixedClock Clock{Today + 0.5};
  TWorkingFolder Folder;
  MakeHolidayFile(Folder.Dir(), {{EncodeDate(2016, 5, 1), L"Tag der Arbeit"}, {EncodeDate(2016, 10, 3), L"Einheit"}});
  TMessageBoxRecorder Boxes;
  TUIThread UI;
  const TDateTime NewDay = EncodeDate(2016, 12, 24);
  TRect Restored;
  TDateTime LastDay = 0;
  std::atomic<bool> DriverDone{false};

  std::thread Driver([&] {
    auto Steps = [&]() -> bool {
      if (!UI.WaitFor([] { return FRM_DaysOff && FRM_Main->Active(); })) return false;
      // "x Tage", then insert with the navigator: the focus lands in the
      // date picker.
      PostClick(UI, FRM_Main->BTN_Dayoff);
      if (!UI.WaitFor([] { return FRM_DaysOff->Visible() && FRM_DaysOff->Active(); })) return false;
      PostClick(UI, FRM_DaysOff->DBExNavigator1->Buttons(nbInsert));
      if (!UI.WaitFor([] {
            return FRM_Main->ADO_Daysoff->State() == dsInsert &&
                   GetFocus() == FRM_DaysOff->DBAgendaDatePicker1->Handle();
          })) {
        ADD_FAILURE() << "the insert did not move the focus to the date picker";
        return false;
      }
      const String DayText = UI.Get<String>([&] { return DateToStr(NewDay); });
      PostText(UI.Get<HWND>([] { return FRM_DaysOff->DBAgendaDatePicker1->Handle(); }), DayText);
      PostClick(UI, FRM_DaysOff->DBExEdit1);
      if (!UI.WaitFor([] { return GetFocus() == FRM_DaysOff->DBExEdit1->Handle(); })) return false;
      const HWND TextEdit = UI.Get<HWND>([] { return FRM_DaysOff->DBExEdit1->Handle(); });
      PostText(TextEdit, L"Heiligabend");
      if (!UI.WaitFor([] { return FRM_DaysOff->DBExEdit1->Text() == L"Heiligabend"; })) return false;
      // Closed without posting.
      PostMessageW(UI.Get<HWND>([] { return FRM_DaysOff->Handle(); }), WM_CLOSE, 0, 0);
      if (!UI.WaitFor([] { return !FRM_DaysOff->Visible() && FRM_Main->Active(); })) return false;
      UI.Run([&] {
        TSelDateItem* Item = FRM_Main->CAL_Main->Calendars(9)->Events()->GetDate(NewDay);
        ASSERT_TRUE(Item) << "the new holiday is not marked";
        EXPECT_EQ(Item->Hint(), L"Heiligabend");
        EXPECT_EQ(Item->Color(), clYellow);
      });
      // The dialog opens on the last row: type over its text.
      PostClick(UI, FRM_Main->BTN_Dayoff);
      if (!UI.WaitFor([] { return FRM_DaysOff->Visible() && FRM_DaysOff->Active(); })) return false;
      LastDay = UI.Get<TDateTime>([] { return FRM_Main->ADO_DaysoffDatum->AsDateTime(); });
      PostClick(UI, FRM_DaysOff->DBExEdit1);
      if (!UI.WaitFor([] { return GetFocus() == FRM_DaysOff->DBExEdit1->Handle(); })) return false;
      PostMessageW(TextEdit, EM_SETSEL, 0, -1);
      PostText(TextEdit, L"Weihnachten");
      if (!UI.WaitFor([] { return FRM_DaysOff->DBExEdit1->Text() == L"Weihnachten"; })) return false;
      PostMessageW(UI.Get<HWND>([] { return FRM_DaysOff->Handle(); }), WM_CLOSE, 0, 0);
      if (!UI.WaitFor([] { return !FRM_DaysOff->Visible() && FRM_Main->Active(); })) return false;
      UI.Run([&] {
        TSelDateItem* Item = FRM_Main->CAL_Main->Events()->GetDate(LastDay);
        ASSERT_TRUE(Item);
        EXPECT_EQ(Item->Hint(), L"Weihnachten");
        Restored = FRM_Main->BoundsRect();
      });
      // Closed maximized.
      const HWND Main = UI.Get<HWND>([] { return FRM_Main->Handle(); });
      PostMessageW(Main, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
      if (!UI.WaitFor([Main] { return IsZoomed(Main) != 0; })) return false;
      PostMessageW(Main, WM_CLOSE, 0, 0);
      return true;
    };
    const bool Finished = Steps();
    EXPECT_TRUE(Finished) << "the program did not get where the driver expected";
    if (!Finished) {
      // Never leave the program running: the test would wait for it.
      UI.Run([] {
        if (FRM_DaysOff && FRM_DaysOff->Visible()) FRM_DaysOff->SetModalResult(mrCancel);
      });
      UI.Run([] {
        if (FRM_Main) PostMessageW(FRM_Main->Handle(), WM_CLOSE, 0, 0);
      });
    }
    DriverDone = true;
  });
  RunProgram();
  Driver.join();
  ASSERT_TRUE(DriverDone);
  delete FRM_DaysOff;
  FRM_DaysOff = nullptr;
  delete FRM_Main;
  FRM_Main = nullptr;
  Application->OnHint = nullptr;

  for (const auto& Box : Boxes.Boxes()) ADD_FAILURE() << "message box: " << std::string(Box.Text.begin(), Box.Text.end());
  TIniFile Ini(Folder.Path(L"Tarvok.INI"));
  EXPECT_EQ(Ini.ReadInteger(L"FRM_Main", L"Left", -1), Restored.Left);
  EXPECT_EQ(Ini.ReadInteger(L"FRM_Main", L"Top", -1), Restored.Top);
  EXPECT_EQ(Ini.ReadInteger(L"FRM_Main", L"Width", -1), Restored.Width());
  EXPECT_EQ(Ini.ReadInteger(L"FRM_Main", L"Height", -1), Restored.Height());
  // The row typed over is whichever the dialog opened on.
  const bool NewRowLast = LastDay == NewDay;
  EXPECT_EQ(THolidayFile(Folder.Path(L"Tarvok.mdb")).Rows(),
            (std::vector<String>{L"2016-05-01 Tag der Arbeit",
                                 NewRowLast ? L"2016-10-03 Einheit" : L"2016-10-03 Weihnachten",
                                 NewRowLast ? L"2016-12-24 Weihnachten" : L"2016-12-24 Heiligabend"}));
}

}  // namespace
