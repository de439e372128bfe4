// The line buffer: refilling the line table and its arena around a file
// offset, with the screen in the middle of the table.
#pragma once
#include <cstddef>
#include <cstdint>

#include "viewer/buffer/file_ref.h"
#include "viewer/buffer/formatters.h"
#include "viewer/buffer/line_table.h"
#include "viewer/buffer/tag_list.h"

// target >= 0: show that file offset at the top. target < 0: build around
// entry top of the current table (above Afirst: the lines just above the
// screen are built backward from entry top + linesPerScreen, or from the
// first entry when that one is not in the table; below the table's end
// the move stops there). The lines are formatted with formatter, flags,
// lineLength and tabLength. Returns 0, or a status with ST_FAILED (table and
// arena then hold no valid lines).
uint16_t LoadLinesAround(FileOffset target, int top, int linesPerScreen, int32_t lineLength,
                         FileRef& file, LineTable& table, TextArena& arena, TagList* tags,
                         Formatter formatter, uint32_t flags, int32_t tabLength);

// The line length a refill formats with: longer lines than a tenth of the
// arena would leave no room for the lines above the screen.
int32_t UsableLineLength(int32_t lineLength, const TextArena& arena);

// Where the 65535-byte read buffer of a refill comes from (zero-filled,
// released with std::free); tests put in one that fails.
extern void* (*gAllocateReadBuffer)(size_t bytes);
