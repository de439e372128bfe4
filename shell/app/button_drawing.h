// Drawing one button of a viewer window's button bar: its face, normal or
// greyed as the command table says, its pressed or raised edges and the
// letter of its key.
#pragma once
#include <windows.h>

void DrawBarButton(HWND viewer, const DRAWITEMSTRUCT& item);
// Whether the button of that table entry is greyed in this viewer window.
bool ButtonGreyed(HWND viewer, int code);
