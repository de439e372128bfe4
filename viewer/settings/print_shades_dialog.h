// The Print Shade Selection dialog ("FormatShades"): the nine print shades
// of the colour table as numbers from 0 (white) to 8 (black).
#pragma once
#include <windows.h>

#include "viewer/settings/color_table.h"

// colors is the process table that the Save button writes to the profile;
// nothing changes in it before OK or Save, which return true.
bool PrintShadesDialog(HWND owner, ColorTable& colors);
