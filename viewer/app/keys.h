#pragma once
#include <windows.h>

// WM_KEYDOWN: true when the key was handled here.
bool OnKeyDown(HWND hwnd, WPARAM key);
