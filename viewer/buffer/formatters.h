// The three formatters that turn a window of file bytes into display lines:
// Text, Hex Dump and Raw Text, forward (lines after a position) or backward
// (lines before it). The screen, copying and printing all use them.
#pragma once
#include <cstdint>

#include "viewer/buffer/format_flags.h"
#include "viewer/buffer/line_table.h"

// What a formatter reads: the byte at Position is the byte at the file
// offset handed to the formatter.
struct ReadWindow {
  const uint8_t* Data = nullptr;
  int32_t Size = 0;         // bytes valid
  int32_t Position = 0;     // 0 .. Size
  FileOffset FileSize = 0;  // of the file it was read from; 0: not known
};

// Forward: entries are written from Count upward (Count grows) and an end
// entry follows them. Backward: from Count - 1 downward (Count falls).
struct LineArray {
  LineEntry* Entries = nullptr;
  int32_t Capacity = 0;
  int32_t Count = 0;
};

// Characters are appended at Fill, never past Capacity.
struct TextBuffer {
  char* Base = nullptr;
  int32_t Capacity = 0;
  int32_t Fill = 0;
};

constexpr int FORMAT_FORWARD = 1;
constexpr int FORMAT_BACKWARD = 2;

// tabLength: columns from one tab stop to the next (1 .. 255; Text only).
using Formatter = uint16_t (*)(const ReadWindow& window, LineArray& lines, TextBuffer& text,
                               FileOffset offset, int direction, uint32_t flags, int32_t lineLength,
                               int32_t tabLength);

uint16_t FormatText(const ReadWindow& window, LineArray& lines, TextBuffer& text, FileOffset offset,
                    int direction, uint32_t flags, int32_t lineLength, int32_t tabLength);
// FormatText's work under FMT_UTF8, FMT_UTF16LE or FMT_UTF16BE: each display
// character takes two bytes of the text buffer (a UTF-16 unit in the host's
// order) and a line's Length counts units; its lines carry LF_WIDE.
uint16_t FormatUnicodeText(const ReadWindow& window, LineArray& lines, TextBuffer& text,
                           FileOffset offset, int direction, uint32_t flags, int32_t lineLength,
                           int32_t tabLength);
// Hex Dump under those codes writes its lines in units too (LF_WIDE).
uint16_t FormatHexDump(const ReadWindow& window, LineArray& lines, TextBuffer& text,
                       FileOffset offset, int direction, uint32_t flags, int32_t lineLength,
                       int32_t tabLength);
uint16_t FormatRawText(const ReadWindow& window, LineArray& lines, TextBuffer& text,
                       FileOffset offset, int direction, uint32_t flags, int32_t lineLength,
                       int32_t tabLength);

// Whether the formatter's lines under flags are UTF-16 units (LF_WIDE):
// Text and Hex Dump in UTF-8 and UTF-16; Raw Text always shows bytes.
inline bool FormatsWide(Formatter formatter, uint32_t flags) {
  return (flags & FMT_UTF_MASK) && formatter != FormatRawText;
}

// Indexed by the Format of the view options (Text, Hex Dump, Raw Text).
extern const Formatter Formatters[3];
// Formatters[format] with format clamped to the three.
Formatter FormatterFor(int format);

// The hex dump's layout for a line length in a file of fileSize bytes: the
// offset in at least six hex digits, the hex digits of the bytes from
// HexColumn on (8, or one past the digits of the file's last offset when it
// has more than seven) in Groups of four bytes, BytesPerLine = 4 * Groups,
// Width = 13 * Groups + HexColumn + 1. False when not even one group fits
// (a line length of 21 or less below 256 MiB).
struct HexLayout {
  int32_t HexColumn = 8;
  int32_t Groups = 0;
  int32_t BytesPerLine = 0;
  int32_t Width = 0;
};
bool HexLayoutFor(int32_t lineLength, HexLayout* layout, FileOffset fileSize = 0);

// True when the arguments describe buffers the formatter can work in: the
// position inside the window, the count and fill inside their capacities
// (forward needs a slot left for the end entry).
bool FormatterArgumentsValid(const ReadWindow& window, const LineArray& lines,
                             const TextBuffer& text, int direction);
