// The DDE execute-string reader against a character-by-character reading of
// the same rules, on strings cut as the server cuts them (256 bytes, up to
// the first NUL) and held in a buffer of exactly their size.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "viewer/remote/dde_command.h"

namespace {
bool Blank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Each command as its tokens joined by '\1', closed ones ending in '\2';
// then the code that ended the reading.
std::string Reference(const std::string& text) {
  std::string out;
  enum { kOutside, kBetween, kWord, kQuote } state = kOutside;
  std::vector<std::string> tokens;
  auto finish = [&](bool closed) {
    for (size_t i = 0; i < tokens.size(); ++i) out += tokens[i] + '\1';
    out += closed ? "\2;" : ";";
    tokens.clear();
  };
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    switch (state) {
      case kOutside:
        if (Blank(c)) break;
        if (c != '[') return out + "-4";
        state = kBetween;
        break;
      case kBetween:
        if (Blank(c)) break;
        if (c == ']') {
          finish(true);
          state = kOutside;
          break;
        }
        if (tokens.size() == kDdeMaxTokens) return out + "-5";
        tokens.emplace_back();
        if (c == '"') {
          state = kQuote;
        } else {
          tokens.back() += c;
          state = kWord;
        }
        break;
      case kWord:
        if (Blank(c) || c == ']') {
          state = kBetween;
          --i;  // the blank or "]" is read again between tokens
        } else {
          tokens.back() += c;
        }
        break;
      case kQuote:
        if (c != '"') {
          tokens.back() += c;
        } else if (i + 1 < text.size() && text[i + 1] == '"') {
          tokens.back() += '"';
          ++i;
        } else {
          state = kBetween;
        }
        break;
    }
  }
  if (state != kOutside) finish(false);
  return out + "1";
}

std::string Parsed(std::string_view text) {
  std::string out;
  size_t pos = 0;
  DdeCommand c;
  for (;;) {
    const size_t before = pos;
    const DdeParse r = ParseDdeCommand(text, &pos, &c);
    if (r != DdeParse::kCommand) return out + std::to_string(static_cast<int>(r));
    if (pos <= before || pos > text.size() || c.Count > kDdeMaxTokens) std::abort();
    for (int i = 0; i < c.Count; ++i) out += c.Tokens[i] + '\1';
    out += c.Closed ? "\2;" : ";";
    (void)MeaningOf(c);
    (void)FindOptionsOf(c);
  }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > kDdeCommandBytes) return 0;  // refused as a whole by the server
  const size_t length = strnlen(reinterpret_cast<const char*>(data), size);
  std::unique_ptr<char[]> exact(new char[length]);
  std::memcpy(exact.get(), data, length);
  const std::string_view text(exact.get(), length);
  if (Parsed(text) != Reference(std::string(text))) std::abort();
  return 0;
}
