// The line walker over random files in the in-memory file system, with
// random formats, block sizes and line tables. Where every line is shorter
// than a block, it visits the lines that formatting the whole file in one
// go gives, from a line start up to the end limit; otherwise its lines still
// follow one another inside the file.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz/formatter_harness.h"
#include "viewer/buffer/line_walk.h"
#include "viewer/buffer/memory_files.h"

namespace {
struct Seen {
  FileOffset offset;
  int32_t flags;
  std::string text;
  bool operator==(const Seen&) const = default;
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Input in{data, size};
  const int format = static_cast<int>(in.Take(1) % 3);
  const uint32_t flags = in.Take(2);
  const LineFormat lf{FormatterFor(format), flags, 1 + static_cast<int32_t>(in.Take(2) % 300),
                      1 + static_cast<int32_t>(in.Take(1) % 16)};
  // A block holds at least one character of every code (UTF-8 takes up to 4 bytes).
  const int32_t block = 4 + static_cast<int32_t>(in.Take(2) % 1024);
  const int32_t slots = 2 + static_cast<int32_t>(in.Take(2) % (block + 1));
  const uint32_t startChoice = in.Take(2), endChoice = in.Take(3);
  const int stopAfter = static_cast<int>(in.Take(1));  // 0: the visitor never stops
  const std::vector<uint8_t> bytes(in.p, in.p + in.n);
  const int32_t n = static_cast<int32_t>(bytes.size());

  HexLayout layout;
  const int32_t maxChars = format == FORMAT_HEX
                               ? (HexLayoutFor(lf.LineLength, &layout) ? layout.Width : 0)
                               : lf.LineLength;
  // The whole file in one go. A byte makes at most 16 characters (a tab),
  // a hex dump line at most 6 a byte and its width.
  const auto room = [&](int32_t size) { return 2 * (16 * (size + 1) + maxChars); };
  std::vector<LineEntry> whole(n + 2);
  std::vector<char> wholeText(room(n));
  LineArray lines{whole.data(), n + 2, 0};
  TextBuffer text{wholeText.data(), room(n), 0};
  const uint16_t status = lf.Format(ReadWindow{bytes.data(), n, 0}, lines, text, 0, FORMAT_FORWARD,
                                    lf.Flags, lf.LineLength, lf.TabLength);
  FUZZ_CHECK((status & ST_FAILED) || whole[lines.Count].Offset == n);

  const int32_t first = static_cast<int32_t>(startChoice % (lines.Count + 1));
  const FileOffset start = (status & ST_FAILED) ? 0 : whole[first].Offset;
  const FileOffset end = static_cast<FileOffset>(endChoice % (n + 2)) - 1;
  const FileOffset stopAt = std::max<FileOffset>(end < 0 ? n : end, start + 1);

  MemoryFileSystem& fs = UseMemoryFiles();
  fs.Files["f"] = bytes;
  FileRef file;
  std::strcpy(file.Path, "f");
  file.Flen = n;
  std::vector<uint8_t> read(block);
  std::vector<LineEntry> entries(slots);
  std::vector<char> passText(2 * ((block + 1) * maxChars + 1));
  const WalkBlocks blocks{read.data(), block,           entries.data(),
                          slots,       passText.data(), static_cast<int32_t>(passText.size())};
  std::vector<Seen> seen;
  const WalkResult result = WalkFormattedLines(
      file, start, end, lf, blocks, [&](const LineEntry& line, std::string_view chars) {
        seen.push_back({line.Offset, line.Flags, std::string(chars)});
        return static_cast<int>(seen.size()) != stopAfter;
      });
  UsePlatformFiles();

  if (status & ST_FAILED) {
    FUZZ_CHECK(result == (n > 0 ? WALK_FORMAT_FAILED : WALK_DONE) && seen.empty());
    return 0;
  }
  FUZZ_CHECK(result == WALK_DONE);
  FUZZ_CHECK(stopAfter == 0 || static_cast<int>(seen.size()) <= stopAfter);
  // Short enough that a block from its start also holds what follows it:
  // a line end's second byte, and in UTF-8 and UTF-16 the rest of the
  // character after it (up to 3 bytes more) that tells where it ends.
  const int32_t lookahead = 2 + ((flags & FMT_UTF_MASK) ? 3 : 0);
  bool shortLines = true;
  for (int32_t i = 0; i < lines.Count; ++i)
    shortLines = shortLines && whole[i + 1].Offset - whole[i].Offset <= block - lookahead;
  if (shortLines) {
    std::vector<Seen> expected;
    for (int32_t i = first; i < lines.Count && whole[i].Offset < stopAt; ++i) {
      if (stopAfter != 0 && static_cast<int>(expected.size()) == stopAfter) break;
      const LineEntry& e = whole[i];
      const size_t bytes = static_cast<size_t>(e.Length) * (e.Flags & LF_WIDE ? 2 : 1);  // UTF-16 units
      expected.push_back({e.Offset, e.Flags, std::string(&wholeText[e.TextOffset], bytes)});
    }
    if (!(seen == expected)) {
      fprintf(stderr, "fmt=%d flags=%x len=%d tab=%d block=%d slots=%d start=%lld end=%lld n=%d\n", format, flags, lf.LineLength, lf.TabLength, block, slots, (long long)start, (long long)end, n);
      for (auto& e : expected) { fprintf(stderr, "E %lld %x [", (long long)e.offset, e.flags); for (unsigned char c : e.text) fprintf(stderr, "%02x", c); fprintf(stderr, "]\n"); }
      for (auto& e : seen) { fprintf(stderr, "S %lld %x [", (long long)e.offset, e.flags); for (unsigned char c : e.text) fprintf(stderr, "%02x", c); fprintf(stderr, "]\n"); }
    }
    FUZZ_CHECK(seen == expected);
    return 0;
  }
  FileOffset previous = start - 1;
  for (const Seen& s : seen) {
    FUZZ_CHECK(s.offset > previous && s.offset < n);
    // A surrogate pair wider than the whole line stands alone on it; in a
    // hex dump one on the line's last byte takes a unit past its width.
    const int32_t units = (s.flags & LF_WIDE)
                              ? std::max(maxChars + (format == FORMAT_HEX ? 1 : 0), 2)
                              : maxChars;
    FUZZ_CHECK(static_cast<int32_t>(s.text.size()) <= (s.flags & LF_WIDE ? 2 : 1) * units);
    previous = s.offset;
  }
  return 0;
}
