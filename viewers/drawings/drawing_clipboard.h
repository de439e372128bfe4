// A drawing on the clipboard: as an enhanced metafile, which stays sharp at
// any size, and as a bitmap of the drawing at its own size.
#pragma once
#include <windows.h>

#include <functional>

#include "viewers/graphics/formats/picture.h"

// An enhanced metafile of size pixels recorded by draw.
HENHMETAFILE RecordMetafile(SIZE size, const std::function<void(HDC, const RECT&)>& draw);
// Puts the metafile (taken over) and the picture (when not empty) on the
// clipboard; false when neither could be put there.
bool PutOnClipboard(HWND owner, HENHMETAFILE metafile, const Picture& picture);
