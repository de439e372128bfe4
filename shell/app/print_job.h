// Printing a file that a viewer library other than the text viewer shows:
// the printer is chosen in the print dialog, then the library prints on
// the dialog's device context while the "Printing" box offers Cancel.
#pragma once
#include <windows.h>

#include "shell/app/viewer_record.h"

INT_PTR CALLBACK PrintingDlgProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam);
// Returns once the box has closed (or the print dialog was cancelled).
void PrintShownFile(HWND window, ViewerRecord* record);
