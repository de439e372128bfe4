#include "viewers/documents/formats/wpc_text.h"

#include <cstring>

#include "viewers/documents/formats/paragraph_builder.h"

namespace {

// How the reader takes one code: a character to add, a paragraph's end,
// or a code to step over (of Size bytes in all, or of a length it carries).
enum class Take { Drop, Char, Space, Hyphen, Tab, Break, Fixed, Variable };
struct Code {
  Take How;
  int Size;  // bytes of a fixed-length code, its own byte included
};

// Version byte 0: characters up to 7E; 0A ends a paragraph (hard return),
// 0D is a soft return, 0C a hard page; 80-BF single-byte codes; C0-CF codes
// of fixed lengths (C0 an extended character, C1 a tab or indent); D0-FF
// codes whose bytes 2-3 give the length of what follows them.
Code FiveCode(int c) {
  if (c == '\t') return {Take::Tab, 1};
  if (c == 0x0A || c == 0x0C) return {Take::Break, 1};
  if (c == 0x0B || c == 0x0D) return {Take::Space, 1};
  if (c >= 0x20 && c < 0x7F) return {Take::Char, 1};
  if (c == 0xA0) return {Take::Space, 1};
  if (c >= 0xA9 && c <= 0xAB) return {Take::Hyphen, 1};
  if (c == 0xC1) return {Take::Tab, 9};
  if (c >= 0xC0 && c <= 0xCF) {
    static constexpr int kSizes[16] = {4, 9, 11, 3, 3, 5, 6, 7, 1, 1, 1, 1, 1, 1, 1, 1};
    return {Take::Fixed, kSizes[c - 0xC0]};
  }
  if (c >= 0xD0) return {Take::Variable, 4};
  return {Take::Drop, 1};
}

// Version byte 2: 01-1F characters of the default extended set (left out);
// 20-7E characters; 80-CF single-byte codes (80 and 81 spaces, 84 a hard
// hyphen, CC a hard return, C7 a hard page, CF a soft return); D0-EF
// codes whose bytes 2-3 give their whole length (E0 the tab group); F0-FF
// codes of fixed lengths (F0 an extended character).
Code SixCode(int c) {
  if (c >= 0x20 && c < 0x7F) return {Take::Char, 1};
  if (c == 0x80 || c == 0x81 || c == 0xCF) return {Take::Space, 1};
  if (c == 0x84) return {Take::Hyphen, 1};
  if (c == 0xCC || c == 0xC7) return {Take::Break, 1};
  if (c >= 0xD0 && c <= 0xEF) return {c == 0xE0 ? Take::Tab : Take::Variable, 4};
  if (c >= 0xF0) {
    static constexpr int kSizes[16] = {4, 5, 3, 5, 3, 3, 4, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    return {Take::Fixed, kSizes[c - 0xF0]};
  }
  return {Take::Drop, 1};
}

// The end of a code that carries its length, from its first byte at.
int64_t VariableEnd(ByteSource& file, int64_t at, bool sixth) {
  uint8_t length[2];
  if (file.ReadAt(at + 2, length, 2) < 2) return file.Size();
  const int64_t n = Le16(length);
  // A length too short to cover the code's own bytes would step backwards.
  if (sixth) return at + (n < 4 ? 4 : n);
  return at + 4 + n;
}

}  // namespace

bool ReadWpcText(ByteSource& file, int type, ParagraphBuilder& text) {
  uint8_t prefix[16];
  if (file.ReadAt(0, prefix, sizeof prefix) < sizeof prefix) return false;
  if (std::memcmp(prefix, "\xFFWPC", 4) != 0) return false;
  const int64_t start = Le32(prefix + 4);
  if (start < 16 || start > file.Size()) return false;
  const bool sixth = type == 22;
  int64_t at = start;
  while (at < file.Size() && !text.Full()) {
    file.SeekTo(at);
    const int c = file.Get();
    if (c < 0) break;
    const Code code = sixth ? SixCode(c) : FiveCode(c);
    int64_t next = at + code.Size;
    switch (code.How) {
      case Take::Char: text.Add(static_cast<char>(c)); break;
      case Take::Space: text.Add(' '); break;
      case Take::Hyphen: text.Add('-'); break;
      case Take::Break: text.Break(); break;
      case Take::Tab: text.Add('\t'); [[fallthrough]];
      case Take::Variable:
        if (code.Size == 4) next = VariableEnd(file, at, sixth);
        break;
      case Take::Fixed:
        if (c == (sixth ? 0xF0 : 0xC0)) {  // an extended character: set 0 is ASCII
          uint8_t ch[2];
          if (file.ReadAt(at + 1, ch, 2) == 2)
            text.Add(ch[1] == 0 && ch[0] >= 0x20 ? static_cast<char>(ch[0]) : '?');
        }
        break;
      case Take::Drop: break;
    }
    at = next;
  }
  return true;
}
