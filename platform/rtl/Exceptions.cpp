#include "platform/rtl/Exceptions.h"
#include "platform/rtl/WinApi.h"

namespace jorv {

const char* Exception::what() const noexcept {
  if (FWhat.empty() && !FMessage.empty()) {
    int n = WideCharToMultiByte(CP_UTF8, 0, FMessage.data(), (int)FMessage.size(),
                                nullptr, 0, nullptr, nullptr);
    FWhat.resize(n);
    WideCharToMultiByte(CP_UTF8, 0, FMessage.data(), (int)FMessage.size(), FWhat.data(),
                        n, nullptr, nullptr);
  }
  return FWhat.c_str();
}

void Abort() { throw EAbort(L"Operation aborted"); }

}  // namespace jorv
