#include "tests/e2e/expected_copy.h"

#include <cstdio>

namespace {
// The ANSI display codes of the EBCDIC bytes, row by row.
constexpr unsigned char kEbcdic[256] = {
    183, 183, 183, 183, 183, 183, 183, 183, 183, 183, 183, 183, 183, 183, 183, 183,  // 0x
    183, 183, 183, 183, 183, 183, 183, 183, 183, 183, 183, 183, 183, 183, 183, 183,  // 1x
    183, 183, 183, 183, 183, 183, 183, 183, 183, 183, 183, 183, 183, 183, 183, 183,  // 2x
    183, 183, 183, 183, 183, 183, 183, 183, 183, 183, 183, 183, 183, 183, 183, 183,  // 3x
    32,  91,  93,  163, 165, 183, 164, 223, 167, 175, 162, 46,  60,  40,  43,  124,  // 4x
    38,  176, 183, 94,  168, 146, 184, 224, 232, 236, 33,  36,  42,  41,  59,  172,  // 5x
    45,  47,  242, 249, 227, 245, 255, 224, 232, 233, 166, 44,  37,  95,  62,  63,   // 6x
    236, 242, 249, 252, 231, 228, 235, 239, 246, 96,  58,  35,  64,  39,  61,  34,   // 7x
    252, 97,  98,  99,  100, 101, 102, 103, 104, 105, 226, 234, 238, 244, 251, 225,  // 8x
    233, 106, 107, 108, 109, 110, 111, 112, 113, 114, 237, 243, 250, 241, 192, 200,  // 9x
    204, 126, 115, 116, 117, 118, 119, 120, 121, 122, 210, 217, 195, 213, 183, 183,  // Ax
    183, 183, 183, 183, 183, 183, 183, 196, 203, 207, 214, 220, 194, 202, 206, 212,  // Bx
    123, 65,  66,  67,  68,  69,  70,  71,  72,  73,  219, 193, 201, 205, 183, 183,  // Cx
    125, 74,  75,  76,  77,  78,  79,  80,  81,  82,  211, 218, 209, 183, 183, 183,  // Dx
    92,  183, 83,  84,  85,  86,  87,  88,  89,  90,  248, 229, 231, 183, 183, 183,  // Ex
    48,  49,  50,  51,  52,  53,  54,  55,  56,  57,  198, 216, 197, 199, 183, 183,  // Fx
};

char Shown(char c, bool ebcdic) {
  auto b = static_cast<unsigned char>(c);
  if (ebcdic) return static_cast<char>(kEbcdic[b]);
  if (b == 0x09) return '\xA4';
  if (b == 0x0C) return '\xF0';
  return b < 0x20 ? '\xB7' : c;
}

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }
}  // namespace

std::string ExpectedTextCopy(std::string_view bytes, int lineLength, int tabLength, bool ebcdic) {
  std::string out;
  size_t i = 0;
  while (i < bytes.size()) {
    std::string line;
    while (i < bytes.size() && !IsLineEnd(bytes[i])) {
      int w = static_cast<int>(line.size());
      if (bytes[i] == '\t') {
        int stop = w + tabLength - w % tabLength;
        if (stop > lineLength) stop = lineLength;
        line.append(stop > w ? stop - w : 0, ' ');
      } else if (w < lineLength) {
        line += Shown(bytes[i], ebcdic);
      } else {
        while (i < bytes.size() && !IsLineEnd(bytes[i])) ++i;  // cut
        break;
      }
      ++i;
    }
    if (i < bytes.size()) {  // a line end, maybe a CR LF or LF CR pair
      char end = bytes[i++];
      if (i < bytes.size() && IsLineEnd(bytes[i]) && bytes[i] != end) ++i;
    }
    out += line + "\r\n";
  }
  return out;
}

std::string ExpectedHexDumpCopy(std::string_view bytes, int lineLength, bool ebcdic) {
  int groups = 1;
  while (13 * groups * 2 < lineLength - 8 && groups < 16) groups *= 2;
  const size_t perLine = 4 * groups;
  std::string out;
  for (size_t at = 0; at < bytes.size(); at += perLine) {
    std::string_view part = bytes.substr(at, perLine);
    char offset[16];
    std::snprintf(offset, sizeof offset, "%06zX  ", at);
    std::string line = offset;
    for (size_t k = 0; k < perLine; ++k) {
      char hex[3] = "  ";
      if (k < part.size())
        std::snprintf(hex, sizeof hex, "%02X", static_cast<unsigned char>(part[k]));
      line += hex;
      if (k % 4 == 3) line += ' ';
    }
    line += ' ';
    for (char c : part) line += Shown(c, ebcdic);
    out += line + "\r\n";
  }
  return out;
}

std::string ExpectedRawTextCopy(std::string_view bytes, int lineLength, bool ebcdic) {
  std::string out;
  for (size_t at = 0; at < bytes.size(); at += lineLength) {
    for (char c : bytes.substr(at, lineLength)) out += Shown(c, ebcdic);
    out += "\r\n";
  }
  return out;
}
