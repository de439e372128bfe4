// Start-up and shutdown of the text viewer, in the order the program entry
// runs them; split into steps so tests can run the window part in-process.
#pragma once
#include <windows.h>

// Chooses and reads the profile, parses the command line, loads the profile
// groups and applies the switches.
void PrepareSettings(HINSTANCE instance, const char* commandLine);
// Registers the class "TARVO"; false on failure (after the message box).
bool RegisterMainClass(HINSTANCE instance);
// Creates the main window; nullptr on failure (after the message box).
HWND CreateMainWindow(HINSTANCE instance);
// The whole program: returns the quit message's wParam, -1 or -2.
int TarvoMain(HINSTANCE instance, HINSTANCE previous, const char* commandLine, int show);
