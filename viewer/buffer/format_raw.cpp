// Raw Text: every line is exactly the next line-length bytes of the file,
// line ends included, each byte through the display table.
#include <algorithm>

#include "viewer/buffer/code_tables.h"
#include "viewer/buffer/formatters.h"

namespace {
void Translate(CodeTable table, const uint8_t* from, int32_t count, char* out) {
  for (int32_t i = 0; i < count; ++i) out[i] = static_cast<char>(table[from[i]]);
}

void Forward(CodeTable table, int32_t L, const ReadWindow& w, LineArray& lines, TextBuffer& text,
             FileOffset offset) {
  int32_t pos = w.Position;
  // A line the text buffer cannot hold whole ends the pass, so that the
  // lines stay aligned to the offset they were built from.
  while (lines.Count < lines.Capacity - 1 && pos < w.Size &&
         text.Capacity - text.Fill >= std::min(L, w.Size - pos)) {
    int32_t count = std::min(L, w.Size - pos);
    Translate(table, w.Data + pos, count, text.Base + text.Fill);
    lines.Entries[lines.Count++] = LineEntry{offset + (pos - w.Position), text.Fill, count, 0, 0};
    text.Fill += count;
    pos += count;
  }
  lines.Entries[lines.Count] = LineEntry{offset + (pos - w.Position), 0, -1, 0, 0};
}

void Backward(CodeTable table, int32_t L, const ReadWindow& w, LineArray& lines, TextBuffer& text,
              FileOffset offset) {
  const FileOffset windowStart = offset - w.Position;
  int32_t pos = w.Position;
  FileOffset lineOffset = offset;
  while (lines.Count > 0 && pos > 0 && text.Capacity - text.Fill >= L) {
    // Bytes of the file that lie before the window cannot be shown.
    if (pos < L && windowStart > 0) break;
    pos -= L;
    lineOffset -= L;
    char* out = text.Base + text.Fill;
    // Before the start of the file the line is padded with spaces.
    int32_t pad = pos < 0 ? -pos : 0;
    std::fill(out, out + pad, ' ');
    Translate(table, w.Data + pos + pad, L - pad, out + pad);
    lines.Entries[--lines.Count] =
        LineEntry{std::max<FileOffset>(lineOffset, 0), text.Fill, L, 0, 0};
    text.Fill += L;
  }
}
}  // namespace

uint16_t FormatRawText(const ReadWindow& window, LineArray& lines, TextBuffer& text,
                       FileOffset offset, int direction, uint32_t flags, int32_t lineLength,
                       int32_t) {
  if (!FormatterArgumentsValid(window, lines, text, direction)) return ST_FAILED;
  CodeTable table = SelectCodeTable(flags);
  int32_t L = std::max<int32_t>(lineLength, 1);
  if (direction == FORMAT_FORWARD)
    Forward(table, L, window, lines, text, offset);
  else
    Backward(table, L, window, lines, text, offset);
  return 0;
}
