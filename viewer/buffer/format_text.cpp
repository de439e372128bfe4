// Text: lines end at CR, LF or a CR LF / LF CR pair; tabs may be expanded,
// long lines cut or wrapped, and a form feed at a line start marks a page.
#include <algorithm>

#include "viewer/buffer/byte_scan.h"
#include "viewer/buffer/code_tables.h"
#include "viewer/buffer/format_flags.h"
#include "viewer/buffer/formatters.h"

namespace {
constexpr uint8_t kCR = 0x0D, kLF = 0x0A, kTab = 0x09, kFormFeed = 0x0C, kEofMark = 0x1A;

inline bool IsLineEnd(uint8_t b) { return b == kCR || b == kLF; }

struct TextContext {
  const uint8_t* data;
  CodeTable table;
  uint32_t flags;
  int32_t lineLength;
  int32_t tabLength;
  bool expandTabs;
};

void InitContext(TextContext& c, const ReadWindow& w, uint32_t flags, int32_t lineLength,
                 int32_t tabLength) {
  c.data = w.Data;
  c.table = SelectCodeTable(flags);
  c.flags = flags;
  c.lineLength = std::max<int32_t>(lineLength, 1);
  c.tabLength = std::clamp(tabLength, 1, 255);
  c.expandTabs = (flags & FMT_EXPAND_TABS) != 0;
}

struct Piece {
  int32_t next;   // position after the piece
  int32_t flags;  // LF_* bits
  bool ended;     // false: cut off by the full text buffer
};

// Formats one line (or one wrapped piece of a line) that starts at pos and
// may run up to end. Without kWrite only the characters are counted.
template <bool kWrite>
Piece FormatPiece(const TextContext& c, int32_t pos, int32_t end, char* out, int32_t& fill,
                  int32_t cap, uint16_t& status) {
  const uint8_t* d = c.data;
  int32_t flags = 0;
  if (pos < end && d[pos] == kFormFeed && (c.flags & FMT_FORM_FEEDS)) {
    ++pos;
    if (c.flags & FMT_PAGE_GAP) return {pos, LF_PAGE_GAP, true};
    flags = LF_PAGE_BREAK;
  }
  const int32_t L = c.lineLength;
  int32_t w = 0;
  bool ended = false;
  while (pos < end && fill < cap) {
    // Plain bytes while the line has columns left.
    int32_t run = std::min({end - pos, L - w, cap - fill});
    int32_t i = byte_scan::FindStop(d + pos, run, c.expandTabs);
    if constexpr (kWrite) {
      const uint8_t* from = d + pos;
      char* to = out + fill;
      for (int32_t j = 0; j < i; ++j) to[j] = static_cast<char>(c.table[from[j]]);
    }
    pos += i, fill += i, w += i;
    if (pos >= end || fill >= cap) break;
    const uint8_t b = d[pos];
    if (IsLineEnd(b)) {
      ++pos;
      if (pos < end && d[pos] == (b ^ (kCR ^ kLF))) ++pos;
      if (pos == end - 1 && d[pos] == kEofMark) ++pos;
      ended = true;
      break;
    }
    if (b == kTab && c.expandTabs) {
      int32_t stopAt = std::min(w + (c.tabLength - w % c.tabLength), L);
      int32_t spaces = std::min(stopAt - w, cap - fill);
      if (spaces > 0) {
        if constexpr (kWrite)
          for (int32_t k = 0; k < spaces; ++k) out[fill + k] = ' ';
        fill += spaces, w += spaces;
      }
      ++pos;
      continue;
    }
    // An ordinary byte with the line full.
    if (c.flags & FMT_WRAP) {
      ended = true;
      break;
    }
    pos += byte_scan::FindStop(d + pos, end - pos, false);
    flags |= LF_TRUNCATED;
    status |= ST_TRUNCATED;
  }
  if (w >= L) ended = true;
  if (!ended && pos >= end) {
    flags |= LF_INCOMPLETE;
    status |= ST_EOF;
    ended = true;
  }
  return {pos, flags, ended};
}

LineEntry Entry(FileOffset offset, int32_t textOffset, int32_t length, int32_t flags) {
  return LineEntry{offset, textOffset, length, 0, flags};
}

uint16_t Forward(const TextContext& c, const ReadWindow& w, LineArray& lines, TextBuffer& text,
                 FileOffset offset) {
  uint16_t status = 0;
  int32_t pos = w.Position;
  while (lines.Count < lines.Capacity - 1 && pos < w.Size && text.Fill < text.Capacity) {
    int32_t start = text.Fill;
    Piece p = FormatPiece<true>(c, pos, w.Size, text.Base, text.Fill, text.Capacity, status);
    if (!p.ended) {
      text.Fill = start;
      break;
    }
    lines.Entries[lines.Count++] =
        Entry(offset + (pos - w.Position), start, text.Fill - start, p.flags);
    pos = p.next;
  }
  lines.Entries[lines.Count] = LineEntry{offset + (pos - w.Position), 0, -1, 0, 0};
  return status;
}

// Start of the line that ends at pos. A run of line-end bytes is paired
// from its first byte, as the forward pass pairs it.
int32_t LineStart(const uint8_t* d, int32_t pos) {
  int32_t run = pos;
  while (run > 0 && IsLineEnd(d[run - 1])) --run;
  if (run < pos) {
    int32_t last = run;
    for (int32_t i = run; i < pos; i += (i + 1 < pos && d[i + 1] == (d[i] ^ (kCR ^ kLF))) ? 2 : 1)
      last = i;
    if (last > run) return last;  // an empty line
  }
  return byte_scan::FindLastLineEnd(d, run);
}

// Formats [from, end) into slots Count-1, Count-2, ... and puts the pieces
// back in file order. False (nothing kept) when they do not all fit.
bool PlaceLine(const TextContext& c, int32_t from, int32_t end, LineArray& lines, TextBuffer& text,
               FileOffset offsetOfZero, uint16_t& status) {
  int32_t fill = text.Fill, n = 0;
  for (int32_t p = from; p < end;) {
    if (n == lines.Count) return false;
    int32_t start = fill;
    Piece piece = FormatPiece<true>(c, p, end, text.Base, fill, text.Capacity, status);
    if (!piece.ended) return false;
    lines.Entries[lines.Count - 1 - n] = Entry(offsetOfZero + p, start, fill - start, piece.flags);
    ++n;
    p = piece.next;
  }
  std::reverse(lines.Entries + lines.Count - n, lines.Entries + lines.Count);
  lines.Count -= n;
  text.Fill = fill;
  return true;
}

// Where the longest tail of the line [from, end) that fits in the slots
// and the text room begins; end when not even its last piece fits.
int32_t FittingTail(const TextContext& c, int32_t from, int32_t end, int32_t slots, int32_t room) {
  uint16_t ignored = 0;
  int32_t pieces = 0, total = 0;
  for (int32_t p = from; p < end; ++pieces)
    p = FormatPiece<false>(c, p, end, nullptr, total, INT32_MAX, ignored).next;
  int32_t chars = 0, i = 0;
  for (int32_t p = from; p < end; ++i) {
    if (i >= pieces - slots && total - chars <= room) return p;
    p = FormatPiece<false>(c, p, end, nullptr, chars, INT32_MAX, ignored).next;
  }
  return end;
}

uint16_t Backward(const TextContext& c, const ReadWindow& w, LineArray& lines, TextBuffer& text,
                  FileOffset offset) {
  const uint8_t* d = w.Data;
  const FileOffset offsetOfZero = offset - w.Position;
  uint16_t status = 0;
  int32_t pos = w.Position;
  // An end-of-file mark after the last line end is no line of its own.
  if (pos == w.Size && pos >= 2 && d[pos - 1] == kEofMark && IsLineEnd(d[pos - 2])) --pos;
  while (lines.Count > 0 && text.Fill < text.Capacity && pos > 0) {
    int32_t start = LineStart(d, pos);
    // A caller may hand in a table whose slot below count still holds a
    // line (the line buffer rebuilds it): it stays when nothing fits.
    const LineEntry kept = lines.Entries[lines.Count - 1];
    if (PlaceLine(c, start, pos, lines, text, offsetOfZero, status)) {
      pos = start;
      continue;
    }
    lines.Entries[lines.Count - 1] = kept;
    // The whole line does not fit: keep as much of its end as fits, so the
    // lines shown stay contiguous.
    int32_t tail = FittingTail(c, start, pos, lines.Count, text.Capacity - text.Fill);
    if (tail < pos && !PlaceLine(c, tail, pos, lines, text, offsetOfZero, status))
      lines.Entries[lines.Count - 1] = kept;
    break;
  }
  return status;
}
}  // namespace

uint16_t FormatText(const ReadWindow& window, LineArray& lines, TextBuffer& text, FileOffset offset,
                    int direction, uint32_t flags, int32_t lineLength, int32_t tabLength) {
  if (!FormatterArgumentsValid(window, lines, text, direction)) return ST_FAILED;
  TextContext c;
  InitContext(c, window, flags, lineLength, tabLength);
  return direction == FORMAT_FORWARD ? Forward(c, window, lines, text, offset)
                                     : Backward(c, window, lines, text, offset);
}
