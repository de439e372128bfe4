// A font file read whole through the file seam: its bytes, the face shown
// (the first of a collection) and that face's table directory. Every table
// found lies within the bytes; what a table holds is for its reader to
// check.
#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

// Larger files are declined: fonts are far smaller, and the whole file is
// held while it is shown.
constexpr int64_t kMostFontBytes = 32 << 20;

struct FontTable {
  uint32_t Offset = 0, Length = 0;  // Length 0: the table is absent
  bool Present() const { return Length != 0; }
};

enum class SfntKind { None, TrueType, Cff };

struct FontFile {
  std::vector<uint8_t> Bytes;
  SfntKind Kind = SfntKind::None;  // None: not a font, or unsound
  uint32_t FaceCount = 0;          // faces of a collection; 1 for a single font
  uint32_t FaceOffset = 0;
  // The first record of a tag, as other readers of the directory take it.
  FontTable Find(std::string_view tag) const;
  std::vector<std::pair<uint32_t, FontTable>> Tables;  // tag, bounds

  uint8_t U8(uint32_t at) const { return Bytes[at]; }
  uint16_t U16(uint32_t at) const { return static_cast<uint16_t>(Bytes[at] << 8 | Bytes[at + 1]); }
  int16_t S16(uint32_t at) const { return static_cast<int16_t>(U16(at)); }
  uint32_t U32(uint32_t at) const { return static_cast<uint32_t>(U16(at)) << 16 | U16(at + 2); }
};

// Reads the file at path; Kind is None when it is no font or larger than
// kMostFontBytes.
FontFile ReadFontFile(const char* path);
// The same for bytes held already.
FontFile ParseFontFile(std::vector<uint8_t> bytes);

// Whether [offset, offset + length) lies within a table of the given
// length; the sums cannot wrap.
inline bool Within(uint64_t offset, uint64_t length, uint64_t limit) {
  return offset <= limit && length <= limit - offset;
}
