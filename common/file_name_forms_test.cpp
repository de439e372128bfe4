#include "common/file_name_forms.h"

#include <gtest/gtest.h>

TEST(FileNameForms, Utf8ToUtf16AndBackAtEveryLength) {
  struct Case {
    std::string utf8;
    std::u16string utf16;
  } cases[] = {
      {"", u""},
      {"a.txt", u"a.txt"},
      {"\xC3\xA9", u"\u00E9"},                                      // two bytes
      {"\xD0\xB6\xD1\x83\xD1\x80.log", u"\u0436\u0443\u0440.log"},  // Cyrillic
      {"\xE6\x97\xA5\xE6\x9C\xAC.txt", u"\u65E5\u672C.txt"},        // CJK, three bytes
      {"\xEF\xBF\xBF", u"\uFFFF"},
      {"\xF0\x9F\x98\x80", u"\U0001F600"},  // four bytes, a surrogate pair
      {"\xF4\x8F\xBF\xBF", u"\U0010FFFF"},
  };
  for (const Case& c : cases) {
    std::u16string wide;
    std::string back;
    ASSERT_TRUE(Utf16FromUtf8(c.utf8, &wide)) << c.utf8;
    EXPECT_EQ(wide, c.utf16) << c.utf8;
    ASSERT_TRUE(Utf8FromUtf16(wide, &back)) << c.utf8;
    EXPECT_EQ(back, c.utf8);
  }
}

TEST(FileNameForms, RefusesWhatIsNotUtf8OrUtf16) {
  const char* bad[] = {
      "\x80",              // a continuation alone
      "\xC3",              // cut
      "\xE6\x97",          // cut
      "\xC0\xAF",          // overlong '/'
      "\xE0\x80\xAF",      // overlong
      "\xED\xA0\x80",      // a surrogate
      "\xF4\x90\x80\x80",  // beyond U+10FFFF
      "\xF8\x88\x80\x80\x80",
      "caf\xE9.txt",  // ANSI, not UTF-8
  };
  for (const char* b : bad) {
    std::u16string wide;
    EXPECT_FALSE(Utf16FromUtf8(b, &wide)) << b;
    EXPECT_FALSE(IsUtf8BeyondAscii(b)) << b;
  }
  EXPECT_TRUE(IsUtf8BeyondAscii("C:\\\xE6\x97\xA5.txt"));
  EXPECT_FALSE(IsUtf8BeyondAscii("C:\\a.txt"));  // ASCII reads the same in every code
  std::string utf8;
  EXPECT_FALSE(Utf8FromUtf16(u"a\xD800", &utf8));
  EXPECT_FALSE(Utf8FromUtf16(u"\xDC00z", &utf8));
  EXPECT_EQ(MarkedName(u"\xD800"), "");
}

TEST(FileNameForms, MarkedNamesAndTheirShownParts) {
  const std::string marked = MarkedName(u"C:\\\u0414\u043E\u043A\\\u65E5.txt");
  EXPECT_EQ(marked, "<utf8>C:\\\xD0\x94\xD0\xBE\xD0\xBA\\\xE6\x97\xA5.txt");
  EXPECT_TRUE(IsMarkedName(marked));
  EXPECT_FALSE(IsMarkedName("C:\\utf8\\a.txt"));
  struct Case {
    const char* path;
    const char* shown;
  } cases[] = {
      {"C:\\logs\\a.txt", "a.txt"},
      {"<utf8>C:\\d\\\xE6\x97\xA5.txt", "<utf8>\xE6\x97\xA5.txt"},
      {"<utf8>\xE6\x97\xA5.txt", "<utf8>\xE6\x97\xA5.txt"},  // no folder
  };
  for (const Case& c : cases) EXPECT_EQ(ShownNamePart(c.path), c.shown);
  EXPECT_EQ(Utf8PartStart("Tarvo - <utf8>\xE6\x97\xA5"), 14u);
  EXPECT_EQ(Utf8PartStart("Tarvo - a.txt"), std::string_view::npos);
}

TEST(FileNameForms, JoinedArgumentsParseBack) {
  EXPECT_EQ(JoinArguments({"/D", "C:\\a b\\x.txt", "<utf8>\xE6\x97\xA5"}),
            "/D \"C:\\a b\\x.txt\" <utf8>\xE6\x97\xA5");
  EXPECT_EQ(JoinArguments({}), "");
  EXPECT_EQ(JoinArguments({"", "a"}), "\"\" a");
}
