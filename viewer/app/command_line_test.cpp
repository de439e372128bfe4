#include "viewer/app/command_line.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {
CommandLine Parse(const std::string& text) {
  CommandLine c;
  ParseCommandLine(text.c_str(), &c);
  return c;
}
}  // namespace

TEST(CommandLine, EmptyLineRequestsAllFiles) {
  CommandLine c = Parse("");
  EXPECT_STREQ(c.RequestedName, "*.*");
  for (char s : c.Switches) EXPECT_EQ(s, 0);
  EXPECT_STREQ(c.CurrentSetup, "");
}

TEST(CommandLine, SwitchLettersKeepTheirCaseUnderTheUpperCaseLetter) {
  CommandLine c = Parse("-wE file.txt");
  EXPECT_EQ(SwitchOf(c, 'W'), 'w');
  EXPECT_EQ(SwitchOf(c, 'E'), 'E');
  EXPECT_STREQ(c.RequestedName, "file.txt");
  c = Parse("-nx");
  EXPECT_EQ(SwitchOf(c, 'N'), 'n');
  EXPECT_EQ(SwitchOf(c, 'X'), 'x');
  c = Parse("/D -1w+/e");  // non-letters are ignored
  EXPECT_EQ(SwitchOf(c, 'D'), 'D');
  EXPECT_EQ(SwitchOf(c, 'W'), 'w');
  EXPECT_EQ(SwitchOf(c, 'E'), 'e');
}

TEST(CommandLine, LaterSwitchOfTheSameLetterWins) {
  CommandLine c = Parse("-W a.txt -w");
  EXPECT_EQ(SwitchOf(c, 'W'), 'w');
}

TEST(CommandLine, SetupSwitchNamesTheSection) {
  CommandLine c = Parse("-Vmine");
  EXPECT_EQ(SwitchOf(c, 'V'), 'V');
  EXPECT_STREQ(c.CurrentSetup, "Setup: mine");
  c = Parse("/vmine/X x.log");
  EXPECT_EQ(SwitchOf(c, 'V'), 'v');
  EXPECT_STREQ(c.CurrentSetup, "Setup: mine");
  EXPECT_EQ(SwitchOf(c, 'X'), 0) << "the rest of a V word is not read as switches";
  EXPECT_STREQ(c.RequestedName, "x.log");
}

TEST(CommandLine, FirstNameWinsAndWildcardsAreKept) {
  CommandLine c = Parse("  C:\\DATA\\*.LOG\t second.txt /D");
  EXPECT_STREQ(c.RequestedName, "C:\\DATA\\*.LOG");
  EXPECT_EQ(SwitchOf(c, 'D'), 'D');
}

TEST(CommandLine, QuotedNameIsOneNameWithoutItsQuotes) {
  struct Case {
    const char* line;
    const char* name;
    char switchD;
  } cases[] = {
      {"\"C:\\My Logs\\app.log\"", "C:\\My Logs\\app.log", 0},
      {"/D \"a b.txt\"", "a b.txt", 'D'},
      {"\"a b.txt\" -d", "a b.txt", 'd'},
      {"\"-not a switch\" /D", "-not a switch", 'D'},
      {"\"first one\" second.txt", "first one", 0},
      {"\"\" /D name.txt", "name.txt", 'D'},  // an empty quoted name is no name
      {"\"unclosed name -D", "unclosed name -D", 0},
  };
  for (const Case& t : cases) {
    CommandLine c = Parse(t.line);
    EXPECT_STREQ(c.RequestedName, t.name) << t.line;
    EXPECT_EQ(SwitchOf(c, 'D'), t.switchD) << t.line;
  }
}

TEST(CommandLine, ControlCharactersSeparateAndHighBytesBelongToWords) {
  CommandLine c = Parse(
      "\x01\x1f"
      "caf\xe9\xff.txt\x02-x");
  EXPECT_STREQ(c.RequestedName, "caf\xe9\xff.txt");
  EXPECT_EQ(SwitchOf(c, 'X'), 'x');
}

TEST(CommandLine, OverlongNameAndSetupAreCutSafely) {
  std::string longName(5000, 'n');
  CommandLine c = Parse(longName + " -V" + std::string(500, 's') + " -D");
  EXPECT_EQ(std::strlen(c.RequestedName), static_cast<size_t>(kPathChars));
  EXPECT_TRUE(c.NameCut);
  EXPECT_EQ(std::strlen(c.CurrentSetup), static_cast<size_t>(kSetupSectionChars));
  EXPECT_TRUE(c.SetupCut);
  EXPECT_EQ(std::string(c.CurrentSetup).rfind("Setup: s", 0), 0u);
  EXPECT_EQ(SwitchOf(c, 'D'), 'D');
}
