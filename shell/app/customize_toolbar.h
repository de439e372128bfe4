// Customize Toolbar: the toolbar library's dialog edits the buttons, and
// every viewer window's bar is made again from what it stored.
#pragma once
#include <windows.h>

void CustomizeToolbar(HWND viewer);
