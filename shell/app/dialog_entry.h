// What the find and go-to dialogs share: the viewer window's record they
// work for, their one-line entry fields, the control library's centring and
// colours.
#pragma once
#include <windows.h>

#include "shell/app/viewer_record.h"

// At WM_INITDIALOG: the dialog centred and the record of initParam kept.
ViewerRecord* StartViewerDialog(HWND dialog, LPARAM initParam);
ViewerRecord* ViewerDialogRecord(HWND dialog);

// Field id limited to limit characters, holding text, all of it selected;
// its handle.
HWND PrepareEntry(HWND dialog, int id, int limit, const char* text);

// True for the colour messages, which the control library answers.
bool IsDialogColorMessage(UINT message);

// The name of the shown file after its last backslash.
const char* ShownFileName(const ViewerRecord& record);
