// The viewer's DDE server under the names of dde_names.h, execute
// transactions only; each command becomes a command or message of the main
// window.
#pragma once
#include <windows.h>

// 1 when the server runs (also when registering its name failed, after a
// message); 0, after a message, when the DDE library would not start.
int StartDdeServer(HINSTANCE instance, HWND mainWindow);
void StopDdeServer();
