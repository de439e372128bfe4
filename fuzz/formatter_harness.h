// Runs one formatter over fuzz input: the first bytes choose the flags, the
// line length, the direction, the position and the buffer sizes, the rest
// is the window. Buffers are allocated to their exact sizes, so the
// sanitizer sees any write past them; the lines made must lie inside the
// window, in file order, within the line length.
#pragma once
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "viewer/buffer/format_flags.h"
#include "viewer/buffer/formatters.h"

namespace fuzz {

// Stops the run with the condition that failed.
#define FUZZ_CHECK(condition)                                                            \
  do {                                                                                   \
    if (!(condition)) {                                                                  \
      std::fprintf(stderr, "check failed: %s:%d: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                      \
    }                                                                                    \
  } while (0)

struct Input {
  const uint8_t* p;
  size_t n;
  uint32_t Take(int bytes) {
    uint32_t v = 0;
    for (int i = 0; i < bytes; ++i) {
      v = (v << 8) | (n ? *p : 0);
      if (n) ++p, --n;
    }
    return v;
  }
};

inline int32_t LineLengthFrom(uint32_t raw) {
  switch (raw & 7) {
    case 0: return 21 + (raw >> 3) % 3;             // around the hex minimum
    case 1: return static_cast<int32_t>(raw >> 3);  // anything up to 2^29
    case 2: return -static_cast<int32_t>(raw >> 3) % 5;
    default: return 1 + static_cast<int32_t>((raw >> 3) % 300);
  }
}

// Text formatted backward from the end of a whole file gives the lines it
// gives forward from the start, when the buffers hold them all.
inline void CheckTextBothWays(const uint8_t* bytes, int32_t n, uint32_t flags, int32_t L,
                              int32_t tab) {
  if (n > 1000 || L < 1 || L > 300) return;
  const int32_t capacity = n + 2, room = 2 * n * (L < 255 ? L : 255) + 2;
  std::vector<LineEntry> fwd(capacity), back(capacity);
  std::vector<char> fwdText(room), backText(room);
  LineArray f{fwd.data(), capacity, 0}, b{back.data(), capacity, capacity};
  TextBuffer ft{fwdText.data(), room, 0}, bt{backText.data(), room, 0};
  FormatText(ReadWindow{bytes, n, 0}, f, ft, 0, FORMAT_FORWARD, flags, L, tab);
  FormatText(ReadWindow{bytes, n, n}, b, bt, n, FORMAT_BACKWARD, flags, L, tab);
  FUZZ_CHECK(f.Count == capacity - b.Count);
  for (int32_t i = 0; i < f.Count; ++i) {
    const LineEntry &x = fwd[i], &y = back[b.Count + i];
    FUZZ_CHECK(x.Offset == y.Offset && x.Length == y.Length && x.Flags == y.Flags);
    const int32_t bytes = (x.Flags & LF_WIDE) ? 2 * x.Length : x.Length;
    FUZZ_CHECK(std::memcmp(&fwdText[x.TextOffset], &backText[y.TextOffset], bytes) == 0);
  }
}

inline void FuzzFormatter(Formatter format, bool hex, const uint8_t* data, size_t size) {
  Input in{data, size};
  const uint32_t flags = in.Take(2);
  const int32_t L = LineLengthFrom(in.Take(4));
  const int direction = (in.Take(1) & 1) ? FORMAT_BACKWARD : FORMAT_FORWARD;
  const uint32_t where = in.Take(2);
  const int32_t capacity = 1 + static_cast<int32_t>(in.Take(1));
  const int32_t textCapacity = static_cast<int32_t>(in.Take(2) % 20000);
  // Now and then far into a file of many GiB.
  const FileOffset windowStart = static_cast<FileOffset>(in.Take(3)) << (in.Take(1) % 20);
  const int32_t tab = 1 + static_cast<int32_t>(in.Take(1) % 255);

  const int32_t n = static_cast<int32_t>(in.n);
  std::unique_ptr<uint8_t[]> bytes(new uint8_t[n > 0 ? n : 1]);
  if (n) std::memcpy(bytes.get(), in.p, n);
  const int32_t position = n ? static_cast<int32_t>(where % (n + 1)) : 0;
  const FileOffset offset = windowStart + position;

  std::unique_ptr<LineEntry[]> entries(new LineEntry[capacity]);
  std::unique_ptr<char[]> text(new char[textCapacity > 0 ? textCapacity : 1]);
  const int32_t startCount = direction == FORMAT_FORWARD ? 0 : capacity;
  if (direction == FORMAT_FORWARD && capacity < 1) return;
  ReadWindow w{bytes.get(), n, position};
  LineArray lines{entries.get(), capacity, startCount};
  TextBuffer t{text.get(), textCapacity, 0};
  uint16_t status = format(w, lines, t, offset, direction, flags, L, tab);

  if (format == FormatText) CheckTextBothWays(bytes.get(), n, flags, L, tab);

  HexLayout layout;
  if (hex && !HexLayoutFor(L, &layout, windowStart + n)) {
    FUZZ_CHECK(status == (ST_FAILED | ST_TOO_NARROW));
    return;
  }
  FUZZ_CHECK(!(status & ST_FAILED));
  FUZZ_CHECK(t.Fill >= 0 && t.Fill <= textCapacity);
  const int32_t maxLength = hex ? layout.Width : (L < 1 ? 1 : L);
  const int32_t from = direction == FORMAT_FORWARD ? startCount : lines.Count;
  const int32_t to = direction == FORMAT_FORWARD ? lines.Count : startCount;
  FUZZ_CHECK(from >= 0 && from <= to && to <= capacity);
  FileOffset previous = -1;
  for (int32_t i = from; i < to; ++i) {
    const LineEntry& e = entries[i];
    // A surrogate pair wider than the whole line stands alone on it; in a
    // hex dump one on the line's last byte takes a unit past its width.
    const bool wide = (e.Flags & LF_WIDE) != 0;
    FUZZ_CHECK(wide == FormatsWide(format, flags));
    FUZZ_CHECK(e.Length >= 0 &&
               e.Length <= (wide ? std::max(maxLength + (hex ? 1 : 0), 2) : maxLength));
    FUZZ_CHECK(e.TextOffset >= 0 && e.TextOffset + (wide ? 2 : 1) * e.Length <= t.Fill);
    FUZZ_CHECK(e.Offset > previous);
    if (direction == FORMAT_FORWARD)
      FUZZ_CHECK(e.Offset >= offset && e.Offset < windowStart + n);
    else
      FUZZ_CHECK(e.Offset >= 0 && e.Offset >= windowStart - maxLength && e.Offset < offset);
    previous = e.Offset;
  }
  if (direction == FORMAT_FORWARD) {
    FUZZ_CHECK(lines.Count < capacity);
    const LineEntry& end = entries[lines.Count];
    FUZZ_CHECK(end.Length == -1 && end.Offset > previous && end.Offset >= offset &&
               end.Offset <= windowStart + n);
  }
}

}  // namespace fuzz
