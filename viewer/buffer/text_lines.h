// The Text formatter's passes over a window, shared by the byte codes and
// the Unicode codes. Rules says how one line (or wrapped piece) is formatted
// and where a line starts:
//   template <bool kWrite> TextPiece Format(pos, end, out, fill, cap, status);
//   int32_t LineStart(pos);  // of the line that ends at pos
//   int32_t DataEnd(size);   // the window end, before an end-of-file mark after the last line end
//   static constexpr int32_t kUnitBytes;  // text-buffer bytes per character
#pragma once
#include <algorithm>
#include <cstdint>

#include "viewer/buffer/formatters.h"

struct TextPiece {
  int32_t next;   // position after the piece
  int32_t flags;  // LF_* bits
  bool ended;     // false: cut off by the full text buffer
};

namespace text_lines {

inline LineEntry Entry(FileOffset offset, int32_t textOffset, int32_t bytes, int32_t unitBytes,
                       int32_t flags) {
  return LineEntry{offset, textOffset, bytes / unitBytes, 0, flags};
}

template <class Rules>
uint16_t Forward(const Rules& r, const ReadWindow& w, LineArray& lines, TextBuffer& text,
                 FileOffset offset) {
  uint16_t status = 0;
  int32_t pos = w.Position;
  while (lines.Count < lines.Capacity - 1 && pos < w.Size && text.Fill < text.Capacity) {
    int32_t start = text.Fill;
    TextPiece p = r.template Format<true>(pos, w.Size, text.Base, text.Fill, text.Capacity, status);
    if (!p.ended || p.next == pos) {
      text.Fill = start;
      break;
    }
    lines.Entries[lines.Count++] =
        Entry(offset + (pos - w.Position), start, text.Fill - start, Rules::kUnitBytes, p.flags);
    pos = p.next;
  }
  lines.Entries[lines.Count] = LineEntry{offset + (pos - w.Position), 0, -1, 0, 0};
  return status;
}

// Formats [from, end) into slots Count-1, Count-2, ... and puts the pieces
// back in file order. False (nothing kept) when they do not all fit.
template <class Rules>
bool PlaceLine(const Rules& r, int32_t from, int32_t end, LineArray& lines, TextBuffer& text,
               FileOffset offsetOfZero, uint16_t& status) {
  int32_t fill = text.Fill, n = 0;
  for (int32_t p = from; p < end;) {
    if (n == lines.Count) return false;
    int32_t start = fill;
    TextPiece piece = r.template Format<true>(p, end, text.Base, fill, text.Capacity, status);
    if (!piece.ended || piece.next == p) return false;
    lines.Entries[lines.Count - 1 - n] =
        Entry(offsetOfZero + p, start, fill - start, Rules::kUnitBytes, piece.flags);
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
template <class Rules>
int32_t FittingTail(const Rules& r, int32_t from, int32_t end, int32_t slots, int32_t room) {
  uint16_t ignored = 0;
  int32_t pieces = 0, total = 0;
  for (int32_t p = from; p < end; ++pieces) {
    const int32_t next = r.template Format<false>(p, end, nullptr, total, INT32_MAX, ignored).next;
    if (next == p) return end;
    p = next;
  }
  int32_t chars = 0, i = 0;
  for (int32_t p = from; p < end; ++i) {
    if (i >= pieces - slots && total - chars <= room) return p;
    p = r.template Format<false>(p, end, nullptr, chars, INT32_MAX, ignored).next;
  }
  return end;
}

template <class Rules>
uint16_t Backward(const Rules& r, const ReadWindow& w, LineArray& lines, TextBuffer& text,
                  FileOffset offset) {
  const FileOffset offsetOfZero = offset - w.Position;
  uint16_t status = 0;
  int32_t pos = w.Position == w.Size ? r.DataEnd(w.Size) : w.Position;
  while (lines.Count > 0 && text.Fill < text.Capacity && pos > 0) {
    int32_t start = r.LineStart(pos);
    // A caller may hand in a table whose slot below count still holds a
    // line (the line buffer rebuilds it): it stays when nothing fits.
    const LineEntry kept = lines.Entries[lines.Count - 1];
    if (PlaceLine(r, start, pos, lines, text, offsetOfZero, status)) {
      pos = start;
      continue;
    }
    lines.Entries[lines.Count - 1] = kept;
    // The whole line does not fit: keep as much of its end as fits, so the
    // lines shown stay contiguous.
    int32_t tail = FittingTail(r, start, pos, lines.Count, text.Capacity - text.Fill);
    if (tail < pos && !PlaceLine(r, tail, pos, lines, text, offsetOfZero, status))
      lines.Entries[lines.Count - 1] = kept;
    break;
  }
  return status;
}

}  // namespace text_lines
