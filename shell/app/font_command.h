// Fonts: the viewer font all viewer windows share.
#pragma once
#include "shell/app/viewer_record.h"

// The font dialog on the shared font, owned by record's viewer; after OK
// every viewer window's viewer receives the new font.
void ChooseSharedFont(const ViewerRecord* record);
