// Moving the main view: VW_REFORMAT, VW_SHOWOFFSET and VW_GOTOBYTE.
#pragma once
#include <windows.h>

// wParam: line delta; lParam: target offset or -1.
void OnReposition(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
