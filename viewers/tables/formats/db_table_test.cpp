#include "viewers/tables/formats/db_table.h"

#include <gtest/gtest.h>

#include <cstring>

#include "viewer/buffer/memory_files.h"
#include "viewers/tables/formats/test_tables.h"

namespace {

using Bytes = std::string;

Bytes Be(uint64_t v, int n) {
  Bytes b;
  for (int i = n - 1; i >= 0; --i) b.push_back(static_cast<char>(v >> 8 * i));
  return b;
}
// Numbers as the table keeps them: big-endian, sign bit flipped.
Bytes Int(int64_t v, int n) { return Be(static_cast<uint64_t>(v) ^ uint64_t{1} << (8 * n - 1), n); }
Bytes Dbl(double v) {
  uint64_t bits;
  std::memcpy(&bits, &v, 8);
  return Be(v < 0 ? ~bits : bits ^ uint64_t{1} << 63, 8);
}

constexpr uint32_t kHeader = 0x800, kBlock = 0x400;  // as DbFileBytes writes them

std::vector<std::vector<std::string>> Cells(DbTable& t) {
  std::vector<std::vector<std::string>> rows(t.RowCount());
  for (uint32_t r = 0; r < t.RowCount(); ++r)
    for (size_t c = 0; c < t.ColumnCount(); ++c) rows[r].push_back(t.Cell(r, c));
  return rows;
}

TEST(DbTable, FieldsOfEveryCommonTypeInTheOrderOfTheBlockChain) {
  MemoryFileSystem& fs = UseMemoryFiles();
  const std::vector<DbTestField> fields = {
      {"Name", 0x01, 8}, {"Born", 0x02, 4},  {"Small", 0x03, 2}, {"Count", 0x04, 4},
      {"Pay", 0x05, 8},  {"Ratio", 0x06, 8}, {"Ok", 0x09, 1},    {"At", 0x14, 4},
      {"When", 0x15, 8}, {"Note", 0x0C, 14}, {"Id", 0x16, 4}};
  // 2000-01-01 is day 730120 counted from 0001-01-01 as day 1.
  const Bytes ann = Bytes("Ann\0\0\0\0\0", 8) + Int(730120, 4) + Int(-3, 2) + Int(70000, 4) +
                    Dbl(12.5) + Dbl(-0.25) + "\x81" + Int(3600000 + 60000 + 1000, 4) +
                    Dbl(730120.5 * 86400000.0) + Bytes("memo", 4) + Bytes(10, '\1') + Int(1, 4);
  const Bytes empty(ann.size(), '\0');
  const Bytes file = DbFileBytes(fields, {{empty}, {ann}}, {2, 1});
  fs.Files["t.db"].assign(file.begin(), file.end());
  auto table = DbTable::Open("t.db");
  ASSERT_TRUE(table);
  EXPECT_EQ(table->CodePage(), 1252u);
  EXPECT_EQ(table->Column(0).Heading, "Name A(8)");
  EXPECT_EQ(table->Column(4).Align, GridAlign::Right);
  EXPECT_EQ(Cells(*table), (std::vector<std::vector<std::string>>{
                               {"Ann", "2000-01-01", "-3", "70000", "12.50", "-0.25", "T",
                                "01:01:01", "2000-01-01 12:00:00", "memo", "1"},
                               std::vector<std::string>(11)}));
  UsePlatformFiles();
}

TEST(DbTable, DamagedTablesAreShownAsFarAsTheyAreSoundOrDeclined) {
  MemoryFileSystem& fs = UseMemoryFiles();
  const std::vector<DbTestField> fields = {{"A", 0x01, 4}};
  const Bytes good = DbFileBytes(fields, {{"abc", "def"}, {"ghi"}}, {1, 2});
  Bytes loop = good, index = good, pastEnd = good, cut = good, noBlocks = good;
  loop[kHeader + kBlock] = 1;  // block 2 leads back to block 1
  index[4] = 1;
  pastEnd[2] = '\xFF', pastEnd[3] = '\x7F';
  cut.resize(kHeader + kBlock + 3);
  noBlocks[0x0E] = 9;
  const std::pair<Bytes, int> cases[] = {{good, 3},
                                         {loop, 3},
                                         {index, -1},
                                         {pastEnd, -1},
                                         {cut, 2},
                                         {noBlocks, 0},
                                         {good.substr(0, 0x70), -1}};
  for (const auto& [bytes, rows] : cases) {
    fs.Files["t.db"].assign(bytes.begin(), bytes.end());
    auto table = DbTable::Open("t.db");
    ASSERT_EQ(table == nullptr, rows < 0) << rows;
    if (!table) continue;
    EXPECT_EQ(table->RowCount(), static_cast<uint32_t>(rows));
    Cells(*table);
  }
  UsePlatformFiles();
}

}  // namespace
