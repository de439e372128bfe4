#include "viewer/buffer/file_code.h"

#include <vector>

#include "viewer/buffer/file_access.h"
#include "viewer/buffer/read_block.h"
#include "viewer/buffer/utf_decode.h"

CharCode DetectFileCode(const char* path) {
  const FileSystem& fs = Files();
  FileHandle f = fs.Open(path);
  if (f == kNoFile) return CODE_NONE;
  std::vector<uint8_t> block(kReadBlockBytes);
  int32_t got = 0;
  while (got < kReadBlockBytes) {
    const int32_t n = fs.Read(f, block.data() + got, kReadBlockBytes - got);
    if (n <= 0) break;
    got += n;
  }
  const FileOffset size = fs.Size(f);
  fs.Close(f);
  return DetectCharCode(block.data(), got, size >= 0 && size <= got);
}
