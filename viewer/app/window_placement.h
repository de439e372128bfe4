// Where the main window opens: the stored position when a person can reach
// it, otherwise one on the work area of the nearest monitor. The stored
// value itself is left as it is, so only a save replaces it.
#pragma once
#include <cstdint>

#include "viewer/settings/view_options.h"

// minWidth and minHeight: the smallest window that still shows its caption
// and menu. A size below them, or a missing one, becomes the system's
// default size; a size larger than the work area is cut to it. A position
// that leaves no grip of the caption on the work area is moved onto it.
WindowPos VisibleWindowPos(const WindowPos& stored, const ScreenRect& work, int32_t minWidth,
                           int32_t minHeight);
