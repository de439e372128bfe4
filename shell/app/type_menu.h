// The menu of a viewer window for the type of the file it shows, and its
// Filelist popup.
#pragma once
#include <windows.h>

#include "shell/app/viewer_record.h"

// Replaces the window's menu by the menu of record->Type, with its Filelist
// popup; a type without a menu of its own keeps the menu it has.
void SelectTypeMenu(HWND window, ViewerRecord* record);

// Positions of popups every viewer menu has.
constexpr int kFilePopup = 0;
