#include "viewer/buffer/file_access.h"

#include <cstdint>

namespace {
const FileSystem* gFiles = nullptr;
}

const FileSystem& Files() { return gFiles ? *gFiles : PlatformFileSystem(); }
void SetFileSystem(const FileSystem* fs) { gFiles = fs; }

int32_t QueryFileSize(const char* path) {
  const FileSystem& fs = Files();
  FileHandle f = fs.Open(path);
  if (f == kNoFile) return 0;
  int64_t size = fs.Size(f);
  fs.Close(f);
  return (size > 0 && size <= INT32_MAX) ? static_cast<int32_t>(size) : 0;
}
