#include "viewers/fonts/formats/font_file.h"

#include "viewers/graphics/formats/byte_source.h"

namespace {

constexpr uint32_t Tag(const char (&t)[5]) {
  return static_cast<uint32_t>(t[0]) << 24 | static_cast<uint32_t>(t[1]) << 16 |
         static_cast<uint32_t>(t[2]) << 8 | static_cast<uint32_t>(t[3]);
}

SfntKind KindOfVersion(uint32_t version) {
  if (version == 0x00010000 || version == Tag("true")) return SfntKind::TrueType;
  if (version == Tag("OTTO")) return SfntKind::Cff;
  return SfntKind::None;
}

// The table directory of the face at offset; false when it is not within
// the file. Tables past the end are left out, as if absent.
bool ReadDirectory(FontFile& font, uint32_t offset) {
  const uint64_t size = font.Bytes.size();
  if (!Within(offset, 12, size)) return false;
  font.Kind = KindOfVersion(font.U32(offset));
  if (font.Kind == SfntKind::None) return false;
  const uint32_t count = font.U16(offset + 4);
  if (!Within(offset + 12, uint64_t{count} * 16, size)) return false;
  for (uint32_t i = 0; i < count; ++i) {
    const uint32_t record = offset + 12 + i * 16;
    const FontTable table{font.U32(record + 8), font.U32(record + 12)};
    if (table.Present() && Within(table.Offset, table.Length, size))
      font.Tables.emplace_back(font.U32(record), table);
  }
  font.FaceOffset = offset;
  return true;
}

}  // namespace

FontTable FontFile::Find(std::string_view tag) const {
  if (tag.size() != 4) return {};
  const uint32_t wanted = static_cast<uint32_t>(static_cast<uint8_t>(tag[0])) << 24 |
                          static_cast<uint32_t>(static_cast<uint8_t>(tag[1])) << 16 |
                          static_cast<uint32_t>(static_cast<uint8_t>(tag[2])) << 8 |
                          static_cast<uint8_t>(tag[3]);
  for (const auto& [t, table] : Tables)
    if (t == wanted) return table;
  return {};
}

FontFile ParseFontFile(std::vector<uint8_t> bytes) {
  FontFile font;
  font.Bytes = std::move(bytes);
  uint32_t offset = 0;
  font.FaceCount = 1;
  if (font.Bytes.size() >= 16 && font.U32(0) == Tag("ttcf")) {
    font.FaceCount = font.U32(8);
    if (font.FaceCount == 0) return {};
    offset = font.U32(12);
  }
  if (!ReadDirectory(font, offset)) return {};
  return font;
}

FontFile ReadFontFile(const char* path) {
  ByteSource file(path);
  if (!file.IsOpen() || file.Size() < 12 || file.Size() > kMostFontBytes) return {};
  std::vector<uint8_t> bytes(static_cast<size_t>(file.Size()));
  if (file.ReadAt(0, bytes.data(), bytes.size()) != bytes.size()) return {};
  return ParseFontFile(std::move(bytes));
}
