#pragma once
// The one way into the Windows headers: wide functions, no min/max macros.
#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
// The headers define these as macros for their own A/W pairs; our classes
// use the plain names as members.
#undef GetObject
#undef DrawText
#undef LoadImage
#undef CreateWindow
#undef MessageBox
#undef FindWindow
#undef GetClassName
#undef DeleteFile
#undef CopyFile
#undef MoveFile
#undef SendMessage
#undef PostMessage
#undef GetMessage
#undef DispatchMessage
#undef LoadBitmap
#undef LoadIcon
#undef LoadCursor
#undef TextOut
#undef GetCharWidth
#undef Yield

// An entry point bound by name at run time, as the function type the caller
// declares for it; null when the module lacks it.
template <class TFunction>
inline TFunction ProcAddress(HMODULE Module, const char* Name) {
  return reinterpret_cast<TFunction>(reinterpret_cast<void*>(GetProcAddress(Module, Name)));
}
