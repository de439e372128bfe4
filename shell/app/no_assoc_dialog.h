// The "NOASSOC" dialog: when no program is associated with a file, the user
// may pick one, and record it for the file's extension.
#pragma once
#include <windows.h>

#include <string_view>

#include "shell/core/file_lists.h"

INT_PTR CALLBACK NoAssocDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// Runs the dialog for extension (the association is offered only when it
// is not empty). True when a program was picked; its path is in program.
bool ChooseProgram(HWND owner, std::string_view extension, char (&program)[kListPathChars]);
