#include "viewers/archives/formats/archive_cells.h"

#include <cstdio>

std::string DecimalText(uint64_t value) { return std::to_string(value); }

std::string RatioText(uint64_t size, uint64_t packed) {
  if (size == 0) return "0%";
  const double saved = 100.0 * (1.0 - static_cast<double>(packed) / static_cast<double>(size));
  char text[32];
  std::snprintf(text, sizeof text, "%.0f%%", saved);
  return text;
}

std::string DosTimeText(uint32_t dosTime) {
  if (dosTime == 0) return {};
  const unsigned date = dosTime >> 16, time = dosTime & 0xFFFF;
  char text[32];
  std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", 1980 + (date >> 9),
                (date >> 5) & 15, date & 31, time >> 11, (time >> 5) & 63, (time & 31) * 2);
  return text;
}

std::string CheckText(const ArchiveEntry& e) {
  char text[16];
  if (e.Flags & kEntryCrc16) std::snprintf(text, sizeof text, "%04X", e.Crc & 0xFFFF);
  else std::snprintf(text, sizeof text, "%08X", e.Crc);
  return text;
}

std::string AttributeText(const ArchiveEntry& e) {
  if (e.Flags & kEntryUnixMode) {
    const uint32_t mode = e.Attributes;
    std::string text = (mode & 0xF000) == 0x4000 ? "d" : (mode & 0xF000) == 0xA000 ? "l" : "-";
    const char* letters = "rwxrwxrwx";
    for (int bit = 0; bit < 9; ++bit) text += (mode >> (8 - bit) & 1) ? letters[bit] : '-';
    return text;
  }
  const char* letters = "RHSDA";
  const uint32_t bits[] = {0x01, 0x02, 0x04, 0x10, 0x20};
  std::string text;
  for (int i = 0; i < 5; ++i) text += (e.Attributes & bits[i]) ? letters[i] : '-';
  return text;
}
