#include "setup/loader_seam.h"

int(WINAPI* gSetupMessageBox)(HWND, LPCSTR, LPCSTR, UINT) = MessageBoxA;
