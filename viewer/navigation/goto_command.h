// The main window's Go To command (155): the dialog, then the move to the
// top or bottom of the file, to a byte offset or to the first line of a
// page that the page index found.
#pragma once
#include <windows.h>

void GoTo(HWND hwnd);
