// The command dispatcher of the viewer windows: menu items, accelerators
// passed on by the main window, and buttons.
#pragma once
#include <windows.h>

// The code of a button's command: command is then the button's index in
// ShellState.ButtonTable.
constexpr int kButtonIndexCode = 0xFFFF;

void ViewerCommand(HWND window, int command, int code);
