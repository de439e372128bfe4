// Text: lines end at CR, LF or a CR LF / LF CR pair; tabs may be expanded,
// long lines cut or wrapped, and a form feed at a line start marks a page.
#include <algorithm>

#include "viewer/buffer/byte_scan.h"
#include "viewer/buffer/code_tables.h"
#include "viewer/buffer/format_flags.h"
#include "viewer/buffer/formatters.h"
#include "viewer/buffer/text_lines.h"

namespace {
constexpr uint8_t kCR = 0x0D, kLF = 0x0A, kTab = 0x09, kFormFeed = 0x0C, kEofMark = 0x1A;

inline bool IsLineEnd(uint8_t b) { return b == kCR || b == kLF; }

struct ByteRules {
  static constexpr int32_t kUnitBytes = 1;
  const uint8_t* data;
  CodeTable table;
  uint32_t flags;
  int32_t lineLength;
  int32_t tabLength;
  bool expandTabs;

  template <bool kWrite>
  TextPiece Format(int32_t pos, int32_t end, char* out, int32_t& fill, int32_t cap,
                   uint16_t& status) const;
  int32_t LineStart(int32_t pos) const;
  int32_t DataEnd(int32_t size) const {
    const uint8_t* d = data;
    return size >= 2 && d[size - 1] == kEofMark && IsLineEnd(d[size - 2]) ? size - 1 : size;
  }
};

ByteRules MakeRules(const ReadWindow& w, uint32_t flags, int32_t lineLength, int32_t tabLength) {
  return ByteRules{w.Data,
                   SelectCodeTable(flags),
                   flags,
                   std::max<int32_t>(lineLength, 1),
                   std::clamp(tabLength, 1, 255),
                   (flags & FMT_EXPAND_TABS) != 0};
}

// Formats one line (or one wrapped piece of a line) that starts at pos and
// may run up to end. Without kWrite only the characters are counted.
template <bool kWrite>
TextPiece ByteRules::Format(int32_t pos, int32_t end, char* out, int32_t& fill, int32_t cap,
                            uint16_t& status) const {
  const ByteRules& c = *this;
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

// Start of the line that ends at pos. A run of line-end bytes is paired
// from its first byte, as the forward pass pairs it.
int32_t ByteRules::LineStart(int32_t pos) const {
  const uint8_t* d = data;
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

}  // namespace

uint16_t FormatText(const ReadWindow& window, LineArray& lines, TextBuffer& text, FileOffset offset,
                    int direction, uint32_t flags, int32_t lineLength, int32_t tabLength) {
  if (!FormatterArgumentsValid(window, lines, text, direction)) return ST_FAILED;
  if (flags & FMT_UTF_MASK)
    return FormatUnicodeText(window, lines, text, offset, direction, flags, lineLength, tabLength);
  const ByteRules r = MakeRules(window, flags, lineLength, tabLength);
  return direction == FORMAT_FORWARD ? text_lines::Forward(r, window, lines, text, offset)
                                     : text_lines::Backward(r, window, lines, text, offset);
}
