#include "viewer/buffer/line_buffer.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "viewer/buffer/read_block.h"

namespace {
void* ZeroedBlock(size_t bytes) { return std::calloc(bytes, 1); }

struct FreeBlock {
  void operator()(void* p) const { std::free(p); }
};

bool TableUsable(const LineTable& t, const TextArena& a) {
  return t.Entries && t.Acnt >= 2 && a.Base && a.Tlen > 0 && t.Afirst >= 0 && t.Afirst <= t.Alast &&
         t.Alast < t.Acnt;
}

struct Pass {
  int direction;
  FileOffset offset;
  int32_t count;  // formatter's line count: K on the way in
};

// Reads the block for one pass and runs the formatter over it.
uint16_t RunPass(Pass& pass, const ReadBuffer& buffer, int32_t textCapacity, int32_t lineLength,
                 FileRef& file, LineTable& table, TextArena& arena, Formatter formatter,
                 uint32_t flags, int32_t tabLength) {
  file.Fcur = pass.offset;
  ReadBuffer b = buffer;
  b.Wanted = pass.direction == FORMAT_FORWARD ? 0 : kReadBlockBytes;
  ReadWindow window;
  uint16_t status = ReadBlock(file, b, window);
  if (status & ST_FAILED) return status;
  pass.offset = file.Fcur;  // a file that shrank moves the offset to its end
  LineArray lines{table.Entries, table.Acnt, pass.count};
  TextBuffer text{arena.Base, textCapacity, arena.Tend};
  status =
      formatter(window, lines, text, pass.offset, pass.direction, flags, lineLength, tabLength);
  pass.count = lines.Count;
  arena.Tend = text.Fill;
  return status;
}
// The first pass: its start offset and direction, the new top index and
// how many lines below the top its count starts.
struct FirstPass {
  FileOffset offset;
  int direction;
  int top;
  int anchor;
};

FirstPass ChooseFirstPass(FileOffset target, int top, int b, const FileRef& file,
                          const LineTable& table) {
  FirstPass f{0, FORMAT_FORWARD, (table.Acnt - b) / 2, 0};
  if (target >= 0) {
    f.offset = target;
  } else if (top >= table.Afirst) {
    // Beyond the table's end the move goes as far as the table reaches.
    f.offset = table.Entries[std::min<int>(top, table.Alast)].Offset;
  } else {
    // The lines above the screen are built backward from the line below
    // it. When that line is not in the table (a move further up than the
    // table reaches, or a screen longer than the table) they are built from
    // the table's first line, as many as the move asks for.
    f.direction = FORMAT_BACKWARD;
    int index = top + b;
    f.anchor = b;
    if (index < table.Afirst || index >= table.Alast) {
      index = table.Afirst;
      f.anchor = std::min(table.Afirst - top, table.Acnt - 1 - f.top);
    }
    f.offset = table.Entries[index].Offset;
  }
  f.offset = std::clamp<FileOffset>(f.offset, 0, std::max<FileOffset>(file.Flen, 0));
  // The end of the file shows its last line at the top; lines built up to
  // it for a screen above stay as asked.
  if (f.offset == file.Flen && f.direction == FORMAT_FORWARD)
    f = FirstPass{f.offset, FORMAT_BACKWARD, table.Acnt - 1, 0};
  if (f.offset == 0) f = FirstPass{0, FORMAT_FORWARD, 0, 0};
  return f;
}
}  // namespace

void* (*gAllocateReadBuffer)(size_t bytes) = ZeroedBlock;

int32_t UsableLineLength(int32_t lineLength, const TextArena& arena) {
  return std::clamp(lineLength, 1, std::max(arena.Tlen / 10, 255));
}

uint16_t LoadLinesAround(FileOffset target, int top, int linesPerScreen, int32_t lineLength,
                         FileRef& file, LineTable& table, TextArena& arena, TagList* tags,
                         Formatter formatter, uint32_t flags, int32_t tabLength) {
  if (!TableUsable(table, arena) || !formatter) return ST_FAILED;
  std::unique_ptr<uint8_t, FreeBlock> block(
      static_cast<uint8_t*>(gAllocateReadBuffer(kReadBlockBytes)));
  if (!block) return ST_FAILED;
  const ReadBuffer buffer{block.get(), kReadBlockBytes, 0};
  const int b = std::clamp(linesPerScreen, 1, table.Acnt - 2);
  const int32_t L = UsableLineLength(lineLength, arena);

  // Where the first pass starts, its direction and its first index.
  const FirstPass f = ChooseFirstPass(target, top, b, file, table);
  FileOffset x = f.offset;
  const int direction = f.direction, cur = f.top;
  table.Acur = table.Afirst = table.Alast = static_cast<int16_t>(cur);
  int k = cur + f.anchor;

  arena.Tend = 0;
  const int32_t reserve = static_cast<int32_t>(std::min<int64_t>(3LL * L, arena.Tlen / 10));
  Pass first{direction, x, k};
  uint16_t status = RunPass(first, buffer, arena.Tlen - reserve, L, file, table, arena, formatter,
                            flags, tabLength);
  if (status & ST_FAILED) return status;
  x = first.offset;

  // The second pass goes the other way from the line next to the first
  // pass's start, so that line is rebuilt from its true beginning.
  Pass second{direction == FORMAT_FORWARD ? FORMAT_BACKWARD : FORMAT_FORWARD, x, first.count};
  bool runSecond = true;
  if (direction == FORMAT_FORWARD) {
    table.Alast = static_cast<int16_t>(first.count);
    table.Acur = std::min(table.Acur, table.Alast);
    if (first.count > k)
      second.count = k + 1, second.offset = table.Entries[k + 1].Offset;
    else
      second.count = k;
    // Nothing lies before the file start.
    runSecond = x > 0 && second.offset > 0;
  } else {
    table.Afirst = static_cast<int16_t>(first.count);
    table.Acur = std::max(table.Acur, table.Afirst);
    if (x < file.Flen && first.count < k)
      second.count = k - 1, second.offset = table.Entries[k - 1].Offset;
    else
      second.count = k;
  }
  // A forward pass that rebuilds the backward pass's last line may find no
  // room for it: that line then stays as the backward pass made it.
  const bool rebuilds = second.direction == FORMAT_FORWARD && second.count == k - 1;
  const LineEntry rebuilt = rebuilds ? table.Entries[k - 1] : LineEntry{};
  if (runSecond) {
    status =
        RunPass(second, buffer, arena.Tlen, L, file, table, arena, formatter, flags, tabLength);
    if (status & ST_FAILED) return status;
    if (rebuilds && second.count == k - 1) {
      table.Entries[k - 1] = rebuilt;
      table.Entries[k] = LineEntry{x, 0, -1, 0, 0};
      second.count = k;
    }
    if (second.direction == FORMAT_BACKWARD) {
      table.Afirst = static_cast<int16_t>(std::min<int>(table.Acur, second.count));
    } else {
      // Its end entry is the table's end, also when a full arena stopped it
      // short of the top line.
      table.Alast = static_cast<int16_t>(second.count);
      table.Acur = std::min(table.Acur, table.Alast);
    }
  }

  if (table.Acur >= table.Alast && table.Afirst < table.Acur)
    table.Acur = static_cast<int16_t>(table.Alast - 1);
  if (tags && tags->Entries && tags->Count > 0) TagApplyToLines(table, *tags);
  return 0;
}
