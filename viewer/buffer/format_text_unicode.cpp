// Text in UTF-8 and UTF-16: the same lines as for the byte codes, counted in
// characters. Offsets stay byte offsets: an invalid byte (a UTF-16 unit) is
// one replacement mark, and a character cut off by the end of a window that
// is not the file's end ends the data there, so the line buffer reads it
// whole with the next block.
#include <algorithm>
#include <cstring>

#include "viewer/buffer/byte_scan.h"
#include "viewer/buffer/format_flags.h"
#include "viewer/buffer/formatters.h"
#include "viewer/buffer/text_lines.h"
#include "viewer/buffer/utf_decode.h"

namespace {
constexpr uint32_t kCR = 0x0D, kLF = 0x0A, kTab = 0x09, kFormFeed = 0x0C, kEofMark = 0x1A;
constexpr uint32_t kByteOrderMark = 0xFEFF;
constexpr uint16_t kMiddleDot = 0xB7, kTabMark = 0xA4, kFormFeedMark = 0xF0;

inline bool IsLineEnd(uint32_t ch) { return ch == kCR || ch == kLF; }

struct UnicodeRules {
  static constexpr int32_t kUnitBytes = 2;
  const uint8_t* data;
  FileOffset offsetOfZero;  // file offset of data[0]
  bool atFileEnd;           // the window reaches the end of the file
  int32_t windowSize;
  uint32_t code;  // FMT_UTF8, FMT_UTF16LE or FMT_UTF16BE
  uint32_t flags;
  int32_t lineLength;
  int32_t tabLength;
  bool expandTabs;

  bool Wide16() const { return (code & FMT_UTF8) == 0; }

  // The character at pos; Bytes 0 where the data ends inside it.
  UtfChar At(int32_t pos, int32_t end) const {
    if (Wide16() && ((offsetOfZero + pos) & 1)) return {kReplacementChar, 1, UtfStep::Invalid};
    UtfChar c = DecodeUtf(code, data + pos, end - pos);
    if (c.Step != UtfStep::Cut || !atFileEnd || end < windowSize) return c;
    // The file ends inside the character: each byte left is a mark, except
    // that a UTF-16 high surrogate keeps its unit whole.
    return {kReplacementChar, Wide16() && end - pos >= 2 ? 2 : 1, UtfStep::Invalid};
  }

  bool IsMark(int32_t pos, const UtfChar& c) const {
    return c.Char == kByteOrderMark && offsetOfZero + pos == 0;
  }

  static uint32_t Display(uint32_t ch, uint32_t flags) {
    if (ch == kTab) return kTabMark;
    if (ch == kFormFeed) return (flags & FMT_KEEP_FF) ? kFormFeed : kFormFeedMark;
    if (ch < 0x20 || (ch >= 0x7F && ch < 0xA0)) return kMiddleDot;
    return ch;
  }

  template <bool kWrite>
  static void Put(char* out, int32_t& fill, uint16_t unit) {
    if constexpr (kWrite) std::memcpy(out + fill, &unit, 2);
    fill += 2;
  }

  // Past the characters up to the next line end (or the data's end).
  int32_t SkipToLineEnd(int32_t pos, int32_t end) const {
    if (!Wide16()) return pos + byte_scan::FindStop(data + pos, end - pos, false);
    while (pos < end) {
      const UtfChar c = At(pos, end);
      if (c.Bytes == 0 || IsLineEnd(c.Char)) break;
      pos += c.Bytes;
    }
    return pos;
  }

  template <bool kWrite>
  TextPiece Format(int32_t pos, int32_t end, char* out, int32_t& fill, int32_t cap,
                   uint16_t& status) const;
  int32_t LineStart(int32_t pos) const;
  int32_t DataEnd(int32_t size) const;
};

template <bool kWrite>
TextPiece UnicodeRules::Format(int32_t pos, int32_t end, char* out, int32_t& fill, int32_t cap,
                               uint16_t& status) const {
  int32_t flags = LF_WIDE;
  UtfChar c = pos < end ? At(pos, end) : UtfChar{};
  if (c.Bytes > 0 && IsMark(pos, c)) {
    pos += c.Bytes;
    c = pos < end ? At(pos, end) : UtfChar{};
  }
  if (c.Bytes > 0 && c.Char == kFormFeed && (this->flags & FMT_FORM_FEEDS)) {
    pos += c.Bytes;
    if (this->flags & FMT_PAGE_GAP) return {pos, LF_WIDE | LF_PAGE_GAP, true};
    flags |= LF_PAGE_BREAK;
  }
  const int32_t L = lineLength;
  int32_t w = 0;
  bool ended = false, dataEnd = false;
  while (fill + 2 <= cap) {
    if (pos >= end) {
      dataEnd = true;
      break;
    }
    // Plain ASCII in UTF-8 needs no decoding.
    if (!Wide16()) {
      int32_t run = std::min({end - pos, L - w, (cap - fill) / 2});
      int32_t i = 0;
      for (; i < run; ++i) {
        const uint8_t b = data[pos + i];
        if (b < 0x20 || b >= 0x7F) break;
        if constexpr (kWrite) {
          const uint16_t unit = b;
          std::memcpy(out + fill + 2 * i, &unit, 2);
        }
      }
      pos += i, fill += 2 * i, w += i;
      if (pos >= end) {
        dataEnd = true;
        break;
      }
      if (fill + 2 > cap) break;
    }
    c = At(pos, end);
    if (c.Bytes == 0) {  // cut off by the window's end
      dataEnd = true;
      break;
    }
    if (IsLineEnd(c.Char)) {
      pos += c.Bytes;
      if (pos < end) {
        const UtfChar pair = At(pos, end);
        if (pair.Bytes > 0 && pair.Char == (c.Char ^ (kCR ^ kLF))) pos += pair.Bytes;
      }
      if (pos < end) {
        const UtfChar last = At(pos, end);
        if (last.Bytes > 0 && last.Char == kEofMark && pos + last.Bytes == end) pos = end;
      }
      ended = true;
      break;
    }
    if (c.Char == kTab && expandTabs) {
      int32_t stopAt = std::min(w + (tabLength - w % tabLength), L);
      int32_t spaces = std::min(stopAt - w, (cap - fill) / 2);
      for (int32_t k = 0; k < spaces; ++k) Put<kWrite>(out, fill, ' ');
      w += std::max(spaces, 0);
      pos += c.Bytes;
      continue;
    }
    uint16_t units[2];
    const int32_t count = ToUtf16Units(Display(c.Char, this->flags), units);
    // The line is full; a surrogate pair is never split, and one that is
    // wider than the whole line stands alone on it.
    if (w + count > L && w > 0) {
      if (this->flags & FMT_WRAP) {
        ended = true;
        break;
      }
      pos = SkipToLineEnd(pos, end);
      flags |= LF_TRUNCATED;
      status |= ST_TRUNCATED;
      continue;
    }
    if (fill + 2 * count > cap) break;
    for (int32_t k = 0; k < count; ++k) Put<kWrite>(out, fill, units[k]);
    w += count;
    pos += c.Bytes;
  }
  if (w >= L) ended = true;
  // A full line may still run on when the data ends in a character cut in
  // two: without wrapping it is cut short after it, and half a UTF-16 unit
  // may be the line end that belongs to it.
  const bool mayRunOn =
      pos < end && (!(this->flags & FMT_WRAP) || (Wide16() && end - pos < kUnitBytes));
  if (dataEnd && (!ended || mayRunOn)) {
    flags |= LF_INCOMPLETE;
    status |= ST_EOF;
    ended = true;
  }
  return {pos, flags, ended};
}

// Start of the line that ends at pos, by the same pairing as the forward
// pass. UTF-8's line ends are single bytes; UTF-16's are read unit by unit
// on the file's even offsets.
int32_t UnicodeRules::LineStart(int32_t pos) const {
  const int32_t step = Wide16() ? 2 : 1;
  const int32_t first = Wide16() ? static_cast<int32_t>((offsetOfZero & 1)) : 0;
  auto lineEndAt = [&](int32_t i) {
    if (i < first || i + step > pos) return 0u;
    const UtfChar c = At(i, pos);
    return c.Bytes == step && IsLineEnd(c.Char) ? c.Char : 0u;
  };
  int32_t run = pos - ((pos - first) % step + step) % step;
  if (run < pos) {
    // Half a unit at the end of the file is a mark of its own after a line end.
    if (lineEndAt(run - step)) return run;
  } else {
    while (run - step >= first && lineEndAt(run - step)) run -= step;
    if (run < pos) {
      int32_t last = run;
      for (int32_t i = run; i < pos;) {
        last = i;
        const uint32_t a = lineEndAt(i), b = lineEndAt(i + step);
        i += (b && b == (a ^ (kCR ^ kLF))) ? 2 * step : step;
      }
      if (last > run) return last;  // an empty line
    }
  }
  if (!Wide16()) return byte_scan::FindLastLineEnd(data, run);
  for (int32_t i = run - step; i >= first; i -= step)
    if (lineEndAt(i)) return i + step;
  return 0;
}

int32_t UnicodeRules::DataEnd(int32_t size) const {
  const int32_t step = Wide16() ? 2 : 1;
  if (size < 2 * step || ((offsetOfZero + size) % step) != 0) return size;
  const UtfChar last = At(size - step, size);
  if (last.Bytes != step || last.Char != kEofMark) return size;
  const UtfChar before = At(size - 2 * step, size);
  return before.Bytes == step && IsLineEnd(before.Char) ? size - step : size;
}
}  // namespace

uint16_t FormatUnicodeText(const ReadWindow& window, LineArray& lines, TextBuffer& text,
                           FileOffset offset, int direction, uint32_t flags, int32_t lineLength,
                           int32_t tabLength) {
  if (!FormatterArgumentsValid(window, lines, text, direction)) return ST_FAILED;
  const FileOffset offsetOfZero = offset - window.Position;
  // Units are written on even offsets of the buffer.
  if ((text.Fill & 1) && text.Fill < text.Capacity) ++text.Fill;
  UnicodeRules r{};
  r.data = window.Data;
  r.offsetOfZero = offsetOfZero;
  r.atFileEnd = window.FileSize <= 0 || offsetOfZero + window.Size >= window.FileSize;
  r.code = (flags & FMT_UTF8) ? FMT_UTF8 : (flags & FMT_UTF16BE) ? FMT_UTF16BE : FMT_UTF16LE;
  r.flags = flags;
  r.lineLength = std::max<int32_t>(lineLength, 1);
  r.tabLength = std::clamp(tabLength, 1, 255);
  r.expandTabs = (flags & FMT_EXPAND_TABS) != 0;
  r.windowSize = window.Size;
  return direction == FORMAT_FORWARD ? text_lines::Forward(r, window, lines, text, offset)
                                     : text_lines::Backward(r, window, lines, text, offset);
}
