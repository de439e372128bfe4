// Telling the launcher extension that the shared settings changed.
#pragma once
#include <windows.h>

// Loads KPL.DLL, calls its entry point with (main, settings changed, 0)
// and frees it; a missing library or entry point is skipped silently.
void NotifyLauncher(HWND main);
