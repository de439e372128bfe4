// Tables the tests make, natively and under Wine. DBF: a level III header,
// character, numeric, logical and date fields, each record's values padded
// to its field (numbers to the right) behind its deletion mark.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct DbfColumn {
  std::string Name;
  char Type;
  uint8_t Length;
};
struct DbfRecord {
  bool Deleted;
  std::vector<std::string> Values;
};
std::string DbfFileBytes(const std::vector<DbfColumn>& columns,
                         const std::vector<DbfRecord>& records, uint8_t codePageMark = 0);

// .DB: the header of the latest layout (code page 1252), 1 KiB blocks, each
// holding the records given for it; chain lists the blocks in the table's
// order (numbers from 1). Records are given whole, as the table stores them.
struct DbTestField {
  std::string Name;
  uint8_t Type, Size;
};
std::string DbFileBytes(const std::vector<DbTestField>& fields,
                        const std::vector<std::vector<std::string>>& blocks,
                        const std::vector<uint16_t>& chain);
