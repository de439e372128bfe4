#include "viewer/buffer/line_walk.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "common/text_copy.h"
#include "viewer/buffer/format_flags.h"
#include "viewer/buffer/memory_files.h"
#include "viewer/buffer/view_fixture.h"

namespace {
using Lines = std::vector<std::pair<FileOffset, std::string>>;  // offset and text of each line

// A walk over bytes in blocks of `block` bytes and passes of at most
// slots - 1 lines, with a visitor that ends it after stopAfter lines.
struct Case {
  const char* name;
  std::string bytes;
  LineFormat format;
  Lines lines;  // expected
  int32_t block = 64;
  FileOffset start = 0, end = -1;
  int32_t slots = 99;
  int stopAfter = -1;
};

// Over c.bytes, or over a sparse file.
WalkResult RunWalk(MemoryFileSystem& fs, const Case& c, Lines& lines,
                   const SparseFile* sparse = nullptr) {
  if (sparse)
    fs.SparseFiles["f"] = *sparse;
  else
    fs.Files["f"].assign(c.bytes.begin(), c.bytes.end());
  FileRef file;
  CopyText(file.Path, "f");
  file.Flen = sparse ? sparse->Size : static_cast<FileOffset>(c.bytes.size());
  std::vector<uint8_t> read(c.block);
  std::vector<LineEntry> entries(c.slots);
  std::vector<char> text(4096);
  const WalkBlocks blocks{read.data(), c.block, entries.data(), c.slots, text.data(), 4096};
  return WalkFormattedLines(file, c.start, c.end, c.format, blocks,
                            [&](const LineEntry& line, std::string_view chars) {
                              lines.emplace_back(line.Offset, chars);
                              return static_cast<int>(lines.size()) != c.stopAfter;
                            });
}
}  // namespace

TEST(WalkFormattedLines, LinesComeWholeAcrossBlocksAndStopAtTheEnd) {
  const LineFormat plain{FormatText, FMT_FORM_FEEDS, 80, 8}, wrap{FormatText, FMT_WRAP, 6, 8};
  const LineFormat utf8{FormatText, FMT_UTF8, 80, 8};
  const std::string pair = "ab\r\ncdef\r\nxy", abc = "a\nb\nc\n";
  const std::string x20 = std::string(20, 'x') + "\ny\n", x8(8, 'x'), x6(6, 'x');
  const Case cases[] = {
      {"a CR LF split by the block end", pair, plain, {{0, "ab"}, {4, "cdef"}, {10, "xy"}}, 9},
      {"start inside the file", pair, plain, {{4, "cdef"}, {10, "xy"}}, 9, 4},
      {"lines that begin before the end", abc, plain, {{0, "a"}, {2, "b"}}, 64, 0, 3},
      {"an empty range gives the line at start", abc, plain, {{2, "b"}}, 64, 2, 2},
      {"start at the end of the file", abc, plain, {}, 64, 6},
      {"a full line table", abc, plain, {{0, "a"}, {2, "b"}, {4, "c"}}, 64, 0, -1, 2},
      {"the visitor ends the walk", abc, plain, {{0, "a"}, {2, "b"}}, 64, 0, -1, 99, 2},
      {"a line longer than a block", x20, plain, {{0, x8}, {8, x8}, {16, "xxxx"}, {21, "y"}}, 8},
      {"its wrapped pieces", x20, wrap, {{0, x6}, {6, x6}, {12, x6}, {18, "xx"}, {21, "y"}}, 8},
      {"a UTF-8 character cut by the block end",
       "ab\nx\xC3\xA9\nyz",
       utf8,
       {{0, std::string("a\0b\0", 4)}, {3, std::string("x\0\xE9\0", 4)}, {7, std::string("y\0z\0", 4)}},
       5},
  };
  MemoryFileSystem& fs = UseMemoryFiles();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Lines lines;
    EXPECT_EQ(RunWalk(fs, c, lines), WALK_DONE);
    EXPECT_EQ(lines, c.lines);
  }
  Lines none;
  EXPECT_EQ(RunWalk(fs, {"too narrow", abc, {FormatHexDump, 0, 21, 8}, {}}, none),
            WALK_FORMAT_FAILED);
  fs.FailRead = true;
  EXPECT_EQ(RunWalk(fs, {"unreadable", abc, plain, {}}, none), WALK_READ_FAILED);
  EXPECT_EQ(none, Lines{});
  UsePlatformFiles();
}

// Copy of the last lines of a 6 GiB file, in blocks that cut lines.
TEST(WalkFormattedLines, LastLinesOfASixGiBFile) {
  const SparseFile sparse = SixGiBOfLines();
  const FileOffset end = sparse.Size;
  const Lines last = {{end - 63, "alpha line one"},
                      {end - 47, "beta 2"},
                      {end - 39, "gamma, the third line"},
                      {end - 16, "alpha line one"}};
  const LineFormat plain{FormatText, 0, 80, 8};
  MemoryFileSystem& fs = UseMemoryFiles();
  for (FileOffset stop : {FileOffset{-1}, end - 16}) {
    Lines lines;
    EXPECT_EQ(RunWalk(fs, {"the end", "", plain, {}, 40, end - 63, stop}, lines, &sparse),
              WALK_DONE);
    EXPECT_EQ(lines, Lines(last.begin(), last.end() - (stop < 0 ? 0 : 1)));
  }
  UsePlatformFiles();
}
