#pragma once
// Hands link addresses to the shell's "open" action. Addresses that come
// from data (anchors, cells) may name programs or paths; only web and mail
// links are passed on.
#include <functional>
#include "platform/rtl/Types.h"

namespace jorv {

// "http://", "https://" or "mailto:" at the start, without regard to case.
bool IsLinkAddress(const String& Address);
// Opens Address with the shell when it is a link address; false (and
// nothing opened) otherwise.
bool OpenLink(const String& Address);

using TShellOpenHandler = std::function<void(const String& Address)>;
// Replaces the shell call, so that tests record links instead of starting
// a browser; an empty handler restores the shell. Returns the previous one.
TShellOpenHandler SetShellOpenHandler(TShellOpenHandler Handler);

}  // namespace jorv
