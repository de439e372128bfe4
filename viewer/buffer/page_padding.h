// Padding pages (stretches between form feeds) to a fixed number of lines
// with blank lines, as the "PadPageLength" setting asks.
#pragma once
#include <cstdint>

#include "viewer/buffer/line_table.h"

// After a refill: drops trailing blank lines of the file behind a page-gap
// line, pads every page shorter than pageLength with blank lines and numbers
// the lines within their pages (PageLine). Longer pages are not split.
void PadPages(LineTable& table, const char* arenaBase, int32_t pageLength, FileOffset fileSize);
