#pragma once
// What the grid keeps once per process: the window hook that keeps the
// focus overlay on its cell while windows move, the registered clipboard
// format and window messages of the grid family, the classes registered
// for form streaming, and the format-settings getters the grid reads.
#include "platform/rtl/WinApi.h"
#include "platform/ui/Control.h"

namespace jorv::grid {

class TRezIvevirAvod;

Char GridTimeSeparator();
Char GridDateSeparator();
Char GridThousandSeparator();
Char GridDecimalSeparator();
String GridShortDateFormat();
String GridShortTimeFormat();
String GridLongTimeFormat();
// Adds WS_EX_TRANSPARENT to the window's extended style.
void MakeWindowTransparent(HWND Handle);
// The file version's high double word (major, minor), -1 without one.
Integer GetFileVersionMS(const String& FileName);
LRESULT CALLBACK FocusWindowHookProc(int Code, WPARAM wParam, LPARAM lParam);

// Start-up and shut-down are counted: the first start-up and the shut-down
// that brings the count back do the work. The grid unit starts itself when
// the program starts and shuts down when it ends.
void GridUnitStartup();
void GridUnitShutdown();

struct TGridUnitState {
  TRezIvevirAvod* FocusGrid = nullptr;
  HHOOK Hook = nullptr;
  Word CellsClipboardFormat = 0;
  Word EditDoneMessage = 0;
  Word EditShowMessage = 0;
  Word EditPropMessage = 0;
  Word DatePickerFocusMessage = 0;
  // comctl32 is 4.70 or later: the date and time picker editors are used.
  bool ComCtrlOK = false;
  String HintFontName;
  TCursor AnchorCursor = crDefault;
  Integer StartCount = 0;
};
TGridUnitState& GridUnit();

}  // namespace jorv::grid
