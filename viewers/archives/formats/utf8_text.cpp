#include "viewers/archives/formats/utf8_text.h"

namespace {
constexpr char16_t kReplacement = 0xFFFD;
}  // namespace

std::u16string Utf16FromUtf8(std::string_view text) {
  std::u16string out;
  size_t i = 0;
  while (i < text.size()) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    const int more = lead < 0x80 ? 0 : lead >= 0xF0 && lead < 0xF5 ? 3 : lead >= 0xE0 ? 2
                                   : lead >= 0xC2 && lead < 0xE0  ? 1 : -1;
    if (more == 0 || more < 0 || i + more >= text.size()) {
      out += more == 0 ? static_cast<char16_t>(lead) : kReplacement;
      ++i;
      continue;
    }
    char32_t code = lead & (0x3F >> more);
    bool sound = true;
    for (int k = 1; k <= more; ++k) {
      const unsigned char c = static_cast<unsigned char>(text[i + k]);
      sound = sound && (c & 0xC0) == 0x80;
      code = code << 6 | (c & 0x3F);
    }
    const char32_t least[] = {0, 0x80, 0x800, 0x10000};
    if (!sound || code < least[more] || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000)) {
      out += kReplacement;
      ++i;
      continue;
    }
    if (code >= 0x10000) {
      code -= 0x10000;
      out += static_cast<char16_t>(0xD800 + (code >> 10));
      out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
    } else {
      out += static_cast<char16_t>(code);
    }
    i += more + 1;
  }
  return out;
}
