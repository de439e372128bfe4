// Reading one block of the viewed file around its current offset. The file
// is opened and closed for every block and never written.
#pragma once
#include <cstdint>

#include "viewer/buffer/file_ref.h"
#include "viewer/buffer/formatters.h"

constexpr int32_t kReadBlockBytes = 65535;

struct ReadBuffer {
  uint8_t* Data = nullptr;
  int32_t Capacity = 0;
  int32_t Wanted = 0;  // bytes wanted before file.Fcur
};

// Fills window with up to Capacity bytes around file.Fcur (Wanted of them
// before it where the file allows) and refreshes file.Flen (no further than file.Limit). A Fcur
// beyond the end of a file that shrank is moved to its end. Status: ST_FAILED, or ST_EOF when the
// block reaches the end of the file, plus ST_EMPTY when there is nothing to read.
uint16_t ReadBlock(FileRef& file, const ReadBuffer& buffer, ReadWindow& window);
