// Modal dialogs opened from the main window's commands.
#pragma once
#include <windows.h>

// About Tarvo: 1 for OK, 0 for Cancel or the close box.
INT_PTR ShowAboutDialog(HWND owner);
// Freeze Columns: lineText is the current line (at most 515 characters);
// true when the user confirmed a new FreezeColumns.
bool FreezeColumnsDialog(HWND owner, const char* lineText);
