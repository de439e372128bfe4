#include "viewers/archives/formats/zip_reader.h"

#include <gtest/gtest.h>

#include "viewer/buffer/memory_files.h"
#include "viewers/archives/formats/archive_cells.h"
#include "viewers/archives/formats/test_archives.h"

namespace {
const std::vector<TestEntry> kEntries = {
    {.Name = "readme.txt", .Packed = "hello", .Size = 12, .Method = 8},
    {.Name = "docs/", .Packed = "", .Method = 0, .Attributes = 0x10},
    {.Name = "docs/Stra\xc3\x9f" "e.txt", .Packed = "abc", .Method = 0, .Utf8 = true},
    {.Name = "docs/\x84rger.txt", .Packed = "xyz", .Method = 12, .DosTime = 0x21000000},
    {.Name = "bin/run.sh", .Packed = "#!", .Method = 8, .Attributes = 0100755, .Unix = true,
     .Encrypted = true},
};

bool Read(const std::string& bytes, ArchiveListing* listing) {
  UseMemoryFiles().Files["a.zip"].assign(bytes.begin(), bytes.end());
  ByteSource file("a.zip");
  return ReadZipListing(file, listing);
}

void ExpectEntries(const ArchiveListing& listing, size_t count, const char* what) {
  ASSERT_EQ(listing.Entries.size(), count) << what;
  for (size_t i = 0; i < count; ++i) {
    const ArchiveEntry& e = listing.Entries[i];
    const TestEntry& t = kEntries[i];
    EXPECT_EQ(listing.NameOf(e), t.Name) << what;
    EXPECT_EQ(e.Size, t.SizeOf()) << what << " " << t.Name;
    EXPECT_EQ(e.Packed, t.Packed.size()) << what << " " << t.Name;
    EXPECT_EQ(e.Crc, Crc32Of(t.Packed)) << what << " " << t.Name;
    EXPECT_EQ(e.DosTime, t.DosTime) << what << " " << t.Name;
    EXPECT_EQ(e.Attributes, t.Attributes) << what << " " << t.Name;
    EXPECT_EQ((e.Flags & kEntryUtf8Name) != 0, t.Utf8) << what << " " << t.Name;
    EXPECT_EQ((e.Flags & kEntryEncrypted) != 0, t.Encrypted) << what << " " << t.Name;
    EXPECT_EQ((e.Flags & kEntryUnixMode) != 0, t.Unix) << what << " " << t.Name;
  }
}

TEST(ZipReader, ListsEveryEntryHoweverTheArchiveIsStored) {
  const std::string plain = ZipBytes(kEntries, {.Comment = "Made for the test\r\nline two"});
  struct Case {
    const char* What;
    std::string Bytes;
    int64_t Shift;
  } cases[] = {
      {"plain", plain, 0},
      {"after a program", "MZ" + std::string(5000, '\x90') + plain, 5002},
      {"ZIP64", ZipBytes(kEntries, {.Comment = "Made for the test\r\nline two", .Zip64 = true}), 0},
      {"ZIP64 after a program",
       "MZ" + std::string(300, '\0') +
           ZipBytes(kEntries, {.Comment = "Made for the test\r\nline two", .Zip64 = true}),
       302},
  };
  for (const Case& c : cases) {
    ArchiveListing listing;
    ASSERT_TRUE(Read(c.Bytes, &listing)) << c.What;
    ExpectEntries(listing, kEntries.size(), c.What);
    EXPECT_EQ(listing.Comment, "Made for the test\r\nline two") << c.What;
    EXPECT_EQ(listing.Shift, c.Shift) << c.What;
    EXPECT_EQ(listing.Claimed, kEntries.size()) << c.What;
  }
}

TEST(ZipReader, FlagsAndMethodsOfEachEntry) {
  ArchiveListing listing;
  ASSERT_TRUE(Read(ZipBytes(kEntries), &listing));
  auto method = [&](size_t i) { return listing.Methods[listing.Entries[i].Method]; };
  EXPECT_EQ(method(0), "Deflated");
  EXPECT_EQ(method(1), "Stored");
  EXPECT_EQ(method(3), "BZip2");
  EXPECT_TRUE(listing.Entries[1].Flags & kEntryFolder);
  EXPECT_FALSE(listing.Entries[0].Flags & kEntryFolder);
  EXPECT_EQ(AttributeText(listing.Entries[4]), "-rwxr-xr-x");
  EXPECT_EQ(AttributeText(listing.Entries[1]), "---D-");
  EXPECT_EQ(DosTimeText(listing.Entries[0].DosTime), "2025-09-10 13:33:02");
}

TEST(ZipReader, ZIP64SizesBeyondFourGigabytes) {
  std::vector<TestEntry> big = {{.Name = "huge.bin", .Packed = "x", .Size = 5'000'000'000ULL}};
  ArchiveListing listing;
  ASSERT_TRUE(Read(ZipBytes(big, {.Comment = "", .Zip64 = true}), &listing));
  EXPECT_EQ(listing.Entries.at(0).Size, 5'000'000'000ULL);
}

TEST(ZipReader, ALyingDirectoryIsListedAsFarAsItIsSound) {
  const std::string plain = ZipBytes(kEntries);
  const size_t end = plain.size() - 22;
  auto patched = [&](size_t at, std::string bytes) {
    std::string s = plain;
    s.replace(at, bytes.size(), bytes);
    return s;
  };
  const size_t first = plain.find("PK\x01\x02");
  const size_t second = plain.find("PK\x01\x02", first + 1);
  struct Case {
    const char* What;
    std::string Bytes;
    bool Opens;
    size_t Listed;
  } cases[] = {
      {"a count too large", patched(end + 8, "\xff\x00\xff\x00"), true, kEntries.size()},
      {"a count of 65535 with no ZIP64 record", patched(end + 8, "\xff\xff\xff\xff"), true,
       kEntries.size()},
      {"the second name's length past the directory", patched(second + 28, "\xf0\xff"), true, 1},
      {"an extra field past the file", patched(second + 30, "\xff\xff"), true, 1},
      {"a wrong directory size", patched(end + 12, "\x01"), true, kEntries.size()},
      {"the directory offset past the end and its size wrong",
       patched(end + 12, std::string("\x01\x00\x00\x00\xff\xff\xff\x7f", 8)), false, 0},
      {"the end record cut short", plain.substr(0, plain.size() - 3), false, 0},
      {"a second record that is not one", patched(second, "XX"), true, 1},
      {"no archive at all", std::string(1000, 'a'), false, 0},
      {"an end record whose comment passes the end", patched(end + 20, "\x10\x00"), false, 0},
  };
  for (const Case& c : cases) {
    ArchiveListing listing;
    EXPECT_EQ(Read(c.Bytes, &listing), c.Opens) << c.What;
    EXPECT_EQ(listing.Entries.size(), c.Listed) << c.What;
  }
}

TEST(ZipReader, AnEmptyArchiveOpensWithNoEntries) {
  ArchiveListing listing;
  EXPECT_TRUE(Read(ZipBytes({}, {.Comment = "empty"}), &listing));
  EXPECT_TRUE(listing.Entries.empty());
  EXPECT_EQ(listing.Comment, "empty");
}
}  // namespace
