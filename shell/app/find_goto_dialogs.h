// The find and go-to dialogs of the viewer windows. They are modal, owned
// by the viewer window, remember their last entry in its record and reach
// the viewer only through the contract's messages to its child window.
#pragma once
#include <windows.h>

#include "shell/app/viewer_record.h"

// Find: the hex viewer's dialog with its ASCII and hex fields, else the
// text dialog.
void ShowFindDialog(HWND window, ViewerRecord* record);
// Go To by the type's dialog: byte offset, record number or cell; nothing
// for a type without one.
void ShowGoToDialog(HWND window, ViewerRecord* record);

INT_PTR CALLBACK FindDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK HexFindDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK GoToDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK DBFGoToDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK WKSGoToDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
