#include "viewer/app/command_line.h"

#include <cstring>
#include <string_view>

#include "common/quoted_name.h"
#include "common/text_copy.h"

namespace {
bool IsSeparator(unsigned char c) { return c >= 1 && c <= 32; }
char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

void ParseSwitchWord(std::string_view word, CommandLine* out) {
  if (word.size() >= 2 && Upper(word[1]) == 'V') {
    out->Switches['V' - 'A'] = word[1];
    std::string_view name = word.substr(2);
    name = name.substr(0, name.find('/'));
    constexpr std::string_view prefix = "Setup: ";
    size_t room = kSetupSectionChars - prefix.size();
    out->SetupCut = name.size() > room;
    std::memcpy(out->CurrentSetup, prefix.data(), prefix.size());
    CopyText(out->CurrentSetup + prefix.size(), sizeof out->CurrentSetup - prefix.size(), name);
    return;
  }
  for (char c : word.substr(1))
    if (IsLetter(c)) out->Switches[Upper(c) - 'A'] = c;
}
}  // namespace

void ParseCommandLine(const char* text, CommandLine* out) {
  *out = CommandLine{};
  bool haveName = false;
  const unsigned char* p = reinterpret_cast<const unsigned char*>(text ? text : "");
  while (*p) {
    while (IsSeparator(*p)) ++p;
    if (!*p) break;
    if (*p == '"') {
      auto at = reinterpret_cast<const char*>(p);
      std::string_view name = ReadQuotedName(at);
      p = reinterpret_cast<const unsigned char*>(at);
      if (!haveName && !name.empty()) {
        haveName = true;
        out->NameCut = name.size() > kPathChars;
        CopyText(out->RequestedName, name);
      }
      continue;
    }
    const unsigned char* start = p;
    while (*p && !IsSeparator(*p)) ++p;
    std::string_view word(reinterpret_cast<const char*>(start), p - start);
    if (word[0] == '-' || word[0] == '/') {
      ParseSwitchWord(word, out);
    } else if (!haveName) {
      haveName = true;
      out->NameCut = word.size() > kPathChars;
      CopyText(out->RequestedName, word);
    }
  }
}
