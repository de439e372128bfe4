// Checks of dialog fields; a failing check has told the user why (caption
// "Bad Options") and put the focus on the field.
#pragma once
#include <windows.h>

bool ValidateIntField(HWND dialog, int control, int min, int max, const char* name);
