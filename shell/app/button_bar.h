// The button bar above a viewer's window (class "ZRBUTTON"): one owner-drawn
// button per entry of the button table, with a tool tip and, after the
// pointer rests on a button for a second, the control library's
// description window; to the right of the buttons the viewer's status text.
#pragma once
#include <windows.h>

LRESULT CALLBACK ButtonBarProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam);

// A new bar across the top of a viewer window; nullptr when it cannot be
// made. Its buttons come only when the window is not minimised.
HWND CreateButtonBar(HWND viewer);
// Where the status text starts: after every button and gap of the table.
int StatusTextLeft();
