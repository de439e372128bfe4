// The screen colours: the Color Selection dialog ("FormatColors"), a small
// picture of the viewer window whose samples pick the colour to change, and
// the platform's colour dialog behind its Change button.
#pragma once
#include <windows.h>

#include "viewer/settings/color_table.h"

// Edits a copy of the whole table; OK commits the copy to `colors` (true),
// Cancel leaves it alone (false).
bool ColorDialog(HWND owner, ColorTable& colors);

// The platform's colour dialog in its short form, opened at `color`; the
// chosen colour, or `color` when cancelled. Its custom colours last for the
// run.
COLORREF PickColor(HWND owner, COLORREF color);
