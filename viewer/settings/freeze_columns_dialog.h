// The Freeze Columns dialog: the number of columns locked at the left, typed
// or picked by placing the caret in a sample line or the ruler.
#pragma once
#include <windows.h>

#include "viewer/settings/view_options.h"

// lineText is the current line (at most 515 characters); true when the user
// confirmed a new options.FreezeColumns. The font fields of options give the
// sample's font.
bool FreezeColumnsDialog(HWND owner, const char* lineText, ViewOptions& options);
