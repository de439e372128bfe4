// Message boxes with the sound of their icon. Every box goes through these
// two pointers, so that tests of the logic around a box can answer it and
// hear which sound a command made without a person.
#pragma once
#include <windows.h>

extern int(WINAPI* gMessageBox)(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
extern BOOL(WINAPI* gMessageBeep)(UINT type);

// Beeps with the sound of the icon, then shows the box; returns its result.
int ReportMessage(HWND owner, const char* text, const char* caption, UINT type);
