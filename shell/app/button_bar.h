// The bar above a viewer's window: for now the viewer's status text (the
// buttons come with the button table).
#pragma once
#include <windows.h>

LRESULT CALLBACK ButtonBarProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam);
