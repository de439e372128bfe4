// The Find Text and Find Hex dialogs. Accepted, they have defined the search
// (gSearch) and promoted its text in the recent list; they return 1, and 0
// when cancelled.
#pragma once
#include <windows.h>

INT_PTR RunFindTextDialog(HWND owner);
INT_PTR RunFindHexDialog(HWND owner);

// Loads a recent-search list the first time it is needed in this run.
void LoadRecentTexts();
void LoadRecentHex();
