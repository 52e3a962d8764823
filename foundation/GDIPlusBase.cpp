#include "foundation/GDIPlusBase.h"

#include <new>

#include "foundation/GDIPlusFlat.h"
#include "platform/gfx/Colors.h"
#include "platform/rtl/Exceptions.h"

namespace jorv::foundation {

using namespace gdipflat;

namespace {

ULONG_PTR StartupToken = 0;
ULONG_PTR HookToken = 0;
GdiplusStartupInput StartupInput;
GdiplusStartupOutput StartupOutput;
bool Started = false;

// Before Windows Vista GDI+ without its background thread needs the
// caller to run its notification hook.
bool NeedsNotificationHook() {
  OSVERSIONINFOW Info{};
  Info.dwOSVersionInfoSize = sizeof(Info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExW(&Info)) return false;
#pragma GCC diagnostic pop
  return Info.dwMajorVersion < 6;
}

void Startup() {
  if (Started) return;
  StartupInput = GdiplusStartupInput{};
  StartupInput.GdiplusVersion = 1;
  StartupInput.DebugEventCallback = nullptr;
  StartupInput.SuppressBackgroundThread = TRUE;
  StartupInput.SuppressExternalCodecs = FALSE;
  StartupOutput = GdiplusStartupOutput{};
  if (GdiplusStartup(&StartupToken, &StartupInput, &StartupOutput) != Ok) return;
  Started = true;
  if (NeedsNotificationHook() && StartupOutput.NotificationHook)
    StartupOutput.NotificationHook(&HookToken);
}

// A library must not shut GDI+ down from its own unloading (the loader
// lock is held then); its host does it.
bool LinkedIntoLibrary() {
  HMODULE Self = nullptr;
  GetModuleHandleExW(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCWSTR>(&StartupToken), &Self);
  return Self && Self != GetModuleHandleW(nullptr);
}

void Shutdown() {
  if (!Started || LinkedIntoLibrary()) return;
  if (NeedsNotificationHook() && StartupOutput.NotificationUnhook)
    StartupOutput.NotificationUnhook(HookToken);
  GdiplusShutdown(StartupToken);
  Started = false;
}

// GDI+ runs for the whole life of any program that links the layer.
struct TGdiplusStartup {
  TGdiplusStartup() { Startup(); }
  ~TGdiplusStartup() { Shutdown(); }
} GdiplusUnit;

}  // namespace

ARGB ColorToGPColor(TColor Color) {
  const uint32_t Rgb = uint32_t(ColorToRGB(Color));
  return OpaqueARGBColor(uint8_t(Rgb), uint8_t(Rgb >> 8), uint8_t(Rgb >> 16));
}

void* TGdiplusBase::operator new(std::size_t Size) {
  void* P = GdipAlloc(Size);
  if (!P) {
    Startup();
    P = GdipAlloc(Size);
  }
  if (!P) throw EOutOfMemory(L"Out of memory");
  return P;
}

void TGdiplusBase::operator delete(void* P) noexcept {
  if (P) GdipFree(P);
}

}  // namespace jorv::foundation
