// Copy of the icon viewer: a picture on the clipboard as a device-
// independent bitmap.
#pragma once
#include <windows.h>

#include "viewers/graphics/formats/picture.h"

// False when the clipboard or the memory for it is not to be had.
bool PutPictureOnClipboard(HWND owner, const Picture& picture);
