#include "common/line_breaks.h"

#include <gtest/gtest.h>

namespace {
// Every character is 10 wide, but "W" is 30.
int Width(std::string_view piece) {
  int width = 0;
  for (char c : piece) width += c == 'W' ? 30 : 10;
  return width;
}

TEST(LineBreaks, LongLinesBreakAfterABlankOrBackslashElseWhereTheyFill) {
  struct Case {
    const char* text;
    int maxWidth;
    const char* broken;
  };
  const Case cases[] = {
      {"short", 100, "short"},
      {"C:\\a folder\\file.txt", 100, "C:\\a \nfolder\\\nfile.txt"},
      {"abcdefghijklmnopqrstuvwxyz", 100, "abcdefghij\nklmnopqrst\nuvwxyz"},
      {"Unable to read\r\nC:\\long\\name", 80, "Unable \nto read\r\nC:\\long\\\nname"},
      {"WWWW", 20, "W\nW\nW\nW"},  // a character wider than the box stands alone
      {"\\abcdefghijkl", 50, "\\abcd\nefghi\njkl"},
      {"", 10, ""},
      {"one\n\ntwo", 30, "one\n\ntwo"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(BreakLongLines(c.text, c.maxWidth, Width), c.broken) << c.text;
}

}  // namespace
