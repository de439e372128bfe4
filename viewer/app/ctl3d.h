// The optional three-dimensional control library "CTL3D32.DLL", loaded at
// start-up when present and silently left out when missing or unusable.
#pragma once
#include <windows.h>

void LoadCtl3d(HINSTANCE instance);
void UnloadCtl3d(HINSTANCE instance);
