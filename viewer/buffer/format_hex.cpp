// Hex Dump: the offset, the bytes as hex digits in groups of four and the
// bytes as characters; the layout follows from the line length and the
// size of the file. In UTF-8 and UTF-16 the lines are UTF-16 units
// (LF_WIDE) and the characters column shows the decoded characters.
#include <algorithm>
#include <cstring>

#include "viewer/buffer/code_tables.h"
#include "viewer/buffer/formatters.h"
#include "viewer/buffer/hex_unicode_chars.h"

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
  uint32_t unicode;    // FMT_UTF8, FMT_UTF16LE, FMT_UTF16BE or 0
  FileOffset windowStart;
  bool atFileEnd;
  // Text-buffer bytes a line may take: a unit more than Width when wide,
  // for a surrogate pair on the last byte.
  int32_t LineBytes() const { return unicode ? 2 * (layout.Width + 1) : layout.Width; }
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
// [0, size) left blank. Writes Width characters (units when wide) at out;
// returns the length of the line up to its last byte's character. cut: a
// character of the line runs past the window, which is not the file's end.
int32_t PrintLine(const HexContext& c, char* out, uint64_t shownOffset, const uint8_t* data,
                  int32_t first, int32_t count, int32_t size, bool& cut) {
  cut = false;
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
  if (!c.unicode) return c.charColumn + count;
  // Widened in place from the end, then the characters decoded over it.
  for (int32_t i = c.layout.Width - 1; i >= 0; --i) {
    const uint16_t unit = static_cast<uint8_t>(out[i]);
    std::memcpy(out + 2 * i, &unit, 2);
  }
  uint16_t units[4 * 16 + 1];  // the widest line's bytes and a pair's second unit
  const int32_t n = to > from ? DecodeHexChars(c.unicode,
                                               {data, size, c.windowStart, c.atFileEnd,
                                                first + from, first + to},
                                               units, cut)
                              : 0;
  std::memcpy(out + 2 * (c.charColumn + from), units, 2 * static_cast<size_t>(n));
  return std::max(c.charColumn + count, c.charColumn + from + n);
}

// Wide lines start on an even byte of the text buffer.
void AlignFill(const HexContext& c, TextBuffer& text) {
  if (c.unicode && (text.Fill & 1) && text.Fill < text.Capacity) ++text.Fill;
}

LineEntry Entry(const HexContext& c, FileOffset offset, int32_t textOffset, int32_t length) {
  return LineEntry{offset, textOffset, length, 0, c.unicode ? LF_WIDE : 0};
}

void Forward(const HexContext& c, const ReadWindow& w, LineArray& lines, TextBuffer& text,
             FileOffset offset) {
  const int32_t n = c.layout.BytesPerLine, unit = c.unicode ? 2 : 1;
  int32_t pos = w.Position;
  AlignFill(c, text);
  while (lines.Count < lines.Capacity - 1 && pos < w.Size &&
         text.Capacity - text.Fill >= c.LineBytes()) {
    int32_t count = w.Size - pos < n ? w.Size - pos : n;
    FileOffset lineOffset = offset + (pos - w.Position);
    bool cut;
    const int32_t length = PrintLine(c, text.Base + text.Fill, static_cast<uint64_t>(lineOffset),
                                     w.Data, pos, count, w.Size, cut);
    // A line whose last character the window cuts is left for the next
    // window, which reads it whole, unless no line came before it.
    if (cut && pos > w.Position) break;
    lines.Entries[lines.Count++] = Entry(c, lineOffset, text.Fill, length);
    text.Fill += unit * length;
    pos += count;
  }
  lines.Entries[lines.Count] = LineEntry{offset + (pos - w.Position), 0, -1, 0, 0};
}

void Backward(const HexContext& c, const ReadWindow& w, LineArray& lines, TextBuffer& text,
              FileOffset offset) {
  const int32_t n = c.layout.BytesPerLine, unit = c.unicode ? 2 : 1;
  const FileOffset windowStart = offset - w.Position;
  int32_t pos = w.Position;
  FileOffset lineOffset = offset;
  AlignFill(c, text);
  while (lines.Count > 0 && pos > 0 && text.Capacity - text.Fill >= c.LineBytes()) {
    // Bytes of the file that lie before the window cannot be shown.
    if (pos < n && windowStart > 0) break;
    pos -= n;
    lineOffset -= n;
    // A line that starts before the file shows the low six digits of its
    // negative start.
    uint64_t shown = lineOffset >= 0 ? static_cast<uint64_t>(lineOffset)
                                     : static_cast<uint64_t>(lineOffset) & 0xFFFFFF;
    bool cut;
    const int32_t length = std::max(
        c.layout.Width, PrintLine(c, text.Base + text.Fill, shown, w.Data, pos, n, w.Size, cut));
    lines.Entries[--lines.Count] = Entry(c, std::max<FileOffset>(lineOffset, 0), text.Fill, length);
    text.Fill += unit * length;
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
  c.unicode = flags & FMT_UTF_MASK;
  c.windowStart = offset - window.Position;
  c.atFileEnd = window.FileSize <= 0 || c.windowStart + window.Size >= window.FileSize;
  if (direction == FORMAT_FORWARD)
    Forward(c, window, lines, text, offset);
  else
    Backward(c, window, lines, text, offset);
  return 0;
}
