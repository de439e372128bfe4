// Layout of the main window: the rows and the line length that fit.
#pragma once
#include <windows.h>

// VW_LAYOUT (sizeChange false) and WM_SIZE: returns 1 when it posted
// VW_REFORMAT.
LRESULT OnLayout(HWND hwnd, bool sizeChange);
void OnSize(HWND hwnd, WPARAM kind, LPARAM size);
// Recomputes LinesPerScreen from the client height and the title rows.
void UpdateLinesPerScreen();
