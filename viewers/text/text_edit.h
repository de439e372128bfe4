// Edit mode: the file in a multiline edit control over the view, for files
// small enough for the control of the oldest targets (kEditLimitBytes).
#pragma once
#include <windows.h>

#include "viewers/common/line_view_state.h"
#include "viewers/text/text_state.h"

constexpr FileOffset kEditLimitBytes = 60000;

// ZV_MODE: 1 when the view is in the asked mode afterwards.
LRESULT SetTextMode(LineView& v, TextState& s, bool edit);
// Asks the parent for a Save As name, starting from the viewed path.
void AskSaveAs(const LineView& v);
// The edit control follows the view's size and font.
void FitEditControl(const LineView& v, const TextState& s);
