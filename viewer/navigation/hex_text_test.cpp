#include "viewer/navigation/hex_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
std::vector<uint8_t> Parse(std::string_view text, int* result = nullptr) {
  uint8_t out[36] = {};
  int n = ParseHexText(text, out, 36);
  if (result) *result = n;
  return n < 0 ? std::vector<uint8_t>{} : std::vector<uint8_t>(out, out + n);
}

TEST(ParseHexText, DigitsSpacesAndLoneNibbles) {
  using V = std::vector<uint8_t>;
  EXPECT_EQ(Parse("41 42"), (V{0x41, 0x42}));
  EXPECT_EQ(Parse("4142"), (V{0x41, 0x42}));
  EXPECT_EQ(Parse("4 1"), (V{0x40, 0x10}));
  EXPECT_EQ(Parse("A"), (V{0xA0}));
  EXPECT_EQ(Parse("  fF  0a1"), (V{0xFF, 0x0A, 0x10}));
  int n = -5;
  EXPECT_EQ(Parse("", &n), V{});
  EXPECT_EQ(n, 0);
}

TEST(ParseHexText, BadCharacterGivesMinusOneMinusItsIndex) {
  int n = 0;
  Parse("G", &n);
  EXPECT_EQ(n, -1);
  Parse("41 4g", &n);
  EXPECT_EQ(n, -5);
  Parse("41\t42", &n);
  EXPECT_EQ(n, -3);
}

TEST(ParseHexText, BytesPastCapacityAreCountedButNotStored) {
  uint8_t out[3] = {0, 0, 0xEE};
  EXPECT_EQ(ParseHexText("112233", out, 2), 3);
  EXPECT_EQ(out[0], 0x11);
  EXPECT_EQ(out[1], 0x22);
  EXPECT_EQ(out[2], 0xEE);
}

TEST(CheckHexText, LengthLimitsThenDigitsAndTheDialogTexts) {
  uint8_t out[36];
  EXPECT_EQ(CheckHexText("", 1, out, 36).check, HexTextCheck::BadLength);
  EXPECT_EQ(CheckHexText("", 0, out, 36).check, HexTextCheck::Ok);
  EXPECT_EQ(CheckHexText(std::string(65, '1'), 0, out, 36).check, HexTextCheck::BadLength);
  HexTextResult full = CheckHexText(std::string(64, '1'), 1, out, 36);
  EXPECT_EQ(full.check, HexTextCheck::Ok);
  EXPECT_EQ(full.count, 32);
  HexTextResult bad = CheckHexText("4 1 x", 1, out, 36);
  EXPECT_EQ(bad.check, HexTextCheck::BadDigit);
  EXPECT_EQ(bad.badIndex, 4);
  char line[64];
  InvalidHexDigitLine('x', line, sizeof line);
  EXPECT_STREQ(line, "Invalid hex digit \"x\"!");
  HexLengthMessage(line, sizeof line);
  EXPECT_STREQ(line, "Number of hex digits must be between 1 and 64!");
}
}  // namespace
