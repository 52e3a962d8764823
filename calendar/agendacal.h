#pragma once
// The agenda calendar: dated items, the month calendar and its settings.
#include "calendar/CalendarDates.h"
#include "calendar/CalendarSettings.h"
#include "calendar/SelDateItems.h"
#include "calendar/CustomCalendarPanel.h"
#include "calendar/AgendaCalendar.h"
#include "calendar/AgendaCalendarGroup.h"
