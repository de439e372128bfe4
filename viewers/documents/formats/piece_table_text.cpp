#include "viewers/documents/formats/piece_table_text.h"

#include <vector>

#include "viewers/compound/formats/compound_file.h"
#include "viewers/documents/formats/paragraph_builder.h"
#include "viewers/graphics/formats/byte_source.h"

namespace {
using Bytes = std::vector<uint8_t>;

// Offsets in the file information block.
constexpr size_t kFlags = 0x0A;        // bit 9: the table is "1Table"
constexpr size_t kTextChars = 0x4C;    // characters of the main text
constexpr size_t kPieceTable = 0x1A2;  // offset and length of the piece table in the table stream
constexpr uint16_t kIdent = 0xA5EC;
constexpr uint32_t kEightBit = 0x40000000;  // in a piece's position: bytes, at half the value

// The characters the text holds besides letters, and fields: a field's
// code (between 13 and 14) is left out and its result (between 14 and 15)
// kept; fields nest.
class SpecialCharacters {
 public:
  explicit SpecialCharacters(ParagraphBuilder& text) : text_(text) {}
  void Put(char16_t c) {
    if (c == 0x13) return fields_.push_back(false);
    if (c == 0x14) {
      if (!fields_.empty()) fields_.back() = true;
      return;
    }
    if (c == 0x15) {
      if (!fields_.empty()) fields_.pop_back();
      return;
    }
    for (bool showingResult : fields_)
      if (!showingResult) return;
    if (c == 0x07) return text_.Add('\t');  // the end of a table cell
    if (c == 0x1E) return text_.Add('-');   // a hyphen that does not break
    if (c == 0x0D || c == 0x0B || c == 0x0C) return text_.Break();
    if (c == 0x09 || c >= 0x20) text_.Add(static_cast<char>(LatinByteOf(c)));
  }

 private:
  ParagraphBuilder& text_;
  std::vector<bool> fields_;  // for each open field, whether its result has begun
};

uint32_t At32(const Bytes& b, size_t at) { return at + 4 <= b.size() ? Le32(b.data() + at) : 0; }

// The piece table's two arrays (positions in the text, then 8-byte
// pieces) from the table stream's description of the text.
bool FindPieces(const Bytes& clx, size_t& at, uint32_t& length) {
  size_t i = 0;
  while (i < clx.size()) {
    if (clx[i] == 1) {  // formatting shared by pieces: skipped
      if (i + 3 > clx.size()) return false;
      i += 3 + Le16(clx.data() + i + 1);
    } else if (clx[i] == 2) {
      if (i + 5 > clx.size()) return false;
      length = Le32(clx.data() + i + 1);
      at = i + 5;
      return length <= clx.size() - at;
    } else {
      return false;
    }
  }
  return false;
}
}  // namespace

unsigned char LatinByteOf(char16_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
  static constexpr struct {
    char16_t Wide;
    unsigned char Byte;
  } kAbove[] = {{0x20AC, 0x80}, {0x2026, 0x85}, {0x2018, 0x91}, {0x2019, 0x92}, {0x201C, 0x93},
                {0x201D, 0x94}, {0x2022, 0x95}, {0x2013, 0x96}, {0x2014, 0x97}, {0x2122, 0x99}};
  for (const auto& m : kAbove)
    if (m.Wide == c) return m.Byte;
  return '?';
}

bool ReadPieceTableText(const char* path, ParagraphBuilder& text) {
  CompoundFile file(path);
  if (!file.IsOpen()) return false;
  const Bytes main = file.ReadStream("WordDocument");
  if (main.size() < kPieceTable + 8 || Le16(main.data()) != kIdent) return false;
  const Bytes table = file.ReadStream(Le16(main.data() + kFlags) & 0x0200 ? "1Table" : "0Table");
  const uint32_t clxAt = At32(main, kPieceTable), clxLength = At32(main, kPieceTable + 4);
  if (clxAt > table.size() || clxLength > table.size() - clxAt) return false;
  const Bytes clx(table.begin() + clxAt, table.begin() + clxAt + clxLength);
  size_t at = 0;
  uint32_t length = 0;
  if (!FindPieces(clx, at, length) || length < 4) return false;
  const uint32_t pieces = (length - 4) / 12;
  const uint32_t textChars = At32(main, kTextChars);
  SpecialCharacters out(text);
  for (uint32_t p = 0; p < pieces && !text.Full(); ++p) {
    const uint32_t first = Le32(clx.data() + at + 4 * p), end = Le32(clx.data() + at + 4 * (p + 1));
    if (end < first || first >= textChars) break;
    const uint32_t chars = std::min(end, textChars) - first;
    const uint32_t position = Le32(clx.data() + at + 4 * (pieces + 1) + 8 * p + 2);
    const bool eightBit = position & kEightBit;
    const uint64_t offset = eightBit ? (position & ~kEightBit) / 2 : position;
    const uint64_t bytes = uint64_t{chars} * (eightBit ? 1 : 2);
    if (offset > main.size() || bytes > main.size() - offset) break;  // a piece outside the text
    for (uint32_t i = 0; i < chars; ++i)
      out.Put(eightBit ? main[offset + i]
                       : static_cast<char16_t>(Le16(main.data() + offset + 2 * i)));
  }
  return true;
}
