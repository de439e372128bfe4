// The viewed file.
#pragma once
#include <cstdint>

constexpr int kFilePathChars = 260;

struct FileRef {
  int32_t Fcur = 0;                    // offset around which the next block is read
  int32_t Flen = 0;                    // size in bytes, refreshed by every block read
  char Path[kFilePathChars + 1] = "";  // empty: no file is open
};
