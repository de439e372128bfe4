// The edit controls of the find and go-to dialogs are subclassed with these
// filters. The hex find dialog's two fields rewrite each other after every
// keystroke; the other filters refuse, with the warning beep, what does not
// belong in their field. The previous procedure is kept in the edit's user
// data and put back with RestoreEditProc.
#pragma once
#include <windows.h>

LRESULT CALLBACK ASCIIFindEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK HexFindEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK GoToEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK NumEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);

void SubclassEdit(HWND edit, WNDPROC filter);
void RestoreEditProc(HWND edit);
