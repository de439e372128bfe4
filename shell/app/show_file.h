// Showing a file of a viewer window's list: its type decided, the menu of
// the type, the type's viewer library loaded and its window created, and
// the file opened in it.
#pragma once
#include <windows.h>

#include "shell/app/viewer_record.h"

// Shows Files[index] in the viewer for record's Type.
void ShowFile(HWND window, int index, bool activate);

// Detects the type of Files[index], selects the menu and shows the file;
// false (nothing changed) when the file cannot be read or the user goes on
// editing the file shown.
bool OpenListEntry(HWND window, int index, bool activate);

// Takes the viewer's status text again into the record and the button
// bar, after a command that may have changed it (zoom, Rotate).
void RefreshStatus(ViewerRecord* record);

// Detects the type of path into record->Type; false when it cannot be read.
bool DetectViewerType(HWND owner, ViewerRecord* record, char* path);
