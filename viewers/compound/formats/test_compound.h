// Compound documents the tests make: 512-byte sectors, every stream in the
// root storage, streams under 4096 bytes in the mini stream.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct CompoundStream {
  std::string Name;
  std::string Bytes;
};

struct CompoundImage {
  std::string Bytes;
  uint32_t FatSector = 0;        // the first sector of the allocation table
  uint32_t DirectorySector = 0;  // the directory's first sector
  uint32_t MiniFatSector = 0;    // the mini allocation table's first sector
  std::vector<uint32_t> Starts;  // each stream's first (mini) sector
  // Changes the allocation table's entry for sector, or a directory entry's
  // 32-bit field at byte offset field (entry 0 is the root).
  void SetFat(uint32_t sector, uint32_t next);
  void SetMiniFat(uint32_t miniSector, uint32_t next);
  void SetEntryField(size_t entry, size_t field, uint32_t value);
};

// fatInMaster: the allocation table's sector is named in a master table
// sector instead of the header, as in files beyond 7 MB.
CompoundImage MakeCompound(const std::vector<CompoundStream>& streams, bool fatInMaster = false);
