// The Page popup of a viewer window, rebuilt when the viewer reports its pages.
#pragma once
#include <windows.h>

#include "shell/app/viewer_record.h"

void RebuildPagePopup(HWND window, const ViewerRecord* record, WPARAM pages, int marked);
