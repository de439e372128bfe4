#include "viewer/navigation/search_text_code.h"

#include <gtest/gtest.h>

#include <string>

#include "viewer/buffer/format_flags.h"

namespace {
// Stand-in for the platform's conversion: e acute to its OEM code 0x82.
void FakeAnsiToOem(const char* ansi, char* oem, int length) {
  for (int i = 0; i < length; ++i) oem[i] = ansi[i] == '\xE9' ? '\x82' : ansi[i];
}

std::string Convert(const std::string& typed, int code, int capacity = 36) {
  uint8_t out[36];
  int n = TypedTextToFileCode(typed, code, out, capacity);
  return std::string(reinterpret_cast<char*>(out), static_cast<size_t>(n));
}

TEST(TypedTextToFileCode, AnsiStaysOemConvertsAndTextIsCut) {
  SetAnsiToOem(nullptr);
  EXPECT_EQ(Convert("caf\xE9", CODE_ASCII), "caf\xE9");
  SetAnsiToOem(FakeAnsiToOem);
  EXPECT_EQ(Convert("caf\xE9", CODE_ANSI), "caf\xE9");
  EXPECT_EQ(Convert("caf\xE9", CODE_NONE), "caf\xE9");
  EXPECT_EQ(Convert("caf\xE9", CODE_ASCII), "caf\x82");
  EXPECT_EQ(Convert("caf\xE9", CODE_ASCII, 3), "caf");
  SetAnsiToOem(nullptr);
}

TEST(TypedTextToFileCode, EbcdicGoesThroughTheReverseTable) {
  uint8_t reverse[256] = {};
  reverse['A'] = 0xC1;
  reverse['a'] = 0x81;
  reverse[' '] = 0x40;  // the middle-dot placeholder and all else map to 0
  SetEbcdicReverseTable(reverse);
  EXPECT_EQ(Convert("Aa \xB7", CODE_EBCDIC), std::string("\xC1\x81\x40\x00", 4));
  SetEbcdicReverseTable(nullptr);
  EXPECT_EQ(Convert("Aa", CODE_EBCDIC), "Aa");
}
}  // namespace

TEST(TypedTextToFileCode, UnicodeCodesTakeTheTypedCharacters) {
  SetAnsiToWide(nullptr);  // Latin-1 stands in for the system's code page
  EXPECT_EQ(Convert("Andr\xE9s", CODE_UTF8), "Andr\xC3\xA9s");
  EXPECT_EQ(Convert("\xE9z", CODE_UTF16LE), std::string("\xE9\0z\0", 4));
  EXPECT_EQ(Convert("\xE9z", CODE_UTF16BE), std::string("\0\xE9\0z", 4));
  EXPECT_EQ(Convert("ab\xE9", CODE_UTF8, 3), "ab");  // a character is never cut
  SetAnsiToWide([](const char*, int, uint16_t* wide, int) {
    wide[0] = 0xD83D, wide[1] = 0xDE00;  // one character as a surrogate pair
    return 2;
  });
  EXPECT_EQ(Convert("?", CODE_UTF8), "\xF0\x9F\x98\x80");
  SetAnsiToWide(nullptr);
}
