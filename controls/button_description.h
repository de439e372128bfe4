// The description window of a button bar's button: a small borderless
// popup below the button with its text.
#pragma once
#include <windows.h>

bool RegisterDescriptionClass(HINSTANCE module);
void UnregisterDescriptionClass(HINSTANCE module);
