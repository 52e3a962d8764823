// What the grid unit keeps once per process: the hook that moves the focus
// overlay with its cell, the registered format and messages, the classes
// for streaming, and the version reader.
#include <gtest/gtest.h>

#include "grid/base/GridFocusWindow.h"
#include "grid/core/GridUnit.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/ClassRegistry.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/TempDir.h"
#include "tests/support/ui/Gui.h"

using namespace jorv;
using namespace jorv::grid;
using namespace jorv::test;

namespace {

// Shut-down removes the hook; this runs in a process of its own.
const bool ShutDownRegistered = RegisterChildRoutine(L"grid-unit-shutdown", [] {
  TGridUnitState& Unit = GridUnit();
  if (!Unit.Hook || Unit.StartCount != 1) return 1;
  GridUnitStartup();
  HHOOK Hook = Unit.Hook;
  GridUnitShutdown();
  if (Unit.Hook != Hook) return 2;  // a nested start-up and shut-down change nothing
  GridUnitShutdown();
  if (Unit.Hook || Unit.StartCount != 0) return 3;
  GridUnitShutdown();  // one too many does no harm
  return Unit.StartCount == 0 ? 0 : 4;
});

RECT WindowBounds(HWND Window) {
  RECT R{};
  GetWindowRect(Window, &R);
  return R;
}

}  // namespace

TEST(GridUnit, RegistersItsFormatMessagesAndClassesOnce) {
  TGridUnitState& Unit = GridUnit();
  EXPECT_NE(Unit.Hook, nullptr);
  EXPECT_EQ(Unit.CellsClipboardFormat, RegisterClipboardFormatW(L"TRezIvevirAvod Cells"));
  EXPECT_EQ(Unit.EditDoneMessage, RegisterWindowMessageW(L"GridEditDone"));
  EXPECT_EQ(Unit.EditShowMessage, RegisterWindowMessageW(L"GridEditShow"));
  EXPECT_EQ(Unit.EditPropMessage, RegisterWindowMessageW(L"GridEditProp"));
  EXPECT_EQ(Unit.DatePickerFocusMessage, RegisterWindowMessageW(L"DTPShiftFocus"));
  EXPECT_TRUE(GetClass(L"TRezIvevirAvod"));
  EXPECT_EQ(Unit.StartCount, 1);
  TRezIvevirAvod Grid(nullptr);
  EXPECT_EQ(Unit.AnchorCursor, crHandPoint);
  EXPECT_EQ(Unit.StartCount, 1);
}

TEST(GridUnit, ShutDownRemovesTheHook) { EXPECT_EQ(RunChild(L"grid-unit-shutdown"), 0); }

TEST(GridUnit, FileVersionIsReadOrMinusOne) {
  TTempDir Dir;
  String Plain = Dir.Path(L"plain.txt");
  HANDLE File = CreateFileW(Plain.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  CloseHandle(File);
  EXPECT_EQ(GetFileVersionMS(Plain), -1);
  EXPECT_EQ(GetFileVersionMS(L"no such file.dll"), -1);
  Integer ComCtl = GetFileVersionMS(L"comctl32.dll");
  ASSERT_NE(ComCtl, -1);
  EXPECT_EQ(GridUnit().ComCtrlOK, static_cast<uint32_t>(ComCtl) >= 0x00040046u);
}

TEST(GridUnit, FocusOverlayFollowsTheFormThroughTheHook) {
  TTestForm Form(400, 300);
  auto* Grid = new TRezIvevirAvod(Form.Get());
  Grid->SetParent(Form.Get());
  Grid->HandleNeeded();
  Grid->SetCol(2);
  Grid->SetRow(2);
  Pump();
  ASSERT_NE(Grid->FocusWindow(), nullptr);
  Grid->ShowFocusWindow(Grid->CellRect(2, 2));
  HWND Overlay = Grid->FocusWindow()->Handle();
  EXPECT_TRUE(IsWindowVisible(Overlay));
  RECT Before = WindowBounds(Overlay);
  Form->SetBounds(Form->Left() + 40, Form->Top() + 25, Form->Width(), Form->Height());
  Pump();
  RECT After = WindowBounds(Overlay);
  EXPECT_EQ(After.left - Before.left, 40);
  EXPECT_EQ(After.top - Before.top, 25);
  Grid->HideFocusWindow();
  EXPECT_FALSE(IsWindowVisible(Overlay));
  EXPECT_EQ(GridUnit().FocusGrid, nullptr);
  // No overlay shown: moving leaves the hidden window where it is.
  Form->SetBounds(Form->Left() + 40, Form->Top(), Form->Width(), Form->Height());
  Pump();
  EXPECT_EQ(WindowBounds(Overlay).left, After.left);
}
