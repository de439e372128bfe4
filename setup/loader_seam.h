// The loader's one message box goes through this, so that tests of the
// loader's logic can read it without a window.
#pragma once
#include <windows.h>

extern int(WINAPI* gSetupMessageBox)(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
