#include "common/file_name_forms.h"

#include "common/text_copy.h"

namespace {
constexpr char32_t kBadChar = 0xFFFFFFFF;

// The character at text[*at], moving *at past it; kBadChar for a sequence
// that is not UTF-8.
char32_t NextUtf8(std::string_view text, size_t* at) {
  const auto lead = static_cast<unsigned char>(text[(*at)++]);
  if (lead < 0x80) return lead;
  int more = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
  if (more == 0 || lead > 0xF4) return kBadChar;
  char32_t ch = lead & (0x3F >> more);
  for (int i = 0; i < more; ++i, ++*at) {
    if (*at >= text.size()) return kBadChar;
    const auto next = static_cast<unsigned char>(text[*at]);
    if ((next & 0xC0) != 0x80) return kBadChar;
    ch = ch << 6 | (next & 0x3F);
  }
  constexpr char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
  if (ch < kLeast[more] || ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF)) return kBadChar;
  return ch;
}

void AppendUtf8(char32_t ch, std::string* out) {
  if (ch < 0x80) {
    *out += static_cast<char>(ch);
    return;
  }
  constexpr unsigned char kLead[] = {0, 0xC0, 0xE0, 0xF0};
  const int more = ch < 0x800 ? 1 : ch < 0x10000 ? 2 : 3;
  *out += static_cast<char>(kLead[more] | (ch >> (6 * more)));
  for (int shift = 6 * (more - 1); shift >= 0; shift -= 6)
    *out += static_cast<char>(0x80 | ((ch >> shift) & 0x3F));
}
}  // namespace

bool Utf16FromUtf8(std::string_view utf8, std::u16string* out) {
  out->clear();
  for (size_t at = 0; at < utf8.size();) {
    const char32_t ch = NextUtf8(utf8, &at);
    if (ch == kBadChar) return false;
    if (ch < 0x10000) {
      *out += static_cast<char16_t>(ch);
    } else {
      *out += static_cast<char16_t>(0xD800 + ((ch - 0x10000) >> 10));
      *out += static_cast<char16_t>(0xDC00 + ((ch - 0x10000) & 0x3FF));
    }
  }
  return true;
}

bool Utf8FromUtf16(std::u16string_view utf16, std::string* out) {
  out->clear();
  for (size_t at = 0; at < utf16.size(); ++at) {
    char32_t ch = utf16[at];
    if (ch >= 0xDC00 && ch <= 0xDFFF) return false;
    if (ch >= 0xD800 && ch <= 0xDBFF) {
      if (at + 1 >= utf16.size() || utf16[at + 1] < 0xDC00 || utf16[at + 1] > 0xDFFF) return false;
      ch = 0x10000 + ((ch - 0xD800) << 10) + (utf16[++at] - 0xDC00);
    }
    AppendUtf8(ch, out);
  }
  return true;
}

std::string MarkedName(std::u16string_view wide) {
  std::string utf8;
  if (!Utf8FromUtf16(wide, &utf8)) return {};
  return std::string(kUtf8NameMark) + utf8;
}

size_t Utf8PartStart(std::string_view text) {
  const size_t mark = text.find(kUtf8NameMark);
  return mark == std::string_view::npos ? mark : mark + kUtf8NameMark.size();
}

std::string ShownNamePart(std::string_view path) {
  const std::string_view part = FileNamePart(path);
  if (!IsMarkedName(path) || IsMarkedName(part)) return std::string(part);
  return std::string(kUtf8NameMark) + std::string(part);
}

bool IsUtf8BeyondAscii(std::string_view text) {
  bool beyond = false;
  for (size_t at = 0; at < text.size();) {
    const char32_t ch = NextUtf8(text, &at);
    if (ch == kBadChar) return false;
    beyond = beyond || ch >= 0x80;
  }
  return beyond;
}

std::string JoinArguments(const std::vector<std::string>& arguments) {
  std::string line;
  for (const std::string& argument : arguments) {
    if (!line.empty()) line += ' ';
    const bool quote = argument.empty() || argument.find_first_of(" \t") != std::string::npos;
    line += quote ? '"' + argument + '"' : argument;
  }
  return line;
}
