// Walking the formatted lines of a stretch of the file block by block, as
// Copy and printing hand them on: each block read is formatted forward and
// its lines are visited in file order.
#pragma once
#include <cstdint>
#include <functional>
#include <string_view>

#include "viewer/buffer/file_ref.h"
#include "viewer/buffer/formatters.h"
#include "viewer/buffer/line_table.h"
#include "viewer/buffer/tag_list.h"

// The formatter and what it formats with.
struct LineFormat {
  Formatter Format = nullptr;
  uint32_t Flags = 0;
  int32_t LineLength = 0;
  int32_t TabLength = 8;
};

// The caller's blocks one pass works in: the bytes read, the line entries
// (at most 32767; one slot holds the pass's end entry) and their characters.
// Their sizes bound a pass, not the walk. With a tag list, each pass puts
// the kinds of its tags into its lines' flags, as the screen's table has
// them.
struct WalkBlocks {
  uint8_t* Read = nullptr;
  int32_t ReadBytes = 0;
  LineEntry* Lines = nullptr;
  int32_t LineSlots = 0;
  char* Text = nullptr;
  int32_t TextBytes = 0;
  TagList* Tags = nullptr;
};

enum WalkResult { WALK_DONE, WALK_READ_FAILED, WALK_FORMAT_FAILED };

// Called for each line with its characters; false ends the walk.
// text holds the line's characters: two bytes each for a LF_WIDE line.
using LineVisitor = std::function<bool(const LineEntry& line, std::string_view text)>;

// Visits the line formatted from start (< 0: the file start) and each line
// after it that begins before end (< 0: the end of the file). A line that
// runs into the end of a block which is not the end of the file is formatted
// again from its start in the next block, unless it is the block's only
// line (a line longer than the block is handed on in pieces).
WalkResult WalkFormattedLines(const FileRef& file, FileOffset start, FileOffset end,
                              const LineFormat& format, const WalkBlocks& blocks,
                              const LineVisitor& visit);
