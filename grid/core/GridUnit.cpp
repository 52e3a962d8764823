#include "grid/core/GridUnit.h"
#include <vector>
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/ui/ScrollBar.h"

namespace jorv::grid {

TGridUnitState& GridUnit() {
  static TGridUnitState state;
  return state;
}

Char GridTimeSeparator() { return FormatSettings().TimeSeparator; }
Char GridDateSeparator() { return FormatSettings().DateSeparator; }
Char GridThousandSeparator() { return FormatSettings().ThousandSeparator; }
Char GridDecimalSeparator() { return FormatSettings().DecimalSeparator; }
String GridShortDateFormat() { return FormatSettings().ShortDateFormat; }
String GridShortTimeFormat() { return FormatSettings().ShortTimeFormat; }
String GridLongTimeFormat() { return FormatSettings().LongTimeFormat; }

void MakeWindowTransparent(HWND Handle) {
  LONG_PTR Style = GetWindowLongPtrW(Handle, GWL_EXSTYLE);
  SetWindowLongPtrW(Handle, GWL_EXSTYLE, Style | WS_EX_TRANSPARENT);
}

Integer GetFileVersionMS(const String& FileName) {
  DWORD Dummy = 0;
  DWORD Size = GetFileVersionInfoSizeW(FileName.c_str(), &Dummy);
  if (Size == 0) return -1;
  std::vector<Byte> Buffer(Size);
  if (!GetFileVersionInfoW(FileName.c_str(), 0, Size, Buffer.data())) return -1;
  VS_FIXEDFILEINFO* Info = nullptr;
  UINT Length = 0;
  if (!VerQueryValueW(Buffer.data(), L"\\", reinterpret_cast<void**>(&Info), &Length) || !Info ||
      Length < sizeof(VS_FIXEDFILEINFO) || Info->dwSignature != 0xFEEF04BD)
    return -1;
  return static_cast<Integer>(Info->dwFileVersionMS);
}

LRESULT CALLBACK FocusWindowHookProc(int Code, WPARAM wParam, LPARAM lParam) {
  const auto* Message = reinterpret_cast<const CWPSTRUCT*>(lParam);
  TGridUnitState& Unit = GridUnit();
  if (Code >= 0 && Message && Unit.FocusGrid &&
      (Message->message == WM_WINDOWPOSCHANGING || Message->message == WM_WINDOWPOSCHANGED))
    Unit.FocusGrid->UpdateFocusWindow();
  return CallNextHookEx(Unit.Hook, Code, wParam, lParam);
}

namespace {

// The grid's own classes that exist; the editor and drop-down classes
// register themselves with their own files.
void RegisterGridClasses() {
  RegisterClass<TRezIvevirAvod>(L"TRezIvevirAvod");
  RegisterClass<TScrollBar>(L"TScrollBar");
}

}  // namespace

struct TGridUnitLifetime {
  TGridUnitLifetime() { GridUnitStartup(); }
  ~TGridUnitLifetime() { GridUnitShutdown(); }
};

void GridUnitStartup() {
  TGridUnitState& Unit = GridUnit();
  if (Unit.StartCount++ > 0) return;
  (void)OleInitialize(nullptr);
  Unit.FocusGrid = nullptr;
  if (!Unit.Hook) Unit.Hook = SetWindowsHookExW(WH_CALLWNDPROC, FocusWindowHookProc, nullptr, GetCurrentThreadId());
  RegisterGridClasses();
  Integer ComCtlVersion = GetFileVersionMS(L"comctl32.dll");
  Unit.ComCtrlOK = ComCtlVersion != -1 && static_cast<uint32_t>(ComCtlVersion) >= 0x00040046u;
  Unit.CellsClipboardFormat = static_cast<Word>(RegisterClipboardFormatW(L"TRezIvevirAvod Cells"));
  Unit.EditDoneMessage = static_cast<Word>(RegisterWindowMessageW(L"GridEditDone"));
  Unit.EditShowMessage = static_cast<Word>(RegisterWindowMessageW(L"GridEditShow"));
  Unit.EditPropMessage = static_cast<Word>(RegisterWindowMessageW(L"GridEditProp"));
  Unit.DatePickerFocusMessage = static_cast<Word>(RegisterWindowMessageW(L"DTPShiftFocus"));
}

void GridUnitShutdown() {
  TGridUnitState& Unit = GridUnit();
  if (Unit.StartCount == 0 || --Unit.StartCount > 0) return;
  OleUninitialize();
  if (Unit.Hook) {
    UnhookWindowsHookEx(Unit.Hook);
    Unit.Hook = nullptr;
  }
  Unit.HintFontName.clear();
}

// Runs with the program's start-up and shut-down; every grid reaches
// GridUnit(), so the linker keeps this file with the grid.
TGridUnitLifetime GridUnitLifetime;

}  // namespace jorv::grid
