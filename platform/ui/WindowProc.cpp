#include "platform/ui/WindowProc.h"
#include <mutex>
#include <unordered_map>
#include "platform/ui/Application.h"

namespace jorv {

namespace {

// The target of a window being created on this thread: the first message of
// the new window binds the two.
thread_local TWindowTarget CreationTarget;

struct TWindowMap {
  std::mutex Lock;
  std::unordered_map<HWND, TWindowTarget> Targets;
};

TWindowMap& Windows() {
  static TWindowMap Map;
  return Map;
}

void Bind(HWND Window, const TWindowTarget& Target) {
  auto& Map = Windows();
  std::lock_guard Guard(Map.Lock);
  Map.Targets[Window] = Target;
}

void Unbind(HWND Window, TObject* Object) {
  auto& Map = Windows();
  std::lock_guard Guard(Map.Lock);
  auto It = Map.Targets.find(Window);
  if (It != Map.Targets.end() && It->second.Object == Object) Map.Targets.erase(It);
}

TWindowTarget Find(HWND Window) {
  auto& Map = Windows();
  std::lock_guard Guard(Map.Lock);
  auto It = Map.Targets.find(Window);
  return It == Map.Targets.end() ? TWindowTarget{} : It->second;
}

}  // namespace

LRESULT CALLBACK ObjectWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
  TWindowTarget Target = Find(Window);
  if (!Target.Object) {
    Target = CreationTarget;
    if (!Target.Object) return DefWindowProcW(Window, Msg, WParam, LParam);
    CreationTarget = {};
    Bind(Window, Target);
  }
  TMessage Message{Msg, WParam, LParam, 0};
  try {
    Target.Deliver(Target.Object, Window, Message);
  } catch (...) {
    // Exceptions must not unwind through the system's frames; the
    // application shows them.
    if (Application) Application->HandleException(Target.Object);
  }
  if (Msg == WM_NCDESTROY) Unbind(Window, Target.Object);
  return Message.Result;
}

bool RegisterWindowClass(WNDCLASSW WindowClass) {
  HINSTANCE Instance = GetModuleHandleW(nullptr);
  WNDCLASSW Existing{};
  if (GetClassInfoW(Instance, WindowClass.lpszClassName, &Existing)) return true;
  WindowClass.lpfnWndProc = ObjectWndProc;
  WindowClass.hInstance = Instance;
  return RegisterClassW(&WindowClass) != 0;
}

HWND CreateObjectWindow(const TWindowTarget& Target, DWORD ExStyle, const wchar_t* ClassName,
                        const wchar_t* Caption, DWORD Style, Integer X, Integer Y, Integer Width,
                        Integer Height, HWND Parent, void* Param) {
  CreationTarget = Target;
  HWND Window = CreateWindowExW(ExStyle, ClassName, Caption, Style, X, Y, Width, Height, Parent, nullptr,
                                GetModuleHandleW(nullptr), Param);
  CreationTarget = {};
  // No message reached the procedure during creation.
  if (Window && !Find(Window).Object) Bind(Window, Target);
  return Window;
}

WNDPROC SubclassWindow(HWND Window, const TWindowTarget& Target) {
  Bind(Window, Target);
  return reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(Window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ObjectWndProc)));
}

void UnsubclassWindow(HWND Window, WNDPROC Original) {
  SetWindowLongPtrW(Window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Original));
  auto& Map = Windows();
  std::lock_guard Guard(Map.Lock);
  Map.Targets.erase(Window);
}

TObject* WindowObject(HWND Window) { return Window ? Find(Window).Object : nullptr; }

}  // namespace jorv
