#include "viewer/buffer/formatters.h"

const Formatter Formatters[3] = {FormatText, FormatHexDump, FormatRawText};

Formatter FormatterFor(int format) {
  return Formatters[format < 0 ? 0 : (format > 2 ? 2 : format)];
}

bool HexLayoutFor(int32_t lineLength, HexLayout* layout, FileOffset fileSize) {
  const uint64_t last = fileSize > 1 ? static_cast<uint64_t>(fileSize - 1) : 0;
  // Up to seven digits leave a blank before column 8; more move it on.
  int32_t hexColumn = 8;
  while (hexColumn < 17 && (last >> (4 * (hexColumn - 1))) != 0) ++hexColumn;
  const int32_t margin = hexColumn + 1;  // a blank before the characters
  if (lineLength < 13 + margin) return false;
  int32_t groups = 1;  // 2^k; 16 groups is the widest layout
  while (groups < 16 && 26LL * groups + margin <= lineLength) groups *= 2;
  layout->HexColumn = hexColumn;
  layout->Groups = groups;
  layout->BytesPerLine = 4 * groups;
  layout->Width = 13 * groups + margin;
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
