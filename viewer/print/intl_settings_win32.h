// The user's international settings and the local time for the heading.
#pragma once
#include "viewer/print/date_time_text.h"

// Section "intl" of the system profile, read each time a heading is made.
IntlSettings ReadIntlSettings();
ClockFields LocalClock();
