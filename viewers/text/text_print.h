// Printing the viewed file: with the standard print dialog when the shell
// hands no record, otherwise on the record's device context. The lines are
// formatted as the view shows them (wrapped to the page width when word
// wrap is on) in the view's font scaled to the printer, page by page.
#pragma once
#include <windows.h>

#include <commdlg.h>

#include "viewers/common/line_view_state.h"
#include "viewers/text/text_state.h"

// ZV_PRINT: 1 when the document was printed to its end.
LRESULT PrintText(LineView& v, TextState& s, const PRINTDLGA* record);
