// Printing in the view's font: the font a window shows its text in, scaled
// from the screen's resolution to the printer's, so a page shows the text
// at the size it has on the screen.
#pragma once
#include <windows.h>

#include "viewers/base/viewer_print.h"

// The font of window, lf, at printer's resolution (nullptr on failure).
HFONT CreatePrinterFont(HWND window, LOGFONTA lf, HDC printer);
// Runs content with that font selected into job.Dc(); false when the font
// could not be made, else what content returns.
bool PrintInFont(HWND window, const LOGFONTA& lf, PrintJob& job, const PrintContent& content);
