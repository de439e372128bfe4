// The command dispatcher of the viewer windows: menu items, accelerators
// passed on by the main window, and buttons.
#pragma once
#include <windows.h>

void ViewerCommand(HWND window, int command, int code);
