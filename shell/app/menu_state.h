// Greying and ticking the items of a viewer window's popup as the command
// table says, each time the popup opens.
#pragma once
#include <windows.h>

#include "shell/app/viewer_record.h"

void UpdateMenuPopup(HMENU popup, const ViewerRecord& record);
