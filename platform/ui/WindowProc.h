#pragma once
// The one way a window reaches the object that handles it. Every window
// class of the library is registered with ObjectWndProc; a map from window
// to target (the object and the member that takes its messages) finds the
// handler, and exceptions that leave a handler stop there and go to
// Application->HandleException. A window is bound while it is created (its
// first message binds it) or, for a native child the library subclasses,
// when it is subclassed; it is unbound after WM_NCDESTROY.
#include <type_traits>
#include "platform/rtl/Object.h"
#include "platform/ui/Messages.h"

namespace jorv {

struct TWindowTarget {
  TObject* Object = nullptr;
  void (*Deliver)(TObject* Object, HWND Window, TMessage& Message) = nullptr;
};

// The target that calls Method on Object: WindowTarget<&TFoo::WndProc>(this).
// Method takes the message, or the window and the message.
template <auto Method, class T>
TWindowTarget WindowTarget(T* Object) {
  return {Object, [](TObject* Target, HWND Window, TMessage& Message) {
            if constexpr (std::is_invocable_v<decltype(Method), T*, HWND, TMessage&>)
              (static_cast<T*>(Target)->*Method)(Window, Message);
            else
              (static_cast<T*>(Target)->*Method)(Message);
          }};
}

LRESULT CALLBACK ObjectWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);

// Registers WindowClass (once per name) with ObjectWndProc as its procedure
// in this module; false when the system refuses it.
bool RegisterWindowClass(WNDCLASSW WindowClass);

// CreateWindowExW for a class registered with RegisterWindowClass, bound to
// Target from its first message on; nullptr when the window is not created.
HWND CreateObjectWindow(const TWindowTarget& Target, DWORD ExStyle, const wchar_t* ClassName,
                        const wchar_t* Caption, DWORD Style, Integer X, Integer Y, Integer Width,
                        Integer Height, HWND Parent, void* Param = nullptr);

// Routes a window of a foreign class (a native control's inner child) to
// Target; returns the procedure it had, for CallWindowProcW and for
// UnsubclassWindow, which restores it and unbinds the window.
WNDPROC SubclassWindow(HWND Window, const TWindowTarget& Target);
void UnsubclassWindow(HWND Window, WNDPROC Original);

// The object a window of ours is bound to, or nullptr.
TObject* WindowObject(HWND Window);

}  // namespace jorv
