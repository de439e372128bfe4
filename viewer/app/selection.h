// Selecting lines with the mouse.
#pragma once
#include <windows.h>

#include "viewer/view/selection.h"

// VW_SELECTLINE and VW_EXTENDSEL, with the mouse message's wParam and lParam.
void OnSelectLine(HWND hwnd, LPARAM mousePos);
void OnExtendSelection(HWND hwnd, LPARAM mousePos);
// Mouse buttons on the text rows.
void OnLeftButtonDown(HWND hwnd, WPARAM keys, LPARAM mousePos);
void OnLeftButtonDoubleClick(HWND hwnd, LPARAM mousePos);
void OnLeftButtonUp(HWND hwnd);
void OnRightButtonDown(HWND hwnd);
