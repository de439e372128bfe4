#include "viewer/buffer/code_tables.h"

#include <gtest/gtest.h>

#include "viewer/buffer/format_flags.h"

TEST(CodeTables, AnsiShowsControlBytesAsMiddleDotAndMarksTabAndFormFeed) {
  CodeTable t = SelectCodeTable(0);
  EXPECT_EQ(t[0x00], 0xB7);
  EXPECT_EQ(t[0x1F], 0xB7);
  EXPECT_EQ(t[0x0D], 0xB7);
  EXPECT_EQ(t[0x09], 0xA4);
  EXPECT_EQ(t[0x0C], 0xF0);
  EXPECT_EQ(t['a'], 'a');
  EXPECT_EQ(t[0xE9], 0xE9);
}

TEST(CodeTables, FormFeedEntryFollowsEverySelection) {
  EXPECT_EQ(SelectCodeTable(0)[0x0C], 0xF0);
  EXPECT_EQ(SelectCodeTable(FMT_KEEP_FF)[0x0C], 0x0C);  // printing after the screen
  EXPECT_EQ(SelectCodeTable(0)[0x0C], 0xF0);
  EXPECT_EQ(SelectCodeTable(FMT_OEM | FMT_KEEP_FF)[0x0C], 0x0C);
  EXPECT_EQ(SelectCodeTable(FMT_OEM)[0x0C], 0xF0);
}

TEST(CodeTables, OemTableComesFromTheConversionAboveTheControlBytes) {
  uint8_t conv[256];
  for (int b = 0; b < 256; ++b) conv[b] = static_cast<uint8_t>(255 - b);
  SetOemConversion(conv);
  CodeTable t = SelectCodeTable(FMT_OEM);
  EXPECT_EQ(t[0x05], 0xB7);  // control bytes are not converted
  EXPECT_EQ(t[0x09], 0xA4);
  EXPECT_EQ(t[0x20], 255 - 0x20);
  EXPECT_EQ(t[0x80], 0x7F);
  EXPECT_EQ(SelectCodeTable(0)[0x80], 0x80);  // ANSI untouched
  SetOemConversion(nullptr);
  EXPECT_EQ(SelectCodeTable(FMT_OEM)[0x80], 0x80);  // native platform: identity
}

TEST(CodeTables, EbcdicTableIsFixed) {
  CodeTable t = SelectCodeTable(FMT_EBCDIC | FMT_OEM);  // EBCDIC wins
  EXPECT_EQ(t[0xC1], 'A');
  EXPECT_EQ(t[0xE9], 'Z');
  EXPECT_EQ(t[0x81], 'a');
  EXPECT_EQ(t[0xF0], '0');
  EXPECT_EQ(t[0x40], ' ');
  EXPECT_EQ(t[0x05], 0xB7);  // no tab rule
  EXPECT_EQ(t[0x0C], 0xB7);  // no form-feed rule
  EXPECT_EQ(t[0x5F], 172);
  EXPECT_EQ(t[0xFF], 183);
  EXPECT_EQ(SelectCodeTable(FMT_EBCDIC | FMT_KEEP_FF)[0x0C], 0xB7);
}

TEST(CodeTables, EbcdicReverseTableLetsTheLaterByteWin) {
  CodeTable r = EbcdicReverseTable();
  EXPECT_EQ(r['A'], 0xC1);
  EXPECT_EQ(r['0'], 0xF0);
  EXPECT_EQ(r[' '], 0x40);
  EXPECT_EQ(r[224], 0x67);  // shown by both 0x57 and 0x67
  EXPECT_EQ(r[0xB7], 0);
  EXPECT_EQ(r[0x01], 0);
  CodeTable t = SelectCodeTable(FMT_EBCDIC);
  for (int c = 0; c < 256; ++c)
    if (r[c]) {
      EXPECT_EQ(t[r[c]], c) << c;
    }
}
