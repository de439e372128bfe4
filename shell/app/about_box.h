// The About box: the program's title in large italic letters.
#pragma once
#include <windows.h>

void ShowAboutBox(HWND owner);
