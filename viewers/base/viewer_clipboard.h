// Putting what a library copies on the clipboard. Another program may hold
// the clipboard for a moment, so opening it is tried again a few times
// before a copy fails.
#pragma once
#include <windows.h>

#include <string>

// Opens the clipboard for owner, trying again for about 200 ms.
bool OpenClipboardSoon(HWND owner);
// Replaces the clipboard's contents with memory in format; the clipboard
// owns memory once it is placed, and it is freed when it is not. False
// when memory is nullptr or the clipboard could not be had.
bool PutOnClipboard(HWND owner, UINT format, HGLOBAL memory);
// The same with text as CF_TEXT.
bool PutTextOnClipboard(HWND owner, const std::string& text);
