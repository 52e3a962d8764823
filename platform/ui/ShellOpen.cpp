#include "platform/ui/ShellOpen.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/WinApi.h"
#include <shellapi.h>

namespace jorv {

namespace {

TShellOpenHandler& Handler() {
  static TShellOpenHandler H;
  return H;
}

}  // namespace

bool IsLinkAddress(const String& Address) {
  const String Lower = LowerCase(Address);
  for (const wchar_t* Scheme : {L"http://", L"https://", L"mailto:"}) {
    if (Lower.rfind(Scheme, 0) == 0) return true;
  }
  return false;
}

bool OpenLink(const String& Address) {
  if (!IsLinkAddress(Address)) return false;
  if (Handler())
    Handler()(Address);
  else
    ::ShellExecuteW(nullptr, L"open", Address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  return true;
}

TShellOpenHandler SetShellOpenHandler(TShellOpenHandler Handler_) {
  TShellOpenHandler Old = std::move(Handler());
  Handler() = std::move(Handler_);
  return Old;
}

}  // namespace jorv
