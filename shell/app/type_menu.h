// The menu of a viewer window for the type of the file it shows, with the
// command flags that go with it, and its Filelist popup.
#pragma once
#include <windows.h>

#include "shell/app/viewer_record.h"

// Replaces the window's menu by the menu of record->Type and sets the
// record's command flags; type 27 keeps the menu it has.
void SelectTypeMenu(HWND window, ViewerRecord* record);

// Positions of popups every viewer menu has.
constexpr int kFilePopup = 0;
constexpr int kEditPopup = 1;
constexpr int kViewPopup = 2;
constexpr int kZoomPopup = 4;
