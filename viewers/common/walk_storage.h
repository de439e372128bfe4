// The blocks a walk over formatted lines (copying, printing) works in,
// allocated for that one walk.
#pragma once
#include <cstdint>
#include <vector>

#include "viewer/buffer/line_walk.h"

struct WalkStorage {
  static constexpr int32_t kReadBytes = 64 * 1024;
  std::vector<uint8_t> Read = std::vector<uint8_t>(kReadBytes);
  std::vector<LineEntry> Lines = std::vector<LineEntry>(kLineTableEntries);
  std::vector<char> Text = std::vector<char>(kTextArenaBlockBytes);

  WalkBlocks Blocks() {
    return WalkBlocks{Read.data(),       kReadBytes,  Lines.data(),
                      kLineTableEntries, Text.data(), kTextArenaBlockBytes};
  }
};
