// Hex Dump: the offset, the bytes as hex digits in groups of four and the
// bytes as characters; the layout follows from the line length and the
// size of the file.
#include <algorithm>
#include <cstring>

#include "viewer/buffer/code_tables.h"
#include "viewer/buffer/formatters.h"

namespace {
constexpr char kDigits[] = "0123456789ABCDEF";

// The offset as at least six upper-case hex digits; the blanks after it are
// the line's.
void PrintOffset(char* out, uint64_t value) {
  int digits = 6;
  while (digits < 16 && (value >> (4 * digits)) != 0) ++digits;
  for (int i = digits - 1; i >= 0; --i, value >>= 4) out[i] = kDigits[value & 0xF];
}

struct HexContext {
  CodeTable table;
  HexLayout layout;
  int32_t charColumn;  // 9 * Groups + HexColumn + 1
};

// The two hex digits of every byte value, in memory order.
struct HexPairs {
  char pair[256][2];
  HexPairs() {
    for (int b = 0; b < 256; ++b) pair[b][0] = kDigits[b >> 4], pair[b][1] = kDigits[b & 0xF];
  }
};
const HexPairs kPairs;

// One line: bytes [first, first + count) of data, cells of bytes outside
// [0, size) left blank. Writes Width characters at out.
void PrintLine(const HexContext& c, char* out, uint64_t shownOffset, const uint8_t* data,
               int32_t first, int32_t count, int32_t size) {
  std::memset(out, ' ', c.layout.Width);
  PrintOffset(out, shownOffset);
  int32_t from = first < 0 ? -first : 0;
  int32_t to = first + count > size ? size - first : count;
  const uint8_t* bytes = data + first;
  char* hex = out + c.layout.HexColumn;
  char* chars = out + c.charColumn;
  for (int32_t j = from; j < to; ++j) {
    uint8_t b = bytes[j];
    std::memcpy(hex + 9 * (j >> 2) + 2 * (j & 3), kPairs.pair[b], 2);
    chars[j] = static_cast<char>(c.table[b]);
  }
}

void Forward(const HexContext& c, const ReadWindow& w, LineArray& lines, TextBuffer& text,
             FileOffset offset) {
  const int32_t n = c.layout.BytesPerLine, width = c.layout.Width;
  int32_t pos = w.Position;
  while (lines.Count < lines.Capacity - 1 && pos < w.Size && text.Capacity - text.Fill >= width) {
    int32_t count = w.Size - pos < n ? w.Size - pos : n;
    FileOffset lineOffset = offset + (pos - w.Position);
    PrintLine(c, text.Base + text.Fill, static_cast<uint64_t>(lineOffset), w.Data, pos, count,
              w.Size);
    int32_t length = c.charColumn + count;
    lines.Entries[lines.Count++] = LineEntry{lineOffset, text.Fill, length, 0, 0};
    text.Fill += length;
    pos += count;
  }
  lines.Entries[lines.Count] = LineEntry{offset + (pos - w.Position), 0, -1, 0, 0};
}

void Backward(const HexContext& c, const ReadWindow& w, LineArray& lines, TextBuffer& text,
              FileOffset offset) {
  const int32_t n = c.layout.BytesPerLine, width = c.layout.Width;
  const FileOffset windowStart = offset - w.Position;
  int32_t pos = w.Position;
  FileOffset lineOffset = offset;
  while (lines.Count > 0 && pos > 0 && text.Capacity - text.Fill >= width) {
    // Bytes of the file that lie before the window cannot be shown.
    if (pos < n && windowStart > 0) break;
    pos -= n;
    lineOffset -= n;
    // A line that starts before the file shows the low six digits of its
    // negative start.
    uint64_t shown = lineOffset >= 0 ? static_cast<uint64_t>(lineOffset)
                                     : static_cast<uint64_t>(lineOffset) & 0xFFFFFF;
    PrintLine(c, text.Base + text.Fill, shown, w.Data, pos, n, w.Size);
    lines.Entries[--lines.Count] =
        LineEntry{std::max<FileOffset>(lineOffset, 0), text.Fill, width, 0, 0};
    text.Fill += width;
  }
}
}  // namespace

uint16_t FormatHexDump(const ReadWindow& window, LineArray& lines, TextBuffer& text,
                       FileOffset offset, int direction, uint32_t flags, int32_t lineLength,
                       int32_t) {
  HexContext c;
  // Offsets in a window of a file whose size is not known fit the digits
  // of the window's end.
  const FileOffset size = std::max(window.FileSize, offset - window.Position + window.Size);
  if (!HexLayoutFor(lineLength, &c.layout, size)) return ST_FAILED | ST_TOO_NARROW;
  if (!FormatterArgumentsValid(window, lines, text, direction)) return ST_FAILED;
  c.table = SelectCodeTable(flags);
  c.charColumn = 9 * c.layout.Groups + c.layout.HexColumn + 1;
  if (direction == FORMAT_FORWARD)
    Forward(c, window, lines, text, offset);
  else
    Backward(c, window, lines, text, offset);
  return 0;
}
