#include "viewer/remote/dde_command.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "viewer/resources/resource_ids.h"

namespace {
// Every command of a string as "word|arg|...", "]" after a closed one, then
// the code that ended the reading.
std::string Read(std::string_view text) {
  std::string out;
  size_t pos = 0;
  DdeCommand c;
  for (int guard = 0; guard < 100; ++guard) {
    const DdeParse r = ParseDdeCommand(text, &pos, &c);
    if (r != DdeParse::kCommand) return out + std::to_string(static_cast<int>(r));
    for (int i = 0; i < c.Count; ++i) out += c.Tokens[i] + (i + 1 < c.Count ? "|" : "");
    out += c.Closed ? "] " : " ";
  }
  return out + "endless";
}
}  // namespace

TEST(DdeCommand, CommandsTokensAndQuotes) {
  const struct {
    std::string text, read;
  } cases[] = {
      {"", "1"},
      {" \t\r\n ", "1"},
      {"[Open c:\\a.txt][Display Hex][Find 0D0A Hex All]",
       "Open|c:\\a.txt] Display|Hex] Find|0D0A|Hex|All] 1"},
      {"[Open \"C:\\logs\\a b \"\"x\"\".log\"]", "Open|C:\\logs\\a b \"x\".log] 1"},
      {"[find \"a]b\" case top]", "find|a]b|case|top] 1"},
      {"  [ Exit ]  ", "Exit] 1"},
      {"[Find abc]x", "Find|abc] -4"},
      {"[a b c d e f]", "a|b|c|d|e|f] 1"},
      {"[a b c d e f g]", "-5"},
      {"[Open a.txt", "Open|a.txt 1"},  // no "]": still a command
      {"[Open \"a b", "Open|a b 1"},    // an unclosed quote runs to the end
      {"[x\"y\" z]", "x\"y\"|z] 1"},    // a quote inside a word is a character
      {"[\"\"]", "] 1"},                // an empty quoted token
      {"[a][b", "a] b 1"},
  };
  for (const auto& c : cases) EXPECT_EQ(Read(c.text), c.read) << c.text;
  size_t beyond = 3;
  DdeCommand command;
  EXPECT_EQ(ParseDdeCommand("[a", &beyond, &command), DdeParse::kPastEnd);
}

TEST(DdeCommand, MeaningsOfTheCommandWords) {
  const struct {
    std::vector<std::string> tokens;
    DdeAction action;
    int command;
  } cases[] = {
      {{"OPEN", "a"}, DdeAction::kOpen, 0},
      {{"close"}, DdeAction::kClose, 0},
      {{"Print"}, DdeAction::kPrintFile, 0},
      {{"print", "page"}, DdeAction::kPrintPage, 0},
      {{"Print", "TAGS"}, DdeAction::kPrintTags, 0},
      {{"Print", "all"}, DdeAction::kSkip, 0},
      {{"Display", "hex"}, DdeAction::kMenuCommand, IDM_HEX},
      {{"Display", "ZoomReset", "x"}, DdeAction::kMenuCommand, IDM_RESET_ZOOM},
      {{"Display", "follow"}, DdeAction::kMenuCommand, IDM_FOLLOW},
      {{"Display", "bold"}, DdeAction::kSkip, 0},
      {{"Window", "minimize"}, DdeAction::kMinimize, 0},
      {{"Window", "OnTop"}, DdeAction::kMenuCommand, IDM_ALWAYS_ON_TOP},
      {{"Window", "Hide"}, DdeAction::kSkip, 0},
      {{"Setup", "wide"}, DdeAction::kSetup, 0},
      {{"dde"}, DdeAction::kNothing, 0},
      {{"Launch"}, DdeAction::kUnknown, 0},
  };
  for (const auto& c : cases) {
    DdeCommand command;
    for (const std::string& t : c.tokens) command.Tokens[command.Count++] = t;
    const DdeMeaning m = MeaningOf(command);
    EXPECT_EQ(m.Action, c.action) << c.tokens[0];
    EXPECT_EQ(m.Command, c.command) << c.tokens[0];
  }
  DdeCommand find;  // the text first, then the options
  for (const char* t : {"Find", "top", "x", "CASE", "All"}) find.Tokens[find.Count++] = t;
  const DdeFindOptions o = FindOptionsOf(find);
  EXPECT_TRUE(!o.FromTop && o.Case && o.All && !o.Hex && !o.Text) << "the text is no option";
}

TEST(DdeCommand, FindRebuildsTheSearchOrLeavesItAlone) {
  const struct {
    std::vector<std::string> tokens;
    int command;
    uint16_t flags;
    std::string pattern;
  } cases[] = {
      {{"Find", "abc", "case", "TOP"}, IDM_FIND_NEXT, SF_TEXT | SF_CASE | SF_FROM_TOP, "abc"},
      {{"Find", "0D0A", "Hex", "All"}, IDM_MARK_ALL, SF_HEX, "\r\n"},
      {{"Find", "41", "hex", "text"}, IDM_FIND_NEXT, SF_HEX | SF_TEXT, "A"},
      {{"Find", std::string(40, 'x')}, IDM_FIND_NEXT, SF_TEXT, std::string(33, 'x')},
      {{"Find", std::string(66, 'a'), "Hex"}, IDM_FIND_NEXT, SF_HEX, std::string(33, '\xAA')},
      {{"Find", std::string(67, 'b'), "Hex"},
       IDM_FIND_NEXT,
       SF_HEX,
       std::string(32, '\xBB') + "\xB0"},  // cut to 65 digits
      {{"Find", "", "Top"}, 0, 0, ""},
      {{"Find", "0G", "Hex"}, 0, 0, ""},
  };
  for (const auto& c : cases) {
    DdeCommand command;
    for (const std::string& t : c.tokens) command.Tokens[command.Count++] = t;
    SearchState search;
    search.SearchFlags = 0;
    search.NextSearchStart = 99;
    EXPECT_EQ(TakeDdeFind(command, search), c.command) << c.tokens[1];
    EXPECT_EQ(search.SearchFlags, c.flags) << c.tokens[1];
    EXPECT_EQ(std::string(reinterpret_cast<char*>(search.SearchPattern),
                          static_cast<size_t>(search.SearchLength)),
              c.pattern);
    EXPECT_EQ(search.NextSearchStart, (c.flags & SF_FROM_TOP) ? 0 : 99);
  }
}

TEST(DdeCommand, ASetupNameEmptyOrTooLongIsRefusedNotCut) {
  char section[kSetupSectionChars + 1] = "Setup: old";
  for (const std::string& name : {std::string(57, 'n'), std::string(), std::string(" lead")})
    EXPECT_FALSE(DdeSetupSection(name, section)) << '"' << name << '"';
  EXPECT_STREQ(section, "Setup: old");
  EXPECT_TRUE(DdeSetupSection(std::string(56, 'n'), section));
  EXPECT_EQ(std::string(section), "Setup: " + std::string(56, 'n'));
}
