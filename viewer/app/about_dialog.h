// The About Tarvo dialog.
#pragma once
#include <windows.h>

// About Tarvo: 1 for OK, 0 for Cancel or the close box.
INT_PTR ShowAboutDialog(HWND owner);
