#include "tests/support/ui/Gui.h"
#include <gtest/gtest.h>
#include <algorithm>
#include "platform/ui/WindowProc.h"

namespace jorv::test {

namespace {
// A message box nobody in the test expects (an exception a window
// procedure caught, say) would wait for a click that never comes: it fails
// the running test instead and is answered at once.
const bool UnexpectedBoxesFail = [] {
  SetMessageBoxHandler([](const String& Text, const String& Caption, UINT) -> Integer {
    ADD_FAILURE() << "unexpected message box \"" << Caption.c_str() << "\": " << Text.c_str();
    return IDOK;
  });
  return true;
}();
}  // namespace

// The real system clock: tests may fix the runtime's clock, and pumping must
// still end.
bool PumpUntil(const std::function<bool()>& Done, unsigned TimeoutMs) {
  DWORD Start = ::GetTickCount();
  while (!Done()) {
    if (::GetTickCount() - Start > TimeoutMs) return false;
    Application->ProcessMessages();
    if (Done()) return true;
    // Wakes for the next message or after a few milliseconds, so timers
    // of the system get their turn.
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
  return true;
}

// Handles the queue at least once, and last when the time is up: a busy
// machine may let the whole time pass before this thread runs at all, and
// what was posted must still be handled when the caller goes on.
void Pump(unsigned Ms) {
  DWORD Start = ::GetTickCount();
  for (;;) {
    Application->ProcessMessages();
    DWORD Spent = ::GetTickCount() - Start;
    if (Spent >= Ms) break;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, std::min<DWORD>(5, Ms - Spent), QS_ALLINPUT);
  }
}

TTestForm::TTestForm(Integer ClientW, Integer ClientH, bool ShowIt) : FForm(new TForm(nullptr)) {
  FForm->SetPosition(poDesigned);
  FForm->SetBounds(40, 40, 100, 100);
  FForm->SetClientWidth(ClientW);
  FForm->SetClientHeight(ClientH);
  if (ShowIt) {
    FForm->Show();
    // Tests go on to focus and click in it: wait until it is the active
    // window rather than for a fixed time.
    PumpUntil([this] { return GetActiveWindow() == FForm->Handle(); });
    Pump(10);
  }
}

TTestForm::~TTestForm() { delete FForm; }

namespace {
// Every timer has a message-only window of its own.
std::vector<std::pair<HWND, TTimer*>> TimerWindows() {
  std::vector<std::pair<HWND, TTimer*>> Found;
  HWND Window = nullptr;
  while ((Window = FindWindowExW(HWND_MESSAGE, Window, L"JorvTimer", nullptr)))
    if (auto* Timer = dynamic_cast<TTimer*>(WindowObject(Window))) Found.emplace_back(Window, Timer);
  return Found;
}
}  // namespace

std::vector<TTimer*> LiveTimers() {
  std::vector<TTimer*> Timers;
  for (const auto& [Window, Timer] : TimerWindows()) Timers.push_back(Timer);
  return Timers;
}

TTimer* NewTimer(const std::vector<TTimer*>& Before) {
  TTimer* Found = nullptr;
  for (TTimer* Timer : LiveTimers()) {
    if (std::find(Before.begin(), Before.end(), Timer) != Before.end()) continue;
    if (Found) return nullptr;
    Found = Timer;
  }
  return Found;
}

void FireTimer(TTimer* Timer) {
  for (const auto& [Window, Live] : TimerWindows())
    if (Live == Timer) SendMessageW(Window, WM_TIMER, 1, 0);
}

namespace {
HWND WindowOf(TControl* C, Integer& X, Integer& Y) {
  while (!dynamic_cast<TWinControl*>(C)) {
    X += C->Left();
    Y += C->Top();
    C = C->Parent();
  }
  return static_cast<TWinControl*>(C)->Handle();
}

void PostMouse(TControl* Control, UINT Msg, WPARAM Keys, Integer X, Integer Y) {
  HWND H = WindowOf(Control, X, Y);
  POINT P{X, Y};
  ClientToScreen(H, &P);
  SetCursorPos(P.x, P.y);
  PostMessageW(H, Msg, Keys, MAKELPARAM(static_cast<Word>(X), static_cast<Word>(Y)));
  Pump(5);
}
}  // namespace

void MouseMove(TControl* Control, Integer X, Integer Y) { PostMouse(Control, WM_MOUSEMOVE, 0, X, Y); }

void MouseDown(TControl* Control, Integer X, Integer Y, TMouseButton Button) {
  static const UINT Msg[] = {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN};
  static const WPARAM Keys[] = {MK_LBUTTON, MK_RBUTTON, MK_MBUTTON};
  PostMouse(Control, Msg[Button], Keys[Button], X, Y);
}

void MouseUp(TControl* Control, Integer X, Integer Y, TMouseButton Button) {
  static const UINT Msg[] = {WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONUP};
  PostMouse(Control, Msg[Button], 0, X, Y);
}

void Click(TControl* Control, Integer X, Integer Y) {
  MouseMove(Control, X, Y);
  MouseDown(Control, X, Y);
  MouseUp(Control, X, Y);
}

void KeyPress(TWinControl* Control, Word Key) {
  HWND H = Control->Handle();
  UINT Scan = MapVirtualKeyW(Key, 0);
  PostMessageW(H, WM_KEYDOWN, Key, 1 | (Scan << 16));
  PostMessageW(H, WM_KEYUP, Key, 1 | (Scan << 16) | 0xC0000000);
  Pump(5);
}

void PostChar(TWinControl* Control, Char Ch) {
  PostMessageW(Control->Handle(), WM_CHAR, Ch, 1);
  Pump(5);
}

void KeyToFocus(Word Key, TShiftState Shift) {
  BYTE Saved[256] = {}, State[256] = {};
  GetKeyboardState(Saved);
  std::copy(std::begin(Saved), std::end(Saved), std::begin(State));
  if (Shift.Contains(ssShift)) State[VK_SHIFT] = 0x80;
  if (Shift.Contains(ssCtrl)) State[VK_CONTROL] = 0x80;
  SetKeyboardState(State);
  HWND Target = GetFocus();
  const UINT Scan = MapVirtualKeyW(Key, 0);
  PostMessageW(Target, WM_KEYDOWN, Key, 1 | (Scan << 16));
  PostMessageW(Target, WM_KEYUP, Key, 1 | (Scan << 16) | 0xC0000000);
  Pump(20);
  SetKeyboardState(Saved);
}

void TypeToFocus(const String& Text, bool KeyUps) {
  for (Char Ch : Text) {
    PostMessageW(GetFocus(), WM_CHAR, Ch, 1);
    if (KeyUps) PostMessageW(GetFocus(), WM_KEYUP, VkKeyScanW(Ch) & 0xFF, 0xC0000001);
    Pump(5);
  }
  Pump(20);
}

TRendered::TRendered(TControl* Control) {
  FBitmap.SetPixelFormat(pf24bit);
  FBitmap.SetSize(Control->Width(), Control->Height());
  TCanvas* C = FBitmap.Canvas();
  C->Lock();
  Control->PaintTo(C->Handle(), 0, 0);
  C->Unlock();
}

TColor TRendered::Pixel(Integer X, Integer Y) {
  return FBitmap.Canvas()->Pixels(X, Y);
}

TMessageBoxRecorder::TMessageBoxRecorder(Integer Answer) : FAnswer(Answer) {
  FOld = SetMessageBoxHandler([this](const String& Text, const String& Caption, UINT Flags) {
    FBoxes.push_back({Text, Caption, Flags});
    return FAnswer;
  });
}

TMessageBoxRecorder::~TMessageBoxRecorder() { SetMessageBoxHandler(FOld); }

}  // namespace jorv::test
