// The viewer commands that change how the current file is shown: zoom, word
// wrap, and the ASCII, Hex, Viewer and Edit views.
#pragma once
#include <windows.h>

#include "shell/app/viewer_record.h"

void SetZoom(ViewerRecord* record, int zoom);
void ToggleWordWrap(ViewerRecord* record);
void ShowAsText(HWND window, ViewerRecord* record);
void ShowAsHex(HWND window, ViewerRecord* record);
// The viewer of the file's own type ("no special viewer" for plain text).
void ShowInOwnViewer(HWND window, ViewerRecord* record);
void StartEditing(HWND window, ViewerRecord* record);
// Back from edit mode to view mode, the viewer asking about unsaved
// changes; false when the user chose to go on editing. Every path that
// would replace or destroy an editing viewer asks this first.
bool LeaveEditing(ViewerRecord* record);
// LeaveEditing for every open viewer window, before the program ends;
// false as soon as one of them goes on editing.
bool LeaveEditingEverywhere();
