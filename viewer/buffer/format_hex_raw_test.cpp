#include <gtest/gtest.h>

#include "viewer/buffer/format_flags.h"
#include "viewer/buffer/format_test_util.h"

namespace {
std::string Bytes(int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += static_cast<char>('a' + i % 26);
  return s;
}
}  // namespace

TEST(FormatHexDump, LayoutFollowsTheLineLength) {
  HexLayout h;
  EXPECT_FALSE(HexLayoutFor(21, &h));
  ASSERT_TRUE(HexLayoutFor(22, &h));
  EXPECT_EQ(h.BytesPerLine, 4);
  EXPECT_EQ(h.Width, 22);
  ASSERT_TRUE(HexLayoutFor(60, &h));
  EXPECT_EQ(h.BytesPerLine, 8);
  EXPECT_EQ(h.Width, 35);
  ASSERT_TRUE(HexLayoutFor(80, &h));
  EXPECT_EQ(h.BytesPerLine, 16);
  EXPECT_EQ(h.Width, 61);
  ASSERT_TRUE(HexLayoutFor(2000000000, &h));
  EXPECT_EQ(h.BytesPerLine, 64);
  EXPECT_EQ(h.Width, 217);
}

TEST(FormatHexDump, LinesAt60Columns) {
  FormatRun f = RunFormatter(FormatHexDump, Bytes(8) + "\x01\xFF", FORMAT_FORWARD, 0, 60);
  ASSERT_EQ(f.lines.size(), 2u);
  EXPECT_EQ(f.lines[0].text, "000000  61626364 65666768  abcdefgh");
  EXPECT_EQ(f.lines[1].text, "000008  01FF" + std::string(15, ' ') + "\xB7\xFF");
  EXPECT_EQ(f.end, 10);
  EXPECT_EQ(f.status, 0);
}

TEST(FormatHexDump, TooNarrowFails) {
  EXPECT_EQ(RunFormatter(FormatHexDump, "abc", FORMAT_FORWARD, 0, 21).status,
            ST_FAILED | ST_TOO_NARROW);
  EXPECT_EQ(RunFormatter(FormatHexDump, "abc", FORMAT_BACKWARD, 0, 8).status, 0x110);
}

TEST(FormatHexDump, BackwardLinesAlignToTheStartOffset) {
  std::string s = Bytes(40);
  FormatRun b = RunFormatter(FormatHexDump, s, FORMAT_BACKWARD, 0, 80, 5);
  ASSERT_EQ(b.lines.size(), 1u);
  EXPECT_EQ(b.lines[0].offset, 0);
  EXPECT_EQ(b.lines[0].text,
            "FFFFF5" + std::string(26, ' ') + "61 62636465  " + std::string(11, ' ') + "abcde");
  FormatRun f = RunFormatter(FormatHexDump, s, FORMAT_FORWARD, 0, 80, 5);
  EXPECT_EQ(Offsets(f), (std::vector<FileOffset>{5, 21, 37}));
}

TEST(FormatHexDump, LargeOffsetsPrintAllDigitsBothWays) {
  std::string s = Bytes(32);
  FormatRun f = RunFormatter(FormatHexDump, s, FORMAT_FORWARD, 0, 80, 0, 0x1234560);
  FormatRun b = RunFormatter(FormatHexDump, s, FORMAT_BACKWARD, 0, 80, 32, 0x1234580);
  EXPECT_EQ(f.lines[0].text.substr(0, 10), "1234560 61");
  EXPECT_EQ(f.lines, b.lines);
}

// The hex digits start at column 8, or one past the digits of the file's
// last offset (of the window's end when the file size is not known).
TEST(FormatHexDump, OffsetsNeverRunIntoTheHexDigits) {
  const std::string hex = "61626364 65666768  abcdefgh";
  const struct {
    FileOffset fileSize, offset;
    std::string line;
  } cases[] = {
      {0x10000000, 0xFFFFFF8, "FFFFFF8 " + hex},     {0x100000000, 0xFFFFFFF0, "FFFFFFF0 " + hex},
      {0x180000000, 0xFFFFFFF0, "FFFFFFF0  " + hex}, {0x180000000, 0x100000000, "100000000 " + hex},
      {0, 0x100000000, "100000000 " + hex},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    FormatRun f = RunFormatter(FormatHexDump, Bytes(8), FORMAT_FORWARD, 0, 60, 0, c.offset, 200,
                               1 << 16, c.fileSize);
    FormatRun b = RunFormatter(FormatHexDump, Bytes(8), FORMAT_BACKWARD, 0, 60, 8, c.offset + 8,
                               200, 1 << 16, c.fileSize);
    ASSERT_EQ(f.lines.size(), 1u);
    EXPECT_EQ(f.lines[0].text, c.line);
    EXPECT_EQ(f.lines, b.lines);
  }
  HexLayout h;
  EXPECT_FALSE(HexLayoutFor(23, &h, 0x180000000)) << "one group takes 24 columns";
  ASSERT_TRUE(HexLayoutFor(24, &h, 0x180000000));
  EXPECT_EQ(h.Width, 24);
}

TEST(FormatHexDump, BackwardStopsAtAWindowThatStartsInsideTheFile) {
  std::string s = Bytes(20);
  // The window starts at file offset 100: the line before 104 would need
  // bytes the window does not hold.
  FormatRun b = RunFormatter(FormatHexDump, s, FORMAT_BACKWARD, 0, 22, 20, 120);
  EXPECT_EQ(Offsets(b), (std::vector<FileOffset>{100, 104, 108, 112, 116}));
  FormatRun odd = RunFormatter(FormatHexDump, s, FORMAT_BACKWARD, 0, 22, 18, 118);
  EXPECT_EQ(odd.lines.front().offset, 102);
}

TEST(FormatRawText, FixedLinesForwardAndPaddedBackward) {
  std::string s = Bytes(25);
  FormatRun f = RunFormatter(FormatRawText, s, FORMAT_FORWARD, 0, 10);
  EXPECT_EQ(Texts(f), (std::vector<std::string>{s.substr(0, 10), s.substr(10, 10), s.substr(20)}));
  EXPECT_EQ(f.end, 25);
  FormatRun b = RunFormatter(FormatRawText, s, FORMAT_BACKWARD, 0, 10);
  EXPECT_EQ(Offsets(b), (std::vector<FileOffset>{0, 5, 15}));
  EXPECT_EQ(b.lines[0].text, "     " + s.substr(0, 5));
  // Line ends are bytes like any other.
  EXPECT_EQ(Texts(RunFormatter(FormatRawText, "a\r\nb", FORMAT_FORWARD, 0, 10))[0],
            "a\xB7\xB7"
            "b");
}

TEST(FormatRawText, FullTextBuffer) {
  std::string s = Bytes(25);
  // Forward: a line that does not fit whole ends the pass, so the next one
  // starts aligned.
  FormatRun f = RunFormatter(FormatRawText, s, FORMAT_FORWARD, 0, 10, 0, 0, 50, 14);
  EXPECT_EQ(Texts(f), (std::vector<std::string>{s.substr(0, 10)}));
  EXPECT_EQ(f.end, 10);
  // The short last line needs only its own room.
  EXPECT_EQ(RunFormatter(FormatRawText, s, FORMAT_FORWARD, 0, 10, 20, 20, 50, 5).end, 25);
  // Backward: a line that does not fit is dropped.
  FormatRun b = RunFormatter(FormatRawText, s, FORMAT_BACKWARD, 0, 10, -1, -1, 50, 14);
  EXPECT_EQ(Offsets(b), (std::vector<FileOffset>{15}));
  // A window inside the file: no padding with bytes the window lacks.
  FormatRun w = RunFormatter(FormatRawText, s, FORMAT_BACKWARD, 0, 10, 25, 1025);
  EXPECT_EQ(Offsets(w), (std::vector<FileOffset>{1005, 1015}));
}

TEST(FormatRawText, EbcdicAndMiddleDot) {
  FormatRun e = RunFormatter(FormatRawText, "\xC1\xC2\x40\xF1\x05", FORMAT_FORWARD, FMT_EBCDIC, 10);
  EXPECT_EQ(e.lines[0].text, "AB 1\xB7");
  FormatRun a =
      RunFormatter(FormatRawText, std::string("\x00\x1F\x41", 3), FORMAT_FORWARD, FMT_OEM, 10);
  EXPECT_EQ(a.lines[0].text,
            "\xB7\xB7"
            "A");
}
