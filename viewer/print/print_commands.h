// The print commands of the main window: Print, Print Tags, Print Page and
// the two without a dialog that other programs ask for.
#pragma once
#include <windows.h>

// viewFont: the viewer's logical font, which the job sizes for the printer.
void PrintCommand(HWND hwnd, int command, const LOGFONTA& viewFont);
