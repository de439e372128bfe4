// The button table that every viewer window's button bar shows, read from
// section "mainbuttons" of ZR.INI, and the bitmaps its buttons are drawn
// from.
#pragma once
#include <windows.h>

// Loads "htbuttons", "zrgbuttons", "altkeys" and "ctlkeys" into ShellState.
void LoadButtonBitmaps();
void DeleteButtonBitmaps();

// A new ButtonTable from ZR.INI, each entry with its tool-tip text; false
// when the table cannot be allocated (there is then none).
bool ReadButtonTable();
void FreeButtonTable();

// The index of the button that Alt or Ctrl with this character runs; -1
// when none does.
int ButtonForKey(int character, bool ctrl);
