// Copy (171): the selected lines as they are shown, onto the clipboard.
#pragma once
#include <windows.h>

#include <cstdint>

#include "viewer/buffer/file_ref.h"
#include "viewer/buffer/formatters.h"

// The clipboard block: at most this many bytes, line ends and the closing
// NUL included.
constexpr int32_t kClipboardBytes = 32760;

// Formats the lines of [start, end) (end < 0: to the end of the file) with
// formatter, flags, lineLength and tabLength and hands them to the
// clipboard as CF_TEXT (Text in a Unicode code as CF_UNICODETEXT, with its
// CF_TEXT converted to the system code page), each ended by CR LF. 1 on success (also when a read
// or format error cut the text short), 0 otherwise.
int CopySelection(HWND hwnd, FileOffset start, FileOffset end, const FileRef& file,
                  Formatter formatter, uint32_t flags, int32_t lineLength, int32_t tabLength);
