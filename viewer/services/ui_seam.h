// Message boxes and the Open dialog go through these, so that tests of the
// logic around them can answer without a person.
#pragma once
#include <windows.h>
#include <commdlg.h>

extern int(WINAPI* gMessageBox)(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
extern BOOL(WINAPI* gGetOpenFileName)(LPOPENFILENAMEA ofn);
// Beeps too, so that tests can hear which sound a command made.
extern BOOL(WINAPI* gMessageBeep)(UINT type);

// The caption of the program's message boxes.
constexpr char kProgramCaption[] = "Tarvo";

// Beeps with the sound of the icon, then shows the box.
int ReportMessage(HWND owner, const char* text, const char* caption, UINT type);
