#pragma once
// Diagnostics: debugger output and assertions that raise.
#include <source_location>
#include "platform/rtl/Types.h"

namespace jorv {

void OutputDebugStr(const String& text);

// Raises EAssertionFailed when `cond` is false, naming the caller's file and
// line: "message (File.cpp, Zeile 12)".
void Assert(bool cond, const String& msg = String(),
            std::source_location where = std::source_location::current());

}  // namespace jorv
