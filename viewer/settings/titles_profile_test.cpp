#include "viewer/settings/titles_profile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/memory_profile.h"
#include "viewer/settings/program_profile.h"

namespace {
struct Titles {
  std::vector<LineEntry> entries;
  std::vector<char> text;
  LineTable table;
  TextArena arena;
  Titles(int count, int bytes) : entries(count), text(bytes) {
    table.Entries = entries.data();
    table.Acnt = static_cast<int16_t>(count);
    arena.Base = text.data();
    arena.Tlen = bytes;
  }
  std::string Line(int i) const {
    return std::string(arena.Base + entries[i].TextOffset, entries[i].Length);
  }
};
}  // namespace

TEST(Titles, ReadStopsAtTheTableAndArenaCapacity) {
  MemoryProfile profile(
      "[Titles]\nTitles=20\nTitle1=first\nTitle2=\nTitle3=third line\n"
      "Title4=a\nTitle5=b\nTitle6=c\nTitle7=d\n");
  SetProfileStore(&profile);
  Titles t(4, 64);
  ASSERT_TRUE(ReadTitles("Titles", &t.table, &t.arena));
  EXPECT_EQ(CountTitles(&t.table), 3) << "the last entry terminates the table";
  EXPECT_EQ(t.Line(0), "first");
  EXPECT_EQ(t.Line(1), "");
  EXPECT_EQ(t.Line(2), "third line");
  EXPECT_EQ(t.entries[2].Offset, 2);
  EXPECT_EQ(t.entries[3].Offset, 3) << "the terminating entry holds the count";

  Titles small(16, 10);
  ReadTitles("Titles", &small.table, &small.arena);
  EXPECT_EQ(CountTitles(&small.table), 2) << "'third line' does not fit in 10 - 5 bytes";

  EXPECT_FALSE(ReadTitles("", &t.table, &t.arena));
  Titles none(0, 0);
  EXPECT_FALSE(ReadTitles("Titles", &none.table, &none.arena));
}

TEST(Titles, SavingFewerTitlesDeletesTheOldKeys) {
  MemoryProfile profile("[Titles]\nTitles=5\nTitle1=1\nTitle2=2\nTitle3=3\nTitle4=4\nTitle5=5\n");
  SetProfileStore(&profile);
  Titles t(16, 100);
  std::memcpy(t.text.data(), "HeadTail", 8);
  t.entries[0] = {0, 0, 4, 0, 0};
  t.entries[1] = {10, 4, 4, 0, 0};
  t.entries[2] = {11, 8, -1, 0, 0};
  t.table.Alast = 2;
  SaveTitles("Titles", &t.table, &t.arena);
  EXPECT_EQ(profile.Get("Titles", "Titles"), "2");
  EXPECT_EQ(profile.Get("Titles", "Title1"), "Head");
  EXPECT_EQ(profile.Get("Titles", "Title2"), "Tail");
  for (const char* gone : {"Title3", "Title4", "Title5"}) EXPECT_FALSE(profile.Has("Titles", gone));

  SaveTitles("Titles", nullptr, nullptr);
  EXPECT_EQ(profile.Get("Titles", "Titles"), "0");
  EXPECT_FALSE(profile.Has("Titles", "Title1"));
}

TEST(Titles, AHugeStoredCountCostsNoMoreWritesThanTheTableHolds) {
  struct CountingProfile : MemoryProfile {
    using MemoryProfile::MemoryProfile;
    bool WriteString(const char* s, const char* k, const char* v) override {
      ++writes;
      return MemoryProfile::WriteString(s, k, v);
    }
    int writes = 0;
  } profile("[Titles]\nTitles=2147483647\nTitle16=stale\n");
  SetProfileStore(&profile);
  SaveTitles("Titles", nullptr, nullptr);
  EXPECT_EQ(profile.Get("Titles", "Titles"), "0");
  EXPECT_LE(profile.writes, 17);
  EXPECT_TRUE(profile.Has("Titles", "Title16")) << "no title table holds sixteen titles";
}

// A title frozen from UTF-8 or UTF-16 text is kept as UTF-8 after a mark
// and reads back as the same units; a plain title stays as it was.
TEST(Titles, WideTitlesReadBackWhole) {
  MemoryProfile profile("");
  SetProfileStore(&profile);
  Titles t(16, 100);
  const std::u16string wide = u"K\u00E4se \u4E2D\U0001F600";
  std::memcpy(t.text.data(), "Plain", 5);
  std::memcpy(t.text.data() + 6, wide.data(), 2 * wide.size());
  t.entries[0] = {0, 0, 5, 0, 0};
  t.entries[1] = {1, 6, static_cast<int32_t>(wide.size()), 0, LF_WIDE};
  t.table.Alast = 2;
  SaveTitles("Titles", &t.table, &t.arena);
  EXPECT_EQ(profile.Get("Titles", "Title2"), "\xEF\xBB\xBFK\xC3\xA4se \xE4\xB8\xAD\xF0\x9F\x98\x80");

  Titles back(16, 100);
  ASSERT_TRUE(ReadTitles("Titles", &back.table, &back.arena));
  ASSERT_EQ(back.table.Alast, 2);
  EXPECT_EQ(back.Line(0), "Plain");
  EXPECT_EQ(back.entries[0].Flags, 0);
  EXPECT_EQ(back.entries[1].Flags, LF_WIDE);
  EXPECT_EQ(back.entries[1].TextOffset % 2, 0);
  EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(back.arena.Base +
                                                             back.entries[1].TextOffset),
                           back.entries[1].Length),
            wide);
}
