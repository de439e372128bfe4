// The records of a table read from its file as they are asked for: a few
// blocks of neighbouring records stay in memory, the least recently used
// one is read over, so memory stays the same for a table of any size.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "viewer/buffer/file_offset.h"

class RecordCache {
 public:
  RecordCache(std::string path, FileOffset firstRecord, uint32_t recordLength,
              uint32_t recordCount);
  // The record's bytes (recordLength of them), or nullptr when it cannot
  // be read; valid until the next call.
  const uint8_t* Record(uint32_t index);

 private:
  struct Block {
    uint32_t First = 0;
    uint32_t Count = 0;  // records read
    uint64_t LastUse = 0;
    std::vector<uint8_t> Bytes;
  };

  std::string path_;
  FileOffset firstRecord_;
  uint32_t recordLength_;
  uint32_t recordCount_;
  uint32_t recordsPerBlock_;
  uint64_t uses_ = 0;
  std::vector<Block> blocks_;
};
