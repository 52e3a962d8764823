#pragma once
// Helpers of GUI tests: forms on the display, pumping the message loop
// until something happens, real mouse and key messages, pixels of a
// rendered control, and message boxes recorded instead of shown.
#include <functional>
#include <vector>
#include "platform/gfx/Bitmap.h"
#include "platform/ui/ui.h"

namespace jorv::test {

// Handles messages until Done() holds or TimeoutMs passes; true when Done.
bool PumpUntil(const std::function<bool()>& Done, unsigned TimeoutMs = 2000);
// Handles every queued message (and those they post) for a short while.
void Pump(unsigned Ms = 30);

// A plain form shown at a fixed place of the screen, freed at the end of
// the test.
class TTestForm {
 public:
  explicit TTestForm(Integer ClientW = 300, Integer ClientH = 200, bool ShowIt = true);
  ~TTestForm();
  TForm* operator->() const { return FForm; }
  TForm* Get() const { return FForm; }

 private:
  TForm* FForm;
};

// Mouse input in client coordinates of Control (windowless controls go
// through their parent's window). The cursor is moved there first, so
// hover tracking and hints see it where the message says.
void MouseMove(TControl* Control, Integer X, Integer Y);
void MouseDown(TControl* Control, Integer X, Integer Y, TMouseButton Button = mbLeft);
void MouseUp(TControl* Control, Integer X, Integer Y, TMouseButton Button = mbLeft);
void Click(TControl* Control, Integer X, Integer Y);
// Key down and key up posted to the control's window and handled by the
// application's loop, which makes the character of the key as the system
// does.
void KeyPress(TWinControl* Control, Word Key);
void PostChar(TWinControl* Control, Char Ch);
// Keys as the system sends them: to whichever window has the focus (an
// editor over a grid, say), with Shift and Ctrl added to the keyboard state
// while the key is handled (a key held by the test stays held).
void KeyToFocus(Word Key, TShiftState Shift = TShiftState());
// Characters to the focused window one by one; with KeyUps each is followed
// by its key's release, which completion while typing follows.
void TypeToFocus(const String& Text, bool KeyUps = false);

// Timers are fired by sending WM_TIMER to their window instead of waiting
// for them: LiveTimers lists the timers that exist now, NewTimer the one
// created since Before was taken (nullptr when none or several were).
std::vector<TTimer*> LiveTimers();
TTimer* NewTimer(const std::vector<TTimer*>& Before);
void FireTimer(TTimer* Timer);

// Renders Control with PaintTo into a 24-bit bitmap of its size.
class TRendered {
 public:
  explicit TRendered(TControl* Control);
  TColor Pixel(Integer X, Integer Y);
  TBitmap& Bitmap() { return FBitmap; }

 private:
  TBitmap FBitmap;
};

// Records every message box while alive and answers with Answer.
class TMessageBoxRecorder {
 public:
  struct TBox {
    String Text;
    String Caption;
    UINT Flags;
  };
  explicit TMessageBoxRecorder(Integer Answer = IDOK);
  ~TMessageBoxRecorder();
  const std::vector<TBox>& Boxes() const { return FBoxes; }
  void SetAnswer(Integer Value) { FAnswer = Value; }

 private:
  std::vector<TBox> FBoxes;
  Integer FAnswer;
  TMessageBoxHandler FOld;
};

}  // namespace jorv::test
