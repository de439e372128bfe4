// What the find and go-to fields take and what their texts mean.
#include <gtest/gtest.h>

#include <string>

#include "shell/core/cell_address.h"
#include "shell/core/entry_sets.h"
#include "shell/core/goto_values.h"
#include "shell/core/hex_pairs.h"

namespace {

TEST(EntrySets, TheHexFieldTakesDigitsAndEditingKeysOnly) {
  const struct {
    unsigned Typed;
    bool Hex, Decimal;
  } cases[] = {
      {'7', true, true},   {'b', true, false},   {'F', true, false}, {'G', false, false},
      {' ', false, false}, {0x08, true, true},   {0x2E, true, true}, {0x10, true, false},
      {0, false, false},   {0xE9, false, false},
  };
  for (const auto& c : cases) {
    unsigned upper = UpperEntryChar(c.Typed);
    EXPECT_EQ(InEntrySet(EntrySet::Hex, upper), c.Hex) << c.Typed;
    EXPECT_EQ(InEntrySet(EntrySet::Decimal, upper), c.Decimal) << c.Typed;
  }
}

TEST(HexPairs, EachFieldShowsTheOthersBytes) {
  char out[27];
  HexDigitsToBytes("4142", out, sizeof out);
  EXPECT_STREQ(out, "AB");
  HexDigitsToBytes("41424", out, sizeof out);
  EXPECT_STREQ(out, "AB") << "an odd last digit is ignored";
  HexDigitsToBytes("4100FF", out, sizeof out);
  EXPECT_STREQ(out, "A") << "a 00 byte ends the text";
  BytesToHexDigits("\xE9", out, sizeof out);
  EXPECT_STREQ(out, "E9");
  BytesToHexDigits("Skimmet find!", out, sizeof out);  // 13 characters fill all 26 digits
  EXPECT_STREQ(out, "536B696D6D65742066696E6421");
  char small[5];
  BytesToHexDigits("abc", small, sizeof small);
  EXPECT_STREQ(small, "6162");
}

TEST(GotoValues, HexAddressesAndRecordNumbers) {
  EXPECT_EQ(HexGotoValue("FEDCBA98"), 0xFEDCBA98u) << "eight digits are taken in full";
  EXPECT_EQ(HexGotoValue("1F"), 0x1Fu);
  EXPECT_EQ(HexGotoValue(""), 0u);
  EXPECT_EQ(RecordNumberValue("  42"), 42);
  EXPECT_EQ(RecordNumberValue("-7x"), -7);
  EXPECT_EQ(RecordNumberValue("12 3"), 12);
  EXPECT_EQ(RecordNumberValue("x1"), 0);
}

TEST(CellAddress, ColumnNames) {
  const std::pair<unsigned, std::string> cases[] = {{0, "A"},    {25, "Z"},   {26, "AA"},
                                                    {255, "IV"}, {701, "ZZ"}, {702, "AAA"}};
  for (const auto& [k, name] : cases) {
    char out[4];
    ColumnName(k, out);
    EXPECT_EQ(out, name) << k;
  }
}

TEST(CellAddress, ACellOfTheSheetOrARefusal) {
  // Columns A-Z and 100 rows, unless a case says otherwise.
  const struct {
    const char* Text;
    unsigned LastColumn;
    bool Taken;
    uint32_t Cell;
  } cases[] = {
      {"b12", 25, true, 11 * 65536 + 1},
      {"A1", 25, true, 0},
      {"Z100", 25, true, 99 * 65536 + 25},
      {"IV5", 255, true, 4 * 65536 + 255},
      {"AAA1", 702, true, 702},
      {"ABCD1", 18000, false, 0},  // a fourth letter
      {"A0", 25, false, 0},
      {"A101", 25, false, 0},
      {"AA1", 25, false, 0},
      {"12", 25, false, 0},  // no column
      {"C", 25, false, 0},   // no row
  };
  for (const auto& c : cases) {
    uint32_t cell = 0xDEAD;
    EXPECT_EQ(ParseCell(c.Text, c.LastColumn, 99, &cell), c.Taken) << c.Text;
    if (c.Taken) {
      EXPECT_EQ(cell, c.Cell) << c.Text;
    }
  }
}

}  // namespace
