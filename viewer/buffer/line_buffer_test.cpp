#include "viewer/buffer/line_buffer.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "viewer/buffer/file_access.h"
#include "viewer/buffer/program_error.h"
#include "viewer/buffer/read_block.h"
#include "viewer/buffer/view_fixture.h"

namespace {
std::string NumberedLines(int count) {
  std::string s;
  for (int i = 0; i < count; ++i) s += "line " + std::to_string(i) + "\r\n";
  return s;
}

struct Block {
  uint16_t status;
  ReadWindow window;
};

Block Read(FileRef& f, int32_t fcur, int32_t wanted) {
  static uint8_t data[kReadBlockBytes];
  f.Fcur = fcur;
  Block b{};
  b.status = ReadBlock(f, ReadBuffer{data, kReadBlockBytes, wanted}, b.window);
  return b;
}
}  // namespace

TEST(ReadBlock, BlockAroundTheOffsetSlidesToTheFileEnds) {
  ViewFixture v;
  v.Open(std::string(200000, 'x'));
  Block b = Read(v.file, 100000, 0);
  EXPECT_EQ(b.status, 0);
  EXPECT_EQ(b.window.Size, kReadBlockBytes);
  EXPECT_EQ(b.window.Position, 0);
  b = Read(v.file, 100000, kReadBlockBytes);
  EXPECT_EQ(b.window.Position, kReadBlockBytes);
  b = Read(v.file, 199000, 0);  // slides back to end at the end of the file
  EXPECT_EQ(b.status, 0);
  EXPECT_EQ(b.window.Size, kReadBlockBytes);
  EXPECT_EQ(b.window.Position, 199000 - (200000 - kReadBlockBytes));
  b = Read(v.file, 30, kReadBlockBytes);  // cannot start before the file
  EXPECT_EQ(b.window.Position, 30);
  EXPECT_EQ(v.fs.Opens, v.fs.Closes);

  v.Open("small");
  b = Read(v.file, 2, 0);
  EXPECT_EQ(b.status, ST_EOF);
  EXPECT_EQ(b.window.Size, 5);
  EXPECT_EQ(b.window.Position, 2);
  v.Open("");
  EXPECT_EQ(Read(v.file, 0, 0).status, ST_EMPTY | ST_EOF);
}

TEST(ReadBlock, FailuresOfTheFile) {
  ViewFixture v;
  v.Open(std::string(1000, 'x'));
  v.fs.ReadLimit = 100;  // partial reads are continued
  EXPECT_EQ(Read(v.file, 500, 0).status, ST_EOF);
  v.fs.ReadLimit = 0;  // the file ends early
  EXPECT_EQ(Read(v.file, 500, 0).status, ST_EOF | ST_FAILED);
  v.fs.ReadLimit = -1;
  v.fs.FailRead = true;
  EXPECT_TRUE(Read(v.file, 0, 0).status & ST_FAILED);
  v.fs.FailRead = false;
  v.Open(std::string(100000, 'x'));
  v.fs.FailSeek = true;
  EXPECT_TRUE(Read(v.file, 50000, 0).status & ST_FAILED);
  EXPECT_EQ(Read(v.file, 0, 0).status, 0);  // no seek to offset 0
  v.fs.FailSeek = false;
  v.fs.FailSize = true;
  EXPECT_EQ(Read(v.file, 0, 0).status, ST_FAILED);
  v.fs.FailSize = false;
  v.fs.Files.erase("file");
  EXPECT_EQ(Read(v.file, 0, 0).status, ST_FAILED);
  EXPECT_EQ(v.fs.Opens, v.fs.Closes);
}

TEST(ReadBlock, FileThatShrankMovesTheOffsetToItsEnd) {
  ViewFixture v;
  v.Open(std::string(1000, 'x'));
  v.fs.Files["file"].resize(300);
  Block b = Read(v.file, 800, 0);
  EXPECT_EQ(v.file.Flen, 300);
  EXPECT_EQ(v.file.Fcur, 300);
  EXPECT_EQ(b.window.Position, b.window.Size);
}

TEST(ReadBlock, DirectoryCannotBeRead) {
  UsePlatformFiles();
  FileRef dir;
  CopyText(dir.Path, "/tmp");
  EXPECT_EQ(QueryFileSize(dir.Path), 0);
  EXPECT_EQ(Read(dir, 0, 0).status, ST_FAILED);
}

TEST(LoadLinesAround, FileThatGrewIsSeenAtTheNextRefill) {
  ViewFixture v;
  v.Open(NumberedLines(10));
  v.Move(MOVE_REFORMAT, 0, 0);
  std::string more = NumberedLines(20);
  v.fs.Files["file"].assign(more.begin(), more.end());
  // Going to the old end reads the new size; the lines after it follow.
  EXPECT_EQ(v.Move(MOVE_GOTOBYTE, 0, v.file.Flen), 0);
  EXPECT_EQ(v.file.Flen, static_cast<int32_t>(more.size()));
  EXPECT_EQ(v.Move(MOVE_SHOWOFFSET, 100, -1), 0);
  EXPECT_EQ(v.Text(v.table.Acur), "line 10");
  EXPECT_EQ(v.Move(MOVE_SHOWOFFSET, 100, -1), 0);
  EXPECT_EQ(v.Text(v.table.Acur), "line 19");
}

TEST(LoadLinesAround, EmptyFileHoldsOnlyTheEndEntry) {
  ViewFixture v;
  v.Open("");
  EXPECT_EQ(v.Move(MOVE_REFORMAT, 0, 0), 0);
  EXPECT_EQ(v.table.Afirst, 0);
  EXPECT_EQ(v.table.Alast, 0);
  EXPECT_EQ(v.entries[0].Length, -1);
  EXPECT_EQ(v.entries[0].Offset, 0);
}

TEST(LoadLinesAround, TargetInsideALineShowsTheWholeLine) {
  ViewFixture v;
  std::string s = NumberedLines(5000);
  v.Open(s);
  int32_t start = static_cast<int32_t>(s.find("line 2500\r\n"));
  EXPECT_EQ(v.Move(MOVE_GOTOBYTE, 0, start + 7), 0);
  EXPECT_EQ(v.Top().Offset, start);
  EXPECT_EQ(v.Text(v.table.Acur), "line 2500");
  EXPECT_EQ(v.Text(v.table.Acur - 1), "line 2499");
  // The screen sits in the middle of the table.
  EXPECT_GT(v.table.Acur - v.table.Afirst, 700);
  EXPECT_GT(v.table.Alast - v.table.Acur, 700);
  EXPECT_EQ(v.fs.Opens, 2);  // one block each way
}

TEST(LoadLinesAround, HexDumpLinesAlignToTheTarget) {
  ViewFixture v;
  v.settings.Format = 1;
  v.Open(std::string(100000, 'h'));
  EXPECT_EQ(v.Move(MOVE_GOTOBYTE, 0, 5), 0);
  EXPECT_EQ(v.Top().Offset, 5);
  EXPECT_EQ(v.table.Afirst, v.table.Acur - 1);
  EXPECT_EQ(v.entries[v.table.Acur - 1].Offset, 0);  // bytes 0-4 in a partial line
  EXPECT_EQ(v.entries[v.table.Acur + 1].Offset, 21);
}

TEST(LoadLinesAround, LastByteOfALargeFileShowsTheLastLineAtTheTop) {
  ViewFixture v;
  std::string s = NumberedLines(20000);
  v.Open(s);
  EXPECT_EQ(v.Move(MOVE_SHOWOFFSET, 0, static_cast<int32_t>(s.size())), 0);
  EXPECT_EQ(v.table.Acur, v.table.Alast - 1);
  EXPECT_EQ(v.Text(v.table.Acur), "line 19999");
  EXPECT_EQ(v.entries[v.table.Alast].Offset, v.file.Flen);
}

// Refills of a 6 GiB file read two blocks wherever they go. Text puts the
// line holding the target at the top, Hex Dump and Raw Text the line that
// starts at it; the end shows the last line. Hex offsets take nine digits
// and start the hex one column further on.
TEST(LoadLinesAround, SixGiBFileRefillsAnywhereFromTwoBlocks) {
  ViewFixture v;
  const SparseFile sparse = SixGiBOfLines();
  v.Open(sparse);
  const FileOffset end = sparse.Size, two = FileOffset{1} << 31, four = FileOffset{1} << 32;
  const FileOffset targets[] = {0,        1000, two - 1, two,     four - 16,
                                four - 1, four, end / 2, end - 1, end};
  const auto textLineStart = [](FileOffset o) {  // pattern lines start at 0, 16 and 24
    const FileOffset in = o % 47;
    return o - in + (in >= 24 ? 24 : (in >= 16 ? 16 : 0));
  };
  const auto hexStart = [&](FileOffset o) {
    char s[40];
    std::snprintf(s, sizeof s, "%06llX", static_cast<unsigned long long>(o));
    std::string field = std::string(s) + std::string(10, ' ');
    std::snprintf(s, sizeof s, "%02X", static_cast<unsigned char>(sparse.Bytes(o, 1)[0]));
    return field.substr(0, 10) + s;
  };
  for (int format : {0, 1, 2}) {
    v.settings.Format = format;
    for (FileOffset target : targets) {
      SCOPED_TRACE(::testing::Message() << "format " << format << " target " << target);
      v.fs.BytesRead = 0;
      ASSERT_EQ(v.Move(MOVE_GOTOBYTE, 0, target), 0);
      EXPECT_LE(v.fs.BytesRead, 2 * kReadBlockBytes);
      // Lines of fixed length near the end align to the end.
      const FileOffset top = format == 0 ? textLineStart(std::min(target, end - 1))
                                         : std::min(target, end - (format == 1 ? 16 : 80));
      ASSERT_EQ(v.Top().Offset, top);
      if (format == 0) {
        const std::string line = sparse.Bytes(top, 30);
        EXPECT_EQ(v.Text(v.table.Acur), line.substr(0, line.find('\r')));
      } else if (format == 1) {
        EXPECT_EQ(v.Text(v.table.Acur).substr(0, 12), hexStart(top));
        if (top + 16 < end) {
          EXPECT_EQ(v.Text(v.table.Acur + 1).substr(0, 12), hexStart(top + 16));
        }
      }
      const LineTable& t = v.table;
      EXPECT_TRUE(t.Afirst <= t.Acur && t.Acur < t.Alast);
      EXPECT_TRUE(target == 0 || t.Afirst < t.Acur) << "lines above the screen";
      EXPECT_TRUE(target >= end - 100000 || t.Alast - t.Acur > 100) << "and below it";
      for (int i = t.Afirst; i < t.Alast; ++i)
        ASSERT_LT(v.entries[i].Offset, v.entries[i + 1].Offset);
      EXPECT_EQ(v.entries[t.Alast].Offset == end, target >= end - 100000);
    }
  }
}

TEST(LoadLinesAround, OneScreenFilePagesDownToItsLastLine) {
  ViewFixture v;
  v.Open(NumberedLines(10));
  v.Move(MOVE_REFORMAT, 0, 0);
  v.Move(MOVE_SHOWOFFSET, 10, -1);
  EXPECT_EQ(v.Text(v.table.Acur), "line 9");
  int opens = v.fs.Opens;
  v.Move(MOVE_SHOWOFFSET, 10, -1);
  EXPECT_EQ(v.Text(v.table.Acur), "line 9");
  v.Move(MOVE_SHOWOFFSET, -100, -1);  // the table starts at offset 0
  EXPECT_EQ(v.table.Acur, 0);
  EXPECT_EQ(v.fs.Opens, opens);  // the table already held it all
}

TEST(LoadLinesAround, HugeLineLengthStaysInsideTheArena) {
  for (int format : {0, 2}) {
    ViewFixture v(100, 3000);
    v.settings.Format = format;
    v.settings.LineLength = 1 << 30;
    std::string s(50000, 'w');
    s[20000] = '\n';
    v.Open(s);
    EXPECT_EQ(v.Move(MOVE_GOTOBYTE, 0, 25000), 0) << format;
    EXPECT_LT(v.table.Acur, v.table.Alast);
    EXPECT_LE(v.Top().Length, UsableLineLength(1 << 30, v.arena));
    EXPECT_LE(v.arena.Tend, v.arena.Tlen);
  }
}

TEST(LoadLinesAround, LineTheArenaCannotRebuildKeepsItsFirstForm) {
  // The line holding the target starts with a page gap that fits the arena
  // and goes on with more than the room left.
  ViewFixture v(40, 100);
  v.settings.Flags |= FMT_PAGE_GAP;
  std::string s = std::string(1, '\f') + std::string(85, 'x') + "\n" + std::string(80, 'y') + "\n" +
                  std::string(80, 'z');
  v.Open(s);
  EXPECT_EQ(v.Move(MOVE_GOTOBYTE, 0, 81), 0);
  EXPECT_EQ(v.Top().Offset, 81);
  EXPECT_EQ(v.Text(v.table.Acur), "xxxxx");
  for (int i = v.table.Afirst; i < v.table.Alast; ++i)
    EXPECT_LE(v.entries[i].TextOffset + v.entries[i].Length, v.arena.Tend) << i;
}

TEST(ProgramError, ReportReplacesTheLinesAndHomeRebuilds) {
  ViewFixture v;
  v.Open(NumberedLines(100));
  v.Move(MOVE_REFORMAT, 0, 0);
  v.fs.Files.erase("file");
  EXPECT_TRUE(v.Move(MOVE_GOTOBYTE, 0, 50) & ST_FAILED);
  ASSERT_EQ(v.table.Alast, 10);
  EXPECT_EQ(v.table.Acur, 0);
  EXPECT_EQ(v.Text(1), "* PROGRAM ERROR OCCURRED");
  EXPECT_EQ(v.Text(3), "* Status=100");
  EXPECT_EQ(v.Text(7), "* Press [Home] to get back to Tarvo");
  EXPECT_EQ(v.Text(9), " ");
  for (int i = 0; i <= v.table.Alast; ++i) EXPECT_TRUE(v.entries[i].Flags & LF_MESSAGE);
  EXPECT_EQ(v.entries[0].Offset, 1);
  EXPECT_EQ(v.entries[10].Length, -1);

  v.settings.ProgramName = "Skimmet";  // a viewer library speaks for its shell
  EXPECT_TRUE(v.Move(MOVE_GOTOBYTE, 0, 50) & ST_FAILED);
  EXPECT_EQ(v.Text(7), "* Press [Home] to get back to Skimmet");

  std::string again = NumberedLines(100);  // readable again
  v.fs.Files["file"].assign(again.begin(), again.end());
  EXPECT_EQ(v.Move(MOVE_SHOWOFFSET, 0, 0), 0);
  EXPECT_EQ(v.Text(v.table.Acur), "line 0");
  EXPECT_EQ(v.entries[v.table.Acur].Flags, 0);
}

TEST(ProgramError, NoMemoryAndTooNarrowHexDump) {
  ViewFixture v;
  v.Open(NumberedLines(100));
  gAllocateReadBuffer = [](size_t) -> void* { return nullptr; };
  EXPECT_TRUE(v.Move(MOVE_REFORMAT, 0, 0) & ST_FAILED);
  gAllocateReadBuffer = [](size_t n) { return std::calloc(n, 1); };
  EXPECT_EQ(v.Text(3), "* Status=100");

  v.settings.Format = 1;
  v.settings.LineLength = 21;
  EXPECT_TRUE(v.Move(MOVE_GOTOBYTE, 0, 0) & ST_FAILED);
  EXPECT_EQ(v.Text(3), "* Status=110");
  EXPECT_EQ(v.Text(4), "* Acnt=1638, Afirst=0, Alast=0, Acur=0");
}

TEST(LoadLinesAround, SmallArenaWalksUpLineByLine) {
  // Room for two lines: the forward pass that should rebuild the last line
  // of the backward pass finds the arena full.
  ViewFixture v(48, 144);
  v.settings.LinesPerScreen = 1;
  std::string s;
  for (char c = 'a'; c < 'k'; ++c) s += std::string(60, c) + "\n";
  v.Open(s);
  ASSERT_EQ(v.Move(MOVE_GOTOBYTE, 0, v.file.Flen), 0);
  for (char c = 'j'; c >= 'a'; --c) {
    EXPECT_EQ(v.Text(v.table.Acur), std::string(60, c));
    EXPECT_EQ(v.entries[v.table.Alast].Length, -1);
    ASSERT_EQ(v.Move(MOVE_SHOWOFFSET, -1, -1), 0);
  }
  ASSERT_EQ(v.Move(MOVE_GOTOBYTE, 0, 61), 0);
  for (char c = 'b'; c <= 'j'; ++c) {
    EXPECT_EQ(v.Text(v.table.Acur), std::string(60, c));
    EXPECT_EQ(v.entries[v.table.Alast].Length, -1);
    ASSERT_EQ(v.Move(MOVE_SHOWOFFSET, 1, -1), 0);
  }
}

TEST(LoadLinesAround, MovesBeyondTheTableGoAsFarAsItReaches) {
  ViewFixture v;
  v.Open(NumberedLines(20000));
  v.Move(MOVE_GOTOBYTE, 0, 100000);
  v.table.Acur = v.table.Afirst;
  const int32_t start = v.entries[v.table.Afirst].Offset;
  ASSERT_GT(start, 0);
  // More than a screen above a table that does not start the file.
  EXPECT_EQ(v.Move(MOVE_SHOWOFFSET, -(v.settings.LinesPerScreen + 5), -1), 0);
  EXPECT_LT(v.Top().Offset, start);
  EXPECT_EQ(v.entries[v.table.Acur + v.settings.LinesPerScreen + 5].Offset, start);
  // And far below the table's end.
  const int32_t end = v.entries[v.table.Alast].Offset;
  EXPECT_EQ(v.Move(MOVE_SHOWOFFSET, 5000, -1), 0);
  EXPECT_EQ(v.Top().Offset, end);
}

TEST(ProgramError, AppendMessageLineRefusesOutsideTheBuffers) {
  std::vector<LineEntry> e(3);
  std::vector<char> text(8);
  LineTable t{e.data(), 3, 0, 0, 0};
  TextArena a{text.data(), 8, 0};
  EXPECT_EQ(AppendMessageLine(t, a, "%s", "abcdef"), 0);
  EXPECT_EQ(AppendMessageLine(t, a, "%d", 12345), 0);  // cut to the room left
  EXPECT_EQ(e[1].Length, 2);
  EXPECT_EQ(t.Acur, 2);
  EXPECT_EQ(AppendMessageLine(t, a, "x"), ST_FAILED);  // the last slot is the end entry's
  EXPECT_EQ(t.Alast, 2);
  t.Acur = 1;
  EXPECT_EQ(AppendMessageLine(t, a, "x"), ST_FAILED);  // arena full
}
