// The main window's search commands: Find Text (151), Find Hex (152),
// Find Next (153) and Mark All (154).
#pragma once
#include <windows.h>

void OnFindDialog(HWND hwnd, int command);
void FindNext(HWND hwnd);
void MarkAll(HWND hwnd);
