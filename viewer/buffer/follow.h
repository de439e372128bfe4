// Following a file that grows while it is viewed: what one look at the file
// tells (it grew, or it shrank or was replaced), how many lines came, and
// the message line that says the view started again at the top. A look
// opens the file through the file seam and closes it again; nothing holds
// the file between looks.
#pragma once
#include <cstdint>
#include <span>

#include "viewer/buffer/file_ref.h"
#include "viewer/buffer/format_flags.h"
#include "viewer/buffer/line_table.h"

enum class FollowChange { kNone, kGrew, kRestart };

// What the last look saw.
struct FollowMark {
  FileOffset Size = 0;    // bytes up to the last whole character
  int32_t HeadBytes = 0;  // how many of the file's first bytes HeadHash covers
  uint32_t HeadHash = 0;
};

struct FollowLook {
  FollowChange Change = FollowChange::kNone;
  int32_t NewLines = 0;  // line ends in the part that came (kGrew)
};

// A file that got smaller, or whose first bytes are no longer those seen,
// starts again; one that got larger grew.
FollowChange ClassifyFollow(FileOffset seenSize, FileOffset size, bool headKept);

// The end of the last whole character of a file of fileSize bytes whose
// last bytes are tail: a UTF-8 sequence or UTF-16 unit (or surrogate pair)
// still being written is left out.
FileOffset WholeCharacterEnd(std::span<const uint8_t> tail, FileOffset fileSize, CharCode code);

// Line ends in bytes that start at file offset at (even for UTF-16).
int32_t CountLineEnds(std::span<const uint8_t> bytes, FileOffset at, CharCode code);

// The mark of the file at path as it is now (an empty mark when it cannot
// be read).
FollowMark MarkFile(const char* path, CharCode code);

// Looks at the file again and moves mark on to what it holds now. A file
// that cannot be opened (being replaced) counts as unchanged.
FollowLook LookAgain(FollowMark& mark, const char* path, CharCode code);

// Puts text as a message line (LF_MESSAGE) above the table's first line
// and makes it the top line. False, with nothing changed, when the table
// or the arena has no room.
bool PutMessageOnTop(LineTable& table, TextArena& arena, const char* text);
