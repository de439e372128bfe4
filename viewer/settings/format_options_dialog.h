// The Display Formatting dialog ("FormatOptions"): format and its flags,
// character code, line and tab length, scroll bars, Escape and window
// position. The caller re-measures and reformats afterwards, whatever the
// result.
#pragma once
#include <windows.h>

#include "viewer/settings/view_options.h"

// options is the process record that the Save button writes to the
// profile; setup gives ProfileReadOnly, DiagMode and ProfilePath. True on
// OK or Save.
bool FormatOptionsDialog(HWND mainWindow, ViewOptions& options, const SetupSettings& setup);
