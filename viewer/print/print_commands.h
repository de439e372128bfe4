// The print commands of the main window: Print, Print Tags, Print Page and
// the two without a dialog that other programs ask for.
#pragma once
#include <windows.h>

void PrintCommand(HWND hwnd, int command);
