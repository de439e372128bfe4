// The "Settings" dialog: the launcher's automatic view, opening and
// raising viewer windows for the file manager, and the main window's icon.
#pragma once
#include <windows.h>

INT_PTR CALLBACK SettingsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// Runs the dialog; 1 after OK (the settings are kept and applied), 0 after
// Cancel.
INT_PTR ShowSettingsDialog(HWND owner);
