// The mouse wheel: the vertical wheel scrolls by the system's lines per
// notch (or a page), with Ctrl it zooms; the horizontal wheel scrolls
// sideways by the system's characters per notch.
#pragma once
#include <windows.h>

void OnMouseWheel(HWND hwnd, WPARAM wParam);
void OnMouseHWheel(HWND hwnd, WPARAM wParam);
