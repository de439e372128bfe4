// The Always on Top state of the main window (commands 315 and 316).
#pragma once
#include <windows.h>

void OnAlwaysOnTop(HWND hwnd, int command);
