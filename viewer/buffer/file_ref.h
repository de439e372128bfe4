// The viewed file.
#pragma once
#include "viewer/buffer/file_offset.h"

constexpr int kFilePathChars = 260;

struct FileRef {
  FileOffset Fcur = 0;                 // offset around which the next block is read
  FileOffset Flen = 0;                 // size in bytes, refreshed by every block read
  char Path[kFilePathChars + 1] = "";  // empty: no file is open
  // While the file is followed: the end of its last whole character when
  // it was last looked at. Reads stop there, so a character still being
  // written is not shown in halves. -1: no limit.
  FileOffset Limit = -1;
};
