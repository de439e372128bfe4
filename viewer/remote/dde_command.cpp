#include "viewer/remote/dde_command.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <strings.h>

#include "viewer/buffer/format_flags.h"
#include "viewer/navigation/hex_text.h"
#include "viewer/navigation/search_text_code.h"

#include "viewer/resources/resource_ids.h"

namespace {
bool IsBlank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

bool Is(const std::string& token, const char* word) { return strcasecmp(token.c_str(), word) == 0; }
}  // namespace

DdeParse ParseDdeCommand(std::string_view text, size_t* pos, DdeCommand* command) {
  size_t at = *pos;
  if (at > text.size()) return DdeParse::kPastEnd;
  while (at < text.size() && IsBlank(text[at])) ++at;
  if (at == text.size()) {
    *pos = at;
    return DdeParse::kDone;
  }
  if (text[at] != '[') return DdeParse::kNoBracket;
  ++at;
  *command = DdeCommand{};
  for (;;) {
    while (at < text.size() && IsBlank(text[at])) ++at;
    if (at == text.size()) break;  // no "]": the command still counts
    if (text[at] == ']') {
      command->Closed = true;
      ++at;
      break;
    }
    if (command->Count == kDdeMaxTokens) return DdeParse::kTooMany;
    std::string& token = command->Tokens[command->Count++];
    if (text[at] == '"') {
      for (++at; at < text.size(); ++at) {
        if (text[at] != '"') {
          token += text[at];
        } else if (at + 1 < text.size() && text[at + 1] == '"') {
          token += '"';
          ++at;
        } else {
          ++at;  // the closing quote
          break;
        }
      }
    } else {
      while (at < text.size() && !IsBlank(text[at]) && text[at] != ']') token += text[at++];
    }
  }
  *pos = at;
  return DdeParse::kCommand;
}

DdeMeaning MeaningOf(const DdeCommand& c) {
  const std::string& word = c.Tokens[0];
  const std::string& arg = c.Tokens[1];
  using A = DdeAction;
  if (Is(word, "Open")) return {A::kOpen};
  if (Is(word, "Close")) return {A::kClose};
  if (Is(word, "Exit")) return {A::kExit};
  if (Is(word, "Find")) return {A::kFind};
  if (Is(word, "Setup")) return {A::kSetup};
  if (Is(word, "DDE")) return {A::kNothing};
  if (Is(word, "Print")) {
    if (arg.empty()) return {A::kPrintFile};
    if (Is(arg, "Page")) return {A::kPrintPage};
    if (Is(arg, "Tags")) return {A::kPrintTags};
    return {A::kSkip};
  }
  if (Is(word, "Display")) {
    static constexpr struct {
      const char* word;
      int command;
    } kDisplay[] = {
        {"Text", IDM_TEXT},
        {"Hex", IDM_HEX},
        {"Raw", IDM_RAW},
        {"Wrap", IDM_WRAP},
        {"ZoomIn", IDM_ZOOM_IN},
        {"ZoomOut", IDM_ZOOM_OUT},
        {"ZoomReset", IDM_RESET_ZOOM},
        {"Follow", IDM_FOLLOW},
    };
    for (const auto& d : kDisplay)
      if (Is(arg, d.word)) return {A::kMenuCommand, d.command};
    return {A::kSkip};
  }
  if (Is(word, "Window")) {
    if (Is(arg, "Minimize")) return {A::kMinimize};
    if (Is(arg, "Maximize")) return {A::kMaximize};
    if (Is(arg, "Restore")) return {A::kRestore};
    if (Is(arg, "OnTop")) return {A::kMenuCommand, IDM_ALWAYS_ON_TOP};
    return {A::kSkip};
  }
  return {A::kUnknown};
}

DdeFindOptions FindOptionsOf(const DdeCommand& c) {
  DdeFindOptions o;
  for (int i = 2; i < c.Count; ++i) {
    const std::string& t = c.Tokens[i];
    o.FromTop |= Is(t, "Top");
    o.Hex |= Is(t, "Hex");
    o.Text |= Is(t, "Text");
    o.Case |= Is(t, "Case");
    o.All |= Is(t, "All");
  }
  return o;
}

int TakeDdeFind(const DdeCommand& c, SearchState& search, int charCode) {
  const std::string& text = c.Tokens[1];
  if (text.empty()) return 0;
  const DdeFindOptions o = FindOptionsOf(c);
  uint8_t pattern[kSearchPatternBytes] = {};
  int length;
  if (o.Hex) {
    constexpr size_t kLongest = 66, kCut = 65;
    std::string_view hex = text;
    if (hex.size() > kLongest) hex = hex.substr(0, kCut);
    length = ParseHexText(hex, pattern, kSearchPatternBytes);
  } else {
    constexpr size_t kTextChars = 33;
    length = static_cast<int>(std::min(text.size(), kTextChars));
    if (CodeFlagBits(charCode) & FMT_UTF_MASK)
      length = TypedTextToFileCode(std::string_view(text).substr(0, kTextChars), charCode, pattern,
                                   kSearchPatternBytes);
    else
      std::memcpy(pattern, text.data(), static_cast<size_t>(length));
  }
  if (length <= 0) return 0;
  search.SearchFlags =
      static_cast<uint16_t>((o.FromTop ? SF_FROM_TOP : 0) | (o.Hex ? SF_HEX : 0) |
                            (o.Case ? SF_CASE : 0) | (o.Text || !o.Hex ? SF_TEXT : 0) |
                            (o.Hex ? 0 : SearchCodeFlag(charCode)));
  if (o.FromTop) search.NextSearchStart = 0;
  std::memcpy(search.SearchPattern, pattern, sizeof pattern);
  search.SearchLength = length;
  return o.All ? IDM_MARK_ALL : IDM_FIND_NEXT;
}

bool DdeSetupSection(const std::string& name, char (&section)[kSetupSectionChars + 1]) {
  if (name.empty() || static_cast<unsigned char>(name[0]) <= ' ') return false;
  const std::string full = kSetupPrefix + name;
  if (full.size() > static_cast<size_t>(kSetupSectionChars)) return false;
  std::memcpy(section, full.c_str(), full.size() + 1);
  return true;
}
