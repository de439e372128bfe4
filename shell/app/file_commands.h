// The viewer commands that bring files in or write them out: Open, New
// Window and Save As.
#pragma once
#include <windows.h>

#include "shell/app/viewer_record.h"

// The open-file dialog; the chosen file goes in front of the list and is shown.
void OpenWithDialog(HWND window, ViewerRecord* record);
// A new viewer window with a copy of this window's list (entry 0 shown).
void NewViewerWithList(const ViewerRecord* record);
// Save As of the text viewer: the save-file dialog starting at name (the
// current path, or the name the viewer asked with); on OK the viewer is
// told to save under the chosen name.
void SaveTextAs(ViewerRecord* record, const char* name);
// Save As of a picture: the save-file dialog with the six picture formats,
// asking before a file is overwritten; the viewer is told the chosen name
// and the format (the filter's position from 0).
void SavePictureAs(ViewerRecord* record);
// Save As of the shown file, the text viewer's or a picture's.
void SaveShownFileAs(ViewerRecord* record);
