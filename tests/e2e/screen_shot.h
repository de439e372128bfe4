// Pictures of what the X display shows, saved as PNG files for people to look at.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

// Saves the screen area of a window (frame included) as a PNG file; false
// when any step fails.
bool SaveWindowShot(HWND hwnd, const std::string& path);
// Copies a screen rectangle into 32-bit top-down pixels (blue, green, red,
// unused); empty on failure.
std::vector<BYTE> ScreenPixels(const RECT& r);
