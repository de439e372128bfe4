// Command handlers of the main window, called by the command router.
#pragma once
#include <windows.h>

// Display Formatting (161): the dialog, then the view re-measured and formatted again.
void FormatOptions(HWND hwnd);
// After new display options: the font made again, the view re-measured,
// formatted again and repainted.
void ApplyViewOptions(HWND hwnd);
// Save Options (164), Save Setup (165), Load Setup (166), and the reload of
// the current setup (167) that follows start-up with a setup name.
void SaveOptionsCommand(HWND hwnd);
void SaveSetupCommand(HWND hwnd);
void LoadSetupCommand(HWND hwnd);
void ReloadSetup(HWND hwnd);
// Font (162): the font dialog, then as after Display Formatting. Colour
// (163): the Color Selection dialog, then a repaint.
void FontCommand(HWND hwnd);
void ColorCommand(HWND hwnd);
// Ignore DDE (107): stops the DDE server when it runs, else starts it.
void ToggleIgnoreDde(HWND hwnd);
// Text, Hex Dump, Raw Text (311-313) and Wrap (314).
void SwitchFormat(HWND hwnd, int format);
void ToggleWrap(HWND hwnd);
// Select All (172) and Unselect (173).
void SelectAll(HWND hwnd);
void Unselect(HWND hwnd);
// Freeze Title (136), Clear Title (137), Freeze Columns (138), Clear Columns (139).
void FreezeTitle(HWND hwnd);
void ClearTitle(HWND hwnd);
void FreezeColumns(HWND hwnd);
void ClearColumns(HWND hwnd);
// The Mark menu: Toggle (131), Next (132), Unmark All (133), Set (134),
// Reset (135).
void ToggleMark(HWND hwnd);
void NextMark(HWND hwnd);
void UnmarkAll(HWND hwnd);
void SetMarks(HWND hwnd);
void ResetMarks(HWND hwnd);
// Copy (171).
void CopyCommand(HWND hwnd);
