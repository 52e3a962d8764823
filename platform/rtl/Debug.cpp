#include "platform/rtl/Debug.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/WinApi.h"

namespace jorv {

void OutputDebugStr(const String& text) { OutputDebugStringW(text.c_str()); }

void Assert(bool cond, const String& msg, std::source_location where) {
  if (cond) return;
  String file = ExtractFileName(UTF8Decode(where.file_name()));
  throw EAssertionFailed(Format(L"%s (%s, Zeile %d)",
                                {msg.empty() ? String(L"Assertion failed") : msg, file,
                                 Integer(where.line())}));
}

}  // namespace jorv
