// The header of a DBF table: its fields and where its records lie. The
// header of every common writer is read: the 32-byte field descriptors of
// the older levels and of the Fox writers (the visual one keeps a 263-byte
// back link after them, inside the header length), and the 48-byte
// descriptors of level 7.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "viewer/buffer/file_offset.h"

struct DbfField {
  std::string Name;
  char Type = 'C';
  uint32_t Offset = 0;  // in the record, after the deletion mark
  uint32_t Length = 0;
  uint8_t Decimals = 0;
};

enum class DbfFlavour {
  Classic,    // levels III to 5 and the older Fox writers
  VisualFox,  // integer memo pointers, double B fields
  Level7,     // 48-byte descriptors, big-endian I, + and @ fields
};

struct DbfLayout {
  uint8_t Version = 0;
  DbfFlavour Flavour = DbfFlavour::Classic;
  uint8_t LanguageDriver = 0;  // the code page mark
  uint32_t HeaderLength = 0;   // where the first record starts
  uint32_t RecordLength = 0;
  uint32_t ClaimedRecords = 0;
  uint32_t RecordCount = 0;  // the records the file holds of those claimed
  std::vector<DbfField> Fields;
};

// The layout of the table at path; nothing when it is no table that can be
// shown (too short, a record length of 0, a header past the file's end, no
// field).
std::optional<DbfLayout> ReadDbfLayout(const std::string& path, FileOffset fileSize);
