// Archives the tests make: ZIP (optionally ZIP64, after other bytes, with
// a comment) and LZH of levels 0, 1 and 2, from a list of entries whose
// bytes are stored as they are, with any size claimed for them.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct TestEntry {
  std::string Name;            // with its folder, '/' between
  std::string Packed;          // the bytes stored
  uint64_t Size = 0;           // the size claimed; 0: Packed's
  uint16_t Method = 8;         // ZIP method (LZH: "-lh5-", or "-lhd-" for a folder)
  uint32_t DosTime = 0x5B2A6C21;  // 2025-09-10 13:33:02
  uint32_t Attributes = 0x20;  // MS-DOS attribute bits, or a Unix mode when Unix
  bool Unix = false;
  bool Utf8 = false;
  bool Encrypted = false;
  uint64_t SizeOf() const { return Size ? Size : Packed.size(); }
};

uint32_t Crc32Of(std::string_view bytes);
uint16_t Crc16Of(std::string_view bytes);

struct ZipOptions {
  std::string Comment;
  bool Zip64 = false;
};
std::string ZipBytes(const std::vector<TestEntry>& entries, const ZipOptions& options = {});

// Level 2 keeps the time as a Unix time: kLzhUnixTime for every entry.
constexpr uint32_t kLzhUnixTime = 1700000000;  // 2023-11-14 22:13:20 UTC
std::string LzhBytes(const std::vector<TestEntry>& entries, int level);
