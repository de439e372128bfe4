// The search shared by the find dialogs, Find Next, Mark All and DDE Find.
#pragma once
#include <cstdint>

#include "viewer/buffer/file_offset.h"

// SearchFlags bits.
constexpr uint16_t SF_TEXT = 0x0001;      // a search is defined
constexpr uint16_t SF_HEX = 0x0002;       // defined by DDE from hex text
constexpr uint16_t SF_CASE = 0x0004;      // compare bytes exactly
// The Unicode code of a typed pattern: which letters pair when case is
// ignored, and for UTF-16 that matches start on a unit.
constexpr uint16_t SF_UTF8 = 0x0010;
constexpr uint16_t SF_UTF16LE = 0x0020;
constexpr uint16_t SF_UTF16BE = 0x0040;
constexpr uint16_t SF_UTF_CODES = SF_UTF8 | SF_UTF16LE | SF_UTF16BE;
constexpr uint16_t SF_MARK_ALL = 0x0100;  // the dialog's caller runs Mark All
constexpr uint16_t SF_FROM_TOP = 0x0200;  // the dialog's caller starts at offset 0

constexpr int kSearchTextChars = 32;  // longest typed text or hex-text pattern
// Room for the longest typed text in UTF-8 or UTF-16 (a typed character
// takes at most 4 bytes there), more than a hex text ever gives.
constexpr int kSearchPatternBytes = 4 * kSearchTextChars + 4;

struct SearchState {
  // Not zero at start-up, so Find Next before any dialog repeats the newest
  // stored search text; "Start from Top" is pre-checked in the first dialog.
  uint16_t SearchFlags = SF_FROM_TOP;
  uint8_t SearchPattern[kSearchPatternBytes] = {};  // in the file's character code
  int32_t SearchLength = 0;                         // 0: no pattern yet
  FileOffset NextSearchStart = -1;                  // -1: continue after what is on screen
};

extern SearchState gSearch;

// The SF_UTF* bit of a character code (0 for the byte codes).
uint16_t SearchCodeFlag(int charCode);

// Where Find Next starts: NextSearchStart, read as 0 at or past the end of
// the file; when it is negative, after what is on screen (the larger of the
// first line's offset and the selection's end).
FileOffset FindNextStartOffset(const SearchState& search, FileOffset fileSize, FileOffset topOffset,
                               FileOffset selEnd);
