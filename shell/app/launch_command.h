// Launch: the shown file opened by the program the platform associates
// with it, or by one the user picks.
#pragma once
#include <windows.h>

#include "shell/app/viewer_record.h"

void LaunchCurrentFile(HWND window, const ViewerRecord* record);
