#pragma once
// "Now" and the millisecond tick, from a source that tests can replace.
#include <functional>
#include "platform/rtl/Types.h"

namespace jorv {

TDateTime Now();
TDateTime Date();  // today at midnight
TDateTime Time();  // the time of day, in [0, 1)
Cardinal GetTickCount();

// Replaces the source of Now(); an empty function restores the system clock.
void SetClockSource(std::function<TDateTime()> source);
// Replaces the source of GetTickCount(); an empty function restores it.
void SetTickSource(std::function<Cardinal()> source);

}  // namespace jorv
