// Pictures of what the X display shows, saved as PNG files for people to look at.
#pragma once
#include <windows.h>

#include <string>

// Saves the screen area of a window (frame included) as a PNG file; false
// when any step fails.
bool SaveWindowShot(HWND hwnd, const std::string& path);
