#include <gtest/gtest.h>

#include <string>

#include "shell/core/file_type.h"

namespace {
using namespace std::literals;

std::span<const uint8_t> Bytes(std::string_view s) {
  return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

const std::string kCompound = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"s;
const std::string kXlHead = "\x09\x08\x06\x00\x00\x00\x10\x00\x00\x00"s;  // b0-b9

TEST(TypeByExtension, EachRuleAndItsMisses) {
  struct Case {
    std::string_view extension;
    std::string head;
    int type;
  } cases[] = {
      {"JPG", "", 2},          {"ICO", "", 3},          {"CUR", "", 3},
      {"DBF", "", 7},          {"LZH", "", 13},
      {"DB", "", 8},           {"EXE", "", 12},
      {"WMF", "", 16},         {"MID", "", 15},
      {"WPS", "", 19},         {"TTF", "", 28},
      {"RTF", "", 30},         {"CDR", "", 21},
      {"WDB", kCompound, 25},  {"WDB", "\xD0\xCF\x11\xE0", 20},
      {"WKS", "\xFF", 23},     {"WKS", "\x00"s, 9},
      {"WKS", "\x01", -1},     {"WK3", "\x00"s, 11},
      {"WK4", "\x00"s, 11},    {"WK1", "\x00"s, 9},
      {"WQ1", "\x00"s, 9},     {"WR1", "\x00"s, 9},
      {"WK1", "", -1},         {"QW", "FFFFIIII", 18},
      {"QW", "FFFFIII", -1},   {"WB2", "\x00\x00"s, 14},
      {"WB1", "\x00"s, -1},    {"XLS", kXlHead, 24},
      {"XLW", "\x09\x07", 10}, {"XLS", "\x09", -1},
      {"XLS", "\x08\x08", -1}, {"SAM", "[ver]", 6},
      {"SAM", "[VER]", -1},    {"TXT", "", -1},
      {"BMPX", "", -1},        {"", "", -1},
  };
  for (const Case& c : cases) {
    bool isProtected = true;
    EXPECT_EQ(TypeByExtension(c.extension, Bytes(c.head), &isProtected), c.type) << c.extension;
    EXPECT_FALSE(isProtected) << c.extension;
  }
}

TEST(TypeByExtension, ProtectedXlWorksheetIsShownAsHex) {
  bool isProtected = false;
  EXPECT_EQ(TypeByExtension("XLS", Bytes(kXlHead + "\x2F"), &isProtected), 1);
  EXPECT_TRUE(isProtected);
}

TEST(TypeByContent, EachSignatureAndItsMisses) {
  const std::string pad(30, 'x');
  struct Case {
    std::string bytes;
    std::string_view path;
    int type;
  } cases[] = {
      {"\xFFWPC\x10\x00\x00\x00\x01\x0A\x00"s, "a", 5},
      {"\xFFWPC\x10\x00\x00\x00\x01\x0A\x02"s, "a", 22},
      {"TBWP", "a", 17},
      {"\x01\xBE\x00\x00\x00\xAB"s, "a", 26},
      {"\x00\xBE\x00\x00\x00\xAB"s, "a", 2},
      {"\x9B\xA5\x21\x00"s, "a", 4},
      {"\xDB\xA5\x2D\x00"s, "a", 4},
      {"\x94\xA6\x2E\x00"s, "a", 4},
      {kCompound, "C:\\BOOK.XLS", 24},
      {kCompound, "C:\\book.xls", 29},
      {kCompound, "C:\\XLS\\LETTER.DOC", 29},
      {"[ver]", "a", 6},
      {"\x00\x00\x00\x02\x00\x00\x10"s, "a", 14},
      {"\x00\x00\x00\x02\x00\x00\x11"s, "a", 9},
      {"\x00\x00\x00\x1A\x00"s, "a", 11},
      {pad + "PKWARE", "a", 12},
      {pad.substr(1) + "PKWARE", "a", 0},
      {pad + "\x00PKWARE"s, "a", 0},
      {"PK\x03\x04", "a", 12},
      {"AC10", "a", 2},
      {"IN;", "a", 21},
      {"\xD7\xCD\xC6\x9A", "a", 16},
      {"\x00\x00\x01\x00\x01\x00\x20\x20"s, "a", 3},
      {"RIFF\x24\x08\x00\x00WAVEfmt "s, "a", 15},
      {"\x00RIFF\x08\x00\x00WAVEfmt "s, "a", 2},
      {"\x83\x5F\x01"s, "a", 7},
      {"\x83\x5F\x00"s, "a", 2},
      {"\x09\x00\x04\x00\x00\x00\x40"s, "a", 10},
      {"\x09\x00\x06\x00\x00\x00\x00\x01"s, "a", 10},
      {"\x09\x00\x05\x00\x00\x00\x10\x01"s, "a", 2},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TypeByContent(Bytes(c.bytes), std::ssize(c.bytes), c.path), c.type)
        << "case " << &c - cases;
}

TEST(TypeByContent, TextWhenMoreThanThreeQuartersOfFirst100BytesCount) {
  auto typeOf = [](size_t counted, char byte, int64_t size) {
    std::string bytes = std::string(counted, byte) + std::string(129 - counted, '\x80');
    return TypeByContent(Bytes(bytes.substr(0, std::min<size_t>(size, 129))), size, "a");
  };
  EXPECT_EQ(typeOf(76, 'a', 100), 0);
  EXPECT_EQ(typeOf(75, 'a', 100), 2);
  EXPECT_EQ(typeOf(76, '\x14', 5000), 0);  // the range starts at 14, below the space
  EXPECT_EQ(typeOf(76, '\x13', 5000), 2);
  EXPECT_EQ(typeOf(4, '\t', 4), 0);
  EXPECT_EQ(typeOf(0, 'a', 0), 2);  // an empty file is not text
  std::string shortRead(50, 'a');   // bytes not read do not count
  EXPECT_EQ(TypeByContent(Bytes(shortRead), 100, "a"), 2);
}
}  // namespace
