// Save As of the text library: the edited text, or in view mode a copy of
// the viewed file, written to a temporary file beside the target that
// replaces the target only once everything was written.
#pragma once
#include <windows.h>

#include "viewers/common/line_view_state.h"
#include "viewers/text/text_state.h"

// ZV_SAVEAS: 1 when the target was written; a failure is reported in a
// message box and leaves the target as it was.
LRESULT SaveTextAs(LineView& v, TextState& s, unsigned kind, const char* target);
