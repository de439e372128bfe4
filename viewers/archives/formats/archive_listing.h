// An archive's list of entries as read from its headers: one small record
// per entry, the names side by side in one block, the few method names
// once each. Cells are formatted from it only when they are shown.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum ArchiveEntryFlag : uint8_t {
  kEntryEncrypted = 1,
  kEntryUtf8Name = 2,  // the name is UTF-8, else in the OEM code page
  kEntryFolder = 4,
  kEntryCrc16 = 8,     // the check value is a CRC-16 (LZH), else a CRC-32
  kEntryUnixMode = 16, // Attributes is a Unix mode, else MS-DOS attribute bits
};

struct ArchiveEntry {
  uint64_t Size = 0;
  uint64_t Packed = 0;
  uint32_t NameOffset = 0;  // into ArchiveListing::Names
  uint32_t Crc = 0;
  uint32_t DosTime = 0;     // MS-DOS date in the high word, time in the low word
  uint32_t Attributes = 0;
  uint16_t NameLength = 0;
  uint8_t Method = 0;       // index into ArchiveListing::Methods
  uint8_t Flags = 0;
};

enum class ArchiveKind { Zip, Lzh };

struct ArchiveListing {
  ArchiveKind Kind = ArchiveKind::Zip;
  std::vector<ArchiveEntry> Entries;
  std::vector<char> Names;
  std::vector<std::string> Methods;
  std::string Comment;     // as stored (OEM code page)
  uint64_t Claimed = 0;    // entries the archive says it holds
  int64_t Shift = 0;       // bytes in front of the archive (a self-extracting program's)

  std::string_view NameOf(const ArchiveEntry& e) const {
    return {Names.data() + e.NameOffset, e.NameLength};
  }
  // The method's index, added when new; the last index once 255 are known.
  uint8_t MethodIndex(std::string_view method);
  // Appends an entry named by name (cut to 65535 bytes); false when the
  // names block is full.
  bool Add(ArchiveEntry entry, std::string_view name);
};
