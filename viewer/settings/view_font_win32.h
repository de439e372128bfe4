// The viewer's font as the platform's logical font: built from the display
// options for every place that draws the file's text (screen, Freeze
// Columns sample, printer), and chosen with the platform's font dialog.
#pragma once
#include <windows.h>

#include "viewer/settings/view_options.h"

// The logical font of the options at `height` (the logical-font height:
// negative for a character height in the device's pixels).
LOGFONTA ViewLogFont(const ViewOptions& options, LONG height);

// The platform's font dialog, opened at the options' font. On OK the
// options take the chosen face, the point size (whole points) and every
// other field the dialog set; true. False when cancelled (nothing changes).
bool ChooseViewFont(HWND owner, ViewOptions& options);
