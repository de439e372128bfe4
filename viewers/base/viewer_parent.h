// What a viewer library asks of, and tells, its parent: the shell's viewer
// window. Every library goes through these, so the messages are sent the
// same way from every one.
#pragma once
#include <windows.h>

// The shared font (nullptr when the parent has none to give).
const LOGFONTA* AskSharedFont(HWND viewer);
COLORREF AskTextColor(HWND viewer);
COLORREF AskBackColor(HWND viewer);
// Whether a selection exists now; the parent enables or greys Copy.
void ReportSelection(HWND viewer, bool hasSelection);
// The status text changed while nothing was asked of the library.
void ReportStatusChanged(HWND viewer);
// Asks the parent to run Save As with name (a 260-character buffer) as the
// suggestion; on OK it comes back as ZV_SAVEAS.
void AskParentToSaveAs(HWND viewer, char* name);
