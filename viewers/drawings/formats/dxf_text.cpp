#include "viewers/drawings/formats/dxf_text.h"

#include <cctype>
#include <cstdlib>

std::string PlainText(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 2, "%%") == 0 && i + 2 < text.size()) {
      const char code = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i + 2])));
      i += 2;
      if (code == 'd')
        out += '\xB0';
      else if (code == 'p')
        out += '\xB1';
      else if (code == 'c')
        out += '\xD8';
      else if (code == '%')
        out += '%';
      // %%u, %%o and the others switch a style: nothing to show
      continue;
    }
    out += text[i];
  }
  return out;
}

std::vector<std::string> PlainMtextLines(const std::string& text) {
  std::vector<std::string> lines(1);
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '{' || c == '}') continue;
    if (c != '\\' || i + 1 >= text.size()) {
      lines.back() += c;
      continue;
    }
    const char code = text[++i];
    switch (code) {
      case 'P': lines.emplace_back(); break;
      case '\\':
      case '{':
      case '}': lines.back() += code; break;
      case '~': lines.back() += ' '; break;
      case 'U':  // \U+hhhh: a character by its code, shown where Windows-1252 has it
        if (i + 5 < text.size() + 0 && text[i + 1] == '+') {
          const unsigned long code = std::strtoul(text.substr(i + 2, 4).c_str(), nullptr, 16);
          lines.back() += code < 256 ? static_cast<char>(code) : '?';
          i += 5;
        }
        break;
      case 'L':
      case 'l':
      case 'O':
      case 'o':
      case 'K':
      case 'k':
      case 'N': break;
      case 'S': {  // a stacked fraction up to ';': its parts side by side
        for (++i; i < text.size() && text[i] != ';'; ++i)
          lines.back() += text[i] == '^' || text[i] == '#' ? '/' : text[i];
        break;
      }
      default:  // a code with a value up to ';' (font, height, colour, ...)
        while (i < text.size() && text[i] != ';') ++i;
    }
  }
  for (std::string& line : lines) line = PlainText(line);
  return lines;
}
