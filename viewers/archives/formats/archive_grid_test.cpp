#include "viewers/archives/formats/archive_grid.h"

#include <gtest/gtest.h>

#include "viewer/buffer/memory_files.h"
#include "viewers/archives/formats/test_archives.h"
#include "viewers/archives/formats/zip_reader.h"

namespace {
ArchiveGrid GridOf(const std::vector<TestEntry>& entries, const ZipOptions& options = {}) {
  const std::string bytes = ZipBytes(entries, options);
  UseMemoryFiles().Files["a.zip"].assign(bytes.begin(), bytes.end());
  ByteSource file("a.zip");
  ArchiveListing listing;
  EXPECT_TRUE(ReadZipListing(file, &listing));
  return ArchiveGrid(std::move(listing));
}

std::vector<std::string> Column(ArchiveGrid& grid, size_t column) {
  std::vector<std::string> cells;
  for (uint32_t row = 0; row < grid.RowCount(); ++row) cells.push_back(grid.Cell(row, column));
  return cells;
}

const std::vector<TestEntry> kEntries = {
    {.Name = "b.txt", .Packed = "12345", .Size = 20, .DosTime = 0x5B2A6C21},
    {.Name = "A.txt", .Packed = "1234567890", .Size = 10, .Method = 0, .DosTime = 0x5B2A6C20,
     .Encrypted = true},
    {.Name = "c/", .Packed = "", .Method = 0, .Attributes = 0x10},
};

TEST(ArchiveGrid, EachCellOfARow) {
  ArchiveGrid grid = GridOf(kEntries);
  const std::vector<std::string> first = {"b.txt", "20", "5", "75%", "Deflated",
                                          "2025-09-10 13:33:02", "00000000", "----A", "No"};
  for (size_t c = 0; c < kArchiveColumns; ++c) {
    std::string expected = c == kColumnCrc ? "" : first[c];
    if (c == kColumnCrc) {
      char crc[9];
      std::snprintf(crc, sizeof crc, "%08X", Crc32Of("12345"));
      expected = crc;
    }
    EXPECT_EQ(grid.Cell(0, c), expected) << grid.Column(c).Heading;
  }
  EXPECT_EQ(grid.Cell(1, kColumnRatio), "0%");
  EXPECT_EQ(grid.Cell(1, kColumnEncrypted), "Yes");
  EXPECT_EQ(grid.Cell(2, kColumnRatio), "0%") << "nothing to save on an empty entry";
  EXPECT_EQ(grid.Cell(9, kColumnName), "") << "past the last row";
  EXPECT_TRUE(grid.Column(kColumnName).Searched);
  EXPECT_FALSE(grid.Column(kColumnSize).Searched);
}

TEST(ArchiveGrid, SortsByAColumnAndTheOtherWayWhenAskedAgain) {
  ArchiveGrid grid = GridOf(kEntries);
  struct Case {
    size_t Column;
    std::vector<std::string> Names;
  } cases[] = {
      {kColumnName, {"A.txt", "b.txt", "c/"}},
      {kColumnName, {"c/", "b.txt", "A.txt"}},
      {kColumnSize, {"c/", "A.txt", "b.txt"}},
      {kColumnRatio, {"c/", "A.txt", "b.txt"}},  // ties keep the order they had
      {kColumnModified, {"A.txt", "c/", "b.txt"}},
      {kColumnEncrypted, {"c/", "b.txt", "A.txt"}},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(grid.SortBy(c.Column));
    EXPECT_EQ(Column(grid, kColumnName), c.Names) << grid.Column(c.Column).Heading;
  }
  EXPECT_FALSE(grid.SortBy(kArchiveColumns));
}

TEST(ArchiveGrid, TheTotalAndTheCommentUnderTheLastRow) {
  ArchiveGrid grid = GridOf(kEntries, {.Comment = "first\r\nsecond\r\n"});
  EXPECT_EQ(grid.FooterLine(),
            "Total: 3 entries, 30 bytes, 15 packed, 50% saved\nComment: first\nsecond");
  ArchiveListing listing = grid.Listing();
  listing.Claimed = 7;
  EXPECT_NE(ArchiveGrid(listing).FooterLine().find("the archive lists 7 entries"), std::string::npos);
}
}  // namespace
