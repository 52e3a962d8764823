#pragma once
// Umbrella header of the runtime.
#include "platform/rtl/WinApi.h"
#include "platform/rtl/Types.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/Math.h"
#include "platform/rtl/Clock.h"
#include "platform/rtl/Object.h"
#include "platform/rtl/Component.h"
