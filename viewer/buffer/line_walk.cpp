#include "viewer/buffer/line_walk.h"

#include <algorithm>

#include "viewer/buffer/read_block.h"

namespace {
// The lines of a pass that are whole. The last one is only a piece when it
// ran into the end of a block that is not the end of the file: it reaches
// the block's end, or it stops short of it at a character that the block
// cuts in two (UTF-8 and UTF-16 leave those bytes for the next block).
int32_t WholeLines(const LineArray& lines, FileOffset blockEnd, uint16_t readStatus) {
  if (lines.Count <= 1 || (readStatus & ST_EOF)) return lines.Count;
  const bool cut = lines.Entries[lines.Count].Offset >= blockEnd ||
                   (lines.Entries[lines.Count - 1].Flags & LF_INCOMPLETE);
  return cut ? lines.Count - 1 : lines.Count;
}
}  // namespace

WalkResult WalkFormattedLines(const FileRef& file, FileOffset start, FileOffset end,
                              const LineFormat& format, const WalkBlocks& blocks,
                              const LineVisitor& visit) {
  start = std::max<FileOffset>(start, 0);
  if (end < 0) end = file.Flen;
  const FileOffset stopAt = std::max(end, start + 1);
  FileRef reader = file;
  for (FileOffset next = start; next < reader.Flen;) {
    reader.Fcur = next;
    ReadWindow window;
    const uint16_t read = ReadBlock(reader, ReadBuffer{blocks.Read, blocks.ReadBytes, 0}, window);
    if (read & ST_FAILED) return WALK_READ_FAILED;
    LineArray lines{blocks.Lines, blocks.LineSlots, 0};
    TextBuffer text{blocks.Text, blocks.TextBytes, 0};
    if (format.Format(window, lines, text, next, FORMAT_FORWARD, format.Flags, format.LineLength,
                      format.TabLength) &
        ST_FAILED)
      return WALK_FORMAT_FAILED;
    const int32_t count = WholeLines(lines, next + window.Size - window.Position, read);
    if (count == 0 || blocks.Lines[count].Offset <= next) return WALK_DONE;  // no progress
    if (blocks.Tags) {
      LineTable table{blocks.Lines, static_cast<int16_t>(blocks.LineSlots), 0, 0,
                      static_cast<int16_t>(count)};
      TagApplyToLines(table, *blocks.Tags);
    }
    for (int32_t i = 0; i < count; ++i) {
      const LineEntry& line = blocks.Lines[i];
      const int32_t bytes = (line.Flags & LF_WIDE) ? 2 * line.Length : line.Length;
      if (!visit(line, std::string_view(blocks.Text + line.TextOffset, bytes))) return WALK_DONE;
      if (blocks.Lines[i + 1].Offset >= stopAt) return WALK_DONE;
    }
    next = blocks.Lines[count].Offset;  // the cut line, or where the pass stopped
  }
  return WALK_DONE;
}
