#include "viewers/tables/formats/dbf_table.h"

#include <gtest/gtest.h>

#include <cstring>

#include "viewer/buffer/memory_files.h"

namespace {

using Bytes = std::string;

struct FieldSpec {
  std::string Name;
  char Type;
  uint8_t Length;
  uint8_t Decimals = 0;
};

void Put(Bytes& b, uint64_t v, int n) {
  for (int i = 0; i < n; ++i) b.push_back(static_cast<char>(v >> 8 * i));
}
Bytes Le(uint64_t v, int n) {
  Bytes b;
  Put(b, v, n);
  return b;
}
Bytes Be(uint64_t v, int n) {
  Bytes b = Le(v, n);
  return Bytes(b.rbegin(), b.rend());
}
Bytes Padded(Bytes s, size_t n) {
  s.resize(n, ' ');
  return s;
}

// A table as the writers of each level lay it out; records are given whole,
// deletion mark first. claimed: the record count the header states.
Bytes Dbf(uint8_t version, const std::vector<FieldSpec>& fields, const std::vector<Bytes>& records,
          int64_t claimed = -1, uint8_t mark = 0) {
  const bool level7 = version == 0x04 || version == 0x8C;
  const bool visual = version == 0x30;
  const size_t size = level7 ? 48 : 32;
  uint32_t recordLength = 1;
  for (const FieldSpec& f : fields) recordLength += f.Length;
  const size_t headerLength = (level7 ? 68 : 32) + fields.size() * size + 1 + (visual ? 263 : 0);
  Bytes b(32, '\0');
  b[0] = static_cast<char>(version);
  std::memcpy(&b[4], Le(claimed < 0 ? records.size() : claimed, 4).data(), 4);
  std::memcpy(&b[8], Le(headerLength, 2).data(), 2);
  std::memcpy(&b[10], Le(recordLength, 2).data(), 2);
  b[29] = static_cast<char>(mark);
  if (level7) b.append(36, '\0');
  for (const FieldSpec& f : fields) {
    Bytes d(size, '\0');
    std::memcpy(&d[0], f.Name.data(), f.Name.size());
    const size_t at = level7 ? 32 : 11;
    d[at] = f.Type;
    d[level7 ? 33 : 16] = static_cast<char>(f.Length);
    d[level7 ? 34 : 17] = static_cast<char>(f.Decimals);
    b += d;
  }
  b += '\x0D';
  if (visual) b.append(263, '\0');
  for (const Bytes& r : records) b += r;
  b += '\x1A';
  return b;
}

// Memo files: level III blocks of 512 bytes ending at 1A; level IV blocks
// with a length header; Fox blocks with a big-endian type and length.
Bytes Dbt3(const std::vector<Bytes>& memos) {
  Bytes b(512, '\0');
  b[16] = 3;
  for (const Bytes& m : memos) b += Padded(m + "\x1A\x1A", (m.size() + 2 + 511) / 512 * 512);
  return b;
}
Bytes Dbt4(const std::vector<Bytes>& memos, uint16_t blockSize) {
  Bytes b(blockSize, '\0');
  std::memcpy(&b[20], Le(blockSize, 2).data(), 2);
  for (const Bytes& m : memos) {
    Bytes block = Bytes("\xFF\xFF\x08\x00", 4) + Le(m.size() + 8, 4) + m;
    b += Padded(block, (block.size() + blockSize - 1) / blockSize * blockSize);
  }
  return b;
}
Bytes Fpt(const std::vector<std::pair<uint32_t, Bytes>>& memos, uint16_t blockSize) {
  Bytes b(512, '\0');
  std::memcpy(&b[6], Be(blockSize, 2).data(), 2);
  for (const auto& [type, m] : memos) {
    Bytes block = Be(type, 4) + Be(m.size(), 4) + m;
    b += Padded(block, (block.size() + blockSize - 1) / blockSize * blockSize);
  }
  return b;
}

Bytes Double(double v) {
  uint64_t bits;
  std::memcpy(&bits, &v, 8);
  return Le(bits, 8);
}
// Level 7's numbers: big-endian with the sign bit flipped.
Bytes Flipped(double v) {
  uint64_t bits;
  std::memcpy(&bits, &v, 8);
  return Be(v < 0 ? ~bits : bits ^ (uint64_t{1} << 63), 8);
}

class DbfTableTest : public ::testing::Test {
 protected:
  ~DbfTableTest() override { UsePlatformFiles(); }
  std::vector<std::vector<std::string>> Cells(const std::string& path) {
    auto table = DbfTable::Open(path);
    EXPECT_TRUE(table) << path;
    std::vector<std::vector<std::string>> rows;
    if (!table) return rows;
    for (uint32_t r = 0; r < table->RowCount(); ++r) {
      rows.emplace_back();
      for (size_t c = 0; c < table->ColumnCount(); ++c) rows.back().push_back(table->Cell(r, c));
    }
    return rows;
  }
  MemoryFileSystem& fs = UseMemoryFiles();
};

using Rows = std::vector<std::vector<std::string>>;

TEST_F(DbfTableTest, EveryFieldTypeOfEveryLevelAsItsCellText) {
  const std::vector<FieldSpec> classic = {{"NAME", 'C', 10}, {"QTY", 'N', 6, 2}, {"RATE", 'F', 5},
                                          {"BORN", 'D', 8},  {"OK", 'L', 1},     {"NOTE", 'M', 10},
                                          {"ODD", 'Q', 3}};
  const Bytes iii = Dbf(0x83, classic,
                        {" " + Padded("Ann\tLee", 10) + "-12.50" + "  1.5" + "19991231" + "T" +
                             "         1" + "x\x01y",
                         "*" + Padded("Bob", 10) + "  3.00" + Bytes(5, ' ') + Bytes(8, ' ') + "?" +
                             Bytes(10, ' ') + Bytes(3, ' ')});
  fs.Files["III.DBF"].assign(iii.begin(), iii.end());
  const Bytes memo = Dbt3({"two\r\nlines"});
  fs.Files["iii.dbt"].assign(memo.begin(), memo.end());
  EXPECT_EQ(Cells("III.DBF"),
            (Rows{{"", "Ann Lee", "-12.50", "1.5", "1999-12-31", "T", "two lines", "x y"},
                  {"*", "Bob", "3.00", "", "", "", "", "   "}}));

  const Bytes vfp = Dbf(0x30,
                        {{"ID", 'I', 4},
                         {"AVG", 'B', 8, 3},
                         {"PRICE", 'Y', 8},
                         {"AT", 'T', 8},
                         {"TEXT", 'M', 4},
                         {"PIC", 'M', 4}},
                        {" " + Le(static_cast<uint32_t>(-7), 4) + Double(2.5) +
                         Le(static_cast<uint64_t>(-123456789), 8) + Le(2451545, 4) +
                         Le(13 * 3600000 + 45 * 60000 + 7000, 4) + Le(8, 4) + Le(9, 4)});
  fs.Files["vfp.dbf"].assign(vfp.begin(), vfp.end());
  // Fox blocks are counted from the file's start: the first after the
  // 512-byte header is block 8 of 64 bytes.
  const Bytes fpt = Fpt({{1, "memo text"}, {0, "\x89PNG"}}, 64);
  fs.Files["VFP.FPT"].assign(fpt.begin(), fpt.end());
  EXPECT_EQ(Cells("vfp.dbf")[0],
            (std::vector<std::string>{"", "-7", "2.500", "-12345.6789", "2000-01-01 13:45:07",
                                      "memo text", "(binary, 4 bytes)"}));

  const Bytes seven =
      Dbf(0x04, {{"LONG_NAME_OF_LEVEL_7", 'I', 4}, {"N", '+', 4}, {"W", '@', 8}, {"D", 'O', 8, 1}},
          {" " + Be(0x80000000u - 5, 4) + Be(0x80000003u, 4) + Flipped(2451545.5 * 86400000.0) +
           Flipped(-0.5)});
  fs.Files["seven.dbf"].assign(seven.begin(), seven.end());
  EXPECT_EQ(Cells("seven.dbf"), (Rows{{"", "-5", "3", "2000-01-01 12:00:00", "-0.5"}}));
}

TEST_F(DbfTableTest, LevelFourMemosHaveTheirBlockSizeAndLength) {
  const Bytes t = Dbf(0x8B, {{"NOTE", 'M', 10}}, {"          1", "          3"});
  fs.Files["t.dbf"].assign(t.begin(), t.end());
  const Bytes m = Dbt4({Bytes(200, 'a'),
                        "end\x1A"
                        "kept"},
                       128);
  fs.Files["T.DBT"].assign(m.begin(), m.end());
  EXPECT_EQ(Cells("t.dbf"), (Rows{{"", Bytes(200, 'a')}, {"", "end kept"}}));
}

TEST_F(DbfTableTest, DamagedTablesAreShownAsFarAsTheyAreSoundOrDeclined) {
  const Bytes good = Dbf(0x03, {{"A", 'C', 3}, {"B", 'N', 2}}, {" abc 1", " def 2", " ghi 3"});
  struct Case {
    const char* What;
    Bytes File;
    int Rows;  // -1: declined
  };
  Bytes recordLength0 = good, headerPastEnd = good, noTerminator = good, huge = good;
  recordLength0[10] = recordLength0[11] = 0;
  headerPastEnd[8] = '\xFF', headerPastEnd[9] = '\xFF';
  // No terminator: descriptors run into the records; the header length still
  // tells where the records begin.
  noTerminator[32 + 64] = 'Z';
  huge[8] = '\xF0', huge[9] = '\xFF';
  huge.resize(0xFFF0 + 10, 'C');
  const Case cases[] = {
      {"claims more than it holds", Dbf(0x03, {{"A", 'C', 3}}, {" abc", " d"}, 1000000), 1},
      {"claims fewer than it holds", Dbf(0x03, {{"A", 'C', 3}}, {" abc", " def"}, 1), 1},
      {"claims 2^32 - 1 records", Dbf(0x03, {{"A", 'C', 3}}, {" abc"}, 0xFFFFFFFF), 1},
      {"record length 0", recordLength0, -1},
      {"header past the end", headerPastEnd, -1},
      {"no terminator", noTerminator, 3},
      {"2000 descriptors", huge, 1},
      {"header only", good.substr(0, 32), -1},
      {"empty", "", -1},
  };
  for (const Case& c : cases) {
    fs.Files["bad.dbf"].assign(c.File.begin(), c.File.end());
    auto table = DbfTable::Open("bad.dbf");
    ASSERT_EQ(table == nullptr, c.Rows < 0) << c.What;
    if (!table) continue;
    EXPECT_EQ(table->RowCount(), static_cast<uint32_t>(c.Rows)) << c.What;
    for (uint32_t r = 0; r <= table->RowCount(); ++r)
      for (size_t col = 0; col <= table->ColumnCount(); ++col) table->Cell(r, col);
  }
}

TEST_F(DbfTableTest, MemoPointersToNowhereAndMissingMemoFilesShowNoText) {
  const Bytes t = Dbf(0x83, {{"NOTE", 'M', 10}}, {"     999999", "          1", " 9999999999"});
  fs.Files["m.dbf"].assign(t.begin(), t.end());
  EXPECT_EQ(Cells("m.dbf"), (Rows{{"", "(no memo file)"}, {"", "(no memo file)"}, {"", ""}}));
  const Bytes m = Dbt3({"x"});
  fs.Files["m.dbt"].assign(m.begin(), m.end());
  EXPECT_EQ(Cells("m.dbf"), (Rows{{"", ""}, {"", "x"}, {"", ""}}));
}

TEST_F(DbfTableTest, AHugeTableOpensAtOnceAndReadsOnlyTheRecordsAskedFor) {
  const Bytes head = Dbf(0x03, {{"A", 'C', 9}}, {}, 200000000);
  SparseFile big;
  big.Size = head.size() - 1 + FileOffset{200000000} * 10;
  big.Pattern = " record  ";
  big.Pattern += '.';
  big.Pieces[0] = head.substr(0, head.size() - 1);
  big.Pieces[big.Size - 10] = " the last ";
  fs.SparseFiles["big.dbf"] = big;
  auto table = DbfTable::Open("big.dbf");
  ASSERT_TRUE(table);
  ASSERT_EQ(table->RowCount(), 200000000u);
  EXPECT_EQ(table->Cell(199999999, 1), "the last");
  EXPECT_LT(fs.BytesRead, 100000);
}

}  // namespace
