// Setup.exe: shows the "please wait" box, copies the runtime libraries into
// the system directory and starts the installer beside the loader.
#pragma once
#include <windows.h>

// Moves the box to the middle of the screen horizontally and a third down.
INT_PTR CALLBACK SetupDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Copies the libraries from loaderDir (ending in a backslash, or empty) and
// starts its installer; reports a failure to start it. Never fails itself.
void RunLoader(const char* loaderDir);

// The whole program; always returns 0.
int SetupMain(HINSTANCE instance);
