// Message boxes (win32/message_report.h) and the Open dialog go through
// seams, so that tests of the logic around them can answer without a person.
#pragma once
#include <windows.h>
#include <commdlg.h>

#include "win32/message_report.h"

extern BOOL(WINAPI* gGetOpenFileName)(LPOPENFILENAMEA ofn);
// Why the Open dialog returned FALSE: 0 for Cancel.
extern DWORD(WINAPI* gCommDlgExtendedError)();

// The caption of the program's message boxes.
constexpr char kProgramCaption[] = "Tarvo";
