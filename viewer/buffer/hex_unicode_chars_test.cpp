#include "viewer/buffer/hex_unicode_chars.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "viewer/buffer/format_flags.h"
#include "viewer/buffer/formatters.h"

namespace {
std::u16string Column(uint32_t code, const std::string& bytes, int32_t from, int32_t to,
                      bool atFileEnd = true, FileOffset dataOffset = 0) {
  std::vector<uint16_t> out(bytes.size() + 2, 0);
  const HexCharBytes line{reinterpret_cast<const uint8_t*>(bytes.data()),
                          static_cast<int32_t>(bytes.size()), dataOffset, atFileEnd, from, to};
  bool cut = false;
  const int32_t n = DecodeHexChars(code, line, out.data(), cut);
  return std::u16string(out.begin(), out.begin() + n);
}
}  // namespace

TEST(HexUnicodeChars, EachCharacterStandsAtItsFirstByte) {
  const std::string u8 = "A\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80\x80\x01";
  const struct {
    const char* name;
    uint32_t code;
    std::string bytes;
    int32_t from, to;
    bool atFileEnd;
    FileOffset dataOffset;
    std::u16string want;
  } cases[] = {
      {"UTF-8: Latin, CJK, emoji, a stray byte, a control", FMT_UTF8, u8, 0, 12, true, 0,
       u"A\u00E9 \u4E2D  \U0001F600  \uFFFD\u00B7"},
      {"a line that starts inside a character", FMT_UTF8, u8, 2, 5, true, 0, u" \u4E2D "},
      {"begun on the line before, even if invalid, up to 3 bytes back", FMT_UTF8,
       "\xC3\x41\x80\x80\x80\x80", 2, 6, true, 0, u"   \uFFFD"},
      {"a pair's second half at a line's start", FMT_UTF16LE,
       std::string("\x3D\xD8\x00\xDE\x00\xDC", 6), 2, 6, true, 0, u"  \uFFFD "},
      {"a pair on the line's last byte takes a unit more", FMT_UTF8, u8, 6, 7, true, 0,
       u"\U0001F600"},
      {"cut by the window's end: blank", FMT_UTF8, "A\xE4\xB8", 0, 3, false, 0, u"A  "},
      {"cut by the file's end: marks", FMT_UTF8, "A\xE4\xB8", 0, 3, true, 0, u"A\uFFFD\uFFFD"},
      {"UTF-16 LE units and a pair", FMT_UTF16LE, std::string("A\0\x3D\xD8\x00\xDE\x00\xDC", 8),
       0, 8, true, 0, u"A \U0001F600  \uFFFD "},
      {"UTF-16 BE on an odd file offset", FMT_UTF16BE, std::string("x\0A", 3), 0, 3, true, 1,
       u" A "},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Column(c.code, c.bytes, c.from, c.to, c.atFileEnd, c.dataOffset), c.want) << c.name;
}

TEST(HexUnicodeChars, HexDumpLinesAreWideUnderAUnicodeCode) {
  std::vector<LineEntry> entries(4);
  std::vector<char> text(1024);
  const std::string bytes = "caf\xC3\xA9";
  LineArray lines{entries.data(), 4, 0};
  TextBuffer t{text.data(), 1024, 0};
  FormatHexDump(ReadWindow{reinterpret_cast<const uint8_t*>(bytes.data()), 5, 0, 5}, lines, t, 0,
                FORMAT_FORWARD, FMT_UTF8, 60, 8);
  ASSERT_EQ(lines.Count, 1);
  EXPECT_EQ(entries[0].Flags, LF_WIDE);
  std::u16string shown(entries[0].Length, u'\0');
  std::memcpy(shown.data(), text.data() + entries[0].TextOffset, 2 * shown.size());
  EXPECT_EQ(shown, u"000000  636166C3 A9" + std::u16string(8, u' ') + u"caf\u00E9 ");
}
