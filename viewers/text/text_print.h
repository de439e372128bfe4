// Printing the viewed file: the lines formatted as the view shows them
// (wrapped to the page width when word wrap is on) in the view's font
// scaled to the printer, page by page.
#pragma once
#include <windows.h>

#include <commdlg.h>

#include "viewers/base/viewer_window.h"
#include "viewers/common/line_view_state.h"

// ZV_PRINT: whether the document was printed to its end.
bool PrintText(ViewerWindow& window, const LineView& v, const PRINTDLGA* record);
