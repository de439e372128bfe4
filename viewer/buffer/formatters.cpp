#include "viewer/buffer/formatters.h"

const Formatter Formatters[3] = {FormatText, FormatHexDump, FormatRawText};

Formatter FormatterFor(int format) {
  return Formatters[format < 0 ? 0 : (format > 2 ? 2 : format)];
}

bool HexLayoutFor(int32_t lineLength, HexLayout* layout) {
  if (lineLength <= 21) return false;
  int32_t groups = 1;  // 2^k; 16 groups is the widest layout
  while (groups < 16 && 13LL * groups * 2 < static_cast<int64_t>(lineLength) - 8) groups *= 2;
  layout->Groups = groups;
  layout->BytesPerLine = 4 * groups;
  layout->Width = 13 * groups + 9;
  return true;
}

bool FormatterArgumentsValid(const ReadWindow& window, const LineArray& lines,
                             const TextBuffer& text, int direction) {
  if (window.Size < 0 || window.Position < 0 || window.Position > window.Size) return false;
  if (window.Size > 0 && !window.Data) return false;
  if (!lines.Entries || lines.Count < 0 || lines.Count > lines.Capacity) return false;
  if (direction == FORMAT_FORWARD && lines.Count >= lines.Capacity) return false;
  if (direction != FORMAT_FORWARD && direction != FORMAT_BACKWARD) return false;
  if (text.Capacity < 0 || text.Fill < 0 || text.Fill > text.Capacity) return false;
  return text.Base || text.Capacity == 0;
}
