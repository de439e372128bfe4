#include "viewer/buffer/utf_decode.h"

#include <gtest/gtest.h>

#include <string>

namespace {
struct DecodeCase {
  const char* name;
  uint32_t code;
  std::string bytes;
  UtfStep step;
  uint32_t ch;
  int32_t length;
};

UtfChar Decode(const DecodeCase& c) {
  return DecodeUtf(c.code, reinterpret_cast<const uint8_t*>(c.bytes.data()),
                   static_cast<int32_t>(c.bytes.size()));
}
}  // namespace

TEST(DecodeUtf, EdgesOfEachForm) {
  constexpr UtfStep C = UtfStep::Char, I = UtfStep::Invalid, X = UtfStep::Cut;
  constexpr uint32_t R = kReplacementChar, U8 = FMT_UTF8, LE = FMT_UTF16LE, BE = FMT_UTF16BE;
  const DecodeCase cases[] = {
      {"ascii", U8, "A", C, 'A', 1},
      {"two bytes, lowest", U8, "\xC2\x80", C, 0x80, 2},
      {"overlong two", U8, "\xC1\xBF", I, R, 1},
      {"overlong three", U8, "\xE0\x9F\xBF", I, R, 1},
      {"three bytes, lowest", U8, "\xE0\xA0\x80", C, 0x800, 3},
      {"last before surrogates", U8, "\xED\x9F\xBF", C, 0xD7FF, 3},
      {"surrogate", U8, "\xED\xA0\x80", I, R, 1},
      {"after surrogates", U8, "\xEE\x80\x80", C, 0xE000, 3},
      {"BOM as a character", U8, "\xEF\xBB\xBF", C, 0xFEFF, 3},
      {"overlong four", U8, "\xF0\x8F\xBF\xBF", I, R, 1},
      {"emoji", U8, "\xF0\x9F\x98\x80", C, 0x1F600, 4},
      {"highest", U8, "\xF4\x8F\xBF\xBF", C, 0x10FFFF, 4},
      {"past the highest", U8, "\xF4\x90\x80\x80", I, R, 1},
      {"F5 lead", U8, "\xF5\x80\x80\x80", I, R, 1},
      {"lone continuation", U8, "\x80", I, R, 1},
      {"third byte no continuation", U8, "\xE4\xB8\x41", I, R, 1},
      {"cut after the lead", U8, "\xE4", X, R, 0},
      {"cut after two of four", U8, "\xF0\x9F", X, R, 0},
      {"invalid before the cut", U8, "\xF0\x41", I, R, 1},
      {"LE unit", LE, std::string("\x41\x00", 2), C, 'A', 2},
      {"BE unit", BE, "\x03\xA9", C, 0x3A9, 2},
      {"LE pair", LE, std::string("\x3D\xD8\x00\xDE", 4), C, 0x1F600, 4},
      {"BE pair", BE, std::string("\xD8\x3D\xDE\x00", 4), C, 0x1F600, 4},
      {"lone low surrogate", LE, std::string("\x00\xDC\x41\x00", 4), I, R, 2},
      {"high surrogate then a letter", LE, std::string("\x3D\xD8\x41\x00", 4), I, R, 2},
      {"high surrogate cut", LE, "\x3D\xD8", X, R, 0},
      {"odd byte", LE, "\x41", X, R, 0},
  };
  for (const DecodeCase& c : cases) {
    const UtfChar got = Decode(c);
    EXPECT_EQ(got.Step, c.step) << c.name;
    EXPECT_EQ(got.Char, c.ch) << c.name;
    EXPECT_EQ(got.Bytes, c.length) << c.name;
  }
}

TEST(DecodeUtf, EncodingGivesBackTheBytes) {
  for (uint32_t code : {FMT_UTF8, FMT_UTF16LE, FMT_UTF16BE})
    for (uint32_t ch : {0x41u, 0x7FFu, 0x800u, 0xFFFDu, 0x10000u, 0x10FFFFu}) {
      uint8_t bytes[4];
      const int32_t n = EncodeUtf(code, ch, bytes);
      const UtfChar back = DecodeUtf(code, bytes, n);
      EXPECT_EQ(back.Char, ch);
      EXPECT_EQ(back.Bytes, n);
    }
}

TEST(DetectCharCode, ByMarkZerosAndValidSequences) {
  struct Case {
    std::string bytes;
    bool wholeFile;
    CharCode code;
  };
  const Case cases[] = {
      {"\xEF\xBB\xBFplain", true, CODE_UTF8},
      {"\xFF\xFE"
       "a",
       true, CODE_UTF16LE},
      {std::string("\xFE\xFF\0a", 4), true, CODE_UTF16BE},
      {std::string("a\0b\0c\0\r\0\n\0", 10), true, CODE_UTF16LE},
      {std::string("\0a\0b\0c\0d", 8), true, CODE_UTF16BE},
      {std::string("MZ\0\0\0\0\x90\0", 8), true, CODE_NONE},  // zeros on both sides
      {"plain ASCII\r\n", true, CODE_NONE},
      {"Andr\xC3\xA9s \xCE\xB1\xCE\xB2 \xE4\xB8\xAD", true, CODE_UTF8},
      {"Andr\xE9s in Latin-1", true, CODE_NONE},
      {"ends cut \xE4\xB8", false, CODE_NONE},  // nothing valid above 0x7F yet
      {"\xC3\xA9 then cut \xE4\xB8", false, CODE_UTF8},
      {"\xC3\xA9 then cut \xE4\xB8", true, CODE_NONE},  // the file ends there
  };
  for (const Case& c : cases)
    EXPECT_EQ(DetectCharCode(reinterpret_cast<const uint8_t*>(c.bytes.data()),
                             static_cast<int32_t>(c.bytes.size()), c.wholeFile),
              c.code)
        << c.bytes;
}
