#include "viewer/buffer/follow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "viewer/buffer/memory_files.h"

namespace {
std::vector<uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }
}  // namespace

TEST(Follow, ALookTellsGrowthAndRestartsAndCountsTheLinesThatCame) {
  struct Case {
    const char* name;
    std::string before, after;
    CharCode code;
    FollowChange change;
    int32_t newLines;
    FileOffset size;  // the mark's size after the look
  } cases[] = {
      {"unchanged", "a\nb\n", "a\nb\n", CODE_ANSI, FollowChange::kNone, 0, 4},
      {"grew", "a\n", "a\nb\nc\nd", CODE_ANSI, FollowChange::kGrew, 2, 7},
      {"shrank", "a\nb\n", "a\n", CODE_ANSI, FollowChange::kRestart, 0, 2},
      {"replaced at the same size", "a\nb\n", "x\ny\n", CODE_ANSI, FollowChange::kRestart, 0, 4},
      {"replaced by a longer file", "a\nb\n", "x\nb\nc\n", CODE_ANSI, FollowChange::kRestart, 0, 6},
      {"half a UTF-16 unit waits", std::string("a\0\n\0", 4), std::string("a\0\n\0b", 5),
       CODE_UTF16LE, FollowChange::kNone, 0, 4},
      {"UTF-16 BE lines", std::string("\0a", 2), std::string("\0a\0\n\0b\n\0\0\n", 10),
       CODE_UTF16BE, FollowChange::kGrew, 2, 10},
      {"a UTF-8 character being written", "a\n", "a\nb\xE2\x82", CODE_UTF8, FollowChange::kGrew, 0,
       3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MemoryFileSystem& fs = UseMemoryFiles();
    fs.Files["log"] = Bytes(c.before);
    FollowMark mark = MarkFile("log", c.code);
    fs.Files["log"] = Bytes(c.after);
    const FollowLook look = LookAgain(mark, "log", c.code);
    EXPECT_EQ(look.Change, c.change);
    EXPECT_EQ(look.NewLines, c.newLines);
    EXPECT_EQ(mark.Size, c.size);
    EXPECT_EQ(LookAgain(mark, "log", c.code).Change, FollowChange::kNone) << "seen once";
    EXPECT_EQ(fs.Opens, fs.Closes) << "the file is not held open";
  }
  UsePlatformFiles();
}

TEST(Follow, AFileThatCannotBeOpenedWhileItIsReplacedCountsAsUnchanged) {
  MemoryFileSystem& fs = UseMemoryFiles();
  fs.Files["log"] = Bytes("a\n");
  FollowMark mark = MarkFile("log", CODE_ANSI);
  fs.Files.erase("log");
  EXPECT_EQ(LookAgain(mark, "log", CODE_ANSI).Change, FollowChange::kNone);
  EXPECT_EQ(mark.Size, 2);
  UsePlatformFiles();
}

TEST(Follow, WholeCharacterEndLeavesOutWhatIsStillBeingWritten) {
  struct Case {
    std::string tail;
    FileOffset size;
    CharCode code;
    FileOffset end;
  } cases[] = {
      {"ab\xE2\x82", 10, CODE_UTF8, 8},
      {"b\xE2\x82\xAC", 10, CODE_UTF8, 10},
      {"\xF0\x9F\x98", 3, CODE_UTF8, 0},
      {"\x80\x80\x80\x80", 9, CODE_UTF8, 9},
      {"ab\xE2\x82", 10, CODE_ANSI, 10},
      {std::string("a\0\x3D\xD8", 4), 6, CODE_UTF16LE, 4},
      {std::string("a\0b", 3), 7, CODE_UTF16LE, 6},
      {std::string("\xD8\x3D\0", 3), 3, CODE_UTF16BE, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tail);
    EXPECT_EQ(WholeCharacterEnd(Bytes(c.tail), c.size, c.code), c.end);
  }
}

TEST(Follow, TheMessageLineGoesAboveTheFirstLineAndBecomesTheTop) {
  LineEntry entries[4] = {{0, 0, 1, 0, 0}, {2, 1, 1, 0, 0}, {4, 0, -1, 0, 0}};
  char text[16] = "ab";
  LineTable table{entries, 4, 1, 0, 2};
  TextArena arena{text, sizeof text, 2};
  ASSERT_TRUE(PutMessageOnTop(table, arena, "again"));
  EXPECT_EQ(table.Afirst, 0);
  EXPECT_EQ(table.Acur, 0);
  EXPECT_EQ(table.Alast, 3);
  EXPECT_EQ(entries[0].Flags, LF_MESSAGE);
  EXPECT_EQ(std::string(text + entries[0].TextOffset, entries[0].Length), "again");
  EXPECT_EQ(entries[1].Offset, 0);
  EXPECT_EQ(entries[3].Length, -1);
  EXPECT_FALSE(PutMessageOnTop(table, arena, "full")) << "no slot is left for the end entry";
}
