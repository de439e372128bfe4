#include <windows.h>

#include "setup/loader.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { return SetupMain(instance); }
