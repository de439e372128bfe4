// The window procedure of the viewer windows.
#pragma once
#include <windows.h>

LRESULT CALLBACK ZRWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
