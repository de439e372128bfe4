// The header of a .DB table and the chain of its data blocks: the fields
// (type and size from the header, names after them), and for every block
// in the chain its number and the first row it holds, so that a row is
// found without reading the blocks before it.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "viewer/buffer/file_offset.h"

struct DbField {
  std::string Name;
  uint8_t Type = 0;
  uint32_t Offset = 0;
  uint32_t Length = 0;
};

struct DbBlock {
  uint16_t Number = 0;    // from 1
  uint32_t FirstRow = 0;  // of the table
};

struct DbLayout {
  uint32_t HeaderLength = 0;
  uint32_t RecordLength = 0;
  uint32_t BlockSize = 0;
  uint32_t CodePage = 437;
  uint32_t RowCount = 0;
  std::vector<DbField> Fields;
  std::vector<DbBlock> Blocks;
};

constexpr uint32_t kDbBlockHeader = 6;  // next block, previous block, last record's offset

// The layout of the table at path; nothing for a file that is no data
// table (an index, a header that does not fit, no field).
std::optional<DbLayout> ReadDbLayout(const std::string& path, FileOffset fileSize);
