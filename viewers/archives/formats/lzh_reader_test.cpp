#include "viewers/archives/formats/lzh_reader.h"

#include <gtest/gtest.h>

#include "viewer/buffer/memory_files.h"
#include "viewers/archives/formats/archive_cells.h"
#include "viewers/archives/formats/test_archives.h"

namespace {
const std::vector<TestEntry> kEntries = {
    {.Name = "readme.txt", .Packed = "hello", .Size = 40, .Attributes = 0x20},
    {.Name = "src/", .Packed = "", .Attributes = 0x10},
    {.Name = "src/deep/main.c", .Packed = "int main;", .Attributes = 0x21},
};

bool Read(const std::string& bytes, ArchiveListing* listing) {
  UseMemoryFiles().Files["a.lzh"].assign(bytes.begin(), bytes.end());
  ByteSource file("a.lzh");
  return ReadLzhListing(file, listing);
}

TEST(LzhReader, ListsEachHeaderLevel) {
  for (int level : {0, 1, 2}) {
    ArchiveListing listing;
    ASSERT_TRUE(Read(LzhBytes(kEntries, level), &listing)) << level;
    ASSERT_EQ(listing.Entries.size(), kEntries.size()) << level;
    for (size_t i = 0; i < kEntries.size(); ++i) {
      const ArchiveEntry& e = listing.Entries[i];
      const TestEntry& t = kEntries[i];
      EXPECT_EQ(listing.NameOf(e), t.Name) << level;
      EXPECT_EQ(e.Size, t.SizeOf()) << level << t.Name;
      EXPECT_EQ(e.Packed, t.Packed.size()) << level << t.Name;
      EXPECT_EQ(CheckText(e), CheckText({.Crc = Crc16Of(t.Packed), .Flags = kEntryCrc16}));
      EXPECT_EQ(listing.Methods[e.Method], i == 1 ? "-lhd-" : "-lh5-") << level;
      EXPECT_EQ((e.Flags & kEntryFolder) != 0, i == 1) << level << t.Name;
      if (level < 2) {
        EXPECT_EQ(e.DosTime, t.DosTime) << level;
        EXPECT_EQ(e.Attributes, t.Attributes) << level;
      } else {
        EXPECT_EQ(DosTimeText(e.DosTime), "2023-11-14 22:13:20");
      }
    }
  }
}

TEST(LzhReader, UnixModeOfLevelTwo) {
  ArchiveListing listing;
  ASSERT_TRUE(Read(LzhBytes({{.Name = "x.sh", .Packed = "#!", .Attributes = 0100750, .Unix = true}}, 2),
                   &listing));
  EXPECT_EQ(AttributeText(listing.Entries.at(0)), "-rwxr-x---");
}

TEST(LzhReader, StopsAtTheFirstHeaderThatIsNotSound) {
  const std::string good = LzhBytes(kEntries, 1);
  const size_t second = good.find("-lhd-") - 2;
  struct Case {
    const char* What;
    std::string Bytes;
    bool Opens;
    size_t Listed;
  } cases[] = {
      {"no end mark", good.substr(0, good.size() - 1), true, 3},
      {"cut inside the second header", good.substr(0, second + 10), true, 1},
      {"a packed size past the end", good.substr(0, second) + std::string("\x16\0", 2), true, 1},
      {"a name longer than the header", [&] {
         std::string s = good;
         s[second + 21] = '\x7f';
         return s;
       }(), true, 1},
      {"not an archive", "hello world, this is text and no archive", false, 0},
      {"an empty file", "", false, 0},
  };
  for (const Case& c : cases) {
    ArchiveListing listing;
    EXPECT_EQ(Read(c.Bytes, &listing), c.Opens) << c.What;
    EXPECT_EQ(listing.Entries.size(), c.Listed) << c.What;
  }
}

TEST(LzhReader, AnExtendedHeaderChainThatLoopsOnPastTheFileEnds) {
  std::string bytes = LzhBytes({kEntries[2]}, 2);
  bytes[24] = '\xff';  // the first extended header's size, far past the file
  ArchiveListing listing;
  EXPECT_FALSE(Read(bytes, &listing));
}
}  // namespace
