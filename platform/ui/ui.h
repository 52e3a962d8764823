#pragma once
// Umbrella header of the visual class library's core.
#include "platform/ui/Messages.h"
#include "platform/ui/Control.h"
#include "platform/ui/WinControl.h"
#include "platform/ui/CustomControl.h"
#include "platform/ui/ScrollingWinControl.h"
#include "platform/ui/Form.h"
#include "platform/ui/Application.h"
#include "platform/ui/Screen.h"
#include "platform/ui/HintWindow.h"
#include "platform/ui/Timer.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Clipboard.h"
