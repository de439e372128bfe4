// Help with "TARVO.HLP", for the main window and every dialog's Help button.
#pragma once
#include <windows.h>

// Beeps when help cannot start.
void ShowHelp(HWND hwnd, UINT command, ULONG_PTR data);
