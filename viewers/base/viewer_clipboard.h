// Putting what a library copies on the clipboard. Another program may hold
// the clipboard for a moment, so opening it is tried again a few times
// before a copy fails.
#pragma once
#include <windows.h>

#include <string>

// Opens the clipboard for owner, trying again for about 200 ms.
bool OpenClipboardSoon(HWND owner);
// Replaces the clipboard's contents with text as CF_TEXT; false when the
// memory or the clipboard could not be had.
bool PutTextOnClipboard(HWND owner, const std::string& text);
