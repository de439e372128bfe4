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
      {"[Open a.txt", "Open|a.txt 1"},          // no "]": still a command
      {"[Open \"a b", "Open|a b 1"},            // an unclosed quote runs to the end
      {"[x\"y\" z]", "x\"y\"|z] 1"},            // a quote inside a word is a character
      {"[\"\"]", "] 1"},                        // an empty quoted token
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
