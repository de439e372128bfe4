// DBF tables the Wine tests make: a level III header, character, numeric,
// logical and date fields, each record's values padded to its field (numbers
// to the right) behind its deletion mark.
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
